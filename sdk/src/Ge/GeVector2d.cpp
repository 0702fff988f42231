#include "Ge/GeVector2d.h"

#include <cmath>

#include "Ge/GeConst.h"
#include "Ge/GeMatrix2d.h"

const OdGeVector2d OdGeVector2d::kIdentity(0.0, 0.0);
const OdGeVector2d OdGeVector2d::kXAxis(1.0, 0.0);
const OdGeVector2d OdGeVector2d::kYAxis(0.0, 1.0);

OdGeVector2d& OdGeVector2d::setToProduct(const OdGeMatrix2d& m, const OdGeVector2d& v)
{
  return set(m.entry[0][0] * v.x + m.entry[0][1] * v.y, m.entry[1][0] * v.x + m.entry[1][1] * v.y);
}

OdGeVector2d& OdGeVector2d::transformBy(const OdGeMatrix2d& matrix)
{
  const OdGeVector2d v(*this);
  return setToProduct(matrix, v);
}

OdGeVector2d& OdGeVector2d::rotateBy(double angle)
{
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  return set(x * c - y * s, x * s + y * c);
}

OdGeVector2d& OdGeVector2d::mirror(const OdGeVector2d& line)
{
  const double len = line.length();
  if (len == 0.0)
    return *this;
  const OdGeVector2d u = line / len;
  *this = u * (2.0 * dotProduct(u)) - *this;
  return *this;
}

double OdGeVector2d::angle() const
{
  double a = std::atan2(y, x);
  if (a < 0.0)
    a += Oda2PI;
  if (a >= Oda2PI || a == 0.0)
    a = 0.0;  // also turns -0 into +0
  return a;
}

double OdGeVector2d::angleTo(const OdGeVector2d& vect) const
{
  return std::atan2(crossProduct(vect), dotProduct(vect));
}

OdGeVector2d OdGeVector2d::normal(const OdGeTol& tol) const
{
  OdGeVector2d v(*this);
  return v.normalize(tol);
}

OdGeVector2d& OdGeVector2d::normalize(const OdGeTol& tol)
{
  const double len = length();
  if (len > tol.equalVector())
    *this /= len;
  return *this;
}

double OdGeVector2d::normalizeGetLength(double tol)
{
  const double len = length();
  if (len > tol)
    *this /= len;
  return len;
}

OdGeVector2d& OdGeVector2d::setLength(double len)
{
  const double cur = length();
  if (cur > 0.0)
    *this *= len / cur;
  return *this;
}

bool OdGeVector2d::isUnitLength(const OdGeTol& tol) const
{
  return std::fabs(length() - 1.0) <= tol.equalVector();
}

bool OdGeVector2d::isZeroLength(const OdGeTol& tol) const
{
  return length() <= tol.equalVector();
}

bool OdGeVector2d::isCodirectionalTo(const OdGeVector2d& vect, const OdGeTol& tol) const
{
  if (isZeroLength(tol) || vect.isZeroLength(tol))
    return false;
  return (*this / length() - vect / vect.length()).length() <= tol.equalVector();
}

bool OdGeVector2d::isParallelTo(const OdGeVector2d& vect, const OdGeTol& tol) const
{
  return isCodirectionalTo(vect, tol) || isCodirectionalTo(-vect, tol);
}

bool OdGeVector2d::isPerpendicularTo(const OdGeVector2d& vect, const OdGeTol& tol) const
{
  if (isZeroLength(tol) || vect.isZeroLength(tol))
    return false;
  return std::fabs((*this / length()).dotProduct(vect / vect.length())) <= tol.equalVector();
}

bool OdGeVector2d::isEqualTo(const OdGeVector2d& vect, const OdGeTol& tol) const
{
  return (*this - vect).length() <= tol.equalVector();
}

OdGeVector2d operator*(const OdGeMatrix2d& matrix, const OdGeVector2d& vect)
{
  OdGeVector2d v;
  return v.setToProduct(matrix, vect);
}
