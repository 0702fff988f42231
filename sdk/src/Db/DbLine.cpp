#include "Db/DbLine.h"

#include <cmath>

#include "Db/DbAssign.h"

#include "Dxf/DxfFiler.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbLine, OdDbCurve, L"LINE", new OdDbLine)

OdGePoint3d OdDbLine::startPoint() const {
  assertReadEnabled();
  return m_start;
}

OdGePoint3d OdDbLine::endPoint() const {
  assertReadEnabled();
  return m_end;
}

OdResult OdDbLine::setStartPoint(const OdGePoint3d& point) {
  assertWriteEnabled();
  return odDbAssignFinite(m_start, point);
}

OdResult OdDbLine::setEndPoint(const OdGePoint3d& point) {
  assertWriteEnabled();
  return odDbAssignFinite(m_end, point);
}

double OdDbLine::thickness() const {
  assertReadEnabled();
  return m_thickness;
}

OdResult OdDbLine::setThickness(double thickness) {
  assertWriteEnabled();
  return odDbAssignFinite(m_thickness, thickness);
}

OdGeVector3d OdDbLine::normal() const {
  assertReadEnabled();
  return m_normal;
}

OdResult OdDbLine::setNormal(const OdGeVector3d& normal) {
  assertWriteEnabled();
  return odDbAssignNormal(m_normal, normal);
}

OdResult OdDbLine::getStartParam(double& param) const {
  assertReadEnabled();
  param = 0.0;
  return eOk;
}

OdResult OdDbLine::getEndParam(double& param) const {
  assertReadEnabled();
  param = m_start.distanceTo(m_end);
  return eOk;
}

OdResult OdDbLine::getStartPoint(OdGePoint3d& point) const {
  point = startPoint();
  return eOk;
}

OdResult OdDbLine::getEndPoint(OdGePoint3d& point) const {
  point = endPoint();
  return eOk;
}

OdResult OdDbLine::getPointAtParam(double param, OdGePoint3d& point) const {
  assertReadEnabled();
  const double length = m_start.distanceTo(m_end);
  if (!(param >= 0.0 && param <= length)) return eInvalidInput;
  point = length > 0.0 ? m_start + (m_end - m_start) * (param / length) : m_start;
  return eOk;
}

OdResult OdDbLine::getDistAtParam(double param, double& dist) const {
  assertReadEnabled();
  if (!(param >= 0.0 && param <= m_start.distanceTo(m_end))) return eInvalidInput;
  dist = param;
  return eOk;
}

OdResult OdDbLine::getArea(double& area) const {
  assertReadEnabled();
  area = 0.0;
  return eOk;
}

void OdDbLine::dxfInFields(const OdDxfIn& in) {
  OdDbCurve::dxfInFields(in);
  const char* S = "AcDbLine";
  m_thickness = in.real(S, 39, 0.0);
  m_start = in.point(S, 10);
  m_end = in.point(S, 11);
  m_normal = in.vector(S, 210, OdGeVector3d::kZAxis);
}

void OdDbLine::dxfOutFields(OdDxfOut& out) const {
  OdDbCurve::dxfOutFields(out);
  out.subclass("AcDbLine");
  out.realOpt(39, m_thickness, 0.0);
  out.point(10, m_start);
  out.point(11, m_end);
  out.vectorOpt(210, m_normal, OdGeVector3d::kZAxis);
}

OdResult OdDbLine::transformBy(const OdGeMatrix3d& transform) {
  assertWriteEnabled();
  if (!transform.isUniScaledOrtho()) return eInvalidInput;
  OdGePoint3d start = m_start, end = m_end;
  start.transformBy(transform);
  end.transformBy(transform);
  OdGeVector3d normal = OdGeVector3d(m_normal).transformBy(transform);
  if (!start.isFinite() || !end.isFinite() || normal.isZeroLength()) return eInvalidInput;
  m_start = start;
  m_end = end;
  m_normal = normal.normalize();
  m_thickness *= transform.scale();
  return eOk;
}
