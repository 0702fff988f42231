// Circles, arcs and ellipses through their extensions: size entries, derived
// values, the ellipse's rules and guard, listings, and the frames points use.
#include <cmath>
#include "KdModuleTest.h"
#include "Db/DbArc.h"
#include "Db/DbCircle.h"
#include "Db/DbEllipse.h"

using namespace kdtest;

namespace {
const double kPi = 3.141592653589793;

struct CurveProperties : ::testing::Test {
  Drawing drawing;
  void SetUp() override { GetKdSystemServices()->ClearRecords(); }
  double number(const OdDbObject* o, const char* name) {
    const CKdVariant v = get(o, name);
    EXPECT_EQ(v.GetType(), CKdVariant::kDouble) << name;
    EXPECT_TRUE(v.IsDistance()) << name;
    return v.GetDouble();
  }
  OdDbArcPtr arc(double r, double start, double end) {
    OdDbArcPtr a = drawing.add(OdDbArc::createObject());
    a->setRadius(r);
    a->setStartAngle(start);
    a->setEndAngle(end);
    return a;
  }
  OdDbEllipsePtr ellipse(double major, double minor, double start = 0.0, double end = 2 * kPi) {
    OdDbEllipsePtr e = drawing.add(OdDbEllipse::createObject());
    e->set(OdGePoint3d(1, 2, 0), OdGeVector3d::kZAxis, OdGeVector3d(major, 0, 0), minor / major, start, end);
    return e;
  }
  size_t messages() const { return GetKdSystemServices()->Messages().size(); }
};
}  // namespace

TEST_F(CurveProperties, TablesInOrder) {
  OdDbCirclePtr c = drawing.add(OdDbCircle::createObject());
  auto circle = names(*describe(c));
  ASSERT_EQ(circle.size(), 19u);
  EXPECT_EQ(circle[8], "General/Thickness");
  EXPECT_EQ(circle[12], "Geometry/Radius");
  EXPECT_EQ(circle[15], "Geometry/Area");
  EXPECT_EQ(circle[18], "Geometry/Normal Z");
  auto arcs = describe(arc(1, 0, 1));
  ASSERT_EQ(arcs->GetCount(), 27);
  EXPECT_EQ(arcs->GetAt(19)->GetName(), L"Start Angle");
  EXPECT_EQ(arcs->GetAt(21)->GetType().GetCustomTypeGuid(), CKdString(CKdPropertyType::kAngleGUID));
  EXPECT_TRUE(arcs->GetAt(9)->IsReadOnly(nullptr));  // Start X of an arc is derived
  auto ellipses = describe(ellipse(4, 2));
  ASSERT_EQ(ellipses->GetCount(), 28);
  EXPECT_EQ(ellipses->GetAt(8)->GetName(), L"Start X");  // no thickness
  EXPECT_EQ(ellipses->GetAt(8)->GetIcon().path(), L":/Geometry/Geometry_EllipseStartX.png");
  EXPECT_EQ(ellipses->GetAt(17)->GetType().GetType(), 0);
  EXPECT_EQ(propertiesOf(c)->GetDisplayName(c), L"Circle");
}

TEST_F(CurveProperties, CircleSizeInFourWays) {
  OdDbCirclePtr c = drawing.add(OdDbCircle::createObject());
  EXPECT_EQ(set(c, "Diameter", CKdVariant(-10.0, true)), 5100);
  EXPECT_DOUBLE_EQ(c->radius(), 5.0);
  EXPECT_DOUBLE_EQ(number(c, "Circumference"), 10 * kPi);
  EXPECT_EQ(set(c, "Area", CKdVariant(kPi, true)), 5100);
  EXPECT_DOUBLE_EQ(c->radius(), 1.0);
  EXPECT_EQ(set(c, "Circumference", CKdVariant(0.0, true)), -5001);
  EXPECT_EQ(set(c, "Radius", CKdVariant(-0.0, true)), -5001);
  EXPECT_EQ(set(c, "Radius", CKdVariant(2L)), -5001);
  EXPECT_DOUBLE_EQ(c->radius(), 1.0);
  EXPECT_EQ(set(c, "Radius", CKdVariant(-3.0, true)), 5100);
  EXPECT_DOUBLE_EQ(number(c, "Area"), 9 * kPi);
  EXPECT_DOUBLE_EQ(number(c, "Diameter"), 6.0);
  EXPECT_EQ(messages(), 0u);
}

TEST_F(CurveProperties, ArcDerivedValues) {
  OdDbArcPtr half = arc(2, 3 * kPi / 2, kPi / 2);
  EXPECT_NEAR(number(half, "Total Angle"), kPi, 1e-12);
  EXPECT_NEAR(number(half, "Area"), 2 * kPi, 1e-12);
  EXPECT_NEAR(number(half, "Arc Length"), 2 * kPi, 1e-12);
  OdDbArcPtr none = arc(1, 0, 0);
  EXPECT_EQ(number(none, "Total Angle"), 0.0);
  OdDbArcPtr quarter = arc(3, kPi / 6, 2 * kPi / 3);
  EXPECT_NEAR(number(quarter, "Arc Length"), 3 * kPi / 2, 1e-12);
  EXPECT_NEAR(number(quarter, "Area"), 0.5 * 9 * (kPi / 2 - 1), 1e-12);
  EXPECT_EQ(set(quarter, "Start Angle", CKdVariant(0.25, true)), 5100);
  EXPECT_DOUBLE_EQ(number(quarter, "Start Angle"), 0.25);
  EXPECT_EQ(set(quarter, "End Angle", CKdVariant(CKdString(L"1"))), -5001);
  EXPECT_EQ(set(quarter, "Radius", CKdVariant(0.0, true)), -5001);
  EXPECT_EQ(quarter->radius(), 3.0);
}

