#include "Db/DbMesh.h"

#include <cmath>

#include "Db/DbDatabase.h"
#include "Dxf/DxfFiler.h"
#include "Ge/GeMatrix3d.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbPolyFaceMeshVertex, OdDbVertex, L"VERTEX", new OdDbPolyFaceMeshVertex)
ODRX_DEFINE_MEMBERS_EX(OdDbFaceRecord, OdDbVertex, L"VERTEX", new OdDbFaceRecord)
ODRX_DEFINE_MEMBERS_EX(OdDbPolyFaceMesh, OdDbEntity, L"POLYLINE", new OdDbPolyFaceMesh)
ODRX_DEFINE_MEMBERS_EX(OdDbPolygonMeshVertex, OdDbVertex, L"VERTEX", new OdDbPolygonMeshVertex)
ODRX_DEFINE_MEMBERS_EX(OdDbPolygonMesh, OdDbEntity, L"POLYLINE", new OdDbPolygonMesh)
ODRX_DEFINE_MEMBERS_EX(OdDbSubDMesh, OdDbEntity, L"MESH", new OdDbSubDMesh)

namespace {
const int kPolygonMeshFlag = 16, kPolyFaceFlag = 64, kMClosed = 1, kNClosed = 32;

// Flags of which the class models the bits of the mask; written whole for
// new objects, which readers tell apart by them.
void writeFlags(OdDxfOut& out, long long value, long long mask) {
  if (out.fromFile()) out.flags(70, value, mask, value);
  else out.integer(70, value);
}

// The box of the positions of the chain's vertices of class T.
template <class T>
OdResult chainExtents(const OdDbVertexChain& chain, OdGeExtents3d& extents) {
  OdGeExtents3d box;
  for (OdDbObjectIteratorPtr it = chain.iterator(); !it->done(); it->step()) {
    OdSmartPtr<T> v = T::cast(it->entity());
    if (!v.isNull()) box.addPoint(v->position());
  }
  if (!box.isValidExtents()) return eInvalidExtents;
  extents = box;
  return eOk;
}
}  // namespace

// ------------------------------------------------------------ polyface mesh

OdGePoint3d OdDbPolyFaceMeshVertex::position() const { assertReadEnabled(); return m_position; }
OdResult OdDbPolyFaceMeshVertex::setPosition(const OdGePoint3d& position) {
  assertWriteEnabled();
  if (!position.isFinite()) return eInvalidInput;
  m_position = position;
  return eOk;
}
void OdDbPolyFaceMeshVertex::dxfInFields(const OdDxfIn& in) {
  OdDbVertex::dxfInFields(in);
  m_position = in.point("AcDbPolyFaceMeshVertex", 10);
}
void OdDbPolyFaceMeshVertex::dxfOutFields(OdDxfOut& out) const {
  OdDbVertex::dxfOutFields(out);
  out.subclass("AcDbPolyFaceMeshVertex");
  out.point(10, m_position);
  writeFlags(out, 128 | kPolyFaceFlag, 0);
}

OdInt16 OdDbFaceRecord::getVertexAt(int corner) const {
  assertReadEnabled();
  return corner >= 0 && corner < 4 ? m_vertices[corner] : 0;
}
OdResult OdDbFaceRecord::setVertexAt(int corner, OdInt16 vertex) {
  assertWriteEnabled();
  if (corner < 0 || corner > 3) return eInvalidIndex;
  m_vertices[corner] = vertex;
  return eOk;
}
void OdDbFaceRecord::dxfInFields(const OdDxfIn& in) {
  OdDbVertex::dxfInFields(in);
  for (int i = 0; i < 4; ++i) m_vertices[i] = OdInt16(in.integer("AcDbFaceRecord", 71 + i, 0));
}
void OdDbFaceRecord::dxfOutFields(OdDxfOut& out) const {
  OdDbVertex::dxfOutFields(out);
  out.subclass("AcDbFaceRecord");
  out.point(10, OdGePoint3d());
  writeFlags(out, 128, 0);
  for (int i = 0; i < 4; ++i) out.integerOpt(71 + i, m_vertices[i], 0);
}

