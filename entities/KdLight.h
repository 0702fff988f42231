#pragma once
// Lights: their own rows only (no general entity rows), and the target of
// a targeted light as three rows made for the one light.
#include "CKdPropertyPEImpl.h"
#include "KdExtension.h"

KD_DECLARE_DYNAMIC_PROPERTY_PE(CKdLightPE, CKdPropertyPEImpl)
// The common header is all a light lists.
class CKdLightInfo : public CKdPrintObjectInfoPE {};
