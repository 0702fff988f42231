// Block references through their extension: the palette built for each
// reference (plain, cloud, external), block units, the scale rules and
// messages, attributes following position, rotation and scale, attribute
// rows found by tag and index, attribute definitions and the listings.
#include <cmath>
#include "CKdCloudBase.h"
#include "CKdPropertyPEImpl.h"
#include "KdModuleTest.h"
#include "Db/Db3dPolyline.h"
#include "Db/DbArc.h"
#include "Db/DbAttribute.h"
#include "Db/DbBlockReference.h"
#include "Db/DbDeclaredClasses.h"
#include "Db/DbLine.h"
#include "Db/DbResBuf.h"
#include "Db/DbVertex.h"
#include "Ge/GeConst.h"

using namespace kdtest;

namespace {
struct BlockProperties : ::testing::Test {
  Drawing drawing;
  void SetUp() override { GetKdSystemServices()->ClearRecords(); }

  OdDbObjectId block(const wchar_t* name, OdDb::UnitsValue units = OdDb::kUnitsUndefined,
                     OdDb::BlockScaling scaling = OdDb::kAny) {
    OdDbSymbolTablePtr blocks = drawing.db->getBlockTableId().safeOpenObject(OdDb::kForWrite);
    OdDbBlockTableRecordPtr record = OdDbBlockTableRecord::createObject();
    record->setName(name);
    record->setBlockInsertUnits(units);
    record->setBlockScaling(scaling);
    return blocks->add(record);
  }
  OdDbBlockReferencePtr reference(OdDbObjectId block, const OdGePoint3d& at = OdGePoint3d(10, 20, 0)) {
    OdDbBlockReferencePtr ref = drawing.add(OdDbBlockReference::createObject());
    ref->setBlockTableRecord(block);
    ref->setPosition(at);
    return ref;
  }
  OdDbAttributePtr attribute(OdDbBlockReference* ref, const wchar_t* tag, const wchar_t* value,
                             const OdGePoint3d& at) {
    OdDbAttributePtr a = OdDbAttribute::createObject();
    ref->appendAttribute(a);
    a->setTag(tag);
    a->setTextString(value);
    a->setPosition(at);
    return a;
  }
  OdDbAttributePtr open(const OdDbObjectId& id) { return OdDbAttribute::cast(id.openObject()); }
  // Makes the reference a revision cloud around a 4 x 2 rectangle.
  void makeCloud(OdDbBlockReference* ref, double radius) {
    drawing.db->newRegApp(L"PE_CLOUD");
    OdDb3dPolylinePtr outline = OdDb3dPolyline::createObject();
    drawing.db->addOdDbObject(outline);
    const OdGePoint3d p = ref->position();
    for (const OdGeVector3d& v : {OdGeVector3d(0, 0, 0), OdGeVector3d(4, 0, 0), OdGeVector3d(4, 2, 0), OdGeVector3d(0, 2, 0)}) {
      OdDb3dPolylineVertexPtr vertex = OdDb3dPolylineVertex::createObject();
      vertex->setPosition(p + v);
      OdDbObjectId id;
      outline->appendVertex(id, vertex);
    }
    outline->makeClosed();
    CLOUDLINE_COMMAND_DATA data;
    data.radius = radius;
    CKdCloudBase generator(drawing.db);
    generator.setBaseCurve(outline);
    generator.setCloudSetting(data);
    ASSERT_TRUE(generator.cloudBaseMain(false));
    ASSERT_TRUE(generator.convertToBlock(generator.getObjIdArrArc(), data, ref->position(), ref));
  }
  const std::vector<CKdMessageRecord>& messages() const { return GetKdSystemServices()->Messages(); }
};

double number(const OdDbObject* o, const char* name) {
  const CKdVariant v = get(o, name);
  EXPECT_EQ(v.GetType(), CKdVariant::kDouble) << name;
  return v.GetDouble();
}
}  // namespace