OdInt16 OdDbPolyFaceMesh::numVertices() const {
  assertReadEnabled();
  OdInt16 n = 0;
  for (OdDbObjectIteratorPtr it = m_vertices.iterator(); !it->done(); it->step())
    if (!OdDbPolyFaceMeshVertex::cast(it->entity()).isNull()) ++n;
  return n;
}
OdInt16 OdDbPolyFaceMesh::numFaces() const {
  assertReadEnabled();
  OdInt16 n = 0;
  for (OdDbObjectIteratorPtr it = m_vertices.iterator(); !it->done(); it->step())
    if (!OdDbFaceRecord::cast(it->entity()).isNull()) ++n;
  return n;
}

OdResult OdDbPolyFaceMesh::appendVertex(OdDbPolyFaceMeshVertex* vertex) {
  assertWriteEnabled();
  // Vertices come before the face records.
  size_t position = 0;
  const std::vector<OdDbObjectId>& ids = m_vertices.ids();
  while (position < ids.size() && OdDbFaceRecord::cast(ids[position].openObject()).isNull()) ++position;
  OdDbObjectId id;
  return m_vertices.insert(this, vertex, id, position);
}
OdResult OdDbPolyFaceMesh::appendFaceRecord(OdDbFaceRecord* face) {
  assertWriteEnabled();
  OdDbObjectId id;
  return m_vertices.insert(this, face, id);
}
OdDbObjectIteratorPtr OdDbPolyFaceMesh::vertexIterator() const { assertReadEnabled(); return m_vertices.iterator(); }
OdResult OdDbPolyFaceMesh::getGeomExtents(OdGeExtents3d& extents) const {
  assertReadEnabled();
  return chainExtents<OdDbPolyFaceMeshVertex>(m_vertices, extents);
}
void OdDbPolyFaceMesh::subEntityIds(OdDbObjectIdArray& ids) const { m_vertices.subEntityIds(ids); }
bool OdDbPolyFaceMesh::dxfAdoptFollowers(const std::vector<OdDbObjectId>& followers) {
  m_vertices.adopt(followers);
  return true;
}
void OdDbPolyFaceMesh::dxfFollowers(std::vector<OdDbObjectId>& ids) const { m_vertices.followers(ids); }
void OdDbPolyFaceMesh::dxfInFields(const OdDxfIn& in) { OdDbEntity::dxfInFields(in); }
void OdDbPolyFaceMesh::dxfOutFields(OdDxfOut& out) const {
  OdDbEntity::dxfOutFields(out);
  out.subclass("AcDbPolyFaceMesh");
  out.integer(66, 1);
  out.point(10, OdGePoint3d());
  writeFlags(out, kPolyFaceFlag, kPolyFaceFlag);
  // Counts some writers leave out stay out while they are 0.
  const OdInt16 vertices = numVertices(), faces = numFaces();
  if (vertices || !out.fromFile() || out.hadField(71)) out.integer(71, vertices);
  else out.own(71);
  if (faces || !out.fromFile() || out.hadField(72)) out.integer(72, faces);
  else out.own(72);
}

// ------------------------------------------------------------- polygon mesh

OdGePoint3d OdDbPolygonMeshVertex::position() const { assertReadEnabled(); return m_position; }
OdResult OdDbPolygonMeshVertex::setPosition(const OdGePoint3d& position) {
  assertWriteEnabled();
  if (!position.isFinite()) return eInvalidInput;
  m_position = position;
  return eOk;
}
void OdDbPolygonMeshVertex::dxfInFields(const OdDxfIn& in) {
  OdDbVertex::dxfInFields(in);
  m_position = in.point("AcDbPolygonMeshVertex", 10);
}
void OdDbPolygonMeshVertex::dxfOutFields(OdDxfOut& out) const {
  OdDbVertex::dxfOutFields(out);
  out.subclass("AcDbPolygonMeshVertex");
  out.point(10, m_position);
  writeFlags(out, kPolyFaceFlag, 0);
}

