// Polylines through their extensions: the vertex list and indexed vertex,
// UCS coordinates and the UCS-plane rule, segment and common widths, area
// text, length, flags and the listings.
#include <cmath>
#include "CKdDocument.h"
#include "KdModuleTest.h"
#include "Db/DbPolyline.h"

using namespace kdtest;

namespace {
const double kPi = 3.141592653589793;

struct PolylineProperties : ::testing::Test {
  Drawing drawing;
  void SetUp() override {
    GetKdSystemServices()->ClearRecords();
    SetActiveKdDocument(drawing.db);
  }
  void TearDown() override { SetActiveKdDocument(nullptr); }
  OdDbPolylinePtr lw(std::initializer_list<std::array<double, 3>> vertices, bool closed) {
    OdDbPolylinePtr p = drawing.add(OdDbPolyline::createObject());
    for (const auto& v : vertices) p->addVertexAt(p->numVerts(), OdGePoint2d(v[0], v[1]), v[2]);
    p->setClosed(closed);
    return p;
  }
  static CKdVariant at(long index) { return CKdVariant(index); }
  static CKdVariant distance(double d) { return CKdVariant(d, true); }
  static CKdVariant choice(long tag) {
    return CKdVariant(CKdVariantCollectionElement(CKdVariant(CKdString(L"x")), CKdVariant(tag)));
  }
  static void widths(const OdDbPolyline& p, unsigned i, double& s, double& e) { p.getWidthsAt(i, s, e); }
};
}  // namespace

TEST_F(PolylineProperties, TableAfterTheGeneralProperties) {
  OdDbPolylinePtr p = lw({{0, 0, 0}, {1, 0, 0}}, false);
  auto container = describe(p);
  const auto list = names(*container);
  ASSERT_EQ(list.size(), 20u);
  EXPECT_EQ(list[8], "General/Thickness");
  EXPECT_EQ(list[9], "Geometry/Vertex");
  EXPECT_EQ(list[16], "Geometry/Area");
  EXPECT_EQ(list[19], "Misc/LineStyleGen");
  EXPECT_EQ(container->GetAt(9)->GetType().GetType(), 6);
  EXPECT_EQ(container->GetAt(9)->GetType().GetCustomTypeGuid(), CKdString(CKdPropertyType::kVertexGUID));
  EXPECT_EQ(container->GetAt(12)->GetType().GetCustomTypeGuid(), CKdString(CKdPropertyType::kVertexStartWidthGUID));
  EXPECT_EQ(container->GetAt(19)->GetIcon().path(), L":/Misc/Misc_LTGeneration.png");
  EXPECT_TRUE(container->GetAt(16)->IsReadOnly(p) && container->GetAt(17)->IsReadOnly(p));
  EXPECT_EQ(propertiesOf(p)->GetDisplayName(p), L"PolyLine");
}

TEST_F(PolylineProperties, EmptyPolylineAndIndicesBeyondTheVertices) {
  OdDbPolylinePtr empty = drawing.add(OdDbPolyline::createObject());
  const CKdVariant list = get(empty, "Vertex");
  ASSERT_EQ(list.GetType(), CKdVariant::kCollection);
  EXPECT_EQ(list.GetCollection().GetCount(), 0);
  for (const char* name : {"Vertex X", "Vertex Y", "Start segment width", "End segment width", "Global width"})
    EXPECT_TRUE(get(empty, name).IsEmpty()) << name;
  EXPECT_EQ(get(empty, "Length").GetDouble(), 0.0);

  OdDbPolylinePtr p = lw({{0, 0, 0}, {4, 0, 0}}, false);
  for (long index : {2L, -1L, 1000000000L}) {
    EXPECT_TRUE(get(p, "Vertex X", at(index)).IsEmpty());
    EXPECT_TRUE(get(p, "End segment width", at(index)).IsEmpty());
    EXPECT_EQ(set(p, "Vertex Y", distance(5), at(index)), -5001);
    EXPECT_EQ(set(p, "Start segment width", distance(1), at(index)), -5001);
  }
  // A context that is no integer addresses vertex 0.
  EXPECT_EQ(get(p, "Vertex X", CKdVariant(1.0, false)).GetDouble(), 0.0);
  EXPECT_EQ(get(p, "Vertex X", at(1)).GetDouble(), 4.0);
}

