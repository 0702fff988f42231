#include "Db/DbSymbolTable.h"

#include "Db/DbDatabase.h"
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
  for (const OdDbObjectId& id : m_records) {
    if (id.isErased() && !getErased) continue;
    OdDbObjectPtr obj = id.openObject(OdDb::kForRead, true);
    if (obj.isNull()) continue;
    auto* rec = static_cast<OdDbSymbolTableRecord*>(obj.get());
    if (rec->getName().iCompare(name.c_str()) == 0) return id;
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
