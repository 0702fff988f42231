#pragma once
// A full circle in the plane of its normal.
#include "Db/DbEntity.h"

class OdDbCircle : public OdDbCurve {
public:
  ODRX_DECLARE_MEMBERS(OdDbCircle)
public:
  OdGePoint3d center() const;
  OdResult setCenter(const OdGePoint3d& center);
  double radius() const;
  // Positive finite radii only.
  OdResult setRadius(double radius);
  double thickness() const;
  OdResult setThickness(double thickness);
  OdGeVector3d normal() const;
  OdResult setNormal(const OdGeVector3d& normal);

  // The parameter is the angle from the plane's X axis (arbitrary-axis rule), 0 to 2 pi.
  bool isClosed() const override { return true; }
  bool isPeriodic() const override { return true; }
  OdResult getStartParam(double& param) const override;
  OdResult getEndParam(double& param) const override;
  OdResult getStartPoint(OdGePoint3d& point) const override;
  OdResult getEndPoint(OdGePoint3d& point) const override;
  OdResult getPointAtParam(double param, OdGePoint3d& point) const override;
  OdResult getDistAtParam(double param, double& dist) const override;
  OdResult getArea(double& area) const override;

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;
  // Moves, turns, mirrors or scales uniformly; other transforms answer eInvalidInput.
  OdResult transformBy(const OdGeMatrix3d& transform) override;

private:
  OdGePoint3d m_center;
  double m_radius = 1.0;
  double m_thickness = 0.0;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
};
typedef OdSmartPtr<OdDbCircle> OdDbCirclePtr;
