#include "KdAttribute.h"

#include "CKdPropertiesContainerImpl.h"
#include "Db/DbAttribute.h"
#include "Db/DbBlockReference.h"
#include "Db/DbSymbolTable.h"
#include "Db/DbTextStyleTableRecord.h"
#include "KdAccess.h"
#include "KdChoiceLists.h"
#include "KdTextShared.h"

namespace {
typedef CKdPropertyDescription Desc;
typedef OdDbAttributeDefinition Def;

typedef kd::PlainDouble<OdDbText, &OdDbText::thickness, &OdDbText::setThickness, true> Thickness;
typedef kd::UcsPoint<OdDbText, &OdDbText::alignmentPoint, &OdDbText::setAlignmentPoint> Align;
typedef kd::UcsPoint<OdDbText, &OdDbText::position, &OdDbText::setPosition> Position;

template <OdString (Def::*Get)() const>
CKdVariant getString(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbAttributeDefinitionPtr a = kd::readable<Def>(object);
  return a.isNull() ? CKdVariant() : CKdVariant(CKdString(((*a).*Get)()));
}
template <OdResult (Def::*Set)(const OdString&)>
int setString(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbAttributeDefinitionPtr a = kd::writable<Def>(object, value, CKdVariant::kString);
  if (a.isNull()) return KD_PROPERTY_FAILED;
  ((*a).*Set)(value.GetString().toOdString());
  return KD_PROPERTY_OK;
}

// The default value goes through the field-keeping update even when it is unchanged.
CKdVariant getValue(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbAttributeDefinitionPtr a = kd::readable<Def>(object);
  return a.isNull() ? CKdVariant() : CKdVariant(CKdString(a->textString()));
}
int setValue(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbAttributeDefinitionPtr a = kd::writable<Def>(object, value, CKdVariant::kString);
  if (a.isNull()) return KD_PROPERTY_FAILED;
  kdtext::updateText(*a, value.GetString().toOdString());
  return KD_PROPERTY_OK;
}

// Only the style changes; nothing is taken over from it.
int setStyle(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbAttributeDefinitionPtr a = kd::writable<Def>(object, value, CKdVariant::kCollectionElement);
  if (a.isNull()) return KD_PROPERTY_FAILED;
  const CKdVariant& tag = value.GetCollectionElement().GetTag();
  if (tag.GetType() != CKdVariant::kId || a->setTextStyle(tag.GetId()) != eOk) return KD_PROPERTY_FAILED;
  return KD_PROPERTY_OK;
}

int setJustify(const OdDbObject* object, const Desc& d, const CKdVariant& value, const CKdVariant& context) {
  return kdtext::changeJustify(object, d, value, context, kdtext::JustifyRule::Definition);
}

// Sizes are stored as given; the drawing decides what it holds.
template <OdResult (OdDbText::*Set)(double)>
int setPlain(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbTextPtr t = kd::writable<OdDbText>(object, value, CKdVariant::kDouble);
  if (t.isNull()) return KD_PROPERTY_FAILED;
  ((*t).*Set)(value.GetDouble());
  return KD_PROPERTY_OK;
}

// Mirroring as the definition holds it, whatever its style says.
void mirrorY(OdDbText& t, bool on) { t.mirrorInY(on); }
void mirrorX(OdDbText& t, bool on) { t.mirrorInX(on); }
typedef kd::FlagChoice<OdDbText, &OdDbText::isMirroredInY, mirrorY, kd::BoolLabels::YesNo> UpsideDown;
typedef kd::FlagChoice<OdDbText, &OdDbText::isMirroredInX, mirrorX, kd::BoolLabels::YesNo> Backward;

template <OdResult (Def::*Set)(bool)>
void apply(Def& a, bool on) {
  (a.*Set)(on);
}
#define KD_FLAG(Get, Set) kd::FlagChoice<Def, &Def::Get, apply<&Def::Set>, kd::BoolLabels::YesNo>
typedef KD_FLAG(isInvisible, setInvisible) Invisible;
typedef KD_FLAG(isConstant, setConstant) Constant;
typedef KD_FLAG(isVerifiable, setVerifiable) Verify;
typedef KD_FLAG(isPreset, setPreset) Preset;
typedef KD_FLAG(lockPositionInBlock, setLockPositionInBlock) LockPosition;
#undef KD_FLAG

const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
typedef CKdPropertyType T;

const kd::PropertyRow kRows[] = {
    {"General", "Thickness", 0, nullptr, ":/General/General_Thickness.png", RW, Thickness::get, Thickness::set},
    {"Text", "Tag", 0, nullptr, ":/Text/Text_Tag.png", RW, getString<&Def::tag>, setString<&Def::setTag>},
    {"Text", "Prompt", 0, nullptr, ":/Text/Text_Prompt.png", RW, getString<&Def::prompt>, setString<&Def::setPrompt>},
    {"Text", "Value", 0, nullptr, ":/Text/Text_Value.png", RW, getValue, setValue},
    {"Text", "Style", 0, nullptr, ":/Text/Text_Style.png", RW, kd::textStyleList<OdDbText, &OdDbText::textStyle>, setStyle},
    {"Text", "Justify", 0, nullptr, ":/Text/Text_Justify.png", RW, kdtext::getJustify, setJustify},
    {"Text", "Height", 0, nullptr, ":/Text/Text_Height.png", RW, kdtext::getValue<&OdDbText::height>,
     setPlain<&OdDbText::setHeight>},
    {"Text", "Rotation", 2, T::kAngleGUID, ":/Text/Text_Rotation.png", kdtext::isRotationReadOnly,
     kdtext::getAngle<&OdDbText::rotation>, kdtext::setAngle<&OdDbText::setRotation>},
    {"Text", "Spacing", 0, nullptr, ":/Text/Text_WidthFactor.png", RW, kdtext::getValue<&OdDbText::widthFactor>,
     setPlain<&OdDbText::setWidthFactor>},
    {"Text", "Angle", 2, T::kAngleGUID, ":/Text/Text_Obliquing.png", RW, kdtext::getAngle<&OdDbText::oblique>,
     kdtext::setAngle<&OdDbText::setOblique>},
    {"Text", "Text alignment X", 0, nullptr, ":/Text/Text_TextAligmentX.png", kdtext::isAlignmentReadOnly, Align::X::get, Align::X::set},
    {"Text", "Text alignment Y", 0, nullptr, ":/Text/Text_TextAligmentY.png", kdtext::isAlignmentReadOnly, Align::Y::get, Align::Y::set},
    {"Text", "Text alignment Z", 0, nullptr, ":/Text/Text_TextAligmentZ.png", kdtext::isAlignmentReadOnly, Align::Z::get, Align::Z::set},
    {"Geometry", "Position X", 0, nullptr, ":/Geometry/Geometry_PositionX.png", kdtext::isPositionReadOnly, Position::X::get, Position::X::set},
    {"Geometry", "Position Y", 0, nullptr, ":/Geometry/Geometry_PositionY.png", kdtext::isPositionReadOnly, Position::Y::get, Position::Y::set},
    {"Geometry", "Position Z", 0, nullptr, ":/Geometry/Geometry_PositionZ.png", kdtext::isPositionReadOnly, Position::Z::get, Position::Z::set},
    {"Misc", "UpsideDown", 0, nullptr, ":/Misc/Misc_UpsideDown.png", RW, UpsideDown::get, UpsideDown::set},
    {"Misc", "Backward", 0, nullptr, ":/Misc/Misc_Backward.png", RW, Backward::get, Backward::set},
    {"Misc", "Invisible", 0, nullptr, ":/Misc/Misc_Invisible.png", RW, Invisible::get, Invisible::set},
    {"Misc", "Constant", 0, nullptr, ":/Misc/Misc_Constant.png", RW, Constant::get, Constant::set},
    {"Misc", "Verify", 0, nullptr, ":/Misc/Misc_Verify.png", RW, Verify::get, Verify::set},
    {"Misc", "Preset", 0, nullptr, ":/Misc/Misc_Preset.png", RW, Preset::get, Preset::set},
    {"Misc", "Lock position", 0, nullptr, ":/Misc/Misc_LockPosition.png", RW, LockPosition::get, LockPosition::set},
};

// The attribute a description stands for: among the reference's attributes
// whose tag equals it ignoring case, the one at its index, else the first.
OdDbObjectId findAttribute(const OdDbObject* object, const CKdAttributeDescription& d) {
  OdDbBlockReferencePtr ref = OdDbBlockReference::cast(object);
  if (ref.isNull() || !ref->isReadEnabled()) return OdDbObjectId();
  std::vector<OdDbObjectId> same;
  for (const OdDbObjectId& id : ref->attributeIds()) {
    if (id.isErased()) continue;
    OdDbAttributePtr a = OdDbAttribute::cast(id.openObject());
    if (!a.isNull() && a->tag().iCompare(d.tag.toOdString()) == 0) same.push_back(id);
  }
  if (same.empty()) return OdDbObjectId();
  return d.index >= 0 && size_t(d.index) < same.size() ? same[size_t(d.index)] : same.front();
}

CKdVariant getAttributeValue(const OdDbObject* object, const Desc& d, const CKdVariant&) {
  const auto* own = dynamic_cast<const CKdAttributeDescription*>(&d);
  OdDbAttributePtr a = own ? OdDbAttribute::cast(findAttribute(object, *own).openObject()) : OdDbAttributePtr();
  return a.isNull() ? CKdVariant() : CKdVariant(CKdString(a->textString()));
}
int setAttributeValue(const OdDbObject* object, const Desc& d, const CKdVariant& value, const CKdVariant&) {
  const auto* own = dynamic_cast<const CKdAttributeDescription*>(&d);
  if (!own || kd::writable<OdDbBlockReference>(object, value, CKdVariant::kString).isNull()) return KD_PROPERTY_FAILED;
  OdDbAttributePtr a = OdDbAttribute::cast(findAttribute(object, *own).openObject(OdDb::kForWrite));
  if (a.isNull()) return KD_PROPERTY_FAILED;
  kdtext::updateText(*a, value.GetString().toOdString());
  return KD_PROPERTY_OK;
}
// An attribute on a locked layer cannot be edited.
bool isAttributeReadOnly(const OdDbObject* object, const Desc& d) {
  const auto* own = dynamic_cast<const CKdAttributeDescription*>(&d);
  OdDbAttributePtr a = own ? OdDbAttribute::cast(findAttribute(object, *own).openObject()) : OdDbAttributePtr();
  if (a.isNull()) return false;
  OdDbLayerTableRecordPtr layer = OdDbLayerTableRecord::cast(a->layerId().openObject());
  return !layer.isNull() && layer->isLocked();
}
}  // namespace

