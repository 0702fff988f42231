#pragma once
// Entities of four corners: traces and 2D solids (corners in the plane of a
// normal, with a thickness) and 3D faces (corners anywhere, each edge
// visible or hidden).
#include "Db/DbEntity.h"

// The corners and plane that traces and solids share; files hold the
// corners in the normal's object coordinates.
struct OdDbPlanarCorners {
  OdGePoint3d corners[4];
  double thickness = 0.0;
  OdGeVector3d normal = OdGeVector3d::kZAxis;
  void read(const OdDxfIn& in);
  void write(OdDxfOut& out) const;
};

// The members traces and solids share.
#define KD_PLANAR_CORNERS_MEMBERS(Class)                                  \
 public:                                                                  \
  ODRX_DECLARE_MEMBERS(Class)                                             \
 public:                                                                  \
  /* Corners 0 to 3 in world coordinates; other indexes are refused. */  \
  OdResult getPointAt(int index, OdGePoint3d& point) const;               \
  OdResult setPointAt(int index, const OdGePoint3d& point);               \
  double thickness() const;                                               \
  OdResult setThickness(double thickness);                                \
  OdGeVector3d normal() const;                                            \
  OdResult setNormal(const OdGeVector3d& normal);                         \
  void dxfInFields(const OdDxfIn& in) override;                           \
  void dxfOutFields(OdDxfOut& out) const override;                        \
                                                                          \
 private:                                                                 \
  OdDbPlanarCorners m_data;

class OdDbTrace : public OdDbEntity {
  KD_PLANAR_CORNERS_MEMBERS(OdDbTrace)
};
typedef OdSmartPtr<OdDbTrace> OdDbTracePtr;

class OdDbSolid : public OdDbEntity {
  KD_PLANAR_CORNERS_MEMBERS(OdDbSolid)
};
typedef OdSmartPtr<OdDbSolid> OdDbSolidPtr;

class OdDbFace : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbFace)
public:
  // Corners 0 to 3 in world coordinates; other indexes are refused.
  OdResult getVertexAt(int index, OdGePoint3d& point) const;
  OdResult setVertexAt(int index, const OdGePoint3d& point);
  // Edge i runs from corner i to the next one.
  OdResult isEdgeVisibleAt(int index, bool& visible) const;
  OdResult makeEdgeVisibleAt(int index);
  OdResult makeEdgeInvisibleAt(int index);

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdGePoint3d m_corners[4];
  int m_invisible = 0;  // bit i: edge i hidden
};
typedef OdSmartPtr<OdDbFace> OdDbFacePtr;
