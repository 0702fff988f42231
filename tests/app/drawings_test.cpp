// Drawings as other programs write them: object coordinates, identities,
// saves that keep what they read, and a host that reports every failure.
#include <array>
#include <cmath>
#include <fstream>
#include <map>
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
