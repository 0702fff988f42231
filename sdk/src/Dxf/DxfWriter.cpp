// Writing a database as a drawing file. Objects unchanged since they were
// read are written as they came; changed and new objects write their
// modelled fields, merged with what the file held beyond them.
#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <set>
#include <algorithm>
#include <atomic>
#include <unistd.h>

#include "Db/DbDatabase.h"
#include "Db/DbDeclaredClasses.h"
#include "Db/DbDictionary.h"
#include "Db/DbSymbolTable.h"
#include "Dxf/DxfBinary.h"
#include "Dxf/DxfDocument.h"
#include "Dxf/DxfFile.h"
#include "Dxf/DxfRecord.h"
#include "Rx/RxClass.h"

namespace {

// Whether two texts of a group code hold the same value, so that the
// original text can be kept.
// Record names (layer, line type, style) compare without case.
bool sameName(int code, std::string_view a, std::string_view b) {
  if (code != 2 && code != 6 && code != 7 && code != 8) return false;
  a = odDxfTrimmed(a);
  b = odDxfTrimmed(b);
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower((unsigned char)a[i]) != std::tolower((unsigned char)b[i])) return false;
  return true;
}

bool sameValue(int code, std::string_view a, std::string_view b) {
  if (a == b) return true;
  a = odDxfTrimmed(a);
  b = odDxfTrimmed(b);
  switch (odDxfKindOf(code)) {
    case OdDxfKind::kDouble: {
      double x = 0, y = 0;
      auto r1 = std::from_chars(a.data(), a.data() + a.size(), x);
      auto r2 = std::from_chars(b.data(), b.data() + b.size(), y);
      return r1.ec == std::errc() && r2.ec == std::errc() && r1.ptr == a.data() + a.size() &&
             r2.ptr == b.data() + b.size() && x == y;
    }
    case OdDxfKind::kInt16:
    case OdDxfKind::kInt32:
    case OdDxfKind::kInt64:
    case OdDxfKind::kBool: {
      long long x = 0, y = 0;
      auto r1 = std::from_chars(a.data(), a.data() + a.size(), x);
      auto r2 = std::from_chars(b.data(), b.data() + b.size(), y);
      return r1.ec == std::errc() && r2.ec == std::errc() && x == y;
    }
    case OdDxfKind::kHandle:
      return OdUInt64(OdDbHandle(OdString::fromUtf8(std::string(a)))) ==
             OdUInt64(OdDbHandle(OdString::fromUtf8(std::string(b))));
    default: return a == b;
  }
}

class Writer {
public:
  Writer(OdDbDatabase* db, OdDxfFormat format) : m_db(db), m_doc(db->dxfDocument()) {
    if (m_doc) {
      m_codec = m_doc->codec;
      m_markers = m_doc->markers;
    }
    m_binary = format == OdDxfFormat::kBinary || (format == OdDxfFormat::kAsRead && m_doc && m_doc->binary);
  }
  std::string write();

private:
  // The group code right-aligned in three columns, as drawing files write it.
  void tag(int code, std::string_view text) {
    // Millions of tags a drawing: written straight into the room made, the
    // short copies inlined.
    const size_t n = text.size();
    char* d = room(n + 12);  // a code of up to ten digits, two line breaks
    char* p = d;
    unsigned c = unsigned(code);
    if (c < 10) {
      p[0] = ' ', p[1] = ' ', p[2] = char('0' + c), p += 3;
    } else if (c < 100) {
      p[0] = ' ', p[1] = char('0' + c / 10), p[2] = char('0' + c % 10), p += 3;
    } else if (c < 1000) {
      p[0] = char('0' + c / 100), p[1] = char('0' + c / 10 % 10), p[2] = char('0' + c % 10), p += 3;
    } else {
      char digits[12];
      int k = 0;
      do digits[k++] = char('0' + c % 10); while ((c /= 10) != 0);
      while (k) *p++ = digits[--k];
    }
    *p++ = '\n';
    copyShort(p, text.data(), n);
    p[n] = '\n';
    m_used -= size_t((d + n + 12) - (p + n + 1));  // the room not used
  }
  static void copyShort(char* to, const char* from, size_t n) {
    if (n >= 16) std::memcpy(to, from, n);
    else if (n >= 8) copyEnds<uint64_t>(to, from, n);
    else if (n >= 4) copyEnds<uint32_t>(to, from, n);
    else
      for (size_t i = 0; i < n; ++i) to[i] = from[i];
  }
  // The first and the last word of a text of one to two words (they overlap).
  template <class Word>
  static void copyEnds(char* to, const char* from, size_t n) {
    Word first, last;
    std::memcpy(&first, from, sizeof(Word));
    std::memcpy(&last, from + n - sizeof(Word), sizeof(Word));
    std::memcpy(to, &first, sizeof(Word));
    std::memcpy(to + n - sizeof(Word), &last, sizeof(Word));
  }
  // The output: m_out's size is the room made, m_used what is written.
  char* room(size_t n) {
    if (m_used + n > m_out.size()) m_out.resize(std::max(m_out.size() * 2, m_used + n + 4096));
    char* at = &m_out[m_used];
    m_used += n;
    return at;
  }
  void closeOutput() { m_out.resize(m_used); }
  void tag(const OdDxfTag& t) { tag(t.code, m_doc->text.text(t)); }
  void tags(OdDxfSpan span) {
    for (const OdDxfTag& t : span) tag(t);
  }
  std::string handleText(OdDbObjectId id) const { return id.isNull() ? "0" : odDxfHandleText(OdUInt64(id.getHandle())); }
  std::string handleText(OdDbHandle h) const { return odDxfHandleText(OdUInt64(h)); }
  OdDbHandle newHandle() {
    const OdDbHandle h = m_db->handseed();
    m_db->setHandseed(OdDbHandle(OdUInt64(h) + 1));
    return h;
  }

