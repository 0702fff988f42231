#pragma once
// Aligned and rotated dimensions: the two-arrow family with the linear unit
// rows, and their listings.
#include "KdDimension.h"

KD_DECLARE_PROPERTY_PE(CKdAlignedDimensionPE, CKdDimension2ArrowPE)
KD_DECLARE_PROPERTY_PE(CKdRotatedDimensionPE, CKdDimension2ArrowPE)
KD_DECLARE_INFO(CKdAlignedDimensionInfo)
KD_DECLARE_INFO(CKdRotatedDimensionInfo)
