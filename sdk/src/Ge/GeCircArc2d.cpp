#include "Ge/GeCircArc2d.h"

#include <cmath>

OdGeCircArc2d::OdGeCircArc2d()
    : m_center(0.0, 0.0), m_radius(1.0), m_startAng(0.0), m_endAng(Oda2PI), m_refVec(1.0, 0.0), m_clockWise(false)
{
}

OdGeCircArc2d::OdGeCircArc2d(const OdGePoint2d& center, double radius) : OdGeCircArc2d()
{
  set(center, radius);
}

OdGeCircArc2d::OdGeCircArc2d(const OdGePoint2d& center, double radius, double startAng, double endAng,
                             const OdGeVector2d& refVec, bool isClockWise)
    : OdGeCircArc2d()
{
  set(center, radius, startAng, endAng, refVec, isClockWise);
}

OdGeCircArc2d::OdGeCircArc2d(const OdGePoint2d& startPoint, const OdGePoint2d& point, const OdGePoint2d& endPoint)
    : OdGeCircArc2d()
{
  set(startPoint, point, endPoint);
}

OdGeCircArc2d::OdGeCircArc2d(const OdGePoint2d& startPoint, const OdGePoint2d& endPoint, double bulge, bool bulgeFlag)
    : OdGeCircArc2d()
{
  set(startPoint, endPoint, bulge, bulgeFlag);
}

void OdGeCircArc2d::setDegenerate(const OdGePoint2d& point)
{
  m_center = point;
  m_radius = 0.0;
  m_startAng = 0.0;
  m_endAng = 0.0;
  m_refVec = OdGeVector2d::kXAxis;
  m_clockWise = false;
}

OdGeCircArc2d& OdGeCircArc2d::set(const OdGePoint2d& center, double radius)
{
  return set(center, radius, 0.0, Oda2PI);
}

OdGeCircArc2d& OdGeCircArc2d::set(const OdGePoint2d& center, double radius, double startAng, double endAng,
                                  const OdGeVector2d& refVec, bool isClockWise)
{
  m_center = center;
  m_radius = radius;
  m_clockWise = isClockWise;
  setRefVec(refVec);
  return setAngles(startAng, endAng);
}

OdGeCircArc2d& OdGeCircArc2d::setAngles(double startAng, double endAng)
{
  if (endAng < startAng)
    endAng += Oda2PI * std::ceil((startAng - endAng) / Oda2PI);
  if (endAng - startAng > Oda2PI)
    endAng = startAng + Oda2PI;
  m_startAng = startAng;
  m_endAng = endAng;
  return *this;
}

OdGeCircArc2d& OdGeCircArc2d::setRefVec(const OdGeVector2d& refVec)
{
  const double len = refVec.length();
  m_refVec = len > 0.0 ? refVec / len : OdGeVector2d::kXAxis;
  return *this;
}

OdGeCircArc2d& OdGeCircArc2d::set(const OdGePoint2d& startPoint, const OdGePoint2d& point, const OdGePoint2d& endPoint)
{
  const OdGeVector2d b = point - startPoint;
  const OdGeVector2d c = endPoint - startPoint;
  const double cross = b.crossProduct(c);
  const double scale = b.length() * c.length();
  if (scale == 0.0 || std::fabs(cross) <= 1e-12 * scale) {
    setDegenerate(startPoint);
    return *this;
  }
  // Circumcentre relative to startPoint.
  const double d = 2.0 * cross;
  const double bb = b.lengthSqrd(), cc = c.lengthSqrd();
  const OdGeVector2d u((c.y * bb - b.y * cc) / d, (b.x * cc - c.x * bb) / d);
  m_center = startPoint + u;
  m_radius = u.length();
  m_refVec = OdGeVector2d::kXAxis;
  m_clockWise = cross < 0.0;
  m_startAng = paramOf(startPoint);
  m_endAng = m_startAng;  // paramOf measures from startAng
  double end = paramOf(endPoint);
  if (end <= m_startAng)
    end = m_startAng + Oda2PI;
  m_endAng = end;
  return *this;
}

OdGeCircArc2d& OdGeCircArc2d::set(const OdGePoint2d& startPoint, const OdGePoint2d& endPoint, double bulge, bool bulgeFlag)
{
  const OdGeVector2d chord = endPoint - startPoint;
  const double d = chord.length();
  if (d == 0.0 || bulge == 0.0) {
    setDegenerate(startPoint);
    return *this;
  }
  // A sagitta h over half chord d/2 is tan(included angle / 4), like the bulge.
  const double b = bulgeFlag ? bulge : bulge / (0.5 * d);
  const double absB = std::fabs(b);
  const double sweep = 4.0 * std::atan(absB);
  // Centre: from the chord midpoint along the left normal by (d/2) * cot(sweep/2), signed by b.
  const OdGeVector2d leftNormal = chord.perpVector() / d;
  const double offset = 0.5 * d * (1.0 - b * b) / (2.0 * b);
  m_center = startPoint + chord * 0.5 + leftNormal * offset;
  m_radius = 0.5 * d * (1.0 + b * b) / (2.0 * absB);
  m_refVec = OdGeVector2d::kXAxis;
  m_clockWise = b < 0.0;
  const double polar = (startPoint - m_center).angle();
  m_startAng = m_clockWise ? OdaNormalizedAngle(-polar) : polar;
  m_endAng = m_startAng + sweep;
  return *this;
}

double OdGeCircArc2d::length(double fromParam, double toParam) const
{
  return std::fabs(toParam - fromParam) * m_radius;
}

OdGePoint2d OdGeCircArc2d::evalPoint(double param) const
{
  const OdGeVector2d perp = m_clockWise ? -m_refVec.perpVector() : m_refVec.perpVector();
  return m_center + (m_refVec * std::cos(param) + perp * std::sin(param)) * m_radius;
}

double OdGeCircArc2d::paramOf(const OdGePoint2d& point) const
{
  const OdGeVector2d v = point - m_center;
  double a = m_refVec.angleTo(v);  // counter-clockwise from refVec
  if (m_clockWise)
    a = -a;
  return m_startAng + OdaNormalizedAngle(a - m_startAng);
}

bool OdGeCircArc2d::isClosed(const OdGeTol& tol) const
{
  return m_endAng - m_startAng >= Oda2PI - tol.equalVector();
}
