// Splines in files whose data form no curve: read, counted, edited in what
// they hold and written back with their data as they came.
#include <gtest/gtest.h>
#include <cmath>
#include <string>
#include "Db/DbSpline.h"
#include "Dxf/DxfFile.h"

namespace {
std::string drawingWith(const std::string& splineFields) {
  return "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1015\n  9\n$HANDSEED\n  5\n100\n  0\nENDSEC\n"
         "  0\nSECTION\n  2\nENTITIES\n"
         "  0\nSPLINE\n  5\n50\n100\nAcDbEntity\n  8\n0\n100\nAcDbSpline\n" +
         splineFields + "  0\nENDSEC\n  0\nEOF\n";
}
// A point's three fields, codes set as files set them.
std::string point(int code, double x, double y) {
  return " " + std::to_string(code) + "\n" + std::to_string(x) + "\n " + std::to_string(code + 10) + "\n" + std::to_string(y) +
         "\n " + std::to_string(code + 20) + "\n0.0\n";
}
}  // namespace

TEST(SplineFiles, DataThatFormNoCurveAreShownAndKept) {
  const std::string fourPoints = point(10, 0, 0) + point(10, 1, 1) + point(10, 2, 0) + point(10, 3, 1);
  const struct {
    const char* what;
    std::string fields;
    int controlPoints, fitPoints;
  } cases[] = {
      {"knots that fall", " 70\n8\n 71\n3\n 72\n8\n 73\n4\n 74\n0\n 40\n0\n 40\n0\n 40\n0\n 40\n0\n 40\n1\n 40\n0.5\n 40\n1\n 40\n1\n" + fourPoints, 4, 0},
      {"a zero weight", " 70\n12\n 71\n3\n 72\n8\n 73\n4\n 74\n0\n 40\n0\n 40\n0\n 40\n0\n 40\n0\n 40\n1\n 40\n1\n 40\n1\n 40\n1\n"
                        " 41\n1\n 41\n0\n 41\n1\n 41\n1\n" + fourPoints, 4, 0},
      {"too few control points", " 70\n8\n 71\n3\n 72\n6\n 73\n2\n 74\n0\n 40\n0\n 40\n0\n 40\n0\n 40\n1\n 40\n1\n 40\n1\n" +
                                     point(10, 0, 0) + point(10, 1, 1), 2, 0},
      {"fit points on one spot", " 70\n8\n 71\n3\n 72\n0\n 73\n0\n 74\n3\n" + point(11, 2, 2) + point(11, 2, 2) + point(11, 2, 2), 0, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string original = drawingWith(c.fields);
    OdDbDatabasePtr db = odDxfReadString(original, "spline.dxf");
    OdDbSplinePtr s = db->getOdDbObjectId(OdDbHandle(0x50)).safeOpenObject(OdDb::kForWrite);
    EXPECT_EQ(s->numControlPoints(), c.controlPoints);
    EXPECT_EQ(s->numFitPoints(), c.fitPoints);
    double length = 0.0, area = 0.0, end = 0.0;
    EXPECT_NE(s->getEndParam(end), eOk);
    EXPECT_NE(s->getDistAtParam(end, length), eOk);
    EXPECT_NE(s->getArea(area), eOk);
    // An edit of what it holds keeps every field of the spline.
    s->setColorIndex(3);
    const std::string written = odDxfWriteString(db);
    auto splineOf = [](const std::string& file) {
      const size_t from = file.find("100\nAcDbSpline\n"), to = file.find("  0\nENDSEC", from);
      return from == std::string::npos ? std::string() : file.substr(from, to - from);
    };
    EXPECT_EQ(splineOf(written), splineOf(original));
    EXPECT_NE(written.find(" 62\n3\n"), std::string::npos);
  }
}

TEST(SplineFiles, AControlPointMovedIntoPlaceMakesTheCurve) {
  // Two coincident control points of a linear spline with a repeated inner knot still form a curve;
  // a spline whose knots fall forms none until it gets knots that rise.
  OdDbDatabasePtr db = odDxfReadString(
      drawingWith(" 70\n8\n 71\n1\n 72\n4\n 73\n2\n 74\n0\n 40\n0\n 40\n2\n 40\n1\n 40\n1\n" + point(10, 0, 0) + point(10, 4, 3)),
      "linear.dxf");
  OdDbSplinePtr s = db->getOdDbObjectId(OdDbHandle(0x50)).safeOpenObject(OdDb::kForWrite);
  double end = 0.0;
  EXPECT_NE(s->getEndParam(end), eOk);
  ASSERT_EQ(s->setNurbsData(1, {0, 0, 1, 1}, {{0, 0, 0}, {4, 3, 0}}), eOk);
  double length = 0.0;
  ASSERT_EQ(s->getEndParam(end), eOk);
  ASSERT_EQ(s->getDistAtParam(end, length), eOk);
  EXPECT_NEAR(length, 5.0, 1e-12);
  EXPECT_EQ(s->setNurbsData(1, {0, 1, 0, 1}, {{0, 0, 0}, {4, 3, 0}}), eInvalidInput);
  EXPECT_EQ(s->numControlPoints(), 2);
}
