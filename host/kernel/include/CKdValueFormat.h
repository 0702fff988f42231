#pragma once
// Display text of a length in the unit modes of a drawing, as users read
// them on the command line and in the palette.
#include "CKdString.h"

namespace kdunits {
enum Mode { kScientific = 1, kDecimal = 2, kEngineering = 3, kArchitectural = 4, kFractional = 5 };

// Precision counts decimals (scientific, decimal, engineering) or the power
// of two of the smallest fraction (architectural 1/2^p inch, fractional
// 1/2^p), 0 to 8. Engineering and architectural values are inches shown as
// feet and inches. Values that cannot be shown in a mode fall back to decimal.
CKdString formatLength(double value, int mode, int precision);
}  // namespace kdunits
