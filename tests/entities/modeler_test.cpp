// Solids, bodies, regions and surfaces through their extensions: what the
// modeller data gives (areas and perimeters of lines, circles and ellipses,
// extents with the curves' extremes and the bodies' placement), what it
// cannot give (empty values, never a crash), the surface kinds' rows on the
// surface rows, their parameters, and both forms of the data in a save.
#include <cmath>
#include <cstdio>
#include <string>

#include "KdModuleTest.h"
#include "Db/DbModelerEntities.h"
#include "Dxf/DxfFile.h"

using namespace kdtest;

namespace {
typedef OdDbModelerBuilder B;

// A plate 6 x 4 with a hole of radius 1: 24 - pi, 20 + 2 pi.
OdDbModelerData plate(bool binary) {
  B b;
  const int p0 = b.addPoint(OdGePoint3d(0, 0, 0)), p1 = b.addPoint(OdGePoint3d(6, 0, 0));
  const int p2 = b.addPoint(OdGePoint3d(6, 4, 0)), p3 = b.addPoint(OdGePoint3d(0, 4, 0));
  const int h = b.addPoint(OdGePoint3d(4, 2, 0));
  b.addFace(OdGePoint3d(), OdGeVector3d::kZAxis,
            {{{p0, p1, false, {}, false}, {p1, p2, false, {}, false}, {p2, p3, false, {}, false}, {p3, p0, false, {}, false}},
             {{h, h, true, OdGePoint3d(3, 2, 0), true}}});
  return b.build(false, binary);
}

std::string num(double d) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.17g", d);
  return buf;
}

OdDbModelerData text(std::vector<std::string> lines) {
  OdDbModelerData d;
  d.setText(std::move(lines));
  return d;
}

// One face bounded by one closed edge of an ellipse of semi-axes 3 and 1,
// centred at (5, 5, 0) with its major axis turned 30 degrees (older layout).
OdDbModelerData ellipseFace() {
  const double c = std::cos(M_PI / 6) * 3, s = std::sin(M_PI / 6) * 3;
  return text({"400 0 1 0", "@8 test kit @12 ACIS 4.00 NT @24 Thu Jan  1 00:00:00 1970", "1 1e-06 1e-10",
               "body $-1 $1 $-1 $-1 #", "lump $-1 $-1 $2 $0 #", "shell $-1 $-1 $-1 $3 $-1 $1 #",
               "face $-1 $-1 $4 $2 $-1 $5 forward double out #", "loop $-1 $-1 $6 $3 #",
               "plane-surface $-1 5 5 0 0 0 1 1 0 0 forward_v I I I I #", "coedge $-1 $6 $6 $-1 $7 forward $4 $-1 #",
               "edge $-1 $8 $8 $6 $9 forward #", "vertex $-1 $7 $10 #",
               "ellipse-curve $-1 5 5 0 0 0 1 " + num(c) + " " + num(s) + " 0 " + num(1.0 / 3) + " I I #",
               "point $-1 " + num(5 + c) + " " + num(5 + s) + " 0 #", "End-of-ACIS-data"});
}

// Half a unit disc above the X axis: a line from (1, 0) to (-1, 0) and an
// arc back through (0, 1) that runs against its circle's direction.
OdDbModelerData halfDisc() {
  return text({"400 0 1 0", "@8 test kit @12 ACIS 4.00 NT @24 Thu Jan  1 00:00:00 1970", "1 1e-06 1e-10",
               "body $-1 $1 $-1 $-1 #", "lump $-1 $-1 $2 $0 #", "shell $-1 $-1 $-1 $3 $-1 $1 #",
               "face $-1 $-1 $4 $2 $-1 $5 forward double out #", "loop $-1 $-1 $6 $3 #",
               "plane-surface $-1 0 0 0 0 0 1 1 0 0 forward_v I I I I #",
               "coedge $-1 $7 $7 $-1 $8 forward $4 $-1 #", "coedge $-1 $6 $6 $-1 $9 forward $4 $-1 #",
               "edge $-1 $10 $11 $6 $12 forward #", "edge $-1 $11 $10 $7 $13 reversed #",
               "vertex $-1 $8 $14 #", "vertex $-1 $8 $15 #", "straight-curve $-1 1 0 0 -1 0 0 I I #",
               "ellipse-curve $-1 0 0 0 0 0 1 1 0 0 1 I I #", "point $-1 1 0 0 #", "point $-1 -1 0 0 #",
               "End-of-ACIS-data"});
}

