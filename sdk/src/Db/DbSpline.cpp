#include "Db/DbSpline.h"

#include <algorithm>
#include <cmath>

#include "Db/DbAssign.h"
#include "Dxf/DxfFiler.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbSpline, OdDbCurve, L"SPLINE", new OdDbSpline)

namespace {
// The size of the points' box, to measure tolerances against.
double extentOf(const std::vector<OdGePoint3d>& points) {
  if (points.empty()) return 0.0;
  OdGePoint3d lo = points[0], hi = points[0];
  for (const OdGePoint3d& p : points) {
    lo = OdGePoint3d(std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z));
    hi = OdGePoint3d(std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z));
  }
  return (hi - lo).length();
}

// The normal of the plane the points span, zero when they lie on a line.
OdGeVector3d spannedNormal(const std::vector<OdGePoint3d>& points, double tol) {
  if (points.size() < 3) return OdGeVector3d();
  // The point farthest from the first, then the one farthest from their line.
  size_t far1 = 0;
  for (size_t i = 1; i < points.size(); ++i)
    if ((points[i] - points[0]).length() > (points[far1] - points[0]).length()) far1 = i;
  const OdGeVector3d axis = points[far1] - points[0];
  if (axis.length() <= tol) return OdGeVector3d();
  const OdGeVector3d u = axis.normal();
  OdGeVector3d best;
  double bestDistance = 0.0;
  for (const OdGePoint3d& p : points) {
    const OdGeVector3d v = p - points[0];
    const OdGeVector3d off = v - u * v.dotProduct(u);
    if (off.length() > bestDistance) {
      bestDistance = off.length();
      best = off;
    }
  }
  if (bestDistance <= tol) return OdGeVector3d();
  return u.crossProduct(best).normal();
}

double tolerance(const std::vector<OdGePoint3d>& points) { return 1e-10 * std::max(1.0, extentOf(points)); }

// The non-zero basis functions of degree p at t in the span k (indices k - p to k).
std::vector<double> basis(const std::vector<double>& u, size_t k, double t, int p) {
  std::vector<double> n(size_t(p) + 1, 0.0), left(size_t(p) + 1), right(size_t(p) + 1);
  n[0] = 1.0;
  for (int j = 1; j <= p; ++j) {
    left[size_t(j)] = t - u[k + 1 - size_t(j)];
    right[size_t(j)] = u[k + size_t(j)] - t;
    double saved = 0.0;
    for (int r = 0; r < j; ++r) {
      const double den = right[size_t(r) + 1] + left[size_t(j - r)];
      const double tmp = den != 0.0 ? n[size_t(r)] / den : 0.0;
      n[size_t(r)] = saved + right[size_t(r) + 1] * tmp;
      saved = left[size_t(j - r)] * tmp;
    }
    n[size_t(j)] = saved;
  }
  return n;
}
}  // namespace

int OdDbSpline::heldDegree() const { return m_curve.isEmpty() ? m_rawDegree : m_curve.degree(); }
const std::vector<OdGePoint3d>& OdDbSpline::heldPoints() const {
  return m_curve.isEmpty() ? m_rawPoints : m_curve.controlPoints();
}
const std::vector<double>& OdDbSpline::heldKnots() const { return m_curve.isEmpty() ? m_rawKnots : m_curve.knots(); }
const std::vector<double>& OdDbSpline::heldWeights() const { return m_curve.isEmpty() ? m_rawWeights : m_curve.weights(); }
// Data that form a curve become it; others are kept as given, and the spline has no curve.
void OdDbSpline::setHeld(int degree, const std::vector<double>& knots, const std::vector<OdGePoint3d>& points,
                         const std::vector<double>& weights) {
  OdGeNurbCurve3d curve;
  if (curve.set(degree, knots, points, weights)) {
    m_curve = curve;
    m_rawPoints.clear();
    m_rawKnots.clear();
    m_rawWeights.clear();
    return;
  }
  m_curve = OdGeNurbCurve3d();
  m_rawDegree = degree;
  m_rawKnots = knots;
  m_rawPoints = points;
  m_rawWeights = weights;
}

