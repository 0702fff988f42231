// Lines, rays, construction lines and points: properties, UCS coordinates,
// derived values and listings.
#include <cmath>
#include "KdModuleTest.h"
#include "Db/DbLine.h"
#include "Db/DbPoint.h"
#include "Db/DbRay.h"
#include "Db/DbXline.h"

using namespace kdtest;

namespace {
const double kPi = 3.14159265358979323846;

struct LineFamilyProperties : ::testing::Test {
  Drawing drawing;
  OdDbLinePtr line(const OdGePoint3d& from, const OdGePoint3d& to) {
    OdDbLinePtr l = drawing.add(OdDbLine::createObject());
    l->setStartPoint(from);
    l->setEndPoint(to);
    return l;
  }
  // A UCS turned a quarter about Z and moved to (10, 20, 5): UCS X is world Y.
  void turnUcs() {
    drawing.db->setCurrentUCS(OdGePoint3d(10, 20, 5), OdGeVector3d(0, 1, 0), OdGeVector3d(-1, 0, 0));
  }
  double number(const OdDbObject* o, const char* name) {
    CKdVariant v = get(o, name);
    EXPECT_EQ(v.GetType(), CKdVariant::kDouble) << name;
    EXPECT_TRUE(v.IsDistance()) << name;
    return v.GetDouble();
  }
};
}  // namespace

TEST_F(LineFamilyProperties, LineTableFollowsTheGeneralProperties) {
  OdDbLinePtr l = line(OdGePoint3d(0, 0, 0), OdGePoint3d(1, 0, 0));
  auto c = describe(l);
  const std::vector<std::string> all = names(*c);
  ASSERT_EQ(all.size(), 20u);
  const std::vector<std::string> own(all.begin() + 8, all.end());
  const std::vector<std::string> expected = {
      "General/Thickness", "Geometry/Start X", "Geometry/Start Y", "Geometry/Start Z", "Geometry/End X",
      "Geometry/End Y",    "Geometry/End Z",   "Geometry/Delta X", "Geometry/Delta Y", "Geometry/Delta Z",
      "Geometry/Length",   "Geometry/Angle"};
  EXPECT_EQ(own, expected);
  EXPECT_EQ(property(*c, "Thickness").GetType().GetType(), 0);
  EXPECT_EQ(property(*c, "Start Y").GetType().GetCustomTypeGuid(), CKdString(CKdPropertyType::kCoordinateYGUID));
  EXPECT_EQ(property(*c, "Angle").GetType().GetCustomTypeGuid(), CKdString(CKdPropertyType::kOrientGUID));
  EXPECT_EQ(property(*c, "End Z").GetIcon().path(), L":/Geometry/Geometry_EndZ.png");
  EXPECT_TRUE(property(*c, "Length").IsReadOnly(l));
  EXPECT_FALSE(property(*c, "Start X").IsReadOnly(l));
  EXPECT_EQ(property(*c, "Delta X").SetValue(l, CKdVariant(1.0, true), CKdVariant()), -5001);
  EXPECT_EQ(propertiesOf(l)->GetDisplayName(l), L"Line");
}

TEST_F(LineFamilyProperties, LineDerivedValues) {
  OdDbLinePtr back = line(OdGePoint3d(5, 0, 0), OdGePoint3d(2, 0, 0));
  EXPECT_DOUBLE_EQ(number(back, "Delta X"), -3.0);
  EXPECT_DOUBLE_EQ(number(back, "Length"), 3.0);
  EXPECT_NEAR(number(back, "Angle"), kPi, 1e-12);
  // Down and to the left: 5pi/4, not -3pi/4.
  OdDbLinePtr diagonal = line(OdGePoint3d(1, 1, 0), OdGePoint3d(0, 0, 0));
  EXPECT_NEAR(number(diagonal, "Angle"), 5 * kPi / 4, 1e-12);
  // Straight up: no direction in the plane, angle 0.
  OdDbLinePtr vertical = line(OdGePoint3d(2, 3, 0), OdGePoint3d(2, 3, 7));
  EXPECT_EQ(number(vertical, "Angle"), 0.0);
  EXPECT_DOUBLE_EQ(number(vertical, "Delta Z"), 7.0);
  auto listing = list(vertical);
  EXPECT_EQ(item(*listing, "Angle in XY Plane").number, 0.0);
}

