#pragma once
// Protocol class of property extensions: the palette looks it up on an
// object's run-time class.
#include "Rx/RxClass.h"
#include "CKdPropertyDescription.h"

class OdDbObject;
class CKdPropertyBase;
typedef OdSmartPtr<CKdPropertyBase> CKdPropertyBasePtr;

class CKdPropertyBase : public OdRxObject {
public:
  static OdRxClass* desc();
  OdRxClass* isA() const override;
  OdRxObject* queryX(const OdRxClass* protocolClass) const override;
  static CKdPropertyBasePtr cast(const OdRxObject* object);
  // The protocol class exists between the first rxInit and the matching last rxUninit.
  static void rxInit();
  static void rxUninit();

  virtual CKdString GetDisplayName(const OdDbObject* object) const = 0;
  virtual void GetPropertyNames(const OdDbObject* object, CKdPropertiesContainer*& container,
                                const OdRxClass* filterClass) const = 0;
  virtual bool HasDynamicProperties() const = 0;
  virtual CKdVariant GetPropertyByName(const OdDbObject* object, const CKdString& name, const CKdString& category,
                                       const CKdVariant& context, const OdDbObjectId& id) const = 0;
  virtual CKdVariant GetPropertyByGUID(const OdDbObject* object, const CKdString& guid, const CKdVariant& context,
                                       const OdDbObjectId& id) const = 0;
  virtual int SetPropertyByName(const CKdVariant& value, const OdDbObject* object, const CKdString& name,
                                const CKdString& category, const CKdVariant& context,
                                const OdDbObjectId& id) const = 0;
  virtual int SetPropertyByGUID(const CKdVariant& value, const OdDbObject* object, const CKdString& guid,
                                const CKdVariant& context, const OdDbObjectId& id) const = 0;

protected:
  virtual CKdPropertyBasePtr GetPropertyPEOverride(const OdDbObject* object) const = 0;

public:
  // Adds the descriptions that depend on the object itself.
  virtual void AddDynamicProperties(const OdDbObject* object, CKdPropertiesContainer* container) const = 0;
};

// The host's factory of property-extension services, created around registration.
class CKdPropertyPEClassFactory {
public:
  static void create();
  static void destroy();
  static bool exists();
};
