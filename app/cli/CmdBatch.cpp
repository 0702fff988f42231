// One process for many requests: JSON requests on standard input, one a
// line, and one JSON answer a line, in order. The drawing stays open, so
// edits accumulate until a "save" request writes them.
#include <iostream>

#include "CKdDocument.h"
#include "CKdSystemServices.h"
#include "Dxf/DxfFile.h"
#include "KdCli.h"
#include "Rx/OdError.h"

namespace kdcli {

namespace {
json answer(const json& request, OdDbDatabasePtr& db, std::string& path) {
  const Options r = fromRequest(request);
  if (r.command == "open") {
    OdDbDatabasePtr opened = openDrawing(r.drawing, r);  // the open drawing stays when this fails
    db = opened;
    path = r.drawing;
    return {{"drawing", path.empty() ? json(nullptr) : json(path)}, {"entities", allEntities(db).size()}};
  }
  if (!r.drawing.empty()) throw UsageError("\"drawing\" belongs to \"open\"");
  applyUcs(db, r);
  GetKdSystemServices()->ClearRecords();
  if (r.command == "props") {
    if (r.all == !r.handles.empty()) throw UsageError("props needs \"handle\", \"handles\" or \"all\"");
    if (r.all) {
      json objects = json::array();
      for (const OdDbObjectId& id : allEntities(db)) objects.push_back(paletteJson(Palette({id.openObject()}, contextOf(r))));
      return {{"objects", objects}};
    }
    std::vector<OdDbObjectPtr> objects;
    for (const OdDbObjectId& id : objectsByHandles(db, r.handles)) objects.push_back(id.openObject());
    return paletteJson(Palette(objects, contextOf(r)));
  }
  if (r.command == "list") {
    json objects = json::array();
    for (const OdDbObjectId& id : r.handles.empty() ? allEntities(db) : objectsByHandles(db, r.handles))
      objects.push_back(listingJson(id.openObject(), r.ucs));
    return {{"objects", objects}};
  }
  if (r.command == "set") return editJson(applyEdit(db, r.handles, r), false);
  if (r.command == "save") {
    if (r.output.empty() == !r.inPlace) throw UsageError("save needs one of \"output\" and \"inPlace\"");
    if (r.inPlace && path.empty()) throw UsageError("the sample drawing has no file to save in place");
    const std::string target = r.inPlace ? path : r.output;
    saveDrawing(db, target, r.rewrite, r.format);
    return {{"saved", target}};
  }
  throw UsageError("unknown command \"" + r.command + "\" (open, props, list, set, save)");
}
}  // namespace

int cmdBatch(const Options& o) {
  if (!o.handles.empty() || o.haveValue || !o.output.empty()) throw UsageError("batch takes its requests on standard input");
  std::string path = o.drawing;
  OdDbDatabasePtr db = openDrawing(path, o);
  std::string line;
  while (std::getline(std::cin, line)) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    json out;
    json request;
    try {
      request = json::parse(line);
      out = answer(request, db, path);
    } catch (const json::exception& e) {
      out = {{"error", std::string("not a request: ") + e.what()}};
    } catch (const UsageError& e) {
      out = {{"error", e.what()}};
    } catch (const OdDxfFileError& e) {
      out = {{"error", e.what()}};
    } catch (const OdError& e) {
      out = {{"error", "drawing error: " + e.description().toUtf8()}};
    } catch (const std::exception& e) {
      out = {{"error", e.what()}};
    }
    if (request.is_object() && request.contains("id")) out["id"] = request["id"];
    std::cout << dump(out, -1) << "\n" << std::flush;
    SetActiveKdDocument(db.get());
  }
  return kOk;
}

}  // namespace kdcli
