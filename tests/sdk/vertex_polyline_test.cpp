// 2D and 3D polylines with their vertex entities: geometry in the plane,
// curve fitting with tangent arcs, spline fitting, straightening, the
// equivalent spline, and the vertices' way through a drawing file.
#include <gtest/gtest.h>
#include <cmath>
#include "Db/Db2dPolyline.h"
#include "Db/Db3dPolyline.h"
#include "Db/DbDatabase.h"
#include "Db/DbSymbolTable.h"
#include "Dxf/DxfFile.h"
#include "Ge/GeNurbCurve3d.h"

namespace {
const double kPi = 3.14159265358979323846;

struct VertexPolylines : ::testing::Test {
  OdDbDatabasePtr db = OdDbDatabasePtr(new OdDbDatabase, kOdRxObjAttach);
  template <class T>
  OdSmartPtr<T> add(OdSmartPtr<T> e) {
    OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    ms->appendOdDbEntity(e);
    return e;
  }
  OdDb2dPolylinePtr poly2d(std::initializer_list<std::array<double, 3>> vs, bool closed) {
    OdDb2dPolylinePtr p = add(OdDb2dPolyline::createObject());
    for (const auto& v : vs) {
      OdDb2dVertexPtr vertex = OdDb2dVertex::createObject();
      vertex->setPosition(OdGePoint3d(v[0], v[1], 0));
      vertex->setBulge(v[2]);
      OdDbObjectId id;
      EXPECT_EQ(p->appendVertex(id, vertex), eOk);
    }
    if (closed) p->makeClosed();
    return p;
  }
  OdDb3dPolylinePtr poly3d(std::initializer_list<OdGePoint3d> ps, bool closed) {
    OdDb3dPolylinePtr p = add(OdDb3dPolyline::createObject());
    for (const OdGePoint3d& pt : ps) {
      OdDb3dPolylineVertexPtr vertex = OdDb3dPolylineVertex::createObject();
      vertex->setPosition(pt);
      OdDbObjectId id;
      EXPECT_EQ(p->appendVertex(id, vertex), eOk);
    }
    if (closed) p->makeClosed();
    return p;
  }
  template <class V, class P>
  static std::vector<OdSmartPtr<V>> vertices(const P& p) {
    std::vector<OdSmartPtr<V>> out;
    for (OdDbObjectIteratorPtr it = p->vertexIterator(); !it->done(); it->step()) out.push_back(V::cast(it->entity()));
    return out;
  }
  template <class P>
  static double length(const P& p) {
    double end = 0, d = 0;
    EXPECT_EQ(p->getEndParam(end), eOk);
    EXPECT_EQ(p->getDistAtParam(end, d), eOk);
    return d;
  }
};

// Direction of an arc segment's tangent at its start or end: the chord turned
// by a quarter of the included angle 4 atan(bulge), either way.
OdGeVector2d arcTangent(const OdGePoint2d& a, const OdGePoint2d& b, double bulge, bool atEnd) {
  const double half = 2.0 * std::atan(bulge) * (atEnd ? 1.0 : -1.0);
  const OdGeVector2d c = (b - a) / a.distanceTo(b);
  return OdGeVector2d(c.x * std::cos(half) - c.y * std::sin(half), c.x * std::sin(half) + c.y * std::cos(half));
}
}  // namespace

TEST_F(VertexPolylines, PlaneGeometryOfA2dPolyline) {
  OdDb2dPolylinePtr p = poly2d({{0, 0, 1}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}}, true);
  double area = 0;
  p->getArea(area);
  EXPECT_NEAR(area, 4 + kPi / 2, 1e-12);
  EXPECT_NEAR(length(p), 6 + kPi, 1e-12);
  p->makeOpen();
  EXPECT_NEAR(length(p), 4 + kPi, 1e-12);
  // A tilted plane at an elevation: vertices move with it, lengths do not.
  p->setNormal(OdGeVector3d(1, 0, 0));
  p->setElevation(5);
  const auto vs = vertices<OdDb2dVertex>(p);
  ASSERT_EQ(vs.size(), 4u);
  EXPECT_EQ(vs[2]->position(), OdGePoint3d(2, 2, 5));
  EXPECT_TRUE(p->vertexPosition(*vs[2]).isEqualTo(OdGePoint3d(5, 2, 2)));
  OdGePoint3d end;
  p->getEndPoint(end);
  EXPECT_TRUE(end.isEqualTo(OdGePoint3d(5, 0, 2)));
  EXPECT_NEAR(length(p), 4 + kPi, 1e-12);
  // Vertices take the polyline's settings; erased ones drop out of the walk.
  EXPECT_EQ(vs[0]->layerId(), p->layerId());
  OdDbObjectPtr second = vertices<OdDb2dVertex>(p)[1]->objectId().openObject(OdDb::kForWrite);
  second->erase();
  EXPECT_EQ(vertices<OdDb2dVertex>(p).size(), 3u);
  // Without a database no vertex can be added.
  OdDb2dPolylinePtr loose = OdDb2dPolyline::createObject();
  OdDbObjectId id;
  EXPECT_EQ(loose->appendVertex(id, OdDb2dVertex::createObject()), eNotInDatabase);
}

