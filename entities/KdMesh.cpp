#include "KdMesh.h"

#include <QString>
#include <algorithm>

#include "Db/DbMesh.h"
#include "KdAccess.h"
#include "KdChoiceLists.h"
#include "KdText.h"
#include "KdVertexList.h"

namespace {
typedef CKdPropertyDescription Desc;
typedef CKdPropertyType T;
const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;

// ---- polyface and polygon meshes: Mesh is the mesh class, V its vertex class

template <class Mesh, class V>
CKdVariant getVertices(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdSmartPtr<Mesh> m = kd::readable<Mesh>(object);
  if (m.isNull()) return CKdVariant();
  kd::VertexList list;
  int index = 0;
  for (OdDbObjectIteratorPtr it = m->vertexIterator(); !it->done(); it->step()) {
    OdSmartPtr<V> v = V::cast(it->entity());
    if (!v.isNull()) list.add(index++, v->position());
  }
  return list.result();
}

// The points of a new vertex list; false when an element holds no point.
bool pointsOf(const CKdVariant& value, std::vector<OdGePoint3d>& points) {
  const CKdVariantCollection& list = value.GetCollection();
  for (int i = 0; i < list.GetCount(); ++i) {
    const CKdVariant& p = list.GetAt(i).GetValue();
    if (p.GetType() != CKdVariant::kPoint3d || !p.GetPoint3d().isFinite()) return false;
    points.push_back(p.GetPoint3d());
  }
  return !points.empty();
}

// The highest vertex number the face records name; the new list must reach it.
int highestFaceVertex(const OdDbPolyFaceMesh& m) {
  int highest = 0;
  for (OdDbObjectIteratorPtr it = m.vertexIterator(); !it->done(); it->step()) {
    OdDbFaceRecordPtr f = OdDbFaceRecord::cast(it->entity());
    for (int c = 0; !f.isNull() && c < 4; ++c) highest = std::max(highest, std::abs(int(f->getVertexAt(c))));
  }
  return highest;
}
bool fitsMesh(const OdDbPolyFaceMesh& m, size_t count) { return count >= size_t(highestFaceVertex(m)); }
bool fitsMesh(const OdDbPolygonMesh& m, size_t count) { return count == size_t(m.mSize()) * size_t(m.nSize()); }

// Every vertex erased, then one new vertex per point of the list, in order.
template <class Mesh, class V>
int setVertices(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdSmartPtr<Mesh> m = kd::writable<Mesh>(object, value, CKdVariant::kCollection);
  std::vector<OdGePoint3d> points;
  if (m.isNull() || !pointsOf(value, points) || !fitsMesh(*m, points.size())) return KD_PROPERTY_FAILED;
  for (OdDbObjectIteratorPtr it = m->vertexIterator(); !it->done(); it->step()) {
    OdDbEntityPtr e = it->entity(OdDb::kForWrite);
    if (!V::cast(e).isNull()) e->erase(true);
  }
  for (const OdGePoint3d& p : points) {
    OdSmartPtr<V> v = V::createObject();
    v->setPosition(p);
    m->appendVertex(v);
  }
  return KD_PROPERTY_OK;
}

// The vertex reached by stepping index times from the first sub-object;
// null beyond the last or where the step lands on a face record.
template <class Mesh, class V>
OdSmartPtr<V> stepped(const Mesh& m, const CKdVariant& context) {
  try {
    return kd::steppedVertex<V>(m.vertexIterator(), kd::vertexIndex(context));
  } catch (const OdError&) {
    return OdSmartPtr<V>();
  }
}
template <class Mesh, class V, int Axis>
CKdVariant getVertex(const OdDbObject* object, const Desc&, const CKdVariant& context) {
  OdSmartPtr<Mesh> m = kd::readable<Mesh>(object);
  OdSmartPtr<V> v = m.isNull() ? OdSmartPtr<V>() : stepped<Mesh, V>(*m, context);
  return v.isNull() ? CKdVariant() : CKdVariant(kd::ucsComponent(object, v->position(), Axis), true);
}
template <class Mesh, class V, int Axis>
int setVertex(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant& context) {
  OdSmartPtr<Mesh> m = kd::writable<Mesh>(object, value, CKdVariant::kDouble);
  OdSmartPtr<V> v = m.isNull() ? OdSmartPtr<V>() : stepped<Mesh, V>(*m, context);
  if (v.isNull()) return KD_PROPERTY_FAILED;
  OdGePoint3d world = v->position();
  if (!kd::replaceUcsComponent(object, world, Axis, value.GetDouble())) return KD_PROPERTY_OK;
  v->upgradeOpen();
  return v->setPosition(world) == eOk ? KD_PROPERTY_OK : KD_PROPERTY_FAILED;
}

#define KD_MESH_VERTEX_ROWS(Mesh, V)                                                                             \
  {"Geometry", "Vertex", 6, T::kVertexGUID, ":/Geometry/Geometry_Vertex.png", RW, getVertices<Mesh, V>,            \
   setVertices<Mesh, V>},                                                                                         \
  {"Geometry", "Vertex X", 2, T::kVertexXGUID, ":/Geometry/Geometry_VertexX.png", RW, getVertex<Mesh, V, 0>,        \
   setVertex<Mesh, V, 0>},                                                                                        \
  {"Geometry", "Vertex Y", 2, T::kVertexYGUID, ":/Geometry/Geometry_VertexY.png", RW, getVertex<Mesh, V, 1>,        \
   setVertex<Mesh, V, 1>},                                                                                        \
  {"Geometry", "Vertex Z", 2, T::kVertexZGUID, ":/Geometry/Geometry_VertexZ.png", RW, getVertex<Mesh, V, 2>,        \
   setVertex<Mesh, V, 2>}

typedef OdDbPolyFaceMesh PF;
typedef OdDbPolygonMesh PM;

template <class Mesh, class N, N (Mesh::*Get)() const>
CKdVariant getCount(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<Mesh>(object, [](const Mesh& m) { return CKdVariant(long((m.*Get)())); });
}

const kd::PropertyRow kPolyFaceRows[] = {
    KD_MESH_VERTEX_ROWS(PF, OdDbPolyFaceMeshVertex),
    {"Mesh", "Number of vertices", 0, nullptr, ":/Mesh/Mesh_NumberOfVertices.png", RO,
     getCount<PF, OdInt16, &PF::numVertices>, nullptr},
    {"Mesh", "Number of faces", 0, nullptr, ":/Mesh/Mesh_NumberOfFaces.png", RO, getCount<PF, OdInt16, &PF::numFaces>,
     nullptr},
};

void closeM(PM& m, bool on) { on ? m.makeMClosed() : m.makeMOpen(); }
void closeN(PM& m, bool on) { on ? m.makeNClosed() : m.makeNOpen(); }
typedef kd::FlagChoice<PM, &PM::isMClosed, closeM, kd::BoolLabels::YesNo> MClosed;
typedef kd::FlagChoice<PM, &PM::isNClosed, closeN, kd::BoolLabels::YesNo> NClosed;

// Densities are 16-bit: a value beyond cannot be stored.
typedef kd::IntegerInRange<PM, OdInt16, &PM::mSurfaceDensity, &PM::setMSurfaceDensity, -32768, 32767> MDensity;
typedef kd::IntegerInRange<PM, OdInt16, &PM::nSurfaceDensity, &PM::setNSurfaceDensity, -32768, 32767> NDensity;

CKdVariant getFit(const OdDbObject* object, const Desc&, const CKdVariant&) {
  static const kd::Choice kKinds[] = {{"None", 0}, {"Quadratic", 5}, {"Cubic", 6}, {"Bezier", 8}};
  OdDbPolygonMeshPtr m = kd::readable<PM>(object);
  return m.isNull() ? CKdVariant() : kd::enumList(kKinds, m->polyMeshType());
}
int setFit(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbPolygonMeshPtr m = kd::writable<PM>(object, value, CKdVariant::kCollectionElement);
  long tag = 0;
  if (m.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
  m->setPolyMeshType(OdDb::PolyMeshType(tag));
  return KD_PROPERTY_OK;
}

const kd::PropertyRow kPolygonRows[] = {
    KD_MESH_VERTEX_ROWS(PM, OdDbPolygonMeshVertex),
    {"Mesh", "M closed", 0, nullptr, ":/Mesh/Mesh_MClosed.png", RW, MClosed::get, MClosed::set},
    {"Mesh", "N closed", 0, nullptr, ":/Mesh/Mesh_NClosed.png", RW, NClosed::get, NClosed::set},
    {"Mesh", "M density", 0, nullptr, ":/Mesh/Mesh_MDensity.png", RW, MDensity::get, MDensity::set},
    {"Mesh", "N density", 0, nullptr, ":/Mesh/Mesh_NDensity.png", RW, NDensity::get, NDensity::set},
    {"Mesh", "M vertex count", 0, nullptr, ":/Mesh/Mesh_MVertexCount.png", RO, getCount<PM, OdInt16, &PM::mSize>, nullptr},
    {"Mesh", "N vertex count", 0, nullptr, ":/Mesh/Mesh_NVertexCount.png", RO, getCount<PM, OdInt16, &PM::nSize>, nullptr},
    {"Misc", "Fit/Smooth", 0, nullptr, ":/Misc/Misc_FitSmooth.png", RW, getFit, setFit},
};
#undef KD_MESH_VERTEX_ROWS

// ---- subdivision meshes
typedef OdDbSubDMesh SD;

CKdVariant getSubDVertices(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbSubDMeshPtr m = kd::readable<SD>(object);
  OdGePoint3dArray points;
  if (m.isNull() || m->getVertices(points) != eOk) return CKdVariant();
  kd::VertexList list;
  for (OdUInt32 i = 0; i < points.size(); ++i) list.add(int(i), points[i]);
  return list.result();
}
// The element at the current index gives that vertex's new place.
int setSubDVertex(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant& context) {
  OdDbSubDMeshPtr m = kd::writable<SD>(object, value, CKdVariant::kCollection);
  const int index = kd::vertexIndex(context);
  if (m.isNull() || index < 0 || index >= value.GetCollection().GetCount()) return KD_PROPERTY_FAILED;
  const CKdVariant& p = value.GetCollection().GetAt(index).GetValue();
  if (p.GetType() != CKdVariant::kPoint3d) return KD_PROPERTY_FAILED;
  return m->setVertexAt(index, p.GetPoint3d()) == eOk ? KD_PROPERTY_OK : KD_PROPERTY_FAILED;
}
template <int Axis>
CKdVariant getSubDVertex(const OdDbObject* object, const Desc&, const CKdVariant& context) {
  OdDbSubDMeshPtr m = kd::readable<SD>(object);
  OdGePoint3d p;
  if (m.isNull() || m->getVertexAt(kd::vertexIndex(context), p) != eOk) return CKdVariant();
  return CKdVariant(p[Axis], true);
}

const kd::PropertyRow kSubDRows[] = {
    {"Geometry", "Vertex", 6, T::kVertexGUID, ":/Geometry/Geometry_Vertex.png", RW, getSubDVertices, setSubDVertex},
    {"Geometry", "Vertex X", 2, T::kVertexXGUID, ":/Geometry/Geometry_VertexX.png", RO, getSubDVertex<0>, nullptr},
    {"Geometry", "Vertex Y", 2, T::kVertexYGUID, ":/Geometry/Geometry_VertexY.png", RO, getSubDVertex<1>, nullptr},
    {"Geometry", "Vertex Z", 2, T::kVertexZGUID, ":/Geometry/Geometry_VertexZ.png", RO, getSubDVertex<2>, nullptr},
    // The face count under "M vertex count" and the vertex count under "N vertex count", as hosts show them.
    {"Mesh", "M vertex count", 0, nullptr, ":/Mesh/Mesh_MVertexCount.png", RO, getCount<SD, OdInt32, &SD::numOfFaces>,
     nullptr},
    {"Mesh", "N vertex count", 0, nullptr, ":/Mesh/Mesh_NVertexCount.png", RO,
     getCount<SD, OdInt32, &SD::numOfVertices>, nullptr},
};

void printVertex(CKdPrintInfoContext& out, const char* heading, const OdDbEntity& e, const OdGePoint3d& at) {
  out.PrintString(kd::infoItem(heading));
  out.PrintString(kd::infoItem("Handle"), CKdString(e.getDbHandle().ascii()));
  out.PrintPoint(kd::infoItem("at point"), at);
}

CKdString coordinates(const OdGePoint3d& p) {
  const QString text = QString("X = %1, Y = %2, Z = %3")
                           .arg(QString::number(p.x, 'g', 6), QString::number(p.y, 'g', 6), QString::number(p.z, 'g', 6));
  return CKdString(text.toStdWString());
}
}  // namespace

KD_DEFINE_PROPERTY_PE(CKdPolyFaceMeshPE, CKdEntityPE, OdDbPolyFaceMesh, "PolyFaceMesh", kPolyFaceRows)
KD_DEFINE_PROPERTY_PE(CKdPolygonMeshPE, CKdEntityPE, OdDbPolygonMesh, "PolygonMesh", kPolygonRows)
KD_DEFINE_PROPERTY_PE(CKdSubDMeshPE, CKdEntityPE, OdDbSubDMesh, "SubDMesh", kSubDRows)

void CKdPolyFaceMeshInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<PF>(*this, object, context, [](const PF& m, CKdPrintInfoContext& out) {
    out.PrintString(kd::infoItem("Polyface mesh"));
    for (OdDbObjectIteratorPtr it = m.vertexIterator(); !it->done(); it->step()) {
      OdDbEntityPtr e = it->entity();
      if (OdDbPolyFaceMeshVertexPtr v = OdDbPolyFaceMeshVertex::cast(e)) {
        printVertex(out, "Polyface vertex", *v, v->position());
      } else if (OdDbFaceRecordPtr f = OdDbFaceRecord::cast(e)) {
        std::wstring corners;
        for (int c = 0; c < 4; ++c) corners += std::to_wstring(f->getVertexAt(c)) + L" ";
        out.PrintString(kd::infoItem("Face vertices"), CKdString(corners));
      }
    }
  });
}

void CKdPolygonMeshInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<PM>(*this, object, context, [](const PM& m, CKdPrintInfoContext& out) {
    const std::wstring size = std::to_wstring(m.mSize()) + L"x" + std::to_wstring(m.nSize());
    std::wstring closed;
    if (m.isNClosed()) closed += kd::infoValue("N-Closed ").wstr();
    if (m.isMClosed()) closed += kd::infoValue("M-Closed ").wstr();
    out.PrintString(CKdString(size + kd::infoValue(" Mesh").wstr()), CKdString(closed));
    for (OdDbObjectIteratorPtr it = m.vertexIterator(); !it->done(); it->step())
      if (OdDbPolygonMeshVertexPtr v = OdDbPolygonMeshVertex::cast(it->entity())) printVertex(out, "Vertex", *v, v->position());
  });
}

void CKdSubDMeshInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<SD>(*this, object, context, [](const SD& m, CKdPrintInfoContext& out) {
    out.PrintString(kd::infoItem("SubDmesh"));
    out.PrintString(kd::infoItem("Number of faces"), CKdString(std::to_wstring(m.numOfFaces())));
    out.PrintString(kd::infoItem("Number of vertices"), CKdString(std::to_wstring(m.numOfVertices())));
    OdGeExtents3d box;
    if (m.getGeomExtents(box) != eOk) return;
    out.PrintString(kd::infoItem("Bounding Box lower corner"), coordinates(box.minPoint()));
    out.PrintString(kd::infoItem("Bounding Box upper corner"), coordinates(box.maxPoint()));
  });
}