TEST_F(LineFamilyProperties, CoordinatesAreShownAndEditedInTheUcs) {
  OdDbLinePtr l = line(OdGePoint3d(13, 24, 6), OdGePoint3d(10, 20, 5));
  turnUcs();
  EXPECT_NEAR(number(l, "Start X"), 4.0, 1e-12);
  EXPECT_NEAR(number(l, "Start Y"), -3.0, 1e-12);
  EXPECT_NEAR(number(l, "Start Z"), 1.0, 1e-12);
  EXPECT_NEAR(number(l, "Delta X"), -4.0, 1e-12);
  EXPECT_NEAR(number(l, "Delta Y"), 3.0, 1e-12);
  // World length, and the angle of the direction seen in the UCS.
  EXPECT_NEAR(number(l, "Length"), std::sqrt(26.0), 1e-12);
  EXPECT_NEAR(number(l, "Angle"), std::atan2(3.0, -4.0), 1e-12);

  EXPECT_EQ(set(l, "End X", CKdVariant(2.0, true)), 5100);
  EXPECT_NEAR(l->endPoint().x, 10.0, 1e-12);
  EXPECT_NEAR(l->endPoint().y, 22.0, 1e-12);
  EXPECT_NEAR(l->endPoint().z, 5.0, 1e-12);
  EXPECT_EQ(set(l, "Start Y", CKdVariant(1L)), -5001);
  EXPECT_NEAR(l->startPoint().x, 13.0, 1e-12);
}

TEST_F(LineFamilyProperties, ACoordinateSetToItsValueWritesNothing) {
  // A point that does not survive the round trip through the UCS bit for bit.
  OdDbLinePtr l = line(OdGePoint3d(0.1, 0.7, 0.3), OdGePoint3d(1, 1, 1));
  drawing.db->setCurrentUCS(OdGePoint3d(0.3, 0.1, 0), OdGeVector3d(1, 1, 0), OdGeVector3d(-1, 1, 0));
  const OdGePoint3d before = l->startPoint();
  const double shown = number(l, "Start X");
  EXPECT_EQ(set(l, "Start X", CKdVariant(shown, true)), 5100);
  EXPECT_EQ(l->startPoint().x, before.x);
  EXPECT_EQ(l->startPoint().y, before.y);
  EXPECT_EQ(l->startPoint().z, before.z);
  // An object open only for reading is refused.
  l->downgradeOpen();
  EXPECT_EQ(set(l, "Start X", CKdVariant(shown + 1, true)), -5001);
  EXPECT_EQ(l->startPoint().x, before.x);
}

TEST_F(LineFamilyProperties, ThicknessHasNoRangeCheck) {
  OdDbLinePtr l = line(OdGePoint3d(0, 0, 0), OdGePoint3d(1, 0, 0));
  EXPECT_EQ(set(l, "Thickness", CKdVariant(-2.5, true)), 5100);
  EXPECT_EQ(l->thickness(), -2.5);
  EXPECT_EQ(number(l, "Thickness"), -2.5);
  OdDbPointPtr p = drawing.add(OdDbPoint::createObject());
  EXPECT_EQ(set(p, "Thickness", CKdVariant(4.0, true)), 5100);
  EXPECT_EQ(p->thickness(), 4.0);
}

TEST_F(LineFamilyProperties, LineListingFromAndToWithUcsOnlyLines) {
  OdDbLinePtr l = line(OdGePoint3d(10, 20, 5), OdGePoint3d(10, 24, 8));
  turnUcs();
  auto world = list(l);
  EXPECT_EQ(item(*world, "from point").point, OdGePoint3d(10, 20, 5));
  EXPECT_EQ(item(*world, "to point").point, OdGePoint3d(10, 24, 8));
  EXPECT_DOUBLE_EQ(item(*world, "Length").number, 5.0);
  EXPECT_NEAR(item(*world, "Angle in XY Plane").number, kPi / 2, 1e-12);
  EXPECT_DOUBLE_EQ(item(*world, "Delta Y").number, 4.0);
  EXPECT_FALSE(hasItem(*world, "Length in CCS"));
  // In the UCS: world Y is UCS X, so the direction lies along the UCS X axis.
  auto ucs = list(l, true);
  EXPECT_NEAR(item(*ucs, "Length in CCS").number, 4.0, 1e-12);
  EXPECT_NEAR(item(*ucs, "Angle in XY Plane").number, 0.0, 1e-12);
  EXPECT_NEAR(item(*ucs, "Delta X").number, 4.0, 1e-12);
  EXPECT_NEAR(item(*ucs, "Delta Y").number, 0.0, 1e-12);
  // The labels follow the header in order.
  const auto& r = ucs->Records();
  size_t from = 0;
  while (from < r.size() && r[from].label != L"from point") ++from;
  ASSERT_LT(from + 8, r.size() + 1);
  EXPECT_EQ(r[from + 1].label, L"to point");
  EXPECT_EQ(r[from + 2].label, L"Length");
  EXPECT_EQ(r[from + 3].label, L"Length in CCS");
  EXPECT_EQ(r[from + 4].label, L"Angle in XY Plane");
}

