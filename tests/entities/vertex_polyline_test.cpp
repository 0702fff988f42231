// 2D and 3D polylines and their vertices through the extensions: counted and
// stepped vertices, coordinates in the UCS, widths, lengths, fitting and the
// listings.
#include <cmath>
#include "CKdDocument.h"
#include "KdModuleTest.h"
#include "Db/Db2dPolyline.h"
#include "Db/Db3dPolyline.h"
#include "Db/DbLine.h"

using namespace kdtest;

namespace {
struct OldPolylines : ::testing::Test {
  Drawing drawing;
  void SetUp() override { SetActiveKdDocument(drawing.db); }
  void TearDown() override { SetActiveKdDocument(nullptr); }
  OdDb2dPolylinePtr poly2d(std::initializer_list<std::array<double, 2>> points, double width = 0.0) {
    OdDb2dPolylinePtr p = drawing.add(OdDb2dPolyline::createObject());
    for (const auto& pt : points) {
      OdDb2dVertexPtr v = OdDb2dVertex::createObject();
      v->setPosition(OdGePoint3d(pt[0], pt[1], 0));
      v->setStartWidth(width);
      v->setEndWidth(width);
      OdDbObjectId id;
      p->appendVertex(id, v);
    }
    return p;
  }
  OdDb3dPolylinePtr poly3d(std::initializer_list<OdGePoint3d> points) {
    OdDb3dPolylinePtr p = drawing.add(OdDb3dPolyline::createObject());
    for (const OdGePoint3d& pt : points) {
      OdDb3dPolylineVertexPtr v = OdDb3dPolylineVertex::createObject();
      v->setPosition(pt);
      OdDbObjectId id;
      p->appendVertex(id, v);
    }
    return p;
  }
  template <class P>
  static std::vector<OdDbEntityPtr> vertices(const P& p) {
    std::vector<OdDbEntityPtr> out;
    for (OdDbObjectIteratorPtr it = p->vertexIterator(); !it->done(); it->step()) out.push_back(it->entity());
    return out;
  }
  static OdDb2dVertexPtr v2(const OdDbEntityPtr& e) { return OdDb2dVertexPtr(e); }
  // The vertex open for writing, as long as the pointer lives.
  template <class P>
  static OdDb2dVertexPtr writable(const P& p, size_t i) {
    return OdDb2dVertexPtr(vertices(p)[i]->objectId().openObject(OdDb::kForWrite));
  }
  static CKdVariant at(long i) { return CKdVariant(i); }
  static CKdVariant distance(double d) { return CKdVariant(d, true); }
  static CKdVariant choice(long tag) {
    return CKdVariant(CKdVariantCollectionElement(CKdVariant(CKdString(L"x")), CKdVariant(tag)));
  }
  static std::vector<CKdString> labels(const CKdVariant& list) {
    std::vector<CKdString> out;
    for (const auto& e : list.GetCollection().Elements()) out.push_back(e.GetValue().GetString());
    return out;
  }
};
}  // namespace

TEST_F(OldPolylines, TablesNamesAndTheVertexLevel) {
  OdDb2dPolylinePtr p2 = poly2d({{0, 0}, {1, 0}});
  const auto n2 = names(*describe(p2));
  ASSERT_EQ(n2.size(), 21u);
  EXPECT_EQ(n2[8], "General/Thickness");
  EXPECT_EQ(n2[18], "Misc/Fit/Smooth");
  EXPECT_EQ(property(*describe(p2), "Thickness").GetType().GetType(), 2);
  EXPECT_EQ(propertiesOf(p2)->GetDisplayName(p2), L"2D PolyLine");
  OdDb3dPolylinePtr p3 = poly3d({{0, 0, 0}, {1, 1, 1}});
  const auto n3 = names(*describe(p3));
  ASSERT_EQ(n3.size(), 15u);
  EXPECT_EQ(n3[8], "Geometry/Vertex");
  EXPECT_EQ(n3[11], "Geometry/Vertex Z");
  EXPECT_EQ(propertiesOf(p3)->GetDisplayName(p3), L"3D PolyLine");
  EXPECT_EQ(labels(get(p3, "Fit/Smooth")), (std::vector<CKdString>{L"None", L"Quadratic", L"Cubic"}));
  EXPECT_EQ(labels(get(p2, "Fit/Smooth")), (std::vector<CKdString>{L"None", L"Curve fit", L"Quadratic", L"Cubic"}));
  // A vertex: the general properties and the common header, nothing more.
  OdDbEntityPtr vertex = vertices(p2)[0];
  EXPECT_EQ(names(*describe(vertex)).size(), 8u);
  EXPECT_EQ(propertiesOf(vertex)->GetDisplayName(vertex), L"Vertex");
  auto own = list(vertex);
  auto line = list(drawing.add(OdDbLine::createObject()));
  EXPECT_EQ(item(*own, "Object").text, L"VERTEX");
  // The common header, as every entity starts, and nothing after it.
  ASSERT_LT(own->Records().size(), line->Records().size());
  for (size_t i = 0; i < own->Records().size(); ++i) EXPECT_EQ(own->Records()[i].label, line->Records()[i].label);
}

