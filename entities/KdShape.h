#pragma once
// Shapes: position in the UCS, name, size, rotation, width and slant; the
// listing names the shape file.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdShapePE, CKdEntityPE)
KD_DECLARE_INFO(CKdShapeInfo)
