#include "Db/DbTextStyleTableRecord.h"

#include <cmath>

#include "Db/DbAssign.h"
#include "Db/DbDatabase.h"
#include "Dxf/DxfFiler.h"
#include "Ge/GeConst.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbTextStyleTableRecord, OdDbSymbolTableRecord, L"STYLE", new OdDbTextStyleTableRecord)

OdString OdDbTextStyleTableRecord::fileName() const {
  assertReadEnabled();
  return m_file;
}
void OdDbTextStyleTableRecord::setFileName(const OdString& file) {
  assertWriteEnabled();
  m_file = file;
}
OdString OdDbTextStyleTableRecord::bigFontFileName() const {
  assertReadEnabled();
  return m_bigFont;
}
void OdDbTextStyleTableRecord::setBigFontFileName(const OdString& file) {
  assertWriteEnabled();
  m_bigFont = file;
}

OdString OdDbTextStyleTableRecord::typeface() const {
  OdResBufPtr rb = xData(L"ACAD");
  if (rb.isNull() || rb->next().isNull() || rb->next()->restype() != OdResBuf::kDxfXdAsciiString) return OdString();
  return rb->next()->getString();
}

OdResult OdDbTextStyleTableRecord::setTypeface(const OdString& typeface) {
  assertWriteEnabled();
  if (OdDbDatabase* db = database())
    if (!db->newRegApp(L"ACAD")) return eRegappIdNotFound;
  OdResBufPtr head = OdResBuf::newRb(OdResBuf::kDxfRegAppName, OdString(L"ACAD"));
  head->setNext(OdResBuf::newRb(OdResBuf::kDxfXdAsciiString, typeface))->setNext(
      OdResBuf::newRb(OdResBuf::kDxfXdInteger32, OdInt32(0)));
  return setXData(head);
}

double OdDbTextStyleTableRecord::textSize() const {
  assertReadEnabled();
  return m_size;
}
OdResult OdDbTextStyleTableRecord::setTextSize(double size) {
  assertWriteEnabled();
  if (!(size >= 0.0) || !std::isfinite(size)) return eInvalidInput;
  m_size = size;
  return eOk;
}
double OdDbTextStyleTableRecord::xScale() const {
  assertReadEnabled();
  return m_xScale;
}
OdResult OdDbTextStyleTableRecord::setXScale(double scale) {
  assertWriteEnabled();
  return odDbAssignPositive(m_xScale, scale);
}
double OdDbTextStyleTableRecord::obliquingAngle() const {
  assertReadEnabled();
  return m_oblique;
}
OdResult OdDbTextStyleTableRecord::setObliquingAngle(double angle) {
  assertWriteEnabled();
  return odDbAssignFinite(m_oblique, angle);
}
bool OdDbTextStyleTableRecord::isBackwards() const {
  assertReadEnabled();
  return (m_generation & 2) != 0;
}
void OdDbTextStyleTableRecord::setIsBackwards(bool backwards) {
  assertWriteEnabled();
  m_generation = backwards ? (m_generation | 2) : (m_generation & ~2);
}
bool OdDbTextStyleTableRecord::isUpsideDown() const {
  assertReadEnabled();
  return (m_generation & 4) != 0;
}
void OdDbTextStyleTableRecord::setIsUpsideDown(bool upsideDown) {
  assertWriteEnabled();
  m_generation = upsideDown ? (m_generation | 4) : (m_generation & ~4);
}
void OdDbTextStyleTableRecord::setIsVertical(bool vertical) {
  assertWriteEnabled();
  m_flags = vertical ? (m_flags | 4) : (m_flags & ~4);
}
bool OdDbTextStyleTableRecord::isVertical() const {
  assertReadEnabled();
  return (m_flags & 4) != 0;
}
bool OdDbTextStyleTableRecord::isShapeFile() const {
  assertReadEnabled();
  return (m_flags & 1) != 0;
}
void OdDbTextStyleTableRecord::setIsShapeFile(bool shapes) {
  assertWriteEnabled();
  m_flags = shapes ? (m_flags | 1) : (m_flags & ~1);
}

void OdDbTextStyleTableRecord::dxfInFields(const OdDxfIn& in) {
  OdDbSymbolTableRecord::dxfInFields(in);
  const char* S = "AcDbTextStyleTableRecord";
  m_flags = in.integer(S, 70, 0);
  m_size = in.real(S, 40, 0.0);
  m_xScale = in.real(S, 41, 1.0);
  m_oblique = OdaToRadian(in.real(S, 50, 0.0));
  m_generation = in.integer(S, 71, 0);
  m_priorSize = in.real(S, 42, 2.5);
  m_file = in.string(S, 3);
  m_bigFont = in.string(S, 4);
}

void OdDbTextStyleTableRecord::dxfOutFields(OdDxfOut& out) const {
  OdDbSymbolTableRecord::dxfOutFields(out);
  out.integer(70, m_flags);
  out.real(40, m_size);
  out.real(41, m_xScale);
  out.angle(50, m_oblique);
  out.integer(71, m_generation);
  out.real(42, m_priorSize);
  out.string(3, m_file);
  out.stringOpt(4, m_bigFont);
}