struct ModelledShapes : ::testing::Test {
  Drawing drawing;
  OdDbRegionPtr region(const OdDbModelerData& data) {
    OdDbRegionPtr r = drawing.add(OdDbRegion::createObject());
    r->setModelerData(data);
    return r;
  }
  double number(const OdDbObject* o, const char* name) {
    const CKdVariant v = get(o, name);
    EXPECT_EQ(v.GetType(), CKdVariant::kDouble) << name;
    return v.GetDouble();
  }
};
}  // namespace

TEST_F(ModelledShapes, RegionsMeasureLinesCirclesAndEllipses) {
  for (bool binary : {false, true}) {
    OdDbRegionPtr r = region(plate(binary));
    EXPECT_NEAR(number(r, "Area"), 24 - M_PI, 1e-12) << binary;
    EXPECT_NEAR(number(r, "Perimeter"), 20 + 2 * M_PI, 1e-12) << binary;
    EXPECT_TRUE(get(r, "Area").IsDistance());
    EXPECT_TRUE(isReadOnly(r, "Area"));
  }
  // The ellipse: pi a b, Ramanujan's close estimate of its perimeter, and a
  // box reaching the turned ellipse's extremes (half-widths from the axes).
  OdDbRegionPtr e = region(ellipseFace());
  EXPECT_NEAR(number(e, "Area"), M_PI * 3 * 1, 1e-12);
  const double h = std::pow((3.0 - 1) / (3.0 + 1), 2);
  EXPECT_NEAR(number(e, "Perimeter"), M_PI * 4 * (1 + 3 * h / (10 + std::sqrt(4 - 3 * h))), 1e-5);
  const auto listing = list(e);
  const double hx = std::sqrt(9 * std::pow(std::cos(M_PI / 6), 2) + std::pow(std::sin(M_PI / 6), 2));
  const double hy = std::sqrt(9 * std::pow(std::sin(M_PI / 6), 2) + std::pow(std::cos(M_PI / 6), 2));
  EXPECT_NEAR(item(*listing, "Bounding Box Lower Bound").point.x, 5 - hx, 1e-5);
  EXPECT_NEAR(item(*listing, "Upper Bound").point.y, 5 + hy, 1e-5);
  EXPECT_EQ(item(*listing, "Area").operation, CKdPrintRecord::kArea);
  EXPECT_EQ(item(*listing, "Perimeter").operation, CKdPrintRecord::kDist);

  // An edge running against its curve takes the upper half, not the lower.
  OdDbRegionPtr half = region(halfDisc());
  EXPECT_NEAR(number(half, "Area"), M_PI / 2, 1e-12);
  EXPECT_NEAR(number(half, "Perimeter"), 2 + M_PI, 1e-9);
  const auto halfListing = list(half);
  EXPECT_NEAR(item(*halfListing, "Upper Bound").point.y, 1.0, 1e-12);
  EXPECT_NEAR(item(*halfListing, "Bounding Box Lower Bound").point.y, 0.0, 1e-12);
}

