#include "Db/DbMText.h"

#include <cmath>

#include "Db/DbAssign.h"
#include "Db/DbDatabase.h"
#include "Db/DbSymbolTable.h"
#include "Db/DbTextMetrics.h"
#include "Db/DbTextStyleTableRecord.h"
#include "Dxf/DxfFiler.h"
#include "Ge/GeConst.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbMText, OdDbEntity, L"MTEXT", new OdDbMText)

namespace {
// The X and Y axes of the object coordinate system of a normal.
void ocsAxes(const OdGeVector3d& normal, OdGeVector3d& x, OdGeVector3d& y) {
  x = normal.perpVector();
  y = normal.normal().crossProduct(x);
}
}  // namespace

OdGePoint3d OdDbMText::location() const {
  assertReadEnabled();
  return m_location;
}
OdResult OdDbMText::setLocation(const OdGePoint3d& point) {
  assertWriteEnabled();
  return odDbAssignFinite(m_location, point);
}
OdGeVector3d OdDbMText::normal() const {
  assertReadEnabled();
  return m_normal;
}
OdResult OdDbMText::setNormal(const OdGeVector3d& normal) {
  assertWriteEnabled();
  const double angle = rotation();
  if (odDbAssignNormal(m_normal, normal) != eOk) return eInvalidInput;
  return setRotation(angle);  // the direction turns with the plane
}
OdGeVector3d OdDbMText::direction() const {
  assertReadEnabled();
  return m_direction;
}
OdResult OdDbMText::setDirection(const OdGeVector3d& direction) {
  assertWriteEnabled();
  if (!direction.isFinite()) return eInvalidInput;
  const OdGeVector3d n = m_normal.normal();
  const OdGeVector3d inPlane = direction - n * direction.dotProduct(n);
  const double length = inPlane.length();
  if (!(length > 1e-12 * (1.0 + direction.length()))) return eInvalidInput;
  m_direction = inPlane / length;
  return eOk;
}
double OdDbMText::rotation() const {
  assertReadEnabled();
  // The angle last given, while the direction is still the one it made.
  if (m_direction.x == m_angleDirection.x && m_direction.y == m_angleDirection.y && m_direction.z == m_angleDirection.z)
    return m_angle;
  OdGeVector3d x, y;
  ocsAxes(m_normal, x, y);
  return std::atan2(m_direction.dotProduct(y), m_direction.dotProduct(x));
}
OdResult OdDbMText::setRotation(double angle) {
  assertWriteEnabled();
  if (!std::isfinite(angle)) return eInvalidInput;
  OdGeVector3d x, y;
  ocsAxes(m_normal, x, y);
  m_direction = x * std::cos(angle) + y * std::sin(angle);
  m_angle = angle;
  m_angleDirection = m_direction;
  return eOk;
}
double OdDbMText::width() const {
  assertReadEnabled();
  return m_width;
}
OdResult OdDbMText::setWidth(double width) {
  assertWriteEnabled();
  if (!std::isfinite(width) || width < 0.0) return eInvalidInput;
  m_width = width;
  return eOk;
}
double OdDbMText::textHeight() const {
  assertReadEnabled();
  return m_height;
}
OdResult OdDbMText::setTextHeight(double height) {
  assertWriteEnabled();
  return odDbAssignPositive(m_height, height);
}
OdDbMText::AttachmentPoint OdDbMText::attachment() const {
  assertReadEnabled();
  return m_attachment;
}
OdResult OdDbMText::setAttachment(AttachmentPoint attachment) {
  assertWriteEnabled();
  if (attachment < kTopLeft || attachment > kBottomRight) return eInvalidInput;
  m_attachment = attachment;
  return eOk;
}
OdDbMText::FlowDirection OdDbMText::flowDirection() const {
  assertReadEnabled();
  return m_flow;
}
OdResult OdDbMText::setFlowDirection(FlowDirection direction) {
  assertWriteEnabled();
  if (direction < kLtoR || direction > kByStyle) return eInvalidInput;
  m_flow = direction;
  return eOk;
}
double OdDbMText::lineSpacingFactor() const {
  assertReadEnabled();
  return m_spacingFactor;
}
OdResult OdDbMText::setLineSpacingFactor(double factor) {
  assertWriteEnabled();
  if (!(factor >= 0.25 && factor <= 4.0)) return eInvalidInput;
  m_spacingFactor = factor;
  return eOk;
}
OdDb::LineSpacingStyle OdDbMText::lineSpacingStyle() const {
  assertReadEnabled();
  return m_spacingStyle;
}
OdResult OdDbMText::setLineSpacingStyle(OdDb::LineSpacingStyle style) {
  assertWriteEnabled();
  if (style != OdDb::kAtLeast && style != OdDb::kExactly) return eInvalidInput;
  m_spacingStyle = style;
  return eOk;
}
bool OdDbMText::backgroundFillOn() const {
  assertReadEnabled();
  return (m_background & 3) != 0;
}
OdResult OdDbMText::setBackgroundFill(bool on) {
  assertWriteEnabled();
  m_background = on ? (backgroundFillOn() ? m_background : m_background | 1) : (m_background & ~3);
  return eOk;
}
OdString OdDbMText::contents() const {
  assertReadEnabled();
  return m_contents;
}
OdResult OdDbMText::setContents(const OdString& contents) {
  assertWriteEnabled();
  m_contents = contents;
  return eOk;
}
OdDbObjectId OdDbMText::textStyle() const {
  assertReadEnabled();
  return m_style;
}
OdResult OdDbMText::setTextStyle(OdDbObjectId style) {
  assertWriteEnabled();
  if (style.isNull()) return eInvalidInput;
  m_style = style;
  return eOk;
}

