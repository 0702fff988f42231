#pragma once
// B-spline curve in 3D: degree, a non-decreasing knot vector of (control
// point count + degree + 1) knots, the control points and, for a rational
// curve, a positive weight of each. The parameter runs from knot[degree] to
// knot[count].
#include <memory>
#include <vector>
#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"

class OdGeNurbCurve3d {
public:
  OdGeNurbCurve3d() = default;
  // False (and an empty curve) when the knots do not fit the degree and points.
  bool set(int degree, const std::vector<double>& knots, const std::vector<OdGePoint3d>& controlPoints,
           const std::vector<double>& weights = std::vector<double>());
  // Uniform B-spline over the points: clamped to the first and last point
  // when open, periodic (the curve closes on itself) when closed. The degree
  // is lowered when there are too few points for it.
  static OdGeNurbCurve3d uniform(int degree, const std::vector<OdGePoint3d>& controlPoints, bool closed);

  bool isEmpty() const { return m_points.empty(); }
  int degree() const { return m_degree; }
  const std::vector<double>& knots() const { return m_knots; }
  const std::vector<OdGePoint3d>& controlPoints() const { return m_points; }
  // Empty for a non-rational curve.
  const std::vector<double>& weights() const { return m_weights; }
  bool isRational() const { return !m_weights.empty(); }
  double startParam() const { return m_points.empty() ? 0.0 : m_knots[m_degree]; }
  double endParam() const { return m_points.empty() ? 0.0 : m_knots[m_points.size()]; }

  // Point and first derivative at a parameter, clamped to the range.
  OdGePoint3d evalPoint(double param) const;
  OdGeVector3d evalDerivative(double param) const;
  // Points at equal parameter steps, segmentsPerSpan to a knot span, from
  // start to end; without the end point when it repeats the start (closed curves).
  std::vector<OdGePoint3d> samples(int segmentsPerSpan, bool withoutEnd) const;
  // Arc length between two parameters (Gauss-Legendre over each knot span, refined until it settles).
  double length(double fromParam, double toParam) const;

private:
  size_t span(double param) const;
  OdGePoint3d evalPolynomial(double param) const;
  OdGeVector3d derivativePolynomial(double param) const;
  std::vector<double> m_weights;
  // A rational curve is the quotient of two polynomial ones: the weighted
  // points, and the weights as the x of points.
  std::shared_ptr<OdGeNurbCurve3d> m_numerator, m_denominator;
  int m_degree = 0;
  std::vector<double> m_knots;
  std::vector<OdGePoint3d> m_points;
};
