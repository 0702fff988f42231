#pragma once
// Rays and construction lines show the same properties and nearly the same
// listing; T is OdDbRay or OdDbXline.
#include "CKdUcsService.h"
#include "KdAccess.h"
#include "KdExtension.h"

namespace kd {

template <class T>
struct LinearRay {
  typedef CKdPropertyDescription Desc;
  typedef UcsPoint<T, &T::basePoint, &T::setBasePoint> Base;

  // The point one unit along the direction from the base point, in the UCS.
  template <int Axis>
  static CKdVariant getSecond(const OdDbObject* object, const Desc&, const CKdVariant&) {
    OdSmartPtr<T> p = readable<T>(object);
    if (p.isNull()) return CKdVariant();
    return CKdVariant(toUcs(object, p->basePoint() + p->unitDir())[Axis], true);
  }
  // The base point stays; the direction turns towards the new second point.
  template <int Axis>
  static int setSecond(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
    OdSmartPtr<T> p = writable<T>(object, value, CKdVariant::kDouble);
    if (p.isNull()) return KD_PROPERTY_FAILED;
    const OdGePoint3d base = p->basePoint();
    OdGePoint3d second = base + p->unitDir();
    if (!replaceUcsComponent(object, second, Axis, value.GetDouble())) return KD_PROPERTY_OK;
    OdGeVector3d direction = second - base;
    direction.normalizeGetLength(1e-300);
    p->setUnitDir(direction);
    return KD_PROPERTY_OK;
  }
  // The unit direction as seen in the UCS (turned, not moved).
  template <int Axis>
  static CKdVariant getDirection(const OdDbObject* object, const Desc&, const CKdVariant&) {
    OdSmartPtr<T> p = readable<T>(object);
    if (p.isNull()) return CKdVariant();
    OdGeVector3d d = p->unitDir();
    d.transformBy(GetKdUcsService(object->database()).WorldToUcsMatrix());
    return CKdVariant(d[Axis], true);
  }

  static const PropertyRow rows[9];

  // "Base point", "Unit direction", then the angle of the direction in the XY plane.
  static void print(const T& ray, CKdPrintInfoContext& out, const char* baseLabel, const char* directionLabel) {
    OdGeVector3d direction = ray.unitDir();
    out.PrintPoint(infoItem(baseLabel), ray.basePoint());
    out.PrintVector3D(infoItem(directionLabel), direction);
    if (out.IsPrintInUCS()) direction.transformBy(out.GetWorldToWorkingPlaneMatrix());
    out.PrintAngle(infoItem("Angle in XY Plane"), OdGeVector2d(direction.x, direction.y).angle());
  }
};

template <class T>
const PropertyRow LinearRay<T>::rows[9] = {
    {"Geometry", "Base point X", 2, CKdPropertyType::kCoordinateXGUID, ":/Geometry/Geometry_BasePointX.png",
     CKdPropertyPEImpl::IsReadOnlyFalse, Base::X::get, Base::X::set},
    {"Geometry", "Base point Y", 2, CKdPropertyType::kCoordinateYGUID, ":/Geometry/Geometry_BasePointY.png",
     CKdPropertyPEImpl::IsReadOnlyFalse, Base::Y::get, Base::Y::set},
    {"Geometry", "Base point Z", 2, CKdPropertyType::kCoordinateZGUID, ":/Geometry/Geometry_BasePointZ.png",
     CKdPropertyPEImpl::IsReadOnlyFalse, Base::Z::get, Base::Z::set},
    {"Geometry", "Second point X", 2, CKdPropertyType::kCoordinateXGUID, ":/Geometry/Geometry_SecondPointX.png",
     CKdPropertyPEImpl::IsReadOnlyFalse, getSecond<0>, setSecond<0>},
    {"Geometry", "Second point Y", 2, CKdPropertyType::kCoordinateYGUID, ":/Geometry/Geometry_SecondPointY.png",
     CKdPropertyPEImpl::IsReadOnlyFalse, getSecond<1>, setSecond<1>},
    {"Geometry", "Second point Z", 2, CKdPropertyType::kCoordinateZGUID, ":/Geometry/Geometry_SecondPointZ.png",
     CKdPropertyPEImpl::IsReadOnlyFalse, getSecond<2>, setSecond<2>},
    {"Geometry", "Direction vector X", 2, CKdPropertyType::kCoordinateXGUID, ":/Geometry/Geometry_DirectionX.png",
     CKdPropertyPEImpl::IsReadOnlyTrue, getDirection<0>, nullptr},
    {"Geometry", "Direction vector Y", 2, CKdPropertyType::kCoordinateYGUID, ":/Geometry/Geometry_DirectionY.png",
     CKdPropertyPEImpl::IsReadOnlyTrue, getDirection<1>, nullptr},
    {"Geometry", "Direction vector Z", 2, CKdPropertyType::kCoordinateZGUID, ":/Geometry/Geometry_DirectionZ.png",
     CKdPropertyPEImpl::IsReadOnlyTrue, getDirection<2>, nullptr},
};

}  // namespace kd
