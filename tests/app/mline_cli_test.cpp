// Multilines as ezdxf writes them: a scale or justification change through
// kdprops keeps the vertices and gives the band ezdxf's own regeneration gives.
#include <sstream>
#include "CliTest.h"

TEST_F(Cli, MultilinesOfEzdxfKeepTheirVerticesAndRecomputeTheirBand) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string drawing = file("mline.dxf");
  Result made = run(python("ezdxf_mline_check.py", "make " + drawing) + " 2>/dev/null");
  ASSERT_EQ(made.status, 0) << made.out;
  const json handles = json::parse(made.out);
  const std::string open = handles["open"], closed = handles["closed"];

  json palette = jsonOf("props " + drawing + " --handle " + open + " --json");
  ASSERT_EQ(palette["displayName"], "RichLine");
  const json& rows = palette["properties"];
  ASSERT_EQ(rows.size(), 8u + 3u);
  EXPECT_EQ(rows[8]["value"]["value"], "TRIPLE");
  EXPECT_EQ(rows[8]["readOnly"], true);
  EXPECT_EQ(rows[9]["value"]["selected"], 0);  // Top
  EXPECT_EQ(rows[10]["value"]["value"], 1.0);

  struct Edit {
    std::string handle, name, option, scale, justification;
  } edits[] = {{open, "RLine scale", "--value 2.5", "2.5", "0"},
               {open, "RLine justification", "--choice 2", "1", "2"},
               {closed, "RLine justification", "--choice 1", "2", "1"},
               {closed, "RLine scale", "--value -1", "-1", "0"}};
  for (const Edit& e : edits) {
    SCOPED_TRACE(e.name + " " + e.option);
    const std::string edited = file("edited.dxf");
    ASSERT_EQ(run(kdprops("set " + drawing + " --handle " + e.handle + " --name \"" + e.name + "\" " + e.option + " -o " + edited)).status, 0);
    Result check = run(python("ezdxf_mline_check.py", "compare " + drawing + " " + edited + " " + e.handle + " " + e.scale + " " +
                                                          e.justification));
    ASSERT_EQ(check.status, 0) << check.out;
    std::istringstream in(check.out);
    double worst = 1, scale = 0;
    int justification = -1;
    in >> worst >> scale >> justification;
    EXPECT_LT(worst, 1e-9);
    EXPECT_EQ(scale, std::stod(e.scale));
    EXPECT_EQ(justification, std::stoi(e.justification));
  }

  // Three vertices list as three lines numbered from 0.
  json listing = jsonOf("list " + drawing + " --handle " + closed + " --json");
  std::vector<std::string> vertices;
  for (const json& l : listing["objects"][0]["lines"])
    if (l["label"].get<std::string>().rfind("Vertex ", 0) == 0) vertices.push_back(l["label"]);
  EXPECT_EQ(vertices, (std::vector<std::string>{"Vertex 0", "Vertex 1", "Vertex 2"}));
}
