#include "Dxf/DxfFiler.h"
#include "Db/DbSymbolTable.h"

#include "Ge/GeConst.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Db/DbAssign.h"
#include "Db/DbDatabase.h"
#include "Ge/GeMatrix3d.h"

namespace {
// Code points of the bytes 0x80..0x9F in the Western code page; 0 where undefined.
const wchar_t kCp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                 0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

void appendUtf8(std::string& out, unsigned cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | (cp >> 6));
    out += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += char(0xE0 | (cp >> 12));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xF0 | (cp >> 18));
    out += char(0x80 | ((cp >> 12) & 0x3F));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

}  // namespace

OdString OdDxfCodec::decode(std::string_view text) const {
  std::string utf8;
  utf8.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    // "\U+XXXX" names a character the file's encoding cannot hold.
    if (text[i] == '\\' && i + 7 <= text.size() && (text[i + 1] == 'U' || text[i + 1] == 'u') &&
        text[i + 2] == '+') {
      unsigned cp = 0;
      bool ok = i + 7 <= text.size();
      for (size_t k = 3; ok && k < 7; ++k) {
        const int d = hexDigit(text[i + k]);
        ok = d >= 0;
        cp = cp * 16 + unsigned(d < 0 ? 0 : d);
      }
      if (ok) {
        appendUtf8(utf8, cp);
        i += 6;
        continue;
      }
    }
    // Caret notation: "^J" is a line feed, "^ " a caret (values hold no control characters).
    if (text[i] == '^' && i + 1 < text.size() && text[i + 1] >= '@' && text[i + 1] <= '_') {
      utf8 += char(text[++i] - '@');
      continue;
    }
    if (text[i] == '^' && i + 1 < text.size() && text[i + 1] == ' ') {
      utf8 += '^';
      ++i;
      continue;
    }
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (m_utf8 || c < 0x80) {
      utf8 += char(c);
    } else if (c < 0xA0) {
      appendUtf8(utf8, kCp1252High[c - 0x80] ? kCp1252High[c - 0x80] : c);
    } else {
      appendUtf8(utf8, c);
    }
  }
  return OdString::fromUtf8(utf8);
}

std::string OdDxfCodec::encode(const OdString& text) const {
  std::string out;
  for (int i = 0; i < text.getLength(); ++i) {
    const unsigned cp = static_cast<unsigned>(text.getAt(i));
    if (cp < 0x20 || cp == '^') {
      // A line break in a value would end it: control characters in caret notation.
      out += '^';
      out += cp == '^' ? ' ' : char(cp + '@');
    } else if (cp < 0x80) {
      out += char(cp);
    } else if (m_utf8) {
      appendUtf8(out, cp);
    } else {
      int byte = -1;
      if (cp >= 0xA0 && cp <= 0xFF) byte = int(cp);
      for (int k = 0; k < 32 && byte < 0; ++k)
        if (kCp1252High[k] == wchar_t(cp)) byte = 0x80 + k;
      if (byte >= 0) {
        out += char(byte);
      } else {
        char buf[16];
        std::snprintf(buf, sizeof buf, "\\U+%04X", cp > 0xFFFF ? 0xFFFD : cp);
        out += buf;
      }
    }
  }
  return out;
}

OdDxfIn::OdDxfIn(const OdDxfText& text, OdDxfSpan tags, const OdDxfCodec& codec, OdDbDatabase* db,
                 bool markers, OdDxfNameCache* names)
    : m_text(text), m_tags(tags), m_codec(codec), m_db(db), m_markers(markers), m_names(names) {}

OdDbObjectId OdDxfIn::recordNamed(OdDbObjectId tableId, const OdDxfTag* tag, const OdString& fallback) const {
  const std::string_view raw = tag ? odDxfTrimmed(m_text.text(*tag)) : std::string_view();
  std::map<std::string, OdDbObjectId, std::less<>>* known = nullptr;
  if (m_names) {
    known = &m_names->byTable[tableId.stub()];
    auto it = known->find(raw);
    if (it != known->end()) return it->second;
  }
  OdDbObjectId id;
  OdDbObjectPtr obj = tableId.openObject();
  if (OdDbSymbolTable* table = obj.isNull() ? nullptr : OdDbSymbolTable::cast(obj).get())
    id = table->getAt(tag ? m_codec.decode(m_text.text(*tag)) : fallback);
  if (known) known->emplace(std::string(raw), id);
  return id;
}