TEST_F(BlockProperties, EachKindOfReferenceShowsItsOwnRowsOnce) {
  OdDbBlockReferencePtr plain = reference(block(L"Door"));
  attribute(plain, L"NUMBER", L"D-12", OdGePoint3d(10, 20, 0));
  EXPECT_EQ(names(*describe(plain)),
            (std::vector<std::string>{"General/LineColor", "General/Layer", "General/LineStyle", "General/LineScale",
                                      "General/PrintStyle", "General/LineWeight", "General/Hyperlink",
                                      "General/Transparency", "Geometry/Position X", "Geometry/Position Y",
                                      "Geometry/Position Z", "Geometry/Scale X", "Geometry/Scale Y", "Geometry/Scale Z",
                                      "Misc/Name", "Misc/Rotation", "Misc/Block Units", "Misc/Block Unit Scale",
                                      "BlockAttributes/NUMBER"}));
  auto c = describe(plain);
  const CKdPropertyDescription& tag = property(*c, "NUMBER");
  EXPECT_TRUE(tag.IsDynamic());
  EXPECT_EQ(tag.GetType().GetType(), 3);
  EXPECT_EQ(tag.GetType().GetCustomTypeGuid(), CKdString(CKdPropertyType::kAttributeGUID));
  EXPECT_EQ(tag.GetDescription(), L"Specifies the BlockAttribute value.");
  EXPECT_TRUE(tag.GetIcon().path().isEmpty());
  EXPECT_EQ(property(*c, "Block Unit Scale").GetIcon().path(), L":/Misc/Misc_UnitFactor.png");
  EXPECT_TRUE(property(*c, "Scale X").GetDescription().isEmpty());
  EXPECT_EQ(propertiesOf(plain)->GetDisplayName(plain), L"Block");

  // The names alone already hold the per-object rows: a host that also runs
  // the hook adds nothing.
  CKdPropertiesContainer* raw = nullptr;
  propertiesOf(plain)->GetPropertyNames(plain, raw, nullptr);
  std::unique_ptr<CKdPropertiesContainer> fromNames(raw);
  EXPECT_EQ(fromNames->GetCount(), 19);
  EXPECT_TRUE(propertiesOf(plain)->HasDynamicProperties());
  // A filter class that is not a reference keeps the general rows only.
  EXPECT_EQ(describe(plain, OdDbLine::desc())->GetCount(), 8);

  OdDbBlockReferencePtr cloud = reference(block(L"Cloud"), OdGePoint3d(0, 0, 0));
  makeCloud(cloud, 0.5);
  EXPECT_EQ(names(*describe(cloud)),
            (std::vector<std::string>{"General/LineColor", "General/Layer", "General/LineStyle", "General/LineScale",
                                      "General/PrintStyle", "General/LineWeight", "General/Hyperlink",
                                      "General/Transparency", "CloudSettings/Shape", "CloudSettings/Radius",
                                      "Geometry/Position X", "Geometry/Position Y", "Geometry/Position Z",
                                      "Geometry/Scale X", "Geometry/Scale Y", "Geometry/Scale Z"}));
  EXPECT_EQ(propertiesOf(cloud)->GetDisplayName(cloud), L"Cloud");
  EXPECT_TRUE(isReadOnly(cloud, "Shape"));
  EXPECT_FALSE(isReadOnly(cloud, "Radius"));
  EXPECT_EQ(get(cloud, "Shape").GetString(), L"Rectangular");

  const OdDbObjectId site = block(L"SITE");
  OdDbBlockTableRecordPtr(site.safeOpenObject(OdDb::kForWrite))->setPathName(L"survey.dxf");
  OdDbBlockReferencePtr xref = reference(site);
  EXPECT_EQ(propertiesOf(xref)->GetDisplayName(xref), L"Reference");
  EXPECT_EQ(listingOf(xref)->GetClassNameW(xref), L"EXTERNAL REFERENCE");
  EXPECT_EQ(listingOf(cloud)->GetClassNameW(cloud), L"CLOUD");
  EXPECT_EQ(listingOf(plain)->GetClassNameW(plain), L"BLOCK REFERENCE");
  OdDbMInsertBlockPtr grid = drawing.add(OdDbMInsertBlock::createObject());
  EXPECT_EQ(listingOf(grid)->GetClassNameW(grid), L"INSERT OF BLOCK");
}