  void writeHeader();
  void writeClasses();
  void writeTables();
  void writeBlocks();
  void writeEntities();
  void writeObjects();
  void writeObject(const OdDbObject* object);
  void writeEntityWithFollowers(OdDbObjectId id);
  // Entities lie apart in memory, and their records and tags apart again:
  // those written a few steps later are asked for ahead.
  void prefetchAhead(const std::vector<OdDbObjectId>& ids, size_t i) const {
    const size_t n = ids.size();
    if (i + 16 < n) __builtin_prefetch(ids[i + 16].stub());
    if (i + 10 < n)
      if (const OdDbObject* o = ids[i + 10].stub()->object) __builtin_prefetch(o);
    if (i + 6 < n)
      if (const OdDbObject* o = ids[i + 6].stub()->object) __builtin_prefetch(o->dxfRecord());
    if (i + 3 < n)
      if (const OdDbObject* o = ids[i + 3].stub()->object)
        if (const OdDxfRecord* r = o->dxfRecord(); r && r->tags.first) {
          __builtin_prefetch(r->tags.first);
          const uint32_t at = r->tags.first->offset;
          if (!(at & OdDxfText::kArenaBit) && at < m_doc->text.file().size()) __builtin_prefetch(m_doc->text.file().data() + at);
        }
  }
  void writeEntityWithFollowers(const OdDbObject* object);
  // An entity whose fields were never read is unchanged: its record as read.
  bool writeDeferred(OdDbObjectId id);
  void writeMerged(const OdDbObject* object, const OdDxfRecord* record, const OdDxfOut& out);
  void writeTable(OdDbObjectId tableId, const char* name, const OdDxfDocument::Table* fromFile);
  void writeXData(const OdDbObject* object, const OdDxfRecord* record, OdDxfSpan fileXData);
  std::vector<std::pair<int, std::string>> headerValue(const std::string& name, const OdDbHeaderVars& h) const;
  // The type as the file wrote it; the class's name for objects made since.
  void typeTag(const OdDbObject* object) {
    const OdDxfRecord* r = object->dxfRecord();
    if (r && !r->implied) tag(0, m_doc->text.text(r->type));
    else tag(0, object->isA()->dxfName().toUtf8());
  }

  OdDbDatabase* m_db;
  OdDxfDocument* m_doc;
  OdDxfCodec m_codec{true};
  bool m_markers = true;
  bool m_wroteNew = false;  // an object that no file held
  bool m_binary = false;
  std::string m_out;
  size_t m_used = 0;
  // Objects written so far are marked with the save's number.
  uint32_t m_save = nextSaveNumber();
  static uint32_t nextSaveNumber() {
    static std::atomic<uint32_t> saves{0};
    uint32_t n = ++saves;
    return n ? n : ++saves;  // 0 marks no save
  }
  bool written(OdDbObjectId id) const { return id.stub()->writtenBy == m_save; }
  void markWritten(OdDbStub* stub) { stub->writtenBy = m_save; }
  // A subclass's run of an object's tags in the file (they stand together, after their marker).
  struct FileSection {
    std::string_view marker;  // in the drawing's text
    OdDxfSpan tags;
  };
  // Scratch of writeMerged, kept between objects so that their storage is reused.
  std::vector<FileSection> m_fileSections;
  std::vector<const OdDxfTag*> m_ownedTags, m_otherTags;
  std::vector<char> m_done;
  std::unique_ptr<OdDxfOut> m_fields;
  // Modeller data that goes to the ACDSDATA section: handle and bytes.
  std::vector<std::pair<std::string, std::string>> m_aside;
  void writeAsideSection(const OdDxfDocument::Section* fromFile);
};

std::vector<std::pair<int, std::string>> Writer::headerValue(const std::string& n, const OdDbHeaderVars& h) const {
  auto real = [](double v) { return OdDxfOut::formatReal(v); };
  auto point = [&](const OdGePoint3d& p) {
    return std::vector<std::pair<int, std::string>>{{10, real(p.x)}, {20, real(p.y)}, {30, real(p.z)}};
  };
  auto recordName = [&](OdDbObjectId id) {
    OdDbSymbolTableRecordPtr r = OdDbSymbolTableRecord::cast(id.openObject());
    return r.isNull() ? std::string() : m_codec.encode(r->getName());
  };
  if (n == "$ACADVER") return {{1, h.acadver.toUtf8()}};
  // Readers give handle-less files' objects handles from the seed: it stays
  // as the file had it unless objects made since reading were written.
  if (n == "$HANDSEED") {
    if (!m_markers && !m_wroteNew && m_doc) return {};
    return {{5, handleText(m_db->handseed())}};
  }
  if (n == "$PSTYLEMODE") return {{290, h.pstylemode ? "1" : "0"}};
  if (n == "$LUNITS") return {{70, std::to_string(h.lunits)}};
  if (n == "$LUPREC") return {{70, std::to_string(h.luprec)}};
  if (n == "$AUNITS") return {{70, std::to_string(h.aunits)}};
  if (n == "$AUPREC") return {{70, std::to_string(h.auprec)}};
  if (n == "$INSUNITS") return {{70, std::to_string(h.insunits)}};
  if (n == "$SPLINESEGS") return {{70, std::to_string(h.splinesegs)}};
  if (n == "$MEASUREMENT") return {{70, std::to_string(h.measurement)}};
  if (n == "$TILEMODE") return {{70, h.tilemode ? "1" : "0"}};
  if (n == "$CVPORT") return {{70, std::to_string(h.cvport)}};
  if (n == "$CLAYER") return {{8, recordName(h.clayer)}};
  if (n == "$CECOLOR") return {{62, std::to_string(h.cecolor.isByLayer() ? 256 : h.cecolor.colorIndex())}};
  if (n == "$CELTYPE") return {{6, recordName(h.celtype)}};
  if (n == "$CELTSCALE") return {{40, real(h.celtscale)}};
  if (n == "$LTSCALE") return {{40, real(h.ltscale)}};
  if (n == "$CELWEIGHT") return {{370, std::to_string(int(h.celweight))}};
  if (n == "$CETRANSPARENCY") return {{440, std::to_string(h.cetransparency.serializeOut())}};
  if (n == "$CEPSNNAME") return {{1, m_codec.encode(h.cepsname)}};
  if (n == "$TEXTSTYLE") return {{7, recordName(h.textstyle)}};
  if (n == "$DIMSTYLE") return {{2, recordName(h.dimstyle)}};
  if (n == "$UCSORG") return point(h.ucsorg);
  if (n == "$UCSXDIR") return point(OdGePoint3d(h.ucsxdir.x, h.ucsxdir.y, h.ucsxdir.z));
  if (n == "$UCSYDIR") return point(OdGePoint3d(h.ucsydir.x, h.ucsydir.y, h.ucsydir.z));
  return {};
}

