#include "KdLight.h"

#include "CKdSystemServices.h"
#include "Db/DbLight.h"
#include "KdAccess.h"
#include "KdChoiceLists.h"
#include "KdText.h"

namespace {
typedef CKdPropertyDescription Desc;
typedef OdDbLight L;
const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;

// Lights list "true" first with tag 0.
const kd::Choice kOnOff[] = {{"On", 0}, {"Off", 1}};
const kd::Choice kYesNo[] = {{"Yes", 0}, {"No", 1}};

template <bool (L::*Get)() const, const kd::Choice (&Labels)[2]>
CKdVariant getFlag(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbLightPtr l = kd::readable<L>(object);
  return l.isNull() ? CKdVariant() : kd::enumList(Labels, ((*l).*Get)() ? 0 : 1);
}
// The light's "true" choice is tag 0.
OdDbLightPtr chosen(const OdDbObject* object, const CKdVariant& value, long& tag) {
  OdDbLightPtr l = kd::writable<L>(object, value, CKdVariant::kCollectionElement);
  if (l.isNull() || !kd::choiceTag(value, tag)) return OdDbLightPtr();
  return l;
}

CKdVariant getName(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<L>(object, [](const L& l) { return CKdVariant(CKdString(l.name())); });
}
int setName(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbLightPtr l = kd::writable<L>(object, value, CKdVariant::kString);
  if (l.isNull()) return KD_PROPERTY_FAILED;
  static const wchar_t kInvalid[] = L"<>/\\\"':;?*|,=`";
  const std::wstring name = value.GetString().toOdString().wstr();
  if (name.empty() || name.find_first_of(kInvalid) != std::wstring::npos) {
    // The message lists every refused character but the asterisk.
    GetKdSystemServices()->MessageBox(
        kd::tr("errors", "Invalid characters in name. The following characters are not valid in light names: ") +
            CKdString(L"<>/\\\"':;?|,=`"),
        kd::tr("errors", "Invalid Name"), 0);
    return KD_PROPERTY_FAILED;
  }
  l->setName(value.GetString().toOdString());
  return KD_PROPERTY_OK;
}

CKdVariant getType(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbLightPtr l = kd::readable<L>(object);
  if (l.isNull()) return CKdVariant();
  static const kd::Choice kTypes[] = {{"Spotlight", 0}, {"Point", 1}, {"Web", 2}};
  const int type = l->lightType();
  return kd::enumList(kTypes, type == L::kSpotLight ? 0 : type == L::kPointLight ? 1 : type == L::kWebLight ? 2 : -1);
}
int setType(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  long tag;
  OdDbLightPtr l = chosen(object, value, tag);
  if (l.isNull()) return KD_PROPERTY_FAILED;
  if (tag == 0) l->setLightType(L::kSpotLight);
  else if (tag == 1) l->setLightType(L::kPointLight);
  else if (tag == 2) l->setLightType(L::kWebLight);
  return KD_PROPERTY_OK;
}

int setOn(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  long tag;
  OdDbLightPtr l = chosen(object, value, tag);
  if (l.isNull()) return KD_PROPERTY_FAILED;
  l->setOn(tag == 0);
  return KD_PROPERTY_OK;
}
int setPlottable(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  long tag;
  OdDbLightPtr l = chosen(object, value, tag);
  if (l.isNull()) return KD_PROPERTY_FAILED;
  l->setIsPlottable(tag == 0);
  return KD_PROPERTY_OK;
}

bool shadowsOn(const L& l) { return l.shadowParameters().shadowsOn; }
CKdVariant getShadows(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbLightPtr l = kd::readable<L>(object);
  return l.isNull() ? CKdVariant() : kd::enumList(kOnOff, shadowsOn(*l) ? 0 : 1);
}
// Changes the shadow parameters as the edit says and stores them.
template <class Edit>
int editShadows(const OdDbObject* object, const CKdVariant& value, int type, Edit edit) {
  OdDbLightPtr l = kd::writable<L>(object, value, type);
  if (l.isNull()) return KD_PROPERTY_FAILED;
  L::ShadowParameters s = l->shadowParameters();
  if (!edit(s)) return KD_PROPERTY_FAILED;
  l->setShadowParameters(s);
  return KD_PROPERTY_OK;
}
int setShadows(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  long tag;
  return editShadows(object, value, CKdVariant::kCollectionElement,
                     [&](L::ShadowParameters& s) { return kd::choiceTag(value, tag) && ((s.shadowsOn = tag == 0), true); });
}
bool isOff(const OdDbObject* object, const Desc&) {
  OdDbLightPtr l = kd::readable<L>(object);
  return !l.isNull() && !l->isOn();
}

CKdVariant getColor(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<L>(object, [](const L& l) { return CKdVariant(l.lightColor()); });
}
int setColor(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbLightPtr l = kd::writable<L>(object, value, CKdVariant::kColor);
  if (l.isNull()) return KD_PROPERTY_FAILED;
  return l->setLightColor(value.GetColor()) == eOk ? KD_PROPERTY_OK : KD_PROPERTY_FAILED;
}

CKdVariant getTargeted(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbLightPtr l = kd::readable<L>(object);
  return l.isNull() ? CKdVariant() : kd::enumList(kYesNo, l->isTargeted() ? 0 : 1);
}
// Targeting is the photometric record's: the palette cannot change it.
int setTargeted(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  return kd::writable<L>(object, value, CKdVariant::kCollectionElement).isNull() ? KD_PROPERTY_FAILED : KD_PROPERTY_OK;
}

CKdVariant getAttenuationType(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<L>(object, [](const L& l) {
    const int t = l.attenuation().type;
    return CKdVariant(kd::value(t == L::kNone ? "None" : t == L::kInverseLinear ? "Inverse Linear" : "Inverse Square"));
  });
}
CKdVariant getUseLimits(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<L>(object, [](const L& l) { return CKdVariant(kd::value(l.attenuation().useLimits ? "Yes" : "No")); });
}
CKdVariant getStartLimit(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<L>(object, [](const L& l) { return CKdVariant(l.attenuation().startLimit, true); });
}
CKdVariant getEndLimit(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<L>(object, [](const L& l) { return CKdVariant(l.attenuation().endLimit, true); });
}

CKdVariant getShadowType(const OdDbObject* object, const Desc&, const CKdVariant&) {
  static const kd::Choice kKinds[] = {{"Soft (shadow map)", 0}, {"Sharp", 1}};
  OdDbLightPtr l = kd::readable<L>(object);
  return l.isNull() ? CKdVariant() : kd::enumList(kKinds, l->shadowParameters().shadowType == 1 ? 0 : 1);
}
int setShadowType(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  long tag;
  return editShadows(object, value, CKdVariant::kCollectionElement, [&](L::ShadowParameters& s) {
    if (!kd::choiceTag(value, tag)) return false;
    if (tag == 0) s.shadowType = 1;
    else if (tag == 1) s.shadowType = 0;
    return true;
  });
}
bool shadowTypeReadOnly(const OdDbObject* object, const Desc&) {
  OdDbLightPtr l = kd::readable<L>(object);
  return l.isNull() || !(l->isOn() && shadowsOn(*l));
}

CKdVariant getMapSize(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbLightPtr l = kd::readable<L>(object);
  if (l.isNull()) return CKdVariant();
  CKdVariantCollection list;
  for (long size = 64; size <= 4096; size *= 2) {
    list.Add(CKdVariantCollectionElement(CKdVariant(size), CKdVariant(size)));
    if (size == l->shadowParameters().shadowMapSize) list.SetSelectedIndex(list.GetCount() - 1);
  }
  return CKdVariant(list);
}
int setMapSize(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  long tag;
  return editShadows(object, value, CKdVariant::kCollectionElement,
                     [&](L::ShadowParameters& s) { return kd::choiceTag(value, tag) && ((s.shadowMapSize = int(tag)), true); });
}
bool notShadowMap(const OdDbObject* object, const Desc&) {
  OdDbLightPtr l = kd::readable<L>(object);
  return l.isNull() || l->shadowParameters().shadowType != 1;
}

CKdVariant getSoftness(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<L>(object, [](const L& l) { return CKdVariant(long(l.shadowParameters().shadowSoftness)); });
}
// Softness runs from 1 to 10; other values are accepted and change nothing.
int setSoftness(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  return editShadows(object, value, CKdVariant::kInt32, [&](L::ShadowParameters& s) {
    if (value.GetInt32() >= 1 && value.GetInt32() <= 10) s.shadowSoftness = int(value.GetInt32());
    return true;
  });
}

typedef kd::PlainDouble<L, &L::intensity, &L::setIntensity, true> Intensity;
typedef kd::UcsPoint<L, &L::position, &L::setPosition> Position;
typedef kd::UcsPoint<L, &L::targetLocation, &L::setTargetLocation> Target;

const kd::PropertyRow kRows[] = {
    {"General", "Name", 3, nullptr, ":/General/General_Name.png", RW, getName, setName},
    {"General", "Type", 6, nullptr, ":/General/General_Type.png", RW, getType, setType},
    {"General", "On/Off Status", 6, nullptr, ":/General/General_OnOffStatus.png", RW, getFlag<&L::isOn, kOnOff>, setOn},
    {"General", "Shadows", 6, nullptr, ":/General/General_Shadows.png", isOff, getShadows, setShadows},
    {"General", "Intensity factor", 2, nullptr, ":/General/General_IntensityFactor.png", RW, Intensity::get, Intensity::set},
    {"General", "Filter color", 5, nullptr, ":/General/General_FilterColor.png", RW, getColor, setColor},
    {"General", "Print glyph", 6, nullptr, ":/General/General_PlotGlyph.png", RW, getFlag<&L::isPlottable, kYesNo>, setPlottable},
    {"Geometry", "Position X", 2, nullptr, ":/Geometry/Geometry_PositionX.png", RW, Position::X::get, Position::X::set},
    {"Geometry", "Position Y", 2, nullptr, ":/Geometry/Geometry_PositionY.png", RW, Position::Y::get, Position::Y::set},
    {"Geometry", "Position Z", 2, nullptr, ":/Geometry/Geometry_PositionZ.png", RW, Position::Z::get, Position::Z::set},
    {"Geometry", "Targeted", 6, nullptr, ":/Geometry/Geometry_Targeted.png", RW, getTargeted, setTargeted},
    {"Attenuation", "Type", 3, nullptr, ":/Attenuation/Attenuation_AttType.png", RO, getAttenuationType, nullptr},
    {"Attenuation", "Use limits", 3, nullptr, ":/Attenuation/Attenuation_UseLimits.png", RO, getUseLimits, nullptr},
    {"Attenuation", "Start limit offset", 2, nullptr, ":/Attenuation/Attenuation_StartLimitOffset.png", RO, getStartLimit, nullptr},
    {"Attenuation", "End limit offset", 2, nullptr, ":/Attenuation/Attenuation_EndLimitOffset.png", RO, getEndLimit, nullptr},
    {"Render Shadow Details", "Type", 6, nullptr, ":/Render_Shadow_Details/Render_Shadow_Details_RenShadows.png",
     shadowTypeReadOnly, getShadowType, setShadowType},
    {"Render Shadow Details", "Map size", 6, nullptr, ":/Render_Shadow_Details/Render_Shadow_Details_MapSize.png",
     notShadowMap, getMapSize, setMapSize},
    {"Render Shadow Details", "Softness", 4, nullptr, ":/Render_Shadow_Details/Render_Shadow_Details_Softness.png",
     notShadowMap, getSoftness, setSoftness},
};

const kd::PropertyRow kTarget[] = {
    {"Geometry", "Target X", 2, nullptr, nullptr, RW, Target::X::get, Target::X::set},
    {"Geometry", "Target Y", 2, nullptr, nullptr, RW, Target::Y::get, Target::Y::set},
    {"Geometry", "Target Z", 2, nullptr, nullptr, RW, Target::Z::get, Target::Z::set},
};
}  // namespace

const kd::PropertyTable& CKdLightPE::Table() {
  static const kd::PropertyTable table(&OdDbLight::desc, kRows);
  return table;
}

CKdString CKdLightPE::GetDisplayName(const OdDbObject*) const { return kd::entityType("Light"); }

void CKdLightPE::GetPropertyNames(const OdDbObject* object, CKdPropertiesContainer*& container,
                                  const OdRxClass* filterClass) const {
  container = nullptr;
  CKdPropertyPEImpl::GetPropertyNames(object, container, filterClass);
  if (container) Table().addTo(container, filterClass);
}

void CKdLightPE::AddDynamicProperties(const OdDbObject* object, CKdPropertiesContainer* container) const {
  OdDbLightPtr l = kd::readable<L>(object);
  if (l.isNull() || !l->isTargeted()) return;
  for (const kd::PropertyRow& row : kTarget) kd::addDynamic(container, row);
}
