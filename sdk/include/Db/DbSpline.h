#pragma once
// Spline curves: a B-spline (rational when it has weights) with its degree,
// knots and control points, and, for splines drawn through points, the fit
// data: the fit points, the end tangents and the fit tolerance. Giving new
// fit data recomputes the curve through the points (cubic, chord-length
// parameters); the parameter is the B-spline's own.
#include "Db/DbEntity.h"
#include "Ge/GeNurbCurve3d.h"

class OdDbSpline : public OdDbCurve {
public:
  ODRX_DECLARE_MEMBERS(OdDbSpline)
public:
  // False, and the spline unchanged, when the data do not form a B-spline.
  OdResult setNurbsData(int degree, const std::vector<double>& knots, const std::vector<OdGePoint3d>& controlPoints,
                        bool periodic = false);
  OdResult setNurbsData(int degree, bool rational, bool closed, bool periodic, const std::vector<OdGePoint3d>& controlPoints,
                        const std::vector<double>& knots, const std::vector<double>& weights, double controlPtTol,
                        double knotTol);
  void getNurbsData(int& degree, bool& rational, bool& closed, bool& periodic, std::vector<OdGePoint3d>& controlPoints,
                    std::vector<double>& knots, std::vector<double>& weights, double& controlPtTol, double& knotTol) const;
  // Fit points with their end tangents (zero vectors: none). New fit points
  // recompute the curve; the same ones given again leave it as it is.
  OdResult setFitData(const std::vector<OdGePoint3d>& fitPoints, int degree, double fitTolerance,
                      const OdGeVector3d& startTangent, const OdGeVector3d& endTangent);
  void getFitData(std::vector<OdGePoint3d>& fitPoints, int& degree, double& fitTolerance, bool& tangentsExist,
                  OdGeVector3d& startTangent, OdGeVector3d& endTangent) const;
  void getFitTangents(OdGeVector3d& startTangent, OdGeVector3d& endTangent) const;
  const OdGeNurbCurve3d& curve() const;
  int degree() const;
  bool isRational() const;
  int numControlPoints() const;
  OdResult getControlPointAt(int index, OdGePoint3d& point) const;
  OdResult setControlPointAt(int index, const OdGePoint3d& point);
  int numFitPoints() const;
  OdResult getFitPointAt(int index, OdGePoint3d& point) const;
  OdResult setFitPointAt(int index, const OdGePoint3d& point);
  double fitTolerance() const;
  OdResult setFitTol(double tolerance);  // not negative
  // Whether every control point lies in one plane, or on one line.
  bool isPlanar() const;
  bool isLinear() const;

  bool isClosed() const override;
  bool isPeriodic() const override;
  OdResult getStartParam(double& param) const override;
  OdResult getEndParam(double& param) const override;
  OdResult getStartPoint(OdGePoint3d& point) const override;
  OdResult getEndPoint(OdGePoint3d& point) const override;
  OdResult getPointAtParam(double param, OdGePoint3d& point) const override;
  OdResult getDistAtParam(double param, double& dist) const override;
  // The area the curve and the chord between its ends enclose in its plane;
  // eNotApplicable for a curve that is not planar.
  OdResult getArea(double& area) const override;

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

protected:
  // Redraws the curve through the points (cubic, with the end tangents)
  // without keeping them as fit data.
  void drawThrough(const std::vector<OdGePoint3d>& points, const OdGeVector3d& startTangent, const OdGeVector3d& endTangent);

private:
  void interpolate();
  // The NURBS data the spline holds: the curve's, or, while they form no
  // curve (as a file may give them), the data as given.
  int heldDegree() const;
  const std::vector<OdGePoint3d>& heldPoints() const;
  const std::vector<double>& heldKnots() const;
  const std::vector<double>& heldWeights() const;
  void setHeld(int degree, const std::vector<double>& knots, const std::vector<OdGePoint3d>& points,
               const std::vector<double>& weights);
  OdGeNurbCurve3d m_curve;
  int m_rawDegree = 3;
  std::vector<OdGePoint3d> m_rawPoints;
  std::vector<double> m_rawKnots, m_rawWeights;
  bool m_periodic = false;
  bool m_closedFlag = false;  // the file's closed flag, kept with the data
  double m_knotTol = 1e-10, m_controlTol = 1e-10, m_fitTol = 1e-10;
  std::vector<OdGePoint3d> m_fitPoints;
  OdGeVector3d m_startTangent, m_endTangent;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  int m_fileFlags = 0;
};
typedef OdSmartPtr<OdDbSpline> OdDbSplinePtr;
