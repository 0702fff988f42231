#include "KdRegistrationTable.h"
#include "CKdPropertiesModule.h"
#include "Db/DbEntity.h"

// Member of the module object as a registration column.
#define KD_EXT(member) [](CKdPropertiesModule& m) -> OdRxObject* { return &m.member; }
#define KD_NONE nullptr

namespace kd {
namespace {
// Rows in table order: PE #, PE removal #, SDK class, property extension,
// Info #, information extension.
const Registration kTable[] = {
    {0, 0, &OdDbEntity::desc, KD_NONE, 16, KD_EXT(m_entityInfo)},
};
}  // namespace

const Registration* registrations(size_t& count) {
  count = sizeof(kTable) / sizeof(kTable[0]);
  return kTable;
}

}  // namespace kd
