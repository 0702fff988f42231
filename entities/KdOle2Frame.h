#pragma once
// OLE frames: position, size and scale of the frame, the object's kind,
// source and print quality. Proxy entities: the general rows only.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdOle2FramePE, CKdEntityPE)
KD_DECLARE_INFO(CKdOle2FrameInfo)
KD_DECLARE_PROPERTY_PE(CKdProxyEntityPE, CKdEntityPE)
// The common header is all a proxy lists.
class CKdProxyEntityInfo : public CKdPrintObjectInfoPE {};
