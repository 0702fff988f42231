#pragma once
// Objects of other programs embedded in or linked to the drawing (OLE
// frames), and entities of classes the drawing's own program did not know
// (proxies). Both keep their data as the file holds it.
#include <string>

#include "Db/DbEntity.h"

class OdDbOle2Frame : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbOle2Frame)
public:
  enum Type { kUnknown = 0, kLink = 1, kEmbedded = 2, kStatic = 3 };
  enum PlotQuality { kMonochrome = 0, kLowGraphics = 1, kHighGraphics = 2 };
  // The frame's corners; the data's head holds all four, so a turned frame
  // keeps its turn. Frames without that head are upright.
  struct Rectangle {
    OdGePoint3d upperLeft, upperRight, lowerRight, lowerLeft;
  };
  void position(Rectangle& frame) const;
  OdResult setPosition(const Rectangle& frame);
  double rotation() const;  // of the upper edge
  OdResult setRotation(double angle);
  // Sizes in percent of the object's own size; 0 while unknown (files do not keep them).
  double scaleWidth() const;
  double scaleHeight() const;
  OdResult setScaleWidth(double percent);
  OdResult setScaleHeight(double percent);
  bool lockAspect() const;
  void setLockAspect(bool lock);
  int getType() const;
  OdString getUserType() const;
  int outputQuality() const;
  OdResult setOutputQuality(int quality);
  // The object's data as read (possibly shorter than the file said).
  const std::string& data() const { assertReadEnabled(); return m_data; }
  long declaredSize() const { assertReadEnabled(); return m_declared; }
  OdResult setData(const OdString& userType, int type, const std::string& bytes);

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;
  OdResult transformBy(const OdGeMatrix3d& transform) override;

private:
  bool hasHead() const;
  void storeHead();
  OdResult setScale(bool width, double percent);
  int m_version = 2, m_type = kEmbedded, m_tile = 0, m_quality = kHighGraphics;
  OdString m_userType;
  Rectangle m_frame;
  // The corners as the fields gave them, written back while the frame has not moved.
  OdGePoint3d m_fieldUpperLeft, m_fieldLowerRight;
  bool m_moved = true;
  double m_scaleWidth = 0.0, m_scaleHeight = 0.0;
  bool m_lockAspect = true;
  std::string m_data;
  long m_declared = 0;
  size_t m_chunk = 127;  // bytes a data line holds, as the file wrote them
};
typedef OdSmartPtr<OdDbOle2Frame> OdDbOle2FramePtr;

class OdDbProxyEntity : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbProxyEntity)
public:
  // What the original class allows of its proxies (the class's proxy flags).
  enum AllowedOperations {
    kEraseAllowed = 0x1, kTransformAllowed = 0x2, kColorChangeAllowed = 0x4, kLayerChangeAllowed = 0x8,
    kLinetypeChangeAllowed = 0x10, kLinetypeScaleChangeAllowed = 0x20, kVisibilityChangeAllowed = 0x40,
    kCloningAllowed = 0x80, kLineWeightChangeAllowed = 0x100, kPlotStyleNameChangeAllowed = 0x200
  };
  int proxyFlags() const;
  OdString originalClassName() const;
  OdString originalDxfName() const;
  OdString applicationDescription() const;
  int originalClassId() const { assertReadEnabled(); return m_classId; }
  // 0 the original program's own format, 1 drawing-file tags.
  int originalDataFormat() const { assertReadEnabled(); return m_format; }
  long graphicsSize() const { assertReadEnabled(); return m_graphicsSize; }
  void setOriginalClassId(int id) { assertWriteEnabled(); m_classId = id; }

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  int m_classId = 499, m_format = 1;
  long m_graphicsSize = 0;
};
typedef OdSmartPtr<OdDbProxyEntity> OdDbProxyEntityPtr;
