#include "Dxf/DxfBinary.h"

#include <charconv>
#include <cstring>

#include "Dxf/DxfTags.h"

namespace {

// The sentinel's bytes: its name, a line break, control-Z and NUL.
const unsigned char kSentinel[22] = {0x41, 0x75, 0x74, 0x6f, 0x43, 0x41, 0x44, 0x20, 0x42, 0x69, 0x6e,
                                     0x61, 0x72, 0x79, 0x20, 0x44, 0x58, 0x46, 0x0d, 0x0a, 0x1a, 0x00};

enum class Kind { kString, kDouble, kInt16, kInt32, kInt64, kByte, kChunk };

Kind kindOf(int code) {
  if (code == 1004) return Kind::kChunk;
  switch (odDxfKindOf(code)) {
    case OdDxfKind::kDouble: return Kind::kDouble;
    case OdDxfKind::kInt16: return Kind::kInt16;
    case OdDxfKind::kInt32: return Kind::kInt32;
    case OdDxfKind::kInt64: return Kind::kInt64;
    case OdDxfKind::kBool: return Kind::kByte;
    case OdDxfKind::kHex: return Kind::kChunk;
    default: return Kind::kString;
  }
}

template <typename T>
T little(const unsigned char* p) {
  uint64_t v = 0;
  for (size_t i = 0; i < sizeof(T); ++i) v |= uint64_t(p[i]) << (8 * i);
  T out;
  if constexpr (sizeof(T) == 8) std::memcpy(&out, &v, 8);
  else {
    typename std::make_unsigned<T>::type u = static_cast<typename std::make_unsigned<T>::type>(v);
    std::memcpy(&out, &u, sizeof(T));
  }
  return out;
}

void putLittle(std::string& out, uint64_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out += char((v >> (8 * i)) & 0xff);
}

template <typename T>
void appendNumber(std::string& out, T v) {
  char buf[32];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, r.ptr);
}

const char kHexDigits[] = "0123456789ABCDEF";

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

void binaryToText(std::string_view binary, std::vector<uint32_t>* tagOffsets, std::string* into);

}  // namespace

bool odDxfIsBinary(std::string_view content) {
  // The first eight bytes name the writing program; readers do not insist on them.
  return content.size() >= 22 && std::memcmp(content.data() + 8, kSentinel + 8, 14) == 0;
}

std::string_view odDxfBinarySentinel() { return std::string_view(reinterpret_cast<const char*>(kSentinel), 22); }

std::string odDxfBinaryToText(std::string_view binary, std::vector<uint32_t>* tagOffsets, OdDxfBinaryError* damage) {
  std::string text;
  if (!damage) {
    binaryToText(binary, tagOffsets, &text);
    return text;
  }
  try {
    binaryToText(binary, tagOffsets, &text);
  } catch (const OdDxfBinaryError& e) {
    *damage = OdDxfBinaryError(std::string(e.what()) + "; what follows is left out", e.offset());
    // The text holds whole tags only.
    if (tagOffsets && !tagOffsets->empty() && tagOffsets->back() >= e.offset()) tagOffsets->pop_back();
  }
  return text;
}

namespace {
// Converts into *text, so that what was done before a damage stays there.
void binaryToText(std::string_view binary, std::vector<uint32_t>* tagOffsets, std::string* into) {
  std::string& text = *into;
  if (!odDxfIsBinary(binary)) throw OdDxfBinaryError("not a binary drawing file", 0);
  if (binary.size() > 0x7fffffffu) throw OdDxfBinaryError("file too large", 0);
  const unsigned char* data = reinterpret_cast<const unsigned char*>(binary.data());
  const size_t size = binary.size();
  size_t at = 22;
  // The first tag is "0 SECTION": one zero byte before its text when codes
  // take one byte, two when they take two. Files of any release may use either.
  const bool oneByte = size > 23 && data[22] == 0 && data[23] != 0;
  text.clear();
  // Texts run about as long as the file; numbers grow in print.
  text.reserve(size + size / 2);
  if (tagOffsets) tagOffsets->reserve(size / 8);
  size_t tagText = 0;  // where the tag being read starts in the text
  try {
  while (at < size) {
    const size_t tagStart = at;
    tagText = text.size();
    auto need = [&](size_t n, int code) {
      if (size - at < n)
        throw OdDxfBinaryError("the file ends inside " + (code < 0 ? std::string("a group code")
                                                             : "the value of group code " + std::to_string(code)) +
                                   " (truncated)",
                               tagStart);
    };
    int code = 0;
    if (oneByte) {
      need(1, -1);
      code = data[at++];
      if (code == 255) {
        need(2, -1);
        code = little<uint16_t>(data + at);
        at += 2;
      }
    } else {
      need(2, -1);
      code = little<uint16_t>(data + at);
      at += 2;
    }
    if (code > 1071 || code == 999) throw OdDxfBinaryError("bad group code " + std::to_string(code), tagStart);
    if (tagOffsets) tagOffsets->push_back(uint32_t(tagStart));
    appendNumber(text, code);
    text += '\n';
    const Kind kind = kindOf(code);
    switch (kind) {
      case Kind::kDouble:
        need(8, code);
        appendNumber(text, little<double>(data + at));
        at += 8;
        break;
      case Kind::kInt16:
        need(2, code);
        appendNumber(text, little<int16_t>(data + at));
        at += 2;
        break;
      case Kind::kInt32:
        need(4, code);
        appendNumber(text, little<int32_t>(data + at));
        at += 4;
        break;
      case Kind::kInt64:
        need(8, code);
        appendNumber(text, little<int64_t>(data + at));
        at += 8;
        break;
      case Kind::kByte:
        need(1, code);
        appendNumber(text, int(data[at++]));
        break;
      case Kind::kChunk: {
        need(1, code);
        const size_t n = data[at++];
        need(n, code);
        for (size_t i = 0; i < n; ++i) {
          text += kHexDigits[data[at + i] >> 4];
          text += kHexDigits[data[at + i] & 15];
        }
        at += n;
        break;
      }
      case Kind::kString: {
        const void* nul = std::memchr(data + at, 0, size - at);
        if (!nul) throw OdDxfBinaryError("the file ends inside the text of group code " + std::to_string(code) + " (truncated)", tagStart);
        const size_t n = size_t(static_cast<const unsigned char*>(nul) - (data + at));
        const char* s = binary.data() + at;
        for (size_t i = 0; i < n; ++i) {
          if (s[i] == '\n') text += "^J";
          else if (s[i] == '\r') text += "^M";
          else text += s[i];
        }
        at += n + 1;
        if (code == 0 && std::string_view(s, n) == "EOF") {
          text += '\n';
          return;  // what follows is not drawing data
        }
        break;
      }
    }
    text += '\n';
  }
  } catch (const OdDxfBinaryError&) {
    text.resize(tagText);  // whole tags only
    throw;
  }
}

}  // namespace

