#include "KdChoiceLists.h"

#include <climits>
#include "Db/DbSymbolTable.h"

#include "Db/DbDatabase.h"
#include "KdText.h"

namespace kd {
namespace {

const wchar_t* const kLinearSamples[8][9] = {
    {L"0E+01", L"0.0E+01", L"0.00E+01", L"0.000E+01", L"0.0000E+01", L"0.00000E+01", L"0.000000E+01", L"0.0000000E+01",
     L"0.00000000E+01"},
    {L"0", L"0.0", L"0.00", L"0.000", L"0.0000", L"0.00000", L"0.000000", L"0.0000000", L"0.00000000"},
    {L"0'-0\"", L"0'-0\"", L"0'-00\"", L"0'-000\"", L"0'-0000\"", L"0'-00000\"", L"0'-000000\"", L"0'-0000000\"",
     L"0'-00000000\""},
    {L"0'-0\"", L"0'-0 1/2\"", L"0'-0 1/4\"", L"0'-0 1/8\"", L"0'-0 1/16\"", L"0'-0 1/32\"", L"0'-0 1/64\"",
     L"0'-0 1/128\"", L"0'-0 1/256\""},
    {L"0", L"0 1/2", L"0 1/4", L"0 1/8", L"0 1/16", L"0 1/32", L"0 1/64", L"0 1/128", L"0 1/256"},
    {L"0'-0\"", L"0'-0\"", L"0'-00\"", L"0'-000\"", L"0'-0000\"", L"0'-00000\"", L"0'-000000\"", L"0'-0000000\"",
     L"0'-00000000\""},
    {L"0'-0\"", L"0'-0 1/2\"", L"0'-0 1/4\"", L"0'-0 1/8\"", L"0'-0 1/16\"", L"0'-0 1/32\"", L"0'-0 1/64\"",
     L"0'-0 1/128\"", L"0'-0 1/256\""},
    {L"0", L"0.0", L"0.00", L"0.000", L"0.0000", L"0.00000", L"0.000000", L"0.0000000", L"0.00000000"},
};

const wchar_t* const kAngularSamples[5][9] = {
    {L"0", L"0.0", L"0.00", L"0.000", L"0.0000", L"0.00000", L"0.000000", L"0.0000000", L"0.00000000"},
    {L"0d", L"0d00'", L"0d00'00\"", L"0d00'000\"", L"0d00'0000\"", L"0d00'00000\"", L"0d00'000000\"",
     L"0d00'0000000\"", L"0d00'00000000\""},
    {L"0g", L"0.0g", L"0.00g", L"0.000g", L"0.0000g", L"0.00000g", L"0.000000g", L"0.0000000g", L"0.00000000g"},
    {L"0r", L"0.0r", L"0.00r", L"0.000r", L"0.0000r", L"0.00000r", L"0.000000r", L"0.0000000r", L"0.00000000r"},
    {L"0", L"0.0", L"0.00", L"0.000", L"0.0000", L"0.00000", L"0.000000", L"0.0000000", L"0.00000000"},
};

CKdVariantCollectionElement element(const CKdString& label, long tag) {
  return CKdVariantCollectionElement(CKdVariant(label), CKdVariant(tag));
}

// Nine untranslated samples with tags 0..8, from a function of the column.
template <class Sample>
CKdVariant precisionList(int selected, Sample sample) {
  CKdVariantCollection list;
  for (int p = 0; p <= 8; ++p) list.Add(element(CKdString(sample(p)), p));
  list.SetSelectedIndex(selected);
  return CKdVariant(list);
}

}  // namespace

CKdVariant enumList(const Choice* choices, size_t count, long current, int unmatched) {
  CKdVariantCollection list;
  int selected = -1;
  for (size_t i = 0; i < count; ++i) {
    list.Add(element(value(choices[i].label), choices[i].tag));
    if (selected < 0 && choices[i].tag == current) selected = int(i);
  }
  list.SetSelectedIndex(selected < 0 ? unmatched : selected);
  return CKdVariant(list);
}

bool choiceTag(const CKdVariant& answer, long& tag) {
  if (answer.GetType() != CKdVariant::kCollectionElement) return false;
  const CKdVariant& t = answer.GetCollectionElement().GetTag();
  if (t.GetType() != CKdVariant::kInt32) return false;
  tag = t.GetInt32();
  return true;
}

CKdVariant primaryUnitFormatList(int stored) {
  static const Choice kChoices[] = {{"Scientific", 1},    {"Decimal", 2},    {"Engineering", 3},
                                    {"Architectural", 4}, {"Fractional", 5}, {"Windows Desktop", 6}};
  CKdVariant v = enumList(kChoices, stored);
  CKdVariantCollection list = v.GetCollection();
  list.SetSelectedIndex(stored > INT_MIN ? stored - 1 : -1);
  return CKdVariant(list);
}

CKdVariant alternateUnitFormatList(int stored) {
  static const Choice kChoices[] = {{"Scientific", 1},           {"Decimal", 2},          {"Engineering", 3},
                                    {"Architectural (stacked)", 4}, {"Fractional (stacked)", 5}, {"Architectural", 6},
                                    {"Fractional", 7},           {"Windows Desktop", 8}};
  CKdVariant v = enumList(kChoices, stored);
  CKdVariantCollection list = v.GetCollection();
  list.SetSelectedIndex(stored > INT_MIN ? stored - 1 : -1);
  return CKdVariant(list);
}

CKdVariant angleFormatList(int stored) {
  static const Choice kChoices[] = {{"Decimal degrees", 0}, {"Deg/min/sec", 1}, {"Gradians", 2}, {"Radians", 3}};
  CKdVariant v = enumList(kChoices, stored);
  CKdVariantCollection list = v.GetCollection();
  list.SetSelectedIndex(stored == 4 ? 0 : stored);
  return CKdVariant(list);
}

const wchar_t* linearPrecisionSample(int unitFormat, int precision) {
  if (unitFormat < 1 || unitFormat > 8 || precision < 0 || precision > 8) return L"";
  return kLinearSamples[unitFormat - 1][precision];
}

const wchar_t* angularPrecisionSample(int angleFormat, int precision) {
  if (angleFormat < 0 || angleFormat > 4 || precision < 0 || precision > 8) return L"";
  return kAngularSamples[angleFormat][precision];
}

CKdVariant linearPrecisionList(int unitFormat, int precision) {
  return precisionList(precision, [&](int p) { return linearPrecisionSample(unitFormat, p); });
}

CKdVariant alternatePrecisionList(int unitFormat, int precision, const OdDbDatabase* db) {
  if (unitFormat >= 1 && unitFormat <= 8) return linearPrecisionList(unitFormat, precision);
  // The drawing's units value serves as the row index itself.
  const int row = db ? db->getLUNITS() : -1;
  return precisionList(precision, [&](int p) { return row >= 0 && row < 8 ? kLinearSamples[row][p] : L""; });
}

CKdVariant angularPrecisionList(int angleFormat, int angularPrecision, int linearPrecision) {
  return precisionList(angularPrecision < 0 ? linearPrecision : angularPrecision,
                       [&](int p) { return angularPrecisionSample(angleFormat, p); });
}

CKdVariant decimalPrecisionList(int precision) { return linearPrecisionList(2, precision); }

CKdVariant booleanList(bool flag, BoolLabels labels) {
  static const char* const kLabels[][2] = {{"Yes", "No"}, {"On", "Off"}, {"Off", "On"}, {"Enabled", "Disabled"}};
  const char* set = kLabels[int(labels)][0];
  const char* cleared = kLabels[int(labels)][1];
  CKdVariantCollection list;
  list.Add(element(value(set), 1));
  list.Add(element(value(cleared), 0));
  list.SetSelectedIndex(flag ? 0 : 1);
  return CKdVariant(list);
}

bool booleanFromTag(long tag, bool current) { return tag == 1 ? true : tag == 0 ? false : current; }

CKdVariant bitToggleList(int stored, int mask) {
  CKdVariantCollection list;
  list.Add(element(value("Yes"), mask));
  list.Add(element(value("No"), mask));
  list.SetSelectedIndex((stored & mask) ? 0 : 1);
  return CKdVariant(list);
}

bool isSuppressed(int stored, FeetInches part) {
  const int low = stored & 3;
  return part == FeetInches::Feet ? (low == 0 || low == 3) : (low == 0 || low == 2);
}

CKdVariant feetInchesList(int stored, FeetInches part) {
  CKdVariantCollection list;
  list.Add(element(value("Yes"), 1));
  list.Add(element(value("No"), 0));
  list.SetSelectedIndex(isSuppressed(stored, part) ? 0 : 1);
  return CKdVariant(list);
}

int feetInchesSet(int stored, FeetInches part, long tag) {
  const bool feet = part == FeetInches::Feet ? tag == 1 : isSuppressed(stored, FeetInches::Feet);
  const bool inches = part == FeetInches::Inches ? tag == 1 : isSuppressed(stored, FeetInches::Inches);
  // Low bits by (feet suppressed, inches suppressed).
  const int low = feet ? (inches ? 0 : 3) : (inches ? 2 : 1);
  return (stored & ~3) | low;
}

CKdVariant recordList(OdDbObjectId tableId, OdDbObjectId current) {
  OdDbSymbolTablePtr table = OdDbSymbolTable::cast(tableId.openObject());
  if (table.isNull()) return CKdVariant();
  CKdVariantCollection list;
  for (const OdDbObjectId& id : table->recordIds()) {
    OdDbSymbolTableRecordPtr record = OdDbSymbolTableRecord::cast(id.openObject());
    if (record.isNull()) continue;
    if (id == current) list.SetSelectedIndex(list.GetCount());
    list.Add(CKdVariantCollectionElement(CKdVariant(CKdString(record->getName())), CKdVariant(id)));
  }
  return CKdVariant(list);
}

}  // namespace kd
