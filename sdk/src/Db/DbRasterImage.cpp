#include "Db/DbRasterImage.h"

#include <cmath>

#include "Db/DbDatabase.h"
#include "Db/DbDictionary.h"
#include "Dxf/DxfFiler.h"
#include "Ge/GeMatrix3d.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbRasterImageDef, OdDbObject, L"IMAGEDEF", new OdDbRasterImageDef)
ODRX_DEFINE_MEMBERS_EX(OdDbRasterImageDefReactor, OdDbObject, L"IMAGEDEF_REACTOR", new OdDbRasterImageDefReactor)
ODRX_DEFINE_MEMBERS_EX(OdDbRasterVariables, OdDbObject, L"RASTERVARIABLES", new OdDbRasterVariables)
ODRX_DEFINE_MEMBERS_EX(OdDbRasterImage, OdDbEntity, L"IMAGE", new OdDbRasterImage)
ODRX_DEFINE_MEMBERS_EX(OdDbWipeout, OdDbRasterImage, L"WIPEOUT", new OdDbWipeout)

// ------------------------------------------------------------ definitions

OdString OdDbRasterImageDef::sourceFileName() const { assertReadEnabled(); return m_file; }
void OdDbRasterImageDef::setSourceFileName(const OdString& path) { assertWriteEnabled(); m_file = path; }
OdGeVector2d OdDbRasterImageDef::size() const { assertReadEnabled(); return m_size; }
OdGeVector2d OdDbRasterImageDef::pixelSize() const { assertReadEnabled(); return m_pixel; }
OdDbRasterImageDef::Units OdDbRasterImageDef::resolutionUnits() const { assertReadEnabled(); return Units(m_units); }
bool OdDbRasterImageDef::isLoaded() const { assertReadEnabled(); return m_loaded; }

OdGeVector2d OdDbRasterImageDef::resolutionMMPerPixel() const {
  assertReadEnabled();
  static const double kMillimetres[] = {1.0, 1.0, 10.0, 1000.0, 1e6, 25.4, 304.8, 914.4, 1609344.0};
  const double f = m_units >= 0 && m_units <= kMile ? kMillimetres[m_units] : 1.0;
  return OdGeVector2d(m_pixel.x * f, m_pixel.y * f);
}

OdResult OdDbRasterImageDef::setImage(const OdGeVector2d& pixels, const OdGeVector2d& pixelSize, Units units) {
  assertWriteEnabled();
  if (!(pixels.x > 0 && pixels.y > 0 && pixelSize.x > 0 && pixelSize.y > 0) || !std::isfinite(pixels.x) ||
      !std::isfinite(pixels.y) || !std::isfinite(pixelSize.x) || !std::isfinite(pixelSize.y) || units < kNone ||
      units > kMile)
    return eInvalidInput;
  m_size = pixels;
  m_pixel = pixelSize;
  m_units = units;
  return eOk;
}

namespace {
OdDbDictionaryPtr namedObjects(OdDbDatabase* db, OdDb::OpenMode mode) {
  return db ? OdDbDictionary::cast(db->getNamedObjectsDictionaryId().openObject(mode)) : OdDbDictionaryPtr();
}
}  // namespace

OdDbObjectId OdDbRasterImageDef::imageDictionary(OdDbDatabase* db) {
  return odDbNamedObjectId(db, L"ACAD_IMAGE_DICT");
}

OdDbObjectId OdDbRasterImageDef::createImageDictionary(OdDbDatabase* db) {
  const OdDbObjectId existing = imageDictionary(db);
  if (!existing.isNull()) return existing;
  OdDbDictionaryPtr nod = namedObjects(db, OdDb::kForWrite);
  if (nod.isNull()) return OdDbObjectId();
  OdDbDictionaryPtr images = OdDbDictionary::createObject();
  const OdDbObjectId id = nod->setAt(L"ACAD_IMAGE_DICT", images);
  OdDbRasterVariables::openRasterVariables(db);
  return id;
}

void OdDbRasterImageDef::dxfInFields(const OdDxfIn& in) {
  OdDbObject::dxfInFields(in);
  const char* S = "AcDbRasterImageDef";
  m_version = in.integer(S, 90, 0);
  m_file = in.string(S, 1);
  const OdGePoint3d px = in.point(S, 10, OdGePoint3d(1, 1, 0));
  const OdGePoint3d size = in.point(S, 11, OdGePoint3d(1, 1, 0));
  m_size = OdGeVector2d(px.x, px.y);
  m_pixel = OdGeVector2d(size.x, size.y);
  m_loaded = in.integer(S, 280, 1) != 0;
  m_units = in.integer(S, 281, kNone);
}

