#include "Kd2dPolyline.h"

#include <cmath>

#include "CKdDocument.h"
#include "Db/Db2dPolyline.h"
#include "Ge/GeCircArc2d.h"
#include "Ge/GeMatrix3d.h"
#include "KdAccess.h"
#include "KdVertexList.h"

namespace {
typedef CKdPropertyDescription Desc;

typedef kd::PlainDouble<OdDb2dPolyline, &OdDb2dPolyline::thickness, &OdDb2dPolyline::setThickness, true> Thickness;
typedef kd::PlainDouble<OdDb2dPolyline, &OdDb2dPolyline::elevation, &OdDb2dPolyline::setElevation, true> Elevation;

// Generated fit vertices take no number; every other vertex is counted.
bool isCounted(const OdDb2dVertex& v) {
  return v.vertexType() != OdDb::k2dSplineFitVertex && v.vertexType() != OdDb::k2dCurveFitVertex;
}

// The counted vertex with the number; null when there is none.
OdDb2dVertexPtr countedVertex(const OdDb2dPolyline& p, int index) {
  int number = 0;
  for (OdDbObjectIteratorPtr it = p.vertexIterator(); index >= 0 && !it->done(); it->step()) {
    OdDb2dVertexPtr v(it->entity());
    if (!isCounted(*v)) continue;
    if (number++ == index) return v;
  }
  return OdDb2dVertexPtr();
}

bool isSplineFit(const OdDb2dPolyline& p) {
  return p.polyType() == OdDb::k2dQuadSplinePoly || p.polyType() == OdDb::k2dCubicSplinePoly;
}

CKdVariant getVertices(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDb2dPolylinePtr p = kd::readable<OdDb2dPolyline>(object);
  if (p.isNull()) return CKdVariant();
  kd::VertexList list;
  int number = 0;
  for (OdDbObjectIteratorPtr it = p->vertexIterator(); !it->done(); it->step())
    if (isCounted(*OdDb2dVertexPtr(it->entity()))) list.add(number++);
  return list.result();
}

// Where no counted vertex has the index, the world origin stands in.
template <int Axis>
CKdVariant getVertex(const OdDbObject* object, const Desc&, const CKdVariant& context) {
  OdDb2dPolylinePtr p = kd::readable<OdDb2dPolyline>(object);
  if (p.isNull()) return CKdVariant();
  OdDb2dVertexPtr v = countedVertex(*p, kd::vertexIndex(context));
  const OdGePoint3d world = v.isNull() ? OdGePoint3d::kOrigin
                                       : v->position().transformBy(OdGeMatrix3d::planeToWorld(p->normal()));
  return CKdVariant(kd::ucsComponent(object, world, Axis), true);
}

template <int Axis>
int setVertex(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant& context) {
  OdDb2dPolylinePtr p = kd::writable<OdDb2dPolyline>(object, value, CKdVariant::kDouble);
  if (p.isNull()) return KD_PROPERTY_FAILED;
  OdDb2dVertexPtr v = countedVertex(*p, kd::vertexIndex(context));
  if (v.isNull()) return KD_PROPERTY_FAILED;
  OdGePoint3d world = v->position().transformBy(OdGeMatrix3d::planeToWorld(p->normal()));
  if (!kd::replaceUcsComponent(object, world, Axis, value.GetDouble())) return KD_PROPERTY_OK;
  v->upgradeOpen();
  v->setPosition(world.transformBy(OdGeMatrix3d::worldToPlane(p->normal())));
  v->downgradeOpen();
  return KD_PROPERTY_OK;
}

// Widths belong to the vertex reached by stepping over every vertex; spline-fit polylines show none.
OdDb2dVertexPtr widthVertex(const OdDb2dPolyline& p, const CKdVariant& context) {
  if (isSplineFit(p)) return OdDb2dVertexPtr();
  return kd::steppedVertex<OdDb2dVertex>(p.vertexIterator(), kd::vertexIndex(context));
}

template <bool Start>
CKdVariant getWidth(const OdDbObject* object, const Desc&, const CKdVariant& context) {
  OdDb2dPolylinePtr p = kd::readable<OdDb2dPolyline>(object);
  OdDb2dVertexPtr v = p.isNull() ? OdDb2dVertexPtr() : widthVertex(*p, context);
  if (v.isNull()) return CKdVariant();
  return CKdVariant(Start ? v->startWidth() : v->endWidth(), true);
}

template <bool Start>
int setWidth(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant& context) {
  OdDb2dPolylinePtr p = kd::writable<OdDb2dPolyline>(object, value, CKdVariant::kDouble);
  if (p.isNull()) return KD_PROPERTY_FAILED;
  OdDb2dVertexPtr v = widthVertex(*p, context);
  if (v.isNull()) return KD_PROPERTY_OK;
  v->upgradeOpen();
  if (Start) v->setStartWidth(value.GetDouble());
  else v->setEndWidth(value.GetDouble());
  v->downgradeOpen();
  return KD_PROPERTY_OK;
}

// The one width every vertex has at both ends (spline-fit: the first
// vertex's start and the last one's end); false when they differ.
bool commonWidth(const OdDb2dPolyline& p, double& width) {
  OdDbObjectIteratorPtr it = p.vertexIterator();
  if (it->done()) return false;
  width = OdDb2dVertexPtr(it->entity())->startWidth();
  if (isSplineFit(p)) {
    OdDb2dVertexPtr last;
    for (; !it->done(); it->step()) last = OdDb2dVertexPtr(it->entity());
    return last->endWidth() == width;
  }
  for (; !it->done(); it->step()) {
    OdDb2dVertexPtr v(it->entity());
    if (v->startWidth() != v->endWidth() || v->startWidth() != width) return false;
  }
  return true;
}

CKdVariant getGlobalWidth(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDb2dPolylinePtr p = kd::readable<OdDb2dPolyline>(object);
  double width = 0;
  if (p.isNull() || !commonWidth(*p, width)) return CKdVariant();
  return CKdVariant(width, true);
}

int setGlobalWidth(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDb2dPolylinePtr p = kd::writable<OdDb2dPolyline>(object, value, CKdVariant::kDouble);
  if (p.isNull()) return KD_PROPERTY_FAILED;
  for (OdDbObjectIteratorPtr it = p->vertexIterator(); !it->done(); it->step()) {
    OdDb2dVertexPtr v(it->entity(OdDb::kForWrite));
    v->setStartWidth(value.GetDouble());
    v->setEndWidth(value.GetDouble());
  }
  return KD_PROPERTY_OK;
}

CKdVariant getArea(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDb2dPolylinePtr p = kd::readable<OdDb2dPolyline>(object);
  double area = 0;
  if (p.isNull() || p->getArea(area) != eOk) return CKdVariant();
  return CKdVariant(area, true);
}

// Walks from vertex to vertex with each one's bulge; from the third vertex
// on, spline frame points are passed over. The closing segment is not counted.
CKdVariant getLength(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDb2dPolylinePtr p = kd::readable<OdDb2dPolyline>(object);
  if (p.isNull()) return CKdVariant();
  OdDbObjectIteratorPtr it = p->vertexIterator();
  if (it->done()) return CKdVariant();
  OdDb2dVertexPtr first(it->entity());
  OdGePoint2d from = first->position().convert2d();
  double bulge = first->bulge(), length = 0;
  it->step();
  if (it->done()) return CKdVariant();
  for (int used = 1; !it->done(); it->step()) {
    OdDb2dVertexPtr v(it->entity());
    if (used > 1 && v->vertexType() == OdDb::k2dSplineCtlVertex) continue;
    ++used;
    const OdGePoint2d to = v->position().convert2d();
    if (bulge > 1e-10 || bulge < -1e-10) {
      const OdGeCircArc2d arc(from, to, bulge);
      length += (arc.endAng() - arc.startAng()) * arc.radius();
    } else {
      length += from.distanceTo(to);
    }
    from = to;
    bulge = v->bulge();
  }
  return CKdVariant(length, true);
}

const kd::Choice kFits[] = {{"None", 0}, {"Curve fit", 1}, {"Quadratic", 2}, {"Cubic", 3}};

CKdVariant getFit(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDb2dPolylinePtr p = kd::readable<OdDb2dPolyline>(object);
  return p.isNull() ? CKdVariant() : kd::enumList(kFits, p->polyType());
}

int setFit(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDb2dPolylinePtr p = kd::writable<OdDb2dPolyline>(object, value, CKdVariant::kCollectionElement);
  long tag = 0;
  if (p.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
  if (tag == 0) p->straighten();
  else if (tag == 1) p->curveFit();
  else p->splineFit(OdDb::Poly2dType(tag), CKdDatabase(object->database()).GetSplineSegments());
  return KD_PROPERTY_OK;
}

void applyClosed(OdDb2dPolyline& p, bool closed) { closed ? p.makeClosed() : p.makeOpen(); }
void applyLinetypeGeneration(OdDb2dPolyline& p, bool on) {
  on ? p.setLinetypeGenerationOn() : p.setLinetypeGenerationOff();
}
typedef kd::FlagChoice<OdDb2dPolyline, &OdDb2dPolyline::isClosed, applyClosed, kd::BoolLabels::YesNo> Closed;
typedef kd::FlagChoice<OdDb2dPolyline, &OdDb2dPolyline::isLinetypeGenerationOn, applyLinetypeGeneration,
                       kd::BoolLabels::EnabledDisabled>
    LinetypeGeneration;

const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;
const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
const auto InPlane = &kd::isVertexReadOnly<OdDb2dPolyline>;
typedef CKdPropertyType T;

const kd::PropertyRow kRows[] = {
    {"General", "Thickness", 2, nullptr, ":/General/General_Thickness.png", RW, Thickness::get, Thickness::set},
    {"Geometry", "Vertex", 6, T::kVertexGUID, ":/Geometry/Geometry_Vertex.png", RW, getVertices,
     kd::setVertexChoice<OdDb2dPolyline>},
    {"Geometry", "Vertex X", 2, T::kVertexXGUID, ":/Geometry/Geometry_VertexX.png", InPlane, getVertex<0>, setVertex<0>},
    {"Geometry", "Vertex Y", 2, T::kVertexYGUID, ":/Geometry/Geometry_VertexY.png", InPlane, getVertex<1>, setVertex<1>},
    {"Geometry", "Start segment width", 0, T::kVertexStartWidthGUID, ":/Geometry/Geometry_StartSegmentWidth.png", RW,
     getWidth<true>, setWidth<true>},
    {"Geometry", "End segment width", 0, T::kVertexEndWidthGUID, ":/Geometry/Geometry_EndSegmentWidth.png", RW,
     getWidth<false>, setWidth<false>},
    {"Geometry", "Global width", 0, nullptr, ":/Geometry/Geometry_GlobalWidth.png", RW, getGlobalWidth, setGlobalWidth},
    {"Geometry", "Elevation", 0, nullptr, ":/Geometry/Geometry_Elevation.png", RW, Elevation::get, Elevation::set},
    {"Geometry", "Area", 0, nullptr, ":/Geometry/Geometry_Area.png", RO, getArea, nullptr},
    {"Geometry", "Length", 0, nullptr, ":/Geometry/Geometry_Length.png", RO, getLength, nullptr},
    {"Misc", "Fit/Smooth", 0, nullptr, ":/Misc/Misc_FitSmooth.png", RW, getFit, setFit},
    {"Misc", "Closed", 0, nullptr, ":/Misc/Misc_Closed.png", RW, Closed::get, Closed::set},
    {"Misc", "LineStyleGen", 0, nullptr, ":/Misc/Misc_LTGeneration.png", RW, LinetypeGeneration::get,
     LinetypeGeneration::set},
};

// Both listing widths: the width every vertex shares at both ends, else 0.
double listingWidth(const OdDb2dPolyline& p) {
  double width = 0;
  bool first = true;
  for (OdDbObjectIteratorPtr it = p.vertexIterator(); !it->done(); it->step()) {
    OdDb2dVertexPtr v(it->entity());
    if (first) width = v->startWidth();
    first = false;
    if (v->startWidth() != v->endWidth() || v->startWidth() != width) return 0.0;
  }
  return width;
}
}  // namespace

KD_DEFINE_PROPERTY_PE(CKd2dPolylinePE, CKdEntityPE, OdDb2dPolyline, "2D PolyLine", kRows)

void CKd2dPolylineInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<OdDb2dPolyline>(*this, object, context, [](const OdDb2dPolyline& p, CKdPrintInfoContext& out) {
    out.PrintString(kd::infoItem("PolyLine Flags"), kd::infoValue(p.isClosed() ? "Closed" : "Open"));
    const double width = listingWidth(p);
    out.PrintDist(kd::infoItem("starting width"), width);
    out.PrintDist(kd::infoItem("ending width"), width);
    if (p.isClosed()) {
      double area = 0;
      p.getArea(area);
      out.PrintArea(kd::infoItem("Area"), area);
    }
    double end = 0, length = 0;
    if (p.getEndParam(end) == eOk) p.getDistAtParam(end, length);
    out.PrintDist(kd::infoItem("Length"), length);
    for (OdDbObjectIteratorPtr it = p.vertexIterator(); !it->done(); it->step()) {
      OdDb2dVertexPtr v(it->entity());
      out.PrintString(CKdString(L"VERTEX"), CKdString(L" "));
      out.PrintString(kd::infoItem("Handle"), CKdString(v->getDbHandle().ascii()));
      out.PrintPoint(kd::infoItem("at point"), v->position());
      out.PrintDist(kd::infoItem("starting width"), v->startWidth());
      out.PrintDist(kd::infoItem("ending width"), v->endWidth());
      if (!out.CheckCounter()) return;
    }
  });
}