TEST_F(BlockProperties, AHostThatAsksNamesAndHookGetsTwoRowsOfARepeatedTagOnce) {
  OdDbBlockReferencePtr ref = reference(block(L"Pair"));
  attribute(ref, L"NOTE", L"first", OdGePoint3d());
  attribute(ref, L"NOTE", L"second", OdGePoint3d());
  CKdPropertiesContainerImpl hookOnly;
  propertiesOf(ref)->AddDynamicProperties(ref, &hookOnly);
  EXPECT_EQ(hookOnly.GetCount(), 12);
  std::unique_ptr<CKdPropertiesContainer> both(CKdPropertyPEImpl::Describe(propertiesOf(ref).get(), ref));
  EXPECT_EQ(both->GetCount(), 8 + 12);
  int notes = 0;
  for (int i = 0; i < both->GetCount(); ++i) notes += both->GetAt(i)->GetName() == L"NOTE";
  EXPECT_EQ(notes, 2);
}

TEST_F(BlockProperties, BlockUnitsScaleTheShownFactors) {
  drawing.db->header().insunits = OdDb::kUnitsMillimeters;
  OdDbBlockReferencePtr ref = reference(block(L"Arrow", OdDb::kUnitsMeters));
  ref->setScaleFactors(OdGeScale3d(3000, 1000, 500));
  EXPECT_DOUBLE_EQ(number(ref, "Block Unit Scale"), 1000.0);
  EXPECT_EQ(get(ref, "Block Units").GetString(), L"Meters");
  EXPECT_DOUBLE_EQ(number(ref, "Scale X"), 3.0);
  EXPECT_DOUBLE_EQ(number(ref, "Scale Z"), 0.5);
  EXPECT_EQ(set(ref, "Scale X", CKdVariant(2.0, false)), 5100);
  EXPECT_DOUBLE_EQ(ref->scaleFactors().sx, 2000.0);
  EXPECT_DOUBLE_EQ(ref->scaleFactors().sy, 1000.0);
  EXPECT_TRUE(isReadOnly(ref, "Block Units"));
  EXPECT_TRUE(isReadOnly(ref, "Block Unit Scale"));
  EXPECT_TRUE(isReadOnly(ref, "Name"));
  EXPECT_EQ(set(ref, "Block Units", CKdVariant(CKdString(L"Feet"))), -5001);

  // Inches in a feet drawing; a unitless side makes the factor 1.
  drawing.db->header().insunits = OdDb::kUnitsFeet;
  OdDbBlockReferencePtr inches = reference(block(L"Bolt", OdDb::kUnitsInches));
  EXPECT_NEAR(number(inches, "Block Unit Scale"), 1.0 / 12.0, 1e-15);
  OdDbBlockReferencePtr plain = reference(block(L"Plain"));
  EXPECT_DOUBLE_EQ(number(plain, "Block Unit Scale"), 1.0);
  EXPECT_EQ(get(plain, "Block Units").GetString(), L"Unitless");

  // A reference whose definition is gone: factor 1, empty units and name.
  OdDbBlockReferencePtr orphan = drawing.add(OdDbBlockReference::createObject());
  EXPECT_DOUBLE_EQ(number(orphan, "Block Unit Scale"), 1.0);
  EXPECT_EQ(get(orphan, "Block Units").GetType(), CKdVariant::kEmpty);
  EXPECT_EQ(get(orphan, "Name").GetString(), L"");
  EXPECT_EQ(listingOf(orphan)->GetClassNameW(orphan), L"BLOCK REFERENCE");
}

