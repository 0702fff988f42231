#pragma once
// The host's print context: keeps every item of a listing in order (the
// operation, its label and the raw value), and formats them as text for people.
#include <vector>
#include "CKdPrintInfoContext.h"

class OdDbDatabase;

struct CKdPrintRecord {
  enum Operation { kHeading, kString, kPoint, kPoint2d, kDist, kArea, kAngle, kBool, kInt, kScale, kVector };
  Operation operation = kHeading;
  CKdString label;
  CKdString text;          // kString
  OdGePoint3d point;       // kPoint, kPoint2d (z = 0); world coordinates as given
  OdGeVector3d vector;     // kVector
  double number = 0.0;     // kDist, kArea, kAngle (radians), kScale
  int integer = 0;         // kInt, and kBool as 0 or 1

  // "PrintPoint", "PrintDist", ...: the operation as a host developer calls it.
  static const char* operationName(Operation operation);
};

class CKdPrintRecorder : public CKdPrintInfoContext {
public:
  // Numbers are formatted with the drawing's unit settings; points and
  // vectors are shown in its current UCS when the listing is in UCS.
  explicit CKdPrintRecorder(const OdDbDatabase* db = nullptr);

  void PrintString(const CKdString& label) override;
  void PrintString(const CKdString& label, const CKdString& text) override;
  void PrintPoint(const CKdString& label, const OdGePoint3d& point) override;
  void PrintPoint(const CKdString& label, const OdGePoint2d& point) override;
  void PrintDist(const CKdString& label, double value) override;
  void PrintArea(const CKdString& label, double value) override;
  void PrintAngle(const CKdString& label, double radians) override;
  void PrintBool(const CKdString& label, bool value) override;
  void PrintInt(const CKdString& label, int value) override;
  void PrintScale(const CKdString& label, double value) override;
  void PrintVector3D(const CKdString& label, OdGeVector3d& vector) override;
  bool IsPrintInUCS() const override { return m_inUcs; }
  OdGeMatrix3d GetWorldToWorkingPlaneMatrix() const override;
  bool CheckCounter() override;

  void SetPrintInUCS(bool inUcs) { m_inUcs = inUcs; }
  // CheckCounter answers true this many times, then false; negative: always true.
  void SetCounterLimit(int limit) { m_limit = limit; }
  int CounterCalls() const { return m_counterCalls; }

  const std::vector<CKdPrintRecord>& Records() const { return m_records; }
  void Clear() { m_records.clear(); m_counterCalls = 0; }
  // One line per item: the label, padded, then the formatted value.
  CKdString Text() const;
  CKdString FormatValue(const CKdPrintRecord& record) const;

private:
  CKdPrintRecord& add(CKdPrintRecord::Operation operation, const CKdString& label);
  CKdString number(double value) const;
  const OdDbDatabase* m_db;
  bool m_inUcs = false;
  int m_limit = -1;
  int m_counterCalls = 0;
  std::vector<CKdPrintRecord> m_records;
};
