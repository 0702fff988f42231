#pragma once
// A shape: a named figure of a shape file, placed, sized, turned and slanted
// in the plane of a normal.
#include "Db/DbEntity.h"

class OdDbShape : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbShape)
public:
  OdGePoint3d position() const;
  OdResult setPosition(const OdGePoint3d& position);
  double size() const;
  OdResult setSize(double size);  // not zero
  OdString name() const;
  OdResult setName(const OdString& name);
  double rotation() const;
  OdResult setRotation(double angle);
  double widthFactor() const;
  OdResult setWidthFactor(double factor);  // positive
  double oblique() const;
  OdResult setOblique(double angle);
  double thickness() const;
  OdResult setThickness(double thickness);
  OdGeVector3d normal() const;
  OdResult setNormal(const OdGeVector3d& normal);
  // The shape file that holds the figure: the drawing's first text style
  // that is a shape file (null when it has none).
  OdDbObjectId styleId() const;

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdGePoint3d m_position;
  double m_size = 1.0;
  OdString m_name;
  double m_rotation = 0.0, m_widthFactor = 1.0, m_oblique = 0.0, m_thickness = 0.0;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
};
typedef OdSmartPtr<OdDbShape> OdDbShapePtr;
