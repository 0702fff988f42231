#pragma once
// Global settings of the geometry library.
#include "Ge/GeTol.h"

struct OdGeContext {
  // Default tolerance of every comparison that takes an OdGeTol (1e-10 for points and vectors).
  static OdGeTol gTol;
};
