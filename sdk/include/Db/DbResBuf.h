#pragma once
// Chains of typed values, as extended data and extension records hold them.
#include "Rx/SmartPtr.h"
#include "Rx/OdString.h"
#include "Ge/GePoint3d.h"

class OdResBuf;
typedef OdSmartPtr<OdResBuf> OdResBufPtr;

class OdResBuf : public OdRxObject {
public:
  ODRX_DECLARE_MEMBERS(OdResBuf)
public:
  // Extended-data group codes.
  enum {
    kDxfXdAsciiString = 1000, kDxfRegAppName = 1001, kDxfXdControlString = 1002,
    kDxfXdLayerName = 1003, kDxfXdBinaryChunk = 1004, kDxfXdHandle = 1005,
    kDxfXdXCoord = 1010, kDxfXdWorldXCoord = 1011, kDxfXdWorldXDisp = 1012, kDxfXdWorldXDir = 1013,
    kDxfXdReal = 1040, kDxfXdDist = 1041, kDxfXdScale = 1042,
    kDxfXdInteger16 = 1070, kDxfXdInteger32 = 1071
  };
  enum ValueKind { kString, kDouble, kInt, kPoint, kBinary };
  static OdResBufPtr newRb(int restype);
  static OdResBufPtr newRb(int restype, const OdString& value);
  static OdResBufPtr newRb(int restype, double value);
  static OdResBufPtr newRb(int restype, OdInt32 value);
  static OdResBufPtr newRb(int restype, const OdGePoint3d& value);

  // The kind of value a group code carries in extended data and files.
  static ValueKind kindOf(int restype);

  int restype() const { return m_type; }
  void setRestype(int t) { m_type = t; }
  const OdString& getString() const { return m_string; }
  void setString(const OdString& s) { m_string = s; }
  double getDouble() const { return m_double; }
  void setDouble(double d) { m_double = d; }
  OdInt32 getInt32() const { return m_int; }
  OdInt16 getInt16() const { return static_cast<OdInt16>(m_int); }
  void setInt32(OdInt32 i) { m_int = i; }
  const OdGePoint3d& getPoint3d() const { return m_point; }
  void setPoint3d(const OdGePoint3d& p) { m_point = p; }

  OdResBufPtr next() const { return m_next; }
  OdResBuf* setNext(OdResBuf* next) { m_next = next; return next; }
  // The last element of the chain that starts here.
  OdResBuf* last();
  // A deep copy of the chain that starts here.
  OdResBufPtr copyChain() const;
  // Same codes and values along the whole chain.
  bool chainEquals(const OdResBuf* other) const;

private:
  int m_type = 0;
  OdString m_string;
  double m_double = 0.0;
  OdInt32 m_int = 0;
  OdGePoint3d m_point;
  OdResBufPtr m_next;
};
