#include "Db/DbArc.h"

#include <cmath>
#include <utility>

#include "Db/DbAssign.h"

#include "Dxf/DxfFiler.h"
#include "Ge/GeConst.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbArc, OdDbCurve, L"ARC", new OdDbArc)

OdGePoint3d OdDbArc::center() const {
  assertReadEnabled();
  return m_center;
}

OdResult OdDbArc::setCenter(const OdGePoint3d& center) {
  assertWriteEnabled();
  return odDbAssignFinite(m_center, center);
}

double OdDbArc::radius() const {
  assertReadEnabled();
  return m_radius;
}

OdResult OdDbArc::setRadius(double radius) {
  assertWriteEnabled();
  return odDbAssignPositive(m_radius, radius);
}

double OdDbArc::startAngle() const {
  assertReadEnabled();
  return m_start;
}

OdResult OdDbArc::setStartAngle(double angle) {
  assertWriteEnabled();
  if (!std::isfinite(angle)) return eInvalidInput;
  m_start = OdaNormalizedAngle(angle);
  return eOk;
}

double OdDbArc::endAngle() const {
  assertReadEnabled();
  return m_end;
}

OdResult OdDbArc::setEndAngle(double angle) {
  assertWriteEnabled();
  if (!std::isfinite(angle)) return eInvalidInput;
  m_end = OdaNormalizedAngle(angle);
  return eOk;
}

double OdDbArc::thickness() const {
  assertReadEnabled();
  return m_thickness;
}

OdResult OdDbArc::setThickness(double thickness) {
  assertWriteEnabled();
  return odDbAssignFinite(m_thickness, thickness);
}

OdGeVector3d OdDbArc::normal() const {
  assertReadEnabled();
  return m_normal;
}

OdResult OdDbArc::setNormal(const OdGeVector3d& normal) {
  assertWriteEnabled();
  return odDbAssignNormal(m_normal, normal);
}

double OdDbArc::sweep() const {
  assertReadEnabled();
  double s = m_end - m_start;
  if (s <= 0.0) s += Oda2PI;
  return s;
}

OdResult OdDbArc::getStartParam(double& param) const {
  assertReadEnabled();
  param = m_start;
  return eOk;
}

OdResult OdDbArc::getEndParam(double& param) const {
  param = m_start + sweep();
  return eOk;
}

OdResult OdDbArc::getPointAtParam(double param, OdGePoint3d& point) const {
  assertReadEnabled();
  if (!std::isfinite(param)) return eInvalidInput;
  const OdGeVector3d x = m_normal.perpVector();
  const OdGeVector3d y = m_normal.normal().crossProduct(x);
  point = m_center + x * (m_radius * std::cos(param)) + y * (m_radius * std::sin(param));
  return eOk;
}

OdResult OdDbArc::getStartPoint(OdGePoint3d& point) const { return getPointAtParam(startAngle(), point); }
OdResult OdDbArc::getEndPoint(OdGePoint3d& point) const { return getPointAtParam(endAngle(), point); }

OdResult OdDbArc::getDistAtParam(double param, double& dist) const {
  const double s = sweep();
  if (!(param >= m_start && param <= m_start + s)) return eInvalidInput;
  dist = m_radius * (param - m_start);
  return eOk;
}

OdResult OdDbArc::getArea(double& area) const {
  const double s = sweep();
  area = 0.5 * m_radius * m_radius * (s - std::sin(s));
  return eOk;
}

void OdDbArc::dxfInFields(const OdDxfIn& in) {
  OdDbCurve::dxfInFields(in);
  const char* S = "AcDbCircle";
  m_thickness = in.real(S, 39, 0.0);
  m_normal = in.normal(S);
  m_center = in.ocsPoint(S, 10, m_normal);
  m_radius = in.real(S, 40, 1.0);
  // Files hold the angles in degrees.
  m_start = OdaNormalizedAngle(OdaToRadian(in.real("AcDbArc", 50, 0.0)));
  m_end = OdaNormalizedAngle(OdaToRadian(in.real("AcDbArc", 51, 360.0)));
}

void OdDbArc::dxfOutFields(OdDxfOut& out) const {
  OdDbCurve::dxfOutFields(out);
  out.subclass("AcDbCircle");
  out.realOpt(39, m_thickness, 0.0);
  out.ocsPoint(10, m_center, m_normal);
  out.real(40, m_radius);
  out.normal(210, m_normal);
  out.subclass("AcDbArc");
  out.angle(50, m_start);
  out.angle(51, m_end);
}

OdResult OdDbArc::transformBy(const OdGeMatrix3d& transform) {
  assertWriteEnabled();
  if (!transform.isUniScaledOrtho()) return eInvalidInput;
  OdGePoint3d start, end, center = m_center;
  getStartPoint(start);
  getEndPoint(end);
  start.transformBy(transform);
  end.transformBy(transform);
  center.transformBy(transform);
  OdGeVector3d normal = OdGeVector3d(m_normal).transformBy(transform);
  if (normal.isZeroLength() || !center.isFinite()) return eInvalidInput;
  normal.normalize();
  // A mirror turns the arc's sense: it then runs from the old end to the old start.
  if (transform.det() < 0.0) std::swap(start, end);
  const OdGeMatrix3d toPlane = OdGeMatrix3d::worldToPlane(normal);
  const OdGeVector3d a = (start - center).transformBy(toPlane), b = (end - center).transformBy(toPlane);
  m_center = center;
  m_normal = normal;
  m_radius *= transform.scale();
  m_start = OdaNormalizedAngle(std::atan2(a.y, a.x));
  m_end = OdaNormalizedAngle(std::atan2(b.y, b.x));
  return eOk;
}
