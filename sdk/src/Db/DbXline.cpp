#include "Db/DbXline.h"

#include <limits>

#include "Dxf/DxfFiler.h"
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

void OdDbXline::dxfInFields(const OdDxfIn& in) {
  OdDbCurve::dxfInFields(in);
  m_geometry.setBasePoint(in.point("AcDbXline", 10));
  m_geometry.setUnitDir(in.vector("AcDbXline", 11, OdGeVector3d::kXAxis));
}

void OdDbXline::dxfOutFields(OdDxfOut& out) const {
  OdDbCurve::dxfOutFields(out);
  out.subclass("AcDbXline");
  out.point(10, m_geometry.basePoint());
  const OdGeVector3d d = m_geometry.unitDir();
  out.point(11, OdGePoint3d(d.x, d.y, d.z));
}
