// The command-line host: loads the module the way a CAD host does and shows
// what it registered.
#include <algorithm>
#include <cxxabi.h>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>
#include "CKdPropertyBase.h"
#include "CKdPrintObjectInfoPE.h"
#include "Db/DbDeclaredClasses.h"
#include "KdModuleLocator.h"
#include "Rx/RxClass.h"
#include "Rx/RxModule.h"

namespace {
std::string typeName(const OdRxObject* object) {
  const char* mangled = typeid(*object).name();
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> plain(abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
  std::string name = status == 0 && plain ? plain.get() : mangled;
  // The module keeps its extensions as static objects; show the class inside.
  const std::string wrapper = "OdStaticRxObject<";
  if (name.compare(0, wrapper.size(), wrapper) == 0) name = name.substr(wrapper.size(), name.size() - wrapper.size() - 1);
  return name;
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

int showClassTree() {
  odDbInitClasses();
  std::vector<OdRxClass*> classes = odrxClasses();
  std::sort(classes.begin(), classes.end(), [](const OdRxClass* a, const OdRxClass* b) { return a->name() < b->name(); });
  printClassTree(nullptr, classes, 0);
  return 0;
}

int showRegistrations(OdRxModule* module) {
  int v[4] = {0, 0, 0, 0};
  odrxDynamicLinker()->apiVersion(module, v[0], v[1], v[2], v[3]);
  std::printf("Module    %s\n", module->moduleName().toUtf8().c_str());
  std::printf("API       %d.%d.%d.%d\n", v[0], v[1], v[2], v[3]);
  int properties = 0, listings = 0;
  for (OdRxClass* cls : odrxClasses()) {
    for (const OdRxClass* protocol : cls->protocols()) {
      OdRxObjectPtr ext = cls->queryOwnX(protocol);
      if (ext.isNull()) continue;
      const bool isProperty = protocol == CKdPropertyBase::desc();
      (isProperty ? properties : listings)++;
      std::printf("%-32s %-22s %s\n", cls->name().toUtf8().c_str(), protocol->name().toUtf8().c_str(),
                  typeName(ext.get()).c_str());
    }
  }
  std::printf("%d property extensions, %d information extensions\n", properties, listings);
  return 0;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--classes") return showClassTree();
  const OdString path = kdapp::modulePath();
  OdRxModule* module = odrxDynamicLinker()->loadModule(path);
  if (!module) {
    const auto& e = odrxDynamicLinker()->lastError();
    std::fprintf(stderr, "kdprops: cannot load %s: %s\n", e.path.toUtf8().c_str(), e.reason.toUtf8().c_str());
    return 2;
  }
  int rc = showRegistrations(module);
  odrxDynamicLinker()->unloadModule(module);
  return rc;
}
