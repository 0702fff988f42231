#pragma once
// Text laid along an arc: the arc (centre, radius, start and end angles in
// the plane of a normal, angles from the X axis of the normal's object
// coordinate system), the text's size and spacing along it, its offsets from
// the arc and from the arc's ends, its order and alignment.
#include "Db/DbEntity.h"

namespace OdDb {
// How the characters fill the arc between the offsets.
enum ArcTextAlignment : int { kFit = 1, kLeft = 2, kRight = 3, kCenter = 4 };
}  // namespace OdDb

class OdDbArcAlignedText : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbArcAlignedText)
public:
  OdString textString() const;
  OdResult setTextString(const OdString& text);
  OdDbObjectId textStyle() const;
  OdResult setTextStyle(OdDbObjectId style);
  double textSize() const;
  OdResult setTextSize(double size);  // positive
  double xScale() const;
  OdResult setXScale(double factor);  // positive
  double charSpacing() const;
  OdResult setCharSpacing(double spacing);
  OdGePoint3d center() const;
  OdResult setCenter(const OdGePoint3d& center);
  double radius() const;
  OdResult setRadius(double radius);  // positive
  double startAngle() const;
  OdResult setStartAngle(double angle);
  double endAngle() const;
  OdResult setEndAngle(double angle);
  OdGeVector3d normal() const;
  OdResult setNormal(const OdGeVector3d& normal);
  // Distance of the text from the arc, and of its ends from the arc's ends.
  double offsetFromArc() const;
  OdResult setOffsetFromArc(double offset);
  double leftOffset() const;
  OdResult setLeftOffset(double offset);
  double rightOffset() const;
  OdResult setRightOffset(double offset);
  bool isReversedCharOrder() const;
  void reverseCharOrder(bool reversed);
  OdDb::ArcTextAlignment alignment() const;
  OdResult setAlignment(OdDb::ArcTextAlignment alignment);
  // The point of the arc at an angle, in world coordinates.
  OdGePoint3d pointOnArc(double angle) const;

  void setDatabaseDefaults(OdDbDatabase* db) override;
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdString m_text;
  OdDbObjectId m_style;
  double m_size = 2.5;
  double m_xScale = 1.0;
  double m_charSpacing = 0.0;
  OdGePoint3d m_center;
  double m_radius = 1.0;
  double m_start = 0.0;
  double m_end = 3.141592653589793;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  double m_offsetFromArc = 0.0;
  double m_leftOffset = 0.0;
  double m_rightOffset = 0.0;
  bool m_reversed = false;
  OdDb::ArcTextAlignment m_alignment = OdDb::kFit;
};
typedef OdSmartPtr<OdDbArcAlignedText> OdDbArcAlignedTextPtr;
