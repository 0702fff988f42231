#pragma once
// Lines: end points in the UCS, derived deltas, length and angle.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdLinePE, CKdEntityPE)
KD_DECLARE_INFO(CKdLineInfo)
