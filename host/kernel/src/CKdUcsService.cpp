#include "CKdUcsService.h"

#include <cmath>

#include "CKdValueFormat.h"
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
  if (unitMode < 0) unitMode = m_db ? m_db->getLUNITS() : int(kdunits::kDecimal);
  if (precision < 0) precision = m_db ? m_db->getLUPREC() : 4;
  return kdunits::formatLength(value, unitMode, precision);
}

CKdUcsService GetKdUcsService(const OdDbDatabase* db) { return CKdUcsService(db); }
