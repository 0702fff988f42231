#pragma once
// Tables: style, size, flow direction and position; the cells are the
// table's own business.
#include "KdEntity.h"

KD_DECLARE_PROPERTY_PE(CKdTablePE, CKdEntityPE)

class CKdTableInfo : public CKdPrintObjectInfoPE {
public:
  CKdString GetClassNameW(const OdDbObject* object) const override;
  void PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const override;
};
