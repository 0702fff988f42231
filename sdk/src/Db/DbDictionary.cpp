#include "Db/DbDictionary.h"

#include "Db/DbDatabase.h"
#include "Dxf/DxfFiler.h"
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

void OdDbDictionary::dxfInFields(const OdDxfIn& in) {
  OdDbObject::dxfInFields(in);
  OdString key;
  bool haveKey = false;
  for (const OdDxfTag* t : in.section("AcDbDictionary")) {
    if (t->code == 3) {
      key = in.codec().decode(in.text(*t));
      haveKey = true;
    } else if ((t->code == 350 || t->code == 360) && haveKey) {
      m_entryCode = t->code;
      const OdDbHandle h(OdString::fromUtf8(std::string(in.text(*t))));
      const OdDbObjectId id = in.database() ? in.database()->getOdDbObjectId(h) : OdDbObjectId();
      if (!id.isNull()) setAtId(key, id);
      haveKey = false;
    }
  }
}

void OdDbDictionary::dxfOutFields(OdDxfOut& out) const {
  OdDbObject::dxfOutFields(out);
  out.subclass("AcDbDictionary");
  out.own(3);
  out.own(350);
  out.own(360);
  for (unsigned i = 0; i < m_keys.size(); ++i) {
    if (m_ids[i].isErased()) continue;
    out.string(3, m_keys[i]);
    out.reference(m_entryCode, m_ids[i]);
  }
}

void OdDbXrecord::dxfInFields(const OdDxfIn& in) {
  OdDbObject::dxfInFields(in);
  OdResBufPtr head;
  OdResBuf* tail = nullptr;
  for (const OdDxfTag* t : in.section("AcDbXrecord")) {
    if (t->code == 280 && !head && m_cloning < 0) {  // the duplicate-record cloning flag
      m_cloning = int(in.toInteger(*t));
      continue;
    }
    OdResBufPtr rb;
    switch (OdResBuf::kindOf(t->code)) {
      case OdResBuf::kDouble: rb = OdResBuf::newRb(t->code, in.toReal(*t)); break;
      case OdResBuf::kInt: rb = OdResBuf::newRb(t->code, OdInt32(in.toInteger(*t))); break;
      case OdResBuf::kPoint: rb = OdResBuf::newRb(t->code, OdGePoint3d(in.toReal(*t), 0, 0)); break;
      default: rb = OdResBuf::newRb(t->code, in.codec().decode(in.text(*t))); break;
    }
    // The Y and Z of a point follow as codes 10 and 20 higher.
    if (tail && tail->restype() + 10 == t->code && OdResBuf::kindOf(tail->restype()) == OdResBuf::kPoint) {
      OdGePoint3d p = tail->getPoint3d();
      p.y = in.toReal(*t);
      tail->setPoint3d(p);
      continue;
    }
    if (tail && tail->restype() + 20 == t->code && OdResBuf::kindOf(tail->restype()) == OdResBuf::kPoint) {
      OdGePoint3d p = tail->getPoint3d();
      p.z = in.toReal(*t);
      tail->setPoint3d(p);
      continue;
    }
    if (tail) tail->setNext(rb);
    else head = rb;
    tail = rb.get();
  }
  m_data = head;
}

void OdDbXrecord::dxfOutFields(OdDxfOut& out) const {
  OdDbObject::dxfOutFields(out);
  out.subclass("AcDbXrecord");
  // The record's values are all its own: every code the file or the chain uses is owned.
  for (int code = 1; code <= 1071; ++code)
    if (out.hadField(code)) out.own(code);
  if (m_cloning >= 0 || !out.fromFile()) out.integer(280, m_cloning >= 0 ? m_cloning : 1);
  for (const OdResBuf* rb = m_data.get(); rb; rb = rb->next().get()) {
    const int code = rb->restype();
    switch (OdResBuf::kindOf(code)) {
      case OdResBuf::kDouble: out.real(code, rb->getDouble()); break;
      case OdResBuf::kInt: out.integer(code, rb->getInt32()); break;
      case OdResBuf::kPoint: {
        const OdGePoint3d p = rb->getPoint3d();
        out.real(code, p.x);
        out.real(code + 10, p.y);
        out.real(code + 20, p.z);
        break;
      }
      default: out.string(code, rb->getString()); break;
    }
  }
}

OdDbObjectId odDbNamedObjectId(const OdDbDatabase* db, const OdString& key) {
  OdDbDictionaryPtr nod = db ? OdDbDictionary::cast(db->getNamedObjectsDictionaryId().openObject()) : OdDbDictionaryPtr();
  return nod.isNull() ? OdDbObjectId() : nod->getAt(key);
}
