// Circles, arcs and ellipses: parameters, points, lengths and areas against
// values computed independently.
#include <gtest/gtest.h>
#include <cmath>
#include "Db/DbArc.h"
#include "Db/DbCircle.h"
#include "Db/DbEllipse.h"

namespace {
const double kPi = 3.14159265358979323846;

// The perimeter of an ellipse from the arithmetic-geometric mean (Gauss-Kummer).
double perimeterByAgm(double a, double b) {
  double x = a, y = b, sum = 0.5 * (a * a - b * b), power = 0.5;
  for (int i = 0; i < 40 && std::fabs(x - y) > 1e-16 * x; ++i) {
    const double nx = 0.5 * (x + y), ny = std::sqrt(x * y);
    power *= 2.0;
    const double c = 0.5 * (x - y);
    sum += power * c * c;
    x = nx;
    y = ny;
  }
  return 2.0 * kPi / x * (a * a - sum);
}

// An elliptical arc's length as the limit of inscribed polygons (Richardson on n and 2n sides).
double lengthByChords(double a, double b, double t0, double t1) {
  auto polygon = [&](int n) {
    double len = 0.0, px = a * std::cos(t0), py = b * std::sin(t0);
    for (int i = 1; i <= n; ++i) {
      const double t = t0 + (t1 - t0) * i / n, x = a * std::cos(t), y = b * std::sin(t);
      len += std::hypot(x - px, y - py);
      px = x;
      py = y;
    }
    return len;
  };
  const double coarse = polygon(200000), fine = polygon(400000);
  return fine + (fine - coarse) / 3.0;
}
}  // namespace

TEST(Curves, CircleIsClosedWithAnglesAsParameters) {
  OdDbCirclePtr c = OdDbCircle::createObject();
  c->setCenter(OdGePoint3d(1, 2, 3));
  ASSERT_EQ(c->setRadius(2.0), eOk);
  EXPECT_EQ(c->setRadius(0.0), eInvalidInput);
  EXPECT_EQ(c->setRadius(-1.0), eInvalidInput);
  EXPECT_EQ(c->radius(), 2.0);
  double area = 0, end = 0, dist = 0;
  c->getArea(area);
  EXPECT_DOUBLE_EQ(area, 4 * kPi);
  c->getEndParam(end);
  c->getDistAtParam(end, dist);
  EXPECT_DOUBLE_EQ(dist, 4 * kPi);
  OdGePoint3d p;
  c->getPointAtParam(kPi / 2, p);
  EXPECT_NEAR(p.x, 1, 1e-12);
  EXPECT_NEAR(p.y, 4, 1e-12);
  EXPECT_TRUE(c->isClosed());
  // In a plane facing -Z the plane's X axis is the world's -X (arbitrary-axis rule).
  c->setNormal(OdGeVector3d(0, 0, -1));
  c->getPointAtParam(0.0, p);
  EXPECT_NEAR(p.x, -1, 1e-12);
  EXPECT_NEAR(p.y, 2, 1e-12);
}

TEST(Curves, ArcSweepsCounterClockwiseFromStartToEnd) {
  OdDbArcPtr arc = OdDbArc::createObject();
  arc->setRadius(2.0);
  arc->setStartAngle(3 * kPi / 2);
  arc->setEndAngle(kPi / 2);
  EXPECT_NEAR(arc->sweep(), kPi, 1e-15);
  OdGePoint3d start, end;
  arc->getStartPoint(start);
  arc->getEndPoint(end);
  EXPECT_NEAR(start.y, -2, 1e-12);
  EXPECT_NEAR(end.y, 2, 1e-12);
  double endParam = 0, length = 0, area = 0;
  arc->getEndParam(endParam);
  arc->getDistAtParam(endParam, length);
  EXPECT_NEAR(length, 2 * kPi, 1e-12);
  arc->getArea(area);
  EXPECT_NEAR(area, 2 * kPi, 1e-12);  // the half disc
  arc->setStartAngle(-kPi / 2);       // angles are kept in [0, 2pi)
  EXPECT_NEAR(arc->startAngle(), 3 * kPi / 2, 1e-15);
  arc->setEndAngle(arc->startAngle());
  EXPECT_NEAR(arc->sweep(), 2 * kPi, 1e-15);
  EXPECT_EQ(arc->setRadius(0.0), eInvalidInput);
}

