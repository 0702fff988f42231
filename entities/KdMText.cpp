#include "KdMText.h"

#include <cmath>

#include "CKdDocument.h"
#include "Db/DbDatabase.h"
#include "Db/DbMText.h"
#include "Db/DbTextStyleTableRecord.h"
#include "KdAccess.h"
#include "KdChoiceLists.h"

namespace {
typedef CKdPropertyDescription Desc;
const double k2Pi = 6.283185307179586;
const double kLineSpacing = 5.0 / 3.0;  // line space distance of a factor, in text heights

typedef kd::UcsPoint<OdDbMText, &OdDbMText::location, &OdDbMText::setLocation> Position;
typedef kd::PlainDouble<OdDbMText, &OdDbMText::width, &OdDbMText::setWidth, true> Width;
typedef kd::PlainDouble<OdDbMText, &OdDbMText::textHeight, &OdDbMText::setTextHeight, true> Height;

CKdVariant getContents(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbMTextPtr t = kd::readable<OdDbMText>(object);
  return t.isNull() ? CKdVariant() : CKdVariant(CKdString(t->contents()));
}
int setContents(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbMTextPtr t = kd::writable<OdDbMText>(object, value, CKdVariant::kString);
  if (t.isNull()) return KD_PROPERTY_FAILED;
  t->setContents(value.GetString().toOdString());
  return KD_PROPERTY_OK;
}

int setStyle(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbMTextPtr t = kd::writable<OdDbMText>(object, value, CKdVariant::kCollectionElement);
  if (t.isNull()) return KD_PROPERTY_FAILED;
  const CKdVariant& tag = value.GetCollectionElement().GetTag();
  if (tag.GetType() != CKdVariant::kId || t->setTextStyle(tag.GetId()) != eOk) return KD_PROPERTY_FAILED;
  return KD_PROPERTY_OK;
}

// A property of the text kept as one of a few codes, shown as a choice list
// (the first element when no element has the code); the answer's tag is set
// as it is (the database refuses codes it does not know).
template <class E, E (OdDbMText::*Get)() const, OdResult (OdDbMText::*Set)(E), const kd::Choice* Choices, size_t N>
struct CodeChoice {
  static CKdVariant get(const OdDbObject* object, const Desc&, const CKdVariant&) {
    OdDbMTextPtr t = kd::readable<OdDbMText>(object);
    return t.isNull() ? CKdVariant() : kd::enumList(Choices, N, ((*t).*Get)(), 0);
  }
  static int set(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
    OdDbMTextPtr t = kd::writable<OdDbMText>(object, value, CKdVariant::kCollectionElement);
    long tag = 0;
    if (t.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
    ((*t).*Set)(E(tag));
    return KD_PROPERTY_OK;
  }
};

const kd::Choice kJustify[] = {{"Top Left", 1},    {"Top Center", 2},    {"Top Right", 3},
                               {"Middle Left", 4}, {"Middle Center", 5}, {"Middle Right", 6},
                               {"Bottom Left", 7}, {"Bottom Center", 8}, {"Bottom Right", 9}};
typedef CodeChoice<OdDbMText::AttachmentPoint, &OdDbMText::attachment, &OdDbMText::setAttachment, kJustify, 9> Attachment;
// The location moves to the matching point of the current box, so the text stays where it is.
int setJustify(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbMTextPtr t = kd::writable<OdDbMText>(object, value, CKdVariant::kCollectionElement);
  long tag = 0;
  if (t.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
  OdArray<OdGePoint3d> b;
  t->getBoundingPoints(b);
  auto mid = [](const OdGePoint3d& p, const OdGePoint3d& q) {
    return OdGePoint3d((p.x + q.x) * 0.5, (p.y + q.y) * 0.5, (p.z + q.z) * 0.5);
  };
  if (b.size() == 4 && tag >= 1 && tag <= 9) {
    const OdGePoint3d to[9] = {b[0], mid(b[0], b[1]), b[1], mid(b[0], b[2]), mid(b[0], b[3]),
                               mid(b[1], b[3]), b[2], mid(b[2], b[3]), b[3]};
    t->setLocation(to[tag - 1]);
  }
  t->setAttachment(OdDbMText::AttachmentPoint(tag));
  return KD_PROPERTY_OK;
}

const kd::Choice kDirection[] = {{"Horizontal", 1}, {"Vertical", 3}, {"ByStyle", 5}};
typedef CodeChoice<OdDbMText::FlowDirection, &OdDbMText::flowDirection, &OdDbMText::setFlowDirection, kDirection, 3> Direction;

// The angle from the world X axis (turned half round for a UCS seen from
// below) to the UCS X axis, about the UCS Z axis.
double ucsOffset() {
  OdGePoint3d origin;
  OdGeVector3d xAxis = OdGeVector3d::kXAxis, yAxis = OdGeVector3d::kYAxis;
  if (CKdDocument* doc = ACTIVE_DOCUMENT()) {
    origin = doc->GetUcsOrigin();
    xAxis = doc->GetUcsXAxis();
    yAxis = doc->GetUcsYAxis();
  }
  const OdGeVector3d zAxis = xAxis.crossProduct(yAxis);
  OdGeVector3d v = OdGeVector3d::kXAxis;
  if (zAxis.x == 0.0 && zAxis.y == 0.0 && zAxis.z == -1.0) v.rotateBy(3.141592653589793, OdGeVector3d::kZAxis);
  return v.angleTo(xAxis, zAxis);
}
CKdVariant getRotation(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbMTextPtr t = kd::readable<OdDbMText>(object);
  if (t.isNull()) return CKdVariant();
  double r = t->rotation();
  if (r < 0.0) r += k2Pi;
  return CKdVariant(r - ucsOffset(), true);
}
int setRotation(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbMTextPtr t = kd::writable<OdDbMText>(object, value, CKdVariant::kDouble);
  if (t.isNull()) return KD_PROPERTY_FAILED;
  t->setRotation(ucsOffset() + value.GetDouble());
  return KD_PROPERTY_OK;
}

CKdVariant getMask(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbMTextPtr t = kd::readable<OdDbMText>(object);
  return t.isNull() ? CKdVariant() : kd::booleanList(t->backgroundFillOn(), kd::BoolLabels::YesNo);
}
int setMask(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbMTextPtr t = kd::writable<OdDbMText>(object, value, CKdVariant::kCollectionElement);
  long tag = 0;
  if (t.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
  if (tag == 0 || tag == 1) t->setBackgroundFill(tag == 1);
  return KD_PROPERTY_OK;
}

CKdVariant getFactor(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbMTextPtr t = kd::readable<OdDbMText>(object);
  return t.isNull() ? CKdVariant() : CKdVariant(t->lineSpacingFactor(), true);
}
// Factors from 0.25 to 4.0, both ends allowed.
int setFactorChecked(OdDbMText& t, double factor) {
  if (!(factor >= 0.25 && factor <= 4.0)) return kd::reject("Invalid input");
  t.setLineSpacingFactor(factor);
  return KD_PROPERTY_OK;
}
int setFactor(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbMTextPtr t = kd::writable<OdDbMText>(object, value, CKdVariant::kDouble);
  return t.isNull() ? KD_PROPERTY_FAILED : setFactorChecked(*t, value.GetDouble());
}
CKdVariant getDistance(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbMTextPtr t = kd::readable<OdDbMText>(object);
  return t.isNull() ? CKdVariant() : CKdVariant(t->textHeight() * t->lineSpacingFactor() * kLineSpacing, true);
}
int setDistance(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbMTextPtr t = kd::writable<OdDbMText>(object, value, CKdVariant::kDouble);
  if (t.isNull()) return KD_PROPERTY_FAILED;
  return setFactorChecked(*t, value.GetDouble() / kLineSpacing / t->textHeight());
}

const kd::Choice kSpacingStyle[] = {{"At least", 1}, {"Exactly", 2}};
typedef CodeChoice<OdDb::LineSpacingStyle, &OdDbMText::lineSpacingStyle, &OdDbMText::setLineSpacingStyle, kSpacingStyle, 2>
    SpacingStyle;

const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
typedef CKdPropertyType T;

const kd::PropertyRow kRows[] = {
    {"Text", "Contents", 0, nullptr, ":/Text/Text_Contents.png", RW, getContents, setContents},
    {"Text", "Style", 0, nullptr, ":/Text/Text_TextStyle.png", RW, kd::textStyleList<OdDbMText, &OdDbMText::textStyle>, setStyle},
    {"Text", "Justify", 0, nullptr, ":/Text/Text_Justify.png", RW, Attachment::get, setJustify},
    {"Text", "Direction", 0, nullptr, ":/Text/Text_Direction.png", RW, Direction::get, Direction::set},
    {"Text", "Width", 2, nullptr, ":/Text/Text_Width.png", RW, Width::get, Width::set},
    {"Text", "Text Height", 2, nullptr, ":/Text/Text_Height.png", RW, Height::get, Height::set},
    {"Text", "Rotation", 2, T::kAngleGUID, ":/Text/Text_Rotation.png", RW, getRotation, setRotation},
    {"Text", "Background mask", 0, nullptr, ":/Text/Text_BackgroundMask.png", RW, getMask, setMask},
    {"Text", "Line space factor", 0, nullptr, ":/Text/Text_LineSpaceFactor.png", RW, getFactor, setFactor},
    {"Text", "Line space distance", 0, nullptr, ":/Text/Text_LineSpaceDistance.png", RW, getDistance, setDistance},
    {"Text", "Line space style", 0, nullptr, ":/Text/Text_LineSpaceStyle.png", RW, SpacingStyle::get, SpacingStyle::set},
    {"Geometry", "Position X", 2, T::kCoordinateXGUID, ":/Geometry/Geometry_CoordinateX.png", RW, Position::X::get, Position::X::set},
    {"Geometry", "Position Y", 2, T::kCoordinateYGUID, ":/Geometry/Geometry_CoordinateY.png", RW, Position::Y::get, Position::Y::set},
    {"Geometry", "Position Z", 2, T::kCoordinateZGUID, ":/Geometry/Geometry_CoordinateZ.png", RW, Position::Z::get, Position::Z::set},
};

const char* attachmentWord(int a) {
  static const char* const kWords[] = {"TopLeft",    "TopCenter",  "TopRight",    "MiddleLeft", "MiddleCenter",
                                       "MiddleRight", "BottomLeft", "BottomCenter", "BottomRight"};
  return a >= 1 && a <= 9 ? kWords[a - 1] : "Unknown";
}
const char* flowWord(int f) {
  static const char* const kWords[] = {"Left to Right", "Right to Left", "Top to Bottom", "Bottom to Top", "ByStyle"};
  return f >= 1 && f <= 5 ? kWords[f - 1] : "Unknown";
}
}  // namespace

KD_DEFINE_PROPERTY_PE(CKdMTextPE, CKdEntityPE, OdDbMText, "Note", kRows)

CKdString CKdMTextInfo::GetClassNameW(const OdDbObject*) const { return CKdString(L"NOTE"); }

void CKdMTextInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<OdDbMText>(*this, object, context, [](const OdDbMText& t, CKdPrintInfoContext& out) {
    out.PrintPoint(kd::infoItem("Position"), t.location());
    out.PrintDist(kd::infoItem("Width"), t.width());
    OdGeVector3d normal = t.normal();
    out.PrintVector3D(kd::infoItem("Normal"), normal);
    out.PrintAngle(kd::infoItem("Angle"), t.rotation());
    OdDbObjectPtr opened = t.textStyle().openObject();
    OdDbTextStyleTableRecordPtr style = opened;  // a style that is not one is an error of the drawing
    out.PrintString(kd::infoItem("TextStyle"), style.isNull() ? CKdString() : CKdString(style->getName()));
    out.PrintDist(kd::infoItem("Text Height"), t.textHeight());
    out.PrintDist(kd::infoItem("Line Spacing"), t.lineSpacingFactor());
    out.PrintString(kd::infoItem("Attachment"), kd::infoValue(attachmentWord(t.attachment())));
    out.PrintString(kd::infoItem("Flow direction"), kd::infoValue(flowWord(t.flowDirection())));
    out.PrintString(kd::infoItem("Contents"), CKdString(t.contents()));
  });
}
