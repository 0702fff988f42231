// Reading a drawing file into a database: tokenise, create every object with
// its handle, then let each class read its fields once all ids exist.
#include <cstdlib>
#include <algorithm>
#include <charconv>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/stat.h>

#include "Db/DbArc.h"
#include "Db/DbCircle.h"
#include "Db/DbDatabase.h"
#include "Db/DbDeclaredClasses.h"
#include "Db/DbEllipse.h"
#include "Db/DbLine.h"
#include "Db/DbPoint.h"
#include "Db/DbPolyline.h"
#include "Db/DbSpline.h"
#include "Db/DbText.h"
#include "Db/DbDictionary.h"
#include "Db/DbSymbolTable.h"
#include "Dxf/DxfBinary.h"
#include "Dxf/DxfDocument.h"
#include "Dxf/DxfFile.h"
#include "Dxf/DxfRecord.h"
#include "Rx/RxClass.h"

OdDxfFileError::OdDxfFileError(const std::string& file, int line, const std::string& message)
    : std::runtime_error(file + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + message),
      m_file(file), m_line(line), m_message(message) {}

OdDxfFileError::OdDxfFileError(const std::string& file, size_t offset, const std::string& message, bool)
    : std::runtime_error(file + ": byte " + std::to_string(offset) + ": " + message),
      m_file(file), m_line(0), m_offset((long long)offset), m_message(message) {}

OdDxfFileError OdDxfFileError::atByte(const std::string& file, size_t offset, const std::string& message) {
  return OdDxfFileError(file, offset, message, true);
}

using namespace std::literals;

// Recovery puts a damaged file's tags in order first (in its own file).
void odDxfRepairStructure(OdDxfDocument& doc);

namespace {

// Number kinds of group codes: 1 real, 2 integer, 0 anything else.
struct NumberKinds {
  uint8_t kind[1072] = {};
  NumberKinds() {
    for (int c = 0; c < 1072; ++c) {
      const OdDxfKind k = odDxfKindOf(c);
      kind[c] = k == OdDxfKind::kDouble ? 1 : (k == OdDxfKind::kInt16 || k == OdDxfKind::kInt32 || k == OdDxfKind::kInt64 || k == OdDxfKind::kBool) ? 2 : 0;
    }
  }
};

// Whether a value certainly reads as a number of the kind: plain decimal
// forms of moderate size. Anything else (a plus sign, ".5", huge exponents)
// is left to the exact reading, which takes or refuses it.
bool plainNumber(const char* p, const char* e, bool real) {
  while (p < e && (*p == ' ' || *p == '\t')) ++p;
  while (e > p && (e[-1] == ' ' || e[-1] == '\t' || e[-1] == '\r')) --e;
  if (e - p > 40) return false;
  if (p < e && *p == '-') ++p;
  const char* digits = p;
  while (p < e && unsigned(*p - '0') < 10) ++p;
  if (!real) return p == e && p > digits && p - digits <= 9;
  if (p == digits) return false;
  if (p < e && *p == '.') {
    const char* fraction = ++p;
    while (p < e && unsigned(*p - '0') < 10) ++p;
    if (p == fraction) return false;
  }
  if (p < e && (*p == 'e' || *p == 'E')) {
    ++p;
    if (p < e && (*p == '+' || *p == '-')) ++p;
    int exponent = 0;
    const char* first = p;
    while (p < e && unsigned(*p - '0') < 10 && p - first < 3) exponent = exponent * 10 + (*p++ - '0');
    if (p == first || exponent > 250) return false;
  }
  return p == e;
}

// Splits the file into tags; stops at "0 EOF" (anything after it is ignored).
void tokenize(OdDxfDocument& doc) {
  static const NumberKinds kinds;
  const std::string& s = doc.text.file();
  const char* base = s.data();
  const char* p = base;
  const char* end = base + s.size();
  int line = 0;
  size_t skipped = 0;  // recovering: lines left out
  const char* firstBreak = static_cast<const char*>(std::memchr(base, '\n', s.size()));
  doc.crlf = firstBreak && firstBreak > base && firstBreak[-1] == '\r';
  // Tags take twelve bytes of a file or more (a group code of three, a short
  // value); room for one every eight bytes is only address space until used.
  doc.tags.reserve(s.size() / 8 + 1024);
  odDxfPreferLargePages(doc.tags.data(), doc.tags.capacity() * sizeof(OdDxfTag));
  while (p < end) {
    // The group code: blanks, up to four digits, blanks (a carriage return among them).
    const char* q = p;
    while (q < end && (*q == ' ' || *q == '\t')) ++q;
    int code = 0, digits = 0;
    while (q < end && *q >= '0' && *q <= '9' && digits < 5) {
      code = code * 10 + (*q++ - '0');
      ++digits;
    }
    while (q < end && (*q == ' ' || *q == '\t' || *q == '\r')) ++q;
    const char* nl = q < end && *q == '\n' ? q : static_cast<const char*>(std::memchr(q, '\n', size_t(end - q)));
    const char* codeEnd = nl ? nl : end;
    ++line;
    if (digits == 0 || q != codeEnd || code > 1071) {
      const std::string_view codeText = odDxfTrimmed(std::string_view(p, size_t(codeEnd - p)));
      if (codeText.empty() && !nl) break;  // a final line break
      const std::string what = "bad group code \"" + std::string(codeText.substr(0, 40)) + "\"";
      if (!doc.repairs) throw OdDxfError(what, line);
      // More lines that are not tags than tags: not a damaged drawing but no drawing.
      if (++skipped > doc.tags.size() + 8) throw OdDxfError(what + " (and more lines than tags that are none: not a drawing file)", line);
      // Recovering: the line is skipped, the next one taken for a group code.
      doc.repairs->push_back({uint32_t(p - base), what + "; the line left out"});
      if (!nl) break;
      p = nl + 1;
      continue;
    }
    if (!nl || nl + 1 >= end) {
      const std::string what = "the file ends after group code " + std::to_string(code) + " without its value";
      if (!doc.repairs) throw OdDxfError(what + " (truncated)", line);
      doc.repairs->push_back({uint32_t(p - base), what + "; the group code left out"});
      break;
    }
    p = nl + 1;
    const uint8_t kind = kinds.kind[code];
    const char* vnl;
    if (kind) {
      // Numbers are short: scanned here, and their form checked on the way.
      const char* v = p;
      while (v < end && *v != '\n') ++v;
      vnl = v < end ? v : nullptr;
      if (!plainNumber(p, v, kind == 1)) doc.doubtful.push_back(uint32_t(doc.tags.size()));
    } else {
      vnl = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)));
    }
    const char* valueEnd = vnl ? vnl : end;
    ++line;
    size_t length = size_t(valueEnd - p);
    if (length > 0 && p[length - 1] == '\r') --length;
    if (length >= 0x7fffffffu || size_t(p - base) >= 0x7fffffffu) throw OdDxfError("file too large", line);
    // Comments (999) carry no drawing data; those that open the file (the
    // writing program's note) are kept to open it again.
    const OdDxfTag tag{uint32_t(p - base), uint16_t(code), length < OdDxfTag::kLongText ? uint16_t(length) : OdDxfTag::kLongText};
    if (code != 999) doc.tags.push_back(tag);
    else if (doc.tags.empty()) doc.comments.push_back(tag);
    const char* value = p;
    p = vnl ? vnl + 1 : end;
    if (code == 0 && std::string_view(value, length) == "EOF"sv) return;
  }
}

