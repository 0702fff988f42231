#pragma once
// The eight general properties every entity shows first.
#include "KdExtension.h"

KD_DECLARE_PROPERTY_PE(CKdEntityPE, CKdPropertyPEImpl)

namespace kd {
// Puts rule in the place of the read-only rule of the general "LineScale"
// row in the container and answers the rule it replaces, which the new one
// asks for the objects it does not decide. The row is shared by every
// entity: a class changes it once for the life of the module.
KdPropertyIsReadOnlyMethod chainLineScaleRule(CKdPropertiesContainer* container, KdPropertyIsReadOnlyMethod rule);
}  // namespace kd
