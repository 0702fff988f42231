// Commands that change or write drawings: set, save, sample.
#include <sys/stat.h>
#include <cstdio>
#include <iostream>

#include "Dxf/DxfFile.h"
#include "Dxf/DxfRecord.h"
#include "KdCli.h"
#include "KdSampleDrawing.h"

namespace kdcli {

void saveDrawing(OdDbDatabase* db, const std::string& path, bool rewrite, OdDxfFormat format) {
  if (rewrite)
    for (const OdDbObjectId& id : db->objectIds()) {
      OdDbObjectPtr object = id.openObject(OdDb::kForWrite);
      // Records a file lacked and the reader supplied stay out of files that had none.
      if (object.isNull() || (object->dxfRecord() && object->dxfRecord()->implied)) continue;
      object->assertWriteEnabled();  // counts as a change
    }
  odDxfWriteFile(db, path, format);
}

int cmdSet(const Options& o) {
  if (o.drawing.empty()) throw UsageError("set needs a DRAWING");
  if (o.output.empty() == !o.inPlace) throw UsageError("set needs one of --output FILE and --in-place");
  OdDbDatabasePtr db = openDrawing(o.drawing, o);
  const EditOutcome outcome = applyEdit(db, o.handles, o);
  // Saved when at least one object took the value.
  const std::string target = o.inPlace ? o.drawing : o.output;
  const bool saved = outcome.anyAccepted();
  if (saved) saveDrawing(db, target, false, o.format);
  if (o.json) {
    std::cout << dump(editJson(outcome, saved), 2) << "\n";
  } else {
    for (const auto& [handle, result] : outcome.results)
      if (outcome.results.size() > 1) std::printf("[%s] result %d\n", handle.c_str(), result);
      else std::printf("result %d\n", result);
    printMessages();
    if (saved) std::printf("saved %s\n", target.c_str());
  }
  return outcome.allAccepted() ? kOk : kRefused;
}

int cmdSave(const Options& o) {
  if (o.drawing.empty() || o.output.empty()) throw UsageError("save needs DRAWING and -o FILE");
  OdDbDatabasePtr db = openDrawing(o.drawing, o);
  saveDrawing(db, o.output, o.rewrite, o.format);
  return kOk;
}

// A damaged drawing read with its repairs said, one a line, and saved
// elsewhere: never over the drawing it came from.
int cmdRecover(const Options& o) {
  if (o.drawing.empty() || o.output.empty()) throw UsageError("recover needs DRAWING and -o FILE");
  struct stat in {}, out {};
  if (o.output == o.drawing || (stat(o.drawing.c_str(), &in) == 0 && stat(o.output.c_str(), &out) == 0 &&
                                in.st_dev == out.st_dev && in.st_ino == out.st_ino))
    throw UsageError("recover writes to another file than the drawing it repairs");
  std::vector<OdDxfRepair> repairs;
  Options recovering = o;
  recovering.recover = true;
  OdDbDatabasePtr db = openDrawing(o.drawing, recovering, &repairs);
  saveDrawing(db, o.output, false, o.format);
  if (o.json) {
    json list = json::array();
    for (const OdDxfRepair& r : repairs) {
      json item = {{"what", r.what}};
      if (r.byteOffset >= 0) item["byte"] = r.byteOffset;
      else item["line"] = r.line;
      list.push_back(item);
    }
    std::cout << dump(json{{"drawing", o.drawing}, {"repairs", list}, {"saved", o.output}}, 2) << "\n";
  } else {
    for (const OdDxfRepair& r : repairs) std::printf("%s\n", r.text(o.drawing).c_str());
    std::printf("%zu repair%s; saved %s\n", repairs.size(), repairs.size() == 1 ? "" : "s", o.output.c_str());
  }
  return kOk;
}

int cmdSample(const Options& o) {
  if (o.output.empty()) throw UsageError("sample needs -o FILE");
  OdDbDatabasePtr db = kdapp::makeSampleDrawing();
  odDxfWriteFile(db, o.output, o.format);
  return kOk;
}

}  // namespace kdcli
