#include "Db/DbViewTableRecord.h"

#include <cmath>

#include "Db/DbAssign.h"
#include "Db/DbDatabase.h"
#include "Db/DbDictionary.h"
#include "Db/DbGroup.h"
#include "Dxf/DxfFiler.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_ABSTRACT_MEMBERS(OdDbAbstractViewTableRecord, OdDbSymbolTableRecord)
ODRX_DEFINE_MEMBERS_EX(OdDbViewTableRecord, OdDbAbstractViewTableRecord, L"VIEW", new OdDbViewTableRecord)
ODRX_DEFINE_MEMBERS_EX(OdDbViewportTableRecord, OdDbAbstractViewTableRecord, L"VPORT", new OdDbViewportTableRecord)
ODRX_DEFINE_MEMBERS_EX(OdDbGroup, OdDbObject, L"GROUP", new OdDbGroup)

OdGePoint2d OdDbAbstractViewTableRecord::centerPoint() const {
  assertReadEnabled();
  return m_center;
}
void OdDbAbstractViewTableRecord::setCenterPoint(const OdGePoint2d& point) {
  assertWriteEnabled();
  m_center = point;
}
double OdDbAbstractViewTableRecord::height() const {
  assertReadEnabled();
  return m_height;
}
OdResult OdDbAbstractViewTableRecord::setHeight(double height) {
  assertWriteEnabled();
  return odDbAssignPositive(m_height, height);
}
double OdDbAbstractViewTableRecord::width() const {
  assertReadEnabled();
  return m_width;
}
OdResult OdDbAbstractViewTableRecord::setWidth(double width) {
  assertWriteEnabled();
  return odDbAssignPositive(m_width, width);
}
OdGePoint3d OdDbAbstractViewTableRecord::target() const {
  assertReadEnabled();
  return m_target;
}
void OdDbAbstractViewTableRecord::setTarget(const OdGePoint3d& target) {
  assertWriteEnabled();
  m_target = target;
}
OdGeVector3d OdDbAbstractViewTableRecord::viewDirection() const {
  assertReadEnabled();
  return m_direction;
}
OdDbObjectId OdDbAbstractViewTableRecord::ucsName() const {
  assertReadEnabled();
  return m_ucs;
}
void OdDbAbstractViewTableRecord::setUcsName(OdDbObjectId ucs) {
  assertWriteEnabled();
  m_ucs = ucs;
}

// Viewports keep their width as a ratio to the height.
void OdDbAbstractViewTableRecord::readView(const OdDxfIn& in, int centerCode, int directionCode, int targetCode,
                                           bool widthAsRatio) {
  const char* S = dxfMarker();
  const OdGePoint3d c = in.point(S, centerCode);
  m_center = OdGePoint2d(c.x, c.y);
  m_height = in.real(S, 40, 1.0);
  m_ratio = in.real(S, 41, 1.0);
  m_width = m_ratio * (widthAsRatio ? m_height : 1.0);
  m_direction = in.vector(S, directionCode, OdGeVector3d::kZAxis);
  m_target = in.point(S, targetCode);
  m_ucs = in.reference(S, 345);
}

void OdDbAbstractViewTableRecord::writeView(OdDxfOut& out, int centerCode, int directionCode, int targetCode,
                                            bool widthAsRatio) const {
  out.real(centerCode, m_center.x);
  out.real(centerCode + 10, m_center.y);
  out.real(40, m_height);
  // The file's ratio while width and height still give it.
  const double ratio = m_width == m_ratio * m_height ? m_ratio : m_width / m_height;
  out.real(41, widthAsRatio ? ratio : m_width);
  out.point(directionCode, OdGePoint3d::kOrigin + m_direction);
  out.point(targetCode, m_target);
  if (!m_ucs.isNull() || out.hadField(345)) out.referenceOpt(345, m_ucs);
}

