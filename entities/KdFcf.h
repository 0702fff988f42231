#pragma once
// Geometric tolerance frames: position, dimension style, and the text and
// scale settings they hold of their own.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdFcfPE, CKdEntityPE)
KD_DECLARE_INFO(CKdFcfInfo)
