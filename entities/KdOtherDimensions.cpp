#include "KdOtherDimensions.h"

#include <vector>

#include "CKdPropertyType.h"
#include "CKdUtils.h"
#include "Db/DbDimensionKinds.h"
#include "KdDimensionAccess.h"

namespace {
using namespace kddim;

const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;
typedef CKdPropertyType T;
#define LA "Lines && Arrows"
#define PU "Primary UnitSystem"

// Angles.
CKdVariant getMeasurement(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  return d.isNull() ? CKdVariant() : CKdVariant(d->getMeasurement(), true);
}
CKdVariant getAnglePrecision(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  return d.isNull() ? CKdVariant() : kd::angularPrecisionList(d->dimaunit(), d->dimadec(), d->dimdec());
}
// A negative angular precision means "as the linear one": the choice then goes there.
int setAnglePrecision(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDimensionPtr d = writable(object, value, CKdVariant::kCollectionElement);
  long tag = 0;
  if (d.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
  return storeInteger(*d, d->dimadec() >= 0 ? V::dimadec : V::dimdec, int(tag));
}
CKdVariant getAngleFormat(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  return d.isNull() ? CKdVariant() : kd::angleFormatList(d->dimaunit());
}
const kd::PropertyRow kAngularRows[] = {
    {"Text", "Measurement", 2, T::kAngleGUID, KD_ICON_TEXT("Measurement"), RO, getMeasurement, nullptr},
    {PU, "Angle precision", 0, nullptr, KD_ICON_PRIMARY("AnglePrecision"), RW, getAnglePrecision, setAnglePrecision},
    {PU, "Angle format", 0, nullptr, KD_ICON_PRIMARY("AngleFormat"), RW, getAngleFormat, setTag<V::dimaunit>},
};

// Arc lengths: the symbol, among the linear unit rows.
const kd::Choice kArcSymbol[] = {{"Preceding Dimension Text", 0}, {"Above Dimension Text", 1}, {"None", 2}};
CKdVariant getArcSymbol(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbArcDimensionPtr d = kd::readable<OdDbArcDimension>(object);
  return d.isNull() ? CKdVariant() : kd::enumList(kArcSymbol, d->arcSymbolType());
}
int setArcSymbol(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbArcDimensionPtr d = kd::writable<OdDbArcDimension>(object, value, CKdVariant::kCollectionElement);
  long tag = 0;
  if (d.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
  d->setArcSymbolType(int(tag));
  return KD_PROPERTY_OK;
}
const std::vector<kd::PropertyRow>& arcRows() {
  static const std::vector<kd::PropertyRow> rows = [] {
    std::vector<kd::PropertyRow> r{kLinearUnitRows[0],
                                   {"Text", "Arc length symbol", 0, nullptr, ":/Geometry/Geometry_ArcLengthSymbol.png", RW,
                                    getArcSymbol, setArcSymbol}};
    r.insert(r.end(), kLinearUnitRows + 1, kLinearUnitRows + kLinearUnitRowCount);
    return r;
  }();
  return rows;
}

// Radii: the extension arc goes through the host.
CKdVariant getExtArc(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbRadialDimensionPtr d = kd::readable<OdDbRadialDimension>(object);
  return d.isNull() ? CKdVariant() : kd::booleanList(d->extArcOn(), kd::BoolLabels::OnOff);
}
int setExtArc(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbRadialDimensionPtr d = kd::writable<OdDbRadialDimension>(object, value, CKdVariant::kCollectionElement);
  long tag = 0;
  if (d.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
  if (tag == 0 || tag == 1)
    if (CKdDbExtension* host = GetKdDbExtension()) host->SetRadialExtensionArc(d.get(), tag == 1);
  return KD_PROPERTY_OK;
}
const kd::PropertyRow kRadialRows[] = {
    {LA, "DimLine ", 0, nullptr, KD_ICON_LINES("DimLine1"), RW, getFlag<V::dimsd2, kd::BoolLabels::OffOn>, setFlag<V::dimsd2>},
    {"Fit", "DimLine forced", 0, nullptr, KD_ICON_FIT("DimLineForced"), RW, getFlag<V::dimtofl, kd::BoolLabels::OnOff>,
     setFlag<V::dimtofl>},
    {LA, "Ext line ", 0, nullptr, KD_ICON_LINES("DimLine1"), RW, getExtArc, setExtArc},
};

const kd::PropertyRow kDiametricRows[] = {
    {LA, "Dim line 1", 0, nullptr, KD_ICON_LINES("DimLine1"), RW, getFlag<V::dimsd1, kd::BoolLabels::OffOn>, setFlag<V::dimsd1>},
    {LA, "Dim line 2", 0, nullptr, KD_ICON_LINES("DimLine2"), RW, getFlag<V::dimsd2, kd::BoolLabels::OffOn>, setFlag<V::dimsd2>},
    {"Fit", "Dim line forced", 0, nullptr, KD_ICON_FIT("DimLineForced"), RW, getFlag<V::dimtofl, kd::BoolLabels::OnOff>,
     setFlag<V::dimtofl>},
};

// Large radii: the override centre and the jog, in the UCS; jog angles of 5 to 90 degrees.
typedef OdDbRadialDimensionLarge L;
typedef kd::UcsPoint<L, &L::overrideCenter, &L::setOverrideCenter> OverrideCenter;
typedef kd::UcsPoint<L, &L::jogPoint, &L::setJogPoint> Jog;
CKdVariant getJogAngle(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbRadialDimensionLargePtr d = kd::readable<L>(object);
  return d.isNull() ? CKdVariant() : CKdVariant(d->jogAngle(), true);
}
int setJogAngle(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbRadialDimensionLargePtr d = kd::writable<L>(object, value, CKdVariant::kDouble);
  if (d.isNull()) return KD_PROPERTY_FAILED;
  const double degrees = value.GetDouble() / 3.141592653589793 * 180;
  if (!(degrees >= 5 && degrees <= 90)) return KD_PROPERTY_FAILED;
  d->setJogAngle(value.GetDouble());
  return KD_PROPERTY_OK;
}
const kd::PropertyRow kLargeRows[] = {
    {LA, "DimLine", 0, nullptr, KD_ICON_LINES("DimLine1"), RW, getFlag<V::dimsd2, kd::BoolLabels::OffOn>, setFlag<V::dimsd2>},
    {LA, "Center location override X", 0, nullptr, KD_ICON_LINES("CenterLocationX"), RW, OverrideCenter::X::get,
     OverrideCenter::X::set},
    {LA, "Center location override Y", 0, nullptr, KD_ICON_LINES("CenterLocationY"), RW, OverrideCenter::Y::get,
     OverrideCenter::Y::set},
    {LA, "Jog location X", 0, nullptr, KD_ICON_LINES("JogLocationX"), RW, Jog::X::get, Jog::X::set},
    {LA, "Jog location Y", 0, nullptr, KD_ICON_LINES("JogLocationY"), RW, Jog::Y::get, Jog::Y::set},
    {LA, "Jog angle", 2, T::kAngleGUID, KD_ICON_LINES("JogAngle"), RW, getJogAngle, setJogAngle},
};

// Ordinates: their extension line, then the linear unit rows with a roundoff.
const std::vector<kd::PropertyRow>& ordinateRows() {
  static const std::vector<kd::PropertyRow> rows = [] {
    std::vector<kd::PropertyRow> r{
        {LA, "ExtLine LWeight", 4, T::kLineweightGUID, KD_ICON_LINES("ExtLineWeight"), RW, getInteger<V::dimlwe>,
         setInteger<V::dimlwe>},
        {LA, "ExtLine LStyle", 0, nullptr, KD_ICON_LINES("ExtLineStyle1"), RW, getLineStyle<V::dimltex1>, setLineStyle<V::dimltex1>},
        {LA, "ExtLine fixed", 0, nullptr, KD_ICON_LINES("ExtLineFixed"), RW, getFlag<V::dimfxlon, kd::BoolLabels::OnOff>,
         setFlag<V::dimfxlon>},
        {LA, "ExtLine fixed length", 0, nullptr, KD_ICON_LINES("ExtLineFixedLength"), isFixedLengthReadOnly, getReal<V::dimfxl>,
         setFixedLength},
        {LA, "ExtLine LColor", 5, nullptr, KD_ICON_LINES("ExtLineColor"), RW, getColor<V::dimclre>, setColor<V::dimclre>},
        {LA, "ExtLine offset", 0, nullptr, KD_ICON_LINES("ExtLineOffset"), RW, getReal<V::dimexo>,
         setReal<V::dimexo, KD_RULE(NonNegative)>},
        {"Text", "Text pos vert", 0, nullptr, KD_ICON_TEXT("PosVert"), RW, KD_ENUM(V::dimtad, kTextVertical), setTag<V::dimtad>},
        kLinearUnitRows[0],
        kLinearUnitRows[1],
        {PU, "Dim roundoff", 0, nullptr, KD_ICON_PRIMARY("Roundoff"), RW, getReal<V::dimrnd>,
         setReal<V::dimrnd, KD_RULE(PositiveOrZero)>}};
    r.insert(r.end(), kLinearUnitRows + 2, kLinearUnitRows + kLinearUnitRowCount);
    return r;
  }();
  return rows;
}

// The lines the radius and diameter listings add after the style.
void textMovementLines(const OdDbDimension& d, CKdPrintInfoContext& out) {
  out.PrintInt(kd::infoItem("DIMTMOVE"), d.dimtmove());
  out.PrintBool(kd::infoItem("DIMUPT"), d.dimupt());
}
}  // namespace

KD_DEFINE_PROPERTY_PE(CKd2LineAngularDimensionPE, CKdDimension2ArrowPE, OdDb2LineAngularDimension, "2LineAngularDimension",
                      kAngularRows)
KD_DEFINE_PROPERTY_PE(CKd3PointAngularDimensionPE, CKdDimension2ArrowPE, OdDb3PointAngularDimension,
                      "3PointAngularDimension", kAngularRows)
KD_DEFINE_PROPERTY_LEVEL(CKdArcDimensionPE, CKdDimension2ArrowPE, "ArcLengthDimension", &OdDbArcDimension::desc,
                         arcRows().data(), arcRows().size())
KD_DEFINE_PROPERTY_PE(CKdRadialDimensionPE, CKdDimension1ArrowPE, OdDbRadialDimension, "RadialDimension", kRadialRows)
KD_DEFINE_PROPERTY_PE(CKdDiametricDimensionPE, CKdDimension1ArrowPE, OdDbDiametricDimension, "DiametricDimension",
                      kDiametricRows)
KD_DEFINE_PROPERTY_PE(CKdRadialDimensionLargePE, CKdDimension1ArrowPE, OdDbRadialDimensionLarge, "RadialDimensionLarge",
                      kLargeRows)
KD_DEFINE_PROPERTY_LEVEL(CKdOrdinateDimensionPE, CKdDimensionPE, "OrdinateDimension", &OdDbOrdinateDimension::desc,
                         ordinateRows().data(), ordinateRows().size())

void CKd2LineAngularDimensionInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kddim::listKind<OdDb2LineAngularDimension>(*this, object, context, true, "angular",
                                             [](const OdDb2LineAngularDimension& d, CKdPrintInfoContext& out) {
                                               out.PrintPoint(kd::infoItem("1st extension defined line start point"), d.xLine1Start());
                                               out.PrintPoint(kd::infoItem("1st extension defined line end point"), d.xLine1End());
                                               out.PrintPoint(kd::infoItem("2st extension defined line start point"), d.xLine2Start());
                                               out.PrintPoint(kd::infoItem("2st extension defined line end point"), d.xLine2End());
                                               out.PrintPoint(kd::infoItem("dimension arc defined point"), d.arcPoint());
                                             });
}

void CKd3PointAngularDimensionInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kddim::listKind<OdDb3PointAngularDimension>(*this, object, context, true, "angular",
                                              [](const OdDb3PointAngularDimension& d, CKdPrintInfoContext& out) {
                                                out.PrintPoint(kd::infoItem("1st extension defining point"), d.xLine1Point());
                                                out.PrintPoint(kd::infoItem("2st extension defining point"), d.xLine2Point());
                                                out.PrintPoint(kd::infoItem("arc center defining point"), d.centerPoint());
                                                out.PrintPoint(kd::infoItem("dimension arc defining point"), d.arcPoint());
                                              });
}

void CKdArcDimensionInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kddim::listKind<OdDbArcDimension>(*this, object, context, false, "arc", [](const OdDbArcDimension& d, CKdPrintInfoContext& out) {
    out.PrintPoint(kd::infoItem("1st extension defining point"), d.xLine1Point());
    out.PrintPoint(kd::infoItem("2st extension defining point"), d.xLine2Point());
    out.PrintPoint(kd::infoItem("arc center defining point"), d.centerPoint());
    out.PrintPoint(kd::infoItem("dimension arc defining point"), d.arcPoint());
  });
}

void CKdRadialDimensionInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  OdDbRadialDimensionPtr d = OdDbRadialDimension::cast(object);
  kddim::listKind<OdDbRadialDimension>(
      *this, object, context, true, "radial",
      [](const OdDbRadialDimension& r, CKdPrintInfoContext& out) {
        out.PrintPoint(kd::infoItem("center defining point"), r.center());
        out.PrintPoint(kd::infoItem("defining point"), r.chordPoint());
      },
      [&](CKdPrintInfoContext& out) { textMovementLines(*d, out); });
}

void CKdDiametricDimensionInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  OdDbDiametricDimensionPtr d = OdDbDiametricDimension::cast(object);
  kddim::listKind<OdDbDiametricDimension>(
      *this, object, context, true, "diameter",
      [](const OdDbDiametricDimension& r, CKdPrintInfoContext& out) {
        out.PrintPoint(kd::infoItem("far defining point"), r.farChordPoint());
        out.PrintPoint(kd::infoItem("defining point"), r.chordPoint());
      },
      [&](CKdPrintInfoContext& out) { textMovementLines(*d, out); });
}

void CKdRadialDimensionLargeInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kddim::listKind<OdDbRadialDimensionLarge>(*this, object, context, false, "jogged",
                                            [](const OdDbRadialDimensionLarge& d, CKdPrintInfoContext& out) {
                                              out.PrintPoint(kd::infoItem("center defining point"), d.center());
                                              out.PrintPoint(kd::infoItem("chord defining point"), d.chordPoint());
                                              out.PrintPoint(kd::infoItem("jog defining point"), d.jogPoint());
                                            });
}

void CKdOrdinateDimensionInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kddim::listKind<OdDbOrdinateDimension>(*this, object, context, false, "ordinate",
                                         [](const OdDbOrdinateDimension& d, CKdPrintInfoContext& out) {
                                           out.PrintPoint(kd::infoItem("feature defining point"), d.definingPoint());
                                           out.PrintPoint(kd::infoItem("leader defining point"), d.leaderEndPoint());
                                         });
}
