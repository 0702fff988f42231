#pragma once
// Arcs: end points and centre in the UCS, radius, angles and the derived
// total angle, length and area.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdArcPE, CKdEntityPE)
KD_DECLARE_INFO(CKdArcInfo)
