#pragma once
// Leaders (a path of vertices from an arrowhead to an annotation) and
// geometric tolerance frames: both hold their own values of some dimension
// settings over their dimension style.
#include <vector>

#include "Db/DbDimVars.h"
#include "Db/DbEntity.h"

class OdDbLeader : public OdDbCurve, public OdDbDimVarHolder {
public:
  ODRX_DECLARE_MEMBERS(OdDbLeader)
public:
  int numVertices() const;
  // World coordinates; indices beyond the last answer eInvalidIndex.
  OdGePoint3d vertexAt(int index) const;
  OdResult setVertexAt(int index, const OdGePoint3d& point);
  OdResult appendVertex(const OdGePoint3d& point);
  void removeLastVertex();
  bool isSplined() const;
  void setToSplineLeader();
  void setToStraightLeader();
  bool hasArrowHead() const;
  void enableArrowHead();
  void disableArrowHead();
  bool hasHookLine() const;
  OdGeVector3d normal() const;
  OdGeVector3d annotationXDir() const;  // the horizontal direction
  OdDbObjectId annotationObjId() const;
  // The leader's arrow is its leader arrow block setting (dimldrblk).

  OdDbObjectId dimensionStyle() const override;
  OdResult setDimensionStyle(OdDbObjectId style) override;
  OdDbDimVarValue dimVar(OdDbDimVar var) const override;
  OdResult setDimVar(OdDbDimVar var, const OdDbDimVarValue& value) override;
  bool hasOverride(OdDbDimVar var) const override;
  KD_DIM_VARS(KD_DIM_VAR_ACCESSORS)

  bool isClosed() const override { return false; }
  OdResult getStartParam(double& param) const override;
  OdResult getEndParam(double& param) const override;
  OdResult getStartPoint(OdGePoint3d& point) const override;
  OdResult getEndPoint(OdGePoint3d& point) const override;
  void setDatabaseDefaults(OdDbDatabase* db) override;
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;
  OdResult transformBy(const OdGeMatrix3d& transform) override;

private:
  std::vector<OdGePoint3d> m_vertices;
  OdDbObjectId m_style;
  bool m_arrow = true, m_splined = false, m_hook = false;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis, m_xDir = OdGeVector3d::kXAxis;
  OdDbObjectId m_annotation;
};
typedef OdSmartPtr<OdDbLeader> OdDbLeaderPtr;

class OdDbFcf : public OdDbEntity, public OdDbDimVarHolder {
public:
  ODRX_DECLARE_MEMBERS(OdDbFcf)
public:
  // The frame's text: lines separated by "^J", symbols as "{\Fgdt;x}" codes.
  OdString text() const;
  OdResult setText(const OdString& text);
  OdGePoint3d location() const;
  OdResult setLocation(const OdGePoint3d& point);
  OdGeVector3d normal() const;
  OdGeVector3d direction() const;
  OdResult setOrientation(const OdGeVector3d& normal, const OdGeVector3d& direction);

  OdDbObjectId dimensionStyle() const override;
  OdResult setDimensionStyle(OdDbObjectId style) override;
  OdDbDimVarValue dimVar(OdDbDimVar var) const override;
  OdResult setDimVar(OdDbDimVar var, const OdDbDimVarValue& value) override;
  bool hasOverride(OdDbDimVar var) const override;
  KD_DIM_VARS(KD_DIM_VAR_ACCESSORS)

  void setDatabaseDefaults(OdDbDatabase* db) override;
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;
  OdResult transformBy(const OdGeMatrix3d& transform) override;

private:
  OdString m_text;
  OdGePoint3d m_location;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis, m_direction = OdGeVector3d::kXAxis;
  OdDbObjectId m_style;
};
typedef OdSmartPtr<OdDbFcf> OdDbFcfPtr;
