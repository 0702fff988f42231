#include "Db/DbHelix.h"

#include <cmath>

#include "Db/DbAssign.h"
#include "Dxf/DxfFiler.h"
#include "Ge/GeConst.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbHelix, OdDbSpline, L"HELIX", new OdDbHelix)

namespace {
bool positive(double v) { return std::isfinite(v) && v > 0.0; }
}  // namespace

OdDbHelix::OdDbHelix() { redraw(); }

OdGePoint3d OdDbHelix::axisPoint() const {
  assertReadEnabled();
  return m_axisPoint;
}
OdResult OdDbHelix::setAxisPoint(const OdGePoint3d& point, bool moveStartPoint) {
  assertWriteEnabled();
  if (!point.isFinite()) return eInvalidInput;
  if (moveStartPoint) m_startPoint += point - m_axisPoint;
  m_axisPoint = point;
  redraw();
  return eOk;
}
OdGePoint3d OdDbHelix::startPoint() const {
  assertReadEnabled();
  return m_startPoint;
}
OdResult OdDbHelix::setStartPoint(const OdGePoint3d& point) {
  assertWriteEnabled();
  if (!point.isFinite()) return eInvalidInput;
  m_startPoint = point;
  redraw();
  return eOk;
}
OdGeVector3d OdDbHelix::axisVector() const {
  assertReadEnabled();
  return m_axis;
}
OdResult OdDbHelix::setAxisVector(const OdGeVector3d& axis) {
  assertWriteEnabled();
  const OdResult r = odDbAssignNormal(m_axis, axis);
  if (r == eOk) redraw();
  return r;
}
double OdDbHelix::baseRadius() const {
  assertReadEnabled();
  const OdGeVector3d v = m_startPoint - m_axisPoint;
  return (v - m_axis * v.dotProduct(m_axis)).length();
}
OdResult OdDbHelix::setBaseRadius(double radius) {
  assertWriteEnabled();
  if (!positive(radius)) return eInvalidInput;
  OdGeVector3d v = m_startPoint - m_axisPoint;
  OdGeVector3d across = v - m_axis * v.dotProduct(m_axis);
  if (across.isZeroLength()) across = m_axis.perpVector();
  m_startPoint = m_axisPoint + m_axis * v.dotProduct(m_axis) + across.normal() * radius;
  redraw();
  return eOk;
}
double OdDbHelix::topRadius() const {
  assertReadEnabled();
  return m_topRadius;
}
OdResult OdDbHelix::setTopRadius(double radius) {
  assertWriteEnabled();
  if (!std::isfinite(radius) || radius < 0.0) return eInvalidInput;
  m_topRadius = radius;
  redraw();
  return eOk;
}
double OdDbHelix::turns() const {
  assertReadEnabled();
  return m_turns;
}
double OdDbHelix::turnHeight() const {
  assertReadEnabled();
  return m_turnHeight;
}
double OdDbHelix::height() const {
  assertReadEnabled();
  return m_turns * m_turnHeight;
}
// What stays put when one of turns, turn height and height changes is the
// constraint, unless it is the value that changes; then the turns stay. A
// change that would leave any of the three unusable is refused.
namespace {
const double kMaxTurns = 1e4;  // a spiral of more turns is drawn from too many points
bool usable(double turns, double turnHeight) {
  return positive(turns) && turns <= kMaxTurns && std::isfinite(turnHeight) && turnHeight != 0.0 &&
         std::isfinite(turns * turnHeight) && turns * turnHeight != 0.0;
}
}  // namespace

OdResult OdDbHelix::setTurns(double turns) {
  assertWriteEnabled();
  const double turnHeight = m_constrain == kHeight ? height() / turns : m_turnHeight;
  if (!usable(turns, turnHeight)) return eInvalidInput;
  m_turns = turns;
  m_turnHeight = turnHeight;
  redraw();
  return eOk;
}
OdResult OdDbHelix::setTurnHeight(double turnHeight) {
  assertWriteEnabled();
  const double turns = m_constrain == kHeight ? height() / turnHeight : m_turns;
  if (!usable(turns, turnHeight)) return eInvalidInput;
  m_turns = turns;
  m_turnHeight = turnHeight;
  redraw();
  return eOk;
}
OdResult OdDbHelix::setHeight(double h) {
  assertWriteEnabled();
  const double turns = m_constrain == kTurnHeight ? h / m_turnHeight : m_turns;
  const double turnHeight = m_constrain == kTurnHeight ? m_turnHeight : h / m_turns;
  if (!std::isfinite(h) || !usable(turns, turnHeight)) return eInvalidInput;
  m_turns = turns;
  m_turnHeight = turnHeight;
  redraw();
  return eOk;
}
bool OdDbHelix::twist() const {
  assertReadEnabled();
  return m_ccw;
}
OdResult OdDbHelix::setTwist(bool counterclockwise) {
  assertWriteEnabled();
  m_ccw = counterclockwise;
  redraw();
  return eOk;
}
OdDbHelix::ConstrainType OdDbHelix::constrain() const {
  assertReadEnabled();
  return m_constrain;
}
OdResult OdDbHelix::setConstrain(int constrain) {
  assertWriteEnabled();
  if (constrain < kTurnHeight || constrain > kHeight) return eInvalidInput;
  m_constrain = ConstrainType(constrain);
  return eOk;
}
double OdDbHelix::turnSlope() const {
  assertReadEnabled();
  const double r = baseRadius();
  return r > 0.0 ? std::atan(m_turnHeight / (Oda2PI * r)) : OdaPI / 2;
}

