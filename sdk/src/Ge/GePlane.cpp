#include "Ge/GePlane.h"

#include <cmath>

#include "Ge/GeLineSeg3d.h"
#include "Ge/GeMatrix3d.h"

const OdGePlane OdGePlane::kXYPlane(OdGePoint3d(0.0, 0.0, 0.0), OdGeVector3d(1.0, 0.0, 0.0), OdGeVector3d(0.0, 1.0, 0.0),
                                    OdGeVector3d(0.0, 0.0, 1.0));
const OdGePlane OdGePlane::kYZPlane(OdGePoint3d(0.0, 0.0, 0.0), OdGeVector3d(0.0, 1.0, 0.0), OdGeVector3d(0.0, 0.0, 1.0),
                                    OdGeVector3d(1.0, 0.0, 0.0));
const OdGePlane OdGePlane::kZXPlane(OdGePoint3d(0.0, 0.0, 0.0), OdGeVector3d(0.0, 0.0, 1.0), OdGeVector3d(1.0, 0.0, 0.0),
                                    OdGeVector3d(0.0, 1.0, 0.0));

// ---- OdGePlanarEnt ----------------------------------------------------------------------

OdGePoint3d OdGePlanarEnt::evalPoint(const OdGePoint2d& param) const
{
  return m_origin + m_uAxis * param.x + m_vAxis * param.y;
}

OdGePoint2d OdGePlanarEnt::paramOf(const OdGePoint3d& point) const
{
  const OdGeVector2d c = (point - m_origin).convert2d(*this);
  return OdGePoint2d(c.x, c.y);
}

OdGePoint3d OdGePlanarEnt::closestPointTo(const OdGePoint3d& point) const
{
  return point - m_normal * m_normal.dotProduct(point - m_origin);
}

bool OdGePlanarEnt::isOn(const OdGePoint3d& point, const OdGeTol& tol) const
{
  return std::fabs(m_normal.dotProduct(point - m_origin)) <= tol.equalPoint();
}

bool OdGePlanarEnt::isParallelTo(const OdGePlanarEnt& plane, const OdGeTol& tol) const
{
  return m_normal.isParallelTo(plane.m_normal, tol);
}

bool OdGePlanarEnt::isPerpendicularTo(const OdGePlanarEnt& plane, const OdGeTol& tol) const
{
  return m_normal.isPerpendicularTo(plane.m_normal, tol);
}

bool OdGePlanarEnt::isCoplanarTo(const OdGePlanarEnt& plane, const OdGeTol& tol) const
{
  return isParallelTo(plane, tol) && isOn(plane.m_origin, tol);
}

// ---- OdGePlane --------------------------------------------------------------------------

OdGePlane::OdGePlane(const OdGePoint3d& origin, const OdGeVector3d& normal) : OdGePlane()
{
  set(origin, normal);
}

OdGePlane::OdGePlane(const OdGePoint3d& origin, const OdGeVector3d& uAxis, const OdGeVector3d& vAxis) : OdGePlane()
{
  set(origin, uAxis, vAxis);
}

OdGePlane::OdGePlane(const OdGePoint3d& uPnt, const OdGePoint3d& origin, const OdGePoint3d& vPnt) : OdGePlane()
{
  set(uPnt, origin, vPnt);
}

OdGePlane::OdGePlane(double a, double b, double c, double d) : OdGePlane()
{
  set(a, b, c, d);
}

OdGePlane& OdGePlane::set(const OdGePoint3d& origin, const OdGeVector3d& normal)
{
  const double len = normal.length();
  m_origin = origin;
  m_normal = len > 0.0 ? normal / len : OdGeVector3d::kZAxis;
  m_uAxis = m_normal.perpVector();
  m_vAxis = m_normal.crossProduct(m_uAxis).normal();
  return *this;
}

OdGePlane& OdGePlane::set(const OdGePoint3d& origin, const OdGeVector3d& uAxis, const OdGeVector3d& vAxis)
{
  m_origin = origin;
  m_uAxis = uAxis;
  m_vAxis = vAxis;
  const OdGeVector3d n = uAxis.crossProduct(vAxis);
  const double len = n.length();
  m_normal = len > 0.0 ? n / len : OdGeVector3d::kIdentity;
  return *this;
}

OdGePlane& OdGePlane::set(const OdGePoint3d& uPnt, const OdGePoint3d& origin, const OdGePoint3d& vPnt)
{
  return set(origin, uPnt - origin, vPnt - origin);
}

OdGePlane& OdGePlane::set(double a, double b, double c, double d)
{
  const OdGeVector3d n(a, b, c);
  const double len2 = n.lengthSqrd();
  const OdGePoint3d origin = len2 > 0.0 ? OdGePoint3d::kOrigin + n * (-d / len2) : OdGePoint3d::kOrigin;
  return set(origin, n);
}

double OdGePlane::signedDistanceTo(const OdGePoint3d& point) const
{
  return m_normal.dotProduct(point - m_origin);
}

double OdGePlane::distanceTo(const OdGePoint3d& point) const
{
  return std::fabs(signedDistanceTo(point));
}

void OdGePlane::getCoefficients(double& a, double& b, double& c, double& d) const
{
  a = m_normal.x;
  b = m_normal.y;
  c = m_normal.z;
  d = -m_normal.dotProduct(m_origin.asVector());
}

bool OdGePlane::intersectWith(const OdGeLineSeg3d& line, OdGePoint3d& point, const OdGeTol& tol) const
{
  const OdGeVector3d dir = line.endPoint() - line.startPoint();
  const double s0 = signedDistanceTo(line.startPoint());
  const double s1 = signedDistanceTo(line.endPoint());
  const double denom = m_normal.dotProduct(dir);
  const double len = dir.length();
  if (len <= tol.equalPoint() || std::fabs(denom) <= tol.equalVector() * len)
    return false;
  // Within the segment (with point tolerance at the ends).
  if ((s0 > tol.equalPoint() && s1 > tol.equalPoint()) || (s0 < -tol.equalPoint() && s1 < -tol.equalPoint()))
    return false;
  double t = -s0 / denom;
  if (t < 0.0)
    t = 0.0;
  if (t > 1.0)
    t = 1.0;
  point = line.startPoint() + dir * t;
  return true;
}

OdGePlane& OdGePlane::transformBy(const OdGeMatrix3d& xfm)
{
  OdGePoint3d origin = m_origin;
  OdGeVector3d u = m_uAxis, v = m_vAxis;
  origin.transformBy(xfm);
  u.transformBy(xfm);
  v.transformBy(xfm);
  return set(origin, u, v);
}
