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
// Stored as a unit vector.
inline OdResult odDbAssignNormal(OdGeVector3d& member, const OdGeVector3d& value) {
  if (!value.isFinite() || value.isZeroLength()) return eInvalidInput;
  member = value.normal();
  return eOk;
}