std::string odDxfTextToBinary(std::string_view text, bool oneByteCodes) {
  std::string out(odDxfBinarySentinel());
  out.reserve(text.size());
  size_t at = 0;
  size_t line = 0;
  auto nextLine = [&](std::string_view& l) {
    if (at >= text.size()) return false;
    const void* nl = std::memchr(text.data() + at, '\n', text.size() - at);
    const size_t end = nl ? size_t(static_cast<const char*>(nl) - text.data()) : text.size();
    l = text.substr(at, end - at);
    if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
    at = end + 1;
    ++line;
    return true;
  };
  std::string_view codeLine, value;
  while (nextLine(codeLine)) {
    codeLine = odDxfTrimmed(codeLine);
    if (codeLine.empty() && at >= text.size()) break;
    int code = -1;
    auto r = std::from_chars(codeLine.data(), codeLine.data() + codeLine.size(), code);
    if (r.ec != std::errc() || r.ptr != codeLine.data() + codeLine.size() || code < 0 || code > 1071)
      throw OdDxfBinaryError("bad group code \"" + std::string(codeLine.substr(0, 40)) + "\"", line);
    if (!nextLine(value)) throw OdDxfBinaryError("group code " + std::to_string(code) + " without its value", line);
    if (code == 999) continue;
    const Kind kind = kindOf(code);
    auto putCode = [&] {
      if (!oneByteCodes) putLittle(out, uint64_t(code), 2);
      else if (code < 255) out += char(code);
      else {
        out += char(255);
        putLittle(out, uint64_t(code), 2);
      }
    };
    auto refuse = [&](const char* what) {
      throw OdDxfBinaryError("the value \"" + std::string(value.substr(0, 40)) + "\" of group code " +
                                 std::to_string(code) + " is not " + what + " and has no binary form",
                             line);
    };
    auto integer = [&](long long lo, long long hi) {
      const std::string_view v = odDxfTrimmed(value);
      long long n = 0;
      auto res = std::from_chars(v.data(), v.data() + v.size(), n);
      if (res.ec != std::errc() || res.ptr != v.data() + v.size() || n < lo || n > hi) refuse("an integer in range");
      return n;
    };
    switch (kind) {
      case Kind::kDouble: {
        const std::string_view v = odDxfTrimmed(value);
        double d = 0;
        auto res = std::from_chars(v.data(), v.data() + v.size(), d);
        if (res.ec != std::errc() || res.ptr != v.data() + v.size()) refuse("a number");
        uint64_t bits;
        std::memcpy(&bits, &d, 8);
        putCode();
        putLittle(out, bits, 8);
        break;
      }
      case Kind::kInt16: {
        const long long n = integer(-32768, 65535);
        putCode();
        putLittle(out, uint64_t(n), 2);
        break;
      }
      case Kind::kInt32: {
        const long long n = integer(-2147483648LL, 4294967295LL);
        putCode();
        putLittle(out, uint64_t(n), 4);
        break;
      }
      case Kind::kInt64: {
        const long long n = integer(INT64_MIN, INT64_MAX);
        putCode();
        putLittle(out, uint64_t(n), 8);
        break;
      }
      case Kind::kByte: {
        const long long n = integer(-128, 255);
        putCode();
        out += char(n & 0xff);
        break;
      }
      case Kind::kChunk: {
        const std::string_view v = odDxfTrimmed(value);
        if (v.size() % 2) refuse("hexadecimal bytes");
        // One chunk holds at most 255 bytes; longer texts are split.
        size_t i = 0;
        do {
          const size_t n = std::min<size_t>((v.size() - i) / 2, 255);
          putCode();
          out += char(n);
          for (size_t k = 0; k < n; ++k, i += 2) {
            const int hi = hexValue(v[i]), lo = hexValue(v[i + 1]);
            if (hi < 0 || lo < 0) refuse("hexadecimal bytes");
            out += char(hi * 16 + lo);
          }
        } while (i < v.size());
        break;
      }
      case Kind::kString: {
        putCode();
        for (size_t i = 0; i < value.size(); ++i) {
          if (value[i] == '^' && i + 1 < value.size() && (value[i + 1] == 'J' || value[i + 1] == 'M')) {
            out += value[i + 1] == 'J' ? '\n' : '\r';
            ++i;
          } else if (value[i] == '\0') {
            refuse("a text without NUL bytes");
          } else {
            out += value[i];
          }
        }
        out += '\0';
        break;
      }
    }
  }
  return out;
}