void OdDxfIn::indexMarkers() const {
  m_indexed = true;
  m_markerCount = 0;
  m_fieldsEnd = m_tags.begin();
  // Fields end where extended data or an embedded object (101) begins.
  while (m_fieldsEnd != m_tags.end() && m_fieldsEnd->code != 1001 && m_fieldsEnd->code != 101) {
    if (m_fieldsEnd->code == 100) {
      if (m_markerCount == kMaxMarkers) m_markerCount = kMaxMarkers + 1;  // too many to index
      if (m_markerCount < kMaxMarkers) m_marker[m_markerCount++] = m_fieldsEnd;
    }
    ++m_fieldsEnd;
  }
}

const OdDxfTag* OdDxfIn::find(const char* subclass, int code, int nth) const {
  if (m_markers && subclass) {
    if (!m_indexed) indexMarkers();
    // Fields are asked for subclass by subclass: keep where the last one lies.
    if (subclass != m_cachedSubclass) {
      const std::string_view want(subclass);
      m_cachedSubclass = subclass;
      m_sectionBegin = m_sectionEnd = m_tags.end();
      m_sectionRepeats = false;
      const int count = m_markerCount > kMaxMarkers ? 0 : m_markerCount;
      if (m_markerCount > kMaxMarkers) {
        // Objects with very many markers are looked through tag by tag.
        for (const OdDxfTag* t = m_tags.begin(); t != m_fieldsEnd; ++t) {
          if (t->code != 100) continue;
          if (m_sectionBegin != m_tags.end()) {
            if (m_sectionEnd == m_tags.end()) m_sectionEnd = t;
            m_sectionRepeats = m_sectionRepeats || m_text.text(*t) == want;
          } else if (m_text.text(*t) == want) {
            m_sectionBegin = t + 1;
          }
        }
      }
      for (int i = 0; i < count; ++i) {
        if (m_text.text(*m_marker[i]) != want) continue;
        if (m_sectionBegin == m_tags.end()) {
          m_sectionBegin = m_marker[i] + 1;
          m_sectionEnd = i + 1 < count ? m_marker[i + 1] : m_fieldsEnd;
        } else {
          m_sectionRepeats = true;
        }
      }
      if (m_sectionBegin == m_tags.end() && m_markerCount > 0) {
        // Files that leave a marker out hold its fields after the last marker they have.
        const OdDxfTag* last = m_markerCount > kMaxMarkers ? nullptr : m_marker[count - 1];
        if (!last)
          for (const OdDxfTag* t = m_tags.begin(); t != m_fieldsEnd; ++t)
            if (t->code == 100) last = t;
        m_sectionBegin = last + 1;
        m_sectionEnd = m_fieldsEnd;
      }
      if (m_sectionBegin != m_tags.end() && m_sectionEnd == m_tags.end()) m_sectionEnd = m_fieldsEnd;
    }
    for (const OdDxfTag* t = m_sectionBegin; t != m_sectionEnd; ++t)
      if (t->code == code && nth-- == 0) return t;
    if (!m_sectionRepeats) return nullptr;
    // A marker can stand twice (text has two AcDbText sections): look in the later ones too.
    const std::string_view want(subclass);
    bool inside = false;
    for (const OdDxfTag* t = m_sectionEnd; t != m_fieldsEnd; ++t) {
      if (t->code == 100) inside = m_text.text(*t) == want;
      else if (inside && t->code == code && nth-- == 0) return t;
    }
    return nullptr;
  }
  for (const OdDxfTag& t : m_tags) {
    if (t.code == 1001) break;  // extended data
    if (t.code == code && nth-- == 0) return &t;
  }
  return nullptr;
}

std::vector<const OdDxfTag*> OdDxfIn::section(const char* subclass) const {
  std::vector<const OdDxfTag*> out;
  bool inside = !m_markers || !subclass;
  for (const OdDxfTag& t : m_tags) {
    if (t.code == 100 && m_markers && subclass) {
      inside = m_text.text(t) == subclass;
      continue;
    }
    if (t.code == 1001 || t.code == 101) break;
    if (inside) out.push_back(&t);
  }
  return out;
}