TEST_F(BlockProperties, ScaleRulesAndTheirMessages) {
  OdDbBlockReferencePtr uniform = reference(block(L"Round", OdDb::kUnitsUndefined, OdDb::kUniform));
  EXPECT_EQ(set(uniform, "Scale Y", CKdVariant(2.5, false)), 5100);
  EXPECT_EQ(uniform->scaleFactors().sx, 2.5);
  EXPECT_EQ(uniform->scaleFactors().sz, 2.5);

  OdDbBlockReferencePtr any = reference(block(L"Free"));
  EXPECT_EQ(set(any, "Scale X", CKdVariant(0.0, false)), -5001);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].text, L"Value must be non-zero");
  EXPECT_EQ(messages()[0].title, L"Error");
  EXPECT_EQ(any->scaleFactors().sx, 1.0);
  // Mirroring is a scale like any other.
  EXPECT_EQ(set(any, "Scale X", CKdVariant(-1.0, false)), 5100);
  EXPECT_EQ(any->scaleFactors().sx, -1.0);
  EXPECT_EQ(set(any, "Scale X", CKdVariant(CKdString(L"2"))), -5001);

  GetKdSystemServices()->ClearRecords();
  OdDbBlockReferencePtr cloud = reference(block(L"C"), OdGePoint3d());
  makeCloud(cloud, 0.5);
  EXPECT_EQ(set(cloud, "Scale X", CKdVariant(-1.0, false)), -5001);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].text, L"Value must be positive and nonzero.");
  EXPECT_EQ(set(cloud, "Radius", CKdVariant(0.0, true)), -5001);
  EXPECT_EQ(messages().back().text, L"Value must be positive and non-zero.");
  EXPECT_EQ(cloud->scaleFactors().sx, 1.0);
}

TEST_F(BlockProperties, AttributesFollowPositionRotationAndScale) {
  OdDbBlockReferencePtr ref = reference(block(L"Tag"), OdGePoint3d(10, 20, 0));
  OdDbAttributePtr a = attribute(ref, L"NUMBER", L"12", OdGePoint3d(11, 20, 0));
  a->setHeight(0.5);
  const OdDbObjectId id = a->objectId();
  a.release();

  EXPECT_EQ(set(ref, "Position X", CKdVariant(13.0, true)), 5100);
  EXPECT_TRUE(open(id)->position().isEqualTo(OdGePoint3d(14, 20, 0)));
  // The same value again changes nothing.
  EXPECT_EQ(set(ref, "Position X", CKdVariant(13.0, true)), 5100);
  EXPECT_TRUE(open(id)->position().isEqualTo(OdGePoint3d(14, 20, 0)));

  EXPECT_EQ(set(ref, "Rotation", CKdVariant(OdaPI / 2, true)), 5100);
  EXPECT_TRUE(open(id)->position().isEqualTo(OdGePoint3d(13, 21, 0))) << open(id)->position().y;
  EXPECT_NEAR(open(id)->rotation(), OdaPI / 2, 1e-12);

  EXPECT_EQ(set(ref, "Scale Y", CKdVariant(3.0, false)), 5100);
  // The attribute sits one unit along block X, which a Y scale leaves alone;
  // its text runs along block X, so its height takes the Y scale.
  EXPECT_TRUE(open(id)->position().isEqualTo(OdGePoint3d(13, 21, 0)));
  EXPECT_NEAR(open(id)->height(), 1.5, 1e-12);
  EXPECT_NEAR(open(id)->widthFactor(), 1.0 / 3.0, 1e-12);
  EXPECT_EQ(set(ref, "Scale X", CKdVariant(2.0, false)), 5100);
  EXPECT_TRUE(open(id)->position().isEqualTo(OdGePoint3d(13, 22, 0)));
  EXPECT_NEAR(open(id)->height(), 1.5, 1e-12);
  EXPECT_NEAR(open(id)->widthFactor(), 2.0 / 3.0, 1e-12);

  // A scale the attribute cannot follow changes neither.
  EXPECT_EQ(set(ref, "Scale X", CKdVariant(1e308, false)), -5001);
  EXPECT_EQ(ref->scaleFactors().sx, 2.0);
  EXPECT_TRUE(open(id)->position().isEqualTo(OdGePoint3d(13, 22, 0)));
}

