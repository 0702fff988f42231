#pragma once
// Rays: base point, second point and direction in the UCS.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdRayPE, CKdEntityPE)
KD_DECLARE_INFO(CKdRayInfo)
