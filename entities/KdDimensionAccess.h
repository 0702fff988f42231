#pragma once
// Accessors of the dimension settings, one template per kind of row: every
// row reads the setting as the dimension shows it and stores a changed value
// as the dimension's own, so the style keeps its value.
#include <cstddef>
#include "Db/DbDimension.h"
#include "KdAccess.h"
#include "KdChoiceLists.h"
#include "KdValidation.h"

// Icon paths by category folder.
#define KD_ICON(Folder, Name) ":/" Folder "/" Folder "_" Name ".png"
#define KD_ICON_GENERAL(Name) KD_ICON("General", Name)
#define KD_ICON_MISC(Name) KD_ICON("Misc", Name)
#define KD_ICON_LINES(Name) KD_ICON("Lines_Arrows", Name)
#define KD_ICON_TEXT(Name) KD_ICON("Text", Name)
#define KD_ICON_FIT(Name) KD_ICON("Fit", Name)
#define KD_ICON_PRIMARY(Name) KD_ICON("Primary_units", Name)
#define KD_ICON_TOLERANCE(Name) KD_ICON("Tolerance", Name)
#define KD_ICON_ALTERNATE(Name) KD_ICON("Alternate_units", Name)

namespace kddim {
typedef CKdPropertyDescription Desc;
typedef OdDbDimVar V;

inline OdDbDimensionPtr readable(const OdDbObject* object) { return kd::readable<OdDbDimension>(object); }
inline OdDbDimensionPtr writable(const OdDbObject* object, const CKdVariant& value, int type) {
  return kd::writable<OdDbDimension>(object, value, type);
}
// The settings of any entity that holds them (dimensions, leaders, tolerance
// frames), for the accessors that rows of all three share; null when the
// object holds none or cannot be read (written).
const OdDbDimVarHolder* settingsOf(const OdDbObject* object);
OdDbDimVarHolder* writableSettingsOf(const OdDbObject* object, const CKdVariant& value, int type);
// Stores the setting with one member changed, the others as the entity shows them.
template <class Change>
int store(OdDbDimVarHolder& d, OdDbDimVar var, Change change) {
  OdDbDimVarValue v = d.dimVar(var);
  change(v);
  d.setDimVar(var, v);
  return KD_PROPERTY_OK;
}
inline int storeInteger(OdDbDimVarHolder& d, OdDbDimVar var, int value) {
  return store(d, var, [&](OdDbDimVarValue& v) { v.integer = value; });
}
inline int storeReal(OdDbDimVarHolder& d, OdDbDimVar var, double value) {
  return store(d, var, [&](OdDbDimVarValue& v) { v.real = value; });
}

// No rule: any finite value is stored.
const int kNoRule = -1;

// A real setting; Distance false marks a factor.
template <OdDbDimVar Var, bool Distance = true>
CKdVariant getReal(const OdDbObject* object, const Desc&, const CKdVariant&) {
  const OdDbDimVarHolder* d = settingsOf(object);
  return !d ? CKdVariant() : CKdVariant(d->dimVar(Var).real, Distance);
}
template <OdDbDimVar Var, int Rule = kNoRule>
int setReal(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDimVarHolder* d = writableSettingsOf(object, value, CKdVariant::kDouble);
  if (!d) return KD_PROPERTY_FAILED;
  if (Rule != kNoRule && !kd::validate(value.GetDouble(), kd::NumberRule(Rule))) return KD_PROPERTY_FAILED;
  return storeReal(*d, Var, value.GetDouble());
}
#define KD_RULE(R) int(kd::NumberRule::R)

// A colour setting.
template <OdDbDimVar Var>
CKdVariant getColor(const OdDbObject* object, const Desc&, const CKdVariant&) {
  const OdDbDimVarHolder* d = settingsOf(object);
  return !d ? CKdVariant() : CKdVariant(OdCmColor::fromIndex(OdInt16(d->dimVar(Var).integer)));
}
template <OdDbDimVar Var>
int setColor(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDimVarHolder* d = writableSettingsOf(object, value, CKdVariant::kColor);
  return !d ? KD_PROPERTY_FAILED : storeInteger(*d, Var, value.GetColor().colorIndex());
}

// An integer setting shown as a number (line weights).
template <OdDbDimVar Var>
CKdVariant getInteger(const OdDbObject* object, const Desc&, const CKdVariant&) {
  const OdDbDimVarHolder* d = settingsOf(object);
  return !d ? CKdVariant() : CKdVariant(long(d->dimVar(Var).integer));
}
template <OdDbDimVar Var>
int setInteger(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDimVarHolder* d = writableSettingsOf(object, value, CKdVariant::kInt32);
  return !d ? KD_PROPERTY_FAILED : storeInteger(*d, Var, value.GetInt32());
}

// The tag of a choice answer stored as the setting.
template <OdDbDimVar Var>
int setTag(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDimensionPtr d = writable(object, value, CKdVariant::kCollectionElement);
  long tag = 0;
  if (d.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
  return storeInteger(*d, Var, int(tag));
}

// An enumerated setting: the choices' tags are its values.
template <OdDbDimVar Var, const kd::Choice* Choices, size_t N>
CKdVariant getEnum(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  return d.isNull() ? CKdVariant() : kd::enumList(Choices, N, d->dimVar(Var).integer);
}
#define KD_ENUM(Var, Choices) kddim::getEnum<Var, Choices, sizeof(Choices) / sizeof(Choices[0])>

// A flag as a two-way list; the first label stands for the flag set.
template <OdDbDimVar Var, kd::BoolLabels Labels>
CKdVariant getFlag(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  return d.isNull() ? CKdVariant() : kd::booleanList(d->dimVar(Var).integer != 0, Labels);
}
template <OdDbDimVar Var>
int setFlag(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDimensionPtr d = writable(object, value, CKdVariant::kCollectionElement);
  long tag = 0;
  if (d.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
  return storeInteger(*d, Var, kd::booleanFromTag(tag, d->dimVar(Var).integer != 0) ? 1 : 0);
}

// Leading and trailing zeros: a bit flipped by either answer.
template <OdDbDimVar Var, int Mask>
CKdVariant getBit(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  return d.isNull() ? CKdVariant() : kd::bitToggleList(d->dimVar(Var).integer, Mask);
}
template <OdDbDimVar Var>
int setBit(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDimensionPtr d = writable(object, value, CKdVariant::kCollectionElement);
  long tag = 0;
  if (d.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
  return storeInteger(*d, Var, kd::bitToggled(d->dimVar(Var).integer, tag));
}

// Zero feet and zero inches.
template <OdDbDimVar Var, kd::FeetInches Part>
CKdVariant getFeetInches(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  return d.isNull() ? CKdVariant() : kd::feetInchesList(d->dimVar(Var).integer, Part);
}
template <OdDbDimVar Var, kd::FeetInches Part>
int setFeetInches(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDimensionPtr d = writable(object, value, CKdVariant::kCollectionElement);
  long tag = 0;
  if (d.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
  return storeInteger(*d, Var, kd::feetInchesSet(d->dimVar(Var).integer, Part, tag));
}

// Tolerance precisions: "0" to "0.00000000".
template <OdDbDimVar Var>
CKdVariant getDecimalPrecision(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  return d.isNull() ? CKdVariant() : kd::decimalPrecisionList(d->dimVar(Var).integer);
}

// The text around the measurement ("<>") of a prefix-and-suffix setting.
template <OdDbDimVar Var, bool Prefix>
CKdVariant getAround(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  if (d.isNull()) return CKdVariant();
  const CKdString post(d->dimVar(Var).text);
  return CKdVariant(Prefix ? kd::prefixOf(post) : kd::suffixOf(post));
}
template <OdDbDimVar Var, bool Prefix>
int setAround(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDimensionPtr d = writable(object, value, CKdVariant::kString);
  if (d.isNull()) return KD_PROPERTY_FAILED;
  const CKdString post(d->dimVar(Var).text);
  const CKdString now = Prefix ? kd::withPrefix(post, value.GetString()) : kd::withSuffix(post, value.GetString());
  return store(*d, Var, [&](OdDbDimVarValue& v) { v.text = now.toOdString(); });
}

// The setting's value, as the current element of a choice list, is the tag
// of the selected element; -1 when none is selected.
long selectedTag(const CKdVariant& list);

// Read-only rules.
inline bool flagOf(const OdDbObject* object, OdDbDimVar var, bool whenUnreadable = false) {
  OdDbDimensionPtr d = readable(object);
  return d.isNull() ? whenUnreadable : d->dimVar(var).integer != 0;
}
// Tolerance precisions can be edited while tolerances show and the text is not boxed.
bool isTolerancePrecisionReadOnly(const OdDbObject* object, const Desc&);
// Alternate unit rows can be edited while alternate units are on.
bool isAlternateReadOnly(const OdDbObject* object, const Desc&);
// Rows whose read-only rule always answers editable.
bool alwaysEditable(const OdDbObject* object, const Desc&);

// Shared row accessors.
CKdVariant getLineStyleList(const OdDbObject* object, OdDbObjectId current);
int setRecordTag(const CKdVariant& value, OdDbObjectId& id);

// Line style rows: the record of the dimension's line, or of an extension line.
template <OdDbDimVar Var>
CKdVariant getLineStyle(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbDimensionPtr d = readable(object);
  return d.isNull() ? CKdVariant() : getLineStyleList(object, d->dimVar(Var).id);
}
template <OdDbDimVar Var>
int setLineStyle(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbDimensionPtr d = writable(object, value, CKdVariant::kCollectionElement);
  OdDbObjectId id;
  if (d.isNull() || setRecordTag(value, id) != KD_PROPERTY_OK) return KD_PROPERTY_FAILED;
  return store(*d, Var, [&](OdDbDimVarValue& v) { v.id = id; });
}

// The extension lines' fixed length: editable while enabled; 0 refused without a message.
bool isFixedLengthReadOnly(const OdDbObject* object, const Desc&);
int setFixedLength(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&);
// "Centered", "Above", "Outside", "JIS".
extern const kd::Choice kTextVertical[4];

// The linear unit rows, in order: "Fractional type", "Measurement", then
// "Dim scale linear" to "Alt suppress zeros inches".
const size_t kLinearUnitRowCount = 25;
extern const kd::PropertyRow kLinearUnitRows[kLinearUnitRowCount];

// The arrowhead table: labels and block names by tag.
extern const char* const kArrowLabels[21];
const OdString& arrowBlockName(int tag);
// The arrowhead list with the arrow block's entry selected (none for a null id).
CKdVariant arrowList(OdDbObjectId block);
}  // namespace kddim