TEST_F(BlockProperties, AttributeRowsFindTheirAttributeByTagAndIndex) {
  OdDbBlockReferencePtr ref = reference(block(L"Rows"));
  const OdDbObjectId first = attribute(ref, L"NOTE", L"one", OdGePoint3d())->objectId();
  const OdDbObjectId second = attribute(ref, L"NOTE", L"two", OdGePoint3d())->objectId();
  const OdDbObjectId upper = attribute(ref, L"Size", L"M8", OdGePoint3d())->objectId();
  const OdDbObjectId lower = attribute(ref, L"SIZE", L"M10", OdGePoint3d())->objectId();
  auto c = describe(ref);
  std::vector<const CKdPropertyDescription*> rows;
  for (int i = 0; i < c->GetCount(); ++i)
    if (c->GetAt(i)->GetCategory() == L"BlockAttributes") rows.push_back(c->GetAt(i));
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0]->GetValue(ref, CKdVariant()).GetString(), L"one");
  EXPECT_EQ(rows[1]->GetValue(ref, CKdVariant()).GetString(), L"two");
  EXPECT_EQ(rows[1]->SetValue(ref, CKdVariant(CKdString(L"zwei")), CKdVariant()), 5100);
  EXPECT_EQ(open(first)->textString(), L"one");
  EXPECT_EQ(open(second)->textString(), L"zwei");
  // Tags differing in case count apart for the index but are found alike:
  // both rows reach the first of them.
  EXPECT_EQ(rows[2]->GetName(), L"Size");
  EXPECT_EQ(rows[3]->GetName(), L"SIZE");
  EXPECT_EQ(rows[3]->GetValue(ref, CKdVariant()).GetString(), L"M8");
  EXPECT_EQ(rows[3]->SetValue(ref, CKdVariant(CKdString(L"M12")), CKdVariant()), 5100);
  EXPECT_EQ(open(upper)->textString(), L"M12");
  EXPECT_EQ(open(lower)->textString(), L"M10");
  EXPECT_EQ(rows[0]->SetValue(ref, CKdVariant(3.0, false), CKdVariant()), -5001);

  // An attribute on a locked layer is read-only; once it is gone the row finds nothing.
  const OdDbObjectId locked = drawing.addLayer(L"Frozen notes");
  OdDbLayerTableRecordPtr(locked.safeOpenObject(OdDb::kForWrite))->setIsLocked(true);
  OdDbAttributePtr(first.safeOpenObject(OdDb::kForWrite))->setLayer(locked, false);
  EXPECT_TRUE(rows[0]->IsReadOnly(ref));
  EXPECT_FALSE(rows[1]->IsReadOnly(ref));
  OdDbObjectPtr(second.safeOpenObject(OdDb::kForWrite))->erase();
  OdDbObjectPtr(first.safeOpenObject(OdDb::kForWrite))->erase();
  EXPECT_EQ(rows[1]->GetValue(ref, CKdVariant()).GetType(), CKdVariant::kEmpty);
  EXPECT_EQ(rows[1]->SetValue(ref, CKdVariant(CKdString(L"x")), CKdVariant()), -5001);
}

TEST_F(BlockProperties, GeneralRowsReachTheAttributesWhereTheyApplyWithSubEntities) {
  OdDbBlockReferencePtr ref = reference(block(L"Sub"));
  const OdDbObjectId id = attribute(ref, L"A", L"1", OdGePoint3d())->objectId();
  const OdDbObjectId layer = drawing.addLayer(L"Notes");
  EXPECT_EQ(set(ref, "LineWeight", CKdVariant(long(OdDb::kLnWt050))), 5100);
  EXPECT_EQ(open(id)->lineWeight(), OdDb::kLnWt050);
  EXPECT_EQ(set(ref, "Layer", CKdVariant(layer)), 5100);
  EXPECT_NE(open(id)->layerId(), layer);
  // A block reference's line style scale is not edited here.
  EXPECT_TRUE(isReadOnly(ref, "LineScale"));
  OdDbLinePtr line = drawing.add(OdDbLine::createObject());
  EXPECT_FALSE(isReadOnly(line, "LineScale"));
  EXPECT_TRUE(isReadOnly(ref, "LineScale"));
}

