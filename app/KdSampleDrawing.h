#pragma once
// The built-in sample drawing: one object of every kind the module
// describes, on a few layers, with a turned UCS available.
#include "Db/DbDatabase.h"

namespace kdapp {
OdDbDatabasePtr makeSampleDrawing();
}  // namespace kdapp
