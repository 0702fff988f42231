#pragma once
// 2D polylines: vertices as separate OdDb2dVertex entities in the plane of
// the normal at the elevation. Curve fitting adds an arc-fitting vertex
// between each pair of vertices; spline fitting keeps the vertices as the
// spline's frame and adds the fit vertices (written before the frame).
// Parameters, lengths and areas follow the vertices that shape the curve:
// every vertex but the frame's.
#include "Db/DbPolyline.h"
#include "Db/DbVertex.h"
#include "Db/DbVertexChain.h"

namespace OdDb {
enum Poly2dType : int { k2dSimplePoly = 0, k2dFitCurvePoly = 1, k2dQuadSplinePoly = 2, k2dCubicSplinePoly = 3 };
}

class OdDb2dPolyline : public OdDbCurve {
public:
  ODRX_DECLARE_MEMBERS(OdDb2dPolyline)
public:
  OdDb::Poly2dType polyType() const;
  // Fits or straightens to reach the type.
  OdResult setPolyType(OdDb::Poly2dType type);
  void makeClosed();
  void makeOpen();
  bool isLinetypeGenerationOn() const;
  void setLinetypeGenerationOn();
  void setLinetypeGenerationOff();
  double elevation() const;
  // Moves every vertex to the new elevation.
  OdResult setElevation(double elevation);
  double thickness() const;
  OdResult setThickness(double thickness);
  OdGeVector3d normal() const;
  OdResult setNormal(const OdGeVector3d& normal);
  double defaultStartWidth() const;
  double defaultEndWidth() const;
  OdResult setDefaultStartWidth(double width);
  OdResult setDefaultEndWidth(double width);

  // The polyline must be in a database; the vertex is added to it at the
  // polyline's elevation, owned by the polyline.
  OdResult appendVertex(OdDbObjectId& id, OdDb2dVertex* vertex);
  OdDbObjectIteratorPtr vertexIterator() const;
  // A vertex's position in world coordinates.
  OdGePoint3d vertexPosition(const OdDb2dVertex& vertex) const;

  // Arcs through every vertex, tangent where they meet.
  OdResult curveFit();
  // A uniform B-spline over the vertices, of type k2dQuadSplinePoly or
  // k2dCubicSplinePoly, with segments fit vertices per frame span.
  OdResult splineFit();
  OdResult splineFit(OdDb::Poly2dType type, int segments);
  // Removes every fit vertex; the frame becomes the polyline's vertices again.
  OdResult straighten();

  bool isClosed() const override;
  OdResult getStartParam(double& param) const override;
  OdResult getEndParam(double& param) const override;
  OdResult getStartPoint(OdGePoint3d& point) const override;
  OdResult getEndPoint(OdGePoint3d& point) const override;
  OdResult getPointAtParam(double param, OdGePoint3d& point) const override;
  OdResult getDistAtParam(double param, double& dist) const override;
  OdResult getArea(double& area) const override;

  void subEntityIds(OdDbObjectIdArray& ids) const override;
  bool dxfAdoptFollowers(const std::vector<OdDbObjectId>& followers) override;
  void dxfFollowers(std::vector<OdDbObjectId>& ids) const override;
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  // The vertices that shape the curve, as a lightweight polyline in plane coordinates.
  OdDbPolylinePtr shape() const;
  OdGePoint3d toWorld(const OdGePoint3d& plane) const;
  OdDbVertexChain m_vertices;
  OdDb::Poly2dType m_type = OdDb::k2dSimplePoly;
  bool m_closed = false;
  bool m_plinegen = false;
  double m_elevation = 0.0;
  double m_thickness = 0.0;
  double m_startWidth = 0.0;
  double m_endWidth = 0.0;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
};
typedef OdSmartPtr<OdDb2dPolyline> OdDb2dPolylinePtr;
