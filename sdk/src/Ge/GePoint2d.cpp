#include "Ge/GePoint2d.h"

#include <cmath>

#include "Ge/GeMatrix2d.h"

const OdGePoint2d OdGePoint2d::kOrigin(0.0, 0.0);

OdGePoint2d& OdGePoint2d::setToProduct(const OdGeMatrix2d& m, const OdGePoint2d& p)
{
  const double px = m.entry[0][0] * p.x + m.entry[0][1] * p.y + m.entry[0][2];
  const double py = m.entry[1][0] * p.x + m.entry[1][1] * p.y + m.entry[1][2];
  const double w = m.entry[2][0] * p.x + m.entry[2][1] * p.y + m.entry[2][2];
  if (w != 1.0 && w != 0.0)
    return set(px / w, py / w);
  return set(px, py);
}

OdGePoint2d& OdGePoint2d::transformBy(const OdGeMatrix2d& matrix)
{
  const OdGePoint2d p(*this);
  return setToProduct(matrix, p);
}

OdGePoint2d& OdGePoint2d::rotateBy(double angle, const OdGePoint2d& wrtPoint)
{
  OdGeVector2d v = *this - wrtPoint;
  v.rotateBy(angle);
  return *this = wrtPoint + v;
}

OdGePoint2d& OdGePoint2d::scaleBy(double factor, const OdGePoint2d& wrtPoint)
{
  return *this = wrtPoint + (*this - wrtPoint) * factor;
}

OdGePoint2d operator*(const OdGeMatrix2d& matrix, const OdGePoint2d& point)
{
  OdGePoint2d p;
  return p.setToProduct(matrix, point);
}
