#include "Gi/GiTextStyle.h"

#include "Db/DbTextStyleTableRecord.h"

OdString OdGiTextStyle::getFontFilePath(const OdDbDatabase*) const {
  if (m_file.isEmpty()) return m_file;
  const std::wstring name = m_file.wstr();
  const size_t slash = name.find_last_of(L"/\\");
  const size_t dot = name.find_last_of(L'.');
  if (dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash)) return m_file;
  return OdString(name + L".shx");
}

void giFromDbTextStyle(OdDbObjectId style, OdGiTextStyle& out) {
  out = OdGiTextStyle();
  OdDbTextStyleTableRecordPtr record = OdDbTextStyleTableRecord::cast(style.openObject());
  if (record.isNull()) return;
  out.m_file = record->fileName();
  out.m_bigFont = record->bigFontFileName();
  out.m_shapes = record->isShapeFile();
  out.m_size = record->textSize();
  out.m_xScale = record->xScale();
  out.m_oblique = record->obliquingAngle();
}
