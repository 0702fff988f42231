// Drawings as other programs write them: object coordinates, identities,
// saves that keep what they read, and a host that reports every failure.
#include <array>
#include <cmath>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include "CliTest.h"

namespace {
std::array<double, 3> triple(const json& j) { return {j[0].get<double>(), j[1].get<double>(), j[2].get<double>()}; }

// The double values of a palette by name.
std::map<std::string, double> numbers(const json& palette) {
  std::map<std::string, double> out;
  for (const json& p : palette["properties"])
    if (!p["value"].is_null() && p["value"]["type"] == 2) out[p["name"]] = p["value"]["value"];
  return out;
}

// The point a listing line gives, by the start of its label.
std::array<double, 3> listedPoint(const json& listing, const std::string& label) {
  for (const json& l : listing["objects"][0]["lines"])
    if (l["label"].get<std::string>().rfind(label, 0) == 0) return triple(l["value"]);
  ADD_FAILURE() << "no listing line " << label;
  return {NAN, NAN, NAN};
}

void expectNear(const std::array<double, 3>& got, const json& want, const char* what) {
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(got[i], want[i].get<double>(), 1e-9) << what << " component " << i;
}
}  // namespace

TEST_F(Cli, ObjectCoordinatesOfEzdxfAreReadAsItsOwnConversionGives) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string drawing = file("ocs.dxf");
  Result made = run(python("ezdxf_ocs_drawing.py", drawing) + " 2>/dev/null");
  ASSERT_EQ(made.status, 0) << made.out;
  const json expected = json::parse(made.out);
  ASSERT_EQ(expected.size(), 12u);
  for (const auto& [handle, want] : expected.items()) {
    SCOPED_TRACE(handle);
    const json palette = jsonOf("props " + drawing + " --handle " + handle + " --json");
    const json listing = jsonOf("list " + drawing + " --handle " + handle + " --json");
    std::map<std::string, double> v = numbers(palette);
    if (want.contains("center")) {
      expectNear({v["Center X"], v["Center Y"], v["Center Z"]}, want["center"], "palette center");
      expectNear(listedPoint(listing, "Center"), want["center"], "listed center");
    }
    if (want.contains("start")) {
      expectNear({v["Start X"], v["Start Y"], v["Start Z"]}, want["start"], "palette start");
      expectNear({v["End X"], v["End Y"], v["End Z"]}, want["end"], "palette end");
      expectNear(listedPoint(listing, "Start point"), want["start"], "listed start");
    }
    if (want.contains("position")) {
      expectNear({v["Position X"], v["Position Y"], v["Position Z"]}, want["position"], "palette position");
      expectNear(listedPoint(listing, "Start point"), want["position"], "listed position");
    }
  }
}

