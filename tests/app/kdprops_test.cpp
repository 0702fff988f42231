// The command-line host, run as a user runs it: the demo, the catalogue,
// palettes and listings as JSON, edits saved and read back by ezdxf, and
// broken input refused with the documented exit codes.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <cstdio>
#include <cmath>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include "Db/DbArc.h"
#include "Db/DbEllipse.h"
#include "Db/DbField.h"
#include "Db/DbSymbolTable.h"
#include "Dxf/DxfFile.h"

using nlohmann::json;

#include "CliTest.h"

TEST_F(Cli, DemoShowsThePaletteAndListingOfEverySampleObject) {
  Result r = run(kdprops("demo"));
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("OdDbLine ["), std::string::npos);
  EXPECT_NE(r.out.find("General / LineColor"), std::string::npos);
  EXPECT_NE(r.out.find("Geometry / Second point Y"), std::string::npos);
  EXPECT_NE(r.out.find("Angle of X Axis"), std::string::npos);
  EXPECT_NE(r.out.find("ILINE"), std::string::npos);
  EXPECT_EQ(run(kdprops("frobnicate")).status, 2);
  EXPECT_EQ(run(kdprops("list --bogus")).status, 2);
}

TEST_F(Cli, PaletteAndListingAsJson) {
  json list = jsonOf("list --json --ucs --ucs-origin 1,0,0");
  ASSERT_FALSE(list["objects"].empty());
  const json& line = list["objects"][0];
  EXPECT_EQ(line["class"], "OdDbLine");
  bool sawLengthInCcs = false;
  for (const json& l : line["lines"]) sawLengthInCcs = sawLengthInCcs || l["label"] == "Length in CCS";
  EXPECT_TRUE(sawLengthInCcs);

  json props = jsonOf("props --handle " + line["handle"].get<std::string>() + " --json --ucs-origin 1,0,0");
  EXPECT_EQ(props["displayName"], "Line");
  ASSERT_EQ(props["properties"].size(), 20u);
  const json& startX = props["properties"][9];
  EXPECT_EQ(startX["name"], "Start X");
  EXPECT_EQ(startX["guid"], "kCoordinateXGUID");
  EXPECT_EQ(startX["icon"], ":/Geometry/Geometry_StartX.png");
  EXPECT_EQ(startX["readOnly"], false);
  EXPECT_EQ(startX["value"]["type"], 2);
  EXPECT_EQ(startX["value"]["value"], 0.0);  // world X 1 seen from a UCS at X 1
  EXPECT_EQ(startX["value"]["distance"], true);
  EXPECT_EQ(props["properties"][1]["value"]["type"], 8);
  EXPECT_TRUE(props["properties"][1]["value"]["handle"].is_string());

  json classes = jsonOf("classes --json");
  bool sawLine = false;
  for (const json& c : classes["classes"])
    if (c["class"] == "OdDbLine") {
      sawLine = true;
      EXPECT_EQ(c["properties"].size(), 20u);
    }
  EXPECT_TRUE(sawLine);
}

TEST_F(Cli, EditsAreSavedOnlyWhenAccepted) {
  const std::string sample = file("sample.dxf");
  ASSERT_EQ(run(kdprops("sample -o " + sample)).status, 0);
  const std::string line = handleOf(sample, "OdDbLine");
  ASSERT_FALSE(line.empty());
  const std::string edited = file("edited.dxf");
  Result ok = run(kdprops("set " + sample + " --handle " + line + " --name \"End Y\" --value 0.1 -o " + edited + " --json"));
  ASSERT_EQ(ok.status, 0) << ok.out;
  EXPECT_EQ(json::parse(ok.out)["saved"], true);
  json props = jsonOf("props " + edited + " --handle " + line + " --json");
  EXPECT_EQ(props["properties"][13]["value"]["value"], 0.1);

  // A wrong type and an external-reference layer are refused: exit 1, nothing written.
  const std::string refused = file("refused.dxf");
  EXPECT_EQ(run(kdprops("set " + sample + " --handle " + line + " --name \"End Y\" --value 2 --type 3 -o " + refused)).status, 1);
  Result xref = run(kdprops("set " + sample + " --handle " + line + " --name Layer --value \"SITE|Survey\" -o " + refused + " --json"));
  EXPECT_EQ(xref.status, 1);
  EXPECT_EQ(json::parse(xref.out)["result"], -5001);
  EXPECT_FALSE(std::ifstream(refused).good());
  // Usage errors: no such handle, no such property, an unreadable value.
  EXPECT_EQ(run(kdprops("set " + sample + " --handle FFFFF --name Layer --value 0 -o " + refused)).status, 2);
  EXPECT_EQ(run(kdprops("set " + sample + " --handle " + line + " --name Nothing --value 0 -o " + refused)).status, 2);
  EXPECT_EQ(run(kdprops("set " + sample + " --handle " + line + " --name \"End Y\" --value abc -o " + refused)).status, 2);

  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  Result read = run("/usr/bin/python3 -c \"import ezdxf; d = ezdxf.readfile('" + edited + "'); print(repr(d.entitydb['" + line +
                 "'].dxf.end.y))\"");
  EXPECT_EQ(read.status, 0) << read.out;
  EXPECT_EQ(read.out, "0.1\n");
}

