// Dynamic block references: the "Custom" rows made from the block's
// parameters, their values, choice lists and read-only states, edits stored
// in the reference's records with its own block following visibility states
// and flips, the listing's custom lines, and the real drawings of another
// program.
#include <cmath>
#include <fstream>
#include "CKdPropertyPEImpl.h"
#include "KdModuleTest.h"
#include "Db/DbDynBlock.h"
#include "Db/DbCircle.h"
#include "Db/DbLine.h"
#include "Db/DbPolyline.h"
#include "Dxf/DxfFile.h"
#include "Ge/GeConst.h"

using namespace kdtest;

namespace {
struct DynamicBlocks : ::testing::Test {
  Drawing drawing;
  OdDbObjectId blockId;
  OdDbObjectId lineId, circleId;
  OdDbEvalGraphPtr graph;

  void SetUp() override {
    OdDbSymbolTablePtr blocks = drawing.db->getBlockTableId().safeOpenObject(OdDb::kForWrite);
    OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::createObject();
    block->setName(L"GATE");
    blockId = blocks->add(block);
    OdDbLinePtr line = OdDbLine::createObject();
    line->setStartPoint(OdGePoint3d(3, 0, 0));
    line->setEndPoint(OdGePoint3d(5, 2, 0));
    lineId = block->appendOdDbEntity(line);
    OdDbCirclePtr circle = OdDbCircle::createObject();
    circle->setCenter(OdGePoint3d(0, 0, 0));
    circle->setRadius(1);
    circleId = block->appendOdDbEntity(circle);
    graph = odDbCreateEvalGraph(*block);
  }
  template <class T>
  OdSmartPtr<T> node(OdSmartPtr<T> element, const wchar_t* name) {
    element->setName(name);
    graph->addNode(element);
    return element;
  }
  OdDbBlockFlipParameterPtr flip() {
    OdDbBlockFlipParameterPtr p = node(OdDbBlockFlipParameter::createObject(), L"Flip");
    p->setPoints(OdGePoint3d(0, 0, 0), OdGePoint3d(0, 5, 0));
    p->data.name[0] = L"Hinge side";
    OdDbBlockFlipActionPtr action = node(OdDbBlockFlipAction::createObject(), L"Flip1");
    action->setParameterNode(p->nodeId());
    OdDbObjectIdArray selection;
    selection.append(lineId);
    action->setSelection(selection);
    return p;
  }
  OdDbBlockLinearParameterPtr linear(std::vector<double> values = {}) {
    OdDbBlockLinearParameterPtr p = node(OdDbBlockLinearParameter::createObject(), L"Linear");
    p->setPoints(OdGePoint3d(0, 0, 0), OdGePoint3d(2, 0, 0));
    p->data.name[0] = L"Width";
    p->data.description[0] = L"Width of the gate";
    p->data.values[0].values = values;
    return p;
  }
  OdDbBlockVisibilityParameterPtr visibility() {
    OdDbBlockVisibilityParameterPtr p = node(OdDbBlockVisibilityParameter::createObject(), L"Visibility");
    p->data.name[0] = L"Look";
    p->data.entities.append(lineId);
    p->data.entities.append(circleId);
    OdDbBlockVisibilityState both{L"Both", {}, {}}, round{L"Round", {}, {}};
    both.entities.append(lineId);
    both.entities.append(circleId);
    round.entities.append(circleId);
    p->data.states = {both, round};
    return p;
  }
  OdDbBlockReferencePtr reference() {
    OdDbBlockReferencePtr ref = drawing.add(OdDbBlockReference::createObject());
    ref->setBlockTableRecord(blockId);
    ref->setPosition(OdGePoint3d(10, 20, 0));
    return ref;
  }
  // The entity of the reference's own block that copies the definition's nth.
  OdDbEntityPtr shown(const OdDbBlockReference* ref, unsigned n) {
    OdDbBlockTableRecordPtr block = ref->blockTableRecord().safeOpenObject();
    return OdDbEntity::cast(block->entityIds()[n].openObject());
  }
  std::vector<std::string> custom(const OdDbObject* object) {
    std::vector<std::string> rows;
    for (const std::string& n : names(*describe(object)))
      if (n.rfind("Custom/", 0) == 0) rows.push_back(n);
    return rows;
  }
};

TEST_F(DynamicBlocks, AFlipShowsItsTwoStatesAndMirrorsTheActedEntitiesInTheReferencesOwnBlock) {
  flip();
  OdDbBlockReferencePtr ref = reference();
  EXPECT_EQ(custom(ref), std::vector<std::string>({"Custom/Hinge side"}));
  const CKdVariantCollection choices = get(ref, "Hinge side").GetCollection();
  ASSERT_EQ(choices.GetCount(), 2);
  EXPECT_EQ(choices.GetAt(0).GetValue().GetString(), CKdString(L"Not flipped"));
  EXPECT_EQ(choices.GetAt(1).GetValue().GetString(), CKdString(L"Flipped"));
  EXPECT_EQ(selected(ref, "Hinge side"), 0);

  EXPECT_EQ(set(ref, "Hinge side", choice(1)), 5100);
  EXPECT_EQ(selected(ref, "Hinge side"), 1);
  // The definition stays; the reference shows a block of its own, mirrored about the Y axis.
  EXPECT_NE(ref->blockTableRecord(), blockId);
  OdDbLinePtr line = shown(ref, 0);
  EXPECT_NEAR(line->startPoint().x, -3, 1e-12);
  EXPECT_NEAR(line->endPoint().x, -5, 1e-12);
  EXPECT_NEAR(line->endPoint().y, 2, 1e-12);
  EXPECT_EQ(OdDbCircle::cast(shown(ref, 1))->center(), OdGePoint3d(0, 0, 0));
  OdDbLinePtr original = lineId.safeOpenObject();
  EXPECT_EQ(original->startPoint(), OdGePoint3d(3, 0, 0));
  EXPECT_EQ(get(ref, "Name").GetString(), CKdString(L"GATE"));

  auto listing = list(ref);
  EXPECT_TRUE(hasItem(*listing, "Custom Properties"));
  EXPECT_EQ(item(*listing, "Hinge side").text, CKdString(L"Flipped"));

  // Choosing the same state again mirrors nothing; going back undoes the flip.
  EXPECT_EQ(set(ref, "Hinge side", choice(1)), 5100);
  EXPECT_NEAR(OdDbLinePtr(shown(ref, 0))->startPoint().x, -3, 1e-12);
  EXPECT_EQ(set(ref, "Hinge side", choice(0)), 5100);
  EXPECT_NEAR(OdDbLinePtr(shown(ref, 0))->startPoint().x, 3, 1e-12);
}

TEST_F(DynamicBlocks, AllowedDistancesMakeAChoiceListAndOtherValuesAreRefused) {
  linear({2, 4, 6});
  OdDbBlockReferencePtr ref = reference();
  const CKdVariantCollection choices = get(ref, "Width").GetCollection();
  ASSERT_EQ(choices.GetCount(), 3);
  EXPECT_EQ(choices.GetAt(2).GetValue().GetDouble(), 6.0);
  EXPECT_EQ(choices.GetSelectedIndex(), 0);  // the definition's own 2
  EXPECT_EQ(property(*describe(ref), "Width").GetDescription(), CKdString(L"Width of the gate"));

  EXPECT_EQ(set(ref, "Width", choice(2)), 5100);
  EXPECT_EQ(get(ref, "Width").GetCollection().GetSelectedIndex(), 2);
  // 5 is not allowed, a text is no distance: both refused, nothing changes.
  EXPECT_EQ(set(ref, "Width", CKdVariant(5.0, true)), -5001);
  EXPECT_EQ(set(ref, "Width", CKdVariant(CKdString(L"7"))), -5001);
  EXPECT_EQ(set(ref, "Width", choice(7)), -5001);
  EXPECT_EQ(get(ref, "Width").GetCollection().GetSelectedIndex(), 2);
  auto listing = list(ref);
  EXPECT_EQ(item(*listing, "Width").number, 6.0);
}

TEST_F(DynamicBlocks, AFreeDistanceIsADoubleStoredInTheReferencesRecord) {
  linear();
  OdDbBlockReferencePtr ref = reference();
  EXPECT_EQ(get(ref, "Width").GetDouble(), 2.0);
  EXPECT_TRUE(get(ref, "Width").IsDistance());
  EXPECT_EQ(set(ref, "Width", CKdVariant(3.5, true)), 5100);
  EXPECT_EQ(get(ref, "Width").GetDouble(), 3.5);
  EXPECT_EQ(set(ref, "Width", CKdVariant(-1.0, true)), -5001);
  EXPECT_EQ(get(ref, "Width").GetDouble(), 3.5);
  // A second reference keeps the definition's value.
  EXPECT_EQ(get(reference(), "Width").GetDouble(), 2.0);
}

TEST_F(DynamicBlocks, AnAngleHasTheAngleTypeAndTurnsTheEndPoint) {
  OdDbBlockRotationParameterPtr p = node(OdDbBlockRotationParameter::createObject(), L"Rotation");
  p->setPoints(OdGePoint3d(0, 0, 0), OdGePoint3d(0, 4, 0));
  p->data.name[0] = L"Swing";
  OdDbBlockReferencePtr ref = reference();
  const auto rows = describe(ref);
  const CKdPropertyDescription& d = property(*rows, "Swing");
  EXPECT_EQ(d.GetType().GetType(), 0);
  EXPECT_EQ(d.GetType().GetCustomTypeGuid(), CKdString(CKdPropertyType::kAngleGUID));
  EXPECT_NEAR(get(ref, "Swing").GetDouble(), OdaPI2, 1e-12);
  EXPECT_EQ(set(ref, "Swing", CKdVariant(OdaPI / 6, true)), 5100);
  EXPECT_NEAR(get(ref, "Swing").GetDouble(), OdaPI / 6, 1e-12);
  auto listing = list(ref);
  EXPECT_NEAR(item(*listing, "Swing").number, OdaPI / 6, 1e-12);
}

TEST_F(DynamicBlocks, AVisibilityStateShowsOnlyItsEntities) {
  visibility();
  OdDbBlockReferencePtr ref = reference();
  const CKdVariantCollection choices = get(ref, "Look").GetCollection();
  ASSERT_EQ(choices.GetCount(), 2);
  EXPECT_EQ(choices.GetAt(1).GetValue().GetString(), CKdString(L"Round"));
  EXPECT_EQ(set(ref, "Look", choice(1)), 5100);
  EXPECT_EQ(get(ref, "Look").GetCollection().GetSelectedIndex(), 1);
  EXPECT_EQ(shown(ref, 0)->visibility(), OdDb::kInvisible);
  EXPECT_EQ(shown(ref, 1)->visibility(), OdDb::kVisible);
  EXPECT_EQ(set(ref, "Look", choice(0)), 5100);
  EXPECT_EQ(shown(ref, 0)->visibility(), OdDb::kVisible);
  EXPECT_EQ(set(ref, "Look", CKdVariant(CKdString(L"Square"))), -5001);
}

TEST_F(DynamicBlocks, HiddenParametersHaveNoRowAndOnlyShownOnesTakeALine) {
  linear()->setShowProperties(false);
  node(OdDbBlockAlignmentParameter::createObject(), L"Alignment");
  node(OdDbBlockBasepointParameter::createObject(), L"Base Point");
  OdDbBlockReferencePtr ref = reference();
  EXPECT_TRUE(custom(ref).empty());
  auto listing = list(ref);
  EXPECT_FALSE(hasItem(*listing, "Custom Properties"));
  flip();
  EXPECT_EQ(custom(ref), std::vector<std::string>({"Custom/Hinge side"}));
}

TEST_F(DynamicBlocks, ALookupColumnThatCannotFindItsRowIsReadOnly) {
  OdDbBlockLookupActionPtr table = node(OdDbBlockLookupAction::createObject(), L"Lookup1");
  table->columns = {L"Size", L"Code"};
  table->reversible = {true, false};
  table->rows = {{L"Small", L"S1"}, {L"Large", L"L1"}, {L"Small", L"S2"}};
  for (const wchar_t* name : {L"Size", L"Code"}) {
    OdDbBlockLookupParameterPtr p = node(OdDbBlockLookupParameter::createObject(), L"Lookup");
    p->data.name[0] = name;
    p->data.actionNode = table->nodeId();
  }
  OdDbBlockReferencePtr ref = reference();
  EXPECT_FALSE(isReadOnly(ref, "Size"));
  EXPECT_TRUE(isReadOnly(ref, "Code"));
  EXPECT_EQ(get(ref, "Size").GetCollection().GetCount(), 2);  // "Small" once
  EXPECT_EQ(set(ref, "Size", choice(1)), 5100);
  EXPECT_EQ(get(ref, "Size").GetCollection().GetSelectedIndex(), 1);
  EXPECT_EQ(set(ref, "Code", choice(1)), -5001);
}

TEST_F(DynamicBlocks, ABrokenGraphStillShowsTheRowsItCanRead) {
  flip();
  // A node that names nothing and one of no known kind.
  drawing.db->addOdDbObject(OdDbBlockElement::createObject(), graph->objectId());
  OdDbBlockParameterPtr unknown = OdDbBlockParameter::createObject();
  graph->addNode(unknown);
  OdDbBlockReferencePtr ref = reference();
  EXPECT_EQ(custom(ref), std::vector<std::string>({"Custom/Hinge side"}));
  EXPECT_EQ(get(ref, "Position X").GetDouble(), 10.0);
  // A reference whose block is not dynamic gets no custom row.
  OdDbBlockReferencePtr plain = drawing.add(OdDbBlockReference::createObject());
  plain->setBlockTableRecord(drawing.db->getModelSpaceId());
  EXPECT_TRUE(custom(plain).empty());
}

TEST_F(DynamicBlocks, EditedValuesAndShownStatesSurviveASave) {
  flip();
  visibility();
  OdDbBlockReferencePtr ref = reference();
  ASSERT_EQ(set(ref, "Hinge side", choice(1)), 5100);
  ASSERT_EQ(set(ref, "Look", choice(1)), 5100);
  const OdDbHandle handle = ref->objectId().getHandle();
  ref.release();
  OdDbDatabasePtr again = odDxfReadString(odDxfWriteString(drawing.db), "dynamic.dxf");
  OdDbBlockReferencePtr read = again->getOdDbObjectId(handle).safeOpenObject(OdDb::kForWrite);
  EXPECT_EQ(selected(read, "Hinge side"), 1);
  EXPECT_EQ(get(read, "Look").GetCollection().GetSelectedIndex(), 1);
  EXPECT_EQ(get(read, "Name").GetString(), CKdString(L"GATE"));
  EXPECT_NEAR(OdDbLinePtr(shown(read, 0))->startPoint().x, -3, 1e-12);
  EXPECT_EQ(shown(read, 0)->visibility(), OdDb::kInvisible);
}

// The drawings of another program: one parameter kind each.
struct DynamicBlockDrawings : ::testing::Test {
  OdDbDatabasePtr db;
  // False, with the test skipped, when the drawings are not beside the sources.
  bool open(const char* name) {
    const std::string path = std::string(KD_SAMPLES_DIR) + "/dynamic-blocks/" + name;
    if (!std::ifstream(path).good()) return false;
    db = odDxfReadFile(path);
    return true;
  }
  OdDbBlockReferencePtr ref(OdUInt64 handle) {
    return OdDbBlockReference::cast(db->getOdDbObjectId(OdDbHandle(handle)).openObject(OdDb::kForWrite));
  }
  std::string shownName(OdUInt64 handle, const char* row) {
    const CKdVariantCollection c = get(ref(handle), row).GetCollection();
    return c.GetSelectedIndex() < 0 ? "" : c.GetAt(c.GetSelectedIndex()).GetValue().GetString().toUtf8();
  }
};

TEST_F(DynamicBlockDrawings, EachReferenceShowsTheValueItsDrawingStores) {
  if (!open("BLOCKFLIPPARAMETER.dxf")) GTEST_SKIP() << "no sample drawings";
  EXPECT_EQ(shownName(0x255, "Flip state1"), "Not flipped");
  EXPECT_EQ(shownName(0x28B, "Flip state1"), "Flipped");
  EXPECT_EQ(get(ref(0x28B), "Name").GetString(), CKdString(L"BLOCK_FLIP_PARAMETER"));

  if (!open("BLOCKVISIBILITYPARAMETER.dxf")) GTEST_SKIP() << "no sample drawings";
  EXPECT_EQ(shownName(0x252, "Test visibility"), "VisibilityState0");
  EXPECT_EQ(shownName(0x268, "Test visibility"), "HideAll");
  EXPECT_EQ(shownName(0x284, "Test visibility"), "VisibilityState1");
  EXPECT_EQ(property(*describe(ref(0x252)), "Test visibility").GetDescription(),
            CKdString(L"Visibility description here"));

  if (!open("BLOCKROTATIONPARAMETER.dxf")) GTEST_SKIP() << "no sample drawings";
  EXPECT_NEAR(get(ref(0x254), "Angle parameter").GetDouble(), OdaPI2, 1e-12);  // the definition's own
  EXPECT_NEAR(get(ref(0x27C), "Angle parameter").GetDouble(), 50 * OdaPI / 180, 1e-12);
  EXPECT_NEAR(get(ref(0x290), "Angle parameter").GetDouble(), 0.0, 1e-12);
  EXPECT_NEAR(get(ref(0x2A6), "Angle parameter").GetDouble(), 225 * OdaPI / 180, 1e-12);

  if (!open("BLOCKLINEARPARAMETER.dxf")) GTEST_SKIP() << "no sample drawings";
  EXPECT_EQ(get(ref(0x254), "my_distance_param").GetDouble(), 5.0);
  EXPECT_EQ(get(ref(0x284), "my_distance_param").GetDouble(), 7.5);

  // A base point parameter shows no row.
  if (!open("BLOCKBASEPOINTPARAMETER.dxf")) GTEST_SKIP() << "no sample drawings";
  for (const std::string& n : names(*describe(ref(0x261)))) EXPECT_NE(n.rfind("Custom/", 0), 0u) << n;
}

TEST_F(DynamicBlockDrawings, AChosenStateGivesTheGeometryTheProgramItselfDrewForIt) {
  // The drawing's own reference in "ShowAll" shows these entities; another
  // reference switched to "ShowAll" must show the same ones.
  if (!open("BLOCKVISIBILITYPARAMETER.dxf")) GTEST_SKIP() << "no sample drawings";
  auto visible = [&](OdUInt64 handle) {
    std::vector<bool> out;
    OdDbBlockTableRecordPtr block = ref(handle)->blockTableRecord().safeOpenObject();
    for (const OdDbObjectId& id : block->entityIds())
      out.push_back(OdDbEntity::cast(id.openObject())->visibility() == OdDb::kVisible);
    return out;
  };
  const std::vector<bool> showAll = visible(0x28C);
  EXPECT_EQ(shownName(0x28C, "Test visibility"), "ShowAll");
  EXPECT_NE(visible(0x268), showAll);
  EXPECT_EQ(set(ref(0x268), "Test visibility", choice(3)), 5100);
  EXPECT_EQ(visible(0x268), showAll);

  // A flip of the unflipped reference draws what the flipped one holds.
  if (!open("BLOCKFLIPPARAMETER.dxf")) GTEST_SKIP() << "no sample drawings";
  EXPECT_EQ(set(ref(0x255), "Flip state1", choice(1)), 5100);
  OdDbBlockTableRecordPtr mine = ref(0x255)->blockTableRecord().safeOpenObject();
  OdDbBlockTableRecordPtr theirs = ref(0x28B)->blockTableRecord().safeOpenObject();
  OdDbPolylinePtr a = OdDbPolyline::cast(mine->entityIds()[1].openObject());
  OdDbPolylinePtr b = OdDbPolyline::cast(theirs->entityIds()[1].openObject());
  ASSERT_FALSE(a.isNull());
  ASSERT_EQ(a->numVerts(), b->numVerts());
  for (unsigned i = 0; i < a->numVerts(); ++i) {
    OdGePoint2d p, q;
    a->getPointAt(i, p);
    b->getPointAt(i, q);
    EXPECT_NEAR(p.x, q.x, 1e-9);
    EXPECT_NEAR(p.y, q.y, 1e-9);
  }
}
}  // namespace
