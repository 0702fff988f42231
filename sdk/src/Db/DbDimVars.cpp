#include "Db/DbDimVars.h"

#include <cmath>

namespace {
// The table's defaults are numbers or texts.
constexpr double number(double d) { return d; }
constexpr double number(int i) { return i; }
constexpr double number(const wchar_t*) { return 0.0; }
constexpr const wchar_t* text(double) { return nullptr; }
constexpr const wchar_t* text(int) { return nullptr; }
constexpr const wchar_t* text(const wchar_t* s) { return s; }

const OdDbDimVarInfo kInfo[] = {
#define KD_DIM_VAR_INFO(get, Set, code, Kind, def) {#get, code, OdDbDimVarKind::Kind, number(def), text(def)},
    KD_DIM_VARS(KD_DIM_VAR_INFO)
#undef KD_DIM_VAR_INFO
};
}  // namespace

const OdDbDimVarInfo& odDbDimVarInfo(OdDbDimVar var) { return kInfo[int(var)]; }

bool odDbDimVarByCode(int code, OdDbDimVar& var) {
  for (int i = 0; i < int(OdDbDimVar::kCount); ++i)
    if (kInfo[i].code == code) {
      var = OdDbDimVar(i);
      return true;
    }
  return false;
}

bool odDbDimVarIsValid(OdDbDimVar var, const OdDbDimVarValue& value) {
  switch (odDbDimVarInfo(var).kind) {
    case OdDbDimVarKind::Real: return std::isfinite(value.real);
    case OdDbDimVarKind::String:
    case OdDbDimVarKind::Id: return true;
    default: return value.integer >= -32768 && value.integer <= 32767;
  }
}

OdDbDimVarValue OdDbDimVarValue::defaultOf(OdDbDimVar var) {
  const OdDbDimVarInfo& info = odDbDimVarInfo(var);
  OdDbDimVarValue v;
  switch (info.kind) {
    case OdDbDimVarKind::Real: v.real = info.realDefault; break;
    case OdDbDimVarKind::String: v.text = info.textDefault; break;
    case OdDbDimVarKind::Id: break;
    default: v.integer = int(info.realDefault); break;
  }
  return v;
}
