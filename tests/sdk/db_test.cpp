// The drawing database: handles, open modes, tables, entity data, extended data.
#include <gtest/gtest.h>
#include "Db/DbDatabase.h"
#include "Db/DbDeclaredClasses.h"
#include "Db/DbLine.h"
#include "Db/DbDictionary.h"
#include "Db/DbResBuf.h"
#include "Db/DbSymbolTable.h"
#include "Rx/OdError.h"

namespace {
struct DbFixture : ::testing::Test {
  OdDbDatabasePtr db = OdDbDatabasePtr(new OdDbDatabase, kOdRxObjAttach);

  OdDbObjectId addLine() {
    OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    OdDbLinePtr line = OdDbLine::createObject();
    return ms->appendOdDbEntity(line);
  }
  OdDbObjectId addLayer(const wchar_t* name) {
    OdDbSymbolTablePtr layers = db->getLayerTableId().safeOpenObject(OdDb::kForWrite);
    OdDbLayerTableRecordPtr layer = OdDbLayerTableRecord::createObject();
    layer->setName(name);
    return layers->add(layer);
  }
};
}  // namespace

TEST_F(DbFixture, NewDrawingHoldsTheStandardRecords) {
  OdDbSymbolTablePtr layers = db->getLayerTableId().safeOpenObject();
  EXPECT_EQ(layers->getAt(L"0"), db->getLayerZeroId());
  OdDbSymbolTablePtr linetypes = db->getLinetypeTableId().safeOpenObject();
  EXPECT_FALSE(linetypes->getAt(L"ByLayer").isNull());
  EXPECT_FALSE(linetypes->getAt(L"continuous").isNull()) << "names compare without case";
  EXPECT_FALSE(db->getModelSpaceId().isNull());
  EXPECT_NE(db->getModelSpaceId(), db->getPaperSpaceId());
  OdDbDictionaryPtr nod = db->getNamedObjectsDictionaryId().safeOpenObject();
  EXPECT_TRUE(nod->has(L"ACAD_GROUP"));
}

TEST_F(DbFixture, ObjectsHaveUniqueHandlesAndOwners) {
  OdDbObjectId a = addLine(), b = addLine();
  EXPECT_NE(a.getHandle(), b.getHandle());
  EXPECT_EQ(db->getOdDbObjectId(a.getHandle()), a);
  OdDbEntityPtr line = a.safeOpenObject();
  EXPECT_EQ(line->ownerId(), db->getModelSpaceId());
  EXPECT_EQ(line->database(), db.get());
  OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject();
  ASSERT_EQ(ms->entityIds().size(), 2u);
  EXPECT_EQ(ms->entityIds()[1], b);
  // A handle the drawing does not have gives the null id.
  EXPECT_TRUE(db->getOdDbObjectId(OdDbHandle(0xFFFFFF)).isNull());
}

TEST_F(DbFixture, OpenModesGuardReadsAndWrites) {
  OdDbObjectId id = addLine();
  {
    OdDbEntityPtr e = id.safeOpenObject(OdDb::kForRead);
    EXPECT_TRUE(e->isReadEnabled());
    EXPECT_FALSE(e->isWriteEnabled());
    EXPECT_THROW(e->setColorIndex(3), OdError);
    e->upgradeOpen();
    EXPECT_TRUE(e->isWriteEnabled());
    EXPECT_EQ(e->setColorIndex(3), eOk);
    e->downgradeOpen();
    EXPECT_FALSE(e->isWriteEnabled());
    EXPECT_EQ(e->color().colorIndex(), 3);
  }
  // Closed again once the last caller's reference is gone.
  OdDbObject* raw = nullptr;
  {
    OdDbObjectPtr e = id.openObject();
    raw = e.get();
  }
  EXPECT_FALSE(raw->isReadEnabled());
  OdDbObjectPtr erased = id.safeOpenObject(OdDb::kForWrite);
  EXPECT_EQ(erased->erase(), eOk);
  erased.release();
  EXPECT_TRUE(id.openObject().isNull());
  EXPECT_FALSE(id.openObject(OdDb::kForRead, true).isNull());
}

TEST_F(DbFixture, EntitiesTakeTheDrawingDefaultsAndValidateTheirData) {
  OdDbObjectId red = addLayer(L"Red");
  db->header().clayer = red;
  OdDbEntityPtr e = addLine().safeOpenObject(OdDb::kForWrite);
  EXPECT_EQ(e->layerId(), red);
  EXPECT_EQ(e->layer(), OdString(L"Red"));
  EXPECT_EQ(e->setLineWeight(OdDb::LineWeight(7)), eInvalidInput);
  EXPECT_EQ(e->lineWeight(), OdDb::kLnWtByLayer);
  EXPECT_EQ(e->setLineWeight(OdDb::kLnWt050), eOk);
  // A layer id of another class is refused.
  EXPECT_NE(e->setLayer(db->getLinetypeContinuousId()), eOk);
  EXPECT_EQ(e->layerId(), red);
}

