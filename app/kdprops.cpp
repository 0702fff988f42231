// The command-line host: opens drawings, loads the module the way a CAD
// host does, and shows the palette and the listing of any object, edits a
// property and saves.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cxxabi.h>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

#include "CKdDocument.h"
#include "CKdPrintObjectInfoPE.h"
#include "CKdPrintRecorder.h"
#include "CKdPropertiesContainerImpl.h"
#include "CKdPropertyBase.h"
#include "CKdSystemServices.h"
#include "Db/DbDeclaredClasses.h"
#include "Db/DbSymbolTable.h"
#include "Dxf/DxfFile.h"
#include "Dxf/DxfRecord.h"
#include "KdModuleLocator.h"
#include "KdSampleDrawing.h"
#include "KdValues.h"
#include "Rx/RxClass.h"
#include "Rx/RxModule.h"

using nlohmann::json;

namespace {

enum Exit { kOk = 0, kRefused = 1, kUsage = 2, kFileError = 3, kModuleError = 4 };

const char* const kUsageText =
    "usage: kdprops COMMAND [options]\n"
    "  demo                                   palette and listing of every object of the sample drawing\n"
    "  sample -o FILE                         write the sample drawing\n"
    "  list [DRAWING] [--handle H]... [--ucs] [--json]\n"
    "  props [DRAWING] (--handle H | --all) [--index N] [--json]\n"
    "  set DRAWING --handle H --name NAME [--category C] (--value TEXT | --choice TAG | --points \"x,y,z;...\")\n"
    "      [--type CODE] [--index N] (--output FILE | --in-place) [--json]\n"
    "  classes [--json]                       every registered class with its descriptions\n"
    "  save DRAWING -o FILE [--rewrite]       read a drawing and write it again; --rewrite writes\n"
    "                                         every object from its fields, as if each had changed\n"
    "  --classes                              the SDK's run-time class tree\n"
    "options on every command: --ucs-origin X,Y,Z --ucs-x X,Y,Z --ucs-y X,Y,Z\n"
    "DRAWING omitted means the built-in sample drawing.\n";

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Options {
  std::string command;
  std::string drawing;
  std::vector<std::string> handles;
  bool ucs = false, json = false, inPlace = false, rewrite = false, all = false;
  std::optional<long> index;
  std::string name, category, output;
  kdapp::EditValue edit;
  bool haveValue = false;
  std::optional<OdGePoint3d> ucsOrigin, ucsX, ucsY;
};

OdGePoint3d parseTriple(const std::string& s) {
  double c[3];
  if (std::sscanf(s.c_str(), "%lf,%lf,%lf", &c[0], &c[1], &c[2]) != 3) throw UsageError("expected X,Y,Z, got " + s);
  return OdGePoint3d(c[0], c[1], c[2]);
}

Options parse(int argc, char** argv) {
  Options o;
  if (argc < 2) throw UsageError("no command");
  o.command = argv[1];
  auto need = [&](int& i) -> std::string {
    if (i + 1 >= argc) throw UsageError(std::string(argv[i]) + " needs a value");
    return argv[++i];
  };
  auto setValue = [&](kdapp::EditValue::Kind kind, const std::string& text) {
    if (o.haveValue) throw UsageError("give one of --value, --choice and --points");
    o.edit.kind = kind;
    o.edit.text = text;
    o.haveValue = true;
  };
  for (int i = 2; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--handle") o.handles.push_back(need(i));
    else if (a == "--ucs") o.ucs = true;
    else if (a == "--json") o.json = true;
    else if (a == "--in-place") o.inPlace = true;
    else if (a == "--rewrite") o.rewrite = true;
    else if (a == "--all") o.all = true;
    else if (a == "--index") {
      const std::string v = need(i);
      char* end = nullptr;
      o.index = std::strtol(v.c_str(), &end, 10);
      if (v.empty() || *end) throw UsageError("--index needs a whole number");
    } else if (a == "--name") o.name = need(i);
    else if (a == "--category") o.category = need(i);
    else if (a == "--output" || a == "-o") o.output = need(i);
    else if (a == "--value") setValue(kdapp::EditValue::kText, need(i));
    else if (a == "--choice") setValue(kdapp::EditValue::kChoice, need(i));
    else if (a == "--points") setValue(kdapp::EditValue::kPoints, need(i));
    else if (a == "--type") {
      const std::string v = need(i);
      char* end = nullptr;
      o.edit.forcedType = int(std::strtol(v.c_str(), &end, 10));
      if (v.empty() || *end || o.edit.forcedType < 0) throw UsageError("--type needs a type code");
    } else if (a == "--ucs-origin") o.ucsOrigin = parseTriple(need(i));
    else if (a == "--ucs-x") o.ucsX = parseTriple(need(i));
    else if (a == "--ucs-y") o.ucsY = parseTriple(need(i));
    else if (!a.empty() && a[0] == '-') throw UsageError("unknown option " + a);
    else if (o.drawing.empty()) o.drawing = a;
    else throw UsageError("more than one drawing given");
  }
  return o;
}

// The module, loaded for the life of the program.
class Module {
public:
  Module() {
    const OdString path = kdapp::modulePath();
    m_module = odrxDynamicLinker()->loadModule(path);
    if (!m_module) {
      const auto& e = odrxDynamicLinker()->lastError();
      throw std::runtime_error("cannot load " + e.path.toUtf8() + ": " + e.reason.toUtf8());
    }
  }
  ~Module() { odrxDynamicLinker()->unloadModule(m_module); }
  OdRxModule* get() const { return m_module; }

private:
  OdRxModule* m_module;
};

OdDbDatabasePtr openDrawing(const Options& o) {
  OdDbDatabasePtr db = o.drawing.empty() ? kdapp::makeSampleDrawing() : odDxfReadFile(o.drawing);
  if (o.ucsOrigin || o.ucsX || o.ucsY) {
    const OdGePoint3d origin = o.ucsOrigin.value_or(db->getUCSORG());
    const OdGePoint3d x = o.ucsX.value_or(OdGePoint3d(1, 0, 0) + db->getUCSXDIR());
    const OdGePoint3d y = o.ucsY.value_or(OdGePoint3d(1, 0, 0) + db->getUCSYDIR());
    const OdGeVector3d xAxis = o.ucsX ? x.asVector() : db->getUCSXDIR();
    const OdGeVector3d yAxis = o.ucsY ? y.asVector() : db->getUCSYDIR();
    if (db->setCurrentUCS(origin, xAxis, yAxis) != eOk) throw UsageError("the UCS axes must be two independent directions");
  }
  SetActiveKdDocument(db.get());
  return db;
}

OdDbObjectId objectByHandle(OdDbDatabase* db, const std::string& text) {
  const OdDbHandle h(OdString::fromUtf8(text));
  const OdDbObjectId id = h.isNull() ? OdDbObjectId() : db->getOdDbObjectId(h);
  if (id.isNull() || id.isErased()) throw UsageError("the drawing has no object with handle " + text);
  return id;
}

// Entities of model space, paper space and block definitions, in drawing order.
std::vector<OdDbObjectId> allEntities(OdDbDatabase* db) {
  std::vector<OdDbObjectId> out;
  OdDbSymbolTablePtr blocks = OdDbSymbolTable::cast(db->getBlockTableId().openObject());
  std::vector<OdDbObjectId> order = {db->getModelSpaceId(), db->getPaperSpaceId()};
  if (!blocks.isNull())
    for (const OdDbObjectId& id : blocks->recordIds())
      if (id != db->getModelSpaceId() && id != db->getPaperSpaceId()) order.push_back(id);
  for (const OdDbObjectId& block : order) {
    OdDbBlockTableRecordPtr record = OdDbBlockTableRecord::cast(block.openObject());
    if (record.isNull()) continue;
    for (const OdDbObjectId& id : record->entityIds())
      if (!id.isErased()) out.push_back(id);
  }
  return out;
}

std::string className(const OdDbObject* object) { return object->isA()->name().toUtf8(); }

std::string guidName(const CKdString& guid) {
  const CKdString name = CKdPropertyType::NameOf(guid);
  return name.isEmpty() ? guid.toUtf8() : name.toUtf8();
}

// Every description the palette gets for the object, static and per object.
std::unique_ptr<CKdPropertiesContainer> palette(const OdDbObject* object, CKdPropertyBasePtr& pe) {
  pe = CKdPropertyBase::cast(object->isA()->getX(CKdPropertyBase::desc()).get());
  if (pe.isNull()) return nullptr;
  CKdPropertiesContainer* container = nullptr;
  pe->GetPropertyNames(object, container, nullptr);
  std::unique_ptr<CKdPropertiesContainer> owned(container);
  if (owned && pe->HasDynamicProperties()) pe->AddDynamicProperties(object, owned.get());
  return owned;
}

json messagesJson() {
  json out = json::array();
  for (const CKdMessageRecord& m : GetKdSystemServices()->Messages())
    out.push_back({{"title", m.title.toUtf8()}, {"text", m.text.toUtf8()}, {"flags", m.flags}});
  return out;
}

json commandLineJson() {
  json out = json::array();
  for (const CKdMessageRecord& m : GetKdSystemServices()->Prints()) out.push_back(m.text.toUtf8());
  return out;
}

void printMessages() {
  for (const CKdMessageRecord& m : GetKdSystemServices()->Messages())
    std::printf("message box [%s] %s (flags %u)\n", m.title.toUtf8().c_str(), m.text.toUtf8().c_str(), m.flags);
  for (const CKdMessageRecord& m : GetKdSystemServices()->Prints())
    std::printf("command line: %s\n", m.text.toUtf8().c_str());
}

json paletteJson(const OdDbObject* object, const CKdVariant& context) {
  CKdPropertyBasePtr pe;
  auto c = palette(object, pe);
  json props = json::array();
  for (int i = 0; c && i < c->GetCount(); ++i) {
    const CKdPropertyDescription* d = c->GetAt(i);
    props.push_back({{"category", d->GetCategory().toUtf8()},
                     {"name", d->GetName().toUtf8()},
                     {"type", d->GetType().GetType()},
                     {"guid", guidName(d->GetType().GetCustomTypeGuid())},
                     {"icon", d->GetIcon().path().toUtf8()},
                     {"dynamic", d->IsDynamic()},
                     {"readOnly", d->IsReadOnly(object)},
                     {"value", kdapp::toJson(d->GetValue(object, context))}});
  }
  return {{"handle", object->handle().ascii().toUtf8()},
          {"class", className(object)},
          {"displayName", pe.isNull() ? json(nullptr) : json(pe->GetDisplayName(object).toUtf8())},
          {"properties", props},
          {"messages", messagesJson()}};
}

void printPalette(const OdDbObject* object, const CKdVariant& context) {
  CKdPropertyBasePtr pe;
  auto c = palette(object, pe);
  std::printf("%s [%s]  %s\n", className(object).c_str(), object->handle().ascii().toUtf8().c_str(),
              pe.isNull() ? "(no property extension)" : pe->GetDisplayName(object).toUtf8().c_str());
  for (int i = 0; c && i < c->GetCount(); ++i) {
    const CKdPropertyDescription* d = c->GetAt(i);
    const std::string label = d->GetCategory().toUtf8() + " / " + d->GetName().toUtf8();
    std::string type = std::to_string(d->GetType().GetType());
    const std::string guid = guidName(d->GetType().GetCustomTypeGuid());
    if (!guid.empty()) type += " " + guid;
    std::printf("  %-36s %-26s %s%s  %s\n", label.c_str(), type.c_str(), d->IsReadOnly(object) ? "RO" : "RW",
                d->IsDynamic() ? " dyn" : "", kdapp::toText(d->GetValue(object, context), object->database()).c_str());
  }
}

json listingJson(const OdDbObject* object, bool inUcs) {
  CKdPrintRecorder recorder(object->database());
  recorder.SetPrintInUCS(inUcs);
  CKdPrintObjectInfoPEPtr info = CKdPrintObjectInfoPE::cast(object->isA()->getX(CKdPrintObjectInfoPE::desc()).get());
  if (!info.isNull()) info->PrintObjectInfo(object, &recorder);
  json lines = json::array();
  for (const CKdPrintRecord& r : recorder.Records()) {
    json value;
    switch (r.operation) {
      case CKdPrintRecord::kHeading: value = nullptr; break;
      case CKdPrintRecord::kString: value = r.text.toUtf8(); break;
      case CKdPrintRecord::kPoint: value = {r.point.x, r.point.y, r.point.z}; break;
      case CKdPrintRecord::kPoint2d: value = {r.point.x, r.point.y}; break;
      case CKdPrintRecord::kVector: value = {r.vector.x, r.vector.y, r.vector.z}; break;
      case CKdPrintRecord::kBool: value = r.integer != 0; break;
      case CKdPrintRecord::kInt: value = r.integer; break;
      default: value = r.number; break;
    }
    lines.push_back({{"op", CKdPrintRecord::operationName(r.operation)},
                     {"label", r.label.toUtf8()},
                     {"value", value},
                     {"text", recorder.FormatValue(r).toUtf8()}});
  }
  return {{"handle", object->handle().ascii().toUtf8()}, {"class", className(object)}, {"lines", lines}};
}

void printListing(const OdDbObject* object, bool inUcs) {
  CKdPrintRecorder recorder(object->database());
  recorder.SetPrintInUCS(inUcs);
  CKdPrintObjectInfoPEPtr info = CKdPrintObjectInfoPE::cast(object->isA()->getX(CKdPrintObjectInfoPE::desc()).get());
  if (!info.isNull()) info->PrintObjectInfo(object, &recorder);
  std::fputs(recorder.Text().toUtf8().c_str(), stdout);
}

CKdVariant contextOf(const Options& o) { return o.index ? CKdVariant(*o.index) : CKdVariant(); }

int cmdList(const Options& o) {
  OdDbDatabasePtr db = openDrawing(o);
  std::vector<OdDbObjectId> ids;
  for (const std::string& h : o.handles) ids.push_back(objectByHandle(db, h));
  if (o.handles.empty()) ids = allEntities(db);
  json objects = json::array();
  for (const OdDbObjectId& id : ids) {
    OdDbObjectPtr object = id.openObject();
    if (o.json) {
      objects.push_back(listingJson(object, o.ucs));
    } else {
      printListing(object, o.ucs);
      std::printf("\n");
    }
  }
  if (o.json) std::cout << json{{"objects", objects}}.dump(2, ' ', false, json::error_handler_t::replace) << "\n";
  return kOk;
}

int cmdProps(const Options& o) {
  if (o.all) {
    if (!o.handles.empty()) throw UsageError("props takes --all or one --handle");
    OdDbDatabasePtr db = openDrawing(o);
    json objects = json::array();
    for (const OdDbObjectId& id : allEntities(db)) {
      OdDbObjectPtr object = id.openObject();
      GetKdSystemServices()->ClearRecords();
      if (o.json) objects.push_back(paletteJson(object, contextOf(o)));
      else printPalette(object, contextOf(o));
    }
    if (o.json) std::cout << json{{"objects", objects}}.dump(2, ' ', false, json::error_handler_t::replace) << "\n";
    return kOk;
  }
  if (o.handles.size() != 1) throw UsageError("props needs exactly one --handle");
  OdDbDatabasePtr db = openDrawing(o);
  OdDbObjectPtr object = objectByHandle(db, o.handles[0]).openObject();
  GetKdSystemServices()->ClearRecords();
  if (o.json) std::cout << paletteJson(object, contextOf(o)).dump(2, ' ', false, json::error_handler_t::replace) << "\n";
  else {
    printPalette(object, contextOf(o));
    printMessages();
  }
  return kOk;
}

int cmdSet(const Options& o) {
  if (o.drawing.empty()) throw UsageError("set needs a DRAWING");
  if (o.handles.size() != 1) throw UsageError("set needs exactly one --handle");
  if (o.name.empty()) throw UsageError("set needs --name");
  if (!o.haveValue) throw UsageError("set needs --value, --choice or --points");
  if (o.output.empty() == !o.inPlace) throw UsageError("set needs one of --output FILE and --in-place");
  OdDbDatabasePtr db = openDrawing(o);
  OdDbObjectPtr object = objectByHandle(db, o.handles[0]).openObject(OdDb::kForWrite);
  CKdPropertyBasePtr pe;
  auto c = palette(object, pe);
  const CKdPropertyDescription* d = nullptr;
  for (int i = 0; c && i < c->GetCount() && !d; ++i)
    if (c->GetAt(i)->GetName().toUtf8() == o.name && (o.category.empty() || c->GetAt(i)->GetCategory().toUtf8() == o.category))
      d = c->GetAt(i);
  if (!d) throw UsageError("the object has no property \"" + o.name + "\"" + (o.category.empty() ? "" : " in " + o.category));
  CKdVariant value;
  try {
    value = kdapp::parseValue(o.edit, *d, d->GetValue(object, contextOf(o)), db);
  } catch (const std::invalid_argument& e) {
    throw UsageError(e.what());
  }
  GetKdSystemServices()->ClearRecords();
  const int result = d->SetValue(object, value, contextOf(o));
  object.release();
  bool saved = false;
  if (result == 5100) {
    odDxfWriteFile(db, o.inPlace ? o.drawing : o.output);
    saved = true;
  }
  if (o.json) {
    std::cout << json{{"result", result}, {"messages", messagesJson()}, {"commandLine", commandLineJson()}, {"saved", saved}}.dump(2, ' ', false, json::error_handler_t::replace)
              << "\n";
  } else {
    std::printf("result %d\n", result);
    printMessages();
    if (saved) std::printf("saved %s\n", (o.inPlace ? o.drawing : o.output).c_str());
  }
  return result == 5100 ? kOk : kRefused;
}

// An object the catalogue can describe a class with: the class's own, or
// one of a concrete class that the same extension serves.
OdDbObjectPtr representative(OdRxClass* cls) {
  const OdRxObjectPtr pe = cls->getX(CKdPropertyBase::desc());
  std::vector<OdRxClass*> candidates = {cls};
  for (OdRxClass* other : odrxClasses())
    if (other != cls && other->isDerivedFrom(cls)) candidates.push_back(other);
  for (OdRxClass* c : candidates) {
    if (c->isAbstract() || c->getX(CKdPropertyBase::desc()).get() != pe.get()) continue;
    OdRxObjectPtr made = c->create();
    OdDbObjectPtr object = OdDbObject::cast(made);
    if (!object.isNull()) return object;
  }
  return OdDbObjectPtr();
}

int cmdClasses(const Options& o) {
  odDbInitClasses();
  json classes = json::array();
  std::vector<OdRxClass*> all = odrxClasses();
  std::sort(all.begin(), all.end(), [](OdRxClass* a, OdRxClass* b) { return a->name() < b->name(); });
  for (OdRxClass* cls : all) {
    if (cls->queryOwnX(CKdPropertyBase::desc()).isNull() && cls->queryOwnX(CKdPrintObjectInfoPE::desc()).isNull())
      continue;
    OdDbObjectPtr object = representative(cls);
    json entry = {{"class", cls->name().toUtf8()},
                  {"propertyExtension", !cls->queryOwnX(CKdPropertyBase::desc()).isNull()},
                  {"listingExtension", !cls->queryOwnX(CKdPrintObjectInfoPE::desc()).isNull()}};
    if (!object.isNull() && !cls->queryOwnX(CKdPropertyBase::desc()).isNull()) {
      json p = paletteJson(object, CKdVariant());
      entry["displayName"] = p["displayName"];
      for (json& prop : p["properties"]) prop.erase("value");
      entry["properties"] = p["properties"];
    }
    if (!o.json) {
      std::printf("%s%s%s\n", cls->name().toUtf8().c_str(), entry["propertyExtension"] ? "  [properties]" : "",
                  entry["listingExtension"] ? "  [listing]" : "");
      if (entry.contains("properties"))
        for (const json& prop : entry["properties"])
          std::printf("  %-36s type %-3d %-26s %s\n",
                      (prop["category"].get<std::string>() + " / " + prop["name"].get<std::string>()).c_str(),
                      prop["type"].get<int>(), prop["guid"].get<std::string>().c_str(), prop["icon"].get<std::string>().c_str());
    }
    classes.push_back(entry);
  }
  if (o.json) std::cout << json{{"classes", classes}}.dump(2, ' ', false, json::error_handler_t::replace) << "\n";
  return kOk;
}

int cmdDemo(const Options& o) {
  OdDbDatabasePtr db = openDrawing(o);
  std::printf("The sample drawing: %zu entities. For each, the properties palette and the listing.\n\n",
              allEntities(db).size());
  for (const OdDbObjectId& id : allEntities(db)) {
    OdDbObjectPtr object = id.openObject();
    std::printf("== Palette ==\n");
    printPalette(object, CKdVariant());
    std::printf("== Listing ==\n");
    printListing(object, o.ucs);
    std::printf("\n");
  }
  return kOk;
}

int cmdSample(const Options& o) {
  if (o.output.empty()) throw UsageError("sample needs -o FILE");
  OdDbDatabasePtr db = kdapp::makeSampleDrawing();
  odDxfWriteFile(db, o.output);
  return kOk;
}

int cmdSave(const Options& o) {
  if (o.drawing.empty() || o.output.empty()) throw UsageError("save needs DRAWING and -o FILE");
  OdDbDatabasePtr db = openDrawing(o);
  if (o.rewrite)
    for (const OdDbObjectId& id : db->objectIds()) {
      OdDbObjectPtr object = id.openObject(OdDb::kForWrite);
      // Records a file lacked and the reader supplied stay out of files that had none.
      if (object.isNull() || (object->dxfRecord() && object->dxfRecord()->implied)) continue;
      object->assertWriteEnabled();  // counts as a change
    }
  odDxfWriteFile(db, o.output);
  return kOk;
}

// The run-time class tree of the drawing database, children indented under parents.
void printClassTree(const OdRxClass* parent, const std::vector<OdRxClass*>& classes, int depth) {
  for (const OdRxClass* cls : classes) {
    if (cls->myParent() != parent) continue;
    std::printf("%*s%s%s%s\n", depth * 2, "", cls->name().toUtf8().c_str(), cls->dxfName().isEmpty() ? "" : "  ",
                cls->dxfName().toUtf8().c_str());
    printClassTree(cls, classes, depth + 1);
  }
}

int cmdClassTree() {
  odDbInitClasses();
  std::vector<OdRxClass*> classes = odrxClasses();
  std::sort(classes.begin(), classes.end(), [](const OdRxClass* a, const OdRxClass* b) { return a->name() < b->name(); });
  printClassTree(nullptr, classes, 0);
  return kOk;
}


// Every error becomes an exit status here, while the module is still loaded:
// an exception the module raised must be finished before the module goes.
int reported(const std::function<int()>& run) {
  try {
    return run();
  } catch (const UsageError& e) {
    std::fprintf(stderr, "kdprops: %s\n%s", e.what(), kUsageText);
    return kUsage;
  } catch (const OdDxfFileError& e) {
    std::fprintf(stderr, "kdprops: %s\n", e.what());
    return kFileError;
  } catch (const OdError& e) {
    std::fprintf(stderr, "kdprops: drawing error: %s\n", e.description().toUtf8().c_str());
    return kFileError;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kdprops: %s\n", e.what());
    return kModuleError;
  }
}

int runCommand(const Options& o) {
  if (o.command == "demo") return cmdDemo(o);
  if (o.command == "sample") return cmdSample(o);
  if (o.command == "list") return cmdList(o);
  if (o.command == "props") return cmdProps(o);
  if (o.command == "set") return cmdSet(o);
  if (o.command == "classes") return cmdClasses(o);
  if (o.command == "save") return cmdSave(o);
  throw UsageError("unknown command " + o.command);
}

}  // namespace

int main(int argc, char** argv) {
  return reported([&] {
    const Options o = parse(argc, argv);
    if (o.command == "--classes") return cmdClassTree();
    if (o.command == "--help" || o.command == "help") {
      std::fputs(kUsageText, stdout);
      return int(kOk);
    }
    Module module;
    return reported([&] { return runCommand(o); });
  });
}
