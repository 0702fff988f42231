#include "KdPoint.h"

#include "Db/DbPoint.h"
#include "KdAccess.h"

namespace {
typedef kd::PlainDouble<OdDbPoint, &OdDbPoint::thickness, &OdDbPoint::setThickness, true> Thickness;
typedef kd::UcsPoint<OdDbPoint, &OdDbPoint::position, &OdDbPoint::setPosition> Position;

const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
typedef CKdPropertyType T;

const kd::PropertyRow kRows[] = {
    {"General", "Thickness", 2, nullptr, ":/General/General_Thickness.png", RW, Thickness::get, Thickness::set},
    {"Geometry", "Position X", 2, T::kCoordinateXGUID, ":/Geometry/Geometry_CoordinateX.png", RW, Position::X::get, Position::X::set},
    {"Geometry", "Position Y", 2, T::kCoordinateYGUID, ":/Geometry/Geometry_CoordinateY.png", RW, Position::Y::get, Position::Y::set},
    {"Geometry", "Position Z", 2, T::kCoordinateZGUID, ":/Geometry/Geometry_CoordinateZ.png", RW, Position::Z::get, Position::Z::set},
};
}  // namespace

KD_DEFINE_PROPERTY_PE(CKdPointPE, CKdEntityPE, OdDbPoint, "Point", kRows)

void CKdPointInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<OdDbPoint>(*this, object, context, [](const OdDbPoint& point, CKdPrintInfoContext& out) {
    out.PrintPoint(kd::infoItem("Position"), point.position());
    // The angle of the position seen as a vector from the origin.
    OdGeVector3d v = point.position().asVector();
    if (out.IsPrintInUCS()) v.transformBy(out.GetWorldToWorkingPlaneMatrix());
    out.PrintAngle(kd::infoItem("Angle of X Axis"), OdGeVector2d(v.x, v.y).angle());
  });
}
