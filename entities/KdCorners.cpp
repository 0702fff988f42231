#include "KdCorners.h"

#include "Db/DbCorners.h"
#include "KdAccess.h"
#include "KdChoiceLists.h"
#include "KdVertexList.h"

namespace {
typedef CKdPropertyDescription Desc;

// Corner access of each class: traces and solids by point, faces by vertex.
template <class T>
struct Corners;
template <>
struct Corners<OdDbTrace> {
  static OdResult get(const OdDbTrace& t, int i, OdGePoint3d& p) { return t.getPointAt(i, p); }
  static OdResult set(OdDbTrace& t, int i, const OdGePoint3d& p) { return t.setPointAt(i, p); }
};
template <>
struct Corners<OdDbSolid> {
  static OdResult get(const OdDbSolid& t, int i, OdGePoint3d& p) { return t.getPointAt(i, p); }
  static OdResult set(OdDbSolid& t, int i, const OdGePoint3d& p) { return t.setPointAt(i, p); }
};
template <>
struct Corners<OdDbFace> {
  static OdResult get(const OdDbFace& t, int i, OdGePoint3d& p) { return t.getVertexAt(i, p); }
  static OdResult set(OdDbFace& t, int i, const OdGePoint3d& p) { return t.setVertexAt(i, p); }
};

// The corner the host addresses: indexes beyond the last corner address the last.
int cornerOf(const CKdVariant& context) {
  const int i = kd::vertexIndex(context);
  return i > 3 ? 3 : i;
}

template <class T>
CKdVariant getCornerList(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdSmartPtr<T> e = kd::readable<T>(object);
  if (e.isNull()) return CKdVariant();
  kd::VertexList list;
  for (int i = 0; i < 4; ++i) {
    OdGePoint3d p;
    Corners<T>::get(*e, i, p);
    list.add(i, p);
  }
  return list.result();
}
// Each element's point goes to the corner of its position; a fifth and later are no corners.
template <class T>
int setCornerList(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdSmartPtr<T> e = kd::writable<T>(object, value, CKdVariant::kCollection);
  if (e.isNull()) return KD_PROPERTY_FAILED;
  const CKdVariantCollection& list = value.GetCollection();
  for (int i = 0; i < list.GetCount() && i < 4; ++i) {
    const CKdVariant& v = list.GetAt(i).GetValue();
    if (v.GetType() == CKdVariant::kPoint3d) Corners<T>::set(*e, i, v.GetPoint3d());
  }
  return KD_PROPERTY_OK;
}

template <class T, int Axis>
CKdVariant getCorner(const OdDbObject* object, const Desc&, const CKdVariant& context) {
  OdSmartPtr<T> e = kd::readable<T>(object);
  const int i = cornerOf(context);
  OdGePoint3d p;
  if (e.isNull() || i < 0 || Corners<T>::get(*e, i, p) != eOk) return CKdVariant();
  return CKdVariant(kd::ucsComponent(object, p, Axis), true);
}
template <class T, int Axis>
int setCorner(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant& context) {
  OdSmartPtr<T> e = kd::writable<T>(object, value, CKdVariant::kDouble);
  const int i = cornerOf(context);
  OdGePoint3d p;
  if (e.isNull() || i < 0 || Corners<T>::get(*e, i, p) != eOk) return KD_PROPERTY_FAILED;
  if (kd::replaceUcsComponent(object, p, Axis, value.GetDouble())) Corners<T>::set(*e, i, p);
  return KD_PROPERTY_OK;
}

template <class T>
CKdVariant getThickness(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdSmartPtr<T> e = kd::readable<T>(object);
  return e.isNull() ? CKdVariant() : CKdVariant(e->thickness(), true);
}
template <class T>
int setThickness(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdSmartPtr<T> e = kd::writable<T>(object, value, CKdVariant::kDouble);
  if (e.isNull()) return KD_PROPERTY_FAILED;
  e->setThickness(value.GetDouble());
  return KD_PROPERTY_OK;
}

// Edges: "Visible" (tag 1) and "Hidden" (tag 0).
template <int Edge>
CKdVariant getEdge(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbFacePtr f = kd::readable<OdDbFace>(object);
  bool visible = true;
  if (f.isNull() || f->isEdgeVisibleAt(Edge, visible) != eOk) return CKdVariant();
  const kd::Choice choices[] = {{"Visible", 1}, {"Hidden", 0}};
  return kd::enumList(choices, visible ? 1 : 0);
}
template <int Edge>
int setEdge(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbFacePtr f = kd::writable<OdDbFace>(object, value, CKdVariant::kCollectionElement);
  long tag = 0;
  if (f.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
  if (tag == 1) f->makeEdgeVisibleAt(Edge);
  else if (tag == 0) f->makeEdgeInvisibleAt(Edge);
  return KD_PROPERTY_OK;
}

const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
typedef CKdPropertyType T;

#define KD_PLANAR_ROWS(Class)                                                                                          \
  {"General", "Thickness", 0, nullptr, ":/General/General_Thickness.png", RW, getThickness<Class>, setThickness<Class>}, \
      {"Geometry", "Vertex", 6, T::kVertexGUID, ":/Geometry/Geometry_Vertex.png", RW, getCornerList<Class>,            \
       setCornerList<Class>},                                                                                          \
      {"Geometry", "Vertex X", 2, T::kVertexXGUID, ":/Geometry/Geometry_VertexX.png", RW, getCorner<Class, 0>,         \
       setCorner<Class, 0>},                                                                                           \
      {"Geometry", "Vertex Y", 2, T::kVertexYGUID, ":/Geometry/Geometry_VertexY.png", RW, getCorner<Class, 1>,         \
       setCorner<Class, 1>},                                                                                           \
      {"Geometry", "Vertex Z", 2, T::kVertexZGUID, ":/Geometry/Geometry_VertexZ.png", RW, getCorner<Class, 2>,         \
       setCorner<Class, 2>},
const kd::PropertyRow kTraceRows[] = {KD_PLANAR_ROWS(OdDbTrace)};
const kd::PropertyRow kSolidRows[] = {KD_PLANAR_ROWS(OdDbSolid)};
#undef KD_PLANAR_ROWS

const kd::PropertyRow kFaceRows[] = {
    {"Geometry", "Vertex", 6, T::kVertexGUID, nullptr, RW, getCornerList<OdDbFace>, setCornerList<OdDbFace>},
    {"Geometry", "Vertex X", 2, T::kVertexXGUID, nullptr, RW, getCorner<OdDbFace, 0>, setCorner<OdDbFace, 0>},
    {"Geometry", "Vertex Y", 2, T::kVertexYGUID, nullptr, RW, getCorner<OdDbFace, 1>, setCorner<OdDbFace, 1>},
    {"Geometry", "Vertex Z", 2, T::kVertexZGUID, nullptr, RW, getCorner<OdDbFace, 2>, setCorner<OdDbFace, 2>},
    {"Geometry", "Edge 1", 0, nullptr, nullptr, RW, getEdge<0>, setEdge<0>},
    {"Geometry", "Edge 2", 0, nullptr, nullptr, RW, getEdge<1>, setEdge<1>},
    {"Geometry", "Edge 3", 0, nullptr, nullptr, RW, getEdge<2>, setEdge<2>},
    {"Geometry", "Edge 4", 0, nullptr, nullptr, RW, getEdge<3>, setEdge<3>},
};
}  // namespace

KD_DEFINE_PROPERTY_PE(CKdTracePE, CKdEntityPE, OdDbTrace, "Trace", kTraceRows)
KD_DEFINE_PROPERTY_PE(CKdSolidPE, CKdEntityPE, OdDbSolid, "Solid", kSolidRows)
KD_DEFINE_PROPERTY_PE(CKdFacePE, CKdEntityPE, OdDbFace, "Face", kFaceRows)

void CKdFaceInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<OdDbFace>(*this, object, context, [](const OdDbFace& f, CKdPrintInfoContext& out) {
    static const char* const kLabels[] = {"first point", "second point", "third point", "forth point"};
    for (int i = 0; i < 4; ++i) {
      OdGePoint3d p;
      f.getVertexAt(i, p);
      out.PrintPoint(kd::infoItem(kLabels[i]), p);
    }
  });
}