TEST_F(CurveProperties, ArcPointsInTheUcsEllipsePointsInTheWorld) {
  OdDbArcPtr a = arc(1, 0, kPi / 2);
  a->setCenter(OdGePoint3d(10, 0, 0));
  OdDbEllipsePtr e = ellipse(2, 1, 0, kPi);
  drawing.db->setCurrentUCS(OdGePoint3d(10, 0, 0), OdGeVector3d::kXAxis, OdGeVector3d::kYAxis);
  EXPECT_NEAR(number(a, "Start X"), 1.0, 1e-12);   // world 11 seen from the UCS at x = 10
  EXPECT_NEAR(number(a, "Center X"), 0.0, 1e-12);
  EXPECT_NEAR(number(e, "Start X"), 3.0, 1e-12);   // world, untouched by the UCS
  EXPECT_NEAR(number(e, "Center X"), -9.0, 1e-12);
  EXPECT_EQ(set(e, "Center X", CKdVariant(0.0, true)), 5100);
  EXPECT_NEAR(e->center().x, 10.0, 1e-12);
}

TEST_F(CurveProperties, EllipseRadiusRules) {
  OdDbEllipsePtr e = ellipse(4, 2);
  EXPECT_EQ(set(e, "Major radius", CKdVariant(3.0, true)), 5100);
  EXPECT_NEAR(e->radiusRatio(), 2.0 / 3.0, 1e-15);
  EXPECT_NEAR(e->minorAxis().length(), 2.0, 1e-12);
  EXPECT_EQ(set(e, "Major radius", CKdVariant(1.0, true)), -5001);
  EXPECT_NEAR(e->majorAxis().length(), 3.0, 1e-12);
  OdDbEllipsePtr f = ellipse(4, 2);
  EXPECT_EQ(set(f, "Minor radius", CKdVariant(4.0, true)), 5100);
  EXPECT_DOUBLE_EQ(f->radiusRatio(), 1.0);
  EXPECT_EQ(set(f, "Minor radius", CKdVariant(5.0, true)), -5001);
  EXPECT_EQ(set(f, "Minor radius", CKdVariant(0.0, true)), -5001);
  EXPECT_EQ(set(f, "Radius ratio", CKdVariant(-0.25, true)), 5100);
  EXPECT_DOUBLE_EQ(f->radiusRatio(), 0.25);
  EXPECT_EQ(set(f, "Radius ratio", CKdVariant(1.5, true)), -5001);
  EXPECT_EQ(set(f, "Radius ratio", CKdVariant(0.0, true)), -5001);
  EXPECT_DOUBLE_EQ(number(f, "Minor radius"), 1.0);
  EXPECT_EQ(messages(), 0u);
}

TEST_F(CurveProperties, EllipseAngleGuard) {
  OdDbEllipsePtr e = ellipse(4, 2, 0.5, 2.0);
  EXPECT_EQ(set(e, "End angle", CKdVariant(0.0, true)), 5100);
  EXPECT_NEAR(number(e, "End angle"), 2 * kPi, 1e-12);
  EXPECT_EQ(set(e, "End angle", CKdVariant(2.0, true)), 5100);
  EXPECT_EQ(set(e, "Start angle", CKdVariant(2.0, true)), -5001);
  ASSERT_EQ(messages(), 1u);
  EXPECT_EQ(GetKdSystemServices()->Messages()[0].text, L"Degenerate geometry");
  EXPECT_EQ(GetKdSystemServices()->Messages()[0].title, L"Error");
  EXPECT_NEAR(e->startAngle(), 0.5, 1e-12);
  EXPECT_EQ(set(e, "End angle", CKdVariant(0.5 + 1e-12, true)), -5001);
  EXPECT_EQ(messages(), 2u);
  EXPECT_NEAR(e->endAngle(), 2.0, 1e-12);
}

TEST_F(CurveProperties, Listings) {
  OdDbCirclePtr c = drawing.add(OdDbCircle::createObject());
  c->setRadius(2);
  auto circle = list(c);
  EXPECT_DOUBLE_EQ(item(*circle, "Area").number, 4 * kPi);
  EXPECT_DOUBLE_EQ(item(*circle, "Circumference").number, 4 * kPi);
  EXPECT_TRUE(hasItem(*circle, "Center  point"));
  EXPECT_FALSE(hasItem(*circle, "Extrusion direction relative to UCS"));
  EXPECT_TRUE(hasItem(*list(c, true), "Extrusion direction relative to UCS"));

  OdDbArcPtr a = arc(2, 0, kPi / 2);
  auto world = list(a);
  EXPECT_NEAR(item(*world, "Length").number, kPi, 1e-12);
  EXPECT_TRUE(hasItem(*world, "Start angle"));
  EXPECT_FALSE(hasItem(*world, "Total angle"));
  auto ucs = list(a, true);
  EXPECT_NEAR(item(*ucs, "Total angle").number, kPi / 2, 1e-12);
  EXPECT_FALSE(hasItem(*ucs, "Start angle"));

  auto closed = list(ellipse(4, 2));
  EXPECT_EQ(closed->Records().back().label, L"Area");
  EXPECT_NEAR(closed->Records().back().number, 8 * kPi, 1e-12);
  auto open = list(ellipse(4, 2, 0, kPi));
  EXPECT_EQ(open->Records().back().label, L"Radius Ratio");
  int ratios = 0;
  for (const CKdPrintRecord& r : open->Records()) ratios += r.label == L"Radius Ratio";
  EXPECT_EQ(ratios, 2);
  EXPECT_FALSE(hasItem(*open, "Area"));
}
