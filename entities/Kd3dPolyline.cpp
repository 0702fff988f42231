#include "Kd3dPolyline.h"

#include "CKdDocument.h"
#include "Db/Db3dPolyline.h"
#include "KdAccess.h"
#include "KdVertexList.h"

namespace {
typedef CKdPropertyDescription Desc;

CKdVariant getVertices(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDb3dPolylinePtr p = kd::readable<OdDb3dPolyline>(object);
  if (p.isNull()) return CKdVariant();
  kd::VertexList list;
  int index = 0;
  for (OdDbObjectIteratorPtr it = p->vertexIterator(); !it->done(); it->step())
    list.add(index++, OdDb3dPolylineVertexPtr(it->entity())->position());
  return list.result();
}

template <int Axis>
CKdVariant getVertex(const OdDbObject* object, const Desc&, const CKdVariant& context) {
  OdDb3dPolylinePtr p = kd::readable<OdDb3dPolyline>(object);
  if (p.isNull()) return CKdVariant();
  OdDb3dPolylineVertexPtr v = kd::steppedVertex<OdDb3dPolylineVertex>(p->vertexIterator(), kd::vertexIndex(context));
  if (v.isNull()) return CKdVariant();
  return CKdVariant(kd::ucsComponent(object, v->position(), Axis), true);
}

template <int Axis>
int setVertex(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant& context) {
  OdDb3dPolylinePtr p = kd::writable<OdDb3dPolyline>(object, value, CKdVariant::kDouble);
  if (p.isNull()) return KD_PROPERTY_FAILED;
  OdDb3dPolylineVertexPtr v = kd::steppedVertex<OdDb3dPolylineVertex>(p->vertexIterator(), kd::vertexIndex(context));
  if (v.isNull()) return KD_PROPERTY_FAILED;
  OdGePoint3d world = v->position();
  if (!kd::replaceUcsComponent(object, world, Axis, value.GetDouble())) return KD_PROPERTY_OK;
  v->upgradeOpen();
  v->setPosition(world);
  return KD_PROPERTY_OK;
}

// A spline-fit polyline measures its equivalent spline; 0 when it has none.
CKdVariant getLength(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDb3dPolylinePtr p = kd::readable<OdDb3dPolyline>(object);
  if (p.isNull()) return CKdVariant();
  double end = 0, length = 0;
  if (p->polyType() == OdDb::k3dSimplePoly) {
    if (p->getEndParam(end) == eOk) p->getDistAtParam(end, length);
  } else if (p->polyType() == OdDb::k3dQuadSplinePoly || p->polyType() == OdDb::k3dCubicSplinePoly) {
    OdDbSplinePtr spline;
    if (p->getSpline(spline) == eOk && !spline.isNull() && spline->getEndParam(end) == eOk)
      spline->getDistAtParam(end, length);
  }
  return CKdVariant(length, true);
}

const kd::Choice kFits[] = {{"None", 0}, {"Quadratic", 1}, {"Cubic", 2}};

CKdVariant getFit(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDb3dPolylinePtr p = kd::readable<OdDb3dPolyline>(object);
  return p.isNull() ? CKdVariant() : kd::enumList(kFits, p->polyType());
}

int setFit(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDb3dPolylinePtr p = kd::writable<OdDb3dPolyline>(object, value, CKdVariant::kCollectionElement);
  long tag = 0;
  if (p.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
  if (tag == 0) p->straighten();
  else p->splineFit(OdDb::Poly3dType(tag), CKdDatabase(object->database()).GetSplineSegments());
  return KD_PROPERTY_OK;
}

void applyClosed(OdDb3dPolyline& p, bool closed) { closed ? p.makeClosed() : p.makeOpen(); }
typedef kd::FlagChoice<OdDb3dPolyline, &OdDb3dPolyline::isClosed, applyClosed, kd::BoolLabels::YesNo> Closed;

const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;
const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
typedef CKdPropertyType T;

const kd::PropertyRow kRows[] = {
    {"Geometry", "Vertex", 6, T::kVertexGUID, ":/Geometry/Geometry_Vertex.png", RW, getVertices,
     kd::setVertexChoice<OdDb3dPolyline>},
    {"Geometry", "Vertex X", 2, T::kVertexXGUID, ":/Geometry/Geometry_VertexX.png", RW, getVertex<0>, setVertex<0>},
    {"Geometry", "Vertex Y", 2, T::kVertexYGUID, ":/Geometry/Geometry_VertexY.png", RW, getVertex<1>, setVertex<1>},
    {"Geometry", "Vertex Z", 2, T::kVertexZGUID, ":/Geometry/Geometry_VertexZ.png", RW, getVertex<2>, setVertex<2>},
    {"Geometry", "Length", 0, nullptr, ":/Geometry/Geometry_Length.png", RO, getLength, nullptr},
    {"Misc", "Fit/Smooth", 0, nullptr, ":/Misc/Misc_FitSmooth.png", RW, getFit, setFit},
    {"Misc", "Closed", 0, nullptr, ":/Misc/Misc_Closed.png", RW, Closed::get, Closed::set},
};
}  // namespace

KD_DEFINE_PROPERTY_PE(CKd3dPolylinePE, CKdEntityPE, OdDb3dPolyline, "3D PolyLine", kRows)

void CKd3dPolylineInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<OdDb3dPolyline>(*this, object, context, [](const OdDb3dPolyline& p, CKdPrintInfoContext& out) {
    double area = 0, end = 0, length = 0;
    p.getArea(area);
    out.PrintArea(kd::infoItem("Area"), area);
    if (p.getEndParam(end) == eOk) p.getDistAtParam(end, length);
    out.PrintDist(kd::infoItem("Length"), length);
    int number = 1;
    for (OdDbObjectIteratorPtr it = p.vertexIterator(); !it->done(); it->step()) {
      const OdGePoint3d at = OdDb3dPolylineVertexPtr(it->entity())->position();
      out.PrintPoint(kd::fill(kd::infoItem("Point %1"), CKdString(std::to_wstring(number++))), at);
      if (!out.CheckCounter()) return;
    }
  });
}
