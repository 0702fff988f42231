#pragma once
// Where a host program finds the module library.
#include "Rx/OdString.h"

namespace kdapp {
// KD_MODULE_PATH when set, else the library next to the program's own folder.
OdString modulePath();
}  // namespace kdapp
