#include "Db/DbLayout.h"
#include "Db/DbViewport.h"

#include "Db/DbDatabase.h"
#include "Db/DbDictionary.h"
#include "Db/DbSymbolTable.h"
#include "Dxf/DxfFiler.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbPlotSettings, OdDbObject, L"PLOTSETTINGS", new OdDbPlotSettings)
ODRX_DEFINE_MEMBERS_EX(OdDbLayout, OdDbPlotSettings, L"LAYOUT", new OdDbLayout)

OdString OdDbPlotSettings::getCurrentStyleSheet() const {
  assertReadEnabled();
  return m_styleSheet;
}
void OdDbPlotSettings::setCurrentStyleSheet(const OdString& name) {
  assertWriteEnabled();
  m_styleSheet = name;
}
void OdDbPlotSettings::dxfInFields(const OdDxfIn& in) {
  OdDbObject::dxfInFields(in);
  m_styleSheet = in.string("AcDbPlotSettings", 7);
}
void OdDbPlotSettings::dxfOutFields(OdDxfOut& out) const {
  OdDbObject::dxfOutFields(out);
  out.subclass("AcDbPlotSettings");
  out.string(7, m_styleSheet);
}

OdString OdDbLayout::getLayoutName() const {
  assertReadEnabled();
  return m_name;
}
void OdDbLayout::setLayoutName(const OdString& name) {
  assertWriteEnabled();
  m_name = name;
}
OdDbObjectId OdDbLayout::getBlockTableRecordId() const {
  assertReadEnabled();
  return m_block;
}
void OdDbLayout::setBlockTableRecordId(OdDbObjectId id) {
  assertWriteEnabled();
  m_block = id;
}
OdDbObjectId OdDbLayout::overallVportId() const {
  assertReadEnabled();
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(m_block.openObject());
  if (block.isNull()) return OdDbObjectId();
  OdDbObjectId first;
  for (const OdDbObjectId& id : block->entityIds()) {
    OdDbViewportPtr vp = OdDbViewport::cast(id.openObject());
    if (vp.isNull()) continue;
    if (vp->number() == 1) return id;
    if (first.isNull()) first = id;
  }
  return first;
}

void OdDbLayout::dxfInFields(const OdDxfIn& in) {
  OdDbPlotSettings::dxfInFields(in);
  m_name = in.string("AcDbLayout", 1);
  m_block = in.reference("AcDbLayout", 330);
}
void OdDbLayout::dxfOutFields(OdDxfOut& out) const {
  OdDbPlotSettings::dxfOutFields(out);
  out.subclass("AcDbLayout");
  out.string(1, m_name);
  out.reference(330, m_block);
}

OdDbObjectId odDbLayoutOf(OdDbDatabase* db, OdDbObjectId space) {
  if (!db) return OdDbObjectId();
  if (space.isNull()) space = db->getModelSpaceId();
  OdDbDictionaryPtr named = OdDbDictionary::cast(db->getNamedObjectsDictionaryId().openObject());
  OdDbDictionaryPtr layouts = named.isNull() ? OdDbDictionaryPtr() : OdDbDictionary::cast(named->getAt(L"ACAD_LAYOUT").openObject());
  if (layouts.isNull()) return OdDbObjectId();
  for (const OdDbObjectId& id : layouts->ids()) {
    OdDbLayoutPtr layout = OdDbLayout::cast(id.openObject());
    if (!layout.isNull() && layout->getBlockTableRecordId() == space) return id;
  }
  return OdDbObjectId();
}