std::vector<std::wstring> OdDbMText::shownLines() const {
  assertReadEnabled();
  return odDbWrapLines(odDbMTextLines(m_contents), m_width, m_height);
}

double OdDbMText::actualWidth() const {
  size_t longest = 0;
  for (const std::wstring& line : shownLines()) longest = std::max(longest, line.size());
  return odDbTextWidth(longest, m_height);
}

double OdDbMText::actualHeight() const {
  const size_t lines = std::max<size_t>(1, shownLines().size());
  return m_height + double(lines - 1) * kOdDbLineSpacing * m_height * m_spacingFactor;
}

void OdDbMText::getBoundingPoints(OdArray<OdGePoint3d>& points) const {
  assertReadEnabled();
  const double w = actualWidth(), h = actualHeight();
  const OdGeVector3d x = m_direction, y = m_normal.normal().crossProduct(m_direction);
  const int column = (int(m_attachment) - 1) % 3, row = (int(m_attachment) - 1) / 3;
  const OdGePoint3d topLeft = m_location - x * (w * 0.5 * column) + y * (h * 0.5 * row);
  points.clear();
  points.append(topLeft);
  points.append(topLeft + x * w);
  points.append(topLeft - y * h);
  points.append(topLeft - y * h + x * w);
}

void OdDbMText::setDatabaseDefaults(OdDbDatabase* db) {
  OdDbEntity::setDatabaseDefaults(db);
  if (db && m_style.isNull()) m_style = db->header().textstyle;
}

void OdDbMText::dxfInFields(const OdDxfIn& in) {
  OdDbEntity::dxfInFields(in);
  const char* S = "AcDbMText";
  m_location = in.point(S, 10);
  m_height = in.real(S, 40, 2.5);
  if (!(m_height > 0.0)) m_height = 2.5;
  m_width = in.real(S, 41, 0.0);
  if (!(m_width >= 0.0)) m_width = 0.0;
  const int attachment = in.integer(S, 71, kTopLeft);
  m_attachment = attachment >= kTopLeft && attachment <= kBottomRight ? AttachmentPoint(attachment) : kTopLeft;
  const int flow = in.integer(S, 72, kLtoR);
  m_flow = flow >= kLtoR && flow <= kByStyle ? FlowDirection(flow) : kLtoR;
  // Contents longer than a value holds come as 3 tags before the last part in a 1.
  std::string raw;
  for (const OdDxfTag* t : in.section(S))
    if (t->code == 3 || t->code == 1) raw += in.text(*t);
  m_contents = in.codec().decode(raw);
  m_normal = in.normal(S);
  m_direction = in.has(S, 11) ? in.vector(S, 11, OdGeVector3d::kXAxis) : OdGeVector3d();
  if (m_direction.isZeroLength() || setDirection(m_direction) != eOk) setRotation(OdaToRadian(in.real(S, 50, 0.0)));
  const int spacing = in.integer(S, 73, OdDb::kAtLeast);
  m_spacingStyle = spacing == OdDb::kExactly ? OdDb::kExactly : OdDb::kAtLeast;
  m_spacingFactor = in.real(S, 44, 1.0);
  if (!(m_spacingFactor > 0.0)) m_spacingFactor = 1.0;
  m_background = in.integer(S, 90, 0);
  if (OdDbDatabase* db = in.database()) {
    OdDbSymbolTablePtr styles = OdDbSymbolTable::cast(db->getTextStyleTableId().openObject());
    if (!styles.isNull()) m_style = styles->getAt(in.string(S, 7, L"Standard"));
  }
}

void OdDbMText::dxfOutFields(OdDxfOut& out) const {
  OdDbEntity::dxfOutFields(out);
  out.subclass("AcDbMText");
  out.point(10, m_location);
  out.real(40, m_height);
  out.realOpt(41, m_width, 0.0);
  out.integer(71, m_attachment);
  out.integerOpt(72, m_flow, kLtoR);
  out.longString(1, 3, m_contents);
  OdDbTextStyleTableRecordPtr style = OdDbTextStyleTableRecord::cast(m_style.openObject());
  if (style.isNull() || style->getName().iCompare(L"Standard") == 0) out.original(7);
  else out.name(7, style->getName());
  out.normal(210, m_normal);
  // The direction as the file gave it: a vector, or an angle in degrees.
  OdGeVector3d x, y;
  ocsAxes(m_normal, x, y);
  if (out.fromFile() && !out.hadField(11) && out.hadField(50)) {
    out.own(11);
    out.angle(50, rotation());
  } else {
    out.normal(11, m_direction, x);
    out.own(50);
  }
  out.integerOpt(73, m_spacingStyle, OdDb::kAtLeast);
  out.realOpt(44, m_spacingFactor, 1.0);
  // Background fill: drawings from release 2007 on hold it.
  const OdDbDatabase* db = database();
  const bool holdsFill = !db || db->header().acadver.compare(L"AC1021") >= 0;
  if (holdsFill && (m_background != 0 || out.hadField(90))) {
    out.integer(90, m_background);
    if ((m_background & 1) && !out.hadField(63)) out.integer(63, 256);
    if (m_background && !out.hadField(45)) out.real(45, 1.5);
  } else {
    out.own(90);
  }
}
