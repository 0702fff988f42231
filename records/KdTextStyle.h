#pragma once
// Text styles as a style manager shows them: read-only, untranslated.
#include "KdExtension.h"

KD_DECLARE_PROPERTY_PE(CKdTextStylePE, CKdPropertyPEImpl)