// A new object of the class with one reference, which addObject hands to the database.
OdDbObject* newObject(OdRxClass* cls) {
  OdRxObjectPtr made = cls->create();
  if (made.isNull()) return new OdDbUnknownObject;
  return static_cast<OdDbObject*>(made->queryX(OdDbObject::desc()));
}

// Entities whose fields name other objects only by handle or by the name of
// a record, and that change nothing else while they are read: reading their
// fields can wait until they are first opened. Drawings are mostly these.
bool deferrable(OdRxClass* cls) {
  return cls == OdDbLine::desc() || cls == OdDbCircle::desc() || cls == OdDbArc::desc() || cls == OdDbPoint::desc() ||
         cls == OdDbText::desc() || cls == OdDbPolyline::desc() || cls == OdDbEllipse::desc() || cls == OdDbSpline::desc();
}

// Each object read, in file order; owners are resolved once all exist.
typedef std::vector<OdDbObjectId> PendingObjects;

class Reader {
public:
  explicit Reader(const std::shared_ptr<OdDxfDocument>& doc) : m_doc(*doc), m_db(new OdDbDatabase(false), kOdRxObjAttach) {
    // Objects made while reading read their fields from it.
    m_db->setDxfDocument(doc);
  }

  OdDbDatabasePtr read();

private:
  std::string_view text(size_t i) const { return m_doc.text.text(m_doc.tags[i]); }
  int code(size_t i) const { return m_doc.tags[i].code; }
  bool atEnd() const { return m_pos >= m_doc.tags.size(); }
  int lineAt(size_t i) const { return m_doc.text.lineOf(m_doc.tags[i < m_doc.tags.size() ? i : m_doc.tags.size() - 1]); }
  [[noreturn]] void fail(const std::string& what, size_t at) const { throw OdDxfError(what, lineAt(at)); }
  bool isZero(size_t i, std::string_view name) const { return i < m_doc.tags.size() && code(i) == 0 && text(i) == name; }

  // The tags after a 0 tag, up to the next 0 tag.
  OdDxfSpan recordSpan(size_t start, size_t& next) const {
    const OdDxfSpan span = m_doc.recordAt(uint32_t(start));
    next = start + 1 + span.count;
    return span;
  }
  std::string_view valueIn(OdDxfSpan span, int wanted) const {
    for (const OdDxfTag& t : span)
      if (t.code == wanted) return odDxfTrimmed(m_doc.text.text(t));
    return std::string_view();
  }
  OdDbHandle handleIn(OdDxfSpan span, int wanted) const { return OdDbHandle(odDxfParseHandle(valueIn(span, wanted))); }
  // The handle field: 105 for dimension styles, 5 for everything else.
  OdDbHandle ownHandle(OdDxfSpan span, std::string_view type) const {
    const OdDbHandle h = type == "DIMSTYLE"sv ? handleIn(span, 105) : OdDbHandle();
    return h.isNull() ? handleIn(span, 5) : h;
  }
  OdDbHandle ownerHandle(OdDxfSpan span) const {
    // The owner is the 330 before the first subclass marker and outside
    // groups (the others are references).
    bool inGroup = false;
    for (const OdDxfTag& t : span) {
      if (t.code == 100) break;
      if (t.code == 102) inGroup = m_doc.text.text(t).find('{') != std::string_view::npos;
      else if (t.code == 330 && !inGroup) return OdDbHandle(odDxfParseHandle(m_doc.text.text(t)));
    }
    return OdDbHandle();
  }