TEST_F(Cli, BrokenDrawingsExitWithThreeAndNameTheLine) {
  const std::string broken = file("broken.dxf");
  { std::ofstream(broken) << "  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n 10\n1.0\n 20\n"; }
  Result r = run(kdprops("list " + broken));
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.out.find(broken + ":9:"), std::string::npos) << r.out;
  { std::ofstream(broken) << "  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n 10\nx.y\n  0\nENDSEC\n  0\nEOF\n"; }
  r = run(kdprops("props " + broken + " --handle 1"));
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.out.find("bad number"), std::string::npos) << r.out;
  EXPECT_EQ(run(kdprops("list /nonexistent.dxf")).status, 3);
  // A refused save leaves the original as it was.
  const std::string sample = file("sample.dxf");
  ASSERT_EQ(run(kdprops("sample -o " + sample)).status, 0);
  EXPECT_EQ(run(kdprops("set " + sample + " --handle 1A --name Thickness --value 1 -o " + dir + "/no/such/dir.dxf")).status, 3);
}

TEST_F(Cli, DrawingsWrittenByEzdxfComeBackUnchanged) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  for (const char* version : {"R2000", "R2010", "R2018"}) {
    SCOPED_TRACE(version);
    const std::string original = file("ezdxf.dxf"), saved = file("saved.dxf");
    ASSERT_EQ(run(python("ezdxf_make_drawing.py", original + " " + version)).status, 0);
    ASSERT_EQ(run(kdprops("save " + original + " -o " + saved)).status, 0);
    Result compare = run(python("ezdxf_compare.py", original + " " + saved));
    EXPECT_EQ(compare.status, 0) << compare.out;
    // An edit of one entity changes that value and nothing else.
    const std::string point = handleOf(original, "OdDbPoint");
    const std::string edited = file("edited.dxf");
    ASSERT_EQ(run(kdprops("set " + original + " --handle " + point + " --name \"Position X\" --value -2.5 -o " + edited)).status, 0);
    compare = run(python("ezdxf_compare.py", original + " " + edited));
    EXPECT_EQ(compare.status, 1);
    EXPECT_NE(compare.out.find(point + " POINT.location"), std::string::npos) << compare.out;
    EXPECT_NE(compare.out.find("1 differences"), std::string::npos) << compare.out;
  }
}

TEST_F(Cli, SampleDrawingsOfOtherProgramsRoundTrip) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  int compared = 0;
  for (const char* name : {"examples/text_alignments.dxf", "examples/hatches_1.dxf", "examples/wipeout_door.dxf",
                           "examples/VP4.dxf", "edge-cases/small_r13.dxf"}) {
    const std::string original = std::string(KD_SAMPLES_DIR) + "/" + name;
    if (!std::ifstream(original).good()) continue;
    SCOPED_TRACE(name);
    const std::string saved = file("saved.dxf");
    ASSERT_EQ(run(kdprops("save " + original + " -o " + saved)).status, 0);
    Result compare = run(python("ezdxf_compare.py", original + " " + saved));
    EXPECT_EQ(compare.status, 0) << compare.out;
    ++compared;
  }
  if (compared == 0) GTEST_SKIP() << "no sample drawings";
}