TEST_F(BlockProperties, AnAttributeAloneShowsTheGeneralRows) {
  OdDbBlockReferencePtr ref = reference(block(L"Alone"));
  OdDbAttributePtr a = attribute(ref, L"A", L"1", OdGePoint3d());
  EXPECT_EQ(describe(a)->GetCount(), 8);
  EXPECT_EQ(propertiesOf(a)->GetDisplayName(a), L"BlockAttribute");
  auto listing = list(a);
  EXPECT_FALSE(hasItem(*listing, "tag"));
  EXPECT_FALSE(hasItem(*listing, "text"));
}

TEST_F(BlockProperties, CloudRadiusLaysTheArcsAgain) {
  OdDbBlockReferencePtr cloud = reference(block(L"Cloud"), OdGePoint3d(2, 6, 0));
  makeCloud(cloud, 0.5);
  const OdDbObjectId before = cloud->blockTableRecord();
  EXPECT_EQ(set(cloud, "Radius", CKdVariant(0.25, true)), 5100);
  EXPECT_DOUBLE_EQ(number(cloud, "Radius"), 0.25);
  EXPECT_NE(cloud->blockTableRecord(), before);
  EXPECT_TRUE(before.isErased());
  OdDbBlockTableRecordPtr block = cloud->blockTableRecord().safeOpenObject();
  EXPECT_TRUE(block->isAnonymous());
  // Sides of 4 and 2 in chords of at most 0.25 x sqrt 3: 10 + 5 arcs a pair of sides.
  ASSERT_EQ(block->entityIds().size(), 30u);
  const OdGeMatrix3d toWorld = cloud->blockTransform();
  std::vector<OdGePoint3d> starts, ends;
  for (const OdDbObjectId& id : block->entityIds()) {
    OdDbArcPtr arc = OdDbArc::cast(id.openObject());
    ASSERT_FALSE(arc.isNull());
    EXPECT_NEAR(arc->radius(), 0.25, 1e-12);
    OdGePoint3d s, e;
    arc->getStartPoint(s);
    arc->getEndPoint(e);
    starts.push_back(s.transformBy(toWorld));
    ends.push_back(e.transformBy(toWorld));
    // Every arc ends on the rectangle (2,6)-(6,8) and bulges out of it.
    for (const OdGePoint3d& p : {starts.back(), ends.back()})
      EXPECT_TRUE(std::fabs(p.x - 2) < 1e-9 || std::fabs(p.x - 6) < 1e-9 || std::fabs(p.y - 6) < 1e-9 ||
                  std::fabs(p.y - 8) < 1e-9);
    OdGePoint3d mid;
    arc->getPointAtParam(arc->startAngle() + arc->sweep() / 2, mid);
    mid.transformBy(toWorld);
    EXPECT_FALSE(mid.x > 2 + 1e-9 && mid.x < 6 - 1e-9 && mid.y > 6 + 1e-9 && mid.y < 8 - 1e-9);
  }
  // The arcs close up: every end is some arc's start.
  for (const OdGePoint3d& e : ends) {
    bool joined = false;
    for (const OdGePoint3d& s : starts) joined = joined || s.isEqualTo(e);
    EXPECT_TRUE(joined);
  }
  EXPECT_NEAR(cloud->rotation(), 0.0, 1e-12);
}

