// Text styles, named views and groups as a manager shows them; views and
// groups written by ezdxf, read back through kdprops.
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include "KdModuleTest.h"
#include "Db/DbDictionary.h"
#include "Db/DbGroup.h"
#include "Db/DbLine.h"
#include "Db/DbTextStyleTableRecord.h"
#include "Db/DbTableStyle.h"
#include "Db/DbViewTableRecord.h"
#include "Dxf/DxfFile.h"

using namespace kdtest;

namespace {
struct ViewAndGroupProperties : ::testing::Test {
  Drawing drawing;
};
}  // namespace

TEST_F(ViewAndGroupProperties, TextStylesShowTheirFlagsUntranslated) {
  OdDbSymbolTablePtr styles = drawing.db->getTextStyleTableId().safeOpenObject(OdDb::kForWrite);
  OdDbTextStyleTableRecordPtr style = OdDbTextStyleTableRecord::createObject();
  style->setName(L"Labels");
  style->setFileName(L"isocp.shx");
  style->setIsVertical(true);
  styles->add(style);
  EXPECT_EQ(names(*describe(style)),
            (std::vector<std::string>{"General/Name", "General/Font", "General/Height", "General/BigFont", "General/Angle",
                                      "General/Spacing", "General/Vertical", "General/Backwards", "General/Upside down"}));
  EXPECT_EQ(get(style, "Font").GetString(), L"isocp.shx");
  EXPECT_EQ(selected(style, "Vertical"), 1);
  EXPECT_EQ(selected(style, "Backwards"), 0);
  EXPECT_EQ(get(style, "Vertical").GetCollection().GetAt(0).GetValue().GetString(), L"Yes");
  EXPECT_EQ(propertiesOf(style)->GetDisplayName(style), L"TextStyle");
  EXPECT_TRUE(isReadOnly(style, "Name"));
}

TEST_F(ViewAndGroupProperties, AViewShowsItsWindowCorners) {
  OdDbSymbolTablePtr views = drawing.db->getViewTableId().safeOpenObject(OdDb::kForWrite);
  OdDbViewTableRecordPtr view = OdDbViewTableRecord::createObject();
  view->setName(L"Entrance");
  view->setCenterPoint(OdGePoint2d(10, 10));
  view->setWidth(4);
  view->setHeight(2);
  view->setIsPaperspaceView(true);
  views->add(view);
  const CKdVariantCollection corners = get(view, "Window").GetCollection();
  ASSERT_EQ(corners.GetCount(), 2);
  EXPECT_TRUE(corners.GetAt(0).GetValue().GetPoint2d().isEqualTo(OdGePoint2d(8, 9)));
  EXPECT_TRUE(corners.GetAt(1).GetValue().GetPoint2d().isEqualTo(OdGePoint2d(12, 11)));
  EXPECT_EQ(corners.GetAt(1).GetTag().GetInt32(), 1);
  EXPECT_EQ(corners.GetSelectedIndex(), 0);
  EXPECT_EQ(get(view, "IsPaperSpace").GetInt32(), 1);
  EXPECT_EQ(get(view, "Name").GetString(), L"Entrance");
  EXPECT_EQ(propertiesOf(view)->GetDisplayName(view), L"ViewTableRecord");
}

