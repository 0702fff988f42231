#include "Db/DbTextMetrics.h"

#include <cwctype>

std::vector<std::wstring> odDbMTextLines(const OdString& contents) {
  const std::wstring s = contents.wstr();
  std::vector<std::wstring> lines(1);
  auto skipArgument = [&](size_t& i) {
    // Codes with an argument run to the next ';' (or the end).
    while (i < s.size() && s[i] != L';') ++i;
  };
  for (size_t i = 0; i < s.size(); ++i) {
    const wchar_t c = s[i];
    if (c == L'{' || c == L'}') continue;
    if (c == L'\n') {
      lines.emplace_back();
      continue;
    }
    if (c != L'\\' || i + 1 == s.size()) {
      lines.back() += c;
      continue;
    }
    const wchar_t code = s[++i];
    switch (code) {
      case L'P': lines.emplace_back(); break;
      case L'\\': case L'{': case L'}': lines.back() += code; break;
      case L'~': lines.back() += L' '; break;
      case L'S': {
        // \Snum^den; \Snum/den; \Snum#den;: the longer part.
        std::wstring part, longest;
        for (++i; i < s.size() && s[i] != L';'; ++i) {
          if (s[i] == L'^' || s[i] == L'/' || s[i] == L'#') {
            if (part.size() > longest.size()) longest = part;
            part.clear();
          } else {
            part += s[i];
          }
        }
        if (part.size() > longest.size()) longest = part;
        lines.back() += longest;
        break;
      }
      case L'A': case L'C': case L'c': case L'F': case L'f': case L'H': case L'h': case L'Q': case L'q':
      case L'T': case L't': case L'W': case L'w': case L'p':
        ++i;
        skipArgument(i);
        break;
      case L'L': case L'l': case L'O': case L'o': case L'K': case L'k': case L'N':
        break;
      default:
        // Not a code: the backslash shows.
        lines.back() += L'\\';
        lines.back() += code;
        break;
    }
  }
  return lines;
}

std::vector<std::wstring> odDbWrapLines(const std::vector<std::wstring>& lines, double width, double height) {
  if (!(width > 0.0) || !(height > 0.0)) return lines;
  const double perCharacter = kOdDbCharacterWidth * height;
  std::vector<std::wstring> out;
  for (const std::wstring& line : lines) {
    std::wstring current;
    size_t i = 0;
    while (i <= line.size()) {
      const size_t space = line.find(L' ', i);
      const std::wstring word = line.substr(i, space == std::wstring::npos ? std::wstring::npos : space - i);
      const std::wstring joined = current.empty() ? word : current + L' ' + word;
      if (!current.empty() && double(joined.size()) * perCharacter > width) {
        out.push_back(current);
        current = word;
      } else {
        current = joined;
      }
      if (space == std::wstring::npos) break;
      i = space + 1;
    }
    out.push_back(current);
  }
  return out;
}
