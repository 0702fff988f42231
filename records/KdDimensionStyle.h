#pragma once
// A dimension style as a style manager shows it: every setting, read-only,
// mostly as the raw value the style holds.
#include "KdExtension.h"

KD_DECLARE_PROPERTY_PE(CKdDimensionStylePE, CKdPropertyPEImpl)
