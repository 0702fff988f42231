#include "Db/DbArcAlignedText.h"

#include <cmath>

#include "Db/DbAssign.h"
#include "Db/DbDatabase.h"
#include "Db/DbSymbolTable.h"
#include "Db/DbTextStyleTableRecord.h"
#include "Dxf/DxfFiler.h"
#include "Ge/GeConst.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbArcAlignedText, OdDbEntity, L"ARCALIGNEDTEXT", new OdDbArcAlignedText)

namespace {
OdResult assignAngle(double& member, double angle) {
  if (!std::isfinite(angle)) return eInvalidInput;
  member = OdaNormalizedAngle(angle);
  return eOk;
}
}  // namespace

OdString OdDbArcAlignedText::textString() const {
  assertReadEnabled();
  return m_text;
}
OdResult OdDbArcAlignedText::setTextString(const OdString& text) {
  assertWriteEnabled();
  m_text = text;
  return eOk;
}
OdDbObjectId OdDbArcAlignedText::textStyle() const {
  assertReadEnabled();
  return m_style;
}
OdResult OdDbArcAlignedText::setTextStyle(OdDbObjectId style) {
  assertWriteEnabled();
  if (style.isNull()) return eInvalidInput;
  m_style = style;
  return eOk;
}
double OdDbArcAlignedText::textSize() const {
  assertReadEnabled();
  return m_size;
}
OdResult OdDbArcAlignedText::setTextSize(double size) {
  assertWriteEnabled();
  return odDbAssignPositive(m_size, size);
}
double OdDbArcAlignedText::xScale() const {
  assertReadEnabled();
  return m_xScale;
}
OdResult OdDbArcAlignedText::setXScale(double factor) {
  assertWriteEnabled();
  return odDbAssignPositive(m_xScale, factor);
}
double OdDbArcAlignedText::charSpacing() const {
  assertReadEnabled();
  return m_charSpacing;
}
OdResult OdDbArcAlignedText::setCharSpacing(double spacing) {
  assertWriteEnabled();
  return odDbAssignFinite(m_charSpacing, spacing);
}
OdGePoint3d OdDbArcAlignedText::center() const {
  assertReadEnabled();
  return m_center;
}
OdResult OdDbArcAlignedText::setCenter(const OdGePoint3d& center) {
  assertWriteEnabled();
  return odDbAssignFinite(m_center, center);
}
double OdDbArcAlignedText::radius() const {
  assertReadEnabled();
  return m_radius;
}
OdResult OdDbArcAlignedText::setRadius(double radius) {
  assertWriteEnabled();
  return odDbAssignPositive(m_radius, radius);
}
double OdDbArcAlignedText::startAngle() const {
  assertReadEnabled();
  return m_start;
}
OdResult OdDbArcAlignedText::setStartAngle(double angle) {
  assertWriteEnabled();
  return assignAngle(m_start, angle);
}
double OdDbArcAlignedText::endAngle() const {
  assertReadEnabled();
  return m_end;
}
OdResult OdDbArcAlignedText::setEndAngle(double angle) {
  assertWriteEnabled();
  return assignAngle(m_end, angle);
}
OdGeVector3d OdDbArcAlignedText::normal() const {
  assertReadEnabled();
  return m_normal;
}
OdResult OdDbArcAlignedText::setNormal(const OdGeVector3d& normal) {
  assertWriteEnabled();
  return odDbAssignNormal(m_normal, normal);
}
double OdDbArcAlignedText::offsetFromArc() const {
  assertReadEnabled();
  return m_offsetFromArc;
}
OdResult OdDbArcAlignedText::setOffsetFromArc(double offset) {
  assertWriteEnabled();
  return odDbAssignFinite(m_offsetFromArc, offset);
}
double OdDbArcAlignedText::leftOffset() const {
  assertReadEnabled();
  return m_leftOffset;
}
OdResult OdDbArcAlignedText::setLeftOffset(double offset) {
  assertWriteEnabled();
  return odDbAssignFinite(m_leftOffset, offset);
}
double OdDbArcAlignedText::rightOffset() const {
  assertReadEnabled();
  return m_rightOffset;
}
OdResult OdDbArcAlignedText::setRightOffset(double offset) {
  assertWriteEnabled();
  return odDbAssignFinite(m_rightOffset, offset);
}
bool OdDbArcAlignedText::isReversedCharOrder() const {
  assertReadEnabled();
  return m_reversed;
}
void OdDbArcAlignedText::reverseCharOrder(bool reversed) {
  assertWriteEnabled();
  m_reversed = reversed;
}
OdDb::ArcTextAlignment OdDbArcAlignedText::alignment() const {
  assertReadEnabled();
  return m_alignment;
}
OdResult OdDbArcAlignedText::setAlignment(OdDb::ArcTextAlignment alignment) {
  assertWriteEnabled();
  if (alignment < OdDb::kFit || alignment > OdDb::kCenter) return eInvalidInput;
  m_alignment = alignment;
  return eOk;
}
OdGePoint3d OdDbArcAlignedText::pointOnArc(double angle) const {
  assertReadEnabled();
  const OdGePoint3d ocsCenter = OdDxfOut::worldToOcs(m_center, m_normal);
  const OdGePoint3d ocs(ocsCenter.x + m_radius * std::cos(angle), ocsCenter.y + m_radius * std::sin(angle), ocsCenter.z);
  return OdDxfOut::ocsToWorld(ocs, m_normal);
}

