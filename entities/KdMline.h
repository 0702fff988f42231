#pragma once
// Multilines: style name, justification and scale, each change followed by
// re-placing the vertices so that the band is recomputed; the listing.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdMlinePE, CKdEntityPE)

class CKdMlineInfo : public CKdPrintObjectInfoPE {
public:
  CKdString GetClassNameW(const OdDbObject* object) const override;
  void PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const override;
};
