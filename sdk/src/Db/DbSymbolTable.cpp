#include "Db/DbSymbolTable.h"

#include "Db/DbDatabase.h"
#include "Db/DbResBuf.h"
#include "Dxf/DxfFiler.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_ABSTRACT_MEMBERS(OdDbSymbolTableRecord, OdDbObject)
ODRX_DEFINE_ABSTRACT_MEMBERS(OdDbSymbolTable, OdDbObject)
ODRX_DEFINE_MEMBERS_EX(OdDbLayerTableRecord, OdDbSymbolTableRecord, L"LAYER", new OdDbLayerTableRecord)
ODRX_DEFINE_MEMBERS_EX(OdDbLinetypeTableRecord, OdDbSymbolTableRecord, L"LTYPE", new OdDbLinetypeTableRecord)
ODRX_DEFINE_MEMBERS_EX(OdDbRegAppTableRecord, OdDbSymbolTableRecord, L"APPID", new OdDbRegAppTableRecord)
ODRX_DEFINE_MEMBERS_EX(OdDbUCSTableRecord, OdDbSymbolTableRecord, L"UCS", new OdDbUCSTableRecord)
ODRX_DEFINE_MEMBERS_EX(OdDbBlockTableRecord, OdDbSymbolTableRecord, L"BLOCK_RECORD", new OdDbBlockTableRecord)
ODRX_DEFINE_MEMBERS_EX(OdDbLayerTable, OdDbSymbolTable, L"TABLE", new OdDbLayerTable)
ODRX_DEFINE_MEMBERS_EX(OdDbLinetypeTable, OdDbSymbolTable, L"TABLE", new OdDbLinetypeTable)
ODRX_DEFINE_MEMBERS_EX(OdDbRegAppTable, OdDbSymbolTable, L"TABLE", new OdDbRegAppTable)
ODRX_DEFINE_MEMBERS_EX(OdDbUCSTable, OdDbSymbolTable, L"TABLE", new OdDbUCSTable)
ODRX_DEFINE_MEMBERS_EX(OdDbBlockTable, OdDbSymbolTable, L"TABLE", new OdDbBlockTable)

bool OdDbSymbolTableRecord::isValidName(const OdString& name, bool allowDependent) {
  if (name.isEmpty() || name.getLength() > 255) return false;
  for (int i = 0; i < name.getLength(); ++i) {
    wchar_t c = name.getAt(i);
    if (c == L'|' && allowDependent && i > 0 && i + 1 < name.getLength()) continue;
    if (c < 32 || wcschr(L"<>/\\\":;?*|,=`", c)) return false;
  }
  return true;
}

OdResult OdDbSymbolTableRecord::setName(const OdString& name) {
  assertWriteEnabled();
  // Names starting with "*" are the anonymous and special block names.
  OdString check = name.getLength() > 1 && name.getAt(0) == L'*' ? name.mid(1) : name;
  if (!isValidName(check, true)) return eInvalidInput;
  m_name = name;
  return eOk;
}

bool OdDbSymbolTableRecord::isDependent() const {
  assertReadEnabled();
  return m_name.find(L'|') > 0;
}

OdDbObjectId OdDbSymbolTable::getAt(const OdString& name, bool getErased) const {
  assertReadEnabled();
  auto matches = [&](const OdDbObjectId& id) {
    if (id.isNull() || (id.isErased() && !getErased)) return false;
    OdDbObjectPtr obj = id.openObject(OdDb::kForRead, true);
    if (obj.isNull()) return false;
    auto* rec = static_cast<OdDbSymbolTableRecord*>(obj.get());
    return rec->name().iCompare(name.c_str()) == 0;
  };
  // Drawings ask for the same layer or line style many times in a row.
  if (matches(m_lastFound)) return m_lastFound;
  for (const OdDbObjectId& id : m_records)
    if (matches(id)) {
      m_lastFound = id;
      return id;
    }
  return OdDbObjectId();
}

OdResult OdDbSymbolTable::add(OdDbSymbolTableRecord* record, OdDbObjectId& id) {
  id = OdDbObjectId();
  assertWriteEnabled();
  OdDbDatabase* db = database();
  if (!record || !db) return eNullObjectPointer;
  if (!record->isKindOf(recordClass())) return eWrongObjectType;
  if (!record->objectId().isNull()) return eAlreadyInDb;
  OdString name = record->getName();
  if (name.isEmpty()) return eInvalidInput;
  if (has(name)) return eDuplicateKey;
  id = db->addOdDbObject(record, objectId());
  m_records.append(id);
  return eOk;
}

OdDbObjectId OdDbSymbolTable::add(OdDbSymbolTableRecord* record) {
  OdDbObjectId id;
  OdResult res = add(record, id);
  if (res != eOk) throw OdError(res);
  return id;
}

