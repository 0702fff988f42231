#pragma once
// Raster images: a picture file (the definition, shared by every image of
// it) placed by an origin and two vectors spanning its width and height,
// possibly clipped; wipeouts are images without a file that mask what lies
// below. The drawing keeps the definitions in "ACAD_IMAGE_DICT" of its
// named objects; each image links to its definition through a reactor
// object, named in the definition's reactors.
#include "Db/DbEntity.h"
#include "Ge/GePoint2d.h"
#include "Ge/GeVector2d.h"
#include "Ge/GePointArrays.h"

// The 2D points a subclass holds at the code (x) and the code + 10 (y), in
// order: clip boundaries of images and underlays.
OdGePoint2dArray odDbReadPoints2d(const OdDxfIn& in, const char* subclass, int code);
void odDbWritePoints2d(OdDxfOut& out, const OdGePoint2dArray& points, int code);

class OdDbRasterImageDef : public OdDbObject {
public:
  ODRX_DECLARE_MEMBERS(OdDbRasterImageDef)
public:
  enum Units { kNone = 0, kMillimeter = 1, kCentimeter = 2, kMeter = 3, kKilometer = 4, kInch = 5, kFoot = 6, kYard = 7, kMile = 8 };
  // The file as the drawing names it (absolute, relative or bare).
  OdString sourceFileName() const;
  void setSourceFileName(const OdString& path);
  // Size in pixels.
  OdGeVector2d size() const;
  // Size of one pixel in the resolution unit.
  OdGeVector2d resolutionMMPerPixel() const;
  OdGeVector2d pixelSize() const;
  Units resolutionUnits() const;
  // Pixel count, pixel size in the unit, the unit; sizes must be positive.
  OdResult setImage(const OdGeVector2d& pixels, const OdGeVector2d& pixelSize, Units units);
  bool isLoaded() const;

  // The drawing's image dictionary; created when asked and missing.
  static OdDbObjectId imageDictionary(OdDbDatabase* db);
  static OdDbObjectId createImageDictionary(OdDbDatabase* db);

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdString m_file;
  OdGeVector2d m_size{1, 1}, m_pixel{1, 1};
  int m_units = kNone, m_version = 0;
  bool m_loaded = true;
};
typedef OdSmartPtr<OdDbRasterImageDef> OdDbRasterImageDefPtr;

// How the drawing shows its images: frames, quality and the unit of
// pictures inserted without one ("ACAD_IMAGE_VARS" of the named objects).
class OdDbRasterVariables : public OdDbObject {
public:
  ODRX_DECLARE_MEMBERS(OdDbRasterVariables)
public:
  enum FrameSettings { kImageFrameOff = 0, kImageFrameAbove = 1, kImageFrameBelow = 2 };
  enum ImageQuality { kImageQualityDraft = 0, kImageQualityHigh = 1 };
  int imageFrame() const;
  OdResult setImageFrame(int frame);
  int imageQuality() const;
  OdResult setImageQuality(int quality);
  // An image definition's resolution unit (0 none, 2 cm, 5 inch...).
  int userScale() const;
  OdResult setUserScale(int units);
  // The drawing's object; made when asked and missing (a drawing's first image).
  static OdDbObjectId openRasterVariables(OdDbDatabase* db);

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  int m_version = 0, m_frame = kImageFrameAbove, m_quality = kImageQualityHigh, m_units = 0;
};
typedef OdSmartPtr<OdDbRasterVariables> OdDbRasterVariablesPtr;

// The link from an image to its definition.
class OdDbRasterImageDefReactor : public OdDbObject {
public:
  ODRX_DECLARE_MEMBERS(OdDbRasterImageDefReactor)
public:
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  int m_version = 2;
};

class OdDbRasterImage : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbRasterImage)
public:
  enum ImageDisplayOpt { kShow = 1, kShowUnAligned = 2, kClip = 4, kTransparent = 8 };
  enum ClipBoundaryType { kInvalid = 0, kRect = 1, kPoly = 2 };

  // Origin (lower left corner) and the vectors along the whole width and height, in world coordinates.
  void getOrientation(OdGePoint3d& origin, OdGeVector3d& u, OdGeVector3d& v) const;
  // Refused for non-finite values or vectors of no length or in one direction.
  OdResult setOrientation(const OdGePoint3d& origin, const OdGeVector3d& u, const OdGeVector3d& v);
  // Size in pixels: of the definition as the image saw it (a wipeout's is 1 by 1).
  OdGeVector2d imageSize() const;
  void setImageSize(const OdGeVector2d& pixels);
  OdDbObjectId imageDefId() const;
  // Links the image to the definition (both in the database): the reactor
  // object is made and named in the definition's reactors.
  OdResult setImageDefId(OdDbObjectId defId);
  OdDbObjectId reactorId() const;

  OdInt8 brightness() const;
  OdInt8 contrast() const;
  OdInt8 fade() const;
  // 0 to 100; other values are refused.
  OdResult setBrightness(OdInt8 value);
  OdResult setContrast(OdInt8 value);
  OdResult setFade(OdInt8 value);
  bool isSetDisplayOpt(ImageDisplayOpt option) const;
  void setDisplayOpt(ImageDisplayOpt option, bool on);

  // The clip boundary in pixel coordinates (origin at the upper left corner
  // of the picture, y downwards), closed for polygons.
  ClipBoundaryType clipBoundaryType() const;
  const OdGePoint2dArray& clipBoundary() const;
  OdResult setClipBoundary(ClipBoundaryType type, const OdGePoint2dArray& points);
  bool isClipped() const;
  void setClipped(bool on);
  // Shows what lies outside the boundary instead of inside it.
  bool isClipInverted() const;
  void setClipInverted(bool on);

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;
  OdResult transformBy(const OdGeMatrix3d& transform) override;

protected:
  // The subclass marker of the class's fields.
  virtual const char* dxfMarker() const { return "AcDbRasterImage"; }

private:
  OdGePoint3d m_origin;
  OdGeVector3d m_uPixel{1, 0, 0}, m_vPixel{0, 1, 0};
  OdGeVector2d m_size{1, 1};
  OdDbObjectId m_def, m_reactor;
  int m_version = 0, m_display = kShow | kShowUnAligned, m_boundaryType = kRect;
  bool m_clipped = false, m_inverted = false;
  OdInt8 m_brightness = 50, m_contrast = 50, m_fade = 0;
  OdGePoint2dArray m_boundary;
};
typedef OdSmartPtr<OdDbRasterImage> OdDbRasterImagePtr;

class OdDbWipeout : public OdDbRasterImage {
public:
  ODRX_DECLARE_MEMBERS(OdDbWipeout)
public:
  // A wipeout over the closed polygon (world points in one plane, at least three).
  OdResult setFrom(const OdGePoint3dArray& points, const OdGeVector3d& normal = OdGeVector3d::kZAxis);

protected:
  const char* dxfMarker() const override { return "AcDbWipeout"; }
};
typedef OdSmartPtr<OdDbWipeout> OdDbWipeoutPtr;
