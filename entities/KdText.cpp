#include "KdText.h"
#include "KdTextShared.h"

#include <cmath>

#include "Db/DbDatabase.h"
#include "Db/DbField.h"
#include "Db/DbText.h"
#include "Db/DbTextStyleTableRecord.h"
#include "KdAccess.h"
#include "KdChoiceLists.h"

namespace {
typedef CKdPropertyDescription Desc;
const double k2Pi = 6.283185307179586;

// The justifications a text can have, by tag.
struct Justification {
  const char* label;
  OdDb::TextHorzMode horz;
  OdDb::TextVertMode vert;
};
const Justification kJustifications[] = {
    {"Left", OdDb::kTextLeft, OdDb::kTextBase},          {"Center", OdDb::kTextCenter, OdDb::kTextBase},
    {"Right", OdDb::kTextRight, OdDb::kTextBase},        {"Aligned", OdDb::kTextAlign, OdDb::kTextBase},
    {"Middle", OdDb::kTextMid, OdDb::kTextBase},         {"Fit", OdDb::kTextFit, OdDb::kTextBase},
    {"Top Left", OdDb::kTextLeft, OdDb::kTextTop},       {"Top Center", OdDb::kTextCenter, OdDb::kTextTop},
    {"Top Right", OdDb::kTextRight, OdDb::kTextTop},     {"Middle Left", OdDb::kTextLeft, OdDb::kTextVertMid},
    {"Middle Center", OdDb::kTextCenter, OdDb::kTextVertMid}, {"Middle Right", OdDb::kTextRight, OdDb::kTextVertMid},
    {"Bottom Left", OdDb::kTextLeft, OdDb::kTextBottom}, {"Bottom Center", OdDb::kTextCenter, OdDb::kTextBottom},
    {"Bottom Right", OdDb::kTextRight, OdDb::kTextBottom},
};
const int kJustificationCount = int(sizeof(kJustifications) / sizeof(kJustifications[0]));

// The row of the text's mode pair; 0 ("Left") when no row has it.
int justificationOf(const OdDbText& t) {
  for (int i = 0; i < kJustificationCount; ++i)
    if (kJustifications[i].horz == t.horizontalMode() && kJustifications[i].vert == t.verticalMode()) return i;
  return 0;
}

typedef kd::PlainDouble<OdDbText, &OdDbText::thickness, &OdDbText::setThickness, true> Thickness;
typedef kd::UcsPoint<OdDbText, &OdDbText::alignmentPoint, &OdDbText::setAlignmentPoint> Align;
typedef kd::UcsPoint<OdDbText, &OdDbText::position, &OdDbText::setPosition> Position;

CKdVariant getContents(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbTextPtr t = kd::readable<OdDbText>(object);
  return t.isNull() ? CKdVariant() : CKdVariant(CKdString(t->textString()));
}
int setContents(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbTextPtr t = kd::writable<OdDbText>(object, value, CKdVariant::kString);
  if (t.isNull()) return KD_PROPERTY_FAILED;
  const OdString text = value.GetString().toOdString();
  if (text == t->textString()) return KD_PROPERTY_OK;
  kdtext::updateText(*t, text);
  return KD_PROPERTY_OK;
}

}  // namespace