TEST_F(VertexPolylines, CurveFitJoinsTangentArcsThroughEveryVertex) {
  for (bool closed : {false, true}) {
    SCOPED_TRACE(closed);
    OdDb2dPolylinePtr p = poly2d({{0, 0, 0}, {4, 1, 0}, {6, 5, 0}, {2, 7, 0}, {-1, 4, 0}}, closed);
    ASSERT_EQ(p->curveFit(), eOk);
    EXPECT_EQ(p->polyType(), OdDb::k2dFitCurvePoly);
    const auto vs = vertices<OdDb2dVertex>(p);
    ASSERT_EQ(vs.size(), closed ? 10u : 9u);
    for (size_t i = 0; i < vs.size(); ++i)
      EXPECT_EQ(vs[i]->vertexType(), i % 2 ? OdDb::k2dCurveFitVertex : OdDb::k2dVertex) << i;
    EXPECT_EQ(vs[4]->position(), OdGePoint3d(6, 5, 0));  // the originals stay where they were
    // Each arc leaves a vertex in the direction the previous one arrived.
    auto pt = [&](size_t i) { return vs[i % vs.size()]->position().convert2d(); };
    const size_t first = closed ? 0 : 1, segs = closed ? vs.size() : vs.size() - 1;
    for (size_t i = first; i < segs; ++i) {
      const size_t prev = (i + vs.size() - 1) % vs.size();
      const OdGeVector2d in = arcTangent(pt(prev), pt(i), vs[prev]->bulge(), true);
      const OdGeVector2d out = arcTangent(pt(i), pt(i + 1), vs[i]->bulge(), false);
      EXPECT_NEAR(in.x, out.x, 1e-9) << i;
      EXPECT_NEAR(in.y, out.y, 1e-9) << i;
    }
    // The fitted curve is longer than the straight one and straightening restores it.
    const double fitted = length(p);
    ASSERT_EQ(p->straighten(), eOk);
    const auto back = vertices<OdDb2dVertex>(p);
    ASSERT_EQ(back.size(), 5u);
    for (const auto& v : back) EXPECT_TRUE(v->vertexType() == OdDb::k2dVertex && v->bulge() == 0.0);
    EXPECT_GT(fitted, length(p));
  }
}

