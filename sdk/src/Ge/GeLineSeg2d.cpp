#include "Ge/GeLineSeg2d.h"

#include "Ge/GeMatrix2d.h"

double OdGeLineSeg2d::paramOf(const OdGePoint2d& point) const
{
  const OdGeVector2d d = m_end - m_start;
  const double len2 = d.lengthSqrd();
  if (len2 == 0.0)
    return 0.0;
  return (point - m_start).dotProduct(d) / len2;
}

OdGePoint2d OdGeLineSeg2d::closestPointTo(const OdGePoint2d& point) const
{
  double t = paramOf(point);
  if (t < 0.0)
    t = 0.0;
  if (t > 1.0)
    t = 1.0;
  return evalPoint(t);
}

OdGeLineSeg2d& OdGeLineSeg2d::reverseParam()
{
  const OdGePoint2d p = m_start;
  m_start = m_end;
  m_end = p;
  return *this;
}

OdGeLineSeg2d& OdGeLineSeg2d::transformBy(const OdGeMatrix2d& xfm)
{
  m_start.transformBy(xfm);
  m_end.transformBy(xfm);
  return *this;
}
