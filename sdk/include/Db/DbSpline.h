#pragma once
// Spline curves: a B-spline with its degree, knots and control points. The
// parameter is the B-spline's own.
#include "Db/DbEntity.h"
#include "Ge/GeNurbCurve3d.h"

class OdDbSpline : public OdDbCurve {
public:
  ODRX_DECLARE_MEMBERS(OdDbSpline)
public:
  // False, and the spline unchanged, when the data do not form a B-spline.
  OdResult setNurbsData(int degree, const std::vector<double>& knots, const std::vector<OdGePoint3d>& controlPoints,
                        bool periodic = false);
  const OdGeNurbCurve3d& curve() const;
  int degree() const;
  int numControlPoints() const;

  bool isClosed() const override;
  bool isPeriodic() const override;
  OdResult getStartParam(double& param) const override;
  OdResult getEndParam(double& param) const override;
  OdResult getStartPoint(OdGePoint3d& point) const override;
  OdResult getEndPoint(OdGePoint3d& point) const override;
  OdResult getPointAtParam(double param, OdGePoint3d& point) const override;
  OdResult getDistAtParam(double param, double& dist) const override;

private:
  OdGeNurbCurve3d m_curve;
  bool m_periodic = false;
};
typedef OdSmartPtr<OdDbSpline> OdDbSplinePtr;
