#pragma once
// Points: thickness and position in the UCS.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdPointPE, CKdEntityPE)
KD_DECLARE_INFO(CKdPointInfo)
