// Dimensions in files: the settings a dimension holds over its style come
// from its "DSTYLE" list, an edit changes only its own pair, and pairs the
// reader does not know or cannot read stay as they came.
#include <gtest/gtest.h>
#include <string>
#include "Db/DbDimStyleTableRecord.h"
#include "Db/DbDimension.h"
#include "Db/DbSymbolTable.h"
#include "Dxf/DxfFile.h"

namespace {
std::string drawing(const std::string& dstyle) {
  return "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1015\n  9\n$HANDSEED\n  5\n100\n  0\nENDSEC\n"
         "  0\nSECTION\n  2\nTABLES\n"
         "  0\nTABLE\n  2\nAPPID\n  5\n9\n330\n0\n100\nAcDbSymbolTable\n 70\n1\n"
         "  0\nAPPID\n  5\n12\n330\n9\n100\nAcDbSymbolTableRecord\n100\nAcDbRegAppTableRecord\n  2\nACAD\n 70\n0\n  0\nENDTAB\n"
         "  0\nTABLE\n  2\nDIMSTYLE\n  5\nA\n330\n0\n100\nAcDbSymbolTable\n 70\n1\n100\nAcDbDimStyleTable\n"
         "  0\nDIMSTYLE\n105\n27\n330\nA\n100\nAcDbSymbolTableRecord\n100\nAcDbDimStyleTableRecord\n  2\nISO\n 70\n0\n"
         " 41\n2.5\n140\n3.5\n147\n0.625\n 77\n1\n271\n2\n  0\nENDTAB\n"
         "  0\nENDSEC\n"
         "  0\nSECTION\n  2\nENTITIES\n"
         "  0\nDIMENSION\n  5\n50\n100\nAcDbEntity\n  8\n0\n100\nAcDbDimension\n  3\nISO\n"
         " 10\n10.0\n 20\n5.0\n 30\n0.0\n 11\n5.0\n 21\n5.0\n 31\n0.0\n 70\n32\n"
         "100\nAcDbAlignedDimension\n 13\n0.0\n 23\n0.0\n 33\n0.0\n 14\n10.0\n 24\n0.0\n 34\n0.0\n 50\n0.0\n"
         "100\nAcDbRotatedDimension\n"
         "1001\nACAD\n1000\nDSTYLE\n1002\n{\n" + dstyle + "1002\n}\n"
         "  0\nENDSEC\n  0\nEOF\n";
}
const std::string kPairs =
    "1070\n999\n1040\n1.5\n"  // a setting this reader does not know
    "1070\n41\n1000\nbig\n"   // the arrow size, but not as a number
    "1070\n147\n1040\n1.0\n";  // the text gap

// The "DSTYLE" list of the written file, as its lines.
std::string listOf(const std::string& file) {
  const size_t at = file.find("DSTYLE");
  const size_t end = file.find("1002\n}", at);
  return at == std::string::npos || end == std::string::npos ? std::string() : file.substr(at, end - at);
}
}  // namespace

TEST(DimensionFiles, OverridesComeFromTheListAndFallBackToTheStyle) {
  OdDbDatabasePtr db = odDxfReadString(drawing(kPairs), "dims.dxf");
  OdDbRotatedDimensionPtr d = db->getOdDbObjectId(OdDbHandle(0x50)).safeOpenObject();
  EXPECT_DOUBLE_EQ(d->dimgap(), 1.0);    // its own
  EXPECT_DOUBLE_EQ(d->dimtxt(), 3.5);    // the style's
  EXPECT_DOUBLE_EQ(d->dimasz(), 2.5);    // a pair it cannot read counts as none
  EXPECT_FALSE(d->hasOverride(OdDbDimVar::dimasz));
  EXPECT_EQ(d->dimtad(), 1);
  EXPECT_EQ(d->dimdec(), 2);
  EXPECT_DOUBLE_EQ(d->dimexo(), 0.0625);  // neither: the default
  EXPECT_DOUBLE_EQ(d->getMeasurement(), 10.0);
  OdDbDimStyleTableRecordPtr style = d->dimensionStyle().safeOpenObject();
  EXPECT_EQ(style->getName(), OdString(L"ISO"));
}

