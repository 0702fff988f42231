#pragma once
// Layout viewports: a window on a paper-space sheet (centre, width and
// height on the sheet) that shows model space at a scale (the view's
// centre, target, direction and height). The first viewport of a layout
// (number 1) is the sheet itself. The drawing's named scales ("ACAD_SCALELIST")
// are SCALE objects: so many paper units for so many drawing units.
#include "Db/DbEntity.h"
#include "Ge/GePoint2d.h"

class OdDbViewport : public OdDbEntity {
public:
  ODRX_DECLARE_MEMBERS(OdDbViewport)
public:
  enum StandardScaleType { kScaleToFit = 0, kCustomScale = 1 };
  enum ShadePlotType { kAsDisplayed = 0, kWireframe = 1, kHidden = 2, kRendered = 3 };

  // On the sheet, in paper-space coordinates.
  OdGePoint3d centerPoint() const;
  OdResult setCenterPoint(const OdGePoint3d& p);
  double width() const;
  double height() const;
  // Positive; the view keeps its scale (and so shows more or less).
  OdResult setWidth(double width);
  OdResult setHeight(double height);
  // The viewport's number among the drawing's viewports (1 the sheet); 0 until numbered.
  OdInt16 number() const;
  void setNumber(OdInt16 number);

  // The view: its centre in the view plane, target, direction, height, twist.
  OdGePoint2d viewCenter() const;
  OdResult setViewCenter(const OdGePoint2d& p);
  OdGePoint3d viewTarget() const;
  OdResult setViewTarget(const OdGePoint3d& p);
  OdGeVector3d viewDirection() const;
  OdResult setViewDirection(const OdGeVector3d& v);
  double viewHeight() const;
  OdResult setViewHeight(double height);
  double twistAngle() const;
  OdResult setTwistAngle(double angle);

  // Paper units per drawing unit: the sheet height over the view height.
  double customScale() const;
  // Positive; the view height follows, its centre stays.
  OdResult setCustomScale(double scale);
  StandardScaleType standardScale() const;
  // Scale to fit fits the view to the model's extents as the drawing gives
  // them; without extents only the kind is kept.
  OdResult setStandardScale(StandardScaleType type);

  bool isOn() const;
  void setOn();
  void setOff();
  bool isLocked() const;
  void setLocked();
  void setUnlocked();
  bool isNonRectClipOn() const;
  // The entity that clips the viewport (a closed polyline, a circle); null for a rectangle.
  OdDbObjectId nonRectClipEntityId() const;
  OdResult setNonRectClipEntityId(OdDbObjectId id);
  bool isUcsSavedWithViewport() const;
  void setUcsPerViewport(bool on);
  ShadePlotType shadePlot() const;
  OdResult setShadePlot(ShadePlotType type);
  // Layers frozen in this viewport only.
  OdDbObjectIdArray frozenLayers() const;
  void freezeLayersInViewport(const OdDbObjectIdArray& layers);

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;
  OdResult transformBy(const OdGeMatrix3d& transform) override;

private:
  // Viewports of older files keep their view in the "MVIEW" extended data
  // of the application "ACAD": a changed view is written there.
  void readOldStyleView(const OdDxfIn& in);
  void keepOldStyleView();
  bool m_oldStyle = false;
  OdGePoint3d m_center;
  double m_width = 1.0, m_height = 1.0;
  int m_status = 1, m_number = 0;
  OdGePoint2d m_viewCenter;
  OdGeVector3d m_direction = OdGeVector3d::kZAxis;
  OdGePoint3d m_target;
  double m_viewHeight = 1.0, m_twist = 0.0;
  long m_flags = 0x8000;  // the bit files always set
  int m_onStatus = 1;    // the status to go back to when switched on
  OdDbObjectId m_clip;
  bool m_ucsPerViewport = true;
  int m_shadePlot = kAsDisplayed;
  int m_standard = kCustomScale;
  OdDbObjectIdArray m_frozen;
};
typedef OdSmartPtr<OdDbViewport> OdDbViewportPtr;

class OdDbScale : public OdDbObject {
public:
  ODRX_DECLARE_MEMBERS(OdDbScale)
public:
  OdString scaleName() const;
  void setScaleName(const OdString& name);
  double paperUnits() const;
  double drawingUnits() const;
  // Both positive.
  OdResult setUnits(double paper, double drawing);
  // Paper units over drawing units.
  double scale() const;
  bool isUnitScale() const;

  // The drawing's scale list; created with a common set when asked and missing.
  static OdDbObjectId scaleListDictionary(OdDbDatabase* db);
  static OdDbObjectId createScaleList(OdDbDatabase* db);

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdString m_name;
  double m_paper = 1.0, m_drawing = 1.0;
  int m_flags = 0;
  bool m_unit = false;
};
typedef OdSmartPtr<OdDbScale> OdDbScalePtr;

// What any view answers: for a viewport, the field of its view.
class OdAbstractViewPE : public OdRxObject {
public:
  ODRX_DECLARE_MEMBERS(OdAbstractViewPE)
public:
  void addRef() override {}
  void release() override {}
  // The field of the view in drawing units; the width follows the sheet's proportions.
  virtual double fieldWidth(const OdRxObject* view) const;
  virtual double fieldHeight(const OdRxObject* view) const;
  virtual OdGePoint3d target(const OdRxObject* view) const;
  virtual OdGeVector3d direction(const OdRxObject* view) const;
};
typedef OdSmartPtr<OdAbstractViewPE> OdAbstractViewPEPtr;

// Registers the view extension of viewports (done with the database classes).
void odDbRegisterViewServices();