void Writer::writeHeader() {
  static const char* const kKnown[] = {"$ACADVER",  "$HANDSEED",   "$PSTYLEMODE", "$LUNITS",  "$LUPREC",
                                       "$AUNITS",   "$AUPREC",     "$INSUNITS",   "$SPLINESEGS", "$MEASUREMENT",
                                       "$CLAYER",   "$CECOLOR",    "$CELTYPE",    "$CELTSCALE", "$LTSCALE",
                                       "$CELWEIGHT", "$TEXTSTYLE", "$DIMSTYLE",   "$UCSORG",  "$UCSXDIR",
                                       "$UCSYDIR",  "$CETRANSPARENCY", "$CEPSNNAME", "$TILEMODE", "$CVPORT"};
  tag(0, "SECTION");
  tag(2, "HEADER");
  std::set<std::string> done;
  if (m_doc) {
    for (const OdDxfDocument::HeaderVariable& v : m_doc->header) {
      tag(9, v.name);
      done.insert(v.name);
      auto value = headerValue(v.name, m_db->header());
      // A variable left as read keeps the file's tags, whatever codes they use.
      if (v.name != "$HANDSEED" && value == headerValue(v.name, m_doc->headerAsRead)) {
        tags(v.tags);
        continue;
      }
      bool same = value.size() == v.tags.count;
      for (size_t i = 0; same && i < value.size(); ++i)
        same = v.tags.first[i].code == value[i].first &&
               (sameValue(value[i].first, m_doc->text.text(v.tags.first[i]), value[i].second) ||
                sameName(value[i].first, m_doc->text.text(v.tags.first[i]), value[i].second));
      if (value.empty() || same) tags(v.tags);
      else
        for (const auto& t : value) tag(t.first, t.second);
    }
  }
  // What reading gives a file without the variable: a variable the file
  // lacked is added only when its value is no longer that one.
  OdDbHeaderVars absent;
  absent.clayer = m_db->getLayerZeroId();
  absent.celtype = m_db->getLinetypeByLayerId();
  if (m_markers || !m_doc)
    for (const char* name : kKnown) {
      if (done.count(name)) continue;
      auto value = headerValue(name, m_db->header());
      if (value.empty() || (value.size() == 1 && value[0].second.empty())) continue;
      if (m_doc && std::string(name) != "$HANDSEED" && value == headerValue(name, absent)) continue;
      tag(9, name);
      for (const auto& t : value) tag(t.first, t.second);
    }
  tag(0, "ENDSEC");
}

void Writer::writeXData(const OdDbObject* object, const OdDxfRecord* record, OdDxfSpan fileXData) {
  OdResBufPtr now = object->xData();
  const bool unchanged = record && ((now.isNull() && record->xdata.isNull()) ||
                                    (!now.isNull() && !record->xdata.isNull() && now->chainEquals(record->xdata)));
  if (unchanged) {
    tags(fileXData);
    return;
  }
  for (const OdResBuf* rb = now.get(); rb; rb = rb->next().get()) {
    const int code = rb->restype();
    switch (OdResBuf::kindOf(code)) {
      case OdResBuf::kPoint:
        tag(code, OdDxfOut::formatReal(rb->getPoint3d().x));
        tag(code + 10, OdDxfOut::formatReal(rb->getPoint3d().y));
        tag(code + 20, OdDxfOut::formatReal(rb->getPoint3d().z));
        break;
      case OdResBuf::kDouble: tag(code, OdDxfOut::formatReal(rb->getDouble())); break;
      case OdResBuf::kInt: tag(code, std::to_string(rb->getInt32())); break;
      default: tag(code, m_codec.encode(rb->getString())); break;
    }
  }
}

namespace {
// Group codes of entity and table fields in files without subclass markers.
bool isOldFileCode(int code) { return code < 90 || (code >= 210 && code <= 239) || code == 999; }
}  // namespace

