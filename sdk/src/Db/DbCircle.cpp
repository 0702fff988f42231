#include "Db/DbCircle.h"

#include <cmath>

#include "Db/DbAssign.h"

#include "Dxf/DxfFiler.h"
#include "Ge/GeConst.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbCircle, OdDbCurve, L"CIRCLE", new OdDbCircle)

OdGePoint3d OdDbCircle::center() const {
  assertReadEnabled();
  return m_center;
}

OdResult OdDbCircle::setCenter(const OdGePoint3d& center) {
  assertWriteEnabled();
  return odDbAssignFinite(m_center, center);
}

double OdDbCircle::radius() const {
  assertReadEnabled();
  return m_radius;
}

OdResult OdDbCircle::setRadius(double radius) {
  assertWriteEnabled();
  return odDbAssignPositive(m_radius, radius);
}

double OdDbCircle::thickness() const {
  assertReadEnabled();
  return m_thickness;
}

OdResult OdDbCircle::setThickness(double thickness) {
  assertWriteEnabled();
  return odDbAssignFinite(m_thickness, thickness);
}

OdGeVector3d OdDbCircle::normal() const {
  assertReadEnabled();
  return m_normal;
}

OdResult OdDbCircle::setNormal(const OdGeVector3d& normal) {
  assertWriteEnabled();
  return odDbAssignNormal(m_normal, normal);
}

OdResult OdDbCircle::getStartParam(double& param) const {
  assertReadEnabled();
  param = 0.0;
  return eOk;
}

OdResult OdDbCircle::getEndParam(double& param) const {
  assertReadEnabled();
  param = Oda2PI;
  return eOk;
}

OdResult OdDbCircle::getPointAtParam(double param, OdGePoint3d& point) const {
  assertReadEnabled();
  if (!std::isfinite(param)) return eInvalidInput;
  const OdGeVector3d x = m_normal.perpVector();
  const OdGeVector3d y = m_normal.normal().crossProduct(x);
  point = m_center + x * (m_radius * std::cos(param)) + y * (m_radius * std::sin(param));
  return eOk;
}

OdResult OdDbCircle::getStartPoint(OdGePoint3d& point) const { return getPointAtParam(0.0, point); }
OdResult OdDbCircle::getEndPoint(OdGePoint3d& point) const { return getPointAtParam(0.0, point); }

OdResult OdDbCircle::getDistAtParam(double param, double& dist) const {
  assertReadEnabled();
  if (!(param >= 0.0 && param <= Oda2PI)) return eInvalidInput;
  dist = m_radius * param;
  return eOk;
}

OdResult OdDbCircle::getArea(double& area) const {
  assertReadEnabled();
  area = OdaPI * m_radius * m_radius;
  return eOk;
}

void OdDbCircle::dxfInFields(const OdDxfIn& in) {
  OdDbCurve::dxfInFields(in);
  const char* S = "AcDbCircle";
  m_thickness = in.real(S, 39, 0.0);
  m_normal = in.normal(S);
  m_center = in.ocsPoint(S, 10, m_normal);
  m_radius = in.real(S, 40, 1.0);
}

void OdDbCircle::dxfOutFields(OdDxfOut& out) const {
  OdDbCurve::dxfOutFields(out);
  out.subclass("AcDbCircle");
  out.realOpt(39, m_thickness, 0.0);
  out.ocsPoint(10, m_center, m_normal);
  out.real(40, m_radius);
  out.normal(210, m_normal);
}

OdResult OdDbCircle::transformBy(const OdGeMatrix3d& transform) {
  assertWriteEnabled();
  if (!transform.isUniScaledOrtho()) return eInvalidInput;
  OdGePoint3d center = m_center;
  center.transformBy(transform);
  OdGeVector3d normal = OdGeVector3d(m_normal).transformBy(transform);
  const double radius = m_radius * transform.scale();
  if (!center.isFinite() || normal.isZeroLength() || !(radius > 0.0) || !std::isfinite(radius)) return eInvalidInput;
  m_center = center;
  m_normal = normal.normalize();
  m_radius = radius;
  m_thickness *= transform.scale();
  return eOk;
}