TEST_F(OldPolylines, CurveFitVerticesTakeNoNumberButWidthsStepOverThem) {
  OdDb2dPolylinePtr p = poly2d({{0, -6}, {5, -4}, {9, -7}, {14, -5}}, 0.8);
  ASSERT_EQ(set(p, "Fit/Smooth", choice(1)), 5100);
  ASSERT_EQ(vertices(p).size(), 7u);
  const CKdVariantCollection list = get(p, "Vertex").GetCollection();
  ASSERT_EQ(list.GetCount(), 4);
  EXPECT_EQ(list.GetAt(3).GetTag().GetInt32(), 3);
  EXPECT_TRUE(list.GetAt(3).GetValue().IsEmpty());
  EXPECT_EQ(get(p, "Vertex X", at(1)).GetDouble(), 5.0);  // the second original, not the fit vertex
  EXPECT_EQ(get(p, "Vertex Y", at(3)).GetDouble(), -5.0);
  // Widths: index 1 is the fit vertex between the first two.
  writable(p, 1)->setEndWidth(0.3);
  EXPECT_EQ(get(p, "End segment width", at(1)).GetDouble(), 0.3);
  EXPECT_EQ(get(p, "End segment width", at(2)).GetDouble(), 0.8);  // the second original keeps its width
  EXPECT_EQ(set(p, "Start segment width", distance(-2.0), at(6)), 5100);  // no range check
  EXPECT_EQ(v2(vertices(p)[6])->startWidth(), -2.0);
  EXPECT_TRUE(get(p, "Start segment width", at(7)).IsEmpty());
  EXPECT_EQ(set(p, "Start segment width", distance(1.0), at(7)), 5100);
  EXPECT_TRUE(get(p, "Global width").IsEmpty());
  // Straightening gives the four vertices back.
  ASSERT_EQ(set(p, "Fit/Smooth", choice(0)), 5100);
  EXPECT_EQ(vertices(p).size(), 4u);
  EXPECT_EQ(get(p, "Fit/Smooth").GetCollection().GetSelectedIndex(), 0);
}

TEST_F(OldPolylines, SplineFitShowsNoSegmentWidthsAndComparesTheEnds) {
  OdDb2dPolylinePtr p = poly2d({{0, 0}, {4, 0}, {4, 4}, {8, 4}}, 0.5);
  drawing.db->header().splinesegs = 4;
  ASSERT_EQ(set(p, "Fit/Smooth", choice(3)), 5100);
  EXPECT_EQ(p->polyType(), OdDb::k2dCubicSplinePoly);
  ASSERT_EQ(vertices(p).size(), 5u + 4);
  EXPECT_EQ(get(p, "Fit/Smooth").GetCollection().GetSelectedIndex(), 3);
  EXPECT_TRUE(get(p, "Start segment width", at(0)).IsEmpty());
  EXPECT_EQ(set(p, "End segment width", distance(3.0), at(0)), 5100);
  EXPECT_EQ(v2(vertices(p)[0])->endWidth(), 0.5);
  EXPECT_EQ(get(p, "Global width").GetDouble(), 0.5);  // first start against last end
  writable(p, 8)->setEndWidth(0.7);
  EXPECT_TRUE(get(p, "Global width").IsEmpty());
  // The counted vertices are the frame; the length walks the fit vertices.
  EXPECT_EQ(get(p, "Vertex").GetCollection().GetCount(), 4);
  EXPECT_EQ(get(p, "Vertex X", at(2)).GetDouble(), 4.0);
  double end = 0, curve = 0;
  p->getEndParam(end);
  p->getDistAtParam(end, curve);
  EXPECT_NEAR(get(p, "Length").GetDouble(), curve, 1e-12);
  EXPECT_LT(curve, 12.0);
}

