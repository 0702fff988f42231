#pragma once
// Layout viewports: centre and size (from the live view for the active
// viewport), on, lock, the scale as a choice of the drawing's named scales,
// UCS per viewport and shade print. The sheet's own viewport is not moved
// or resized here.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdViewportPE, CKdEntityPE)
// The common header is all a viewport lists.
class CKdViewportInfo : public CKdPrintObjectInfoPE {};
