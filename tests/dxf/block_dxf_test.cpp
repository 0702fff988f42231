// Block references, attributes and block definitions in files: placement,
// tags, flags and units read; broken references and missing sequence ends
// read without harm; edits written where they belong, the rest as read.
#include <gtest/gtest.h>
#include <string>
#include "Db/DbAttribute.h"
#include "Db/DbBlockReference.h"
#include "Db/DbDatabase.h"
#include "Db/DbSymbolTable.h"
#include "Dxf/DxfFile.h"
#include "Ge/GeConst.h"

namespace {
// A drawing with a block "TAG" (metres, uniform scaling, base point 1,0)
// holding an attribute definition, and the entities given.
std::string drawingWith(const std::string& entities, const std::string& blockEntities = "") {
  return "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1027\n  9\n$INSUNITS\n 70\n4\n  9\n$HANDSEED\n  5\n200\n  0\nENDSEC\n"
         "  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nBLOCK_RECORD\n  5\n1\n330\n0\n100\nAcDbSymbolTable\n 70\n1\n"
         "  0\nBLOCK_RECORD\n  5\n10\n330\n1\n100\nAcDbSymbolTableRecord\n100\nAcDbBlockTableRecord\n  2\nTAG\n"
         " 70\n6\n280\n1\n281\n1\n  0\nENDTAB\n  0\nENDSEC\n"
         "  0\nSECTION\n  2\nBLOCKS\n  0\nBLOCK\n  5\n11\n330\n10\n100\nAcDbEntity\n  8\n0\n100\nAcDbBlockBegin\n  2\nTAG\n"
         " 70\n2\n 10\n1.0\n 20\n0.0\n 30\n0.0\n  3\nTAG\n  1\n\n"
         "  0\nATTDEF\n  5\n12\n330\n10\n100\nAcDbEntity\n  8\n0\n100\nAcDbText\n 10\n1.0\n 20\n0.0\n 30\n0.0\n 40\n0.25\n"
         "  1\nD-01\n100\nAcDbAttributeDefinition\n280\n0\n  3\nDoor number\n  2\nNUMBER\n 70\n9\n 74\n2\n280\n1\n" +
         blockEntities +
         "  0\nENDBLK\n  5\n13\n330\n10\n100\nAcDbEntity\n  8\n0\n100\nAcDbBlockEnd\n  0\nENDSEC\n"
         "  0\nSECTION\n  2\nENTITIES\n" +
         entities + "  0\nENDSEC\n  0\nEOF\n";
}
const std::string kInsert =
    "  0\nINSERT\n  5\n50\n100\nAcDbEntity\n  8\n0\n100\nAcDbBlockReference\n 66\n1\n  2\nTAG\n"
    " 10\n5.0\n 20\n5.0\n 30\n0.0\n 41\n2.0\n 42\n2.0\n 43\n2.0\n 50\n90.0\n";
std::string attrib(const std::string& handle, const std::string& tag, const std::string& value, double x, double y) {
  return "  0\nATTRIB\n  5\n" + handle + "\n100\nAcDbEntity\n  8\n0\n100\nAcDbText\n 10\n" + std::to_string(x) +
         "\n 20\n" + std::to_string(y) + "\n 30\n0.0\n 40\n0.5\n  1\n" + value + "\n 50\n90.0\n100\nAcDbAttribute\n"
         "280\n0\n  2\n" + tag + "\n 70\n0\n280\n1\n";
}
const std::string kSeqend = "  0\nSEQEND\n  5\n60\n100\nAcDbEntity\n  8\n0\n";

OdDbBlockReferencePtr referenceIn(OdDbDatabase* db, OdUInt64 handle = 0x50) {
  return OdDbBlockReference::cast(db->getOdDbObjectId(OdDbHandle(handle)).openObject(OdDb::kForWrite));
}
}  // namespace

TEST(BlockFiles, ReferencesAttributesAndDefinitionsAreReadWithWhatTheyHold) {
  const std::string text = drawingWith(kInsert + attrib("51", "NUMBER", "D-12", 5, 5) + kSeqend);
  OdDbDatabasePtr db = odDxfReadString(text, "blocks.dxf");
  OdDbBlockReferencePtr ref = referenceIn(db);
  ASSERT_FALSE(ref.isNull());
  EXPECT_TRUE(ref->position().isEqualTo(OdGePoint3d(5, 5, 0)));
  EXPECT_EQ(ref->scaleFactors().sy, 2.0);
  EXPECT_NEAR(ref->rotation(), OdaPI / 2, 1e-15);
  ASSERT_EQ(ref->attributeIds().size(), 1u);
  OdDbAttributePtr a = ref->attributeIds()[0].openObject();
  EXPECT_EQ(a->tag(), L"NUMBER");
  EXPECT_EQ(a->textString(), L"D-12");
  EXPECT_TRUE(a->lockPositionInBlock());
  EXPECT_FALSE(a->isInvisible());

  OdDbBlockTableRecordPtr block = ref->blockTableRecord().openObject();
  ASSERT_FALSE(block.isNull());
  EXPECT_EQ(block->blockInsertUnits(), OdDb::kUnitsMeters);
  EXPECT_EQ(block->blockScaling(), OdDb::kUniform);
  EXPECT_TRUE(block->origin().isEqualTo(OdGePoint3d(1, 0, 0)));
  // The base point goes to the position: block (1,0) is world (5,5), block (2,0) is one unit turned and doubled.
  OdGePoint3d p(2, 0, 0);
  EXPECT_TRUE(p.transformBy(ref->blockTransform()).isEqualTo(OdGePoint3d(5, 7, 0)));
  OdDbAttributeDefinitionPtr def = db->getOdDbObjectId(OdDbHandle(0x12)).openObject();
  EXPECT_EQ(def->prompt(), L"Door number");
  EXPECT_TRUE(def->isInvisible());
  EXPECT_TRUE(def->isPreset());
  EXPECT_FALSE(def->isConstant());
  EXPECT_TRUE(def->lockPositionInBlock());
  EXPECT_EQ(def->verticalMode(), OdDb::kTextVertMid);

  // Unchanged, everything is written as read.
  const std::string written = odDxfWriteString(db);
  for (const std::string& part : {kInsert, attrib("51", "NUMBER", "D-12", 5, 5)})
    EXPECT_NE(written.find(part.substr(0, part.size() - 1)), std::string::npos) << part;
  EXPECT_NE(written.find("100\nAcDbAttributeDefinition\n280\n0\n  3\nDoor number\n  2\nNUMBER\n 70\n9\n 74\n2\n280\n1\n"),
            std::string::npos);
}

