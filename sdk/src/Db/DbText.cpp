#include "Db/DbText.h"

#include <cmath>

#include "Db/DbAssign.h"
#include "Db/DbDatabase.h"
#include "Db/DbTextMetrics.h"
#include "Db/DbTextStyleTableRecord.h"
#include "Dxf/DxfFiler.h"
#include "Ge/GeConst.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbText, OdDbEntity, L"TEXT", new OdDbText)

namespace {
const double kCharacterWidth = kOdDbCharacterWidth;
}

OdGePoint3d OdDbText::position() const {
  assertReadEnabled();
  return m_position;
}
OdResult OdDbText::setPosition(const OdGePoint3d& position) {
  assertWriteEnabled();
  return odDbAssignFinite(m_position, position);
}
OdGePoint3d OdDbText::alignmentPoint() const {
  assertReadEnabled();
  return m_alignment;
}
OdResult OdDbText::setAlignmentPoint(const OdGePoint3d& point) {
  assertWriteEnabled();
  return odDbAssignFinite(m_alignment, point);
}
OdDb::TextHorzMode OdDbText::horizontalMode() const {
  assertReadEnabled();
  return m_horz;
}
OdResult OdDbText::setHorizontalMode(OdDb::TextHorzMode mode) {
  assertWriteEnabled();
  if (mode < OdDb::kTextLeft || mode > OdDb::kTextFit) return eInvalidInput;
  m_horz = mode;
  return eOk;
}
OdDb::TextVertMode OdDbText::verticalMode() const {
  assertReadEnabled();
  return m_vert;
}
OdResult OdDbText::setVerticalMode(OdDb::TextVertMode mode) {
  assertWriteEnabled();
  if (mode < OdDb::kTextBase || mode > OdDb::kTextTop) return eInvalidInput;
  m_vert = mode;
  return eOk;
}
double OdDbText::height() const {
  assertReadEnabled();
  return m_height;
}
OdResult OdDbText::setHeight(double height) {
  assertWriteEnabled();
  return odDbAssignPositive(m_height, height);
}
double OdDbText::widthFactor() const {
  assertReadEnabled();
  return m_width;
}
OdResult OdDbText::setWidthFactor(double factor) {
  assertWriteEnabled();
  return odDbAssignPositive(m_width, factor);
}
double OdDbText::oblique() const {
  assertReadEnabled();
  return m_oblique;
}
OdResult OdDbText::setOblique(double angle) {
  assertWriteEnabled();
  return odDbAssignFinite(m_oblique, angle);
}
double OdDbText::rotation() const {
  assertReadEnabled();
  return m_rotation;
}
OdResult OdDbText::setRotation(double angle) {
  assertWriteEnabled();
  return odDbAssignFinite(m_rotation, angle);
}
OdString OdDbText::textString() const {
  assertReadEnabled();
  return m_text;
}
OdResult OdDbText::setTextString(const OdString& text) {
  assertWriteEnabled();
  m_text = text;
  return eOk;
}
OdDbObjectId OdDbText::textStyle() const {
  assertReadEnabled();
  return m_style;
}
OdResult OdDbText::setTextStyle(OdDbObjectId style) {
  assertWriteEnabled();
  if (style.isNull()) return eNullObjectId;
  m_style = style;
  return eOk;
}
double OdDbText::thickness() const {
  assertReadEnabled();
  return m_thickness;
}
OdResult OdDbText::setThickness(double thickness) {
  assertWriteEnabled();
  return odDbAssignFinite(m_thickness, thickness);
}
OdGeVector3d OdDbText::normal() const {
  assertReadEnabled();
  return m_normal;
}
OdResult OdDbText::setNormal(const OdGeVector3d& normal) {
  assertWriteEnabled();
  return odDbAssignNormal(m_normal, normal);
}
bool OdDbText::isMirroredInX() const {
  assertReadEnabled();
  return (m_generation & 2) != 0;
}
void OdDbText::mirrorInX(bool mirror) {
  assertWriteEnabled();
  m_generation = mirror ? (m_generation | 2) : (m_generation & ~2);
}
bool OdDbText::isMirroredInY() const {
  assertReadEnabled();
  return (m_generation & 4) != 0;
}
void OdDbText::mirrorInY(bool mirror) {
  assertWriteEnabled();
  m_generation = mirror ? (m_generation | 4) : (m_generation & ~4);
}

double OdDbText::approximateWidth() const {
  assertReadEnabled();
  return kCharacterWidth * m_height * m_width * double(m_text.getLength());
}

void OdDbText::getBoundingPoints(OdArray<OdGePoint3d>& points) const {
  const double w = approximateWidth();
  const OdGeVector3d x = OdGeVector3d(std::cos(m_rotation), std::sin(m_rotation), 0.0);
  const OdGeVector3d y = OdGeVector3d(-std::sin(m_rotation), std::cos(m_rotation), 0.0);
  points.clear();
  points.append(m_position + y * m_height);
  points.append(m_position + x * w + y * m_height);
  points.append(m_position);
  points.append(m_position + x * w);
}

