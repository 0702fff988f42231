#pragma once
// Surfaces: the isoline densities every surface has, then what each kind
// was made by (an extrusion's height, taper and direction; a loft's sections
// and normals; a revolution's angle and axis; a sweep's rotation, scale and
// twist). Planar surfaces list their isolines and bounding box.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdSurfacePE, CKdEntityPE)
KD_DECLARE_PROPERTY_PE(CKdExtrudedSurfacePE, CKdSurfacePE)
KD_DECLARE_PROPERTY_PE(CKdLoftedSurfacePE, CKdSurfacePE)
KD_DECLARE_PROPERTY_PE(CKdRevolvedSurfacePE, CKdSurfacePE)
KD_DECLARE_PROPERTY_PE(CKdSweptSurfacePE, CKdSurfacePE)
KD_DECLARE_PROPERTY_PE(CKdPlaneSurfacePE, CKdSurfacePE)
// The common header is all these kinds list.
class CKdSurfaceInfo : public CKdPrintObjectInfoPE {};
class CKdExtrudedSurfaceInfo : public CKdPrintObjectInfoPE {};
class CKdLoftedSurfaceInfo : public CKdPrintObjectInfoPE {};
class CKdRevolvedSurfaceInfo : public CKdPrintObjectInfoPE {};
class CKdSweptSurfaceInfo : public CKdPrintObjectInfoPE {};
KD_DECLARE_INFO(CKdPlaneSurfaceInfo)