  // A section that a file repeats is read into the same place and written once.
  void markSection(const char* name) {
    for (const OdDxfDocument::Section& s : m_doc.sections)
      if (s.name == name) return;
    m_doc.sections.push_back({name, OdDxfSpan()});
  }
  void readHeader();
  void readRawSection(const std::string& name);
  void readTables();
  void readBlocks();
  void readEntities();
  void readObjects();
  OdDbObjectId readEntity(size_t& i, OdDbObjectId owner);
  OdDbObjectId addObject(OdDbObject* object, size_t zeroTag, OdDxfSpan span, OdDbObjectId owner = OdDbObjectId());
  // An entity of the class: deferred where it can be, else made now.
  OdDbObjectId addEntity(OdRxClass* cls, size_t zeroTag, OdDxfSpan span, OdDbObjectId owner);
  OdRxClass* entityClass(std::string_view type, OdDxfSpan span) const;
  OdRxClass* objectClass(std::string_view type) const;
  OdRxClass* vertexClass(OdRxClass* polyline, OdDxfSpan span) const;
  void finish();
  void applyHeader();
  OdDbObjectId ensureTable(OdDbObjectId& id, OdRxClass* cls, const char* name);

  OdDbObjectId recordNamed(OdDbSymbolTable* blocks, const OdString& name);
  static std::string upper(const OdString& name) {
    OdString u(name);
    u.makeUpper();
    return u.toUtf8();
  }

  OdDxfDocument& m_doc;
  OdDbDatabasePtr m_db;
  std::map<std::string, OdDbObjectId> m_blockRecords;  // by upper-case name
  bool m_blockRecordsIndexed = false;
  size_t m_pos = 0;
  OdUInt64 m_highestHandle = 0;  // of the objects read so far: handles past it are free
  PendingObjects m_pending;
  std::map<std::string, OdDbObjectId> m_tableIds;  // by table name
  OdDbObjectId m_namedObjects;
  mutable std::string m_lastType;  // the last entity type looked up by name, and its class
  mutable OdRxClass* m_lastClass = nullptr;
};

OdRxClass* Reader::entityClass(std::string_view type, OdDxfSpan span) const {
  auto flags = [&](int c) {
    std::string_view v = valueIn(span, c);
    int n = 0;
    std::from_chars(v.data(), v.data() + v.size(), n);
    return n;
  };
  auto hasMarker = [&](const char* m) {
    for (const OdDxfTag& t : span)
      if (t.code == 100 && odDxfTrimmed(m_doc.text.text(t)) == m) return true;
    return false;
  };
  if (type == "POLYLINE"sv) {
    const int f = flags(70);
    if (f & 64) return OdDbPolyFaceMesh::desc();
    if (f & 16) return OdDbPolygonMesh::desc();
    if (f & 8) return OdDb3dPolyline::desc();
    return OdDb2dPolyline::desc();
  }
  if (type == "VERTEX"sv) {
    const int f = flags(70);
    if ((f & 128) && !(f & 64)) return OdDbFaceRecord::desc();
    if (f & 128) return OdDbPolyFaceMeshVertex::desc();
    if (f & 64) return OdDbPolygonMeshVertex::desc();
    if (f & 32) return OdDb3dPolylineVertex::desc();
    return OdDb2dVertex::desc();
  }
  if (type == "DIMENSION"sv) {
    if (hasMarker("AcDbRotatedDimension")) return OdDbRotatedDimension::desc();
    if (hasMarker("AcDb3PointAngularDimension")) return OdDb3PointAngularDimension::desc();
    if (hasMarker("AcDb2LineAngularDimension")) return OdDb2LineAngularDimension::desc();
    if (hasMarker("AcDbDiametricDimension")) return OdDbDiametricDimension::desc();
    if (hasMarker("AcDbRadialDimension")) return OdDbRadialDimension::desc();
    if (hasMarker("AcDbOrdinateDimension")) return OdDbOrdinateDimension::desc();
    switch (flags(70) & 7) {
      case 1: return OdDbAlignedDimension::desc();
      case 2: return OdDb2LineAngularDimension::desc();
      case 3: return OdDbDiametricDimension::desc();
      case 4: return OdDbRadialDimension::desc();
      case 5: return OdDb3PointAngularDimension::desc();
      case 6: return OdDbOrdinateDimension::desc();
      case 0: return hasMarker("AcDbAlignedDimension") ? OdDbAlignedDimension::desc() : OdDbRotatedDimension::desc();
      // A type of no kind: kept as it came.
      default: return hasMarker("AcDbAlignedDimension") ? OdDbAlignedDimension::desc() : OdDbUnknownEntity::desc();
    }
  }
  if (type == "INSERT"sv) return flags(70) > 1 || flags(71) > 1 ? OdDbMInsertBlock::desc() : OdDbBlockReference::desc();
  static const std::map<std::string, OdRxClass*, std::less<>> byName = [] {
    std::map<std::string, OdRxClass*, std::less<>> m;
    for (OdRxClass* c : odrxClasses())
      if (c->isDerivedFrom(OdDbEntity::desc()) && !c->isAbstract() && !c->dxfName().isEmpty())
        m.emplace(c->dxfName().toUtf8(), c);
    return m;
  }();
  // Drawings hold runs of entities of one type.
  if (m_lastClass && type == m_lastType) return m_lastClass;
  auto it = byName.find(type);
  m_lastType.assign(type);
  m_lastClass = it == byName.end() ? OdDbUnknownEntity::desc() : it->second;
  return m_lastClass;
}

