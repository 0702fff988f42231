#pragma once
// Two-dimensional point.
#include <cmath>
#include "Ge/GeVector2d.h"

class OdGeMatrix2d;

class OdGePoint2d {
public:
  constexpr OdGePoint2d() : x(0.0), y(0.0) {}
  constexpr OdGePoint2d(double xx, double yy) : x(xx), y(yy) {}

  static const OdGePoint2d kOrigin;  // (0, 0)

  OdGePoint2d& set(double xx, double yy) { x = xx; y = yy; return *this; }

  // Full transform of the point (p' = M * p, translation included).
  OdGePoint2d& setToProduct(const OdGeMatrix2d& matrix, const OdGePoint2d& point);
  OdGePoint2d& setToSum(const OdGePoint2d& point, const OdGeVector2d& vect) { return set(point.x + vect.x, point.y + vect.y); }
  OdGePoint2d& transformBy(const OdGeMatrix2d& matrix);
  // Rotates counter-clockwise by angle (radians) about wrtPoint.
  OdGePoint2d& rotateBy(double angle, const OdGePoint2d& wrtPoint = kOrigin);
  OdGePoint2d& scaleBy(double factor, const OdGePoint2d& wrtPoint = kOrigin);

  OdGePoint2d operator*(double scale) const { return OdGePoint2d(x * scale, y * scale); }
  OdGePoint2d& operator*=(double scale) { x *= scale; y *= scale; return *this; }
  OdGePoint2d operator/(double scale) const { return OdGePoint2d(x / scale, y / scale); }
  OdGePoint2d& operator/=(double scale) { x /= scale; y /= scale; return *this; }
  OdGePoint2d operator+(const OdGeVector2d& v) const { return OdGePoint2d(x + v.x, y + v.y); }
  OdGePoint2d& operator+=(const OdGeVector2d& v) { x += v.x; y += v.y; return *this; }
  OdGePoint2d operator-(const OdGeVector2d& v) const { return OdGePoint2d(x - v.x, y - v.y); }
  OdGePoint2d& operator-=(const OdGeVector2d& v) { x -= v.x; y -= v.y; return *this; }
  OdGeVector2d operator-(const OdGePoint2d& p) const { return OdGeVector2d(x - p.x, y - p.y); }

  // The vector from the origin to the point.
  OdGeVector2d asVector() const { return OdGeVector2d(x, y); }

  double distanceTo(const OdGePoint2d& p) const { return std::sqrt((x - p.x) * (x - p.x) + (y - p.y) * (y - p.y)); }

  // True when the distance is at most tol.equalPoint().
  bool isEqualTo(const OdGePoint2d& p, const OdGeTol& tol = OdGeContext::gTol) const { return distanceTo(p) <= tol.equalPoint(); }
  bool operator==(const OdGePoint2d& p) const { return isEqualTo(p); }
  bool operator!=(const OdGePoint2d& p) const { return !isEqualTo(p); }

  double operator[](unsigned int i) const { return i == 0 ? x : y; }
  double& operator[](unsigned int i) { return i == 0 ? x : y; }

  double x;
  double y;
};

inline OdGePoint2d operator*(double scale, const OdGePoint2d& p) { return p * scale; }
// Full transform of the point (translation included).
OdGePoint2d operator*(const OdGeMatrix2d& matrix, const OdGePoint2d& point);
