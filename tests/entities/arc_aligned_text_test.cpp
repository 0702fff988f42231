// Text along an arc through its extension: the rows in order, the centre
// in the UCS, the normal shown through the point conversion, values the
// drawing refuses left as they were, and the host's plain listing.
#include <cmath>
#include "KdModuleTest.h"
#include "Db/DbArcAlignedText.h"

using namespace kdtest;

namespace {
const double kPi = 3.14159265358979323846;

struct ArcAlignedTextProperties : ::testing::Test {
  Drawing drawing;
  OdDbArcAlignedTextPtr text() {
    OdDbArcAlignedTextPtr t = drawing.add(OdDbArcAlignedText::createObject());
    t->setTextString(L"Along the rim");
    t->setCenter(OdGePoint3d(4, 2, 1));
    t->setRadius(3.0);
    t->setStartAngle(kPi / 6);
    t->setEndAngle(5 * kPi / 6);
    t->setCharSpacing(0.1);
    return t;
  }
  double number(const OdDbObject* o, const char* name) {
    CKdVariant v = get(o, name);
    EXPECT_EQ(v.GetType(), CKdVariant::kDouble) << name;
    EXPECT_TRUE(v.IsDistance()) << name;
    return v.GetDouble();
  }
  size_t messages() const { return GetKdSystemServices()->Messages().size(); }
};
}  // namespace

TEST_F(ArcAlignedTextProperties, RowsInOrderWithTheirTypesAndReadOnlyRules) {
  OdDbArcAlignedTextPtr t = text();
  auto c = describe(t);
  const std::vector<std::string> expected = {
      "Text/Contents",       "Text/Height",         "Text/Width factor",    "Text/Char spacing",
      "Position/Center x",   "Position/Center y",   "Position/Center z",    "Position/Normal x",
      "Position/Normal y",   "Position/Normal z",   "Position/Radius",      "Position/Start angle",
      "Position/End angle",  "Misc/Arc offset",     "Misc/Left offset",     "Misc/Right offset"};
  const std::vector<std::string> all = names(*c);
  ASSERT_EQ(all.size(), 8u + 16u);
  EXPECT_EQ(std::vector<std::string>(all.begin() + 8, all.end()), expected);
  EXPECT_EQ(propertiesOf(t)->GetDisplayName(t), L"ArcAlignedText");
  EXPECT_EQ(c->GetAt(8 + 4)->GetType().GetCustomTypeGuid(), CKdString(CKdPropertyType::kCoordinateXGUID));
  EXPECT_EQ(c->GetAt(8 + 7)->GetType().GetType(), 2);
  EXPECT_TRUE(c->GetAt(8 + 7)->GetType().GetCustomTypeGuid().isEmpty());
  EXPECT_EQ(c->GetAt(8 + 12)->GetType().GetCustomTypeGuid(), CKdString(CKdPropertyType::kAngleGUID));
  EXPECT_EQ(c->GetAt(8 + 3)->GetIcon().path(), L":/Text/Text_CharSpacing.png");
  EXPECT_EQ(c->GetAt(8 + 15)->GetIcon().path(), L":/Misc/Misc_RightOffset.png");
  for (int i = 8; i < 24; ++i) {
    EXPECT_FALSE(c->GetAt(i)->IsDynamic()) << i;
    EXPECT_TRUE(c->GetAt(i)->GetDescription().isEmpty()) << i;
  }
  for (const char* name : {"Char spacing", "Normal x", "Normal y", "Normal z"}) EXPECT_TRUE(isReadOnly(t, name)) << name;
  for (const char* name : {"Contents", "Height", "Center x", "Radius", "End angle", "Right offset"})
    EXPECT_FALSE(isReadOnly(t, name)) << name;
  EXPECT_EQ(get(t, "Contents").GetString(), L"Along the rim");
  EXPECT_DOUBLE_EQ(number(t, "Char spacing"), 0.1);
  EXPECT_DOUBLE_EQ(number(t, "Start angle"), kPi / 6);
}

