#pragma once
// Vertices of the old-style polylines: separate entities owned by their
// polyline and written after it in files.
#include "Db/DbEntity.h"

namespace OdDb {
enum Vertex2dType : int { k2dVertex = 0, k2dSplineCtlVertex = 1, k2dSplineFitVertex = 2, k2dCurveFitVertex = 3 };
enum Vertex3dType : int { k3dSimpleVertex = 0, k3dControlVertex = 1, k3dFitVertex = 2 };
}  // namespace OdDb

class OdDbVertex : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbVertex)
public:
  void dxfOutFields(OdDxfOut& out) const override;
};
typedef OdSmartPtr<OdDbVertex> OdDbVertexPtr;

// A vertex of a 2D polyline, in the polyline's plane coordinates (z is the
// polyline's elevation). Its bulge and widths belong to the segment that
// starts at it.
class OdDb2dVertex : public OdDbVertex {
public:
  ODRX_DECLARE_MEMBERS(OdDb2dVertex)
public:
  OdDb::Vertex2dType vertexType() const;
  void setVertexType(OdDb::Vertex2dType type);
  OdGePoint3d position() const;
  OdResult setPosition(const OdGePoint3d& position);
  double startWidth() const;
  double endWidth() const;
  // Any finite width; the SDK does not check the range.
  OdResult setStartWidth(double width);
  OdResult setEndWidth(double width);
  double bulge() const;
  OdResult setBulge(double bulge);
  bool isTangentUsed() const;
  double tangent() const;
  OdResult setTangent(double angle);
  void useTangent();
  void ignoreTangent();

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdGePoint3d m_position;
  double m_startWidth = 0.0;
  double m_endWidth = 0.0;
  double m_bulge = 0.0;
  double m_tangent = 0.0;
  bool m_tangentUsed = false;
  OdDb::Vertex2dType m_type = OdDb::k2dVertex;
};
typedef OdSmartPtr<OdDb2dVertex> OdDb2dVertexPtr;

// A vertex of a 3D polyline, in world coordinates.
class OdDb3dPolylineVertex : public OdDbVertex {
public:
  ODRX_DECLARE_MEMBERS(OdDb3dPolylineVertex)
public:
  OdDb::Vertex3dType vertexType() const;
  void setVertexType(OdDb::Vertex3dType type);
  OdGePoint3d position() const;
  OdResult setPosition(const OdGePoint3d& position);

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdGePoint3d m_position;
  OdDb::Vertex3dType m_type = OdDb::k3dSimpleVertex;
};
typedef OdSmartPtr<OdDb3dPolylineVertex> OdDb3dPolylineVertexPtr;
