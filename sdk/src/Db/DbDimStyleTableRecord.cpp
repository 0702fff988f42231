#include "Db/DbDimStyleTableRecord.h"

#include <algorithm>
#include <cmath>

#include "Dxf/DxfFiler.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbDimStyleTableRecord, OdDbSymbolTableRecord, L"DIMSTYLE", new OdDbDimStyleTableRecord)

namespace {
// Settings in the order files hold them: the reals of the forties, those of
// the hundred-forties, then the integers and flags, the references and the
// line weights. The fill colour's code is also the record's flags': a
// style's fill colour is the second field of that code.
std::vector<OdDbDimVar> fileOrder() {
  std::vector<OdDbDimVar> order;
  for (int i = 0; i < int(OdDbDimVar::kCount); ++i) order.push_back(OdDbDimVar(i));
  auto rank = [](OdDbDimVar v) {
    const int c = odDbDimVarInfo(v).code;
    return c < 69 ? 0 : (c >= 140 && c <= 148) ? 1 : 2;
  };
  std::stable_sort(order.begin(), order.end(), [&](OdDbDimVar a, OdDbDimVar b) { return rank(a) < rank(b); });
  return order;
}
const std::vector<OdDbDimVar>& kFileOrder() {
  static const std::vector<OdDbDimVar> order = fileOrder();
  return order;
}
}  // namespace

OdDbDimStyleTableRecord::OdDbDimStyleTableRecord() {
  for (int i = 0; i < int(OdDbDimVar::kCount); ++i) m_values.push_back(OdDbDimVarValue::defaultOf(OdDbDimVar(i)));
}

OdDbDimVarValue OdDbDimStyleTableRecord::dimVar(OdDbDimVar var) const {
  assertReadEnabled();
  return m_values[size_t(var)];
}

OdResult OdDbDimStyleTableRecord::setDimVar(OdDbDimVar var, const OdDbDimVarValue& value) {
  assertWriteEnabled();
  if (!odDbDimVarIsValid(var, value)) return eInvalidInput;
  m_values[size_t(var)] = value;
  return eOk;
}

void OdDbDimStyleTableRecord::dxfInFields(const OdDxfIn& in) {
  OdDbSymbolTableRecord::dxfInFields(in);
  const char* S = "AcDbDimStyleTableRecord";
  for (OdDbDimVar var : kFileOrder()) {
    const OdDbDimVarInfo& info = odDbDimVarInfo(var);
    OdDbDimVarValue& v = m_values[size_t(var)];
    const int nth = info.code == 70 ? 1 : 0;
    if (!in.field(S, info.code, nth)) continue;
    if (info.code == 70) m_fillColorInFile = true;
    switch (info.kind) {
      case OdDbDimVarKind::Real: v.real = in.real(S, info.code, v.real); break;
      case OdDbDimVarKind::String: v.text = in.string(S, info.code); break;
      case OdDbDimVarKind::Id: v.id = in.reference(S, info.code); break;
      default: v.integer = in.integer(S, info.code, v.integer, nth); break;
    }
  }
}

void OdDbDimStyleTableRecord::dxfOutFields(OdDxfOut& out) const {
  OdDbSymbolTableRecord::dxfOutFields(out);
  out.integer(70, flagsWith(0, 0));
  // A style read from a file writes the settings it had and those that
  // changed; a new one writes them all.
  for (OdDbDimVar var : kFileOrder()) {
    const OdDbDimVarInfo& info = odDbDimVarInfo(var);
    const OdDbDimVarValue& v = m_values[size_t(var)];
    const bool had = info.code == 70 ? m_fillColorInFile : out.hadField(info.code);
    if ((out.fromFile() || info.code == 70) && !had && v == OdDbDimVarValue::defaultOf(var)) {
      out.own(info.code);
      continue;
    }
    switch (info.kind) {
      case OdDbDimVarKind::Real: out.real(info.code, v.real); break;
      case OdDbDimVarKind::String: out.string(info.code, v.text); break;
      case OdDbDimVarKind::Id:
        if (v.id.isNull() && !out.hadField(info.code)) out.own(info.code);
        else out.reference(info.code, v.id);
        break;
      default: out.integer(info.code, v.integer); break;
    }
  }
}