TEST_F(Cli, ArcsAndEllipsesOfEzdxfMeasureAsComputed) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string drawing = file("curves.dxf");
  ASSERT_EQ(run(python("ezdxf_make_drawing.py", drawing)).status, 0);
  const double pi = 3.14159265358979323846;
  // The arc: radius 2 from 30 to 210 degrees, half a turn.
  json arcProps = jsonOf("props " + drawing + " --handle " + handleOf(drawing, "OdDbArc") + " --json");
  std::map<std::string, double> values;
  for (const json& p : arcProps["properties"])
    if (!p["value"].is_null() && p["value"]["type"] == 2) values[p["name"]] = p["value"]["value"];
  EXPECT_NEAR(values["Arc Length"], 2 * pi, 1e-12);
  EXPECT_NEAR(values["Area"], 2 * pi, 1e-12);
  EXPECT_NEAR(values["Total Angle"], pi, 1e-12);
  EXPECT_NEAR(values["Start X"], 3 + 2 * std::cos(pi / 6), 1e-12);
  // The ellipses, read by the database: the closed one's area and length, the arc's length.
  OdDbDatabasePtr db = odDxfReadFile(drawing);
  int ellipses = 0;
  OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject();
  for (const OdDbObjectId& id : ms->entityIds()) {
    OdDbEllipsePtr e = OdDbEllipse::cast(id.openObject());
    if (e.isNull()) continue;
    ++ellipses;
    double end = 0, length = 0, area = 0;
    e->getEndParam(end);
    e->getDistAtParam(end, length);
    e->getArea(area);
    const double a = e->majorAxis().length(), b = a * e->radiusRatio();
    // Reference: Simpson's rule on 2^20 panels of the speed sqrt(a^2 sin^2 + b^2 cos^2).
    const int n = 1 << 20;
    const double t0 = e->startParam(), h = (end - t0) / n;
    double sum = 0;
    for (int i = 0; i <= n; ++i) {
      const double t = t0 + i * h, w = (i == 0 || i == n) ? 1 : (i % 2 ? 4 : 2);
      sum += w * std::sqrt(a * a * std::sin(t) * std::sin(t) + b * b * std::cos(t) * std::cos(t));
    }
    EXPECT_NEAR(length / (sum * h / 3), 1.0, 1e-10);
    if (e->isClosed()) {
      EXPECT_NEAR(a, 5.0, 1e-12);
      EXPECT_NEAR(area, pi * 5.0 * 2.0, 1e-12);
    } else {
      EXPECT_NEAR(e->startParam(), 0.3, 1e-12);
      EXPECT_NEAR(area, 0.5 * a * b * (2.2 - std::sin(2.2)), 1e-12);
    }
  }
  EXPECT_EQ(ellipses, 2);
}

TEST_F(Cli, PolylinesOfEzdxfMeasureAsComputed) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string drawing = file("polylines.dxf");
  ASSERT_EQ(run(python("ezdxf_make_drawing.py", drawing)).status, 0);
  const double pi = 3.14159265358979323846;
  auto numbers = [&](const std::string& handle) {
    std::map<std::string, json> values;
    const json palette = jsonOf("props " + drawing + " --handle " + handle + " --json");
    for (const json& p : palette["properties"])
      if (p["value"].contains("value")) values[p["name"]] = p["value"]["value"];
      else if (p["value"].contains("elements")) values[p["name"]] = p["value"]["elements"];
    return values;
  };
  auto listed = [&](const std::string& handle) {
    std::map<std::string, json> values;
    const json listing = jsonOf("list " + drawing + " --handle " + handle + " --json");
    for (const json& l : listing["objects"][0]["lines"])
      values[l["label"]] = l["value"];
    return values;
  };
  // The lightweight one: a 4 by 2 rectangle, a half circle of radius 1 out
  // of its right side, and a quarter circle of radius sqrt 2 into its left
  // side, which takes away the segment r^2 / 2 (pi / 2 - 1) = pi / 2 - 1.
  json list = jsonOf("list " + drawing + " --json");
  std::string lw, p2d;
  std::map<std::string, json> lwProps;
  for (const json& o : list["objects"]) {
    if (o["class"] == "OdDb2dPolyline") p2d = o["handle"];
    if (o["class"] != "OdDbPolyline" || !lw.empty()) continue;
    lwProps = numbers(o["handle"]);
    if (lwProps["Elevation"] == 1.5) lw = o["handle"];
  }
  ASSERT_FALSE(lw.empty());
  lwProps = numbers(lw);
  const double lwArea = 8 + pi / 2 - (pi / 2 - 1), lwLength = 4 + pi + 4 + std::sqrt(2.0) * pi / 2;
  EXPECT_EQ(lwProps["Area"], "9.0000");
  EXPECT_NEAR(double(lwProps["Length"]), lwLength, 1e-12);
  EXPECT_EQ(double(lwProps["Elevation"]), 1.5);
  auto lwListing = listed(lw);
  EXPECT_NEAR(double(lwListing["Area"]), lwArea, 1e-12);
  EXPECT_NEAR(double(lwListing["Perimeter"]), lwLength, 1e-12);
  EXPECT_EQ(lwListing["Location 1"], json({4.0, 0.0, 1.5}));
  // The 2D one: bulge 0.5 on a chord of 4 turns by 4 atan 0.5, whose sine is
  // 24/25, on a radius of 2.5; the triangle under it has area 6.
  const double sweep = 4 * std::atan(0.5), r = 2.5;
  auto p2dProps = numbers(p2d);
  EXPECT_NEAR(double(p2dProps["Area"]), 6 + r * r / 2 * (sweep - 24.0 / 25), 1e-12);
  EXPECT_NEAR(double(p2dProps["Length"]), r * sweep + 3, 1e-12);  // the walk leaves the closing side out
  EXPECT_NEAR(double(listed(p2d)["Length"]), r * sweep + 3 + 5, 1e-12);
  EXPECT_EQ(p2dProps["Vertex"].size(), 3u);
}