OdResult OdDbLayerTableRecord::setLineWeight(OdDb::LineWeight w) {
  assertWriteEnabled();
  if (!OdDb::isValidLineWeight(int(w)) || w == OdDb::kLnWtByLayer || w == OdDb::kLnWtByBlock) return eInvalidInput;
  m_lineWeight = w;
  return eOk;
}

double OdDbLinetypeTableRecord::dashLengthAt(int i) const {
  assertReadEnabled();
  return i >= 0 && i < int(m_dashes.size()) ? m_dashes[unsigned(i)] : 0.0;
}

double OdDbLinetypeTableRecord::patternLength() const {
  assertReadEnabled();
  double sum = 0.0;
  for (double d : m_dashes) sum += d < 0 ? -d : d;
  return sum;
}

OdDbObjectId OdDbBlockTableRecord::appendOdDbEntity(OdDbEntity* entity) {
  assertWriteEnabled();
  OdDbDatabase* db = database();
  if (!entity || !db) throw OdError(eNullObjectPointer);
  if (!entity->objectId().isNull()) throw OdError(eAlreadyInDb);
  entity->setDatabaseDefaults(db);
  OdDbObjectId id = db->addOdDbObject(entity, objectId());
  m_entities.append(id);
  return id;
}

bool OdDbBlockTableRecord::isLayout() const {
  OdString n = getName();
  return n.iCompare(modelSpaceStr()) == 0 || n.left(12).iCompare(paperSpaceStr()) == 0;
}

bool OdDbBlockTableRecord::isAnonymous() const {
  OdString n = getName();
  return n.getLength() > 1 && n.getAt(0) == L'*' && !isLayout();
}

OdDb::UnitsValue OdDbBlockTableRecord::blockInsertUnits() const {
  assertReadEnabled();
  return m_units >= 0 && m_units <= OdDb::kUnitsMax ? OdDb::UnitsValue(m_units) : OdDb::kUnitsUndefined;
}
OdResult OdDbBlockTableRecord::setBlockInsertUnits(OdDb::UnitsValue units) {
  assertWriteEnabled();
  if (units < 0 || units > OdDb::kUnitsMax) return eInvalidInput;
  m_units = units;
  return eOk;
}

void OdDbBlockTableRecord::dxfInFields(const OdDxfIn& in) {
  OdDbSymbolTableRecord::dxfInFields(in);
  const char* S = "AcDbBlockTableRecord";
  m_units = in.integer(S, 70, 0);
  m_explodable = in.integer(S, 280, 1) != 0;
  m_scaling = in.integer(S, 281, 0) != 0 ? OdDb::kUniform : OdDb::kAny;
}

// The BLOCK is written back as read, whatever it holds: a field that is not
// a number leaves the default rather than refusing the drawing.
void OdDbBlockTableRecord::dxfInBlockBegin(const OdDxfIn& in) {
  const char* S = "AcDbBlockBegin";
  auto number = [&](int code, double def) {
    const OdDxfTag* t = in.field(S, code);
    if (!t) return def;
    try {
      return in.toReal(*t);
    } catch (const OdDxfError&) {
      return def;
    }
  };
  m_origin = OdGePoint3d(number(10, 0.0), number(20, 0.0), number(30, 0.0));
  const double flags = number(70, 0.0);
  m_blockFlags = flags >= 0.0 && flags <= 65535.0 ? int(flags) : 0;
  m_xrefPath = in.string(S, 1);
}

void OdDbBlockTableRecord::dxfOutFields(OdDxfOut& out) const {
  OdDbSymbolTableRecord::dxfOutFields(out);
  out.integerOpt(70, m_units, 0);
  out.integerOpt(280, m_explodable ? 1 : 0, 1);
  out.integerOpt(281, m_scaling, 0);
}

const char* OdDbSymbolTableRecord::dxfMarker() const {
  static const struct {
    const wchar_t* dxfName;
    const char* marker;
  } kMarkers[] = {{L"LAYER", "AcDbLayerTableRecord"}, {L"LTYPE", "AcDbLinetypeTableRecord"},
                  {L"STYLE", "AcDbTextStyleTableRecord"}, {L"VIEW", "AcDbViewTableRecord"},
                  {L"UCS", "AcDbUCSTableRecord"},       {L"VPORT", "AcDbViewportTableRecord"},
                  {L"APPID", "AcDbRegAppTableRecord"},  {L"DIMSTYLE", "AcDbDimStyleTableRecord"},
                  {L"BLOCK_RECORD", "AcDbBlockTableRecord"}};
  const OdString& name = isA()->dxfName();
  for (const auto& m : kMarkers)
    if (name == m.dxfName) return m.marker;
  return "AcDbSymbolTableRecord";
}

void OdDbSymbolTableRecord::dxfInFields(const OdDxfIn& in) {
  OdDbObject::dxfInFields(in);
  // Names from files are taken as they are, valid or not, so that they are written back unchanged.
  m_name = in.string(dxfMarker(), 2);
  m_fileFlags = in.integer(dxfMarker(), 70, 0);
}

