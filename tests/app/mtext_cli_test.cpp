// Multiline texts as ezdxf writes them: read as ezdxf reads them, a
// justification change that moves the location the right way and back,
// long contents kept in their parts, edits read back by ezdxf.
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include "CliTest.h"

namespace {
std::map<std::string, json> rowsOf(const json& palette) {
  std::map<std::string, json> out;
  for (const json& p : palette["properties"]) out[p["name"].get<std::string>()] = p;
  return out;
}
std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}
// The value lines of an entity's tags of a code, straight from the file.
std::vector<std::string> tagsOf(const std::string& text, const std::string& handle, int code) {
  std::istringstream in(text);
  std::string c, v;
  bool inside = false;
  std::vector<std::string> out;
  while (std::getline(in, c) && std::getline(in, v)) {
    const int n = std::stoi(c);
    if (n == 0) inside = false;
    if (n == 5 && v == handle) inside = true;
    if (inside && n == code) out.push_back(v);
  }
  return out;
}
}  // namespace

TEST_F(Cli, MultilineTextsOfEzdxfReadEditAndKeepTheirParts) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string drawing = file("mtext.dxf");
  Result made = run(python("ezdxf_mtext_drawing.py", drawing) + " 2>/dev/null");
  ASSERT_EQ(made.status, 0) << made.out;
  const json expected = json::parse(made.out);
  const std::string shortText = expected["short"], longText = expected["long"];
  const double pi = 3.141592653589793;

  std::map<std::string, json> rows = rowsOf(jsonOf("props " + drawing + " --handle " + shortText + " --json"));
  EXPECT_EQ(rows["Contents"]["value"]["value"], expected["short_text"]);
  EXPECT_NEAR(rows["Rotation"]["value"]["value"].get<double>(), pi / 6, 1e-12);
  EXPECT_EQ(rows["Width"]["value"]["value"], 40.0);
  EXPECT_EQ(rows["Line space factor"]["value"]["value"], 1.5);
  EXPECT_NEAR(rows["Line space distance"]["value"]["value"].get<double>(), 1.5 * 2.5 * 5 / 3, 1e-12);
  rows = rowsOf(jsonOf("props " + drawing + " --handle " + longText + " --json"));
  EXPECT_EQ(rows["Contents"]["value"]["value"], expected["long_text"]);
  EXPECT_NEAR(rows["Rotation"]["value"]["value"].get<double>(), pi / 4, 1e-12);  // from the direction vector
  EXPECT_EQ(rows["Background mask"]["value"]["selected"], 0);

  // Bottom right and back: the location moves down and right along the text, then home.
  const std::string moved = file("moved.dxf"), back = file("back.dxf");
  ASSERT_EQ(run(kdprops("set " + drawing + " --handle " + shortText + " --name Justify --choice 9 -o " + moved)).status, 0);
  ASSERT_EQ(run(kdprops("set " + moved + " --handle " + shortText + " --name Justify --choice 1 -o " + back)).status, 0);
  Result read = run("/usr/bin/python3 -c \"import ezdxf, sys; [print(e.dxf.attachment_point, repr(e.dxf.insert.x), repr(e.dxf.insert.y)) "
                    "for e in (ezdxf.readfile(f).entitydb['" + shortText + "'] for f in sys.argv[1:])]\" " + moved + " " + back);
  ASSERT_EQ(read.status, 0) << read.out;
  std::istringstream lines(read.out);
  int a9 = 0, a1 = 0;
  double x9, y9, x1, y1;
  lines >> a9 >> x9 >> y9 >> a1 >> x1 >> y1;
  EXPECT_EQ(a9, 9);
  EXPECT_EQ(a1, 1);
  const double along = (x9 - 5) * std::cos(pi / 6) + (y9 - 5) * std::sin(pi / 6);
  const double across = -(x9 - 5) * std::sin(pi / 6) + (y9 - 5) * std::cos(pi / 6);
  // "Ground floor" (12 characters) is the widest line; three lines, 1.5 apart.
  EXPECT_NEAR(along, 12 * 0.6 * 2.5, 1e-9);
  EXPECT_NEAR(across, -(2.5 + 2 * 1.5 * 2.5 * 5 / 3), 1e-9);
  EXPECT_NEAR(x1, 5.0, 1e-9);
  EXPECT_NEAR(y1, 5.0, 1e-9);

  // A changed text keeps its contents' parts as the file had them, and its background.
  const std::string taller = file("taller.dxf");
  ASSERT_EQ(run(kdprops("set " + drawing + " --handle " + longText + " --name \"Text Height\" --value 2 -o " + taller)).status, 0);
  EXPECT_EQ(tagsOf(slurp(taller), longText, 3), tagsOf(slurp(drawing), longText, 3));
  EXPECT_EQ(tagsOf(slurp(taller), longText, 1), tagsOf(slurp(drawing), longText, 1));
  EXPECT_GE(tagsOf(slurp(drawing), longText, 3).size(), 5u);
  read = run("/usr/bin/python3 -c \"import ezdxf; e = ezdxf.readfile('" + taller + "').entitydb['" + longText +
             "']; print(e.dxf.char_height, e.dxf.bg_fill, e.dxf.bg_fill_color, e.dxf.box_fill_scale)\"");
  EXPECT_EQ(read.out, "2.0 1 2 1.3\n");

  // New long contents: written in parts of 250 bytes at most, read back whole by ezdxf.
  std::string contents;
  for (int i = 0; i < 60; ++i) contents += "Absatz " + std::to_string(i) + " \xc3\xa9\xe4\xb8\xad\\P";
  const std::string rewritten = file("rewritten.dxf");
  ASSERT_EQ(run(kdprops("set " + drawing + " --handle " + longText + " --name Contents --value '" + contents + "' -o " + rewritten)).status, 0);
  for (const std::string& part : tagsOf(slurp(rewritten), longText, 3)) EXPECT_LE(part.size(), 250u);
  read = run("/usr/bin/python3 -c \"import ezdxf, sys; sys.stdout.buffer.write(ezdxf.readfile('" + rewritten +
             "').entitydb['" + longText + "'].text.encode())\"");
  EXPECT_EQ(read.out, contents);
}