void Writer::writeMerged(const OdDbObject* object, const OdDxfRecord* record, const OdDxfOut& out) {
  auto extend = [](OdDxfSpan& span, const OdDxfTag* t) {
    if (span.empty()) span.first = t;
    ++span.count;
  };
  // Objects with subclass markers keep them, also in files that declare a release without them.
  const bool markers = m_markers || (record && odDxfHasMarkers(record->tags));
  OdDxfSpan prefix;
  std::vector<FileSection>& file = m_fileSections;
  file.clear();
  OdDxfSpan xdata;
  // An embedded object (101 on, up to the extended data) is no field of the class: it stays as read.
  const OdDxfTag* embedded = nullptr;
  if (record) {
    for (const OdDxfTag* t = record->tags.begin(); t != record->tags.end(); ++t) {
      if (t->code == 1001) {
        xdata = OdDxfSpan{t, size_t(record->tags.end() - t)};
        break;
      }
      if (t->code == 101 && !embedded) embedded = t;
      if (embedded) continue;
      if (markers && t->code == 100) file.push_back({odDxfTrimmed(m_doc->text.text(*t)), {}});
      else if (markers && file.empty()) extend(prefix, t);
      else {
        if (file.empty()) file.push_back({std::string_view(), {}});
        extend(file.back().tags, t);
      }
    }
  }
  // Files without markers hold one section with every field.
  std::vector<OdDxfOut::Section> merged;
  OdDxfOut::Sections modelled = out.sections();
  if (!markers) {
    // Fields that files without markers cannot hold are left out, unless this file holds them.
    auto inFile = [&](int code) {
      for (const FileSection& f : file)
        for (const OdDxfTag* t = f.tags.begin(); t != f.tags.end(); ++t)
          if (t->code == code) return true;
      return false;
    };
    OdDxfOut::Section all;
    for (const OdDxfOut::Section& s : out.sections()) {
      for (const OdDxfOut::Field& f : s.fields)
        if (isOldFileCode(f.code) || inFile(f.code)) all.fields.push_back(f);
      all.codes.bits |= s.codes.bits;
    }
    merged.assign(1, all);
    modelled = OdDxfOut::Sections{merged.data(), merged.size()};
  }

  if (markers) {
    const bool dimStyle = object->isKindOf(OdDbDimStyleTableRecord::desc());
    // Files of R13 on give every object its handle and owner; objects with
    // markers in an older file keep them only where they had them (the owner
    // may be one the reader made up). The file's spelling of the handle ("6a") stays.
    const bool made = !record || record->implied;
    bool hadHandle = m_markers || made, hadOwner = made;
    std::string handle = handleText(object->objectId());
    for (const OdDxfTag* t = prefix.begin(); t != prefix.end(); ++t) {
      hadOwner = hadOwner || t->code == 330;
      if (t->code != 5 && t->code != 105) continue;
      hadHandle = true;
      const std::string_view own = odDxfTrimmed(m_doc->text.text(*t));
      if (OdDbHandle(odDxfParseHandle(own)) == object->objectId().getHandle()) handle = std::string(own);
    }
    if (hadHandle) tag(dimStyle ? 105 : 5, handle);
    // The reactors as the file named them; a changed list replaces the file's group.
    OdDbObjectIdArray fileReactors;
    {
      bool inReactors = false;
      for (const OdDxfTag* t = prefix.begin(); t != prefix.end(); ++t) {
        if (t->code == 102) inReactors = m_doc->text.text(*t).find("{ACAD_REACTORS") == 0;
        else if (inReactors && t->code == 330) {
          const OdDbObjectId id = m_db->getOdDbObjectId(OdDbHandle(odDxfParseHandle(m_doc->text.text(*t))));
          if (!id.isNull()) fileReactors.push_back(id);
        }
      }
    }
    const OdDbObjectIdArray reactors = object->getPersistentReactors();
    bool sameReactors = fileReactors.size() == reactors.size();
    for (size_t i = 0; sameReactors && i < reactors.size(); ++i) sameReactors = fileReactors[i] == reactors[i];
    auto writeReactors = [&]() {
      if (reactors.empty()) return;
      tag(102, "{ACAD_REACTORS");
      for (const OdDbObjectId& id : reactors) tag(330, handleText(id));
      tag(102, "}");
    };
    bool inXDict = false, inGroup = false, inReactors = false, wroteReactors = false;
    for (const OdDxfTag* t = prefix.begin(); t != prefix.end(); ++t) {
      // The handle and the owner are written from the object; references
      // inside groups (reactors) stay.
      if (t->code == 5 || t->code == 105 || (t->code == 330 && !inGroup)) continue;
      if (t->code == 102 && m_doc->text.text(*t).find('{') == 0) inGroup = true;
      if (t->code == 102 && m_doc->text.text(*t).find("{ACAD_XDICTIONARY") == 0) inXDict = true;
      if (t->code == 102 && m_doc->text.text(*t).find("{ACAD_REACTORS") == 0 && !sameReactors) {
        inReactors = true;
        writeReactors();
        wroteReactors = true;
      }
      const bool skip = inXDict || inReactors;
      if (t->code == 102 && m_doc->text.text(*t).find('}') == 0) inXDict = inGroup = inReactors = false;
      if (!skip) tag(*t);
    }
    if (!sameReactors && !wroteReactors) writeReactors();
    if (!object->extensionDictionary().isNull()) {
      tag(102, "{ACAD_XDICTIONARY");
      tag(360, handleText(object->extensionDictionary()));
      tag(102, "}");
    }
    if (hadOwner) tag(330, handleText(object->ownerId()));
  }

  auto owned = [](const OdDxfOut::Section& s, int code) {
    return s.codes.has(code);
  };
  auto writeSection = [&](const OdDxfOut::Section* m, const FileSection* f) {
    if (markers && (m || !f->marker.empty())) tag(100, m ? m->marker : f->marker);
    if (!m) {
      for (const OdDxfTag* t = f->tags.begin(); t != f->tags.end(); ++t) tag(*t);
      return;
    }
    // The part the class does not model comes after the rest, as read.
    FileSection head;
    OdDxfSpan kept;
    if (f) {
      head.marker = f->marker;
      for (const OdDxfTag* t = f->tags.begin(); t != f->tags.end(); ++t) {
        if (m->keepFrom && (t->code == m->keepFrom || !kept.empty())) extend(kept, t);
        else extend(head.tags, t);
      }
      f = &head;
    }
    std::vector<const OdDxfTag*>& fileOwned = m_ownedTags;
    std::vector<const OdDxfTag*>& fileOther = m_otherTags;
    fileOwned.clear();
    fileOther.clear();
    if (f)
      for (const OdDxfTag* t = f->tags.begin(); t != f->tags.end(); ++t) (owned(*m, t->code) ? fileOwned : fileOther).push_back(t);
    bool sameCodes = f && fileOwned.size() == m->fields.size();
    for (size_t i = 0; sameCodes && i < fileOwned.size(); ++i) sameCodes = fileOwned[i]->code == m->fields[i].code;
    if (sameCodes) {
      // The file's order stays; changed values replace theirs in place.
      size_t k = 0;
      for (const OdDxfTag* t = f->tags.begin(); t != f->tags.end(); ++t) {
        if (owned(*m, t->code)) {
          const OdDxfOut::Field& field = m->fields[k++];
          if (sameValue(t->code, m_doc->text.text(*t), field.text)) tag(*t);
          else tag(field.code, field.text);
        } else {
          tag(*t);
        }
      }
    } else {
      for (const OdDxfOut::Field& field : m->fields) tag(field.code, field.text);
      for (const OdDxfTag* t : fileOther) tag(*t);
    }
    for (const OdDxfTag* t = kept.begin(); t != kept.end(); ++t) tag(*t);
  };
  std::vector<char>& done = m_done;
  done.assign(modelled.size(), false);
  // The k-th section of a marker in the file is the k-th modelled one of that marker.
  auto findModelled = [&](std::string_view marker) -> int {
    for (size_t i = 0; i < modelled.size(); ++i)
      if ((modelled[i].marker == marker || !markers) && !done[i]) return int(i);
    return -1;
  };
  for (const FileSection& f : file) {
    const int j = findModelled(f.marker);
    if (j >= 0) {
      for (int k = 0; k < j; ++k)
        if (!done[size_t(k)]) {
          // A modelled section the file did not have goes before the next one it has.
          bool inFile = false;
          for (const FileSection& g : file) inFile = inFile || g.marker == modelled[size_t(k)].marker;
          if (!inFile) {
            writeSection(&modelled[size_t(k)], nullptr);
            done[size_t(k)] = true;
          }
        }
      if (!done[size_t(j)]) {
        writeSection(&modelled[size_t(j)], &f);
        done[size_t(j)] = true;
        continue;
      }
    }
    writeSection(nullptr, &f);
  }
  for (size_t k = 0; k < modelled.size(); ++k)
    if (!done[k]) writeSection(&modelled[k], nullptr);
  if (embedded)
    for (const OdDxfTag* t = embedded; t != (xdata.empty() ? record->tags.end() : xdata.begin()); ++t) tag(*t);
  writeXData(object, record, xdata);
}

