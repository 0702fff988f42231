#pragma once
// Circular arc in 2D.
//
// The arc runs from startAng() to endAng(), with 0 <= endAng() - startAng() <= 2 pi: the sweep
// (included angle) is always endAng() - startAng(), for either direction, so the arc length is
// (endAng() - startAng()) * radius(). Angles (and the curve parameter) are measured from
// refVec() in the arc's own direction: counter-clockwise for a counter-clockwise arc, clockwise
// when isClockWise(). Hence evalPoint(a) = center + r * (cos(a) * refVec + sin(a) * perp), with
// perp = refVec rotated by +90 degrees (or by -90 degrees for a clockwise arc).
#include "Ge/GeConst.h"
#include "Ge/GeContext.h"
#include "Ge/GePoint2d.h"
#include "Ge/GeVector2d.h"

class OdGeCircArc2d {
public:
  // Unit circle about the origin.
  OdGeCircArc2d();
  // Full circle, counter-clockwise from the X axis.
  OdGeCircArc2d(const OdGePoint2d& center, double radius);
  OdGeCircArc2d(const OdGePoint2d& center, double radius, double startAng, double endAng,
                const OdGeVector2d& refVec = OdGeVector2d::kXAxis, bool isClockWise = false);
  // Arc from startPoint through point to endPoint.
  OdGeCircArc2d(const OdGePoint2d& startPoint, const OdGePoint2d& point, const OdGePoint2d& endPoint);
  // Polyline arc segment from startPoint to endPoint, see set().
  OdGeCircArc2d(const OdGePoint2d& startPoint, const OdGePoint2d& endPoint, double bulge, bool bulgeFlag = true);

  OdGeCircArc2d& set(const OdGePoint2d& center, double radius);
  // Angles in radians from refVec (a zero refVec means the X axis). An endAng below startAng
  // is raised by whole turns; a sweep beyond 2 pi is cut to a full circle.
  OdGeCircArc2d& set(const OdGePoint2d& center, double radius, double startAng, double endAng,
                     const OdGeVector2d& refVec = OdGeVector2d::kXAxis, bool isClockWise = false);
  // Arc through three points; its direction is the turn from startPoint over point to endPoint.
  // Collinear points give a degenerate arc (radius 0 at startPoint).
  OdGeCircArc2d& set(const OdGePoint2d& startPoint, const OdGePoint2d& point, const OdGePoint2d& endPoint);
  // Polyline arc segment. With bulgeFlag true, bulge = tan(included angle / 4); with bulgeFlag
  // false, bulge is the sagitta (largest distance between arc and chord). A positive bulge runs
  // counter-clockwise, a negative one clockwise (isClockWise()). The reference vector is the X
  // axis, so for a counter-clockwise arc startAng() is the polar angle of the start point about
  // the centre, in [0, 2 pi); for a clockwise one it is that angle measured clockwise.
  // A zero bulge or coincident end points give a degenerate arc (radius 0 at startPoint).
  OdGeCircArc2d& set(const OdGePoint2d& startPoint, const OdGePoint2d& endPoint, double bulge, bool bulgeFlag = true);

  OdGePoint2d center() const { return m_center; }
  double radius() const { return m_radius; }
  double startAng() const { return m_startAng; }
  double endAng() const { return m_endAng; }
  bool isClockWise() const { return m_clockWise; }
  OdGeVector2d refVec() const { return m_refVec; }

  OdGeCircArc2d& setCenter(const OdGePoint2d& center) { m_center = center; return *this; }
  OdGeCircArc2d& setRadius(double radius) { m_radius = radius; return *this; }
  // Same angle rules as set().
  OdGeCircArc2d& setAngles(double startAng, double endAng);
  OdGeCircArc2d& setRefVec(const OdGeVector2d& refVec);

  OdGePoint2d startPoint() const { return evalPoint(m_startAng); }
  OdGePoint2d endPoint() const { return evalPoint(m_endAng); }
  // Point halfway along the arc.
  OdGePoint2d midPoint() const { return evalPoint(0.5 * (m_startAng + m_endAng)); }

  // Arc length: (endAng - startAng) * radius.
  double length() const { return (m_endAng - m_startAng) * m_radius; }
  // Length between two parameters.
  double length(double fromParam, double toParam) const;

  // Point at the parameter (an angle measured as described above).
  OdGePoint2d evalPoint(double param) const;
  // Parameter of the point's direction from the centre, in [startAng, startAng + 2 pi).
  double paramOf(const OdGePoint2d& point) const;

  // The sweep is a full turn (within tol.equalVector()).
  bool isClosed(const OdGeTol& tol = OdGeContext::gTol) const;

private:
  void setDegenerate(const OdGePoint2d& point);

  OdGePoint2d m_center;
  double m_radius;
  double m_startAng;
  double m_endAng;
  OdGeVector2d m_refVec;
  bool m_clockWise;
};
