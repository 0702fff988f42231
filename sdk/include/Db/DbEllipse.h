#pragma once
// A full or partial ellipse: centre, major axis (its length is the major
// radius), radius ratio (minor / major, in (0, 1]) and the normal. Points are
// center + cos t * major + sin t * minor for parameters t from the start to
// the end parameter; angles are measured from the major axis to the point.
#include "Db/DbEntity.h"

class OdDbEllipse : public OdDbCurve {
public:
  ODRX_DECLARE_MEMBERS(OdDbEllipse)
public:
  OdGePoint3d center() const;
  OdResult setCenter(const OdGePoint3d& center);
  OdGeVector3d normal() const;
  OdGeVector3d majorAxis() const;
  // normal x major axis, scaled by the ratio.
  OdGeVector3d minorAxis() const;
  double radiusRatio() const;
  OdResult setRadiusRatio(double ratio);
  double startAngle() const;
  double endAngle() const;
  // The angle is taken modulo 2 pi: start in [0, 2 pi), end in (0, 2 pi].
  OdResult setStartAngle(double angle);
  OdResult setEndAngle(double angle);
  double startParam() const;
  double endParam() const;
  // All at once: the normal must be perpendicular to a non-zero major axis.
  void get(OdGePoint3d& center, OdGeVector3d& unitNormal, OdGeVector3d& majorAxis, double& radiusRatio,
           double& startAngle, double& endAngle) const;
  OdResult set(const OdGePoint3d& center, const OdGeVector3d& unitNormal, const OdGeVector3d& majorAxis,
               double radiusRatio, double startAngle = 0.0, double endAngle = 6.283185307179586);

  // The parameter of the point at an angle from the major axis, and back.
  double paramAtAngle(double angle) const;
  double angleAtParam(double param) const;

  bool isClosed() const override;
  OdResult getStartParam(double& param) const override;
  OdResult getEndParam(double& param) const override;
  OdResult getStartPoint(OdGePoint3d& point) const override;
  OdResult getEndPoint(OdGePoint3d& point) const override;
  OdResult getPointAtParam(double param, OdGePoint3d& point) const override;
  // Arc length from the start parameter (an elliptic integral, to about 1e-13).
  OdResult getDistAtParam(double param, double& dist) const override;
  // The closed ellipse's area; for an open one the area between the arc and its chord.
  OdResult getArea(double& area) const override;

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdGePoint3d m_center;
  OdGeVector3d m_major = OdGeVector3d::kXAxis;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  double m_ratio = 1.0;
  double m_startParam = 0.0;
  double m_endParam = 6.283185307179586;
};
typedef OdSmartPtr<OdDbEllipse> OdDbEllipsePtr;
