#pragma once
// Three-dimensional point.
#include <cmath>
#include "Ge/GePoint2d.h"
#include "Ge/GeVector3d.h"

class OdGeMatrix3d;
class OdGePlanarEnt;
class OdGePlane;

class OdGePoint3d {
public:
  constexpr OdGePoint3d() : x(0.0), y(0.0), z(0.0) {}
  constexpr OdGePoint3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}
  // The point with plane coordinates pnt2d: origin + pnt2d.x * uAxis + pnt2d.y * vAxis.
  OdGePoint3d(const OdGePlanarEnt& plane, const OdGePoint2d& pnt2d);

  static const OdGePoint3d kOrigin;  // (0, 0, 0)

  OdGePoint3d& set(double xx, double yy, double zz) { x = xx; y = yy; z = zz; return *this; }

  // Full transform of the point, p' = M * p (translated; divided by w for projective matrices).
  OdGePoint3d& setToProduct(const OdGeMatrix3d& matrix, const OdGePoint3d& point);
  OdGePoint3d& setToSum(const OdGePoint3d& point, const OdGeVector3d& vect) { return set(point.x + vect.x, point.y + vect.y, point.z + vect.z); }
  OdGePoint3d& transformBy(const OdGeMatrix3d& matrix);
  // Rotates by angle (radians, right-hand rule) about the axis through wrtPoint.
  OdGePoint3d& rotateBy(double angle, const OdGeVector3d& axis, const OdGePoint3d& wrtPoint = kOrigin);
  // Mirrors in the plane.
  OdGePoint3d& mirror(const OdGePlane& plane);
  OdGePoint3d& scaleBy(double factor, const OdGePoint3d& wrtPoint = kOrigin);

  // Drops z.
  OdGePoint2d convert2d() const { return OdGePoint2d(x, y); }
  // Coordinates of the point's orthogonal projection in the plane's own coordinate system
  // (origin and u/v axes of OdGePlanarEnt::getCoordSystem).
  OdGePoint2d convert2d(const OdGePlanarEnt& plane) const;

  // Orthogonal projection onto the plane.
  OdGePoint3d orthoProject(const OdGePlane& plane) const;
  // Projection onto the plane along projectDir; the point is returned unchanged when the
  // direction is parallel to the plane (or zero).
  OdGePoint3d project(const OdGePlane& plane, const OdGeVector3d& projectDir) const;

  OdGePoint3d operator*(double scale) const { return OdGePoint3d(x * scale, y * scale, z * scale); }
  OdGePoint3d& operator*=(double scale) { x *= scale; y *= scale; z *= scale; return *this; }
  OdGePoint3d operator/(double scale) const { return OdGePoint3d(x / scale, y / scale, z / scale); }
  OdGePoint3d& operator/=(double scale) { x /= scale; y /= scale; z /= scale; return *this; }
  OdGePoint3d operator+(const OdGeVector3d& v) const { return OdGePoint3d(x + v.x, y + v.y, z + v.z); }
  OdGePoint3d& operator+=(const OdGeVector3d& v) { x += v.x; y += v.y; z += v.z; return *this; }
  OdGePoint3d operator-(const OdGeVector3d& v) const { return OdGePoint3d(x - v.x, y - v.y, z - v.z); }
  OdGePoint3d& operator-=(const OdGeVector3d& v) { x -= v.x; y -= v.y; z -= v.z; return *this; }
  OdGeVector3d operator-(const OdGePoint3d& p) const { return OdGeVector3d(x - p.x, y - p.y, z - p.z); }

  // The vector from the origin to the point.
  OdGeVector3d asVector() const { return OdGeVector3d(x, y, z); }

  bool isFinite() const { return std::isfinite(x) && std::isfinite(y) && std::isfinite(z); }

  double distanceTo(const OdGePoint3d& p) const { return (*this - p).length(); }

  // True when the distance is at most tol.equalPoint().
  bool isEqualTo(const OdGePoint3d& p, const OdGeTol& tol = OdGeContext::gTol) const { return distanceTo(p) <= tol.equalPoint(); }
  bool operator==(const OdGePoint3d& p) const { return isEqualTo(p); }
  bool operator!=(const OdGePoint3d& p) const { return !isEqualTo(p); }

  double operator[](unsigned int i) const { return i == 0 ? x : (i == 1 ? y : z); }
  double& operator[](unsigned int i) { return i == 0 ? x : (i == 1 ? y : z); }

  double x;
  double y;
  double z;
};

inline OdGePoint3d operator*(double scale, const OdGePoint3d& p) { return p * scale; }
// Full transform of the point (translation included).
OdGePoint3d operator*(const OdGeMatrix3d& matrix, const OdGePoint3d& point);
