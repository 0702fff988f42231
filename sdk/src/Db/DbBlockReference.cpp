#include "Db/DbBlockReference.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

#include "Db/DbAssign.h"
#include "Db/DbAttribute.h"
#include "Db/DbDatabase.h"
#include "Db/DbResBuf.h"
#include "Db/DbSymbolTable.h"
#include "Dxf/DxfFiler.h"
#include "Ge/GeConst.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbBlockReference, OdDbEntity, L"INSERT", new OdDbBlockReference)
ODRX_DEFINE_MEMBERS_EX(OdDbMInsertBlock, OdDbBlockReference, L"INSERT", new OdDbMInsertBlock)

namespace {
bool finiteScale(const OdGeScale3d& s) {
  return std::isfinite(s.sx) && std::isfinite(s.sy) && std::isfinite(s.sz) && s.sx != 0.0 && s.sy != 0.0 && s.sz != 0.0;
}
OdGePoint3d baseOf(OdDbObjectId block) {
  OdDbBlockTableRecordPtr record = OdDbBlockTableRecord::cast(block.openObject());
  return record.isNull() ? OdGePoint3d() : record->origin();
}
}  // namespace

OdDbObjectId OdDbBlockReference::blockTableRecord() const {
  assertReadEnabled();
  return m_block;
}
OdResult OdDbBlockReference::setBlockTableRecord(OdDbObjectId id) {
  assertWriteEnabled();
  if (OdDbBlockTableRecord::cast(id.openObject()).isNull()) return eInvalidInput;
  m_block = id;
  m_blockName = OdString();
  return eOk;
}
OdGePoint3d OdDbBlockReference::position() const {
  assertReadEnabled();
  return m_position;
}
OdResult OdDbBlockReference::setPosition(const OdGePoint3d& position) {
  assertWriteEnabled();
  return odDbAssignFinite(m_position, position);
}
OdGeScale3d OdDbBlockReference::scaleFactors() const {
  assertReadEnabled();
  return m_scale;
}
OdResult OdDbBlockReference::setScaleFactors(const OdGeScale3d& scale) {
  assertWriteEnabled();
  if (!finiteScale(scale)) return eInvalidInput;
  m_scale = scale;
  return eOk;
}
double OdDbBlockReference::rotation() const {
  assertReadEnabled();
  return m_rotation;
}
OdResult OdDbBlockReference::setRotation(double angle) {
  assertWriteEnabled();
  return odDbAssignFinite(m_rotation, angle);
}
OdGeVector3d OdDbBlockReference::normal() const {
  assertReadEnabled();
  return m_normal;
}
OdResult OdDbBlockReference::setNormal(const OdGeVector3d& normal) {
  assertWriteEnabled();
  return odDbAssignNormal(m_normal, normal);
}

OdGeMatrix3d OdDbBlockReference::blockTransform() const {
  assertReadEnabled();
  return OdGeMatrix3d::translation(m_position.asVector()) * OdGeMatrix3d::planeToWorld(m_normal) *
         OdGeMatrix3d::rotation(m_rotation, OdGeVector3d::kZAxis) * OdGeMatrix3d::scaling(m_scale) *
         OdGeMatrix3d::translation(-baseOf(m_block).asVector());
}

OdResult OdDbBlockReference::setBlockTransform(const OdGeMatrix3d& transform) {
  assertWriteEnabled();
  const OdGeVector3d x = transform.getCsXAxis(), y = transform.getCsYAxis(), z = transform.getCsZAxis();
  const double lx = x.length(), ly = y.length(), lz = z.length();
  if (!(lx > 0.0 && ly > 0.0 && lz > 0.0) || !std::isfinite(lx * ly * lz)) return eInvalidInput;
  // Only scaled and turned axes, without shear, make a reference.
  const double tol = 1e-9;
  if (std::fabs(x.dotProduct(y)) > tol * lx * ly || std::fabs(x.dotProduct(z)) > tol * lx * lz ||
      std::fabs(y.dotProduct(z)) > tol * ly * lz)
    return eInvalidInput;
  const OdGeVector3d normal = x.crossProduct(y).normal();
  const OdGeScale3d scale(lx, ly, z.dotProduct(normal));
  const OdGeVector3d inPlane = OdGeVector3d(x).transformBy(OdGeMatrix3d::worldToPlane(normal));
  OdGePoint3d position = baseOf(m_block);
  position.transformBy(transform);
  if (!position.isFinite()) return eInvalidInput;
  m_normal = odDbUnitNormal(normal);
  m_scale = scale;
  m_rotation = OdaNormalizedAngle(std::atan2(inPlane.y, inPlane.x));
  m_position = position;
  return eOk;
}

