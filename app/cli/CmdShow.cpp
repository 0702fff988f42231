// Commands that show: list, props, demo, the catalogue of classes and the class tree.
#include <algorithm>
#include <cstdio>
#include <iostream>

#include "CKdPrintObjectInfoPE.h"
#include "CKdSystemServices.h"
#include "Db/DbDeclaredClasses.h"
#include "KdCli.h"
#include "Rx/RxClass.h"

namespace kdcli {

int cmdList(const Options& o) {
  OdDbDatabasePtr db = openDrawing(o.drawing, o);
  const std::vector<OdDbObjectId> ids = o.handles.empty() ? allEntities(db) : objectsByHandles(db, o.handles);
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
  if (o.json) std::cout << dump(json{{"objects", objects}}, 2) << "\n";
  return kOk;
}

int cmdProps(const Options& o) {
  if (o.all && !o.handles.empty()) throw UsageError("props takes --all or handles, not both");
  if (!o.all && o.handles.empty()) throw UsageError("props needs --handle (several for a selection) or --all");
  OdDbDatabasePtr db = openDrawing(o.drawing, o);
  if (o.all) {
    json objects = json::array();
    for (const OdDbObjectId& id : allEntities(db)) {
      GetKdSystemServices()->ClearRecords();
      const Palette palette({id.openObject()}, contextOf(o));
      if (o.json) objects.push_back(paletteJson(palette));
      else printPalette(palette);
    }
    if (o.json) std::cout << dump(json{{"objects", objects}}, 2) << "\n";
    return kOk;
  }
  std::vector<OdDbObjectPtr> objects;
  for (const OdDbObjectId& id : objectsByHandles(db, o.handles)) objects.push_back(id.openObject());
  GetKdSystemServices()->ClearRecords();
  const Palette palette(objects, contextOf(o));
  if (o.json) {
    std::cout << dump(paletteJson(palette), 2) << "\n";
  } else {
    printPalette(palette);
    printMessages();
  }
  return kOk;
}

int cmdDemo(const Options& o) {
  OdDbDatabasePtr db = openDrawing(o.drawing, o);
  std::printf("The sample drawing: %zu entities. For each, the properties palette and the listing.\n\n",
              allEntities(db).size());
  for (const OdDbObjectId& id : allEntities(db)) {
    OdDbObjectPtr object = id.openObject();
    std::printf("== Palette ==\n");
    printPalette(Palette({object}, CKdVariant()));
    std::printf("== Listing ==\n");
    printListing(object, o.ucs);
    std::printf("\n");
  }
  return kOk;
}

namespace {
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

void printClassTree(const OdRxClass* parent, const std::vector<OdRxClass*>& classes, int depth) {
  for (const OdRxClass* cls : classes) {
    if (cls->myParent() != parent) continue;
    std::printf("%*s%s%s%s\n", depth * 2, "", cls->name().toUtf8().c_str(), cls->dxfName().isEmpty() ? "" : "  ",
                cls->dxfName().toUtf8().c_str());
    printClassTree(cls, classes, depth + 1);
  }
}
}  // namespace

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
      json p = paletteJson(Palette({object}, CKdVariant()));
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
  if (o.json) std::cout << dump(json{{"classes", classes}}, 2) << "\n";
  return kOk;
}

int cmdClassTree(const Options&) {
  odDbInitClasses();
  std::vector<OdRxClass*> classes = odrxClasses();
  std::sort(classes.begin(), classes.end(), [](const OdRxClass* a, const OdRxClass* b) { return a->name() < b->name(); });
  printClassTree(nullptr, classes, 0);
  return kOk;
}

}  // namespace kdcli
