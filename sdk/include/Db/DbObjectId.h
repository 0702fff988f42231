#pragma once
// Handles and object ids: an id names one object of one database for the
// database's whole life, whether the object is open, closed or erased.
#include "Rx/OdArray.h"
#include "Rx/SmartPtr.h"
#include "Rx/OdString.h"

class OdDbDatabase;
class OdDbObject;
class OdDbStub;
typedef OdSmartPtr<OdDbObject> OdDbObjectPtr;

namespace OdDb {
enum OpenMode { kNotOpen = -1, kForRead = 0, kForWrite = 1, kForNotify = 2 };
}

// 64-bit object handle, written as upper-case hexadecimal in files.
class OdDbHandle {
public:
  OdDbHandle() = default;
  OdDbHandle(OdUInt64 value) : m_value(value) {}
  // Parses hexadecimal text; an unreadable text gives the null handle.
  explicit OdDbHandle(const OdString& hex);
  operator OdUInt64() const { return m_value; }
  bool isNull() const { return m_value == 0; }
  OdString ascii() const;
  OdDbHandle& operator++() { ++m_value; return *this; }

private:
  OdUInt64 m_value = 0;
};

class OdDbObjectId {
public:
  OdDbObjectId() = default;
  explicit OdDbObjectId(OdDbStub* stub) : m_stub(stub) {}
  static const OdDbObjectId kNull;

  bool isNull() const { return m_stub == nullptr; }
  // Not null and the object still exists (erased objects are still valid ids).
  bool isValid() const;
  bool isErased() const;
  OdDbHandle getHandle() const;
  OdDbDatabase* database() const;
  OdDbStub* stub() const { return m_stub; }

  // Opens the object; null when the id is null, the object is erased (unless
  // openErased) or cannot be opened in that mode.
  OdDbObjectPtr openObject(OdDb::OpenMode mode = OdDb::kForRead, bool openErased = false) const;
  OdResult openObject(OdDbObjectPtr& object, OdDb::OpenMode mode = OdDb::kForRead, bool openErased = false) const;
  // As openObject, but throws OdError with the reason instead of answering null.
  OdDbObjectPtr safeOpenObject(OdDb::OpenMode mode = OdDb::kForRead, bool openErased = false) const;

  bool operator==(const OdDbObjectId& o) const { return m_stub == o.m_stub; }
  bool operator!=(const OdDbObjectId& o) const { return m_stub != o.m_stub; }
  bool operator<(const OdDbObjectId& o) const;
  bool operator!() const { return isNull(); }

private:
  OdDbStub* m_stub = nullptr;
};
typedef OdArray<OdDbObjectId> OdDbObjectIdArray;