TEST_F(ModelledShapes, SolidsListTheirCentreWherePlacedAndBodiesOnlyTheHeader) {
  B b;
  b.addBox(OdGePoint3d(1, 2, 3), OdGePoint3d(5, 4, 4));
  OdDb3dSolidPtr solid = drawing.add(OdDb3dSolid::createObject());
  solid->setModelerData(b.build(true, true));
  EXPECT_EQ(describe(solid)->GetCount(), 8);
  EXPECT_EQ(item(*list(solid), "Position").point, OdGePoint3d(3, 3, 3.5));

  // The same box placed by its body's transform: turned a quarter about Z, moved by (10, 0, 0).
  std::vector<std::string> lines = b.build(true, false).textLines();
  for (std::string& line : lines)
    if (line.rfind("body ", 0) == 0) line = "body $-1 -1 $-1 $1 $-1 $99 #";
  lines.insert(lines.end() - 1, "transform $-1 -1 0 1 0 -1 0 0 0 0 1 10 0 0 1 rotate no_reflect no_shear #");
  OdDb3dSolidPtr placed = drawing.add(OdDb3dSolid::createObject());
  OdDbModelerData data;
  std::string all;
  for (const std::string& l : lines) all += l + "\n";
  // The transform record goes last; the body names it by its number.
  const int transformAt = int(lines.size()) - 5;  // three header lines, the end marker, itself
  all.replace(all.find("$99"), 3, "$" + std::to_string(transformAt));
  std::vector<std::string> split;
  for (size_t from = 0, at; (at = all.find('\n', from)) != std::string::npos; from = at + 1) split.push_back(all.substr(from, at - from));
  data.setText(split);
  placed->setModelerData(data);
  // (x, y) -> (-y, x) + (10, 0): the centre (3, 3) goes to (7, 3).
  const OdGePoint3d c = item(*list(placed), "Position").point;
  EXPECT_NEAR(c.x, 7, 1e-12);
  EXPECT_NEAR(c.y, 3, 1e-12);
  EXPECT_NEAR(c.z, 3.5, 1e-12);

  OdDbBodyPtr body = drawing.add(OdDbBody::createObject());
  body->setModelerData(b.build(true, false));
  EXPECT_EQ(list(body)->Records().size(), list(drawing.add(OdDbBody::createObject()))->Records().size());
  EXPECT_FALSE(hasItem(*list(body), "Position"));
}

TEST_F(ModelledShapes, DataTheReaderCannotFollowGivesEmptyValuesNeverACrash) {
  // Curves it cannot integrate: a spline edge.
  std::vector<std::string> lines = halfDisc().textLines();
  for (std::string& l : lines)
    if (l.rfind("ellipse-curve", 0) == 0) l = "intcurve-curve $-1 forward { exactcur nubs 3 open 2 0 3 1 3 } I I #";
  OdDbRegionPtr spline = region(text(lines));
  EXPECT_EQ(get(spline, "Area").GetType(), CKdVariant::kEmpty);
  EXPECT_EQ(get(spline, "Perimeter").GetType(), CKdVariant::kEmpty);
  EXPECT_EQ(item(*list(spline), "Area").number, 0.0);
  // Its vertices still give the box.
  EXPECT_EQ(item(*list(spline), "Upper Bound").point, OdGePoint3d(1, 0, 0));

  const std::vector<OdDbModelerData> broken = {
      text({"hello", "world"}), text({"700 0 1 0", "body $5 $-7 #", "point $-1 x y #", "edge $-1 $0 $0 $0 $0 #"}),
      text({}), [] {
        OdDbModelerData d;
        d.setBinary(std::string("ACIS BinaryFile") + std::string(20, '\xff'));
        return d;
      }(),
      [] {
        OdDbModelerData d;
        std::string bytes = plate(true).binary();
        d.setBinary(bytes.substr(0, bytes.size() / 2));  // cut short
        return d;
      }()};
  for (const OdDbModelerData& data : broken) {
    OdDbRegionPtr r = region(data);
    EXPECT_EQ(get(r, "Area").GetType(), CKdVariant::kEmpty);
    OdDb3dSolidPtr s = drawing.add(OdDb3dSolid::createObject());
    s->setModelerData(data);
    EXPECT_FALSE(hasItem(*list(s), "Position"));
    OdGeExtents3d box;
    EXPECT_NE(s->getGeomExtents(box), eOk);
  }
}

