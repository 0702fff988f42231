// Second pass of reading: owners, the well-known records, each object's own
// fields, extended data, extension dictionaries and the header variables.
#include <map>
#include <unordered_set>

#include "Db/DbDatabase.h"
#include "Db/DbDeclaredClasses.h"
#include "Db/DbDictionary.h"
#include "Db/DbSymbolTable.h"
#include "Dxf/DxfDocument.h"
#include "Dxf/DxfRecord.h"
#include "Rx/RxClass.h"

namespace {

// Extended data: the tags from the first application name to the end.
OdResBufPtr readXDataChain(const OdDxfIn& in, OdDxfSpan tags) {
  OdResBufPtr head;
  OdResBuf* tail = nullptr;
  auto append = [&](OdResBufPtr rb) {
    if (tail) tail->setNext(rb);
    else head = rb;
    tail = rb.get();
  };
  // Extended data close the object: start at the first of the trailing tags of 1000 and above.
  const OdDxfTag* from = tags.end();
  while (from != tags.begin() && from[-1].code >= 1000) --from;
  bool inside = false;
  for (const OdDxfTag* t = from; t != tags.end(); ++t) {
    if (t->code == 1001) inside = true;
    if (!inside || t->code < 1000) continue;
    switch (OdResBuf::kindOf(t->code)) {
      case OdResBuf::kPoint: {
        const int code = t->code;
        OdGePoint3d p(in.toReal(*t), 0, 0);
        if (t + 1 != tags.end() && t[1].code == code + 10) p.y = in.toReal(*++t);
        if (t + 1 != tags.end() && t[1].code == code + 20) p.z = in.toReal(*++t);
        append(OdResBuf::newRb(code, p));
        break;
      }
      case OdResBuf::kDouble: append(OdResBuf::newRb(t->code, in.toReal(*t))); break;
      case OdResBuf::kInt: append(OdResBuf::newRb(t->code, OdInt32(in.toInteger(*t)))); break;
      default: append(OdResBuf::newRb(t->code, in.codec().decode(in.text(*t)))); break;
    }
  }
  return head;
}

// The extension dictionary named in the object's own tags (before the first marker).
OdDbObjectId extensionDictionary(const OdDxfIn& in, OdDxfSpan tags, OdDbDatabase* db) {
  bool inGroup = false;
  for (const OdDxfTag& t : tags) {
    if (t.code == 100) break;
    if (t.code == 102) inGroup = in.text(t).find("{ACAD_XDICTIONARY") == 0;
    else if (inGroup && t.code == 360)
      return db->getOdDbObjectId(OdDbHandle(OdString::fromUtf8(std::string(in.text(t)))));
  }
  return OdDbObjectId();
}

// The objects of the "{ACAD_REACTORS" group (before the first marker).
OdDbObjectIdArray reactorsIn(const OdDxfIn& in, OdDxfSpan tags, OdDbDatabase* db) {
  OdDbObjectIdArray ids;
  bool inGroup = false;
  for (const OdDxfTag& t : tags) {
    if (t.code == 100) break;
    if (t.code == 102) inGroup = in.text(t).find("{ACAD_REACTORS") == 0;
    else if (inGroup && t.code == 330) {
      const OdDbObjectId id = db->getOdDbObjectId(OdDbHandle(odDxfParseHandle(in.text(t))));
      if (!id.isNull()) ids.push_back(id);
    }
  }
  return ids;
}

// The owner named in the object's own tags (the 330 before the first marker).
// References inside groups ("{ACAD_REACTORS" ... "}") are not the owner.
const OdDxfTag* ownerTagIn(const OdDxfDocument& doc, OdDxfSpan tags) {
  bool inGroup = false;
  for (const OdDxfTag& t : tags) {
    if (t.code == 100) break;
    if (t.code == 102) inGroup = doc.text.text(t).find('{') != std::string_view::npos;
    else if (t.code == 330 && !inGroup) return &t;
  }
  return nullptr;
}

// Runs of objects share their owner (a space, a block): the last one found
// is asked first. One for each reading of a drawing.
struct LastOwner {
  uint64_t handle = 0;
  OdDbObjectId id;
};

OdDbObjectId ownerIn(const OdDxfDocument& doc, OdDxfSpan tags, OdDbDatabase* db, LastOwner* last = nullptr) {
  const OdDxfTag* t = ownerTagIn(doc, tags);
  if (!t) return OdDbObjectId();
  const uint64_t handle = odDxfParseHandle(doc.text.text(*t));
  if (last && handle != 0 && handle == last->handle) return last->id;
  const OdDbObjectId id = db->getOdDbObjectId(OdDbHandle(handle));
  if (last) *last = LastOwner{handle, id};
  return id;
}

// Recovering: an owner named by a handle that no object has is said; the
// object is written with the owner reading gives it (its space, or none).
void noteMissingOwner(OdDxfDocument& doc, OdDbObject* object, const OdDxfRecord* record) {
  const OdDxfTag* t = ownerTagIn(doc, record->tags);
  // Table heads are the tables' own business (their owner is always none).
  if (!t || odDxfParseHandle(doc.text.text(*t)) == 0 || object->isKindOf(OdDbSymbolTable::desc())) return;
  const bool entity = object->isKindOf(OdDbEntity::desc());
  doc.repaired(record->type, std::string(doc.text.text(record->type)) + " names owner " +
                                 std::string(doc.text.text(*t)) + ", which does not exist; " +
                                 (entity ? "owned by its space" : "left without an owner"));
  doc.rewrite.push_back(object);
}

// Whether the object's fields stand in subclasses: always in files of R13 on,
// and in objects that bring their markers into an older file.
bool hasMarkers(const OdDxfDocument& doc, OdDxfSpan tags) { return doc.markers || odDxfHasMarkers(tags); }

// The object's own fields, its extension dictionary and its reactors.
void readOwnFields(OdDxfDocument& doc, OdDbDatabase* db, OdDbObject* object, const OdDxfRecord* record) {
  const OdDxfIn in(doc.text, record->tags, doc.codec, db, hasMarkers(doc, record->tags), &doc.names);
  object->dxfInFields(in);
  // A definition's base point, kind and path stand in its BLOCK.
  if (record->blockBegin) {
    OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(object);
    const OdDxfSpan begin = record->blockBegin->tags;
    if (!block.isNull()) block->dxfInBlockBegin(OdDxfIn(doc.text, begin, doc.codec, db, hasMarkers(doc, begin)));
  }
  const OdDbObjectId dict = extensionDictionary(in, record->tags, db);
  if (!dict.isNull()) object->setExtensionDictionary(dict);
  object->setPersistentReactorsAsRead(reactorsIn(in, record->tags, db));
}

// Extended data, once the applications of the APPID table are known; the object counts as unchanged.
void readXDataOf(OdDxfDocument& doc, OdDbDatabase* db, OdDbObject* object) {
  const OdDxfRecord* record = object->dxfRecord();
  if (!record) return;
  const OdDxfIn in(doc.text, record->tags, doc.codec, db, hasMarkers(doc, record->tags));
  OdResBufPtr xdata = readXDataChain(in, record->tags);
  if (!xdata.isNull() && object->setXData(xdata) == eOk) const_cast<OdDxfRecord*>(record)->xdata = object->xData();
  object->clearModifiedSinceRead();
}

OdDbObjectId findRecord(OdDbObjectId tableId, const OdString& name) {
  OdDbSymbolTablePtr table = OdDbSymbolTable::cast(tableId.openObject());
  return table.isNull() ? OdDbObjectId() : table->getAt(name);
}

OdDbObjectId ensureRecord(OdDbDatabase* db, OdDbObjectId tableId, OdDbSymbolTableRecord* record, const wchar_t* name) {
  OdDbObjectId id = findRecord(tableId, name);
  if (id.isNull()) {
    record->setName(name);
    auto implied = std::make_unique<OdDxfRecord>();
    implied->implied = true;
    record->setDxfRecord(std::move(implied));
    OdDbSymbolTablePtr table = OdDbSymbolTable::cast(tableId.openObject(OdDb::kForWrite));
    table->add(record, id);
    record->clearModifiedSinceRead();
  }
  record->release();
  return id;
}

void applyHeader(OdDbDatabase* db, OdDxfDocument& doc) {
  OdDbHeaderVars& h = db->header();
  for (const OdDxfDocument::HeaderVariable& v : doc.header) {
    const OdDxfIn in(doc.text, v.tags, doc.codec, db, false);
    const std::string& n = v.name;
    if (n == "$ACADVER") h.acadver = in.string(nullptr, 1, h.acadver);
    else if (n == "$PSTYLEMODE") h.pstylemode = in.integer(nullptr, 290, 1) != 0;
    else if (n == "$LUNITS") h.lunits = OdInt16(in.integer(nullptr, 70, 2));
    else if (n == "$LUPREC") h.luprec = OdInt16(in.integer(nullptr, 70, 4));
    else if (n == "$AUNITS") h.aunits = OdInt16(in.integer(nullptr, 70, 0));
    else if (n == "$AUPREC") h.auprec = OdInt16(in.integer(nullptr, 70, 0));
    else if (n == "$INSUNITS") h.insunits = OdInt16(in.integer(nullptr, 70, 0));
    else if (n == "$SPLINESEGS") h.splinesegs = OdInt16(in.integer(nullptr, 70, 8));
    else if (n == "$MEASUREMENT") h.measurement = OdInt16(in.integer(nullptr, 70, 0));
    else if (n == "$CLAYER") h.clayer = findRecord(db->getLayerTableId(), in.string(nullptr, 8));
    else if (n == "$CECOLOR") h.cecolor.setColorIndex(OdInt16(in.integer(nullptr, 62, 256)));
    else if (n == "$CELTYPE") h.celtype = findRecord(db->getLinetypeTableId(), in.string(nullptr, 6));
    else if (n == "$CELTSCALE") h.celtscale = in.real(nullptr, 40, 1.0);
    else if (n == "$LTSCALE") h.ltscale = in.real(nullptr, 40, 1.0);
    else if (n == "$CELWEIGHT") h.celweight = OdDb::LineWeight(in.integer(nullptr, 370, -1));
    else if (n == "$CETRANSPARENCY") h.cetransparency = OdCmTransparency::fromSerialized(in.integer(nullptr, 440, 0));
    else if (n == "$CEPSNTYPE" && in.integer(nullptr, 380, 0) != 0) h.cepsname = L"ByBlock";
    else if (n == "$CEPSNNAME") h.cepsname = in.string(nullptr, 1, h.cepsname);
    else if (n == "$TEXTSTYLE") h.textstyle = findRecord(db->getTextStyleTableId(), in.string(nullptr, 7));
    else if (n == "$DIMSTYLE") h.dimstyle = findRecord(db->getDimStyleTableId(), in.string(nullptr, 2));
    else if (n == "$UCSORG") h.ucsorg = in.point(nullptr, 10);
    else if (n == "$UCSXDIR") h.ucsxdir = in.vector(nullptr, 10, OdGeVector3d::kXAxis);
    else if (n == "$UCSYDIR") h.ucsydir = in.vector(nullptr, 10, OdGeVector3d::kYAxis);
    else if (n == "$UCSNAME") h.ucsname = in.string(nullptr, 2);
    else if (n == "$TILEMODE") h.tilemode = in.integer(nullptr, 70, 1) != 0;
    else if (n == "$CVPORT") h.cvport = OdInt16(in.integer(nullptr, 70, 2));
    else if (n == "$EXTMIN") h.extmin = in.point(nullptr, 10), h.hasExtents = true;
    else if (n == "$EXTMAX") h.extmax = in.point(nullptr, 10);
    else if (n == "$HANDSEED") db->setHandseed(OdDbHandle(in.string(nullptr, 5)));
  }
  if (!h.celtype.isValid()) h.celtype = db->getLinetypeByLayerId();
  if (!h.clayer.isValid()) h.clayer = db->getLayerZeroId();
  if (!(h.celtscale > 0.0)) h.celtscale = 1.0;
  if (!OdDb::isValidLineWeight(h.celweight)) h.celweight = OdDb::kLnWtByLayer;
  // An unusable UCS in the file counts as the world.
  if (db->setCurrentUCS(h.ucsorg, h.ucsxdir, h.ucsydir) != eOk)
    db->setCurrentUCS(h.ucsorg, OdGeVector3d::kXAxis, OdGeVector3d::kYAxis);
  doc.headerAsRead = db->header();
}

}  // namespace

