#pragma once
// Plot settings and layouts: for the viewport settings, the plot style
// table a layout prints with and the block of the space it shows.
#include "Db/DbObject.h"

class OdDbPlotSettings : public OdDbObject {
public:
  ODRX_DECLARE_MEMBERS(OdDbPlotSettings)
public:
  // The plot style table file ("Black ink.ctb"); empty for none.
  OdString getCurrentStyleSheet() const;
  void setCurrentStyleSheet(const OdString& name);
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdString m_styleSheet;
};
typedef OdSmartPtr<OdDbPlotSettings> OdDbPlotSettingsPtr;

class OdDbLayout : public OdDbPlotSettings {
public:
  ODRX_DECLARE_MEMBERS(OdDbLayout)
public:
  OdString getLayoutName() const;
  void setLayoutName(const OdString& name);
  OdDbObjectId getBlockTableRecordId() const;
  void setBlockTableRecordId(OdDbObjectId id);
  // The viewport that is the sheet itself: the layout block's viewport
  // numbered 1, else its first viewport; null for the model's layout.
  OdDbObjectId overallVportId() const;
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdString m_name;
  OdDbObjectId m_block;
};
typedef OdSmartPtr<OdDbLayout> OdDbLayoutPtr;

// The layout of a space (model space by default): the one of the drawing's
// layout dictionary that shows its block; null when there is none.
OdDbObjectId odDbLayoutOf(OdDbDatabase* db, OdDbObjectId space);