OdResult OdDbSpline::setNurbsData(int degree, const std::vector<double>& knots, const std::vector<OdGePoint3d>& controlPoints,
                                  bool periodic) {
  return setNurbsData(degree, false, false, periodic, controlPoints, knots, std::vector<double>(), m_controlTol, m_knotTol);
}

OdResult OdDbSpline::setNurbsData(int degree, bool rational, bool closed, bool periodic,
                                  const std::vector<OdGePoint3d>& controlPoints, const std::vector<double>& knots,
                                  const std::vector<double>& weights, double controlPtTol, double knotTol) {
  assertWriteEnabled();
  for (const OdGePoint3d& p : controlPoints)
    if (!p.isFinite()) return eInvalidInput;
  if (!std::isfinite(controlPtTol) || !std::isfinite(knotTol) || controlPtTol < 0.0 || knotTol < 0.0) return eInvalidInput;
  OdGeNurbCurve3d curve;
  if (!curve.set(degree, knots, controlPoints, rational ? weights : std::vector<double>())) return eInvalidInput;
  setHeld(degree, knots, controlPoints, rational ? weights : std::vector<double>());
  m_periodic = periodic;
  m_closedFlag = closed;
  m_controlTol = controlPtTol;
  m_knotTol = knotTol;
  return eOk;
}

void OdDbSpline::getNurbsData(int& degree, bool& rational, bool& closed, bool& periodic,
                              std::vector<OdGePoint3d>& controlPoints, std::vector<double>& knots,
                              std::vector<double>& weights, double& controlPtTol, double& knotTol) const {
  assertReadEnabled();
  degree = heldDegree();
  rational = !heldWeights().empty();
  closed = m_closedFlag || isClosed();
  periodic = m_periodic;
  controlPoints = heldPoints();
  knots = heldKnots();
  weights = heldWeights();
  controlPtTol = m_controlTol;
  knotTol = m_knotTol;
}

OdResult OdDbSpline::setFitData(const std::vector<OdGePoint3d>& fitPoints, int degree, double fitTolerance,
                                const OdGeVector3d& startTangent, const OdGeVector3d& endTangent) {
  assertWriteEnabled();
  for (const OdGePoint3d& p : fitPoints)
    if (!p.isFinite()) return eInvalidInput;
  if (!std::isfinite(fitTolerance) || fitTolerance < 0.0 || !startTangent.isFinite() || !endTangent.isFinite())
    return eInvalidInput;
  if (!fitPoints.empty() && fitPoints.size() < 2) return eInvalidInput;
  const bool same = fitPoints.size() == m_fitPoints.size() &&
                    std::equal(fitPoints.begin(), fitPoints.end(), m_fitPoints.begin(),
                               [](const OdGePoint3d& a, const OdGePoint3d& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }) &&
                    startTangent == m_startTangent && endTangent == m_endTangent;
  m_fitPoints = fitPoints;
  m_fitTol = fitTolerance;
  m_startTangent = startTangent;
  m_endTangent = endTangent;
  (void)degree;  // curves through fit points are cubic
  if (!same) interpolate();
  return eOk;
}

void OdDbSpline::getFitData(std::vector<OdGePoint3d>& fitPoints, int& degree, double& fitTolerance, bool& tangentsExist,
                            OdGeVector3d& startTangent, OdGeVector3d& endTangent) const {
  assertReadEnabled();
  fitPoints = m_fitPoints;
  degree = heldDegree();
  fitTolerance = m_fitTol;
  tangentsExist = !m_startTangent.isZeroLength() || !m_endTangent.isZeroLength();
  startTangent = m_startTangent;
  endTangent = m_endTangent;
}

void OdDbSpline::getFitTangents(OdGeVector3d& startTangent, OdGeVector3d& endTangent) const {
  assertReadEnabled();
  startTangent = m_startTangent;
  endTangent = m_endTangent;
}