void Writer::writeObject(const OdDbObject* object) {
  markWritten(object->objectId().stub());
  std::string aside;
  if (object->dxfAsideData(aside)) m_aside.emplace_back(handleText(object->objectId()), std::move(aside));
  if (!object->dxfRecord() || object->dxfRecord()->implied) m_wroteNew = true;
  const OdDxfRecord* record = object->dxfRecord();
  typeTag(object);
  // Objects the reader made for what a file lacked have no tags to repeat.
  if (record && !record->implied && !object->isModifiedSinceRead()) {
    tags(record->tags);
    return;
  }
  // One collector for every object written: its storage is reused.
  if (!m_fields) m_fields = std::make_unique<OdDxfOut>(m_codec, m_doc ? &m_doc->text : nullptr);
  OdDxfOut& out = *m_fields;
  out.reset(record ? record->tags : OdDxfSpan(), record && !record->implied);
  object->dxfOutFields(out);
  writeMerged(object, record, out);
}

bool Writer::writeDeferred(OdDbObjectId id) {
  OdDbStub* stub = id.stub();
  if (!m_doc || !stub || stub->object || !stub->deferredClass) return false;
  markWritten(stub);
  tag(0, m_doc->text.text(m_doc->tags[stub->deferredTag]));
  tags(m_doc->recordAt(stub->deferredTag));
  return true;
}

void Writer::writeEntityWithFollowers(OdDbObjectId id) {
  if (writeDeferred(id)) return;
  OdDbObjectPtr object = id.openObject();
  if (!object.isNull()) writeEntityWithFollowers(object.get());
}

void Writer::writeEntityWithFollowers(const OdDbObject* object) {
  writeObject(object);
  std::vector<OdDbObjectId> own;
  if (object->isKindOf(OdDbEntity::desc())) static_cast<const OdDbEntity*>(object)->dxfFollowers(own);
  for (const OdDbObjectId& f : own) {
    OdDbObjectPtr sub = f.openObject();
    if (!sub.isNull()) writeObject(sub);
  }
  if (!m_doc || !own.empty() || m_doc->followers.empty()) return;
  auto followers = m_doc->followers.find(object->objectId().stub());
  if (followers == m_doc->followers.end()) return;
  for (const OdDbObjectId& f : followers->second) {
    OdDbObjectPtr sub = f.openObject();
    if (!sub.isNull()) writeObject(sub);
  }
}

void Writer::writeTable(OdDbObjectId tableId, const char* name, const OdDxfDocument::Table* fromFile) {
  OdDbObjectPtr object = tableId.openObject();
  if (object.isNull()) return;
  markWritten(tableId.stub());
  OdDbSymbolTablePtr table = OdDbSymbolTable::cast(object);
  // Files without handles (R12) get no records they did not have: each
  // reading would give them new handles.
  std::vector<OdDbObjectId> records;
  // The file's entry count stays while the table holds the records it read
  // (some writers count otherwise); a change of records counts them anew.
  bool asRead = true;
  if (!table.isNull())
    for (const OdDbObjectId& id : table->recordIds()) {
      if (id.isErased()) {
        asRead = false;
        continue;
      }
      OdDbObjectPtr record = id.openObject();
      const OdDxfRecord* file = record.isNull() ? nullptr : record->dxfRecord();
      if (!m_markers && file && file->implied && !record->isModifiedSinceRead()) continue;
      asRead = asRead && file && !file->implied;
      records.push_back(id);
    }
  tag(0, "TABLE");
  if (fromFile) {
    bool counted = false;
    std::string_view marker;
    for (const OdDxfTag& t : fromFile->tags) {
      if (t.code == 100) marker = odDxfTrimmed(m_doc->text.text(t));
      if (t.code == 70 && !counted && !table.isNull() && (marker == "AcDbSymbolTable" || !m_markers)) {
        counted = true;
        if (!asRead && !sameValue(70, m_doc->text.text(t), std::to_string(records.size()))) {
          tag(70, std::to_string(records.size()));
          continue;
        }
      }
      tag(t);
    }
  } else {
    tag(2, name);
    tag(5, handleText(tableId));
    tag(330, "0");
    tag(100, "AcDbSymbolTable");
    tag(70, std::to_string(records.size()));
  }
  for (const OdDbObjectId& id : records) {
    OdDbObjectPtr record = id.openObject();
    if (!record.isNull()) writeObject(record);
  }
  tag(0, "ENDTAB");
}

