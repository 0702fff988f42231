#include "Ge/GePoint3d.h"

#include <cmath>

#include "Ge/GeMatrix3d.h"
#include "Ge/GePlane.h"

const OdGePoint3d OdGePoint3d::kOrigin(0.0, 0.0, 0.0);

OdGePoint3d::OdGePoint3d(const OdGePlanarEnt& plane, const OdGePoint2d& pnt2d)
{
  *this = plane.evalPoint(pnt2d);
}

OdGePoint3d& OdGePoint3d::setToProduct(const OdGeMatrix3d& m, const OdGePoint3d& p)
{
  const double px = m.entry[0][0] * p.x + m.entry[0][1] * p.y + m.entry[0][2] * p.z + m.entry[0][3];
  const double py = m.entry[1][0] * p.x + m.entry[1][1] * p.y + m.entry[1][2] * p.z + m.entry[1][3];
  const double pz = m.entry[2][0] * p.x + m.entry[2][1] * p.y + m.entry[2][2] * p.z + m.entry[2][3];
  const double w = m.entry[3][0] * p.x + m.entry[3][1] * p.y + m.entry[3][2] * p.z + m.entry[3][3];
  if (w != 1.0 && w != 0.0)
    return set(px / w, py / w, pz / w);
  return set(px, py, pz);
}

OdGePoint3d& OdGePoint3d::transformBy(const OdGeMatrix3d& matrix)
{
  const OdGePoint3d p(*this);
  return setToProduct(matrix, p);
}

OdGePoint3d& OdGePoint3d::rotateBy(double angle, const OdGeVector3d& axis, const OdGePoint3d& wrtPoint)
{
  OdGeVector3d v = *this - wrtPoint;
  v.rotateBy(angle, axis);
  return *this = wrtPoint + v;
}

OdGePoint3d& OdGePoint3d::mirror(const OdGePlane& plane)
{
  return *this -= plane.normal() * (2.0 * plane.signedDistanceTo(*this));
}

OdGePoint3d& OdGePoint3d::scaleBy(double factor, const OdGePoint3d& wrtPoint)
{
  return *this = wrtPoint + (*this - wrtPoint) * factor;
}

OdGePoint2d OdGePoint3d::convert2d(const OdGePlanarEnt& plane) const
{
  return plane.paramOf(*this);
}

OdGePoint3d OdGePoint3d::orthoProject(const OdGePlane& plane) const
{
  return *this - plane.normal() * plane.signedDistanceTo(*this);
}

OdGePoint3d OdGePoint3d::project(const OdGePlane& plane, const OdGeVector3d& projectDir) const
{
  const double denom = projectDir.dotProduct(plane.normal());
  const double len = projectDir.length();
  if (len == 0.0 || std::fabs(denom) <= 1e-12 * len)
    return *this;
  return *this - projectDir * (plane.signedDistanceTo(*this) / denom);
}

OdGePoint3d operator*(const OdGeMatrix3d& matrix, const OdGePoint3d& point)
{
  OdGePoint3d p;
  return p.setToProduct(matrix, point);
}
