#pragma once
// Multiline text: contents, style, justification that keeps the block in
// place, flow direction, sizes, rotation from the UCS X axis, background
// mask, line spacing as a factor or a distance, position in the UCS.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdMTextPE, CKdEntityPE)

class CKdMTextInfo : public CKdPrintObjectInfoPE {
public:
  CKdString GetClassNameW(const OdDbObject* object) const override;
  void PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const override;
};