void Writer::writeTables() {
  tag(0, "SECTION");
  tag(2, "TABLES");
  const struct {
    const char* name;
    OdDbObjectId id;
  } standard[] = {{"VPORT", m_db->getViewportTableId()}, {"LTYPE", m_db->getLinetypeTableId()},
                  {"LAYER", m_db->getLayerTableId()},    {"STYLE", m_db->getTextStyleTableId()},
                  {"VIEW", m_db->getViewTableId()},       {"UCS", m_db->getUCSTableId()},
                  {"APPID", m_db->getRegAppTableId()},    {"DIMSTYLE", m_db->getDimStyleTableId()},
                  {"BLOCK_RECORD", m_db->getBlockTableId()}};
  if (m_doc)
    for (const OdDxfDocument::Table& t : m_doc->tables) {
      if (!t.raw.empty()) tags(t.raw);
      else writeTable(t.id, t.name.c_str(), &t);
    }
  // Tables the file lacked; files without markers (R12) have no block records.
  if (m_markers)
    for (const auto& s : standard)
      if (!written(s.id)) writeTable(s.id, s.name, nullptr);
  tag(0, "ENDSEC");
}

void Writer::writeBlocks() {
  tag(0, "SECTION");
  tag(2, "BLOCKS");
  std::vector<OdDbObjectId> order;
  if (m_doc) order = m_doc->blocks;
  OdDbSymbolTablePtr blocks = OdDbSymbolTable::cast(m_db->getBlockTableId().openObject());
  std::set<OdDbStub*> listed;
  for (const OdDbObjectId& id : order) listed.insert(id.stub());
  if (!blocks.isNull())
    for (const OdDbObjectId& id : blocks->recordIds())
      if (!listed.count(id.stub()) && !(m_doc && !m_markers)) order.push_back(id);
  for (const OdDbObjectId& id : order) {
    OdDbBlockTableRecordPtr record = OdDbBlockTableRecord::cast(id.openObject());
    if (record.isNull() || record->isErased()) continue;
    const OdDxfRecord* file = record->dxfRecord();
    const OdString name = record->getName();
    // A record the file had without a block definition stays without one.
    if (file && !file->blockBegin && record->entityIds().isEmpty()) continue;
    if (file && file->blockBegin) {
      tag(0, m_doc->text.text(file->blockBegin->type));
      tags(file->blockBegin->tags);
    } else {
      tag(0, "BLOCK");
      tag(5, handleText(newHandle()));
      tag(330, handleText(id));
      tag(100, "AcDbEntity");
      tag(8, "0");
      tag(100, "AcDbBlockBegin");
      tag(2, m_codec.encode(name));
      tag(70, std::to_string(record->blockFlags()));
      tag(10, OdDxfOut::formatReal(record->origin().x));
      tag(20, OdDxfOut::formatReal(record->origin().y));
      tag(30, OdDxfOut::formatReal(record->origin().z));
      tag(3, m_codec.encode(name));
      tag(1, m_codec.encode(record->pathName()));
    }
    if (id != m_db->getModelSpaceId() && id != m_db->getPaperSpaceId())
      for (const OdDbObjectId& e : record->entityIds())
        if (!e.isErased()) writeEntityWithFollowers(e);
    if (file && file->blockEnd) {
      tag(0, m_doc->text.text(file->blockEnd->type));
      tags(file->blockEnd->tags);
    } else {
      tag(0, "ENDBLK");
      tag(5, handleText(newHandle()));
      tag(330, handleText(id));
      tag(100, "AcDbEntity");
      tag(8, "0");
      tag(100, "AcDbBlockEnd");
    }
  }
  if (m_doc)
    for (const OdDxfDocument::Section& s : m_doc->sections)
      if (s.name == "BLOCKS:RAW") tags(s.tags);
  tag(0, "ENDSEC");
}

void Writer::writeEntities() {
  tag(0, "SECTION");
  tag(2, "ENTITIES");
  if (m_doc)
    for (size_t i = 0; i < m_doc->entities.size(); ++i) {
      const OdDbObjectId& id = m_doc->entities[i];
      prefetchAhead(m_doc->entities, i);
      if (id.isErased()) continue;
      if (id.stub()->deferredClass && !id.stub()->object) {
        const OdDbObjectId owner(id.stub()->deferredOwner);
        if (owner == m_db->getModelSpaceId() || owner == m_db->getPaperSpaceId()) writeDeferred(id);
        continue;
      }
      OdDbObjectPtr object = id.openObject();
      // An entity moved into a block since reading is written there.
      if (object.isNull() || (object->ownerId() != m_db->getModelSpaceId() && object->ownerId() != m_db->getPaperSpaceId()))
        continue;
      writeEntityWithFollowers(object.get());
    }
  for (OdDbObjectId space : {m_db->getModelSpaceId(), m_db->getPaperSpaceId()}) {
    OdDbBlockTableRecordPtr record = OdDbBlockTableRecord::cast(space.openObject());
    if (record.isNull()) continue;
    for (const OdDbObjectId& id : record->entityIds())
      if (!written(id) && !id.isErased()) writeEntityWithFollowers(id);
  }
  tag(0, "ENDSEC");
}

void Writer::writeObjects() {
  const bool fileHadObjects = m_doc && [&] {
    for (const OdDxfDocument::Section& s : m_doc->sections)
      if (s.name == "OBJECTS") return true;
    return false;
  }();
  if (m_doc && !m_markers && !fileHadObjects) return;
  tag(0, "SECTION");
  tag(2, "OBJECTS");
  auto writeId = [&](const OdDbObjectId& id) {
    if (id.isNull() || id.isErased() || written(id)) return;
    OdDbObjectPtr object = id.openObject();
    if (!object.isNull()) writeObject(object);
  };
  writeId(m_db->getNamedObjectsDictionaryId());
  if (m_doc)
    for (const OdDbObjectId& id : m_doc->objects) writeId(id);
  for (const OdDbObjectId& id : m_db->objectIds()) {
    // Deferred objects are entities, written with their owners.
    if (written(id) || id.isErased() || (id.stub()->deferredClass && !id.stub()->object)) continue;
    OdDbObjectPtr object = id.openObject();
    if (object.isNull() || object->isKindOf(OdDbEntity::desc()) || object->isKindOf(OdDbSymbolTable::desc()) ||
        object->isKindOf(OdDbSymbolTableRecord::desc()))
      continue;
    // Followers and entities of raw blocks are written with their owners.
    writeObject(object);
  }
  tag(0, "ENDSEC");
}

