#include "KdShape.h"

#include "Db/DbShape.h"
#include "Gi/GiTextStyle.h"
#include "KdAccess.h"

namespace {
typedef CKdPropertyDescription Desc;
typedef OdDbShape S;
const double k2Pi = 6.283185307179586;

typedef kd::PlainDouble<S, &S::thickness, &S::setThickness, true> Thickness;
typedef kd::UcsPoint<S, &S::position, &S::setPosition> Position;
typedef kd::PlainDouble<S, &S::size, &S::setSize, true> Size;

CKdVariant getName(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbShapePtr s = kd::readable<S>(object);
  return s.isNull() ? CKdVariant() : CKdVariant(CKdString(s->name()));
}
// Angles are shown in [0, 2pi) when negative.
template <double (S::*Get)() const>
CKdVariant getAngle(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbShapePtr s = kd::readable<S>(object);
  if (s.isNull()) return CKdVariant();
  const double a = ((*s).*Get)();
  return CKdVariant(a < 0.0 ? a + k2Pi : a, true);
}
template <OdResult (S::*Set)(double)>
int setAngle(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbShapePtr s = kd::writable<S>(object, value, CKdVariant::kDouble);
  if (s.isNull()) return KD_PROPERTY_FAILED;
  ((*s).*Set)(value.GetDouble());
  return KD_PROPERTY_OK;
}
CKdVariant getWidth(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbShapePtr s = kd::readable<S>(object);
  return s.isNull() ? CKdVariant() : CKdVariant(s->widthFactor(), true);
}
int setWidth(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbShapePtr s = kd::writable<S>(object, value, CKdVariant::kDouble);
  if (s.isNull()) return KD_PROPERTY_FAILED;
  if (!(value.GetDouble() > 0.0)) return kd::reject("Invalid value for property Width factor");
  s->setWidthFactor(value.GetDouble());
  return KD_PROPERTY_OK;
}

const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;
typedef CKdPropertyType T;

const kd::PropertyRow kRows[] = {
    {"General", "Thickness", 2, nullptr, ":/General/General_Thickness.png", RW, Thickness::get, Thickness::set},
    {"Geometry", "Position X", 2, T::kCoordinateXGUID, ":/Geometry/Geometry_PositionX.png", RW, Position::X::get, Position::X::set},
    {"Geometry", "Position Y", 2, T::kCoordinateYGUID, ":/Geometry/Geometry_PositionY.png", RW, Position::Y::get, Position::Y::set},
    {"Geometry", "Position Z", 2, T::kCoordinateZGUID, ":/Geometry/Geometry_PositionZ.png", RW, Position::Z::get, Position::Z::set},
    {"Misc", "Name", 0, nullptr, ":/Misc/Misc_Name.png", RO, getName, nullptr},
    {"Misc", "Size", 2, nullptr, ":/Misc/Misc_Size.png", RW, Size::get, Size::set},
    {"Misc", "Rotation", 2, T::kAngleGUID, ":/Misc/Misc_Rotation.png", RW, getAngle<&S::rotation>, setAngle<&S::setRotation>},
    {"Misc", "Width factor", 2, nullptr, ":/Misc/Misc_WidthFactor.png", RW, getWidth, setWidth},
    {"Misc", "Obliquing", 2, T::kAngleGUID, ":/Misc/Misc_Obliquing.png", RW, getAngle<&S::oblique>, setAngle<&S::setOblique>},
};
}  // namespace

KD_DEFINE_PROPERTY_PE(CKdShapePE, CKdEntityPE, OdDbShape, "Shape", kRows)

void CKdShapeInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<OdDbShape>(*this, object, context, [](const OdDbShape& s, CKdPrintInfoContext& out) {
    OdGiTextStyle style;
    giFromDbTextStyle(s.styleId(), style);
    out.PrintString(CKdString(s.name()), CKdString(style.getFontFilePath(s.database())));
    out.PrintPoint(kd::infoItem("origin point"), s.position());
    out.PrintScale(kd::infoItem("scale"), s.linetypeScale());
    out.PrintAngle(kd::infoItem("rotation angle"), s.rotation());
  });
}
