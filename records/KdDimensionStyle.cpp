#include "KdDimensionStyle.h"

#include "Db/DbDimStyleTableRecord.h"
#include "Db/DbDmUtil.h"
#include "KdAccess.h"

namespace {
typedef CKdPropertyDescription Desc;
typedef OdDbDimStyleTableRecord R;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;

CKdVariant yesNoOf(bool on) { return CKdVariant(kd::value(on ? "Yes" : "No")); }

template <double (R::*Get)() const>
CKdVariant real(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<R>(o, [](const R& r) { return CKdVariant((r.*Get)(), true); });
}
template <int (R::*Get)() const>
CKdVariant integer(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<R>(o, [](const R& r) { return CKdVariant(long((r.*Get)())); });
}
template <bool (R::*Get)() const>
CKdVariant yesNo(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<R>(o, [](const R& r) { return yesNoOf((r.*Get)()); });
}
template <OdString (R::*Get)() const>
CKdVariant text(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<R>(o, [](const R& r) { return CKdVariant(CKdString((r.*Get)())); });
}
template <OdCmColor (R::*Get)() const>
CKdVariant color(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<R>(o, [](const R& r) { return CKdVariant((r.*Get)()); });
}
// A record the style names; empty when it names none.
template <OdDbObjectId (R::*Get)() const>
CKdVariant id(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<R>(o, [](const R& r) { return (r.*Get)().isNull() ? CKdVariant() : CKdVariant((r.*Get)()); });
}

// The arrowheads by name, in the order their tags count; an unknown name is 21.
const wchar_t* const kArrows[] = {L"",          L"ClosedBlank", L"Closed",   L"Dot",         L"ArchTick",
                                  L"Oblique",   L"Open",        L"Origin",   L"Origin2",     L"Open90",
                                  L"Open30",    L"DotSmall",    L"DotBlank", L"Small",       L"BoxBlank",
                                  L"BoxFilled", L"DatumBlank",  L"DatumFilled", L"Integral", L"None",
                                  L""};
template <OdDbObjectId (R::*Get)() const>
CKdVariant arrow(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<R>(o, [](const R& r) {
    const OdString name = OdDmUtil::arrowName((r.*Get)());
    long tag = 21;
    for (long i = 0; i < 21 && tag == 21; ++i)
      if (name.iCompare(kArrows[i]) == 0) tag = i;
    return CKdVariant(CKdVariantCollectionElement(CKdVariant(CKdString(name)), CKdVariant(tag)));
  });
}

// Alternate units stand below the primary ones when the text holds a line break "\X".
bool stacked(const R& r) { return r.dimpost().find(L"\\X") >= 0; }
CKdVariant dualBeside(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<R>(o, [](const R& r) { return yesNoOf(!stacked(r)); });
}
CKdVariant dualBelow(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<R>(o, [](const R& r) { return yesNoOf(stacked(r)); });
}
CKdVariant separator(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<R>(o, [](const R& r) {
    CKdString s;
    s.format(L"%c", r.dimdsep());
    return CKdVariant(s);
  });
}
CKdVariant followsSheet(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<R>(o, [](const R& r) { return yesNoOf(r.dimlfac() < 0.0); });
}
CKdVariant fixedLength(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<R>(o, [](const R& r) {
    return CKdVariant(CKdVariantCollectionElement(yesNoOf(r.dimfxlon()), CKdVariant(r.dimfxl(), true)));
  });
}
// No fill, the background, or the fill colour.
CKdVariant textFill(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<R>(o, [](const R& r) {
    switch (r.dimtfill()) {
      case 1: return CKdVariant(OdCmColor(OdCmEntityColor::kForeground));
      case 2: return CKdVariant(r.dimtfillclr());
      default: return CKdVariant(OdCmColor(OdCmEntityColor::kNone));
    }
  });
}
CKdVariant framed(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<R>(o, [](const R& r) { return yesNoOf(r.dimgap() < 0.0); });
}
CKdVariant textAlignment(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<R>(o, [](const R& r) { return CKdVariant(long(r.dimtih() ? 1 : r.dimtoh() ? 0 : 2)); });
}
// 0 none, 1 symmetrical, 2 deviation, 3 limits, 4 basic: limits win.
CKdVariant toleranceCode(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<R>(o, [](const R& r) {
    long code = 3;
    if (r.dimtol() && !r.dimlim()) code = r.dimtp() == r.dimtm() ? 1 : 2;
    else if (!r.dimtol() && !r.dimlim()) code = r.dimgap() < 0.0 ? 4 : 0;
    return CKdVariant(code);
  });
}
CKdVariant styleName(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<R>(o, [](const R& r) { return CKdVariant(CKdString(r.getName())); });
}

const kd::PropertyRow kRows[] = {
    {"General", "Start arrow", 7, nullptr, nullptr, RO, arrow<&R::dimblk1>, nullptr},
    {"General", "End errow", 7, nullptr, nullptr, RO, arrow<&R::dimblk2>, nullptr},
    {"General", "Leader arrow", 7, nullptr, nullptr, RO, arrow<&R::dimldrblk>, nullptr},
    {"General", "Arrow Size", 2, nullptr, nullptr, RO, real<&R::dimasz>, nullptr},
    {"General", "Angular Format", 4, nullptr, nullptr, RO, integer<&R::dimaunit>, nullptr},
    {"General", "Angular Precision", 4, nullptr, nullptr, RO, integer<&R::dimadec>, nullptr},
    {"General", "Angular Hide leading zeros", 4, nullptr, nullptr, RO, integer<&R::dimazin>, nullptr},
    {"General", "Angular Hide trailing zeros", 4, nullptr, nullptr, RO, integer<&R::dimazin>, nullptr},
    {"General", "Arc Before dimension text", 4, nullptr, nullptr, RO, integer<&R::dimarcsym>, nullptr},
    {"General", "Arc Above dimension text", 4, nullptr, nullptr, RO, integer<&R::dimarcsym>, nullptr},
    {"General", "Arc None", 4, nullptr, nullptr, RO, integer<&R::dimarcsym>, nullptr},
    {"General", "Show dual dimensions", 3, nullptr, nullptr, RO, yesNo<&R::dimalt>, nullptr},
    {"General", "Dual Dimensions Format", 4, nullptr, nullptr, RO, integer<&R::dimaltu>, nullptr},
    {"General", "Dual Dimensions Precision", 4, nullptr, nullptr, RO, integer<&R::dimaltd>, nullptr},
    {"General", "Dual Dimensions Multiplier for converting units", 2, nullptr, nullptr, RO, real<&R::dimaltf>, nullptr},
    {"General", "Dual Dimensions Round to the nearest", 2, nullptr, nullptr, RO, real<&R::dimaltrnd>, nullptr},
    {"General", "Dual Dimensions Prefix", 3, nullptr, nullptr, RO, text<&R::dimapost>, nullptr},
    {"General", "Dual Dimensions Suffix", 3, nullptr, nullptr, RO, text<&R::dimapost>, nullptr},
    {"General", "Dual Dimensions Hide leading zeros", 4, nullptr, nullptr, RO, integer<&R::dimaltz>, nullptr},
    {"General", "Dual Dimensions Hide trailing zeros", 4, nullptr, nullptr, RO, integer<&R::dimaltz>, nullptr},
    {"General", "Dual Dimensions Hide zeros feet", 4, nullptr, nullptr, RO, integer<&R::dimaltz>, nullptr},
    {"General", "Dual Dimensions Hide zeros inches", 4, nullptr, nullptr, RO, integer<&R::dimaltz>, nullptr},
    {"General", "Dual Dimensions After primary units", 3, nullptr, nullptr, RO, dualBeside, nullptr},
    {"General", "Dual Dimensions Below primary units", 3, nullptr, nullptr, RO, dualBelow, nullptr},
    {"General", "FitDimensionsGeometryAutomatic", 4, nullptr, nullptr, RO, integer<&R::dimatfit>, nullptr},
    {"General", "FitDimensionsGeometryArrows", 4, nullptr, nullptr, RO, integer<&R::dimatfit>, nullptr},
    {"General", "FitDimensionsGeometryArrows", 4, nullptr, nullptr, RO, integer<&R::dimatfit>, nullptr},
    {"General", "Fit DimensionsGeometryTextAndArrows", 4, nullptr, nullptr, RO, integer<&R::dimatfit>, nullptr},
    {"General", "FitDimensionsGeometryKeepTextBetweenExtensionLines", 3, nullptr, nullptr, RO, yesNo<&R::dimtix>, nullptr},
    {"General", "FitDimensionsGeometryHideArrows", 3, nullptr, nullptr, RO, yesNo<&R::dimsoxd>, nullptr},
    {"General", "FitTextAboveTheDimensionLineWithLeader", 4, nullptr, nullptr, RO, integer<&R::dimtmove>, nullptr},
    {"General", "FitTextAboveTheDimensionLineWithoutLeader", 4, nullptr, nullptr, RO, integer<&R::dimtmove>, nullptr},
    {"General", "FitTextNextToTheDimensionLine", 4, nullptr, nullptr, RO, integer<&R::dimtmove>, nullptr},
    {"General", "FitScaleFactor", 2, nullptr, nullptr, RO, real<&R::dimscale>, nullptr},
    {"General", "FitScaleDimensionsAccordingToSheet", 2, nullptr, nullptr, RO, real<&R::dimscale>, nullptr},
    {"General", "FitDimensionLinesBetweenExtensionLines", 3, nullptr, nullptr, RO, yesNo<&R::dimupt>, nullptr},
    {"General", "FitSpecifyTextPlacement", 3, nullptr, nullptr, RO, yesNo<&R::dimtofl>, nullptr},
    {"General", "LinearDimensionsFormat", 4, nullptr, nullptr, RO, integer<&R::dimlunit>, nullptr},
    {"General", "LinearDimensionsPrecision", 4, nullptr, nullptr, RO, integer<&R::dimdec>, nullptr},
    {"General", "LinearDimensionsFractionalDisplay", 4, nullptr, nullptr, RO, integer<&R::dimfrac>, nullptr},
    {"General", "LinearDimensionsDecimalSeparator", 3, nullptr, nullptr, RO, separator, nullptr},
    {"General", "LinearDimensionsRoundToTheNearest", 2, nullptr, nullptr, RO, real<&R::dimrnd>, nullptr},
    {"General", "Linear Dimensions Prefix", 3, nullptr, nullptr, RO, text<&R::dimpost>, nullptr},
    {"General", "LinearDimensionsScaleFactor", 2, nullptr, nullptr, RO, real<&R::dimlfac>, nullptr},
    {"General", "LinearDimensionsFollowSheet", 3, nullptr, nullptr, RO, followsSheet, nullptr},
    {"General", "Linear Dimensions Hide leading zeros", 4, nullptr, nullptr, RO, integer<&R::dimzin>, nullptr},
    {"General", "Linear Dimensions Hide trailing zeros", 4, nullptr, nullptr, RO, integer<&R::dimzin>, nullptr},
    {"General", "Linear Dimensions Hide zeros feet", 4, nullptr, nullptr, RO, integer<&R::dimzin>, nullptr},
    {"General", "Linear Dimensions Hide zeros inches", 4, nullptr, nullptr, RO, integer<&R::dimzin>, nullptr},
    {"General", "LineDimensionsStyle", 8, nullptr, nullptr, RO, id<&R::dimltype>, nullptr},
    {"General", "LineDimensionsWeight", 4, nullptr, nullptr, RO, integer<&R::dimlwd>, nullptr},
    {"General", "LineDimensionsColor", 5, nullptr, nullptr, RO, color<&R::dimclrd>, nullptr},
    {"General", "LineDimensionsOffset", 2, nullptr, nullptr, RO, real<&R::dimdli>, nullptr},
    {"General", "LineDimensionsDistStartArrow", 2, nullptr, nullptr, RO, real<&R::dimdle>, nullptr},
    {"General", "LineDimensionsSuppressDimLine1", 3, nullptr, nullptr, RO, yesNo<&R::dimsd1>, nullptr},
    {"General", "LineDimensionsSuppressDimLine2", 3, nullptr, nullptr, RO, yesNo<&R::dimsd2>, nullptr},
    {"General", "ExtLineDimensionsLine1", 8, nullptr, nullptr, RO, id<&R::dimltex1>, nullptr},
    {"General", "ExtLineDimensionsLine2", 8, nullptr, nullptr, RO, id<&R::dimltex2>, nullptr},
    {"General", "ExtLineDimensionsWeight", 4, nullptr, nullptr, RO, integer<&R::dimlwe>, nullptr},
    {"General", "ExtLineDimensionsColor", 5, nullptr, nullptr, RO, color<&R::dimclre>, nullptr},
    {"General", "ExtLineDimensionsOffset", 2, nullptr, nullptr, RO, real<&R::dimexo>, nullptr},
    {"General", "ExtLineDimensionsDistPastDimLines", 2, nullptr, nullptr, RO, real<&R::dimexe>, nullptr},
    {"General", "ExtLineDimensionsSuppressExtLine1", 3, nullptr, nullptr, RO, yesNo<&R::dimse1>, nullptr},
    {"General", "ExtLineDimensionsSuppressExtLine2", 3, nullptr, nullptr, RO, yesNo<&R::dimse2>, nullptr},
    {"General", "ExtLineDimensionsOffsetFixedLength_Length", 7, nullptr, nullptr, RO, fixedLength, nullptr},
    {"General", "CenterMarkDisplay", 2, nullptr, nullptr, RO, real<&R::dimcen>, nullptr},
    {"General", "RadiusDimensionJog", 2, nullptr, nullptr, RO, real<&R::dimjogang>, nullptr},
    {"General", "TextDimensionTextStyle", 8, nullptr, nullptr, RO, id<&R::dimtxsty>, nullptr},
    {"General", "TextDimensionTextColor", 5, nullptr, nullptr, RO, color<&R::dimclrt>, nullptr},
    {"General", "TextDimensionTextFill", 3, nullptr, nullptr, RO, textFill, nullptr},
    {"General", "TextDimensionTextHeight", 2, nullptr, nullptr, RO, real<&R::dimtxt>, nullptr},
    {"General", "TextDimensionTextFractionalScale", 2, nullptr, nullptr, RO, real<&R::dimtfac>, nullptr},
    {"General", "TextDimensionTextFrameDimensionText", 3, nullptr, nullptr, RO, framed, nullptr},
    {"General", "TextDimensionTextHorizontalPostion", 4, nullptr, nullptr, RO, integer<&R::dimjust>, nullptr},
    {"General", "TextDimensionTextVerticalPostion", 4, nullptr, nullptr, RO, integer<&R::dimtad>, nullptr},
    {"General", "TextDimensionTextOffsetFromDimLine", 2, nullptr, nullptr, RO, real<&R::dimgap>, nullptr},
    {"General", "TextDimensionTextAlignmentUseISOStandard", 4, nullptr, nullptr, RO, textAlignment, nullptr},
    {"General", "TextDimensionTextAlignmentAlignHorizontally", 4, nullptr, nullptr, RO, textAlignment, nullptr},
    {"General", "TextDimensionTextAlignmentAlignWithWimensionLines", 4, nullptr, nullptr, RO, textAlignment, nullptr},
    {"General", "ToleranceSettingsCalculation", 4, nullptr, nullptr, RO, toleranceCode, nullptr},
    {"General", "ToleranceSettingsPrecision", 4, nullptr, nullptr, RO, integer<&R::dimtdec>, nullptr},
    {"General", "ToleranceSettingsMaximumValue", 2, nullptr, nullptr, RO, real<&R::dimtp>, nullptr},
    {"General", "ToleranceSettingsMinimumValue", 2, nullptr, nullptr, RO, real<&R::dimtm>, nullptr},
    {"General", "ToleranceSettingsScale", 2, nullptr, nullptr, RO, real<&R::dimtfac>, nullptr},
    {"General", "ToleranceSettingsVerticalTextJustification", 4, nullptr, nullptr, RO, integer<&R::dimtolj>, nullptr},
    {"General", "ToleranceSettingsHideLeadingZeroes", 4, nullptr, nullptr, RO, integer<&R::dimtzin>, nullptr},
    {"General", "ToleranceSettingsHideTrailingZeroes", 4, nullptr, nullptr, RO, integer<&R::dimtzin>, nullptr},
    {"General", "ToleranceSettingsHideZeroFeet", 4, nullptr, nullptr, RO, integer<&R::dimtzin>, nullptr},
    {"General", "ToleranceSettingsHideZeroInches", 4, nullptr, nullptr, RO, integer<&R::dimtzin>, nullptr},
    {"General", "ToleranceSettingsDualDimPrecision", 4, nullptr, nullptr, RO, integer<&R::dimalttd>, nullptr},
    {"General", "ToleranceSettingsDualDimHideLeadingZeroes", 4, nullptr, nullptr, RO, integer<&R::dimalttz>, nullptr},
    {"General", "ToleranceSettingsDualDimHideTrailingZeroes", 4, nullptr, nullptr, RO, integer<&R::dimalttz>, nullptr},
    {"General", "ToleranceSettingsDualDimHideZeroFeet", 4, nullptr, nullptr, RO, integer<&R::dimalttz>, nullptr},
    {"General", "ToleranceSettingsDualDimHideZeroInches", 4, nullptr, nullptr, RO, integer<&R::dimalttz>, nullptr},
    {"General", "DimensionStyleName", 3, nullptr, nullptr, RO, styleName, nullptr},
};
}  // namespace

KD_DEFINE_PROPERTY_LEVEL(CKdDimensionStylePE, CKdPropertyPEImpl, "DimensionStyle", &OdDbDimStyleTableRecord::desc, kRows,
                         kd::Texts::Literal)
