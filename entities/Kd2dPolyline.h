#pragma once
// 2D polylines: the counted vertices and the stepped vertex for widths, the
// common width, elevation, area, vertex-walk length, fitting and the flags.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKd2dPolylinePE, CKdEntityPE)
KD_DECLARE_INFO(CKd2dPolylineInfo)
