#pragma once
// Drawing entities: the objects of model and paper space with their general
// appearance settings.
#include <memory>
#include <vector>
#include "Db/DbObject.h"
#include "Ge/GeMatrix3d.h"
#include "Cm/CmColor.h"

namespace OdDb {
enum LineWeight : int {
  kLnWt000 = 0, kLnWt005 = 5, kLnWt009 = 9, kLnWt013 = 13, kLnWt015 = 15, kLnWt018 = 18,
  kLnWt020 = 20, kLnWt025 = 25, kLnWt030 = 30, kLnWt035 = 35, kLnWt040 = 40, kLnWt050 = 50,
  kLnWt053 = 53, kLnWt060 = 60, kLnWt070 = 70, kLnWt080 = 80, kLnWt090 = 90, kLnWt100 = 100,
  kLnWt106 = 106, kLnWt120 = 120, kLnWt140 = 140, kLnWt158 = 158, kLnWt200 = 200, kLnWt211 = 211,
  kLnWtByLayer = -1, kLnWtByBlock = -2, kLnWtByLwDefault = -3
};
// True for the values of the enumeration above.
bool isValidLineWeight(int value);
enum Visibility : int { kVisible = 0, kInvisible = 1 };
}  // namespace OdDb

class OdDbEntity : public OdDbObject {
public:
  ODRX_DECLARE_MEMBERS(OdDbEntity)
public:
  OdDbObjectId blockId() const { return ownerId(); }

  OdCmColor color() const;
  OdInt16 colorIndex() const;
  OdResult setColor(const OdCmColor& color, bool doSubents = true);
  OdResult setColorIndex(OdInt16 index, bool doSubents = true);

  OdDbObjectId layerId() const;
  OdString layer() const;
  // The id must name a layer record of the entity's database.
  OdResult setLayer(OdDbObjectId layerId, bool doSubents = true, bool allowHiddenLayer = false);

  OdDbObjectId linetypeId() const;
  OdString linetype() const;
  OdResult setLinetype(OdDbObjectId linetypeId, bool doSubents = true);

  double linetypeScale() const;
  // Positive finite scales only.
  OdResult setLinetypeScale(double scale, bool doSubents = true);

  OdString plotStyleName() const;
  // Named print styles exist only in drawings with named print styles.
  OdResult setPlotStyleName(const OdString& name, bool doSubents = true);

  OdDb::LineWeight lineWeight() const;
  OdResult setLineWeight(OdDb::LineWeight weight, bool doSubents = true);

  OdCmTransparency transparency() const;
  OdResult setTransparency(const OdCmTransparency& transparency, bool doSubents = true);

  OdDb::Visibility visibility() const;
  OdResult setVisibility(OdDb::Visibility visibility, bool doSubents = true);

  // Objects that belong to this entity and take its settings with it
  // (vertices of old-style polylines, attributes of block references).
  virtual void subEntityIds(OdDbObjectIdArray& ids) const;
  // Moves, turns or scales the entity; eNotApplicable for kinds that cannot be.
  virtual OdResult transformBy(const OdGeMatrix3d& transform);
  // The box around the entity in world coordinates; eNotApplicable for
  // kinds that do not know theirs, eInvalidExtents when it has no geometry.
  virtual OdResult getGeomExtents(class OdGeExtents3d& extents) const;
  // Takes colour, layer, line type and scale, print style, line weight,
  // transparency and visibility from the other entity.
  void setPropertiesFrom(const OdDbEntity* other);

  // Entities a drawing file holds right after this one (vertices and their
  // sequence end). The reader offers them; an entity that keeps them
  // answers true and gives them back to the writer.
  virtual bool dxfAdoptFollowers(const std::vector<OdDbObjectId>& followers);
  virtual void dxfFollowers(std::vector<OdDbObjectId>& ids) const;

  void setDatabaseDefaults(OdDbDatabase* db) override;
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  template <class F>
  void forSubents(bool doSubents, F apply);
  OdCmColor m_color;
  OdDbObjectId m_layer;
  OdDbObjectId m_linetype;
  double m_ltScale = 1.0;
  const OdString* m_plotStyle = nullptr;  // kept once for the program; null for "ByLayer", which nearly every entity has
  OdCmTransparency m_transparency;
  OdInt16 m_lineWeight = OdDb::kLnWtByLayer;  // an OdDb::LineWeight
  OdUInt8 m_visibility = OdDb::kVisible;      // an OdDb::Visibility
};
typedef OdSmartPtr<OdDbEntity> OdDbEntityPtr;

// Curves: entities with a parameterised path.
class OdDbCurve : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbCurve)
public:
  virtual bool isClosed() const { return false; }
  virtual bool isPeriodic() const { return false; }
  virtual OdResult getStartParam(double& param) const;
  virtual OdResult getEndParam(double& param) const;
  virtual OdResult getStartPoint(OdGePoint3d& point) const;
  virtual OdResult getEndPoint(OdGePoint3d& point) const;
  virtual OdResult getPointAtParam(double param, OdGePoint3d& point) const;
  virtual OdResult getDistAtParam(double param, double& dist) const;
  virtual OdResult getArea(double& area) const;
  // The curve as an equivalent spline, for curves that have one.
  virtual OdResult getSpline(OdSmartPtr<class OdDbSpline>& spline) const;
};
typedef OdSmartPtr<OdDbCurve> OdDbCurvePtr;
