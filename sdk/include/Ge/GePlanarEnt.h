#pragma once
// Planar surface with its own coordinate system: an origin (point on the plane), a u axis and
// a v axis spanning the plane, and the unit normal (u x v normalised).
#include "Ge/GeContext.h"
#include "Ge/GePoint2d.h"
#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"

class OdGePlanarEnt {
public:
  OdGePoint3d pointOnPlane() const { return m_origin; }
  OdGeVector3d normal() const { return m_normal; }
  // The plane's coordinate system; the axes are as given to the constructor (not necessarily
  // unit or perpendicular), or the arbitrary-axis unit directions for an (origin, normal) plane.
  void getCoordSystem(OdGePoint3d& origin, OdGeVector3d& axis1, OdGeVector3d& axis2) const
  {
    origin = m_origin;
    axis1 = m_uAxis;
    axis2 = m_vAxis;
  }

  // World point of the plane coordinates: origin + param.x * uAxis + param.y * vAxis.
  OdGePoint3d evalPoint(const OdGePoint2d& param) const;
  // Plane coordinates of the point's orthogonal projection (inverse of evalPoint on the plane).
  OdGePoint2d paramOf(const OdGePoint3d& point) const;
  // Orthogonal projection of the point onto the plane.
  OdGePoint3d closestPointTo(const OdGePoint3d& point) const;

  bool isOn(const OdGePoint3d& point, const OdGeTol& tol = OdGeContext::gTol) const;
  bool isParallelTo(const OdGePlanarEnt& plane, const OdGeTol& tol = OdGeContext::gTol) const;
  bool isPerpendicularTo(const OdGePlanarEnt& plane, const OdGeTol& tol = OdGeContext::gTol) const;
  bool isCoplanarTo(const OdGePlanarEnt& plane, const OdGeTol& tol = OdGeContext::gTol) const;

protected:
  constexpr OdGePlanarEnt(const OdGePoint3d& origin, const OdGeVector3d& uAxis, const OdGeVector3d& vAxis,
                          const OdGeVector3d& unitNormal)
      : m_origin(origin), m_uAxis(uAxis), m_vAxis(vAxis), m_normal(unitNormal) {}

  OdGePoint3d m_origin;
  OdGeVector3d m_uAxis;
  OdGeVector3d m_vAxis;
  OdGeVector3d m_normal;
};