double OdDxfIn::toReal(const OdDxfTag& tag) const {
  const std::string_view s = odDxfTrimmed(m_text.text(tag));
  double v = 0.0;
  const char* first = s.data();
  if (!s.empty() && *first == '+') ++first;
  auto res = std::from_chars(first, s.data() + s.size(), v);
  if (res.ec != std::errc() || res.ptr != s.data() + s.size() || !std::isfinite(v))
    throw OdDxfError("bad number \"" + std::string(s) + "\" for group code " + std::to_string(tag.code),
                     m_text.lineOf(tag));
  return v;
}

long long OdDxfIn::toInteger(const OdDxfTag& tag) const {
  const std::string_view s = odDxfTrimmed(m_text.text(tag));
  long long v = 0;
  const char* first = s.data();
  if (!s.empty() && *first == '+') ++first;
  auto res = std::from_chars(first, s.data() + s.size(), v);
  if (res.ec != std::errc() || res.ptr != s.data() + s.size()) {
    // Some writers put a decimal point in integer fields; a whole number is accepted.
    double d = toReal(tag);
    if (d != std::floor(d) || std::fabs(d) > 9e18)
      throw OdDxfError("bad integer \"" + std::string(s) + "\" for group code " + std::to_string(tag.code),
                       m_text.lineOf(tag));
    v = static_cast<long long>(d);
  }
  return v;
}

double OdDxfIn::real(const char* subclass, int code, double def, int nth) const {
  const OdDxfTag* t = find(subclass, code, nth);
  return t ? toReal(*t) : def;
}

int OdDxfIn::integer(const char* subclass, int code, int def, int nth) const {
  const OdDxfTag* t = find(subclass, code, nth);
  if (!t) return def;
  const long long v = toInteger(*t);
  if (v < -2147483648LL || v > 4294967295LL)
    throw OdDxfError("integer out of range for group code " + std::to_string(code), m_text.lineOf(*t));
  return static_cast<int>(v);
}

OdString OdDxfIn::string(const char* subclass, int code, const OdString& def, int nth) const {
  const OdDxfTag* t = find(subclass, code, nth);
  return t ? m_codec.decode(m_text.text(*t)) : def;
}

OdGePoint3d OdDxfIn::point(const char* subclass, int code, const OdGePoint3d& def, int nth) const {
  const OdDxfTag* x = find(subclass, code, nth);
  if (!x) return def;
  // Y and Z follow X in nearly every file; else they are looked up.
  const OdDxfTag* end = m_tags.end();
  const OdDxfTag* y = x + 1 != end && x[1].code == code + 10 ? x + 1 : find(subclass, code + 10, nth);
  const OdDxfTag* z = y && y + 1 != end && y[1].code == code + 20 ? y + 1 : find(subclass, code + 20, nth);
  return OdGePoint3d(toReal(*x), y ? toReal(*y) : def.y, z ? toReal(*z) : def.z);
}

OdGeVector3d OdDxfIn::vector(const char* subclass, int code, const OdGeVector3d& def, int nth) const {
  const OdGePoint3d p = point(subclass, code, OdGePoint3d(def.x, def.y, def.z), nth);
  return OdGeVector3d(p.x, p.y, p.z);
}

OdGeVector3d OdDxfIn::normal(const char* subclass, int code) const {
  return odDbUnitNormal(vector(subclass, code, OdGeVector3d::kZAxis));
}

OdGePoint3d OdDxfIn::ocsPoint(const char* subclass, int code, const OdGeVector3d& normal, const OdGePoint3d& def,
                              int nth) const {
  if (!find(subclass, code, nth)) return def;
  return OdDxfOut::ocsToWorld(point(subclass, code, OdGePoint3d(), nth), normal);
}

OdDbObjectId OdDxfIn::reference(const char* subclass, int code, int nth) const {
  const OdDxfTag* t = find(subclass, code, nth);
  if (!t || !m_db) return OdDbObjectId();
  const OdDbHandle h(odDxfParseHandle(m_text.text(*t)));
  return h.isNull() ? OdDbObjectId() : m_db->getOdDbObjectId(h);
}

