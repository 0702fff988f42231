#pragma once
// Splines: control and fit points as point lists with coordinates in the
// UCS, degree, closure, planarity, end tangents, fit tolerance and area; the
// listing writes the whole NURBS data.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdSplinePE_Prop, CKdEntityPE)
KD_DECLARE_INFO(CKdSplineInfo)