TEST_F(ViewAndGroupProperties, AGroupListsItsMembersByHandle) {
  OdDbDictionaryPtr groups = OdDbDictionary::cast(
      OdDbDictionary::cast(drawing.db->getNamedObjectsDictionaryId().safeOpenObject())->getAt(L"ACAD_GROUP").safeOpenObject(OdDb::kForWrite));
  OdDbGroupPtr group = OdDbGroup::createObject();
  groups->setAt(L"Stair", group);
  group->setDescription(L"Steps and rail");
  std::vector<std::string> handles;
  for (int i = 0; i < 3; ++i) {
    OdDbLinePtr line = drawing.add(OdDbLine::createObject());
    group->append(line->objectId());
    handles.push_back(line->objectId().getHandle().ascii().toUtf8());
  }
  const CKdVariantCollection all = get(group, "AllEntities").GetCollection();
  ASSERT_EQ(all.GetCount(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(all.GetAt(i).GetValue().GetString(), L"Stair");
    EXPECT_EQ(all.GetAt(i).GetTag().GetString().toUtf8(), handles[size_t(i)]);
  }
  EXPECT_EQ(get(group, "Description").GetString(), L"Steps and rail");
  // An erased member is no longer listed.
  OdDbObjectPtr(drawing.db->getOdDbObjectId(OdDbHandle(OdString(handles[1].c_str()))).safeOpenObject(OdDb::kForWrite))->erase();
  EXPECT_EQ(get(group, "AllEntities").GetCollection().GetCount(), 2);
  EXPECT_EQ(get(group, "SelectableEntities").GetString(), L"Yes");
  EXPECT_EQ(propertiesOf(group)->GetDisplayName(group), L"Group");
  EXPECT_TRUE(listingOf(group).isNull());
}

// ezdxf writes a view and a group; kdprops shows what they hold.
TEST(ViewsAndGroupsOfEzdxf, AreShownAsWritten) {
  if (std::system("/usr/bin/python3 -c 'import ezdxf' 2>/dev/null") != 0) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string dir = testing::TempDir(), path = dir + "/kd_views.dxf", out = dir + "/kd_views.json";
  const std::string make =
      "/usr/bin/python3 -c \"import ezdxf, json\n"
      "doc = ezdxf.new('R2018')\n"
      "v = doc.views.new('Gate', dxfattribs={'center': (5, 6), 'width': 8, 'height': 3})\n"
      "msp = doc.modelspace()\n"
      "lines = [msp.add_line((0, 0), (i, 1)) for i in range(1, 3)]\n"
      "g = doc.groups.new('Fence', description='posts')\n"
      "g.extend(lines)\n"
      "doc.saveas('" + path + "')\n"
      "print(json.dumps({'view': v.dxf.handle, 'group': g.dxf.handle, 'members': [l.dxf.handle for l in lines]}))\" > " + out;
  ASSERT_EQ(std::system(make.c_str()), 0);
  std::ifstream in(out);
  const nlohmann::json made = nlohmann::json::parse(in);
  OdDbDatabasePtr db = odDxfReadFile(path);
  OdDbObjectPtr view = db->getOdDbObjectId(OdDbHandle(OdString(made["view"].get<std::string>().c_str()))).openObject();
  const CKdVariantCollection corners = get(view, "Window").GetCollection();
  EXPECT_TRUE(corners.GetAt(0).GetValue().GetPoint2d().isEqualTo(OdGePoint2d(1, 4.5)));
  EXPECT_TRUE(corners.GetAt(1).GetValue().GetPoint2d().isEqualTo(OdGePoint2d(9, 7.5)));
  OdDbObjectPtr group = db->getOdDbObjectId(OdDbHandle(OdString(made["group"].get<std::string>().c_str()))).openObject();
  EXPECT_EQ(get(group, "Name").GetString(), L"Fence");
  EXPECT_EQ(get(group, "Description").GetString(), L"posts");
  const CKdVariantCollection all = get(group, "AllEntities").GetCollection();
  ASSERT_EQ(all.GetCount(), 2);
  EXPECT_EQ(all.GetAt(1).GetTag().GetString().toUtf8(), made["members"][1].get<std::string>());
}

// Table styles: each setting of the cell styles as a collection tagged by the cell style.
TEST_F(ViewAndGroupProperties, TableStylesListTheirCellStyles) {
  OdDbTableStylePtr style = OdDbTableStyle::createObject();
  drawing.db->addOdDbObject(style);
  style->addCellStyle(L"Data", 2, OdCmColor::fromIndex(3), OdCmColor::fromIndex(8), 0.18);
  style->addCellStyle(L"Title", 12, OdCmColor(OdCmEntityColor::kNone), OdCmColor(OdCmEntityColor::kNone), 0.25);
  style->addCellStyle(L"Header", 5, OdCmColor::fromIndex(1), OdCmColor::fromRGB(10, 20, 30), 0.2);
  EXPECT_EQ(describe(style)->GetCount(), 11);
  EXPECT_EQ(propertiesOf(style)->GetDisplayName(style), L"TableStyle");
  auto tags = [&](const char* name) {
    std::vector<long> out;
    const CKdVariantCollection c = get(style, name).GetCollection();
    for (int i = 0; i < c.GetCount(); ++i) out.push_back(c.GetAt(i).GetTag().GetInt32());
    return out;
  };
  // The title has no background and no colour; its alignment (12) is none of the nine.
  EXPECT_EQ(tags("backgroundColor"), (std::vector<long>{0, 2}));
  EXPECT_EQ(tags("Color"), (std::vector<long>{0, 2}));
  EXPECT_EQ(tags("Align"), (std::vector<long>{1, 4}));
  EXPECT_EQ(get(style, "Align").GetCollection().GetAt(1).GetValue().GetString(), L"Middle Center");
  EXPECT_EQ(get(style, "Align").GetCollection().GetSelectedIndex(), -1);
  EXPECT_EQ(tags("gridLineWeight").size(), 18u);
  EXPECT_EQ(tags("gridLineWeight")[6], 1);
  EXPECT_EQ(get(style, "textHeight").GetCollection().GetAt(1).GetValue().GetDouble(), 0.25);
  const CKdVariantCollection direction = get(style, "Direction").GetCollection();
  ASSERT_EQ(direction.GetCount(), 1);
  EXPECT_EQ(direction.GetAt(0).GetValue().GetString(), L"Down");
  EXPECT_EQ(direction.GetAt(0).GetTag().GetInt32(), 1);
}

// The table style a drawing of another program holds.
TEST_F(ViewAndGroupProperties, ATableStyleOfADrawing) {
  const std::string sample = std::string(KD_SAMPLES_DIR) + "/dynamic-blocks/BLOCKFLIPPARAMETER.dxf";
  if (!std::ifstream(sample).good()) GTEST_SKIP() << "no sample drawings";
  OdDbDatabasePtr db = odDxfReadFile(sample);
  OdDbObjectPtr style = db->getOdDbObjectId(OdDbHandle(0x87)).openObject();
  ASSERT_FALSE(style.isNull());
  EXPECT_EQ(get(style, "TableStyleName").GetString(), L"Standard");
  const CKdVariantCollection heights = get(style, "textHeight").GetCollection();
  ASSERT_EQ(heights.GetCount(), 3);
  EXPECT_EQ(heights.GetAt(1).GetValue().GetDouble(), 0.25);
  EXPECT_EQ(get(style, "gridLineWeight").GetCollection().GetCount(), 18);
  EXPECT_EQ(get(style, "backgroundColor").GetCollection().GetCount(), 0);
}

TEST_F(ViewAndGroupProperties, TheTableStyleOfADrawingWithATable) {
  const std::string sample = std::string(KD_SAMPLES_DIR) + "/edge-cases/acad_table_with_blk_ref.dxf";
  if (!std::ifstream(sample).good()) GTEST_SKIP() << "no sample drawings";
  OdDbDatabasePtr db = odDxfReadFile(sample);
  OdDbObjectPtr style = db->getOdDbObjectId(OdDbHandle(0x6B)).openObject();
  ASSERT_FALSE(style.isNull());
  auto doubles = [&](const char* name) {
    std::vector<double> out;
    const CKdVariantCollection c = get(style, name).GetCollection();
    for (int i = 0; i < c.GetCount(); ++i) out.push_back(c.GetAt(i).GetValue().GetDouble());
    return out;
  };
  EXPECT_EQ(doubles("textHeight"), (std::vector<double>{4.5, 6.0, 4.5}));
  EXPECT_EQ(doubles("horzCellMargin"), (std::vector<double>{1.5, 1.5, 1.5}));
  EXPECT_EQ(get(style, "Align").GetCollection().GetAt(0).GetValue().GetString(), L"Top Center");
  // Fill colour 257 with filling off: no background for any cell style.
  EXPECT_EQ(get(style, "backgroundColor").GetCollection().GetCount(), 0);
  EXPECT_EQ(get(style, "Direction").GetCollection().GetAt(0).GetValue().GetString(), L"Down");
}