// Reads a deferred object's fields, when it is first opened. Its numbers
// were found readable with the file; should a field still refuse, the object
// keeps what was read before it and its record as read.
void odDxfReadDeferred(OdDbDatabase* db, OdDbObject* object, uint32_t zeroTag) {
  OdDxfDocument& doc = *db->dxfDocument();
  auto record = std::make_unique<OdDxfRecord>();
  record->type = doc.tags[zeroTag];
  record->tags = doc.recordAt(zeroTag);
  const OdDxfRecord* held = record.get();
  object->setDxfRecord(std::move(record));
  try {
    readOwnFields(doc, db, object, held);
    readXDataOf(doc, db, object);
  } catch (const OdDxfError&) {
  }
}

void odDxfFinishReading(OdDbDatabase* db, OdDxfDocument& doc, const std::vector<OdDbObjectId>& objects,
                        std::map<std::string, OdDbObjectId>& tables, OdDbObjectId namedObjects) {
  // Every table exists, even where the file had none.
  auto table = [&](const char* name, OdRxClass* cls) {
    OdDbObjectId& id = tables[name];
    if (id.isNull()) {
      OdRxObjectPtr made = cls->create();
      OdDbObject* object = static_cast<OdDbObject*>(made->queryX(OdDbObject::desc()));
      id = db->addOdDbObject(object);
      object->release();
    }
    return id;
  };
  const OdDbObjectId blockTable = table("BLOCK_RECORD", OdDbBlockTable::desc());
  const OdDbObjectId layerTable = table("LAYER", OdDbLayerTable::desc());
  const OdDbObjectId linetypeTable = table("LTYPE", OdDbLinetypeTable::desc());
  const OdDbObjectId styleTable = table("STYLE", OdDbTextStyleTable::desc());
  const OdDbObjectId dimStyleTable = table("DIMSTYLE", OdDbDimStyleTable::desc());
  const OdDbObjectId appTable = table("APPID", OdDbRegAppTable::desc());
  const OdDbObjectId ucsTable = table("UCS", OdDbUCSTable::desc());
  const OdDbObjectId viewTable = table("VIEW", OdDbViewTable::desc());
  const OdDbObjectId vportTable = table("VPORT", OdDbViewportTable::desc());
  if (namedObjects.isNull()) {
    OdDbDictionaryPtr nod = OdDbDictionary::createObject();
    namedObjects = db->addOdDbObject(nod);
  }
  db->setWellKnownIds(blockTable, layerTable, linetypeTable, styleTable, dimStyleTable, appTable, ucsTable, viewTable,
                      vportTable, namedObjects);

  // Records first, so that every name lookup of the other objects finds
  // them; then everything else. Each object is opened once.
  // The records are those of the tables read; asking every object would open each once more.
  std::unordered_set<OdDbStub*> records;
  for (const auto& t : tables) {
    OdDbSymbolTablePtr table = OdDbSymbolTable::cast(t.second.openObject());
    if (!table.isNull())
      for (const OdDbObjectId& id : table->recordIds()) records.insert(id.stub());
  }
  std::vector<bool> isRecord(objects.size(), false);
  LastOwner lastOwner;
  auto readObject = [&](OdDbObject* object) {
    const OdDxfRecord* record = object->dxfRecord();
    if (!record) return;
    // The owner is the 330 before the first subclass marker (later ones are references).
    if (object->ownerId().isNull()) {
      const OdDbObjectId owner = ownerIn(doc, record->tags, db, &lastOwner);
      if (!owner.isNull()) object->setOwnerId(owner);
      else if (doc.repairs) noteMissingOwner(doc, object, record);
    }
    readOwnFields(doc, db, object, record);
  };
  for (size_t i = 0; i < objects.size(); ++i) {
    if (!records.count(objects[i].stub())) continue;
    OdDbObjectPtr object = objects[i].openObject(OdDb::kForWrite);
    if (object.isNull()) continue;
    isRecord[i] = true;
    readObject(object);
  }
  ensureRecord(db, layerTable, new OdDbLayerTableRecord, L"0");
  ensureRecord(db, linetypeTable, new OdDbLinetypeTableRecord, L"ByBlock");
  ensureRecord(db, linetypeTable, new OdDbLinetypeTableRecord, L"ByLayer");
  ensureRecord(db, linetypeTable, new OdDbLinetypeTableRecord, L"Continuous");
  // A file may call its spaces otherwise (model space as "*U"): the records
  // that own the entities of the ENTITIES section are the spaces then.
  OdDbObjectId spaces[2];
  for (int paper = 0; paper < 2; ++paper) {
    if (!findRecord(blockTable, paper ? OdDbBlockTableRecord::paperSpaceStr() : OdDbBlockTableRecord::modelSpaceStr())
             .isNull())
      continue;
    for (const OdDbObjectId& id : doc.entities) {
      // Deferred entities are not made for this: their records are found in the file.
      OdDxfSpan tags;
      if (id.stub()->deferredClass) {
        tags = doc.recordAt(id.stub()->deferredTag);
      } else {
        OdDbObjectPtr entity = id.openObject();
        const OdDxfRecord* record = entity.isNull() ? nullptr : entity->dxfRecord();
        if (!record) continue;
        tags = record->tags;
      }
      const OdDxfIn in(doc.text, tags, doc.codec, db, hasMarkers(doc, tags));
      if ((in.integer("AcDbEntity", 67, 0) != 0) != bool(paper)) continue;
      const OdDbObjectId owner = ownerIn(doc, tags, db);
      if (!owner.isNull() && records.count(owner.stub()) && !OdDbBlockTableRecord::cast(owner.openObject()).isNull())
        spaces[paper] = owner;
      break;
    }
  }
  if (spaces[0].isNull()) ensureRecord(db, blockTable, new OdDbBlockTableRecord, OdDbBlockTableRecord::modelSpaceStr());
  if (spaces[1].isNull()) ensureRecord(db, blockTable, new OdDbBlockTableRecord, OdDbBlockTableRecord::paperSpaceStr());
  ensureRecord(db, appTable, new OdDbRegAppTableRecord, L"ACAD");
  db->resolveWellKnownRecords(spaces[0], spaces[1]);
  for (size_t i = 0; i < objects.size(); ++i) {
    if (!isRecord[i]) continue;
    OdDbObjectPtr object = objects[i].openObject(OdDb::kForWrite);
    if (!object.isNull()) readXDataOf(doc, db, object);
  }

  // Entities of the ENTITIES section go to the layout that owns them; they
  // come in file order among the others, so one pass places them.
  size_t nextEntity = 0;
  OdDbBlockTableRecordPtr layout = OdDbBlockTableRecord::cast(db->getModelSpaceId().openObject(OdDb::kForWrite));
  if (!layout.isNull()) layout->reserveEntities(unsigned(doc.entities.size()));
  // Appends the entity to the layout that owns it, or, when its owner is no
  // layout, to its space by its paper-space flag; answers the owner it got.
  auto appendToLayout = [&](OdDbObjectId id, OdDbObjectId owner, OdDxfSpan tags) {
    if (layout.isNull() || layout->objectId() != owner) layout = OdDbBlockTableRecord::cast(owner.openObject(OdDb::kForWrite));
    if (layout.isNull()) {
      const OdDxfIn in(doc.text, tags, doc.codec, db, hasMarkers(doc, tags));
      owner = in.integer("AcDbEntity", 67, 0) ? db->getPaperSpaceId() : db->getModelSpaceId();
      layout = OdDbBlockTableRecord::cast(owner.openObject(OdDb::kForWrite));
    }
    if (!layout.isNull()) layout->appendEntityId(id);
    return owner;
  };
  auto place = [&](OdDbObject* object) {
    OdDbEntityPtr entity = OdDbEntity::cast(object);  // released also when a field below is unreadable
    if (entity.isNull()) return;
    const OdDbObjectId owner = appendToLayout(entity->objectId(), entity->ownerId(), entity->dxfRecord()->tags);
    if (owner != entity->ownerId()) entity->setOwnerId(owner);
  };
  // A deferred entity of the ENTITIES section: placed by its record, not made.
  auto placeDeferred = [&](OdDbObjectId id) {
    OdDbObjectId owner(id.stub()->deferredOwner);
    const OdDxfSpan tags = doc.recordAt(id.stub()->deferredTag);
    if (owner.isNull()) owner = ownerIn(doc, tags, db, &lastOwner);
    db->setDeferredOwner(id, appendToLayout(id, owner, tags));
  };
  for (size_t i = 0; i < objects.size(); ++i) {
    const bool inEntities = nextEntity < doc.entities.size() && doc.entities[nextEntity] == objects[i];
    if (inEntities) ++nextEntity;
    if (isRecord[i]) continue;
    if (objects[i].stub()->deferredClass) {
      if (inEntities) placeDeferred(objects[i]);
      continue;
    }
    OdDbObjectPtr object = objects[i].openObject(OdDb::kForWrite);
    if (object.isNull()) continue;
    readObject(object);
    readXDataOf(doc, db, object);
    if (inEntities) place(object);
  }
  layout.release();

  // Entities that keep their vertices take them over from the file's order.
  for (auto it = doc.followers.begin(); it != doc.followers.end();) {
    OdDbEntityPtr owner = OdDbEntity::cast(OdDbObjectId(it->first).openObject(OdDb::kForWrite));
    if (owner.isNull() || !owner->dxfAdoptFollowers(it->second)) {
      ++it;
      continue;
    }
    owner->clearModifiedSinceRead();
    it = doc.followers.erase(it);
  }

  // What the reader itself touched does not count as a change.
  for (auto* ids : {&doc.blocks}) {
    for (const OdDbObjectId& id : *ids) {
      OdDbObjectPtr object = id.openObject(OdDb::kForWrite);
      if (!object.isNull()) object->clearModifiedSinceRead();
    }
  }

  applyHeader(db, doc);

}
