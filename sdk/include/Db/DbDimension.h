#pragma once
// Base of every dimension kind.
#include "Db/DbEntity.h"

class OdDbDimension : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbDimension)
public:
  // A dimension that drives a geometric constraint of the drawing rather than annotating it.
  bool isConstraintDynamic() const;
  void setConstraintDynamic(bool dynamic);

private:
  bool m_constraintDynamic = false;
};
typedef OdSmartPtr<OdDbDimension> OdDbDimensionPtr;
