// Tables through their extension: size rows and their refusals, the flow
// direction change that keeps the rows in place, a style change that keeps
// an overridden flow direction, the read-only line style scale, the listing;
// and the real table of another program, edited and saved with its cells.
#include <fstream>
#include "CKdPropertyPEImpl.h"
#include "KdModuleTest.h"
#include "Db/DbDatabase.h"
#include "Db/DbDictionary.h"
#include "Db/DbLine.h"
#include "Db/DbTable.h"
#include "Dxf/DxfFile.h"

using namespace kdtest;

namespace {
struct Tables : ::testing::Test {
  Drawing drawing;
  OdDbObjectId down, up;
  OdDbTablePtr table;
  void SetUp() override {
    GetKdSystemServices()->ClearRecords();
    OdDbDictionaryPtr named = drawing.db->getNamedObjectsDictionaryId().safeOpenObject(OdDb::kForWrite);
    OdDbDictionaryPtr styles = OdDbDictionary::createObject();
    named->setAt(L"ACAD_TABLESTYLE", styles);
    OdDbTableStylePtr a = OdDbTableStyle::createObject(), b = OdDbTableStyle::createObject();
    b->setFlowDirection(OdDb::kBtoT);
    down = styles->setAt(L"Down style", a);
    up = styles->setAt(L"Up style", b);
    table = drawing.add(OdDbTable::createObject());
    table->setTableStyle(down);
    table->setPosition(OdGePoint3d(10, 20, 0));
    table->setSize({2, 1, 1}, {3, 4});
  }
};

TEST_F(Tables, TurningTheFlowKeepsTheRowsWhereTheyAreSeen) {
  EXPECT_EQ(propertiesOf(table)->GetDisplayName(table), CKdString(L"Table"));
  EXPECT_EQ(selected(table, "Direction"), 1);  // "Down"
  EXPECT_EQ(set(table, "Direction", choice(0)), 5100);
  EXPECT_EQ(table->flowDirection(), OdDb::kBtoT);
  EXPECT_EQ(table->position(), OdGePoint3d(10, 16, 0));  // down by the height, 4
  EXPECT_EQ(set(table, "Direction", choice(0)), 5100);   // already up: nothing moves
  EXPECT_EQ(table->position(), OdGePoint3d(10, 16, 0));
  EXPECT_EQ(set(table, "Direction", choice(1)), 5100);
  EXPECT_EQ(table->flowDirection(), OdDb::kTtoB);
  EXPECT_EQ(table->position(), OdGePoint3d(10, 20, 0));
}

TEST_F(Tables, AnOverriddenFlowSurvivesAStyleChangeAndAFollowedOneDoesNot) {
  EXPECT_EQ(set(table, "TableStyle", CKdVariant(CKdVariantCollectionElement(CKdVariant(CKdString(L"Up style")), CKdVariant(up)))), 5100);
  EXPECT_EQ(table->flowDirection(), OdDb::kBtoT);  // the new style's
  const CKdVariantCollection styles = get(table, "TableStyle").GetCollection();
  ASSERT_EQ(styles.GetCount(), 2);
  EXPECT_EQ(styles.GetAt(styles.GetSelectedIndex()).GetValue().GetString(), CKdString(L"Up style"));

  EXPECT_EQ(set(table, "Direction", choice(1)), 5100);  // now the table's own
  EXPECT_EQ(set(table, "TableStyle", CKdVariant(CKdVariantCollectionElement(CKdVariant(CKdString(L"Up style")), CKdVariant(up)))), 5100);
  EXPECT_EQ(table->flowDirection(), OdDb::kTtoB);
  EXPECT_EQ(set(table, "TableStyle", choice(3)), -5001);  // a tag that names no style
}

TEST_F(Tables, SizesResizeEveryRowOrColumnAndZeroIsRefused) {
  EXPECT_EQ(get(table, "Rows").GetInt32(), 3);
  EXPECT_EQ(get(table, "Table width").GetDouble(), 7.0);
  EXPECT_EQ(set(table, "Table width", CKdVariant(14.0, true)), 5100);
  EXPECT_EQ(table->columnWidth(1), 8.0);
  EXPECT_EQ(set(table, "Table height", CKdVariant(0.0, true)), -5001);
  ASSERT_EQ(GetKdSystemServices()->Messages().size(), 1u);
  EXPECT_EQ(GetKdSystemServices()->Messages()[0].text, CKdString(L"Invalid input"));
  EXPECT_EQ(table->height(), 4.0);
  EXPECT_TRUE(isReadOnly(table, "Rows"));
  // Line style scale: read-only for tables, editable for a line as before.
  EXPECT_TRUE(isReadOnly(table, "LineScale"));
  OdDbLinePtr line = drawing.add(OdDbLine::createObject());
  EXPECT_FALSE(isReadOnly(line, "LineScale"));

  auto listing = list(table);
  EXPECT_EQ(listingOf(table)->GetClassNameW(table), CKdString(L"TABLE"));
  EXPECT_EQ(item(*listing, "Number of rows").integer, 3);
  EXPECT_EQ(item(*listing, "TableStyle").text, CKdString(L"Down style"));
}

TEST(RealTables, AnotherProgramsTableTurnsUpAndBackAndKeepsItsCells) {
  const std::string path = std::string(KD_SAMPLES_DIR) + "/edge-cases/acad_table_with_blk_ref.dxf";
  if (!std::ifstream(path).good()) GTEST_SKIP() << "no sample drawings";
  OdDbDatabasePtr db = odDxfReadFile(path);
  OdDbTablePtr t = db->getOdDbObjectId(OdDbHandle(0xCF)).safeOpenObject(OdDb::kForWrite);
  EXPECT_EQ(get(t, "Rows").GetInt32(), 10);
  EXPECT_EQ(get(t, "Columns").GetInt32(), 5);
  EXPECT_EQ(get(t, "Table width").GetDouble(), 200.0);
  EXPECT_EQ(get(t, "Table height").GetDouble(), 92.0);  // 11 + 9 x 9
  const OdGePoint3d at = t->position();
  EXPECT_EQ(set(t, "Direction", choice(0)), 5100);
  EXPECT_NEAR(t->position().y, at.y - 92.0, 1e-9);
  const std::string up = odDxfWriteString(db);
  EXPECT_EQ(set(t, "Direction", choice(1)), 5100);
  EXPECT_EQ(t->position(), at);
  t.release();
  // The cells stand in the saved table exactly as read.
  const std::string original = [&] {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }();
  const std::string cell = "CELL_VALUE\r\n 93\r\n        2\r\n 90\r\n        4\r\n  1\r\nTitle";
  const bool crlf = original.find("\r\n") != std::string::npos;
  const std::string probe = crlf ? cell : "CELL_VALUE\n 93\n        2\n 90\n        4\n  1\nTitle";
  EXPECT_NE(original.find(probe), std::string::npos);
  EXPECT_NE(up.find(probe), std::string::npos);
  OdDbDatabasePtr again = odDxfReadString(up, "up.dxf");
  OdDbTablePtr read = again->getOdDbObjectId(OdDbHandle(0xCF)).safeOpenObject();
  EXPECT_EQ(read->flowDirection(), OdDb::kBtoT);
  EXPECT_EQ(read->numRows(), 10);
  EXPECT_NEAR(read->position().y, at.y - 92.0, 1e-9);
}
// A table whose counts disagree with its sizes: the sizes it holds are what it shows.
TEST(ForeignTables, CountsThatDisagreeWithTheSizesAreReadAsTheSizesSay) {
  const char* text =
      "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1018\n  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n"
      "  0\nACAD_TABLE\n  5\nC1\n100\nAcDbEntity\n  8\n0\n100\nAcDbBlockReference\n  2\n*T9\n 10\n1.0\n 20\n2.0\n 30\n0.0\n"
      "100\nAcDbTable\n 11\n1.0\n 21\n0.0\n 31\n0.0\n 90\n22\n 91\n5\n 92\n1\n 93\n0\n 94\n0\n 95\n0\n 96\n0\n"
      "141\n2.0\n141\n3.0\n142\n4.0\n142\n6.0\n171\n1\n172\n0\n  0\nENDSEC\n  0\nEOF\n";
  OdDbDatabasePtr db = odDxfReadString(text, "table.dxf");
  OdDbTablePtr t = db->getOdDbObjectId(OdDbHandle(0xC1)).safeOpenObject(OdDb::kForWrite);
  EXPECT_EQ(get(t, "Rows").GetInt32(), 2);
  EXPECT_EQ(get(t, "Columns").GetInt32(), 2);
  EXPECT_EQ(get(t, "Table height").GetDouble(), 5.0);
  EXPECT_TRUE(get(t, "TableStyle").GetCollection().GetCount() == 0);
  EXPECT_EQ(set(t, "Table width", CKdVariant(-1.0, true)), -5001);
  EXPECT_EQ(set(t, "Direction", choice(0)), 5100);
  EXPECT_EQ(t->position(), OdGePoint3d(1, -3, 0));
  t.release();
  // The cell tags after the head stay.
  EXPECT_NE(odDxfWriteString(db).find("171\n1\n172\n0\n"), std::string::npos);
}
}  // namespace
