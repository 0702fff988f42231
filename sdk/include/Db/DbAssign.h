#pragma once
// The checks entity setters share: a value the drawing cannot hold (not
// finite, a zero normal, a size that is not positive) is refused with
// eInvalidInput and the member keeps its value.
#include <cmath>
#include "Ge/GePoint3d.h"
#include "Rx/OdResult.h"

inline OdResult odDbAssignFinite(double& member, double value) {
  if (!std::isfinite(value)) return eInvalidInput;
  member = value;
  return eOk;
}
inline OdResult odDbAssignFinite(OdGePoint3d& member, const OdGePoint3d& value) {
  if (!value.isFinite()) return eInvalidInput;
  member = value;
  return eOk;
}
inline OdResult odDbAssignPositive(double& member, double value) {
  if (!std::isfinite(value) || value <= 0.0) return eInvalidInput;
  member = value;
  return eOk;
}
// A normal as stored: of unit length; one that is already keeps its digits
// (a file's, so that it is written back unchanged); a zero one is world Z.
inline OdGeVector3d odDbUnitNormal(const OdGeVector3d& value) {
  if (value.isZeroLength()) return OdGeVector3d::kZAxis;
  return std::fabs(value.length() - 1.0) <= 1e-15 ? value : value.normal();
}
inline OdResult odDbAssignNormal(OdGeVector3d& member, const OdGeVector3d& value) {
  if (!value.isFinite() || value.isZeroLength()) return eInvalidInput;
  member = odDbUnitNormal(value);
  return eOk;
}
