#include "Db/DbRay.h"

#include <limits>

#include "Dxf/DxfFiler.h"
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

void OdDbRay::dxfInFields(const OdDxfIn& in) {
  OdDbCurve::dxfInFields(in);
  m_geometry.setBasePoint(in.point("AcDbRay", 10));
  m_geometry.setUnitDir(in.vector("AcDbRay", 11, OdGeVector3d::kXAxis));
}

void OdDbRay::dxfOutFields(OdDxfOut& out) const {
  OdDbCurve::dxfOutFields(out);
  out.subclass("AcDbRay");
  out.point(10, m_geometry.basePoint());
  const OdGeVector3d d = m_geometry.unitDir();
  out.point(11, OdGePoint3d(d.x, d.y, d.z));
}
