#pragma once
// Which extension goes on which SDK class, and in which order they are
// registered and removed.
#include <cstddef>

class OdRxClass;
class OdRxObject;
class CKdPropertiesModule;

namespace kd {

struct Registration {
  int propertyOrder;                          // position among property registrations, 0 for none
  int propertyRemoval;                        // position among property removals, 0 for none
  OdRxClass* (*sdkClass)();
  OdRxObject* (*property)(CKdPropertiesModule&);
  int infoOrder;                              // position among listing registrations, 0 for none
  // The listing extension; a row with an info position but no listing
  // extension registers its property extension at that position instead.
  OdRxObject* (*info)(CKdPropertiesModule&);
};

const Registration* registrations(size_t& count);

}  // namespace kd
