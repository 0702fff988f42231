#pragma once
// A straight segment between two points, optionally extruded along its normal.
#include "Db/DbEntity.h"

class OdDbLine : public OdDbCurve {
public:
  ODRX_DECLARE_MEMBERS(OdDbLine)
public:
  OdGePoint3d startPoint() const;
  OdGePoint3d endPoint() const;
  // Finite coordinates only; otherwise eInvalidInput and nothing changes.
  OdResult setStartPoint(const OdGePoint3d& point);
  OdResult setEndPoint(const OdGePoint3d& point);
  double thickness() const;
  OdResult setThickness(double thickness);
  OdGeVector3d normal() const;
  // A non-zero finite vector, stored normalised.
  OdResult setNormal(const OdGeVector3d& normal);

  // The parameter is the distance from the start point.
  OdResult getStartParam(double& param) const override;
  OdResult getEndParam(double& param) const override;
  OdResult getStartPoint(OdGePoint3d& point) const override;
  OdResult getEndPoint(OdGePoint3d& point) const override;
  OdResult getPointAtParam(double param, OdGePoint3d& point) const override;
  OdResult getDistAtParam(double param, double& dist) const override;
  // A segment encloses nothing.
  OdResult getArea(double& area) const override;

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;
  // Moves, turns, mirrors or scales uniformly; other transforms answer eInvalidInput.
  OdResult transformBy(const OdGeMatrix3d& transform) override;

private:
  OdGePoint3d m_start;
  OdGePoint3d m_end;
  double m_thickness = 0.0;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
};
typedef OdSmartPtr<OdDbLine> OdDbLinePtr;
