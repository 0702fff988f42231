#pragma once
// The parts of a drawing file that are not objects of the database, kept as
// read: header variables, classes, table headers, section order, the order
// of entities and objects, and the entities that follow their owner.
#include <map>
#include <string>
#include <vector>
#include "Db/DbDatabase.h"
#include "Db/DbObjectId.h"
#include "Dxf/DxfFiler.h"
#include "Dxf/DxfTags.h"

class OdDxfDocument {
public:
  explicit OdDxfDocument(std::string file) : text(std::move(file)) {}

  struct HeaderVariable {
    std::string name;  // "$ACADVER"
    OdDxfSpan tags;    // the values after the 9 tag
  };
  struct Table {
    std::string name;  // "LAYER"
    OdDbObjectId id;   // the table object
    OdDxfSpan tags;    // the TABLE entry's own tags
    OdDxfSpan raw;     // a table the database cannot hold (unknown or repeated): TABLE to ENDTAB as read
  };
  struct Section {
    std::string name;  // "HEADER", "CLASSES", ...
    OdDxfSpan tags;    // for sections kept as they are: everything between SECTION and ENDSEC
  };

  OdDxfText text;
  OdDxfTags tags;            // every tag of the file; spans point into it
  // The tags of the record whose 0 tag stands at the index, up to the next 0 tag.
  OdDxfSpan recordAt(uint32_t zeroTag) const {
    const OdDxfTag* first = tags.data() + zeroTag + 1;
    const OdDxfTag* end = tags.data() + tags.size();
    const OdDxfTag* t = first;
    while (t != end && t->code != 0) ++t;
    return OdDxfSpan{first, size_t(t - first)};
  }
  OdDxfTags comments;        // the comments (999) before the first section
  // Tags of number codes whose text may not read as a number (by index, in
  // order): objects holding one are read at once, where the error shows.
  std::vector<uint32_t> doubtful;
  bool deferFields = true;  // the commonest entities' fields are read when they are first opened
  // Records that the names of deferred objects' fields find, kept for them.
  OdDxfNameCache names;
  OdDxfCodec codec{false};
  bool markers = false;      // subclass markers (R13 and later); files without a version are old
  bool crlf = false;         // lines end with a carriage return and a line feed
  bool binary = false;       // read from a binary file: text holds its tags in text form
  // While a damaged drawing is recovered: what was repaired, found at a tag of
  // the file (its offset in the text); null when reading refuses damage.
  struct RepairNote {
    uint32_t at;
    std::string what;
  };
  std::vector<RepairNote>* repairs = nullptr;
  std::vector<OdDbObject*> rewrite;  // repaired or renumbered objects, written from their fields
  void repaired(const OdDxfTag& near, std::string what) {
    if (repairs) repairs->push_back({near.offset, std::move(what)});
  }
  std::string version;       // $ACADVER
  std::vector<HeaderVariable> header;
  OdDbHeaderVars headerAsRead;  // what reading made of the header: unchanged variables keep the file's tags
  std::vector<Section> sections;
  std::vector<Table> tables;
  std::vector<OdDbObjectId> blocks;    // block records in the order of the BLOCKS section
  std::vector<OdDbObjectId> entities;  // the ENTITIES section
  std::vector<OdDbObjectId> objects;   // the OBJECTS section
  // VERTEX, ATTRIB and SEQEND entities written after the entity that owns them.
  std::map<OdDbStub*, std::vector<OdDbObjectId>> followers;
  // Where the ACDSDATA section holds each object's data (tag positions of
  // its record, by handle), found on the first request.
  mutable std::map<uint64_t, std::pair<size_t, size_t>> asideRecords;
  mutable bool asideIndexed = false;
};
