#pragma once
// Attribute definitions (tag, prompt, default value, flags on top of the
// text rows), attributes selected alone (general properties only), and the
// rows of a block reference's attribute values.
#include "CKdPropertyDescriptionImpl.h"
#include "KdEntity.h"

class OdDbBlockReference;

KD_DECLARE_PROPERTY_PE(CKdAttributeDefinitionPE, CKdEntityPE)
KD_DECLARE_PROPERTY_PE(CKdAttributePE, CKdEntityPE)

class CKdAttributeDefinitionInfo : public CKdPrintObjectInfoPE {
public:
  CKdString GetClassNameW(const OdDbObject* object) const override;
  void PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const override;
};

// The common header is all an attribute lists.
class CKdBlockAttributeInfo : public CKdPrintObjectInfoPE {};

// The value of one attribute of a block reference: the tag it stands for
// and its place among the reference's attributes of the same tag.
class CKdAttributeDescription : public CKdPropertyDescriptionImpl {
public:
  ~CKdAttributeDescription() override;
  CKdString tag;
  OdInt32 index = 0;

  // One description per attribute of the reference, in its order.
  static void AddAll(const OdDbBlockReference& reference, CKdPropertiesContainer* container);
};