TEST(BlockFiles, EditedReferencesWriteTheirAttributesWhereTheyWentAndKeepTheirTwoVersionFields) {
  OdDbDatabasePtr db = odDxfReadString(drawingWith(kInsert + attrib("51", "NUMBER", "D-12", 5, 6) + kSeqend), "b.dxf");
  OdDbBlockReferencePtr ref = referenceIn(db);
  ASSERT_EQ(ref->transformBy(OdGeMatrix3d::translation(OdGeVector3d(10, 0, 0))), eOk);
  OdDbAttributePtr(ref->attributeIds()[0].openObject(OdDb::kForWrite))->setLockPositionInBlock(false);
  ref.release();
  OdDbDatabasePtr again = odDxfReadString(odDxfWriteString(db), "again.dxf");
  OdDbBlockReferencePtr moved = referenceIn(again);
  EXPECT_TRUE(moved->position().isEqualTo(OdGePoint3d(15, 5, 0)));
  OdDbAttributePtr a = moved->attributeIds()[0].openObject();
  EXPECT_TRUE(a->position().isEqualTo(OdGePoint3d(15, 6, 0)));
  EXPECT_FALSE(a->lockPositionInBlock());
  const std::string written = odDxfWriteString(again);
  EXPECT_NE(written.find("100\nAcDbAttribute\n280\n0\n  2\nNUMBER\n 70\n0\n280\n0\n"), std::string::npos);
  EXPECT_NE(written.find("  0\nSEQEND\n"), std::string::npos);
}

TEST(BlockFiles, BrokenReferencesAreReadAndKept) {
  // Attributes that end with the section, no sequence end: it is added on writing.
  OdDbDatabasePtr open = odDxfReadString(drawingWith(kInsert + attrib("51", "NUMBER", "A", 5, 5) +
                                                     attrib("52", "NOTE", "B", 5, 4)),
                                         "open.dxf");
  ASSERT_EQ(referenceIn(open)->attributeIds().size(), 2u);
  const std::string closed = odDxfWriteString(open);
  const size_t second = closed.find("  5\n52\n");
  ASSERT_NE(second, std::string::npos);
  EXPECT_NE(closed.find("  0\nSEQEND\n", second), std::string::npos);
  EXPECT_EQ(referenceIn(odDxfReadString(closed, "closed.dxf"))->attributeIds().size(), 2u);

  // A reference to a block the file lacks keeps the name it gave when it is edited.
  const std::string missing =
      "  0\nINSERT\n  5\n70\n100\nAcDbEntity\n  8\n0\n100\nAcDbBlockReference\n  2\nGONE\n 10\n1.0\n 20\n2.0\n 30\n0.0\n";
  OdDbDatabasePtr db = odDxfReadString(drawingWith(missing), "missing.dxf");
  OdDbBlockReferencePtr orphan = referenceIn(db, 0x70);
  EXPECT_TRUE(orphan->blockTableRecord().isNull());
  orphan->setRotation(1.0);
  orphan.release();
  EXPECT_NE(odDxfWriteString(db).find("  2\nGONE\n"), std::string::npos);

  // A block that holds a reference to itself.
  const std::string self =
      "  0\nINSERT\n  5\n80\n330\n10\n100\nAcDbEntity\n  8\n0\n100\nAcDbBlockReference\n  2\nTAG\n 10\n0\n 20\n0\n 30\n0\n";
  OdDbDatabasePtr loop = odDxfReadString(drawingWith(kInsert + kSeqend, self), "self.dxf");
  OdDbBlockReferencePtr inner = referenceIn(loop, 0x80);
  ASSERT_FALSE(inner.isNull());
  EXPECT_EQ(inner->blockTableRecord(), inner->ownerId());
  EXPECT_NO_THROW(odDxfReadString(odDxfWriteString(loop), "self-again.dxf"));
}

TEST(BlockFiles, ExternalReferenceBlocksKeepTheirPath) {
  std::string text = drawingWith("");
  const std::string from = " 70\n2\n 10\n1.0", to = " 70\n4\n 10\n1.0";
  text.replace(text.find(from), from.size(), to);
  const std::string path = "  1\n\n";
  text.replace(text.find(path), path.size(), "  1\nplans/site.dxf\n");
  OdDbDatabasePtr db = odDxfReadString(text, "xref.dxf");
  OdDbSymbolTablePtr blocks = db->getBlockTableId().openObject();
  OdDbBlockTableRecordPtr block = blocks->getAt(L"TAG").openObject();
  EXPECT_TRUE(block->isFromExternalReference());
  EXPECT_EQ(block->pathName(), L"plans/site.dxf");
  EXPECT_NE(odDxfWriteString(db).find("  1\nplans/site.dxf\n"), std::string::npos);
}
