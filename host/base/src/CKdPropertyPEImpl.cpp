#include "CKdPropertyPEImpl.h"
#include <memory>
#include "CKdPropertiesContainerImpl.h"
#include "Db/DbObject.h"

namespace {
// Every description the extension gives the object, static and per object.
std::unique_ptr<CKdPropertiesContainer> describe(const CKdPropertyBase* pe, const OdDbObject* object) {
  return std::unique_ptr<CKdPropertiesContainer>(CKdPropertyPEImpl::Describe(pe, object));
}

const CKdPropertyDescription* byGuid(const CKdPropertiesContainer& c, const CKdString& guid) {
  for (int i = 0; i < c.GetCount(); ++i)
    if (c.GetAt(i)->GetType().GetCustomTypeGuid() == guid) return c.GetAt(i);
  return nullptr;
}
}  // namespace

CKdString CKdPropertyPEImpl::GetDisplayName(const OdDbObject* object) const {
  return object && object->isA() ? CKdString(object->isA()->name()) : CKdString();
}

void CKdPropertyPEImpl::GetPropertyNames(const OdDbObject* object, CKdPropertiesContainer*& container,
                                         const OdRxClass* filterClass) const {
  container = object ? new CKdPropertiesContainerImpl : nullptr;
}

CKdPropertyBasePtr CKdPropertyPEImpl::GetPropertyPEOverride(const OdDbObject* object) const {
  CKdPropertyBasePtr registered;
  if (object && desc()) registered = CKdPropertyBase::cast(object->isA() ? object->isA()->getX(desc()).get() : nullptr);
  if (registered.isNull()) registered = const_cast<CKdPropertyPEImpl*>(this);
  return registered;
}

CKdVariant CKdPropertyPEImpl::GetPropertyByName(const OdDbObject* object, const CKdString& name,
                                                const CKdString& category, const CKdVariant& context,
                                                const OdDbObjectId&) const {
  auto c = describe(GetPropertyPEOverride(object).get(), object);
  const CKdPropertyDescription* d = c ? c->GetByName(name, category) : nullptr;
  return d ? d->GetValue(object, context) : CKdVariant();
}

CKdVariant CKdPropertyPEImpl::GetPropertyByGUID(const OdDbObject* object, const CKdString& guid,
                                                const CKdVariant& context, const OdDbObjectId&) const {
  auto c = describe(GetPropertyPEOverride(object).get(), object);
  const CKdPropertyDescription* d = c ? byGuid(*c, guid) : nullptr;
  return d ? d->GetValue(object, context) : CKdVariant();
}

int CKdPropertyPEImpl::SetPropertyByName(const CKdVariant& value, const OdDbObject* object, const CKdString& name,
                                         const CKdString& category, const CKdVariant& context,
                                         const OdDbObjectId&) const {
  auto c = describe(GetPropertyPEOverride(object).get(), object);
  const CKdPropertyDescription* d = c ? c->GetByName(name, category) : nullptr;
  return d ? d->SetValue(object, value, context) : KD_PROPERTY_FAILED;
}

int CKdPropertyPEImpl::SetPropertyByGUID(const CKdVariant& value, const OdDbObject* object, const CKdString& guid,
                                         const CKdVariant& context, const OdDbObjectId&) const {
  auto c = describe(GetPropertyPEOverride(object).get(), object);
  const CKdPropertyDescription* d = c ? byGuid(*c, guid) : nullptr;
  return d ? d->SetValue(object, value, context) : KD_PROPERTY_FAILED;
}

CKdPropertiesContainer* CKdPropertyPEImpl::Describe(const CKdPropertyBase* pe, const OdDbObject* object,
                                                   const OdRxClass* filterClass) {
  CKdPropertiesContainer* container = nullptr;
  if (!pe) return container;
  pe->GetPropertyNames(object, container, filterClass);
  auto* impl = dynamic_cast<CKdPropertiesContainerImpl*>(container);
  if (impl && !filterClass && pe->HasDynamicProperties()) {
    CKdPropertiesContainerImpl extra;
    pe->AddDynamicProperties(object, &extra);
    impl->MergeOnce(extra);
  }
  return container;
}

bool CKdPropertyPEImpl::IsReadOnlyTrue(const OdDbObject*, const CKdPropertyDescription&) { return true; }
bool CKdPropertyPEImpl::IsReadOnlyFalse(const OdDbObject*, const CKdPropertyDescription&) { return false; }
