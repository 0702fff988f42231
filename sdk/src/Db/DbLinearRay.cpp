#include "Db/DbLinearRay.h"

#include "Db/DbAssign.h"

#include <cmath>

OdResult OdDbLinearRay::setBasePoint(const OdGePoint3d& point) {
  return odDbAssignFinite(m_base, point);
}

OdResult OdDbLinearRay::setUnitDir(const OdGeVector3d& direction) {
  if (!direction.isFinite()) return eInvalidInput;
  OdGeVector3d d = direction;
  // A direction of unit length keeps its digits (a file's, written back unchanged).
  if (std::fabs(d.length() - 1.0) > 1e-15) d.normalizeGetLength(1e-300);
  m_dir = d;
  return eOk;
}
