#include "Db/DbObject.h"

#include "Db/DbDatabase.h"
#include "Db/DbDictionary.h"
#include "Dxf/DxfFiler.h"
#include "Dxf/DxfRecord.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_ABSTRACT_MEMBERS(OdDbObject, OdRxObject)

OdDbObject::OdDbObject() = default;
OdDbObject::~OdDbObject() = default;

void OdDbObject::addRef() { ++m_nRefs; }

void OdDbObject::release() {
  if (--m_nRefs == 0) {
    delete this;
    return;
  }
  // Only the database's reference left: every user has let go, so the object is closed.
  if (m_nRefs == 1 && !m_id.isNull()) {
    m_openMode = OdDb::kNotOpen;
    m_isNew = false;
  }
}

OdDbDatabase* OdDbObject::database() const { return m_id.database(); }

OdDbHandle OdDbObject::getDbHandle() const { return m_id.getHandle(); }

bool OdDbObject::isReadEnabled() const { return m_id.isNull() || m_openMode != OdDb::kNotOpen; }

bool OdDbObject::isWriteEnabled() const { return m_id.isNull() || m_openMode == OdDb::kForWrite; }

void OdDbObject::assertReadEnabled() const {
  if (!isReadEnabled()) throw OdError(eNotOpenForRead);
}

void OdDbObject::assertWriteEnabled() const {
  if (!isWriteEnabled()) throw OdError(eNotOpenForWrite);
  m_modified = true;
}

void OdDbObject::upgradeOpen() {
  if (m_id.isNull()) return;
  // As opening for writing does: deferred objects read the names of records before they change.
  if (OdDbDatabase* db = database(); db && m_openMode != OdDb::kForWrite) db->beforeRecordChange(this);
  m_openMode = OdDb::kForWrite;
}

void OdDbObject::downgradeOpen() {
  if (!m_id.isNull() && m_openMode == OdDb::kForWrite) m_openMode = OdDb::kForRead;
}

void OdDbObject::close() {
  if (!m_id.isNull()) m_openMode = OdDb::kNotOpen;
}

OdResult OdDbObject::erase(bool erasing) {
  if (!isWriteEnabled()) return eNotOpenForWrite;
  if (m_erased == erasing) return eOk;
  // Owners keep listing erased objects, which can be restored; lookups skip them.
  m_erased = erasing;
  return eOk;
}

OdResBufPtr OdDbObject::xData(const OdString& appName) const {
  assertReadEnabled();
  OdResBufPtr head, tail;
  if (!m_xdata) return head;
  for (const OdResBufPtr& chain : *m_xdata) {
    if (!appName.isEmpty() && chain->getString().iCompare(appName.c_str()) != 0) continue;
    OdResBufPtr copy = chain->copyChain();
    if (head.isNull()) head = copy;
    else tail->setNext(copy);
    tail = copy->last();
    if (!appName.isEmpty()) break;
  }
  return head;
}

OdResult OdDbObject::setXData(const OdResBuf* xdata) {
  assertWriteEnabled();
  // Check the whole chain before changing anything.
  for (const OdResBuf* rb = xdata; rb; rb = rb->next().get()) {
    if (rb->restype() == OdResBuf::kDxfRegAppName) {
      OdDbDatabase* db = database();
      if (db && !db->hasRegApp(rb->getString())) return eRegappIdNotFound;
    } else if (rb == xdata || rb->restype() < 1000 || rb->restype() > 1071) {
      return eInvalidInput;
    }
  }
  for (const OdResBuf* rb = xdata; rb;) {
    // One application's part: from its name to the next name.
    OdResBufPtr app = OdResBuf::newRb(OdResBuf::kDxfRegAppName, rb->getString());
    OdResBuf* tail = app.get();
    const OdResBuf* p = rb->next().get();
    for (; p && p->restype() != OdResBuf::kDxfRegAppName; p = p->next().get()) {
      OdResBufPtr item = OdResBuf::newRb(p->restype());
      item->setString(p->getString());
      item->setDouble(p->getDouble());
      item->setInt32(p->getInt32());
      item->setPoint3d(p->getPoint3d());
      tail = tail->setNext(item);
    }
    if (!m_xdata) m_xdata.reset(new OdArray<OdResBufPtr>);
    OdArray<OdResBufPtr>& chains = *m_xdata;
    int found = -1;
    for (unsigned i = 0; i < chains.size(); ++i)
      if (chains[i]->getString().iCompare(rb->getString().c_str()) == 0) found = int(i);
    bool empty = app->next().isNull();
    if (found >= 0) {
      if (empty) chains.removeAt(unsigned(found));
      else chains[unsigned(found)] = app;
    } else if (!empty) {
      chains.append(app);
    }
    rb = p;
  }
  if (m_xdata && m_xdata->isEmpty()) m_xdata.reset();
  return eOk;
}

