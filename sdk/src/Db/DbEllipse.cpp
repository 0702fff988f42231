#include "Db/DbEllipse.h"

#include <cmath>

#include "Dxf/DxfFiler.h"
#include "Ge/GeConst.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbEllipse, OdDbCurve, L"ELLIPSE", new OdDbEllipse)

namespace {
// End values lie in (0, 2 pi], so that 0 and 2 pi both mean a full turn.
double endNormalized(double a) {
  a = std::fmod(a, Oda2PI);
  if (a <= 0.0) a += Oda2PI;
  return a;
}

// Adaptive Simpson integration of the speed along the ellipse.
template <class F>
double simpson(F f, double a, double b, double fa, double fm, double fb, double whole, double tol, int depth) {
  const double m = 0.5 * (a + b);
  const double lm = f(0.5 * (a + m)), rm = f(0.5 * (m + b));
  const double left = (m - a) / 6.0 * (fa + 4.0 * lm + fm);
  const double right = (b - m) / 6.0 * (fm + 4.0 * rm + fb);
  const double delta = left + right - whole;
  if (depth <= 0 || std::fabs(delta) <= 15.0 * tol) return left + right + delta / 15.0;
  return simpson(f, a, m, fa, lm, fm, left, 0.5 * tol, depth - 1) + simpson(f, m, b, fm, rm, fb, right, 0.5 * tol, depth - 1);
}
}  // namespace

OdGePoint3d OdDbEllipse::center() const {
  assertReadEnabled();
  return m_center;
}

OdResult OdDbEllipse::setCenter(const OdGePoint3d& center) {
  assertWriteEnabled();
  if (!center.isFinite()) return eInvalidInput;
  m_center = center;
  return eOk;
}

OdGeVector3d OdDbEllipse::normal() const {
  assertReadEnabled();
  return m_normal;
}

OdGeVector3d OdDbEllipse::majorAxis() const {
  assertReadEnabled();
  return m_major;
}

OdGeVector3d OdDbEllipse::minorAxis() const {
  assertReadEnabled();
  return m_normal.crossProduct(m_major) * m_ratio;
}

double OdDbEllipse::radiusRatio() const {
  assertReadEnabled();
  return m_ratio;
}

OdResult OdDbEllipse::setRadiusRatio(double ratio) {
  assertWriteEnabled();
  if (!(ratio > 0.0 && ratio <= 1.0)) return eInvalidInput;
  // The points at the start and end angles stay at their angles.
  const double start = angleAtParam(m_startParam), end = angleAtParam(m_endParam);
  const bool closed = isClosed();
  m_ratio = ratio;
  if (!closed) {
    m_startParam = OdaNormalizedAngle(paramAtAngle(start));
    m_endParam = endNormalized(paramAtAngle(end));
  }
  return eOk;
}

double OdDbEllipse::paramAtAngle(double angle) const {
  return std::atan2(std::sin(angle), m_ratio * std::cos(angle));
}

double OdDbEllipse::angleAtParam(double param) const {
  return std::atan2(m_ratio * std::sin(param), std::cos(param));
}

double OdDbEllipse::startAngle() const {
  assertReadEnabled();
  return OdaNormalizedAngle(angleAtParam(m_startParam));
}

double OdDbEllipse::endAngle() const {
  assertReadEnabled();
  return endNormalized(angleAtParam(m_endParam));
}

OdResult OdDbEllipse::setStartAngle(double angle) {
  assertWriteEnabled();
  if (!std::isfinite(angle)) return eInvalidInput;
  m_startParam = OdaNormalizedAngle(paramAtAngle(angle));
  return eOk;
}

OdResult OdDbEllipse::setEndAngle(double angle) {
  assertWriteEnabled();
  if (!std::isfinite(angle)) return eInvalidInput;
  m_endParam = endNormalized(paramAtAngle(angle));
  return eOk;
}

double OdDbEllipse::startParam() const {
  assertReadEnabled();
  return m_startParam;
}

double OdDbEllipse::endParam() const {
  assertReadEnabled();
  return m_endParam;
}

void OdDbEllipse::get(OdGePoint3d& center, OdGeVector3d& unitNormal, OdGeVector3d& majorAxis, double& radiusRatio,
                      double& startAngle, double& endAngle) const {
  assertReadEnabled();
  center = m_center;
  unitNormal = m_normal;
  majorAxis = m_major;
  radiusRatio = m_ratio;
  startAngle = this->startAngle();
  endAngle = this->endAngle();
}

