#include "CKdPropertiesContainerImpl.h"
#include "CKdPropertyDescriptionImpl.h"

CKdPropertiesContainerImpl::~CKdPropertiesContainerImpl() = default;

void CKdPropertiesContainerImpl::Add(const OdArray<const CKdPropertyDescription*>& list) {
  m_items.reserve(m_items.size() + list.size());
  for (const CKdPropertyDescription* d : list)
    if (d) m_items.push_back(d);
}

void CKdPropertiesContainerImpl::AddDynamic(CKdPropertyDescriptionImpl* description) {
  if (!description) return;
  m_owned.emplace_back(description);
  m_items.push_back(description);
}

const CKdPropertyDescription* CKdPropertiesContainerImpl::GetAt(int index) const {
  if (index < 0 || index >= GetCount()) return nullptr;
  return m_items[static_cast<size_t>(index)];
}

const CKdPropertyDescription* CKdPropertiesContainerImpl::GetByName(const CKdString& name,
                                                                    const CKdString& category) const {
  for (const CKdPropertyDescription* d : m_items)
    if (d->GetName() == name && d->GetCategory() == category) return d;
  return nullptr;
}
