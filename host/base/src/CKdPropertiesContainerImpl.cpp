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

void CKdPropertiesContainerImpl::MergeOnce(CKdPropertiesContainerImpl& other) {
  std::vector<bool> matched(m_items.size(), false);
  auto held = [&](const CKdPropertyDescription* d) {
    for (size_t i = 0; i < m_items.size(); ++i) {
      const CKdPropertyDescription* h = m_items[i];
      if (matched[i] || h->IsDynamic() != d->IsDynamic() || h->GetName() != d->GetName() ||
          h->GetCategory() != d->GetCategory())
        continue;
      matched[i] = true;
      return true;
    }
    return false;
  };
  for (const CKdPropertyDescription* d : other.m_items) {
    if (held(d)) continue;
    for (auto& owned : other.m_owned)
      if (owned.get() == d) m_owned.push_back(std::move(owned));
    m_items.push_back(d);
  }
  other.m_items.clear();
  other.m_owned.clear();
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
