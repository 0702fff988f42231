#include "Db/DbShape.h"

#include <cmath>

#include "Db/DbAssign.h"
#include "Db/DbDatabase.h"
#include "Db/DbSymbolTable.h"
#include "Db/DbTextStyleTableRecord.h"
#include "Dxf/DxfFiler.h"
#include "Ge/GeConst.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbShape, OdDbEntity, L"SHAPE", new OdDbShape)

OdGePoint3d OdDbShape::position() const {
  assertReadEnabled();
  return m_position;
}
OdResult OdDbShape::setPosition(const OdGePoint3d& position) {
  assertWriteEnabled();
  return odDbAssignFinite(m_position, position);
}
double OdDbShape::size() const {
  assertReadEnabled();
  return m_size;
}
OdResult OdDbShape::setSize(double size) {
  assertWriteEnabled();
  if (size == 0.0) return eInvalidInput;
  return odDbAssignFinite(m_size, size);
}
OdString OdDbShape::name() const {
  assertReadEnabled();
  return m_name;
}
OdResult OdDbShape::setName(const OdString& name) {
  assertWriteEnabled();
  m_name = name;
  return eOk;
}
double OdDbShape::rotation() const {
  assertReadEnabled();
  return m_rotation;
}
OdResult OdDbShape::setRotation(double angle) {
  assertWriteEnabled();
  return odDbAssignFinite(m_rotation, angle);
}
double OdDbShape::widthFactor() const {
  assertReadEnabled();
  return m_widthFactor;
}
OdResult OdDbShape::setWidthFactor(double factor) {
  assertWriteEnabled();
  return odDbAssignPositive(m_widthFactor, factor);
}
double OdDbShape::oblique() const {
  assertReadEnabled();
  return m_oblique;
}
OdResult OdDbShape::setOblique(double angle) {
  assertWriteEnabled();
  return odDbAssignFinite(m_oblique, angle);
}
double OdDbShape::thickness() const {
  assertReadEnabled();
  return m_thickness;
}
OdResult OdDbShape::setThickness(double thickness) {
  assertWriteEnabled();
  return odDbAssignFinite(m_thickness, thickness);
}
OdGeVector3d OdDbShape::normal() const {
  assertReadEnabled();
  return m_normal;
}
OdResult OdDbShape::setNormal(const OdGeVector3d& normal) {
  assertWriteEnabled();
  return odDbAssignNormal(m_normal, normal);
}

OdDbObjectId OdDbShape::styleId() const {
  assertReadEnabled();
  const OdDbDatabase* db = database();
  OdDbSymbolTablePtr styles = db ? OdDbSymbolTable::cast(db->getTextStyleTableId().openObject()) : OdDbSymbolTablePtr();
  if (styles.isNull()) return OdDbObjectId();
  for (const OdDbObjectId& id : styles->recordIds()) {
    OdDbTextStyleTableRecordPtr style = OdDbTextStyleTableRecord::cast(id.openObject());
    if (!style.isNull() && style->isShapeFile()) return id;
  }
  return OdDbObjectId();
}

void OdDbShape::dxfInFields(const OdDxfIn& in) {
  OdDbEntity::dxfInFields(in);
  const char* S = "AcDbShape";
  m_normal = in.normal(S);
  m_thickness = in.real(S, 39, 0.0);
  m_position = in.ocsPoint(S, 10, m_normal);
  m_size = in.real(S, 40, 1.0);
  if (m_size == 0.0) m_size = 1.0;
  m_name = in.string(S, 2);
  m_rotation = OdaToRadian(in.real(S, 50, 0.0));
  m_widthFactor = in.real(S, 41, 1.0);
  if (!(m_widthFactor > 0.0)) m_widthFactor = 1.0;
  m_oblique = OdaToRadian(in.real(S, 51, 0.0));
}

void OdDbShape::dxfOutFields(OdDxfOut& out) const {
  OdDbEntity::dxfOutFields(out);
  out.subclass("AcDbShape");
  out.realOpt(39, m_thickness, 0.0);
  out.ocsPoint(10, m_position, m_normal);
  out.real(40, m_size);
  out.string(2, m_name);
  out.angleOpt(50, m_rotation, 0.0);
  out.realOpt(41, m_widthFactor, 1.0);
  out.angleOpt(51, m_oblique, 0.0);
  out.normal(210, m_normal);
}
