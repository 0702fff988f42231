#pragma once
// What a database class reads from and writes to its part of a drawing file.
// Fields are addressed by subclass marker and group code; files without
// markers (R12) address them by group code alone.
#include <bitset>
#include <stdexcept>
#include <map>
#include <string>
#include <vector>
#include "Db/DbObjectId.h"
#include "Dxf/DxfTags.h"
#include "Ge/GePoint3d.h"

class OdDbDatabase;

// A file that cannot be read: the message names the line.
class OdDxfError : public std::runtime_error {
public:
  OdDxfError(const std::string& what, int line) : std::runtime_error(what), m_line(line) {}
  int line() const { return m_line; }

private:
  int m_line;
};

// Converts texts between the file's encoding and wide strings.
class OdDxfCodec {
public:
  // Files of AC1021 and later are UTF-8; older ones use a single-byte code page.
  explicit OdDxfCodec(bool utf8 = true) : m_utf8(utf8) {}
  bool isUtf8() const { return m_utf8; }
  OdString decode(std::string_view text) const;
  std::string encode(const OdString& text) const;

private:
  bool m_utf8;
};

// While a drawing is read: the records that names of a table's records
// (as the file spells them) found, so that each name is looked up once.
struct OdDxfNameCache {
  std::map<OdDbStub*, std::map<std::string, OdDbObjectId, std::less<>>> byTable;
};

class OdDxfIn {
public:
  OdDxfIn(const OdDxfText& text, OdDxfSpan tags, const OdDxfCodec& codec, OdDbDatabase* db, bool markers,
          OdDxfNameCache* names = nullptr);
  // The record of the table that the tag names (without regard to case), or
  // the record of the fallback name when there is no tag; null when none.
  OdDbObjectId recordNamed(OdDbObjectId tableId, const OdDxfTag* tag, const OdString& fallback) const;

  bool has(const char* subclass, int code) const { return find(subclass, code, 0) != nullptr; }
  // The nth tag of the code in the subclass, or null.
  const OdDxfTag* field(const char* subclass, int code, int nth = 0) const { return find(subclass, code, nth); }
  // The nth tag of the code in the subclass; throws OdDxfError when its value is not a number.
  double real(const char* subclass, int code, double def, int nth = 0) const;
  int integer(const char* subclass, int code, int def, int nth = 0) const;
  OdString string(const char* subclass, int code, const OdString& def = OdString(), int nth = 0) const;
  OdGePoint3d point(const char* subclass, int code, const OdGePoint3d& def = OdGePoint3d(), int nth = 0) const;
  OdGeVector3d vector(const char* subclass, int code, const OdGeVector3d& def, int nth = 0) const;
  // The extrusion direction, the normal of the object coordinate system
  // (OCS): of unit length; a zero one is the world Z axis.
  OdGeVector3d normal(const char* subclass, int code = 210) const;
  // A point the file holds in the OCS of the normal, in world coordinates.
  OdGePoint3d ocsPoint(const char* subclass, int code, const OdGeVector3d& normal,
                       const OdGePoint3d& def = OdGePoint3d(), int nth = 0) const;
  // The object a handle field names, or null.
  OdDbObjectId reference(const char* subclass, int code, int nth = 0) const;
  // Every tag of the subclass, in file order (the whole object without markers).
  std::vector<const OdDxfTag*> section(const char* subclass) const;
  std::string_view text(const OdDxfTag& tag) const { return m_text.text(tag); }
  double toReal(const OdDxfTag& tag) const;
  long long toInteger(const OdDxfTag& tag) const;
  OdDbDatabase* database() const { return m_db; }
  const OdDxfCodec& codec() const { return m_codec; }
  // Every tag of the object, extended data included.
  OdDxfSpan tags() const { return m_tags; }

private:
  const OdDxfTag* find(const char* subclass, int code, int nth) const;
  const OdDxfText& m_text;
  OdDxfSpan m_tags;
  mutable const char* m_cachedSubclass = nullptr;  // by address: callers pass literals
  mutable const OdDxfTag* m_sectionBegin = nullptr;
  mutable const OdDxfTag* m_sectionEnd = nullptr;
  mutable bool m_sectionRepeats = false;  // the marker stands again later (text's two AcDbText)
  // The object's markers, found once: most objects have two to five.
  void indexMarkers() const;
  static const int kMaxMarkers = 12;
  mutable const OdDxfTag* m_marker[kMaxMarkers];
  mutable int m_markerCount = 0;  // kMaxMarkers + 1: too many to index
  mutable const OdDxfTag* m_fieldsEnd = nullptr;  // the first tag of extended data, or the end
  mutable bool m_indexed = false;
  const OdDxfCodec& m_codec;
  OdDbDatabase* m_db;
  bool m_markers;
  OdDxfNameCache* m_names;
};

