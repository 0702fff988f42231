// Recovering a damaged drawing's structure: before reading, its tags are put
// into the order a drawing file has, saying each repair. What cannot be
// placed is left out only when it holds no drawing data of its own.
#include <algorithm>
#include <charconv>
#include <deque>
#include <cmath>
#include <map>
#include <set>

#include "Db/DbEntity.h"
#include "Dxf/DxfDocument.h"
#include "Dxf/DxfFiler.h"
#include "Rx/RxClass.h"

using namespace std::literals;

namespace {

bool isTableRecord(std::string_view type) {
  for (std::string_view t : {"VPORT"sv, "LTYPE"sv, "LAYER"sv, "STYLE"sv, "VIEW"sv, "UCS"sv, "APPID"sv, "DIMSTYLE"sv,
                             "BLOCK_RECORD"sv})
    if (type == t) return true;
  return false;
}

bool isEntityType(std::string_view type) {
  static const std::set<std::string, std::less<>> names = [] {
    std::set<std::string, std::less<>> n = {"POLYLINE", "VERTEX", "SEQEND", "INSERT", "ATTRIB", "DIMENSION"};
    for (OdRxClass* c : odrxClasses())
      if (c->isDerivedFrom(OdDbEntity::desc()) && !c->dxfName().isEmpty()) n.insert(c->dxfName().toUtf8());
    return n;
  }();
  return names.count(type) > 0;
}

class Repairer {
public:
  explicit Repairer(OdDxfDocument& doc) : m_doc(doc), m_tags(doc.tags) {}

  void run() {
    repairNumbers();
    split();
    // Lines that only looked like tags are no drawing.
    if (m_sections.empty()) throw OdDxfError("no section of a drawing found: not a drawing file", 1);
    m_markers = declaresMarkers();
    repairHeader();
    repairTables();
    repairBlocks();
    repairRecords("ENTITIES");
    repairRecords("OBJECTS");
    join();
  }

private:
  struct Section {
    std::string name;
    OdDxfTag head, nameTag;  // SECTION and its name, as read
    OdDxfTags body;
  };

  std::string_view text(const OdDxfTag& t) const { return odDxfTrimmed(m_doc.text.text(t)); }
  bool isZero(const OdDxfTag& t, std::string_view name) const { return t.code == 0 && text(t) == name; }
  void note(const OdDxfTag& near, std::string what) { m_doc.repaired(near, std::move(what)); }
  OdDxfTag make(int code, std::string_view value) { return m_doc.text.make(code, value); }

  Section& section(const std::string& name, const OdDxfTag& near) {
    for (Section& s : m_sections)
      if (s.name == name) return s;
    m_sections.push_back({name, near, near, {}});
    m_sections.back().head = make(0, "SECTION");
    m_sections.back().nameTag = make(2, name);
    return m_sections.back();
  }
  Section* find(const std::string& name) {
    for (Section& s : m_sections)
      if (s.name == name) return &s;
    return nullptr;
  }
  // The record that starts at i: up to the next 0 tag.
  size_t recordEnd(const OdDxfTags& tags, size_t i) const {
    size_t j = i + 1;
    while (j < tags.size() && tags[j].code != 0) ++j;
    return j;
  }

