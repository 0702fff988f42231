// Lightweight polylines: segments, parameters, lengths and areas with arc
// segments against values computed independently (fine chords of each arc).
#include <gtest/gtest.h>
#include <cmath>
#include <vector>
#include "Db/DbPolyline.h"
#include "Dxf/DxfFiler.h"
#include "Ge/GeCircArc2d.h"
#include "Ge/GeLineSeg2d.h"

namespace {
const double kPi = 3.14159265358979323846;
struct V {
  double x, y, bulge;
};

OdDbPolylinePtr make(const std::vector<V>& vs, bool closed) {
  OdDbPolylinePtr p = OdDbPolyline::createObject();
  for (const V& v : vs) p->addVertexAt(p->numVerts(), OdGePoint2d(v.x, v.y), v.bulge);
  p->setClosed(closed);
  return p;
}

// The outline as many points: each arc cut into chords from its centre and
// sweep worked out here by elementary geometry (not by the SDK's arc).
std::vector<OdGePoint2d> outline(const std::vector<V>& vs, bool closed) {
  std::vector<OdGePoint2d> pts;
  const size_t n = vs.size(), segs = closed ? n : n - 1;
  for (size_t i = 0; i < segs; ++i) {
    const V& a = vs[i];
    const V& b = vs[(i + 1) % n];
    pts.push_back(OdGePoint2d(a.x, a.y));
    if (a.bulge == 0.0) continue;
    const double theta = 4.0 * std::atan(a.bulge);  // signed sweep
    const double mx = 0.5 * (a.x + b.x), my = 0.5 * (a.y + b.y);
    const double dx = b.x - a.x, dy = b.y - a.y, c = std::hypot(dx, dy);
    const double h = 0.5 * c / std::tan(0.5 * theta);  // centre offset to the left of the chord
    const double cx = mx - dy / c * h, cy = my + dx / c * h;
    const double r = std::hypot(a.x - cx, a.y - cy), a0 = std::atan2(a.y - cy, a.x - cx);
    for (int k = 1; k < 20000; ++k) {
      const double t = a0 + theta * k / 20000.0;
      pts.push_back(OdGePoint2d(cx + r * std::cos(t), cy + r * std::sin(t)));
    }
  }
  if (!closed) pts.push_back(OdGePoint2d(vs.back().x, vs.back().y));
  return pts;
}
double polygonArea(const std::vector<OdGePoint2d>& p) {
  double s = 0;
  for (size_t i = 0; i < p.size(); ++i) s += p[i].x * p[(i + 1) % p.size()].y - p[(i + 1) % p.size()].x * p[i].y;
  return std::fabs(0.5 * s);
}
double pathLength(const std::vector<OdGePoint2d>& p, bool closed) {
  double s = 0;
  for (size_t i = 0; i + 1 < p.size(); ++i) s += p[i].distanceTo(p[i + 1]);
  if (closed) s += p.back().distanceTo(p.front());
  return s;
}
double length(const OdDbPolyline& p) {
  double end = 0, d = 0;
  EXPECT_EQ(p.getEndParam(end), eOk);
  EXPECT_EQ(p.getDistAtParam(end, d), eOk);
  return d;
}
}  // namespace

TEST(SdkPolyline, AreasAndLengthsWithArcSegmentsMatchIndependentValues) {
  const std::vector<std::vector<V>> shapes = {
      {{0, 0, 1}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}},             // semicircle bulging out of a square
      {{0, 0, -1}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}},            // the same bulging in
      {{0, 0, 1}, {2, 0, 1}},                                   // a circle of two halves
      {{0, 0, 0.3}, {5, 1, -0.7}, {4, 4, 2.5}, {-1, 3, 0.1}},   // mixed, one arc beyond a half turn
      {{0, 0, 0}, {0, 2, 0}, {2, 2, 0}, {2, 0, 0.41421356}},    // clockwise outline, quarter arc
  };
  for (const auto& s : shapes) {
    for (bool closed : {true, false}) {
      SCOPED_TRACE(testing::Message() << s.size() << " vertices, closed " << closed);
      OdDbPolylinePtr p = make(s, closed);
      double area = 0;
      ASSERT_EQ(p->getArea(area), eOk);
      const std::vector<OdGePoint2d> pts = outline(s, closed);
      EXPECT_NEAR(area, polygonArea(pts), 1e-6 * (1 + area));
      EXPECT_NEAR(length(*p), pathLength(pts, closed), 1e-6 * length(*p));
    }
  }
  // Hand values for the first two.
  double area = 0;
  make(shapes[0], true)->getArea(area);
  EXPECT_NEAR(area, 4 + kPi / 2, 1e-12);
  make(shapes[1], true)->getArea(area);
  EXPECT_NEAR(area, 4 - kPi / 2, 1e-12);
  EXPECT_NEAR(length(*make(shapes[2], true)), 2 * kPi, 1e-12);
}