// A polyline's vertices are of its kind, whatever flags a writer gave them.
OdRxClass* Reader::vertexClass(OdRxClass* polyline, OdDxfSpan span) const {
  if (polyline == OdDb3dPolyline::desc()) return OdDb3dPolylineVertex::desc();
  if (polyline == OdDbPolygonMesh::desc()) return OdDbPolygonMeshVertex::desc();
  if (polyline == OdDbPolyFaceMesh::desc()) {
    // Corners carry a position (flags 64); face records name corners only.
    std::string_view v = valueIn(span, 70);
    int f = 0;
    std::from_chars(v.data(), v.data() + v.size(), f);
    return (f & 64) ? OdDbPolyFaceMeshVertex::desc() : OdDbFaceRecord::desc();
  }
  return OdDb2dVertex::desc();
}

OdRxClass* Reader::objectClass(std::string_view type) const {
  static const std::map<std::string, OdRxClass*, std::less<>> byName = [] {
    std::map<std::string, OdRxClass*, std::less<>> m;
    for (OdRxClass* c : odrxClasses())
      if (c->isDerivedFrom(OdDbObject::desc()) && !c->isDerivedFrom(OdDbEntity::desc()) &&
          !c->isDerivedFrom(OdDbSymbolTableRecord::desc()) && !c->isDerivedFrom(OdDbSymbolTable::desc()) &&
          !c->isAbstract() && !c->dxfName().isEmpty())
        m.emplace(c->dxfName().toUtf8(), c);
    return m;
  }();
  auto it = byName.find(type);
  return it == byName.end() ? OdDbUnknownObject::desc() : it->second;
}

OdDbObjectId Reader::addObject(OdDbObject* object, size_t zeroTag, OdDxfSpan span, OdDbObjectId owner) {
  auto record = std::make_unique<OdDxfRecord>();
  record->type = m_doc.tags[zeroTag];
  record->tags = span;
  object->setDxfRecord(std::move(record));
  const std::string_view type = text(zeroTag);
  const OdDbHandle handle = ownHandle(span, type);
  // An object whose handle is missing or taken gets a new one; objects a
  // save writes with their own handle (those of files of R13 on, and those
  // that bring markers and a handle into older files) are written with it.
  const bool taken = !handle.isNull() && OdUInt64(handle) <= m_highestHandle && !m_db->getOdDbObjectId(handle).isNull();
  m_highestHandle = std::max(m_highestHandle, OdUInt64(handle));
  if ((handle.isNull() || taken) && (m_doc.markers || odDxfHasMarkers(span))) {
    // Missing where the file gives handles: always from R13 on, else where the object has a handle field.
    bool handleField = m_doc.markers;
    const int handleCode = type == "DIMSTYLE"sv ? 105 : 5;
    for (size_t k = 0; !handleField && k < span.count && span.first[k].code != 100; ++k)
      handleField = span.first[k].code == handleCode;
    if (taken || handleField) {
      m_doc.rewrite.push_back(object);
      m_doc.repaired(m_doc.tags[zeroTag], std::string(type) + (taken ? " with handle " + handle.ascii().toUtf8() +
                                                                           ", which an earlier object has; given a new one"
                                                                     : " without a handle; given a new one"));
    }
  }
  OdDbObjectId id = m_db->addOdDbObject(object, owner, handle);
  m_pending.push_back(id);
  object->release();
  return id;
}

OdDbObjectId Reader::addEntity(OdRxClass* cls, size_t zeroTag, OdDxfSpan span, OdDbObjectId owner) {
  // Made now: when recovering (repairs are said as they are found), and
  // objects whose handle must be given anew or whose numbers may not read.
  if (!m_doc.deferFields || !deferrable(cls) || m_doc.repairs) return addObject(newObject(cls), zeroTag, span, owner);
  if (!m_doc.doubtful.empty()) {
    auto d = std::lower_bound(m_doc.doubtful.begin(), m_doc.doubtful.end(), uint32_t(zeroTag));
    if (d != m_doc.doubtful.end() && *d <= zeroTag + span.count) return addObject(newObject(cls), zeroTag, span, owner);
  }
  const OdDbHandle handle = handleIn(span, 5);
  const OdDbObjectId id = m_db->addDeferredObject(cls, uint32_t(zeroTag), handle, owner);
  if (id.isNull()) return addObject(newObject(cls), zeroTag, span, owner);  // no handle, or a taken one
  m_highestHandle = std::max(m_highestHandle, OdUInt64(handle));
  m_pending.push_back(id);
  return id;
}

