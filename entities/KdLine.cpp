#include "KdLine.h"

#include "Db/DbLine.h"
#include "KdAccess.h"

namespace {
typedef CKdPropertyDescription Desc;
typedef kd::PlainDouble<OdDbLine, &OdDbLine::thickness, &OdDbLine::setThickness, true> Thickness;
typedef kd::UcsPoint<OdDbLine, &OdDbLine::startPoint, &OdDbLine::setStartPoint> Start;
typedef kd::UcsPoint<OdDbLine, &OdDbLine::endPoint, &OdDbLine::setEndPoint> End;

// End minus start, both in the UCS.
template <int Axis>
CKdVariant getDelta(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbLinePtr line = kd::readable<OdDbLine>(object);
  if (line.isNull()) return CKdVariant();
  const OdGeVector3d d = kd::toUcs(object, line->endPoint()) - kd::toUcs(object, line->startPoint());
  return CKdVariant(d[Axis], true);
}

CKdVariant getLength(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbLinePtr line = kd::readable<OdDbLine>(object);
  if (line.isNull()) return CKdVariant();
  return CKdVariant((line->endPoint() - line->startPoint()).length(), true);
}

CKdVariant getAngle(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbLinePtr line = kd::readable<OdDbLine>(object);
  if (line.isNull()) return CKdVariant();
  return CKdVariant(kd::planeAngle(kd::toUcs(object, line->endPoint()) - kd::toUcs(object, line->startPoint())), true);
}

const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;
const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
typedef CKdPropertyType T;

const kd::PropertyRow kRows[] = {
    {"General", "Thickness", 0, nullptr, ":/General/General_Thickness.png", RW, Thickness::get, Thickness::set},
    {"Geometry", "Start X", 2, T::kCoordinateXGUID, ":/Geometry/Geometry_StartX.png", RW, Start::X::get, Start::X::set},
    {"Geometry", "Start Y", 2, T::kCoordinateYGUID, ":/Geometry/Geometry_StartY.png", RW, Start::Y::get, Start::Y::set},
    {"Geometry", "Start Z", 2, T::kCoordinateZGUID, ":/Geometry/Geometry_StartZ.png", RW, Start::Z::get, Start::Z::set},
    {"Geometry", "End X", 2, T::kCoordinateXGUID, ":/Geometry/Geometry_EndX.png", RW, End::X::get, End::X::set},
    {"Geometry", "End Y", 2, T::kCoordinateYGUID, ":/Geometry/Geometry_EndY.png", RW, End::Y::get, End::Y::set},
    {"Geometry", "End Z", 2, T::kCoordinateZGUID, ":/Geometry/Geometry_EndZ.png", RW, End::Z::get, End::Z::set},
    {"Geometry", "Delta X", 2, T::kCoordinateXGUID, ":/Geometry/Geometry_DeltaX.png", RO, getDelta<0>, nullptr},
    {"Geometry", "Delta Y", 2, T::kCoordinateYGUID, ":/Geometry/Geometry_DeltaY.png", RO, getDelta<1>, nullptr},
    {"Geometry", "Delta Z", 2, T::kCoordinateZGUID, ":/Geometry/Geometry_DeltaZ.png", RO, getDelta<2>, nullptr},
    {"Geometry", "Length", 0, nullptr, ":/Geometry/Geometry_Length.png", RO, getLength, nullptr},
    {"Geometry", "Angle", 2, T::kOrientGUID, ":/Geometry/Geometry_Angle.png", RO, getAngle, nullptr},
};
}  // namespace

KD_DEFINE_PROPERTY_PE(CKdLinePE, CKdEntityPE, OdDbLine, "Line", kRows)

void CKdLineInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<OdDbLine>(*this, object, context, [](const OdDbLine& line, CKdPrintInfoContext& out) {
    OdGePoint3d start = line.startPoint(), end = line.endPoint();
    out.PrintPoint(kd::infoItem("from point"), start);
    out.PrintPoint(kd::infoItem("to point"), end);
    if (out.IsPrintInUCS()) {
      const OdGeMatrix3d toUcs = out.GetWorldToWorkingPlaneMatrix();
      start.transformBy(toUcs);
      end.transformBy(toUcs);
    }
    const OdGeVector3d d = end - start;
    out.PrintDist(kd::infoItem("Length"), d.length());
    if (out.IsPrintInUCS()) out.PrintDist(kd::infoItem("Length in CCS"), OdGeVector2d(d.x, d.y).length());
    out.PrintAngle(kd::infoItem("Angle in XY Plane"), kd::planeAngle(d));
    out.PrintDist(kd::infoItem("Delta X"), d.x);
    out.PrintDist(kd::infoItem("Delta Y"), d.y);
    out.PrintDist(kd::infoItem("Delta Z"), d.z);
  });
}
