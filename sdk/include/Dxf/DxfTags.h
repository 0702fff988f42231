#pragma once
// Group-code/value pairs of a drawing file, as they were read. Texts stay in
// the file's own bytes, so that what is written back unchanged is exactly
// what came in; new texts live in the document's arena.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Eight bytes a tag: a drawing holds millions of them.
struct OdDxfTag {
  uint32_t offset = 0;  // into the file text, or into the arena when the top bit is set
  uint16_t code = 0;    // group codes run from 0 to 1071
  uint16_t length = 0;  // kLongText: the text runs to the end of its line
  static constexpr uint16_t kLongText = 0xFFFF;
};
typedef std::vector<OdDxfTag> OdDxfTags;

// A run of consecutive tags of a document.
struct OdDxfSpan {
  const OdDxfTag* first = nullptr;
  size_t count = 0;
  const OdDxfTag* begin() const { return first; }
  const OdDxfTag* end() const { return first + count; }
  bool empty() const { return count == 0; }
};

// The storage every tag of one drawing points into.
class OdDxfText {
public:
  static constexpr uint32_t kArenaBit = 0x80000000u;
  explicit OdDxfText(std::string file = std::string()) : m_file(std::move(file)) {}
  std::string_view text(const OdDxfTag& tag) const {
    const std::string& s = (tag.offset & kArenaBit) ? m_arena : m_file;
    const size_t at = tag.offset & ~kArenaBit;
    if (tag.length != OdDxfTag::kLongText) return std::string_view(s.data() + at, tag.length);
    return longText(s, at);
  }
  // A tag with a text of its own.
  OdDxfTag make(int code, std::string_view text);
  const std::string& file() const { return m_file; }
  // Line number (1-based) of the value line of a tag that came from the file; 0 for new ones.
  int lineOf(const OdDxfTag& tag) const;

private:
  static std::string_view longText(const std::string& s, size_t at);
  std::string m_file;
  std::string m_arena;
};

// A value without the blanks around it (and a carriage return at its end).
std::string_view odDxfTrimmed(std::string_view text);

// A handle written as hexadecimal text; 0 for text that is not one.
uint64_t odDxfParseHandle(std::string_view text);
// Asks the system to back a large buffer that is about to be filled with
// large pages, where it can; a hint only.
void odDxfPreferLargePages(void* data, size_t bytes);

// A handle as files write it: upper-case hexadecimal digits.
std::string odDxfHandleText(uint64_t handle);

// Whether an object's tags hold subclass markers (100).
bool odDxfHasMarkers(OdDxfSpan tags);

// Value kinds by group code, as drawing files define them.
enum class OdDxfKind { kString, kDouble, kInt16, kInt32, kInt64, kBool, kHandle, kHex };
OdDxfKind odDxfKindOf(int code);
