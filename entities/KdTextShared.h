#pragma once
// What single-line texts and attribute definitions share: the contents
// update that keeps fields, the justification list and its carry-over of
// points, the rules of the points and the rotation, plain and angle values.
#include "Db/DbText.h"
#include "KdAccess.h"

namespace kdtext {
typedef CKdPropertyDescription Desc;
const double k2Pi = 6.283185307179586;

// Sets the text; child fields whose values it still shows are kept.
void updateText(OdDbText& t, const OdString& text);

CKdVariant getJustify(const OdDbObject* object, const Desc& d, const CKdVariant& context);
// Texts leaving "Fit" keep their height and take width factor 1; attribute
// definitions take height 1 from both "Aligned" and "Fit", and fit to the
// database's settings.
enum class JustifyRule { Text, Definition };
int changeJustify(const OdDbObject* object, const Desc& d, const CKdVariant& value, const CKdVariant& context,
                  JustifyRule rule);

bool isAlignmentReadOnly(const OdDbObject* object, const Desc& d);
bool isPositionReadOnly(const OdDbObject* object, const Desc& d);
// Aligned and fitted texts take their rotation from their two points.
bool isRotationReadOnly(const OdDbObject* object, const Desc& d);

template <double (OdDbText::*Get)() const>
CKdVariant getValue(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbTextPtr t = kd::readable<OdDbText>(object);
  return t.isNull() ? CKdVariant() : CKdVariant(((*t).*Get)(), true);
}
// Angles are shown in [0, 2pi) when negative.
template <double (OdDbText::*Get)() const>
CKdVariant getAngle(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbTextPtr t = kd::readable<OdDbText>(object);
  if (t.isNull()) return CKdVariant();
  const double a = ((*t).*Get)();
  return CKdVariant(a < 0.0 ? a + k2Pi : a, true);
}
template <OdResult (OdDbText::*Set)(double)>
int setAngle(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbTextPtr t = kd::writable<OdDbText>(object, value, CKdVariant::kDouble);
  if (t.isNull()) return KD_PROPERTY_FAILED;
  ((*t).*Set)(value.GetDouble());
  return KD_PROPERTY_OK;
}

}  // namespace kdtext
