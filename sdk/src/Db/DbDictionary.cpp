#include "Db/DbDictionary.h"

#include "Db/DbDatabase.h"
#include "Rx/RxClass.h"

ODRX_DEFINE_MEMBERS_EX(OdDbDictionary, OdDbObject, L"DICTIONARY", new OdDbDictionary)
ODRX_DEFINE_MEMBERS_EX(OdDbXrecord, OdDbObject, L"XRECORD", new OdDbXrecord)

int OdDbDictionary::indexOf(const OdString& key) const {
  for (unsigned i = 0; i < m_keys.size(); ++i)
    if (m_keys[i].iCompare(key.c_str()) == 0) return int(i);
  return -1;
}

OdDbObjectId OdDbDictionary::getAt(const OdString& key) const {
  assertReadEnabled();
  int i = indexOf(key);
  return i < 0 ? OdDbObjectId() : m_ids[unsigned(i)];
}

OdDbObjectId OdDbDictionary::setAt(const OdString& key, OdDbObject* object) {
  assertWriteEnabled();
  if (!object || key.isEmpty()) throw OdError(eInvalidInput);
  OdDbObjectId id = object->objectId();
  if (id.isNull()) {
    OdDbDatabase* db = database();
    if (!db) throw OdError(eNotInDatabase);
    id = db->addOdDbObject(object, objectId());
  } else {
    object->setOwnerId(objectId());
  }
  setAtId(key, id);
  return id;
}

void OdDbDictionary::setAtId(const OdString& key, OdDbObjectId id) {
  int i = indexOf(key);
  if (i >= 0) {
    m_ids[unsigned(i)] = id;
  } else {
    m_keys.append(key);
    m_ids.append(id);
  }
}

OdResult OdDbDictionary::remove(const OdString& key) {
  assertWriteEnabled();
  int i = indexOf(key);
  if (i < 0) return eKeyNotFound;
  m_keys.removeAt(unsigned(i));
  m_ids.removeAt(unsigned(i));
  return eOk;
}

OdString OdDbDictionary::nameAt(OdDbObjectId id) const {
  for (unsigned i = 0; i < m_ids.size(); ++i)
    if (m_ids[i] == id) return m_keys[i];
  return OdString();
}

OdResult OdDbXrecord::setFromRbChain(const OdResBuf* chain) {
  assertWriteEnabled();
  m_data = chain ? chain->copyChain() : OdResBufPtr();
  return eOk;
}