TEST_F(Cli, EditsInObjectCoordinatesReadBackByEzdxf) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string drawing = file("ocs.dxf"), edited = file("edited.dxf");
  Result made = run(python("ezdxf_ocs_drawing.py", drawing) + " 2>/dev/null");
  ASSERT_EQ(made.status, 0) << made.out;
  const json expected = json::parse(made.out);
  // The tilted circle and the mirrored text move in world X only.
  ASSERT_EQ(run(kdprops("set " + drawing + " --handle 32 --name \"Center X\" --value 10 -o " + edited)).status, 0);
  ASSERT_EQ(run(kdprops("set " + edited + " --handle 31 --name \"Position X\" --value -2.5 --in-place")).status, 0);
  Result read = run(
      "/usr/bin/python3 -c \"import ezdxf; from ezdxf.math import OCS; d = ezdxf.readfile('" + edited +
      "'); c = d.entitydb['32']; t = d.entitydb['31']; "
      "p = OCS(c.dxf.extrusion).to_wcs(c.dxf.center); q = OCS(t.dxf.extrusion).to_wcs(t.dxf.insert); "
      "print(repr(p.x), repr(p.y), repr(p.z), repr(q.x), repr(q.y), repr(q.z), t.dxf.rotation, c.dxf.radius)\"");
  ASSERT_EQ(read.status, 0) << read.out;
  std::istringstream in(read.out);
  double cx, cy, cz, tx, ty, tz, rotation, radius;
  in >> cx >> cy >> cz >> tx >> ty >> tz >> rotation >> radius;
  EXPECT_NEAR(cx, 10.0, 1e-12);
  EXPECT_NEAR(cy, expected["32"]["center"][1].get<double>(), 1e-12);
  EXPECT_NEAR(cz, expected["32"]["center"][2].get<double>(), 1e-12);
  EXPECT_NEAR(tx, -2.5, 1e-12);
  EXPECT_NEAR(ty, 6.0, 1e-12);
  EXPECT_NEAR(tz, -7.0, 1e-12);
  EXPECT_EQ(rotation, 20.0);
  EXPECT_EQ(radius, 1.5);
  // Entities nobody edited are written exactly as ezdxf wrote them.
  Result compare = run(python("ezdxf_compare.py", drawing + " " + edited));
  EXPECT_NE(compare.out.find("2 differences"), std::string::npos) << compare.out;
}

namespace {
std::string samplePath(const char* relative) { return std::string(KD_SAMPLES_DIR) + "/" + relative; }
bool exists(const std::string& path) { return std::ifstream(path).good(); }
std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// An old drawing (no subclass markers): layers without handles, then entities with low handles.
const char* kOldDrawing =
    "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1009\n  0\nENDSEC\n"
    "  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nLAYER\n 70\n2\n"
    "  0\nLAYER\n  2\n0\n 70\n0\n 62\n7\n  6\nCONTINUOUS\n  0\nLAYER\n  2\nWALLS\n 70\n0\n 62\n1\n  6\nCONTINUOUS\n"
    "  0\nENDTAB\n  0\nENDSEC\n"
    "  0\nSECTION\n  2\nENTITIES\n"
    "  0\nLINE\n  5\n1\n  8\nWALLS\n 10\n0\n 20\n0\n 30\n0\n 11\n3\n 21\n4\n 31\n0\n"
    "  0\nCIRCLE\n  5\n2\n  8\n0\n 10\n1\n 20\n2\n 30\n3\n 40\n1.5\n210\n0\n220\n0\n230\n0\n"
    "  0\nPOLYLINE\n  5\n3\n  8\n0\n 66\n1\n 70\n8\n"
    "  0\nVERTEX\n  5\n4\n  8\n0\n 10\n0\n 20\n0\n 30\n0\n"
    "  0\nVERTEX\n  5\n5\n  8\n0\n 10\n3\n 20\n4\n 30\n12\n"
    "  0\nSEQEND\n  5\n6\n  8\n0\n"
    "  0\nVERTEX\n  5\n7\n  8\n0\n 10\n9\n 20\n9\n 30\n9\n"
    "  0\nLINE\n  5\nXYZ\n  8\n0\n 10\n0\n 20\n0\n 30\n0\n 11\n1\n 21\n0\n 31\n0\n"
    "  0\nENDSEC\n  0\nEOF\n";
}  // namespace

