// The two arrowhead families of dimensions and the linear unit rows that
// several kinds repeat.
#include <array>
#include <cmath>
#include <vector>

#include "CKdPropertyType.h"
#include "Db/DbDatabase.h"
#include "Db/DbDeclaredClasses.h"
#include "Db/DbDmUtil.h"
#include "Db/DbSymbolTable.h"
#include "KdDimension.h"
#include "KdDimensionAccess.h"

namespace kddim {

const char* const kArrowLabels[21] = {
    "Closed filled", "Closed blank",    "Closed", "Dot",       "Architectural tick", "Oblique",        "Open",
    "Origin indicator", "Origin indicator 2", "Right angle", "Open 30", "Dot small", "Dot blank", "Dot small blank",
    "Box",           "Box filled",      "Datum triangle", "Datum triangle filled", "Integral", "None", "Custom arrow"};

// Built once, when the module is loaded.
static const std::array<OdString, 21> kArrowBlocks = {
    L"_ClosedFilled", L"_ClosedBlank", L"_Closed",   L"_Dot",      L"_ArchTick",    L"_Oblique",     L"_Open",
    L"_Origin",       L"_Origin2",     L"_Open90",   L"_Open30",   L"_DotSmall",    L"_DotBlank",    L"_Small",
    L"_BoxBlank",     L"_BoxFilled",   L"_DatumBlank", L"_DatumFilled", L"_Integral", L"_None",     L"_User"};

const OdString& arrowBlockName(int tag) { return kArrowBlocks[size_t(tag)]; }

CKdVariant arrowList(OdDbObjectId block) {
  CKdVariantCollection list;
  for (long tag = 0; tag < 21; ++tag)
    list.Add(CKdVariantCollectionElement(CKdVariant(kd::value(kArrowLabels[tag])), CKdVariant(tag)));
  if (!block.isNull()) {
    OdDbBlockTableRecordPtr record = OdDbBlockTableRecord::cast(block.openObject());
    const OdString name = record.isNull() ? OdString() : record->getName();
    int selected = 20;
    for (int i = 0; i < 21; ++i)
      if (name.iCompare(kArrowBlocks[size_t(i)]) == 0) {
        selected = i;
        break;
      }
    list.SetSelectedIndex(selected);
  }
  return CKdVariant(list);
}

namespace {
// Which arrow a row shows and stores.
enum class Arrow { First, Second, One };

OdDbObjectId shownArrow(const OdDbDimension& d, Arrow which) {
  switch (which) {
    case Arrow::First: return d.dimsah() ? d.dimblk1() : d.dimblk();
    case Arrow::Second: return d.dimsah() ? d.dimblk2() : d.dimblk();
    default: return d.isA() == OdDbRadialDimensionLarge::desc() ? d.dimblk1() : d.dimblk2();
  }
}

template <Arrow Which>
CKdVariant getArrow(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  return d.isNull() ? CKdVariant() : arrowList(shownArrow(*d, Which));
}

template <Arrow Which>
int setArrow(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDimensionPtr d = writable(object, value, CKdVariant::kCollectionElement);
  long tag = 0;
  if (d.isNull() || !kd::choiceTag(value, tag) || tag < 0 || tag > 20) return KD_PROPERTY_FAILED;
  if (Which != Arrow::One && !d->dimsah()) {
    const OdDbObjectId common = d->dimblk();
    d->setDimblk1(common);
    d->setDimblk2(common);
    d->setDimblk(OdDbObjectId());
  }
  d->setDimsah(true);
  const CKdString label = value.GetCollectionElement().GetValue().GetString();
  if (label.compareNoCase(kd::value("Custom arrow")) == 0) return KD_PROPERTY_OK;
  const OdString name = tag == 20 ? label.toOdString() : arrowBlockName(int(tag));
  const OdDbObjectId id = OdDmUtil::getArrowId(name, d->database());
  const bool first = Which == Arrow::First || (Which == Arrow::One && d->isA() == OdDbRadialDimensionLarge::desc());
  if (first) d->setDimblk1(id);
  else d->setDimblk2(id);
  return KD_PROPERTY_OK;
}

// Centre marks: "Mark" (positive size), "Line" (negative), "None" (0).
const kd::Choice kCenterMark[] = {{"Mark", 0}, {"Line", 1}, {"None", 2}};
CKdVariant getCenterMark(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  if (d.isNull()) return CKdVariant();
  const double c = d->dimcen();
  return kd::enumList(kCenterMark, c == 0.0 ? 2 : c > 0.0 ? 0 : 1);
}
int setCenterMark(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDimensionPtr d = writable(object, value, CKdVariant::kCollectionElement);
  long tag = 0;
  if (d.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
  const double c = d->dimcen() == 0.0 ? 0.09 : d->dimcen();
  if (tag == 2) d->setDimcen(0.0);
  else if (tag == 0) d->setDimcen(std::fabs(c));
  else if (tag == 1) d->setDimcen(-std::fabs(c));
  return KD_PROPERTY_OK;
}
bool isCenterMarkSizeReadOnly(const OdDbObject* object, const Desc&) {
  OdDbDimensionPtr d = readable(object);
  return !d.isNull() && d->dimcen() == 0.0;
}
CKdVariant getCenterMarkSize(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  return d.isNull() ? CKdVariant() : CKdVariant(std::fabs(d->dimcen()), true);
}

// Linear unit rows.
const kd::Choice kFractionType[] = {{"Horizontal", 0}, {"Diagonal", 1}, {"Not stacked", 2}};
bool isFractionTypeReadOnly(const OdDbObject* object, const Desc&) {
  OdDbDimensionPtr d = readable(object);
  return !d.isNull() && d->dimlunit() != 4 && d->dimlunit() != 5;
}
CKdVariant getMeasurement(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  return d.isNull() ? CKdVariant() : CKdVariant(d->getMeasurement(), true);
}
CKdVariant getUnitFormat(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  return d.isNull() ? CKdVariant() : kd::primaryUnitFormatList(d->dimlunit());
}
CKdVariant getPrecision(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  return d.isNull() ? CKdVariant() : kd::linearPrecisionList(d->dimlunit(), d->dimdec());
}
CKdVariant getAltFormat(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  return d.isNull() ? CKdVariant() : kd::alternateUnitFormatList(d->dimaltu());
}
CKdVariant getAltPrecision(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  return d.isNull() ? CKdVariant() : kd::alternatePrecisionList(d->dimaltu(), d->dimaltd(), d->database());
}

const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;
typedef CKdPropertyType T;
const kd::FeetInches kFeet = kd::FeetInches::Feet, kInches = kd::FeetInches::Inches;
#define LA "Lines && Arrows"
#define PU "Primary UnitSystem"
#define AU "Alternate UnitSystem"

}  // namespace

bool isFixedLengthReadOnly(const OdDbObject* object, const Desc&) {
  OdDbDimensionPtr d = readable(object);
  return !d.isNull() && !d->getExtLineFixLenEnable();
}
// A fixed length of 0 is no length: refused without a message.
int setFixedLength(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDimensionPtr d = writable(object, value, CKdVariant::kDouble);
  if (d.isNull() || value.GetDouble() == 0.0) return KD_PROPERTY_FAILED;
  d->setExtLineFixLen(value.GetDouble());
  return KD_PROPERTY_OK;
}

const kd::Choice kTextVertical[4] = {{"Centered", 0}, {"Above", 1}, {"Outside", 2}, {"JIS", 3}};

const kd::PropertyRow kLinearUnitRows[kLinearUnitRowCount] = {
    {"Text", "Fractional type", 0, nullptr, KD_ICON_TEXT("FractionalType"), isFractionTypeReadOnly, KD_ENUM(V::dimfrac, kFractionType),
     setTag<V::dimfrac>},
    {"Text", "Measurement", 0, nullptr, KD_ICON_TEXT("Measurement"), RO, getMeasurement, nullptr},
    {PU, "Dim scale linear", 0, nullptr, KD_ICON_PRIMARY("DimScaleLinear"), RW, getReal<V::dimlfac, false>,
     setReal<V::dimlfac, KD_RULE(NonZero)>},
    {PU, "Dim UnitSystem", 0, nullptr, KD_ICON_PRIMARY("AltFormat"), RW, getUnitFormat, setTag<V::dimlunit>},
    {PU, "Precision", 0, nullptr, KD_ICON_PRIMARY("Precision"), RW, getPrecision, setTag<V::dimdec>},
    {PU, "Suppress zero feet", 0, nullptr, KD_ICON_PRIMARY("SuppressZeroFeet"), alwaysEditable, getFeetInches<V::dimzin, kFeet>,
     setFeetInches<V::dimzin, kFeet>},
    {PU, "Suppress zero inches", 0, nullptr, KD_ICON_PRIMARY("SuppressZeroInches"), alwaysEditable,
     getFeetInches<V::dimzin, kInches>, setFeetInches<V::dimzin, kInches>},
    {"Tolerance", "Tolerance suppress zero feet", 0, nullptr, KD_ICON_TOLERANCE("TolSupZeroFeet"), alwaysEditable,
     getFeetInches<V::dimtzin, kFeet>, setFeetInches<V::dimtzin, kFeet>},
    {"Tolerance", "Tolerance suppress zero inches", 0, nullptr, KD_ICON_TOLERANCE("TolSupZeroInches"), alwaysEditable,
     getFeetInches<V::dimtzin, kInches>, setFeetInches<V::dimtzin, kInches>},
    {"Tolerance", "Alt tolerance precision", 0, nullptr, KD_ICON_TOLERANCE("AltTolerancePrecision"), isTolerancePrecisionReadOnly,
     getDecimalPrecision<V::dimalttd>, setTag<V::dimalttd>},
    {"Tolerance", "Alt tolerance suppress leading zeros", 0, nullptr, KD_ICON_TOLERANCE("AltTolSupLeadingZeroes"), alwaysEditable,
     getBit<V::dimalttz, 4>, setBit<V::dimalttz>},
    {"Tolerance", "Alt tolerance suppress trailing zeros", 0, nullptr, KD_ICON_TOLERANCE("AltTolSupTrailingZeroes"),
     alwaysEditable, getBit<V::dimalttz, 8>, setBit<V::dimalttz>},
    {"Tolerance", "Alt tolerance suppress zero feet", 0, nullptr, KD_ICON_TOLERANCE("AltTolSupZeroFeet"), alwaysEditable,
     getFeetInches<V::dimalttz, kFeet>, setFeetInches<V::dimalttz, kFeet>},
    {"Tolerance", "Alt tolerance suppress zero inches", 0, nullptr, KD_ICON_TOLERANCE("AltTolSupZeroInches"), alwaysEditable,
     getFeetInches<V::dimalttz, kInches>, setFeetInches<V::dimalttz, kInches>},
    {AU, "Alt enabled", 0, nullptr, KD_ICON_ALTERNATE("AltEnabled"), RW, getFlag<V::dimalt, kd::BoolLabels::YesNo>,
     setFlag<V::dimalt>},
    {AU, "Alt format", 0, nullptr, KD_ICON_ALTERNATE("AltFormat"), isAlternateReadOnly, getAltFormat, setTag<V::dimaltu>},
    {AU, "Alt precision", 0, nullptr, KD_ICON_ALTERNATE("AltPrecision"), isAlternateReadOnly, getAltPrecision, setTag<V::dimaltd>},
    {AU, "Alt round", 0, nullptr, KD_ICON_ALTERNATE("AltRound"), isAlternateReadOnly, getReal<V::dimaltrnd>,
     setReal<V::dimaltrnd, KD_RULE(PositiveOrZero)>},
    {AU, "Alt scale", 0, nullptr, KD_ICON_ALTERNATE("AltScale"), isAlternateReadOnly, getReal<V::dimaltf, false>,
     setReal<V::dimaltf, KD_RULE(Positive)>},
    {AU, "Alt prefix", 0, nullptr, KD_ICON_ALTERNATE("AltPrefix"), isAlternateReadOnly, getAround<V::dimapost, true>,
     setAround<V::dimapost, true>},
    {AU, "Alt suffix", 0, nullptr, KD_ICON_ALTERNATE("AltSuffix"), isAlternateReadOnly, getAround<V::dimapost, false>,
     setAround<V::dimapost, false>},
    {AU, "Alt suppress leading zeros", 0, nullptr, KD_ICON_ALTERNATE("AltSupLeadingZeroes"), isAlternateReadOnly,
     getBit<V::dimaltz, 4>, setBit<V::dimaltz>},
    {AU, "Alt suppress trailing zeros", 0, nullptr, KD_ICON_ALTERNATE("AltSupTrailingZeroes"), isAlternateReadOnly,
     getBit<V::dimaltz, 8>, setBit<V::dimaltz>},
    {AU, "Alt suppress zeros feet", 0, nullptr, KD_ICON_ALTERNATE("AltSupZeroFeet"), isAlternateReadOnly,
     getFeetInches<V::dimaltz, kFeet>, setFeetInches<V::dimaltz, kFeet>},
    {AU, "Alt suppress zeros inches", 0, nullptr, KD_ICON_ALTERNATE("AltSupZeroInches"), isAlternateReadOnly,
     getFeetInches<V::dimaltz, kInches>, setFeetInches<V::dimaltz, kInches>},
};

namespace {
const kd::Choice kTextHorizontal[] = {{"Centered", 0}, {"First extension line", 1}, {"Second extension line", 2},
                                      {"Over first extension", 3}, {"Over second extension", 4}};
const kd::Choice kFit[] = {{"Text and arrows", 0}, {"Arrows only", 1}, {"Text only", 2}, {"Best fit", 3}};

const kd::PropertyRow k2ArrowRows[] = {
    {LA, "Arrow 1", 0, nullptr, KD_ICON_LINES("Arrow1"), RW, getArrow<Arrow::First>, setArrow<Arrow::First>},
    {LA, "Arrow 2", 0, nullptr, KD_ICON_LINES("Arrow2"), RW, getArrow<Arrow::Second>, setArrow<Arrow::Second>},
    {LA, "DimLine LWeight", 4, T::kLineweightGUID, KD_ICON_LINES("DimLineWeight"), RW, getInteger<V::dimlwd>, setInteger<V::dimlwd>},
    {LA, "ExtLine LWeight", 4, T::kLineweightGUID, KD_ICON_LINES("ExtLineWeight"), RW, getInteger<V::dimlwe>, setInteger<V::dimlwe>},
    {LA, "DimLine 1", 0, nullptr, KD_ICON_LINES("DimLine1"), RW, getFlag<V::dimsd1, kd::BoolLabels::OffOn>, setFlag<V::dimsd1>},
    {LA, "DimLine 2", 0, nullptr, KD_ICON_LINES("DimLine2"), RW, getFlag<V::dimsd2, kd::BoolLabels::OffOn>, setFlag<V::dimsd2>},
    {LA, "DimLine LColor", 5, nullptr, KD_ICON_LINES("DimLineColor"), RW, getColor<V::dimclrd>, setColor<V::dimclrd>},
    {LA, "DimLine LStyle", 0, nullptr, KD_ICON_LINES("DimLineStyle"), RW, getLineStyle<V::dimltype>, setLineStyle<V::dimltype>},
    {LA, "ExtLine 1 LStyle", 0, nullptr, KD_ICON_LINES("ExtLineStyle1"), RW, getLineStyle<V::dimltex1>, setLineStyle<V::dimltex1>},
    {LA, "ExtLine 2 LStyle", 0, nullptr, KD_ICON_LINES("ExtLineStyle2"), RW, getLineStyle<V::dimltex2>, setLineStyle<V::dimltex2>},
    {LA, "ExtLine 1", 0, nullptr, KD_ICON_LINES("ExtLine1"), RW, getFlag<V::dimse1, kd::BoolLabels::OffOn>, setFlag<V::dimse1>},
    {LA, "ExtLine 2", 0, nullptr, KD_ICON_LINES("ExtLine2"), RW, getFlag<V::dimse2, kd::BoolLabels::OffOn>, setFlag<V::dimse2>},
    {LA, "ExtLine fixed", 0, nullptr, KD_ICON_LINES("ExtLineFixed"), RW, getFlag<V::dimfxlon, kd::BoolLabels::OnOff>,
     setFlag<V::dimfxlon>},
    {LA, "ExtLine fixed length", 0, nullptr, KD_ICON_LINES("ExtLineFixedLength"), isFixedLengthReadOnly, getReal<V::dimfxl>,
     setFixedLength},
    {LA, "ExtLine LColor", 5, nullptr, KD_ICON_LINES("ExtLineColor"), RW, getColor<V::dimclre>, setColor<V::dimclre>},
    {LA, "ExtLine ext", 0, nullptr, KD_ICON_LINES("ExtLineExt"), RW, getReal<V::dimexe>, setReal<V::dimexe, KD_RULE(NonNegative)>},
    {LA, "ExtLine offset", 0, nullptr, KD_ICON_LINES("ExtLineOffset"), RW, getReal<V::dimexo>,
     setReal<V::dimexo, KD_RULE(NonNegative)>},
    {"Text", "Text outside align", 0, nullptr, KD_ICON_TEXT("OutsideAlign"), RW, getFlag<V::dimtoh, kd::BoolLabels::OffOn>,
     setFlag<V::dimtoh>},
    {"Text", "Text pos hor", 0, nullptr, KD_ICON_TEXT("PosHor"), RW, KD_ENUM(V::dimjust, kTextHorizontal), setTag<V::dimjust>},
    {"Text", "Text pos vert", 0, nullptr, KD_ICON_TEXT("PosVert"), RW, KD_ENUM(V::dimtad, kTextVertical), setTag<V::dimtad>},
    {"Text", "Text inside align", 0, nullptr, KD_ICON_TEXT("InsideAlign"), RW, getFlag<V::dimtih, kd::BoolLabels::OffOn>,
     setFlag<V::dimtih>},
    {"Fit", "DimLine forced", 0, nullptr, KD_ICON_FIT("DimLineForced"), RW, getFlag<V::dimtofl, kd::BoolLabels::OnOff>,
     setFlag<V::dimtofl>},
    {"Fit", "DimLine inside", 0, nullptr, KD_ICON_FIT("DimLineInside"), RW, getFlag<V::dimsoxd, kd::BoolLabels::OffOn>,
     setFlag<V::dimsoxd>},
    {"Fit", "Fit", 0, nullptr, KD_ICON_FIT("Fit"), RW, KD_ENUM(V::dimatfit, kFit), setTag<V::dimatfit>},
    {"Fit", "Text inside", 0, nullptr, KD_ICON_FIT("TextInside"), RW, getFlag<V::dimtix, kd::BoolLabels::OnOff>, setFlag<V::dimtix>},
};

// The one-arrow family's own rows, with the linear unit rows placed after its sixth and its last.
const kd::PropertyRow k1ArrowHead[] = {
    {LA, "Arrow", 0, nullptr, KD_ICON_LINES("Arrow1"), RW, getArrow<Arrow::One>, setArrow<Arrow::One>},
    {LA, "CenterMark", 0, nullptr, KD_ICON_LINES("CenterMark"), RW, getCenterMark, setCenterMark},
    {LA, "CenterMark size", 0, nullptr, KD_ICON_LINES("CenterMarkSize"), isCenterMarkSizeReadOnly, getCenterMarkSize,
     setReal<V::dimcen, KD_RULE(Positive)>},
    {LA, "DimLine LWeight", 4, T::kLineweightGUID, KD_ICON_LINES("DimLineWeight"), RW, getInteger<V::dimlwd>, setInteger<V::dimlwd>},
    {LA, "DimLine LColor", 5, nullptr, KD_ICON_LINES("DimLineColor"), RW, getColor<V::dimclrd>, setColor<V::dimclrd>},
    {LA, "DimLine LStyle", 0, nullptr, KD_ICON_LINES("DimLineStyle"), RW, getLineStyle<V::dimltype>, setLineStyle<V::dimltype>},
};
const kd::PropertyRow k1ArrowMiddle[] = {
    {"Text", "Text outside align", 0, nullptr, KD_ICON_TEXT("OutsideAlign"), RO, getFlag<V::dimtoh, kd::BoolLabels::OnOff>, nullptr},
    {"Text", "Text pos vert", 0, nullptr, KD_ICON_TEXT("PosVert"), RO, KD_ENUM(V::dimtad, kTextVertical), nullptr},
    {"Text", "Text inside align", 0, nullptr, KD_ICON_TEXT("InsideAlign"), RO, getFlag<V::dimtih, kd::BoolLabels::OffOn>, nullptr},
    {"Fit", "Fit", 0, nullptr, KD_ICON_FIT("Fit"), RO, KD_ENUM(V::dimatfit, kFit), nullptr},
    {PU, "Roundoff", 0, nullptr, KD_ICON_PRIMARY("Roundoff"), RW, getReal<V::dimrnd>, setReal<V::dimrnd, KD_RULE(PositiveOrZero)>},
};
const std::vector<kd::PropertyRow>& oneArrowRows() {
  static const std::vector<kd::PropertyRow> rows = [] {
    std::vector<kd::PropertyRow> r(std::begin(k1ArrowHead), std::end(k1ArrowHead));
    r.insert(r.end(), kLinearUnitRows, kLinearUnitRows + 2);
    r.insert(r.end(), std::begin(k1ArrowMiddle), std::end(k1ArrowMiddle));
    r.insert(r.end(), kLinearUnitRows + 2, std::end(kLinearUnitRows));
    return r;
  }();
  return rows;
}
}  // namespace

}  // namespace kddim

KD_DEFINE_PROPERTY_PE(CKdDimension2ArrowPE, CKdDimensionPE, OdDbDimension, "Dimension", kddim::k2ArrowRows)
KD_DEFINE_PROPERTY_LEVEL(CKdDimension1ArrowPE, CKdDimensionPE, "Dimension", &OdDbDimension::desc,
                         kddim::oneArrowRows().data(), kddim::oneArrowRows().size())
