#include "Rx/OdString.h"

#include <cstdarg>
#include <cwctype>
#include <vector>

const OdString OdString::kEmpty;

namespace {
// Appends one code point as UTF-16 or UTF-32 depending on wchar_t.
void appendCodePoint(std::wstring& out, char32_t cp) {
  if (sizeof(wchar_t) == 2 && cp > 0xFFFF) {
    cp -= 0x10000;
    out += static_cast<wchar_t>(0xD800 + (cp >> 10));
    out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
  } else {
    out += static_cast<wchar_t>(cp);
  }
}
}  // namespace

OdString::OdString(const char* utf8) { *this = fromUtf8(utf8 ? std::string(utf8) : std::string()); }

OdString OdString::fromUtf8(const std::string& s) {
  std::wstring out;
  out.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (extra < 0 || i + extra >= s.size()) {
      // Not UTF-8: keep the byte as a Latin-1 character rather than lose it.
      out += static_cast<wchar_t>(c);
      ++i;
      continue;
    }
    char32_t cp = extra == 0 ? c : c & (0x3F >> extra);
    bool ok = true;
    for (int k = 1; k <= extra; ++k) {
      unsigned char cc = static_cast<unsigned char>(s[i + k]);
      if ((cc & 0xC0) != 0x80) { ok = false; break; }
      cp = (cp << 6) | (cc & 0x3F);
    }
    if (!ok) {
      out += static_cast<wchar_t>(c);
      ++i;
      continue;
    }
    appendCodePoint(out, cp);
    i += extra + 1;
  }
  return OdString(std::move(out));
}

