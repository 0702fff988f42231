// Fuzz target of the drawing-file reader: any input is read or refused with
// a file error; what reads is written and must read back.
#include <cstddef>
#include <cstdint>
#include <string>
#include "Dxf/DxfFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  OdDbDatabasePtr db;
  try {
    db = odDxfReadString(text, "fuzz.dxf");
  } catch (const OdDxfFileError&) {
    return 0;
  }
  const std::string written = odDxfWriteString(db);
  try {
    OdDbDatabasePtr again = odDxfReadString(written, "fuzz (written).dxf");
    odDxfWriteString(again);
  } catch (const OdDxfFileError& e) {
    // What the writer wrote must always read back.
    __builtin_trap();
  }
  return 0;
}
