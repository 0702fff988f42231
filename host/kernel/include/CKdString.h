#pragma once
// The host's wide string; converts to and from the database's and the toolkit's strings.
#include <string>
#include "Rx/OdString.h"

class QString;

class CKdString {
public:
  CKdString() = default;
  CKdString(const wchar_t* s) : m_s(s ? s : L"") {}
  CKdString(const std::wstring& s) : m_s(s) {}
  CKdString(const OdString& s) : m_s(s.wstr()) {}
  CKdString(const QString& s);

  operator OdString() const { return OdString(m_s); }
  operator const wchar_t*() const { return m_s.c_str(); }
  QString toQString() const;
  OdString toOdString() const { return OdString(m_s); }
  std::string toUtf8() const { return OdString(m_s).toUtf8(); }
  const wchar_t* c_str() const { return m_s.c_str(); }
  const std::wstring& wstr() const { return m_s; }

  int getLength() const { return static_cast<int>(m_s.size()); }
  bool isEmpty() const { return m_s.empty(); }
  // Position of the first occurrence at or after start, -1 when absent.
  int find(const wchar_t* s, int start = 0) const;
  int find(wchar_t ch, int start = 0) const;
  int deleteChars(int index, int count = 1);
  int compareNoCase(const wchar_t* other) const;
  CKdString& format(const wchar_t* fmt, ...);

  CKdString& operator+=(const CKdString& o) { m_s += o.m_s; return *this; }
  CKdString& operator+=(const wchar_t* o) { if (o) m_s += o; return *this; }
  CKdString& operator+=(wchar_t c) { m_s += c; return *this; }
  friend CKdString operator+(const CKdString& a, const CKdString& b) { return CKdString(a.m_s + b.m_s); }
  friend CKdString operator+(const CKdString& a, const wchar_t* b) { return CKdString(a.m_s + (b ? b : L"")); }
  friend CKdString operator+(const wchar_t* a, const CKdString& b) { return CKdString((a ? a : L"") + b.m_s); }
  bool operator==(const CKdString& o) const { return m_s == o.m_s; }
  bool operator!=(const CKdString& o) const { return m_s != o.m_s; }
  bool operator==(const wchar_t* o) const { return m_s == (o ? o : L""); }
  bool operator!=(const wchar_t* o) const { return !(*this == o); }
  bool operator<(const CKdString& o) const { return m_s < o.m_s; }

private:
  std::wstring m_s;
};