KD_DEFINE_PROPERTY_PE(CKdAttributeDefinitionPE, CKdEntityPE, OdDbAttributeDefinition, "BlockAttributeDef", kRows)
KD_DEFINE_EMPTY_PROPERTY_PE(CKdAttributePE, CKdEntityPE, OdDbAttribute, "BlockAttribute")

CKdAttributeDescription::~CKdAttributeDescription() = default;

void CKdAttributeDescription::AddAll(const OdDbBlockReference& reference, CKdPropertiesContainer* container) {
  auto* impl = dynamic_cast<CKdPropertiesContainerImpl*>(container);
  if (!impl) return;
  std::vector<OdString> seen;
  for (const OdDbObjectId& id : reference.attributeIds()) {
    if (id.isErased()) continue;
    OdDbAttributePtr a = OdDbAttribute::cast(id.openObject());
    if (a.isNull()) continue;
    auto* d = new CKdAttributeDescription;
    d->tag = CKdString(a->tag());
    // Earlier attributes with exactly this tag.
    for (const OdString& t : seen) d->index += t == a->tag() ? 1 : 0;
    seen.push_back(a->tag());
    d->SetCategory(kd::group("BlockAttributes"));
    d->SetName(d->tag);
    d->SetIsDynamic(true);
    d->SetType(CKdPropertyTypeImpl(3, CKdString(CKdPropertyType::kAttributeGUID)));
    d->SetDescription(kd::tr("property_descriptions", "Specifies the BlockAttribute value."));
    d->PutGetMethod(getAttributeValue);
    d->PutSetMethod(setAttributeValue);
    d->PutIsReadOnlyMethod(isAttributeReadOnly);
    impl->AddDynamic(d);
  }
}

