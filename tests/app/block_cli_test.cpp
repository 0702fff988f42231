// Block references as ezdxf writes them: the unit factor of a metre block in
// a millimetre drawing, attributes that follow a move, a turn and a scale to
// where ezdxf itself places them, a value edit, and a revision cloud laid
// again with a new radius, all read back by ezdxf.
#include <cmath>
#include <fstream>
#include "CliTest.h"

namespace {
double distance(const json& a, const json& b) {
  return std::hypot(a[0].get<double>() - b[0].get<double>(), a[1].get<double>() - b[1].get<double>(),
                    a[2].get<double>() - b[2].get<double>());
}
}  // namespace

TEST_F(Cli, BlockReferencesOfEzdxfCarryTheirAttributes) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string drawing = file("blocks.dxf");
  Result made = run(python("ezdxf_block_check.py", "make " + drawing) + " 2>/dev/null");
  ASSERT_EQ(made.status, 0) << made.out;
  const json m = json::parse(made.out);
  const std::string bolt = m["bolt"];
  auto read = [&](const std::string& path) {
    Result r = run(python("ezdxf_block_check.py", "read " + path + " " + bolt));
    EXPECT_EQ(r.status, 0) << r.out;
    return json::parse(r.out);
  };
  // Every attribute where ezdxf places its definition for the reference as it is.
  auto expectPlaced = [](const json& ref) {
    for (const json& a : ref["attribs"])
      EXPECT_LT(distance(a["insert"], ref["placed"][a["tag"].get<std::string>()]), 1e-9) << a["tag"];
  };

  json palette = jsonOf("props " + drawing + " --handle " + bolt + " --json");
  EXPECT_EQ(palette["displayName"], "Block");
  EXPECT_EQ(rowOf(palette, "Block Unit Scale")["value"]["value"], 1000.0);
  EXPECT_EQ(rowOf(palette, "Block Units")["value"]["value"], "Meters");
  EXPECT_NEAR(rowOf(palette, "Scale X")["value"]["value"].get<double>(), 1.0, 1e-15);
  EXPECT_NEAR(rowOf(palette, "Rotation")["value"]["value"].get<double>(), M_PI / 6, 1e-15);
  EXPECT_EQ(rowOf(palette, "NUMBER")["value"]["value"], "B-7");
  EXPECT_EQ(rowOf(palette, "NOTE")["value"]["value"], "torque 40");
  expectPlaced(read(drawing));

  // A move: the attributes go the same way.
  const std::string moved = file("moved.dxf");
  ASSERT_EQ(run(kdprops("set " + drawing + " --handle " + bolt + " --name 'Position X' --value 110 -o " + moved)).status, 0);
  json after = read(moved);
  EXPECT_EQ(after["insert"][0], 110.0);
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_NEAR(after["attribs"][i]["insert"][0].get<double>(), m["attribs"][i][0].get<double>() + 10, 1e-12);
    EXPECT_NEAR(after["attribs"][i]["insert"][1].get<double>(), m["attribs"][i][1].get<double>(), 1e-12);
  }
  expectPlaced(after);

  // A turn to 90 degrees: a further 60 about the position, the texts turned with it.
  const std::string turned = file("turned.dxf");
  ASSERT_EQ(run(kdprops("set " + moved + " --handle " + bolt + " --name Rotation --value 1.5707963267948966" +
                        " -o " + turned)).status, 0);
  after = read(turned);
  EXPECT_NEAR(after["rotation"].get<double>(), 90.0, 1e-9);
  for (const json& a : after["attribs"]) EXPECT_NEAR(a["rotation"].get<double>(), 90.0, 1e-9);
  expectPlaced(after);

  // A scale along X only (2 in the drawing's units is 2000): the attributes
  // keep their place in the stretched block.
  const std::string scaled = file("scaled.dxf");
  ASSERT_EQ(run(kdprops("set " + turned + " --handle " + bolt + " --name 'Scale X' --value 2 -o " + scaled)).status, 0);
  after = read(scaled);
  EXPECT_EQ(after["scale"], json::parse("[2000.0, 1000.0, 1000.0]"));
  expectPlaced(after);
  EXPECT_NEAR(after["attribs"][0]["height"].get<double>(), 0.5, 1e-12);

  // A value edit changes that attribute alone.
  const std::string valued = file("valued.dxf");
  ASSERT_EQ(run(kdprops("set " + scaled + " --handle " + bolt +
                        " --category BlockAttributes --name NUMBER --value B-8 -o " + valued)).status, 0);
  after = read(valued);
  EXPECT_EQ(after["attribs"][0]["text"], "B-8");
  EXPECT_EQ(after["attribs"][1]["text"], "torque 40");

  // A refused scale moves nothing.
  Result refused = run(kdprops("set " + drawing + " --handle " + bolt + " --name 'Scale Y' --value 0 -o " + file("no.dxf")));
  EXPECT_NE(refused.status, 0);
  EXPECT_NE(refused.out.find("Value must be non-zero"), std::string::npos) << refused.out;

  const std::string rewritten = file("rewritten.dxf");
  ASSERT_EQ(run(kdprops("save " + drawing + " -o " + rewritten + " --rewrite")).status, 0);
  Result compare = run(python("ezdxf_compare.py", drawing + " " + rewritten));
  EXPECT_EQ(compare.status, 0) << compare.out;
}

