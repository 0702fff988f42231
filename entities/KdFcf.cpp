#include "KdFcf.h"

#include "Db/DbLeader.h"
#include "Db/DbSymbolTable.h"
#include "KdDimensionAccess.h"
#include "KdLeader.h"
#include "KdText.h"

namespace {
using namespace kddim;
typedef OdDbFcf F;
const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
typedef CKdPropertyType T;
typedef kd::UcsPoint<F, &F::location, &F::setLocation> Location;

int setTextStyle(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbFcfPtr f = kd::writable<F>(object, value, CKdVariant::kCollectionElement);
  OdDbObjectId id;
  if (f.isNull() || setRecordTag(value, id) != KD_PROPERTY_OK) return KD_PROPERTY_FAILED;
  return f->setDimtxsty(id) == eOk ? KD_PROPERTY_OK : KD_PROPERTY_FAILED;
}

const kd::PropertyRow kRows[] = {
    {"Geometry", "Position X", 2, T::kCoordinateXGUID, ":/Geometry/Geometry_PositionX.png", RW, Location::X::get, Location::X::set},
    {"Geometry", "Position Y", 2, T::kCoordinateYGUID, ":/Geometry/Geometry_PositionY.png", RW, Location::Y::get, Location::Y::set},
    {"Geometry", "Position Z", 2, T::kCoordinateZGUID, ":/Geometry/Geometry_PositionZ.png", RW, Location::Z::get, Location::Z::set},
    {"Misc", "Dim style", 0, nullptr, ":/Misc/Misc_DimStyle.png", RW, getAnnotationStyle, setAnnotationStyle},
    {"Text", "Text", 5, nullptr, KD_ICON_TEXT("TextColor"), RW, getColor<V::dimclrt>, setColor<V::dimclrt>},
    {"Text", "Text height", 2, nullptr, KD_ICON_TEXT("Height"), RW, getReal<V::dimtxt>, setReal<V::dimtxt, KD_RULE(Positive)>},
    {"Text", "TextStyle", 0, nullptr, KD_ICON_TEXT("TextStyle"), RW, kd::textStyleList<F, &F::dimtxsty>, setTextStyle},
    {"Fit", "Dim scale overall", 0, nullptr, KD_ICON_FIT("DimScaleOverall"), RW, getReal<V::dimscale, false>,
     setReal<V::dimscale, KD_RULE(NonNegative)>},
    {"Lines && Arrows", "DimLine LColor", 5, nullptr, KD_ICON_LINES("DimLineColor"), RW, getColor<V::dimclrd>,
     setColor<V::dimclrd>},
};
}  // namespace

KD_DEFINE_PROPERTY_PE(CKdFcfPE, CKdEntityPE, OdDbFcf, "Tolerance", kRows)

void CKdFcfInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<F>(*this, object, context, [](const F& f, CKdPrintInfoContext& out) {
    out.PrintPoint(kd::infoItem("Position"), f.location());
    out.PrintString(kd::infoItem("text"), CKdString(f.text()));
    OdDbSymbolTableRecordPtr style = OdDbSymbolTableRecord::cast(f.dimensionStyle().openObject());
    if (!style.isNull()) out.PrintString(kd::infoItem("DimensionStyle"), CKdString(style->getName()));
  });
}
