#pragma once
// Lightweight polyline: vertices in the plane of its normal at its
// elevation, each with the bulge and the widths of the segment that starts
// there. Parameter i is vertex i; segment i runs from vertex i to vertex
// i + 1 (to vertex 0 for the last one of a closed polyline).
#include <vector>

#include "Db/DbEntity.h"
#include "Ge/GePoint2d.h"

class OdGeCircArc2d;
class OdGeLineSeg2d;
class OdGeLineSeg3d;

class OdDbPolyline : public OdDbCurve {
public:
  ODRX_DECLARE_MEMBERS(OdDbPolyline)
public:
  enum SegType { kLine = 0, kArc = 1, kCoincident = 2, kPoint = 3, kEmpty = 4 };

  unsigned int numVerts() const;
  // Inserts before the index (the count appends); negative widths take the constant width's place (0).
  OdResult addVertexAt(unsigned int index, const OdGePoint2d& point, double bulge = 0.0, double startWidth = -1.0,
                       double endWidth = -1.0);
  OdResult removeVertexAt(unsigned int index);

  // Indices at or beyond the vertex count answer eInvalidIndex and leave the polyline unchanged.
  OdResult getPointAt(unsigned int index, OdGePoint2d& point) const;
  // The vertex in world coordinates (plane point at the elevation, turned onto the normal).
  OdResult getPointAt(unsigned int index, OdGePoint3d& point) const;
  OdResult setPointAt(unsigned int index, const OdGePoint2d& point);
  OdResult getBulgeAt(unsigned int index, double& bulge) const;
  OdResult setBulgeAt(unsigned int index, double bulge);
  // The widths stored at the vertex (also while a constant width is set).
  OdResult getWidthsAt(unsigned int index, double& startWidth, double& endWidth) const;
  // Widths are finite and not negative.
  OdResult setWidthsAt(unsigned int index, double startWidth, double endWidth);

  SegType segType(unsigned int index) const;
  // Segment index in the plane's coordinates; eInvalidIndex when it is no line or arc of that kind.
  OdResult getLineSegAt(unsigned int index, OdGeLineSeg2d& line) const;
  OdResult getLineSegAt(unsigned int index, OdGeLineSeg3d& line) const;
  OdResult getArcSegAt(unsigned int index, OdGeCircArc2d& arc) const;

  // Constant (global) width; 0 when the segments carry their own widths.
  double getConstantWidth() const;
  OdResult setConstantWidth(double width);
  double elevation() const;
  OdResult setElevation(double elevation);
  double thickness() const;
  OdResult setThickness(double thickness);
  OdGeVector3d normal() const;
  OdResult setNormal(const OdGeVector3d& normal);
  bool hasPlinegen() const;
  void setPlinegen(bool plinegen);
  void setClosed(bool closed);

  bool isClosed() const override;
  OdResult getStartParam(double& param) const override;
  OdResult getEndParam(double& param) const override;
  OdResult getStartPoint(OdGePoint3d& point) const override;
  OdResult getEndPoint(OdGePoint3d& point) const override;
  OdResult getPointAtParam(double param, OdGePoint3d& point) const override;
  OdResult getDistAtParam(double param, double& dist) const override;
  // Area enclosed by the vertices and arcs, the closing segment taken as a straight line when open.
  OdResult getArea(double& area) const override;

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;
  // Moves, turns, mirrors or scales uniformly; other transforms answer eInvalidInput.
  OdResult transformBy(const OdGeMatrix3d& transform) override;

private:
  struct Vertex {
    OdGePoint2d point;
    double bulge = 0.0;
    double startWidth = 0.0;
    double endWidth = 0.0;
    int identifier = 0;  // kept from files that number their vertices
  };
  unsigned int numSegs() const;
  unsigned int nextIndex(unsigned int index) const;
  // Length of segment i, or 0 for a point or coincident segment.
  double segLength(unsigned int index) const;
  OdGePoint2d pointOnSeg(unsigned int index, double fraction) const;
  std::vector<Vertex> m_vertices;
  double m_constantWidth = 0.0;
  double m_elevation = 0.0;
  double m_thickness = 0.0;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  bool m_closed = false;
  bool m_plinegen = false;
  bool m_identifiers = false;
};
typedef OdSmartPtr<OdDbPolyline> OdDbPolylinePtr;