void OdDbRasterImageDef::dxfOutFields(OdDxfOut& out) const {
  OdDbObject::dxfOutFields(out);
  out.subclass("AcDbRasterImageDef");
  out.integer(90, m_version);
  out.string(1, m_file);
  out.real(10, m_size.x);
  out.real(20, m_size.y);
  out.real(11, m_pixel.x);
  out.real(21, m_pixel.y);
  out.integer(280, m_loaded ? 1 : 0);
  out.integer(281, m_units);
}

int OdDbRasterVariables::imageFrame() const { assertReadEnabled(); return m_frame; }
int OdDbRasterVariables::imageQuality() const { assertReadEnabled(); return m_quality; }
int OdDbRasterVariables::userScale() const { assertReadEnabled(); return m_units; }
OdResult OdDbRasterVariables::setImageFrame(int frame) {
  assertWriteEnabled();
  if (frame < kImageFrameOff || frame > kImageFrameBelow) return eInvalidInput;
  m_frame = frame;
  return eOk;
}
OdResult OdDbRasterVariables::setImageQuality(int quality) {
  assertWriteEnabled();
  if (quality != kImageQualityDraft && quality != kImageQualityHigh) return eInvalidInput;
  m_quality = quality;
  return eOk;
}
OdResult OdDbRasterVariables::setUserScale(int units) {
  assertWriteEnabled();
  if (units < OdDbRasterImageDef::kNone || units > OdDbRasterImageDef::kMile) return eInvalidInput;
  m_units = units;
  return eOk;
}

OdDbObjectId OdDbRasterVariables::openRasterVariables(OdDbDatabase* db) {
  const OdDbObjectId existing = odDbNamedObjectId(db, L"ACAD_IMAGE_VARS");
  if (!existing.isNull()) return existing;
  OdDbDictionaryPtr nod = namedObjects(db, OdDb::kForWrite);
  if (nod.isNull()) return OdDbObjectId();
  OdDbRasterVariablesPtr vars = OdDbRasterVariables::createObject();
  return nod->setAt(L"ACAD_IMAGE_VARS", vars);
}

void OdDbRasterVariables::dxfInFields(const OdDxfIn& in) {
  OdDbObject::dxfInFields(in);
  const char* S = "AcDbRasterVariables";
  m_version = in.integer(S, 90, 0);
  m_frame = in.integer(S, 70, kImageFrameAbove);
  m_quality = in.integer(S, 71, kImageQualityHigh);
  m_units = in.integer(S, 72, 0);
}
void OdDbRasterVariables::dxfOutFields(OdDxfOut& out) const {
  OdDbObject::dxfOutFields(out);
  out.subclass("AcDbRasterVariables");
  out.integer(90, m_version);
  out.integer(70, m_frame);
  out.integer(71, m_quality);
  out.integer(72, m_units);
}

void OdDbRasterImageDefReactor::dxfInFields(const OdDxfIn& in) {
  OdDbObject::dxfInFields(in);
  m_version = in.integer("AcDbRasterImageDefReactor", 90, 2);
}
void OdDbRasterImageDefReactor::dxfOutFields(OdDxfOut& out) const {
  OdDbObject::dxfOutFields(out);
  out.subclass("AcDbRasterImageDefReactor");
  out.integer(90, m_version);
  out.reference(330, ownerId());
}

// ----------------------------------------------------------------- images

OdGePoint2dArray odDbReadPoints2d(const OdDxfIn& in, const char* subclass, int code) {
  OdGePoint2dArray points;
  const std::vector<const OdDxfTag*> tags = in.section(subclass);
  for (size_t i = 0; i < tags.size(); ++i)
    if (tags[i]->code == code) {
      OdGePoint2d p(in.toReal(*tags[i]), 0);
      if (i + 1 < tags.size() && tags[i + 1]->code == code + 10) p.y = in.toReal(*tags[++i]);
      points.push_back(p);
    }
  return points;
}

void odDbWritePoints2d(OdDxfOut& out, const OdGePoint2dArray& points, int code) {
  for (const OdGePoint2d& p : points) {
    out.real(code, p.x);
    out.real(code + 10, p.y);
  }
}

void OdDbRasterImage::getOrientation(OdGePoint3d& origin, OdGeVector3d& u, OdGeVector3d& v) const {
  assertReadEnabled();
  origin = m_origin;
  u = m_uPixel * m_size.x;
  v = m_vPixel * m_size.y;
}

OdResult OdDbRasterImage::setOrientation(const OdGePoint3d& origin, const OdGeVector3d& u, const OdGeVector3d& v) {
  assertWriteEnabled();
  if (!origin.isFinite() || !u.isFinite() || !v.isFinite()) return eInvalidInput;
  if (u.isZeroLength() || v.isZeroLength() || u.crossProduct(v).isZeroLength()) return eInvalidInput;
  if (!(m_size.x > 0 && m_size.y > 0)) return eInvalidInput;
  m_origin = origin;
  m_uPixel = u / m_size.x;
  m_vPixel = v / m_size.y;
  return eOk;
}

