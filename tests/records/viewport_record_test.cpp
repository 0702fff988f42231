// The viewport record as the palette of the drawing's current settings:
// current layer with its refusals and warnings, line weight, plot style
// tables of the drawing's kind, the view and the UCS icon.
#include <filesystem>
#include <fstream>
#include "CKdDocument.h"
#include "CKdUtils.h"
#include "KdModuleTest.h"
#include "Db/DbDictionary.h"
#include "Db/DbLayout.h"
#include "Db/DbViewTableRecord.h"

using namespace kdtest;

namespace {
struct ViewportRecordProperties : ::testing::Test {
  Drawing drawing;
  OdDbViewportTableRecordPtr active;
  std::string folder;
  void TearDown() override { GetKdSystemServices()->SetPlotStyleFolder(""); }
  void SetUp() override {
    GetKdSystemServices()->ClearRecords();
    // A plot style folder of our own.
    folder = testing::TempDir() + "/kd_plot_styles";
    std::filesystem::create_directories(folder);
    for (const char* name : {"Black ink.ctb", "Grey shades.ctb", "Standard.stb", "notes.txt"}) std::ofstream(folder + "/" + name) << "x";
    GetKdSystemServices()->SetPlotStyleFolder(folder);
    OdDbSymbolTablePtr table = drawing.db->getViewportTableId().safeOpenObject(OdDb::kForWrite);
    active = OdDbViewportTableRecord::createObject();
    active->setName(L"*Active");
    table->add(active);
  }
  OdDbLayerTableRecordPtr layer(const wchar_t* name) {
    return OdDbLayerTableRecordPtr(drawing.addLayer(name).safeOpenObject(OdDb::kForWrite));
  }
  std::vector<std::string> labels(const char* name) {
    std::vector<std::string> out;
    const CKdVariantCollection c = get(active, name).GetCollection();
    for (int i = 0; i < c.GetCount(); ++i) out.push_back(c.GetAt(i).GetValue().GetString().toUtf8());
    return out;
  }
  const std::vector<CKdMessageRecord>& messages() const { return GetKdSystemServices()->Messages(); }
};
}  // namespace

TEST_F(ViewportRecordProperties, CurrentLayerWithItsRefusals) {
  EXPECT_EQ(names(*describe(active)).size(), 19u);
  EXPECT_EQ(propertiesOf(active)->GetDisplayName(active), L"ViewportTableRecord");
  OdDbObjectId zero = drawing.db->getCLAYER();
  EXPECT_EQ(get(active, "Layer").GetId(), zero);
  EXPECT_EQ(OdDbLayerTableRecordPtr(zero.safeOpenObject())->getName(), L"0");

  OdDbLayerTableRecordPtr frozen = layer(L"Frozen");
  frozen->setIsFrozen(true);
  EXPECT_EQ(set(active, "Layer", CKdVariant(frozen->objectId())), 5100);
  EXPECT_EQ(drawing.db->getCLAYER(), zero);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].title, L"Warning");
  EXPECT_EQ(messages()[0].text.toUtf8().rfind("Specified layer cannot be made active.", 0), 0u);

  const int saved = CKdLayErpHandler::SavedStateCount();
  OdDbLayerTableRecordPtr off = layer(L"Off");
  off->setIsOff(true);
  EXPECT_EQ(set(active, "Layer", CKdVariant(off->objectId())), 5100);
  EXPECT_EQ(drawing.db->getCLAYER(), off->objectId());
  EXPECT_EQ(messages().back().text, L"The active layer is hidden.");
  EXPECT_EQ(CKdLayErpHandler::SavedStateCount(), saved + 1);
  // The saved state takes the drawing back to layer 0.
  EXPECT_TRUE(CKdLayErpHandler::RestoreLastLayerState(drawing.db));
  EXPECT_EQ(drawing.db->getCLAYER(), zero);

  EXPECT_EQ(set(active, "LineWeight", CKdVariant(long(OdDb::kLnWt035))), 5100);
  EXPECT_EQ(drawing.db->getCELWEIGHT(), OdDb::kLnWt035);
  EXPECT_EQ(set(active, "LineWeight", CKdVariant(37L)), -5001);
  EXPECT_EQ(set(active, "LineScale", CKdVariant(0.5, false)), 5100);
  EXPECT_EQ(drawing.db->getCELTSCALE(), 0.5);
  EXPECT_EQ(get(active, "Hyperlink").GetString(), L"");
  EXPECT_EQ(set(active, "Hyperlink", CKdVariant(CKdString(L"x"))), 5100);
}