TEST_F(Cli, ARevisionCloudOfEzdxfIsLaidAgainWithANewRadius) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string drawing = file("cloud.dxf");
  Result made = run(python("ezdxf_block_check.py", "make " + drawing) + " 2>/dev/null");
  ASSERT_EQ(made.status, 0) << made.out;
  const std::string cloud = json::parse(made.out)["cloud"];
  json palette = jsonOf("props " + drawing + " --handle " + cloud + " --json");
  EXPECT_EQ(palette["displayName"], "Cloud");
  EXPECT_EQ(rowOf(palette, "Shape")["value"]["value"], "Rectangular");
  EXPECT_EQ(rowOf(palette, "Radius")["value"]["value"], 0.5);
  json listing = jsonOf("list " + drawing + " --handle " + cloud + " --json");
  EXPECT_EQ(linesOf(listing)["Object"], "CLOUD");

  const std::string edited = file("edited.dxf");
  ASSERT_EQ(run(kdprops("set " + drawing + " --handle " + cloud + " --name Radius --value 0.3 -o " + edited)).status, 0);
  Result r = run(python("ezdxf_block_check.py", "read " + edited + " " + cloud));
  ASSERT_EQ(r.status, 0) << r.out;
  const json after = json::parse(r.out);
  // Sides of 4 and 2 in chords of at most 0.3 x sqrt 3: 8 and 4 arcs each.
  ASSERT_EQ(after["arcs"].size(), 24u);
  auto onOutline = [](const json& p) {
    const double x = p[0], y = p[1];
    return (std::fabs(x - 10) < 1e-9 || std::fabs(x - 14) < 1e-9) ? y > 10 - 1e-9 && y < 12 + 1e-9
                                                                  : (std::fabs(y - 10) < 1e-9 || std::fabs(y - 12) < 1e-9) &&
                                                                        x > 10 - 1e-9 && x < 14 + 1e-9;
  };
  for (const json& arc : after["arcs"]) {
    EXPECT_NEAR(arc["radius"].get<double>(), 0.3, 1e-12);
    EXPECT_TRUE(onOutline(arc["start"])) << arc["start"];
    EXPECT_TRUE(onOutline(arc["end"])) << arc["end"];
    const double x = arc["mid"][0], y = arc["mid"][1];
    EXPECT_FALSE(x > 10 && x < 14 && y > 10 && y < 12) << "bulges inwards at " << x << "," << y;
  }
  EXPECT_EQ(after["xdata"][4], json::parse("[1041, 0.3]"));
  EXPECT_EQ(after["xdata"][0], json::parse("[1011, [10.0, 10.0, 0.0]]"));
  EXPECT_EQ(after["xdata"][5], json::parse("[1000, \"Rectangular\"]"));
}

TEST_F(Cli, AGridOfEzdxfTakesNewCountsAndRefusesNone) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string drawing = file("grid.dxf");
  Result made = run(python("ezdxf_block_check.py", "make " + drawing) + " 2>/dev/null");
  ASSERT_EQ(made.status, 0) << made.out;
  const std::string grid = json::parse(made.out)["grid"];
  json palette = jsonOf("props " + drawing + " --handle " + grid + " --json");
  EXPECT_EQ(palette["displayName"], "BlockN");
  EXPECT_EQ(rowOf(palette, "Columns")["value"]["value"], 3);
  EXPECT_EQ(rowOf(palette, "Row spacing")["value"]["value"], 7.0);
  EXPECT_FALSE(rowOf(palette, "LineScale")["readOnly"].get<bool>());
  EXPECT_EQ(linesOf(jsonOf("list " + drawing + " --handle " + grid + " --json"))["Object"], "INSERT OF BLOCK");
  const std::string edited = file("edited.dxf");
  ASSERT_EQ(run(kdprops("set " + drawing + " --handle " + grid + " --name Columns --type 4 --value 6 -o " + edited)).status, 0);
  Result r = run(python("ezdxf_block_check.py", "read " + edited + " " + grid));
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(json::parse(r.out)["grid"], json::parse("[6, 2, 5.0, 7.0]"));
  Result refused = run(kdprops("set " + drawing + " --handle " + grid + " --name Rows --type 4 --value 0 -o " + file("no.dxf")));
  EXPECT_NE(refused.status, 0);
  EXPECT_NE(refused.out.find("Invalid value for property Rows"), std::string::npos) << refused.out;
}

// A reference to the anonymous state of a dynamic block is named by the dynamic block.
TEST_F(Cli, AnonymousStatesOfDynamicBlocksShowTheDynamicBlocksName) {
  const std::string sample = std::string(KD_SAMPLES_DIR) + "/dynamic-blocks/BLOCKFLIPPARAMETER.dxf";
  if (!std::ifstream(sample).good()) GTEST_SKIP() << "no sample drawings";
  json palette = jsonOf("props " + sample + " --handle 28B --json");
  EXPECT_EQ(rowOf(palette, "Name")["value"]["value"], "BLOCK_FLIP_PARAMETER");
  EXPECT_TRUE(rowOf(palette, "Name")["readOnly"].get<bool>());
  EXPECT_EQ(linesOf(jsonOf("list " + sample + " --handle 28B --json"))["Block"], "BLOCK_FLIP_PARAMETER");
}
