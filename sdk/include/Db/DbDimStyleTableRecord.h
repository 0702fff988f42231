#pragma once
// A dimension style: a value of every dimension setting (Db/DbDimVars.h).
#include <vector>
#include "Db/DbDimVars.h"
#include "Db/DbSymbolTable.h"

class OdDbDimStyleTableRecord : public OdDbSymbolTableRecord {
public:
  ODRX_DECLARE_MEMBERS(OdDbDimStyleTableRecord)
public:
  OdDbDimStyleTableRecord();
  OdDbDimVarValue dimVar(OdDbDimVar var) const;
  // Refuses values a setting cannot hold (not finite) with eInvalidInput.
  OdResult setDimVar(OdDbDimVar var, const OdDbDimVarValue& value);
  KD_DIM_VARS(KD_DIM_VAR_ACCESSORS)

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  std::vector<OdDbDimVarValue> m_values;
  bool m_fillColorInFile = false;  // a second 70 (after the flags) held it
};
typedef OdSmartPtr<OdDbDimStyleTableRecord> OdDbDimStyleTableRecordPtr;
