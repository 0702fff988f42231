#pragma once
// Multiline text: contents with formatting codes placed at a location by
// one of nine attachment points, in the plane of its normal, along its
// direction. Its extents come from the database's text metric
// (Db/DbTextMetrics.h): lines broken at paragraph codes and, for a defined
// width, at spaces.
#include "Db/DbEntity.h"

namespace OdDb {
enum LineSpacingStyle : int { kAtLeast = 1, kExactly = 2 };
}  // namespace OdDb

class OdDbMText : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbMText)
public:
  enum AttachmentPoint : int {
    kTopLeft = 1, kTopCenter, kTopRight, kMiddleLeft, kMiddleCenter, kMiddleRight, kBottomLeft, kBottomCenter, kBottomRight
  };
  enum FlowDirection : int { kLtoR = 1, kRtoL = 2, kTtoB = 3, kBtoT = 4, kByStyle = 5 };

  OdGePoint3d location() const;
  OdResult setLocation(const OdGePoint3d& point);
  OdGeVector3d normal() const;
  OdResult setNormal(const OdGeVector3d& normal);
  // The text's X axis in world coordinates (in its plane, of unit length).
  OdGeVector3d direction() const;
  OdResult setDirection(const OdGeVector3d& direction);
  // The angle of the direction from the X axis of the normal's object coordinate system.
  double rotation() const;
  OdResult setRotation(double angle);
  double width() const;  // 0: no wrapping
  OdResult setWidth(double width);
  double textHeight() const;
  OdResult setTextHeight(double height);
  AttachmentPoint attachment() const;
  OdResult setAttachment(AttachmentPoint attachment);
  FlowDirection flowDirection() const;
  OdResult setFlowDirection(FlowDirection direction);
  double lineSpacingFactor() const;
  OdResult setLineSpacingFactor(double factor);  // 0.25 to 4.0
  OdDb::LineSpacingStyle lineSpacingStyle() const;
  OdResult setLineSpacingStyle(OdDb::LineSpacingStyle style);
  bool backgroundFillOn() const;
  OdResult setBackgroundFill(bool on);
  OdString contents() const;
  OdResult setContents(const OdString& contents);
  OdDbObjectId textStyle() const;
  OdResult setTextStyle(OdDbObjectId style);

  // The text's plain lines as shown (formatting codes out, wrapped at the width).
  std::vector<std::wstring> shownLines() const;
  // Width and height of the text as shown.
  double actualWidth() const;
  double actualHeight() const;
  // The corners of the shown text: top left, top right, bottom left, bottom right.
  void getBoundingPoints(OdArray<OdGePoint3d>& points) const;

  void setDatabaseDefaults(OdDbDatabase* db) override;
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdGePoint3d m_location;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  OdGeVector3d m_direction = OdGeVector3d::kXAxis;
  double m_angle = 0.0;  // the angle that made m_angleDirection
  OdGeVector3d m_angleDirection = OdGeVector3d::kXAxis;
  double m_width = 0.0;
  double m_height = 2.5;
  AttachmentPoint m_attachment = kTopLeft;
  FlowDirection m_flow = kLtoR;
  double m_spacingFactor = 1.0;
  OdDb::LineSpacingStyle m_spacingStyle = OdDb::kAtLeast;
  int m_background = 0;  // 1 fill with a colour, 2 with the window's colour, 16 a frame
  OdString m_contents;
  OdDbObjectId m_style;
};
typedef OdSmartPtr<OdDbMText> OdDbMTextPtr;