namespace {
// The shortest text that reads back as the value, with a point where it would look like an integer.
size_t formatRealTo(char (&buf)[64], double value) {
  auto res = std::to_chars(buf, buf + sizeof buf - 2, value);
  size_t n = size_t(res.ptr - buf);
  if (!std::memchr(buf, '.', n) && !std::memchr(buf, 'e', n) && !std::memchr(buf, 'E', n) && !std::memchr(buf, 'n', n)) {
    buf[n++] = '.';
    buf[n++] = '0';
  }
  return n;
}
}  // namespace

std::string OdDxfOut::formatReal(double value) {
  char buf[64];
  return std::string(buf, formatRealTo(buf, value));
}

void OdDxfOut::subclass(const char* marker) {
  if (m_used == m_sections.size()) m_sections.emplace_back();
  Section& s = m_sections[m_used++];
  s.marker = marker;
  s.fields.clear();
  s.codes.bits.reset();
  s.keepFrom = 0;
}
void OdDxfOut::reset(OdDxfSpan original, bool fromFile) {
  m_used = 0;
  m_original = original;
  m_fromFile = fromFile && m_text;
  m_rangesFor = size_t(-1);
  m_ranges.clear();
}


void OdDxfOut::real(int code, double value) {
  // Nothing reads a number that is not finite back: the save stops rather than write one.
  if (!std::isfinite(value))
    throw OdDxfError("a value that is not finite for group code " + std::to_string(code) + " cannot be saved", 0);
  char buf[64];
  add(code, std::string_view(buf, formatRealTo(buf, value)));
}
bool OdDxfOut::number(const OdDxfTag* tag, double& value) const {
  const std::string_view s = odDxfTrimmed(m_text->text(*tag));
  const char* first = s.data() + (!s.empty() && s[0] == '+');
  auto res = std::from_chars(first, s.data() + s.size(), value);
  return res.ec == std::errc() && res.ptr == s.data() + s.size();
}

bool OdDxfOut::hadField(int code) const { return originalField(code) != nullptr; }

void OdDxfOut::indexSection() const {
  if (m_rangesFor == m_used) return;
  m_rangesFor = m_used;
  m_ranges.clear();
  const bool markers = odDxfHasMarkers(m_original);
  const std::string_view marker = m_used == 0 ? std::string_view() : std::string_view(m_sections[m_used - 1].marker);
  const OdDxfTag* open = (!markers || marker.empty()) ? m_original.begin() : nullptr;
  const OdDxfTag* t = m_original.begin();
  for (; t != m_original.end(); ++t) {
    if (t->code == 1001 || t->code == 101) break;  // extended data or an embedded object
    if (!markers || t->code != 100) continue;
    if (open) m_ranges.emplace_back(open, t), open = nullptr;
    if (odDxfTrimmed(m_text->text(*t)) == marker) open = t + 1;
  }
  if (open) m_ranges.emplace_back(open, t);
  // Fields are asked for one by one: the first tag of each code, stamped
  // with the number of this indexing rather than cleared each time.
  if (m_firstOfCode.empty()) m_firstOfCode.assign(1072, {0, nullptr});
  if (++m_indexNumber == 0) {
    for (auto& e : m_firstOfCode) e.first = 0;
    m_indexNumber = 1;
  }
  for (const auto& range : m_ranges)
    for (const OdDxfTag* f = range.first; f != range.second; ++f)
      if (f->code < 1072 && m_firstOfCode[f->code].first != m_indexNumber) m_firstOfCode[f->code] = {m_indexNumber, f};
}

template <class Visit>
void OdDxfOut::eachOriginalField(Visit visit) const {
  if (!m_text) return;
  indexSection();
  for (const auto& range : m_ranges)
    for (const OdDxfTag* t = range.first; t != range.second; ++t)
      if (!visit(*t)) return;
}
const OdDxfTag* OdDxfOut::originalField(int code) const {
  if (!m_text || code < 0 || code >= 1072) return nullptr;
  indexSection();
  const auto& e = m_firstOfCode[size_t(code)];
  return e.first == m_indexNumber ? e.second : nullptr;
}

