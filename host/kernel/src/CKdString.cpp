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
  std::vector<wchar_t> buf(256);
  for (;;) {
    va_list args;
    va_start(args, fmt);
    int n = std::vswprintf(buf.data(), buf.size(), fmt, args);
    va_end(args);
    if (n >= 0 && static_cast<size_t>(n) < buf.size()) {
      m_s.assign(buf.data(), static_cast<size_t>(n));
      return *this;
    }
    if (buf.size() > (1u << 24)) {
      m_s.clear();
      return *this;
    }
    buf.resize(buf.size() * 4);
  }
}
