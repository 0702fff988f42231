#pragma once
// A half-infinite line from a base point along a unit direction.
#include "Db/DbEntity.h"
#include "Db/DbLinearRay.h"

class OdDbRay : public OdDbCurve {
public:
  ODRX_DECLARE_MEMBERS(OdDbRay)
public:
  OdGePoint3d basePoint() const;
  OdResult setBasePoint(const OdGePoint3d& point);
  OdGeVector3d unitDir() const;
  OdResult setUnitDir(const OdGeVector3d& direction);
  OdGePoint3d secondPoint() const;

  // Parameters run from 0 at the base point; the end lies at infinity.
  OdResult getStartParam(double& param) const override;
  OdResult getEndParam(double& param) const override;
  OdResult getStartPoint(OdGePoint3d& point) const override;
  OdResult getPointAtParam(double param, OdGePoint3d& point) const override;

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdDbLinearRay m_geometry;
};
typedef OdSmartPtr<OdDbRay> OdDbRayPtr;
