#pragma once
// Lightweight polylines: the vertex list and the indexed vertex, segment
// widths, the common width, elevation, area text, length and the flags.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdPolylinePE, CKdEntityPE)
KD_DECLARE_INFO(CKdPolylineInfo)
