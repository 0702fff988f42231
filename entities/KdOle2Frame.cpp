#include "KdOle2Frame.h"

#include "Db/DbOle2Frame.h"
#include "KdAccess.h"
#include "KdChoiceLists.h"
#include "KdText.h"

namespace {
typedef CKdPropertyDescription Desc;
typedef OdDbOle2Frame F;
const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;
typedef CKdPropertyType T;

// The position shown is the frame's upper left corner.
OdGePoint3d cornerOf(const F& f) {
  F::Rectangle r;
  f.position(r);
  return r.upperLeft;
}
double widthOf(const F& f) {
  F::Rectangle r;
  f.position(r);
  return r.upperLeft.distanceTo(r.upperRight);
}
double heightOf(const F& f) {
  F::Rectangle r;
  f.position(r);
  return r.upperLeft.distanceTo(r.lowerLeft);
}

template <int Axis>
CKdVariant getPosition(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<F>(object, [&](const F& f) { return CKdVariant(kd::ucsComponent(object, cornerOf(f), Axis), true); });
}
// A move by the difference, through the frame's own transformation.
template <int Axis>
int setPosition(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbOle2FramePtr f = kd::writable<F>(object, value, CKdVariant::kDouble);
  if (f.isNull()) return KD_PROPERTY_FAILED;
  const OdGePoint3d before = cornerOf(*f);
  OdGePoint3d after = before;
  if (!kd::replaceUcsComponent(object, after, Axis, value.GetDouble())) return KD_PROPERTY_OK;
  OdGeMatrix3d move;
  move.setToTranslation(after - before);
  return f->transformBy(move) == eOk ? KD_PROPERTY_OK : KD_PROPERTY_FAILED;
}

CKdVariant getWidth(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<F>(object, [](const F& f) { return CKdVariant(widthOf(f), true); });
}
CKdVariant getHeight(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<F>(object, [](const F& f) { return CKdVariant(heightOf(f), true); });
}
// The size follows from the scales: a direct edit is refused.
int refuse(const OdDbObject*, const Desc&, const CKdVariant&, const CKdVariant&) { return KD_PROPERTY_FAILED; }

// A scale the file did not keep is the frame at its own size.
double shownScale(double stored) { return stored > 1e-10 || stored < -1e-10 ? stored : 100.0; }
CKdVariant getScaleWidth(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<F>(object, [](const F& f) { return CKdVariant(shownScale(f.scaleWidth()), true); });
}
CKdVariant getScaleHeight(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<F>(object, [](const F& f) { return CKdVariant(shownScale(f.scaleHeight()), true); });
}
template <OdResult (F::*Set)(double)>
int setScale(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbOle2FramePtr f = kd::writable<F>(object, value, CKdVariant::kDouble);
  if (f.isNull()) return KD_PROPERTY_FAILED;
  if (f->xData(L"ACAD").isNull()) f->setRotation(f->rotation());
  return ((*f).*Set)(value.GetDouble()) == eOk ? KD_PROPERTY_OK : KD_PROPERTY_FAILED;
}

void lock(F& f, bool on) { f.setLockAspect(on); }
typedef kd::FlagChoice<F, &F::lockAspect, lock, kd::BoolLabels::YesNo> LockAspect;

const char* typeText(int type) {
  switch (type) {
    case F::kLink: return "Link";
    case F::kEmbedded: return "Embedded";
    case F::kStatic: return "Static";
    default: return "Unknown";
  }
}
CKdVariant getType(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<F>(object, [](const F& f) { return CKdVariant(kd::value(typeText(f.getType()))); });
}
CKdVariant getQuality(const OdDbObject* object, const Desc&, const CKdVariant&) {
  static const kd::Choice kQualities[] = {{"Monochrome", 0}, {"Low graphics", 1}, {"High graphics", 2}};
  OdDbOle2FramePtr f = kd::readable<F>(object);
  return f.isNull() ? CKdVariant() : kd::enumList(kQualities, f->outputQuality());
}
int setQuality(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbOle2FramePtr f = kd::writable<F>(object, value, CKdVariant::kCollectionElement);
  long tag;
  if (f.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
  f->setOutputQuality(int(tag));
  return KD_PROPERTY_OK;
}
CKdVariant getSource(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<F>(object, [](const F& f) { return CKdVariant(CKdString(f.getUserType())); });
}

const kd::PropertyRow kRows[] = {
    {"Geometry", "Position X", 2, T::kCoordinateXGUID, ":/Geometry/Geometry_PositionX.png", RW, getPosition<0>, setPosition<0>},
    {"Geometry", "Position Y", 2, T::kCoordinateYGUID, ":/Geometry/Geometry_PositionY.png", RW, getPosition<1>, setPosition<1>},
    {"Geometry", "Position Z", 2, T::kCoordinateZGUID, ":/Geometry/Geometry_PositionZ.png", RW, getPosition<2>, setPosition<2>},
    {"Geometry", "Width", 0, nullptr, ":/Geometry/Geometry_Width.png", RW, getWidth, refuse},
    {"Geometry", "Height", 0, nullptr, ":/Geometry/Geometry_Height.png", RW, getHeight, refuse},
    {"Geometry", "Scale width %", 0, nullptr, ":/Geometry/Geometry_ScaleWidth.png", RW, getScaleWidth, setScale<&F::setScaleWidth>},
    {"Geometry", "Scale height %", 0, nullptr, ":/Geometry/Geometry_ScaleHeight.png", RW, getScaleHeight, setScale<&F::setScaleHeight>},
    {"Geometry", "Lock aspect ratio", 0, nullptr, ":/Geometry/Geometry_LockAspect.png", RW, LockAspect::get, LockAspect::set},
    {"Misc", "Type", 0, nullptr, ":/Misc/Misc_Type.png", RO, getType, nullptr},
    {"Misc", "Print quality", 0, nullptr, ":/Misc/Misc_PlotQuality.png", RW, getQuality, setQuality},
    {"Misc", "Source application", 0, nullptr, ":/Misc/Misc_SourceApplication.png", RO, getSource, nullptr},
};
}  // namespace

KD_DEFINE_PROPERTY_PE(CKdOle2FramePE, CKdEntityPE, OdDbOle2Frame, "OLE", kRows)
KD_DEFINE_EMPTY_PROPERTY_PE(CKdProxyEntityPE, CKdEntityPE, OdDbProxyEntity, "ProxyEntity")

void CKdOle2FrameInfo::PrintObjectInfo(const OdDbObject* object, CKdPrintInfoContext* context) const {
  kd::printListing<F>(*this, object, context, [](const F& f, CKdPrintInfoContext& out) {
    out.PrintString(kd::infoItem("Type"), kd::infoValue(typeText(f.getType())));
    out.PrintString(kd::infoItem("Source Application"), CKdString(f.getUserType()));
    out.PrintPoint(kd::infoItem("Position"), cornerOf(f));
    out.PrintDist(kd::infoItem("Width"), widthOf(f));
    out.PrintDist(kd::infoItem("Height"), heightOf(f));
    out.PrintAngle(kd::infoItem("Rotation:"), f.rotation());
    const int q = f.outputQuality();
    out.PrintString(kd::infoItem("Print Quality"),
                    kd::infoValue(q == 0 ? "Monochrome" : q == 1 ? "Low Graphics" : q == 2 ? "High Graphics" : "Unknown"));
  });
}
