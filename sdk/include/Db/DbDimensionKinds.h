#pragma once
// The dimension kinds beyond the linear ones: angles between two lines or at
// a vertex, arc lengths, radii and diameters (a large radius with its jog),
// and ordinates; each measures from its own defining points.
#include "Db/DbDimension.h"

// The angle between two lines, on the side of the arc point.
class OdDb2LineAngularDimension : public OdDbDimension {
public:
  ODRX_DECLARE_MEMBERS(OdDb2LineAngularDimension)
public:
  OdGePoint3d xLine1Start() const;
  OdResult setXLine1Start(const OdGePoint3d& p);
  OdGePoint3d xLine1End() const;
  OdResult setXLine1End(const OdGePoint3d& p);
  OdGePoint3d xLine2Start() const;
  OdResult setXLine2Start(const OdGePoint3d& p);
  OdGePoint3d xLine2End() const;
  OdResult setXLine2End(const OdGePoint3d& p);
  OdGePoint3d arcPoint() const;
  OdResult setArcPoint(const OdGePoint3d& p);
  // The arc the dimension shows: its vertex, and its start angle and sweep
  // (radians, counterclockwise from the plane's X axis); false when the
  // points make no angle.
  bool getSector(OdGePoint3d& vertex, double& start, double& sweep) const;
  // Radians, in [0, pi]; 0 for parallel lines.
  double getMeasurement() const override;

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

protected:
  int dxfDimType() const override { return 2; }
  void dxfOutDefiningPoint(OdDxfOut& out) const override;
  OdResult drawInto(OdDbBlockTableRecord& block) const override;

private:
  OdGePoint3d m_line1Start, m_line1End, m_line2Start, m_line2End, m_arc;
};
typedef OdSmartPtr<OdDb2LineAngularDimension> OdDb2LineAngularDimensionPtr;

// The angle at a vertex between two points, on the side of the arc point.
class OdDb3PointAngularDimension : public OdDbDimension {
public:
  ODRX_DECLARE_MEMBERS(OdDb3PointAngularDimension)
public:
  OdGePoint3d xLine1Point() const;
  OdResult setXLine1Point(const OdGePoint3d& p);
  OdGePoint3d xLine2Point() const;
  OdResult setXLine2Point(const OdGePoint3d& p);
  OdGePoint3d centerPoint() const;
  OdResult setCenterPoint(const OdGePoint3d& p);
  OdGePoint3d arcPoint() const;
  OdResult setArcPoint(const OdGePoint3d& p);
  // The arc the dimension shows: its vertex, and its start angle and sweep
  // (radians, counterclockwise from the plane's X axis); false when the
  // points make no angle.
  bool getSector(OdGePoint3d& vertex, double& start, double& sweep) const;
  // Radians, in [0, 2 pi).
  double getMeasurement() const override;

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

protected:
  int dxfDimType() const override { return 5; }
  void dxfOutDefiningPoint(OdDxfOut& out) const override;
  OdResult drawInto(OdDbBlockTableRecord& block) const override;

private:
  OdGePoint3d m_xLine1, m_xLine2, m_center, m_arc;
};
typedef OdSmartPtr<OdDb3PointAngularDimension> OdDb3PointAngularDimensionPtr;

// The length of an arc between two points of it.
class OdDbArcDimension : public OdDbDimension {
public:
  ODRX_DECLARE_MEMBERS(OdDbArcDimension)
public:
  OdGePoint3d xLine1Point() const;
  OdResult setXLine1Point(const OdGePoint3d& p);
  OdGePoint3d xLine2Point() const;
  OdResult setXLine2Point(const OdGePoint3d& p);
  OdGePoint3d centerPoint() const;
  OdResult setCenterPoint(const OdGePoint3d& p);
  OdGePoint3d arcPoint() const;
  OdResult setArcPoint(const OdGePoint3d& p);
  OdGePoint3d leader1Point() const;
  OdGePoint3d leader2Point() const;
  bool hasLeader() const;
  bool isPartial() const;
  // 0 before the text, 1 above it, 2 none: the dimension's arc symbol setting.
  int arcSymbolType() const { return dimarcsym(); }
  OdResult setArcSymbolType(int type) { return setDimarcsym(type); }
  // The arc the dimension shows: its vertex, and its start angle and sweep
  // (radians, counterclockwise from the plane's X axis); false when the
  // points make no angle.
  bool getSector(OdGePoint3d& vertex, double& start, double& sweep) const;
  // The radius times the angle swept from the first to the second point on the arc point's side.
  double getMeasurement() const override;

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

protected:
  int dxfDimType() const override { return 5; }
  void dxfOutDefiningPoint(OdDxfOut& out) const override;
  OdResult drawInto(OdDbBlockTableRecord& block) const override;

private:
  OdGePoint3d m_xLine1, m_xLine2, m_center, m_arc, m_leader1, m_leader2;
  double m_startParam = 0.0, m_endParam = 0.0;
  bool m_partial = false, m_hasLeader = false;
};
typedef OdSmartPtr<OdDbArcDimension> OdDbArcDimensionPtr;

