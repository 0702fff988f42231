#pragma once
// A circular arc, counter-clockwise about its normal from the start angle to
// the end angle (radians from the plane's X axis, kept in [0, 2 pi)).
#include "Db/DbEntity.h"

class OdDbArc : public OdDbCurve {
public:
  ODRX_DECLARE_MEMBERS(OdDbArc)
public:
  OdGePoint3d center() const;
  OdResult setCenter(const OdGePoint3d& center);
  double radius() const;
  OdResult setRadius(double radius);
  double startAngle() const;
  OdResult setStartAngle(double angle);
  double endAngle() const;
  OdResult setEndAngle(double angle);
  double thickness() const;
  OdResult setThickness(double thickness);
  OdGeVector3d normal() const;
  OdResult setNormal(const OdGeVector3d& normal);
  // The angle swept from start to end, in (0, 2 pi]; equal angles sweep a full turn.
  double sweep() const;

  // Parameters are angles: from the start angle to the start angle plus the sweep.
  OdResult getStartParam(double& param) const override;
  OdResult getEndParam(double& param) const override;
  OdResult getStartPoint(OdGePoint3d& point) const override;
  OdResult getEndPoint(OdGePoint3d& point) const override;
  OdResult getPointAtParam(double param, OdGePoint3d& point) const override;
  OdResult getDistAtParam(double param, double& dist) const override;
  // The area between the arc and its chord.
  OdResult getArea(double& area) const override;
  // Moves, turns and scales alike on all axes; eInvalidInput for other transforms.
  OdResult transformBy(const OdGeMatrix3d& transform) override;

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdGePoint3d m_center;
  double m_radius = 1.0;
  double m_start = 0.0;
  double m_end = 3.141592653589793;
  double m_thickness = 0.0;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
};
typedef OdSmartPtr<OdDbArc> OdDbArcPtr;