TEST_F(BlockProperties, Listings) {
  drawing.db->header().insunits = OdDb::kUnitsMillimeters;
  OdDbBlockReferencePtr ref = reference(block(L"North arrow", OdDb::kUnitsMeters));
  ref->setScaleFactors(OdGeScale3d(1000));
  ref->setRotation(OdaPI / 6);
  auto listing = list(ref);
  EXPECT_EQ(item(*listing, "Block").text, L"North arrow");
  EXPECT_DOUBLE_EQ(item(*listing, "X scale").number, 1000.0);
  EXPECT_DOUBLE_EQ(item(*listing, "Rotation angle").number, OdaPI / 6);
  EXPECT_TRUE(item(*listing, "Position").point.isEqualTo(OdGePoint3d(10, 20, 0)));

  OdDbBlockReferencePtr cloud = reference(block(L"C"), OdGePoint3d());
  makeCloud(cloud, 0.75);
  auto clouded = list(cloud);
  EXPECT_EQ(item(*clouded, "Cloud Shape").text, L"Rectangular");
  EXPECT_DOUBLE_EQ(item(*clouded, "Cloud Radius").number, 0.75);
  EXPECT_FALSE(hasItem(*clouded, "Block"));
}

TEST_F(BlockProperties, AttributeDefinitionRowsFlagsAndListing) {
  OdDbAttributeDefinitionPtr def = drawing.add(OdDbAttributeDefinition::createObject());
  def->setTag(L"NUMBER");
  def->setPrompt(L"Door number");
  def->setTextString(L"D-01");
  EXPECT_EQ(names(*describe(def)),
            (std::vector<std::string>{"General/LineColor", "General/Layer", "General/LineStyle", "General/LineScale",
                                      "General/PrintStyle", "General/LineWeight", "General/Hyperlink",
                                      "General/Transparency", "General/Thickness", "Text/Tag", "Text/Prompt",
                                      "Text/Value", "Text/Style", "Text/Justify", "Text/Height", "Text/Rotation",
                                      "Text/Spacing", "Text/Angle", "Text/Text alignment X", "Text/Text alignment Y",
                                      "Text/Text alignment Z", "Geometry/Position X", "Geometry/Position Y",
                                      "Geometry/Position Z", "Misc/UpsideDown", "Misc/Backward", "Misc/Invisible",
                                      "Misc/Constant", "Misc/Verify", "Misc/Preset", "Misc/Lock position"}));
  auto c = describe(def);
  EXPECT_EQ(property(*c, "Position X").GetType().GetType(), 0);
  EXPECT_TRUE(property(*c, "Position X").GetType().GetCustomTypeGuid().isEmpty());
  EXPECT_EQ(property(*c, "Text alignment X").GetIcon().path(), L":/Text/Text_TextAligmentX.png");
  EXPECT_EQ(propertiesOf(def)->GetDisplayName(def), L"BlockAttributeDef");
  EXPECT_EQ(get(def, "Prompt").GetString(), L"Door number");
  EXPECT_EQ(set(def, "Tag", CKdVariant(CKdString(L"DOOR"))), 5100);
  EXPECT_EQ(def->tag(), L"DOOR");

  EXPECT_EQ(item(*list(def), "flags").text, L"normal");
  EXPECT_EQ(set(def, "Invisible", choice(1)), 5100);
  EXPECT_EQ(set(def, "Preset", choice(1)), 5100);
  EXPECT_EQ(set(def, "Verify", choice(7)), 5100);  // another tag changes nothing
  EXPECT_EQ(selected(def, "Invisible"), 1);
  EXPECT_EQ(selected(def, "Constant"), 0);
  EXPECT_EQ(item(*list(def), "flags").text, L"invisible preset");
  EXPECT_EQ(item(*list(def), "tag").text, L"DOOR");
  EXPECT_EQ(item(*list(def), "prompt").text, L"Door number");
  EXPECT_EQ(listingOf(def)->GetClassNameW(def), L"BLOCKATTRIBUTEDEF");

  // Leaving "Fit" sets height 1 as leaving "Aligned" does; the style's mirror flags are not looked at.
  def->setHeight(2.0);
  def->setHorizontalMode(OdDb::kTextFit);
  def->setAlignmentPoint(OdGePoint3d(5, 0, 0));
  EXPECT_TRUE(isReadOnly(def, "Rotation"));
  EXPECT_EQ(set(def, "Justify", choice(0)), 5100);
  EXPECT_DOUBLE_EQ(def->height(), 1.0);
  EXPECT_EQ(set(def, "Height", CKdVariant(1e-12, true)), 5100);
  EXPECT_EQ(def->height(), 1e-12);
  EXPECT_EQ(set(def, "UpsideDown", choice(1)), 5100);
  EXPECT_TRUE(def->isMirroredInY());
  EXPECT_FALSE(isReadOnly(def, "UpsideDown"));
}

