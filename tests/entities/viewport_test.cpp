// Layout viewports through their extension: the sheet's own viewport and
// clipped ones keep their place and size, locked ones their scale; the
// active viewport shows its live view; the scale is chosen among the
// drawing's named scales; refusals and their messages.
#include <string>

#include "KdModuleTest.h"
#include "Db/DbCircle.h"
#include "Db/DbDictionary.h"
#include "Db/DbLayout.h"
#include "Db/DbRasterImage.h"
#include "Db/DbViewport.h"
#include "Dxf/DxfFile.h"

using namespace kdtest;

namespace {
struct Viewports : ::testing::Test {
  Drawing drawing;
  OdDbViewportPtr sheet, plan;
  OdDbLayoutPtr layout;
  void SetUp() override {
    GetKdSystemServices()->ClearRecords();
    OdDbDatabase* db = drawing.db;
    OdDbDictionaryPtr nod = db->getNamedObjectsDictionaryId().safeOpenObject(OdDb::kForWrite);
    OdDbDictionaryPtr layouts = OdDbDictionary::createObject();
    nod->setAt(L"ACAD_LAYOUT", layouts);
    layout = OdDbLayout::createObject();
    layout->setLayoutName(L"Sheet");
    layout->setBlockTableRecordId(db->getPaperSpaceId());
    layouts->setAt(L"Sheet", layout);
    sheet = addViewport(1, OdGePoint3d(210, 148.5, 0), 420, 297);
    plan = addViewport(2, OdGePoint3d(100, 100, 0), 200, 100);
    plan->setViewCenter(OdGePoint2d(30, 40));
    plan->setCustomScale(0.5);
    db->header().tilemode = false;  // the sheet is current
    db->header().cvport = 1;
  }
  OdDbViewportPtr addViewport(OdInt16 number, const OdGePoint3d& centre, double w, double h) {
    OdDbBlockTableRecordPtr paper = drawing.db->getPaperSpaceId().safeOpenObject(OdDb::kForWrite);
    OdDbViewportPtr vp = OdDbViewport::createObject();
    paper->appendOdDbEntity(vp);
    vp->setNumber(number);
    vp->setCenterPoint(centre);
    vp->setWidth(w);
    vp->setHeight(h);
    vp->setViewHeight(h);
    return vp;
  }
  // Scales named as a drawing might: two of ratio 0.5, the first listed wins.
  void addScales(std::initializer_list<std::pair<const wchar_t*, double>> scales) {
    OdDbDictionaryPtr nod = drawing.db->getNamedObjectsDictionaryId().safeOpenObject(OdDb::kForWrite);
    OdDbDictionaryPtr list = OdDbDictionary::createObject();
    nod->setAt(L"ACAD_SCALELIST", list);
    int n = 0;
    for (const auto& s : scales) {
      OdDbScalePtr scale = OdDbScale::createObject();
      scale->setScaleName(s.first);
      scale->setUnits(s.second, 1.0);
      list->setAt(OdString(L"A") + OdString::fromUtf8(std::to_string(n++)), scale);
    }
  }
  CKdVariantCollection scaleList(const OdDbViewport* vp) { return get(vp, "Standard scale").GetCollection(); }
  CKdString selectedLabel(const OdDbViewport* vp) {
    const CKdVariantCollection c = scaleList(vp);
    return c.GetAt(c.GetSelectedIndex()).GetValue().GetString();
  }
};

TEST_F(Viewports, TheSheetsOwnViewportAndClippedOnesKeepTheirPlaceAndSize) {
  const std::vector<std::string> rows = names(*describe(plan));
  ASSERT_GE(rows.size(), 13u);
  EXPECT_EQ(*(rows.end() - 13), "View/Center X");
  EXPECT_EQ(rows.back(), "Misc/Linked to sheet view");
  for (const char* row : {"Center X", "Center Y", "Center Z", "Height", "Width"}) {
    EXPECT_TRUE(isReadOnly(sheet, row)) << row;
    EXPECT_FALSE(isReadOnly(plan, row)) << row;
  }
  // With the model current the sheet is no current layout's own viewport.
  drawing.db->header().tilemode = true;
  EXPECT_FALSE(isReadOnly(sheet, "Width"));
  drawing.db->header().tilemode = false;

  OdDbCirclePtr round = drawing.add(OdDbCircle::createObject());
  ASSERT_EQ(plan->setNonRectClipEntityId(round->objectId()), eOk);
  EXPECT_TRUE(isReadOnly(plan, "Center X"));
  EXPECT_EQ(selected(plan, "Clipped"), 1);
  EXPECT_TRUE(isReadOnly(plan, "Clipped"));
  EXPECT_FALSE(isReadOnly(plan, "On"));
}

TEST_F(Viewports, TheActiveViewportShowsItsLiveView) {
  drawing.db->header().cvport = 2;
  plan->setCenterPoint(OdGePoint3d(100, 100, 7));
  plan->setViewTarget(OdGePoint3d(1, 2, 3));
  EXPECT_EQ(get(plan, "Center X").GetDouble(), 31.0);
  EXPECT_EQ(get(plan, "Center Y").GetDouble(), 42.0);
  EXPECT_EQ(get(plan, "Center Z").GetDouble(), 0.0);
  // Scale 0.5 on a 200 x 100 window: the view is 400 x 200 drawing units.
  EXPECT_EQ(get(plan, "Height").GetDouble(), 200.0);
  EXPECT_EQ(get(plan, "Width").GetDouble(), 400.0);
  // The centre edit works on the stored centre.
  EXPECT_EQ(set(plan, "Center Z", CKdVariant(9.0, true)), 5100);
  EXPECT_EQ(plan->centerPoint(), OdGePoint3d(100, 100, 9));

  // Not active: the stored values.
  drawing.db->header().cvport = 1;
  EXPECT_EQ(get(plan, "Center Z").GetDouble(), 9.0);
  EXPECT_EQ(get(plan, "Width").GetDouble(), 200.0);
  // With the model current no viewport is active, not even one never numbered.
  drawing.db->header().tilemode = true;
  plan->setNumber(0);
  EXPECT_EQ(get(plan, "Center Z").GetDouble(), 9.0);
}

TEST_F(Viewports, SizesMustBePositiveAndKeepTheViewsScale) {
  EXPECT_EQ(set(plan, "Height", CKdVariant(0.0, true)), -5001);
  ASSERT_EQ(GetKdSystemServices()->Messages().size(), 1u);
  EXPECT_EQ(GetKdSystemServices()->Messages()[0].text, CKdString(L"Invalid input"));
  EXPECT_EQ(GetKdSystemServices()->Messages()[0].title, CKdString(L"Error"));
  EXPECT_EQ(set(plan, "Width", CKdVariant(-1.0, true)), -5001);
  EXPECT_EQ(plan->width(), 200.0);
  EXPECT_EQ(set(plan, "Height", CKdVariant(150.0, true)), 5100);
  EXPECT_EQ(plan->height(), 150.0);
  EXPECT_EQ(get(plan, "Custom scale").GetDouble(), 0.5);
}

TEST_F(Viewports, TheScaleIsChosenAmongTheDrawingsNamedScales) {
  addScales({{L"1:4", 0.25}, {L"1:2", 0.5}, {L"Half", 0.5}, {L"2:1", 2.0}});
  const CKdVariantCollection list = scaleList(plan);
  ASSERT_EQ(list.GetCount(), 6);
  EXPECT_EQ(list.GetAt(0).GetValue().GetString(), CKdString(L"Scaled to fit"));
  EXPECT_EQ(list.GetAt(0).GetTag().GetInt32(), 0);
  EXPECT_EQ(list.GetAt(1).GetValue().GetString(), CKdString(L"Custom scale"));
  EXPECT_EQ(list.GetAt(3).GetTag().GetType(), int(CKdVariant::kId));
  EXPECT_EQ(selectedLabel(plan), CKdString(L"1:2"));

  // 2:1 chosen by its object.
  const CKdVariant twice(CKdVariantCollectionElement(list.GetAt(5).GetValue(), list.GetAt(5).GetTag()));
  EXPECT_EQ(set(plan, "Standard scale", twice), 5100);
  EXPECT_EQ(plan->customScale(), 2.0);
  EXPECT_EQ(plan->viewHeight(), 50.0);
  EXPECT_EQ(selectedLabel(plan), CKdString(L"2:1"));

  // No named scale of the ratio: "Custom scale".
  EXPECT_EQ(set(plan, "Custom scale", CKdVariant(0.3, false)), 5100);
  EXPECT_EQ(selectedLabel(plan), CKdString(L"Custom scale"));
  EXPECT_EQ(set(plan, "Custom scale", CKdVariant(-2.0, false)), -5001);
  EXPECT_EQ(GetKdSystemServices()->Messages().back().text, CKdString(L"Invalid input"));
  const size_t shown = GetKdSystemServices()->Messages().size();
  EXPECT_EQ(set(plan, "Custom scale", CKdVariant(0.0, false)), -5001);
  EXPECT_EQ(GetKdSystemServices()->Messages().size(), shown);  // refused silently
  EXPECT_EQ(plan->customScale(), 0.3);

  // A choice whose object is no scale changes nothing.
  const CKdVariant layer(CKdVariantCollectionElement(CKdVariant(CKdString(L"0")), CKdVariant(drawing.db->getLayerZeroId())));
  EXPECT_EQ(set(plan, "Standard scale", layer), 5100);
  EXPECT_EQ(plan->customScale(), 0.3);
}

TEST_F(Viewports, LockedViewportsKeepTheirScaleAndScaledToFitFitsTheModel) {
  EXPECT_EQ(set(plan, "Display locked", choice(1)), 5100);
  EXPECT_TRUE(plan->isLocked());
  EXPECT_TRUE(isReadOnly(plan, "Standard scale"));
  EXPECT_TRUE(isReadOnly(plan, "Custom scale"));
  EXPECT_FALSE(isReadOnly(plan, "Center X"));
  EXPECT_EQ(set(plan, "Display locked", choice(0)), 5100);
  EXPECT_FALSE(isReadOnly(plan, "Custom scale"));

  // The model's extents as the drawing gives them: 0..600 by 0..100.
  drawing.db->header().hasExtents = true;
  drawing.db->header().extmin = OdGePoint3d(0, 0, 0);
  drawing.db->header().extmax = OdGePoint3d(600, 100, 0);
  EXPECT_EQ(set(plan, "Standard scale", choice(0)), 5100);
  EXPECT_EQ(plan->standardScale(), OdDbViewport::kScaleToFit);
  // The width decides: 600 across a 200 x 100 window.
  EXPECT_EQ(plan->viewHeight(), 300.0);
  EXPECT_EQ(plan->viewCenter(), OdGePoint2d(300, 50));
  EXPECT_EQ(get(plan, "Linked to sheet view").GetType(), int(CKdVariant::kEmpty));
}

TEST_F(Viewports, OnOffUcsAndShadePrintAndTheirFileFields) {
  EXPECT_EQ(set(plan, "On", choice(0)), 5100);
  EXPECT_FALSE(plan->isOn());
  EXPECT_EQ(set(plan, "CCS per viewport", choice(0)), 5100);
  EXPECT_EQ(set(plan, "Shade print", choice(2)), 5100);
  // The listing is the common header, as for a class without one of its own.
  EXPECT_EQ(list(plan)->Records().size(), list(drawing.add(OdDbRasterImage::createObject()))->Records().size());

  OdDbDatabasePtr back = odDxfReadString(odDxfWriteString(drawing.db), "sheet.dxf");
  OdDbViewportPtr read =
      OdDbViewport::cast(back->getOdDbObjectId(plan->objectId().getHandle()).openObject(OdDb::kForWrite));
  ASSERT_FALSE(read.isNull());
  EXPECT_FALSE(read->isOn());
  EXPECT_FALSE(read->isUcsSavedWithViewport());
  EXPECT_EQ(read->shadePlot(), OdDbViewport::kHidden);
  EXPECT_EQ(read->customScale(), 0.5);
  EXPECT_EQ(read->viewCenter(), OdGePoint2d(30, 40));
  EXPECT_EQ(set(read, "On", choice(1)), 5100);
  EXPECT_TRUE(read->isOn());
  // The sheet's own viewport is found again through the layout.
  OdDbLayoutPtr readLayout = OdDbLayout::cast(back->currentLayoutId().openObject());
  ASSERT_FALSE(readLayout.isNull());
  EXPECT_EQ(readLayout->overallVportId().getHandle(), sheet->objectId().getHandle());
}
}  // namespace