TEST(Curves, EllipseAnglesAndParameters) {
  OdDbEllipsePtr e = OdDbEllipse::createObject();
  ASSERT_EQ(e->set(OdGePoint3d(0, 0, 0), OdGeVector3d::kZAxis, OdGeVector3d(4, 0, 0), 0.5, 0.0, kPi / 2), eOk);
  EXPECT_FALSE(e->isClosed());
  OdGePoint3d p;
  e->getEndPoint(p);
  EXPECT_NEAR(p.x, 0, 1e-12);
  EXPECT_NEAR(p.y, 2, 1e-12);
  EXPECT_NEAR(e->minorAxis().length(), 2, 1e-15);
  // The point at an angle of 45 degrees lies on the diagonal.
  e->setEndAngle(kPi / 4);
  e->getEndPoint(p);
  EXPECT_NEAR(p.x, p.y, 1e-12);
  EXPECT_NEAR(e->endAngle(), kPi / 4, 1e-15);
  // An end angle of 0 means the full turn.
  e->setEndAngle(0.0);
  EXPECT_TRUE(e->isClosed());
  double area = 0;
  e->getArea(area);
  EXPECT_NEAR(area, kPi * 8, 1e-12);
  EXPECT_EQ(e->set(OdGePoint3d(), OdGeVector3d::kXAxis, OdGeVector3d(4, 0, 0), 0.5), eInvalidInput);
  EXPECT_EQ(e->set(OdGePoint3d(), OdGeVector3d::kZAxis, OdGeVector3d(4, 0, 0), 1.5), eInvalidInput);
  EXPECT_EQ(e->setRadiusRatio(0.0), eInvalidInput);
}

TEST(Curves, EllipseLengthIsTheEllipticIntegral) {
  for (double ratio : {1.0, 0.5, 0.1, 1e-3}) {
    SCOPED_TRACE(ratio);
    OdDbEllipsePtr e = OdDbEllipse::createObject();
    ASSERT_EQ(e->set(OdGePoint3d(1, 1, 0), OdGeVector3d::kZAxis, OdGeVector3d(3, 4, 0), ratio), eOk);
    double end = 0, length = 0;
    e->getEndParam(end);
    ASSERT_EQ(e->getDistAtParam(end, length), eOk);
    const double expected = perimeterByAgm(5.0, 5.0 * ratio);
    EXPECT_NEAR(length / expected, 1.0, 1e-11);
  }
  // A partial arc crossing a quarter, against the limit of inscribed polygons.
  OdDbEllipsePtr e = OdDbEllipse::createObject();
  e->set(OdGePoint3d(), OdGeVector3d::kZAxis, OdGeVector3d(4, 0, 0), 0.3);
  const double t0 = 0.3, t1 = 2.5;
  e->setStartAngle(e->angleAtParam(t0));
  e->setEndAngle(e->angleAtParam(t1));
  EXPECT_NEAR(e->startParam(), t0, 1e-14);
  EXPECT_NEAR(e->endParam(), t1, 1e-14);
  double length = 0;
  ASSERT_EQ(e->getDistAtParam(t1, length), eOk);
  EXPECT_NEAR(length / lengthByChords(4.0, 1.2, t0, t1), 1.0, 1e-10);
  double mid = 0;
  e->getDistAtParam(1.0, mid);
  EXPECT_NEAR(mid / lengthByChords(4.0, 1.2, t0, 1.0), 1.0, 1e-10);
  EXPECT_EQ(e->getDistAtParam(0.1, mid), eInvalidInput);
}