// The cubic through the fit points: chord-length parameters, simple interior
// knots, and the end derivatives given by the tangents or, where there are
// none, those of the parabola through the three points at the end.
void OdDbSpline::interpolate() {
  const std::vector<OdGePoint3d>& q = m_fitPoints;
  const size_t n = q.size();
  if (n < 2) return;
  std::vector<double> t(n, 0.0);
  for (size_t k = 1; k < n; ++k) {
    t[k] = t[k - 1] + (q[k] - q[k - 1]).length();
    if (!(t[k] > t[k - 1])) return;  // repeated points: no curve through them
  }
  auto endDerivative = [&](size_t a, size_t b, size_t c, const OdGeVector3d& given, bool atStart) {
    if (!given.isZeroLength()) return given.normal();
    if (n == 2) return (q[1] - q[0]) / (t[1] - t[0]);
    const double ta = t[a], tb = t[b], tc = t[c], at = atStart ? ta : tc;
    // The derivative of the Lagrange parabola through the three points.
    const double la = ((at - tb) + (at - tc)) / ((ta - tb) * (ta - tc));
    const double lb = ((at - ta) + (at - tc)) / ((tb - ta) * (tb - tc));
    const double lc = ((at - ta) + (at - tb)) / ((tc - ta) * (tc - tb));
    const OdGeVector3d va(q[a].x, q[a].y, q[a].z), vb(q[b].x, q[b].y, q[b].z), vc(q[c].x, q[c].y, q[c].z);
    return va * la + vb * lb + vc * lc;
  };
  const OdGeVector3d d0 = endDerivative(0, 1, 2, m_startTangent, true);
  const OdGeVector3d dn = endDerivative(n - 3, n - 2, n - 1, m_endTangent, false);
  std::vector<double> knots(4, t[0]);
  for (size_t k = 1; k + 1 < n; ++k) knots.push_back(t[k]);
  for (int i = 0; i < 4; ++i) knots.push_back(t[n - 1]);
  const size_t m = n + 2;  // control points
  std::vector<OdGePoint3d> p(m);
  p[0] = q[0];
  p[m - 1] = q[n - 1];
  p[1] = q[0] + d0 * ((knots[4] - knots[3]) / 3.0);
  p[m - 2] = q[n - 1] - dn * ((knots[m] - knots[m - 1]) / 3.0);
  // The interior points: one equation a fit point, three unknowns each (tridiagonal).
  const size_t unknowns = n >= 2 ? n - 2 : 0;
  std::vector<double> sub(unknowns), diag(unknowns), sup(unknowns);
  std::vector<OdGeVector3d> rhs(unknowns);
  for (size_t k = 1; k + 1 < n; ++k) {
    const size_t span = k + 3;  // t[k] is knot k + 3
    const std::vector<double> b = basis(knots, span, t[k], 3);
    const size_t row = k - 1;
    OdGeVector3d r(q[k].x, q[k].y, q[k].z);
    for (int j = 0; j <= 3; ++j) {
      const size_t col = span - 3 + size_t(j);
      const double v = b[size_t(j)];
      if (v == 0.0) continue;
      if (col < 2 || col > m - 3) {
        r -= OdGeVector3d(p[col].x, p[col].y, p[col].z) * v;
        continue;
      }
      const size_t c = col - 2;
      if (c + 1 == row) sub[row] = v;
      else if (c == row) diag[row] = v;
      else if (c == row + 1) sup[row] = v;
    }
    rhs[row] = r;
  }
  // Thomas' algorithm; the matrix of a B-spline interpolation needs no pivoting.
  for (size_t i = 1; i < unknowns; ++i) {
    if (diag[i - 1] == 0.0) return;
    const double f = sub[i] / diag[i - 1];
    diag[i] -= f * sup[i - 1];
    rhs[i] -= rhs[i - 1] * f;
  }
  for (size_t i = unknowns; i-- > 0;) {
    if (diag[i] == 0.0) return;
    OdGeVector3d v = rhs[i];
    if (i + 1 < unknowns) {
      const OdGePoint3d& next = p[i + 3];
      v -= OdGeVector3d(next.x, next.y, next.z) * sup[i];
    }
    v /= diag[i];
    p[i + 2] = OdGePoint3d(v.x, v.y, v.z);
  }
  OdGeNurbCurve3d curve;
  if (curve.set(3, knots, p)) {
    setHeld(3, knots, p, std::vector<double>());
    m_periodic = false;
  }
}

