#pragma once
// What an object brought from a drawing file: its type name and its tags,
// kept so that a save writes back everything that was not modelled.
#include <memory>
#include "Db/DbResBuf.h"
#include "Dxf/DxfTags.h"

struct OdDxfRecord {
  OdDxfTag type;               // the 0 tag: entity or object type as written
  OdDxfSpan tags;              // the tags after it, up to the next 0 tag
  OdResBufPtr xdata;           // extended data as read, to tell whether it changed
  // A block record's BLOCK and ENDBLK entities.
  std::unique_ptr<OdDxfRecord> blockBegin, blockEnd;
  // Objects written after this one that it owns (VERTEX, ATTRIB and SEQEND entities).
  bool ownsFollowers = false;
  // Made by the reader for a drawing that lacked it (layer "0", model space, ...).
  bool implied = false;
};
