#include "Db/DbDatabase.h"
#include "Db/DbLayout.h"
#include "Db/DbViewport.h"

#include <algorithm>
#include <cmath>

#include "Db/DbDeclaredClasses.h"
#include "Db/DbDictionary.h"
#include "Db/DbSymbolTable.h"
#include "Rx/RxClass.h"

// Reads a deferred object's fields from the drawing's file (the file's reading does it).
void odDxfReadDeferred(OdDbDatabase* db, OdDbObject* object, uint32_t tag);

ODRX_DEFINE_MEMBERS_EX(OdDbDatabase, OdRxObject, L"", new OdDbDatabase)

OdDbDatabase::OdDbDatabase(bool createDefaults) {
  // Views of the drawing's viewports answer as soon as there is a drawing.
  odDbRegisterViewServices();
  if (!createDefaults) return;
  auto addTable = [&](OdDbObject* table) {
    OdDbObjectId id = addOdDbObject(table);
    table->release();
    return id;
  };
  m_blockTable = addTable(new OdDbBlockTable);
  m_layerTable = addTable(new OdDbLayerTable);
  m_linetypeTable = addTable(new OdDbLinetypeTable);
  m_textStyleTable = addTable(new OdDbTextStyleTable);
  m_dimStyleTable = addTable(new OdDbDimStyleTable);
  m_regAppTable = addTable(new OdDbRegAppTable);
  m_ucsTable = addTable(new OdDbUCSTable);
  m_viewTable = addTable(new OdDbViewTable);
  m_viewportTable = addTable(new OdDbViewportTable);
  m_namedObjects = addTable(new OdDbDictionary);

  m_ltByBlock = addDefaultRecord(m_linetypeTable, new OdDbLinetypeTableRecord, L"ByBlock");
  m_ltByLayer = addDefaultRecord(m_linetypeTable, new OdDbLinetypeTableRecord, L"ByLayer");
  m_ltContinuous = addDefaultRecord(m_linetypeTable, new OdDbLinetypeTableRecord, L"Continuous");
  {
    OdDbLinetypeTableRecordPtr cont = m_ltContinuous.safeOpenObject(OdDb::kForWrite);
    cont->setComments(L"Solid line");
  }
  auto* zero = new OdDbLayerTableRecord;
  zero->setLinetypeObjectId(m_ltContinuous);
  m_layerZero = addDefaultRecord(m_layerTable, zero, L"0");
  addDefaultRecord(m_regAppTable, new OdDbRegAppTableRecord, L"ACAD");
  addDefaultRecord(m_textStyleTable, new OdDbTextStyleTableRecord, L"Standard");
  addDefaultRecord(m_dimStyleTable, new OdDbDimStyleTableRecord, L"Standard");
  m_modelSpace = addDefaultRecord(m_blockTable, new OdDbBlockTableRecord, OdDbBlockTableRecord::modelSpaceStr());
  m_paperSpace = addDefaultRecord(m_blockTable, new OdDbBlockTableRecord, OdDbBlockTableRecord::paperSpaceStr());
  {
    OdDbDictionaryPtr nod = m_namedObjects.safeOpenObject(OdDb::kForWrite);
    OdDbDictionaryPtr groups = OdDbDictionary::createObject();
    nod->setAt(L"ACAD_GROUP", groups);
  }
  m_header.clayer = m_layerZero;
  m_header.celtype = m_ltByLayer;
  m_header.textstyle = OdDbSymbolTablePtr(m_textStyleTable.safeOpenObject())->getAt(L"Standard");
  m_header.dimstyle = OdDbSymbolTablePtr(m_dimStyleTable.safeOpenObject())->getAt(L"Standard");
}

OdDbObjectId OdDbDatabase::addDefaultRecord(OdDbObjectId tableId, OdDbSymbolTableRecord* record, const wchar_t* name) {
  record->setName(name);
  OdDbSymbolTablePtr table = tableId.safeOpenObject(OdDb::kForWrite);
  OdDbObjectId id = table->add(record);
  record->release();
  return id;
}

OdDbDatabase::~OdDbDatabase() {
  // Objects may refer to each other by id only, so they go in any order; ids
  // stay valid while the stubs exist.
  m_stubs.each([](OdDbStub& stub) {
    if (stub.object) {
      OdDbObject* obj = stub.object;
      stub.object = nullptr;
      obj->m_id = OdDbObjectId();
      obj->release();
    }
  });
}

