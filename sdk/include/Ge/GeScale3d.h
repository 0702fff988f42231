#pragma once
// Scale factors along the three axes.
#include "Ge/GeContext.h"

class OdGeMatrix3d;

class OdGeScale3d {
public:
  constexpr OdGeScale3d() : sx(1.0), sy(1.0), sz(1.0) {}
  constexpr explicit OdGeScale3d(double factor) : sx(factor), sy(factor), sz(factor) {}
  constexpr OdGeScale3d(double xFactor, double yFactor, double zFactor) : sx(xFactor), sy(yFactor), sz(zFactor) {}

  static const OdGeScale3d kIdentity;  // (1, 1, 1)

  OdGeScale3d& set(double xFactor, double yFactor, double zFactor) { sx = xFactor; sy = yFactor; sz = zFactor; return *this; }

  OdGeScale3d operator*(const OdGeScale3d& s) const { return OdGeScale3d(sx * s.sx, sy * s.sy, sz * s.sz); }
  OdGeScale3d& operator*=(const OdGeScale3d& s) { sx *= s.sx; sy *= s.sy; sz *= s.sz; return *this; }
  OdGeScale3d operator*(double factor) const { return OdGeScale3d(sx * factor, sy * factor, sz * factor); }
  OdGeScale3d& operator*=(double factor) { sx *= factor; sy *= factor; sz *= factor; return *this; }
  OdGeScale3d& setToProduct(const OdGeScale3d& s1, const OdGeScale3d& s2) { return *this = s1 * s2; }

  // Reciprocal factors.
  OdGeScale3d inverse() const { return OdGeScale3d(1.0 / sx, 1.0 / sy, 1.0 / sz); }
  OdGeScale3d& invert() { return *this = inverse(); }

  // Diagonal scaling matrix.
  OdGeMatrix3d& getMatrix(OdGeMatrix3d& xfm) const;

  // All three factors equal within tol.equalVector().
  bool isProportional(const OdGeTol& tol = OdGeContext::gTol) const;
  // No factor within tol.equalVector() of zero.
  bool isValid(const OdGeTol& tol = OdGeContext::gTol) const;
  // Factor-wise comparison within tol.equalVector().
  bool isEqualTo(const OdGeScale3d& s, const OdGeTol& tol = OdGeContext::gTol) const;
  bool operator==(const OdGeScale3d& s) const { return isEqualTo(s); }
  bool operator!=(const OdGeScale3d& s) const { return !isEqualTo(s); }

  double operator[](unsigned int i) const { return i == 0 ? sx : (i == 1 ? sy : sz); }
  double& operator[](unsigned int i) { return i == 0 ? sx : (i == 1 ? sy : sz); }

  double sx;
  double sy;
  double sz;
};

inline OdGeScale3d operator*(double factor, const OdGeScale3d& s) { return s * factor; }