TEST_F(Cli, OldDrawingsKeepTheirHandlesAndReadWithTheUsualFallbacks) {
  const std::string drawing = file("old.dxf");
  { std::ofstream(drawing) << kOldDrawing; }
  // Records without handles take none that an entity of the file has.
  EXPECT_EQ(jsonOf("props " + drawing + " --handle 1 --json")["class"], "OdDbLine");
  EXPECT_EQ(jsonOf("props " + drawing + " --handle 2 --json")["class"], "OdDbCircle");
  // A zero extrusion is the world Z axis.
  std::map<std::string, double> circle = numbers(jsonOf("props " + drawing + " --handle 2 --json"));
  EXPECT_EQ(circle["Center X"], 1.0);
  EXPECT_EQ(circle["Center Z"], 3.0);
  EXPECT_EQ(circle["Normal Z"], 1.0);
  // The vertices of a 3D polyline are its vertices without flag 32; a vertex
  // outside any polyline is read as a vertex of its own.
  json polyline = jsonOf("list " + drawing + " --handle 3 --json");
  EXPECT_EQ(polyline["objects"][0]["class"], "OdDb3dPolyline");
  json second = jsonOf("props " + drawing + " --handle 3 --index 1 --json");
  std::map<std::string, double> v = numbers(second);
  EXPECT_EQ(v["Vertex Z"], 12.0);
  EXPECT_NEAR(v["Length"], 13.0, 1e-12);
  EXPECT_EQ(run(kdprops("list " + drawing + " --handle 7")).status, 0);
  // A handle that is not hexadecimal gets one of its own.
  json all = jsonOf("list " + drawing + " --json");
  std::set<std::string> handles;
  for (const json& o : all["objects"]) EXPECT_TRUE(handles.insert(o["handle"].get<std::string>()).second);
  EXPECT_EQ(handles.size(), all["objects"].size());
  EXPECT_EQ(all["objects"].size(), 5u);
}

TEST_F(Cli, ModuleErrorsAreReportedAndNothingIsSaved) {
  const std::string sample = file("sample.dxf"), out = file("out.dxf");
  ASSERT_EQ(run(kdprops("sample -o " + sample)).status, 0);
  // A layer id that opens as a line: the module raises the class mismatch.
  Result r = run(kdprops("set " + sample + " --handle 1A --name Layer --value 1B -o " + out));
  EXPECT_EQ(r.status, 3) << r.out;
  EXPECT_NE(r.out.find("is not a kind of"), std::string::npos) << r.out;
  EXPECT_FALSE(exists(out));
  if (!exists(samplePath("edge-cases/cc_dxflib.dxf"))) GTEST_SKIP() << "no sample drawings";
  EXPECT_EQ(run(kdprops("list " + samplePath("edge-cases/cc_dxflib.dxf"))).status, 0);
  EXPECT_EQ(run(kdprops("props " + samplePath("edge-cases/cc_dxflib.dxf") + " --all --json")).status, 0);
}

TEST_F(Cli, ValuesAreWhatWasTypedOrRefused) {
  const std::string sample = file("sample.dxf"), out = file("out.dxf");
  ASSERT_EQ(run(kdprops("sample -o " + sample)).status, 0);
  for (const char* value : {"nan", "inf", "-inf"}) {
    SCOPED_TRACE(value);
    Result r = run(kdprops("set " + sample + " --handle 1A --name Thickness --value " + value + " -o " + out + " --json"));
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_EQ(json::parse(r.out)["result"], -5001);
    EXPECT_TRUE(json::parse(r.out)["messages"].empty());
    EXPECT_FALSE(exists(out));
  }
  EXPECT_EQ(run(kdprops("set " + sample + " --handle 1A --name LineWeight --value 4294967321 -o " + out)).status, 2);
  EXPECT_EQ(run(kdprops("set " + sample + " --handle 1A --name LineColor --value rgb:300,0,0 -o " + out)).status, 2);
  EXPECT_EQ(run(kdprops("set " + sample + " --handle 1A --name LineColor --value rgb:1,2 -o " + out)).status, 2);
  EXPECT_FALSE(exists(out));
  ASSERT_EQ(run(kdprops("set " + sample + " --handle 1A --name LineColor --value rgb:255,0,7 -o " + out)).status, 0);
  EXPECT_EQ(jsonOf("props " + out + " --handle 1A --json")["properties"][0]["value"]["rgb"], 0xFF0007);
  // A rotation too large to count in degrees is saved as the same direction, in a file that reads.
  const std::string rotated = file("rotated.dxf");
  ASSERT_EQ(run(kdprops("set " + sample + " --handle 23 --name Rotation --value 1e308 -o " + rotated)).status, 0);
  json text = jsonOf("props " + rotated + " --handle 23 --json");
  const double rotation = numbers(text)["Rotation"];
  EXPECT_TRUE(std::isfinite(rotation));
  EXPECT_NEAR(std::remainder(rotation - std::fmod(1e308, 2 * M_PI), 2 * M_PI), 0.0, 1e-9);
  // A line break typed into a text stays one value of the file.
  const std::string broken = file("broken.dxf");
  ASSERT_EQ(run(kdprops("set " + sample + " --handle 23 --name Contents --value \"$(printf 'a\\nb^c')\" -o " + broken)).status, 0);
  EXPECT_EQ(jsonOf("props " + broken + " --handle 23 --json")["properties"][9]["value"]["value"], "a\nb^c");
  // Text that is no UTF-8 is shown with replacement characters.
  const std::string odd = file("odd.dxf");
  { std::ofstream(odd) << "  0\nSECTION\n  2\nENTITIES\n  0\nTEXT\n  5\n2A\n 10\n0\n 20\n0\n 40\n1\n  1\nab\\U+D800cd\n  0\nENDSEC\n  0\nEOF\n"; }
  Result r = run(kdprops("props " + odd + " --handle 2A --json"));
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NO_THROW(json::parse(r.out));
}