// The point of the spiral at a fraction of its turns: the radius changes
// evenly from the base to the top, as the height does.
OdGePoint3d OdDbHelix::spiralAt(double f) const {
  const OdGeVector3d v = m_startPoint - m_axisPoint;
  const OdGeVector3d across = v - m_axis * v.dotProduct(m_axis);
  const OdGeVector3d x = across.isZeroLength() ? m_axis.perpVector() : across.normal();
  const OdGeVector3d y = m_axis.crossProduct(x) * (m_ccw ? 1.0 : -1.0);
  const double angle = Oda2PI * m_turns * f;
  const double r = baseRadius() + (m_topRadius - baseRadius()) * f;
  return m_axisPoint + m_axis * (v.dotProduct(m_axis) + height() * f) + (x * std::cos(angle) + y * std::sin(angle)) * r;
}

double OdDbHelix::totalLength() const {
  assertReadEnabled();
  // Gauss-Legendre over each quarter turn of |d spiral / d f|.
  static const double gx[] = {0.0, -0.5384693101056831, 0.5384693101056831, -0.9061798459386640, 0.9061798459386640};
  static const double gw[] = {0.5688888888888889, 0.4786286704993665, 0.4786286704993665, 0.2369268850561891,
                              0.2369268850561891};
  const double rb = baseRadius(), dr = m_topRadius - rb, theta = Oda2PI * m_turns, h = height();
  auto speed = [&](double f) {
    const double r = rb + dr * f;
    return std::sqrt(dr * dr + r * r * theta * theta + h * h);
  };
  const int pieces = std::max(4, int(std::ceil(m_turns * 16)));
  double total = 0.0;
  for (int i = 0; i < pieces; ++i) {
    const double a = double(i) / pieces, b = double(i + 1) / pieces;
    double s = 0.0;
    for (int k = 0; k < 5; ++k) s += gw[k] * speed(0.5 * (a + b) + 0.5 * (b - a) * gx[k]);
    total += 0.5 * (b - a) * s;
  }
  return total;
}

// The spline through eight points a turn, leaving and arriving along the spiral.
void OdDbHelix::redraw() {
  const int count = std::max(2, int(std::ceil(m_turns * 8)) + 1);
  std::vector<OdGePoint3d> points;
  for (int i = 0; i < count; ++i) points.push_back(spiralAt(double(i) / (count - 1)));
  const double d = 1e-6;
  drawThrough(points, spiralAt(d) - spiralAt(0), spiralAt(1) - spiralAt(1 - d));
}

void OdDbHelix::dxfInFields(const OdDxfIn& in) {
  OdDbSpline::dxfInFields(in);
  const char* S = "AcDbHelix";
  m_axisPoint = in.point(S, 10);
  m_startPoint = in.point(S, 11, OdGePoint3d(1, 0, 0));
  m_axis = in.vector(S, 12, OdGeVector3d::kZAxis);
  m_axis = m_axis.isZeroLength() ? OdGeVector3d::kZAxis : m_axis.normal();
  m_topRadius = in.real(S, 40, 1.0);
  if (!(m_topRadius >= 0.0)) m_topRadius = 1.0;
  m_turns = in.real(S, 41, 1.0);
  if (!positive(m_turns)) m_turns = 1.0;
  m_turnHeight = in.real(S, 42, 1.0);
  if (!std::isfinite(m_turnHeight)) m_turnHeight = 1.0;
  m_ccw = in.integer(S, 290, 1) != 0;
  const int c = in.integer(S, 280, kTurnHeight);
  m_constrain = c >= kTurnHeight && c <= kHeight ? ConstrainType(c) : kTurnHeight;
  // A helix a file gives without its spline is drawn.
  if (curve().isEmpty()) redraw();
}

void OdDbHelix::dxfOutFields(OdDxfOut& out) const {
  OdDbSpline::dxfOutFields(out);
  out.subclass("AcDbHelix");
  if (!out.fromFile()) {
    out.integer(90, 29);
    out.integer(91, 63);
  }
  out.point(10, m_axisPoint);
  out.point(11, m_startPoint);
  out.point(12, OdGePoint3d(m_axis.x, m_axis.y, m_axis.z));
  out.real(40, m_topRadius);
  out.real(41, m_turns);
  out.real(42, m_turnHeight);
  out.integer(290, m_ccw ? 1 : 0);
  out.integer(280, m_constrain);
}
