#include "Db/DbDimension.h"

#include "Rx/RxClass.h"

ODRX_DEFINE_ABSTRACT_MEMBERS(OdDbDimension, OdDbEntity)

bool OdDbDimension::isConstraintDynamic() const {
  assertReadEnabled();
  return m_constraintDynamic;
}

void OdDbDimension::setConstraintDynamic(bool dynamic) {
  assertWriteEnabled();
  m_constraintDynamic = dynamic;
}
