// Every other dimension kind as ezdxf writes it: measured against the values
// of its points, listed with its own points, edited and read back by ezdxf,
// and rewritten from its fields without a difference.
#include <cmath>
#include "CliTest.h"


TEST_F(Cli, EveryDimensionKindOfEzdxfMeasuresItsPointsAndKeepsItsEdits) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string drawing = file("kinds.dxf");
  Result made = run(python("ezdxf_dimension_kinds.py", "make " + drawing) + " 2>/dev/null");
  ASSERT_EQ(made.status, 0) << made.out;
  const json kinds = json::parse(made.out);
  const std::map<std::string, std::string> display = {
      {"2line", "2LineAngularDimension"}, {"3point", "3PointAngularDimension"}, {"radius", "RadialDimension"},
      {"diameter", "DiametricDimension"}, {"arc", "ArcLengthDimension"},         {"ordinate", "OrdinateDimension"},
      {"large", "RadialDimensionLarge"}};
  for (const auto& [name, k] : kinds.items()) {
    SCOPED_TRACE(name);
    json palette = jsonOf("props " + drawing + " --handle " + k["handle"].get<std::string>() + " --json");
    EXPECT_EQ(palette["displayName"], display.at(name));
    EXPECT_NEAR(rowOf(palette, "Measurement")["value"]["value"].get<double>(), k["measurement"].get<double>(), 1e-12);
  }
  // The angular precision follows the linear one while the angular one is -1.
  const std::string angle = kinds["2line"]["handle"];
  json angular = jsonOf("props " + drawing + " --handle " + angle + " --json");
  EXPECT_EQ(rowOf(angular, "Angle precision")["value"]["selected"], 3);
  const std::string edited = file("edited.dxf");
  ASSERT_EQ(run(kdprops("set " + drawing + " --handle " + angle + " --name \"Angle precision\" --choice 1 -o " + edited)).status, 0);
  const json before = json::parse(run(python("ezdxf_dimension_kinds.py", "read " + drawing + " " + angle)).out);
  const json after = json::parse(run(python("ezdxf_dimension_kinds.py", "read " + edited + " " + angle)).out);
  json expected = before;
  expected["own"]["dimdec"] = 1;
  EXPECT_EQ(after, expected);

  // The extension arc of the radius, as the file keeps it; a refused jog angle changes nothing.
  const std::string radius = kinds["radius"]["handle"], arcOn = file("arc.dxf");
  ASSERT_EQ(run(kdprops("set " + drawing + " --handle " + radius + " --name \"Ext line \" --choice 1 -o " + arcOn)).status, 0);
  const json radial = json::parse(run(python("ezdxf_dimension_kinds.py", "read " + arcOn + " " + radius)).out);
  ASSERT_GE(radial["radial"].size(), 2u);
  EXPECT_EQ(radial["radial"][0], json({1070, 387}));
  EXPECT_EQ(radial["radial"][1], json({1070, 1}));
  Result refused = run(kdprops("set " + drawing + " --handle " + kinds["large"]["handle"].get<std::string>() +
                               " --name \"Jog angle\" --value 0.05 -o " + file("jog.dxf")));
  EXPECT_NE(refused.status, 0);

  // Listings with each kind's points.
  json listing = jsonOf("list " + drawing + " --handle " + kinds["3point"]["handle"].get<std::string>() + " --json");
  json lines = linesOf(listing);
  EXPECT_EQ(lines["arc center defining point"], json({30.0, 0.0, 0.0}));
  EXPECT_EQ(lines["1st extension defining point"], json({35.0, 0.0, 0.0}));
  EXPECT_EQ(lines["type"], "angular");

  // Every object rewritten from its fields reads the same.
  const std::string rewritten = file("rewritten.dxf");
  ASSERT_EQ(run(kdprops("save " + drawing + " -o " + rewritten + " --rewrite")).status, 0);
  Result compare = run(python("ezdxf_compare.py", drawing + " " + rewritten));
  EXPECT_EQ(compare.status, 0) << compare.out;
}