  // Numbers that do not read: a decimal comma is read as a point, anything
  // else as 0 (the tag's text stays in the note).
  void repairNumbers() {
    for (OdDxfTag& t : m_tags) {
      const OdDxfKind kind = odDxfKindOf(t.code);
      const bool real = kind == OdDxfKind::kDouble;
      if (!real && kind != OdDxfKind::kInt16 && kind != OdDxfKind::kInt32 && kind != OdDxfKind::kInt64 &&
          kind != OdDxfKind::kBool)
        continue;
      std::string_view v = text(t);
      if (!v.empty() && v.front() == '+') v.remove_prefix(1);
      if (readsAsNumber(v, real)) continue;
      std::string fixed(v);
      std::replace(fixed.begin(), fixed.end(), ',', '.');
      const bool comma = fixed != v && readsAsNumber(fixed, true) && (real || readsAsNumber(fixed, false));
      note(t, "bad number \"" + std::string(v.substr(0, 40)) + "\" for group code " + std::to_string(t.code) +
                  (comma ? "; its decimal comma read as a point" : "; 0 used"));
      t = make(t.code, comma ? fixed : "0");
    }
  }
  static bool readsAsNumber(std::string_view v, bool real) {
    if (v.empty()) return false;
    if (real) {
      double d = 0;
      auto r = std::from_chars(v.data(), v.data() + v.size(), d);
      return r.ec == std::errc() && r.ptr == v.data() + v.size() && std::isfinite(d);
    }
    long long n = 0;
    auto r = std::from_chars(v.data(), v.data() + v.size(), n);
    if (r.ec == std::errc() && r.ptr == v.data() + v.size()) return true;
    double d = 0;  // whole numbers written with a point read too
    auto r2 = std::from_chars(v.data(), v.data() + v.size(), d);
    return r2.ec == std::errc() && r2.ptr == v.data() + v.size() && d == std::floor(d) && std::fabs(d) < 9e18;
  }

  // Sections by name, a repeated one joined to the first; what lies outside
  // any section goes where it belongs.
  void split() {
    Section* open = nullptr;
    bool saidStray = false;
    size_t i = 0;
    for (; i < m_tags.size(); ++i) {
      const OdDxfTag& t = m_tags[i];
      if (isZero(t, "EOF")) break;
      if (isZero(t, "SECTION")) {
        if (open) note(t, "section " + open->name + " is not closed before the next SECTION; closed there");
        if (i + 1 < m_tags.size() && m_tags[i + 1].code == 2) {
          const std::string name(text(m_tags[i + 1]));
          const bool repeated = find(name) != nullptr;
          open = &section(name, t);
          if (!repeated) open->head = t, open->nameTag = m_tags[i + 1];
          ++i;
        } else {
          note(t, "a SECTION without a name; its content is read as that of no section");
          open = nullptr;
        }
        m_order.push_back(open ? open->name : std::string());
        continue;
      }
      if (isZero(t, "ENDSEC")) {
        if (!open) note(t, "ENDSEC outside a section; left out");
        open = nullptr;
        continue;
      }
      if (open) {
        open->body.push_back(t);
        continue;
      }
      // Outside any section.
      if (t.code == 9) {
        const size_t end = nextOf(i, [](const OdDxfTag& x) { return x.code == 9 || x.code == 0; });
        note(t, "header variable " + std::string(text(t)) + " outside the HEADER section; moved into it");
        Section& header = section("HEADER", t);
        header.body.insert(header.body.end(), m_tags.begin() + long(i), m_tags.begin() + long(end));
        i = end - 1;
        continue;
      }
      if (t.code == 0) {
        const size_t end = recordEnd(m_tags, i);
        const std::string type(text(t));
        const char* target = isEntityType(type) ? "ENTITIES" : isTableRecord(type) ? "TABLES" : "OBJECTS";
        note(t, type + " outside any section; moved into the " + target + " section");
        Section& s = section(target, t);
        s.body.insert(s.body.end(), m_tags.begin() + long(i), m_tags.begin() + long(end));
        i = end - 1;
        continue;
      }
      if (!saidStray) note(t, "tags outside any section (group code " + std::to_string(t.code) + "); left out");
      saidStray = true;
    }
    if (open) note(m_tags[std::min(i, m_tags.size()) - 1], "section " + open->name + " is not closed at the end of the file; closed");
  }
  template <typename Stop>
  size_t nextOf(size_t i, Stop stop) const {
    size_t j = i + 1;
    while (j < m_tags.size() && !stop(m_tags[j])) ++j;
    return j;
  }

