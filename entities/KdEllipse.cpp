#include "KdEllipse.h"

#include <cmath>

#include "Db/DbEllipse.h"
#include "KdAccess.h"

namespace {
typedef CKdPropertyDescription Desc;
const double k2Pi = 6.283185307179586;

typedef kd::UcsPoint<OdDbEllipse, &OdDbEllipse::center, &OdDbEllipse::setCenter> Center;
typedef kd::UcsVectorPoint<OdDbEllipse, &OdDbEllipse::majorAxis> Major;
typedef kd::UcsVectorPoint<OdDbEllipse, &OdDbEllipse::minorAxis> Minor;

// Start and end points stay in world coordinates.
template <OdResult (OdDbEllipse::*Point)(OdGePoint3d&) const, int Axis>
CKdVariant getEndPoint(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbEllipsePtr e = kd::readable<OdDbEllipse>(object);
  OdGePoint3d p;
  if (e.isNull() || ((*e).*Point)(p) != eOk) return CKdVariant();
  return CKdVariant(p[Axis], true);
}

CKdVariant getMajorRadius(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbEllipsePtr e = kd::readable<OdDbEllipse>(object);
  return e.isNull() ? CKdVariant() : CKdVariant(e->majorAxis().length(), true);
}
CKdVariant getMinorRadius(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbEllipsePtr e = kd::readable<OdDbEllipse>(object);
  return e.isNull() ? CKdVariant() : CKdVariant(e->minorAxis().length(), true);
}
CKdVariant getRatio(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbEllipsePtr e = kd::readable<OdDbEllipse>(object);
  return e.isNull() ? CKdVariant() : CKdVariant(e->radiusRatio(), true);
}

// The major radius may not become smaller than the minor one; the minor radius stays.
int setMajorRadius(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbEllipsePtr e = kd::writable<OdDbEllipse>(object, value, CKdVariant::kDouble);
  if (e.isNull() || value.GetDouble() == 0.0) return KD_PROPERTY_FAILED;
  const double v = std::fabs(value.GetDouble());
  const double minor = e->minorAxis().length();
  if (minor > v) return KD_PROPERTY_FAILED;
  OdGePoint3d center;
  OdGeVector3d normal, major;
  double ratio = 0, start = 0, end = 0;
  e->get(center, normal, major, ratio, start, end);
  major.normalize();
  e->set(center, normal, major * v, minor / v, start, end);
  return KD_PROPERTY_OK;
}

// The minor radius may not become greater than the major one.
int setMinorRadius(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbEllipsePtr e = kd::writable<OdDbEllipse>(object, value, CKdVariant::kDouble);
  if (e.isNull() || value.GetDouble() == 0.0) return KD_PROPERTY_FAILED;
  const double v = std::fabs(value.GetDouble());
  const double majorRadius = e->majorAxis().length();
  if (majorRadius < v) return KD_PROPERTY_FAILED;
  OdGePoint3d center;
  OdGeVector3d normal, major;
  double ratio = 0, start = 0, end = 0;
  e->get(center, normal, major, ratio, start, end);
  e->set(center, normal, major, v / majorRadius, start, end);
  return KD_PROPERTY_OK;
}

int setRatio(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbEllipsePtr e = kd::writable<OdDbEllipse>(object, value, CKdVariant::kDouble);
  if (e.isNull()) return KD_PROPERTY_FAILED;
  const double v = std::fabs(value.GetDouble());
  if (!(v > 0.0 && v <= 1.0)) return KD_PROPERTY_FAILED;
  e->setRadiusRatio(v);
  return KD_PROPERTY_OK;
}

double positive(double a) { return a < 0.0 ? a + k2Pi : a; }
double belowTurn(double a) {
  while (a > k2Pi) a -= k2Pi;
  return a;
}

CKdVariant getStartAngle(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbEllipsePtr e = kd::readable<OdDbEllipse>(object);
  return e.isNull() ? CKdVariant() : CKdVariant(positive(e->startAngle()), true);
}
CKdVariant getEndAngle(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbEllipsePtr e = kd::readable<OdDbEllipse>(object);
  return e.isNull() ? CKdVariant() : CKdVariant(positive(e->endAngle()), true);
}

// Start and end may not coincide: that arc would have no length.
int setStartAngle(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbEllipsePtr e = kd::writable<OdDbEllipse>(object, value, CKdVariant::kDouble);
  if (e.isNull()) return KD_PROPERTY_FAILED;
  const double v = value.GetDouble();
  if (std::fabs(v - belowTurn(e->endAngle())) < 1e-10) return kd::reject("Degenerate geometry");
  e->setStartAngle(v);
  return KD_PROPERTY_OK;
}
int setEndAngle(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbEllipsePtr e = kd::writable<OdDbEllipse>(object, value, CKdVariant::kDouble);
  if (e.isNull()) return KD_PROPERTY_FAILED;
  const double v = value.GetDouble() == 0.0 ? k2Pi : value.GetDouble();
  if (std::fabs(v - belowTurn(e->startAngle())) < 1e-10) return kd::reject("Degenerate geometry");
  e->setEndAngle(v);
  return KD_PROPERTY_OK;
}

const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;
const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
typedef CKdPropertyType T;

const kd::PropertyRow kRows[] = {
    {"Geometry", "Start X", 2, T::kCoordinateXGUID, ":/Geometry/Geometry_EllipseStartX.png", RO, getEndPoint<&OdDbEllipse::getStartPoint, 0>, nullptr},
    {"Geometry", "Start Y", 2, T::kCoordinateYGUID, ":/Geometry/Geometry_EllipseStartY.png", RO, getEndPoint<&OdDbEllipse::getStartPoint, 1>, nullptr},
    {"Geometry", "Start Z", 2, T::kCoordinateZGUID, ":/Geometry/Geometry_EllipseStartZ.png", RO, getEndPoint<&OdDbEllipse::getStartPoint, 2>, nullptr},
    {"Geometry", "Center X", 2, T::kCoordinateXGUID, ":/Geometry/Geometry_EllipseCenterX.png", RW, Center::X::get, Center::X::set},
    {"Geometry", "Center Y", 2, T::kCoordinateYGUID, ":/Geometry/Geometry_EllipseCenterY.png", RW, Center::Y::get, Center::Y::set},
    {"Geometry", "Center Z", 2, T::kCoordinateZGUID, ":/Geometry/Geometry_EllipseCenterZ.png", RW, Center::Z::get, Center::Z::set},
    {"Geometry", "End X", 2, T::kCoordinateXGUID, ":/Geometry/Geometry_EllipseEndX.png", RO, getEndPoint<&OdDbEllipse::getEndPoint, 0>, nullptr},
    {"Geometry", "End Y", 2, T::kCoordinateYGUID, ":/Geometry/Geometry_EllipseEndY.png", RO, getEndPoint<&OdDbEllipse::getEndPoint, 1>, nullptr},
    {"Geometry", "End Z", 2, T::kCoordinateZGUID, ":/Geometry/Geometry_EllipseEndZ.png", RO, getEndPoint<&OdDbEllipse::getEndPoint, 2>, nullptr},
    {"Geometry", "Major radius", 0, nullptr, ":/Geometry/Geometry_MajorRadius.png", RW, getMajorRadius, setMajorRadius},
    {"Geometry", "Minor radius", 0, nullptr, ":/Geometry/Geometry_MinorRadius.png", RW, getMinorRadius, setMinorRadius},
    {"Geometry", "Radius ratio", 0, nullptr, ":/Geometry/Geometry_RadiusRatio.png", RW, getRatio, setRatio},
    {"Geometry", "Start angle", 2, T::kAngleGUID, ":/Geometry/Geometry_StartAngle.png", RW, getStartAngle, setStartAngle},
    {"Geometry", "End angle", 2, T::kAngleGUID, ":/Geometry/Geometry_EndAngle.png", RW, getEndAngle, setEndAngle},
    {"Geometry", "Major axis vector X", 2, T::kCoordinateXGUID, ":/Geometry/Geometry_MajorVectorX.png", RO, Major::X::get, nullptr},
    {"Geometry", "Major axis vector Y", 2, T::kCoordinateYGUID, ":/Geometry/Geometry_MajorVectorY.png", RO, Major::Y::get, nullptr},
    {"Geometry", "Major axis vector Z", 2, T::kCoordinateZGUID, ":/Geometry/Geometry_MajorVectorZ.png", RO, Major::Z::get, nullptr},
    {"Geometry", "Minor axis vector X", 2, T::kCoordinateXGUID, ":/Geometry/Geometry_MinorVectorX.png", RO, Minor::X::get, nullptr},
    {"Geometry", "Minor axis vector Y", 2, T::kCoordinateYGUID, ":/Geometry/Geometry_MinorVectorY.png", RO, Minor::Y::get, nullptr},
    {"Geometry", "Minor axis vector Z", 2, T::kCoordinateZGUID, ":/Geometry/Geometry_MinorVectorZ.png", RO, Minor::Z::get, nullptr},
};
}  // namespace

