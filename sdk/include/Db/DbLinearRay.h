#pragma once
// Geometry shared by rays and construction lines: a base point and a unit
// direction. Both classes hold one and answer through it.
#include "Ge/GePoint3d.h"
#include "Rx/OdResult.h"

class OdDbLinearRay {
public:
  const OdGePoint3d& basePoint() const { return m_base; }
  const OdGeVector3d& unitDir() const { return m_dir; }
  OdGePoint3d secondPoint() const { return m_base + m_dir; }
  // Finite coordinates only.
  OdResult setBasePoint(const OdGePoint3d& point);
  // Any finite vector; a non-zero one is stored normalised, a zero one as it is.
  OdResult setUnitDir(const OdGeVector3d& direction);
  // Point at a signed distance from the base point along the direction.
  OdGePoint3d pointAt(double distance) const { return m_base + m_dir * distance; }

private:
  OdGePoint3d m_base;
  OdGeVector3d m_dir = OdGeVector3d::kXAxis;
};