TEST_F(LineFamilyProperties, RaySecondPointTurnsTheDirection) {
  OdDbRayPtr ray = drawing.add(OdDbRay::createObject());
  ray->setBasePoint(OdGePoint3d(0, 0, 0));
  ray->setUnitDir(OdGeVector3d(1, 0, 0));
  auto c = describe(ray);
  ASSERT_EQ(c->GetCount(), 17);
  EXPECT_EQ(c->GetAt(8)->GetName(), L"Base point X");
  EXPECT_EQ(c->GetAt(16)->GetName(), L"Direction vector Z");
  EXPECT_TRUE(c->GetAt(14)->IsReadOnly(ray));
  EXPECT_EQ(number(ray, "Second point X"), 1.0);
  EXPECT_EQ(set(ray, "Second point X", CKdVariant(1.0, true)), 5100);
  EXPECT_EQ(ray->unitDir(), OdGeVector3d(1, 0, 0));
  EXPECT_EQ(set(ray, "Second point Y", CKdVariant(1.0, true)), 5100);
  EXPECT_NEAR(ray->unitDir().x, std::sqrt(0.5), 1e-12);
  EXPECT_NEAR(ray->unitDir().y, std::sqrt(0.5), 1e-12);
  EXPECT_EQ(ray->basePoint(), OdGePoint3d(0, 0, 0));
  EXPECT_NEAR(number(ray, "Direction vector Y"), std::sqrt(0.5), 1e-12);
  EXPECT_EQ(set(ray, "Base point Z", CKdVariant(3.0, true)), 5100);
  EXPECT_EQ(ray->basePoint().z, 3.0);
}

TEST_F(LineFamilyProperties, RayAndConstructionLineListings) {
  OdDbRayPtr ray = drawing.add(OdDbRay::createObject());
  ray->setBasePoint(OdGePoint3d(1, 2, 3));
  ray->setUnitDir(OdGeVector3d(0, -1, 0));
  auto r = list(ray);
  EXPECT_EQ(item(*r, "Base point").point, OdGePoint3d(1, 2, 3));
  EXPECT_EQ(item(*r, "Unit direction").vector, OdGeVector3d(0, -1, 0));
  EXPECT_NEAR(item(*r, "Angle in XY Plane").number, 3 * kPi / 2, 1e-12);
  EXPECT_EQ(r->Records()[0].text, L"RAY");

  OdDbXlinePtr xline = drawing.add(OdDbXline::createObject());
  xline->setUnitDir(OdGeVector3d(1, 1, 0));
  auto x = list(xline);
  EXPECT_EQ(x->Records()[0].text, L"ILINE");
  EXPECT_TRUE(hasItem(*x, "base point"));
  EXPECT_TRUE(hasItem(*x, "unit direction"));
  EXPECT_NEAR(item(*x, "Angle in XY Plane").number, kPi / 4, 1e-12);
  EXPECT_EQ(propertiesOf(xline)->GetDisplayName(xline), L"ILine");
  // In a quarter-turned UCS the direction (1, 1) points to UCS (1, -1).
  turnUcs();
  EXPECT_NEAR(item(*list(xline, true), "Angle in XY Plane").number, 7 * kPi / 4, 1e-12);
}

TEST_F(LineFamilyProperties, PointPositionAndListing) {
  OdDbPointPtr p = drawing.add(OdDbPoint::createObject());
  p->setPosition(OdGePoint3d(0, 5, 0));
  auto c = describe(p);
  EXPECT_EQ(names(*c).back(), "Geometry/Position Z");
  EXPECT_EQ(property(*c, "Position X").GetIcon().path(), L":/Geometry/Geometry_CoordinateX.png");
  EXPECT_EQ(property(*c, "Thickness").GetType().GetType(), 2);
  EXPECT_EQ(set(p, "Position X", CKdVariant(2.0, true)), 5100);
  EXPECT_EQ(p->position(), OdGePoint3d(2, 5, 0));
  p->setPosition(OdGePoint3d(0, 5, 0));
  auto listing = list(p);
  EXPECT_EQ(item(*listing, "Position").point, OdGePoint3d(0, 5, 0));
  EXPECT_NEAR(item(*listing, "Angle of X Axis").number, kPi / 2, 1e-12);
}