// The modelled fields of an object, by subclass, in the order a file holds
// them. Each call also records that the class owns the code in the section,
// even when an optional field is left out because it has its default value.
class OdDxfOut {
public:
  struct Field {
    int code;
    std::string text;
  };
  // A section's fields; their storage stays from one object to the next.
  class Fields {
  public:
    const Field* begin() const { return m_store.data(); }
    const Field* end() const { return m_store.data() + m_count; }
    size_t size() const { return m_count; }
    bool empty() const { return m_count == 0; }
    const Field& operator[](size_t i) const { return m_store[i]; }
    void push_back(const Field& f) { next(f.code).assign(f.text); }
    // The text of a new field of the code, to be given its value.
    std::string& next(int code) {
      if (m_count == m_store.size()) m_store.emplace_back();
      Field& f = m_store[m_count++];
      f.code = code;
      return f.text;
    }
    void clear() { m_count = 0; }

  private:
    std::vector<Field> m_store;
    size_t m_count = 0;
  };
  struct Section {
    std::string marker;
    Fields fields;
    // The codes the class owns in this section (group codes run from 0 to 1071).
    struct Codes {
      std::bitset<1072> bits;
      bool has(int code) const { return code >= 0 && code < 1072 && bits[size_t(code)]; }
      void add(int code) {
        if (code >= 0 && code < 1072) bits.set(size_t(code));
      }
    } codes;
    int keepFrom = 0;        // from the file's first tag of this code on, the section is kept as read
  };

