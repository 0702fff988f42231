#pragma once
// Three-dimensional vector.
#include <cmath>
#include "Ge/GeContext.h"
#include "Ge/GeVector2d.h"

class OdGeMatrix3d;
class OdGePlanarEnt;

class OdGeVector3d {
public:
  constexpr OdGeVector3d() : x(0.0), y(0.0), z(0.0) {}
  constexpr OdGeVector3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}
  // The in-plane vector vect expressed in world coordinates: vect.x * uAxis + vect.y * vAxis
  // of the plane's coordinate system.
  OdGeVector3d(const OdGePlanarEnt& plane, const OdGeVector2d& vect);

  static const OdGeVector3d kIdentity;  // (0, 0, 0), the additive identity
  static const OdGeVector3d kXAxis;     // (1, 0, 0)
  static const OdGeVector3d kYAxis;     // (0, 1, 0)
  static const OdGeVector3d kZAxis;     // (0, 0, 1)

  OdGeVector3d& set(double xx, double yy, double zz) { x = xx; y = yy; z = zz; return *this; }

  // Linear part of the matrix applied to the vector: vectors are not translated.
  OdGeVector3d& setToProduct(const OdGeMatrix3d& matrix, const OdGeVector3d& vect);
  OdGeVector3d& setToProduct(const OdGeVector3d& vect, double scale) { return set(vect.x * scale, vect.y * scale, vect.z * scale); }
  OdGeVector3d& setToSum(const OdGeVector3d& v1, const OdGeVector3d& v2) { return set(v1.x + v2.x, v1.y + v2.y, v1.z + v2.z); }
  OdGeVector3d& transformBy(const OdGeMatrix3d& matrix);
  // Rotates by angle (radians, right-hand rule) about axis; a zero axis leaves the vector unchanged.
  OdGeVector3d& rotateBy(double angle, const OdGeVector3d& axis);
  // Mirrors in the plane through the origin with the given normal.
  OdGeVector3d& mirror(const OdGeVector3d& normalToPlane);

  // Drops z.
  OdGeVector2d convert2d() const { return OdGeVector2d(x, y); }
  // Components of the vector's projection onto the plane in the plane's (u, v) axes.
  OdGeVector2d convert2d(const OdGePlanarEnt& plane) const;

  OdGeVector3d operator*(double scale) const { return OdGeVector3d(x * scale, y * scale, z * scale); }
  OdGeVector3d& operator*=(double scale) { x *= scale; y *= scale; z *= scale; return *this; }
  OdGeVector3d operator/(double scale) const { return OdGeVector3d(x / scale, y / scale, z / scale); }
  OdGeVector3d& operator/=(double scale) { x /= scale; y /= scale; z /= scale; return *this; }
  OdGeVector3d operator+(const OdGeVector3d& v) const { return OdGeVector3d(x + v.x, y + v.y, z + v.z); }
  OdGeVector3d& operator+=(const OdGeVector3d& v) { x += v.x; y += v.y; z += v.z; return *this; }
  OdGeVector3d operator-(const OdGeVector3d& v) const { return OdGeVector3d(x - v.x, y - v.y, z - v.z); }
  OdGeVector3d& operator-=(const OdGeVector3d& v) { x -= v.x; y -= v.y; z -= v.z; return *this; }
  OdGeVector3d operator-() const { return OdGeVector3d(-x, -y, -z); }
  OdGeVector3d& negate() { x = -x; y = -y; z = -z; return *this; }

  // Unit X direction of the arbitrary-axis coordinate system whose Z axis is this vector:
  // with N = this normalised, (WorldY x N) when |N.x| < 1/64 and |N.y| < 1/64, otherwise
  // (WorldZ x N), normalised. The zero vector gives the zero vector.
  OdGeVector3d perpVector() const;

  // Unsigned angle between the vectors, in [0, pi]; 0 when either is zero.
  double angleTo(const OdGeVector3d& vect) const;
  // Angle from this vector to vect measured counter-clockwise about refVector, in [0, 2 pi).
  double angleTo(const OdGeVector3d& vect, const OdGeVector3d& refVector) const;

  // Unit vector in the same direction; the zero vector (length <= tol.equalVector()) stays unchanged.
  OdGeVector3d normal(const OdGeTol& tol = OdGeContext::gTol) const;
  OdGeVector3d& normalize(const OdGeTol& tol = OdGeContext::gTol);
  // Normalises and returns the previous length.
  double normalizeGetLength(double tol = 1e-300);

  bool isFinite() const { return std::isfinite(x) && std::isfinite(y) && std::isfinite(z); }
  double length() const { return std::sqrt(x * x + y * y + z * z); }
  double lengthSqrd() const { return x * x + y * y + z * z; }
  // Scales to the given length; a zero vector stays zero.
  OdGeVector3d& setLength(double len);

  bool isUnitLength(const OdGeTol& tol = OdGeContext::gTol) const;
  bool isZeroLength(const OdGeTol& tol = OdGeContext::gTol) const;
  // Direction tests compare the normalised vectors (difference length, or |cosine| for
  // perpendicularity, against tol.equalVector()); a zero vector is neither parallel,
  // codirectional nor perpendicular to anything.
  bool isParallelTo(const OdGeVector3d& vect, const OdGeTol& tol = OdGeContext::gTol) const;
  bool isCodirectionalTo(const OdGeVector3d& vect, const OdGeTol& tol = OdGeContext::gTol) const;
  bool isPerpendicularTo(const OdGeVector3d& vect, const OdGeTol& tol = OdGeContext::gTol) const;

  double dotProduct(const OdGeVector3d& v) const { return x * v.x + y * v.y + z * v.z; }
  OdGeVector3d crossProduct(const OdGeVector3d& v) const
  {
    return OdGeVector3d(y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x);
  }

  // Projection onto the plane through the origin with the given normal.
  OdGeVector3d orthoProject(const OdGeVector3d& planeNormal) const;

  // Index (0, 1, 2) of the component with the largest absolute value.
  unsigned int largestElement() const;

  // True when the difference has length <= tol.equalVector().
  bool isEqualTo(const OdGeVector3d& vect, const OdGeTol& tol = OdGeContext::gTol) const;
  bool operator==(const OdGeVector3d& vect) const { return isEqualTo(vect); }
  bool operator!=(const OdGeVector3d& vect) const { return !isEqualTo(vect); }

  double operator[](unsigned int i) const { return i == 0 ? x : (i == 1 ? y : z); }
  double& operator[](unsigned int i) { return i == 0 ? x : (i == 1 ? y : z); }

  double x;
  double y;
  double z;
};

inline OdGeVector3d operator*(double scale, const OdGeVector3d& v) { return v * scale; }
// Linear part of the matrix applied to the vector.
OdGeVector3d operator*(const OdGeMatrix3d& matrix, const OdGeVector3d& vect);
