#pragma once
// The eight general properties every entity shows first.
#include "KdExtension.h"

KD_DECLARE_PROPERTY_PE(CKdEntityPE, CKdPropertyPEImpl)