KD_DEFINE_PROPERTY_PE(CKdEllipsePE, CKdEntityPE, OdDbEllipse, "Ellipse", kRows)

void CKdEllipseInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<OdDbEllipse>(*this, object, context, [](const OdDbEllipse& e, CKdPrintInfoContext& out) {
    OdGeVector3d major = e.majorAxis(), minor = e.minorAxis();
    out.PrintPoint(kd::infoItem("Center"), e.center());
    out.PrintVector3D(kd::infoItem("Major Axis"), major);
    out.PrintVector3D(kd::infoItem("Minor Axis"), minor);
    out.PrintScale(kd::infoItem("Radius Ratio"), e.radiusRatio());
    if (e.isClosed()) {
      double area = 0.0;
      e.getArea(area);
      out.PrintArea(kd::infoItem("Area"), area);
      return;
    }
    OdGePoint3d start, end;
    e.getStartPoint(start);
    e.getEndPoint(end);
    out.PrintPoint(kd::infoItem("Start point"), start);
    out.PrintPoint(kd::infoItem("End point"), end);
    out.PrintAngle(kd::infoItem("Start Angle"), e.startAngle());
    out.PrintAngle(kd::infoItem("End Angle"), e.endAngle());
    // An elliptical arc lists its ratio a second time.
    out.PrintScale(kd::infoItem("Radius Ratio"), e.radiusRatio());
  });
}
