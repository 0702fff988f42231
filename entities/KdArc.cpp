#include "KdArc.h"

#include <cmath>

#include "Db/DbArc.h"
#include "KdAccess.h"

namespace {
typedef CKdPropertyDescription Desc;
const double k2Pi = 6.283185307179586;

typedef kd::PlainDouble<OdDbArc, &OdDbArc::thickness, &OdDbArc::setThickness, true> Thickness;
typedef kd::UcsPoint<OdDbArc, &OdDbArc::center, &OdDbArc::setCenter> Center;
typedef kd::UcsVectorPoint<OdDbArc, &OdDbArc::normal> Normal;

// The start or end point in the UCS.
template <OdResult (OdDbArc::*Point)(OdGePoint3d&) const, int Axis>
CKdVariant getEndPoint(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbArcPtr arc = kd::readable<OdDbArc>(object);
  OdGePoint3d p;
  if (arc.isNull() || ((*arc).*Point)(p) != eOk) return CKdVariant();
  return CKdVariant(kd::ucsComponent(object, p, Axis), true);
}

CKdVariant getRadius(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbArcPtr arc = kd::readable<OdDbArc>(object);
  return arc.isNull() ? CKdVariant() : CKdVariant(arc->radius(), true);
}
int setRadius(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbArcPtr arc = kd::writable<OdDbArc>(object, value, CKdVariant::kDouble);
  if (arc.isNull() || value.GetDouble() == 0.0) return KD_PROPERTY_FAILED;
  arc->setRadius(std::fabs(value.GetDouble()));
  return KD_PROPERTY_OK;
}

typedef double (OdDbArc::*AngleGetter)() const;
typedef OdResult (OdDbArc::*AngleSetter)(double);
template <AngleGetter Get>
CKdVariant getAngle(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbArcPtr arc = kd::readable<OdDbArc>(object);
  return arc.isNull() ? CKdVariant() : CKdVariant(((*arc).*Get)(), true);
}
// Values of another type than a double are refused like everywhere else.
template <AngleSetter Set>
int setAngle(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbArcPtr arc = kd::writable<OdDbArc>(object, value, CKdVariant::kDouble);
  if (arc.isNull()) return KD_PROPERTY_FAILED;
  ((*arc).*Set)(value.GetDouble());
  return KD_PROPERTY_OK;
}

// End angle plus what the start angle leaves of a turn, in [0, 2pi).
double totalAngle(const OdDbArc& arc) {
  double t = arc.endAngle() + (k2Pi - arc.startAngle());
  if (t >= k2Pi) t -= k2Pi;
  return t;
}
CKdVariant getTotalAngle(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbArcPtr arc = kd::readable<OdDbArc>(object);
  return arc.isNull() ? CKdVariant() : CKdVariant(totalAngle(*arc), true);
}

// Measured on the points at the two angles: the radius times the angle between them about the normal.
CKdVariant getArcLength(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbArcPtr arc = kd::readable<OdDbArc>(object);
  OdGePoint3d start, end;
  if (arc.isNull() || arc->getPointAtParam(arc->startAngle(), start) != eOk ||
      arc->getPointAtParam(arc->endAngle(), end) != eOk)
    return CKdVariant();
  const OdGePoint3d c = arc->center();
  const double swept = (start - c).angleTo(end - c, arc->normal());
  return CKdVariant(start.distanceTo(c) * swept, true);
}

CKdVariant getArea(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbArcPtr arc = kd::readable<OdDbArc>(object);
  if (arc.isNull()) return CKdVariant();
  const double r = arc->radius(), theta = totalAngle(*arc);
  return CKdVariant(0.5 * r * r * (theta + std::sin(k2Pi - theta)), true);
}

const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;
const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
typedef CKdPropertyType T;

const kd::PropertyRow kRows[] = {
    {"General", "Thickness", 2, nullptr, ":/General/General_Thickness.png", RW, Thickness::get, Thickness::set},
    {"Geometry", "Start X", 2, T::kCoordinateXGUID, ":/Geometry/Geometry_StartX.png", RO, getEndPoint<&OdDbArc::getStartPoint, 0>, nullptr},
    {"Geometry", "Start Y", 2, T::kCoordinateYGUID, ":/Geometry/Geometry_StartY.png", RO, getEndPoint<&OdDbArc::getStartPoint, 1>, nullptr},
    {"Geometry", "Start Z", 2, T::kCoordinateZGUID, ":/Geometry/Geometry_StartZ.png", RO, getEndPoint<&OdDbArc::getStartPoint, 2>, nullptr},
    {"Geometry", "Center X", 2, T::kCoordinateXGUID, ":/Geometry/Geometry_CenterX.png", RW, Center::X::get, Center::X::set},
    {"Geometry", "Center Y", 2, T::kCoordinateYGUID, ":/Geometry/Geometry_CenterY.png", RW, Center::Y::get, Center::Y::set},
    {"Geometry", "Center Z", 2, T::kCoordinateZGUID, ":/Geometry/Geometry_CenterZ.png", RW, Center::Z::get, Center::Z::set},
    {"Geometry", "End X", 2, T::kCoordinateXGUID, ":/Geometry/Geometry_EndX.png", RO, getEndPoint<&OdDbArc::getEndPoint, 0>, nullptr},
    {"Geometry", "End Y", 2, T::kCoordinateYGUID, ":/Geometry/Geometry_EndY.png", RO, getEndPoint<&OdDbArc::getEndPoint, 1>, nullptr},
    {"Geometry", "End Z", 2, T::kCoordinateZGUID, ":/Geometry/Geometry_EndZ.png", RO, getEndPoint<&OdDbArc::getEndPoint, 2>, nullptr},
    {"Geometry", "Radius", 2, nullptr, ":/Geometry/Geometry_Radius.png", RW, getRadius, setRadius},
    {"Geometry", "Start Angle", 2, T::kOrientGUID, ":/Geometry/Geometry_StartAngle.png", RW,
     getAngle<&OdDbArc::startAngle>, setAngle<&OdDbArc::setStartAngle>},
    {"Geometry", "End Angle", 2, T::kOrientGUID, ":/Geometry/Geometry_EndAngle.png", RW,
     getAngle<&OdDbArc::endAngle>, setAngle<&OdDbArc::setEndAngle>},
    {"Geometry", "Total Angle", 2, T::kAngleGUID, ":/Geometry/Geometry_TotalAngle.png", RO, getTotalAngle, nullptr},
    {"Geometry", "Arc Length", 2, nullptr, ":/Geometry/Geometry_ArcLength.png", RO, getArcLength, nullptr},
    {"Geometry", "Area", 2, nullptr, ":/Geometry/Geometry_Area.png", RO, getArea, nullptr},
    {"Geometry", "Normal X", 2, nullptr, ":/Geometry/Geometry_NormalX.png", RO, Normal::X::get, nullptr},
    {"Geometry", "Normal Y", 2, nullptr, ":/Geometry/Geometry_NormalY.png", RO, Normal::Y::get, nullptr},
    {"Geometry", "Normal Z", 2, nullptr, ":/Geometry/Geometry_NormalZ.png", RO, Normal::Z::get, nullptr},
};
}  // namespace

