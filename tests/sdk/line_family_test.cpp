// Lines, rays, construction lines and points: their data and curve queries.
#include <gtest/gtest.h>
#include <cmath>
#include <limits>
#include "Db/DbLine.h"
#include "Db/DbPoint.h"
#include "Db/DbRay.h"
#include "Db/DbXline.h"
#include "Rx/OdError.h"

TEST(LineFamily, LineParametersAreDistancesAlongTheSegment) {
  OdDbLinePtr line = OdDbLine::createObject();
  ASSERT_EQ(line->setStartPoint(OdGePoint3d(1, 2, 3)), eOk);
  ASSERT_EQ(line->setEndPoint(OdGePoint3d(4, 6, 3)), eOk);
  double end = 0.0, dist = 0.0, area = -1.0;
  ASSERT_EQ(line->getEndParam(end), eOk);
  EXPECT_DOUBLE_EQ(end, 5.0);
  OdGePoint3d mid;
  ASSERT_EQ(line->getPointAtParam(2.5, mid), eOk);
  EXPECT_NEAR(mid.x, 2.5, 1e-12);
  EXPECT_NEAR(mid.y, 4.0, 1e-12);
  EXPECT_EQ(line->getDistAtParam(5.0, dist), eOk);
  EXPECT_DOUBLE_EQ(dist, 5.0);
  EXPECT_EQ(line->getPointAtParam(5.5, mid), eInvalidInput);
  EXPECT_EQ(line->getArea(area), eOk);
  EXPECT_EQ(area, 0.0);
  EXPECT_FALSE(line->isClosed());
}

TEST(LineFamily, NonFiniteInputIsRefusedAndChangesNothing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  OdDbLinePtr line = OdDbLine::createObject();
  line->setStartPoint(OdGePoint3d(1, 1, 1));
  EXPECT_EQ(line->setStartPoint(OdGePoint3d(nan, 0, 0)), eInvalidInput);
  EXPECT_EQ(line->setThickness(inf), eInvalidInput);
  EXPECT_EQ(line->setNormal(OdGeVector3d(0, 0, 0)), eInvalidInput);
  EXPECT_EQ(line->startPoint(), OdGePoint3d(1, 1, 1));
  EXPECT_EQ(line->thickness(), 0.0);
  EXPECT_EQ(line->normal(), OdGeVector3d::kZAxis);

  OdDbPointPtr point = OdDbPoint::createObject();
  EXPECT_EQ(point->setPosition(OdGePoint3d(0, inf, 0)), eInvalidInput);
  EXPECT_EQ(point->setEcsRotation(nan), eInvalidInput);
  EXPECT_EQ(point->position(), OdGePoint3d::kOrigin);
  EXPECT_EQ(point->setThickness(-2.0), eOk);
  EXPECT_EQ(point->thickness(), -2.0);
}

TEST(LineFamily, RayAndConstructionLineKeepAUnitDirection) {
  OdDbRayPtr ray = OdDbRay::createObject();
  ray->setBasePoint(OdGePoint3d(1, 0, 0));
  ray->setUnitDir(OdGeVector3d(3, 4, 0));
  EXPECT_NEAR(ray->unitDir().x, 0.6, 1e-15);
  EXPECT_NEAR(ray->unitDir().y, 0.8, 1e-15);
  EXPECT_NEAR(ray->secondPoint().x, 1.6, 1e-15);
  OdGePoint3d at;
  ASSERT_EQ(ray->getPointAtParam(10.0, at), eOk);
  EXPECT_NEAR(at.y, 8.0, 1e-12);
  EXPECT_EQ(ray->getPointAtParam(-1.0, at), eInvalidInput);
  double endParam = 0.0;
  ray->getEndParam(endParam);
  EXPECT_TRUE(std::isinf(endParam));

  OdDbXlinePtr xline = OdDbXline::createObject();
  xline->setUnitDir(OdGeVector3d(0, -2, 0));
  EXPECT_EQ(xline->unitDir(), OdGeVector3d(0, -1, 0));
  ASSERT_EQ(xline->getPointAtParam(-3.0, at), eOk);
  EXPECT_NEAR(at.y, 3.0, 1e-12);
  // A zero direction is kept as it is: nothing to normalise.
  EXPECT_EQ(xline->setUnitDir(OdGeVector3d(0, 0, 0)), eOk);
  EXPECT_TRUE(xline->unitDir().isZeroLength());
  EXPECT_EQ(xline->setUnitDir(OdGeVector3d(std::numeric_limits<double>::infinity(), 0, 0)), eInvalidInput);
}