void OdDbSymbolTableRecord::dxfOutFields(OdDxfOut& out) const {
  OdDbObject::dxfOutFields(out);
  out.subclass("AcDbSymbolTableRecord");
  out.subclass(dxfMarker());
  out.string(2, m_name);
}

OdString OdDbLayerTableRecord::description() const {
  assertReadEnabled();
  if (!m_description.isEmpty()) return m_description;
  int strings = 0;
  for (OdResBufPtr rb = xData(L"AcAecLayerStandard"); !rb.isNull(); rb = rb->next())
    if (rb->restype() == OdResBuf::kDxfXdAsciiString && ++strings == 2) return rb->getString();
  return OdString();
}

void OdDbLayerTableRecord::dxfInFields(const OdDxfIn& in) {
  OdDbSymbolTableRecord::dxfInFields(in);
  const char* S = "AcDbLayerTableRecord";
  const int color = in.integer(S, 62, 7);
  m_off = color < 0;
  m_color.setColorIndex(OdInt16(color < 0 ? -color : (color == 0 || color > 255 ? 7 : color)));
  if (in.has(S, 420)) {
    const OdUInt32 rgb = OdUInt32(in.integer(S, 420, 0));
    m_color.setRGB(OdUInt8(rgb >> 16), OdUInt8(rgb >> 8), OdUInt8(rgb));
  }
  const int flags = in.integer(S, 70, 0);
  m_frozen = (flags & 1) != 0;
  m_locked = (flags & 4) != 0;
  m_plottable = in.integer(S, 290, 1) != 0;
  const int weight = in.integer(S, 370, -3);
  m_lineWeight = OdDb::isValidLineWeight(weight) ? OdDb::LineWeight(weight) : OdDb::kLnWtByLwDefault;
  if (in.has(S, 440)) m_transparency = OdCmTransparency::fromSerialized(in.integer(S, 440, 0));
  if (OdDbDatabase* db = in.database()) {
    OdDbSymbolTablePtr linetypes = OdDbSymbolTable::cast(db->getLinetypeTableId().openObject());
    if (!linetypes.isNull()) m_linetype = linetypes->getAt(in.string(S, 6, L"Continuous"));
  }
}

void OdDbLayerTableRecord::dxfOutFields(OdDxfOut& out) const {
  OdDbSymbolTableRecord::dxfOutFields(out);
  out.integer(70, flagsWith(1 | 4, (m_frozen ? 1 : 0) | (m_locked ? 4 : 0)));
  const int index = m_color.isByColor() || m_color.isByACI() ? m_color.colorIndex() : 7;
  out.integer(62, m_off ? -index : index);
  if (m_color.isByColor()) out.integer(420, m_color.rgb());
  else out.own(420);
  OdString linetype = L"Continuous";
  if (OdDbObjectPtr lt = m_linetype.openObject()) {
    OdDbSymbolTableRecordPtr record = OdDbSymbolTableRecord::cast(lt);
    if (!record.isNull()) linetype = record->getName();
  }
  out.name(6, linetype);
  out.integerOpt(290, m_plottable ? 1 : 0, 1);
  out.integerOpt(370, m_lineWeight, OdDb::kLnWtByLwDefault);
}

void OdDbLinetypeTableRecord::dxfInFields(const OdDxfIn& in) {
  OdDbSymbolTableRecord::dxfInFields(in);
  const char* S = "AcDbLinetypeTableRecord";
  m_comments = in.string(S, 3);
  const int count = in.integer(S, 73, 0);
  m_dashes.clear();
  for (int i = 0; i < count && in.has(S, 49); ++i) {
    if (i > 0 && in.real(S, 49, 1e300, i) == 1e300) break;
    m_dashes.append(in.real(S, 49, 0.0, i));
  }
}

void OdDbLinetypeTableRecord::dxfOutFields(OdDxfOut& out) const {
  OdDbSymbolTableRecord::dxfOutFields(out);
  out.integer(70, flagsWith(0, 0));
  out.string(3, m_comments);
  out.integer(72, 65);
  out.integer(73, m_dashes.size());
  out.real(40, patternLength());
  for (double d : m_dashes) {
    out.real(49, d);
    out.integer(74, 0);
  }
}

void OdDbUCSTableRecord::dxfInFields(const OdDxfIn& in) {
  OdDbSymbolTableRecord::dxfInFields(in);
  const char* S = "AcDbUCSTableRecord";
  m_origin = in.point(S, 10);
  m_x = in.vector(S, 11, OdGeVector3d::kXAxis);
  m_y = in.vector(S, 12, OdGeVector3d::kYAxis);
}

void OdDbUCSTableRecord::dxfOutFields(OdDxfOut& out) const {
  OdDbSymbolTableRecord::dxfOutFields(out);
  out.integer(70, flagsWith(0, 0));
  out.point(10, m_origin);
  out.point(11, OdGePoint3d(m_x.x, m_x.y, m_x.z));
  out.point(12, OdGePoint3d(m_y.x, m_y.y, m_y.z));
}
