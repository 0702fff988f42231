// Multiline text through its extension: line spacing as factor and distance
// with their limits, justification that keeps the block in place, rotation
// from the UCS X axis, choice lists and the listing.
#include <cmath>
#include "CKdDocument.h"
#include "KdModuleTest.h"
#include "Db/DbMText.h"

using namespace kdtest;

namespace {
const double kPi = 3.141592653589793;

struct MTextProperties : ::testing::Test {
  Drawing drawing;
  void SetUp() override {
    SetActiveKdDocument(drawing.db.get());
    GetKdSystemServices()->ClearRecords();
  }
  void TearDown() override { SetActiveKdDocument(nullptr); }
  OdDbMTextPtr note() {
    OdDbMTextPtr t = drawing.add(OdDbMText::createObject());
    t->setContents(L"First line\\PSecond, {\\H2x;longer} line\\PThird");
    t->setTextHeight(2.5);
    t->setLocation(OdGePoint3d(10, 20, 0));
    return t;
  }
  size_t messages() const { return GetKdSystemServices()->Messages().size(); }
};
}  // namespace

TEST_F(MTextProperties, TableListsAndDisplayName) {
  OdDbMTextPtr t = note();
  auto c = describe(t);
  ASSERT_EQ(c->GetCount(), 8 + 14);
  EXPECT_EQ(c->GetAt(8)->GetName(), L"Contents");
  EXPECT_EQ(c->GetAt(8)->GetIcon().path(), L":/Text/Text_Contents.png");
  EXPECT_EQ(c->GetAt(14)->GetType().GetCustomTypeGuid(), CKdString(CKdPropertyType::kAngleGUID));
  EXPECT_EQ(c->GetAt(21)->GetName(), L"Position Z");
  EXPECT_EQ(propertiesOf(t)->GetDisplayName(t), L"Note");
  const CKdVariantCollection justify = get(t, "Justify").GetCollection();
  ASSERT_EQ(justify.GetCount(), 9);
  EXPECT_EQ(justify.GetAt(8).GetValue().GetString(), L"Bottom Right");
  EXPECT_EQ(justify.GetAt(8).GetTag().GetInt32(), 9);
  // Right to left has no element of its own: the palette shows the first.
  t->setFlowDirection(OdDbMText::kRtoL);
  EXPECT_EQ(get(t, "Direction").GetCollection().GetSelectedIndex(), 0);
  EXPECT_EQ(item(*list(t), "Flow direction").text, L"Right to Left");
  t->setBackgroundFill(true);
  EXPECT_EQ(get(t, "Background mask").GetCollection().GetSelectedIndex(), 0);
  EXPECT_EQ(set(t, "Background mask", choice(7)), 5100);  // other tags change nothing
  EXPECT_TRUE(t->backgroundFillOn());
  EXPECT_EQ(set(t, "Background mask", choice(0)), 5100);
  EXPECT_FALSE(t->backgroundFillOn());
}

TEST_F(MTextProperties, LineSpacingAsFactorOrDistanceWithinItsLimits) {
  OdDbMTextPtr t = note();
  EXPECT_NEAR(get(t, "Line space distance").GetDouble(), 2.5 * 5.0 / 3.0, 1e-12);
  EXPECT_EQ(set(t, "Line space distance", CKdVariant(2.5 * 5.0 / 3.0 * 2.0, true)), 5100);
  EXPECT_NEAR(t->lineSpacingFactor(), 2.0, 1e-12);
  for (double ok : {0.25, 4.0}) {
    EXPECT_EQ(set(t, "Line space factor", CKdVariant(ok, true)), 5100);
    EXPECT_EQ(t->lineSpacingFactor(), ok);
  }
  EXPECT_EQ(messages(), 0u);
  for (double bad : {0.2499, 4.0001}) {
    EXPECT_EQ(set(t, "Line space factor", CKdVariant(bad, true)), -5001);
    EXPECT_EQ(t->lineSpacingFactor(), 4.0);
  }
  ASSERT_EQ(messages(), 2u);
  EXPECT_EQ(GetKdSystemServices()->Messages()[0].text, L"Invalid input");
  EXPECT_EQ(GetKdSystemServices()->Messages()[0].title, L"Error");
  // A distance of a factor beyond 4: refused the same way.
  EXPECT_EQ(set(t, "Line space distance", CKdVariant(2.5 * 5.0 / 3.0 * 4.5, true)), -5001);
  EXPECT_EQ(messages(), 3u);
  // A wrong type: silent.
  EXPECT_EQ(set(t, "Line space factor", CKdVariant(CKdString(L"2"))), -5001);
  EXPECT_EQ(messages(), 3u);
}