OdInt16 OdDbPolygonMesh::mSize() const { assertReadEnabled(); return m_m; }
OdInt16 OdDbPolygonMesh::nSize() const { assertReadEnabled(); return m_n; }
OdResult OdDbPolygonMesh::setMSize(OdInt16 size) {
  assertWriteEnabled();
  if (size < 1) return eInvalidInput;
  m_m = size;
  return eOk;
}
OdResult OdDbPolygonMesh::setNSize(OdInt16 size) {
  assertWriteEnabled();
  if (size < 1) return eInvalidInput;
  m_n = size;
  return eOk;
}
bool OdDbPolygonMesh::isMClosed() const { assertReadEnabled(); return (m_flags & kMClosed) != 0; }
bool OdDbPolygonMesh::isNClosed() const { assertReadEnabled(); return (m_flags & kNClosed) != 0; }
void OdDbPolygonMesh::makeMClosed() { assertWriteEnabled(); m_flags |= kMClosed; }
void OdDbPolygonMesh::makeMOpen() { assertWriteEnabled(); m_flags &= ~kMClosed; }
void OdDbPolygonMesh::makeNClosed() { assertWriteEnabled(); m_flags |= kNClosed; }
void OdDbPolygonMesh::makeNOpen() { assertWriteEnabled(); m_flags &= ~kNClosed; }
OdInt16 OdDbPolygonMesh::mSurfaceDensity() const { assertReadEnabled(); return m_mDensity; }
OdInt16 OdDbPolygonMesh::nSurfaceDensity() const { assertReadEnabled(); return m_nDensity; }
OdResult OdDbPolygonMesh::setMSurfaceDensity(OdInt16 density) {
  assertWriteEnabled();
  m_mDensity = density;
  return eOk;
}
OdResult OdDbPolygonMesh::setNSurfaceDensity(OdInt16 density) {
  assertWriteEnabled();
  m_nDensity = density;
  return eOk;
}
OdDb::PolyMeshType OdDbPolygonMesh::polyMeshType() const { assertReadEnabled(); return OdDb::PolyMeshType(m_type); }
OdResult OdDbPolygonMesh::setPolyMeshType(OdDb::PolyMeshType type) {
  assertWriteEnabled();
  if (type != OdDb::kSimpleMesh && type != OdDb::kQuadSurfaceMesh && type != OdDb::kCubicSurfaceMesh &&
      type != OdDb::kBezierSurfaceMesh)
    return eInvalidInput;
  m_type = OdInt16(type);
  return eOk;
}
OdResult OdDbPolygonMesh::appendVertex(OdDbPolygonMeshVertex* vertex) {
  assertWriteEnabled();
  OdDbObjectId id;
  return m_vertices.insert(this, vertex, id);
}
OdDbObjectIteratorPtr OdDbPolygonMesh::vertexIterator() const { assertReadEnabled(); return m_vertices.iterator(); }
OdResult OdDbPolygonMesh::getGeomExtents(OdGeExtents3d& extents) const {
  assertReadEnabled();
  return chainExtents<OdDbPolygonMeshVertex>(m_vertices, extents);
}
void OdDbPolygonMesh::subEntityIds(OdDbObjectIdArray& ids) const { m_vertices.subEntityIds(ids); }
bool OdDbPolygonMesh::dxfAdoptFollowers(const std::vector<OdDbObjectId>& followers) {
  m_vertices.adopt(followers);
  return true;
}
void OdDbPolygonMesh::dxfFollowers(std::vector<OdDbObjectId>& ids) const { m_vertices.followers(ids); }
void OdDbPolygonMesh::dxfInFields(const OdDxfIn& in) {
  OdDbEntity::dxfInFields(in);
  const char* S = "AcDbPolygonMesh";
  m_flags = in.integer(S, 70, kPolygonMeshFlag);
  m_m = OdInt16(in.integer(S, 71, 0));
  m_n = OdInt16(in.integer(S, 72, 0));
  m_mDensity = OdInt16(in.integer(S, 73, 0));
  m_nDensity = OdInt16(in.integer(S, 74, 0));
  m_type = OdInt16(in.integer(S, 75, 0));
}
void OdDbPolygonMesh::dxfOutFields(OdDxfOut& out) const {
  OdDbEntity::dxfOutFields(out);
  out.subclass("AcDbPolygonMesh");
  out.integer(66, 1);
  out.point(10, OdGePoint3d());
  writeFlags(out, m_flags, kPolygonMeshFlag | kMClosed | kNClosed);
  out.integer(71, m_m);
  out.integer(72, m_n);
  out.integerOpt(73, m_mDensity, 0);
  out.integerOpt(74, m_nDensity, 0);
  out.integerOpt(75, m_type, 0);
}