namespace kdtext {

// Child fields whose values the new text still shows are kept, as markers
// numbered in the order they are found; a text that shows none drops the field.
void updateText(OdDbText& t, const OdString& text) {
  OdDbFieldPtr field = OdDbField::cast(t.getField(L"TEXT").openObject(OdDb::kForWrite));
  if (field.isNull()) {
    t.setTextString(text);
    return;
  }
  std::wstring code = text.wstr();
  OdDbObjectIdArray kept;
  for (int i = 0; i < field->childCount(); ++i) {
    OdDbFieldPtr child = OdDbField::cast(field->childId(i).openObject());
    if (child.isNull()) continue;
    const std::wstring shown = child->getFieldCode(OdDbField::kEvaluatedText).wstr();
    const size_t at = shown.empty() ? std::wstring::npos : code.find(shown);
    if (at == std::wstring::npos) continue;
    CKdString marker;
    marker.format(L"%%<\\_FldIdx %d>%%", int(kept.size()));
    kept.append(field->childId(i));
    code.replace(at, shown.size(), marker.wstr());
  }
  if (!kept.isEmpty()) {
    field->setFieldCode(OdString(code), OdDbField::kTextField, &kept);
    return;
  }
  field.release();
  t.removeField(L"TEXT");
  t.setTextString(text);
}

CKdVariant getJustify(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbTextPtr t = kd::readable<OdDbText>(object);
  if (t.isNull()) return CKdVariant();
  kd::Choice choices[kJustificationCount];
  for (int i = 0; i < kJustificationCount; ++i) choices[i] = {kJustifications[i].label, i};
  return kd::enumList(choices, justificationOf(*t));
}

// Carries the position and the alignment point over to the new justification.
int changeJustify(const OdDbObject* object, const Desc& d, const CKdVariant& value, const CKdVariant& context,
                  JustifyRule rule) {
  OdDbTextPtr t = kd::writable<OdDbText>(object, value, CKdVariant::kCollectionElement);
  long tag = 0;
  if (t.isNull() || !kd::choiceTag(value, tag) || tag < 0 || tag >= kJustificationCount) return KD_PROPERTY_FAILED;
  const Justification& to = kJustifications[tag];
  const CKdVariant list = getJustify(object, d, context);
  const CKdVariantCollection& c = list.GetCollection();
  const CKdString current = c.GetAt(c.GetSelectedIndex()).GetValue().GetString();
  if (t->horizontalMode() == to.horz && t->verticalMode() == to.vert) return KD_PROPERTY_OK;
  const bool fromAligned = current == kd::value("Aligned"), fromFit = current == kd::value("Fit");
  if (fromAligned || (fromFit && rule == JustifyRule::Definition)) {
    t->setRotation(0.0);
    t->setHeight(1.0);
  } else if (fromFit) {
    t->setRotation(0.0);
    t->setWidthFactor(1.0);
  }
  const CKdString target = kd::value(to.label);
  if (target == kd::value("Left") && !fromAligned && !fromFit) t->setPosition(t->alignmentPoint());
  if (target == kd::value("Aligned") || target == kd::value("Fit")) {
    OdGePoint3d point = t->position();
    OdArray<OdGePoint3d> box;
    t->getBoundingPoints(box);
    if (box.size() > 1) point.x = box[1].x;
    t->setAlignmentPoint(point);
    t->setHorizontalMode(to.horz);
    t->setVerticalMode(OdDb::kTextBase);
    t->adjustAlignment(rule == JustifyRule::Definition ? t->database() : nullptr);
    return KD_PROPERTY_OK;
  }
  if (current == kd::value("Left")) t->setAlignmentPoint(t->position());
  t->setHorizontalMode(to.horz);
  t->setVerticalMode(to.vert);
  return KD_PROPERTY_OK;
}

// Left texts have no alignment point of their own.
bool isAlignmentReadOnly(const OdDbObject* object, const Desc&) {
  OdDbTextPtr t = kd::readable<OdDbText>(object);
  return !t.isNull() && t->horizontalMode() == OdDb::kTextLeft && t->verticalMode() == OdDb::kTextBase;
}
// The position follows the alignment point except for left, aligned and fitted texts.
bool isPositionReadOnly(const OdDbObject* object, const Desc&) {
  OdDbTextPtr t = kd::readable<OdDbText>(object);
  if (t.isNull()) return false;
  const OdDb::TextHorzMode h = t->horizontalMode();
  if (h == OdDb::kTextAlign || h == OdDb::kTextFit) return false;
  return !(h == OdDb::kTextLeft && t->verticalMode() == OdDb::kTextBase);
}
bool isRotationReadOnly(const OdDbObject* object, const Desc& d) {
  const CKdVariant list = getJustify(object, d, CKdVariant());
  if (list.GetType() != CKdVariant::kCollection) return false;
  const int selected = list.GetCollection().GetSelectedIndex();
  return selected == 3 || selected == 5;
}
}  // namespace kdtext

