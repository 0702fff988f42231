#pragma once
// Underlays: a sheet of another document (a PDF page, a DGN model) shown
// under the drawing. The definition names the file and the sheet and is
// kept in "ACAD_PDFDEFINITIONS" or "ACAD_DGNDEFINITIONS" of the named
// objects; references place it by position, scale and rotation.
#include <memory>
#include <vector>

#include "Db/DbEntity.h"
#include "Db/DbRasterImage.h"
#include "Ge/GePoint2d.h"
#include "Ge/GeScale3d.h"

// A layer of the referenced document, as the document sets it.
class OdUnderlayLayer {
public:
  enum State { kOff = 0, kOn = 1 };
  OdString name() const { return m_name; }
  State state() const { return m_state; }
  void setName(const OdString& name) { m_name = name; }
  void setState(State state) { m_state = state; }

private:
  OdString m_name;
  State m_state = kOn;
};

// The loaded sheet: its extents in drawing units at scale 1 and its layers.
class OdDbUnderlayItem {
public:
  OdGePoint2d minPoint, maxPoint;
  OdString name;
  std::vector<OdUnderlayLayer> layers;
};
typedef std::shared_ptr<const OdDbUnderlayItem> OdDbUnderlayItemPtr;

class OdDbUnderlayDefinition : public OdDbObject {
public:
  ODRX_DECLARE_MEMBERS(OdDbUnderlayDefinition)
public:
  OdString getSourceFileName() const;
  void setSourceFileName(const OdString& path);
  // The sheet: a PDF page number ("1"), a DGN model name ("Default").
  OdString getItemName() const;
  void setItemName(const OdString& name);
  // The sheet as loaded from the file; null while it is not loaded (the
  // file missing or not understood). The first request loads it.
  OdDbUnderlayItemPtr getUnderlayItem() const;
  bool isLoaded() const { return getUnderlayItem() != nullptr; }
  // Loads again from the file (after it changed or moved).
  OdResult load();
  // Gives the sheet as the caller knows it (a host that reads the document itself).
  void setUnderlayItem(OdDbUnderlayItemPtr item);
  // The file as found: as stored, then beside the drawing.
  OdString resolvedPath() const;

  // The named-object dictionary that keeps definitions of this kind.
  virtual const wchar_t* dictionaryKey() const { return L""; }

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

protected:
  // Reads the sheet from the file; null when the file does not give it.
  virtual OdDbUnderlayItemPtr readItem(const std::string& path) const;

private:
  OdString m_file, m_item;
  mutable OdDbUnderlayItemPtr m_loaded;
  mutable bool m_tried = false;
};
typedef OdSmartPtr<OdDbUnderlayDefinition> OdDbUnderlayDefinitionPtr;

class OdDbPdfDefinition : public OdDbUnderlayDefinition {
public:
  ODRX_DECLARE_MEMBERS(OdDbPdfDefinition)
  const wchar_t* dictionaryKey() const override { return L"ACAD_PDFDEFINITIONS"; }

protected:
  // The page's media box (in inches: one drawing unit per inch at scale 1)
  // and the document's optional content groups as layers.
  OdDbUnderlayItemPtr readItem(const std::string& path) const override;
};
typedef OdSmartPtr<OdDbPdfDefinition> OdDbPdfDefinitionPtr;

// DGN files are not read: their sheets are known only when given.
class OdDbDgnDefinition : public OdDbUnderlayDefinition {
public:
  ODRX_DECLARE_MEMBERS(OdDbDgnDefinition)
  const wchar_t* dictionaryKey() const override { return L"ACAD_DGNDEFINITIONS"; }
};
typedef OdSmartPtr<OdDbDgnDefinition> OdDbDgnDefinitionPtr;

// The PDF page a file gives, for the PDF definition and for tests: false
// when the file holds no such page.
bool odDbReadPdfPage(const std::string& bytes, int page, OdDbUnderlayItem& item);

class OdDbUnderlayReference : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbUnderlayReference)
public:
  enum Flags { kClipOn = 1, kUnderlayOn = 2, kMonochrome = 4, kAdjustForBackground = 8, kClipInverted = 16 };
  OdGePoint3d position() const;
  OdResult setPosition(const OdGePoint3d& p);
  OdGeScale3d scaleFactors() const;
  // Factors must be finite and not zero.
  OdResult setScaleFactors(const OdGeScale3d& s);
  double rotation() const;
  OdResult setRotation(double angle);
  OdGeVector3d normal() const;
  OdResult setNormal(const OdGeVector3d& n);
  OdDbObjectId definitionId() const;
  // Links to the definition; the definition names the reference among its reactors.
  OdResult setDefinitionId(OdDbObjectId id);

  bool isOn() const;
  void setIsOn(bool on);
  bool isClipped() const;
  void setIsClipped(bool on);
  bool isMonochrome() const;
  void setIsMonochrome(bool on);
  bool isAdjustedForBackground() const;
  void setIsAdjustedForBackground(bool on);
  bool isClipInverted() const;
  void setIsClipInverted(bool on);
  // Contrast 20 to 100, fade 0 to 80.
  OdUInt8 contrast() const;
  OdResult setContrast(OdUInt8 value);
  OdUInt8 fade() const;
  OdResult setFade(OdUInt8 value);
  // Clip boundary in the sheet's coordinates (before scale and rotation).
  const OdGePoint2dArray& clipBoundary() const;
  OdResult setClipBoundary(const OdGePoint2dArray& points);

  // The sheet's layers (of the definition's loaded item).
  OdUInt32 underlayLayerCount() const;
  OdResult getUnderlayLayer(int index, OdUnderlayLayer& layer) const;

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;
  OdResult transformBy(const OdGeMatrix3d& transform) override;

private:
  void setFlag(int flag, bool on);
  OdDbObjectId m_def;
  OdGePoint3d m_position;
  OdGeScale3d m_scale;
  double m_rotation = 0.0;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  int m_flags = kUnderlayOn;
  int m_contrast = 100, m_fade = 0;
  OdGePoint2dArray m_boundary;
};
typedef OdSmartPtr<OdDbUnderlayReference> OdDbUnderlayReferencePtr;

class OdDbPdfReference : public OdDbUnderlayReference {
public:
  ODRX_DECLARE_MEMBERS(OdDbPdfReference)
};
typedef OdSmartPtr<OdDbPdfReference> OdDbPdfReferencePtr;

class OdDbDgnReference : public OdDbUnderlayReference {
public:
  ODRX_DECLARE_MEMBERS(OdDbDgnReference)
};
typedef OdSmartPtr<OdDbDgnReference> OdDbDgnReferencePtr;