// --------------------------------------------------------- subdivision mesh

OdResult OdDbSubDMesh::setSubDMesh(const OdGePoint3dArray& vertices, const std::vector<Face>& faces, int smoothLevel) {
  assertWriteEnabled();
  if (smoothLevel < 0) return eInvalidInput;
  for (const OdGePoint3d& p : vertices)
    if (!p.isFinite()) return eInvalidInput;
  for (const Face& f : faces) {
    if (f.size() < 3) return eInvalidInput;
    for (OdInt32 i : f)
      if (i < 0 || size_t(i) >= vertices.size()) return eInvalidIndex;
  }
  m_vertices = vertices;
  m_faces = faces;
  m_level = smoothLevel;
  // The edges of the faces, each once, without creases.
  m_edges.clear();
  for (const Face& f : faces)
    for (size_t k = 0; k < f.size(); ++k) {
      const OdInt32 a = f[k], b = f[(k + 1) % f.size()];
      bool known = false;
      for (size_t e = 0; e + 1 < m_edges.size() && !known; e += 2)
        known = (m_edges[e] == a && m_edges[e + 1] == b) || (m_edges[e] == b && m_edges[e + 1] == a);
      if (!known) {
        m_edges.push_back(a);
        m_edges.push_back(b);
      }
    }
  m_creases.assign(m_edges.size() / 2, 0.0);
  m_overrides.clear();
  return eOk;
}

OdResult OdDbSubDMesh::getVertices(OdGePoint3dArray& vertices) const {
  assertReadEnabled();
  vertices = m_vertices;
  return eOk;
}
OdResult OdDbSubDMesh::getVertexAt(OdInt32 index, OdGePoint3d& point) const {
  assertReadEnabled();
  if (index < 0 || OdUInt32(index) >= m_vertices.size()) return eInvalidIndex;
  point = m_vertices[OdUInt32(index)];
  return eOk;
}
OdResult OdDbSubDMesh::setVertexAt(OdInt32 index, const OdGePoint3d& point) {
  assertWriteEnabled();
  if (index < 0 || OdUInt32(index) >= m_vertices.size()) return eInvalidIndex;
  if (!point.isFinite()) return eInvalidInput;
  m_vertices[OdUInt32(index)] = point;
  return eOk;
}
OdInt32 OdDbSubDMesh::numOfVertices() const { assertReadEnabled(); return OdInt32(m_vertices.size()); }
OdInt32 OdDbSubDMesh::numOfFaces() const { assertReadEnabled(); return OdInt32(m_faces.size()); }
OdInt32 OdDbSubDMesh::numOfEdges() const { assertReadEnabled(); return OdInt32(m_edges.size() / 2); }
const std::vector<OdDbSubDMesh::Face>& OdDbSubDMesh::faces() const { assertReadEnabled(); return m_faces; }
OdInt32 OdDbSubDMesh::smoothLevel() const { assertReadEnabled(); return m_level; }

OdResult OdDbSubDMesh::getGeomExtents(OdGeExtents3d& extents) const {
  assertReadEnabled();
  OdGeExtents3d box;
  for (const OdGePoint3d& p : m_vertices) box.addPoint(p);
  if (!box.isValidExtents()) return eInvalidExtents;
  extents = box;
  return eOk;
}