TEST_F(ArcAlignedTextProperties, CentreInTheUcsNormalThroughThePointConversion) {
  OdDbArcAlignedTextPtr t = text();
  // UCS X along world Y, origin at (10, 20, 5).
  drawing.db->setCurrentUCS(OdGePoint3d(10, 20, 5), OdGeVector3d(0, 1, 0), OdGeVector3d(-1, 0, 0));
  EXPECT_NEAR(number(t, "Center x"), 2 - 20, 1e-12);
  EXPECT_NEAR(number(t, "Center y"), 10 - 4, 1e-12);
  EXPECT_NEAR(number(t, "Center z"), 1 - 5, 1e-12);
  // The normal is converted as a point would be, origin included.
  EXPECT_NEAR(number(t, "Normal x"), -20.0, 1e-12);
  EXPECT_NEAR(number(t, "Normal y"), 10.0, 1e-12);
  EXPECT_NEAR(number(t, "Normal z"), -4.0, 1e-12);
  EXPECT_EQ(set(t, "Center y", CKdVariant(0.0, true)), 5100);
  EXPECT_TRUE(t->center().isEqualTo(OdGePoint3d(10, 2, 1))) << t->center().x;
  EXPECT_EQ(set(t, "Center x", CKdVariant(CKdString(L"1"))), -5001);
  EXPECT_EQ(set(t, "Center z", CKdVariant(std::nan(""), true)), -5001);
  EXPECT_TRUE(t->center().isEqualTo(OdGePoint3d(10, 2, 1)));
}

TEST_F(ArcAlignedTextProperties, SettersPassValuesOnAndTheDrawingKeepsWhatItRefuses) {
  OdDbArcAlignedTextPtr t = text();
  EXPECT_EQ(set(t, "Contents", CKdVariant(CKdString(L"New name"))), 5100);
  EXPECT_EQ(t->textString(), OdString(L"New name"));
  EXPECT_EQ(set(t, "Radius", CKdVariant(7.5, true)), 5100);
  EXPECT_EQ(set(t, "Arc offset", CKdVariant(-0.5, true)), 5100);
  EXPECT_EQ(set(t, "Left offset", CKdVariant(1.5, true)), 5100);
  EXPECT_EQ(t->radius(), 7.5);
  EXPECT_EQ(t->offsetFromArc(), -0.5);
  EXPECT_EQ(t->leftOffset(), 1.5);
  // No check of the module's own: the setter succeeds, the drawing keeps its value.
  EXPECT_EQ(set(t, "Radius", CKdVariant(-2.0, true)), 5100);
  EXPECT_EQ(set(t, "Height", CKdVariant(0.0, true)), 5100);
  EXPECT_EQ(set(t, "Width factor", CKdVariant(-1.0, true)), 5100);
  EXPECT_EQ(t->radius(), 7.5);
  EXPECT_EQ(t->textSize(), 2.5);
  EXPECT_EQ(t->xScale(), 1.0);
  // Angles beyond a turn name the same direction.
  EXPECT_EQ(set(t, "End angle", CKdVariant(2 * kPi + 1.0, true)), 5100);
  EXPECT_NEAR(number(t, "End angle"), 1.0, 1e-12);
  EXPECT_EQ(set(t, "Start angle", CKdVariant(-kPi / 2, true)), 5100);
  EXPECT_NEAR(number(t, "Start angle"), 3 * kPi / 2, 1e-12);
  // Read-only rows take nothing; wrong types are refused silently.
  EXPECT_NE(set(t, "Char spacing", CKdVariant(0.5, true)), 5100);
  EXPECT_EQ(t->charSpacing(), 0.1);
  EXPECT_EQ(set(t, "Contents", CKdVariant(3.0, true)), -5001);
  EXPECT_EQ(set(t, "Right offset", CKdVariant(std::numeric_limits<double>::infinity(), true)), -5001);
  EXPECT_EQ(t->textString(), OdString(L"New name"));
  EXPECT_EQ(messages(), 0u);
}

TEST_F(ArcAlignedTextProperties, ListedByTheHostsPlainListing) {
  OdDbArcAlignedTextPtr t = text();
  auto listing = list(t);
  ASSERT_GE(listing->Records().size(), 2u);
  EXPECT_EQ(listing->Records()[0].text, L"ARCALIGNEDTEXT");
  EXPECT_EQ(item(*listing, "Layer").text, L"0");
  EXPECT_FALSE(hasItem(*listing, "Radius"));
  EXPECT_FALSE(hasItem(*listing, "Center"));
}
