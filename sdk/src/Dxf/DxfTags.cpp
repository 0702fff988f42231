#include "Dxf/DxfTags.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#ifdef __linux__
#include <sys/mman.h>
#endif

OdDxfTag OdDxfText::make(int code, std::string_view text) {
  if (m_arena.size() + text.size() >= kArenaBit) throw std::length_error("drawing text too large");
  OdDxfTag tag;
  tag.code = static_cast<uint16_t>(code);
  tag.offset = static_cast<uint32_t>(m_arena.size()) | kArenaBit;
  tag.length = text.size() < OdDxfTag::kLongText ? static_cast<uint16_t>(text.size()) : OdDxfTag::kLongText;
  m_arena.append(text.data(), text.size());
  m_arena += '\n';  // ends the text for long ones, as in the file
  return tag;
}

std::string_view OdDxfText::longText(const std::string& s, size_t at) {
  const char* begin = s.data() + at;
  const void* nl = std::memchr(begin, '\n', s.size() - at);
  size_t length = nl ? size_t(static_cast<const char*>(nl) - begin) : s.size() - at;
  if (length > 0 && begin[length - 1] == '\r') --length;
  return std::string_view(begin, length);
}

int OdDxfText::lineOf(const OdDxfTag& tag) const {
  if (tag.offset & kArenaBit) return 0;
  const size_t end = std::min<size_t>(tag.offset, m_file.size());
  return 1 + static_cast<int>(std::count(m_file.begin(), m_file.begin() + static_cast<std::ptrdiff_t>(end), '\n'));
}

OdDxfKind odDxfKindOf(int code) {
  if (code >= 10 && code <= 59) return OdDxfKind::kDouble;
  if (code >= 60 && code <= 79) return OdDxfKind::kInt16;
  if (code >= 90 && code <= 99) return OdDxfKind::kInt32;
  if (code == 105) return OdDxfKind::kHandle;
  if (code >= 110 && code <= 149) return OdDxfKind::kDouble;
  if (code >= 160 && code <= 169) return OdDxfKind::kInt64;
  if (code >= 170 && code <= 179) return OdDxfKind::kInt16;
  if (code >= 210 && code <= 239) return OdDxfKind::kDouble;
  if (code >= 270 && code <= 289) return OdDxfKind::kInt16;
  if (code >= 290 && code <= 299) return OdDxfKind::kBool;
  if (code >= 310 && code <= 319) return OdDxfKind::kHex;
  if (code >= 320 && code <= 369) return OdDxfKind::kHandle;
  if (code >= 370 && code <= 389) return OdDxfKind::kInt16;
  if (code >= 390 && code <= 399) return OdDxfKind::kHandle;
  if (code >= 400 && code <= 409) return OdDxfKind::kInt16;
  if (code >= 420 && code <= 429) return OdDxfKind::kInt32;
  if (code >= 440 && code <= 449) return OdDxfKind::kInt32;
  if (code >= 450 && code <= 459) return OdDxfKind::kInt32;
  if (code >= 460 && code <= 469) return OdDxfKind::kDouble;
  if (code >= 480 && code <= 481) return OdDxfKind::kHandle;
  if (code >= 1010 && code <= 1059) return OdDxfKind::kDouble;
  if (code >= 1060 && code <= 1070) return OdDxfKind::kInt16;
  if (code == 1071) return OdDxfKind::kInt32;
  if (code == 5) return OdDxfKind::kHandle;
  return OdDxfKind::kString;
}

std::string_view odDxfTrimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

uint64_t odDxfParseHandle(std::string_view s) {
  s = odDxfTrimmed(s);
  if (s.empty() || s.size() > 16) return 0;
  uint64_t v = 0;
  for (char c : s) {
    const int d = (c >= '0' && c <= '9') ? c - '0' : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : -1;
    if (d < 0) return 0;
    v = (v << 4) | uint64_t(d);
  }
  return v;
}

bool odDxfHasMarkers(OdDxfSpan tags) {
  for (const OdDxfTag& t : tags)
    if (t.code == 100) return true;
  return false;
}

std::string odDxfHandleText(uint64_t v) {
  char buf[16];
  char* p = buf + sizeof buf;
  do {
    *--p = "0123456789ABCDEF"[v & 15];
    v >>= 4;
  } while (v);
  return std::string(p, size_t(buf + sizeof buf - p));
}

void odDxfPreferLargePages(void* data, size_t bytes) {
#ifdef __linux__
  // Drawings of tens of megabytes fault in page by page otherwise; large
  // pages cut the faults of the two biggest buffers (text, tags) 500-fold.
  const uintptr_t huge = uintptr_t(2) << 20;
  const uintptr_t begin = (uintptr_t(data) + huge - 1) & ~(huge - 1);
  const uintptr_t end = (uintptr_t(data) + bytes) & ~(huge - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
  (void)data, (void)bytes;
#endif
}
