// Dimension styles as a style manager shows them: 95 read-only rows of raw
// settings, arrowheads by name and number, the derived yes/no rows and codes.
#include "KdModuleTest.h"
#include "Db/DbDimStyleTableRecord.h"
#include "Db/DbDmUtil.h"

using namespace kdtest;

namespace {
struct DimensionStyleProperties : ::testing::Test {
  Drawing drawing;
  OdDbDimStyleTableRecordPtr style;
  void SetUp() override {
    OdDbSymbolTablePtr styles = drawing.db->getDimStyleTableId().safeOpenObject(OdDb::kForWrite);
    style = OdDbDimStyleTableRecord::createObject();
    style->setName(L"Site plan");
    styles->add(style);
  }
  const CKdPropertyDescription* row(int index) {
    container = describe(style);
    return container->GetAt(index);
  }
  CKdVariant value(int index) { return row(index)->GetValue(style, CKdVariant()); }
  std::unique_ptr<CKdPropertiesContainer> container;
};
}  // namespace

TEST_F(DimensionStyleProperties, NinetyFiveReadOnlyRows) {
  auto c = describe(style);
  ASSERT_EQ(c->GetCount(), 95);
  EXPECT_EQ(c->GetAt(1)->GetName(), L"End errow");
  EXPECT_EQ(c->GetAt(26)->GetName(), c->GetAt(25)->GetName());
  EXPECT_EQ(c->GetAt(94)->GetName(), L"DimensionStyleName");
  for (int i = 0; i < c->GetCount(); ++i) {
    EXPECT_TRUE(c->GetAt(i)->IsReadOnly(style));
    EXPECT_EQ(c->GetAt(i)->GetCategory(), L"General");
    EXPECT_EQ(c->GetAt(i)->SetValue(style, CKdVariant(1.0, true), CKdVariant()), -5001);
  }
  EXPECT_EQ(propertiesOf(style)->GetDisplayName(style), L"DimensionStyle");
  EXPECT_EQ(value(94).GetString(), L"Site plan");
  style->setDimazin(3);
  EXPECT_EQ(value(6).GetInt32(), 3);
  EXPECT_EQ(value(7).GetInt32(), 3);
  style->setDimasz(0.3);
  EXPECT_EQ(value(3).GetDouble(), 0.3);
  EXPECT_EQ(c->GetAt(49)->GetType().GetType(), 8);
  EXPECT_EQ(value(49).GetType(), CKdVariant::kEmpty);  // no line style named
  style->setDimdsep(L',');
  EXPECT_EQ(value(40).GetString(), L",");
}

TEST_F(DimensionStyleProperties, ArrowheadsByNameAndNumber) {
  // No block: the empty name, tag 0.
  CKdVariant start = value(0);
  ASSERT_EQ(start.GetType(), CKdVariant::kCollectionElement);
  EXPECT_EQ(start.GetCollectionElement().GetValue().GetString(), L"");
  EXPECT_EQ(start.GetCollectionElement().GetTag().GetInt32(), 0);
  style->setDimblk1(OdDmUtil::getArrowId(L"_Oblique", drawing.db));
  EXPECT_EQ(value(0).GetCollectionElement().GetValue().GetString(), L"Oblique");
  EXPECT_EQ(value(0).GetCollectionElement().GetTag().GetInt32(), 5);
  // A block of the user's: its own name, tag 21.
  OdDbSymbolTablePtr blocks = drawing.db->getBlockTableId().safeOpenObject(OdDb::kForWrite);
  OdDbBlockTableRecordPtr mark = OdDbBlockTableRecord::createObject();
  mark->setName(L"SurveyMark");
  style->setDimldrblk(blocks->add(mark));
  EXPECT_EQ(value(2).GetCollectionElement().GetValue().GetString(), L"SurveyMark");
  EXPECT_EQ(value(2).GetCollectionElement().GetTag().GetInt32(), 21);
}

TEST_F(DimensionStyleProperties, DerivedRows) {
  EXPECT_EQ(value(22).GetString(), L"Yes");
  EXPECT_EQ(value(23).GetString(), L"No");
  style->setDimpost(L"<>\\X");
  EXPECT_EQ(value(22).GetString(), L"No");
  EXPECT_EQ(value(23).GetString(), L"Yes");

  // Tolerances: none, basic, symmetrical, deviation, and limits before all.
  EXPECT_EQ(value(79).GetInt32(), 0);
  style->setDimgap(-0.09);
  EXPECT_EQ(value(79).GetInt32(), 4);
  EXPECT_EQ(value(72).GetString(), L"Yes");
  style->setDimtol(true);
  style->setDimtp(0.1);
  style->setDimtm(0.1);
  EXPECT_EQ(value(79).GetInt32(), 1);
  style->setDimtm(0.2);
  EXPECT_EQ(value(79).GetInt32(), 2);
  style->setDimlim(true);
  EXPECT_EQ(value(79).GetInt32(), 3);

  // Text inside horizontal wins over outside; neither gives 2.
  style->setDimtih(false);
  style->setDimtoh(false);
  EXPECT_EQ(value(76).GetInt32(), 2);
  EXPECT_EQ(value(78).GetInt32(), 2);
  style->setDimtoh(true);
  EXPECT_EQ(value(77).GetInt32(), 0);
  style->setDimtih(true);
  EXPECT_EQ(value(76).GetInt32(), 1);

  EXPECT_TRUE(value(69).GetColor().isNone());
  style->setDimtfill(1);
  EXPECT_TRUE(value(69).GetColor().isForeground());
  style->setDimtfill(2);
  style->setDimtfillclr(OdCmColor::fromIndex(30));
  EXPECT_EQ(value(69).GetColor().colorIndex(), 30);
  style->setDimtfill(7);
  EXPECT_TRUE(value(69).GetColor().isNone());

  style->setDimfxlon(true);
  style->setDimfxl(0.75);
  const CKdVariantCollectionElement fixed = value(64).GetCollectionElement();
  EXPECT_EQ(fixed.GetValue().GetString(), L"Yes");
  EXPECT_EQ(fixed.GetTag().GetDouble(), 0.75);
  style->setDimlfac(-2.0);
  EXPECT_EQ(value(44).GetString(), L"Yes");
}
