#include "Db/DbLinearRay.h"

OdResult OdDbLinearRay::setBasePoint(const OdGePoint3d& point) {
  if (!point.isFinite()) return eInvalidInput;
  m_base = point;
  return eOk;
}

OdResult OdDbLinearRay::setUnitDir(const OdGeVector3d& direction) {
  if (!direction.isFinite()) return eInvalidInput;
  OdGeVector3d d = direction;
  d.normalizeGetLength(1e-300);
  m_dir = d;
  return eOk;
}