void OdDbSubDMesh::dxfInFields(const OdDxfIn& in) {
  OdDbEntity::dxfInFields(in);
  const char* S = "AcDbSubDMesh";
  m_vertices.clear();
  m_faces.clear();
  m_edges.clear();
  m_creases.clear();
  m_overrides.clear();
  const std::vector<const OdDxfTag*> tags = in.section(S);
  size_t i = 0;
  auto count = [&](int code) -> long {
    if (i >= tags.size() || tags[i]->code != code) return -1;
    const long n = long(in.toInteger(*tags[i++]));
    return n < 0 ? -1 : n;
  };
  while (i < tags.size() && tags[i]->code != 92) {
    const OdDxfTag& t = *tags[i++];
    if (t.code == 71) m_version = int(in.toInteger(t));
    else if (t.code == 72) m_blendCrease = int(in.toInteger(t));
    else if (t.code == 91) m_level = int(in.toInteger(t));
  }
  // Each list declares its size; a list that runs short ends where the tags change.
  for (long n = count(92); n > 0 && i < tags.size() && tags[i]->code == 10; --n) {
    OdGePoint3d p(in.toReal(*tags[i++]), 0, 0);
    if (i < tags.size() && tags[i]->code == 20) p.y = in.toReal(*tags[i++]);
    if (i < tags.size() && tags[i]->code == 30) p.z = in.toReal(*tags[i++]);
    m_vertices.push_back(p);
  }
  for (long n = count(93); n > 0 && i < tags.size() && tags[i]->code == 90;) {
    const long size = long(in.toInteger(*tags[i++]));
    --n;
    Face face;
    for (long k = 0; k < size && n > 0 && i < tags.size() && tags[i]->code == 90; ++k, --n)
      face.push_back(OdInt32(in.toInteger(*tags[i++])));
    m_faces.push_back(face);
  }
  for (long n = count(94) * 2; n > 0 && i < tags.size() && tags[i]->code == 90; --n)
    m_edges.push_back(OdInt32(in.toInteger(*tags[i++])));
  for (long n = count(95); n > 0 && i < tags.size() && tags[i]->code == 140; --n)
    m_creases.push_back(in.toReal(*tags[i++]));
  for (; i < tags.size(); ++i) m_overrides.emplace_back(tags[i]->code, std::string(in.text(*tags[i])));
}

void OdDbSubDMesh::dxfOutFields(OdDxfOut& out) const {
  OdDbEntity::dxfOutFields(out);
  out.subclass("AcDbSubDMesh");
  out.integer(71, m_version);
  out.integer(72, m_blendCrease);
  out.integer(91, m_level);
  out.integer(92, (long long)m_vertices.size());
  for (const OdGePoint3d& p : m_vertices) out.point(10, p);
  size_t listSize = 0;
  for (const Face& f : m_faces) listSize += 1 + f.size();
  out.integer(93, (long long)listSize);
  for (const Face& f : m_faces) {
    out.integer(90, (long long)f.size());
    for (OdInt32 v : f) out.integer(90, v);
  }
  out.integer(94, (long long)(m_edges.size() / 2));
  for (OdInt32 v : m_edges) out.integer(90, v);
  out.integer(95, (long long)m_creases.size());
  for (double c : m_creases) out.real(140, c);
  if (m_overrides.empty() && !out.fromFile()) out.integer(90, 0);
  for (const auto& t : m_overrides) out.verbatim(t.first, t.second);
}

OdResult OdDbSubDMesh::transformBy(const OdGeMatrix3d& transform) {
  assertWriteEnabled();
  OdGePoint3dArray moved = m_vertices;
  for (OdUInt32 k = 0; k < moved.size(); ++k) {
    moved[k].transformBy(transform);
    if (!moved[k].isFinite()) return eInvalidInput;
  }
  m_vertices = moved;
  return eOk;
}
