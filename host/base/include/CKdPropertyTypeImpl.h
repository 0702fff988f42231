#pragma once
// A description's value type: variant type code and custom editor GUID.
#include "CKdPropertyType.h"

class CKdPropertyTypeImpl : public CKdPropertyType {
public:
  CKdPropertyTypeImpl() = default;
  CKdPropertyTypeImpl(int typeCode, const CKdString& customTypeGuid) : m_type(typeCode), m_guid(customTypeGuid) {}
  int GetType() const override { return m_type; }
  CKdString GetCustomTypeGuid() const override { return m_guid; }
  bool operator==(const CKdPropertyTypeImpl& o) const { return m_type == o.m_type && m_guid == o.m_guid; }

private:
  int m_type = 0;
  CKdString m_guid;
};