TEST_F(BlockProperties, MultipleInsertsShowTheirGrid) {
  OdDbMInsertBlockPtr grid = drawing.add(OdDbMInsertBlock::createObject());
  grid->setBlockTableRecord(block(L"Bay", OdDb::kUnitsUndefined, OdDb::kUniform));
  grid->setColumns(4);
  grid->setRows(2);
  EXPECT_EQ(names(*describe(grid)),
            (std::vector<std::string>{"General/LineColor", "General/Layer", "General/LineStyle", "General/LineScale",
                                      "General/PrintStyle", "General/LineWeight", "General/Hyperlink",
                                      "General/Transparency", "Geometry/Position X", "Geometry/Position Y",
                                      "Geometry/Position Z", "Geometry/Scale X", "Geometry/Scale Y", "Geometry/Scale Z",
                                      "Misc/Name", "Misc/Rotation", "Misc/Columns", "Misc/Column spacing", "Misc/Rows",
                                      "Misc/Row spacing", "Misc/Block UnitSystem", "Misc/Block UnitScale"}));
  EXPECT_EQ(propertiesOf(grid)->GetDisplayName(grid), L"BlockN");
  EXPECT_EQ(listingOf(grid)->GetClassNameW(grid), L"INSERT OF BLOCK");
  EXPECT_TRUE(isReadOnly(grid, "Scale Y"));
  EXPECT_FALSE(isReadOnly(grid, "Scale X"));
  EXPECT_EQ(get(grid, "Columns").GetInt32(), 4);
  EXPECT_EQ(set(grid, "Columns", CKdVariant(0L)), -5001);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].text, L"Invalid value for property Columns");
  EXPECT_EQ(grid->columns(), 4);
  EXPECT_EQ(set(grid, "Rows", CKdVariant(-2L)), -5001);
  EXPECT_EQ(messages().back().text, L"Invalid value for property Rows");
  EXPECT_EQ(set(grid, "Rows", CKdVariant(3L)), 5100);
  EXPECT_EQ(grid->rows(), 3);
  EXPECT_EQ(set(grid, "Row spacing", CKdVariant(-4.0, true)), 5100);
  EXPECT_EQ(grid->rowSpacing(), -4.0);
  // Uniform scaling: one factor sets all three.
  EXPECT_EQ(set(grid, "Scale X", CKdVariant(2.0, false)), 5100);
  EXPECT_EQ(grid->scaleFactors().sz, 2.0);
  EXPECT_EQ(set(grid, "Scale X", CKdVariant(0.0, false)), -5001);
  EXPECT_EQ(messages().back().text, L"Value must be non-zero");

  // Whichever extension was asked first, a multiple insert's line style
  // scale stays editable while a plain reference's is read-only.
  OdDbBlockReferencePtr plain = reference(block(L"Plain"));
  EXPECT_FALSE(isReadOnly(grid, "LineScale"));
  EXPECT_TRUE(isReadOnly(plain, "LineScale"));
  EXPECT_FALSE(isReadOnly(grid, "LineScale"));
  EXPECT_FALSE(isReadOnly(drawing.add(OdDbLine::createObject()), "LineScale"));
}
