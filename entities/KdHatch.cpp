#include "KdHatch.h"

#include <cmath>
#include <vector>

#include "CKdHatchPatterns.h"
#include "CKdPropertiesContainerImpl.h"
#include "CKdSystemServices.h"
#include "CKdUcsService.h"
#include "Db/DbDatabase.h"
#include "Db/DbHatch.h"
#include "KdAccess.h"
#include "KdChoiceLists.h"

namespace {
typedef CKdPropertyDescription Desc;
typedef CKdPropertyType T;
const double k2Pi = 6.283185307179586;

int measurementOf(const OdDbHatch& h) { return h.database() ? h.database()->header().measurement : 0; }
CKdHatchPatterns* patterns() { return GetKdSystemServices()->HatchPatterns(); }

// The origin as a world point at the elevation, seen in the UCS.
OdGePoint3d originOf(const OdDbHatch& h) {
  return OdGePoint3d(h.originPoint().x, h.originPoint().y, h.elevation());
}
template <int Axis>
CKdVariant getOrigin(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbHatchPtr h = kd::readable<OdDbHatch>(object);
  return h.isNull() ? CKdVariant() : CKdVariant(kd::ucsComponent(object, originOf(*h), Axis), true);
}
template <int Axis>
int setOrigin(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbHatchPtr h = kd::writable<OdDbHatch>(object, value, CKdVariant::kDouble);
  if (h.isNull()) return KD_PROPERTY_FAILED;
  OdGePoint3d world = originOf(*h);
  if (kd::replaceUcsComponent(object, world, Axis, value.GetDouble())) h->setOriginPoint(OdGePoint2d(world.x, world.y));
  return KD_PROPERTY_OK;
}

CKdVariant getAssociative(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbHatchPtr h = kd::readable<OdDbHatch>(object);
  return h.isNull() ? CKdVariant() : kd::booleanList(h->associative(), kd::BoolLabels::YesNo);
}
// Choosing "No" tells the command line first, whatever the hatch was.
int setAssociative(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  if (value.GetType() == CKdVariant::kCollectionElement) {
    const CKdVariant& label = value.GetCollectionElement().GetValue();
    if (label.GetType() == CKdVariant::kString && label.GetString().toOdString().iCompare(L"No") == 0) {
      GetKdSystemServices()->Print(kd::tr("errors", "Hatch boundary relation removed."), 0);
      GetKdSystemServices()->Print(CKdString(L"\n"), 0);
    }
  }
  OdDbHatchPtr h = kd::writable<OdDbHatch>(object, value, CKdVariant::kCollectionElement);
  long tag = 0;
  if (h.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
  if (tag == 0 || tag == 1) h->setAssociative(tag == 1);
  return KD_PROPERTY_OK;
}

const kd::Choice kStyles[] = {{"Normal", 0}, {"Outer", 1}, {"Ignore", 2}};
CKdVariant getStyle(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbHatchPtr h = kd::readable<OdDbHatch>(object);
  return h.isNull() ? CKdVariant() : kd::enumList(kStyles, h->hatchStyle());
}
int setStyle(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbHatchPtr h = kd::writable<OdDbHatch>(object, value, CKdVariant::kCollectionElement);
  long tag = 0;
  if (h.isNull() || !kd::choiceTag(value, tag) || tag < 0 || tag > 2) return KD_PROPERTY_FAILED;
  h->setHatchStyle(OdDbHatch::HatchStyle(tag));
  return KD_PROPERTY_OK;
}

typedef kd::PlainDouble<OdDbHatch, &OdDbHatch::elevation, &OdDbHatch::setElevation, true> Elevation;

CKdVariant getArea(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbHatchPtr h = kd::readable<OdDbHatch>(object);
  double area = 0.0;
  return h.isNull() || h->getArea(area) != eOk ? CKdVariant() : CKdVariant(area, true);
}

const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;

const kd::PropertyRow kRows[] = {
    {"Pattern", "Origin X", 2, T::kCoordinateXGUID, ":/Pattern/Pattern_OriginX.png", RW, getOrigin<0>, setOrigin<0>},
    {"Pattern", "Origin Y", 2, T::kCoordinateYGUID, ":/Pattern/Pattern_OriginY.png", RW, getOrigin<1>, setOrigin<1>},
    {"Pattern", "Associative", 0, nullptr, ":/General/General_Associative.png", RW, getAssociative, setAssociative},
    {"Pattern", "Internal region detection", 0, nullptr, ":/Pattern/Pattern_IslandDetection.png", RW, getStyle, setStyle},
    {"Geometry", "Elevation", 0, nullptr, ":/Geometry/Geometry_Elevation.png", RW, Elevation::get, Elevation::set},
    {"Geometry", "Area", 0, nullptr, ":/Geometry/Geometry_Area.png", RO, getArea, nullptr},
};

// The rows made for each hatch, and the one getter, setter and rule that serve them by name.
enum Row { kType, kName, kAngle, kScale, kSpacing, kColor1, kColor2, kGradientAngle, kCentered, kNone };
struct RowDef {
  Row row;
  const char* name;
  int type;
  const wchar_t* guid;
  const char* icon;
};
const RowDef kPatternRows[] = {
    {kType, "Type", 0, nullptr, ":/Pattern/Pattern_Type.png"},
    {kName, "Pattern name", 0, nullptr, ":/Pattern/Pattern_PatternName.png"},
    {kAngle, "Angle", 2, T::kAngleGUID, ":/Pattern/Pattern_Angle.png"},
    {kScale, "Scale", 2, nullptr, ":/Pattern/Pattern_Scale.png"},
    {kSpacing, "Spacing", 2, nullptr, ":/Pattern/Pattern_Spacing.png"},
};
const RowDef kGradientRows[] = {
    {kColor1, "Color 1", 5, nullptr, ":/Pattern/Pattern_Color1and2.png"},
    {kColor2, "Color 2", 5, nullptr, ":/Pattern/Pattern_Color1and2.png"},
    {kGradientAngle, "Gradient Angle", 2, T::kAngleGUID, ":/Pattern/Pattern_GradientAngle.png"},
    {kCentered, "Centered", 0, nullptr, ":/Pattern/Pattern_Centered.png"},
};
Row rowOf(const Desc& d) {
  const CKdString name = d.GetName();
  for (const RowDef& r : kPatternRows)
    if (name == kd::propertyName(r.name)) return r.row;
  for (const RowDef& r : kGradientRows)
    if (name == kd::propertyName(r.name)) return r.row;
  return kNone;
}

CKdVariant typeList(const OdDbHatch& h) {
  std::vector<CKdString> custom;
  const bool withCustom = patterns()->GetPatternNames(CKdHatchPatterns::kCustom, measurementOf(h), custom) == 0;
  const kd::Choice all[] = {{"User-defined", 0}, {"Predefined", 1}, {"Custom", 2}};
  return kd::enumList(&all[0], withCustom ? 3 : 2, h.patternType());
}

// The names of the hatch's type as a palette shows them, its own selected
// (appended last when the service does not list it).
CKdVariant nameList(const OdDbHatch& h) {
  if (h.patternType() == OdDbHatch::kUserDefined) return CKdVariant(CKdString(h.patternName()));
  std::vector<CKdString> names;
  patterns()->GetPatternNames(h.patternType(), measurementOf(h), names);
  CKdVariantCollection list;
  const CKdString own = CKdHatchPatterns::DisplayName(CKdString(h.patternName()));
  int selected = -1;
  for (size_t i = 0; i < names.size(); ++i) {
    const CKdString shown = CKdHatchPatterns::DisplayName(names[i]);
    if (selected < 0 && shown == own) selected = int(i);
    list.Add(CKdVariantCollectionElement(CKdVariant(shown), CKdVariant(long(i))));
  }
  if (selected < 0) {
    selected = int(names.size());
    list.Add(CKdVariantCollectionElement(CKdVariant(own), CKdVariant(long(names.size()))));
  }
  list.SetSelectedIndex(selected);
  return CKdVariant(list);
}

// Gives the hatch a pattern of the type, keeping its angle and scale.
bool applyPattern(OdDbHatch& h, OdDbHatch::HatchPatternType type, const CKdString& name) {
  CKdString full;
  OdHatchPattern definition;
  if (patterns()->GetPattern(type, name, measurementOf(h), full, definition) != 0) return false;
  return h.setPattern(type, full.toOdString(), h.patternAngle(), h.patternScale(), definition, OdGePoint2d()) == eOk;
}

void changeType(OdDbHatch& h, long tag) {
  if (tag == 0) {
    OdHatchPattern none;
    h.setPattern(OdDbHatch::kUserDefined, L"_U", h.patternAngle(), h.patternScale(), none, OdGePoint2d());
    return;
  }
  if (tag != 1 && tag != 2) return;
  std::vector<CKdString> names;
  const int measurement = measurementOf(h);
  if (patterns()->GetPatternNames(int(tag), measurement, names) != 0) return;
  if (names.empty()) {
    patterns()->LoadPatterns(int(tag), measurement);
    if (patterns()->GetPatternNames(int(tag), measurement, names) != 0 || names.empty()) return;
  }
  applyPattern(h, OdDbHatch::HatchPatternType(tag), names.front());
}

CKdVariant getDynamic(const OdDbObject* object, const Desc& d, const CKdVariant&) {
  OdDbHatchPtr h = kd::readable<OdDbHatch>(object);
  if (h.isNull()) return CKdVariant();
  unsigned count = 0;
  std::vector<OdCmColor> colors;
  std::vector<double> values;
  switch (rowOf(d)) {
    case kType: return typeList(*h);
    case kName: return nameList(*h);
    case kAngle: {
      const double a = h->patternAngle();
      return CKdVariant(a < 0.0 ? a + k2Pi : a, true);
    }
    case kScale: return CKdVariant(h->patternScale(), false);
    case kSpacing: return CKdVariant(h->patternSpace(), true);
    case kColor1:
    case kColor2: {
      h->getGradientColors(count, colors, values);
      const size_t at = rowOf(d) == kColor1 ? 0 : 1;
      return at < colors.size() ? CKdVariant(colors[at]) : CKdVariant();
    }
    case kGradientAngle: return CKdVariant(h->gradientAngle(), true);
    case kCentered: return kd::booleanList(h->gradientShift() == 0.0, kd::BoolLabels::YesNo);
    default: return CKdVariant();
  }
}

int setDynamic(const OdDbObject* object, const Desc& d, const CKdVariant& value, const CKdVariant&) {
  const Row row = rowOf(d);
  const int wanted = row == kColor1 || row == kColor2                         ? CKdVariant::kColor
                     : row == kType || row == kName || row == kCentered     ? CKdVariant::kCollectionElement
                                                                            : CKdVariant::kDouble;
  OdDbHatchPtr h = kd::writable<OdDbHatch>(object, value, wanted);
  if (h.isNull() || row == kNone) return KD_PROPERTY_FAILED;
  long tag = 0;
  switch (row) {
    case kType:
      if (!kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
      changeType(*h, tag);
      return KD_PROPERTY_OK;
    case kName: {
      const CKdVariant& label = value.GetCollectionElement().GetValue();
      if (label.GetType() != CKdVariant::kString) return KD_PROPERTY_FAILED;
      applyPattern(*h, h->patternType(), label.GetString());
      return KD_PROPERTY_OK;
    }
    case kAngle:
      h->setPatternAngle(value.GetDouble());
      return KD_PROPERTY_OK;
    case kScale:
    case kSpacing:
      if (!(value.GetDouble() > 0.0)) return kd::reject("Invalid input");
      if (row == kScale) h->setPatternScale(value.GetDouble());
      else h->setPatternSpace(value.GetDouble());
      return KD_PROPERTY_OK;
    case kColor1:
    case kColor2: {
      unsigned count = 0;
      std::vector<OdCmColor> colors;
      std::vector<double> values;
      h->getGradientColors(count, colors, values);
      colors.resize(2, OdCmColor::fromIndex(7));
      values.resize(2, 0.0);
      values[1] = values[1] == 0.0 && values[0] == 0.0 ? 1.0 : values[1];
      colors[row == kColor1 ? 0 : 1] = value.GetColor();
      h->setGradientColors(2, colors.data(), values.data());
      if (row == kColor2) h->setGradientOneColorMode(false);
      h->setHatchStyle(h->hatchStyle());
      return KD_PROPERTY_OK;
    }
    case kGradientAngle:
      h->setGradientAngle(value.GetDouble());
      h->setHatchStyle(h->hatchStyle());
      return KD_PROPERTY_OK;
    case kCentered:
      if (!kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
      h->setGradientShift(tag == 1 ? 0.0 : 1.0);
      h->setHatchStyle(h->hatchStyle());
      return KD_PROPERTY_OK;
    default:
      return KD_PROPERTY_FAILED;
  }
}

// User-defined patterns have no name or scale to choose, only a spacing.
bool isDynamicReadOnly(const OdDbObject* object, const Desc& d) {
  OdDbHatchPtr h = OdDbHatch::cast(object);
  if (h.isNull()) return true;
  if (!h->isReadEnabled()) return false;
  const bool user = h->patternType() == OdDbHatch::kUserDefined;
  switch (rowOf(d)) {
    case kName:
    case kScale: return user;
    case kSpacing: return !user;
    default: return false;
  }
}
}  // namespace

const kd::PropertyTable& CKdHatchPE::Table() {
  static const kd::PropertyTable table(&OdDbHatch::desc, kRows);
  return table;
}

CKdString CKdHatchPE::GetDisplayName(const OdDbObject* object) const {
  OdDbHatchPtr h = kd::readable<OdDbHatch>(object);
  return kd::entityType(!h.isNull() && !h->isHatch() ? "Gradient" : "Hatch");
}

void CKdHatchPE::GetPropertyNames(const OdDbObject* object, CKdPropertiesContainer*& container,
                                  const OdRxClass* filterClass) const {
  container = nullptr;
  CKdEntityPE::GetPropertyNames(object, container, filterClass);
  if (container) Table().addTo(container, filterClass);
}

void CKdHatchPE::AddDynamicProperties(const OdDbObject* object, CKdPropertiesContainer* container) const {
  OdDbHatchPtr h = kd::readable<OdDbHatch>(object);
  if (h.isNull()) return;
  const bool pattern = h->isHatch();
  const RowDef* rows = pattern ? kPatternRows : kGradientRows;
  const size_t count = pattern ? sizeof(kPatternRows) / sizeof(kPatternRows[0]) : sizeof(kGradientRows) / sizeof(kGradientRows[0]);
  for (size_t i = 0; i < count; ++i)
    kd::addDynamic(container, {"Pattern", rows[i].name, rows[i].type, rows[i].guid, rows[i].icon, isDynamicReadOnly,
                               getDynamic, setDynamic});
}

void CKdHatchInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<OdDbHatch>(*this, object, context, [object](const OdDbHatch& h, CKdPrintInfoContext& out) {
    std::wstring name = h.patternName().wstr();
    for (size_t at; (at = name.find(L"ACAD_")) != std::wstring::npos;) name.erase(at, 5);
    out.PrintString(kd::infoItem("Hatch pattern"), CKdString(name));
    out.PrintScale(kd::infoItem("Hatch scale"), h.patternScale());
    out.PrintAngle(kd::infoItem("Hatch angle"), h.patternAngle());
    double area = 0.0;
    if (h.getArea(area) == eOk) out.PrintArea(kd::infoItem("Area"), area);
    out.PrintString(kd::infoItem(h.associative() ? "Related" : "UnRelated"));
    out.PrintPoint(kd::infoItem("Origin"), kd::toUcs(object, originOf(h)));
  });
}