OdDbDatabasePtr Reader::read() {
  tokenize(m_doc);
  if (m_doc.tags.empty()) throw OdDxfError("the file holds no drawing data", 1);
  if (m_doc.repairs) odDxfRepairStructure(m_doc);
  // Most objects have a dozen tags or more.
  m_pending.reserve(m_doc.tags.size() / 12);
  m_db->reserveObjects(m_doc.tags.size() / 12);
  m_db->numberNewObjectsLater(true);
  while (!atEnd()) {
    if (isZero(m_pos, "EOF")) break;
    if (!isZero(m_pos, "SECTION")) fail("expected SECTION, found group code " + std::to_string(code(m_pos)), m_pos);
    if (m_pos + 1 >= m_doc.tags.size() || code(m_pos + 1) != 2) fail("a section without a name", m_pos);
    const std::string name(odDxfTrimmed(text(m_pos + 1)));
    m_pos += 2;
    if (name == "HEADER") readHeader();
    else if (name == "TABLES") readTables();
    else if (name == "BLOCKS") readBlocks();
    else if (name == "ENTITIES") readEntities();
    else if (name == "OBJECTS") readObjects();
    else readRawSection(name);
    if (atEnd()) fail("section " + name + " is not closed (the file is truncated)", m_doc.tags.size() - 1);
    ++m_pos;  // ENDSEC
  }
  m_db->numberNewObjectsLater(false);
  finish();
  // Repaired and renumbered objects are written from their fields (new handle, owner).
  for (OdDbObject* object : m_doc.rewrite) {
    OdDbObjectPtr open = object->objectId().openObject(OdDb::kForWrite);
    if (!open.isNull()) open->assertWriteEnabled();
  }
  m_doc.rewrite.clear();
  m_db->armDeferred();
  return m_db;
}

void Reader::readRawSection(const std::string& name) {
  const size_t start = m_pos;
  while (!atEnd() && !isZero(m_pos, "ENDSEC")) ++m_pos;
  m_doc.sections.push_back({name, OdDxfSpan{m_doc.tags.data() + start, m_pos - start}});
  if (name != "CLASSES") return;
  // The section stays as read; the database learns the classes' names and proxy flags.
  std::vector<OdDbDatabase::DxfClass> classes;
  for (size_t i = start; i < m_pos; ++i) {
    const OdDxfTag& t = m_doc.tags[i];
    const std::string_view text = m_doc.text.text(t);
    if (t.code == 0) classes.emplace_back();
    if (classes.empty()) continue;
    OdDbDatabase::DxfClass& c = classes.back();
    if (t.code == 1) c.dxfName = m_doc.codec.decode(text);
    else if (t.code == 2) c.className = m_doc.codec.decode(text);
    else if (t.code == 3) c.appName = m_doc.codec.decode(text);
    else if (t.code == 90) c.proxyFlags = int(std::strtol(std::string(text).c_str(), nullptr, 10));
    else if (t.code == 281) c.entity = std::strtol(std::string(text).c_str(), nullptr, 10) != 0;
  }
  m_db->setDxfClasses(classes);
}

void Reader::readHeader() {
  markSection("HEADER");
  while (!atEnd() && !isZero(m_pos, "ENDSEC")) {
    if (code(m_pos) != 9) fail("expected a header variable (group code 9), found " + std::to_string(code(m_pos)), m_pos);
    const std::string name(odDxfTrimmed(text(m_pos)));
    const size_t start = ++m_pos;
    while (!atEnd() && code(m_pos) != 9 && code(m_pos) != 0) ++m_pos;
    m_doc.header.push_back({name, OdDxfSpan{m_doc.tags.data() + start, m_pos - start}});
    if (name == "$ACADVER" && m_pos > start) m_doc.version = std::string(odDxfTrimmed(text(start)));
  }
  // Release numbers: "AC1009" is R12; names of older releases ("AC2.10")
  // are not of that form and hold no subclass markers either.
  const std::string& v = m_doc.version;
  int release = 0;
  if (v.size() == 6 && v.compare(0, 2, "AC") == 0)
    std::from_chars(v.data() + 2, v.data() + v.size(), release);
  m_doc.codec = OdDxfCodec(release >= 1021);
  m_doc.markers = release > 1009;
}

OdDbObjectId Reader::ensureTable(OdDbObjectId& id, OdRxClass* cls, const char* name) {
  if (!id.isNull()) return id;
  OdDbObject* table = newObject(cls);
  id = m_db->addOdDbObject(table);
  table->release();
  m_tableIds[name] = id;
  return id;
}

