// Hatches in files: loops of every edge kind written from the model and
// read back to the same area, clockwise arcs, boundaries of a read hatch
// kept as they came when its pattern changes, and broken boundaries.
#include <gtest/gtest.h>
#include <cmath>
#include <string>
#include "Db/DbDatabase.h"
#include "Db/DbHatch.h"
#include "Db/DbSymbolTable.h"
#include "Dxf/DxfFile.h"
#include "Ge/GeConst.h"

namespace {
OdDbHatchPtr firstHatch(OdDbDatabase* db) {
  OdDbBlockTableRecordPtr ms = db->getModelSpaceId().openObject();
  for (const OdDbObjectId& id : ms->entityIds()) {
    OdDbHatchPtr h = OdDbHatch::cast(id.openObject(OdDb::kForWrite));
    if (!h.isNull()) return h;
  }
  return OdDbHatchPtr();
}
}  // namespace

TEST(HatchFiles, EveryEdgeKindGoesThroughAFileWithItsArea) {
  OdDbDatabasePtr db(new OdDbDatabase, kOdRxObjAttach);
  OdDbHatchPtr h = OdDbHatch::createObject();
  OdDbBlockTableRecordPtr(db->getModelSpaceId().safeOpenObject(OdDb::kForWrite))->appendOdDbEntity(h);
  // A closed chain: a line, a clockwise half circle that bites into the
  // shape, a spline, an elliptic quarter, and a line home.
  OdDbHatch::Loop loop;
  OdDbHatch::Edge e;
  e.kind = OdDbHatch::Edge::kLine;
  e.start = OdGePoint2d(0, 0);
  e.end = OdGePoint2d(4, 0);
  loop.edges.push_back(e);
  OdDbHatch::Edge arc;
  arc.kind = OdDbHatch::Edge::kCirArc;
  arc.center = OdGePoint2d(4, 1);
  arc.radius = 1;
  arc.startAngle = OdaPI / 2;  // the left half, run clockwise from 270 degrees to 90
  arc.endAngle = 3 * OdaPI / 2;
  arc.ccw = false;
  loop.edges.push_back(arc);
  OdDbHatch::Edge spline;
  spline.kind = OdDbHatch::Edge::kSpline;
  spline.degree = 2;
  spline.knots = {0, 0, 0, 1, 1, 1};
  spline.controlPoints = {OdGePoint2d(4, 2), OdGePoint2d(3, 3), OdGePoint2d(2, 2)};
  loop.edges.push_back(spline);
  OdDbHatch::Edge quarter;
  quarter.kind = OdDbHatch::Edge::kEllArc;
  quarter.center = OdGePoint2d(0, 2);
  quarter.majorAxis = OdGeVector2d(2, 0);
  quarter.ratio = 0.5;
  quarter.startAngle = 0;
  quarter.endAngle = OdaPI / 2;
  loop.edges.push_back(quarter);
  e.start = OdGePoint2d(0, 3);
  e.end = OdGePoint2d(0, 0);
  loop.edges.push_back(e);
  // The quarter runs from (2,2) to (0,3): the chain is closed.
  h->appendLoop(loop);
  double area = 0;
  ASSERT_EQ(h->getArea(area), eOk);
  // Shoelace of the straight parts, less the half disc (pi/2), plus the
  // parabola's segment above its chord (2/3 x base 2 x height 0.5) and the
  // quarter ellipse beyond the triangle (2,2),(0,3),(0,2).
  const double polygon = 0.5 * std::fabs(0 * 0 - 4 * 0 + 4 * 2 - 4 * 0 + 4 * 2 - 2 * 2 + 2 * 3 - 0 * 2 + 0 - 0);
  const double expected = polygon - OdaPI / 2 + 2.0 / 3.0 * 2 * 0.5 + (OdaPI * 2 * 1 / 4 - 1.0);
  EXPECT_NEAR(area, expected, 1e-9);
  h.release();
  OdDbDatabasePtr back = odDxfReadString(odDxfWriteString(db), "edges.dxf");
  OdDbHatchPtr read = firstHatch(back);
  ASSERT_FALSE(read.isNull());
  ASSERT_EQ(read->loops().size(), 1u);
  ASSERT_EQ(read->loops()[0].edges.size(), 5u);
  EXPECT_FALSE(read->loops()[0].edges[1].ccw);
  EXPECT_NEAR(read->loops()[0].edges[1].startAngle, OdaPI / 2, 1e-12);
  double again = 0;
  ASSERT_EQ(read->getArea(again), eOk);
  EXPECT_NEAR(again, expected, 1e-9);
}

