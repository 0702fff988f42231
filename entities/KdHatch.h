#pragma once
// Hatches and gradient fills: origin, association, island detection,
// elevation and area for every hatch; pattern or gradient rows built for
// each object; pattern names from the host's pattern service.
#include "KdEntity.h"

class CKdHatchPE : public CKdEntityPE {
public:
  CKdString GetDisplayName(const OdDbObject* object) const override;
  void GetPropertyNames(const OdDbObject* object, CKdPropertiesContainer*& container,
                        const OdRxClass* filterClass) const override;
  bool HasDynamicProperties() const override { return true; }
  void AddDynamicProperties(const OdDbObject* object, CKdPropertiesContainer* container) const override;
  static const kd::PropertyTable& Table();
};

class CKdHatchInfo : public CKdPrintObjectInfoPE {
public:
  void PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const override;
};