TEST_F(OldPolylines, PlaneCoordinatesInTheUcsAndTheirRule) {
  // In the plane x = 5 (normal along world X): plane X is world Y, plane Y is world Z.
  OdDb2dPolylinePtr p = poly2d({{1, 2}, {3, 4}});
  p->setNormal(OdGeVector3d(1, 0, 0));
  p->setElevation(5);
  EXPECT_TRUE(isReadOnly(p, "Vertex X"));
  EXPECT_FALSE(isReadOnly(p, "Start segment width"));
  // A UCS lying in that plane, moved to (0, 1, 1).
  drawing.db->setCurrentUCS(OdGePoint3d(0, 1, 1), OdGeVector3d(0, 1, 0), OdGeVector3d(0, 0, 1));
  EXPECT_FALSE(isReadOnly(p, "Vertex Y"));
  EXPECT_NEAR(get(p, "Vertex X", at(1)).GetDouble(), 2.0, 1e-12);
  EXPECT_NEAR(get(p, "Vertex Y", at(1)).GetDouble(), 3.0, 1e-12);
  EXPECT_EQ(set(p, "Vertex Y", distance(9), at(1)), 5100);
  const OdGePoint3d moved = v2(vertices(p)[1])->position();
  EXPECT_NEAR(moved.x, 3.0, 1e-12);
  EXPECT_NEAR(moved.y, 10.0, 1e-12);
  EXPECT_NEAR(moved.z, 5.0, 1e-12);
  // No counted vertex with the index: the world origin, seen from the UCS; nothing to edit.
  EXPECT_NEAR(get(p, "Vertex X", at(7)).GetDouble(), -1.0, 1e-12);
  EXPECT_NEAR(get(p, "Vertex Y", at(-1)).GetDouble(), -1.0, 1e-12);
  EXPECT_EQ(set(p, "Vertex X", distance(1), at(7)), -5001);
  // 3D polylines are never read-only, whatever the UCS.
  OdDb3dPolylinePtr p3 = poly3d({{0, 0, 0}, {1, 2, 3}});
  EXPECT_FALSE(isReadOnly(p3, "Vertex X") || isReadOnly(p3, "Vertex Z"));
}

TEST_F(OldPolylines, CommonWidthAndVertexWalkLength) {
  OdDb2dPolylinePtr p = poly2d({{0, 0}, {2, 0}, {2, 2}, {0, 2}}, 0.8);
  EXPECT_EQ(get(p, "Global width").GetDouble(), 0.8);
  EXPECT_EQ(set(p, "Global width", distance(1.5)), 5100);
  for (const auto& v : vertices(p)) EXPECT_TRUE(v2(v)->startWidth() == 1.5 && v2(v)->endWidth() == 1.5);
  writable(p, 0)->setBulge(1.0);  // a half circle out of the first side
  EXPECT_NEAR(get(p, "Length").GetDouble(), 3.141592653589793 + 4, 1e-12);
  ASSERT_EQ(set(p, "Closed", choice(1)), 5100);
  EXPECT_TRUE(p->isClosed());
  // The walk leaves the closing segment out; the area is the curve's.
  EXPECT_NEAR(get(p, "Length").GetDouble(), 3.141592653589793 + 4, 1e-12);
  EXPECT_NEAR(get(p, "Area").GetDouble(), 4 + 3.141592653589793 / 2, 1e-12);
  OdDb2dPolylinePtr single = poly2d({{1, 1}});
  EXPECT_TRUE(get(single, "Length").IsEmpty());
  EXPECT_EQ(set(p, "LineStyleGen", choice(1)), 5100);
  EXPECT_TRUE(p->isLinetypeGenerationOn());
  EXPECT_EQ(set(p, "LineStyleGen", CKdVariant(1.0, false)), -5001);
}

TEST_F(OldPolylines, ListingOf2dPolylines) {
  OdDb2dPolylinePtr p = poly2d({{0, 0}, {3, 0}, {3, 4}}, 0.25);
  auto open = list(p);
  EXPECT_EQ(item(*open, "PolyLine Flags").text, L"Open");
  EXPECT_FALSE(hasItem(*open, "Area"));
  EXPECT_EQ(item(*open, "starting width").number, 0.25);
  EXPECT_EQ(item(*open, "Length").number, 7.0);
  int vertexLines = 0;
  for (const CKdPrintRecord& r : open->Records()) vertexLines += r.label == L"VERTEX" && r.text == L" ";
  EXPECT_EQ(vertexLines, 3);
  EXPECT_TRUE(hasItem(*open, "at point"));
  EXPECT_EQ(item(*open, "Handle").text, CKdString(p->handle().ascii()));  // the polyline's own comes first
  p->makeClosed();
  writable(p, 2)->setEndWidth(1.0);
  auto closed = list(p);
  EXPECT_EQ(item(*closed, "Area").number, 6.0);
  EXPECT_EQ(item(*closed, "starting width").number, 0.0);  // the widths differ
  CKdPrintRecorder limited(drawing.db);
  limited.SetCounterLimit(1);
  listingOf(p)->PrintObjectInfo(p, &limited);
  vertexLines = 0;
  for (const CKdPrintRecord& r : limited.Records()) vertexLines += r.label == L"VERTEX";
  EXPECT_EQ(vertexLines, 2);
}

