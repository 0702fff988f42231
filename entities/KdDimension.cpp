#include "KdDimension.h"

#include <cmath>
#include <regex>

#include "CKdUtils.h"
#include "Db/DbDeclaredClasses.h"
#include "Db/DbDictionary.h"
#include "Db/DbDimStyleTableRecord.h"
#include "Db/DbSymbolTable.h"
#include "KdDimensionAccess.h"

namespace kddim {
const OdDbDimVarHolder* settingsOf(const OdDbObject* object) {
  if (!object || !object->isReadEnabled()) return nullptr;
  return dynamic_cast<const OdDbDimVarHolder*>(object);
}
OdDbDimVarHolder* writableSettingsOf(const OdDbObject* object, const CKdVariant& value, int type) {
  if (!object || value.GetType() != type || !kd::isFiniteValue(value) || !object->isWriteEnabled()) return nullptr;
  return dynamic_cast<OdDbDimVarHolder*>(const_cast<OdDbObject*>(object));
}

long selectedTag(const CKdVariant& list) {
  if (list.GetType() != CKdVariant::kCollection) return -1;
  const CKdVariantCollection& c = list.GetCollection();
  const int i = c.GetSelectedIndex();
  if (i < 0 || i >= c.GetCount()) return -1;
  long tag = -1;
  const CKdVariant& t = c.GetAt(i).GetTag();
  if (t.GetType() == CKdVariant::kInt32) tag = t.GetInt32();
  return tag;
}

bool isTolerancePrecisionReadOnly(const OdDbObject* object, const Desc&) {
  OdDbDimensionPtr d = readable(object);
  return !d.isNull() && !(d->dimtol() && d->dimgap() >= 0.0);
}
bool isAlternateReadOnly(const OdDbObject* object, const Desc&) {
  OdDbDimensionPtr d = readable(object);
  return !d.isNull() && !d->dimalt();
}
bool alwaysEditable(const OdDbObject*, const Desc&) { return false; }

CKdVariant getLineStyleList(const OdDbObject* object, OdDbObjectId current) {
  OdDbDatabase* db = object ? object->database() : nullptr;
  return db ? kd::recordList(db->getLinetypeTableId(), current) : CKdVariant();
}

int setRecordTag(const CKdVariant& value, OdDbObjectId& id) {
  const CKdVariant& tag = value.GetCollectionElement().GetTag();
  if (tag.GetType() != CKdVariant::kId) return KD_PROPERTY_FAILED;
  id = tag.GetId();
  return KD_PROPERTY_OK;
}

bool isAssociative(const OdDbDimension& dimension) {
  OdDbDictionaryPtr dict = OdDbDictionary::cast(dimension.extensionDictionary().openObject());
  return !dict.isNull() && dict->has(L"ACAD_DIMASSOC");
}

void printListing(const CKdPrintObjectInfoPE& self, const OdDbDimension& d, CKdPrintInfoContext& out, bool constraints,
                  const char* typeWord, const Lines& points, const Lines& after) {
  self.CKdPrintObjectInfoPE::PrintObjectInfo(&d, &out);
  if (constraints)
    if (CKdConstraintUtils* utils = GetConstraintUtils())
      if (CKdConstraintDescription* description = utils->GetConstraintDescription())
        description->PrintConstraintInfo(&d, &out);
  out.PrintBool(kd::infoItem("related"), isAssociative(d));
  out.PrintString(kd::infoItem("type"), kd::infoValue(typeWord));
  points(out);
  out.PrintPoint(kd::infoItem("default text position"), d.textPosition());
  out.PrintString(kd::infoItem("default text"), CKdString(d.dimensionText()));
  OdDbDimStyleTableRecordPtr style = OdDbDimStyleTableRecord::cast(d.dimensionStyle().openObject());
  if (!style.isNull()) out.PrintString(kd::infoItem("DimensionStyle"), CKdString(style->getName()));
  if (after) after(out);
}

}  // namespace kddim

