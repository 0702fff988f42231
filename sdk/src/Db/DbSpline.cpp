#include "Db/DbSpline.h"

#include <cmath>

#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbSpline, OdDbCurve, L"SPLINE", new OdDbSpline)

OdResult OdDbSpline::setNurbsData(int degree, const std::vector<double>& knots,
                                  const std::vector<OdGePoint3d>& controlPoints, bool periodic) {
  assertWriteEnabled();
  for (const OdGePoint3d& p : controlPoints)
    if (!p.isFinite()) return eInvalidInput;
  OdGeNurbCurve3d curve;
  if (!curve.set(degree, knots, controlPoints)) return eInvalidInput;
  m_curve = curve;
  m_periodic = periodic;
  return eOk;
}

const OdGeNurbCurve3d& OdDbSpline::curve() const {
  assertReadEnabled();
  return m_curve;
}
int OdDbSpline::degree() const {
  assertReadEnabled();
  return m_curve.degree();
}
int OdDbSpline::numControlPoints() const {
  assertReadEnabled();
  return int(m_curve.controlPoints().size());
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