void Reader::readTables() {
  markSection("TABLES");
  static const std::map<std::string, OdRxClass* (*)(), std::less<>> tableClasses = {
      {"VPORT", &OdDbViewportTable::desc}, {"LTYPE", &OdDbLinetypeTable::desc},  {"LAYER", &OdDbLayerTable::desc},
      {"STYLE", &OdDbTextStyleTable::desc}, {"VIEW", &OdDbViewTable::desc},       {"UCS", &OdDbUCSTable::desc},
      {"APPID", &OdDbRegAppTable::desc},    {"DIMSTYLE", &OdDbDimStyleTable::desc}, {"BLOCK_RECORD", &OdDbBlockTable::desc}};
  while (!atEnd() && !isZero(m_pos, "ENDSEC")) {
    if (!isZero(m_pos, "TABLE")) fail("expected TABLE in the TABLES section", m_pos);
    size_t next = 0;
    const size_t tableTag = m_pos;
    OdDxfSpan tableSpan = recordSpan(m_pos, next);
    const std::string name(valueIn(tableSpan, 2));
    auto known = tableClasses.find(name);
    if (known == tableClasses.end() || m_tableIds.count(name)) {
      // Kept as it came, records and all, and written back in its place.
      size_t end = next;
      while (end < m_doc.tags.size() && !isZero(end, "ENDTAB")) {
        if (isZero(end, "ENDSEC") || isZero(end, "EOF") || (end > next && isZero(end, "TABLE")))
          fail("table " + name + " is not closed", end);
        ++end;
      }
      if (end >= m_doc.tags.size()) fail("table " + name + " is not closed (the file is truncated)", m_doc.tags.size() - 1);
      m_doc.tables.push_back({name, OdDbObjectId(), tableSpan, OdDxfSpan{m_doc.tags.data() + tableTag, end + 1 - tableTag}});
      m_pos = end + 1;
      continue;
    }
    const OdDbObjectId tableId = addObject(newObject(known->second()), tableTag, tableSpan);
    m_tableIds[name] = tableId;
    m_doc.tables.push_back({name, tableId, tableSpan, OdDxfSpan()});
    m_pos = next;
    OdDbSymbolTablePtr table = OdDbSymbolTable::cast(tableId.openObject(OdDb::kForWrite));
    while (!atEnd() && !isZero(m_pos, "ENDTAB")) {
      if (isZero(m_pos, "ENDSEC") || isZero(m_pos, "EOF") || isZero(m_pos, "TABLE"))
        fail("table " + name + " is not closed", m_pos);
      const size_t recordTag = m_pos;
      OdDxfSpan span = recordSpan(m_pos, next);
      OdDbObjectId id = addObject(newObject(table->recordClass()), recordTag, span, tableId);
      table->appendRecordId(id);
      m_pos = next;
    }
    if (atEnd()) fail("table " + name + " is not closed (the file is truncated)", m_doc.tags.size() - 1);
    ++m_pos;  // ENDTAB
  }
}

OdDbObjectId Reader::readEntity(size_t& i, OdDbObjectId owner) {
  // Structure words are never entity names: such a file is out of order.
  const std::string_view type = text(i);
  if (!type.empty() && (type[0] == 'B' || type[0] == 'E' || type[0] == 'T' || type[0] == 'S'))
    for (std::string_view structural : {"BLOCK"sv, "ENDBLK"sv, "TABLE"sv, "ENDTAB"sv, "SECTION"sv, "ENDSEC"sv, "EOF"sv})
      if (isZero(i, structural)) fail(std::string(structural) + " where an entity belongs", i);
  size_t next = 0;
  const size_t zero = i;
  OdDxfSpan span = recordSpan(i, next);
  OdRxClass* polylineClass = entityClass(text(zero), span);
  OdDbObjectId id = addEntity(polylineClass, zero, span, owner);
  i = next;
  // Vertices and attributes follow the entity that owns them, up to SEQEND.
  const bool polyline = text(zero) == "POLYLINE"sv;
  const bool attributed = text(zero) == "INSERT"sv && valueIn(span, 66) == "1"sv;
  if (polyline || attributed) {
    std::vector<OdDbObjectId>& followers = m_doc.followers[id.stub()];
    while (i < m_doc.tags.size() && code(i) == 0 && (text(i) == "VERTEX"sv || text(i) == "ATTRIB"sv || text(i) == "SEQEND"sv)) {
      const bool last = text(i) == "SEQEND"sv;
      size_t after = 0;
      const size_t z = i;
      OdDxfSpan s = recordSpan(i, after);
      OdRxClass* cls = entityClass(text(z), s);
      if (polyline && text(z) == "VERTEX"sv) cls = vertexClass(polylineClass, s);
      followers.push_back(addObject(newObject(cls), z, s, id));
      i = after;
      if (last) break;
    }
  }
  return id;
}

