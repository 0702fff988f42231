#include "Ge/GeLineSeg3d.h"

#include "Ge/GeMatrix3d.h"

double OdGeLineSeg3d::paramOf(const OdGePoint3d& point) const
{
  const OdGeVector3d d = m_end - m_start;
  const double len2 = d.lengthSqrd();
  if (len2 == 0.0)
    return 0.0;
  return (point - m_start).dotProduct(d) / len2;
}

OdGePoint3d OdGeLineSeg3d::closestPointTo(const OdGePoint3d& point) const
{
  double t = paramOf(point);
  if (t < 0.0)
    t = 0.0;
  if (t > 1.0)
    t = 1.0;
  return evalPoint(t);
}

OdGeLineSeg3d& OdGeLineSeg3d::reverseParam()
{
  const OdGePoint3d p = m_start;
  m_start = m_end;
  m_end = p;
  return *this;
}

OdGeLineSeg3d& OdGeLineSeg3d::transformBy(const OdGeMatrix3d& xfm)
{
  m_start.transformBy(xfm);
  m_end.transformBy(xfm);
  return *this;
}