CKdString CKdAttributeDefinitionInfo::GetClassNameW(const OdDbObject*) const { return CKdString(L"BLOCKATTRIBUTEDEF"); }

void CKdAttributeDefinitionInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<Def>(*this, object, context, [](const Def& a, CKdPrintInfoContext& out) {
    OdDbObjectPtr opened = a.textStyle().openObject();
    OdDbTextStyleTableRecordPtr style = opened;  // a record of another kind is an error of the drawing
    if (style.isNull()) return;
    out.PrintString(kd::infoItem("TextStyle"), CKdString(style->getName()));
    out.PrintString(kd::infoItem("Font file"), CKdString(style->fileName()));
    out.PrintPoint(kd::infoItem("Start point"), a.position());
    out.PrintDist(kd::infoItem("height"), a.height());
    out.PrintString(kd::infoItem("text"), CKdString(a.textString()));
    out.PrintString(kd::infoItem("prompt"), CKdString(a.prompt()));
    out.PrintString(kd::infoItem("tag"), CKdString(a.tag()));
    out.PrintAngle(kd::infoItem("rotation angle"), a.rotation());
    out.PrintScale(kd::infoItem("width scale"), a.widthFactor());
    out.PrintAngle(kd::infoItem("obliquing angle"), a.oblique());
    CKdString flags;
    if (a.isInvisible()) flags += kd::infoValue("invisible ");
    if (a.isConstant()) flags += kd::infoValue("constant ");
    if (a.isVerifiable()) flags += kd::infoValue("verify ");
    if (a.isPreset()) flags += kd::infoValue("preset");
    out.PrintString(kd::infoItem("flags"), flags.isEmpty() ? kd::infoValue("normal") : flags);
  });
}
