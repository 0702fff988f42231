#include "KdViewport.h"

#include <cmath>

#include "CKdDatabase.h"
#include "Db/DbLayout.h"
#include "Db/DbViewport.h"
#include "KdAccess.h"
#include "KdChoiceLists.h"
#include "KdText.h"

namespace {
typedef CKdPropertyDescription Desc;
typedef OdDbViewport V;
const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;
typedef CKdPropertyType T;

// The host reports 0 while no layout viewport is active: a viewport not yet
// numbered (0) is then no active one.
bool isActive(const V& vp) {
  const OdInt16 active = CKdDatabase(vp.database()).GetActiveViewportNumber();
  return vp.database() && active > 0 && vp.number() == active;
}

// The current layout's sheet viewport, a clipped one and one that cannot be
// read keep their place and size.
bool geometryReadOnly(const OdDbObject* object, const Desc&) {
  OdDbViewportPtr vp = kd::readable<V>(object);
  if (vp.isNull() || !vp->nonRectClipEntityId().isNull()) return true;
  OdDbDatabase* db = vp->database();
  OdDbLayoutPtr layout = db ? OdDbLayout::cast(db->currentLayoutId().openObject()) : OdDbLayoutPtr();
  return !layout.isNull() && layout->overallVportId() == vp->objectId();
}
bool scaleReadOnly(const OdDbObject* object, const Desc&) {
  OdDbViewportPtr vp = kd::readable<V>(object);
  return vp.isNull() || vp->isLocked();
}

template <int Axis>
CKdVariant getCenter(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<V>(object, [&](const V& vp) {
    if (!isActive(vp)) return CKdVariant(kd::ucsComponent(object, vp.centerPoint(), Axis), true);
    if (Axis == 2) return CKdVariant(0.0, true);
    const double c = Axis == 0 ? vp.viewCenter().x + vp.viewTarget().x : vp.viewCenter().y + vp.viewTarget().y;
    return CKdVariant(c, true);
  });
}
template <int Axis>
int setCenter(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbViewportPtr vp = kd::writable<V>(object, value, CKdVariant::kDouble);
  if (vp.isNull()) return KD_PROPERTY_FAILED;
  OdGePoint3d c = vp->centerPoint();
  if (kd::replaceUcsComponent(object, c, Axis, value.GetDouble())) vp->setCenterPoint(c);
  return KD_PROPERTY_OK;
}

// The live view's field for the active viewport, the stored size otherwise.
template <bool Height>
CKdVariant getSize(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<V>(object, [](const V& vp) {
    if (!isActive(vp)) return CKdVariant(Height ? vp.height() : vp.width(), true);
    try {
      OdRxObject* x = vp.x(OdAbstractViewPE::desc());
      OdAbstractViewPEPtr view(static_cast<OdAbstractViewPE*>(x), kOdRxObjAttach);
      return CKdVariant(Height ? view->fieldHeight(&vp) : view->fieldWidth(&vp), true);
    } catch (const OdError&) {
      return CKdVariant();  // no view service: no value
    }
  });
}
template <bool Height>
int setSize(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbViewportPtr vp = kd::writable<V>(object, value, CKdVariant::kDouble);
  if (vp.isNull()) return KD_PROPERTY_FAILED;
  if (!(value.GetDouble() > 0.0)) return kd::reject("Invalid input");
  return (Height ? vp->setHeight(value.GetDouble()) : vp->setWidth(value.GetDouble())) == eOk ? KD_PROPERTY_OK
                                                                                          : KD_PROPERTY_FAILED;
}

void turn(V& vp, bool on) { on ? vp.setOn() : vp.setOff(); }
void lock(V& vp, bool on) { on ? vp.setLocked() : vp.setUnlocked(); }
void ucsPerViewport(V& vp, bool on) { vp.setUcsPerViewport(on); }
void noChange(V&, bool) {}
typedef kd::FlagChoice<V, &V::isOn, turn, kd::BoolLabels::YesNo> On;
typedef kd::FlagChoice<V, &V::isNonRectClipOn, noChange, kd::BoolLabels::YesNo> Clipped;
typedef kd::FlagChoice<V, &V::isLocked, lock, kd::BoolLabels::YesNo> Locked;
typedef kd::FlagChoice<V, &V::isUcsSavedWithViewport, ucsPerViewport, kd::BoolLabels::YesNo> UcsPerViewport;

// The drawing's named scales after "Scaled to fit" and "Custom scale"; the
// first scale of the viewport's ratio is selected, else "Custom scale".
CKdVariant getStandardScale(const OdDbObject* object, const Desc&, const CKdVariant&) {
  OdDbViewportPtr vp = kd::readable<V>(object);
  if (vp.isNull()) return CKdVariant();
  CKdDatabase db(vp->database());
  std::vector<CKdScaleList::Entry> scales;
  CKdScaleList(&db).GetScaleList(scales, 2);
  CKdVariantCollection list;
  list.Add(CKdVariantCollectionElement(CKdVariant(kd::value("Scaled to fit")), CKdVariant(0)));
  list.Add(CKdVariantCollectionElement(CKdVariant(kd::value("Custom scale")), CKdVariant(1)));
  int selected = 1;
  for (const CKdScaleList::Entry& s : scales) {
    if (selected == 1 && std::fabs(s.paperUnits / s.drawingUnits - vp->customScale()) <= 1e-10)
      selected = list.GetCount();
    list.Add(CKdVariantCollectionElement(CKdVariant(s.name), CKdVariant(s.id)));
  }
  list.SetSelectedIndex(selected);
  return CKdVariant(list);
}
int setStandardScale(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbViewportPtr vp = kd::writable<V>(object, value, CKdVariant::kCollectionElement);
  if (vp.isNull()) return KD_PROPERTY_FAILED;
  const CKdVariant tag = value.GetCollectionElement().GetTag();
  if (tag.GetType() == CKdVariant::kId) {
    OdDbScalePtr scale = OdDbScale::cast(tag.GetId().openObject());
    if (!scale.isNull()) vp->setCustomScale(scale->scale());
    return KD_PROPERTY_OK;
  }
  long standard = 0;
  if (!kd::choiceTag(value, standard)) return KD_PROPERTY_FAILED;
  vp->setStandardScale(V::StandardScaleType(standard));
  return KD_PROPERTY_OK;
}

CKdVariant getCustomScale(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<V>(object, [](const V& vp) { return CKdVariant(vp.customScale(), false); });
}
int setCustomScale(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbViewportPtr vp = kd::writable<V>(object, value, CKdVariant::kDouble);
  if (vp.isNull()) return KD_PROPERTY_FAILED;
  if (value.GetDouble() < 0.0) return kd::reject("Invalid input");
  if (value.GetDouble() == 0.0) return KD_PROPERTY_FAILED;
  vp->setCustomScale(value.GetDouble());
  return KD_PROPERTY_OK;
}

CKdVariant getShadePlot(const OdDbObject* object, const Desc&, const CKdVariant&) {
  static const kd::Choice kModes[] = {{"As displayed", 0}, {"Wireframe", 1}, {"Hidden", 2}, {"Rendered", 3}};
  OdDbViewportPtr vp = kd::readable<V>(object);
  return vp.isNull() ? CKdVariant() : kd::enumList(kModes, vp->shadePlot());
}
int setShadePlot(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbViewportPtr vp = kd::writable<V>(object, value, CKdVariant::kCollectionElement);
  long tag = 0;
  if (vp.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
  vp->setShadePlot(V::ShadePlotType(tag));
  return KD_PROPERTY_OK;
}

CKdVariant alwaysEmpty(const OdDbObject*, const Desc&, const CKdVariant&) { return CKdVariant(); }

const kd::PropertyRow kRows[] = {
    {"View", "Center X", 2, T::kCoordinateXGUID, ":/View/View_CenterX.png", geometryReadOnly, getCenter<0>, setCenter<0>},
    {"View", "Center Y", 2, T::kCoordinateYGUID, ":/View/View_CenterY.png", geometryReadOnly, getCenter<1>, setCenter<1>},
    {"View", "Center Z", 2, T::kCoordinateZGUID, ":/View/View_CenterZ.png", geometryReadOnly, getCenter<2>, setCenter<2>},
    {"View", "Height", 2, T::kHeightGUID, ":/View/View_Height.png", geometryReadOnly, getSize<true>, setSize<true>},
    {"View", "Width", 2, T::kWidthGUID, ":/View/View_Width.png", geometryReadOnly, getSize<false>, setSize<false>},
    {"Misc", "On", 0, nullptr, ":/Misc/Misc_On.png", RW, On::get, On::set},
    {"Misc", "Clipped", 0, nullptr, ":/Misc/Misc_Clipped.png", RO, Clipped::get, nullptr},
    {"Misc", "Display locked", 0, nullptr, ":/Misc/Misc_DisplayLocked.png", RW, Locked::get, Locked::set},
    {"Misc", "Standard scale", 0, nullptr, ":/Misc/Misc_StandardScale.png", scaleReadOnly, getStandardScale, setStandardScale},
    {"Misc", "Custom scale", 0, nullptr, ":/Misc/Misc_CustomScale.png", scaleReadOnly, getCustomScale, setCustomScale},
    {"Misc", "CCS per viewport", 0, nullptr, ":/Misc/Misc_UcsPerViewport.png", RW, UcsPerViewport::get, UcsPerViewport::set},
    {"Misc", "Shade print", 0, nullptr, ":/Misc/Misc_ShadePlot.png", RW, getShadePlot, setShadePlot},
    {"Misc", "Linked to sheet view", 0, nullptr, ":/Misc/Misc_LinkedToSheetView.png", RO, alwaysEmpty, nullptr},
};
}  // namespace

KD_DEFINE_PROPERTY_PE(CKdViewportPE, CKdEntityPE, OdDbViewport, "Viewport", kRows)
