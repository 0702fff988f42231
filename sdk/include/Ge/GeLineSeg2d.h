#pragma once
// Bounded 2D line segment, parameter t in [0, 1]: point(t) = start + t * (end - start).
#include "Ge/GeContext.h"
#include "Ge/GePoint2d.h"
#include "Ge/GeVector2d.h"

class OdGeMatrix2d;

class OdGeLineSeg2d {
public:
  constexpr OdGeLineSeg2d() : m_start(0.0, 0.0), m_end(1.0, 0.0) {}
  constexpr OdGeLineSeg2d(const OdGePoint2d& startPoint, const OdGePoint2d& endPoint) : m_start(startPoint), m_end(endPoint) {}

  OdGeLineSeg2d& set(const OdGePoint2d& startPoint, const OdGePoint2d& endPoint)
  {
    m_start = startPoint;
    m_end = endPoint;
    return *this;
  }

  OdGePoint2d startPoint() const { return m_start; }
  OdGePoint2d endPoint() const { return m_end; }
  OdGePoint2d midPoint() const { return evalPoint(0.5); }
  double length() const { return m_start.distanceTo(m_end); }
  // Unit direction from start to end (zero for a degenerate segment).
  OdGeVector2d direction() const { return (m_end - m_start).normal(); }

  OdGePoint2d evalPoint(double param) const { return m_start + (m_end - m_start) * param; }
  // Parameter of the point's projection onto the supporting line (0 for a degenerate segment).
  double paramOf(const OdGePoint2d& point) const;
  // Closest point of the segment (end points included).
  OdGePoint2d closestPointTo(const OdGePoint2d& point) const;
  double distanceTo(const OdGePoint2d& point) const { return closestPointTo(point).distanceTo(point); }

  OdGeLineSeg2d& reverseParam();
  OdGeLineSeg2d& transformBy(const OdGeMatrix2d& xfm);

private:
  OdGePoint2d m_start;
  OdGePoint2d m_end;
};