TEST(SdkPolyline, SegmentsParametersAndIndexChecks) {
  OdDbPolylinePtr p = make({{0, 0, 0}, {3, 4, 1}, {3, 4, 0}, {6, 4, 0}}, false);
  EXPECT_EQ(p->segType(0), OdDbPolyline::kLine);
  EXPECT_EQ(p->segType(1), OdDbPolyline::kCoincident);
  EXPECT_EQ(p->segType(3), OdDbPolyline::kPoint);  // the end of an open polyline
  EXPECT_EQ(p->segType(4), OdDbPolyline::kEmpty);
  OdGeLineSeg2d line;
  ASSERT_EQ(p->getLineSegAt(0, line), eOk);
  EXPECT_DOUBLE_EQ(line.length(), 5.0);
  OdGeCircArc2d arc;
  EXPECT_EQ(p->getArcSegAt(0, arc), eInvalidIndex);
  p->setClosed(true);
  EXPECT_EQ(p->segType(3), OdDbPolyline::kLine);  // the closing segment
  double end = 0;
  p->getEndParam(end);
  EXPECT_EQ(end, 4.0);
  OdGePoint3d at;
  ASSERT_EQ(p->getPointAtParam(3.5, at), eOk);
  EXPECT_TRUE(at.isEqualTo(OdGePoint3d(3, 2, 0)));
  EXPECT_NEAR(length(*p), 5 + 3 + 7.2111025509279782, 1e-12);
  // Indices beyond the vertices never reach them; refused values change nothing.
  OdGePoint2d q;
  double s = 1, e = 1;
  EXPECT_EQ(p->getPointAt(4, q), eInvalidIndex);
  EXPECT_EQ(p->setPointAt(99, OdGePoint2d(1, 1)), eInvalidIndex);
  EXPECT_EQ(p->getWidthsAt(4, s, e), eInvalidIndex);
  EXPECT_EQ(p->setWidthsAt(0, -1.0, 2.0), eInvalidInput);
  EXPECT_EQ(p->setPointAt(0, OdGePoint2d(std::nan(""), 0)), eInvalidInput);
  p->getWidthsAt(0, s, e);
  EXPECT_EQ(s, 0.0);
  EXPECT_EQ(p->getPointAtParam(4.5, at), eInvalidInput);
  // No vertices: no parameters, no points, area 0.
  OdDbPolylinePtr empty = OdDbPolyline::createObject();
  EXPECT_EQ(empty->getEndParam(end), eDegenerateGeometry);
  double area = 1;
  EXPECT_EQ(empty->getArea(area), eOk);
  EXPECT_EQ(area, 0.0);
}

TEST(SdkPolyline, WorldPointsLieInThePlaneAtTheElevation) {
  OdDbPolylinePtr p = make({{1, 2, 0}, {4, 6, 0}}, false);
  p->setElevation(3.0);
  OdGePoint3d w;
  p->getPointAt(1, w);
  EXPECT_TRUE(w.isEqualTo(OdGePoint3d(4, 6, 3)));
  // Normal along world X: plane X is world Y, plane Y is world Z, elevation along X.
  p->setNormal(OdGeVector3d(2, 0, 0));
  p->getPointAt(1, w);
  EXPECT_TRUE(w.isEqualTo(OdGePoint3d(3, 4, 6))) << w.x << " " << w.y << " " << w.z;
  EXPECT_NEAR(length(*p), 5.0, 1e-12);
}
