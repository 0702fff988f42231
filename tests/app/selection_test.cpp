// Selections, choices by object id and batch sessions of the command-line host.
#include <fstream>
#include <map>
#include <sstream>
#include "CliTest.h"

namespace {
// The palette's rows by "Category/Name".
std::map<std::string, json> rowsOf(const json& palette) {
  std::map<std::string, json> out;
  for (const json& p : palette["properties"]) {
    const std::string key = p["category"].get<std::string>() + "/" + p["name"].get<std::string>();
    EXPECT_EQ(out.count(key), 0u) << key << " shown twice";
    out[key] = p;
  }
  return out;
}

// Runs a batch session; one answer a line.
std::vector<json> batch(const std::string& args, const std::vector<std::string>& requests, const std::string& dir) {
  const std::string input = dir + "/requests.txt";
  {
    std::ofstream out(input, std::ios::binary);
    for (const std::string& r : requests) out << r << "\n";
  }
  Result r = run(kdprops("batch " + args) + " < " + input + " 2>/dev/null");
  EXPECT_EQ(r.status, 0) << r.out;
  std::vector<json> answers;
  std::istringstream lines(r.out);
  for (std::string line; std::getline(lines, line);) answers.push_back(json::parse(line));
  return answers;
}
}  // namespace

TEST_F(Cli, ASelectionShowsWhatItsObjectsShare) {
  const std::string sample = file("sample.dxf");
  ASSERT_EQ(run(kdprops("sample -o " + sample)).status, 0);
  // Two lines of different colours on one layer, and a circle.
  json mixed = jsonOf("props " + sample + " --handle 1A --handle 1B --handle 1F --json");
  EXPECT_EQ(mixed["class"], "OdDbCurve");
  EXPECT_EQ(mixed["handles"], json({"1A", "1B", "1F"}));
  std::map<std::string, json> rows = rowsOf(mixed);
  EXPECT_EQ(rows.size(), 8u);  // the general rows; lines and circles share no level below
  EXPECT_EQ(rows["General/LineColor"]["varies"], true);
  EXPECT_TRUE(rows["General/LineColor"]["value"].is_null());
  EXPECT_FALSE(rows["General/Layer"].contains("varies"));
  EXPECT_EQ(rows["General/Layer"]["value"]["type"], 8);
  EXPECT_FALSE(rows["General/Transparency"].contains("varies"));
  // Two lines: the line rows too; their start points differ, their start Z agrees.
  json lines = jsonOf("props " + sample + " --handle 1A --handle 1B --json");
  EXPECT_EQ(lines["class"], "OdDbLine");
  EXPECT_EQ(lines["displayName"], "Line");
  rows = rowsOf(lines);
  EXPECT_EQ(rows.size(), 20u);
  EXPECT_EQ(rows["Geometry/Start X"]["varies"], true);
  EXPECT_FALSE(rows["Geometry/Start Z"].contains("varies"));
  EXPECT_EQ(rows["Geometry/Start Z"]["value"]["value"], 0.0);
  // A choice list that varies keeps its choices and says so.
  const std::string styled = file("styled.dxf");
  ASSERT_EQ(run(kdprops("set " + sample + " --handle 24 --name TextStyle --choice-handle 22 -o " + styled)).status, 0);
  rows = rowsOf(jsonOf("props " + styled + " --handle 23 --handle 24 --json"));
  EXPECT_EQ(rows["Text/TextStyle"]["varies"], true);
  EXPECT_EQ(rows["Text/TextStyle"]["value"]["hasVaries"], true);
  EXPECT_EQ(rows["Text/TextStyle"]["value"]["elements"].size(), 3u);  // every style of the drawing
  // An unknown handle in a selection is refused, nothing shown.
  EXPECT_EQ(run(kdprops("props " + sample + " --handle 1A --handle 999")).status, 2);
}

