#pragma once
// Dictionaries: objects that own other objects under names, in insertion order.
#include "Db/DbObject.h"

class OdDbDatabase;
// The entry of the drawing's named-objects dictionary under the key; null when there is none.
OdDbObjectId odDbNamedObjectId(const OdDbDatabase* db, const OdString& key);

class OdDbDictionary : public OdDbObject {
public:
  ODRX_DECLARE_MEMBERS(OdDbDictionary)
public:
  // Keys compare without regard to case.
  OdDbObjectId getAt(const OdString& key) const;
  bool has(const OdString& key) const { return !getAt(key).isNull(); }
  // Adds the object under the key (to the database when it is not yet in it)
  // and makes this dictionary its owner; replaces an entry of the same key.
  OdDbObjectId setAt(const OdString& key, OdDbObject* object);
  // Used by file reading: records an entry for an object that has an id.
  void setAtId(const OdString& key, OdDbObjectId id);
  OdResult remove(const OdString& key);
  OdString nameAt(OdDbObjectId id) const;
  unsigned numEntries() const { return m_keys.size(); }
  const OdArray<OdString>& keys() const { return m_keys; }
  const OdDbObjectIdArray& ids() const { return m_ids; }

  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  int indexOf(const OdString& key) const;
  int m_entryCode = 350;  // 360 where the dictionary owns its entries hard
  OdArray<OdString> m_keys;
  OdDbObjectIdArray m_ids;
};
typedef OdSmartPtr<OdDbDictionary> OdDbDictionaryPtr;

// A dictionary entry holding nothing but typed values.
class OdDbXrecord : public OdDbObject {
public:
  ODRX_DECLARE_MEMBERS(OdDbXrecord)
public:
  OdResBufPtr rbChain() const { assertReadEnabled(); return m_data.isNull() ? OdResBufPtr() : m_data->copyChain(); }
  OdResult setFromRbChain(const OdResBuf* chain);
  void dxfInFields(const OdDxfIn& in) override;
  void dxfOutFields(OdDxfOut& out) const override;

private:
  OdResBufPtr m_data;
  int m_cloning = -1;  // the duplicate-record cloning flag as read; -1 when the file had none
};
typedef OdSmartPtr<OdDbXrecord> OdDbXrecordPtr;
