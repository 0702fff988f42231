#include "Ge/GeExtents2d.h"

#include <cmath>

#include "Ge/GeMatrix2d.h"

const OdGeExtents2d OdGeExtents2d::kInvalid;

OdGePoint2d OdGeExtents2d::center() const
{
  return m_min + (m_max - m_min) * 0.5;
}

OdGeExtents2d& OdGeExtents2d::set(const OdGePoint2d& min, const OdGePoint2d& max)
{
  m_min = min;
  m_max = max;
  return *this;
}

OdGeExtents2d& OdGeExtents2d::comparingSet(const OdGePoint2d& pt1, const OdGePoint2d& pt2)
{
  m_min.set(std::fmin(pt1.x, pt2.x), std::fmin(pt1.y, pt2.y));
  m_max.set(std::fmax(pt1.x, pt2.x), std::fmax(pt1.y, pt2.y));
  return *this;
}

OdGeExtents2d& OdGeExtents2d::addPoint(const OdGePoint2d& p)
{
  m_min.set(std::fmin(m_min.x, p.x), std::fmin(m_min.y, p.y));
  m_max.set(std::fmax(m_max.x, p.x), std::fmax(m_max.y, p.y));
  return *this;
}

OdGeExtents2d& OdGeExtents2d::addExt(const OdGeExtents2d& extents)
{
  if (extents.isValidExtents()) {
    addPoint(extents.m_min);
    addPoint(extents.m_max);
  }
  return *this;
}

bool OdGeExtents2d::isValidExtents() const
{
  return m_min.x <= m_max.x && m_min.y <= m_max.y;
}

OdGeExtents2d& OdGeExtents2d::translate(const OdGeVector2d& vect)
{
  if (isValidExtents()) {
    m_min += vect;
    m_max += vect;
  }
  return *this;
}

OdGeExtents2d& OdGeExtents2d::transformBy(const OdGeMatrix2d& xfm)
{
  if (!isValidExtents())
    return *this;
  const OdGePoint2d lo = m_min, hi = m_max;
  *this = OdGeExtents2d();
  for (int i = 0; i < 4; ++i) {
    OdGePoint2d corner((i & 1) ? hi.x : lo.x, (i & 2) ? hi.y : lo.y);
    addPoint(corner.transformBy(xfm));
  }
  return *this;
}

bool OdGeExtents2d::contains(const OdGePoint2d& p, const OdGeTol& tol) const
{
  const double t = tol.equalPoint();
  return p.x >= m_min.x - t && p.x <= m_max.x + t && p.y >= m_min.y - t && p.y <= m_max.y + t;
}

bool OdGeExtents2d::contains(const OdGeExtents2d& extents, const OdGeTol& tol) const
{
  return extents.isValidExtents() && contains(extents.m_min, tol) && contains(extents.m_max, tol);
}

bool OdGeExtents2d::isDisjoint(const OdGeExtents2d& e, const OdGeTol& tol) const
{
  if (!isValidExtents() || !e.isValidExtents())
    return true;
  const double t = tol.equalPoint();
  return e.m_min.x > m_max.x + t || e.m_max.x < m_min.x - t || e.m_min.y > m_max.y + t || e.m_max.y < m_min.y - t;
}

bool OdGeExtents2d::isEqualTo(const OdGeExtents2d& extents, const OdGeTol& tol) const
{
  return m_min.isEqualTo(extents.m_min, tol) && m_max.isEqualTo(extents.m_max, tol);
}
