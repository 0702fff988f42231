#pragma once
// Vertices of the old-style polylines show only the general properties and
// list only the common header.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdVertexPE, CKdEntityPE)
class CKdVertexInfo : public CKdPrintObjectInfoPE {};