void OdDbSpline::drawThrough(const std::vector<OdGePoint3d>& points, const OdGeVector3d& startTangent,
                             const OdGeVector3d& endTangent) {
  std::vector<OdGePoint3d> fit;
  fit.swap(m_fitPoints);
  const OdGeVector3d start = m_startTangent, end = m_endTangent;
  m_fitPoints = points;
  m_startTangent = startTangent;
  m_endTangent = endTangent;
  interpolate();
  m_fitPoints.swap(fit);
  m_startTangent = start;
  m_endTangent = end;
}

const OdGeNurbCurve3d& OdDbSpline::curve() const {
  assertReadEnabled();
  return m_curve;
}
int OdDbSpline::degree() const {
  assertReadEnabled();
  return heldDegree();
}
bool OdDbSpline::isRational() const {
  assertReadEnabled();
  return !heldWeights().empty();
}
int OdDbSpline::numControlPoints() const {
  assertReadEnabled();
  return int(heldPoints().size());
}
OdResult OdDbSpline::getControlPointAt(int index, OdGePoint3d& point) const {
  assertReadEnabled();
  if (index < 0 || index >= numControlPoints()) return eInvalidIndex;
  point = heldPoints()[size_t(index)];
  return eOk;
}
OdResult OdDbSpline::setControlPointAt(int index, const OdGePoint3d& point) {
  assertWriteEnabled();
  if (index < 0 || index >= numControlPoints()) return eInvalidIndex;
  if (!point.isFinite()) return eInvalidInput;
  std::vector<OdGePoint3d> points = heldPoints();
  points[size_t(index)] = point;
  setHeld(heldDegree(), heldKnots(), points, heldWeights());
  return eOk;
}
int OdDbSpline::numFitPoints() const {
  assertReadEnabled();
  return int(m_fitPoints.size());
}
OdResult OdDbSpline::getFitPointAt(int index, OdGePoint3d& point) const {
  assertReadEnabled();
  if (index < 0 || index >= numFitPoints()) return eInvalidIndex;
  point = m_fitPoints[size_t(index)];
  return eOk;
}
OdResult OdDbSpline::setFitPointAt(int index, const OdGePoint3d& point) {
  assertWriteEnabled();
  if (index < 0 || index >= numFitPoints()) return eInvalidIndex;
  std::vector<OdGePoint3d> points = m_fitPoints;
  points[size_t(index)] = point;
  return setFitData(points, 3, m_fitTol, m_startTangent, m_endTangent);
}
double OdDbSpline::fitTolerance() const {
  assertReadEnabled();
  return m_fitTol;
}
OdResult OdDbSpline::setFitTol(double tol) {
  assertWriteEnabled();
  if (!std::isfinite(tol) || tol < 0.0) return eInvalidInput;
  m_fitTol = tol;
  return eOk;
}

bool OdDbSpline::isPlanar() const {
  assertReadEnabled();
  const std::vector<OdGePoint3d>& points = heldPoints();
  const double tol = tolerance(points);
  const OdGeVector3d n = spannedNormal(points, tol);
  if (n.isZeroLength()) return true;  // a line lies in a plane
  for (const OdGePoint3d& p : points)
    if (std::fabs((p - points[0]).dotProduct(n)) > tol) return false;
  return true;
}
bool OdDbSpline::isLinear() const {
  assertReadEnabled();
  const std::vector<OdGePoint3d>& points = heldPoints();
  return !points.empty() && spannedNormal(points, tolerance(points)).isZeroLength();
}

bool OdDbSpline::isClosed() const {
  assertReadEnabled();
  return !m_curve.isEmpty() &&
         m_curve.evalPoint(m_curve.startParam()).isEqualTo(m_curve.evalPoint(m_curve.endParam()));
}
bool OdDbSpline::isPeriodic() const {
  assertReadEnabled();
  return m_periodic;
}

OdResult OdDbSpline::getStartParam(double& param) const {
  assertReadEnabled();
  if (m_curve.isEmpty()) return eDegenerateGeometry;
  param = m_curve.startParam();
  return eOk;
}
OdResult OdDbSpline::getEndParam(double& param) const {
  assertReadEnabled();
  if (m_curve.isEmpty()) return eDegenerateGeometry;
  param = m_curve.endParam();
  return eOk;
}
OdResult OdDbSpline::getStartPoint(OdGePoint3d& point) const { return getPointAtParam(m_curve.startParam(), point); }
OdResult OdDbSpline::getEndPoint(OdGePoint3d& point) const { return getPointAtParam(m_curve.endParam(), point); }