TEST_F(OldPolylines, ThreeDimensionalVerticesLengthAndListing) {
  OdDb3dPolylinePtr p = poly3d({{20, 0, 0}, {20, 0, 2.5}, {28, 0, 2.5}, {28, 6, 2.5}});
  const CKdVariantCollection list = get(p, "Vertex").GetCollection();
  ASSERT_EQ(list.GetCount(), 4);
  EXPECT_EQ(list.GetAt(1).GetValue().GetPoint3d(), OdGePoint3d(20, 0, 2.5));
  drawing.db->setCurrentUCS(OdGePoint3d(0, 0, 1), OdGeVector3d(1, 0, 0), OdGeVector3d(0, 1, 0));
  EXPECT_NEAR(get(p, "Vertex Z", at(2)).GetDouble(), 1.5, 1e-12);
  EXPECT_EQ(set(p, "Vertex Z", distance(4), at(2)), 5100);
  EXPECT_EQ(OdDb3dPolylineVertexPtr(vertices(p)[2])->position(), OdGePoint3d(28, 0, 5));
  EXPECT_TRUE(get(p, "Vertex X", at(4)).IsEmpty());
  EXPECT_EQ(set(p, "Vertex X", distance(4), at(4)), -5001);
  EXPECT_NEAR(get(p, "Length").GetDouble(), 2.5 + std::sqrt(64 + 6.25) + std::sqrt(36 + 6.25), 1e-12);
  // Spline fitting: the property measures the spline, the listing the fit vertices.
  drawing.db->header().splinesegs = 16;
  ASSERT_EQ(set(p, "Fit/Smooth", choice(2)), 5100);
  EXPECT_EQ(p->polyType(), OdDb::k3dCubicSplinePoly);
  const double spline = get(p, "Length").GetDouble();
  auto listing = kdtest::list(p);
  const double chords = item(*listing, "Length").number;
  EXPECT_GT(spline, chords);
  EXPECT_NEAR(spline, chords, 1e-2 * spline);
  EXPECT_TRUE(hasItem(*listing, "Area"));
  EXPECT_TRUE(hasItem(*listing, "Point 21"));  // 17 fit vertices and the frame's 4
  EXPECT_FALSE(hasItem(*listing, "Point 22"));
  EXPECT_EQ(item(*listing, "Point 1").point, OdGePoint3d(20, 0, 0));
  ASSERT_EQ(set(p, "Fit/Smooth", choice(0)), 5100);
  EXPECT_EQ(vertices(p).size(), 4u);
  EXPECT_EQ(set(p, "Closed", choice(1)), 5100);
  EXPECT_EQ(get(p, "Closed").GetCollection().GetSelectedIndex(), 0);
}

TEST_F(OldPolylines, GeneralEditsReachTheVerticesAndClosedSplinesWrapAround) {
  OdDb2dPolylinePtr p = poly2d({{0, 0}, {4, 0}, {4, 4}, {0, 4}});
  EXPECT_EQ(set(p, "LineColor", CKdVariant(OdCmColor::fromIndex(3))), 5100);
  for (const auto& v : vertices(p)) EXPECT_EQ(v->colorIndex(), 3);
  // A closed cubic over a square: a periodic curve, 4 spans of 8 fit vertices, inside the frame.
  p->makeClosed();
  drawing.db->header().splinesegs = 8;
  ASSERT_EQ(set(p, "Fit/Smooth", choice(3)), 5100);
  ASSERT_EQ(vertices(p).size(), 32u + 4);
  double area = 0;
  p->getArea(area);
  EXPECT_GT(area, 8.0);  // more than the square through the frame's mid-sides, less than the frame
  EXPECT_LT(area, 16.0) << area;
  for (size_t i = 0; i < 32; ++i) {
    const OdGePoint3d at = v2(vertices(p)[i])->position();
    EXPECT_TRUE(at.x > 0 && at.x < 4 && at.y > 0 && at.y < 4) << i;
  }
  // 3D listings stop where the counter says.
  OdDb3dPolylinePtr p3 = poly3d({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {1, 1, 1}});
  CKdPrintRecorder limited(drawing.db);
  limited.SetCounterLimit(2);
  listingOf(p3)->PrintObjectInfo(p3, &limited);
  EXPECT_TRUE(hasItem(limited, "Point 3"));
  EXPECT_FALSE(hasItem(limited, "Point 4"));
}