  // original: the object's tags when it was read from a file (fromFile).
  explicit OdDxfOut(const OdDxfCodec& codec, const OdDxfText* text = nullptr, OdDxfSpan original = OdDxfSpan(),
                    bool fromFile = false)
      : m_codec(codec), m_text(text), m_original(original), m_fromFile(fromFile && text) {
    m_sections.reserve(4);
  }
  void subclass(const char* marker);
  void real(int code, double value);
  void realOpt(int code, double value, double def);
  void integer(int code, long long value);
  void integerOpt(int code, long long value, long long def);
  void string(int code, const OdString& value);
  void stringOpt(int code, const OdString& value);
  // A record name: the file's text where it names the same record in another case.
  void name(int code, const OdString& value);
  // The name of a record (a layer, a line type, a style), as name() writes
  // it; names are looked up once for every object written with this.
  void recordName(int code, OdDbObjectId record);
  void point(int code, const OdGePoint3d& value);
  void pointOpt(int code, const OdGePoint3d& value, const OdGePoint3d& def);
  void vectorOpt(int code, const OdGeVector3d& value, const OdGeVector3d& def);
  // A direction stored of unit length (an extrusion, a text's direction): the
  // file's own text where it is the same direction at another length; left
  // out when it is the default.
  void normal(int code, const OdGeVector3d& unit, const OdGeVector3d& def = OdGeVector3d::kZAxis);
  // A text of any length: parts of 250 bytes with the continuation code,
  // the last part with the code; the file's own parts while they still
  // make up the same text.
  void longString(int code, int continuationCode, const OdString& value);
  // A world point written in the OCS of the normal; the file's own text
  // where it still names exactly the same world point.
  void ocsPoint(int code, const OdGePoint3d& world, const OdGeVector3d& normal);
  static OdGePoint3d ocsToWorld(const OdGePoint3d& ocs, const OdGeVector3d& normal);
  static OdGePoint3d worldToOcs(const OdGePoint3d& world, const OdGeVector3d& normal);
  void reference(int code, OdDbObjectId id);
  void referenceOpt(int code, OdDbObjectId id);
  // An angle kept in radians, written in degrees as files hold it: the
  // shortest degree text that converts back to exactly the same radians.
  void angle(int code, double radians);
  void angleOpt(int code, double radians, double defRadians);
  static double degreesOf(double radians);
  // Bit flags of which the class models the bits of the mask: the file's
  // other bits stay; left out where the file had none and value is def.
  void flags(int code, long long value, long long mask, long long def);
  // Declares codes owned without writing them (fields written elsewhere).
  void own(int code) { current().codes.add(code); }
  // A field as a file gave it (data the class keeps as read).
  void verbatim(int code, std::string_view text) { add(code, text); }
  // The class models only the head of the section: from the first tag of
  // the code on, the file's tags follow the modelled fields as they were.
  void keepFrom(int code) { current().keepFrom = code; }
  // Writes the field as the file had it (a name the database could not resolve).
  void original(int code);
  // Whether the file wrote the code in the current subclass. Optional
  // fields at their defaults stay written where the file wrote them.
  bool hadField(int code) const;
  // Whether the fields are those of an object read from a file.
  bool fromFile() const { return m_fromFile; }

  // The sections of the object written last.
  struct Sections {
    const Section* first = nullptr;
    size_t count = 0;
    const Section* begin() const { return first; }
    const Section* end() const { return first + count; }
    size_t size() const { return count; }
    bool empty() const { return count == 0; }
    const Section& operator[](size_t i) const { return first[i]; }
  };
  Sections sections() const { return Sections{m_sections.data(), m_used}; }
  // Ready for the next object: what was collected goes, its storage stays.
  void reset(OdDxfSpan original, bool fromFile);
  // The shortest text that reads back as exactly the same double.
  static std::string formatReal(double value);

private:
  Section& current() {
    if (m_used == 0) subclass("");
    return m_sections[m_used - 1];
  }
  // The file's tag of the code in the current subclass, or null.
  const OdDxfTag* originalField(int code) const;
  // Visits the file's field tags of the current subclass in order, while visit answers true.
  template <class Visit>
  void eachOriginalField(Visit visit) const;
  // Finds where the current subclass lies in the file's tags (once per subclass).
  void indexSection() const;
  // The first tag of each code in the current subclass: valid where stamped with m_indexNumber.
  mutable std::vector<std::pair<uint32_t, const OdDxfTag*>> m_firstOfCode;
  mutable uint32_t m_indexNumber = 0;
  // Encoded names of the records named so far.
  std::vector<std::pair<OdDbStub*, std::string>> m_recordNames;
  void nameText(int code, const std::string& text);
  // The number an original tag holds; false when it holds none.
  bool number(const OdDxfTag* tag, double& value) const;
  void add(int code, std::string_view text) {
    Section& s = current();
    s.codes.add(code);
    s.fields.next(code).assign(text.data(), text.size());
  }
  const OdDxfCodec& m_codec;
  const OdDxfText* m_text;
  OdDxfSpan m_original;
  // The file's tags of the current subclass (ranges: a marker may stand twice), for m_used == m_rangesFor.
  mutable size_t m_rangesFor = size_t(-1);
  mutable std::vector<std::pair<const OdDxfTag*, const OdDxfTag*>> m_ranges;
  bool m_fromFile;
  std::vector<Section> m_sections;  // the first m_used are this object's; the rest keep their storage
  size_t m_used = 0;
};
