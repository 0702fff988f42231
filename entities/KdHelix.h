#pragma once
// Helices: position in the UCS, the constraint among turns, turn height and
// height, radii, twist, slope and length; the listing.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdHelixPE, CKdEntityPE)
KD_DECLARE_INFO(CKdHelixInfo)
