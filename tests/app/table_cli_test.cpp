// Another program's table turned to flow upwards through kdprops: ezdxf
// reads the saved table's own tags as they were but for the flow direction
// the table now holds, and its insertion point moved down by its height.
#include <fstream>
#include "CliTest.h"

TEST_F(Cli, ATableTurnedUpKeepsEveryTagButItsNewFlow) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string original = std::string(KD_SAMPLES_DIR) + "/edge-cases/acad_table_with_blk_ref.dxf";
  if (!std::ifstream(original).good()) GTEST_SKIP() << "no sample drawings";
  const std::string edited = file("table-up.dxf");
  Result r = run(kdprops("set " + original + " --handle CF --name Direction --choice 0 -o " + edited));
  ASSERT_EQ(r.status, 0) << r.out;
  Result c = run(python("ezdxf_table_check.py", "compare " + original + " " + edited + " CF"));
  ASSERT_EQ(c.status, 0) << c.out;
  const json d = json::parse(c.out);
  EXPECT_EQ(d["removed"].size(), 0u) << d.dump();
  ASSERT_EQ(d["added"].size(), 1u) << d.dump();
  EXPECT_EQ(d["added"][0], json::array({70, 1}));
  EXPECT_NEAR(d["insert"][0][1].get<double>() - d["insert"][1][1].get<double>(), 92.0, 1e-9);
  EXPECT_EQ(d["insert"][0][0], d["insert"][1][0]);
  // Back down: the table stands where it stood.
  const std::string back = file("table-back.dxf");
  ASSERT_EQ(run(kdprops("set " + edited + " --handle CF --name Direction --choice 1 -o " + back)).status, 0);
  const json e = json::parse(run(python("ezdxf_table_check.py", "compare " + original + " " + back + " CF")).out);
  EXPECT_EQ(e["insert"][0], e["insert"][1]);
  EXPECT_EQ(e["added"], json::array({json::array({70, 0})}));
}