OdResult OdDbEllipse::set(const OdGePoint3d& center, const OdGeVector3d& unitNormal, const OdGeVector3d& majorAxis,
                          double radiusRatio, double startAngle, double endAngle) {
  assertWriteEnabled();
  if (!center.isFinite() || !unitNormal.isFinite() || !majorAxis.isFinite() || !std::isfinite(startAngle) ||
      !std::isfinite(endAngle))
    return eInvalidInput;
  if (majorAxis.isZeroLength() || unitNormal.isZeroLength() || !(radiusRatio > 0.0 && radiusRatio <= 1.0))
    return eInvalidInput;
  const OdGeVector3d n = unitNormal.normal();
  if (std::fabs(n.dotProduct(majorAxis.normal())) > 1e-9) return eInvalidInput;
  m_center = center;
  m_normal = n;
  m_major = majorAxis;
  m_ratio = radiusRatio;
  m_startParam = OdaNormalizedAngle(paramAtAngle(startAngle));
  m_endParam = endNormalized(paramAtAngle(endAngle));
  return eOk;
}

bool OdDbEllipse::isClosed() const {
  assertReadEnabled();
  double span = m_endParam - m_startParam;
  if (span <= 0.0) span += Oda2PI;
  return std::fabs(span - Oda2PI) < 1e-10;
}

OdResult OdDbEllipse::getStartParam(double& param) const {
  param = startParam();
  return eOk;
}

OdResult OdDbEllipse::getEndParam(double& param) const {
  assertReadEnabled();
  param = m_endParam > m_startParam ? m_endParam : m_endParam + Oda2PI;
  return eOk;
}

OdResult OdDbEllipse::getPointAtParam(double param, OdGePoint3d& point) const {
  assertReadEnabled();
  if (!std::isfinite(param)) return eInvalidInput;
  point = m_center + m_major * std::cos(param) + minorAxis() * std::sin(param);
  return eOk;
}

OdResult OdDbEllipse::getStartPoint(OdGePoint3d& point) const { return getPointAtParam(startParam(), point); }

OdResult OdDbEllipse::getEndPoint(OdGePoint3d& point) const { return getPointAtParam(endParam(), point); }

OdResult OdDbEllipse::getDistAtParam(double param, double& dist) const {
  double end = 0.0;
  getEndParam(end);
  if (!(param >= m_startParam && param <= end + 1e-12)) return eInvalidInput;
  const double a = m_major.length(), b = a * m_ratio;
  auto speed = [a, b](double t) { return std::sqrt(a * a * std::sin(t) * std::sin(t) + b * b * std::cos(t) * std::cos(t)); };
  // The speed has its slowest turns at multiples of pi/2; integrate piece by piece between them.
  dist = 0.0;
  double t0 = m_startParam;
  while (t0 < param) {
    double t1 = (std::floor(t0 / OdaPI2 + 1e-12) + 1.0) * OdaPI2;
    if (t1 > param) t1 = param;
    if (t1 > t0) {
      const double f0 = speed(t0), f1 = speed(t1), fm = speed(0.5 * (t0 + t1));
      const double whole = (t1 - t0) / 6.0 * (f0 + 4.0 * fm + f1);
      dist += simpson(speed, t0, t1, f0, fm, f1, whole, 1e-15 * a, 40);
    }
    t0 = t1;
  }
  return eOk;
}

OdResult OdDbEllipse::getArea(double& area) const {
  const double a = majorAxis().length(), b = a * m_ratio;
  if (isClosed()) {
    area = OdaPI * a * b;
  } else {
    double end = 0.0;
    getEndParam(end);
    const double span = end - m_startParam;
    // The ellipse is a stretched circle: the circle's segment area, stretched.
    area = 0.5 * a * b * (span - std::sin(span));
  }
  return eOk;
}

void OdDbEllipse::dxfInFields(const OdDxfIn& in) {
  OdDbCurve::dxfInFields(in);
  const char* S = "AcDbEllipse";
  m_center = in.point(S, 10);
  m_major = in.vector(S, 11, OdGeVector3d::kXAxis);
  m_normal = in.vector(S, 210, OdGeVector3d::kZAxis);
  if (!m_normal.isZeroLength()) m_normal.normalize();
  m_ratio = in.real(S, 40, 1.0);
  m_startParam = in.real(S, 41, 0.0);
  m_endParam = in.real(S, 42, Oda2PI);
}

void OdDbEllipse::dxfOutFields(OdDxfOut& out) const {
  OdDbCurve::dxfOutFields(out);
  out.subclass("AcDbEllipse");
  out.point(10, m_center);
  out.point(11, OdGePoint3d(m_major.x, m_major.y, m_major.z));
  out.vectorOpt(210, m_normal, OdGeVector3d::kZAxis);
  out.real(40, m_ratio);
  out.real(41, m_startParam);
  out.real(42, m_endParam);
}
