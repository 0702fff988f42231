#pragma once
// Layers, line styles and multiline styles as a style manager shows them:
// every property read-only, names and categories untranslated.
#include "KdExtension.h"

KD_DECLARE_PROPERTY_PE(CKdLayerPE, CKdPropertyPEImpl)
KD_DECLARE_PROPERTY_PE(CKdLineStylePE, CKdPropertyPEImpl)
KD_DECLARE_PROPERTY_PE(CKdRichLineStylePE, CKdPropertyPEImpl)
