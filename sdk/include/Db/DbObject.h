#pragma once
// Persistent objects of a drawing database. An object belongs to at most one
// database, has a handle and an owner there, and is read or changed only
// while it is open in the matching mode.
#include "Db/DbObjectId.h"
#include "Db/DbResBuf.h"

#include <memory>

class OdDbDictionary;
class OdDxfIn;
class OdDxfOut;
struct OdDxfRecord;

class OdDbObject : public OdRxObject {
public:
  ODRX_DECLARE_MEMBERS(OdDbObject)
public:
  OdDbObject();
  ~OdDbObject() override;

  // Counting: the database holds one reference; when only that one remains
  // the object counts as closed.
  void addRef() override;
  void release() override;
  long numRefs() const override { return m_nRefs; }

  OdDbObjectId objectId() const { return m_id; }
  OdDbObjectId ownerId() const { return m_ownerId; }
  virtual void setOwnerId(OdDbObjectId owner) { m_ownerId = owner; }
  OdDbDatabase* database() const;
  OdDbHandle getDbHandle() const;
  OdDbHandle handle() const { return getDbHandle(); }

  // Open state. Objects not in a database are being built and are writable.
  bool isReadEnabled() const;
  bool isWriteEnabled() const;
  bool isNotifyEnabled() const { return false; }
  OdDb::OpenMode openMode() const { return m_openMode; }
  bool isNewObject() const { return m_isNew; }
  // Throw OdError(eNotOpenForRead / eNotOpenForWrite) when the state does not allow the access.
  void assertReadEnabled() const;
  void assertWriteEnabled() const;
  void upgradeOpen();
  void downgradeOpen();
  // Marks the object closed although references to it remain.
  void close();

  bool isErased() const { return m_erased; }
  OdResult erase(bool erasing = true);

  // Extended data: the chain of the application named (first element the
  // application name, code 1001) or of every application when appName is empty.
  OdResBufPtr xData(const OdString& appName = OdString()) const;
  // Replaces the data of each application that the chain names; an
  // application chain with nothing after the name removes it. Applications
  // must be registered in the database.
  OdResult setXData(const OdResBuf* xdata);
  // Names of the applications with extended data, in stored order.
  OdArray<OdString> xDataApps() const;

  // The field attached under a property name ("TEXT"), kept in the
  // extension dictionary's "ACAD_FIELD" dictionary; null when there is none.
  OdDbObjectId getField(const OdString& propertyName) const;
  // Attaches the field (adding it to the database); the object must be open for writing.
  OdResult setField(const OdString& propertyName, OdDbObject* field);
  OdResult removeField(const OdString& propertyName);

  OdDbObjectId extensionDictionary() const { return m_extDict; }
  void setExtensionDictionary(OdDbObjectId id) { m_extDict = id; }
  // Creates the extension dictionary when the object has none; needs a database.
  OdResult createExtensionDictionary();

  // Objects that follow this one (an image definition its images' reactors),
  // kept in the object's "{ACAD_REACTORS" group.
  OdDbObjectIdArray getPersistentReactors() const;
  void addPersistentReactor(OdDbObjectId id);
  void removePersistentReactor(OdDbObjectId id);
  // The group as a file gave it: does not count as a change.
  void setPersistentReactorsAsRead(const OdDbObjectIdArray& ids);


  // Called by the database when the object is added; sets the current settings of the drawing.
  virtual void setDatabaseDefaults(OdDbDatabase* db);

  // The modelled fields in a drawing file, after handle, owner and extension
  // dictionary. Each class reads and writes its own subclass after its parent's.
  virtual void dxfInFields(const OdDxfIn& in);
  virtual void dxfOutFields(OdDxfOut& out) const;
  // Data the object keeps in a section of the file apart from its record
  // (the modeller data of newer files), when that section must get it anew.
  virtual bool dxfAsideData(std::string& bytes) const { (void)bytes; return false; }
  // Whether the object was opened for a change since it was read from a file.
  bool isModifiedSinceRead() const { return m_modified; }
  void clearModifiedSinceRead() { m_modified = false; }
  // The object's tags as read from a file; null for objects made since.
  const OdDxfRecord* dxfRecord() const { return m_dxf.get(); }
  void setDxfRecord(std::unique_ptr<OdDxfRecord> record);

private:
  friend class OdDbDatabase;
  friend class OdDbObjectId;
  // Drawings hold millions of objects: the members are laid out tight.
  int m_nRefs = 1;
  OdDb::OpenMode m_openMode = OdDb::kNotOpen;
  OdDbObjectId m_id;
  OdDbObjectId m_ownerId;
  OdDbObjectId m_extDict;
  std::unique_ptr<OdArray<OdResBufPtr>> m_xdata;  // one chain per application; most objects have none
  std::unique_ptr<OdDxfRecord> m_dxf;
  std::unique_ptr<OdDbObjectIdArray> m_reactors;  // most objects have none
  bool m_erased = false;
  bool m_isNew = true;
  mutable bool m_modified = false;
};
