#pragma once
// PDF and DGN underlays: adjustments, placement, size as a uniform scale of
// the referenced sheet, the definition's name, sheet and path, display
// options; DGN underlays list their placement and the sheet's corners.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdDgnReferencePE, CKdEntityPE)
KD_DECLARE_PROPERTY_PE(CKdPdfReferencePE, CKdEntityPE)
KD_DECLARE_INFO(CKdDgnReferenceInfo)
// The common header is all a PDF underlay lists.
class CKdPdfReferenceInfo : public CKdPrintObjectInfoPE {};
