#pragma once
// 3D polylines: every vertex in the list, the stepped vertex in the UCS, the
// 3D length, spline fitting and the closed flag.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKd3dPolylinePE, CKdEntityPE)
KD_DECLARE_INFO(CKd3dPolylineInfo)
