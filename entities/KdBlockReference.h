#pragma once
// Block references: a palette built for each object (a plain block, a
// revision cloud kept as a block, an external reference), with a row for
// every attribute value.
#include "KdEntity.h"

KD_DECLARE_DYNAMIC_PROPERTY_PE(CKdBlockReferencePE, CKdEntityPE)

class CKdBlockReferenceInfo : public CKdPrintObjectInfoPE {
public:
  CKdString GetClassNameW(const OdDbObject* object) const override;
  void PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const override;
};
