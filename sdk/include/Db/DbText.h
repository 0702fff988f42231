#pragma once
// Single-line text. Without a font engine, the extent of a text is taken as
// 0.6 x height x width factor per character along the baseline and the
// height above it; bounding points are, in this order: top left, top right,
// bottom left, bottom right (index 1 is the top right corner).
#include "Db/DbEntity.h"

namespace OdDb {
enum TextHorzMode : int { kTextLeft = 0, kTextCenter = 1, kTextRight = 2, kTextAlign = 3, kTextMid = 4, kTextFit = 5 };
enum TextVertMode : int { kTextBase = 0, kTextBottom = 1, kTextVertMid = 2, kTextTop = 3 };
}  // namespace OdDb

class OdDbText : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbText)
public:
  OdGePoint3d position() const;
  OdResult setPosition(const OdGePoint3d& position);
  OdGePoint3d alignmentPoint() const;
  OdResult setAlignmentPoint(const OdGePoint3d& point);
  OdDb::TextHorzMode horizontalMode() const;
  OdResult setHorizontalMode(OdDb::TextHorzMode mode);
  OdDb::TextVertMode verticalMode() const;
  OdResult setVerticalMode(OdDb::TextVertMode mode);
  double height() const;
  // Positive finite heights and width factors only.
  OdResult setHeight(double height);
  double widthFactor() const;
  OdResult setWidthFactor(double factor);
  double oblique() const;
  OdResult setOblique(double angle);
  double rotation() const;
  OdResult setRotation(double angle);
  OdString textString() const;
  OdResult setTextString(const OdString& text);
  OdDbObjectId textStyle() const;
  OdResult setTextStyle(OdDbObjectId style);
  double thickness() const;
  OdResult setThickness(double thickness);
  OdGeVector3d normal() const;
  OdResult setNormal(const OdGeVector3d& normal);
  bool isMirroredInX() const;
  void mirrorInX(bool mirror);
  bool isMirroredInY() const;
  void mirrorInY(bool mirror);

  // The four corners of the text's box (see above).
  void getBoundingPoints(OdArray<OdGePoint3d>& points) const;
  // The extent along the baseline by the approximation above.
  double approximateWidth() const;
  // Puts the position where the justification wants it for the alignment
  // point; aligned and fitted texts take rotation and height or width from
  // the two points.
  void adjustAlignment(const OdDbDatabase* db = nullptr);
  // Points, direction and normal transformed; height and width factor take
  // the scale across and along the baseline.
  OdResult transformBy(const OdGeMatrix3d& transform) override;

  void setDatabaseDefaults(OdDbDatabase* db) override;
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

protected:
  // Attributes keep the vertical mode in a field of their own.
  void readVerticalMode(int mode) { m_vert = mode >= 0 && mode <= 3 ? OdDb::TextVertMode(mode) : OdDb::kTextBase; }

private:
  OdGePoint3d m_position;
  OdGePoint3d m_alignment;
  OdDb::TextHorzMode m_horz = OdDb::kTextLeft;
  OdDb::TextVertMode m_vert = OdDb::kTextBase;
  double m_height = 2.5;
  double m_width = 1.0;
  double m_oblique = 0.0;
  double m_rotation = 0.0;
  OdString m_text;
  OdDbObjectId m_style;
  double m_thickness = 0.0;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  int m_generation = 0;  // 2 mirrored in X, 4 mirrored in Y
};
typedef OdSmartPtr<OdDbText> OdDbTextPtr;