OdArray<OdString> OdDbObject::xDataApps() const {
  OdArray<OdString> names;
  if (m_xdata)
    for (const OdResBufPtr& chain : *m_xdata) names.append(chain->getString());
  return names;
}

OdResult OdDbObject::createExtensionDictionary() {
  OdDbDatabase* db = database();
  if (!db) return eNotInDatabase;
  if (!m_extDict.isNull()) return eAlreadyInDb;
  assertWriteEnabled();
  OdDbDictionaryPtr dict = OdDbDictionary::createObject();
  m_extDict = db->addOdDbObject(dict, m_id);
  return eOk;
}

OdDbObjectIdArray OdDbObject::getPersistentReactors() const {
  return m_reactors ? *m_reactors : OdDbObjectIdArray();
}
void OdDbObject::addPersistentReactor(OdDbObjectId id) {
  assertWriteEnabled();
  if (!m_reactors) m_reactors.reset(new OdDbObjectIdArray);
  for (const OdDbObjectId& r : *m_reactors)
    if (r == id) return;
  m_reactors->push_back(id);
}
void OdDbObject::removePersistentReactor(OdDbObjectId id) {
  assertWriteEnabled();
  if (!m_reactors) return;
  OdDbObjectIdArray kept;
  for (const OdDbObjectId& r : *m_reactors)
    if (r != id) kept.push_back(r);
  *m_reactors = kept;
}
void OdDbObject::setPersistentReactorsAsRead(const OdDbObjectIdArray& ids) {
  if (ids.empty()) m_reactors.reset();
  else m_reactors.reset(new OdDbObjectIdArray(ids));
}

void OdDbObject::setDatabaseDefaults(OdDbDatabase*) {}

void OdDbObject::dxfInFields(const OdDxfIn&) {}
void OdDbObject::dxfOutFields(OdDxfOut&) const {}
void OdDbObject::setDxfRecord(std::unique_ptr<OdDxfRecord> record) { m_dxf = std::move(record); }

namespace {
// The "ACAD_FIELD" dictionary of the object's extension dictionary, or null.
OdDbDictionaryPtr fieldDictionary(OdDbObjectId extDict, OdDb::OpenMode mode) {
  OdDbDictionaryPtr ext = OdDbDictionary::cast(extDict.openObject(mode));
  if (ext.isNull()) return OdDbDictionaryPtr();
  return OdDbDictionary::cast(ext->getAt(L"ACAD_FIELD").openObject(mode));
}
}  // namespace

OdDbObjectId OdDbObject::getField(const OdString& propertyName) const {
  assertReadEnabled();
  OdDbDictionaryPtr fields = fieldDictionary(m_extDict, OdDb::kForRead);
  return fields.isNull() ? OdDbObjectId() : fields->getAt(propertyName);
}

OdResult OdDbObject::setField(const OdString& propertyName, OdDbObject* field) {
  assertWriteEnabled();
  if (!field) return eNullObjectPointer;
  if (m_extDict.isNull()) {
    const OdResult res = createExtensionDictionary();
    if (res != eOk) return res;
  }
  OdDbDictionaryPtr ext = OdDbDictionary::cast(m_extDict.openObject(OdDb::kForWrite));
  if (ext.isNull()) return eWrongObjectType;
  OdDbDictionaryPtr fields = OdDbDictionary::cast(ext->getAt(L"ACAD_FIELD").openObject(OdDb::kForWrite));
  if (fields.isNull()) {
    fields = OdDbDictionary::createObject();
    ext->setAt(L"ACAD_FIELD", fields);
  }
  fields->setAt(propertyName, field);
  return eOk;
}

OdResult OdDbObject::removeField(const OdString& propertyName) {
  assertWriteEnabled();
  OdDbDictionaryPtr fields = fieldDictionary(m_extDict, OdDb::kForWrite);
  if (fields.isNull()) return eKeyNotFound;
  OdDbObjectPtr field = fields->getAt(propertyName).openObject(OdDb::kForWrite);
  const OdResult res = fields->remove(propertyName);
  if (res == eOk && !field.isNull()) field->erase();
  return res;
}
