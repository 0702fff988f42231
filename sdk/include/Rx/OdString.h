#pragma once
// Wide-character string of the drawing database.
#include <string>
#include <cstdarg>
#include <cwchar>

class OdString {
public:
  OdString() = default;
  OdString(const wchar_t* s) : m_s(s ? s : L"") {}
  OdString(const wchar_t* s, int length) : m_s(s ? std::wstring(s, length) : std::wstring()) {}
  OdString(const std::wstring& s) : m_s(s) {}
  OdString(std::wstring&& s) : m_s(std::move(s)) {}
  OdString(wchar_t ch, int count) : m_s(count > 0 ? count : 0, ch) {}
  // Narrow text is taken as UTF-8.
  explicit OdString(const char* utf8);
  static OdString fromUtf8(const std::string& utf8);

  const wchar_t* c_str() const { return m_s.c_str(); }
  operator const wchar_t*() const { return m_s.c_str(); }
  const std::wstring& wstr() const { return m_s; }
  std::string toUtf8() const;

  int getLength() const { return static_cast<int>(m_s.size()); }
  bool isEmpty() const { return m_s.empty(); }
  void empty() { m_s.clear(); }
  wchar_t getAt(int i) const { return m_s[static_cast<size_t>(i)]; }
  void setAt(int i, wchar_t ch) { m_s[static_cast<size_t>(i)] = ch; }

  int compare(const wchar_t* other) const { return m_s.compare(other ? other : L""); }
  // Case-insensitive comparison (simple case folding).
  int iCompare(const wchar_t* other) const;
  bool operator==(const OdString& o) const { return m_s == o.m_s; }
  bool operator!=(const OdString& o) const { return m_s != o.m_s; }
  bool operator<(const OdString& o) const { return m_s < o.m_s; }
  bool operator==(const wchar_t* o) const { return m_s.compare(o ? o : L"") == 0; }
  bool operator!=(const wchar_t* o) const { return !(*this == o); }

  OdString& operator+=(const OdString& o) { m_s += o.m_s; return *this; }
  OdString& operator+=(const wchar_t* o) { if (o) m_s += o; return *this; }
  OdString& operator+=(wchar_t ch) { m_s += ch; return *this; }
  friend OdString operator+(const OdString& a, const OdString& b) { return OdString(a.m_s + b.m_s); }
  friend OdString operator+(const OdString& a, const wchar_t* b) { return OdString(a.m_s + (b ? b : L"")); }
  friend OdString operator+(const wchar_t* a, const OdString& b) { return OdString((a ? a : L"") + b.m_s); }

  // Position of the first occurrence at or after start, -1 when absent.
  int find(wchar_t ch, int start = 0) const;
  int find(const wchar_t* s, int start = 0) const;
  int reverseFind(wchar_t ch) const;
  OdString left(int count) const;
  OdString right(int count) const;
  OdString mid(int start, int count = -1) const;
  int replace(const wchar_t* oldText, const wchar_t* newText);
  int deleteChars(int index, int count = 1);
  int insert(int index, const wchar_t* s);
  OdString& makeUpper();
  OdString& makeLower();
  OdString& trimLeft();
  OdString& trimRight();
  // printf-style formatting with a wide format string.
  OdString& format(const wchar_t* fmt, ...);
  OdString& formatV(const wchar_t* fmt, va_list args);
  // Decodes escaped Unicode sequences kept in older files; text is held decoded already.
  OdString& syncUnicode() { return *this; }

  static const OdString kEmpty;

private:
  std::wstring m_s;
};

// Hash and case-insensitive ordering helpers for containers keyed by names.
struct OdStringNoCaseLess {
  bool operator()(const OdString& a, const OdString& b) const { return a.iCompare(b.c_str()) < 0; }
};
