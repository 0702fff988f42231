#include "CKdUcsService.h"

#include <cmath>

#include "Db/DbDatabase.h"

CKdUcsService::CKdUcsService(const OdDbDatabase* db) : m_db(db) {
  if (!db) return;
  OdGeVector3d x = db->getUCSXDIR(), y = db->getUCSYDIR();
  OdGeVector3d z = x.crossProduct(y);
  if (x.isZeroLength() || z.isZeroLength()) return;  // an unusable UCS counts as world
  x.normalize();
  z.normalize();
  y = z.crossProduct(x);
  m_toWorld.setCoordSystem(db->getUCSORG(), x, y, z);
  m_toUcs = m_toWorld.inverse();
}

void CKdUcsService::WorldToUcs(OdGePoint3d& point) const { point.transformBy(m_toUcs); }

void CKdUcsService::UcsToWorld(OdGePoint3d& point) const { point.transformBy(m_toWorld); }

CKdString CKdUcsService::FormatValue(double value, int unitMode, int precision, int) const {
  if (unitMode < 0) unitMode = m_db ? m_db->getLUNITS() : 2;
  if (precision < 0) precision = m_db ? m_db->getLUPREC() : 4;
  if (precision > 8) precision = 8;
  CKdString s;
  if (!std::isfinite(value)) return CKdString(L"?");
  if (unitMode == 1) s.format(L"%.*E", precision, value);
  else s.format(L"%.*f", precision, value);
  return s;
}

CKdUcsService GetKdUcsService(const OdDbDatabase* db) { return CKdUcsService(db); }
