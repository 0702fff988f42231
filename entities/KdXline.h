#pragma once
// Construction lines: as rays, listed under their own class name.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdXlinePE, CKdEntityPE)

class CKdXlineInfo : public CKdPrintObjectInfoPE {
public:
  CKdString GetClassNameW(const OdDbObject* object) const override;
  void PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const override;
};