TEST(HatchFiles, BoundariesOfAReadHatchStayAsTheyCame) {
  const std::string boundary =
      " 91\n1\n 92\n7\n 72\n0\n 73\n1\n 93\n3\n 10\n0.00\n 20\n0.00\n 10\n3.000\n 20\n0\n 10\n0\n 20\n4.0\n 97\n0\n";
  const std::string text =
      "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1027\n  9\n$HANDSEED\n  5\n100\n  0\nENDSEC\n"
      "  0\nSECTION\n  2\nENTITIES\n  0\nHATCH\n  5\n50\n100\nAcDbEntity\n  8\n0\n100\nAcDbHatch\n"
      " 10\n0.0\n 20\n0.0\n 30\n0.0\n210\n0.0\n220\n0.0\n230\n1.0\n  2\nANSI31\n 70\n0\n 71\n0\n" +
      boundary + " 75\n1\n 76\n1\n 52\n0.0\n 41\n1.0\n 77\n0\n 78\n1\n 53\n45.0\n 43\n0.0\n 44\n0.0\n 45\n-0.088388\n"
      " 46\n0.088388\n 79\n0\n 98\n1\n 10\n1.0\n 20\n1.0\n  0\nENDSEC\n  0\nEOF\n";
  OdDbDatabasePtr db = odDxfReadString(text, "read.dxf");
  OdDbHatchPtr h = firstHatch(db);
  double area = 0;
  ASSERT_EQ(h->getArea(area), eOk);
  EXPECT_DOUBLE_EQ(area, 6.0);
  EXPECT_EQ(h->seedPoints().size(), 1u);
  EXPECT_EQ(h->hatchStyle(), OdDbHatch::kOuter);
  OdHatchPattern two(2, h->patternLines()[0]);
  two[1].m_dLineAngle += OdaPI / 2;
  ASSERT_EQ(h->setPattern(OdDbHatch::kPreDefined, L"NET", 0.0, 2.0, two, OdGePoint2d()), eOk);
  h.release();
  const std::string written = odDxfWriteString(db);
  EXPECT_NE(written.find(boundary), std::string::npos) << written;
  EXPECT_NE(written.find(" 78\n2\n"), std::string::npos);
  EXPECT_NE(written.find(" 98\n1\n 10\n1.0\n 20\n1.0\n"), std::string::npos);
  OdDbHatchPtr back = firstHatch(odDxfReadString(written, "back.dxf"));
  EXPECT_EQ(back->patternName(), L"NET");
  EXPECT_EQ(back->patternLines().size(), 2u);
}

TEST(HatchFiles, BrokenBoundariesAreReadWithoutArea) {
  // More loops announced than given, an edge of no known kind, a loop of no edges.
  const std::string text =
      "  0\nSECTION\n  2\nENTITIES\n  0\nHATCH\n  5\n50\n100\nAcDbEntity\n  8\n0\n100\nAcDbHatch\n"
      " 10\n0.0\n 20\n0.0\n 30\n0.0\n  2\nSOLID\n 70\n1\n 71\n0\n 91\n5\n 92\n1\n 93\n1\n 72\n9\n 10\n1\n 20\n1\n"
      " 97\n0\n 92\n1\n 93\n0\n 97\n0\n 75\n0\n 76\n1\n 98\n0\n  0\nENDSEC\n  0\nEOF\n";
  OdDbDatabasePtr db = odDxfReadString(text, "broken.dxf");
  OdDbHatchPtr h = firstHatch(db);
  ASSERT_FALSE(h.isNull());
  double area = 0;
  h->getArea(area);
  h->setColorIndex(3);
  h.release();
  EXPECT_NO_THROW(odDxfReadString(odDxfWriteString(db), "broken-again.dxf"));
}
