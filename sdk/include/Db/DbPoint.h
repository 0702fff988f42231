#pragma once
// A point entity: a position, with thickness along its normal and the angle
// of its X axis in its own plane.
#include "Db/DbEntity.h"

class OdDbPoint : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbPoint)
public:
  OdGePoint3d position() const;
  OdResult setPosition(const OdGePoint3d& position);
  double thickness() const;
  OdResult setThickness(double thickness);
  OdGeVector3d normal() const;
  OdResult setNormal(const OdGeVector3d& normal);
  double ecsRotation() const;
  OdResult setEcsRotation(double angle);

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;
  // Moves, turns, mirrors or scales uniformly; other transforms answer eInvalidInput.
  OdResult transformBy(const OdGeMatrix3d& transform) override;

private:
  OdGePoint3d m_position;
  double m_thickness = 0.0;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  double m_ecsRotation = 0.0;
};
typedef OdSmartPtr<OdDbPoint> OdDbPointPtr;
