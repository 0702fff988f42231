#pragma once
// Tolerances for geometric comparisons: one for point coincidence, one for vector equality.

class OdGeTol {
public:
  constexpr OdGeTol(double tol = 1e-10) : m_equalPoint(tol), m_equalVector(tol) {}
  constexpr OdGeTol(double tolPoint, double tolVector)
      : m_equalPoint(tolPoint), m_equalVector(tolVector) {}

  // Two points are equal when their distance is at most equalPoint().
  constexpr double equalPoint() const { return m_equalPoint; }
  // Two vectors are equal when the length of their difference is at most equalVector().
  constexpr double equalVector() const { return m_equalVector; }
  void setEqualPoint(double tol) { m_equalPoint = tol; }
  void setEqualVector(double tol) { m_equalVector = tol; }

private:
  double m_equalPoint;
  double m_equalVector;
};