void OdDbText::adjustAlignment(const OdDbDatabase*) {
  assertWriteEnabled();
  if (m_horz == OdDb::kTextLeft && m_vert == OdDb::kTextBase) return;
  const double n = double(m_text.getLength() > 0 ? m_text.getLength() : 1);
  if (m_horz == OdDb::kTextAlign || m_horz == OdDb::kTextFit) {
    const OdGeVector3d span = m_alignment - m_position;
    const double length = std::hypot(span.x, span.y);
    if (length <= 0.0) return;
    m_rotation = std::atan2(span.y, span.x);
    if (m_rotation < 0.0) m_rotation += Oda2PI;
    // Aligned texts scale the height with the width; fitted ones only the width.
    if (m_horz == OdDb::kTextAlign) m_height = length / (kCharacterWidth * m_width * n);
    else m_width = length / (kCharacterWidth * m_height * n);
    return;
  }
  const double w = approximateWidth();
  const double dx = (m_horz == OdDb::kTextCenter || m_horz == OdDb::kTextMid) ? w / 2 : m_horz == OdDb::kTextRight ? w : 0.0;
  const double dy = m_horz == OdDb::kTextMid || m_vert == OdDb::kTextVertMid ? m_height / 2
                    : m_vert == OdDb::kTextTop                               ? m_height
                                                                             : 0.0;
  const OdGeVector3d x(std::cos(m_rotation), std::sin(m_rotation), 0.0);
  const OdGeVector3d y(-std::sin(m_rotation), std::cos(m_rotation), 0.0);
  m_position = m_alignment - x * dx - y * dy;
}

void OdDbText::setDatabaseDefaults(OdDbDatabase* db) {
  OdDbEntity::setDatabaseDefaults(db);
  if (db && m_style.isNull()) m_style = db->header().textstyle;
}

void OdDbText::dxfInFields(const OdDxfIn& in) {
  OdDbEntity::dxfInFields(in);
  const char* S = "AcDbText";
  m_thickness = in.real(S, 39, 0.0);
  m_normal = in.normal(S);
  m_position = in.ocsPoint(S, 10, m_normal);
  m_height = in.real(S, 40, 2.5);
  m_text = in.string(S, 1);
  m_rotation = OdaToRadian(in.real(S, 50, 0.0));
  m_width = in.real(S, 41, 1.0);
  m_oblique = OdaToRadian(in.real(S, 51, 0.0));
  m_generation = in.integer(S, 71, 0);
  const int horz = in.integer(S, 72, 0), vert = in.integer(S, 73, 0);
  m_horz = horz >= 0 && horz <= 5 ? OdDb::TextHorzMode(horz) : OdDb::kTextLeft;
  m_vert = vert >= 0 && vert <= 3 ? OdDb::TextVertMode(vert) : OdDb::kTextBase;
  m_alignment = in.ocsPoint(S, 11, m_normal, m_position);
  if (OdDbDatabase* db = in.database()) {
    OdDbSymbolTablePtr styles = OdDbSymbolTable::cast(db->getTextStyleTableId().openObject());
    if (!styles.isNull()) m_style = styles->getAt(in.string(S, 7, L"Standard"));
  }
}

void OdDbText::dxfOutFields(OdDxfOut& out) const {
  OdDbEntity::dxfOutFields(out);
  out.subclass("AcDbText");
  out.realOpt(39, m_thickness, 0.0);
  out.ocsPoint(10, m_position, m_normal);
  out.real(40, m_height);
  out.string(1, m_text);
  out.angleOpt(50, m_rotation, 0.0);
  out.realOpt(41, m_width, 1.0);
  out.angleOpt(51, m_oblique, 0.0);
  OdDbTextStyleTableRecordPtr style = OdDbTextStyleTableRecord::cast(m_style.openObject());
  // The default style is written only where the file wrote it.
  if (style.isNull() || style->getName().iCompare(L"Standard") == 0) out.original(7);
  else out.name(7, style->getName());
  out.integerOpt(71, m_generation, 0);
  out.integerOpt(72, m_horz, 0);
  const bool text = isA() == OdDbText::desc();
  if (m_horz == OdDb::kTextLeft && m_vert == OdDb::kTextBase) {
    // No alignment point of its own: it stays as the file had it (some writers
    // give one anyway, and attributes keep their vertical mode elsewhere).
    for (int code : {11, 21, 31}) out.original(code);
  } else {
    out.ocsPoint(11, m_alignment, m_normal);
  }
  out.normal(210, m_normal);
  // Attributes and their definitions keep the vertical mode in their own subclass.
  if (text) {
    out.subclass("AcDbText");
    out.integerOpt(73, m_vert, 0);
  }
}

OdResult OdDbText::transformBy(const OdGeMatrix3d& transform) {
  assertWriteEnabled();
  const OdGeMatrix3d toWorld = OdGeMatrix3d::planeToWorld(m_normal);
  OdGeVector3d x = OdGeVector3d(std::cos(m_rotation), std::sin(m_rotation), 0.0).transformBy(toWorld);
  OdGeVector3d y = OdGeVector3d(-std::sin(m_rotation), std::cos(m_rotation), 0.0).transformBy(toWorld);
  x.transformBy(transform);
  y.transformBy(transform);
  const OdGeVector3d normal = x.crossProduct(y);
  const double along = x.length();
  if (normal.isZeroLength() || along == 0.0) return eInvalidInput;
  // The height is the part of the new up direction across the baseline.
  const double across = normal.length() / along;
  OdGePoint3d position = m_position, alignment = m_alignment;
  position.transformBy(transform);
  alignment.transformBy(transform);
  const double height = m_height * across, width = m_width * along / across;
  if (!position.isFinite() || !alignment.isFinite() || !(height > 0.0) || !(width > 0.0) || !std::isfinite(height) ||
      !std::isfinite(width))
    return eInvalidInput;
  m_normal = normal.normal();
  const OdGeVector3d inPlane = x.transformBy(OdGeMatrix3d::worldToPlane(m_normal));
  m_rotation = std::atan2(inPlane.y, inPlane.x);
  if (m_rotation < 0.0) m_rotation += Oda2PI;
  m_position = position;
  m_alignment = alignment;
  m_height = height;
  m_width = width;
  return eOk;
}
