// Geometry the module derives values from: transforms, angles, arcs.
#include <gtest/gtest.h>
#include <cmath>
#include "Ge/GeCircArc2d.h"
#include "Ge/GeMatrix3d.h"
#include "Ge/GePoint3d.h"
#include "Ge/GeVector2d.h"
#include "Ge/GeVector3d.h"

namespace {
const double kPi = 3.14159265358979323846;
void expectNear(const OdGePoint3d& a, const OdGePoint3d& b) {
  EXPECT_NEAR(a.x, b.x, 1e-9);
  EXPECT_NEAR(a.y, b.y, 1e-9);
  EXPECT_NEAR(a.z, b.z, 1e-9);
}
}  // namespace

TEST(GeTransforms, CoordinateSystemAndItsInverseRoundTrip) {
  OdGeVector3d x(1, 1, 0), z(0, 0, 1);
  x.normalize();
  OdGeVector3d y = z.crossProduct(x);
  OdGeMatrix3d toWorld;
  toWorld.setCoordSystem(OdGePoint3d(10, 5, 2), x, y, z);
  OdGeMatrix3d toLocal = toWorld.inverse();

  OdGePoint3d p(3, -4, 7);
  OdGePoint3d q = p;
  q.transformBy(toLocal);
  q.transformBy(toWorld);
  expectNear(q, p);

  // The local origin and the local X axis seen from the world.
  OdGePoint3d origin = OdGePoint3d::kOrigin;
  origin.transformBy(toWorld);
  expectNear(origin, OdGePoint3d(10, 5, 2));
  OdGePoint3d onX(std::sqrt(2.0), 0, 0);
  onX.transformBy(toWorld);
  expectNear(onX, OdGePoint3d(11, 6, 2));
  EXPECT_NEAR(toWorld.det(), 1.0, 1e-12);
  EXPECT_TRUE((toWorld * toLocal).isEqualTo(OdGeMatrix3d::kIdentity));
}

TEST(GeTransforms, RotationAboutAnAxisThroughAPoint) {
  OdGePoint3d p(2, 1, 0);
  p.transformBy(OdGeMatrix3d::rotation(kPi / 2, OdGeVector3d::kZAxis, OdGePoint3d(1, 1, 0)));
  expectNear(p, OdGePoint3d(1, 2, 0));
  OdGeMatrix3d singular;
  singular.setToScaling(0.0);
  EXPECT_TRUE(singular.isSingular());
}

TEST(GeTransforms, PlaneToWorldKeepsTheNormalAsZ) {
  OdGeVector3d normal(1, 2, 3);
  normal.normalize();
  OdGeMatrix3d m = OdGeMatrix3d::planeToWorld(normal);
  OdGeVector3d z = m.getCsZAxis();
  EXPECT_NEAR(z.x, normal.x, 1e-12);
  EXPECT_NEAR(z.y, normal.y, 1e-12);
  EXPECT_NEAR(z.z, normal.z, 1e-12);
  EXPECT_NEAR(m.getCsXAxis().dotProduct(z), 0.0, 1e-12);
  EXPECT_NEAR(m.getCsXAxis().length(), 1.0, 1e-12);
}

TEST(GeAngles, PlaneAnglesLieInZeroToTwoPi) {
  EXPECT_NEAR(OdGeVector2d(-1, -1).angle(), 5 * kPi / 4, 1e-12);
  EXPECT_NEAR(OdGeVector2d(0, -1).angle(), 3 * kPi / 2, 1e-12);
  EXPECT_NEAR(OdGeVector2d(1, 0).angle(), 0.0, 1e-12);
  EXPECT_NEAR(OdGeVector3d(1, 0, 0).angleTo(OdGeVector3d(0, 0, 1)), kPi / 2, 1e-12);
}

TEST(GeArcs, ArcFromTwoPointsAndABulge) {
  // Bulge 1 is a half circle; positive bulges turn counter-clockwise.
  OdGeCircArc2d half(OdGePoint2d(0, 0), OdGePoint2d(2, 0), 1.0);
  EXPECT_NEAR(half.center().x, 1.0, 1e-12);
  EXPECT_NEAR(half.center().y, 0.0, 1e-12);
  EXPECT_NEAR(half.radius(), 1.0, 1e-12);
  EXPECT_NEAR(half.length(), kPi, 1e-12);
  EXPECT_NEAR(half.midPoint().y, -1.0, 1e-12);
  // A quarter circle: bulge tan(pi/8).
  OdGeCircArc2d quarter(OdGePoint2d(1, 0), OdGePoint2d(0, 1), std::tan(kPi / 8));
  EXPECT_NEAR(quarter.radius(), 1.0, 1e-12);
  EXPECT_NEAR(quarter.length(), kPi / 2, 1e-12);
  EXPECT_NEAR(quarter.center().x, 0.0, 1e-12);
}
