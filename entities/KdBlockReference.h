#pragma once
// Block references: a palette built for each object (a plain block, a
// revision cloud kept as a block, an external reference), with a row for
// every attribute value.
#include "KdEntity.h"

class CKdBlockReferencePE : public CKdEntityPE {
public:
  CKdString GetDisplayName(const OdDbObject* object) const override;
  void GetPropertyNames(const OdDbObject* object, CKdPropertiesContainer*& container,
                        const OdRxClass* filterClass) const override;
  bool HasDynamicProperties() const override { return true; }
  void AddDynamicProperties(const OdDbObject* object, CKdPropertiesContainer* container) const override;
  // The level's static list: empty, every row is the object's own.
  static const kd::PropertyTable& Table();
};

class CKdBlockReferenceInfo : public CKdPrintObjectInfoPE {
public:
  CKdString GetClassNameW(const OdDbObject* object) const override;
  void PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const override;
};
