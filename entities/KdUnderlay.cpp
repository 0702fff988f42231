#include "KdUnderlay.h"

#include <cmath>

#include "Db/DbDictionary.h"
#include "Db/DbUnderlay.h"
#include "Ge/GeMatrix3d.h"
#include "KdAccess.h"
#include "KdChoiceLists.h"
#include "KdText.h"

namespace {
typedef CKdPropertyDescription Desc;
typedef OdDbUnderlayReference U;
const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;
typedef CKdPropertyType T;

// The definition of the kind the reference's class uses, or null.
OdDbUnderlayDefinitionPtr definitionOf(const U& u) {
  OdDbObjectPtr def = u.definitionId().openObject();
  if (def.isNull()) return OdDbUnderlayDefinitionPtr();
  if (!OdDbDgnReference::cast(&u).isNull()) return OdDbDgnDefinition::cast(def);
  return OdDbPdfDefinition::cast(def);
}
OdDbUnderlayItemPtr itemOf(const U& u) {
  OdDbUnderlayDefinitionPtr def = definitionOf(u);
  return def.isNull() ? nullptr : def->getUnderlayItem();
}

// ---- adjustments
typedef kd::IntegerInRange<U, OdUInt8, &U::contrast, &U::setContrast, 0, 100> Contrast;
typedef kd::IntegerInRange<U, OdUInt8, &U::fade, &U::setFade, 0, 100> Fade;

template <bool (U::*Get)() const, void (U::*Set)(bool)>
struct Flag {
  static void apply(U& u, bool on) { (u.*Set)(on); }
  typedef kd::FlagChoice<U, Get, apply, kd::BoolLabels::YesNo> Rows;
};
typedef Flag<&U::isMonochrome, &U::setIsMonochrome>::Rows Monochrome;
typedef Flag<&U::isAdjustedForBackground, &U::setIsAdjustedForBackground>::Rows Background;
typedef Flag<&U::isOn, &U::setIsOn>::Rows On;
typedef Flag<&U::isClipped, &U::setIsClipped>::Rows Clipped;

typedef kd::UcsPoint<U, &U::position, &U::setPosition> Position;
typedef kd::PlainDouble<U, &U::rotation, &U::setRotation, true> Rotation;

// ---- size: the sheet's extents times the scale
bool noItem(const OdDbObject* object, const Desc&) {
  OdDbUnderlayReferencePtr u = kd::readable<U>(object);
  return u.isNull() || !itemOf(*u);
}
template <bool Width>
CKdVariant getSize(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<U>(object, [](const U& u) {
    OdDbUnderlayItemPtr item = itemOf(u);
    if (!item) return CKdVariant(0.0, true);
    const double extent = Width ? item->maxPoint.x - item->minPoint.x : item->maxPoint.y - item->minPoint.y;
    return CKdVariant(extent * (Width ? u.scaleFactors().sx : u.scaleFactors().sy), true);
  });
}
template <bool Width>
int setSize(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbUnderlayReferencePtr u = kd::writable<U>(object, value, CKdVariant::kDouble);
  if (u.isNull()) return KD_PROPERTY_FAILED;
  if (value.GetDouble() <= 0.0)
    return kd::reject(Width ? "Invalid value for property Width" : "Invalid value for property Height");
  OdDbUnderlayItemPtr item = itemOf(*u);
  const double extent = !item ? 0.0
                        : Width ? std::fabs(item->maxPoint.x - item->minPoint.x)
                                : std::fabs(item->maxPoint.y - item->minPoint.y);
  if (!(extent > 0.0)) return KD_PROPERTY_FAILED;
  const double scale = value.GetDouble() / extent;
  return u->setScaleFactors(OdGeScale3d(scale, scale, scale)) == eOk ? KD_PROPERTY_OK : KD_PROPERTY_FAILED;
}

CKdVariant getScale(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<U>(object, [](const U& u) { return CKdVariant(u.scaleFactors().sx, false); });
}
int setScale(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbUnderlayReferencePtr u = kd::writable<U>(object, value, CKdVariant::kDouble);
  if (u.isNull()) return KD_PROPERTY_FAILED;
  const double scale = value.GetDouble();
  if (scale < 1e-7 || scale > 1e7) return kd::reject("Invalid argument scaleFactor in ScaleFactor property?");
  u->setScaleFactors(OdGeScale3d(scale, scale, scale));
  return KD_PROPERTY_OK;
}

// ---- the definition
// The key under which the drawing's dictionary of definitions of this kind keeps the definition.
CKdString definitionName(const U& u, const wchar_t* dictionary) {
  OdDbDictionaryPtr defs = OdDbDictionary::cast(odDbNamedObjectId(u.database(), dictionary).openObject());
  return defs.isNull() ? CKdString() : CKdString(defs->nameAt(u.definitionId()));
}
const wchar_t* dictionaryOf(const U& u) {
  return OdDbDgnReference::cast(&u).isNull() ? L"ACAD_PDFDEFINITIONS" : L"ACAD_DGNDEFINITIONS";
}
CKdVariant getName(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<U>(object, [](const U& u) {
    return definitionOf(u).isNull() ? CKdVariant() : CKdVariant(definitionName(u, dictionaryOf(u)));
  });
}
CKdVariant getItemName(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<U>(object, [](const U& u) {
    OdDbUnderlayDefinitionPtr def = definitionOf(u);
    return def.isNull() ? CKdVariant() : CKdVariant(CKdString(def->getItemName()));
  });
}
CKdVariant getPath(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<U>(object, [](const U& u) {
    OdDbUnderlayDefinitionPtr def = definitionOf(u);
    return def.isNull() ? CKdVariant() : CKdVariant(CKdString(def->getSourceFileName()));
  });
}
CKdVariant getLayerOverride(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<U>(object, [](const U& u) {
    if (definitionOf(u).isNull()) return CKdVariant();
    bool anyOff = false;
    for (OdUInt32 i = 0; i < u.underlayLayerCount(); ++i) {
      OdUnderlayLayer layer;
      anyOff = anyOff || (u.getUnderlayLayer(int(i), layer) == eOk && layer.state() == OdUnderlayLayer::kOff);
    }
    return CKdVariant(kd::value(anyOff ? "Applied" : "None"));
  });
}

#define KD_UNDERLAY_ROWS(ItemName)                                                                                     \
  {"Underlay Adjust", "Contrast", 0, nullptr, ":/Image_Adjust/Image_Adjust_Contrast.png", RW, Contrast::get, Contrast::set}, \
  {"Underlay Adjust", "Fade", 0, nullptr, ":/Image_Adjust/Image_Adjust_Fade.png", RW, Fade::get, Fade::set},                 \
  {"Underlay Adjust", "Monochrome", 0, nullptr, ":/Image_Adjust/Image_Adjust_Monochrome.png", RW, Monochrome::get,          \
   Monochrome::set},                                                                                                      \
  {"Underlay Adjust", "Adjusted for background", 0, nullptr, nullptr, RW, Background::get, Background::set},                 \
  {"Geometry", "Position X", 2, T::kCoordinateXGUID, ":/Geometry/Geometry_PositionX.png", RW, Position::X::get,            \
   Position::X::set},                                                                                                     \
  {"Geometry", "Position Y", 2, T::kCoordinateYGUID, ":/Geometry/Geometry_PositionY.png", RW, Position::Y::get,            \
   Position::Y::set},                                                                                                     \
  {"Geometry", "Position Z", 2, T::kCoordinateZGUID, ":/Geometry/Geometry_PositionZ.png", RW, Position::Z::get,            \
   Position::Z::set},                                                                                                     \
  {"Geometry", "Rotation", 2, T::kAngleGUID, ":/Geometry/Geometry_Rotation.png", RW, Rotation::get, Rotation::set},         \
  {"Geometry", "Width", 0, nullptr, ":/Geometry/Geometry_Width.png", noItem, getSize<true>, setSize<true>},                  \
  {"Geometry", "Height", 0, nullptr, ":/Geometry/Geometry_Height.png", noItem, getSize<false>, setSize<false>},              \
  {"Geometry", "Scale", 0, nullptr, ":/Geometry/Geometry_ScaleMask.png", RW, getScale, setScale},                           \
  {"Misc", "Name", 0, nullptr, ":/Misc/Misc_Name.png", RO, getName, nullptr},                                                \
  {"Misc", ItemName, 0, nullptr, nullptr, RO, getItemName, nullptr},                                                         \
  {"Misc", "Path", 0, nullptr, ":/Misc/Misc_Name.png", RO, getPath, nullptr},                                                \
  {"Misc", "Show underlay", 0, nullptr, ":/Misc/Misc_ShowImage.png", RW, On::get, On::set},                                  \
  {"Misc", "Show clipped", 0, nullptr, ":/Misc/Misc_ShowClipped.png", RW, Clipped::get, Clipped::set},                       \
  {"Misc", "Layer display override", 0, nullptr, nullptr, RO, getLayerOverride, nullptr}

const kd::PropertyRow kDgnRows[] = {KD_UNDERLAY_ROWS("Model Name")};
const kd::PropertyRow kPdfRows[] = {KD_UNDERLAY_ROWS("Page Number")};
#undef KD_UNDERLAY_ROWS

// The sheet's corners on the drawing: the extents moved to the position,
// scaled about it, then turned about it in the underlay's plane.
bool cornerPoints(const U& u, OdGePoint3d corners[4]) {
  OdDbUnderlayItemPtr item = itemOf(u);
  if (!item) return false;
  const OdGePoint3d at = u.position();
  const OdGeScale3d s = u.scaleFactors();
  auto place = [&](const OdGePoint2d& p) {
    return OdGePoint3d(at.x + p.x * s.sx, at.y + p.y * s.sy, at.z);
  };
  const OdGePoint3d a = place(item->minPoint), b = place(item->maxPoint);
  corners[0] = a;
  corners[1] = OdGePoint3d(b.x, a.y, a.z);
  corners[2] = b;
  corners[3] = OdGePoint3d(a.x, b.y, b.z);
  for (int i = 0; i < 4; ++i) corners[i].rotateBy(u.rotation(), u.normal(), at);
  return true;
}
}  // namespace