void Reader::readBlocks() {
  markSection("BLOCKS");
  OdDbObjectId blockTable = ensureTable(m_tableIds["BLOCK_RECORD"], OdDbBlockTable::desc(), "BLOCK_RECORD");
  while (!atEnd() && !isZero(m_pos, "ENDSEC")) {
    if (!isZero(m_pos, "BLOCK")) fail("expected BLOCK in the BLOCKS section", m_pos);
    size_t next = 0;
    const size_t beginTag = m_pos;
    OdDxfSpan begin = recordSpan(m_pos, next);
    m_pos = next;
    // The record is named by the BLOCK's owner, or (R12) by its name.
    OdDbObjectId recordId = m_db->getOdDbObjectId(ownerHandle(begin));
    OdDbBlockTableRecordPtr record = OdDbBlockTableRecord::cast(recordId.openObject(OdDb::kForWrite));
    const OdString name = m_doc.codec.decode(valueIn(begin, 2));
    OdDbBlockTableRecordPtr table;
    if (record.isNull()) {
      OdDbSymbolTablePtr blocks = blockTable.openObject(OdDb::kForWrite);
      recordId = recordNamed(blocks, name);
      // Anonymous blocks ("*U15") are named as records name them.
      OdDbBlockTableRecordPtr made = recordId.isNull() ? OdDbBlockTableRecord::createObject() : OdDbBlockTableRecordPtr();
      if (!made.isNull() && made->setName(name) == eOk && blocks->add(made, recordId) == eOk) {
        m_blockRecords[upper(name)] = recordId;
        // The record a BLOCK names by a handle the file lacks gets that handle.
        m_db->preferHandle(recordId, ownerHandle(begin));
        auto implied = std::make_unique<OdDxfRecord>();
        implied->implied = true;
        made->setDxfRecord(std::move(implied));
      }
      record = OdDbBlockTableRecord::cast(recordId.openObject(OdDb::kForWrite));
    }
    std::vector<OdDbObjectId> inBlock;
    while (!atEnd() && !isZero(m_pos, "ENDBLK")) {
      if (code(m_pos) != 0 || isZero(m_pos, "ENDSEC") || isZero(m_pos, "EOF") || isZero(m_pos, "BLOCK"))
        fail("block \"" + name.toUtf8() + "\" is not closed by ENDBLK", m_pos);
      inBlock.push_back(readEntity(m_pos, recordId));
    }
    if (atEnd()) fail("block \"" + name.toUtf8() + "\" is not closed (the file is truncated)", m_doc.tags.size() - 1);
    const size_t endTag = m_pos;
    OdDxfSpan end = recordSpan(m_pos, next);
    m_pos = next;
    // A second BLOCK for a record that already has one cannot be attached either.
    if (!record.isNull() && record->dxfRecord() && record->dxfRecord()->blockBegin) record.release();
    if (record.isNull()) {
      // A block no record can hold (no usable name, or a duplicate): kept as it came.
      m_doc.sections.push_back({"BLOCKS:RAW", OdDxfSpan{m_doc.tags.data() + beginTag, next - beginTag}});
      for (OdDbObjectId id : inBlock) {
        OdDbObjectPtr o = id.openObject(OdDb::kForWrite);
        if (!o.isNull()) o->erase();
      }
      continue;
    }
    auto beginRecord = std::make_unique<OdDxfRecord>();
    beginRecord->type = m_doc.tags[beginTag];
    beginRecord->tags = begin;
    auto endRecord = std::make_unique<OdDxfRecord>();
    endRecord->type = m_doc.tags[endTag];
    endRecord->tags = end;
    // Keep the record's own tags; the block entities hang from it.
    std::unique_ptr<OdDxfRecord> own;
    if (record->dxfRecord()) {
      own = std::make_unique<OdDxfRecord>();
      own->type = record->dxfRecord()->type;
      own->tags = record->dxfRecord()->tags;
      own->implied = record->dxfRecord()->implied;
    }
    if (!own) own = std::make_unique<OdDxfRecord>();
    own->blockBegin = std::move(beginRecord);
    own->blockEnd = std::move(endRecord);
    record->setDxfRecord(std::move(own));
    for (OdDbObjectId id : inBlock) record->appendEntityId(id);
    m_doc.blocks.push_back(recordId);
  }
}

// The block record of the name. Records read so far know their names only
// from their tags: their fields are read once every object exists.
OdDbObjectId Reader::recordNamed(OdDbSymbolTable* blocks, const OdString& name) {
  if (!m_blockRecordsIndexed) {
    m_blockRecordsIndexed = true;
    for (const OdDbObjectId& id : blocks->recordIds()) {
      OdDbObjectPtr record = id.openObject();
      const OdDxfRecord* file = record.isNull() ? nullptr : record->dxfRecord();
      if (file) m_blockRecords.emplace(upper(m_doc.codec.decode(valueIn(file->tags, 2))), id);
      else if (!record.isNull()) m_blockRecords.emplace(upper(OdDbSymbolTableRecord::cast(record)->getName()), id);
    }
  }
  auto it = m_blockRecords.find(upper(name));
  return it == m_blockRecords.end() ? OdDbObjectId() : it->second;
}

void Reader::readEntities() {
  markSection("ENTITIES");
  while (!atEnd() && !isZero(m_pos, "ENDSEC")) {
    if (code(m_pos) != 0 || isZero(m_pos, "EOF")) fail("expected an entity", m_pos);
    m_doc.entities.push_back(readEntity(m_pos, OdDbObjectId()));
  }
}

void Reader::readObjects() {
  markSection("OBJECTS");
  while (!atEnd() && !isZero(m_pos, "ENDSEC")) {
    if (code(m_pos) != 0 || isZero(m_pos, "EOF")) fail("expected an object", m_pos);
    size_t next = 0;
    const size_t zero = m_pos;
    OdDxfSpan span = recordSpan(m_pos, next);
    OdDbObjectId id = addObject(newObject(objectClass(text(zero))), zero, span);
    if (m_namedObjects.isNull() && text(zero) == "DICTIONARY"sv) m_namedObjects = id;
    m_doc.objects.push_back(id);
    m_pos = next;
  }
}

}  // namespace

// Second pass and header: in the reader's own file to keep this one about structure.
void odDxfFinishReading(OdDbDatabase* db, OdDxfDocument& doc, const std::vector<OdDbObjectId>& objects,
                        std::map<std::string, OdDbObjectId>& tables, OdDbObjectId namedObjects);

