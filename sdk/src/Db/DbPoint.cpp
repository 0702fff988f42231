#include "Db/DbPoint.h"

#include <cmath>

#include "Db/DbAssign.h"

#include "Dxf/DxfFiler.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbPoint, OdDbEntity, L"POINT", new OdDbPoint)

OdGePoint3d OdDbPoint::position() const {
  assertReadEnabled();
  return m_position;
}

OdResult OdDbPoint::setPosition(const OdGePoint3d& position) {
  assertWriteEnabled();
  return odDbAssignFinite(m_position, position);
}

double OdDbPoint::thickness() const {
  assertReadEnabled();
  return m_thickness;
}

OdResult OdDbPoint::setThickness(double thickness) {
  assertWriteEnabled();
  return odDbAssignFinite(m_thickness, thickness);
}

OdGeVector3d OdDbPoint::normal() const {
  assertReadEnabled();
  return m_normal;
}

OdResult OdDbPoint::setNormal(const OdGeVector3d& normal) {
  assertWriteEnabled();
  return odDbAssignNormal(m_normal, normal);
}

double OdDbPoint::ecsRotation() const {
  assertReadEnabled();
  return m_ecsRotation;
}

OdResult OdDbPoint::setEcsRotation(double angle) {
  assertWriteEnabled();
  return odDbAssignFinite(m_ecsRotation, angle);
}

void OdDbPoint::dxfInFields(const OdDxfIn& in) {
  OdDbEntity::dxfInFields(in);
  const char* S = "AcDbPoint";
  m_position = in.point(S, 10);
  m_thickness = in.real(S, 39, 0.0);
  m_normal = in.vector(S, 210, OdGeVector3d::kZAxis);
  m_ecsRotation = in.real(S, 50, 0.0);
}

void OdDbPoint::dxfOutFields(OdDxfOut& out) const {
  OdDbEntity::dxfOutFields(out);
  out.subclass("AcDbPoint");
  out.point(10, m_position);
  out.realOpt(39, m_thickness, 0.0);
  out.vectorOpt(210, m_normal, OdGeVector3d::kZAxis);
  out.realOpt(50, m_ecsRotation, 0.0);
}

OdResult OdDbPoint::transformBy(const OdGeMatrix3d& transform) {
  assertWriteEnabled();
  if (!transform.isUniScaledOrtho()) return eInvalidInput;
  OdGePoint3d position = m_position;
  position.transformBy(transform);
  OdGeVector3d normal = OdGeVector3d(m_normal).transformBy(transform);
  if (!position.isFinite() || normal.isZeroLength()) return eInvalidInput;
  m_position = position;
  m_normal = normal.normalize();
  m_thickness *= transform.scale();
  return eOk;
}