TEST_F(MTextProperties, JustificationKeepsTheBlockWhereItIs) {
  OdDbMTextPtr t = note();
  t->setRotation(kPi / 6);
  OdArray<OdGePoint3d> before;
  t->getBoundingPoints(before);
  // Three lines, the longest ("Second, longer line") of 19 characters: 28.5 wide, 2.5 + 2 x 5/3 x 2.5 high.
  EXPECT_NEAR(before[0].distanceTo(before[1]), 19 * 0.6 * 2.5, 1e-9);
  EXPECT_NEAR(before[0].distanceTo(before[2]), 2.5 + 2 * 2.5 * 5.0 / 3.0, 1e-9);
  EXPECT_EQ(set(t, "Justify", choice(9)), 5100);
  EXPECT_EQ(t->attachment(), OdDbMText::kBottomRight);
  EXPECT_TRUE(t->location().isEqualTo(before[3], OdGeTol(1e-9)));
  OdArray<OdGePoint3d> after;
  t->getBoundingPoints(after);
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(after[unsigned(i)].isEqualTo(before[unsigned(i)], OdGeTol(1e-9))) << i;
  // Middle center: the middle of the box; and back to top left, where it began.
  EXPECT_EQ(set(t, "Justify", choice(5)), 5100);
  const OdGePoint3d centre((before[0].x + before[3].x) / 2, (before[0].y + before[3].y) / 2, 0);
  EXPECT_TRUE(t->location().isEqualTo(centre, OdGeTol(1e-9)));
  EXPECT_EQ(set(t, "Justify", choice(1)), 5100);
  EXPECT_TRUE(t->location().isEqualTo(OdGePoint3d(10, 20, 0), OdGeTol(1e-9)));
  // A tag outside 1..9 leaves the location alone and the attachment as the database allows.
  EXPECT_EQ(set(t, "Justify", choice(12)), 5100);
  EXPECT_TRUE(t->location().isEqualTo(OdGePoint3d(10, 20, 0), OdGeTol(1e-9)));
  EXPECT_EQ(t->attachment(), OdDbMText::kTopLeft);
}

TEST_F(MTextProperties, RotationIsShownFromTheUcsXAxis) {
  OdDbMTextPtr t = note();
  t->setRotation(-kPi / 2);
  EXPECT_NEAR(get(t, "Rotation").GetDouble(), 1.5 * kPi, 1e-12);
  drawing.db->setCurrentUCS(OdGePoint3d(1, 2, 0), OdGeVector3d(std::cos(kPi / 6), std::sin(kPi / 6), 0),
                            OdGeVector3d(-std::sin(kPi / 6), std::cos(kPi / 6), 0));
  EXPECT_NEAR(get(t, "Rotation").GetDouble(), 1.5 * kPi - kPi / 6, 1e-12);
  EXPECT_EQ(set(t, "Rotation", CKdVariant(0.0, true)), 5100);
  EXPECT_NEAR(t->rotation(), kPi / 6, 1e-12);
  EXPECT_NEAR(item(*list(t), "Angle").number, kPi / 6, 1e-12);  // the stored rotation
  // A UCS seen from below: the world X axis turned half round is the reference.
  drawing.db->setCurrentUCS(OdGePoint3d(), OdGeVector3d(1, 0, 0), OdGeVector3d(0, -1, 0));
  EXPECT_NEAR(get(t, "Rotation").GetDouble(), kPi / 6 - kPi, 1e-12);
}

TEST_F(MTextProperties, ListingSpellsOutAttachmentAndFlow) {
  OdDbMTextPtr t = note();
  t->setAttachment(OdDbMText::kMiddleRight);
  t->setFlowDirection(OdDbMText::kByStyle);
  auto listing = list(t);
  EXPECT_EQ(item(*listing, "Attachment").text, L"MiddleRight");
  EXPECT_EQ(item(*listing, "Flow direction").text, L"ByStyle");
  EXPECT_EQ(item(*listing, "Position").point, OdGePoint3d(10, 20, 0));
  EXPECT_EQ(item(*listing, "Text Height").number, 2.5);
  EXPECT_EQ(item(*listing, "Contents").text, L"First line\\PSecond, {\\H2x;longer} line\\PThird");
  EXPECT_EQ(item(*listing, "TextStyle").text, L"Standard");
}
