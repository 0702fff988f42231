#include "Db/DbXline.h"

#include <limits>

#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbXline, OdDbCurve, L"XLINE", new OdDbXline)

OdGePoint3d OdDbXline::basePoint() const {
  assertReadEnabled();
  return m_geometry.basePoint();
}

OdResult OdDbXline::setBasePoint(const OdGePoint3d& point) {
  assertWriteEnabled();
  return m_geometry.setBasePoint(point);
}

OdGeVector3d OdDbXline::unitDir() const {
  assertReadEnabled();
  return m_geometry.unitDir();
}

OdResult OdDbXline::setUnitDir(const OdGeVector3d& direction) {
  assertWriteEnabled();
  return m_geometry.setUnitDir(direction);
}

OdGePoint3d OdDbXline::secondPoint() const {
  assertReadEnabled();
  return m_geometry.secondPoint();
}

OdResult OdDbXline::getStartParam(double& param) const {
  assertReadEnabled();
  param = -std::numeric_limits<double>::infinity();
  return eOk;
}

OdResult OdDbXline::getEndParam(double& param) const {
  assertReadEnabled();
  param = std::numeric_limits<double>::infinity();
  return eOk;
}

OdResult OdDbXline::getPointAtParam(double param, OdGePoint3d& point) const {
  assertReadEnabled();
  if (!std::isfinite(param)) return eInvalidInput;
  point = m_geometry.pointAt(param);
  return eOk;
}
