// Splines through their extension: point lists and indexed coordinates,
// read-only facts, tangents as stored, fit tolerance, area and the NURBS
// listing; a rational circle measured against its radius.
#include <cmath>
#include "KdModuleTest.h"
#include "Db/DbSpline.h"

using namespace kdtest;

namespace {
struct SplineProperties : ::testing::Test {
  Drawing drawing;
  void SetUp() override { GetKdSystemServices()->ClearRecords(); }
  // A circle of radius 2 about (1, 1): nine points, quadratic, weights 1 and 1/sqrt 2.
  OdDbSplinePtr circle() {
    OdDbSplinePtr s = drawing.add(OdDbSpline::createObject());
    const double w = std::sqrt(0.5);
    std::vector<OdGePoint3d> points = {{3, 1, 0}, {3, 3, 0}, {1, 3, 0}, {-1, 3, 0}, {-1, 1, 0},
                                       {-1, -1, 0}, {1, -1, 0}, {3, -1, 0}, {3, 1, 0}};
    std::vector<double> weights = {1, w, 1, w, 1, w, 1, w, 1};
    std::vector<double> knots = {0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 4};
    EXPECT_EQ(s->setNurbsData(2, true, true, false, points, knots, weights, 1e-10, 1e-10), eOk);
    return s;
  }
  OdDbSplinePtr throughPoints() {
    OdDbSplinePtr s = drawing.add(OdDbSpline::createObject());
    s->setFitData({{0, 0, 0}, {2, 1, 0}, {4, 0, 0}, {6, 1, 0}}, 3, 0.0, OdGeVector3d(1, 1, 0), OdGeVector3d(1, 0, 0));
    return s;
  }
};
}  // namespace

TEST_F(SplineProperties, RowsFactsAndTangentsAsStored) {
  OdDbSplinePtr s = throughPoints();
  auto c = describe(s);
  ASSERT_EQ(c->GetCount(), 8 + 21);
  EXPECT_EQ(c->GetAt(8)->GetName(), L"Number of control points");
  EXPECT_EQ(c->GetAt(28)->GetName(), L"Area");
  EXPECT_EQ(propertiesOf(s)->GetDisplayName(s), L"Spline");
  EXPECT_EQ(get(s, "Number of control points"), CKdVariant(6L));
  EXPECT_EQ(get(s, "Number of fit points"), CKdVariant(4L));
  EXPECT_EQ(get(s, "Degree"), CKdVariant(3L));
  EXPECT_EQ(get(s, "Closed").GetString(), L"No");
  EXPECT_EQ(get(s, "Planar").GetString(), L"Yes");
  EXPECT_TRUE(isReadOnly(s, "Degree"));
  EXPECT_FALSE(isReadOnly(s, "Fit point X"));
  // A turned UCS changes the points, not the tangents.
  drawing.db->setCurrentUCS(OdGePoint3d(0, 0, 0), OdGeVector3d(0, 1, 0), OdGeVector3d(-1, 0, 0));
  EXPECT_NEAR(get(s, "Fit point X", CKdVariant(1L)).GetDouble(), 1.0, 1e-12);
  EXPECT_NEAR(get(s, "Start tangent vector X").GetDouble(), 1.0, 1e-12);
  EXPECT_NEAR(get(s, "End tangent vector Y").GetDouble(), 0.0, 1e-12);
  // An index beyond the points names none.
  EXPECT_TRUE(get(s, "Fit point X", CKdVariant(4L)).IsEmpty());
  EXPECT_EQ(set(s, "Control point Y", CKdVariant(1.0, true), CKdVariant(6L)), -5001);
  // Fit tolerance: negative refused without a message.
  EXPECT_EQ(set(s, "Fit tolerance", CKdVariant(-0.1, true)), -5001);
  EXPECT_EQ(set(s, "Fit tolerance", CKdVariant(0.25, true)), 5100);
  EXPECT_EQ(s->fitTolerance(), 0.25);
  EXPECT_TRUE(GetKdSystemServices()->Messages().empty());
}

TEST_F(SplineProperties, EditedFitPointsRedrawTheCurveThroughThem) {
  OdDbSplinePtr s = throughPoints();
  // In the world UCS: fit point 2 up by 3.
  EXPECT_EQ(set(s, "Fit point Y", CKdVariant(3.0, true), CKdVariant(2L)), 5100);
  OdGePoint3d fit;
  s->getFitPointAt(2, fit);
  EXPECT_TRUE(fit.isEqualTo(OdGePoint3d(4, 3, 0)));
  // The curve passes through every fit point at its chord-length parameter.
  const std::vector<double>& knots = s->curve().knots();
  EXPECT_TRUE(s->curve().evalPoint(knots[5]).isEqualTo(OdGePoint3d(4, 3, 0), 1e-9));
  EXPECT_TRUE(s->curve().evalPoint(knots[4]).isEqualTo(OdGePoint3d(2, 1, 0), 1e-9));
  // The start leaves along the start tangent.
  const OdGeVector3d d = s->curve().evalDerivative(knots[3]).normal();
  EXPECT_TRUE(d.isEqualTo(OdGeVector3d(1, 1, 0).normal(), 1e-12));
  // A whole new control point list keeps the fit points, which then no longer redraw it.
  CKdVariantCollection points;
  for (int i = 0; i < 6; ++i) points.Add(CKdVariantCollectionElement(CKdVariant(OdGePoint3d(i, i % 2, 0)), CKdVariant(long(i))));
  EXPECT_EQ(set(s, "Control point", CKdVariant(points)), 5100);
  OdGePoint3d cp;
  s->getControlPointAt(5, cp);
  EXPECT_TRUE(cp.isEqualTo(OdGePoint3d(5, 1, 0)));
  EXPECT_EQ(s->numFitPoints(), 4);
}

TEST_F(SplineProperties, RationalCircleAreaLengthAndListing) {
  OdDbSplinePtr s = circle();
  EXPECT_NEAR(get(s, "Area").GetDouble(), M_PI * 4, 1e-9);
  EXPECT_EQ(get(s, "Closed").GetString(), L"Yes");
  auto listing = list(s);
  EXPECT_NEAR(item(*listing, "Length").number, 2 * M_PI * 2, 1e-9);
  EXPECT_EQ(item(*listing, "Order").integer, 3);
  EXPECT_EQ(item(*listing, "Properties").text, L"Closed, Non-Periodic, Rational, Planar, Non-Linear");
  EXPECT_EQ(item(*listing, "Number of konts").integer, 12);
  EXPECT_FALSE(hasItem(*listing, "Number of Fit points"));
  EXPECT_FALSE(hasItem(*listing, "Fit Tolerance"));
  // A point of the curve lies on the circle.
  const OdGePoint3d p = s->curve().evalPoint(0.37);
  EXPECT_NEAR((p - OdGePoint3d(1, 1, 0)).length(), 2.0, 1e-12);
  // Lifted out of its plane, it has no area.
  s->setControlPointAt(3, OdGePoint3d(-1, 3, 1));
  EXPECT_TRUE(get(s, "Area").IsEmpty());
  EXPECT_EQ(get(s, "Planar").GetString(), L"No");
  // A straight spline: linear, area 0.
  OdDbSplinePtr line = drawing.add(OdDbSpline::createObject());
  line->setNurbsData(1, {0, 0, 1, 2, 2}, {{0, 0, 0}, {1, 1, 1}, {3, 3, 3}});
  EXPECT_EQ(item(*list(line), "Properties").text, L"Open, Non-Periodic, Non-Rational, Planar, Linear");
  EXPECT_DOUBLE_EQ(get(line, "Area").GetDouble(), 0.0);
}
