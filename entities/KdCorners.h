#pragma once
// Traces, 2D solids and 3D faces: their four corners as a vertex list with
// coordinates in the UCS, and the faces' edge visibility.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdTracePE, CKdEntityPE)
KD_DECLARE_PROPERTY_PE(CKdSolidPE, CKdEntityPE)
KD_DECLARE_PROPERTY_PE(CKdFacePE, CKdEntityPE)

class CKdTraceInfo : public CKdPrintObjectInfoPE {};
class CKdSolidInfo : public CKdPrintObjectInfoPE {};
KD_DECLARE_INFO(CKdFaceInfo)
