#include "Ge/GeExtents3d.h"

#include <cmath>

#include "Ge/GeMatrix3d.h"

const OdGeExtents3d OdGeExtents3d::kInvalid;

OdGePoint3d OdGeExtents3d::center() const
{
  return m_min + (m_max - m_min) * 0.5;
}

OdGeExtents3d& OdGeExtents3d::set(const OdGePoint3d& min, const OdGePoint3d& max)
{
  m_min = min;
  m_max = max;
  return *this;
}

OdGeExtents3d& OdGeExtents3d::comparingSet(const OdGePoint3d& pt1, const OdGePoint3d& pt2)
{
  m_min.set(std::fmin(pt1.x, pt2.x), std::fmin(pt1.y, pt2.y), std::fmin(pt1.z, pt2.z));
  m_max.set(std::fmax(pt1.x, pt2.x), std::fmax(pt1.y, pt2.y), std::fmax(pt1.z, pt2.z));
  return *this;
}

OdGeExtents3d& OdGeExtents3d::addPoint(const OdGePoint3d& p)
{
  m_min.set(std::fmin(m_min.x, p.x), std::fmin(m_min.y, p.y), std::fmin(m_min.z, p.z));
  m_max.set(std::fmax(m_max.x, p.x), std::fmax(m_max.y, p.y), std::fmax(m_max.z, p.z));
  return *this;
}

OdGeExtents3d& OdGeExtents3d::addExt(const OdGeExtents3d& extents)
{
  if (extents.isValidExtents()) {
    addPoint(extents.m_min);
    addPoint(extents.m_max);
  }
  return *this;
}

bool OdGeExtents3d::isValidExtents() const
{
  return m_min.x <= m_max.x && m_min.y <= m_max.y && m_min.z <= m_max.z;
}

OdGeExtents3d& OdGeExtents3d::translate(const OdGeVector3d& vect)
{
  if (isValidExtents()) {
    m_min += vect;
    m_max += vect;
  }
  return *this;
}

OdGeExtents3d& OdGeExtents3d::transformBy(const OdGeMatrix3d& xfm)
{
  if (!isValidExtents())
    return *this;
  const OdGePoint3d lo = m_min, hi = m_max;
  *this = OdGeExtents3d();
  for (int i = 0; i < 8; ++i) {
    OdGePoint3d corner((i & 1) ? hi.x : lo.x, (i & 2) ? hi.y : lo.y, (i & 4) ? hi.z : lo.z);
    addPoint(corner.transformBy(xfm));
  }
  return *this;
}

bool OdGeExtents3d::contains(const OdGePoint3d& p, const OdGeTol& tol) const
{
  const double t = tol.equalPoint();
  return p.x >= m_min.x - t && p.x <= m_max.x + t && p.y >= m_min.y - t && p.y <= m_max.y + t &&
         p.z >= m_min.z - t && p.z <= m_max.z + t;
}

bool OdGeExtents3d::contains(const OdGeExtents3d& extents, const OdGeTol& tol) const
{
  return extents.isValidExtents() && contains(extents.m_min, tol) && contains(extents.m_max, tol);
}

bool OdGeExtents3d::isDisjoint(const OdGeExtents3d& e, const OdGeTol& tol) const
{
  if (!isValidExtents() || !e.isValidExtents())
    return true;
  const double t = tol.equalPoint();
  return e.m_min.x > m_max.x + t || e.m_max.x < m_min.x - t || e.m_min.y > m_max.y + t || e.m_max.y < m_min.y - t ||
         e.m_min.z > m_max.z + t || e.m_max.z < m_min.z - t;
}

bool OdGeExtents3d::isEqualTo(const OdGeExtents3d& extents, const OdGeTol& tol) const
{
  return m_min.isEqualTo(extents.m_min, tol) && m_max.isEqualTo(extents.m_max, tol);
}
