#include "Db/DbRay.h"

#include <limits>

#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbRay, OdDbCurve, L"RAY", new OdDbRay)

OdGePoint3d OdDbRay::basePoint() const {
  assertReadEnabled();
  return m_geometry.basePoint();
}

OdResult OdDbRay::setBasePoint(const OdGePoint3d& point) {
  assertWriteEnabled();
  return m_geometry.setBasePoint(point);
}

OdGeVector3d OdDbRay::unitDir() const {
  assertReadEnabled();
  return m_geometry.unitDir();
}

OdResult OdDbRay::setUnitDir(const OdGeVector3d& direction) {
  assertWriteEnabled();
  return m_geometry.setUnitDir(direction);
}

OdGePoint3d OdDbRay::secondPoint() const {
  assertReadEnabled();
  return m_geometry.secondPoint();
}

OdResult OdDbRay::getStartParam(double& param) const {
  assertReadEnabled();
  param = 0.0;
  return eOk;
}

OdResult OdDbRay::getEndParam(double& param) const {
  assertReadEnabled();
  param = std::numeric_limits<double>::infinity();
  return eOk;
}

OdResult OdDbRay::getStartPoint(OdGePoint3d& point) const {
  point = basePoint();
  return eOk;
}

OdResult OdDbRay::getPointAtParam(double param, OdGePoint3d& point) const {
  assertReadEnabled();
  if (!(param >= 0.0) || !std::isfinite(param)) return eInvalidInput;
  point = m_geometry.pointAt(param);
  return eOk;
}
