#include "Db/DbLinearRay.h"

#include "Db/DbAssign.h"

OdResult OdDbLinearRay::setBasePoint(const OdGePoint3d& point) {
  return odDbAssignFinite(m_base, point);
}

OdResult OdDbLinearRay::setUnitDir(const OdGeVector3d& direction) {
  if (!direction.isFinite()) return eInvalidInput;
  OdGeVector3d d = direction;
  d.normalizeGetLength(1e-300);
  m_dir = d;
  return eOk;
}