void OdDbArcAlignedText::setDatabaseDefaults(OdDbDatabase* db) {
  OdDbEntity::setDatabaseDefaults(db);
  if (db && m_style.isNull()) m_style = db->header().textstyle;
}

void OdDbArcAlignedText::dxfInFields(const OdDxfIn& in) {
  OdDbEntity::dxfInFields(in);
  const char* S = "AcDbArcAlignedText";
  m_text = in.string(S, 1);
  m_normal = in.normal(S);
  m_center = in.ocsPoint(S, 10, m_normal);
  m_radius = in.real(S, 40, 1.0);
  if (!(m_radius > 0.0)) m_radius = 1.0;
  m_xScale = in.real(S, 41, 1.0);
  if (!(m_xScale > 0.0)) m_xScale = 1.0;
  m_size = in.real(S, 42, 2.5);
  if (!(m_size > 0.0)) m_size = 2.5;
  m_charSpacing = in.real(S, 43, 0.0);
  m_offsetFromArc = in.real(S, 44, 0.0);
  m_rightOffset = in.real(S, 45, 0.0);
  m_leftOffset = in.real(S, 46, 0.0);
  // Files hold the angles in degrees, as arcs do.
  m_start = OdaNormalizedAngle(OdaToRadian(in.real(S, 50, 0.0)));
  m_end = OdaNormalizedAngle(OdaToRadian(in.real(S, 51, 180.0)));
  m_reversed = in.integer(S, 70, 0) != 0;
  const int alignment = in.integer(S, 72, OdDb::kFit);
  m_alignment = alignment >= OdDb::kFit && alignment <= OdDb::kCenter ? OdDb::ArcTextAlignment(alignment) : OdDb::kFit;
  if (OdDbDatabase* db = in.database()) {
    OdDbSymbolTablePtr styles = OdDbSymbolTable::cast(db->getTextStyleTableId().openObject());
    if (!styles.isNull()) m_style = styles->getAt(in.string(S, 7, L"Standard"));
  }
}

void OdDbArcAlignedText::dxfOutFields(OdDxfOut& out) const {
  OdDbEntity::dxfOutFields(out);
  out.subclass("AcDbArcAlignedText");
  out.string(1, m_text);
  OdDbTextStyleTableRecordPtr style = OdDbTextStyleTableRecord::cast(m_style.openObject());
  // The font names repeat the style's; a text read from a file keeps the file's.
  if (!out.fromFile()) {
    out.string(2, style.isNull() ? OdString(L"txt") : style->fileName());
    out.string(3, style.isNull() ? OdString() : style->bigFontFileName());
  }
  if (style.isNull()) out.original(7);
  else out.name(7, style->getName());
  out.ocsPoint(10, m_center, m_normal);
  out.real(40, m_radius);
  out.real(41, m_xScale);
  out.real(42, m_size);
  out.real(43, m_charSpacing);
  out.real(44, m_offsetFromArc);
  out.real(45, m_rightOffset);
  out.real(46, m_leftOffset);
  out.angle(50, m_start);
  out.angle(51, m_end);
  out.integer(70, m_reversed ? 1 : 0);
  if (!out.fromFile()) out.integer(71, 1);  // characters face away from the centre
  out.integer(72, m_alignment);
  if (!out.fromFile()) out.integer(73, 1);  // on the convex side
  out.normal(210, m_normal);
}