TEST_F(Cli, EditsOfSelectionsAndChoicesByObjectId) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string sample = file("sample.dxf"), out = file("out.dxf");
  ASSERT_EQ(run(kdprops("sample -o " + sample)).status, 0);
  // Three objects take a colour; each answer is reported.
  Result r = run(kdprops("set " + sample + " --handle 1A --handle 1B --handle 1F --name LineColor --value 3 -o " + out + " --json"));
  ASSERT_EQ(r.status, 0) << r.out;
  json answer = json::parse(r.out);
  EXPECT_EQ(answer["saved"], true);
  ASSERT_EQ(answer["results"].size(), 3u);
  for (const json& each : answer["results"]) EXPECT_EQ(each["result"], 5100);
  // A text style chosen by its record's handle, with the label the getter shows.
  const std::string styled = file("styled.dxf");
  ASSERT_EQ(run(kdprops("set " + out + " --handle 23 --name TextStyle --choice-handle 22 -o " + styled)).status, 0);
  Result read = run("/usr/bin/python3 -c \"import ezdxf; d = ezdxf.readfile('" + styled +
                    "'); print(d.entitydb['23'].dxf.style, *[d.entitydb[h].dxf.color for h in ('1A', '1B', '1F')])\"");
  EXPECT_EQ(read.out, "Narrow 3 3 3\n");
  // A choice handle that names no record, or no record of the list: refused, nothing saved.
  const std::string none = file("none.dxf");
  EXPECT_EQ(run(kdprops("set " + sample + " --handle 23 --name TextStyle --choice-handle 999 -o " + none)).status, 2);
  EXPECT_EQ(run(kdprops("set " + sample + " --handle 23 --name TextStyle --choice-handle 1A -o " + none)).status, 2);
  EXPECT_FALSE(std::ifstream(none).good());
}

TEST_F(Cli, ABatchSessionKeepsItsDrawingOpenUntilSaved) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string sample = file("sample.dxf"), saved = file("saved.dxf");
  ASSERT_EQ(run(kdprops("sample -o " + sample)).status, 0);
  std::vector<json> answers = batch(
      sample,
      {R"({"command": "props", "handle": "1A", "id": "first"})",
       R"({"command": "set", "handle": "1A", "name": "Start X", "value": 2.5})",
       R"({"command": "set", "handles": ["1A", "1B"], "name": "Thickness", "value": "0.75"})",
       "{\"command\": \"props\", \"handle\": \"1A\"", std::string(10 << 20, 'x'), "\xff\xfe{\"command\": \"list\"}",
       R"({"command": "set", "handle": "1A", "name": "No such property", "value": 1})",
       R"({"command": "props", "handles": ["1A", "1B"]})",
       R"({"command": "save", "output": ")" + saved + R"("})"},
      dir);
  ASSERT_EQ(answers.size(), 9u);
  EXPECT_EQ(answers[0]["id"], "first");
  EXPECT_NE(rowsOf(answers[0])["Geometry/Start X"]["value"]["value"], 2.5);
  EXPECT_EQ(answers[1]["result"], 5100);
  EXPECT_EQ(answers[2]["results"].size(), 2u);
  for (int bad : {3, 4, 5, 6}) EXPECT_TRUE(answers[size_t(bad)].contains("error")) << bad;
  // The edits accumulated: both lines are now 0.75 thick; the start X changed on one only.
  std::map<std::string, json> rows = rowsOf(answers[7]);
  EXPECT_FALSE(rows["General/Thickness"].contains("varies"));
  EXPECT_EQ(rows["General/Thickness"]["value"]["value"], 0.75);
  EXPECT_EQ(answers[8]["saved"], saved);
  Result read = run("/usr/bin/python3 -c \"import ezdxf; d = ezdxf.readfile('" + saved +
                    "'); l = d.entitydb['1A']; print(l.dxf.start.x, l.dxf.thickness, d.entitydb['1B'].dxf.thickness)\"");
  EXPECT_EQ(read.out, "2.5 0.75 0.75\n");
  // The drawing given on the command line was not touched.
  EXPECT_EQ(rowsOf(jsonOf("props " + sample + " --handle 1A --json"))["General/Thickness"]["value"]["value"], 0.0);
}