std::string OdString::toUtf8() const {
  std::string out;
  out.reserve(m_s.size());
  for (size_t i = 0; i < m_s.size(); ++i) {
    char32_t cp = static_cast<char32_t>(m_s[i]);
    if (sizeof(wchar_t) == 2 && cp >= 0xD800 && cp < 0xDC00 && i + 1 < m_s.size()) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (static_cast<char32_t>(m_s[++i]) - 0xDC00);
    }
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

namespace {
// Lower case of the Latin, Greek and Cyrillic letters, independent of the
// process locale, so that record names compare the same on every machine.
wchar_t foldCase(wchar_t c) {
  const unsigned u = static_cast<unsigned>(c);
  if (u < 0x80) return (u >= 'A' && u <= 'Z') ? static_cast<wchar_t>(u + 32) : c;
  if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<wchar_t>(u + 32);
  if (u >= 0x100 && u <= 0x137 && u % 2 == 0) return static_cast<wchar_t>(u + 1);
  if (u >= 0x139 && u <= 0x148 && u % 2 == 1) return static_cast<wchar_t>(u + 1);
  if (u >= 0x14A && u <= 0x177 && u % 2 == 0) return static_cast<wchar_t>(u + 1);
  if (u >= 0x391 && u <= 0x3AB && u != 0x3A2) return static_cast<wchar_t>(u + 32);
  if (u >= 0x400 && u <= 0x40F) return static_cast<wchar_t>(u + 80);
  if (u >= 0x410 && u <= 0x42F) return static_cast<wchar_t>(u + 32);
  return c;
}

wchar_t upperCase(wchar_t c) {
  const unsigned u = static_cast<unsigned>(c);
  if (u < 0x80) return (u >= 'a' && u <= 'z') ? static_cast<wchar_t>(u - 32) : c;
  if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<wchar_t>(u - 32);
  if (u >= 0x101 && u <= 0x137 && u % 2 == 1) return static_cast<wchar_t>(u - 1);
  if (u >= 0x13A && u <= 0x148 && u % 2 == 0) return static_cast<wchar_t>(u - 1);
  if (u >= 0x14B && u <= 0x177 && u % 2 == 1) return static_cast<wchar_t>(u - 1);
  if (u >= 0x3B1 && u <= 0x3CB && u != 0x3C2) return static_cast<wchar_t>(u - 32);
  if (u >= 0x450 && u <= 0x45F) return static_cast<wchar_t>(u - 80);
  if (u >= 0x430 && u <= 0x44F) return static_cast<wchar_t>(u - 32);
  return c;
}
}  // namespace

int OdString::iCompare(const wchar_t* other) const {
  const wchar_t* a = m_s.c_str();
  const wchar_t* b = other ? other : L"";
  for (;; ++a, ++b) {
    wchar_t ca = foldCase(*a);
    wchar_t cb = foldCase(*b);
    if (ca != cb) return ca < cb ? -1 : 1;
    if (!*a) return 0;
  }
}

int OdString::find(wchar_t ch, int start) const {
  if (start < 0) start = 0;
  size_t p = m_s.find(ch, static_cast<size_t>(start));
  return p == std::wstring::npos ? -1 : static_cast<int>(p);
}

int OdString::find(const wchar_t* s, int start) const {
  if (start < 0) start = 0;
  size_t p = m_s.find(s ? s : L"", static_cast<size_t>(start));
  return p == std::wstring::npos ? -1 : static_cast<int>(p);
}

int OdString::reverseFind(wchar_t ch) const {
  size_t p = m_s.rfind(ch);
  return p == std::wstring::npos ? -1 : static_cast<int>(p);
}

OdString OdString::left(int count) const {
  if (count <= 0) return OdString();
  return OdString(m_s.substr(0, static_cast<size_t>(count)));
}

OdString OdString::right(int count) const {
  if (count <= 0) return OdString();
  size_t n = static_cast<size_t>(count);
  return n >= m_s.size() ? *this : OdString(m_s.substr(m_s.size() - n));
}

OdString OdString::mid(int start, int count) const {
  if (start < 0) start = 0;
  if (static_cast<size_t>(start) >= m_s.size()) return OdString();
  return OdString(m_s.substr(static_cast<size_t>(start), count < 0 ? std::wstring::npos : static_cast<size_t>(count)));
}

int OdString::replace(const wchar_t* oldText, const wchar_t* newText) {
  if (!oldText || !*oldText) return 0;
  std::wstring from(oldText), to(newText ? newText : L"");
  int n = 0;
  for (size_t p = m_s.find(from); p != std::wstring::npos; p = m_s.find(from, p + to.size())) {
    m_s.replace(p, from.size(), to);
    ++n;
  }
  return n;
}

int OdString::deleteChars(int index, int count) {
  if (index >= 0 && count > 0 && static_cast<size_t>(index) < m_s.size()) m_s.erase(index, count);
  return getLength();
}

int OdString::insert(int index, const wchar_t* s) {
  if (index < 0) index = 0;
  if (static_cast<size_t>(index) > m_s.size()) index = getLength();
  m_s.insert(static_cast<size_t>(index), s ? s : L"");
  return getLength();
}

OdString& OdString::makeUpper() {
  for (auto& c : m_s) c = upperCase(c);
  return *this;
}

OdString& OdString::makeLower() {
  for (auto& c : m_s) c = foldCase(c);
  return *this;
}

OdString& OdString::trimLeft() {
  size_t p = 0;
  while (p < m_s.size() && std::iswspace(static_cast<wint_t>(m_s[p]))) ++p;
  m_s.erase(0, p);
  return *this;
}

OdString& OdString::trimRight() {
  size_t n = m_s.size();
  while (n > 0 && std::iswspace(static_cast<wint_t>(m_s[n - 1]))) --n;
  m_s.erase(n);
  return *this;
}

OdString& OdString::format(const wchar_t* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  formatV(fmt, args);
  va_end(args);
  return *this;
}

OdString& OdString::formatV(const wchar_t* fmt, va_list args) {
  std::vector<wchar_t> buf(256);
  for (;;) {
    va_list copy;
    va_copy(copy, args);
    int n = std::vswprintf(buf.data(), buf.size(), fmt, copy);
    va_end(copy);
    if (n >= 0 && static_cast<size_t>(n) < buf.size()) {
      m_s.assign(buf.data(), static_cast<size_t>(n));
      return *this;
    }
    // vswprintf reports truncation only as failure: grow and retry.
    if (buf.size() > (1u << 24)) {
      m_s.clear();
      return *this;
    }
    buf.resize(buf.size() * 4);
  }
}
