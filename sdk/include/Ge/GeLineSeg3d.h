#pragma once
// Bounded 3D line segment, parameter t in [0, 1]: point(t) = start + t * (end - start).
#include "Ge/GeContext.h"
#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"

class OdGeMatrix3d;

class OdGeLineSeg3d {
public:
  constexpr OdGeLineSeg3d() : m_start(0.0, 0.0, 0.0), m_end(1.0, 0.0, 0.0) {}
  constexpr OdGeLineSeg3d(const OdGePoint3d& startPoint, const OdGePoint3d& endPoint) : m_start(startPoint), m_end(endPoint) {}

  OdGeLineSeg3d& set(const OdGePoint3d& startPoint, const OdGePoint3d& endPoint)
  {
    m_start = startPoint;
    m_end = endPoint;
    return *this;
  }

  OdGePoint3d startPoint() const { return m_start; }
  OdGePoint3d endPoint() const { return m_end; }
  OdGePoint3d midPoint() const { return evalPoint(0.5); }
  double length() const { return m_start.distanceTo(m_end); }
  // Unit direction from start to end (zero for a degenerate segment).
  OdGeVector3d direction() const { return (m_end - m_start).normal(); }

  OdGePoint3d evalPoint(double param) const { return m_start + (m_end - m_start) * param; }
  // Parameter of the point's projection onto the supporting line (0 for a degenerate segment).
  double paramOf(const OdGePoint3d& point) const;
  // Closest point of the segment (end points included).
  OdGePoint3d closestPointTo(const OdGePoint3d& point) const;
  double distanceTo(const OdGePoint3d& point) const { return closestPointTo(point).distanceTo(point); }

  OdGeLineSeg3d& reverseParam();
  OdGeLineSeg3d& transformBy(const OdGeMatrix3d& xfm);

private:
  OdGePoint3d m_start;
  OdGePoint3d m_end;
};