// Every object written from its fields, as if each had been edited, reads the
// same in ezdxf: the mapping of every modelled class, vertices included.
TEST_F(Cli, EveryObjectRewrittenFromItsFieldsReadsTheSame) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  std::vector<std::string> drawings;
  for (const char* version : {"R2000", "R2018"}) {
    drawings.push_back(file(version));
    ASSERT_EQ(run(python("ezdxf_make_drawing.py", drawings.back() + " " + version)).status, 0);
  }
  for (const char* name : {"examples/text_alignments.dxf", "examples/VP4.dxf", "examples/uncommon.dxf", "examples/colors.dxf",
                           "edge-cases/small_r13.dxf", "edge-cases/small_r14.dxf", "edge-cases/cc_dxflib.dxf",
                           "edge-cases/POLI-ALL210_12.DXF"}) {
    const std::string sample = std::string(KD_SAMPLES_DIR) + "/" + name;
    if (std::ifstream(sample).good()) drawings.push_back(sample);
  }
  for (const std::string& original : drawings) {
    SCOPED_TRACE(original);
    const std::string rewritten = file("rewritten.dxf");
    ASSERT_EQ(run(kdprops("save " + original + " -o " + rewritten + " --rewrite")).status, 0);
    Result compare = run(python("ezdxf_compare.py", original + " " + rewritten));
    EXPECT_EQ(compare.status, 0) << compare.out;
  }
}

// An attribute definition's field read from a drawing stays while the new value still shows
// its child's value, and goes when they do not.
TEST_F(Cli, FieldsOfADrawingFollowTheContentsEdit) {
  const std::string sample = std::string(KD_SAMPLES_DIR) + "/examples/uncommon.dxf";
  if (!std::ifstream(sample).good()) GTEST_SKIP() << "no sample drawings";
  const std::string kept = file("kept.dxf"), dropped = file("dropped.dxf");
  ASSERT_EQ(run(kdprops("set " + sample + " --handle 5F5 --name Value --value 'Date: 21/04/2020' -o " + kept)).status, 0);
  ASSERT_EQ(run(kdprops("set " + sample + " --handle 5F5 --name Value --value 'no date' -o " + dropped)).status, 0);
  auto fieldCode = [](const std::string& path) {
    OdDbDatabasePtr db = odDxfReadFile(path);
    OdDbObjectPtr attdef = db->getOdDbObjectId(OdDbHandle(0x5F5)).openObject();
    OdDbFieldPtr field = OdDbField::cast(attdef->getField(L"TEXT").openObject());
    return field.isNull() ? std::string("none") : field->getFieldCode().toUtf8();
  };
  EXPECT_EQ(fieldCode(kept), "Date: %<\\_FldIdx 0>%");
  EXPECT_EQ(fieldCode(dropped), "none");
}
