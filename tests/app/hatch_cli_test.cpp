// Hatches as ezdxf writes them: areas of nested loops against the areas
// worked out by hand, a gradient and a user-defined pattern, and pattern
// edits read back by ezdxf with the same boundaries.
#include "CliTest.h"

TEST_F(Cli, HatchesOfEzdxfMeasureAndTakeNewPatterns) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string drawing = file("hatches.dxf");
  Result made = run(python("ezdxf_hatch_check.py", "make " + drawing) + " 2>/dev/null");
  ASSERT_EQ(made.status, 0) << made.out;
  const json m = json::parse(made.out);
  const std::string pattern = m["pattern"], gradient = m["gradient"], user = m["user"];
  auto read = [&](const std::string& path, const std::string& handle) {
    Result r = run(python("ezdxf_hatch_check.py", "read " + path + " " + handle));
    EXPECT_EQ(r.status, 0) << r.out;
    return json::parse(r.out);
  };

  json palette = jsonOf("props " + drawing + " --handle " + pattern + " --json");
  EXPECT_EQ(palette["displayName"], "Hatch");
  EXPECT_NEAR(rowOf(palette, "Area")["value"]["value"].get<double>(), m["patternArea"].get<double>(), 1e-12);
  EXPECT_EQ(rowOf(palette, "Scale")["value"]["value"], 0.5);
  EXPECT_EQ(rowOf(palette, "Type")["value"]["selected"], 1);
  json g = jsonOf("props " + drawing + " --handle " + gradient + " --json");
  EXPECT_EQ(g["displayName"], "Gradient");
  EXPECT_NEAR(rowOf(g, "Area")["value"]["value"].get<double>(), m["gradientArea"].get<double>(), 1e-12);
  EXPECT_NEAR(rowOf(g, "Gradient Angle")["value"]["value"].get<double>(), M_PI / 6, 1e-12);
  json u = jsonOf("props " + drawing + " --handle " + user + " --json");
  EXPECT_NEAR(rowOf(u, "Area")["value"]["value"].get<double>(), m["userArea"].get<double>(), 1e-9);
  EXPECT_TRUE(rowOf(u, "Pattern name")["readOnly"].get<bool>());
  EXPECT_NEAR(rowOf(u, "Spacing")["value"]["value"].get<double>(), 1.0, 1e-4);

  // A new pattern by name, then a new scale: ezdxf reads the pattern's two
  // families at the kept scale, and the same four boundaries.
  const json before = read(drawing, pattern);
  const std::string named = file("named.dxf"), scaled = file("scaled.dxf");
  ASSERT_EQ(run(kdprops("set " + drawing + " --handle " + pattern + " --name 'Pattern name' --choice 8 -o " + named)).status, 0);
  ASSERT_EQ(run(kdprops("set " + named + " --handle " + pattern + " --name Scale --value 2 -o " + scaled)).status, 0);
  json after = read(named, pattern);
  EXPECT_EQ(after["name"], "ANSI37");
  ASSERT_EQ(after["lines"].size(), 2u);
  EXPECT_NEAR(after["lines"][1][0].get<double>(), 135.0, 1e-9);
  EXPECT_EQ(after["paths"], before["paths"]);
  after = read(scaled, pattern);
  EXPECT_EQ(after["scale"], 2.0);
  const double dx = after["lines"][0][2][0], dy = after["lines"][0][2][1];
  // ezdxf's drawings are metric: the pattern's 0.125 inches apart become 3.175 mm, twice that at scale 2.
  EXPECT_NEAR(std::hypot(dx, dy), 6.35, 1e-12);
  EXPECT_EQ(after["paths"], before["paths"]);

  // The user-defined hatch takes a new spacing; the gradient new colours.
  const std::string spaced = file("spaced.dxf"), coloured = file("coloured.dxf");
  ASSERT_EQ(run(kdprops("set " + drawing + " --handle " + user + " --name Spacing --value 0.4 -o " + spaced)).status, 0);
  after = read(spaced, user);
  ASSERT_EQ(after["lines"].size(), 1u);
  EXPECT_NEAR(std::hypot(after["lines"][0][2][0].get<double>(), after["lines"][0][2][1].get<double>()), 0.4, 1e-12);
  EXPECT_NEAR(after["lines"][0][0].get<double>(), 45.0, 1e-9);
  ASSERT_EQ(run(kdprops("set " + drawing + " --handle " + gradient + " --name 'Color 2' --type 5 --value rgb:0,128,0 -o " +
                        coloured)).status, 0);
  after = read(coloured, gradient);
  EXPECT_EQ(after["gradient"]["color2"], json::parse("[0, 128, 0]"));
  EXPECT_EQ(after["gradient"]["color1"], json::parse("[255, 0, 0]"));

  // A user's pattern file gives the custom patterns.
  const std::string pat = file("office.pat"), custom = file("custom.dxf");
  ASSERT_EQ(run("printf '*MYTILE, tiles\\n0, 0,0, 0,2\\n90, 0,0, 0,2\\n' > " + pat).status, 0);
  ASSERT_EQ(run(kdprops("set " + drawing + " --handle " + pattern + " --patterns " + pat + " --name Type --choice 2 -o " +
                        custom)).status, 0);
  after = read(custom, pattern);
  EXPECT_EQ(after["name"], "MYTILE");
  EXPECT_EQ(after["type"], 2);
  EXPECT_EQ(after["lines"].size(), 2u);
  EXPECT_EQ(after["paths"], before["paths"]);

  // Refused: nothing is written.
  Result refused = run(kdprops("set " + drawing + " --handle " + pattern + " --name Scale --value 0 -o " + file("no.dxf")));
  EXPECT_NE(refused.status, 0);
  EXPECT_NE(refused.out.find("Invalid input"), std::string::npos) << refused.out;

  const std::string rewritten = file("rewritten.dxf");
  ASSERT_EQ(run(kdprops("save " + drawing + " -o " + rewritten + " --rewrite")).status, 0);
  Result compare = run(python("ezdxf_compare.py", drawing + " " + rewritten));
  EXPECT_EQ(compare.status, 0) << compare.out;
}
