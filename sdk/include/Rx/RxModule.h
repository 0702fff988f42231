#pragma once
// Dynamically loaded modules: the module object a library exports, the
// wrapper modules are created as, and the loader that hosts use.
#include <atomic>
#include <vector>
#include "Rx/SmartPtr.h"
#include "Rx/OdString.h"

class OdRxModule : public OdRxObject {
public:
  ODRX_DECLARE_MEMBERS(OdRxModule)
public:
  // The module's system data: its instance handle.
  virtual void* sysData() = 0;
  // Destroys the module object; the library may be closed afterwards.
  virtual void deleteModule() = 0;
  virtual void initApp() = 0;
  virtual void uninitApp() = 0;
  // Full path of the file the module was loaded from.
  virtual OdString moduleName() const = 0;
};
typedef OdSmartPtr<OdRxModule> OdRxModulePtr;

// SDK memory for module objects.
void* odrxAlloc(size_t size);
void odrxFree(void* p);

// Path of the shared object that holds the given address or handle; the
// running program's path for a null handle.
OdString odrxModuleFileName(void* handle);

// The wrapper a module object is created as: an atomic counter that never
// destroys the object and the instance handle it was created with. The
// module keeps the singleton pointer, which deleteModule clears.
template <class T, class TBase = T>
class OdRxWin32Module : public T {
public:
  explicit OdRxWin32Module(void* instance) : m_nRefs(0), m_hInstance(instance) {}

  void addRef() override { ++m_nRefs; }
  void release() override { --m_nRefs; }
  long numRefs() const override { return m_nRefs.load(); }
  void* sysData() override { return m_hInstance; }
  void deleteModule() override {
    singleton() = nullptr;
    this->~OdRxWin32Module();
    odrxFree(this);
  }
  OdString moduleName() const override {
    wchar_t buffer[260];
    OdString path = odrxModuleFileName(m_hInstance);
    int n = path.getLength() < 259 ? path.getLength() : 259;
    for (int i = 0; i < n; ++i) buffer[i] = path.getAt(i);
    buffer[n] = 0;
    return OdString(buffer);
  }

  static OdRxWin32Module*& singleton() {
    static OdRxWin32Module* s_module = nullptr;
    return s_module;
  }

private:
  std::atomic<int> m_nRefs;
  void* m_hInstance;
};

// Loads and unloads module libraries.
class OdRxDynamicLinker {
public:
  struct LoadError {
    OdString path;
    OdString reason;
  };
  // Opens the library, checks its API version, creates the module object
  // and initialises it. Null on failure; lastError() says why.
  OdRxModule* loadModule(const OdString& path);
  // uninitApp, deleteModule, then closes the library.
  bool unloadModule(OdRxModule* module);
  const LoadError& lastError() const { return m_error; }
  // The API version the loaded library reported.
  bool apiVersion(OdRxModule* module, int& major, int& minor, int& majorBuild, int& minorBuild) const;

private:
  struct Loaded {
    void* library;
    OdRxModule* module;
    int version[4];
  };
  Loaded* find(OdRxModule* module);
  const Loaded* find(OdRxModule* module) const;
  LoadError m_error;
  std::vector<Loaded> m_loaded;
};
OdRxDynamicLinker* odrxDynamicLinker();

// Export signatures every module library provides with C linkage.
extern "C" {
typedef OdRxModule* (*OdRxCreateModuleFn)(void** instance);
typedef void (*OdRxGetApiVersionFn)(int* major, int* minor, int* majorBuild, int* minorBuild);
}