void OdDxfOut::realOpt(int code, double value, double def) {
  if (value == def && !hadField(code)) own(code);
  else real(code, value);
}
void OdDxfOut::integer(int code, long long value) { add(code, std::to_string(value)); }
void OdDxfOut::integerOpt(int code, long long value, long long def) {
  if (value == def && !hadField(code)) own(code);
  else integer(code, value);
}
void OdDxfOut::flags(int code, long long value, long long mask, long long def) {
  const OdDxfTag* had = originalField(code);
  if (!had) {
    integerOpt(code, value, def);
    return;
  }
  long long old = 0;
  const std::string_view text = odDxfTrimmed(m_text->text(*had));
  std::from_chars(text.data(), text.data() + text.size(), old);
  integer(code, (old & ~mask) | (value & mask));
}
void OdDxfOut::string(int code, const OdString& value) { add(code, m_codec.encode(value)); }
void OdDxfOut::name(int code, const OdString& value) { nameText(code, m_codec.encode(value)); }

void OdDxfOut::recordName(int code, OdDbObjectId record) {
  for (const auto& known : m_recordNames)
    if (known.first == record.stub()) return nameText(code, known.second);
  OdDbSymbolTableRecordPtr r = OdDbSymbolTableRecord::cast(record.openObject());
  m_recordNames.emplace_back(record.stub(), r.isNull() ? std::string() : m_codec.encode(r->getName()));
  nameText(code, m_recordNames.back().second);
}

void OdDxfOut::nameText(int code, const std::string& text) {
  if (m_text)
    for (const OdDxfTag& t : m_original) {
      if (t.code == 1001) break;
      if (t.code != code) continue;
      const std::string_view had = odDxfTrimmed(m_text->text(t));
      if (had.size() != text.size()) continue;
      bool same = true;
      for (size_t i = 0; same && i < had.size(); ++i)
        same = std::tolower((unsigned char)had[i]) == std::tolower((unsigned char)text[i]);
      if (same) {
        add(code, std::string(had));
        return;
      }
    }
  add(code, text);
}

void OdDxfOut::stringOpt(int code, const OdString& value) {
  if (value.isEmpty() && !hadField(code)) own(code);
  else string(code, value);
}
void OdDxfOut::point(int code, const OdGePoint3d& value) {
  real(code, value.x);
  real(code + 10, value.y);
  real(code + 20, value.z);
}
void OdDxfOut::pointOpt(int code, const OdGePoint3d& value, const OdGePoint3d& def) {
  if (value.x == def.x && value.y == def.y && value.z == def.z && !hadField(code)) {
    own(code);
    own(code + 10);
    own(code + 20);
  } else {
    point(code, value);
  }
}
void OdDxfOut::vectorOpt(int code, const OdGeVector3d& value, const OdGeVector3d& def) {
  pointOpt(code, OdGePoint3d(value.x, value.y, value.z), OdGePoint3d(def.x, def.y, def.z));
}
namespace {
bool isWorldZ(const OdGeVector3d& n) { return n.x == 0.0 && n.y == 0.0 && n.z == 1.0; }
bool sameBits(const OdGePoint3d& a, const OdGePoint3d& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }
}  // namespace

OdGePoint3d OdDxfOut::ocsToWorld(const OdGePoint3d& ocs, const OdGeVector3d& normal) {
  // Most entities lie in the world XY plane: their OCS is the world, to the last bit.
  if (isWorldZ(normal)) return ocs;
  return OdGePoint3d(ocs).transformBy(OdGeMatrix3d::planeToWorld(normal));
}

OdGePoint3d OdDxfOut::worldToOcs(const OdGePoint3d& world, const OdGeVector3d& normal) {
  if (isWorldZ(normal)) return world;
  return OdGePoint3d(world).transformBy(OdGeMatrix3d::worldToPlane(normal));
}

