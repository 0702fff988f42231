#include "Db/DbPoint.h"

#include <cmath>

#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbPoint, OdDbEntity, L"POINT", new OdDbPoint)

OdGePoint3d OdDbPoint::position() const {
  assertReadEnabled();
  return m_position;
}

OdResult OdDbPoint::setPosition(const OdGePoint3d& position) {
  assertWriteEnabled();
  if (!position.isFinite()) return eInvalidInput;
  m_position = position;
  return eOk;
}

double OdDbPoint::thickness() const {
  assertReadEnabled();
  return m_thickness;
}

OdResult OdDbPoint::setThickness(double thickness) {
  assertWriteEnabled();
  if (!std::isfinite(thickness)) return eInvalidInput;
  m_thickness = thickness;
  return eOk;
}

OdGeVector3d OdDbPoint::normal() const {
  assertReadEnabled();
  return m_normal;
}

OdResult OdDbPoint::setNormal(const OdGeVector3d& normal) {
  assertWriteEnabled();
  if (!normal.isFinite() || normal.isZeroLength()) return eInvalidInput;
  m_normal = normal.normal();
  return eOk;
}

double OdDbPoint::ecsRotation() const {
  assertReadEnabled();
  return m_ecsRotation;
}

OdResult OdDbPoint::setEcsRotation(double angle) {
  assertWriteEnabled();
  if (!std::isfinite(angle)) return eInvalidInput;
  m_ecsRotation = angle;
  return eOk;
}