OdResult OdDbSpline::getPointAtParam(double param, OdGePoint3d& point) const {
  assertReadEnabled();
  if (m_curve.isEmpty()) return eDegenerateGeometry;
  if (!(param >= m_curve.startParam() && param <= m_curve.endParam())) return eInvalidInput;
  point = m_curve.evalPoint(param);
  return eOk;
}

OdResult OdDbSpline::getDistAtParam(double param, double& dist) const {
  assertReadEnabled();
  if (m_curve.isEmpty()) return eDegenerateGeometry;
  if (!(param >= m_curve.startParam() && param <= m_curve.endParam())) return eInvalidInput;
  dist = m_curve.length(m_curve.startParam(), param);
  return eOk;
}

OdResult OdDbSpline::getArea(double& area) const {
  assertReadEnabled();
  if (m_curve.isEmpty()) return eDegenerateGeometry;
  const std::vector<OdGePoint3d>& points = m_curve.controlPoints();
  if (!isPlanar()) return eNotApplicable;
  OdGeVector3d n = spannedNormal(points, tolerance(points));
  if (n.isZeroLength()) {
    area = 0.0;
    return eOk;
  }
  const OdGeVector3d x = n.perpVector(), y = n.crossProduct(x);
  // Half the integral of x dy - y dx along the curve, Gauss-Legendre on each
  // knot span halved until it settles, and the chord back to the start.
  static const double gx[] = {0.0, -0.5384693101056831, 0.5384693101056831, -0.9061798459386640, 0.9061798459386640};
  static const double gw[] = {0.5688888888888889, 0.4786286704993665, 0.4786286704993665, 0.2369268850561891,
                              0.2369268850561891};
  auto integrand = [&](double t) {
    const OdGePoint3d c = m_curve.evalPoint(t);
    const OdGeVector3d d = m_curve.evalDerivative(t), v(c.x, c.y, c.z);
    return v.dotProduct(x) * d.dotProduct(y) - v.dotProduct(y) * d.dotProduct(x);
  };
  auto gauss = [&](double a, double b) {
    double s = 0.0;
    for (int i = 0; i < 5; ++i) s += gw[i] * integrand(0.5 * (a + b) + 0.5 * (b - a) * gx[i]);
    return 0.5 * (b - a) * s;
  };
  const std::vector<double>& u = m_curve.knots();
  double total = 0.0;
  for (size_t k = size_t(m_curve.degree()); k < points.size(); ++k) {
    const double a = u[k], b = u[k + 1];
    if (!(b > a)) continue;
    double previous = gauss(a, b);
    for (int pieces = 2; pieces <= 4096; pieces *= 2) {
      double s = 0.0;
      for (int i = 0; i < pieces; ++i) s += gauss(a + (b - a) * i / pieces, a + (b - a) * (i + 1) / pieces);
      const bool settled = std::fabs(s - previous) <= 1e-13 * std::max(1.0, std::fabs(s));
      previous = s;
      if (settled) break;
    }
    total += previous;
  }
  const OdGePoint3d s = m_curve.evalPoint(m_curve.startParam()), e = m_curve.evalPoint(m_curve.endParam());
  const OdGeVector3d vs(s.x, s.y, s.z), ve(e.x, e.y, e.z);
  total += ve.dotProduct(x) * vs.dotProduct(y) - ve.dotProduct(y) * vs.dotProduct(x);
  area = std::fabs(total) / 2.0;
  return eOk;
}