TEST_F(DbFixture, ExtendedDataNeedsARegisteredApplication) {
  OdDbEntityPtr e = addLine().safeOpenObject(OdDb::kForWrite);
  OdResBufPtr chain = OdResBuf::newRb(1001, OdString(L"KD_TEST"));
  chain->setNext(OdResBuf::newRb(1000, OdString(L"payload")));
  EXPECT_NE(e->setXData(chain), eOk);
  EXPECT_TRUE(e->xData(L"KD_TEST").isNull());
  ASSERT_TRUE(db->newRegApp(L"KD_TEST"));
  EXPECT_EQ(e->setXData(chain), eOk);
  OdResBufPtr back = e->xData(L"KD_TEST");
  ASSERT_FALSE(back.isNull());
  EXPECT_TRUE(back->chainEquals(chain));
  EXPECT_EQ(e->xDataApps().size(), 1u);
}

TEST_F(DbFixture, DependentRecordNamesAreRecognised) {
  OdDbLayerTableRecordPtr layer = addLayer(L"SITE|Walls").safeOpenObject();
  EXPECT_TRUE(layer->isDependent());
  EXPECT_FALSE(OdDbSymbolTableRecord::isValidName(L"bad<name", false));
  EXPECT_FALSE(OdDbSymbolTableRecord::isValidName(L"A|B", false));
}

TEST_F(DbFixture, RecordIdOpenedAsAnEntityRaisesTheClassMismatch) {
  OdDbObjectId layer = addLayer(L"Walls");
  OdDbObjectPtr asObject = layer.safeOpenObject();
  EXPECT_THROW(OdDbLinePtr line = asObject, OdError_NotThatKindOfClass);
  EXPECT_TRUE(OdDbLine::cast(asObject).isNull());
}

TEST_F(DbFixture, OwnersAndExtensionDictionariesAreReachableFromAnEntity) {
  OdDbObjectId id = addLine();
  OdDbEntityPtr line = id.safeOpenObject(OdDb::kForWrite);
  EXPECT_TRUE(line->extensionDictionary().isNull());
  ASSERT_EQ(line->createExtensionDictionary(), eOk);
  const OdDbObjectId dictId = line->extensionDictionary();
  ASSERT_FALSE(dictId.isNull());
  OdDbDictionaryPtr dict = dictId.safeOpenObject();
  EXPECT_EQ(dict->ownerId(), id);
  OdDbObjectPtr owner = line->ownerId().safeOpenObject();
  EXPECT_TRUE(owner->isKindOf(OdDbBlockTableRecord::desc()));
  EXPECT_EQ(owner->ownerId(), db->getBlockTableId());
  // A second request keeps the dictionary it has and says so.
  EXPECT_EQ(line->createExtensionDictionary(), eAlreadyInDb);
  EXPECT_EQ(line->extensionDictionary(), dictId);
}

TEST_F(DbFixture, HandlesGivenInAnyOrderAreFoundAgainAndNeverShared) {
  std::vector<std::pair<OdUInt64, OdDbObjectId>> added;
  for (OdUInt64 h : {0x900ULL, 0x700ULL, 0x800ULL, 0x800ULL, 0xA00ULL}) {
    OdDbLinePtr line = OdDbLine::createObject();
    added.emplace_back(h, db->addOdDbObject(line, OdDbObjectId(), OdDbHandle(h)));
  }
  // The second 0x800 gets a handle of its own, past the highest given before it.
  EXPECT_EQ(OdUInt64(added[3].second.getHandle()), 0x901ULL);
  for (int pass = 0; pass < 2; ++pass)
    for (size_t i : {0u, 1u, 2u, 4u, 1u, 3u, 0u}) {
      const OdUInt64 h = i == 3 ? 0x901ULL : added[i].first;
      EXPECT_EQ(db->getOdDbObjectId(OdDbHandle(h)), added[i].second) << std::hex << h;
      EXPECT_TRUE(db->getOdDbObjectId(OdDbHandle(0x6FF)).isNull());
      EXPECT_TRUE(db->getOdDbObjectId(OdDbHandle(0xA01)).isNull());
    }
  // Handle order for the writer, whatever the order of adding.
  OdUInt64 previous = 0;
  for (const OdDbObjectId& id : db->objectIds()) {
    EXPECT_GT(OdUInt64(id.getHandle()), previous);
    previous = OdUInt64(id.getHandle());
  }
}
