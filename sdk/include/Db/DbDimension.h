#pragma once
// Dimensions: the base every kind shares (style, text, position, the
// dimension's own settings over its style's) and the two linear kinds.
#include "Db/DbDimVars.h"
#include "Db/DbEntity.h"

class OdDbBlockTableRecord;

class OdDbDimension : public OdDbEntity, public OdDbDimVarHolder {
public:
  ODRX_DECLARE_MEMBERS(OdDbDimension)
public:
  // A dimension that drives a geometric constraint of the drawing rather than annotating it.
  bool isConstraintDynamic() const;
  void setConstraintDynamic(bool dynamic);

  OdDbObjectId dimensionStyle() const override;
  OdResult setDimensionStyle(OdDbObjectId style) override;
  OdDbDimVarValue dimVar(OdDbDimVar var) const override;
  OdResult setDimVar(OdDbDimVar var, const OdDbDimVarValue& value) override;
  bool hasOverride(OdDbDimVar var) const override;
  KD_DIM_VARS(KD_DIM_VAR_ACCESSORS)

  OdGePoint3d textPosition() const;
  OdResult setTextPosition(const OdGePoint3d& position);
  // The text stands where it is put rather than where the style places it.
  void useSetTextPosition();
  void useDefaultTextPosition();
  bool isUsingDefaultTextPosition() const;
  double textRotation() const;
  OdResult setTextRotation(double angle);
  // "" or "<>" shows the measurement; other text replaces it, "<>" inside marking where it goes.
  OdString dimensionText() const;
  OdResult setDimensionText(const OdString& text);
  OdGeVector3d normal() const;
  OdResult setNormal(const OdGeVector3d& normal);
  // The negative of the angle from the plane's X axis to the X axis the
  // dimension was drawn in (horizontal for its text and ordinates).
  double horizontalDirection() const;
  OdResult setHorizontalDirection(double angle);
  // The block that holds the dimension's drawn geometry, when it has one.
  OdDbObjectId dimBlockId() const;

  // The text's background: flag 0 none, 1 the drawing's background colour, 2 the colour.
  OdCmColor getBgrndTxtColor() const;
  OdResult setBgrndTxtColor(const OdCmColor& color, int flag);
  OdDbObjectId getDimLinetype() const { return dimltype(); }
  OdResult setDimLinetype(OdDbObjectId id) { return setDimltype(id); }
  OdDbObjectId getDimExt1Linetype() const { return dimltex1(); }
  OdResult setDimExt1Linetype(OdDbObjectId id) { return setDimltex1(id); }
  OdDbObjectId getDimExt2Linetype() const { return dimltex2(); }
  OdResult setDimExt2Linetype(OdDbObjectId id) { return setDimltex2(id); }
  bool getExtLineFixLenEnable() const { return dimfxlon(); }
  OdResult setExtLineFixLenEnable(bool on) { return setDimfxlon(on); }
  double getExtLineFixLen() const { return dimfxl(); }
  OdResult setExtLineFixLen(double length) { return setDimfxl(length); }

  // The measured value, from the defining points; 0 for kinds that do not measure here.
  virtual double getMeasurement() const;
  // The text the dimension shows: the measurement scaled, rounded and written
  // as its settings say, inside the dimension text and the prefix and suffix.
  OdString formattedText() const;
  // Draws the dimension into a block of its own (anonymous, "*D" and a
  // number), made when it has none; the database holds the dimension.
  // Kinds this database does not draw answer eNotImplemented.
  OdResult recomputeDimBlock();

