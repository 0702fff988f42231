#include "CKdPropertyDescriptionImpl.h"

CKdVariant CKdPropertyDescriptionImpl::GetValue(const OdDbObject* object, const CKdVariant& context) const {
  return m_get ? m_get(object, *this, context) : CKdVariant();
}

int CKdPropertyDescriptionImpl::SetValue(const OdDbObject* object, const CKdVariant& value,
                                         const CKdVariant& context) const {
  return m_set ? m_set(object, *this, value, context) : KD_PROPERTY_FAILED;
}

bool CKdPropertyDescriptionImpl::IsReadOnly(const OdDbObject* object) const {
  return m_readOnly ? m_readOnly(object, *this) : m_set == nullptr;
}

bool CKdPropertyDescriptionImpl::operator==(const CKdPropertyDescriptionImpl& o) const {
  return m_name == o.m_name && m_category == o.m_category && m_description == o.m_description &&
         m_type == o.m_type && m_icon == o.m_icon && m_dynamic == o.m_dynamic && m_get == o.m_get &&
         m_set == o.m_set && m_readOnly == o.m_readOnly;
}