namespace {
// Kinds of object that readers know only from the declaration a file makes
// in its CLASSES section before it uses them.
struct DeclaredClass {
  const char* dxfName;
  const char* className;
  bool entity;
};
const DeclaredClass kDeclaredClasses[] = {
    {"ARCALIGNEDTEXT", "AcDbArcAlignedText", true},
    {"IMAGE", "AcDbRasterImage", true},
    {"IMAGEDEF", "AcDbRasterImageDef", false},
    {"IMAGEDEF_REACTOR", "AcDbRasterImageDefReactor", false},
    {"RASTERVARIABLES", "AcDbRasterVariables", false},
    {"WIPEOUT", "AcDbWipeout", true},
    {"PDFUNDERLAY", "AcDbPdfReference", true},
    {"PDFDEFINITION", "AcDbPdfDefinition", false},
    {"DGNUNDERLAY", "AcDbDgnReference", true},
    {"DGNDEFINITION", "AcDbDgnDefinition", false},
    {"SCALE", "AcDbScale", false},
};
}  // namespace

void Writer::writeClasses() {
  tag(0, "SECTION");
  tag(2, "CLASSES");
  // Classes the database was given come first: proxies count from them.
  for (const OdDbDatabase::DxfClass& c : m_db->dxfClasses()) {
    tag(0, "CLASS");
    tag(1, m_codec.encode(c.dxfName));
    tag(2, m_codec.encode(c.className));
    tag(3, m_codec.encode(c.appName));
    tag(90, std::to_string(c.proxyFlags));
    tag(91, "0");
    tag(280, "1");
    tag(281, c.entity ? "1" : "0");
  }
  for (const DeclaredClass& c : kDeclaredClasses) {
    long count = 0;
    for (const OdDbObjectId& id : m_db->objectIds()) {
      if (id.isErased()) continue;
      OdDbObjectPtr object = id.openObject();
      if (!object.isNull() && object->isA()->dxfName().toUtf8() == c.dxfName) ++count;
    }
    if (count == 0) continue;
    tag(0, "CLASS");
    tag(1, c.dxfName);
    tag(2, c.className);
    tag(3, "KdProperties");
    tag(90, "0");
    tag(91, std::to_string(count));
    tag(280, "0");
    tag(281, c.entity ? "1" : "0");
  }
  tag(0, "ENDSEC");
}

// The ACDSDATA section: the file's records as read, less those of objects
// whose data was given anew; then a record for each of those. A new section
// starts with the schemas the format declares.
void Writer::writeAsideSection(const OdDxfDocument::Section* fromFile) {
  if (!fromFile && m_aside.empty()) return;
  tag(0, "SECTION");
  tag(2, "ACDSDATA");
  std::string schema = "1";  // the number of the modeller data's schema
  if (fromFile) {
    std::set<std::string> replaced;
    for (const auto& a : m_aside) replaced.insert(a.first);
    const OdDxfTag* begin = fromFile->tags.begin();
    const OdDxfTag* end = fromFile->tags.end();
    for (const OdDxfTag* t = begin; t != end;) {
      // One entry: from its 0 tag to the next.
      const OdDxfTag* next = t + 1;
      while (next != end && next->code != 0) ++next;
      bool skip = false;
      const bool record = t->code == 0 && odDxfTrimmed(m_doc->text.text(*t)) == "ACDSRECORD";
      for (const OdDxfTag* u = t; u != next; ++u) {
        const std::string_view text = odDxfTrimmed(m_doc->text.text(*u));
        if (record && u->code == 320) {
          const OdDbHandle h(odDxfParseHandle(text));
          skip = replaced.count(handleText(h)) != 0;
        }
        if (!record && u->code == 1 && text == "AcDb3DSolid_ASM_Data")
          for (const OdDxfTag* v = t; v != next; ++v)
            if (v->code == 90) schema = std::string(odDxfTrimmed(m_doc->text.text(*v)));
      }
      if (!skip)
        for (const OdDxfTag* u = t; u != next; ++u) tag(*u);
      t = next;
    }
  } else {
    static const char* const kSchemas =
        "70\n2\n71\n2\n0\nACDSSCHEMA\n90\n0\n1\nAcDb_Thumbnail_Schema\n2\nAcDbDs::ID\n280\n10\n91\n8\n"
        "2\nThumbnail_Data\n280\n15\n91\n0\n101\nACDSRECORD\n95\n0\n90\n2\n2\nAcDbDs::TreatedAsObjectData\n"
        "280\n1\n291\n1\n101\nACDSRECORD\n95\n0\n90\n3\n2\nAcDbDs::Legacy\n280\n1\n291\n1\n101\n"
        "ACDSRECORD\n1\nAcDbDs::ID\n90\n4\n2\nAcDs:Indexable\n280\n1\n291\n1\n101\nACDSRECORD\n1\n"
        "AcDbDs::ID\n90\n5\n2\nAcDbDs::HandleAttribute\n280\n7\n282\n1\n0\nACDSSCHEMA\n90\n1\n1\n"
        "AcDb3DSolid_ASM_Data\n2\nAcDbDs::ID\n280\n10\n91\n8\n2\nASM_Data\n280\n15\n91\n0\n101\n"
        "ACDSRECORD\n95\n1\n90\n2\n2\nAcDbDs::TreatedAsObjectData\n280\n1\n291\n1\n101\nACDSRECORD\n95\n1\n"
        "90\n3\n2\nAcDbDs::Legacy\n280\n1\n291\n1\n101\nACDSRECORD\n1\nAcDbDs::ID\n90\n4\n2\n"
        "AcDs:Indexable\n280\n1\n291\n1\n101\nACDSRECORD\n1\nAcDbDs::ID\n90\n5\n2\n"
        "AcDbDs::HandleAttribute\n280\n7\n282\n1\n0\nACDSSCHEMA\n90\n2\n1\n"
        "AcDbDs::TreatedAsObjectDataSchema\n2\nAcDbDs::TreatedAsObjectData\n280\n1\n91\n0\n0\nACDSSCHEMA\n90\n3\n"
        "1\nAcDbDs::LegacySchema\n2\nAcDbDs::Legacy\n280\n1\n91\n0\n0\nACDSSCHEMA\n90\n4\n1\n"
        "AcDbDs::IndexedPropertySchema\n2\nAcDs:Indexable\n280\n1\n91\n0\n0\nACDSSCHEMA\n90\n5\n1\n"
        "AcDbDs::HandleAttributeSchema\n2\nAcDbDs::HandleAttribute\n280\n7\n91\n1\n284\n1\n";
    std::string_view rest(kSchemas);
    while (!rest.empty()) {
      const size_t a = rest.find('\n'), b = rest.find('\n', a + 1);
      tag(std::atoi(std::string(rest.substr(0, a)).c_str()), std::string(rest.substr(a + 1, b - a - 1)));
      rest.remove_prefix(b + 1);
    }
  }
  static const char kHex[] = "0123456789ABCDEF";
  for (const auto& a : m_aside) {
    tag(0, "ACDSRECORD");
    tag(90, schema);
    tag(2, "AcDbDs::ID");
    tag(280, "10");
    tag(320, a.first);
    tag(2, "ASM_Data");
    tag(280, "15");
    tag(94, std::to_string(a.second.size()));
    for (size_t at = 0; at < a.second.size(); at += 127) {
      std::string hex;
      for (size_t i = at; i < std::min(a.second.size(), at + 127); ++i) {
        hex.push_back(kHex[(unsigned char)a.second[i] >> 4]);
        hex.push_back(kHex[(unsigned char)a.second[i] & 15]);
      }
      tag(310, hex);
    }
  }
  tag(0, "ENDSEC");
}