OdGeVector2d OdDbRasterImage::imageSize() const { assertReadEnabled(); return m_size; }

void OdDbRasterImage::setImageSize(const OdGeVector2d& pixels) {
  assertWriteEnabled();
  if (!(pixels.x > 0 && pixels.y > 0) || !std::isfinite(pixels.x) || !std::isfinite(pixels.y)) return;
  // The picture keeps its place and size in the drawing.
  m_uPixel *= m_size.x / pixels.x;
  m_vPixel *= m_size.y / pixels.y;
  m_size = pixels;
}

OdDbObjectId OdDbRasterImage::imageDefId() const { assertReadEnabled(); return m_def; }
OdDbObjectId OdDbRasterImage::reactorId() const { assertReadEnabled(); return m_reactor; }

OdResult OdDbRasterImage::setImageDefId(OdDbObjectId defId) {
  assertWriteEnabled();
  OdDbDatabase* db = database();
  OdDbRasterImageDefPtr def = OdDbRasterImageDef::cast(defId.openObject(OdDb::kForWrite));
  if (!db || def.isNull()) return eInvalidInput;
  // The old definition forgets this image.
  if (!m_reactor.isNull()) {
    OdDbObjectPtr old = m_def.openObject(OdDb::kForWrite);
    if (!old.isNull()) old->removePersistentReactor(m_reactor);
  }
  if (m_reactor.isNull()) {
    OdDbObjectPtr reactor = OdDbRasterImageDefReactor::createObject();
    m_reactor = db->addOdDbObject(reactor, objectId());
    reactor->addPersistentReactor(objectId());
  }
  def->addPersistentReactor(m_reactor);
  m_def = defId;
  setImageSize(def->size());
  return eOk;
}

OdInt8 OdDbRasterImage::brightness() const { assertReadEnabled(); return m_brightness; }
OdInt8 OdDbRasterImage::contrast() const { assertReadEnabled(); return m_contrast; }
OdInt8 OdDbRasterImage::fade() const { assertReadEnabled(); return m_fade; }

namespace {
OdResult setPercent(OdInt8& member, OdInt8 value) {
  if (value < 0 || value > 100) return eInvalidInput;
  member = value;
  return eOk;
}
}  // namespace
OdResult OdDbRasterImage::setBrightness(OdInt8 value) { assertWriteEnabled(); return setPercent(m_brightness, value); }
OdResult OdDbRasterImage::setContrast(OdInt8 value) { assertWriteEnabled(); return setPercent(m_contrast, value); }
OdResult OdDbRasterImage::setFade(OdInt8 value) { assertWriteEnabled(); return setPercent(m_fade, value); }

bool OdDbRasterImage::isSetDisplayOpt(ImageDisplayOpt option) const { assertReadEnabled(); return (m_display & option) != 0; }
void OdDbRasterImage::setDisplayOpt(ImageDisplayOpt option, bool on) {
  assertWriteEnabled();
  m_display = on ? (m_display | option) : (m_display & ~int(option));
}

OdDbRasterImage::ClipBoundaryType OdDbRasterImage::clipBoundaryType() const {
  assertReadEnabled();
  return ClipBoundaryType(m_boundaryType);
}
const OdGePoint2dArray& OdDbRasterImage::clipBoundary() const { assertReadEnabled(); return m_boundary; }

OdResult OdDbRasterImage::setClipBoundary(ClipBoundaryType type, const OdGePoint2dArray& points) {
  assertWriteEnabled();
  if ((type == kRect && points.size() != 2) || (type == kPoly && points.size() < 3) || (type != kRect && type != kPoly))
    return eInvalidInput;
  for (const OdGePoint2d& p : points)
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return eInvalidInput;
  m_boundaryType = type;
  m_boundary = points;
  // Polygons are stored closed.
  if (type == kPoly && (points.first().x != points.last().x || points.first().y != points.last().y))
    m_boundary.push_back(points.first());
  return eOk;
}

bool OdDbRasterImage::isClipped() const { assertReadEnabled(); return m_clipped; }
void OdDbRasterImage::setClipped(bool on) { assertWriteEnabled(); m_clipped = on; }
bool OdDbRasterImage::isClipInverted() const { assertReadEnabled(); return m_inverted; }
void OdDbRasterImage::setClipInverted(bool on) { assertWriteEnabled(); m_inverted = on; }

