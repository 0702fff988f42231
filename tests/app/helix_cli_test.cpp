// A helix as ezdxf writes it: its fields and length in the palette, new
// turns read back by ezdxf with the spline redrawn to the new top.
#include "CliTest.h"

TEST_F(Cli, HelixOfEzdxfMeasuredAndRedrawn) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string drawing = file("helix.dxf");
  Result made = run(python("ezdxf_helix_check.py", "make " + drawing) + " 2>/dev/null");
  ASSERT_EQ(made.status, 0) << made.out;
  const json h = json::parse(made.out);
  const std::string handle = h["handle"];
  json palette = jsonOf("props " + drawing + " --handle " + handle + " --json");
  EXPECT_EQ(palette["displayName"], "Helix");
  EXPECT_NEAR(rowOf(palette, "Total Length")["value"]["value"].get<double>(), h["length"].get<double>(), 1e-9);
  EXPECT_EQ(rowOf(palette, "Base Radius")["value"]["value"], 2.0);
  EXPECT_EQ(rowOf(palette, "Height")["value"]["value"], 2.0);
  EXPECT_EQ(rowOf(palette, "Twist")["value"]["selected"], 1);      // "CW"
  EXPECT_EQ(rowOf(palette, "Constrain")["value"]["selected"], 1);  // "Turns"

  // Turns constrained: a new height changes the turn height; the spline reaches the new top.
  const std::string edited = file("edited.dxf");
  ASSERT_EQ(run(kdprops("set " + drawing + " --handle " + handle + " --name Height --value 3 -o " + edited)).status, 0);
  const json back = json::parse(run(python("ezdxf_helix_check.py", "read " + edited + " " + handle)).out);
  EXPECT_EQ(back["turns"], 4.0);
  EXPECT_EQ(back["turn_height"], 0.75);
  EXPECT_EQ(back["handedness"], 0);
  EXPECT_NEAR(back["first"][0].get<double>(), 2.0, 1e-12);
  EXPECT_NEAR(back["last"][2].get<double>(), 3.0, 1e-9);
  EXPECT_NEAR(back["last"][0].get<double>(), 2.0, 1e-9);

  const std::string rewritten = file("rewritten.dxf");
  ASSERT_EQ(run(kdprops("save " + drawing + " -o " + rewritten + " --rewrite")).status, 0);
  Result compare = run(python("ezdxf_compare.py", drawing + " " + rewritten));
  EXPECT_EQ(compare.status, 0) << compare.out;
}
