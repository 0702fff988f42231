// The two entry points the host's loader looks up by name.
#include <new>
#include "CKdPropertiesModule.h"
#include "kd_icons.h"

#define KD_EXPORT extern "C" __attribute__((visibility("default")))

namespace {
typedef OdRxWin32Module<CKdPropertiesModule, CKdPropertiesModule> KdModule;

// The icon collection is reachable from library load to library unload,
// independently of the module object.
struct IconCollection {
  IconCollection() { kdRegisterIcons(); }
  ~IconCollection() { kdUnregisterIcons(); }
} s_icons;
}  // namespace

KD_EXPORT void odrxGetAPIVersion(int* major, int* minor, int* majorBuild, int* minorBuild) {
  *major = 3;
  *minor = 8;
  *majorBuild = 1;
  *minorBuild = 48922;
}

KD_EXPORT OdRxModule* odrxCreateModuleObject(void** instance) {
  KdModule*& singleton = KdModule::singleton();
  if (singleton) return singleton;
  void* memory = odrxAlloc(sizeof(KdModule));
  if (!memory) throw std::bad_alloc();
  singleton = new (memory) KdModule(*instance);
  *instance = nullptr;
  return singleton;
}