// A radius: from the centre to a point of the circle. Its extension arc
// reaches the arc from beyond its ends when the point lies off it.
class OdDbRadialDimension : public OdDbDimension {
public:
  ODRX_DECLARE_MEMBERS(OdDbRadialDimension)
public:
  OdGePoint3d center() const;
  OdResult setCenter(const OdGePoint3d& p);
  OdGePoint3d chordPoint() const;
  OdResult setChordPoint(const OdGePoint3d& p);
  double leaderLength() const;
  OdResult setLeaderLength(double length);
  bool extArcOn() const;
  void setExtArcOn(bool on);
  double getMeasurement() const override;

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

protected:
  int dxfDimType() const override { return 4; }
  void dxfOutDefiningPoint(OdDxfOut& out) const override;
  OdResult drawInto(OdDbBlockTableRecord& block) const override;

private:
  OdGePoint3d m_center, m_chord;
  double m_leaderLength = 0.0;
};
typedef OdSmartPtr<OdDbRadialDimension> OdDbRadialDimensionPtr;

// A diameter: between two opposite points of the circle.
class OdDbDiametricDimension : public OdDbDimension {
public:
  ODRX_DECLARE_MEMBERS(OdDbDiametricDimension)
public:
  OdGePoint3d chordPoint() const;
  OdResult setChordPoint(const OdGePoint3d& p);
  OdGePoint3d farChordPoint() const;
  OdResult setFarChordPoint(const OdGePoint3d& p);
  double leaderLength() const;
  OdResult setLeaderLength(double length);
  double getMeasurement() const override;

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

protected:
  int dxfDimType() const override { return 3; }
  void dxfOutDefiningPoint(OdDxfOut& out) const override;
  OdResult drawInto(OdDbBlockTableRecord& block) const override;

private:
  OdGePoint3d m_chord, m_farChord;
  double m_leaderLength = 0.0;
};
typedef OdSmartPtr<OdDbDiametricDimension> OdDbDiametricDimensionPtr;

// A radius too large to draw from its centre: drawn from an override
// centre, with a jog at an angle.
class OdDbRadialDimensionLarge : public OdDbDimension {
public:
  ODRX_DECLARE_MEMBERS(OdDbRadialDimensionLarge)
public:
  OdGePoint3d center() const;
  OdResult setCenter(const OdGePoint3d& p);
  OdGePoint3d chordPoint() const;
  OdResult setChordPoint(const OdGePoint3d& p);
  OdGePoint3d overrideCenter() const;
  OdResult setOverrideCenter(const OdGePoint3d& p);
  OdGePoint3d jogPoint() const;
  OdResult setJogPoint(const OdGePoint3d& p);
  double jogAngle() const;
  OdResult setJogAngle(double angle);  // 5 to 90 degrees
  double getMeasurement() const override;

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

protected:
  int dxfDimType() const override { return 9; }
  void dxfOutDefiningPoint(OdDxfOut& out) const override;
  OdResult drawInto(OdDbBlockTableRecord& block) const override;

private:
  OdGePoint3d m_center, m_chord, m_overrideCenter, m_jog;
  double m_jogAngle = 0.7853981633974483;
};
typedef OdSmartPtr<OdDbRadialDimensionLarge> OdDbRadialDimensionLargePtr;

// The distance of a feature from the origin along X or along Y.
class OdDbOrdinateDimension : public OdDbDimension {
public:
  ODRX_DECLARE_MEMBERS(OdDbOrdinateDimension)
public:
  OdGePoint3d origin() const;
  OdResult setOrigin(const OdGePoint3d& p);
  OdGePoint3d definingPoint() const;
  OdResult setDefiningPoint(const OdGePoint3d& p);
  OdGePoint3d leaderEndPoint() const;
  OdResult setLeaderEndPoint(const OdGePoint3d& p);
  bool isUsingXAxis() const;
  void useXAxis();
  void useYAxis();
  // The angle of the measuring X axis from the plane's X axis.
  double horizontalRotation() const;
  double getMeasurement() const override;

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

protected:
  int dxfDimType() const override { return 6 | (m_xAxis ? 64 : 0); }
  int dxfTypeMask() const override { return 128 | 64; }
  void dxfOutDefiningPoint(OdDxfOut& out) const override;
  OdResult drawInto(OdDbBlockTableRecord& block) const override;

private:
  OdGePoint3d m_origin, m_feature, m_leaderEnd;
  bool m_xAxis = false;
};
typedef OdSmartPtr<OdDbOrdinateDimension> OdDbOrdinateDimensionPtr;