KD_DEFINE_PROPERTY_PE(CKdArcPE, CKdEntityPE, OdDbArc, "Arc", kRows)

void CKdArcInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<OdDbArc>(*this, object, context, [](const OdDbArc& arc, CKdPrintInfoContext& out) {
    out.PrintPoint(kd::infoItem("Center point"), arc.center());
    out.PrintDist(kd::infoItem("Radius"), arc.radius());
    if (out.IsPrintInUCS()) {
      OdGeVector3d normal = arc.normal();
      out.PrintVector3D(kd::infoItem("Extrusion direction relative to UCS"), normal);
    }
    OdGePoint3d start, end;
    arc.getStartPoint(start);
    arc.getEndPoint(end);
    out.PrintPoint(kd::infoItem("Start point"), start);
    out.PrintPoint(kd::infoItem("End point"), end);
    double endParam = 0.0, length = 0.0;
    arc.getEndParam(endParam);
    arc.getDistAtParam(endParam, length);
    out.PrintDist(kd::infoItem("Length"), length);
    if (out.IsPrintInUCS()) {
      out.PrintAngle(kd::infoItem("Total angle"), totalAngle(arc));
    } else {
      out.PrintAngle(kd::infoItem("Start angle"), arc.startAngle());
      out.PrintAngle(kd::infoItem("End angle"), arc.endAngle());
    }
  });
}