TEST_F(ModelledShapes, BothFormsOfTheDataSurviveASave) {
  OdDbRegionPtr r = region(plate(true));  // a new drawing keeps it apart
  const OdDbHandle handle = r->objectId().getHandle();
  r = nullptr;
  const std::string saved = odDxfWriteString(drawing.db);
  EXPECT_NE(saved.find("ACDSDATA"), std::string::npos);
  OdDbDatabasePtr again = odDxfReadString(saved, "saved.dxf");
  OdDbRegionPtr read = again->getOdDbObjectId(handle).safeOpenObject();
  EXPECT_NEAR(number(read, "Area"), 24 - M_PI, 1e-12);
  // Saved once more, unchanged: the same bytes.
  EXPECT_EQ(odDxfWriteString(again), saved);

  Drawing older;
  older.db->header().acadver = L"AC1024";
  OdDbRegionPtr t = older.add(OdDbRegion::createObject());
  t->setModelerData(plate(false));
  const OdDbHandle h2 = t->objectId().getHandle();
  t = nullptr;
  const std::string textForm = odDxfWriteString(older.db);
  EXPECT_EQ(textForm.find("ACDSDATA"), std::string::npos);
  OdDbDatabasePtr back = odDxfReadString(textForm, "older.dxf");
  OdDbRegionPtr tr = back->getOdDbObjectId(h2).safeOpenObject();
  EXPECT_NEAR(number(tr, "Perimeter"), 20 + 2 * M_PI, 1e-12);
  EXPECT_EQ(tr->modelerData().textLines(), plate(false).textLines());
}

namespace {
struct Surfaces : ModelledShapes {
  template <class T>
  OdSmartPtr<T> surface() {
    OdSmartPtr<T> s = drawing.add(T::createObject());
    s->setModelerData(plate(true));
    return s;
  }
};
}  // namespace

TEST_F(Surfaces, KindsShowTheSurfaceRowsThenTheirOwn) {
  OdDbExtrudedSurfacePtr e = surface<OdDbExtrudedSurface>();
  const std::vector<std::string> all = names(*describe(e));
  ASSERT_EQ(all.size(), 16u);
  EXPECT_EQ(std::vector<std::string>(all.begin() + 8, all.end()),
            (std::vector<std::string>{"Geometry/U isolines", "Geometry/V isolines", "Geometry/Surface type", "Geometry/Height",
                                      "Geometry/Taper angle", "Geometry/Direction x", "Geometry/Direction y",
                                      "Geometry/Direction z"}));
  EXPECT_EQ(propertiesOf(e)->GetDisplayName(e), L"Surface (Extrusion)");
  EXPECT_EQ(get(e, "Surface type").GetString(), L"Extruded");
  EXPECT_EQ(names(*describe(surface<OdDbPlaneSurface>())).back(), "Geometry/Surface type");
  EXPECT_EQ(names(*describe(surface<OdDbSurface>())).size(), 10u);
  EXPECT_EQ(propertiesOf(surface<OdDbSurface>())->GetDisplayName(nullptr), L"Surface (Planar)");

  // Isolines: integers only, 16 bits.
  EXPECT_EQ(set(e, "U isolines", CKdVariant(long(12))), 5100);
  EXPECT_EQ(get(e, "U isolines").GetInt32(), 12);
  EXPECT_EQ(set(e, "U isolines", CKdVariant(long(40000))), -5001);
  EXPECT_EQ(set(e, "U isolines", CKdVariant(3.0, false)), -5001);
  EXPECT_EQ(get(e, "U isolines").GetInt32(), 12);

  // The planar surface's listing: isolines, then its box.
  OdDbPlaneSurfacePtr p = surface<OdDbPlaneSurface>();
  p->setVIsolineDensity(3);
  const auto listing = list(p);
  EXPECT_EQ(item(*listing, "U-isolines ").integer, 6);
  EXPECT_EQ(item(*listing, "V-isolines ").integer, 3);
  EXPECT_TRUE(hasItem(*listing, "Bounding Box"));
  EXPECT_EQ(item(*listing, "Upper Bound").point, OdGePoint3d(6, 4, 0));
  // The other kinds list the header alone.
  EXPECT_FALSE(hasItem(*list(e), "Bounding Box"));
}

