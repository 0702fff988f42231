#include "Ge/GeVector3d.h"

#include <cmath>

#include "Ge/GeConst.h"
#include "Ge/GeMatrix3d.h"
#include "Ge/GePlanarEnt.h"

const OdGeVector3d OdGeVector3d::kIdentity(0.0, 0.0, 0.0);
const OdGeVector3d OdGeVector3d::kXAxis(1.0, 0.0, 0.0);
const OdGeVector3d OdGeVector3d::kYAxis(0.0, 1.0, 0.0);
const OdGeVector3d OdGeVector3d::kZAxis(0.0, 0.0, 1.0);

namespace {

// Solves d = u * uAxis + v * vAxis in the least-squares sense (exact for in-plane d).
OdGeVector2d planeComponents(const OdGeVector3d& d, const OdGeVector3d& uAxis, const OdGeVector3d& vAxis)
{
  const double uu = uAxis.dotProduct(uAxis);
  const double uv = uAxis.dotProduct(vAxis);
  const double vv = vAxis.dotProduct(vAxis);
  const double du = d.dotProduct(uAxis);
  const double dv = d.dotProduct(vAxis);
  const double det = uu * vv - uv * uv;
  if (det == 0.0)
    return OdGeVector2d(uu > 0.0 ? du / uu : 0.0, 0.0);
  return OdGeVector2d((du * vv - dv * uv) / det, (dv * uu - du * uv) / det);
}

}  // namespace

OdGeVector3d::OdGeVector3d(const OdGePlanarEnt& plane, const OdGeVector2d& vect)
{
  OdGePoint3d origin;
  OdGeVector3d u, v;
  plane.getCoordSystem(origin, u, v);
  *this = u * vect.x + v * vect.y;
}

OdGeVector3d& OdGeVector3d::setToProduct(const OdGeMatrix3d& m, const OdGeVector3d& v)
{
  return set(m.entry[0][0] * v.x + m.entry[0][1] * v.y + m.entry[0][2] * v.z,
             m.entry[1][0] * v.x + m.entry[1][1] * v.y + m.entry[1][2] * v.z,
             m.entry[2][0] * v.x + m.entry[2][1] * v.y + m.entry[2][2] * v.z);
}

OdGeVector3d& OdGeVector3d::transformBy(const OdGeMatrix3d& matrix)
{
  const OdGeVector3d v(*this);
  return setToProduct(matrix, v);
}

OdGeVector3d& OdGeVector3d::rotateBy(double angle, const OdGeVector3d& axis)
{
  const double len = axis.length();
  if (len == 0.0)
    return *this;
  const OdGeVector3d k = axis / len;
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  // Rodrigues' rotation formula.
  *this = *this * c + k.crossProduct(*this) * s + k * (k.dotProduct(*this) * (1.0 - c));
  return *this;
}

OdGeVector3d& OdGeVector3d::mirror(const OdGeVector3d& normalToPlane)
{
  const double len = normalToPlane.length();
  if (len == 0.0)
    return *this;
  const OdGeVector3d n = normalToPlane / len;
  return *this -= n * (2.0 * dotProduct(n));
}

OdGeVector2d OdGeVector3d::convert2d(const OdGePlanarEnt& plane) const
{
  OdGePoint3d origin;
  OdGeVector3d u, v;
  plane.getCoordSystem(origin, u, v);
  return planeComponents(*this, u, v);
}

OdGeVector3d OdGeVector3d::perpVector() const
{
  const double len = length();
  if (len == 0.0)
    return kIdentity;
  const OdGeVector3d n = *this / len;
  const double limit = 1.0 / 64.0;
  OdGeVector3d ax = (std::fabs(n.x) < limit && std::fabs(n.y) < limit) ? kYAxis.crossProduct(n) : kZAxis.crossProduct(n);
  return ax / ax.length();
}

double OdGeVector3d::angleTo(const OdGeVector3d& vect) const
{
  return std::atan2(crossProduct(vect).length(), dotProduct(vect));
}

double OdGeVector3d::angleTo(const OdGeVector3d& vect, const OdGeVector3d& refVector) const
{
  double a = angleTo(vect);
  if (crossProduct(vect).dotProduct(refVector) < 0.0)
    a = Oda2PI - a;
  if (a >= Oda2PI)
    a = 0.0;
  return a;
}

OdGeVector3d OdGeVector3d::normal(const OdGeTol& tol) const
{
  OdGeVector3d v(*this);
  return v.normalize(tol);
}

OdGeVector3d& OdGeVector3d::normalize(const OdGeTol& tol)
{
  const double len = length();
  if (len > tol.equalVector())
    *this /= len;
  return *this;
}

double OdGeVector3d::normalizeGetLength(double tol)
{
  const double len = length();
  if (len > tol)
    *this /= len;
  return len;
}

OdGeVector3d& OdGeVector3d::setLength(double len)
{
  const double cur = length();
  if (cur > 0.0)
    *this *= len / cur;
  return *this;
}

bool OdGeVector3d::isUnitLength(const OdGeTol& tol) const
{
  return std::fabs(length() - 1.0) <= tol.equalVector();
}

bool OdGeVector3d::isZeroLength(const OdGeTol& tol) const
{
  return length() <= tol.equalVector();
}

bool OdGeVector3d::isCodirectionalTo(const OdGeVector3d& vect, const OdGeTol& tol) const
{
  if (isZeroLength(tol) || vect.isZeroLength(tol))
    return false;
  return (*this / length() - vect / vect.length()).length() <= tol.equalVector();
}

bool OdGeVector3d::isParallelTo(const OdGeVector3d& vect, const OdGeTol& tol) const
{
  return isCodirectionalTo(vect, tol) || isCodirectionalTo(-vect, tol);
}

bool OdGeVector3d::isPerpendicularTo(const OdGeVector3d& vect, const OdGeTol& tol) const
{
  if (isZeroLength(tol) || vect.isZeroLength(tol))
    return false;
  return std::fabs((*this / length()).dotProduct(vect / vect.length())) <= tol.equalVector();
}

OdGeVector3d OdGeVector3d::orthoProject(const OdGeVector3d& planeNormal) const
{
  const double len2 = planeNormal.lengthSqrd();
  if (len2 == 0.0)
    return *this;
  return *this - planeNormal * (dotProduct(planeNormal) / len2);
}

unsigned int OdGeVector3d::largestElement() const
{
  const double ax = std::fabs(x), ay = std::fabs(y), az = std::fabs(z);
  if (ax >= ay && ax >= az)
    return 0;
  return ay >= az ? 1 : 2;
}

bool OdGeVector3d::isEqualTo(const OdGeVector3d& vect, const OdGeTol& tol) const
{
  return (*this - vect).length() <= tol.equalVector();
}

OdGeVector3d operator*(const OdGeMatrix3d& matrix, const OdGeVector3d& vect)
{
  OdGeVector3d v;
  return v.setToProduct(matrix, vect);
}