void OdDbDatabase::release() {
  if (--m_nRefs == 0) delete this;
}

OdDbObjectId OdDbDatabase::addOdDbObject(OdDbObject* object, OdDbObjectId ownerId, OdDbHandle handle) {
  if (!object) throw OdError(eNullObjectPointer);
  if (!object->m_id.isNull()) throw OdError(eAlreadyInDb);
  // Deferred objects read their records' names when made: a new record must not change what they find.
  beforeRecordChange(object);
  OdDbStub* raw = newStub(handle);
  raw->object = object;
  object->addRef();
  object->m_id = OdDbObjectId(raw);
  object->m_ownerId = ownerId;
  object->m_openMode = OdDb::kForWrite;
  object->m_isNew = true;
  return object->m_id;
}

OdDbObjectId OdDbDatabase::addDeferredObject(OdRxClass* cls, uint32_t tag, OdDbHandle handle, OdDbObjectId ownerId) {
  bool taken = handle.isNull();
  const size_t pos = taken ? 0 : handlePlace(OdUInt64(handle), taken);
  if (taken) return OdDbObjectId();
  OdDbStub* raw = &m_stubs.add();
  raw->database = this;
  raw->handle = handle;
  raw->deferredClass = cls;
  raw->deferredTag = tag;
  raw->deferredOwner = ownerId.stub();
  ++m_deferred;
  index(pos, raw);
  return OdDbObjectId(raw);
}

size_t OdDbDatabase::handlePlace(OdUInt64 handle, bool& taken) const {
  taken = false;
  const size_t n = m_byHandle.size();
  if (n == 0 || handle > m_byHandle.back().first) return n;
  // Files bring runs of rising handles that land at one place (before a few
  // high ones, say): where the last one went is tried first.
  const size_t hint = m_placeHint;
  if (hint <= n && (hint == 0 || m_byHandle[hint - 1].first < handle) && (hint == n || handle < m_byHandle[hint].first)) {
    if (!m_late.empty()) taken = !lateLookup(handle).isNull();
    return hint;
  }
  const size_t pos = size_t(std::lower_bound(m_byHandle.begin(), m_byHandle.end(), handle,
                                             [](const auto& e, OdUInt64 h) { return e.first < h; }) -
                            m_byHandle.begin());
  taken = pos < n && m_byHandle[pos].first == handle;
  if (!taken && !m_late.empty()) taken = !lateLookup(handle).isNull();
  return pos;
}

OdDbObjectId OdDbDatabase::lateLookup(OdUInt64 handle) const {
  auto pos = std::lower_bound(m_late.begin(), m_late.end(), handle, [](const auto& e, OdUInt64 h) { return e.first < h; });
  return pos != m_late.end() && pos->first == handle ? OdDbObjectId(pos->second) : OdDbObjectId();
}

