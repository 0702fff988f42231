#pragma once
// Solids, bodies and regions: shapes of modeller data. A solid and a body
// add no properties; a solid lists the centre of its extents; a region shows
// and lists its area, perimeter and bounding box.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKd3dSolidPE, CKdEntityPE)
KD_DECLARE_PROPERTY_PE(CKdBodyPE, CKdEntityPE)
KD_DECLARE_PROPERTY_PE(CKdRegionPE, CKdEntityPE)
KD_DECLARE_INFO(CKd3dSolidInfo)
// The common header is all a body lists.
class CKdBodyInfo : public CKdPrintObjectInfoPE {};
KD_DECLARE_INFO(CKdRegionInfo)
