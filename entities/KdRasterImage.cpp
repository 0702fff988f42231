#include "KdRasterImage.h"

#include <QFileInfo>
#include <cmath>

#include "CKdDocument.h"
#include "CKdUtils.h"
#include "Db/DbRasterImage.h"
#include "Ge/GeConst.h"
#include "Ge/GeVector2d.h"
#include "KdAccess.h"
#include "KdChoiceLists.h"
#include "KdText.h"

namespace {
typedef CKdPropertyDescription Desc;
typedef OdDbRasterImage I;
const auto RW = &CKdPropertyPEImpl::IsReadOnlyFalse;
const auto RO = &CKdPropertyPEImpl::IsReadOnlyTrue;
typedef CKdPropertyType T;

struct Orientation {
  OdGePoint3d origin;
  OdGeVector3d u, v;
};
Orientation orientationOf(const I& image) {
  Orientation o;
  image.getOrientation(o.origin, o.u, o.v);
  return o;
}

// ---- adjustments: integers from 0 to 100
typedef kd::IntegerInRange<I, OdInt8, &I::brightness, &I::setBrightness, 0, 100> Brightness;
typedef kd::IntegerInRange<I, OdInt8, &I::contrast, &I::setContrast, 0, 100> Contrast;
typedef kd::IntegerInRange<I, OdInt8, &I::fade, &I::setFade, 0, 100> Fade;

// ---- position: the origin in the UCS
template <int Axis>
CKdVariant getPosition(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<I>(object, [&](const I& i) {
    return CKdVariant(kd::ucsComponent(object, orientationOf(i).origin, Axis), true);
  });
}
template <int Axis>
int setPosition(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbRasterImagePtr i = kd::writable<I>(object, value, CKdVariant::kDouble);
  if (i.isNull()) return KD_PROPERTY_FAILED;
  Orientation o = orientationOf(*i);
  if (kd::replaceUcsComponent(object, o.origin, Axis, value.GetDouble())) i->setOrientation(o.origin, o.u, o.v);
  return KD_PROPERTY_OK;
}

// ---- rotation: the angle of the width direction in the XY plane
double rotationOf(const OdGeVector3d& u) {
  const OdGeVector2d flat(u.x, u.y);
  if (flat.length() <= 1e-10) return 0.0;
  const double a = flat.angle();
  return a < 0 ? a + 2 * OdaPI : a;
}
CKdVariant getRotation(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<I>(object, [](const I& i) { return CKdVariant(rotationOf(orientationOf(i).u), true); });
}
int setRotation(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbRasterImagePtr i = kd::writable<I>(object, value, CKdVariant::kDouble);
  if (i.isNull()) return KD_PROPERTY_FAILED;
  Orientation o = orientationOf(*i);
  const OdGeVector3d n = o.u.crossProduct(o.v);
  const double a = rotationOf(o.u);
  o.u.rotateBy(-a, n).rotateBy(value.GetDouble(), n);
  o.v.rotateBy(-a, n).rotateBy(value.GetDouble(), n);
  i->setOrientation(o.origin, o.u, o.v);
  return KD_PROPERTY_OK;
}

// ---- size: the aspect ratio stays
CKdVariant getWidth(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<I>(object, [](const I& i) { return CKdVariant(orientationOf(i).u.length(), true); });
}
CKdVariant getHeight(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<I>(object, [](const I& i) { return CKdVariant(orientationOf(i).v.length(), true); });
}
template <bool Width>
int setSize(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbRasterImagePtr i = kd::writable<I>(object, value, CKdVariant::kDouble);
  if (i.isNull()) return KD_PROPERTY_FAILED;
  const double size = value.GetDouble();
  if (!(size > 0.0)) return kd::reject(Width ? "Invalid value for property Width" : "Invalid value for property Height");
  Orientation o = orientationOf(*i);
  OdGeVector3d& side = Width ? o.u : o.v;
  OdGeVector3d& other = Width ? o.v : o.u;
  const double ratio = other.length() / side.length();
  side.normalizeGetLength(1e-300);
  other.normalizeGetLength(1e-300);
  side *= size;
  other *= ratio * size;
  i->setOrientation(o.origin, o.u, o.v);
  return KD_PROPERTY_OK;
}

// ---- scale: the width over the width the definition's picture has in drawing units
OdInt16 drawingUnits(const OdDbObject* object) {
  CKdDocument* doc = ACTIVE_DOCUMENT();
  const OdInt16 units = doc ? doc->GetKdDatabase()->GetInsertionUnits()
                            : (object->database() ? object->database()->getINSUNITS() : 0);
  return units == 8 || units == 9 || (units >= 11 && units <= 20) ? 0 : units;
}
// The picture's size at scale 1; 1 by 1 without a definition or units.
OdGeVector2d referenceSize(const OdDbObject* object, const I& image) {
  OdDbRasterImageDefPtr def = OdDbRasterImageDef::cast(image.imageDefId().openObject());
  if (def.isNull()) return OdGeVector2d(1.0, 1.0);
  const OdGeVector2d pixels = def->size(), mm = def->resolutionMMPerPixel();
  const OdInt16 units = def->resolutionUnits() == OdDbRasterImageDef::kNone ? 0 : drawingUnits(object);
  if (units == 0) return OdGeVector2d(1.0, 1.0);
  return OdGeVector2d(CKdUtils::transformMMToUnit(pixels.x * mm.x, units, true),
                      CKdUtils::transformMMToUnit(pixels.y * mm.y, units, false));
}
bool hasDefinition(const I& image) { return !OdDbRasterImageDef::cast(image.imageDefId().openObject()).isNull(); }

CKdVariant getScale(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<I>(object, [&](const I& i) {
    if (!hasDefinition(i)) return CKdVariant(1.0, false);
    return CKdVariant(orientationOf(i).u.length() / referenceSize(object, i).x, false);
  });
}
int setScale(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
  OdDbRasterImagePtr i = kd::writable<I>(object, value, CKdVariant::kDouble);
  if (i.isNull()) return KD_PROPERTY_FAILED;
  const double scale = value.GetDouble();
  if (scale <= 0.0) return kd::reject("Invalid argument scaleFactor in ScaleFactor property?");
  const OdGeVector2d reference = referenceSize(object, *i);
  Orientation o = orientationOf(*i);
  o.u = o.u.normal() * (scale * reference.x);
  o.v = o.v.normal() * (scale * reference.y);
  i->setOrientation(o.origin, o.u, o.v);
  return KD_PROPERTY_OK;
}

// ---- display options
template <I::ImageDisplayOpt Option>
struct DisplayOption {
  static CKdVariant get(const OdDbObject* object, const Desc&, const CKdVariant&) {
    OdDbRasterImagePtr i = kd::readable<I>(object);
    return i.isNull() ? CKdVariant() : kd::booleanList(i->isSetDisplayOpt(Option), kd::BoolLabels::YesNo);
  }
  static int set(const OdDbObject* object, const Desc&, const CKdVariant& value, const CKdVariant&) {
    OdDbRasterImagePtr i = kd::writable<I>(object, value, CKdVariant::kCollectionElement);
    long tag = 0;
    if (i.isNull() || !kd::choiceTag(value, tag)) return KD_PROPERTY_FAILED;
    if (tag == 0 || tag == 1) i->setDisplayOpt(Option, tag == 1);
    return KD_PROPERTY_OK;
  }
};

// ---- the picture file (images only)
CKdString sourceFile(const I& image) {
  // An id naming no definition (or another kind of object) gives no file.
  OdDbRasterImageDefPtr def = OdDbRasterImageDef::cast(image.imageDefId().openObject());
  return def.isNull() ? CKdString() : CKdString(def->sourceFileName());
}
CKdVariant getName(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<I>(object, [](const I& i) {
    const CKdString path = sourceFile(i);
    return CKdVariant(path.isEmpty() ? path : CKdString(QFileInfo(path.toQString()).completeBaseName()));
  });
}
CKdVariant getPath(const OdDbObject* object, const Desc&, const CKdVariant&) {
  return kd::readAs<I>(object, [](const I& i) { return CKdVariant(sourceFile(i)); });
}

const kd::PropertyRow kRows[] = {
    {"Image Adjust", "Brightness", 0, nullptr, ":/Image_Adjust/Image_Adjust_Brightness.png", RW, Brightness::get, Brightness::set},
    {"Image Adjust", "Contrast", 0, nullptr, ":/Image_Adjust/Image_Adjust_Contrast.png", RW, Contrast::get, Contrast::set},
    {"Image Adjust", "Fade", 0, nullptr, ":/Image_Adjust/Image_Adjust_Fade.png", RW, Fade::get, Fade::set},
    {"Geometry", "Position X", 2, T::kCoordinateXGUID, ":/Geometry/Geometry_PositionX.png", RW, getPosition<0>, setPosition<0>},
    {"Geometry", "Position Y", 2, T::kCoordinateYGUID, ":/Geometry/Geometry_PositionY.png", RW, getPosition<1>, setPosition<1>},
    {"Geometry", "Position Z", 2, T::kCoordinateZGUID, ":/Geometry/Geometry_PositionZ.png", RW, getPosition<2>, setPosition<2>},
    {"Geometry", "Rotation", 2, T::kAngleGUID, ":/Geometry/Geometry_Rotation.png", RW, getRotation, setRotation},
    {"Geometry", "Width", 0, nullptr, ":/Geometry/Geometry_Width.png", RW, getWidth, setSize<true>},
    {"Geometry", "Height", 0, nullptr, ":/Geometry/Geometry_Height.png", RW, getHeight, setSize<false>},
    {"Geometry", "Scale", 0, nullptr, ":/Geometry/Geometry_ScaleMask.png", RW, getScale, setScale},
    {"Misc", "Show image", 0, nullptr, ":/Misc/Misc_ShowImage.png", RW, DisplayOption<I::kShow>::get, DisplayOption<I::kShow>::set},
    {"Misc", "Show clipped", 0, nullptr, ":/Misc/Misc_ShowClipped.png", RW, DisplayOption<I::kClip>::get, DisplayOption<I::kClip>::set},
    {"Misc", "Transparency", 0, nullptr, ":/Misc/Misc_Transparency.png", RW, DisplayOption<I::kTransparent>::get,
     DisplayOption<I::kTransparent>::set},
};

const kd::PropertyRow kFile[] = {
    {"Misc", "Name", 3, nullptr, nullptr, RO, getName, nullptr},
    {"Misc", "Path", 3, nullptr, nullptr, RO, getPath, nullptr},
};
}  // namespace

const kd::PropertyTable& CKdRasterImagePE::Table() {
  static const kd::PropertyTable table(&OdDbRasterImage::desc, kRows);
  return table;
}

CKdString CKdRasterImagePE::GetDisplayName(const OdDbObject*) const { return kd::entityType("Image"); }

void CKdRasterImagePE::GetPropertyNames(const OdDbObject* object, CKdPropertiesContainer*& container,
                                        const OdRxClass* filterClass) const {
  container = nullptr;
  CKdEntityPE::GetPropertyNames(object, container, filterClass);
  if (container) Table().addTo(container, filterClass);
}

void CKdRasterImagePE::AddDynamicProperties(const OdDbObject* object, CKdPropertiesContainer* container) const {
  if (OdDbRasterImage::cast(object).isNull() || !OdDbWipeout::cast(object).isNull()) return;
  for (const kd::PropertyRow& row : kFile) kd::addDynamic(container, row);
}
