#pragma once
// The host's concrete property description: fields set one by one, accessors
// bound by pointer. Module classes may derive from it.
#include "CKdPropertyDescription.h"
#include "CKdPropertyTypeImpl.h"

class CKdPropertyDescriptionImpl : public CKdPropertyDescription {
public:
  CKdPropertyDescriptionImpl() = default;
  CKdPropertyDescriptionImpl(const CKdPropertyDescriptionImpl&) = default;
  CKdPropertyDescriptionImpl& operator=(const CKdPropertyDescriptionImpl&) = default;
  ~CKdPropertyDescriptionImpl() override = default;

  CKdString GetName() const override { return m_name; }
  CKdString GetCategory() const override { return m_category; }
  CKdString GetDescription() const override { return m_description; }
  const CKdPropertyType& GetType() const override { return m_type; }
  CKdIcon GetIcon() const override { return CKdIcon(m_icon); }
  bool IsDynamic() const override { return m_dynamic; }
  // Without a getter the value is empty; without a setter every write fails.
  CKdVariant GetValue(const OdDbObject* object, const CKdVariant& context) const override;
  int SetValue(const OdDbObject* object, const CKdVariant& value, const CKdVariant& context) const override;
  // Without a rule, a property that cannot be written is read-only.
  bool IsReadOnly(const OdDbObject* object) const override;

  virtual void SetName(const CKdString& name) { m_name = name; }
  virtual void SetCategory(const CKdString& category) { m_category = category; }
  virtual void SetDescription(const CKdString& description) { m_description = description; }
  virtual void SetType(const CKdPropertyTypeImpl& type) { m_type = type; }
  virtual void SetIcon(const CKdString& path) { m_icon = path; }
  virtual void SetIsDynamic(bool dynamic) { m_dynamic = dynamic; }
  virtual void PutGetMethod(KdPropertyGetMethod method) { m_get = method; }
  virtual void PutSetMethod(KdPropertySetMethod method) { m_set = method; }
  virtual void PutIsReadOnlyMethod(KdPropertyIsReadOnlyMethod method) { m_readOnly = method; }
  virtual KdPropertyIsReadOnlyMethod GetIsReadOnlyMethod() const { return m_readOnly; }
  virtual KdPropertyGetMethod GetGetMethod() const { return m_get; }
  virtual KdPropertySetMethod GetSetMethod() const { return m_set; }
  virtual bool operator==(const CKdPropertyDescriptionImpl& other) const;

  const CKdString& GetIconPath() const { return m_icon; }

private:
  CKdString m_name;
  CKdString m_category;
  CKdString m_description;
  CKdPropertyTypeImpl m_type;
  CKdString m_icon;
  bool m_dynamic = false;
  KdPropertyGetMethod m_get = nullptr;
  KdPropertySetMethod m_set = nullptr;
  KdPropertyIsReadOnlyMethod m_readOnly = nullptr;
};
