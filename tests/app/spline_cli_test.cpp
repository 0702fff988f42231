// Splines as ezdxf writes them: one given by fit points and tangents alone,
// whose control points come out as ezdxf computes them for a CAD program;
// a rational circle measured against its radius; an edited fit point read
// back by ezdxf with the curve redrawn through it.
#include <cmath>
#include "CliTest.h"

TEST_F(Cli, SplinesOfEzdxfFromFitPointsAndWeights) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string drawing = file("splines.dxf");
  Result made = run(python("ezdxf_spline_check.py", "make " + drawing) + " 2>/dev/null");
  ASSERT_EQ(made.status, 0) << made.out;
  const json expected = json::parse(made.out);
  const std::string fitted = expected["fitted"], circle = expected["circle"];
  const json& control = expected["control"];
  for (size_t i = 0; i < control.size(); ++i) {
    json palette = jsonOf("props " + drawing + " --handle " + fitted + " --index " + std::to_string(i) + " --json");
    EXPECT_EQ(rowOf(palette, "Number of control points")["value"]["value"], control.size());
    EXPECT_NEAR(rowOf(palette, "Control point X")["value"]["value"].get<double>(), control[i][0].get<double>(), 1e-9) << i;
    EXPECT_NEAR(rowOf(palette, "Control point Y")["value"]["value"].get<double>(), control[i][1].get<double>(), 1e-9) << i;
  }
  json round = jsonOf("props " + drawing + " --handle " + circle + " --json");
  EXPECT_NEAR(rowOf(round, "Area")["value"]["value"].get<double>(), expected["area"].get<double>(), 1e-9);
  EXPECT_EQ(rowOf(round, "Closed")["value"]["value"], "Yes");
  json listing = jsonOf("list " + drawing + " --handle " + circle + " --json");
  json lines = linesOf(listing);
  EXPECT_NEAR(lines["Length"].get<double>(), expected["length"].get<double>(), 1e-9);
  EXPECT_NE(lines["Properties"].get<std::string>().find("Rational"), std::string::npos);

  // Fit point 2 moved up: the file holds it and control points through the new points.
  const std::string edited = file("edited.dxf");
  ASSERT_EQ(run(kdprops("set " + drawing + " --handle " + fitted + " --name \"Fit point Y\" --index 2 --value 4 -o " + edited)).status, 0);
  const json back = json::parse(run(python("ezdxf_spline_check.py", "read " + edited + " " + fitted)).out);
  EXPECT_EQ(back["fit"][2], json({6.0, 4.0, 0.0}));
  ASSERT_EQ(back["control"].size(), back["expected"].size());
  for (size_t i = 0; i < back["control"].size(); ++i)
    for (int axis = 0; axis < 3; ++axis)
      EXPECT_NEAR(back["control"][i][axis].get<double>(), back["expected"][i][axis].get<double>(), 1e-9) << i;

  const std::string rewritten = file("rewritten.dxf");
  ASSERT_EQ(run(kdprops("save " + drawing + " -o " + rewritten + " --rewrite")).status, 0);
  Result compare = run(python("ezdxf_compare.py", drawing + " " + rewritten));
  EXPECT_EQ(compare.status, 0) << compare.out;
}