KD_DEFINE_PROPERTY_PE(CKdDgnReferencePE, CKdEntityPE, OdDbDgnReference, "DGN Underlay", kDgnRows)
KD_DEFINE_PROPERTY_PE(CKdPdfReferencePE, CKdEntityPE, OdDbPdfReference, "PDF Underlay", kPdfRows)

void CKdDgnReferenceInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<U>(*this, object, context, [](const U& u, CKdPrintInfoContext& out) {
    if (!u.definitionId().isValid()) return;
    out.PrintString(kd::infoItem("Underlay Name"), definitionName(u, L"ACAD_DGNDEFINITIONS"));
    out.PrintPoint(kd::infoItem("Position"), u.position());
    out.PrintScale(kd::infoItem("X scale"), u.scaleFactors().sx);
    out.PrintScale(kd::infoItem("Y scale"), u.scaleFactors().sy);
    out.PrintScale(kd::infoItem("Z scale"), u.scaleFactors().sz);
    out.PrintAngle(kd::infoItem("Rotation angle"), u.rotation());
    out.PrintInt(kd::infoItem("Fade"), u.fade());
    out.PrintInt(kd::infoItem("Contrast"), u.contrast());
    out.PrintBool(kd::infoItem("Monochrome"), u.isMonochrome());
    out.PrintBool(kd::infoItem("Underlay Visibility"), u.visibility() == 0);
    out.PrintBool(kd::infoItem("Underlay Clipping"), u.isClipped());
    OdGePoint3d corners[4];
    if (!cornerPoints(u, corners)) return;
    out.PrintString(CKdString(kd::tr("CKdDgnReferenceInfo", "Underlay Definition Corner Points:").wstr() + L"\n"));
    for (int i = 0; i < 4; ++i)
      out.PrintPoint(kd::fill(kd::infoItem("Corner Point %1"), CKdString(std::to_wstring(i + 1))), corners[i]);
  });
}