std::string Writer::write() {
  const size_t expected = m_doc ? m_doc->text.file().size() + m_doc->text.file().size() / 8 : 1 << 16;
  m_out.reserve(expected);
  odDxfPreferLargePages(&m_out[0], m_out.capacity());
  m_out.resize(expected);
  // The header is written where it belongs, and written again after the
  // body when the body gave out handles, so that $HANDSEED lies beyond them.
  size_t headerAt = std::string::npos, headerEnd = 0;
  OdDbHandle seed;
  auto writeHeaderLater = [&] {
    headerAt = m_used;
    seed = m_db->handseed();
    writeHeader();
    headerEnd = m_used;
  };
  if (!m_doc) {
    writeHeaderLater();
    writeClasses();
    writeTables();
    writeBlocks();
    writeEntities();
    writeObjects();
    writeAsideSection(nullptr);
  } else {
    for (const OdDxfTag& comment : m_doc->comments) tag(comment);
    for (const OdDxfDocument::Section& s : m_doc->sections) {
      if (s.name == "HEADER") writeHeaderLater();
      else if (s.name == "TABLES") writeTables();
      else if (s.name == "BLOCKS") writeBlocks();
      else if (s.name == "ENTITIES") writeEntities();
      else if (s.name == "OBJECTS") writeObjects();
      else if (s.name == "ACDSDATA") writeAsideSection(&s);
      else if (s.name != "BLOCKS:RAW") {
        tag(0, "SECTION");
        tag(2, s.name);
        tags(s.tags);
        tag(0, "ENDSEC");
      }
    }
    bool hasObjects = false;
    for (const OdDxfDocument::Section& s : m_doc->sections) hasObjects = hasObjects || s.name == "OBJECTS";
    if (!hasObjects && m_markers) writeObjects();
    bool hasAside = false;
    for (const OdDxfDocument::Section& s : m_doc->sections) hasAside = hasAside || s.name == "ACDSDATA";
    if (!hasAside) writeAsideSection(nullptr);
  }
  tag(0, "EOF");
  closeOutput();
  // (What the header says of the seed also depends on whether new objects were written.)
  if (headerAt != std::string::npos && (m_db->handseed() != seed || m_wroteNew)) {
    std::string body;
    body.swap(m_out);
    m_used = 0;
    writeHeader();
    closeOutput();
    body.replace(headerAt, headerEnd - headerAt, m_out);
    m_out.swap(body);
  }
  if (m_binary) {
    // Files of R12 and older give group codes one byte.
    try {
      return odDxfTextToBinary(m_out, !m_markers);
    } catch (const OdDxfBinaryError& e) {
      throw OdDxfError(std::string(e.what()) + " (at line " + std::to_string(e.offset()) + " of the text form)", 0);
    }
  }
  if (m_doc && m_doc->crlf) {
    // A file with carriage returns is written back with them.
    std::string crlf;
    crlf.reserve(m_out.size() + m_out.size() / 6);
    for (char c : m_out) {
      if (c == '\n') crlf += '\r';
      crlf += c;
    }
    return crlf;
  }
  return std::move(m_out);
}

}  // namespace

std::string odDxfWriteString(OdDbDatabase* db, OdDxfFormat format) { return Writer(db, format).write(); }

void odDxfWriteFile(OdDbDatabase* db, const std::string& path, OdDxfFormat format) {
  std::string text;
  try {
    text = odDxfWriteString(db, format);
  } catch (const OdDxfError& e) {
    throw OdDxfFileError(path, 0, e.what());
  }
  const std::string temporary = path + ".kdtmp." + std::to_string(getpid());
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) throw OdDxfFileError(path, 0, "cannot create the file");
    out.write(text.data(), std::streamsize(text.size()));
    out.flush();
    if (!out) {
      out.close();
      std::remove(temporary.c_str());
      throw OdDxfFileError(path, 0, "cannot write the file (disk full?)");
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    throw OdDxfFileError(path, 0, "cannot replace the file");
  }
}