  bool declaresMarkers() {
    Section* header = find("HEADER");
    if (!header) return true;
    for (size_t i = 0; i + 1 < header->body.size(); ++i)
      if (header->body[i].code == 9 && text(header->body[i]) == "$ACADVER") {
        const std::string_view v = text(header->body[i + 1]);
        int release = 0;
        if (v.size() == 6 && v.substr(0, 2) == "AC") std::from_chars(v.data() + 2, v.data() + 6, release);
        return release > 1009;
      }
    return false;
  }

  // Records inside the header belong to other sections.
  void repairHeader() {
    Section* header = find("HEADER");
    if (!header) return;
    OdDxfTags kept;
    OdDxfTags& body = header->body;
    for (size_t i = 0; i < body.size();) {
      if (body[i].code == 0) {
        const size_t end = recordEnd(body, i);
        const std::string type(text(body[i]));
        if (isEntityType(type)) {
          note(body[i], type + " inside the HEADER section; moved into the ENTITIES section");
          moved["ENTITIES"].insert(moved["ENTITIES"].end(), body.begin() + long(i), body.begin() + long(end));
        } else {
          note(body[i], type + " inside the HEADER section; left out");
        }
        i = end;
        continue;
      }
      if (kept.empty() && body[i].code != 9) {
        note(body[i], "a value without its header variable; left out");
        ++i;
        continue;
      }
      kept.push_back(body[i++]);
    }
    body.swap(kept);
  }

  // Every table opened by its head and closed by ENDTAB; records without a
  // head get one, with the owner their records name and their count.
  void repairTables() {
    Section* tables = find("TABLES");
    if (!tables) return;
    OdDxfTags out;
    const OdDxfTags& body = tables->body;
    std::string open;
    size_t headAt = 0;  // where the open table's head is in out
    size_t records = 0;
    bool implied = false;
    auto close = [&](const OdDxfTag& near, bool said) {
      if (!said) note(near, "table " + open + " is not closed; closed");
      countRecords(out, headAt, records, implied);
      out.push_back(make(0, "ENDTAB"));
      open.clear();
    };
    for (size_t i = 0; i < body.size();) {
      const OdDxfTag& t = body[i];
      if (t.code != 0) {
        // Only the section's first tags can be no record's (the others follow a 0 tag).
        i = recordEnd(body, i);
        note(t, "tags before the first table (group code " + std::to_string(t.code) + "); left out");
        continue;
      }
      const size_t end = recordEnd(body, i);
      const std::string type(text(t));
      if (type == "TABLE") {
        if (!open.empty()) close(t, false);
        open = "?";
        for (size_t k = i + 1; k < end; ++k)
          if (body[k].code == 2) open = std::string(text(body[k]));
        implied = false;
        headAt = out.size();
        records = 0;
        out.insert(out.end(), body.begin() + long(i), body.begin() + long(end));
        // A table belongs to the drawing itself: its owner is none.
        for (size_t k = headAt + 1; k < out.size(); ++k)
          if (out[k].code == 330 && odDxfParseHandle(text(out[k])) != 0) {
            note(out[k], "table " + open + " names owner " + std::string(text(out[k])) + "; a table has none, 0 written");
            out[k] = make(330, "0");
            break;
          } else if (out[k].code == 100) {
            break;
          }
      } else if (type == "ENDTAB") {
        if (open.empty()) note(t, "ENDTAB outside a table; left out");
        else {
          countRecords(out, headAt, records, implied);
          out.insert(out.end(), body.begin() + long(i), body.begin() + long(end));
          open.clear();
        }
      } else if (isTableRecord(type) && open != type && !(open == "?")) {
        if (!open.empty()) close(t, false);
        note(t, "records of table " + type + " without their TABLE head; head added");
        // The owner the records name is the table's handle.
        std::string owner;
        for (size_t k = i + 1; k < end; ++k)
          if (body[k].code == 330) {
            owner = std::string(text(body[k]));
            break;
          }
        headAt = out.size();
        out.push_back(make(0, "TABLE"));
        out.push_back(make(2, type));
        if (m_markers) {
          if (!owner.empty() && owner != "0") out.push_back(make(5, owner));
          out.push_back(make(330, "0"));
          out.push_back(make(100, "AcDbSymbolTable"));
        }
        out.push_back(make(70, "0"));
        open = type;
        implied = true;
        records = 1;
        out.insert(out.end(), body.begin() + long(i), body.begin() + long(end));
      } else if (open.empty()) {
        note(t, type + " outside any table; left out");
      } else {
        ++records;
        out.insert(out.end(), body.begin() + long(i), body.begin() + long(end));
      }
      i = end;
    }
    if (!open.empty()) close(body.empty() ? tables->head : body.back(), false);
    tables->body.swap(out);
  }

