#pragma once
// Circles: centre in the UCS, and the size as radius, diameter, circumference or area.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdCirclePE, CKdEntityPE)
KD_DECLARE_INFO(CKdCircleInfo)
