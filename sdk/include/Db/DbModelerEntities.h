#pragma once
// Solids, bodies, regions and surfaces: entities whose shape is modeller
// data (see DbModelerGeometry.h), kept as the drawing stores it. Surfaces
// also keep how they were made (extruded along a vector, lofted through
// sections, revolved about an axis, swept along a path): those parameters
// stand in the file beside the modeller data and are edited there; the
// modeller data is not regenerated from them.
#include <vector>

#include "Db/DbEntity.h"
#include "Db/DbModelerGeometry.h"

// The "AcDbModelerGeometry" part every such entity has.
class OdDbModelerGeometryFields {
public:
  // The modeller data; newer files keep it apart, found by the owner's handle on first use.
  const OdDbModelerData& data(const OdDbObject* owner) const;
  void setData(const OdDbModelerData& data);
  void dxfIn(const OdDxfIn& in);
  void dxfOut(OdDxfOut& out, const OdDbObject* owner) const;
  // Binary data given since reading, for a drawing that keeps it apart.
  bool asideData(const OdDbObject* owner, std::string& bytes) const;

private:
  OdDbModelerData m_data;
  bool m_given = false;  // set by the program, not read
  int m_version = 1;
  mutable bool m_looked = false;  // the ACDSDATA section was searched
};

// What every entity of modeller data has, on top of the entity class.
template <class Base>
class OdDbModelerEntity : public Base {
public:
  const OdDbModelerData& modelerData() const {
    this->assertReadEnabled();
    return m_geometry.data(this);
  }
  void setModelerData(const OdDbModelerData& data) {
    this->assertWriteEnabled();
    m_geometry.setData(data);
  }
  OdResult getGeomExtents(OdGeExtents3d& extents) const override {
    this->assertReadEnabled();
    return m_geometry.data(this).extents(extents);
  }
  void dxfInFields(const OdDxfIn& in) override {
    Base::dxfInFields(in);
    m_geometry.dxfIn(in);
  }
  void dxfOutFields(OdDxfOut& out) const override {
    Base::dxfOutFields(out);
    m_geometry.dxfOut(out, this);
  }
  bool dxfAsideData(std::string& bytes) const override { return m_geometry.asideData(this, bytes); }

protected:
  OdDbModelerGeometryFields m_geometry;
};

class OdDb3dSolid : public OdDbModelerEntity<OdDbEntity> {
public:
  ODRX_DECLARE_MEMBERS(OdDb3dSolid)
public:
  void dxfOutFields(OdDxfOut& out) const override;
};
typedef OdSmartPtr<OdDb3dSolid> OdDb3dSolidPtr;

class OdDbBody : public OdDbModelerEntity<OdDbEntity> {
public:
  ODRX_DECLARE_MEMBERS(OdDbBody)
};
typedef OdSmartPtr<OdDbBody> OdDbBodyPtr;

class OdDbRegion : public OdDbModelerEntity<OdDbEntity> {
public:
  ODRX_DECLARE_MEMBERS(OdDbRegion)
public:
  // Planar faces bounded by lines, circles and ellipses; an error otherwise.
  OdResult getArea(double& area) const;
  OdResult getPerimeter(double& perimeter) const;
};
typedef OdSmartPtr<OdDbRegion> OdDbRegionPtr;

// How a profile is swept or extruded (the same fields for both kinds).
class OdDbSweepOptions {
public:
  double draftAngle() const { return m_draft; }
  void setDraftAngle(double a) { m_draft = a; }
  double twistAngle() const { return m_twist; }
  void setTwistAngle(double a) { m_twist = a; }
  double scaleFactor() const { return m_scale; }
  void setScaleFactor(double s) { m_scale = s; }
  double alignAngle() const { return m_align; }
  void setAlignAngle(double a) { m_align = a; }
  bool bank() const { return m_bank; }
  void setBank(bool b) { m_bank = b; }
  // Finite angles, a positive finite scale factor.
  bool isValid() const;

private:
  double m_draft = 0.0, m_twist = 0.0, m_scale = 1.0, m_align = 0.0;
  bool m_bank = false;
};

