#include "KdTextStyle.h"

#include "Db/DbTextStyleTableRecord.h"
#include "KdAccess.h"

namespace {
typedef CKdPropertyDescription Desc;
typedef OdDbTextStyleTableRecord S;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;

CKdVariant name(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<S>(o, [](const S& s) { return CKdVariant(CKdString(s.getName())); });
}
template <OdString (S::*Get)() const>
CKdVariant text(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<S>(o, [](const S& s) { return CKdVariant(CKdString((s.*Get)())); });
}
template <double (S::*Get)() const>
CKdVariant real(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<S>(o, [](const S& s) { return CKdVariant((s.*Get)(), true); });
}
// "Yes" (tag 1) and "No" (tag 0) as written, untranslated; "Yes" selected when set.
template <bool (S::*Get)() const>
CKdVariant flag(const OdDbObject* o, const Desc&, const CKdVariant&) {
  return kd::readAs<S>(o, [](const S& s) {
    CKdVariantCollection list;
    list.Add(CKdVariantCollectionElement(CKdVariant(CKdString(L"Yes")), CKdVariant(1L)));
    list.Add(CKdVariantCollectionElement(CKdVariant(CKdString(L"No")), CKdVariant(0L)));
    list.SetSelectedIndex((s.*Get)() ? 0 : 1);
    return CKdVariant(list);
  });
}

const kd::PropertyRow kRows[] = {
    {"General", "Name", 3, nullptr, nullptr, RO, name, nullptr},
    {"General", "Font", 3, nullptr, nullptr, RO, text<&S::fileName>, nullptr},
    {"General", "Height", 2, nullptr, nullptr, RO, real<&S::textSize>, nullptr},
    {"General", "BigFont", 3, nullptr, nullptr, RO, text<&S::bigFontFileName>, nullptr},
    {"General", "Angle", 2, nullptr, nullptr, RO, real<&S::obliquingAngle>, nullptr},
    {"General", "Spacing", 2, nullptr, nullptr, RO, real<&S::xScale>, nullptr},
    {"General", "Vertical", 7, nullptr, nullptr, RO, flag<&S::isVertical>, nullptr},
    {"General", "Backwards", 7, nullptr, nullptr, RO, flag<&S::isBackwards>, nullptr},
    {"General", "Upside down", 7, nullptr, nullptr, RO, flag<&S::isUpsideDown>, nullptr},
};
}  // namespace

KD_DEFINE_PROPERTY_LEVEL(CKdTextStylePE, CKdPropertyPEImpl, "TextStyle", &OdDbTextStyleTableRecord::desc, kRows,
                         kd::Texts::Literal)
