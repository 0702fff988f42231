#pragma once
// Text along an arc: contents and sizes, the arc's centre in the UCS, its
// radius and angles, and the offsets; no listing of its own.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdArcAlignedTextPE, CKdEntityPE)
