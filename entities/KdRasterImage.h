#pragma once
// Raster images (and wipeouts, through their parent class): adjustments,
// placement, size and scale kept consistent with the picture's definition,
// display options; the picture file's name and path for images only.
#include "KdEntity.h"

KD_DECLARE_DYNAMIC_PROPERTY_PE(CKdRasterImagePE, CKdEntityPE)