namespace {
void Reader::finish() { odDxfFinishReading(m_db.get(), m_doc, m_pending, m_tableIds, m_namedObjects); }
}  // namespace

std::string OdDxfRepair::text(const std::string& file) const {
  if (byteOffset >= 0) return file + ": byte " + std::to_string(byteOffset) + ": " + what;
  return file + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + what;
}

OdDbDatabasePtr odDxfReadString(const std::string& content, const std::string& name, const OdDxfReadOptions& options) {
  // Copied into memory backed by large pages, as a file is read.
  std::string copy;
  copy.reserve(content.size());
  odDxfPreferLargePages(&copy[0], content.size());
  copy.append(content);
  return odDxfReadString(std::move(copy), name, options);
}

OdDbDatabasePtr odDxfReadString(std::string&& content, const std::string& name, const OdDxfReadOptions& options) {
  odDbInitClasses();  // the file's type names are looked up among all classes
  // A binary drawing opens with a 22-byte sentinel ending in this text, a
  // control-Z and a NUL; its first eight bytes name the writer.
  // A binary drawing is read through its text form; its places are byte offsets.
  std::vector<uint32_t> offsets;
  OdDxfBinaryError damage("", 0);
  const bool binary = odDxfIsBinary(content);
  if (binary) {
    try {
      content = odDxfBinaryToText(content, &offsets, options.recover ? &damage : nullptr);
    } catch (const OdDxfBinaryError& e) {
      throw OdDxfFileError::atByte(name, e.offset(), e.what());
    } catch (const std::bad_alloc&) {
      throw OdDxfFileError(name, 0, "not enough memory to read the drawing");
    }
  }
  auto doc = std::make_shared<OdDxfDocument>(std::move(content));
  doc->binary = binary;
  doc->deferFields = options.deferFields;
  std::vector<OdDxfDocument::RepairNote> notes;
  if (options.recover) doc->repairs = &notes;
  // Notes name tags by their offset in the text; reported by line (or byte), in file order.
  auto report = [&] {
    doc->repairs = nullptr;
    if (!options.repairs) return;
    std::stable_sort(notes.begin(), notes.end(), [](const auto& a, const auto& b) {
      return (a.at & OdDxfText::kArenaBit ? 0u : a.at) < (b.at & OdDxfText::kArenaBit ? 0u : b.at);
    });
    if (binary && damage.what()[0]) options.repairs->push_back({0, (long long)damage.offset(), damage.what()});
    const std::string& text = doc->text.file();
    size_t at = 0;
    int line = 1;
    for (const auto& n : notes) {
      const size_t to = (n.at & OdDxfText::kArenaBit) ? 0 : std::min<size_t>(n.at, text.size());
      if (to > at) line += int(std::count(text.begin() + long(at), text.begin() + long(to), '\n')), at = to;
      OdDxfRepair r;
      r.what = n.what;
      if (binary) r.byteOffset = offsets.empty() ? 22 : offsets[std::min(size_t(line - 1) / 2, offsets.size() - 1)];
      else r.line = line;
      options.repairs->push_back(r);
    }
  };
  try {
    Reader reader(doc);
    OdDbDatabasePtr db = reader.read();
    report();
    return db;
  } catch (const OdDxfError& e) {
    // Two text lines a tag: the tag's place in the binary file.
    if (binary && e.line() > 0)
      throw OdDxfFileError::atByte(name, offsets.empty() ? 22 : offsets[std::min(size_t(e.line() - 1) / 2, offsets.size() - 1)], e.what());
    throw OdDxfFileError(name, e.line(), e.what());
  } catch (const OdError& e) {
    throw OdDxfFileError(name, 0, std::string("inconsistent drawing: ") + e.description().toUtf8());
  } catch (const std::bad_alloc&) {
    throw OdDxfFileError(name, 0, "not enough memory to read the drawing");
  } catch (const std::length_error& e) {
    throw OdDxfFileError(name, 0, std::string("drawing too large: ") + e.what());
  }
}

OdDbDatabasePtr odDxfReadFile(const std::string& path, const OdDxfReadOptions& options) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) throw OdDxfFileError(path, 0, "cannot open the file for reading");
  if (!S_ISREG(info.st_mode)) throw OdDxfFileError(path, 0, "not a regular file");
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) throw OdDxfFileError(path, 0, "cannot open the file for reading");
  const std::streamoff size = in.tellg();
  if (size < 0) throw OdDxfFileError(path, 0, "cannot read the file");
  // Read into the text the drawing keeps through a small buffer that stays
  // in the cache: sizing the text first would fill it with zeros in vain.
  std::string content;
  content.reserve(size_t(size));
  odDxfPreferLargePages(&content[0], size_t(size));
  in.seekg(0);
  std::vector<char> chunk(size_t(1) << 18);
  while (content.size() < size_t(size)) {
    in.read(chunk.data(), std::streamsize(std::min(chunk.size(), size_t(size) - content.size())));
    if (in.gcount() <= 0) throw OdDxfFileError(path, 0, "cannot read the file");
    content.append(chunk.data(), size_t(in.gcount()));
  }
  OdDbDatabasePtr db = odDxfReadString(std::move(content), path, options);
  db->setFilename(path);
  return db;
}
