#include "CKdString.h"

#include <QString>
#include <cstdarg>
#include <vector>

CKdString::CKdString(const QString& s) : m_s(s.toStdWString()) {}

QString CKdString::toQString() const { return QString::fromStdWString(m_s); }

int CKdString::find(const wchar_t* s, int start) const { return OdString(m_s).find(s, start); }

int CKdString::find(wchar_t ch, int start) const { return OdString(m_s).find(ch, start); }

int CKdString::deleteChars(int index, int count) {
  if (index >= 0 && count > 0 && static_cast<size_t>(index) < m_s.size()) m_s.erase(index, count);
  return getLength();
}

int CKdString::compareNoCase(const wchar_t* other) const { return OdString(m_s).iCompare(other); }

CKdString& CKdString::format(const wchar_t* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  OdString s;
  s.formatV(fmt, args);
  va_end(args);
  m_s = s.wstr();
  return *this;
}
