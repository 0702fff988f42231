// Leaders and tolerance frames through their extensions: the leader's kind
// list, its path replaced as a whole or a vertex at a time in the UCS, its
// arrow and the settings it holds over its style; the family styles left out
// of the style list; a frame's text settings and rules; both listings.
#include "CKdPropertyPEImpl.h"
#include "KdModuleTest.h"
#include "Db/DbDatabase.h"
#include "Db/DbDimStyleTableRecord.h"
#include "Db/DbLeader.h"
#include "Db/DbSymbolTable.h"
#include "Dxf/DxfFile.h"
#include <algorithm>

using namespace kdtest;

namespace {
struct Annotations : ::testing::Test {
  Drawing drawing;
  void SetUp() override { GetKdSystemServices()->ClearRecords(); }
  OdDbObjectId style(const wchar_t* name) {
    OdDbSymbolTablePtr styles = drawing.db->getDimStyleTableId().safeOpenObject(OdDb::kForWrite);
    OdDbDimStyleTableRecordPtr record = OdDbDimStyleTableRecord::createObject();
    record->setName(name);
    return styles->add(record);
  }
  OdDbLeaderPtr leader(int vertices) {
    OdDbLeaderPtr l = drawing.add(OdDbLeader::createObject());
    for (int i = 0; i < vertices; ++i) l->appendVertex(OdGePoint3d(i, 2 * i, 0));
    return l;
  }
  std::vector<std::string> styleLabels(const OdDbObject* object, const char* row) {
    std::vector<std::string> out;
    const CKdVariantCollection c = get(object, row).GetCollection();
    for (int i = 0; i < c.GetCount(); ++i) out.push_back(c.GetAt(i).GetValue().GetString().toUtf8());
    return out;
  }
};

TEST_F(Annotations, ALeadersKindCombinesCurveShapeAndArrowhead) {
  OdDbLeaderPtr l = leader(3);
  EXPECT_EQ(propertiesOf(l)->GetDisplayName(l), CKdString(L"Leader"));
  EXPECT_EQ(selected(l, "Type"), 2);  // "Line with arrow"
  EXPECT_EQ(set(l, "Type", choice(1)), 5100);
  EXPECT_TRUE(l->isSplined());
  EXPECT_FALSE(l->hasArrowHead());
  EXPECT_EQ(selected(l, "Type"), 1);
  EXPECT_EQ(set(l, "Type", choice(7)), 5100);  // no such kind: nothing changes
  EXPECT_EQ(selected(l, "Type"), 1);
  EXPECT_EQ(get(l, "Associative").GetString(), CKdString(L"No"));
}

TEST_F(Annotations, ThreePointsWrittenToAFiveVertexLeaderLeaveExactlyThose) {
  OdDbLeaderPtr l = leader(5);
  EXPECT_EQ(get(l, "Vertex").GetCollection().GetCount(), 5);
  CKdVariantCollection path;
  for (int i = 0; i < 3; ++i)
    path.Add(CKdVariantCollectionElement(CKdVariant(OdGePoint3d(10 + i, 0, 1)), CKdVariant(long(i))));
  EXPECT_EQ(set(l, "Vertex", CKdVariant(path)), 5100);
  ASSERT_EQ(l->numVertices(), 3);
  EXPECT_EQ(l->vertexAt(2), OdGePoint3d(12, 0, 1));
  // A list of one point, or holding anything but points, is refused whole.
  CKdVariantCollection single;
  single.Add(CKdVariantCollectionElement(CKdVariant(OdGePoint3d(1, 1, 0)), CKdVariant(0L)));
  EXPECT_EQ(set(l, "Vertex", CKdVariant(single)), -5001);
  EXPECT_EQ(l->numVertices(), 3);
  CKdVariantCollection broken = path;
  broken.Add(CKdVariantCollectionElement(CKdVariant(CKdString(L"x")), CKdVariant(3L)));
  EXPECT_EQ(set(l, "Vertex", CKdVariant(broken)), -5001);
  EXPECT_EQ(l->numVertices(), 3);

  // One vertex by index: its Y in the UCS.
  EXPECT_EQ(get(l, "Vertex y", CKdVariant(1L)).GetDouble(), 0.0);
  EXPECT_EQ(set(l, "Vertex y", CKdVariant(4.0, true), CKdVariant(1L)), 5100);
  EXPECT_EQ(l->vertexAt(1), OdGePoint3d(11, 4, 1));
  EXPECT_EQ(set(l, "Vertex y", CKdVariant(4.0, true), CKdVariant(7L)), -5001);
  EXPECT_TRUE(get(l, "Vertex y", CKdVariant(7L)).IsEmpty());
}

TEST_F(Annotations, SettingsAreTheLeadersOwnAndNegativeOnesAreRefused) {
  const OdDbObjectId s = style(L"Notes");
  OdDbLeaderPtr l = leader(2);
  ASSERT_EQ(l->setDimensionStyle(s), eOk);
  EXPECT_EQ(set(l, "Arrow size", CKdVariant(2.5, true)), 5100);
  EXPECT_EQ(l->dimasz(), 2.5);
  EXPECT_TRUE(l->hasOverride(OdDbDimVar::dimasz));
  OdDbDimStyleTableRecordPtr record = s.safeOpenObject();
  EXPECT_NE(record->dimVar(OdDbDimVar::dimasz).real, 2.5);  // the style keeps its own
  EXPECT_EQ(set(l, "Arrow size", CKdVariant(-1.0, true)), -5001);
  ASSERT_EQ(GetKdSystemServices()->Messages().size(), 1u);
  EXPECT_EQ(GetKdSystemServices()->Messages()[0].text, CKdString(L"Value must be non-negative"));
  EXPECT_EQ(set(l, "DimScale overall", CKdVariant(-2.0, false)), -5001);
  EXPECT_EQ(set(l, "Text offset", CKdVariant(0.3, true)), 5100);
  EXPECT_EQ(l->dimgap(), 0.3);

  // The arrow: an arrowhead by its row, "Custom arrow" itself changes nothing.
  EXPECT_EQ(set(l, "Arrow", choice(5, L"Oblique")), 5100);
  EXPECT_EQ(selected(l, "Arrow"), 5);
  EXPECT_EQ(set(l, "Arrow", choice(20, L"Custom arrow")), 5100);
  EXPECT_EQ(selected(l, "Arrow"), 5);

  auto listing = list(l);
  EXPECT_EQ(item(*listing, "DimensionStyle").text, CKdString(L"Notes"));
  EXPECT_EQ(item(*listing, "DIMGAP").number, 0.3);
  EXPECT_EQ(item(*listing, "related").integer, 0);
}

TEST_F(Annotations, FamilyStylesAreLeftOutButADollarSevenIsListed) {
  style(L"Notes$0");
  style(L"Notes$7");
  style(L"Notes$3");
  OdDbLeaderPtr l = leader(2);
  const std::vector<std::string> labels = styleLabels(l, "DimStyle");
  // The leader family's style is shown by its display name.
  EXPECT_EQ(std::count(labels.begin(), labels.end(), "Notes: Leader"), 1);
  for (const std::string& name : labels) {
    EXPECT_NE(name, "Notes: Linear");
    EXPECT_NE(name, "Notes: Diameter");
  }
  OdDbFcfPtr f = drawing.add(OdDbFcf::createObject());
  EXPECT_EQ(styleLabels(f, "Dim style"), labels);
}

TEST_F(Annotations, AFramesTextSettingsAndRules) {
  OdDbFcfPtr f = drawing.add(OdDbFcf::createObject());
  f->setText(L"{\\Fgdt;j}%%v0.5{\\Fgdt;m}^J{\\Fgdt;u}0.1");
  f->setLocation(OdGePoint3d(3, 4, 0));
  EXPECT_EQ(propertiesOf(f)->GetDisplayName(f), CKdString(L"Tolerance"));
  EXPECT_EQ(get(f, "Position X").GetDouble(), 3.0);
  EXPECT_EQ(set(f, "Position Y", CKdVariant(6.0, true)), 5100);
  EXPECT_EQ(f->location(), OdGePoint3d(3, 6, 0));
  EXPECT_EQ(set(f, "Text height", CKdVariant(0.0, true)), -5001);
  EXPECT_EQ(GetKdSystemServices()->Messages().back().text, CKdString(L"Value must be positive"));
  EXPECT_EQ(set(f, "Text height", CKdVariant(0.35, true)), 5100);
  EXPECT_EQ(f->dimtxt(), 0.35);
  EXPECT_EQ(set(f, "Text", CKdVariant(OdCmColor::fromIndex(3))), 5100);
  EXPECT_EQ(f->dimclrt().colorIndex(), 3);
  EXPECT_EQ(set(f, "Dim scale overall", CKdVariant(-1.0, false)), -5001);
  for (const char* row : {"Position X", "Dim style", "Text", "Text height", "TextStyle", "Dim scale overall", "DimLine LColor"})
    EXPECT_FALSE(isReadOnly(f, row)) << row;
  auto listing = list(f);
  EXPECT_EQ(item(*listing, "text").text, CKdString(L"{\\Fgdt;j}%%v0.5{\\Fgdt;m}^J{\\Fgdt;u}0.1"));
  EXPECT_EQ(item(*listing, "Position").point, OdGePoint3d(3, 6, 0));
}

TEST_F(Annotations, LeadersAndFramesKeepTheirFieldsAndSettingsThroughASave) {
  const OdDbObjectId s = style(L"Notes");
  OdDbLeaderPtr l = leader(3);
  l->setDimensionStyle(s);
  l->setToSplineLeader();
  set(l, "Arrow size", CKdVariant(1.5, true));
  OdDbFcfPtr f = drawing.add(OdDbFcf::createObject());
  f->setText(L"{\\Fgdt;p}0.2");
  f->setDimensionStyle(s);
  set(f, "Text height", CKdVariant(0.4, true));
  const OdDbHandle lh = l->objectId().getHandle(), fh = f->objectId().getHandle();
  l.release();
  f.release();
  OdDbDatabasePtr again = odDxfReadString(odDxfWriteString(drawing.db), "annotations.dxf");
  OdDbLeaderPtr rl = again->getOdDbObjectId(lh).safeOpenObject();
  OdDbFcfPtr rf = again->getOdDbObjectId(fh).safeOpenObject();
  EXPECT_EQ(rl->numVertices(), 3);
  EXPECT_EQ(rl->vertexAt(2), OdGePoint3d(2, 4, 0));
  EXPECT_TRUE(rl->isSplined());
  EXPECT_EQ(rl->dimasz(), 1.5);
  EXPECT_EQ(get(rl, "DimStyle").GetCollection().GetAt(get(rl, "DimStyle").GetCollection().GetSelectedIndex()).GetValue().GetString(),
            CKdString(L"Notes"));
  EXPECT_EQ(rf->text(), OdString(L"{\\Fgdt;p}0.2"));
  EXPECT_EQ(rf->dimtxt(), 0.4);
}
// A leader of another writer with a single vertex: read, shown and listed.
TEST(ForeignLeaders, ALeaderOfOneVertexIsReadAndShown) {
  const char* text =
      "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1015\n  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n"
      "  0\nLEADER\n  5\nB1\n100\nAcDbEntity\n  8\n0\n100\nAcDbLeader\n  3\nNowhere\n 71\n1\n 72\n0\n 76\n1\n"
      " 10\n2.0\n 20\n3.0\n 30\n0.0\n  0\nENDSEC\n  0\nEOF\n";
  OdDbDatabasePtr db = odDxfReadString(text, "one-vertex.dxf");
  OdDbLeaderPtr l = db->getOdDbObjectId(OdDbHandle(0xB1)).safeOpenObject(OdDb::kForWrite);
  EXPECT_EQ(l->numVertices(), 1);
  EXPECT_EQ(get(l, "Vertex").GetCollection().GetCount(), 1);
  EXPECT_EQ(get(l, "Vertex x", CKdVariant(0L)).GetDouble(), 2.0);
  EXPECT_TRUE(get(l, "Vertex x", CKdVariant(1L)).IsEmpty());
  auto listing = list(l);
  EXPECT_TRUE(hasItem(*listing, "Vertex"));
  EXPECT_FALSE(hasItem(*listing, "DimensionStyle"));  // its style is not in the drawing
}
}  // namespace