TEST_F(ViewportRecordProperties, PlotStyleTablesOfTheDrawingsKind) {
  drawing.db->setPSTYLEMODE(true);
  EXPECT_EQ(labels("Table"), (std::vector<std::string>{"None", "Black ink.ctb", "Grey shades.ctb"}));
  EXPECT_EQ(get(active, "Table").GetCollection().GetSelectedIndex(), 0);
  EXPECT_EQ(get(active, "Type").GetString(), L"None");
  EXPECT_TRUE(isReadOnly(active, "Style"));
  // No layout to give the table to.
  EXPECT_EQ(set(active, "Table", choice(2, L"Grey shades.ctb")), -5001);

  OdDbDictionaryPtr named = drawing.db->getNamedObjectsDictionaryId().safeOpenObject(OdDb::kForWrite);
  OdDbDictionaryPtr layouts = OdDbDictionary::createObject();
  named->setAt(L"ACAD_LAYOUT", layouts);
  OdDbLayoutPtr model = OdDbLayout::createObject();
  layouts->setAt(L"Model", model);
  model->setBlockTableRecordId(drawing.db->getModelSpaceId());
  model.release();
  EXPECT_EQ(set(active, "Table", choice(2, L"Grey shades.ctb")), 5100);
  EXPECT_EQ(OdDbLayoutPtr(odDbLayoutOf(drawing.db, OdDbObjectId()).safeOpenObject())->getCurrentStyleSheet(),
            L"Grey shades.ctb");
  EXPECT_EQ(get(active, "Table").GetCollection().GetSelectedIndex(), 2);
  EXPECT_EQ(set(active, "Table", choice(0, L"None")), 5100);
  EXPECT_EQ(OdDbLayoutPtr(odDbLayoutOf(drawing.db, OdDbObjectId()).safeOpenObject())->getCurrentStyleSheet(), L"");

  drawing.db->setPSTYLEMODE(false);
  EXPECT_EQ(labels("Table"), (std::vector<std::string>{"None", "Standard.stb"}));
  // Without a folder the host offers no tables.
  GetKdSystemServices()->SetPlotStyleFolder("");
  EXPECT_EQ(labels("Table"), (std::vector<std::string>{"None"}));
  EXPECT_FALSE(isReadOnly(active, "Style"));
  EXPECT_EQ(set(active, "Style", CKdVariant(CKdString(L"Thick"))), 5100);
  EXPECT_EQ(get(active, "Style").GetString(), L"Thick");
}

TEST_F(ViewportRecordProperties, ViewAndIcon) {
  active->setCenterPoint(OdGePoint2d(3, 4));
  active->setTarget(OdGePoint3d(1, 1, 5));
  active->setHeight(10);
  active->setWidth(16);
  EXPECT_EQ(get(active, "Center X").GetDouble(), 4.0);
  EXPECT_EQ(get(active, "Center Y").GetDouble(), 5.0);
  EXPECT_EQ(get(active, "Center Z").GetDouble(), 0.0);
  EXPECT_EQ(get(active, "Width").GetDouble(), 16.0);
  EXPECT_TRUE(isReadOnly(active, "Height"));
  EXPECT_EQ(selected(active, "CS icon on"), 1);
  EXPECT_EQ(set(active, "CS icon on", choice(0)), 5100);
  EXPECT_FALSE(active->iconEnabled());
  EXPECT_TRUE(active->iconAtOrigin());
  EXPECT_EQ(set(active, "CCS per View Tile", choice(0)), 5100);
  EXPECT_FALSE(active->isUcsSavedWithViewport());
  EXPECT_EQ(get(active, "CCS name").GetString(), L"");
}
