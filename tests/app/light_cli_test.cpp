// Lights as ezdxf writes them: a point light, a spotlight with shadow maps
// and a spotlight aimed by its photometric record, their rows compared with
// what ezdxf set, and edits made through kdprops read back by ezdxf.
#include "CliTest.h"

TEST_F(Cli, LightsOfEzdxfShowWhatWasSetAndKeepTheirEdits) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string drawing = file("lights.dxf");
  Result made = run(python("ezdxf_light_check.py", "make " + drawing) + " 2>/dev/null");
  ASSERT_EQ(made.status, 0) << made.out;
  const json h = json::parse(made.out);
  const std::string point = h["point"], spot = h["spot"], aimed = h["aimed"];

  json p = jsonOf("props " + drawing + " --handle " + point + " --json");
  EXPECT_EQ(p["displayName"], "Light");
  EXPECT_EQ(rowOf(p, "Name")["value"]["value"], "Desk");
  EXPECT_EQ(rowOf(p, "Intensity factor")["value"]["value"], 0.75);
  EXPECT_EQ(rowOf(p, "Position Z")["value"]["value"], 2.5);
  EXPECT_EQ(rowOf(p, "Use limits")["value"]["value"], "Yes");
  EXPECT_EQ(rowOf(p, "End limit offset")["value"]["value"], 12.0);
  EXPECT_EQ(p.dump().find("Target X"), std::string::npos);

  json s = jsonOf("props " + drawing + " --handle " + spot + " --json");
  EXPECT_EQ(rowOf(s, "Softness")["value"]["value"], 3);
  EXPECT_TRUE(rowOf(s, "Shadows")["readOnly"].get<bool>());  // the light is off
  json a = jsonOf("props " + drawing + " --handle " + aimed + " --json");
  EXPECT_EQ(rowOf(a, "Target Y")["value"]["value"], 1.0);

  const std::string edited = file("lights-edited.dxf");
  ASSERT_EQ(run(kdprops("set " + drawing + " --handle " + point + " --name \"Intensity factor\" --value 2.5 -o " + edited)).status, 0);
  ASSERT_EQ(run(kdprops("set " + edited + " --handle " + point + " --name \"Position Z\" --value 3 --in-place")).status, 0);
  ASSERT_EQ(run(kdprops("set " + edited + " --handle " + spot + " --name \"On/Off Status\" --choice 0 --in-place")).status, 0);
  ASSERT_EQ(run(kdprops("set " + edited + " --handle " + aimed + " --name \"Target Y\" --value 2 --in-place")).status, 0);
  Result bad = run(kdprops("set " + edited + " --handle " + point + " --name Name --value \"A;B\" --in-place"));
  EXPECT_NE(bad.out.find("-5001"), std::string::npos) << bad.out;

  Result r = run(python("ezdxf_light_check.py", "read " + edited));
  ASSERT_EQ(r.status, 0) << r.out;
  const json back = json::parse(r.out);
  EXPECT_EQ(back[point]["intensity"], 2.5);
  EXPECT_EQ(back[point]["location"], json::array({2.0, 3.0, 3.0}));
  EXPECT_EQ(back[point]["name"], "Desk");
  EXPECT_EQ(back[spot]["status"], 1);
  EXPECT_EQ(back[spot]["shadow_map_size"], 512);
  EXPECT_EQ(back[spot]["falloff_angle"], 45.0);
  EXPECT_EQ(back[aimed]["target"], json::array({1.0, 2.0, 0.0}));
}
