// Helices through their extension: the rows, the constraint that decides
// what moves, the spiral's length against its closed form, the slope shown
// in [0, 2pi), and the listing.
#include <cmath>
#include "KdModuleTest.h"
#include "Db/DbHelix.h"

using namespace kdtest;

namespace {
struct HelixProperties : ::testing::Test {
  Drawing drawing;
  OdDbHelixPtr helix() {
    OdDbHelixPtr h = drawing.add(OdDbHelix::createObject());
    h->setAxisPoint(OdGePoint3d(2, 3, 0));
    h->setBaseRadius(1.5);
    h->setTopRadius(1.5);
    h->setTurns(4);
    h->setTurnHeight(0.5);
    return h;
  }
};
}  // namespace

TEST_F(HelixProperties, RowsConstraintAndTwist) {
  OdDbHelixPtr h = helix();
  auto c = describe(h);
  ASSERT_EQ(c->GetCount(), 8 + 12);
  EXPECT_EQ(c->GetAt(8 + 3)->GetName(), L"Constrain");
  EXPECT_EQ(propertiesOf(h)->GetDisplayName(h), L"Helix");
  EXPECT_TRUE(isReadOnly(h, "Turn Slope"));
  EXPECT_TRUE(isReadOnly(h, "Total Length"));
  EXPECT_DOUBLE_EQ(get(h, "Height").GetDouble(), 2.0);
  // Turn height constrained: a new height changes the turns.
  EXPECT_EQ(get(h, "Constrain").GetCollection().GetSelectedIndex(), 0);
  EXPECT_EQ(set(h, "Height", CKdVariant(3.0, true)), 5100);
  EXPECT_DOUBLE_EQ(h->turns(), 6.0);
  EXPECT_DOUBLE_EQ(h->turnHeight(), 0.5);
  // Height constrained: new turns change the turn height.
  EXPECT_EQ(set(h, "Constrain", choice(2)), 5100);
  EXPECT_EQ(set(h, "Turns", CKdVariant(12.0, true)), 5100);
  EXPECT_DOUBLE_EQ(h->height(), 3.0);
  EXPECT_DOUBLE_EQ(h->turnHeight(), 0.25);
  // Values the spiral cannot take are passed on and left out by the drawing.
  EXPECT_EQ(set(h, "Turns", CKdVariant(-2.0, true)), 5100);
  EXPECT_EQ(set(h, "Turn Height", CKdVariant(0.0, true)), 5100);
  EXPECT_DOUBLE_EQ(h->turns(), 12.0);
  EXPECT_DOUBLE_EQ(h->turnHeight(), 0.25);
  // Twist: "CCW" (tag 1) and "CW" (tag 0).
  EXPECT_EQ(get(h, "Twist").GetCollection().GetSelectedIndex(), 0);
  EXPECT_EQ(set(h, "Twist", choice(0)), 5100);
  EXPECT_FALSE(h->twist());
  EXPECT_EQ(set(h, "Twist", choice(4)), 5100);
  EXPECT_FALSE(h->twist());
  // The position moves the start point with the axis, in the UCS.
  drawing.db->setCurrentUCS(OdGePoint3d(1, 1, 0), OdGeVector3d::kXAxis, OdGeVector3d::kYAxis);
  EXPECT_DOUBLE_EQ(get(h, "Position X").GetDouble(), 1.0);
  EXPECT_EQ(set(h, "Position X", CKdVariant(4.0, true)), 5100);
  EXPECT_TRUE(h->axisPoint().isEqualTo(OdGePoint3d(5, 3, 0)));
  EXPECT_DOUBLE_EQ(h->baseRadius(), 1.5);
}

TEST_F(HelixProperties, LengthSlopeSplineAndListing) {
  OdDbHelixPtr h = helix();
  // A cylindrical spiral: 2 pi turns sqrt(r^2 + (h / 2 pi)^2) per turn.
  const double perTurn = std::sqrt(std::pow(2 * M_PI * 1.5, 2) + 0.5 * 0.5);
  EXPECT_NEAR(get(h, "Total Length").GetDouble(), 4 * perTurn, 1e-9);
  EXPECT_NEAR(get(h, "Turn Slope").GetDouble(), std::atan(0.5 / (2 * M_PI * 1.5)), 1e-12);
  // A slope below the plane shows as the angle of a full turn less.
  h->setTurnHeight(std::tan(-0.1) * 2 * M_PI * 1.5);
  EXPECT_NEAR(get(h, "Turn Slope").GetDouble(), 2 * M_PI - 0.1, 1e-12);
  h->setTurnHeight(0.5);
  // The spline it is runs from the start point to the top of the spiral.
  OdGePoint3d start, end;
  ASSERT_EQ(h->getStartPoint(start), eOk);
  ASSERT_EQ(h->getEndPoint(end), eOk);
  EXPECT_TRUE(start.isEqualTo(OdGePoint3d(3.5, 3, 0), 1e-9));
  EXPECT_TRUE(end.isEqualTo(OdGePoint3d(3.5, 3, 2), 1e-9));
  double length = 0.0, endParam = 0.0;
  h->getEndParam(endParam);
  h->getDistAtParam(endParam, length);
  EXPECT_NEAR(length, 4 * perTurn, 1e-3 * length);  // the spline follows the spiral closely
  auto listing = list(h);
  EXPECT_NEAR(item(*listing, "Length").number, 4 * perTurn, 1e-9);
  EXPECT_DOUBLE_EQ(item(*listing, "Turns").number, 4.0);
  EXPECT_TRUE(item(*listing, "Axis").vector.isEqualTo(OdGeVector3d::kZAxis));
  EXPECT_TRUE(item(*listing, "Position").point.isEqualTo(OdGePoint3d(2, 3, 0)));
}
