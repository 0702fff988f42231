#include "KdPropertyTable.h"
#include "CKdPropertiesContainerImpl.h"
#include "CKdPropertyDescriptionImpl.h"
#include "KdText.h"
#include "Rx/RxClass.h"

namespace kd {

PropertyTable::~PropertyTable() {
  for (const CKdPropertyDescription* d : m_list) delete d;
}

void PropertyTable::build() const {
  m_list.reserve(static_cast<unsigned>(m_count));
  for (size_t i = 0; i < m_count; ++i) {
    const PropertyRow& row = m_rows[i];
    const bool literal = m_texts == Texts::Literal;
    auto* d = new CKdPropertyDescriptionImpl;
    d->SetCategory(literal ? CKdString(OdString(row.category)) : group(row.category));
    d->SetName(literal ? CKdString(OdString(row.name)) : propertyName(row.name));
    d->SetIsDynamic(false);
    d->SetType(CKdPropertyTypeImpl(row.type, CKdString(row.guid)));
    d->SetDescription(CKdString());
    d->PutGetMethod(row.get);
    d->PutSetMethod(row.set);
    d->PutIsReadOnlyMethod(row.readOnly);
    if (row.icon) d->SetIcon(CKdString(OdString(row.icon)));
    m_list.append(d);
  }
  m_built = true;
}

void addDynamic(CKdPropertiesContainer* container, const PropertyRow& row) {
  auto* impl = dynamic_cast<CKdPropertiesContainerImpl*>(container);
  if (!impl) return;
  auto* d = new CKdPropertyDescriptionImpl;
  d->SetCategory(group(row.category));
  d->SetName(propertyName(row.name));
  d->SetType(CKdPropertyTypeImpl(row.type, CKdString(row.guid)));
  if (row.icon) d->SetIcon(CKdString(OdString(row.icon)));
  d->SetIsDynamic(true);
  d->PutGetMethod(row.get);
  d->PutSetMethod(row.set);
  d->PutIsReadOnlyMethod(row.readOnly);
  impl->AddDynamic(d);
}

void PropertyTable::addTo(CKdPropertiesContainer* container, const OdRxClass* filterClass) const {
  if (!container) return;
  const bool wanted = !filterClass || filterClass->isDerivedFrom(m_sdkClass());
  if (!m_built) build();
  if (wanted) static_cast<CKdPropertiesContainerImpl*>(container)->Add(m_list);
}

}  // namespace kd
