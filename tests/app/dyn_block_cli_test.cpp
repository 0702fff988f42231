// Dynamic blocks of another program's drawings edited through kdprops and
// read back by ezdxf: the record each parameter keeps for the reference,
// the state's geometry in the reference's own block, and a reference that
// showed the definition itself getting a block and records of its own.
#include <cmath>
#include <fstream>
#include "CliTest.h"

namespace {
std::string sample(const char* name) { return std::string(KD_SAMPLES_DIR) + "/dynamic-blocks/" + name; }

// The values of a record after its header (two 1071 numbers and two 70s).
json payload(const json& record) {
  json out = json::array();
  for (size_t i = 4; i < record.size(); ++i) out.push_back(record[i]);
  return out;
}
}  // namespace

TEST_F(Cli, AVisibilityStateChosenInKdpropsIsWhatEzdxfReads) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  if (!std::ifstream(sample("BLOCKVISIBILITYPARAMETER.dxf")).good()) GTEST_SKIP() << "no sample drawings";
  const std::string out = file("visibility.dxf");
  Result r = run(kdprops("set " + sample("BLOCKVISIBILITYPARAMETER.dxf") +
                         " --handle 268 --name \"Test visibility\" --choice 3 -o " + out));
  ASSERT_EQ(r.status, 0) << r.out;
  const json before = json::parse(run(python("ezdxf_dynblock_check.py", "read " + sample("BLOCKVISIBILITYPARAMETER.dxf") + " 268")).out);
  const json after = json::parse(run(python("ezdxf_dynblock_check.py", "read " + out + " 268")).out);
  const json theirs = json::parse(run(python("ezdxf_dynblock_check.py", "read " + out + " 28C")).out);
  EXPECT_EQ(before["records"]["1"].back()[1], "HideAll");
  EXPECT_EQ(after["records"]["1"].back()[1], "ShowAll");
  // The header of the record stays as the program wrote it.
  for (int i = 0; i < 4; ++i) EXPECT_EQ(after["records"]["1"][i], before["records"]["1"][i]);
  // The reference shows what the drawing's own "ShowAll" reference shows.
  ASSERT_EQ(after["entities"].size(), theirs["entities"].size());
  for (size_t i = 0; i < theirs["entities"].size(); ++i)
    EXPECT_EQ(after["entities"][i]["visible"], theirs["entities"][i]["visible"]) << i;
  EXPECT_EQ(jsonOf("props " + out + " --handle 268 --json").dump().find("ShowAll") != std::string::npos, true);
}

TEST_F(Cli, AFlipIsWrittenAsOneAndMirrorsTheShape) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  if (!std::ifstream(sample("BLOCKFLIPPARAMETER.dxf")).good()) GTEST_SKIP() << "no sample drawings";
  const std::string out = file("flip.dxf");
  Result r = run(kdprops("set " + sample("BLOCKFLIPPARAMETER.dxf") + " --handle 255 --name \"Flip state1\" --choice 1 -o " + out));
  ASSERT_EQ(r.status, 0) << r.out;
  const json after = json::parse(run(python("ezdxf_dynblock_check.py", "read " + out + " 255")).out);
  const json record = payload(after["records"]["1"]);
  EXPECT_EQ(record.back(), json::array({70, 1}));
  // Mirrored about the flip line from the record's base to its end point (the Y axis here).
  const json base = record[0][1], end = record[1][1];
  const double dx = end[0].get<double>() - base[0].get<double>(), dy = end[1].get<double>() - base[1].get<double>();
  const json original = json::parse(run(python("ezdxf_dynblock_check.py", "read " + sample("BLOCKFLIPPARAMETER.dxf") + " 255")).out);
  const json& was = original["entities"][1]["points"];
  const json& now = after["entities"][1]["points"];
  ASSERT_EQ(was.size(), now.size());
  for (size_t i = 0; i < was.size(); ++i) {
    // Reflect the old point across the line through base along (dx, dy).
    const double px = was[i][0].get<double>() - base[0].get<double>(), py = was[i][1].get<double>() - base[1].get<double>();
    const double len2 = dx * dx + dy * dy, t = (px * dx + py * dy) / len2;
    const double rx = 2 * t * dx - px + base[0].get<double>(), ry = 2 * t * dy - py + base[1].get<double>();
    EXPECT_NEAR(now[i][0].get<double>(), rx, 1e-9);
    EXPECT_NEAR(now[i][1].get<double>(), ry, 1e-9);
  }
}

TEST_F(Cli, AReferenceOfTheDefinitionGetsABlockAndRecordsOfItsOwn) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  if (!std::ifstream(sample("BLOCKLINEARPARAMETER.dxf")).good()) GTEST_SKIP() << "no sample drawings";
  const std::string out = file("linear.dxf");
  Result r = run(kdprops("set " + sample("BLOCKLINEARPARAMETER.dxf") + " --handle 254 --name my_distance_param --value 9 -o " + out));
  ASSERT_EQ(r.status, 0) << r.out;
  const json after = json::parse(run(python("ezdxf_dynblock_check.py", "read " + out + " 254")).out);
  EXPECT_EQ(after["block"].get<std::string>().rfind("*U", 0), 0u);
  EXPECT_EQ(after["dynamic"], "LINEAR_PARAM");
  const json record = payload(after["records"]["1"]);
  ASSERT_GE(record.size(), 2u);
  const json base = record[0][1], end = record[1][1];
  EXPECT_NEAR(std::hypot(end[0].get<double>() - base[0].get<double>(), end[1].get<double>() - base[1].get<double>()), 9.0, 1e-12);
  // The header comes from the drawing's other reference of the block.
  const json other = json::parse(run(python("ezdxf_dynblock_check.py", "read " + out + " 284")).out);
  EXPECT_EQ(after["records"]["1"][0], other["records"]["1"][0]);
  // Read again: the name is the dynamic block's, the value the one set; a text is refused.
  const json palette = jsonOf("props " + out + " --handle 254 --json");
  EXPECT_EQ(rowOf(palette, "Name")["value"]["value"], "LINEAR_PARAM");
  EXPECT_EQ(rowOf(palette, "my_distance_param")["value"]["value"], 9.0);
  Result refused = run(kdprops("set " + out + " --handle 254 --name my_distance_param --value -2 -o " + file("refused.dxf")));
  EXPECT_NE(refused.out.find("-5001"), std::string::npos) << refused.out;
}
