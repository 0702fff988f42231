#pragma once
// The palette's collection of one object's descriptions, in display order.
#include <memory>
#include <vector>
#include "CKdPropertyDescriptionImpl.h"
#include "Rx/OdArray.h"


class CKdPropertiesContainerImpl : public CKdPropertiesContainer {
public:
  CKdPropertiesContainerImpl() = default;
  CKdPropertiesContainerImpl(const CKdPropertiesContainerImpl&) = delete;
  CKdPropertiesContainerImpl& operator=(const CKdPropertiesContainerImpl&) = delete;
  ~CKdPropertiesContainerImpl() override;

  // Appends a static list; its descriptions stay owned by the list.
  void Add(const OdArray<const CKdPropertyDescription*>& list);
  // Appends one per-object description and takes ownership of it.
  void AddDynamic(CKdPropertyDescriptionImpl* description);
  // Appends the descriptions of the other container that this one does not
  // hold yet: a description counts as held when an equal one (category,
  // name, per-object or not) is here and not already matched, so rows
  // that share a name stay as many as the other gives.
  void MergeOnce(CKdPropertiesContainerImpl& other);

  int GetCount() const override { return static_cast<int>(m_items.size()); }
  const CKdPropertyDescription* GetAt(int index) const override;
  const CKdPropertyDescription* GetByName(const CKdString& name, const CKdString& category) const override;

private:
  std::vector<const CKdPropertyDescription*> m_items;
  std::vector<std::unique_ptr<CKdPropertyDescriptionImpl>> m_owned;
};
