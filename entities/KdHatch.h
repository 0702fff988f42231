#pragma once
// Hatches and gradient fills: origin, association, island detection,
// elevation and area for every hatch; pattern or gradient rows built for
// each object; pattern names from the host's pattern service.
#include "KdEntity.h"

KD_DECLARE_DYNAMIC_PROPERTY_PE(CKdHatchPE, CKdEntityPE)

KD_DECLARE_INFO(CKdHatchInfo)