TEST(DimensionFiles, AnEditWritesItsOwnPairAndKeepsTheOthers) {
  OdDbDatabasePtr db = odDxfReadString(drawing(kPairs), "dims.dxf");
  {
    OdDbRotatedDimensionPtr d = db->getOdDbObjectId(OdDbHandle(0x50)).safeOpenObject(OdDb::kForWrite);
    ASSERT_EQ(d->setDimgap(0.75), eOk);
    ASSERT_EQ(d->setDimtxt(5.0), eOk);
  }
  const std::string text = odDxfWriteString(db);
  EXPECT_EQ(listOf(text), "DSTYLE\n1002\n{\n1070\n999\n1040\n1.5\n1070\n41\n1000\nbig\n1070\n147\n1040\n0.75\n1070\n140\n1040\n5.0\n");
  // The style keeps its values; the dimension reads back with its own.
  OdDbDatabasePtr back = odDxfReadString(text, "edited.dxf");
  OdDbRotatedDimensionPtr d = back->getOdDbObjectId(OdDbHandle(0x50)).safeOpenObject();
  EXPECT_DOUBLE_EQ(d->dimtxt(), 5.0);
  EXPECT_DOUBLE_EQ(d->dimgap(), 0.75);
  OdDbDimStyleTableRecordPtr style = d->dimensionStyle().safeOpenObject();
  EXPECT_DOUBLE_EQ(style->dimtxt(), 3.5);
  EXPECT_DOUBLE_EQ(style->dimgap(), 0.625);
}

TEST(DimensionFiles, ListsWithLoosePartsTakeEditsAndKeepTheirParts) {
  // A code without its value, a value without its code, an unclosed list.
  const struct {
    std::string pairs, edited;
  } cases[] = {{"1070\n41\n", "1070\n41\n1070\n41\n1040\n4.0\n"},
               {"1040\n2.0\n1070\n41\n1070\n41\n", "1040\n2.0\n1070\n41\n1070\n41\n1070\n41\n1040\n4.0\n"},
               {"1070\n41\n1040\n1.0\n1070\n41\n1040\n2.0\n", "1070\n41\n1040\n4.0\n1070\n41\n1040\n2.0\n"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pairs);
    OdDbDatabasePtr db = odDxfReadString(drawing(c.pairs), "loose.dxf");
    OdDbRotatedDimensionPtr d = db->getOdDbObjectId(OdDbHandle(0x50)).safeOpenObject(OdDb::kForWrite);
    ASSERT_EQ(d->setDimasz(4.0), eOk);
    EXPECT_DOUBLE_EQ(d->dimasz(), 4.0);
    EXPECT_EQ(listOf(odDxfWriteString(db)), "DSTYLE\n1002\n{\n" + c.edited);
  }
}

TEST(DimensionFiles, UnchangedDimensionsAndStylesAreWrittenAsRead) {
  for (const std::string& pairs : {kPairs, std::string("1070\n41\n"), std::string("1040\n2.0\n1070\n999\n")}) {
    const std::string original = drawing(pairs);
    OdDbDatabasePtr db = odDxfReadString(original, "dims.dxf");
    const std::string text = odDxfWriteString(db);
    EXPECT_EQ(listOf(text), listOf(original));
    const size_t at = original.find("  0\nDIMSTYLE\n105");
    EXPECT_NE(text.find(original.substr(at, original.find("ENDTAB", at) - at)), std::string::npos);
  }
}

TEST(DimensionFiles, ANewDimensionStartsItsListWithItsFirstSetting) {
  OdDbDatabasePtr db(new OdDbDatabase, kOdRxObjAttach);
  OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
  OdDbRotatedDimensionPtr d = OdDbRotatedDimension::createObject();
  ms->appendOdDbEntity(d);
  EXPECT_TRUE(d->xData(L"ACAD").isNull());
  EXPECT_EQ(d->setDimse1(true), eOk);
  EXPECT_EQ(d->setDimblk1(OdDbObjectId()), eOk);
  EXPECT_EQ(d->setDimtp(std::nan("")), eInvalidInput);
  EXPECT_EQ(listOf(odDxfWriteString(db)), "DSTYLE\n1002\n{\n1070\n75\n1070\n1\n1070\n343\n1005\n0\n");
  EXPECT_TRUE(d->dimse1());
  EXPECT_DOUBLE_EQ(d->dimtp(), 0.0);
}

TEST(DimensionFiles, ADimensionOfNoKindIsKeptAsItCame) {
  std::string text = drawing(kPairs);
  auto replaceOnce = [&](const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
  };
  replaceOnce(" 70\n32\n", " 70\n39\n");
  replaceOnce("100\nAcDbAlignedDimension\n", "100\nAcDbFutureDimension\n");
  replaceOnce("100\nAcDbRotatedDimension\n", "");
  OdDbDatabasePtr db = odDxfReadString(text, "future.dxf");
  OdDbObjectPtr d = db->getOdDbObjectId(OdDbHandle(0x50)).safeOpenObject();
  EXPECT_TRUE(OdDbDimension::cast(d).isNull());
  const std::string written = odDxfWriteString(db);
  const size_t from = text.find("  0\nDIMENSION"), to = text.find("  0\nENDSEC", from);
  EXPECT_NE(written.find(text.substr(from, to - from)), std::string::npos);
}