void OdDbSpline::dxfInFields(const OdDxfIn& in) {
  OdDbCurve::dxfInFields(in);
  const char* S = "AcDbSpline";
  m_normal = in.has(S, 210) ? in.normal(S) : OdGeVector3d::kZAxis;
  m_fileFlags = in.integer(S, 70, 0);
  const int degree = in.integer(S, 71, 3);
  m_knotTol = in.real(S, 42, 1e-10);
  m_controlTol = in.real(S, 43, 1e-10);
  m_fitTol = in.real(S, 44, 1e-10);
  std::vector<double> knots, weights;
  std::vector<OdGePoint3d> control, fit;
  OdGePoint3d start, end;
  bool hasStart = false, hasEnd = false;
  // Points come as x, y and z fields of their own; a new x starts a new point.
  for (const OdDxfTag* t : in.section(S)) {
    const int c = t->code;
    if (c == 40) knots.push_back(in.toReal(*t));
    else if (c == 41) weights.push_back(in.toReal(*t));
    else if (c == 10) control.push_back(OdGePoint3d(in.toReal(*t), 0, 0));
    else if (c == 20 && !control.empty()) control.back().y = in.toReal(*t);
    else if (c == 30 && !control.empty()) control.back().z = in.toReal(*t);
    else if (c == 11) fit.push_back(OdGePoint3d(in.toReal(*t), 0, 0));
    else if (c == 21 && !fit.empty()) fit.back().y = in.toReal(*t);
    else if (c == 31 && !fit.empty()) fit.back().z = in.toReal(*t);
    else if (c == 12) start.x = in.toReal(*t), hasStart = true;
    else if (c == 22) start.y = in.toReal(*t);
    else if (c == 32) start.z = in.toReal(*t);
    else if (c == 13) end.x = in.toReal(*t), hasEnd = true;
    else if (c == 23) end.y = in.toReal(*t);
    else if (c == 33) end.z = in.toReal(*t);
  }
  // Weights stay as given, also where they make no curve (a zero weight).
  setHeld(degree, knots, control, (m_fileFlags & 4) != 0 ? weights : std::vector<double>());
  m_periodic = (m_fileFlags & 2) != 0;
  m_closedFlag = (m_fileFlags & 1) != 0;
  m_fitPoints = fit;
  m_startTangent = hasStart ? OdGeVector3d(start.x, start.y, start.z) : OdGeVector3d();
  m_endTangent = hasEnd ? OdGeVector3d(end.x, end.y, end.z) : OdGeVector3d();
  // A spline given by fit points alone is drawn through them.
  if (m_curve.isEmpty() && fit.size() >= 2) interpolate();
}

void OdDbSpline::dxfOutFields(OdDxfOut& out) const {
  OdDbCurve::dxfOutFields(out);
  out.subclass("AcDbSpline");
  const bool planar = isPlanar();
  if (planar || out.hadField(210)) out.normal(210, m_normal);
  else out.own(210);
  // Closed, periodic and rational are the spline's own; whether it is planar
  // or linear a file says as it was found, a new spline as it is.
  const int own = (m_closedFlag ? 1 : 0) | (m_periodic ? 2 : 0) | (heldWeights().empty() ? 0 : 4);
  if (out.fromFile()) out.flags(70, own, 7, 0);
  else out.flags(70, own | (planar ? 8 : 0) | (isLinear() ? 16 : 0), 31, 0);
  out.integer(71, heldDegree());
  out.integer(72, int(heldKnots().size()));
  out.integer(73, int(heldPoints().size()));
  out.integer(74, int(m_fitPoints.size()));
  out.realOpt(42, m_knotTol, 1e-10);
  out.realOpt(43, m_controlTol, 1e-10);
  if (!m_fitPoints.empty()) out.realOpt(44, m_fitTol, 1e-10);
  else if (out.hadField(44)) out.real(44, m_fitTol);
  else out.own(44);
  if (!m_startTangent.isZeroLength()) out.point(12, OdGePoint3d(m_startTangent.x, m_startTangent.y, m_startTangent.z));
  else out.own(12);
  if (!m_endTangent.isZeroLength()) out.point(13, OdGePoint3d(m_endTangent.x, m_endTangent.y, m_endTangent.z));
  else out.own(13);
  for (double k : heldKnots()) out.real(40, k);
  for (double w : heldWeights()) out.real(41, w);
  for (const OdGePoint3d& p : heldPoints()) out.point(10, p);
  for (const OdGePoint3d& p : m_fitPoints) out.point(11, p);
}
