#include "Ge/GeNurbCurve3d.h"

#include <algorithm>
#include <cmath>

bool OdGeNurbCurve3d::set(int degree, const std::vector<double>& knots, const std::vector<OdGePoint3d>& points,
                          const std::vector<double>& weights) {
  *this = OdGeNurbCurve3d();
  if (degree < 1 || points.size() < size_t(degree) + 1 || knots.size() != points.size() + degree + 1) return false;
  if (!std::isfinite(knots[0])) return false;
  for (size_t i = 1; i < knots.size(); ++i)
    if (!(knots[i] >= knots[i - 1]) || !std::isfinite(knots[i])) return false;
  if (!(knots[points.size()] > knots[degree])) return false;
  if (!weights.empty()) {
    if (weights.size() != points.size()) return false;
    for (double w : weights)
      if (!(w > 0.0) || !std::isfinite(w)) return false;
  }
  m_degree = degree;
  m_knots = knots;
  m_points = points;
  bool allOne = true;
  for (double w : weights) allOne = allOne && w == 1.0;
  if (!weights.empty() && !allOne) {
    m_weights = weights;
    std::vector<OdGePoint3d> weighted, denominators;
    for (size_t i = 0; i < points.size(); ++i) {
      const OdGePoint3d& q = points[i];
      weighted.push_back(OdGePoint3d(q.x * weights[i], q.y * weights[i], q.z * weights[i]));
      denominators.push_back(OdGePoint3d(weights[i], 0, 0));
    }
    m_numerator = std::make_shared<OdGeNurbCurve3d>();
    m_numerator->set(degree, knots, weighted);
    m_denominator = std::make_shared<OdGeNurbCurve3d>();
    m_denominator->set(degree, knots, denominators);
  } else if (!weights.empty()) {
    m_weights = weights;  // a rational curve of equal weights: the polynomial one
  }
  return true;
}

OdGeNurbCurve3d OdGeNurbCurve3d::uniform(int degree, const std::vector<OdGePoint3d>& points, bool closed) {
  OdGeNurbCurve3d curve;
  if (points.size() < 2) return curve;
  degree = std::max(1, std::min(degree, int(points.size()) - (closed ? 0 : 1)));
  std::vector<double> knots;
  std::vector<OdGePoint3d> cps = points;
  if (closed) {
    // Wrapping the first points around makes the ends meet with full continuity.
    for (int i = 0; i < degree; ++i) cps.push_back(points[size_t(i)]);
    for (size_t i = 0; i < cps.size() + degree + 1; ++i) knots.push_back(double(i));
  } else {
    const int spans = int(points.size()) - degree;
    for (int i = 0; i <= degree; ++i) knots.push_back(0.0);
    for (int i = 1; i < spans; ++i) knots.push_back(double(i));
    for (int i = 0; i <= degree; ++i) knots.push_back(double(spans));
  }
  curve.set(degree, knots, cps);
  return curve;
}

size_t OdGeNurbCurve3d::span(double t) const {
  const size_t n = m_points.size();
  if (t >= m_knots[n]) {
    size_t k = n - 1;
    while (k > size_t(m_degree) && m_knots[k] == m_knots[n]) --k;
    return k;
  }
  size_t k = size_t(std::upper_bound(m_knots.begin() + m_degree, m_knots.begin() + n + 1, t) - m_knots.begin()) - 1;
  return std::max(k, size_t(m_degree));
}

OdGePoint3d OdGeNurbCurve3d::evalPoint(double t) const {
  if (m_numerator) {
    const OdGePoint3d a = m_numerator->evalPoint(t);
    const double w = m_denominator->evalPoint(t).x;
    return OdGePoint3d(a.x / w, a.y / w, a.z / w);
  }
  return evalPolynomial(t);
}

OdGeVector3d OdGeNurbCurve3d::evalDerivative(double t) const {
  if (m_numerator) {
    // (A / w)' = (A' - w' C) / w
    const OdGePoint3d c = evalPoint(t);
    const OdGeVector3d a1 = m_numerator->evalDerivative(t);
    const double w = m_denominator->evalPoint(t).x, w1 = m_denominator->evalDerivative(t).x;
    return (a1 - OdGeVector3d(c.x, c.y, c.z) * w1) / w;
  }
  return derivativePolynomial(t);
}