TEST_F(PolylineProperties, VertexListAndCoordinatesInTheUcs) {
  OdDbPolylinePtr p = lw({{1, 2, 0}, {5, 2, 0}, {5, 7, 0}}, false);
  p->setElevation(3);
  const CKdVariantCollection list = get(p, "Vertex").GetCollection();
  ASSERT_EQ(list.GetCount(), 3);
  EXPECT_EQ(list.GetSelectedIndex(), 0);
  EXPECT_EQ(list.GetAt(2).GetValue().GetPoint3d(), OdGePoint3d(5, 7, 3));  // world, elevation included
  EXPECT_EQ(list.GetAt(2).GetTag().GetInt32(), 2);
  EXPECT_EQ(set(p, "Vertex", CKdVariant(CKdString(L"anything"))), 5100);

  // A UCS turned by 30 degrees about Z and moved: coordinates shown and entered there.
  const double c = std::cos(kPi / 6), s = std::sin(kPi / 6);
  drawing.db->setCurrentUCS(OdGePoint3d(1, 1, 0), OdGeVector3d(c, s, 0), OdGeVector3d(-s, c, 0));
  const double x = get(p, "Vertex X", at(1)).GetDouble(), y = get(p, "Vertex Y", at(1)).GetDouble();
  EXPECT_NEAR(x, 4 * c + 1 * s, 1e-12);
  EXPECT_NEAR(y, -4 * s + 1 * c, 1e-12);
  // The value already shown writes nothing, not even the round trip's last bits.
  EXPECT_EQ(set(p, "Vertex X", distance(x), at(1)), 5100);
  OdGePoint2d v;
  p->getPointAt(1, v);
  EXPECT_TRUE(v.x == 5.0 && v.y == 2.0);
  // A new UCS X moves the vertex along the UCS X axis, within the plane; the elevation stays.
  EXPECT_EQ(set(p, "Vertex X", distance(x + 2), at(1)), 5100);
  p->getPointAt(1, v);
  EXPECT_NEAR(v.x, 5 + 2 * c, 1e-12);
  EXPECT_NEAR(v.y, 2 + 2 * s, 1e-12);
  EXPECT_EQ(p->elevation(), 3.0);
  EXPECT_EQ(set(p, "Vertex X", CKdVariant(CKdString(L"1")), at(1)), -5001);
}

TEST_F(PolylineProperties, CoordinatesAreReadOnlyOutsideTheUcsPlane) {
  OdDbPolylinePtr p = lw({{0, 0, 0}, {1, 1, 0}}, false);
  EXPECT_FALSE(isReadOnly(p, "Vertex X"));
  p->setNormal(OdGeVector3d(0, 1, 1));
  EXPECT_TRUE(isReadOnly(p, "Vertex X"));
  EXPECT_TRUE(isReadOnly(p, "Vertex Y"));
  EXPECT_FALSE(isReadOnly(p, "Start segment width"));
  // The UCS that lies in the polyline's plane makes them editable again.
  drawing.db->setCurrentUCS(OdGePoint3d(0, 0, 0), OdGeVector3d(1, 0, 0), OdGeVector3d(0, 1, -1));
  EXPECT_FALSE(isReadOnly(p, "Vertex X"));
  p->setNormal(OdGeVector3d(0, -1, -1));  // parallel but opposite
  EXPECT_TRUE(isReadOnly(p, "Vertex Y"));
}

TEST_F(PolylineProperties, SegmentWidthEditLeavesConstantWidthMode) {
  OdDbPolylinePtr p = lw({{0, 0, 0}, {4, 0, 0}, {4, 3, 0}, {0, 3, 0}}, true);
  p->setWidthsAt(1, 0.5, 0.7);  // stored, hidden while the constant width rules
  p->setConstantWidth(2);
  EXPECT_EQ(get(p, "Global width").GetDouble(), 2.0);
  EXPECT_EQ(get(p, "Start segment width", at(1)).GetDouble(), 0.5);
  EXPECT_EQ(set(p, "Start segment width", distance(1.5), at(1)), 5100);
  EXPECT_EQ(p->getConstantWidth(), 0.0);
  double s = 0, e = 0;
  for (unsigned i : {0u, 2u, 3u}) {
    widths(*p, i, s, e);
    EXPECT_TRUE(s == 2.0 && e == 2.0) << i;
  }
  widths(*p, 1, s, e);
  EXPECT_TRUE(s == 1.5 && e == 0.7);
  EXPECT_TRUE(get(p, "Global width").IsEmpty());  // the widths now vary
  EXPECT_EQ(set(p, "End segment width", distance(2.0), at(1)), 5100);
  widths(*p, 1, s, e);
  EXPECT_TRUE(s == 1.5 && e == 2.0);
  // Refused widths change nothing.
  for (double bad : {-0.1, std::nan(""), HUGE_VAL}) EXPECT_EQ(set(p, "End segment width", distance(bad), at(1)), -5001);
  widths(*p, 1, s, e);
  EXPECT_EQ(e, 2.0);
  // Global width: any double, the segments keep theirs.
  EXPECT_EQ(set(p, "Global width", distance(0.25)), 5100);
  EXPECT_EQ(get(p, "Global width").GetDouble(), 0.25);

  // One vertex, open: the constant width is cleared and nothing else written.
  OdDbPolylinePtr one = lw({{1, 1, 0}}, false);
  one->setWidthsAt(0, 0.3, 0.4);
  one->setConstantWidth(3);
  EXPECT_EQ(set(one, "Start segment width", distance(9), at(0)), 5100);
  EXPECT_EQ(one->getConstantWidth(), 0.0);
  widths(*one, 0, s, e);
  EXPECT_TRUE(s == 0.3 && e == 0.4);
}

