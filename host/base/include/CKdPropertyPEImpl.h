#pragma once
// Base of every property extension: creates the container, answers lookups
// by name and GUID through the descriptions, and supplies the constant rules.
#include "CKdPropertyBase.h"

class CKdPropertyPEImpl : public CKdPropertyBase {
public:
  CKdString GetDisplayName(const OdDbObject* object) const override;
  // Creates the container when there is an object to describe.
  void GetPropertyNames(const OdDbObject* object, CKdPropertiesContainer*& container,
                        const OdRxClass* filterClass) const override;
  bool HasDynamicProperties() const override { return false; }
  CKdVariant GetPropertyByName(const OdDbObject* object, const CKdString& name, const CKdString& category,
                               const CKdVariant& context, const OdDbObjectId& id) const override;
  CKdVariant GetPropertyByGUID(const OdDbObject* object, const CKdString& guid, const CKdVariant& context,
                               const OdDbObjectId& id) const override;
  int SetPropertyByName(const CKdVariant& value, const OdDbObject* object, const CKdString& name,
                        const CKdString& category, const CKdVariant& context, const OdDbObjectId& id) const override;
  int SetPropertyByGUID(const CKdVariant& value, const OdDbObject* object, const CKdString& guid,
                        const CKdVariant& context, const OdDbObjectId& id) const override;
  void AddDynamicProperties(const OdDbObject* object, CKdPropertiesContainer* container) const override {}

  // Every description the extension gives the object: its property names,
  // then what the dynamic-properties hook adds that the names do not hold
  // already (an extension may run its hook itself). A request filtered by a
  // class (the rows objects of a selection share) leaves the hook to the
  // extension. Null without an object.
  static CKdPropertiesContainer* Describe(const CKdPropertyBase* pe, const OdDbObject* object,
                                          const OdRxClass* filterClass = nullptr);

  static bool IsReadOnlyTrue(const OdDbObject* object, const CKdPropertyDescription& description);
  static bool IsReadOnlyFalse(const OdDbObject* object, const CKdPropertyDescription& description);

protected:
  // The extension that describes the object: the one registered on its class, else this one.
  CKdPropertyBasePtr GetPropertyPEOverride(const OdDbObject* object) const override;
};
