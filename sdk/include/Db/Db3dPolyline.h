#pragma once
// 3D polylines: straight segments between OdDb3dPolylineVertex entities in
// world coordinates. Spline fitting keeps the vertices as the frame (control
// vertices) and adds fit vertices before them; the curve follows every
// vertex but the frame's. The equivalent spline of a spline-fit polyline is
// the B-spline over its frame.
#include "Db/DbSpline.h"
#include "Db/DbVertex.h"
#include "Db/DbVertexChain.h"

namespace OdDb {
enum Poly3dType : int { k3dSimplePoly = 0, k3dQuadSplinePoly = 1, k3dCubicSplinePoly = 2 };
}

class OdDb3dPolyline : public OdDbCurve {
public:
  ODRX_DECLARE_MEMBERS(OdDb3dPolyline)
public:
  OdDb::Poly3dType polyType() const;
  OdResult setPolyType(OdDb::Poly3dType type);
  void makeClosed();
  void makeOpen();

  // The polyline must be in a database; the vertex is added to it, owned by the polyline.
  OdResult appendVertex(OdDbObjectId& id, OdDb3dPolylineVertex* vertex);
  OdDbObjectIteratorPtr vertexIterator() const;

  OdResult splineFit();
  // Type k3dQuadSplinePoly or k3dCubicSplinePoly; segments fit vertices per frame span.
  OdResult splineFit(OdDb::Poly3dType type, int segments);
  OdResult straighten();

  bool isClosed() const override;
  OdResult getStartParam(double& param) const override;
  OdResult getEndParam(double& param) const override;
  OdResult getStartPoint(OdGePoint3d& point) const override;
  OdResult getEndPoint(OdGePoint3d& point) const override;
  OdResult getPointAtParam(double param, OdGePoint3d& point) const override;
  OdResult getDistAtParam(double param, double& dist) const override;
  // Half the length of the vector sum of the cross products: the enclosed
  // area of a plane polyline, the closing segment taken when open.
  OdResult getArea(double& area) const override;
  // Spline-fit polylines only.
  OdResult getSpline(OdDbSplinePtr& spline) const override;

  void subEntityIds(OdDbObjectIdArray& ids) const override;
  bool dxfAdoptFollowers(const std::vector<OdDbObjectId>& followers) override;
  void dxfFollowers(std::vector<OdDbObjectId>& ids) const override;
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  // The points the curve runs through; the frame when asked for it.
  std::vector<OdGePoint3d> points(bool frame = false) const;
  OdDbVertexChain m_vertices;
  OdDb::Poly3dType m_type = OdDb::k3dSimplePoly;
  bool m_closed = false;
};
typedef OdSmartPtr<OdDb3dPolyline> OdDb3dPolylinePtr;