TEST_F(VertexPolylines, SplineFitKeepsTheFrameAndFollowsTheFitVertices) {
  OdDb2dPolylinePtr p = poly2d({{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {8, 4, 0}}, false);
  ASSERT_EQ(p->splineFit(OdDb::k2dCubicSplinePoly, 10), eOk);
  const auto vs = vertices<OdDb2dVertex>(p);
  // One cubic span over four frame points: 11 fit vertices, then the frame.
  ASSERT_EQ(vs.size(), 15u);
  for (size_t i = 0; i < 11; ++i) EXPECT_EQ(vs[i]->vertexType(), OdDb::k2dSplineFitVertex);
  for (size_t i = 11; i < 15; ++i) EXPECT_EQ(vs[i]->vertexType(), OdDb::k2dSplineCtlVertex);
  EXPECT_TRUE(vs[0]->position().isEqualTo(OdGePoint3d(0, 0, 0)));  // clamped to the ends
  EXPECT_TRUE(vs[10]->position().isEqualTo(OdGePoint3d(8, 4, 0)));
  EXPECT_TRUE(vs[5]->position().isEqualTo(OdGePoint3d(4, 2, 0)));  // the Bezier's middle, by symmetry
  double end = 0;
  p->getEndParam(end);
  EXPECT_EQ(end, 10.0);  // the curve runs over the fit vertices
  ASSERT_EQ(p->straighten(), eOk);
  EXPECT_EQ(vertices<OdDb2dVertex>(p).size(), 4u);
  EXPECT_NEAR(length(p), 12.0, 1e-12);
  EXPECT_EQ(p->splineFit(OdDb::k2dFitCurvePoly, 8), eInvalidInput);
}

TEST_F(VertexPolylines, ThreeDimensionalPolylineAndItsSpline) {
  OdDb3dPolylinePtr p = poly3d({{0, 0, 0}, {3, 0, 0}, {3, 4, 0}, {3, 4, 12}}, false);
  EXPECT_NEAR(length(p), 3 + 4 + 12, 1e-12);
  double area = 0;
  p->getArea(area);
  EXPECT_NEAR(area, 0.5 * std::sqrt(48.0 * 48 + 36 * 36 + 12 * 12), 1e-12);  // two triangles' vector areas
  OdDbSplinePtr none;
  EXPECT_EQ(p->getSpline(none), eNotApplicable);
  ASSERT_EQ(p->splineFit(OdDb::k3dQuadSplinePoly, 32), eOk);
  EXPECT_EQ(p->polyType(), OdDb::k3dQuadSplinePoly);
  const auto vs = vertices<OdDb3dPolylineVertex>(p);
  ASSERT_EQ(vs.size(), 2u * 32 + 1 + 4);
  EXPECT_EQ(vs.back()->vertexType(), OdDb::k3dControlVertex);
  OdDbSplinePtr spline;
  ASSERT_EQ(p->getSpline(spline), eOk);
  EXPECT_EQ(spline->degree(), 2);
  double end = 0, splineLength = 0;
  spline->getEndParam(end);
  spline->getDistAtParam(end, splineLength);
  // The fit vertices are chords of the spline: a little shorter, converging.
  EXPECT_LT(length(p), splineLength);
  EXPECT_NEAR(length(p), splineLength, 2e-3 * splineLength);
  p->straighten();
  EXPECT_EQ(vertices<OdDb3dPolylineVertex>(p).size(), 4u);
  p->makeClosed();
  EXPECT_NEAR(length(p), 19 + 13, 1e-12);
}

TEST(GeNurbCurve, PointsDerivativesAndLengths) {
  // The quadratic Bezier (0,0) (1,1) (2,0) is (2t, 2t(1-t)); its length is sqrt 2 + ln(1 + sqrt 2).
  const OdGeNurbCurve3d bezier = OdGeNurbCurve3d::uniform(2, {{0, 0, 0}, {1, 1, 0}, {2, 0, 0}}, false);
  EXPECT_TRUE(bezier.evalPoint(0.25).isEqualTo(OdGePoint3d(0.5, 0.375, 0)));
  EXPECT_TRUE(bezier.evalDerivative(0.25).isEqualTo(OdGeVector3d(2, 1, 0)));
  EXPECT_NEAR(bezier.length(0, 1), std::sqrt(2.0) + std::log(1 + std::sqrt(2.0)), 1e-12);
  // Equally spaced points on a line give a uniform straight spline.
  const OdGeNurbCurve3d straight = OdGeNurbCurve3d::uniform(3, {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}}, false);
  EXPECT_NEAR(straight.length(straight.startParam(), straight.endParam()), 4.0, 1e-12);
  // A closed spline meets itself with the same tangent.
  const OdGeNurbCurve3d loop = OdGeNurbCurve3d::uniform(3, {{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}}, true);
  EXPECT_TRUE(loop.evalPoint(loop.startParam()).isEqualTo(loop.evalPoint(loop.endParam())));
  EXPECT_TRUE(loop.evalDerivative(loop.startParam()).isEqualTo(loop.evalDerivative(loop.endParam())));
  OdGeNurbCurve3d bad;
  EXPECT_FALSE(bad.set(2, {0, 1, 0.5, 2, 3, 4}, {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}}));
}

TEST_F(VertexPolylines, VerticesTravelThroughADrawingFile) {
  OdDb2dPolylinePtr fitted = poly2d({{0, 0, 0.5}, {4, 1, 0}, {6, 5, 0}}, false);
  fitted->setElevation(2);
  fitted->curveFit();
  OdDb3dPolylinePtr spline = poly3d({{0, 0, 0}, {1, 2, 3}, {4, 5, 6}}, true);
  spline->splineFit(OdDb::k3dCubicSplinePoly, 4);
  const double fittedLength = length(fitted), splineLength = length(spline);
  const OdDbHandle h2 = fitted->handle(), h3 = spline->handle();
  fitted.release();
  spline.release();
  OdDbDatabasePtr back = odDxfReadString(odDxfWriteString(db), "vertices.dxf");
  OdDb2dPolylinePtr fitted2 = OdDb2dPolyline::cast(back->getOdDbObjectId(h2).openObject());
  OdDb3dPolylinePtr spline2 = OdDb3dPolyline::cast(back->getOdDbObjectId(h3).openObject());
  ASSERT_FALSE(fitted2.isNull());
  ASSERT_FALSE(spline2.isNull());
  EXPECT_EQ(fitted2->polyType(), OdDb::k2dFitCurvePoly);
  EXPECT_EQ(fitted2->elevation(), 2.0);
  EXPECT_EQ(vertices<OdDb2dVertex>(fitted2).size(), 5u);
  EXPECT_EQ(vertices<OdDb2dVertex>(fitted2)[1]->vertexType(), OdDb::k2dCurveFitVertex);
  EXPECT_DOUBLE_EQ(length(fitted2), fittedLength);
  EXPECT_TRUE(spline2->isClosed());
  EXPECT_EQ(spline2->polyType(), OdDb::k3dCubicSplinePoly);
  EXPECT_EQ(vertices<OdDb3dPolylineVertex>(spline2).size(), 3u * 4 + 3);
  EXPECT_DOUBLE_EQ(length(spline2), splineLength);
  // A second write of the unchanged drawing is the same text.
  const std::string once = odDxfWriteString(back);
  EXPECT_EQ(odDxfWriteString(odDxfReadString(once, "again.dxf")), once);
}