TEST_F(Surfaces, ExtrusionHeightAndTaperRevolutionAxisInTheUcs) {
  OdDbExtrudedSurfacePtr e = surface<OdDbExtrudedSurface>();
  e->setSweepVec(OdGeVector3d(0, 3, 4));
  EXPECT_EQ(number(e, "Height"), 5.0);
  EXPECT_EQ(set(e, "Height", CKdVariant(10.0, true)), 5100);
  EXPECT_EQ(e->getSweepVec(), OdGeVector3d(0, 6, 8));
  EXPECT_EQ(set(e, "Height", CKdVariant(-1.0, true)), -5001);
  EXPECT_EQ(set(e, "Height", CKdVariant(L"tall")), -5001);
  EXPECT_EQ(e->getSweepVec(), OdGeVector3d(0, 6, 8));
  EXPECT_EQ(set(e, "Taper angle", CKdVariant(0.2, true)), 5100);
  OdDbSweepOptions o;
  e->getSweepOptions(o);
  EXPECT_EQ(o.draftAngle(), 0.2);
  EXPECT_EQ(property(*describe(e), "Taper angle").GetType().GetCustomTypeGuid(), CKdString(CKdPropertyType::kAngleGUID));

  // A UCS turned a quarter about Z and moved to (10, 20, 5): UCS X is world Y.
  drawing.db->setCurrentUCS(OdGePoint3d(10, 20, 5), OdGeVector3d(0, 1, 0), OdGeVector3d(-1, 0, 0));
  OdDbRevolvedSurfacePtr r = surface<OdDbRevolvedSurface>();
  r->setAxisPnt(OdGePoint3d(10, 23, 5));
  r->setAxisVec(OdGeVector3d(0, 0, 1));
  EXPECT_NEAR(number(r, "Axis position X"), 3.0, 1e-12);
  EXPECT_EQ(set(r, "Axis position Y", CKdVariant(2.0, true)), 5100);
  EXPECT_NEAR(r->getAxisPnt().x, 8.0, 1e-12);
  EXPECT_NEAR(r->getAxisPnt().y, 23.0, 1e-12);
  EXPECT_TRUE(isReadOnly(r, "Axis direction Z"));
  EXPECT_EQ(set(r, "Angle of revolution", CKdVariant(M_PI, true)), 5100);
  EXPECT_EQ(r->getRevolveAngle(), M_PI);
  EXPECT_EQ(get(r, "Surface type").GetString(), L"Revolve");
}

TEST_F(Surfaces, LoftNormalsAndSweepOptions) {
  OdDbLoftedSurfacePtr l = surface<OdDbLoftedSurface>();
  EXPECT_EQ(selected(l, "Surface normals"), 1);  // smooth: not ruled, no normal
  EXPECT_EQ(get(l, "Surface normals").GetCollection().GetCount(), 7);
  EXPECT_EQ(set(l, "Surface normals", choice(0)), 5100);
  OdDbLoftOptions o;
  l->getLoftOptions(o);
  EXPECT_TRUE(o.ruled());
  EXPECT_EQ(selected(l, "Surface normals"), 0);
  EXPECT_EQ(set(l, "Surface normals", choice(5)), 5100);
  l->getLoftOptions(o);
  EXPECT_FALSE(o.ruled());
  EXPECT_EQ(o.normal(), OdDbLoftOptions::kAllNormal);
  EXPECT_EQ(set(l, "Surface normals", choice(9)), -5001);
  EXPECT_EQ(selected(l, "Surface normals"), 5);
  EXPECT_EQ(get(l, "Closed").GetString(), L"No");
  EXPECT_EQ(get(l, "Number of Cross sections").GetInt32(), 0);

  OdDbSweptSurfacePtr s = surface<OdDbSweptSurface>();
  EXPECT_FALSE(get(s, "Scale along path").IsDistance());
  EXPECT_TRUE(get(s, "Twist along path").IsDistance());
  EXPECT_EQ(set(s, "Scale along path", CKdVariant(0.0, false)), -5001);
  EXPECT_EQ(set(s, "Profile rotation", CKdVariant(0.75, true)), 5100);
  EXPECT_EQ(set(s, "Twist along path", CKdVariant(-1.5, true)), 5100);
  OdDbSweepOptions w;
  s->getSweepOptions(w);
  EXPECT_EQ(w.scaleFactor(), 1.0);
  EXPECT_EQ(w.alignAngle(), 0.75);
  EXPECT_EQ(w.twistAngle(), -1.5);
  EXPECT_EQ(get(s, "Bank").GetString(), L"No");
  EXPECT_TRUE(isReadOnly(s, "Bank"));
}
