#include "Db/DbLeader.h"

#include "Db/DbAssign.h"
#include "Db/DbDatabase.h"
#include "Db/DbDimStyleTableRecord.h"
#include "Db/DbSymbolTable.h"
#include "Dxf/DxfFiler.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbLeader, OdDbCurve, L"LEADER", new OdDbLeader)
ODRX_DEFINE_MEMBERS_EX(OdDbFcf, OdDbEntity, L"TOLERANCE", new OdDbFcf)

namespace {
OdResult checkedStyle(OdDbObjectId style) {
  return OdDbDimStyleTableRecord::cast(style.openObject()).isNull() ? eInvalidInput : eOk;
}
// The style a file names (code 3); the drawing's "Standard" when it names none.
OdDbObjectId styleNamed(const OdDxfIn& in, const char* subclass) {
  OdDbDatabase* db = in.database();
  OdDbSymbolTablePtr styles = db ? OdDbSymbolTable::cast(db->getDimStyleTableId().openObject()) : OdDbSymbolTablePtr();
  return styles.isNull() ? OdDbObjectId() : styles->getAt(in.string(subclass, 3, L"Standard"));
}
void writeStyle(OdDxfOut& out, OdDbObjectId id) {
  OdDbDimStyleTableRecordPtr style = OdDbDimStyleTableRecord::cast(id.openObject());
  if (style.isNull()) out.original(3);
  else out.name(3, style->getName());
}
OdGeVector3d unitOr(const OdGeVector3d& v, const OdGeVector3d& def) {
  return v.isZeroLength() ? def : OdGeVector3d(v).normalize();
}
}  // namespace

// ---------------------------------------------------------------- leaders

int OdDbLeader::numVertices() const { assertReadEnabled(); return int(m_vertices.size()); }
OdGePoint3d OdDbLeader::vertexAt(int index) const {
  assertReadEnabled();
  return index >= 0 && size_t(index) < m_vertices.size() ? m_vertices[size_t(index)] : OdGePoint3d();
}
OdResult OdDbLeader::setVertexAt(int index, const OdGePoint3d& point) {
  assertWriteEnabled();
  if (index < 0 || size_t(index) >= m_vertices.size()) return eInvalidIndex;
  return odDbAssignFinite(m_vertices[size_t(index)], point);
}
OdResult OdDbLeader::appendVertex(const OdGePoint3d& point) {
  assertWriteEnabled();
  if (!point.isFinite()) return eInvalidInput;
  m_vertices.push_back(point);
  return eOk;
}
void OdDbLeader::removeLastVertex() {
  assertWriteEnabled();
  if (!m_vertices.empty()) m_vertices.pop_back();
}
bool OdDbLeader::isSplined() const { assertReadEnabled(); return m_splined; }
void OdDbLeader::setToSplineLeader() { assertWriteEnabled(); m_splined = true; }
void OdDbLeader::setToStraightLeader() { assertWriteEnabled(); m_splined = false; }
bool OdDbLeader::hasArrowHead() const { assertReadEnabled(); return m_arrow; }
void OdDbLeader::enableArrowHead() { assertWriteEnabled(); m_arrow = true; }
void OdDbLeader::disableArrowHead() { assertWriteEnabled(); m_arrow = false; }
bool OdDbLeader::hasHookLine() const { assertReadEnabled(); return m_hook; }
OdGeVector3d OdDbLeader::normal() const { assertReadEnabled(); return m_normal; }
OdGeVector3d OdDbLeader::annotationXDir() const { assertReadEnabled(); return m_xDir; }
OdDbObjectId OdDbLeader::annotationObjId() const { assertReadEnabled(); return m_annotation; }

OdDbObjectId OdDbLeader::dimensionStyle() const { assertReadEnabled(); return m_style; }
OdResult OdDbLeader::setDimensionStyle(OdDbObjectId style) {
  assertWriteEnabled();
  if (checkedStyle(style) != eOk) return eInvalidInput;
  m_style = style;
  return eOk;
}
OdDbDimVarValue OdDbLeader::dimVar(OdDbDimVar var) const { return odDbDimVarOf(*this, dimensionStyle(), var); }
OdResult OdDbLeader::setDimVar(OdDbDimVar var, const OdDbDimVarValue& value) {
  return odDbSetDimVarOverride(*this, var, value);
}
bool OdDbLeader::hasOverride(OdDbDimVar var) const { return odDbHasDimVarOverride(*this, var); }

OdResult OdDbLeader::getStartParam(double& param) const { param = 0.0; return eOk; }
OdResult OdDbLeader::getEndParam(double& param) const {
  assertReadEnabled();
  param = m_vertices.empty() ? 0.0 : double(m_vertices.size() - 1);
  return eOk;
}
OdResult OdDbLeader::getStartPoint(OdGePoint3d& point) const {
  assertReadEnabled();
  if (m_vertices.empty()) return eDegenerateGeometry;
  point = m_vertices.front();
  return eOk;
}
OdResult OdDbLeader::getEndPoint(OdGePoint3d& point) const {
  assertReadEnabled();
  if (m_vertices.empty()) return eDegenerateGeometry;
  point = m_vertices.back();
  return eOk;
}

void OdDbLeader::setDatabaseDefaults(OdDbDatabase* db) {
  OdDbCurve::setDatabaseDefaults(db);
  if (db && m_style.isNull()) m_style = db->header().dimstyle;
}