void OdDxfOut::longString(int code, int continuationCode, const OdString& value) {
  own(continuationCode);
  // The file's parts, in order.
  std::vector<const OdDxfTag*> parts;
  std::string raw;
  eachOriginalField([&](const OdDxfTag& t) {
    if (t.code == code || t.code == continuationCode) {
      parts.push_back(&t);
      raw += m_text->text(t);
    }
    return true;
  });
  if (!parts.empty() && m_codec.decode(raw) == value) {
    for (const OdDxfTag* t : parts) add(t->code, std::string(m_text->text(*t)));
    return;
  }
  const std::string text = m_codec.encode(value);
  size_t at = 0;
  while (text.size() - at > 250) {
    size_t end = at + 250;
    // Parts end between characters, and not inside a caret pair.
    while (end > at + 1 && ((static_cast<unsigned char>(text[end]) & 0xC0) == 0x80 || text[end - 1] == '^')) --end;
    add(continuationCode, text.substr(at, end - at));
    at = end;
  }
  add(code, text.substr(at));
}

void OdDxfOut::normal(int code, const OdGeVector3d& unit, const OdGeVector3d& def) {
  OdGePoint3d had;
  const OdDxfTag* t[3] = {originalField(code), originalField(code + 10), originalField(code + 20)};
  if (t[0] && t[1] && t[2] && number(t[0], had.x) && number(t[1], had.y) && number(t[2], had.z)) {
    const OdGeVector3d n = odDbUnitNormal(had.asVector());
    if (n.x == unit.x && n.y == unit.y && n.z == unit.z) {
      for (int i = 0; i < 3; ++i) add(code + 10 * i, std::string(m_text->text(*t[i])));
      return;
    }
  }
  vectorOpt(code, unit, def);
}

void OdDxfOut::ocsPoint(int code, const OdGePoint3d& world, const OdGeVector3d& normal) {
  const OdDxfTag* x = originalField(code);
  const OdDxfTag* y = originalField(code + 10);
  const OdDxfTag* z = originalField(code + 20);
  if (x && y) {
    OdGePoint3d had;
    if (number(x, had.x) && number(y, had.y) && (!z || number(z, had.z)) && sameBits(ocsToWorld(had, normal), world)) {
      add(code, std::string(m_text->text(*x)));
      add(code + 10, std::string(m_text->text(*y)));
      if (z) add(code + 20, std::string(m_text->text(*z)));
      else own(code + 20);
      return;
    }
  }
  point(code, worldToOcs(world, normal));
}

void OdDxfOut::reference(int code, OdDbObjectId id) {
  add(code, id.isNull() ? std::string("0") : odDxfHandleText(OdUInt64(id.getHandle())));
}
void OdDxfOut::referenceOpt(int code, OdDbObjectId id) {
  if (id.isNull()) own(code);
  else reference(code, id);
}

void OdDxfOut::original(int code) {
  if (m_text)
    for (const OdDxfTag& t : m_original)
      if (t.code == code) {
        add(code, std::string(m_text->text(t)));
        return;
      }
  own(code);
}

double OdDxfOut::degreesOf(double radians) {
  // An angle too large to count in degrees is written as the same direction.
  if (!std::isfinite(radians * (180.0 / 3.14159265358979323846))) radians = std::fmod(radians, 2 * 3.14159265358979323846);
  const double degrees = radians * (180.0 / 3.14159265358979323846);
  for (int digits = 1; digits <= 17; ++digits) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*g", digits, degrees);
    const double d = std::strtod(buf, nullptr);
    if (d * (3.14159265358979323846 / 180.0) == radians) return d;
  }
  return degrees;
}

void OdDxfOut::angle(int code, double radians) {
  // The file's own degrees, when they still name the same angle, or the
  // angle the object keeps them as in [0, 2 pi).
  if (m_text)
    for (const OdDxfTag& t : m_original)
      if (t.code == code) {
        const std::string text(odDxfTrimmed(m_text->text(t)));
        char* end = nullptr;
        const double d = std::strtod(text.c_str(), &end);
        const double read = d * (3.14159265358979323846 / 180.0);
        if (end && *end == 0 && !text.empty() && (read == radians || OdaNormalizedAngle(read) == radians)) {
          add(code, text);
          return;
        }
        break;
      }
  real(code, degreesOf(radians));
}

void OdDxfOut::angleOpt(int code, double radians, double defRadians) {
  if (radians == defRadians && !hadField(code)) own(code);
  else angle(code, radians);
}