// The reference and its attributes move together; so does its extended data.
OdResult OdDbBlockReference::transformBy(const OdGeMatrix3d& transform) {
  assertWriteEnabled();
  const OdResult result = setBlockTransform(transform * blockTransform());
  if (result != eOk) return result;
  odDbTransformXData(this, transform);
  for (const OdDbObjectId& id : m_attributes.ids()) {
    OdDbEntityPtr attribute = OdDbEntity::cast(id.openObject(OdDb::kForWrite));
    if (!attribute.isNull()) attribute->transformBy(transform);
  }
  return eOk;
}

OdDbObjectIteratorPtr OdDbBlockReference::attributeIterator() const {
  assertReadEnabled();
  return m_attributes.iterator();
}

OdDbObjectId OdDbBlockReference::appendAttribute(OdDbAttribute* attribute) {
  assertWriteEnabled();
  OdDbObjectId id;
  if (m_attributes.insert(this, attribute, id) != eOk) return OdDbObjectId();
  return id;
}

void OdDbBlockReference::subEntityIds(OdDbObjectIdArray& ids) const { m_attributes.subEntityIds(ids); }

bool OdDbBlockReference::dxfAdoptFollowers(const std::vector<OdDbObjectId>& followers) {
  m_attributes.adopt(followers);
  // Attributes a file ended without a sequence end get one.
  if (!m_attributes.ids().empty()) m_attributes.ensureSequenceEnd(this);
  return true;
}

void OdDbBlockReference::dxfFollowers(std::vector<OdDbObjectId>& ids) const { m_attributes.followers(ids); }

const char* OdDbBlockReference::dxfMarker() const { return "AcDbBlockReference"; }

void OdDbBlockReference::dxfInFields(const OdDxfIn& in) {
  OdDbEntity::dxfInFields(in);
  // A grid's fields may stand under either marker.
  m_marker = dxfMarker();
  if (in.section(m_marker.c_str()).empty() && !in.section("AcDbBlockReference").empty()) m_marker = "AcDbBlockReference";
  const char* S = m_marker.c_str();
  m_blockName = in.string(S, 2);
  m_normal = in.normal(S);
  m_position = in.ocsPoint(S, 10, m_normal);
  m_scale = OdGeScale3d(in.real(S, 41, 1.0), in.real(S, 42, 1.0), in.real(S, 43, 1.0));
  m_rotation = OdaToRadian(in.real(S, 50, 0.0));
  if (OdDbDatabase* db = in.database()) {
    OdDbSymbolTablePtr blocks = OdDbSymbolTable::cast(db->getBlockTableId().openObject());
    if (!blocks.isNull()) m_block = blocks->getAt(m_blockName);
  }
  if (!m_block.isNull()) m_blockName = OdString();
}

void OdDbBlockReference::dxfOutFields(OdDxfOut& out) const {
  OdDbEntity::dxfOutFields(out);
  out.subclass(m_marker.empty() ? dxfMarker() : m_marker.c_str());
  bool attributes = false;
  for (const OdDbObjectId& id : m_attributes.ids()) attributes = attributes || !id.isErased();
  out.integerOpt(66, attributes ? 1 : 0, 0);
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(m_block.openObject());
  if (!block.isNull()) out.name(2, block->getName());
  else if (out.hadField(2)) out.original(2);
  else out.string(2, m_blockName);
  out.ocsPoint(10, m_position, m_normal);
  out.realOpt(41, m_scale.sx, 1.0);
  out.realOpt(42, m_scale.sy, 1.0);
  out.realOpt(43, m_scale.sz, 1.0);
  out.angleOpt(50, m_rotation, 0.0);
  dxfOutBeforeNormal(out);
  out.normal(210, m_normal);
}

