#include "KdModuleLocator.h"
#include <cstdlib>
#include <string>
#include "Rx/RxModule.h"

namespace kdapp {
OdString modulePath() {
  if (const char* env = std::getenv("KD_MODULE_PATH"))
    if (*env) return OdString(env);
  std::string exe = odrxModuleFileName(nullptr).toUtf8();
  std::string dir = exe.substr(0, exe.find_last_of('/'));
  std::string root = dir.substr(0, dir.find_last_of('/'));
  return OdString((root + "/lib/KdProperties.so").c_str());
}
}  // namespace kdapp