  // A head made for records counts them. (Files often disagree with their
  // own heads' counts, which readers do not use: those stay.)
  void countRecords(OdDxfTags& out, size_t headAt, size_t records, bool implied) {
    if (!implied) return;
    for (size_t k = headAt + 1; k < out.size() && out[k].code != 0; ++k) {
      if (out[k].code != 70) continue;
      const std::string_view v = text(out[k]);
      size_t n = 0;
      auto r = std::from_chars(v.data(), v.data() + v.size(), n);
      if (r.ec == std::errc() && r.ptr == v.data() + v.size() && n == records) return;
      out[k] = make(70, std::to_string(records));
      return;
    }
  }

  // A light-weight polyline's count (90) is that of its vertices.
  void countVertices(OdDxfTags& body) {
    for (size_t i = 0; i < body.size(); ++i) {
      if (body[i].code != 0 || text(body[i]) != "LWPOLYLINE") continue;
      const size_t end = recordEnd(body, i);
      size_t vertices = 0, countAt = 0;
      for (size_t k = i + 1; k < end; ++k) {
        if (body[k].code == 10) ++vertices;
        if (body[k].code == 90 && !countAt) countAt = k;
      }
      if (!countAt) continue;
      const std::string_view v = text(body[countAt]);
      size_t n = 0;
      auto r = std::from_chars(v.data(), v.data() + v.size(), n);
      if (r.ec == std::errc() && r.ptr == v.data() + v.size() && n == vertices) continue;
      note(body[countAt], "polyline vertex count " + std::string(v) + " where it holds " + std::to_string(vertices) + " vertices; counted anew");
      body[countAt] = make(90, std::to_string(vertices));
    }
  }

  // Every block closed by ENDBLK; entities outside a block go to ENTITIES.
  void repairBlocks() {
    Section* blocks = find("BLOCKS");
    if (!blocks) return;
    OdDxfTags out;
    const OdDxfTags& body = blocks->body;
    bool open = false;
    std::string name;
    auto close = [&](const OdDxfTag& near) {
      note(near, "block \"" + name + "\" is not closed; ENDBLK added");
      out.push_back(make(0, "ENDBLK"));
      if (m_markers) out.push_back(make(100, "AcDbEntity"));
      out.push_back(make(8, "0"));
      if (m_markers) out.push_back(make(100, "AcDbBlockEnd"));
      open = false;
    };
    for (size_t i = 0; i < body.size();) {
      const OdDxfTag& t = body[i];
      if (t.code != 0) {
        // Only the section's first tags can be no record's (the others follow a 0 tag).
        i = recordEnd(body, i);
        note(t, "tags before the first block (group code " + std::to_string(t.code) + "); left out");
        continue;
      }
      const size_t end = recordEnd(body, i);
      const std::string type(text(t));
      if (type == "BLOCK") {
        if (open) close(t);
        open = true;
        name.clear();
        for (size_t k = i + 1; k < end; ++k)
          if (body[k].code == 2) name = std::string(text(body[k]));
        out.insert(out.end(), body.begin() + long(i), body.begin() + long(end));
      } else if (type == "ENDBLK") {
        if (!open) note(t, "ENDBLK outside a block; left out");
        else out.insert(out.end(), body.begin() + long(i), body.begin() + long(end));
        open = false;
      } else if (!open) {
        note(t, type + " outside any block; moved into the ENTITIES section");
        moved["ENTITIES"].insert(moved["ENTITIES"].end(), body.begin() + long(i), body.begin() + long(end));
      } else if (type == "TABLE" || type == "ENDTAB") {
        note(t, type + " inside a block; left out");
      } else {
        out.insert(out.end(), body.begin() + long(i), body.begin() + long(end));
      }
      i = end;
    }
    if (open) close(body.back());
    countVertices(out);
    blocks->body.swap(out);
  }