void OdDbDatabase::mergeLate() const {
  if (m_late.empty()) return;
  const size_t middle = m_byHandle.size();
  m_byHandle.insert(m_byHandle.end(), m_late.begin(), m_late.end());
  std::inplace_merge(m_byHandle.begin(), m_byHandle.begin() + long(middle), m_byHandle.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
  m_late.clear();
  m_late.shrink_to_fit();
  m_placeHint = 0;
}

void OdDbDatabase::index(size_t pos, OdDbStub* stub) {
  const OdUInt64 handle = OdUInt64(stub->handle);
  if (handle >= OdUInt64(m_nextHandle)) m_nextHandle = handle + 1;
  if (pos == m_byHandle.size()) {
    m_byHandle.emplace_back(handle, stub);
  } else if (m_numberLater && m_byHandle.size() - pos > 64) {
    // While a file is read, a handle far below the last ones (objects that
    // files write last with the first handles) waits aside: no moving of
    // the whole index for each.
    auto at = std::lower_bound(m_late.begin(), m_late.end(), handle, [](const auto& e, OdUInt64 h) { return e.first < h; });
    m_late.insert(at, {handle, stub});
    return;
  } else {
    m_byHandle.insert(m_byHandle.begin() + long(pos), {handle, stub});
  }
  m_placeHint = pos + 1;
}

OdDbStub* OdDbDatabase::newStub(OdDbHandle handle) {
  bool taken = handle.isNull();
  size_t pos = taken ? 0 : handlePlace(OdUInt64(handle), taken);
  OdDbStub* raw = &m_stubs.add();
  raw->database = this;
  if (taken && m_numberLater) {
    // Numbered once every handle of the file is known, so that none is taken twice.
    m_unnumbered.push_back(raw);
    return raw;
  }
  if (taken) {
    handle = m_nextHandle;  // beyond every handle given
    pos = m_byHandle.size();
  }
  raw->handle = handle;
  index(pos, raw);
  return raw;
}

void OdDbDatabase::makeDeferred(OdDbStub* stub) {
  if (!stub->deferredClass || stub->object) return;
  OdRxClass* cls = stub->deferredClass;
  stub->deferredClass = nullptr;
  --m_deferred;
  OdRxObjectPtr made = cls->create();
  OdDbObject* object = made.isNull() ? nullptr : static_cast<OdDbObject*>(made->queryX(OdDbObject::desc()));
  if (!object) return;
  stub->object = object;  // the reference queryX gave
  object->m_id = OdDbObjectId(stub);
  object->m_ownerId = OdDbObjectId(stub->deferredOwner);
  object->m_openMode = OdDb::kForWrite;
  object->m_isNew = false;
  // Its record was checked when the file was read: every number in it reads.
  if (m_dxf) odDxfReadDeferred(this, object, stub->deferredTag);
  object->m_openMode = OdDb::kNotOpen;
  object->clearModifiedSinceRead();
}

void OdDbDatabase::beforeRecordChange(const OdDbObject* object) {
  if (!deferredArmed() || !(object->isKindOf(OdDbSymbolTableRecord::desc()) || object->isKindOf(OdDbSymbolTable::desc())))
    return;
  if (object->isKindOf(OdDbBlockTableRecord::desc()) || object->isKindOf(OdDbBlockTable::desc())) return;
  makeAllDeferred();
}

void OdDbDatabase::makeAllDeferred() {
  m_stubs.each([this](OdDbStub& stub) {
    if (m_deferred != 0 && stub.deferredClass) makeDeferred(&stub);
  });
}

void OdDbDatabase::preferHandle(OdDbObjectId id, OdDbHandle handle) {
  if (!id.isNull() && !handle.isNull() && id.stub()->handle.isNull()) m_preferred[id.stub()] = handle;
}

void OdDbDatabase::numberNewObjectsLater(bool later) {
  m_numberLater = later;
  if (later) return;
  mergeLate();
  // A handle the file names for an object it lacks goes to the object made for it, while free.
  for (const auto& [stub, handle] : m_preferred) {
    auto pos = std::lower_bound(m_byHandle.begin(), m_byHandle.end(), OdUInt64(handle),
                                [](const auto& e, OdUInt64 h) { return e.first < h; });
    if (pos != m_byHandle.end() && pos->first == OdUInt64(handle)) continue;
    stub->handle = handle;
    m_byHandle.insert(pos, {OdUInt64(handle), stub});
    if (OdUInt64(handle) >= OdUInt64(m_nextHandle)) m_nextHandle = OdUInt64(handle) + 1;
  }
  m_preferred.clear();
  m_lastLookup = nullptr;
  for (OdDbStub* stub : m_unnumbered) {
    if (!stub->handle.isNull()) continue;
    stub->handle = m_nextHandle;
    m_nextHandle = OdUInt64(m_nextHandle) + 1;
    m_byHandle.emplace_back(OdUInt64(stub->handle), stub);
  }
  m_unnumbered.clear();
  m_unnumbered.shrink_to_fit();
}

OdDbObjectId OdDbDatabase::getOdDbObjectId(OdDbHandle handle) const {
  // Owners are asked for again and again (every entity of a layout names it).
  if (m_lastLookup && m_lastLookup->handle == handle) return OdDbObjectId(m_lastLookup);
  auto pos = std::lower_bound(m_byHandle.begin(), m_byHandle.end(), OdUInt64(handle),
                              [](const auto& e, OdUInt64 h) { return e.first < h; });
  if (pos == m_byHandle.end() || pos->first != OdUInt64(handle)) return m_late.empty() ? OdDbObjectId() : lateLookup(handle);
  m_lastLookup = pos->second;
  return OdDbObjectId(pos->second);
}

OdDbObjectIdArray OdDbDatabase::objectIds() const {
  mergeLate();
  OdDbObjectIdArray ids;
  ids.reserve(unsigned(m_byHandle.size()));
  for (const auto& e : m_byHandle) ids.append(OdDbObjectId(e.second));
  return ids;
}

void OdDbDatabase::setWellKnownIds(OdDbObjectId blockTable, OdDbObjectId layerTable, OdDbObjectId linetypeTable,
                                   OdDbObjectId textStyleTable, OdDbObjectId dimStyleTable,
                                   OdDbObjectId regAppTable, OdDbObjectId ucsTable, OdDbObjectId viewTable,
                                   OdDbObjectId viewportTable, OdDbObjectId namedObjects) {
  m_blockTable = blockTable;
  m_layerTable = layerTable;
  m_linetypeTable = linetypeTable;
  m_textStyleTable = textStyleTable;
  m_dimStyleTable = dimStyleTable;
  m_regAppTable = regAppTable;
  m_ucsTable = ucsTable;
  m_viewTable = viewTable;
  m_viewportTable = viewportTable;
  m_namedObjects = namedObjects;
}

void OdDbDatabase::resolveWellKnownRecords(OdDbObjectId modelSpace, OdDbObjectId paperSpace) {
  auto find = [](OdDbObjectId tableId, const wchar_t* name) {
    OdDbObjectPtr obj = tableId.openObject();
    OdDbSymbolTable* table = obj.isNull() ? nullptr : static_cast<OdDbSymbolTable*>(obj->queryX(OdDbSymbolTable::desc()));
    if (!table) return OdDbObjectId();
    OdDbObjectId id = table->getAt(name);
    table->release();
    return id;
  };
  m_modelSpace = modelSpace.isNull() ? find(m_blockTable, OdDbBlockTableRecord::modelSpaceStr()) : modelSpace;
  m_paperSpace = paperSpace.isNull() ? find(m_blockTable, OdDbBlockTableRecord::paperSpaceStr()) : paperSpace;
  m_layerZero = find(m_layerTable, L"0");
  m_ltByLayer = find(m_linetypeTable, L"ByLayer");
  m_ltByBlock = find(m_linetypeTable, L"ByBlock");
  m_ltContinuous = find(m_linetypeTable, L"Continuous");
}

bool OdDbDatabase::hasRegApp(const OdString& appName) const {
  OdDbObjectPtr obj = m_regAppTable.openObject();
  OdDbSymbolTable* table = obj.isNull() ? nullptr : static_cast<OdDbSymbolTable*>(obj->queryX(OdDbSymbolTable::desc()));
  if (!table) return false;
  bool found = table->has(appName);
  table->release();
  return found;
}

bool OdDbDatabase::newRegApp(const OdString& appName) {
  if (hasRegApp(appName)) return true;
  if (!OdDbSymbolTableRecord::isValidName(appName, false)) return false;
  OdDbObjectPtr obj = m_regAppTable.openObject(OdDb::kForWrite);
  OdDbSymbolTable* table = obj.isNull() ? nullptr : static_cast<OdDbSymbolTable*>(obj->queryX(OdDbSymbolTable::desc()));
  if (!table) return false;
  OdDbRegAppTableRecordPtr rec = OdDbRegAppTableRecord::createObject();
  rec->setName(appName);
  OdDbObjectId id;
  OdResult res = table->add(rec, id);
  table->release();
  return res == eOk;
}

OdResult OdDbDatabase::setCurrentUCS(const OdGePoint3d& origin, const OdGeVector3d& xAxis, const OdGeVector3d& yAxis) {
  OdGeVector3d x = xAxis, y = yAxis;
  if (x.isZeroLength() || y.isZeroLength()) return eInvalidInput;
  x.normalize();
  OdGeVector3d z = x.crossProduct(y);
  if (z.isZeroLength()) return eInvalidInput;
  y = z.crossProduct(x).normal();
  m_header.ucsorg = origin;
  m_header.ucsxdir = x;
  m_header.ucsydir = y;
  return eOk;
}

OdDbObjectId OdDbDatabase::currentLayoutId() {
  return odDbLayoutOf(this, m_header.tilemode ? m_modelSpace : m_paperSpace);
}
