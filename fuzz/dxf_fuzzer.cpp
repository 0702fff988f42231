// Fuzz target of the drawing-file reader: any input, text or binary, is read
// or refused with a file error, plainly and when recovering, the same with
// every field read at once; what reads is written (as read and in binary) and
// must read back without repair, and every object of it opens.
#include <cstddef>
#include <cstdint>
#include <string>
#include "Dxf/DxfBinary.h"
#include "Dxf/DxfFile.h"
#include "Dxf/DxfFiler.h"

namespace {
void writtenReadsBack(OdDbDatabase* db) {
  const std::string written = odDxfWriteString(db);
  try {
    OdDbDatabasePtr again = odDxfReadString(written, "fuzz (written).dxf");
    odDxfWriteString(again);
  } catch (const OdDxfFileError&) {
    __builtin_trap();  // what the writer wrote must always read back
  }
  std::string binary;
  try {
    binary = odDxfWriteString(db, OdDxfFormat::kBinary);
  } catch (const OdDxfError&) {
    return;  // a value kept as read that has no binary form: the save is refused, nothing lost
  }
  try {
    odDxfReadString(binary, "fuzz (binary).dxf");
  } catch (const OdDxfFileError&) {
    __builtin_trap();
  }
}

void check(const std::string& content, bool recover) {
  OdDxfReadOptions options;
  options.recover = recover;
  std::vector<OdDxfRepair> repairs;
  options.repairs = &repairs;
  OdDbDatabasePtr db;
  bool reads = true;
  try {
    db = odDxfReadString(content, "fuzz.dxf", options);
  } catch (const OdDxfFileError&) {
    reads = false;
  }
  if (!recover) {
    // Fields read when first opened: the file reads exactly when a reading
    // of every field at once reads it, and opening every object then throws nothing.
    OdDxfReadOptions atOnce;
    atOnce.deferFields = false;
    bool readsAtOnce = true;
    try {
      odDxfReadString(content, "fuzz.dxf", atOnce);
    } catch (const OdDxfFileError&) {
      readsAtOnce = false;
    }
    if (reads != readsAtOnce) __builtin_trap();
  }
  if (!reads) return;
  writtenReadsBack(db);
  if (!recover)
    for (const OdDbObjectId& id : db->objectIds()) id.openObject();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  check(input, false);
  check(input, true);
  // The same bytes as the body of a binary file.
  if (!odDxfIsBinary(input)) {
    const std::string binary = std::string(odDxfBinarySentinel()) + input;
    check(binary, false);
    check(binary, true);
  }
  return 0;
}
