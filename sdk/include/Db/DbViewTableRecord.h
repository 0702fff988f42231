#pragma once
// Named views and the drawing's viewport settings: what a view looks at
// (centre in the view plane, height and width, target, direction) and, for
// viewports, the UCS icon and UCS settings.
#include "Db/DbSymbolTable.h"
#include "Ge/GePoint2d.h"

class OdDbAbstractViewTableRecord : public OdDbSymbolTableRecord {
public:
  ODRX_DECLARE_MEMBERS(OdDbAbstractViewTableRecord)
public:
  OdGePoint2d centerPoint() const;
  void setCenterPoint(const OdGePoint2d& point);
  double height() const;
  OdResult setHeight(double height);  // positive
  double width() const;
  OdResult setWidth(double width);  // positive
  OdGePoint3d target() const;
  void setTarget(const OdGePoint3d& target);
  OdGeVector3d viewDirection() const;
  // The named UCS of the view; null for the world.
  OdDbObjectId ucsName() const;
  void setUcsName(OdDbObjectId ucs);

protected:
  // Reads and writes the fields at the codes the kind of record uses.
  void readView(const OdDxfIn& in, int centerCode, int directionCode, int targetCode, bool widthAsRatio);
  void writeView(OdDxfOut& out, int centerCode, int directionCode, int targetCode, bool widthAsRatio) const;

private:
  OdGePoint2d m_center;
  double m_height = 1.0, m_width = 1.0;
  double m_ratio = 1.0;  // width over height as a file gave it
  OdGePoint3d m_target;
  OdGeVector3d m_direction = OdGeVector3d::kZAxis;
  OdDbObjectId m_ucs;
};
typedef OdSmartPtr<OdDbAbstractViewTableRecord> OdDbAbstractViewTableRecordPtr;

class OdDbViewTableRecord : public OdDbAbstractViewTableRecord {
public:
  ODRX_DECLARE_MEMBERS(OdDbViewTableRecord)
public:
  bool isPaperspaceView() const;
  void setIsPaperspaceView(bool on);
  // The category a view manager groups the view under (not kept in files).
  OdString getCategoryName() const;
  void setCategoryName(const OdString& name);
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  bool m_paper = false;
  OdString m_category;
};
typedef OdSmartPtr<OdDbViewTableRecord> OdDbViewTableRecordPtr;

class OdDbViewportTableRecord : public OdDbAbstractViewTableRecord {
public:
  ODRX_DECLARE_MEMBERS(OdDbViewportTableRecord)
public:
  bool iconEnabled() const;
  void setIconEnabled(bool on);
  bool iconAtOrigin() const;
  void setIconAtOrigin(bool on);
  bool isUcsSavedWithViewport() const;
  void setUcsPerViewport(bool on);
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  int m_icon = 3;  // 1 on, 2 at the origin
  bool m_ucsPerViewport = true;
};
typedef OdSmartPtr<OdDbViewportTableRecord> OdDbViewportTableRecordPtr;
