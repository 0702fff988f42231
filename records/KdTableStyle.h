#pragma once
// Table styles as a style manager shows them: each setting of the style's
// cell styles as a collection, one element for each cell style.
#include "KdExtension.h"

KD_DECLARE_PROPERTY_PE(CKdTableStylePE, CKdPropertyPEImpl)
