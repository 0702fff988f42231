#include "Db/DbHatch.h"

#include <algorithm>
#include <cmath>

#include "Db/DbAssign.h"
#include "Db/DbDatabase.h"
#include "Dxf/DxfFiler.h"
#include "Ge/GeConst.h"
#include "Ge/GeNurbCurve3d.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbHatch, OdDbEntity, L"HATCH", new OdDbHatch)

namespace {
const double kTwoPi = 6.283185307179586;
typedef OdDbHatch::Edge Edge;
typedef OdDbHatch::Loop Loop;

double cross(const OdGePoint2d& a, const OdGePoint2d& b) { return a.x * b.y - a.y * b.x; }
bool finite(const OdGePoint2d& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// The counter-clockwise sweep from a to b, in (0, 2 pi].
double sweepOf(double a, double b) {
  double s = std::fmod(b - a, kTwoPi);
  if (s <= 0.0) s += kTwoPi;
  return s;
}

// An elliptic (or circular) arc as centre + u cos t + v sin t.
struct Ellipse {
  OdGePoint2d c;
  OdGeVector2d u, v;
  OdGePoint2d at(double t) const { return c + u * std::cos(t) + v * std::sin(t); }
};

Ellipse ellipseOf(const Edge& e) {
  Ellipse el;
  el.c = e.center;
  if (e.kind == Edge::kCirArc) {
    el.u = OdGeVector2d(e.radius, 0.0);
    el.v = OdGeVector2d(0.0, e.radius);
  } else {
    el.u = e.majorAxis;
    el.v = OdGeVector2d(-e.majorAxis.y, e.majorAxis.x) * e.ratio;
  }
  return el;
}

// Parameters of an arc edge in the order it runs.
void runOf(const Edge& e, double& from, double& to) {
  const double s = sweepOf(e.startAngle, e.endAngle);
  if (e.ccw) {
    from = e.startAngle;
    to = e.startAngle + s;
  } else {
    from = e.startAngle + s;
    to = e.startAngle;
  }
}

// The integral of x dy - y dx between the parameters of c + u cos t + v sin t.
double ellipseIntegral(const Ellipse& el, double a, double b) {
  // x dy - y dx = c x (-u sin t + v cos t) + (u x v)(cos^2 + sin^2), with x the 2D cross product.
  const double cu = el.c.x * el.u.y - el.c.y * el.u.x, cv = el.c.x * el.v.y - el.c.y * el.v.x;
  const double uv = el.u.x * el.v.y - el.u.y * el.v.x;
  return cu * (std::cos(b) - std::cos(a)) + cv * (std::sin(b) - std::sin(a)) + uv * (b - a);
}

bool splineOf(const Edge& e, OdGeNurbCurve3d& curve) {
  std::vector<OdGePoint3d> points;
  for (const OdGePoint2d& p : e.controlPoints) points.emplace_back(p.x, p.y, 0.0);
  return curve.set(e.degree, e.knots, points, e.rational ? e.weights : std::vector<double>());
}

// Gauss-Legendre nodes and weights of order 8 on [-1, 1].
const double kNodes[] = {-0.9602898564975363, -0.7966664774136267, -0.5255324099163290, -0.1834346424956498,
                         0.1834346424956498,  0.5255324099163290,  0.7966664774136267,  0.9602898564975363};
const double kWeights[] = {0.1012285362903763, 0.2223810344533745, 0.3137066458778873, 0.3626837833783620,
                           0.3626837833783620, 0.3137066458778873, 0.2223810344533745, 0.1012285362903763};

double splineIntegral(const OdGeNurbCurve3d& curve) {
  const std::vector<double>& k = curve.knots();
  double sum = 0.0;
  for (size_t i = size_t(curve.degree()); i < curve.controlPoints().size(); ++i) {
    const double a = k[i], b = k[i + 1];
    if (b <= a) continue;
    // Rational spans are not polynomials: pieces small enough for 1e-12.
    const int pieces = curve.isRational() ? 64 : 4;
    for (int p = 0; p < pieces; ++p) {
      const double lo = a + (b - a) * p / pieces, hi = a + (b - a) * (p + 1) / pieces;
      for (int n = 0; n < 8; ++n) {
        const double t = (lo + hi) / 2 + (hi - lo) / 2 * kNodes[n];
        const OdGePoint3d q = curve.evalPoint(t);
        const OdGeVector3d d = curve.evalDerivative(t);
        sum += kWeights[n] * (hi - lo) / 2 * (q.x * d.y - q.y * d.x);
      }
    }
  }
  return sum;
}

// The loop as points along it (arcs and splines finely divided), for containment tests.
std::vector<OdGePoint2d> outlineOf(const Loop& loop) {
  std::vector<OdGePoint2d> out;
  if (loop.type & OdDbHatch::kPolyline) {
    const size_t n = loop.vertices.size();
    for (size_t i = 0; i < n; ++i) {
      const OdGePoint2d& p = loop.vertices[i];
      const OdGePoint2d& q = loop.vertices[(i + 1) % n];
      const double b = i < loop.bulges.size() ? loop.bulges[i] : 0.0;
      out.push_back(p);
      if (b == 0.0 || (i + 1 == n && !loop.closed)) continue;
      const double theta = 4.0 * std::atan(b), c = p.distanceTo(q);
      if (c == 0.0) continue;
      const double r = c / (2.0 * std::sin(std::fabs(theta) / 2.0));
      const OdGeVector2d chord = (q - p) / c, left(-chord.y, chord.x);
      // The centre lies left of the chord for a counter-clockwise arc of less than a half turn.
      const double h = r * std::cos(std::fabs(theta) / 2.0) * (std::fabs(theta) > OdaPI ? -1.0 : 1.0);
      const OdGePoint2d centre = p + (q - p) / 2.0 + left * (b > 0 ? h : -h);
      const double a0 = std::atan2(p.y - centre.y, p.x - centre.x);
      for (int k = 1; k < 16; ++k) {
        const double t = a0 + theta * k / 16;
        out.emplace_back(centre.x + r * std::cos(t), centre.y + r * std::sin(t));
      }
    }
    return out;
  }
  for (const Edge& e : loop.edges) {
    switch (e.kind) {
      case Edge::kLine: out.push_back(e.start); break;
      case Edge::kCirArc:
      case Edge::kEllArc: {
        double from = 0, to = 0;
        runOf(e, from, to);
        const Ellipse el = ellipseOf(e);
        for (int k = 0; k < 32; ++k) out.push_back(el.at(from + (to - from) * k / 32));
        break;
      }
      case Edge::kSpline: {
        OdGeNurbCurve3d curve;
        if (!splineOf(e, curve)) break;
        for (const OdGePoint3d& p : curve.samples(8, true)) out.emplace_back(p.x, p.y);
        break;
      }
    }
  }
  return out;
}

bool inside(const OdGePoint2d& p, const std::vector<OdGePoint2d>& polygon) {
  bool in = false;
  for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const OdGePoint2d& a = polygon[i];
    const OdGePoint2d& b = polygon[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) in = !in;
  }
  return in;
}

// Whether two segments that share no end cross.
bool crossing(const OdGePoint2d& a, const OdGePoint2d& b, const OdGePoint2d& c, const OdGePoint2d& d) {
  auto side = [](const OdGePoint2d& p, const OdGePoint2d& q, const OdGePoint2d& r) {
    return (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x);
  };
  const double d1 = side(c, d, a), d2 = side(c, d, b), d3 = side(a, b, c), d4 = side(a, b, d);
  return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

bool selfCrossing(const std::vector<OdGePoint2d>& p) {
  const size_t n = p.size();
  if (n < 4 || n > 3000) return false;
  for (size_t i = 0; i < n; ++i)
    for (size_t j = i + 2; j < n; ++j) {
      if (i == 0 && j == n - 1) continue;
      if (crossing(p[i], p[(i + 1) % n], p[j], p[(j + 1) % n])) return true;
    }
  return false;
}

// Twice the signed area of one loop; false when it is open or cannot be measured.
bool loopArea(const Loop& loop, double& twice) {
  twice = 0.0;
  if (loop.type & OdDbHatch::kPolyline) {
    const size_t n = loop.vertices.size();
    for (size_t i = 0; i < n; ++i) {
      const OdGePoint2d& p = loop.vertices[i];
      const OdGePoint2d& q = loop.vertices[(i + 1) % n];
      twice += cross(p, q);
      const double b = i < loop.bulges.size() ? loop.bulges[i] : 0.0;
      if (b == 0.0 || (i + 1 == n && !loop.closed)) continue;
      const double theta = 4.0 * std::atan(std::fabs(b)), c = p.distanceTo(q);
      const double r = c / (2.0 * std::sin(theta / 2.0));
      twice += (b > 0 ? 1.0 : -1.0) * r * r * (theta - std::sin(theta));
    }
    return std::isfinite(twice);
  }
  if (loop.edges.empty()) return true;
  OdGePoint2d first, last;
  const double tol = 1e-6;
  for (size_t i = 0; i < loop.edges.size(); ++i) {
    const Edge& e = loop.edges[i];
    OdGePoint2d from, to;
    switch (e.kind) {
      case Edge::kLine:
        from = e.start;
        to = e.end;
        twice += cross(from, to);
        break;
      case Edge::kCirArc:
      case Edge::kEllArc: {
        double a = 0, b = 0;
        runOf(e, a, b);
        const Ellipse el = ellipseOf(e);
        from = el.at(a);
        to = el.at(b);
        twice += ellipseIntegral(el, a, b);
        break;
      }
      case Edge::kSpline: {
        OdGeNurbCurve3d curve;
        if (!splineOf(e, curve)) return false;
        const OdGePoint3d s = curve.evalPoint(curve.startParam()), t = curve.evalPoint(curve.endParam());
        from = OdGePoint2d(s.x, s.y);
        to = OdGePoint2d(t.x, t.y);
        twice += splineIntegral(curve);
        break;
      }
    }
    if (i == 0) first = from;
    else if (from.distanceTo(last) > tol * (1.0 + std::fabs(from.x) + std::fabs(from.y))) return false;
    last = to;
  }
  if (last.distanceTo(first) > tol * (1.0 + std::fabs(first.x) + std::fabs(first.y))) return false;
  return std::isfinite(twice);
}

std::string textOf(const OdDxfIn& in, const OdDxfTag* t) { return std::string(in.text(*t)); }
}  // namespace

bool OdDbHatch::isHatch() const {
  assertReadEnabled();
  return !m_gradient;
}
bool OdDbHatch::isSolidFill() const {
  assertReadEnabled();
  return m_solid;
}
OdDbHatch::HatchPatternType OdDbHatch::patternType() const {
  assertReadEnabled();
  return m_type;
}
OdString OdDbHatch::patternName() const {
  assertReadEnabled();
  return m_name;
}

OdResult OdDbHatch::setPattern(HatchPatternType type, const OdString& name, double angle, double scale,
                               const OdHatchPattern& definition, const OdGePoint2d& basePoint) {
  assertWriteEnabled();
  if (type < kUserDefined || type > kCustomDefined || !std::isfinite(angle) || !(scale > 0.0) || !std::isfinite(scale))
    return eInvalidInput;
  m_type = type;
  m_name = name;
  m_solid = name.iCompare(L"SOLID") == 0;
  m_gradient = false;
  m_angle = angle;
  m_scale = scale;
  if (type == kUserDefined) {
    m_lines.clear();
    redrawUserPattern();
    return eOk;
  }
  m_lines.clear();
  const double c = std::cos(angle), s = std::sin(angle);
  auto turn = [&](const OdGeVector2d& v) { return OdGeVector2d(v.x * c - v.y * s, v.x * s + v.y * c) * scale; };
  for (const OdHatchPatternLine& line : definition) {
    OdHatchPatternLine l = line;
    l.m_dLineAngle = OdaNormalizedAngle(line.m_dLineAngle + angle);
    const OdGeVector2d base = turn(line.m_basePoint.asVector());
    l.m_basePoint = basePoint + base;
    l.m_patternOffset = turn(line.m_patternOffset);
    for (double& d : l.m_dashes) d *= scale;
    m_lines.push_back(l);
  }
  return eOk;
}

// The lines keep the direction they have (a file's lines may run at an
// angle of their own); a pattern without lines takes the pattern angle.
void OdDbHatch::redrawUserPattern() {
  const OdGePoint2d origin = originPoint();
  const double angle = m_lines.empty() ? m_angle : m_lines.front().m_dLineAngle;
  m_lines.clear();
  for (int k = 0; k < (m_double ? 2 : 1); ++k) {
    OdHatchPatternLine l;
    l.m_dLineAngle = OdaNormalizedAngle(angle + k * OdaPI / 2);
    l.m_basePoint = origin;
    l.m_patternOffset = OdGeVector2d(-std::sin(l.m_dLineAngle), std::cos(l.m_dLineAngle)) * m_space;
    m_lines.push_back(l);
  }
}

double OdDbHatch::patternAngle() const {
  assertReadEnabled();
  return m_angle;
}
// The line families turn with the pattern about its origin.
OdResult OdDbHatch::setPatternAngle(double angle) {
  assertWriteEnabled();
  if (!std::isfinite(angle)) return eInvalidInput;
  const double by = angle - m_angle, c = std::cos(by), s = std::sin(by);
  const OdGePoint2d origin = originPoint();
  auto turn = [&](const OdGeVector2d& v) { return OdGeVector2d(v.x * c - v.y * s, v.x * s + v.y * c); };
  for (OdHatchPatternLine& l : m_lines) {
    l.m_dLineAngle = OdaNormalizedAngle(l.m_dLineAngle + by);
    l.m_basePoint = origin + turn(l.m_basePoint - origin);
    l.m_patternOffset = turn(l.m_patternOffset);
  }
  m_angle = angle;
  return eOk;
}
double OdDbHatch::patternScale() const {
  assertReadEnabled();
  return m_scale;
}
OdResult OdDbHatch::setPatternScale(double scale) {
  assertWriteEnabled();
  if (!(scale > 0.0) || !std::isfinite(scale)) return eInvalidInput;
  const double by = scale / m_scale;
  const OdGePoint2d origin = originPoint();
  OdHatchPattern lines = m_lines;
  for (OdHatchPatternLine& l : lines) {
    l.m_basePoint = origin + (l.m_basePoint - origin) * by;
    l.m_patternOffset *= by;
    for (double& d : l.m_dashes) d *= by;
    if (!finite(l.m_basePoint) || !std::isfinite(l.m_patternOffset.x) || !std::isfinite(l.m_patternOffset.y))
      return eInvalidInput;
  }
  m_lines = lines;
  m_scale = scale;
  return eOk;
}
double OdDbHatch::patternSpace() const {
  assertReadEnabled();
  return m_space;
}
OdResult OdDbHatch::setPatternSpace(double space) {
  assertWriteEnabled();
  if (!(space > 0.0) || !std::isfinite(space)) return eInvalidInput;
  m_space = space;
  if (m_type == kUserDefined) redrawUserPattern();
  return eOk;
}
bool OdDbHatch::patternDouble() const {
  assertReadEnabled();
  return m_double;
}
OdResult OdDbHatch::setPatternDouble(bool on) {
  assertWriteEnabled();
  m_double = on;
  if (m_type == kUserDefined) redrawUserPattern();
  return eOk;
}
const OdHatchPattern& OdDbHatch::patternLines() const {
  assertReadEnabled();
  return m_lines;
}
OdGePoint2d OdDbHatch::originPoint() const {
  assertReadEnabled();
  return m_lines.empty() ? OdGePoint2d() : m_lines.front().m_basePoint;
}
OdResult OdDbHatch::setOriginPoint(const OdGePoint2d& point) {
  assertWriteEnabled();
  if (!finite(point)) return eInvalidInput;
  const OdGeVector2d by = point - originPoint();
  for (OdHatchPatternLine& l : m_lines) l.m_basePoint += by;
  return eOk;
}

OdDbHatch::HatchStyle OdDbHatch::hatchStyle() const {
  assertReadEnabled();
  return m_style;
}
OdResult OdDbHatch::setHatchStyle(HatchStyle style) {
  assertWriteEnabled();
  if (style < kNormal || style > kIgnore) return eInvalidInput;
  m_style = style;
  if (m_type == kUserDefined && !m_gradient) redrawUserPattern();
  return eOk;
}
bool OdDbHatch::associative() const {
  assertReadEnabled();
  return m_associative;
}
OdResult OdDbHatch::setAssociative(bool on) {
  assertWriteEnabled();
  if (m_associative == on) return eOk;
  m_associative = on;
  if (!on) {
    bool had = false;
    for (Loop& l : m_loops) {
      had = had || !l.sources.isEmpty();
      l.sources.clear();
    }
    if (had) m_boundaryTags.clear();
  }
  return eOk;
}
double OdDbHatch::elevation() const {
  assertReadEnabled();
  return m_elevation;
}
OdResult OdDbHatch::setElevation(double elevation) {
  assertWriteEnabled();
  return odDbAssignFinite(m_elevation, elevation);
}
OdGeVector3d OdDbHatch::normal() const {
  assertReadEnabled();
  return m_normal;
}
OdResult OdDbHatch::setNormal(const OdGeVector3d& normal) {
  assertWriteEnabled();
  return odDbAssignNormal(m_normal, normal);
}

OdResult OdDbHatch::setGradient(const OdString& name) {
  assertWriteEnabled();
  m_gradient = true;
  m_solid = true;
  m_name = L"SOLID";
  m_gradientName = name;
  if (m_gradientColors.size() < 2) {
    m_gradientColors = {OdCmColor::fromIndex(5), OdCmColor::fromIndex(2)};
    m_gradientValues = {0.0, 1.0};
  }
  return eOk;
}
OdString OdDbHatch::gradientName() const {
  assertReadEnabled();
  return m_gradientName;
}
void OdDbHatch::getGradientColors(unsigned& count, std::vector<OdCmColor>& colors, std::vector<double>& values) const {
  assertReadEnabled();
  colors = m_gradientColors;
  values = m_gradientValues;
  count = unsigned(colors.size());
}
OdResult OdDbHatch::setGradientColors(unsigned count, const OdCmColor* colors, const double* values) {
  assertWriteEnabled();
  if (count < 1 || count > 2 || !colors || !values) return eInvalidInput;
  m_gradientColors.assign(colors, colors + count);
  m_gradientValues.assign(values, values + count);
  return eOk;
}
double OdDbHatch::gradientAngle() const {
  assertReadEnabled();
  return m_gradientAngle;
}
OdResult OdDbHatch::setGradientAngle(double angle) {
  assertWriteEnabled();
  return odDbAssignFinite(m_gradientAngle, angle);
}
double OdDbHatch::gradientShift() const {
  assertReadEnabled();
  return m_gradientShift;
}
OdResult OdDbHatch::setGradientShift(double shift) {
  assertWriteEnabled();
  return odDbAssignFinite(m_gradientShift, shift);
}
bool OdDbHatch::gradientOneColorMode() const {
  assertReadEnabled();
  return m_oneColor;
}
OdResult OdDbHatch::setGradientOneColorMode(bool on) {
  assertWriteEnabled();
  m_oneColor = on;
  return eOk;
}
double OdDbHatch::shadeTintValue() const {
  assertReadEnabled();
  return m_tint;
}

const std::vector<OdDbHatch::Loop>& OdDbHatch::loops() const {
  assertReadEnabled();
  return m_loops;
}
OdResult OdDbHatch::appendLoop(const Loop& loop) {
  assertWriteEnabled();
  m_loops.push_back(loop);
  m_boundaryTags.clear();
  return eOk;
}
const std::vector<OdGePoint2d>& OdDbHatch::seedPoints() const {
  assertReadEnabled();
  return m_seeds;
}

OdResult OdDbHatch::getArea(double& area) const {
  assertReadEnabled();
  std::vector<double> areas;
  std::vector<std::vector<OdGePoint2d>> outlines;
  for (const Loop& loop : m_loops) {
    double twice = 0.0;
    if (!loopArea(loop, twice)) return eInvalidInput;
    if ((loop.type & kPolyline) && !loop.closed && loop.vertices.size() > 2 &&
        !loop.vertices.front().isEqualTo(loop.vertices.back()))
      return eInvalidInput;
    areas.push_back(std::fabs(twice) / 2.0);
    outlines.push_back(outlineOf(loop));
    if (selfCrossing(outlines.back())) return eInvalidInput;
  }
  area = 0.0;
  for (size_t i = 0; i < outlines.size(); ++i) {
    if (outlines[i].empty()) continue;
    int depth = 0;
    for (size_t j = 0; j < outlines.size(); ++j)
      if (j != i && outlines[j].size() > 2 && inside(outlines[i].front(), outlines[j])) ++depth;
    area += depth % 2 ? -areas[i] : areas[i];
  }
  return eOk;
}

// The section holds, in order: the head (elevation, normal, name, solid
// fill, association), the boundary (from the loop count on), the pattern
// (from the style on), seed points and gradient.
void OdDbHatch::dxfInFields(const OdDxfIn& in) {
  OdDbEntity::dxfInFields(in);
  const char* S = "AcDbHatch";
  m_normal = in.normal(S);
  m_elevation = in.point(S, 10).z;
  m_name = in.string(S, 2);
  m_solid = in.integer(S, 70, 0) != 0;
  m_associative = in.integer(S, 71, 0) != 0;
  const std::vector<const OdDxfTag*> tags = in.section(S);
  size_t i = 0;
  auto at = [&](int code) { return i < tags.size() && tags[i]->code == code; };
  auto real = [&]() { return in.toReal(*tags[i++]); };
  auto integer = [&]() { return int(in.toInteger(*tags[i++])); };
  auto point = [&](int code) {
    OdGePoint2d p;
    if (at(code)) p.x = real();
    if (at(code + 10)) p.y = real();
    if (at(code + 20)) ++i;
    return p;
  };
  while (i < tags.size() && tags[i]->code != 91) ++i;
  const size_t boundaryFrom = i;
  m_loops.clear();
  if (at(91)) {
    const int count = integer();
    for (int n = 0; n < count && at(92); ++n) {
      Loop loop;
      loop.type = integer();
      if (loop.type & kPolyline) {
        const bool bulged = at(72) && integer() != 0;
        loop.closed = !at(73) || integer() != 0;
        const int vertices = at(93) ? integer() : 0;
        for (int v = 0; v < vertices && at(10); ++v) {
          loop.vertices.push_back(point(10));
          loop.bulges.push_back(bulged && at(42) ? real() : 0.0);
        }
      } else {
        const int edges = at(93) ? integer() : 0;
        for (int k = 0; k < edges && at(72); ++k) {
          Edge e;
          e.kind = Edge::Kind(integer());
          switch (e.kind) {
            case Edge::kLine:
              e.start = point(10);
              e.end = point(11);
              break;
            case Edge::kCirArc:
            case Edge::kEllArc: {
              e.center = point(10);
              if (e.kind == Edge::kEllArc) e.majorAxis = point(11).asVector();
              const double size = at(40) ? real() : 0.0;
              (e.kind == Edge::kCirArc ? e.radius : e.ratio) = size;
              const double a = at(50) ? real() : 0.0, b = at(51) ? real() : 0.0;
              e.ccw = !at(73) || integer() != 0;
              // Clockwise edges hold the complements of their angles.
              e.startAngle = OdaToRadian(e.ccw ? a : 360.0 - b);
              e.endAngle = OdaToRadian(e.ccw ? b : 360.0 - a);
              break;
            }
            case Edge::kSpline: {
              e.degree = at(94) ? integer() : 3;
              e.rational = at(73) && integer() != 0;
              e.periodic = at(74) && integer() != 0;
              const int knots = at(95) ? integer() : 0, points = at(96) ? integer() : 0;
              for (int m = 0; m < knots && at(40); ++m) e.knots.push_back(real());
              for (int m = 0; m < points && at(10); ++m) {
                e.controlPoints.push_back(point(10));
                if (at(42)) e.weights.push_back(real());
              }
              const int fits = at(97) ? integer() : 0;
              for (int m = 0; m < fits && at(11); ++m) e.fitPoints.push_back(point(11));
              if (at(12)) e.startTangent = point(12).asVector();
              if (at(13)) e.endTangent = point(13).asVector();
              break;
            }
            default:
              k = edges;  // an edge of no known kind ends the loop's edges
              break;
          }
          loop.edges.push_back(e);
        }
      }
      const int sources = at(97) ? integer() : 0;
      for (int s = 0; s < sources && at(330); ++s) {
        const std::string_view h = in.text(*tags[i++]);
        if (OdDbDatabase* db = in.database()) loop.sources.append(db->getOdDbObjectId(OdDbHandle(OdString(std::string(h).c_str()))));
      }
      m_loops.push_back(loop);
    }
  }
  // Whatever stands between the loop count and the style is the boundary, kept as read.
  while (i < tags.size() && tags[i]->code != 75 && tags[i]->code != 76) ++i;
  m_boundaryTags.clear();
  for (size_t k = boundaryFrom; k < i; ++k) m_boundaryTags.emplace_back(tags[k]->code, textOf(in, tags[k]));

  m_style = HatchStyle(std::clamp(in.integer(S, 75, 0), 0, 2));
  m_type = HatchPatternType(std::clamp(in.integer(S, 76, 1), 0, 2));
  m_angle = OdaToRadian(in.real(S, 52, 0.0));
  m_scale = in.real(S, 41, 1.0);
  if (!(m_scale > 0.0)) m_scale = 1.0;
  m_double = in.integer(S, 77, 0) != 0;
  m_lines.clear();
  while (i < tags.size() && tags[i]->code != 78 && tags[i]->code != 98 && tags[i]->code != 450) ++i;
  if (at(78)) {
    const int count = integer();
    for (int n = 0; n < count && at(53); ++n) {
      OdHatchPatternLine l;
      l.m_dLineAngle = OdaToRadian(real());
      // One read at a time: arguments of one call are read in no fixed order.
      if (at(43)) l.m_basePoint.x = real();
      if (at(44)) l.m_basePoint.y = real();
      if (at(45)) l.m_patternOffset.x = real();
      if (at(46)) l.m_patternOffset.y = real();
      const int dashes = at(79) ? integer() : 0;
      for (int d = 0; d < dashes && at(49); ++d) l.m_dashes.push_back(real());
      m_lines.push_back(l);
    }
  }
  // A user-defined pattern's spacing is the distance between its lines.
  if (m_type == kUserDefined && !m_lines.empty() && m_lines[0].m_patternOffset.length() > 0.0)
    m_space = m_lines[0].m_patternOffset.length();
  m_hadPixelSize = in.has(S, 47);
  m_pixelSize = in.real(S, 47, 0.0);
  m_seeds.clear();
  while (i < tags.size() && tags[i]->code != 98 && tags[i]->code != 450) ++i;
  if (at(98)) {
    const int count = integer();
    for (int n = 0; n < count && at(10); ++n) m_seeds.push_back(point(10));
  }
  m_hadGradient = in.has(S, 450);
  m_gradient = in.integer(S, 450, 0) != 0;
  m_gradientReserved = in.integer(S, 451, 0);
  m_gradientAngle = in.real(S, 460, 0.0);
  m_gradientShift = in.real(S, 461, 0.0);
  m_oneColor = in.integer(S, 452, 0) != 0;
  m_tint = in.real(S, 462, 0.0);
  m_gradientName = in.string(S, 470);
  m_gradientColors.clear();
  m_gradientValues.clear();
  while (i < tags.size() && tags[i]->code != 453) ++i;
  const int colors = at(453) ? integer() : 0;
  for (int n = 0; n < colors && at(463); ++n) {
    m_gradientValues.push_back(real());
    OdCmColor color = OdCmColor::fromIndex(7);
    if (at(63)) color.setColorIndex(OdInt16(integer()));
    if (at(421)) {
      // A true colour, unless it is the one the index stands for.
      const OdUInt32 rgb = OdUInt32(integer());
      if (!color.isByACI() || color.rgb() != rgb || !in.has(S, 63))
        color.setRGB(OdUInt8(rgb >> 16), OdUInt8(rgb >> 8), OdUInt8(rgb));
    }
    m_gradientColors.push_back(color);
  }
}

void OdDbHatch::dxfOutFields(OdDxfOut& out) const {
  OdDbEntity::dxfOutFields(out);
  out.subclass("AcDbHatch");
  out.point(10, OdGePoint3d(0.0, 0.0, m_elevation));
  out.normal(210, m_normal);
  out.string(2, m_name);
  out.integer(70, m_solid ? 1 : 0);
  out.integer(71, m_associative ? 1 : 0);
  if (!m_boundaryTags.empty()) {
    for (const auto& t : m_boundaryTags) out.verbatim(t.first, t.second);
  } else {
    auto point = [&](int code, const OdGePoint2d& p) {
      out.real(code, p.x);
      out.real(code + 10, p.y);
    };
    out.integer(91, static_cast<long long>(m_loops.size()));
    for (const Loop& loop : m_loops) {
      out.integer(92, loop.type);
      if (loop.type & kPolyline) {
        bool bulged = false;
        for (double b : loop.bulges) bulged = bulged || b != 0.0;
        out.integer(72, bulged ? 1 : 0);
        out.integer(73, loop.closed ? 1 : 0);
        out.integer(93, static_cast<long long>(loop.vertices.size()));
        for (size_t v = 0; v < loop.vertices.size(); ++v) {
          point(10, loop.vertices[v]);
          if (bulged) out.real(42, v < loop.bulges.size() ? loop.bulges[v] : 0.0);
        }
      } else {
        out.integer(93, static_cast<long long>(loop.edges.size()));
        for (const Edge& e : loop.edges) {
          out.integer(72, e.kind);
          switch (e.kind) {
            case Edge::kLine:
              point(10, e.start);
              point(11, e.end);
              break;
            case Edge::kCirArc:
            case Edge::kEllArc: {
              point(10, e.center);
              if (e.kind == Edge::kEllArc) point(11, OdGePoint2d::kOrigin + e.majorAxis);
              out.real(40, e.kind == Edge::kCirArc ? e.radius : e.ratio);
              const double a = OdDxfOut::degreesOf(e.startAngle), b = OdDxfOut::degreesOf(e.endAngle);
              out.real(50, e.ccw ? a : 360.0 - b);
              out.real(51, e.ccw ? b : 360.0 - a);
              out.integer(73, e.ccw ? 1 : 0);
              break;
            }
            case Edge::kSpline:
              out.integer(94, e.degree);
              out.integer(73, e.rational ? 1 : 0);
              out.integer(74, e.periodic ? 1 : 0);
              out.integer(95, static_cast<long long>(e.knots.size()));
              out.integer(96, static_cast<long long>(e.controlPoints.size()));
              for (double k : e.knots) out.real(40, k);
              for (size_t m = 0; m < e.controlPoints.size(); ++m) {
                point(10, e.controlPoints[m]);
                if (e.rational) out.real(42, m < e.weights.size() ? e.weights[m] : 1.0);
              }
              out.integer(97, static_cast<long long>(e.fitPoints.size()));
              for (const OdGePoint2d& f : e.fitPoints) point(11, f);
              if (!e.fitPoints.empty()) {
                point(12, OdGePoint2d::kOrigin + e.startTangent);
                point(13, OdGePoint2d::kOrigin + e.endTangent);
              }
              break;
          }
        }
      }
      out.integer(97, static_cast<long long>(loop.sources.size()));
      for (const OdDbObjectId& id : loop.sources) out.reference(330, id);
    }
  }
  out.integer(75, m_style);
  out.integer(76, m_type);
  if (!m_solid || out.hadField(52)) {
    out.angle(52, m_angle);
    out.real(41, m_scale);
    out.integer(77, m_double ? 1 : 0);
    out.integer(78, static_cast<long long>(m_lines.size()));
    for (const OdHatchPatternLine& l : m_lines) {
      out.angle(53, l.m_dLineAngle);
      out.real(43, l.m_basePoint.x);
      out.real(44, l.m_basePoint.y);
      out.real(45, l.m_patternOffset.x);
      out.real(46, l.m_patternOffset.y);
      out.integer(79, static_cast<long long>(l.m_dashes.size()));
      for (double d : l.m_dashes) out.real(49, d);
    }
  }
  if (m_hadPixelSize) out.real(47, m_pixelSize);
  out.integer(98, static_cast<long long>(m_seeds.size()));
  for (const OdGePoint2d& s : m_seeds) {
    out.real(10, s.x);
    out.real(20, s.y);
  }
  if (m_gradient || m_hadGradient) {
    out.integer(450, m_gradient ? 1 : 0);
    out.integer(451, m_gradientReserved);
    out.real(460, m_gradientAngle);
    out.real(461, m_gradientShift);
    out.integer(452, m_oneColor ? 1 : 0);
    out.real(462, m_tint);
    out.integer(453, static_cast<long long>(m_gradientColors.size()));
    for (size_t n = 0; n < m_gradientColors.size(); ++n) {
      out.real(463, n < m_gradientValues.size() ? m_gradientValues[n] : double(n));
      const OdCmColor& c = m_gradientColors[n];
      if (c.isByACI()) out.integer(63, c.colorIndex());
      out.integer(421, static_cast<long long>(c.rgb()));
    }
    out.string(470, m_gradientName);
  }
}
