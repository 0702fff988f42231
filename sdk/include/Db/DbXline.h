#pragma once
// A construction line: infinite in both directions through a base point.
#include "Db/DbEntity.h"
#include "Db/DbLinearRay.h"

class OdDbXline : public OdDbCurve {
public:
  ODRX_DECLARE_MEMBERS(OdDbXline)
public:
  OdGePoint3d basePoint() const;
  OdResult setBasePoint(const OdGePoint3d& point);
  OdGeVector3d unitDir() const;
  OdResult setUnitDir(const OdGeVector3d& direction);
  OdGePoint3d secondPoint() const;

  // Parameters are signed distances from the base point; both ends lie at infinity.
  OdResult getStartParam(double& param) const override;
  OdResult getEndParam(double& param) const override;
  OdResult getPointAtParam(double param, OdGePoint3d& point) const override;

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdDbLinearRay m_geometry;
};
typedef OdSmartPtr<OdDbXline> OdDbXlinePtr;