class OdDbLoftOptions {
public:
  enum NormalOption : int { kNoNormal = 0, kFirstNormal, kLastNormal, kEndsNormal, kAllNormal, kUseDraftAngles };
  NormalOption normal() const { return m_normal; }
  void setNormal(NormalOption n) { m_normal = n; }
  bool ruled() const { return m_ruled; }
  void setRuled(bool r) { m_ruled = r; }
  bool closed() const { return m_closed; }
  void setClosed(bool c) { m_closed = c; }

private:
  NormalOption m_normal = kNoNormal;
  bool m_ruled = false, m_closed = false;
};

class OdDbSurface : public OdDbModelerEntity<OdDbEntity> {
public:
  ODRX_DECLARE_MEMBERS(OdDbSurface)
public:
  OdUInt16 uIsolineDensity() const;
  OdUInt16 vIsolineDensity() const;
  // Up to 32767 lines: the file holds them as 16-bit numbers.
  OdResult setUIsolineDensity(OdUInt16 density);
  OdResult setVIsolineDensity(OdUInt16 density);
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  int m_u = 6, m_v = 6;
};
typedef OdSmartPtr<OdDbSurface> OdDbSurfacePtr;

class OdDbPlaneSurface : public OdDbSurface {
public:
  ODRX_DECLARE_MEMBERS(OdDbPlaneSurface)
};
typedef OdSmartPtr<OdDbPlaneSurface> OdDbPlaneSurfacePtr;

class OdDbExtrudedSurface : public OdDbSurface {
public:
  ODRX_DECLARE_MEMBERS(OdDbExtrudedSurface)
public:
  OdGeVector3d getSweepVec() const;
  OdResult setSweepVec(const OdGeVector3d& vec);
  // The length of the sweep vector; a new height keeps its direction.
  double getHeight() const;
  OdResult setHeight(double height);
  void getSweepOptions(OdDbSweepOptions& options) const;
  OdResult setSweepOptions(const OdDbSweepOptions& options);
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdGeVector3d m_sweep;
  OdDbSweepOptions m_options;
};
typedef OdSmartPtr<OdDbExtrudedSurface> OdDbExtrudedSurfacePtr;

class OdDbLoftedSurface : public OdDbSurface {
public:
  ODRX_DECLARE_MEMBERS(OdDbLoftedSurface)
public:
  // The curves' data stored with the surface; files do not tell guide
  // curves from sections, so every stored curve counts as a section.
  int numCrossSections() const;
  int numGuideCurves() const;
  void getLoftOptions(OdDbLoftOptions& options) const;
  OdResult setLoftOptions(const OdDbLoftOptions& options);
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  int m_sections = 0;
  OdDbLoftOptions m_options;
};
typedef OdSmartPtr<OdDbLoftedSurface> OdDbLoftedSurfacePtr;

class OdDbRevolvedSurface : public OdDbSurface {
public:
  ODRX_DECLARE_MEMBERS(OdDbRevolvedSurface)
public:
  double getRevolveAngle() const;
  OdResult setRevolveAngle(double angle);
  OdGePoint3d getAxisPnt() const;
  OdResult setAxisPnt(const OdGePoint3d& point);
  OdGeVector3d getAxisVec() const;
  OdResult setAxisVec(const OdGeVector3d& vec);
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdGePoint3d m_axisPoint;
  OdGeVector3d m_axis = OdGeVector3d::kYAxis;
  double m_angle = 2.0 * 3.14159265358979323846;
};
typedef OdSmartPtr<OdDbRevolvedSurface> OdDbRevolvedSurfacePtr;

class OdDbSweptSurface : public OdDbSurface {
public:
  ODRX_DECLARE_MEMBERS(OdDbSweptSurface)
public:
  void getSweepOptions(OdDbSweepOptions& options) const;
  OdResult setSweepOptions(const OdDbSweepOptions& options);
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdDbSweepOptions m_options;
};
typedef OdSmartPtr<OdDbSweptSurface> OdDbSweptSurfacePtr;
