#include "Ge/GeScale3d.h"

#include <cmath>

#include "Ge/GeMatrix3d.h"

const OdGeScale3d OdGeScale3d::kIdentity(1.0, 1.0, 1.0);

OdGeMatrix3d& OdGeScale3d::getMatrix(OdGeMatrix3d& xfm) const
{
  return xfm.setToScaling(*this);
}

bool OdGeScale3d::isProportional(const OdGeTol& tol) const
{
  return std::fabs(sx - sy) <= tol.equalVector() && std::fabs(sy - sz) <= tol.equalVector() &&
         std::fabs(sx - sz) <= tol.equalVector();
}

bool OdGeScale3d::isValid(const OdGeTol& tol) const
{
  return std::fabs(sx) > tol.equalVector() && std::fabs(sy) > tol.equalVector() && std::fabs(sz) > tol.equalVector();
}

bool OdGeScale3d::isEqualTo(const OdGeScale3d& s, const OdGeTol& tol) const
{
  return std::fabs(sx - s.sx) <= tol.equalVector() && std::fabs(sy - s.sy) <= tol.equalVector() &&
         std::fabs(sz - s.sz) <= tol.equalVector();
}
