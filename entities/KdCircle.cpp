#include "KdCircle.h"

#include <cmath>

#include "Db/DbCircle.h"
#include "KdAccess.h"

namespace {
typedef CKdPropertyDescription Desc;
const double kPi = 3.141592653589793;
const double k2Pi = 6.283185307179586;

typedef kd::PlainDouble<OdDbCircle, &OdDbCircle::thickness, &OdDbCircle::setThickness, true> Thickness;
typedef kd::UcsPoint<OdDbCircle, &OdDbCircle::center, &OdDbCircle::setCenter> Center;
typedef kd::UcsVectorPoint<OdDbCircle, &OdDbCircle::normal> Normal;

// One way of giving the size: the value shown for a radius, and the radius for a value.
struct Size {
  double (*shown)(double radius);
  double (*radius)(double value);
};
const Size kRadius = {[](double r) { return r; }, [](double v) { return v; }};
const Size kDiameter = {[](double r) { return r + r; }, [](double v) { return v * 0.5; }};
const Size kCircumference = {[](double r) { return r * k2Pi; }, [](double v) { return v / k2Pi; }};
const Size kArea = {[](double r) { return kPi * r * r; }, [](double v) { return std::sqrt(v / kPi); }};

template <const Size& S>
CKdVariant getSize(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbCirclePtr circle = kd::readable<OdDbCircle>(object);
  return circle.isNull() ? CKdVariant() : CKdVariant(S.shown(circle->radius()), true);
}
// Zero is refused without a message; a negative size counts by its absolute value.
template <const Size& S>
int setSize(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbCirclePtr circle = kd::writable<OdDbCircle>(object, value, CKdVariant::kDouble);
  if (circle.isNull() || value.GetDouble() == 0.0) return KD_PROPERTY_FAILED;
  circle->setRadius(S.radius(std::fabs(value.GetDouble())));
  return KD_PROPERTY_OK;
}

const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;
const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
typedef CKdPropertyType T;

const kd::PropertyRow kRows[] = {
    {"General", "Thickness", 0, nullptr, ":/General/General_Thickness.png", RW, Thickness::get, Thickness::set},
    {"Geometry", "Center X", 2, T::kCoordinateXGUID, ":/Geometry/Geometry_CenterX.png", RW, Center::X::get, Center::X::set},
    {"Geometry", "Center Y", 2, T::kCoordinateYGUID, ":/Geometry/Geometry_CenterY.png", RW, Center::Y::get, Center::Y::set},
    {"Geometry", "Center Z", 2, T::kCoordinateZGUID, ":/Geometry/Geometry_CenterZ.png", RW, Center::Z::get, Center::Z::set},
    {"Geometry", "Radius", 2, nullptr, ":/Geometry/Geometry_Radius.png", RW, getSize<kRadius>, setSize<kRadius>},
    {"Geometry", "Diameter", 2, nullptr, ":/Geometry/Geometry_Diameter.png", RW, getSize<kDiameter>, setSize<kDiameter>},
    {"Geometry", "Circumference", 2, nullptr, ":/Geometry/Geometry_Circumference.png", RW, getSize<kCircumference>,
     setSize<kCircumference>},
    {"Geometry", "Area", 2, nullptr, ":/Geometry/Geometry_Area.png", RW, getSize<kArea>, setSize<kArea>},
    {"Geometry", "Normal X", 2, nullptr, ":/Geometry/Geometry_NormalX.png", RO, Normal::X::get, nullptr},
    {"Geometry", "Normal Y", 2, nullptr, ":/Geometry/Geometry_NormalY.png", RO, Normal::Y::get, nullptr},
    {"Geometry", "Normal Z", 2, nullptr, ":/Geometry/Geometry_NormalZ.png", RO, Normal::Z::get, nullptr},
};
}  // namespace

KD_DEFINE_PROPERTY_PE(CKdCirclePE, CKdEntityPE, OdDbCircle, "Circle", kRows)

void CKdCircleInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<OdDbCircle>(*this, object, context, [](const OdDbCircle& circle, CKdPrintInfoContext& out) {
    const double r = circle.radius();
    double area = 0.0;
    if (circle.getArea(area) != eOk) area = 0.0;
    out.PrintPoint(kd::infoItem("Center  point"), circle.center());
    out.PrintDist(kd::infoItem("Radius"), r);
    out.PrintDist(kd::infoItem("Circumference"), r * k2Pi);
    out.PrintArea(kd::infoItem("Area"), area);
    if (out.IsPrintInUCS()) {
      OdGeVector3d normal = circle.normal();
      out.PrintVector3D(kd::infoItem("Extrusion direction relative to UCS"), normal);
    }
  });
}
