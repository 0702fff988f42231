#pragma once
// The drawing's current settings (colour, layer, line style and scale, line
// weight, transparency, print style and table) and the active viewport's
// view and UCS icon, shown and edited through the viewport record.
#include "KdExtension.h"

KD_DECLARE_PROPERTY_PE(CKdViewportTableRecordPE, CKdPropertyPEImpl)