TEST_F(PolylineProperties, CommonWidthWhenEverySegmentAgrees) {
  OdDbPolylinePtr p = lw({{0, 0, 0}, {4, 0, 0}, {4, 3, 0}}, false);
  for (unsigned i = 0; i < 3; ++i) p->setWidthsAt(i, 0.5, 0.5);
  EXPECT_EQ(get(p, "Global width").GetDouble(), 0.5);
  p->setWidthsAt(2, 0.1, 0.9);  // the end vertex of an open polyline starts no segment
  EXPECT_EQ(get(p, "Global width").GetDouble(), 0.5);
  p->setClosed(true);
  EXPECT_TRUE(get(p, "Global width").IsEmpty());
}

TEST_F(PolylineProperties, AreaTextLengthAndFlags) {
  // 12 by 24 inches with a half-circle bay on the top edge.
  OdDbPolylinePtr p = lw({{0, 0, 0}, {12, 0, 0}, {12, 24, 0}, {0, 24, 0}}, true);
  drawing.db->header().lunits = 4;
  EXPECT_EQ(get(p, "Area").GetString(), L"288.0000 sq. in. (2.0000 sq. ft.)");
  drawing.db->header().lunits = 3;
  drawing.db->header().luprec = 2;
  EXPECT_EQ(get(p, "Area").GetString(), L"288.00 sq. in. (2.00 sq. ft.)");
  drawing.db->header().lunits = 2;
  p->setBulgeAt(2, 1.0);
  EXPECT_EQ(get(p, "Area").GetString(), CKdString(L"344.55"));  // 288 + 18 pi
  drawing.db->header().lunits = 1;
  EXPECT_EQ(get(p, "Area").GetString(), CKdString(L"3.45E+02"));
  EXPECT_NEAR(get(p, "Length").GetDouble(), 12 + 24 + 6 * kPi + 24, 1e-12);
  p->setClosed(false);
  EXPECT_NEAR(get(p, "Length").GetDouble(), 12 + 24 + 6 * kPi, 1e-12);

  const CKdVariantCollection closed = get(p, "Closed").GetCollection();
  EXPECT_EQ(closed.GetSelectedIndex(), 1);
  EXPECT_EQ(closed.GetAt(0).GetTag().GetInt32(), 1);
  EXPECT_EQ(set(p, "Closed", choice(1)), 5100);
  EXPECT_TRUE(p->isClosed());
  EXPECT_EQ(set(p, "Closed", choice(7)), 5100);
  EXPECT_TRUE(p->isClosed());
  EXPECT_EQ(set(p, "Closed", CKdVariant(1L)), -5001);
  EXPECT_EQ(get(p, "LineStyleGen").GetCollection().GetAt(1).GetValue().GetString(), L"Disabled");
  EXPECT_EQ(set(p, "LineStyleGen", choice(1)), 5100);
  EXPECT_TRUE(p->hasPlinegen());
  EXPECT_EQ(get(p, "LineStyleGen").GetCollection().GetSelectedIndex(), 0);
}

TEST_F(PolylineProperties, ListingOfOpenAndClosedPolylines) {
  OdDbPolylinePtr p = lw({{0, 0, 0}, {3, 0, 0}, {3, 4, 0}}, false);
  auto open = list(p);
  EXPECT_EQ(item(*open, "PolyLine Flags").text, L"Open");
  EXPECT_EQ(item(*open, "Area").number, 0.0);
  EXPECT_EQ(item(*open, "Perimeter").number, 7.0);
  EXPECT_EQ(item(*open, "Location 2").point, OdGePoint3d(3, 4, 0));
  p->setClosed(true);
  auto closed = list(p);
  EXPECT_EQ(item(*closed, "Area").number, 6.0);
  EXPECT_EQ(item(*closed, "Perimeter").number, 12.0);
  // The counter stops the vertex lines.
  CKdPrintRecorder limited(drawing.db);
  limited.SetCounterLimit(1);
  listingOf(p)->PrintObjectInfo(p, &limited);
  EXPECT_TRUE(hasItem(limited, "Location 0"));
  EXPECT_TRUE(hasItem(limited, "Location 1"));
  EXPECT_FALSE(hasItem(limited, "Location 2"));
}