namespace {
using kdtext::getJustify;
using kdtext::isAlignmentReadOnly;
using kdtext::isPositionReadOnly;
using kdtext::isRotationReadOnly;
int setJustify(const OdDbObject* object, const Desc& d, const CKdVariant& value, const CKdVariant& context) {
  return kdtext::changeJustify(object, d, value, context, kdtext::JustifyRule::Text);
}


// The style's flag; false when the style cannot be opened.
bool styleFlag(const OdDbText& t, bool (OdDbTextStyleTableRecord::*flag)() const) {
  OdDbObjectPtr opened = t.textStyle().openObject();
  OdDbTextStyleTableRecordPtr style = OdDbTextStyleTableRecord::cast(opened);
  return !style.isNull() && ((*style).*flag)();
}

template <bool (OdDbTextStyleTableRecord::*StyleFlag)() const, bool (OdDbText::*TextFlag)() const>
CKdVariant getMirror(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbTextPtr t = kd::readable<OdDbText>(object);
  if (t.isNull()) return CKdVariant();
  return kd::booleanList(styleFlag(*t, StyleFlag) || ((*t).*TextFlag)(), kd::BoolLabels::YesNo);
}
template <void (OdDbText::*Mirror)(bool), bool (OdDbText::*TextFlag)() const>
int setMirror(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbTextPtr t = kd::writable<OdDbText>(object, value, CKdVariant::kCollectionElement);
  long tag = 0;
  if (t.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
  if (tag == 0 || tag == 1) ((*t).*Mirror)(kd::booleanFromTag(tag, ((*t).*TextFlag)()));
  return KD_PROPERTY_OK;
}
template <bool (OdDbTextStyleTableRecord::*StyleFlag)() const>
bool isMirrorReadOnly(const OdDbObject* object, const Desc&) {
  OdDbTextPtr t = kd::readable<OdDbText>(object);
  return !t.isNull() && styleFlag(*t, StyleFlag);
}
#define KD_UPSIDE_DOWN &OdDbTextStyleTableRecord::isUpsideDown, &OdDbText::isMirroredInY
#define KD_BACKWARD &OdDbTextStyleTableRecord::isBackwards, &OdDbText::isMirroredInX

// Height and width: values within 1e-10 of zero keep the text's own.
template <double (OdDbText::*Get)() const, OdResult (OdDbText::*Set)(double)>
int setSize(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbTextPtr t = kd::writable<OdDbText>(object, value, CKdVariant::kDouble);
  if (t.isNull()) return KD_PROPERTY_FAILED;
  const double v = value.GetDouble();
  ((*t).*Set)(std::fabs(v) <= 1e-10 ? ((*t).*Get)() : v);
  return KD_PROPERTY_OK;
}
using kdtext::getAngle;
using kdtext::getValue;
using kdtext::setAngle;

const kd::PropertyRow* row(const char* name);

// The new style, and the style's settings through this class's own setters.
int setStyle(const OdDbObject* object, const Desc& d, const CKdVariant& value, const CKdVariant& context) {
  OdDbTextPtr t = kd::writable<OdDbText>(object, value, CKdVariant::kCollectionElement);
  if (t.isNull()) return KD_PROPERTY_FAILED;
  const CKdVariant& tag = value.GetCollectionElement().GetTag();
  if (tag.GetType() != CKdVariant::kId || t->setTextStyle(tag.GetId()) != eOk) return KD_PROPERTY_FAILED;
  OdDbObjectPtr opened = tag.GetId().openObject();
  if (opened.isNull()) return KD_PROPERTY_OK;
  OdDbTextStyleTableRecordPtr style = opened;  // a record of another kind is an error of the drawing
  auto answer = [](bool flag) { return CKdVariant(CKdVariantCollectionElement(CKdVariant(), CKdVariant(flag ? 1L : 0L))); };
  row("Angle")->set(object, d, CKdVariant(style->obliquingAngle(), true), context);
  row("Spacing")->set(object, d, CKdVariant(style->xScale(), true), context);
  row("UpsideDown")->set(object, d, answer(style->isUpsideDown()), context);
  row("Backward")->set(object, d, answer(style->isBackwards()), context);
  return KD_PROPERTY_OK;
}

const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
typedef CKdPropertyType T;

const kd::PropertyRow kRows[] = {
    {"General", "Thickness", 0, nullptr, ":/General/General_Thickness.png", RW, Thickness::get, Thickness::set},
    {"Text", "Contents", 0, nullptr, ":/Text/Text_ContentsSimple.png", RW, getContents, setContents},
    {"Text", "TextStyle", 0, nullptr, ":/Text/Text_TextStyle.png", RW, kd::textStyleList<OdDbText, &OdDbText::textStyle>, setStyle},
    {"Text", "Justify", 0, nullptr, ":/Text/Text_Justify.png", RW, getJustify, setJustify},
    {"Text", "Height", 0, nullptr, ":/Text/Text_Height.png", RW, getValue<&OdDbText::height>,
     setSize<&OdDbText::height, &OdDbText::setHeight>},
    {"Text", "Rotation", 2, T::kAngleGUID, ":/Text/Text_Rotation.png", isRotationReadOnly,
     getAngle<&OdDbText::rotation>, setAngle<&OdDbText::setRotation>},
    {"Text", "Spacing", 0, nullptr, ":/Text/Text_WidthFactor.png", RW, getValue<&OdDbText::widthFactor>,
     setSize<&OdDbText::widthFactor, &OdDbText::setWidthFactor>},
    {"Text", "Angle", 2, T::kAngleGUID, ":/Text/Text_Obliquing.png", RW, getAngle<&OdDbText::oblique>,
     setAngle<&OdDbText::setOblique>},
    {"Text", "Text alignment X", 0, nullptr, ":/Text/Text_TextAlignmentX.png", isAlignmentReadOnly, Align::X::get, Align::X::set},
    {"Text", "Text alignment Y", 0, nullptr, ":/Text/Text_TextAlignmentY.png", isAlignmentReadOnly, Align::Y::get, Align::Y::set},
    {"Text", "Text alignment Z", 0, nullptr, ":/Text/Text_TextAlignmentZ.png", isAlignmentReadOnly, Align::Z::get, Align::Z::set},
    {"Geometry", "Position X", 2, T::kCoordinateXGUID, ":/Geometry/Geometry_CoordinateX.png", isPositionReadOnly, Position::X::get, Position::X::set},
    {"Geometry", "Position Y", 2, T::kCoordinateYGUID, ":/Geometry/Geometry_CoordinateY.png", isPositionReadOnly, Position::Y::get, Position::Y::set},
    {"Geometry", "Position Z", 2, T::kCoordinateZGUID, ":/Geometry/Geometry_CoordinateZ.png", isPositionReadOnly, Position::Z::get, Position::Z::set},
    {"Misc", "UpsideDown", 0, nullptr, ":/Misc/Misc_UpsideDown.png", isMirrorReadOnly<&OdDbTextStyleTableRecord::isUpsideDown>,
     getMirror<KD_UPSIDE_DOWN>, setMirror<&OdDbText::mirrorInY, &OdDbText::isMirroredInY>},
    {"Misc", "Backward", 0, nullptr, ":/Misc/Misc_Backward.png", isMirrorReadOnly<&OdDbTextStyleTableRecord::isBackwards>,
     getMirror<KD_BACKWARD>, setMirror<&OdDbText::mirrorInX, &OdDbText::isMirroredInX>},
};

const kd::PropertyRow* row(const char* name) {
  for (const kd::PropertyRow& r : kRows)
    if (std::string(r.name) == name) return &r;
  return nullptr;
}
}  // namespace

KD_DEFINE_PROPERTY_PE(CKdTextPE, CKdEntityPE, OdDbText, "Simplenote", kRows)

CKdString CKdTextInfo::GetClassNameW(const OdDbObject*) const { return CKdString(L"SIMPLENOTE"); }

void CKdTextInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<OdDbText>(*this, object, context, [](const OdDbText& t, CKdPrintInfoContext& out) {
    OdDbObjectPtr opened = t.textStyle().openObject();
    OdDbTextStyleTableRecordPtr style = OdDbTextStyleTableRecord::cast(opened);
    if (style.isNull()) return;  // the listing ends with the header
    out.PrintString(kd::infoItem("TextStyle"), CKdString(style->getName()));
    out.PrintString(kd::infoItem("Typeface"), CKdString(style->typeface()));
    out.PrintString(kd::infoItem("Font file"), CKdString(style->fileName()));
    out.PrintPoint(kd::infoItem("Start point"), t.position());
    out.PrintDist(kd::infoItem("height"), t.height());
    out.PrintString(kd::infoItem("text"), CKdString(t.textString()));
    out.PrintAngle(kd::infoItem("rotation angle"), t.rotation());
    out.PrintScale(kd::infoItem("width scale"), t.widthFactor());
    out.PrintAngle(kd::infoItem("obliquing angle"), t.oblique());
  });
}
