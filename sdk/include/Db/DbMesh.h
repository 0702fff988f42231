#pragma once
// Meshes: polyface meshes (an old-style polyline of vertices followed by
// face records naming up to four of them, 1-based, negative for a hidden
// edge), polygon meshes (M by N vertices, closed or open each way, smoothed
// as a surface of a kind) and subdivision meshes (MESH: vertices, faces of
// any size, edges with creases, a smoothing level).
#include <string>
#include <vector>

#include "Db/DbVertex.h"
#include "Db/DbVertexChain.h"
#include "Ge/GeExtents3d.h"
#include "Ge/GePointArrays.h"

class OdDbPolyFaceMeshVertex : public OdDbVertex {
public:
  ODRX_DECLARE_MEMBERS(OdDbPolyFaceMeshVertex)
public:
  OdGePoint3d position() const;
  OdResult setPosition(const OdGePoint3d& position);
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdGePoint3d m_position;
};
typedef OdSmartPtr<OdDbPolyFaceMeshVertex> OdDbPolyFaceMeshVertexPtr;

class OdDbFaceRecord : public OdDbVertex {
public:
  ODRX_DECLARE_MEMBERS(OdDbFaceRecord)
public:
  // The 1-based vertex number at the corner (0..3); 0 for no corner.
  OdInt16 getVertexAt(int corner) const;
  OdResult setVertexAt(int corner, OdInt16 vertex);
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdInt16 m_vertices[4] = {0, 0, 0, 0};
};
typedef OdSmartPtr<OdDbFaceRecord> OdDbFaceRecordPtr;

class OdDbPolyFaceMesh : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbPolyFaceMesh)
public:
  // Vertices and faces that are not erased.
  OdInt16 numVertices() const;
  OdInt16 numFaces() const;
  // The mesh must be in a database; the vertex goes after the last vertex
  // (before the face records), the face record at the end.
  OdResult appendVertex(OdDbPolyFaceMeshVertex* vertex);
  OdResult appendFaceRecord(OdDbFaceRecord* face);
  // Vertices and face records in file order.
  OdDbObjectIteratorPtr vertexIterator() const;
  OdResult getGeomExtents(OdGeExtents3d& extents) const override;

  void subEntityIds(OdDbObjectIdArray& ids) const override;
  bool dxfAdoptFollowers(const std::vector<OdDbObjectId>& followers) override;
  void dxfFollowers(std::vector<OdDbObjectId>& ids) const override;
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdDbVertexChain m_vertices;
};
typedef OdSmartPtr<OdDbPolyFaceMesh> OdDbPolyFaceMeshPtr;

class OdDbPolygonMeshVertex : public OdDbVertex {
public:
  ODRX_DECLARE_MEMBERS(OdDbPolygonMeshVertex)
public:
  OdGePoint3d position() const;
  OdResult setPosition(const OdGePoint3d& position);
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdGePoint3d m_position;
  int m_flags = 64;
};
typedef OdSmartPtr<OdDbPolygonMeshVertex> OdDbPolygonMeshVertexPtr;

namespace OdDb {
enum PolyMeshType : int { kSimpleMesh = 0, kQuadSurfaceMesh = 5, kCubicSurfaceMesh = 6, kBezierSurfaceMesh = 8 };
}

class OdDbPolygonMesh : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbPolygonMesh)
public:
  OdInt16 mSize() const;
  OdInt16 nSize() const;
  // The counts the vertices make up (M rows of N); sizes must be positive.
  OdResult setMSize(OdInt16 size);
  OdResult setNSize(OdInt16 size);
  bool isMClosed() const;
  bool isNClosed() const;
  void makeMClosed();
  void makeMOpen();
  void makeNClosed();
  void makeNOpen();
  OdInt16 mSurfaceDensity() const;
  OdInt16 nSurfaceDensity() const;
  OdResult setMSurfaceDensity(OdInt16 density);
  OdResult setNSurfaceDensity(OdInt16 density);
  OdDb::PolyMeshType polyMeshType() const;
  OdResult setPolyMeshType(OdDb::PolyMeshType type);
  OdResult appendVertex(OdDbPolygonMeshVertex* vertex);
  OdDbObjectIteratorPtr vertexIterator() const;
  OdResult getGeomExtents(OdGeExtents3d& extents) const override;

  void subEntityIds(OdDbObjectIdArray& ids) const override;
  bool dxfAdoptFollowers(const std::vector<OdDbObjectId>& followers) override;
  void dxfFollowers(std::vector<OdDbObjectId>& ids) const override;
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdDbVertexChain m_vertices;
  int m_flags = 16;
  OdInt16 m_m = 0, m_n = 0, m_mDensity = 0, m_nDensity = 0, m_type = OdDb::kSimpleMesh;
};
typedef OdSmartPtr<OdDbPolygonMesh> OdDbPolygonMeshPtr;

class OdDbSubDMesh : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbSubDMesh)
public:
  // Faces as lists of vertex indices (0-based).
  typedef std::vector<OdInt32> Face;
  OdResult setSubDMesh(const OdGePoint3dArray& vertices, const std::vector<Face>& faces, int smoothLevel);
  OdResult getVertices(OdGePoint3dArray& vertices) const;
  OdResult getVertexAt(OdInt32 index, OdGePoint3d& point) const;
  OdResult setVertexAt(OdInt32 index, const OdGePoint3d& point);
  OdInt32 numOfVertices() const;
  OdInt32 numOfFaces() const;
  OdInt32 numOfEdges() const;
  const std::vector<Face>& faces() const;
  OdInt32 smoothLevel() const;
  OdResult getGeomExtents(OdGeExtents3d& extents) const override;

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;
  OdResult transformBy(const OdGeMatrix3d& transform) override;

private:
  int m_version = 2, m_blendCrease = 0, m_level = 0;
  OdGePoint3dArray m_vertices;
  std::vector<Face> m_faces;
  std::vector<OdInt32> m_edges;  // pairs of vertex indices
  std::vector<double> m_creases;
  // The overrides of sub-entities after the creases, kept as the file holds them.
  std::vector<std::pair<int, std::string>> m_overrides;
};
typedef OdSmartPtr<OdDbSubDMesh> OdDbSubDMeshPtr;