void OdDbLeader::dxfInFields(const OdDxfIn& in) {
  OdDbCurve::dxfInFields(in);
  const char* S = "AcDbLeader";
  m_style = styleNamed(in, S);
  m_arrow = in.integer(S, 71, 1) != 0;
  m_splined = in.integer(S, 72, 0) != 0;
  m_hook = in.integer(S, 75, 0) != 0;
  m_normal = unitOr(in.vector(S, 210, OdGeVector3d::kZAxis), OdGeVector3d::kZAxis);
  m_xDir = unitOr(in.vector(S, 211, OdGeVector3d::kXAxis), OdGeVector3d::kXAxis);
  m_annotation = in.reference(S, 340);
  m_vertices.clear();
  for (int i = 0; in.field(S, 10, i); ++i) m_vertices.push_back(in.point(S, 10, OdGePoint3d(), i));
}

void OdDbLeader::dxfOutFields(OdDxfOut& out) const {
  OdDbCurve::dxfOutFields(out);
  out.subclass("AcDbLeader");
  writeStyle(out, m_style);
  out.integer(71, m_arrow ? 1 : 0);
  out.integer(72, m_splined ? 1 : 0);
  out.integerOpt(75, m_hook ? 1 : 0, 0);
  out.integer(76, static_cast<long long>(m_vertices.size()));
  for (const OdGePoint3d& p : m_vertices) out.point(10, p);
  out.normal(210, m_normal);
  out.vectorOpt(211, m_xDir, OdGeVector3d::kXAxis);
  out.referenceOpt(340, m_annotation);
}

OdResult OdDbLeader::transformBy(const OdGeMatrix3d& transform) {
  assertWriteEnabled();
  std::vector<OdGePoint3d> moved = m_vertices;
  for (OdGePoint3d& p : moved)
    if (!p.transformBy(transform).isFinite()) return eInvalidInput;
  const OdGeVector3d n = OdGeVector3d(m_normal).transformBy(transform), x = OdGeVector3d(m_xDir).transformBy(transform);
  if (n.isZeroLength() || x.isZeroLength()) return eInvalidInput;
  m_vertices = moved;
  m_normal = unitOr(n, m_normal);
  m_xDir = unitOr(x, m_xDir);
  return eOk;
}

// ---------------------------------------------------------------- tolerance frames

OdString OdDbFcf::text() const { assertReadEnabled(); return m_text; }
OdResult OdDbFcf::setText(const OdString& text) { assertWriteEnabled(); m_text = text; return eOk; }
OdGePoint3d OdDbFcf::location() const { assertReadEnabled(); return m_location; }
OdResult OdDbFcf::setLocation(const OdGePoint3d& point) { assertWriteEnabled(); return odDbAssignFinite(m_location, point); }
OdGeVector3d OdDbFcf::normal() const { assertReadEnabled(); return m_normal; }
OdGeVector3d OdDbFcf::direction() const { assertReadEnabled(); return m_direction; }
OdResult OdDbFcf::setOrientation(const OdGeVector3d& normal, const OdGeVector3d& direction) {
  assertWriteEnabled();
  if (normal.isZeroLength() || direction.isZeroLength() || !normal.isFinite() || !direction.isFinite()) return eInvalidInput;
  m_normal = unitOr(normal, m_normal);
  m_direction = unitOr(direction, m_direction);
  return eOk;
}

OdDbObjectId OdDbFcf::dimensionStyle() const { assertReadEnabled(); return m_style; }
OdResult OdDbFcf::setDimensionStyle(OdDbObjectId style) {
  assertWriteEnabled();
  if (checkedStyle(style) != eOk) return eInvalidInput;
  m_style = style;
  return eOk;
}
OdDbDimVarValue OdDbFcf::dimVar(OdDbDimVar var) const { return odDbDimVarOf(*this, dimensionStyle(), var); }
OdResult OdDbFcf::setDimVar(OdDbDimVar var, const OdDbDimVarValue& value) {
  return odDbSetDimVarOverride(*this, var, value);
}
bool OdDbFcf::hasOverride(OdDbDimVar var) const { return odDbHasDimVarOverride(*this, var); }

void OdDbFcf::setDatabaseDefaults(OdDbDatabase* db) {
  OdDbEntity::setDatabaseDefaults(db);
  if (db && m_style.isNull()) m_style = db->header().dimstyle;
}

void OdDbFcf::dxfInFields(const OdDxfIn& in) {
  OdDbEntity::dxfInFields(in);
  const char* S = "AcDbFcf";
  m_style = styleNamed(in, S);
  m_location = in.point(S, 10);
  m_text = in.string(S, 1);
  m_normal = unitOr(in.vector(S, 210, OdGeVector3d::kZAxis), OdGeVector3d::kZAxis);
  m_direction = unitOr(in.vector(S, 11, OdGeVector3d::kXAxis), OdGeVector3d::kXAxis);
}

void OdDbFcf::dxfOutFields(OdDxfOut& out) const {
  OdDbEntity::dxfOutFields(out);
  out.subclass("AcDbFcf");
  writeStyle(out, m_style);
  out.point(10, m_location);
  out.string(1, m_text);
  out.normal(210, m_normal);
  out.point(11, OdGePoint3d::kOrigin + m_direction);
}

OdResult OdDbFcf::transformBy(const OdGeMatrix3d& transform) {
  assertWriteEnabled();
  OdGePoint3d p = m_location;
  const OdGeVector3d n = OdGeVector3d(m_normal).transformBy(transform), d = OdGeVector3d(m_direction).transformBy(transform);
  if (!p.transformBy(transform).isFinite() || n.isZeroLength() || d.isZeroLength()) return eInvalidInput;
  m_location = p;
  m_normal = unitOr(n, m_normal);
  m_direction = unitOr(d, m_direction);
  return eOk;
}