  // Sections of records: structure words and tags before the first record go.
  void repairRecords(const char* name) {
    Section* s = find(name);
    auto extra = moved.find(name);
    if (!s && extra != moved.end() && !extra->second.empty()) s = &section(name, extra->second.front());
    if (!s) return;
    OdDxfTags out;
    const OdDxfTags& body = s->body;
    for (size_t i = 0; i < body.size();) {
      const OdDxfTag& t = body[i];
      if (t.code != 0) {
        const size_t end = recordEnd(body, i);
        note(t, std::string("tags before the first record of the ") + name + " section; left out");
        i = end;
        continue;
      }
      const size_t end = recordEnd(body, i);
      const std::string_view type = text(t);
      if (type == "BLOCK" || type == "ENDBLK" || type == "TABLE" || type == "ENDTAB") {
        note(t, std::string(type) + " inside the " + name + " section; left out");
      } else {
        out.insert(out.end(), body.begin() + long(i), body.begin() + long(end));
      }
      i = end;
    }
    if (extra != moved.end()) out.insert(out.end(), extra->second.begin(), extra->second.end());
    countVertices(out);
    s->body.swap(out);
  }

  // The sections in the order drawing files give them, then the others as read.
  void join() {
    static const char* const kOrder[] = {"HEADER", "CLASSES", "TABLES", "BLOCKS", "ENTITIES", "OBJECTS"};
    std::vector<const Section*> ordered;
    for (const char* n : kOrder)
      if (const Section* s = find(n)) ordered.push_back(s);
    for (const Section& s : m_sections)
      if (std::find(std::begin(kOrder), std::end(kOrder), s.name) == std::end(kOrder)) ordered.push_back(&s);
    // Said once, where the first section out of place opened.
    std::vector<std::string> asRead;
    for (const std::string& n : m_order)
      if (!n.empty() && std::find(asRead.begin(), asRead.end(), n) == asRead.end()) asRead.push_back(n);
    std::vector<std::string> wanted;
    for (const Section* s : ordered)
      if (std::find(asRead.begin(), asRead.end(), s->name) != asRead.end()) wanted.push_back(s->name);
    if (asRead != wanted) {
      size_t k = 0;
      while (k < asRead.size() && asRead[k] == wanted[k]) ++k;
      note(find(asRead[k])->head, "section " + asRead[k] + " out of order; the sections put in their order");
    }
    OdDxfTags out;
    out.reserve(m_tags.size() + 16);
    for (const Section* s : ordered) {
      out.push_back(s->head);
      out.push_back(s->nameTag);
      out.insert(out.end(), s->body.begin(), s->body.end());
      out.push_back(make(0, "ENDSEC"));
    }
    out.push_back(make(0, "EOF"));
    m_doc.tags.swap(out);
  }

  OdDxfDocument& m_doc;
  OdDxfTags m_tags;  // as read (numbers repaired): the sections hold their own copies
  std::deque<Section> m_sections;  // references to a section stay valid as others are added
  std::vector<std::string> m_order;
  std::map<std::string, OdDxfTags> moved;
  bool m_markers = true;
};

}  // namespace

void odDxfRepairStructure(OdDxfDocument& doc) {
  if (doc.tags.empty()) return;
  Repairer(doc).run();
}
