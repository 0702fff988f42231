// Fuzz target of the modeller-data reader: any text or binary data gives
// values or an error, never a crash or a hang.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>
#include "Db/DbModelerGeometry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  OdDbModelerData model;
  if (bytes.compare(0, 4, "ACIS") == 0 || bytes.compare(0, 3, "ASM") == 0) {
    model.setBinary(bytes);
  } else {
    std::vector<std::string> lines;
    size_t from = 0;
    for (size_t at; (at = bytes.find('\n', from)) != std::string::npos; from = at + 1) lines.push_back(bytes.substr(from, at - from));
    lines.push_back(bytes.substr(from));
    model.setText(lines);
  }
  OdGeExtents3d box;
  double value = 0;
  model.extents(box);
  model.area(value);
  model.perimeter(value);
  return 0;
}
