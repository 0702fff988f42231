#include "KdArcAlignedText.h"

#include "Db/DbArcAlignedText.h"
#include "KdAccess.h"

namespace {
typedef CKdPropertyDescription Desc;
typedef OdDbArcAlignedText A;

CKdVariant getContents(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbArcAlignedTextPtr t = kd::readable<A>(object);
  return t.isNull() ? CKdVariant() : CKdVariant(CKdString(t->textString()));
}
int setContents(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbArcAlignedTextPtr t = kd::writable<A>(object, value, CKdVariant::kString);
  if (t.isNull()) return KD_PROPERTY_FAILED;
  t->setTextString(value.GetString().toOdString());
  return KD_PROPERTY_OK;
}

// Every value goes to the drawing as given: what it refuses stays as it was.
typedef kd::PlainDouble<A, &A::textSize, &A::setTextSize, true> Height;
typedef kd::PlainDouble<A, &A::xScale, &A::setXScale, true> WidthFactor;
typedef kd::PlainDouble<A, &A::charSpacing, &A::setCharSpacing, true> CharSpacing;
typedef kd::UcsPoint<A, &A::center, &A::setCenter> Center;
typedef kd::UcsVectorPoint<A, &A::normal> Normal;
typedef kd::PlainDouble<A, &A::radius, &A::setRadius, true> Radius;
typedef kd::PlainDouble<A, &A::startAngle, &A::setStartAngle, true> StartAngle;
typedef kd::PlainDouble<A, &A::endAngle, &A::setEndAngle, true> EndAngle;
typedef kd::PlainDouble<A, &A::offsetFromArc, &A::setOffsetFromArc, true> ArcOffset;
typedef kd::PlainDouble<A, &A::leftOffset, &A::setLeftOffset, true> LeftOffset;
typedef kd::PlainDouble<A, &A::rightOffset, &A::setRightOffset, true> RightOffset;

const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;
typedef CKdPropertyType T;

const kd::PropertyRow kRows[] = {
    {"Text", "Contents", 0, nullptr, ":/Text/Text_Contents.png", RW, getContents, setContents},
    {"Text", "Height", 0, nullptr, ":/Text/Text_Height.png", RW, Height::get, Height::set},
    {"Text", "Width factor", 0, nullptr, ":/Text/Text_WidthFactor.png", RW, WidthFactor::get, WidthFactor::set},
    {"Text", "Char spacing", 0, nullptr, ":/Text/Text_CharSpacing.png", RO, CharSpacing::get, nullptr},
    {"Position", "Center x", 2, T::kCoordinateXGUID, ":/Position/Position_CenterX.png", RW, Center::X::get, Center::X::set},
    {"Position", "Center y", 2, T::kCoordinateYGUID, ":/Position/Position_CenterY.png", RW, Center::Y::get, Center::Y::set},
    {"Position", "Center z", 2, T::kCoordinateZGUID, ":/Position/Position_CenterZ.png", RW, Center::Z::get, Center::Z::set},
    {"Position", "Normal x", 2, nullptr, ":/Position/Position_NormalX.png", RO, Normal::X::get, nullptr},
    {"Position", "Normal y", 2, nullptr, ":/Position/Position_NormalY.png", RO, Normal::Y::get, nullptr},
    {"Position", "Normal z", 2, nullptr, ":/Position/Position_NormalZ.png", RO, Normal::Z::get, nullptr},
    {"Position", "Radius", 0, nullptr, ":/Position/Position_Radius.png", RW, Radius::get, Radius::set},
    {"Position", "Start angle", 2, T::kAngleGUID, ":/Position/Position_StartAngle.png", RW, StartAngle::get, StartAngle::set},
    {"Position", "End angle", 2, T::kAngleGUID, ":/Position/Position_EndAngle.png", RW, EndAngle::get, EndAngle::set},
    {"Misc", "Arc offset", 0, nullptr, ":/Misc/Misc_ArcOffset.png", RW, ArcOffset::get, ArcOffset::set},
    {"Misc", "Left offset", 0, nullptr, ":/Misc/Misc_LeftOffset.png", RW, LeftOffset::get, LeftOffset::set},
    {"Misc", "Right offset", 0, nullptr, ":/Misc/Misc_RightOffset.png", RW, RightOffset::get, RightOffset::set},
};
}  // namespace

KD_DEFINE_PROPERTY_PE(CKdArcAlignedTextPE, CKdEntityPE, OdDbArcAlignedText, "ArcAlignedText", kRows)
