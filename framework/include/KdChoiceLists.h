#pragma once
// The drop-down lists every enumerated property shares: choice lists with
// their labels, tags and selected index, and the readers of the answers.
#include <cstddef>
#include "CKdVariant.h"
#include "Db/DbObjectId.h"

class OdDbDatabase;

namespace kd {

struct Choice {
  const char* label;  // translated under "property_values"
  long tag;
};

// Labels with their tags; the selected index is the first element whose tag
// equals current, or unmatched when none does.
CKdVariant enumList(const Choice* choices, size_t count, long current, int unmatched = -1);
template <size_t N>
CKdVariant enumList(const Choice (&choices)[N], long current, int unmatched = -1) {
  return enumList(choices, N, current, unmatched);
}
// Every record of a symbol table in table order: label the record's name,
// tag its object id; the selected index is the current record's (-1 when
// none is). Empty when the table cannot be opened.
CKdVariant recordList(OdDbObjectId tableId, OdDbObjectId current);

// The tag of a choice answer (type 7 with an integer tag); false for any other value.
bool choiceTag(const CKdVariant& answer, long& tag);

// Unit formats 1..6 (primary) and 1..8 (alternate), angle formats 0..3; a stored 4 selects 0.
CKdVariant primaryUnitFormatList(int stored);
CKdVariant alternateUnitFormatList(int stored);
CKdVariant angleFormatList(int stored);

// Sample of a precision in a unit format (1..8) or angle format (0..4); empty outside the tables.
const wchar_t* linearPrecisionSample(int unitFormat, int precision);
const wchar_t* angularPrecisionSample(int angleFormat, int precision);
// Nine samples with tags 0..8 in the row of the unit format.
CKdVariant linearPrecisionList(int unitFormat, int precision);
// As above; a unit format outside 1..8 takes the drawing's linear units as the row index.
CKdVariant alternatePrecisionList(int unitFormat, int precision, const OdDbDatabase* db);
// A negative angular precision selects the linear precision instead.
CKdVariant angularPrecisionList(int angleFormat, int angularPrecision, int linearPrecision);
// "0" .. "0.00000000" whatever the unit format (tolerance precisions).
CKdVariant decimalPrecisionList(int precision);

// Element 0 is the flag set (tag 1), element 1 the flag cleared (tag 0).
enum class BoolLabels { YesNo, OnOff, OffOn, EnabledDisabled };
CKdVariant booleanList(bool flag, BoolLabels labels);
// Tag 1 sets, tag 0 clears, any other tag keeps the flag.
bool booleanFromTag(long tag, bool current);

// Leading (mask 4) and trailing (mask 8) zero suppression: "Yes" and "No"
// both carry the mask, so that either answer flips the bit.
CKdVariant bitToggleList(int stored, int mask);
inline int bitToggled(int stored, long tag) { return stored ^ int(tag); }

// Zero feet and zero inches suppression, coded together in the two low bits.
enum class FeetInches { Feet, Inches };
bool isSuppressed(int stored, FeetInches part);
CKdVariant feetInchesList(int stored, FeetInches part);
// The byte with the part suppressed (tag 1) or shown (other tags), the other part and the high bits kept.
int feetInchesSet(int stored, FeetInches part, long tag);

}  // namespace kd
