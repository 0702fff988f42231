#include "KdPolyline.h"

#include <cmath>

#include "CKdDocument.h"
#include "CKdUcsService.h"
#include "CKdValueFormat.h"
#include "Db/DbPolyline.h"
#include "Ge/GeCircArc2d.h"
#include "Ge/GeLineSeg2d.h"
#include "Ge/GePlane.h"
#include "KdAccess.h"
#include "KdVertexList.h"

namespace {
typedef CKdPropertyDescription Desc;

typedef kd::PlainDouble<OdDbPolyline, &OdDbPolyline::thickness, &OdDbPolyline::setThickness, true> Thickness;
typedef kd::PlainDouble<OdDbPolyline, &OdDbPolyline::elevation, &OdDbPolyline::setElevation, true> Elevation;

// The addressed vertex, when the polyline has it.
bool vertexAt(const OdDbPolyline& p, const CKdVariant& context, unsigned& index) {
  const int i = kd::vertexIndex(context);
  if (i < 0 || unsigned(i) >= p.numVerts()) return false;
  index = unsigned(i);
  return true;
}

CKdVariant getVertices(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbPolylinePtr p = kd::readable<OdDbPolyline>(object);
  if (p.isNull()) return CKdVariant();
  kd::VertexList list;
  for (unsigned i = 0; i < p->numVerts(); ++i) {
    OdGePoint3d world;
    p->getPointAt(i, world);
    list.add(int(i), world);
  }
  return list.result();
}

template <int Axis>
CKdVariant getVertex(const OdDbObject* object, const Desc&, const CKdVariant& context) {
  OdDbPolylinePtr p = kd::readable<OdDbPolyline>(object);
  unsigned i = 0;
  if (p.isNull() || !vertexAt(*p, context, i)) return CKdVariant();
  OdGePoint3d world;
  p->getPointAt(i, world);
  return CKdVariant(kd::ucsComponent(object, world, Axis), true);
}

// The edited UCS point goes back into the polyline's plane; the elevation stays.
template <int Axis>
int setVertex(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant& context) {
  OdDbPolylinePtr p = kd::writable<OdDbPolyline>(object, value, CKdVariant::kDouble);
  unsigned i = 0;
  if (p.isNull() || !vertexAt(*p, context, i)) return KD_PROPERTY_FAILED;
  OdGePoint3d world;
  p->getPointAt(i, world);
  if (!kd::replaceUcsComponent(object, world, Axis, value.GetDouble())) return KD_PROPERTY_OK;
  p->setPointAt(i, world.convert2d(OdGePlane(OdGePoint3d::kOrigin, p->normal())));
  return KD_PROPERTY_OK;
}

template <bool Start>
CKdVariant getSegmentWidth(const OdDbObject* object, const Desc&, const CKdVariant& context) {
  OdDbPolylinePtr p = kd::readable<OdDbPolyline>(object);
  unsigned i = 0;
  double start = 0, end = 0;
  if (p.isNull() || !vertexAt(*p, context, i) || p->getWidthsAt(i, start, end) != eOk) return CKdVariant();
  return CKdVariant(Start ? start : end, true);
}

// A width edit leaves constant-width mode: every other segment keeps the
// former constant width as its own.
template <bool Start>
int setSegmentWidth(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant& context) {
  OdDbPolylinePtr p = kd::writable<OdDbPolyline>(object, value, CKdVariant::kDouble);
  unsigned index = 0;
  const double w = value.GetDouble();
  if (p.isNull() || !vertexAt(*p, context, index) || !(w >= 0.0) || !std::isfinite(w)) return KD_PROPERTY_FAILED;
  double start = 0, end = 0;
  p->getWidthsAt(index, start, end);
  const double constant = p->getConstantWidth();
  if (constant != 0.0) {
    p->setConstantWidth(0.0);
    const unsigned n = p->numVerts() - (p->isClosed() ? 0 : 1);
    if (n == 0) return KD_PROPERTY_OK;
    for (unsigned i = 0; i < n; ++i)
      if (i != index) p->setWidthsAt(i, constant, constant);
  }
  if (Start) p->setWidthsAt(index, w, end);
  else p->setWidthsAt(index, start, w);
  return KD_PROPERTY_OK;
}

// The constant width, or the one width all segments share; empty when they differ.
CKdVariant getGlobalWidth(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbPolylinePtr p = kd::readable<OdDbPolyline>(object);
  if (p.isNull()) return CKdVariant();
  if (p->getConstantWidth() != 0.0) return CKdVariant(p->getConstantWidth(), true);
  if (p->numVerts() == 0) return CKdVariant();
  const unsigned n = p->numVerts() - (p->isClosed() ? 0 : 1);
  double width = 0, end = 0;
  p->getWidthsAt(0, width, end);
  if (width != end) return CKdVariant();
  for (unsigned i = 1; i < n; ++i) {
    double s = 0, e = 0;
    p->getWidthsAt(i, s, e);
    if (s != e || s != width) return CKdVariant();
  }
  return CKdVariant(width, true);
}

int setGlobalWidth(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbPolylinePtr p = kd::writable<OdDbPolyline>(object, value, CKdVariant::kDouble);
  if (p.isNull()) return KD_PROPERTY_FAILED;
  p->setConstantWidth(value.GetDouble());
  return KD_PROPERTY_OK;
}

// The linear units of the drawing the user works in.
int activeLinearUnits(const OdDbObject* object) {
  CKdDocument* doc = ACTIVE_DOCUMENT();
  if (doc) return doc->GetKdDatabase()->GetLinearUnits();
  return CKdDatabase(object->database()).GetLinearUnits();
}

// Feet-and-inch drawings read the area in square inches and square feet.
CKdVariant getArea(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbPolylinePtr p = kd::readable<OdDbPolyline>(object);
  double area = 0;
  if (p.isNull() || p->getArea(area) != eOk) return CKdVariant();
  const CKdUcsService formatter = GetKdUcsService(object->database());
  const int units = activeLinearUnits(object);
  if (units == kdunits::kEngineering || units == kdunits::kArchitectural)
    return CKdVariant(kd::fill(kd::tr("CKdPolylinePE", "%1 sq. in. (%2 sq. ft.)"),
                               formatter.FormatValue(area, kdunits::kDecimal, -1, -1),
                               formatter.FormatValue(area / 144.0, kdunits::kDecimal, -1, -1)));
  return CKdVariant(formatter.FormatValue(area, -1, -1, -1));
}

// Every segment, the closing one of a closed polyline included.
CKdVariant getLength(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbPolylinePtr p = kd::readable<OdDbPolyline>(object);
  if (p.isNull()) return CKdVariant();
  double length = 0;
  for (unsigned i = 0; i < p->numVerts(); ++i) {
    if (p->segType(i) == OdDbPolyline::kLine) {
      OdGeLineSeg2d line;
      p->getLineSegAt(i, line);
      length += line.startPoint().distanceTo(line.endPoint());
    } else if (p->segType(i) == OdDbPolyline::kArc) {
      OdGeCircArc2d arc;
      p->getArcSegAt(i, arc);
      length += (arc.endAng() - arc.startAng()) * arc.radius();
    }
  }
  return CKdVariant(length, true);
}

void applyClosed(OdDbPolyline& p, bool closed) { p.setClosed(closed); }
void applyPlinegen(OdDbPolyline& p, bool on) { p.setPlinegen(on); }
typedef kd::FlagChoice<OdDbPolyline, &OdDbPolyline::isClosed, applyClosed, kd::BoolLabels::YesNo> Closed;
typedef kd::FlagChoice<OdDbPolyline, &OdDbPolyline::hasPlinegen, applyPlinegen, kd::BoolLabels::EnabledDisabled>
    Plinegen;

const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;
const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
const auto InPlane = &kd::isVertexReadOnly<OdDbPolyline>;
typedef CKdPropertyType T;

const kd::PropertyRow kRows[] = {
    {"General", "Thickness", 0, nullptr, ":/General/General_Thickness.png", RW, Thickness::get, Thickness::set},
    {"Geometry", "Vertex", 6, T::kVertexGUID, ":/Geometry/Geometry_Vertex.png", RW, getVertices,
     kd::setVertexChoice<OdDbPolyline>},
    {"Geometry", "Vertex X", 2, T::kVertexXGUID, ":/Geometry/Geometry_VertexX.png", InPlane, getVertex<0>, setVertex<0>},
    {"Geometry", "Vertex Y", 2, T::kVertexYGUID, ":/Geometry/Geometry_VertexY.png", InPlane, getVertex<1>, setVertex<1>},
    {"Geometry", "Start segment width", 0, T::kVertexStartWidthGUID, ":/Geometry/Geometry_StartSegmentWidth.png", RW,
     getSegmentWidth<true>, setSegmentWidth<true>},
    {"Geometry", "End segment width", 0, T::kVertexEndWidthGUID, ":/Geometry/Geometry_EndSegmentWidth.png", RW,
     getSegmentWidth<false>, setSegmentWidth<false>},
    {"Geometry", "Global width", 0, nullptr, ":/Geometry/Geometry_GlobalWidth.png", RW, getGlobalWidth, setGlobalWidth},
    {"Geometry", "Elevation", 0, nullptr, ":/Geometry/Geometry_Elevation.png", RW, Elevation::get, Elevation::set},
    {"Geometry", "Area", 0, nullptr, ":/Geometry/Geometry_Area.png", RO, getArea, nullptr},
    {"Geometry", "Length", 0, nullptr, ":/Geometry/Geometry_Length.png", RO, getLength, nullptr},
    {"Misc", "Closed", 0, nullptr, ":/Misc/Misc_Closed.png", RW, Closed::get, Closed::set},
    {"Misc", "LineStyleGen", 0, nullptr, ":/Misc/Misc_LTGeneration.png", RW, Plinegen::get, Plinegen::set},
};
}  // namespace

KD_DEFINE_PROPERTY_PE(CKdPolylinePE, CKdEntityPE, OdDbPolyline, "PolyLine", kRows)

void CKdPolylineInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<OdDbPolyline>(*this, object, context, [](const OdDbPolyline& p, CKdPrintInfoContext& out) {
    out.PrintString(kd::infoItem("PolyLine Flags"), kd::infoValue(p.isClosed() ? "Closed" : "Open"));
    double area = 0;
    if (p.isClosed()) p.getArea(area);
    out.PrintArea(kd::infoItem("Area"), area);
    double end = 0, length = 0;
    if (p.getEndParam(end) == eOk) p.getDistAtParam(end, length);
    out.PrintDist(kd::infoItem("Perimeter"), length);
    for (unsigned i = 0; i < p.numVerts(); ++i) {
      OdGePoint3d at;
      p.getPointAt(i, at);
      out.PrintPoint(kd::fill(kd::infoItem("Location %1"), CKdString(std::to_wstring(i))), at);
      if (!out.CheckCounter()) return;
    }
  });
}
