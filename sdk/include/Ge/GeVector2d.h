#pragma once
// Two-dimensional vector.
#include <cmath>
#include "Ge/GeContext.h"

class OdGeMatrix2d;

class OdGeVector2d {
public:
  constexpr OdGeVector2d() : x(0.0), y(0.0) {}
  constexpr OdGeVector2d(double xx, double yy) : x(xx), y(yy) {}

  static const OdGeVector2d kIdentity;  // (0, 0), the additive identity
  static const OdGeVector2d kXAxis;     // (1, 0)
  static const OdGeVector2d kYAxis;     // (0, 1)

  OdGeVector2d& set(double xx, double yy) { x = xx; y = yy; return *this; }

  // Linear part of the matrix applied to the vector (translation is ignored).
  OdGeVector2d& setToProduct(const OdGeMatrix2d& matrix, const OdGeVector2d& vect);
  OdGeVector2d& setToProduct(const OdGeVector2d& vect, double scale) { return set(vect.x * scale, vect.y * scale); }
  OdGeVector2d& setToSum(const OdGeVector2d& v1, const OdGeVector2d& v2) { return set(v1.x + v2.x, v1.y + v2.y); }
  OdGeVector2d& transformBy(const OdGeMatrix2d& matrix);
  // Rotates counter-clockwise by angle (radians).
  OdGeVector2d& rotateBy(double angle);
  // Mirrors about the line through the origin with the given direction.
  OdGeVector2d& mirror(const OdGeVector2d& line);

  OdGeVector2d operator*(double scale) const { return OdGeVector2d(x * scale, y * scale); }
  OdGeVector2d& operator*=(double scale) { x *= scale; y *= scale; return *this; }
  OdGeVector2d operator/(double scale) const { return OdGeVector2d(x / scale, y / scale); }
  OdGeVector2d& operator/=(double scale) { x /= scale; y /= scale; return *this; }
  OdGeVector2d operator+(const OdGeVector2d& v) const { return OdGeVector2d(x + v.x, y + v.y); }
  OdGeVector2d& operator+=(const OdGeVector2d& v) { x += v.x; y += v.y; return *this; }
  OdGeVector2d operator-(const OdGeVector2d& v) const { return OdGeVector2d(x - v.x, y - v.y); }
  OdGeVector2d& operator-=(const OdGeVector2d& v) { x -= v.x; y -= v.y; return *this; }
  OdGeVector2d operator-() const { return OdGeVector2d(-x, -y); }
  OdGeVector2d& negate() { x = -x; y = -y; return *this; }

  // The vector rotated by +90 degrees: (-y, x).
  OdGeVector2d perpVector() const { return OdGeVector2d(-y, x); }

  // Angle from the X axis, counter-clockwise, in [0, 2 pi); 0 for the zero vector.
  double angle() const;
  // Signed angle from this vector to vect, in [-pi, pi]; positive when vect is counter-clockwise.
  double angleTo(const OdGeVector2d& vect) const;

  // Unit vector in the same direction; the zero vector (length <= tol.equalVector()) stays unchanged.
  OdGeVector2d normal(const OdGeTol& tol = OdGeContext::gTol) const;
  OdGeVector2d& normalize(const OdGeTol& tol = OdGeContext::gTol);
  // Normalises and returns the previous length.
  double normalizeGetLength(double tol = 1e-300);

  double length() const { return std::sqrt(x * x + y * y); }
  double lengthSqrd() const { return x * x + y * y; }
  // Scales to the given length; a zero vector stays zero.
  OdGeVector2d& setLength(double len);

  bool isUnitLength(const OdGeTol& tol = OdGeContext::gTol) const;
  bool isZeroLength(const OdGeTol& tol = OdGeContext::gTol) const;
  // Direction tests compare the normalised vectors; a zero vector is neither parallel,
  // codirectional nor perpendicular to anything.
  bool isParallelTo(const OdGeVector2d& vect, const OdGeTol& tol = OdGeContext::gTol) const;
  bool isCodirectionalTo(const OdGeVector2d& vect, const OdGeTol& tol = OdGeContext::gTol) const;
  bool isPerpendicularTo(const OdGeVector2d& vect, const OdGeTol& tol = OdGeContext::gTol) const;

  double dotProduct(const OdGeVector2d& v) const { return x * v.x + y * v.y; }
  // z component of the 3D cross product: x * v.y - y * v.x.
  double crossProduct(const OdGeVector2d& v) const { return x * v.y - y * v.x; }

  // True when the difference has length <= tol.equalVector().
  bool isEqualTo(const OdGeVector2d& vect, const OdGeTol& tol = OdGeContext::gTol) const;
  bool operator==(const OdGeVector2d& vect) const { return isEqualTo(vect); }
  bool operator!=(const OdGeVector2d& vect) const { return !isEqualTo(vect); }

  double operator[](unsigned int i) const { return i == 0 ? x : y; }
  double& operator[](unsigned int i) { return i == 0 ? x : y; }

  double x;
  double y;
};

inline OdGeVector2d operator*(double scale, const OdGeVector2d& v) { return v * scale; }
// Linear part of the matrix applied to the vector.
OdGeVector2d operator*(const OdGeMatrix2d& matrix, const OdGeVector2d& vect);
