#pragma once
#include <cmath>
// Angle constants and small floating-point comparison helpers of the geometry library.

constexpr double OdaPI = 3.14159265358979323846;   // pi
constexpr double Oda2PI = 6.28318530717958647692;  // 2 pi
constexpr double OdaPI2 = 1.57079632679489661923;  // pi / 2
constexpr double OdaPI4 = 0.78539816339744830962;  // pi / 4

// Degrees to radians and back.
constexpr double OdaToRadian(double degrees) { return degrees * (OdaPI / 180.0); }
constexpr double OdaToDegree(double radians) { return radians * (180.0 / OdaPI); }

// True when x lies within tol of zero (-tol <= x <= tol).
constexpr bool OdZero(double x, double tol = 1e-10) { return x >= -tol && x <= tol; }
// True when x and y differ by at most tol.
constexpr bool OdEqual(double x, double y, double tol = 1e-10) { return OdZero(x - y, tol); }

// An angle reduced to [0, 2 pi).
inline double OdaNormalizedAngle(double a) {
  a = std::fmod(a, Oda2PI);
  if (a < 0.0) a += Oda2PI;
  return a >= Oda2PI ? 0.0 : a;
}
