#pragma once
// Infinite plane.
#include "Ge/GePlanarEnt.h"

class OdGeLineSeg3d;

class OdGePlane : public OdGePlanarEnt {
public:
  // The world XY plane.
  constexpr OdGePlane()
      : OdGePlanarEnt(OdGePoint3d(0.0, 0.0, 0.0), OdGeVector3d(1.0, 0.0, 0.0), OdGeVector3d(0.0, 1.0, 0.0),
                      OdGeVector3d(0.0, 0.0, 1.0)) {}
  // Plane through origin with the given normal; its axes are the arbitrary-axis directions of
  // the normal (OdGeVector3d::perpVector and normal x perpVector). A zero normal means world Z.
  OdGePlane(const OdGePoint3d& origin, const OdGeVector3d& normal);
  // Plane through origin spanned by uAxis and vAxis; normal = uAxis x vAxis normalised.
  OdGePlane(const OdGePoint3d& origin, const OdGeVector3d& uAxis, const OdGeVector3d& vAxis);
  // Plane through three points, the origin in the middle: uAxis = uPnt - origin,
  // vAxis = vPnt - origin.
  OdGePlane(const OdGePoint3d& uPnt, const OdGePoint3d& origin, const OdGePoint3d& vPnt);
  // Plane a*x + b*y + c*z + d = 0; origin = the plane point closest to the world origin.
  OdGePlane(double a, double b, double c, double d);

  static const OdGePlane kXYPlane;  // origin, axes X and Y
  static const OdGePlane kYZPlane;  // origin, axes Y and Z
  static const OdGePlane kZXPlane;  // origin, axes Z and X

  OdGePlane& set(const OdGePoint3d& origin, const OdGeVector3d& normal);
  OdGePlane& set(const OdGePoint3d& origin, const OdGeVector3d& uAxis, const OdGeVector3d& vAxis);
  OdGePlane& set(const OdGePoint3d& uPnt, const OdGePoint3d& origin, const OdGePoint3d& vPnt);
  OdGePlane& set(double a, double b, double c, double d);

  // Distance of the point along the unit normal (positive on the side the normal points to).
  double signedDistanceTo(const OdGePoint3d& point) const;
  double distanceTo(const OdGePoint3d& point) const;

  // Coefficients of a*x + b*y + c*z + d = 0 with (a, b, c) the unit normal.
  void getCoefficients(double& a, double& b, double& c, double& d) const;

  // Intersection with the segment (end points included); false when the segment is parallel
  // to the plane or does not reach it.
  bool intersectWith(const OdGeLineSeg3d& line, OdGePoint3d& point, const OdGeTol& tol = OdGeContext::gTol) const;

  OdGePlane& transformBy(const OdGeMatrix3d& xfm);

private:
  constexpr OdGePlane(const OdGePoint3d& origin, const OdGeVector3d& uAxis, const OdGeVector3d& vAxis,
                      const OdGeVector3d& unitNormal)
      : OdGePlanarEnt(origin, uAxis, vAxis, unitNormal) {}
};