TEST_F(Cli, SavesOfUnusualDrawingsKeepWhatTheyRead) {
  // Comments that open a file, and its table counts, stay.
  const std::string old = file("old.dxf"), saved = file("saved.dxf"), again = file("again.dxf");
  { std::ofstream(old) << std::string("999\nwritten by hand\n") + kOldDrawing; }
  ASSERT_EQ(run(kdprops("save " + old + " -o " + saved)).status, 0);
  EXPECT_EQ(slurp(saved).substr(0, 20), "999\nwritten by hand\n");
  if (!exists(samplePath("edge-cases/duplicate_handles.dxf"))) GTEST_SKIP() << "no sample drawings";
  // Handle 126 occurs once: it names the dimension, not the text that lacked a handle of its own.
  EXPECT_EQ(jsonOf("props " + samplePath("edge-cases/duplicate_handles.dxf") + " --handle 126 --json")["class"],
            "OdDbRotatedDimension");
  // A block whose owner code names no record: its record is made once, not at every save.
  ASSERT_EQ(run(kdprops("save " + samplePath("edge-cases/layout_missing_block_record.dxf") + " -o " + saved)).status, 0);
  ASSERT_EQ(run(kdprops("save " + saved + " -o " + again)).status, 0);
  EXPECT_EQ(slurp(saved), slurp(again));
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  // Model space named "*U", and drawings of release 2.10: saved, read by ezdxf with every entity of every block.
  for (const char* name : {"corpus/libredwg/test__test-data__example_r14.dxf", "corpus/libredwg/test__test-data__r2.10__entities.dxf",
                           "corpus/libredwg/test__test-data__r2.10__block.dxf", "corpus/libredwg/test__test-data__r13__v.dxf"}) {
    SCOPED_TRACE(name);
    ASSERT_EQ(run(kdprops("save " + samplePath(name) + " -o " + saved)).status, 0);
    ASSERT_EQ(run(kdprops("save " + saved + " -o " + again)).status, 0);
    EXPECT_EQ(slurp(saved), slurp(again));
    Result counts = run("/usr/bin/python3 -c \"import ezdxf, sys; print(*[sum(len(b) for b in ezdxf.readfile(f).blocks) for f in sys.argv[1:]])\" " +
                        samplePath(name) + " " + saved);
    ASSERT_EQ(counts.status, 0) << counts.out;
    std::istringstream in(counts.out);
    int before = -1, after = -2;
    in >> before >> after;
    EXPECT_EQ(before, after);
    EXPECT_GT(before, 0);
  }
}
