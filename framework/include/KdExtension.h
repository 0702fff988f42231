#pragma once
// The shape every extension class shares. A property extension is a level
// of GetPropertyNames: the parent level first, then its own table. An
// information extension writes the common header, then its own lines.
#include "CKdPrintObjectInfoPE.h"
#include "CKdPropertyPEImpl.h"
#include "KdPropertyTable.h"
#include "KdText.h"

#define KD_DECLARE_PROPERTY_PE(Name, Parent)                                            \
  class Name : public Parent {                                                          \
   public:                                                                              \
    CKdString GetDisplayName(const OdDbObject* object) const override;                  \
    void GetPropertyNames(const OdDbObject* object, CKdPropertiesContainer*& container, \
                          const OdRxClass* filterClass) const override;                 \
    /* The level's static description list. */                                         \
    static const kd::PropertyTable& Table();                                            \
  };

// A level whose rows depend on the object: besides its (static) table, the
// dynamic-properties hook adds descriptions made for the one object.
#define KD_DECLARE_DYNAMIC_PROPERTY_PE(Name, Parent)                                      \
  class Name : public Parent {                                                            \
   public:                                                                                \
    CKdString GetDisplayName(const OdDbObject* object) const override;                    \
    void GetPropertyNames(const OdDbObject* object, CKdPropertiesContainer*& container,   \
                          const OdRxClass* filterClass) const override;                   \
    bool HasDynamicProperties() const override { return true; }                           \
    void AddDynamicProperties(const OdDbObject* object, CKdPropertiesContainer* container) \
        const override;                                                                   \
    static const kd::PropertyTable& Table();                                              \
  };

// Rows is the class's table of kd::PropertyRow; DisplayName is translated
// under "entity_types".
#define KD_DEFINE_PROPERTY_PE(Name, Parent, SdkClass, DisplayName, Rows) \
  KD_DEFINE_PROPERTY_LEVEL(Name, Parent, DisplayName, &SdkClass::desc, Rows)
// A level that adds no properties of its own.
#define KD_DEFINE_EMPTY_PROPERTY_PE(Name, Parent, SdkClass, DisplayName) \
  KD_DEFINE_PROPERTY_LEVEL(Name, Parent, DisplayName, &SdkClass::desc)

// The level's members; the last arguments build its kd::PropertyTable.
#define KD_DEFINE_PROPERTY_LEVEL(Name, Parent, DisplayName, ...)                                  \
  CKdString Name::GetDisplayName(const OdDbObject*) const { return kd::entityType(DisplayName); }  \
  const kd::PropertyTable& Name::Table() {                                                          \
    static const kd::PropertyTable table(__VA_ARGS__);                                              \
    return table;                                                                                   \
  }                                                                                                 \
  void Name::GetPropertyNames(const OdDbObject* object, CKdPropertiesContainer*& container,        \
                              const OdRxClass* filterClass) const {                                 \
    container = nullptr;                                                                            \
    Parent::GetPropertyNames(object, container, filterClass);                                       \
    if (container) Table().addTo(container, filterClass);                                           \
  }

#define KD_DECLARE_INFO(Name)                                                                    \
  class Name : public CKdPrintObjectInfoPE {                                                     \
   public:                                                                                       \
    void PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const override; \
  };

namespace kd {
// The listing of an object of class T: the host's common header, then the
// lines that print writes from the cast object.
template <class T, class Lines>
void printListing(const CKdPrintObjectInfoPE& self, const OdDbObject* object, CKdPrintInfoContext* context,
                  Lines print) {
  self.CKdPrintObjectInfoPE::PrintObjectInfo(object, context);
  OdSmartPtr<T> cast = T::cast(object);
  if (cast.isNull() || !context || !cast->isReadEnabled()) return;
  print(*cast, *context);
}
}  // namespace kd