namespace {
using namespace kddim;

CKdVariant getAssociative(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  if (d.isNull()) return CKdVariant();
  return CKdVariant(kd::value(isAssociative(*d) ? "Yes" : "No"));
}

// The digit of a family style: the kinds of dimension its settings serve.
int familyDigit(const OdDbDimension& d) {
  static const struct {
    OdRxClass* (*kind)();
    int digit;
  } kFamilies[] = {{&OdDbAlignedDimension::desc, 0},       {&OdDbRotatedDimension::desc, 0},
                   {&OdDbArcDimension::desc, 0},           {&OdDb2LineAngularDimension::desc, 2},
                   {&OdDb3PointAngularDimension::desc, 2}, {&OdDbDiametricDimension::desc, 3},
                   {&OdDbRadialDimension::desc, 4},        {&OdDbRadialDimensionLarge::desc, 4},
                   {&OdDbOrdinateDimension::desc, 6}};
  for (const auto& f : kFamilies)
    if (d.isA() == f.kind()) return f.digit;
  return -1;
}

CKdVariant getStyle(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  OdDbDatabase* db = object ? object->database() : nullptr;
  if (d.isNull() || !db) return CKdVariant();
  OdDbSymbolTablePtr table = OdDbSymbolTable::cast(db->getDimStyleTableId().openObject());
  if (table.isNull()) return CKdVariant();
  static const std::wregex kFamily(L"\\$[0,2-4,6-7]{1,1}$");
  const int digit = familyDigit(*d);
  CKdVariantCollection list;
  list.Add(CKdVariantCollectionElement(CKdVariant(CKdString(L"")), CKdVariant(0L)));
  for (const OdDbObjectId& id : table->recordIds()) {
    OdDbSymbolTableRecordPtr record = OdDbSymbolTableRecord::cast(id.openObject());
    if (record.isNull()) continue;
    const std::wstring name = record->getName().wstr();
    std::wsmatch m;
    if (std::regex_search(name, m, kFamily) && name.back() - L'0' != digit) continue;
    if (id == d->dimensionStyle()) list.SetSelectedIndex(list.GetCount());
    list.Add(CKdVariantCollectionElement(CKdVariant(CKdUtils::DimStyleDisplayName(CKdString(name.c_str()))), CKdVariant(id)));
  }
  return CKdVariant(list);
}
// The empty first element names no style: the dimension keeps its own.
int setStyle(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDimensionPtr d = writable(object, value, CKdVariant::kCollectionElement);
  OdDbObjectId id;
  if (d.isNull()) return KD_PROPERTY_FAILED;
  if (value.GetCollectionElement().GetTag().GetType() != CKdVariant::kId) return KD_PROPERTY_OK;
  setRecordTag(value, id);
  return d->setDimensionStyle(id) == eOk ? KD_PROPERTY_OK : KD_PROPERTY_FAILED;
}

CKdVariant getFillColor(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  if (d.isNull()) return CKdVariant();
  OdCmColor c = d->getBgrndTxtColor();
  if (d->dimtfill() == 0) c.setColorIndex(257);
  return CKdVariant(c);
}
int setFillColor(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDimensionPtr d = writable(object, value, CKdVariant::kColor);
  if (d.isNull()) return KD_PROPERTY_FAILED;
  const OdCmColor c = value.GetColor();
  d->setBgrndTxtColor(c, c.isNone() ? 0 : c.isForeground() ? 1 : 2);
  return KD_PROPERTY_OK;
}

CKdVariant getTextStyle(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  OdDbDatabase* db = object ? object->database() : nullptr;
  return d.isNull() || !db ? CKdVariant() : kd::recordList(db->getTextStyleTableId(), d->dimtxsty());
}
int setTextStyle(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDimensionPtr d = writable(object, value, CKdVariant::kCollectionElement);
  OdDbObjectId id;
  if (d.isNull() || setRecordTag(value, id) != KD_PROPERTY_OK) return KD_PROPERTY_FAILED;
  d->setDimtxsty(id);
  return KD_PROPERTY_OK;
}

template <int Axis>
CKdVariant getTextPosition(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  return d.isNull() ? CKdVariant() : CKdVariant(kd::ucsComponent(object, d->textPosition(), Axis), true);
}
template <int Axis>
int setTextPosition(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDimensionPtr d = writable(object, value, CKdVariant::kDouble);
  if (d.isNull()) return KD_PROPERTY_FAILED;
  d->useSetTextPosition();
  OdGePoint3d world = d->textPosition();
  if (kd::replaceUcsComponent(object, world, Axis, value.GetDouble())) d->setTextPosition(world);
  return KD_PROPERTY_OK;
}

CKdVariant getRotation(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  return d.isNull() ? CKdVariant() : CKdVariant(d->textRotation(), true);
}
int setRotation(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDimensionPtr d = writable(object, value, CKdVariant::kDouble);
  if (d.isNull()) return KD_PROPERTY_FAILED;
  d->setTextRotation(value.GetDouble());
  return KD_PROPERTY_OK;
}

CKdVariant getOverride(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  return d.isNull() ? CKdVariant() : CKdVariant(CKdString(d->dimensionText()));
}
int setOverride(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDimensionPtr d = writable(object, value, CKdVariant::kString);
  if (d.isNull()) return KD_PROPERTY_FAILED;
  d->setDimensionText(value.GetString().toOdString());
  return KD_PROPERTY_OK;
}

CKdVariant getSeparator(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  return d.isNull() ? CKdVariant() : kd::singleCharacter(d->dimdsep());
}
int setSeparator(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDimensionPtr d = writable(object, value, CKdVariant::kString);
  wchar_t c = 0;
  if (d.isNull() || !kd::readSingleCharacter(value, c)) return KD_PROPERTY_FAILED;
  d->setDimdsep(c);
  return KD_PROPERTY_OK;
}

// Tolerance display: "None" 0, "Symmetrical" 1, "Deviation" 2, "Limits" 3, "Basic" 4.
const kd::Choice kToleranceDisplay[] = {{"None", 0}, {"Symmetrical", 1}, {"Deviation", 2}, {"Limits", 3}, {"Basic", 4}};
int toleranceDisplay(const OdDbDimension& d) {
  if (d.dimgap() < 0.0) return 4;
  if (d.dimtol()) return d.dimtp() == d.dimtm() ? 1 : 2;
  return d.dimlim() ? 3 : 0;
}
CKdVariant getToleranceDisplay(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  return d.isNull() ? CKdVariant() : kd::enumList(kToleranceDisplay, toleranceDisplay(*d));
}
int setToleranceDisplay(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDimensionPtr d = writable(object, value, CKdVariant::kCollectionElement);
  long tag = -1;
  if (d.isNull()) return KD_PROPERTY_FAILED;
  if (!kd::choiceTag(value, tag)) tag = -1;
  if (d->dimgap() < 0.0) d->setDimgap(-d->dimgap());
  switch (tag) {
    case 0: d->setDimtol(false); d->setDimlim(false); break;
    case 1: d->setDimtol(true); d->setDimlim(false); d->setDimtm(d->dimtp()); break;
    case 2:
      d->setDimtol(true);
      d->setDimlim(false);
      if (d->dimtm() == d->dimtp()) d->setDimtm(d->dimtp() + 1e-08);
      break;
    case 3: d->setDimtol(false); d->setDimlim(true); break;
    case 4: d->setDimtol(false); d->setDimlim(false); d->setDimgap(-std::fabs(d->dimgap())); break;
    default: break;
  }
  return KD_PROPERTY_OK;
}
template <int... Tags>
bool isToleranceLimitReadOnly(const OdDbObject* object, const Desc& desc) {
  const long tag = selectedTag(getToleranceDisplay(object, desc, CKdVariant()));
  return !((tag == Tags) || ...);
}
// Symmetrical tolerances move both limits.
int setUpperLimit(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDimensionPtr d = writable(object, value, CKdVariant::kDouble);
  if (d.isNull()) return KD_PROPERTY_FAILED;
  if (d->dimtol() && d->dimtp() == d->dimtm()) d->setDimtm(value.GetDouble());
  d->setDimtp(value.GetDouble());
  return KD_PROPERTY_OK;
}

// Angular dimensions suppress zeros of their angles: bits 1 and 2 of the
// angular byte in place of bits 4 and 8 of the linear one.
bool isAngular(const OdDbObject* object) {
  return !OdDb2LineAngularDimension::cast(object).isNull() || !OdDb3PointAngularDimension::cast(object).isNull();
}
template <int LinearMask, int AngularMask>
CKdVariant getZeros(const OdDbObject* object, const Desc& desc, const CKdVariant& context) {
  return isAngular(object) ? getBit<V::dimazin, AngularMask>(object, desc, context)
                           : getBit<V::dimzin, LinearMask>(object, desc, context);
}
int setZeros(const OdDbObject* object, const Desc& desc, const CKdVariant& value, const CKdVariant& context) {
  return isAngular(object) ? setBit<V::dimazin>(object, desc, value, context) : setBit<V::dimzin>(object, desc, value, context);
}

const kd::Choice kTextMovement[] = {{"Keep dimline with text", 0}, {"Move text, add leader", 1}, {"Move text, no leader", 2}};
const kd::Choice kTolerancePosition[] = {{"Bottom", 0}, {"Middle", 1}, {"Top", 2}};

const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;
typedef CKdPropertyType T;
#define LA "Lines && Arrows"

const kd::PropertyRow kRows[] = {
    {"General", "Associative", 0, nullptr, KD_ICON_GENERAL("Associative"), RO, getAssociative, nullptr},
    {"Misc", "Dim style", 0, nullptr, KD_ICON_MISC("DimStyle"), RW, getStyle, setStyle},
    {LA, "Arrow size", 0, nullptr, KD_ICON_LINES("ArrowSize"), RW, getReal<V::dimasz>, setReal<V::dimasz, KD_RULE(PositiveOrZero)>},
    {"Text", "Fill color", 5, T::kBackgroundColorGUID, KD_ICON_TEXT("FillColor"), RW, getFillColor, setFillColor},
    {"Text", "Text color", 5, nullptr, KD_ICON_TEXT("TextColor"), RW, getColor<V::dimclrt>, setColor<V::dimclrt>},
    {"Text", "Text height", 0, nullptr, KD_ICON_TEXT("Height"), RW, getReal<V::dimtxt>, setReal<V::dimtxt, KD_RULE(Positive)>},
    {"Text", "Text offset", 0, nullptr, KD_ICON_TEXT("Offset"), RW, getReal<V::dimgap>, setReal<V::dimgap>},
    {"Text", "TextStyle", 0, nullptr, KD_ICON_TEXT("TextStyle"), RW, getTextStyle, setTextStyle},
    {"Text", "Position x", 2, T::kCoordinateXGUID, KD_ICON_TEXT("CoordinateX"), RW, getTextPosition<0>, setTextPosition<0>},
    {"Text", "Position y", 2, T::kCoordinateYGUID, KD_ICON_TEXT("CoordinateY"), RW, getTextPosition<1>, setTextPosition<1>},
    {"Text", "Rotation", 2, T::kAngleGUID, KD_ICON_TEXT("Rotation"), RW, getRotation, setRotation},
    {"Text", "Text override", 0, nullptr, KD_ICON_TEXT("Override"), RW, getOverride, setOverride},
    {"Fit", "Dim scale overall", 0, nullptr, KD_ICON_FIT("DimScaleOverall"), RW, getReal<V::dimscale, false>,
     setReal<V::dimscale, KD_RULE(NonNegative)>},
    {"Fit", "Text movement", 0, nullptr, KD_ICON_FIT("TextMovement"), RW, KD_ENUM(V::dimtmove, kTextMovement), setTag<V::dimtmove>},
    {"Primary UnitSystem", "Decimal separator", 0, nullptr, KD_ICON_PRIMARY("DecimalSeparator"), RW, getSeparator, setSeparator},
    {"Primary UnitSystem", "Dim prefix", 0, nullptr, KD_ICON_PRIMARY("DimPrefix"), RW, getAround<V::dimpost, true>,
     setAround<V::dimpost, true>},
    {"Primary UnitSystem", "Dim suffix", 0, nullptr, KD_ICON_PRIMARY("DimSuffix"), RW, getAround<V::dimpost, false>,
     setAround<V::dimpost, false>},
    {"Primary UnitSystem", "Suppress leading zeros", 0, nullptr, KD_ICON_PRIMARY("SuppressLeadingZeroes"), alwaysEditable,
     getZeros<4, 1>, setZeros},
    {"Primary UnitSystem", "Suppress trailing zeros", 0, nullptr, KD_ICON_PRIMARY("SuppressTrailingZeroes"), alwaysEditable,
     getZeros<8, 2>, setZeros},
    {"Tolerance", "Tolerance display", 0, nullptr, KD_ICON_TOLERANCE("ToleranceDisplay"), RW, getToleranceDisplay,
     setToleranceDisplay},
    {"Tolerance", "Tolerance limit lower", 0, nullptr, KD_ICON_TOLERANCE("ToleranceLimitLower"), isToleranceLimitReadOnly<2, 3>,
     getReal<V::dimtm>, setReal<V::dimtm>},
    {"Tolerance", "Tolerance limit upper", 0, nullptr, KD_ICON_TOLERANCE("ToleranceLimitUpper"),
     isToleranceLimitReadOnly<1, 2, 3>, getReal<V::dimtp>, setUpperLimit},
    {"Tolerance", "Tolerance pos vert", 0, nullptr, KD_ICON_TOLERANCE("TolerancePosVert"), RW,
     KD_ENUM(V::dimtolj, kTolerancePosition), setTag<V::dimtolj>},
    {"Tolerance", "Tolerance precision", 0, nullptr, KD_ICON_TOLERANCE("TolerancePrecision"), isTolerancePrecisionReadOnly,
     getDecimalPrecision<V::dimtdec>, setTag<V::dimtdec>},
    {"Tolerance", "Tolerance suppress leading zeros", 0, nullptr, KD_ICON_TOLERANCE("TolSupLeadingZeroes"), alwaysEditable,
     getBit<V::dimtzin, 4>, setBit<V::dimtzin>},
    {"Tolerance", "Tolerance suppress trailing zeros", 0, nullptr, KD_ICON_TOLERANCE("TolSupTrailingZeroes"), alwaysEditable,
     getBit<V::dimtzin, 8>, setBit<V::dimtzin>},
    {"Tolerance", "Tolerance text height", 0, nullptr, KD_ICON_TOLERANCE("ToleranceTextHeight"), RW, getReal<V::dimtfac>,
     setReal<V::dimtfac, KD_RULE(PositiveOrZero)>},
};
}  // namespace

KD_DEFINE_PROPERTY_PE(CKdDimensionPE, CKdEntityPE, OdDbDimension, "Dimension", kRows)
