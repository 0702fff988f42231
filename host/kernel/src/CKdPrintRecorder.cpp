#include "CKdPrintRecorder.h"
#include "CKdValueFormat.h"

#include <cmath>

#include "CKdUcsService.h"
#include "Db/DbDatabase.h"
#include "Ge/GeConst.h"

const char* CKdPrintRecord::operationName(Operation operation) {
  switch (operation) {
    case kHeading: return "PrintString";
    case kString: return "PrintString";
    case kPoint: return "PrintPoint";
    case kPoint2d: return "PrintPoint2d";
    case kDist: return "PrintDist";
    case kArea: return "PrintArea";
    case kAngle: return "PrintAngle";
    case kBool: return "PrintBool";
    case kInt: return "PrintInt";
    case kScale: return "PrintScale";
    case kVector: return "PrintVector3D";
  }
  return "?";
}

CKdPrintRecorder::CKdPrintRecorder(const OdDbDatabase* db) : m_db(db) {}

CKdPrintRecord& CKdPrintRecorder::add(CKdPrintRecord::Operation operation, const CKdString& label) {
  m_records.emplace_back();
  m_records.back().operation = operation;
  m_records.back().label = label;
  return m_records.back();
}

void CKdPrintRecorder::PrintString(const CKdString& label) { add(CKdPrintRecord::kHeading, label); }
void CKdPrintRecorder::PrintString(const CKdString& label, const CKdString& text) {
  add(CKdPrintRecord::kString, label).text = text;
}
void CKdPrintRecorder::PrintPoint(const CKdString& label, const OdGePoint3d& point) {
  add(CKdPrintRecord::kPoint, label).point = point;
}
void CKdPrintRecorder::PrintPoint(const CKdString& label, const OdGePoint2d& point) {
  add(CKdPrintRecord::kPoint2d, label).point = OdGePoint3d(point.x, point.y, 0.0);
}
void CKdPrintRecorder::PrintDist(const CKdString& label, double value) { add(CKdPrintRecord::kDist, label).number = value; }
void CKdPrintRecorder::PrintArea(const CKdString& label, double value) { add(CKdPrintRecord::kArea, label).number = value; }
void CKdPrintRecorder::PrintAngle(const CKdString& label, double radians) {
  add(CKdPrintRecord::kAngle, label).number = radians;
}
void CKdPrintRecorder::PrintBool(const CKdString& label, bool value) { add(CKdPrintRecord::kBool, label).integer = value; }
void CKdPrintRecorder::PrintInt(const CKdString& label, int value) { add(CKdPrintRecord::kInt, label).integer = value; }
void CKdPrintRecorder::PrintScale(const CKdString& label, double value) {
  add(CKdPrintRecord::kScale, label).number = value;
}
void CKdPrintRecorder::PrintVector3D(const CKdString& label, OdGeVector3d& vector) {
  add(CKdPrintRecord::kVector, label).vector = vector;
}

OdGeMatrix3d CKdPrintRecorder::GetWorldToWorkingPlaneMatrix() const {
  return m_inUcs ? GetKdUcsService(m_db).WorldToUcsMatrix() : OdGeMatrix3d::kIdentity;
}

bool CKdPrintRecorder::CheckCounter() {
  ++m_counterCalls;
  return m_limit < 0 || m_counterCalls <= m_limit;
}

CKdString CKdPrintRecorder::number(double value) const { return GetKdUcsService(m_db).FormatValue(value); }

CKdString CKdPrintRecorder::FormatValue(const CKdPrintRecord& r) const {
  CKdString s;
  switch (r.operation) {
    case CKdPrintRecord::kHeading: return s;
    case CKdPrintRecord::kString: return r.text;
    case CKdPrintRecord::kPoint:
    case CKdPrintRecord::kPoint2d: {
      OdGePoint3d p = r.point;
      if (m_inUcs) GetKdUcsService(m_db).WorldToUcs(p);
      s = CKdString(L"X=") + number(p.x) + L"  Y=" + number(p.y);
      if (r.operation == CKdPrintRecord::kPoint) s += CKdString(L"  Z=") + number(p.z);
      return s;
    }
    case CKdPrintRecord::kVector: {
      OdGeVector3d v = r.vector;
      if (m_inUcs) v.transformBy(GetKdUcsService(m_db).WorldToUcsMatrix());
      return CKdString(L"X=") + number(v.x) + L"  Y=" + number(v.y) + L"  Z=" + number(v.z);
    }
    case CKdPrintRecord::kDist: return number(r.number);
    case CKdPrintRecord::kArea: {
      // Feet-and-inch drawings read areas in square inches and square feet.
      const int units = m_db ? m_db->getLUNITS() : int(kdunits::kDecimal);
      if (units != kdunits::kEngineering && units != kdunits::kArchitectural) return number(r.number);
      const CKdUcsService ucs = GetKdUcsService(m_db);
      return ucs.FormatValue(r.number, kdunits::kDecimal) + L" sq in (" +
             ucs.FormatValue(r.number / 144.0, kdunits::kDecimal) + L" sq ft)";
    }
    case CKdPrintRecord::kScale: return s.format(L"%.4f", r.number);
    case CKdPrintRecord::kAngle: {
      double degrees = r.number * 180.0 / OdaPI;
      if (std::isfinite(degrees) && std::fabs(degrees) < 5e-5) degrees = 0.0;  // no "-0"
      return s.format(L"%.4f\u00b0", degrees);
    }
    case CKdPrintRecord::kBool: return CKdString(r.integer ? L"Yes" : L"No");
    case CKdPrintRecord::kInt: return s.format(L"%d", r.integer);
  }
  return s;
}

CKdString CKdPrintRecorder::Text() const {
  CKdString out;
  for (const CKdPrintRecord& r : m_records) {
    CKdString line(L"  ");
    line += r.label;
    if (r.operation != CKdPrintRecord::kHeading) {
      while (line.getLength() < 30) line += L' ';
      line += L' ';
      line += FormatValue(r);
    }
    out += line + L"\n";
  }
  return out;
}
