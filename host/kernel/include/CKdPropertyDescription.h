#pragma once
// One property as the palette sees it, and the accessor functions it calls.
#include "CKdVariant.h"
#include "CKdPropertyType.h"

class OdDbObject;
class CKdPropertyDescription;

typedef CKdVariant (*KdPropertyGetMethod)(const OdDbObject* object, const CKdPropertyDescription& description,
                                          const CKdVariant& context);
typedef int (*KdPropertySetMethod)(const OdDbObject* object, const CKdPropertyDescription& description,
                                   const CKdVariant& value, const CKdVariant& context);
typedef bool (*KdPropertyIsReadOnlyMethod)(const OdDbObject* object, const CKdPropertyDescription& description);

// Result codes of setters.
enum { KD_PROPERTY_OK = 5100, KD_PROPERTY_FAILED = -5001 };

// An icon of the compiled-in collection, named by its resource path.
class CKdIcon {
public:
  CKdIcon() = default;
  explicit CKdIcon(const CKdString& path) : m_path(path) {}
  const CKdString& path() const { return m_path; }
  bool isNull() const { return m_path.isEmpty(); }

private:
  CKdString m_path;
};

class CKdPropertyDescription {
public:
  virtual ~CKdPropertyDescription() = default;
  virtual CKdString GetName() const = 0;
  virtual CKdString GetCategory() const = 0;
  virtual CKdString GetDescription() const = 0;
  virtual const CKdPropertyType& GetType() const = 0;
  virtual CKdIcon GetIcon() const = 0;
  virtual bool IsDynamic() const = 0;
  virtual CKdVariant GetValue(const OdDbObject* object, const CKdVariant& context) const = 0;
  virtual int SetValue(const OdDbObject* object, const CKdVariant& value, const CKdVariant& context) const = 0;
  virtual bool IsReadOnly(const OdDbObject* object) const = 0;
};

// What the palette collects for one object: static lists it does not own and
// per-object descriptions it does.
class CKdPropertiesContainer {
public:
  virtual ~CKdPropertiesContainer() = default;
  virtual int GetCount() const = 0;
  virtual const CKdPropertyDescription* GetAt(int index) const = 0;
  virtual const CKdPropertyDescription* GetByName(const CKdString& name, const CKdString& category) const = 0;
};