void OdDbRasterImage::dxfInFields(const OdDxfIn& in) {
  OdDbEntity::dxfInFields(in);
  const char* S = dxfMarker();
  m_version = in.integer(S, 90, 0);
  m_origin = in.point(S, 10);
  m_uPixel = in.vector(S, 11, OdGeVector3d::kXAxis);
  m_vPixel = in.vector(S, 12, OdGeVector3d::kYAxis);
  const OdGePoint3d size = in.point(S, 13, OdGePoint3d(1, 1, 0));
  m_size = OdGeVector2d(size.x, size.y);
  m_def = in.reference(S, 340);
  m_display = in.integer(S, 70, kShow | kShowUnAligned);
  m_clipped = in.integer(S, 280, 0) != 0;
  m_brightness = OdInt8(in.integer(S, 281, 50));
  m_contrast = OdInt8(in.integer(S, 282, 50));
  m_fade = OdInt8(in.integer(S, 283, 0));
  m_reactor = in.reference(S, 360);
  m_boundaryType = in.integer(S, 71, kRect);
  m_inverted = in.integer(S, 290, 0) != 0;
  m_boundary = odDbReadPoints2d(in, S, 14);
}

void OdDbRasterImage::dxfOutFields(OdDxfOut& out) const {
  OdDbEntity::dxfOutFields(out);
  out.subclass(dxfMarker());
  out.integer(90, m_version);
  out.point(10, m_origin);
  out.point(11, OdGePoint3d(m_uPixel.x, m_uPixel.y, m_uPixel.z));
  out.point(12, OdGePoint3d(m_vPixel.x, m_vPixel.y, m_vPixel.z));
  out.real(13, m_size.x);
  out.real(23, m_size.y);
  out.reference(340, m_def);
  out.integer(70, m_display);
  out.integer(280, m_clipped ? 1 : 0);
  out.integer(281, m_brightness);
  out.integer(282, m_contrast);
  out.integer(283, m_fade);
  out.reference(360, m_reactor);
  out.integer(71, m_boundaryType);
  out.integer(91, (long long)m_boundary.size());
  odDbWritePoints2d(out, m_boundary, 14);
  out.integerOpt(290, m_inverted ? 1 : 0, 0);
}

OdResult OdDbRasterImage::transformBy(const OdGeMatrix3d& transform) {
  assertWriteEnabled();
  OdGePoint3d origin = m_origin;
  origin.transformBy(transform);
  OdGeVector3d u = m_uPixel, v = m_vPixel;
  u.transformBy(transform);
  v.transformBy(transform);
  if (!origin.isFinite() || !u.isFinite() || !v.isFinite() || u.crossProduct(v).isZeroLength()) return eInvalidInput;
  m_origin = origin;
  m_uPixel = u;
  m_vPixel = v;
  return eOk;
}

OdResult OdDbWipeout::setFrom(const OdGePoint3dArray& points, const OdGeVector3d& normal) {
  assertWriteEnabled();
  if (points.size() < 3 || normal.isZeroLength()) return eInvalidInput;
  // The frame is the square around the polygon in its plane; the boundary
  // runs in pixel coordinates of a one-pixel picture centred on 0.
  const OdGeVector3d n = normal.normal();
  // The axes of the plane's object coordinate system.
  const OdGeVector3d x = (std::fabs(n.x) < 1.0 / 64 && std::fabs(n.y) < 1.0 / 64 ? OdGeVector3d::kYAxis.crossProduct(n)
                                                                                : OdGeVector3d::kZAxis.crossProduct(n))
                             .normal(),
                     y = n.crossProduct(x);
  double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
  for (const OdGePoint3d& p : points) {
    if (!p.isFinite()) return eInvalidInput;
    const OdGeVector3d d = p - OdGePoint3d::kOrigin;
    x0 = std::min(x0, d.dotProduct(x));
    x1 = std::max(x1, d.dotProduct(x));
    y0 = std::min(y0, d.dotProduct(y));
    y1 = std::max(y1, d.dotProduct(y));
  }
  const double side = std::max(x1 - x0, y1 - y0);
  if (!(side > 0)) return eInvalidInput;
  const double elevation = (points.first() - OdGePoint3d::kOrigin).dotProduct(n);
  const OdGePoint3d origin = OdGePoint3d::kOrigin + x * x0 + y * y0 + n * elevation;
  OdGePoint2dArray boundary;
  for (const OdGePoint3d& p : points) {
    const OdGeVector3d d = p - origin;
    boundary.push_back(OdGePoint2d(d.dotProduct(x) / side - 0.5, 0.5 - d.dotProduct(y) / side));
  }
  setImageSize(OdGeVector2d(1, 1));
  if (setOrientation(origin, x * side, y * side) != eOk) return eInvalidInput;
  setClipBoundary(kPoly, boundary);
  setClipped(true);
  setDisplayOpt(kClip, true);
  return eOk;
}
