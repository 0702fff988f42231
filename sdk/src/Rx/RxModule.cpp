#include "Rx/RxModule.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <new>

#include "Rx/RxClass.h"

ODRX_DEFINE_RTTI_MEMBERS(OdRxModule, OdRxObject, nullptr, L"")
OdSmartPtr<OdRxModule> OdRxModule::createObject() { return OdSmartPtr<OdRxModule>(); }

void* odrxAlloc(size_t size) { return std::malloc(size ? size : 1); }
void odrxFree(void* p) { std::free(p); }

OdString odrxModuleFileName(void* handle) {
  if (handle) {
    struct link_map* map = nullptr;
    if (dlinfo(handle, RTLD_DI_LINKMAP, &map) == 0 && map && map->l_name && *map->l_name) {
      char resolved[PATH_MAX];
      if (realpath(map->l_name, resolved)) return OdString(resolved);
      return OdString(map->l_name);
    }
  }
  char exe[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", exe, sizeof(exe) - 1);
  if (n <= 0) return OdString();
  exe[n] = 0;
  return OdString(exe);
}

OdRxDynamicLinker* odrxDynamicLinker() {
  static OdRxDynamicLinker linker;
  return &linker;
}

OdRxDynamicLinker::Loaded* OdRxDynamicLinker::find(OdRxModule* module) {
  for (auto& l : m_loaded)
    if (l.module == module) return &l;
  return nullptr;
}

const OdRxDynamicLinker::Loaded* OdRxDynamicLinker::find(OdRxModule* module) const {
  for (const auto& l : m_loaded)
    if (l.module == module) return &l;
  return nullptr;
}

OdRxModule* OdRxDynamicLinker::loadModule(const OdString& path) {
  m_error = LoadError{path, OdString()};
  std::string file = path.toUtf8();
  void* lib = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!lib) {
    const char* why = dlerror();
    m_error.reason = OdString(why ? why : "cannot open the library");
    return nullptr;
  }
  auto version = reinterpret_cast<OdRxGetApiVersionFn>(dlsym(lib, "odrxGetAPIVersion"));
  auto create = reinterpret_cast<OdRxCreateModuleFn>(dlsym(lib, "odrxCreateModuleObject"));
  if (!version || !create) {
    m_error.reason = L"not a module: odrxGetAPIVersion or odrxCreateModuleObject is missing";
    dlclose(lib);
    return nullptr;
  }
  Loaded entry{lib, nullptr, {0, 0, 0, 0}};
  version(&entry.version[0], &entry.version[1], &entry.version[2], &entry.version[3]);
  // Modules built for another major or minor version of the SDK are refused.
  if (entry.version[0] != 3 || entry.version[1] != 8) {
    m_error.reason.format(L"built for SDK %d.%d, this is 3.8", entry.version[0], entry.version[1]);
    dlclose(lib);
    return nullptr;
  }
  void* instance = lib;
  OdRxModule* module = nullptr;
  try {
    module = create(&instance);
  } catch (const std::bad_alloc&) {
    m_error.reason = L"out of memory while creating the module object";
  }
  if (!module) {
    if (m_error.reason.isEmpty()) m_error.reason = L"the library created no module object";
    dlclose(lib);
    return nullptr;
  }
  if (find(module)) {
    dlclose(lib);  // already loaded: give back the reference dlopen added
    return module;
  }
  entry.module = module;
  m_loaded.push_back(entry);
  module->initApp();
  return module;
}

bool OdRxDynamicLinker::unloadModule(OdRxModule* module) {
  for (auto it = m_loaded.begin(); it != m_loaded.end(); ++it) {
    if (it->module != module) continue;
    void* lib = it->library;
    m_loaded.erase(it);
    module->uninitApp();
    module->deleteModule();
    dlclose(lib);
    return true;
  }
  return false;
}

bool OdRxDynamicLinker::apiVersion(OdRxModule* module, int& major, int& minor, int& majorBuild,
                                   int& minorBuild) const {
  const Loaded* l = find(module);
  if (!l) return false;
  major = l->version[0];
  minor = l->version[1];
  majorBuild = l->version[2];
  minorBuild = l->version[3];
  return true;
}