OdGePoint3d OdGeNurbCurve3d::evalPolynomial(double t) const {
  if (m_points.empty()) return OdGePoint3d();
  t = std::min(std::max(t, startParam()), endParam());
  const size_t k = span(t);
  const int p = m_degree;
  // De Boor's algorithm on the p + 1 control points of the span.
  std::vector<OdGePoint3d> d(size_t(p) + 1);
  for (int j = 0; j <= p; ++j) d[size_t(j)] = m_points[k - size_t(p) + size_t(j)];
  for (int r = 1; r <= p; ++r)
    for (int j = p; j >= r; --j) {
      const size_t i = k - size_t(p) + size_t(j);
      const double den = m_knots[i + size_t(p) + 1 - size_t(r)] - m_knots[i];
      const double a = den > 0.0 ? (t - m_knots[i]) / den : 0.0;
      const OdGePoint3d& lo = d[size_t(j) - 1];
      const OdGePoint3d& hi = d[size_t(j)];
      d[size_t(j)] = OdGePoint3d(lo.x + a * (hi.x - lo.x), lo.y + a * (hi.y - lo.y), lo.z + a * (hi.z - lo.z));
    }
  return d[size_t(p)];
}

OdGeVector3d OdGeNurbCurve3d::derivativePolynomial(double t) const {
  if (m_points.empty()) return OdGeVector3d();
  t = std::min(std::max(t, startParam()), endParam());
  // The derivative is the degree p - 1 spline over the scaled differences of the control points.
  const int p = m_degree;
  std::vector<OdGePoint3d> q;
  for (size_t i = 0; i + 1 < m_points.size(); ++i) {
    const double den = m_knots[i + size_t(p) + 1] - m_knots[i + 1];
    const OdGeVector3d diff = den > 0.0 ? (m_points[i + 1] - m_points[i]) * (double(p) / den) : OdGeVector3d();
    q.push_back(OdGePoint3d(diff.x, diff.y, diff.z));
  }
  if (p == 1) {
    const size_t k = span(t);
    const OdGePoint3d& v = q[k - 1];
    return OdGeVector3d(v.x, v.y, v.z);
  }
  OdGeNurbCurve3d derivative;
  derivative.set(p - 1, std::vector<double>(m_knots.begin() + 1, m_knots.end() - 1), q);
  const OdGePoint3d v = derivative.evalPoint(t);
  return OdGeVector3d(v.x, v.y, v.z);
}

double OdGeNurbCurve3d::length(double from, double to) const {
  if (m_points.empty()) return 0.0;
  if (from > to) std::swap(from, to);
  from = std::max(from, startParam());
  to = std::min(to, endParam());
  // Five-point Gauss-Legendre on each piece; pieces halve until two levels agree.
  static const double x[] = {0.0, -0.5384693101056831, 0.5384693101056831, -0.9061798459386640, 0.9061798459386640};
  static const double w[] = {0.5688888888888889, 0.4786286704993665, 0.4786286704993665, 0.2369268850561891,
                             0.2369268850561891};
  auto gauss = [&](double a, double b) {
    double s = 0.0;
    for (int i = 0; i < 5; ++i) s += w[i] * evalDerivative(0.5 * (a + b) + 0.5 * (b - a) * x[i]).length();
    return 0.5 * (b - a) * s;
  };
  double total = 0.0;
  for (size_t k = size_t(m_degree); k < m_points.size(); ++k) {
    const double a = std::max(from, m_knots[k]), b = std::min(to, m_knots[k + 1]);
    if (!(b > a)) continue;
    int pieces = 1;
    double previous = gauss(a, b);
    for (int level = 0; level < 12; ++level) {
      pieces *= 2;
      double s = 0.0;
      for (int i = 0; i < pieces; ++i) s += gauss(a + (b - a) * i / pieces, a + (b - a) * (i + 1) / pieces);
      const bool settled = std::fabs(s - previous) <= 1e-13 * std::max(1.0, std::fabs(s));
      previous = s;
      if (settled) break;
    }
    total += previous;
  }
  return total;
}

std::vector<OdGePoint3d> OdGeNurbCurve3d::samples(int segmentsPerSpan, bool withoutEnd) const {
  std::vector<OdGePoint3d> out;
  if (m_points.empty() || segmentsPerSpan < 1) return out;
  const double t0 = startParam(), t1 = endParam();
  const long steps = std::lround((t1 - t0) * segmentsPerSpan);
  for (long k = 0; k < steps + (withoutEnd ? 0 : 1); ++k) out.push_back(evalPoint(t0 + (t1 - t0) * double(k) / double(steps)));
  return out;
}