OdResult odDbTransformXData(OdDbObject* object, const OdGeMatrix3d& transform) {
  OdResBufPtr chain = object->xData();
  if (chain.isNull()) return eOk;
  const double scale = transform.scale();
  for (OdResBuf* rb = chain.get(); rb; rb = rb->next().get()) {
    OdGePoint3d p = rb->getPoint3d();
    switch (rb->restype()) {
      case OdResBuf::kDxfXdWorldXCoord:
        rb->setPoint3d(p.transformBy(transform));
        break;
      case OdResBuf::kDxfXdWorldXDisp:
      case OdResBuf::kDxfXdWorldXDir: {
        OdGeVector3d v = p.asVector().transformBy(transform);
        if (rb->restype() == OdResBuf::kDxfXdWorldXDir && !v.isZeroLength()) v.normalize();
        rb->setPoint3d(OdGePoint3d::kOrigin + v);
        break;
      }
      case OdResBuf::kDxfXdDist:
      case OdResBuf::kDxfXdScale:
        rb->setDouble(rb->getDouble() * scale);
        break;
      default:
        break;
    }
    // Data the drawing cannot hold leave the object as it was.
    if (!rb->getPoint3d().isFinite() || !std::isfinite(rb->getDouble())) return eInvalidInput;
  }
  return object->setXData(chain);
}

const char* OdDbMInsertBlock::dxfMarker() const { return "AcDbMInsertBlock"; }

OdUInt16 OdDbMInsertBlock::columns() const {
  assertReadEnabled();
  return m_columns;
}
OdResult OdDbMInsertBlock::setColumns(OdUInt16 count) {
  assertWriteEnabled();
  if (count < 1) return eInvalidInput;
  m_columns = count;
  return eOk;
}
OdUInt16 OdDbMInsertBlock::rows() const {
  assertReadEnabled();
  return m_rows;
}
OdResult OdDbMInsertBlock::setRows(OdUInt16 count) {
  assertWriteEnabled();
  if (count < 1) return eInvalidInput;
  m_rows = count;
  return eOk;
}
double OdDbMInsertBlock::columnSpacing() const {
  assertReadEnabled();
  return m_columnSpacing;
}
OdResult OdDbMInsertBlock::setColumnSpacing(double spacing) {
  assertWriteEnabled();
  return odDbAssignFinite(m_columnSpacing, spacing);
}
double OdDbMInsertBlock::rowSpacing() const {
  assertReadEnabled();
  return m_rowSpacing;
}
OdResult OdDbMInsertBlock::setRowSpacing(double spacing) {
  assertWriteEnabled();
  return odDbAssignFinite(m_rowSpacing, spacing);
}

void OdDbMInsertBlock::dxfInFields(const OdDxfIn& in) {
  OdDbBlockReference::dxfInFields(in);
  const char* S = m_marker.c_str();
  const int columns = in.integer(S, 70, 1), rows = in.integer(S, 71, 1);
  m_columns = OdUInt16(columns >= 1 && columns <= 65535 ? columns : 1);
  m_rows = OdUInt16(rows >= 1 && rows <= 65535 ? rows : 1);
  m_columnSpacing = in.real(S, 44, 0.0);
  m_rowSpacing = in.real(S, 45, 0.0);
}

// The grid follows the rotation, as files order the fields.
void OdDbMInsertBlock::dxfOutBeforeNormal(OdDxfOut& out) const {
  out.integerOpt(70, m_columns, 1);
  out.integerOpt(71, m_rows, 1);
  out.realOpt(44, m_columnSpacing, 0.0);
  out.realOpt(45, m_rowSpacing, 0.0);
}

OdString odDbNextAnonymousBlockName(const OdDbSymbolTable& blocks) {
  long highest = 0;
  for (const OdDbObjectId& id : blocks.recordIds()) {
    OdDbSymbolTableRecordPtr r = OdDbSymbolTableRecord::cast(id.openObject());
    const std::wstring name = r.isNull() ? std::wstring() : r->getName().wstr();
    if (name.size() > 2 && name[0] == L'*' && (name[1] == L'U' || name[1] == L'u'))
      highest = std::max(highest, std::wcstol(name.c_str() + 2, nullptr, 10));
  }
  return OdString((L"*U" + std::to_wstring(highest + 1)).c_str());
}

bool odDbIsBlockShownElsewhere(OdDbDatabase* db, OdDbObjectId block, OdDbObjectId except) {
  for (const OdDbObjectId& id : db ? db->objectIds() : OdDbObjectIdArray()) {
    if (id == except || id.isErased()) continue;
    OdDbBlockReferencePtr other = OdDbBlockReference::cast(id.openObject());
    if (!other.isNull() && other->blockTableRecord() == block) return true;
  }
  return false;
}