bool OdDbViewTableRecord::isPaperspaceView() const {
  assertReadEnabled();
  return m_paper;
}
void OdDbViewTableRecord::setIsPaperspaceView(bool on) {
  assertWriteEnabled();
  m_paper = on;
}
OdString OdDbViewTableRecord::getCategoryName() const {
  assertReadEnabled();
  return m_category;
}
void OdDbViewTableRecord::setCategoryName(const OdString& name) {
  assertWriteEnabled();
  m_category = name;
}
void OdDbViewTableRecord::dxfInFields(const OdDxfIn& in) {
  OdDbSymbolTableRecord::dxfInFields(in);
  readView(in, 10, 11, 12, false);
  m_paper = (in.integer(dxfMarker(), 70, 0) & 1) != 0;
}
void OdDbViewTableRecord::dxfOutFields(OdDxfOut& out) const {
  OdDbSymbolTableRecord::dxfOutFields(out);
  out.flags(70, m_paper ? 1 : 0, 1, 0);
  writeView(out, 10, 11, 12, false);
}

bool OdDbViewportTableRecord::iconEnabled() const {
  assertReadEnabled();
  return (m_icon & 1) != 0;
}
void OdDbViewportTableRecord::setIconEnabled(bool on) {
  assertWriteEnabled();
  m_icon = on ? (m_icon | 1) : (m_icon & ~1);
}
bool OdDbViewportTableRecord::iconAtOrigin() const {
  assertReadEnabled();
  return (m_icon & 2) != 0;
}
void OdDbViewportTableRecord::setIconAtOrigin(bool on) {
  assertWriteEnabled();
  m_icon = on ? (m_icon | 2) : (m_icon & ~2);
}
bool OdDbViewportTableRecord::isUcsSavedWithViewport() const {
  assertReadEnabled();
  return m_ucsPerViewport;
}
void OdDbViewportTableRecord::setUcsPerViewport(bool on) {
  assertWriteEnabled();
  m_ucsPerViewport = on;
}
void OdDbViewportTableRecord::dxfInFields(const OdDxfIn& in) {
  OdDbSymbolTableRecord::dxfInFields(in);
  readView(in, 12, 16, 17, true);
  m_icon = in.integer(dxfMarker(), 74, 3);
  m_ucsPerViewport = in.integer(dxfMarker(), 65, 1) != 0;
}
void OdDbViewportTableRecord::dxfOutFields(OdDxfOut& out) const {
  OdDbSymbolTableRecord::dxfOutFields(out);
  writeView(out, 12, 16, 17, true);
  out.integer(74, m_icon);
  out.integerOpt(65, m_ucsPerViewport ? 1 : 0, 1);
}

OdString OdDbGroup::name() const {
  assertReadEnabled();
  OdDbDictionaryPtr owner = OdDbDictionary::cast(ownerId().openObject());
  return owner.isNull() ? OdString() : owner->nameAt(objectId());
}
OdString OdDbGroup::description() const {
  assertReadEnabled();
  return m_description;
}
void OdDbGroup::setDescription(const OdString& description) {
  assertWriteEnabled();
  m_description = description;
}
bool OdDbGroup::isSelectable() const {
  assertReadEnabled();
  return m_selectable;
}
void OdDbGroup::setSelectable(bool on) {
  assertWriteEnabled();
  m_selectable = on;
}
bool OdDbGroup::isAnonymous() const {
  assertReadEnabled();
  return m_anonymous;
}
void OdDbGroup::allEntityIds(OdDbObjectIdArray& ids) const {
  assertReadEnabled();
  ids.clear();
  for (const OdDbObjectId& id : m_entities)
    if (!id.isNull() && !id.isErased()) ids.append(id);
}
OdResult OdDbGroup::append(OdDbObjectId id) {
  assertWriteEnabled();
  if (id.isNull()) return eNullObjectId;
  m_entities.append(id);
  return eOk;
}
void OdDbGroup::dxfInFields(const OdDxfIn& in) {
  OdDbObject::dxfInFields(in);
  const char* S = "AcDbGroup";
  m_description = in.string(S, 300);
  m_anonymous = in.integer(S, 70, 0) != 0;
  m_selectable = in.integer(S, 71, 1) != 0;
  m_entities.clear();
  for (int i = 0; in.has(S, 340) && in.field(S, 340, i); ++i) m_entities.append(in.reference(S, 340, i));
}
void OdDbGroup::dxfOutFields(OdDxfOut& out) const {
  OdDbObject::dxfOutFields(out);
  out.subclass("AcDbGroup");
  out.string(300, m_description);
  out.integer(70, m_anonymous ? 1 : 0);
  out.integer(71, m_selectable ? 1 : 0);
  for (const OdDbObjectId& id : m_entities) out.reference(340, id);
}