  void setDatabaseDefaults(OdDbDatabase* db) override;
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

protected:
  // The dimension's lines, arrows and text, in world coordinates, into the block.
  virtual OdResult drawInto(OdDbBlockTableRecord& block) const;
  // The kind's number in files (0 rotated, 1 aligned, ...).
  virtual int dxfDimType() const { return 0; }
  // The bits of the type field the kind models besides its number (128: text placed by hand).
  virtual int dxfTypeMask() const { return 128; }
  // Fields of the kind that files hold among the common ones: the defining
  // point, and the oblique angle where a file put it there.
  virtual void dxfOutDefiningPoint(OdDxfOut& out) const;
  virtual void dxfOutCommonOblique(OdDxfOut& out) const;
  // The X and Y axes of the dimension's plane.
  void planeAxes(OdGeVector3d& x, OdGeVector3d& y) const;

private:
  bool m_constraintDynamic = false;
  OdDbObjectId m_style;
  OdGePoint3d m_textPosition;  // world
  bool m_userTextPosition = false;
  double m_textRotation = 0.0;
  double m_horizontal = 0.0;
  OdString m_text;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  OdDbObjectId m_block;
};
typedef OdSmartPtr<OdDbDimension> OdDbDimensionPtr;

// What the two linear kinds share: the origins of the extension lines, a
// point on the dimension line and the extension lines' oblique angle.
class OdDbLinearDimensionPoints {
public:
  OdGePoint3d xLine1, xLine2, dimLine;
  double oblique = 0.0;
  bool obliqueInDimension = false;  // the file held it among the common fields
  void read(const OdDxfIn& in);
  void writeCommon(OdDxfOut& out) const;  // among the common fields
  void write(OdDxfOut& out) const;        // in the aligned section; the caller has opened it
  // Extension lines, dimension line, arrows and text of a dimension measured along the direction.
  OdResult draw(const OdDbDimension& d, const OdGeVector3d& along, OdDbBlockTableRecord& block) const;
};

// The points of the linear kinds.
#define KD_LINEAR_DIMENSION_POINTS                                          \
  OdGePoint3d xLine1Point() const;                                          \
  OdResult setXLine1Point(const OdGePoint3d& point);                        \
  OdGePoint3d xLine2Point() const;                                          \
  OdResult setXLine2Point(const OdGePoint3d& point);                        \
  /* A point on the dimension line. */                                      \
  OdGePoint3d dimLinePoint() const;                                         \
  OdResult setDimLinePoint(const OdGePoint3d& point);                       \
  /* The angle of the extension lines away from square to the dimension line. */ \
  double oblique() const;                                                   \
  OdResult setOblique(double angle);

// Measured parallel to the line through its two extension line origins.
class OdDbAlignedDimension : public OdDbDimension {
public:
  ODRX_DECLARE_MEMBERS(OdDbAlignedDimension)
public:
  KD_LINEAR_DIMENSION_POINTS
  double getMeasurement() const override;

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

protected:
  int dxfDimType() const override { return 1; }
  OdResult drawInto(OdDbBlockTableRecord& block) const override;
  void dxfOutDefiningPoint(OdDxfOut& out) const override;
  void dxfOutCommonOblique(OdDxfOut& out) const override;

private:
  OdDbLinearDimensionPoints m_points;
};
typedef OdSmartPtr<OdDbAlignedDimension> OdDbAlignedDimensionPtr;

// Measured along a fixed direction, whatever the extension line origins.
class OdDbRotatedDimension : public OdDbDimension {
public:
  ODRX_DECLARE_MEMBERS(OdDbRotatedDimension)
public:
  KD_LINEAR_DIMENSION_POINTS
  // The direction of measurement, from the X axis of the dimension's plane.
  double rotation() const;
  OdResult setRotation(double angle);
  double getMeasurement() const override;

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

protected:
  int dxfDimType() const override { return 0; }
  void dxfOutDefiningPoint(OdDxfOut& out) const override;
  void dxfOutCommonOblique(OdDxfOut& out) const override;
  OdResult drawInto(OdDbBlockTableRecord& block) const override;

private:
  OdDbLinearDimensionPoints m_points;
  double m_rotation = 0.0;
};
typedef OdSmartPtr<OdDbRotatedDimension> OdDbRotatedDimensionPtr;
