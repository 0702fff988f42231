#pragma once
// The eight general properties every entity shows first.
#include "Db/DbObject.h"
#include "KdExtension.h"

KD_DECLARE_PROPERTY_PE(CKdEntityPE, CKdPropertyPEImpl)

namespace kd {
// Puts rule in the place of the read-only rule of the general "LineScale"
// row in the container and answers the rule it replaces, which the new one
// asks for the objects it does not decide. The row is shared by every
// entity: a class changes it once for the life of the module.
KdPropertyIsReadOnlyMethod chainLineScaleRule(CKdPropertiesContainer* container, KdPropertyIsReadOnlyMethod rule);

// A "LineScale" rule that answers ReadOnly for objects of the class and asks
// the rule it replaced for every other object.
template <OdRxClass* (*Class)(), bool ReadOnly>
struct LineScaleRuleFor {
  static bool isReadOnly(const OdDbObject* object, const CKdPropertyDescription& d) {
    if (object && object->isKindOf(Class())) return ReadOnly;
    return kept() ? kept()(object, d) : false;
  }
  // Installed when the class's own table is first built.
  static void install(CKdPropertiesContainer* container, const PropertyTable& table) {
    if (!table.isBuilt()) kept() = chainLineScaleRule(container, isReadOnly);
  }

 private:
  static KdPropertyIsReadOnlyMethod& kept() {
    static KdPropertyIsReadOnlyMethod rule = nullptr;
    return rule;
  }
};
}  // namespace kd
