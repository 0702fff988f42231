// A leader and a tolerance frame as ezdxf writes them: the palette shows
// their path, kind, style and the settings they hold over it; edits made
// through kdprops are read back by ezdxf, the settings among their own.
#include "CliTest.h"

TEST_F(Cli, ALeaderAndAFrameOfEzdxfKeepTheirEdits) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string drawing = file("leader.dxf");
  Result made = run(python("ezdxf_leader_check.py", "make " + drawing) + " 2>/dev/null");
  ASSERT_EQ(made.status, 0) << made.out;
  const json h = json::parse(made.out);
  const std::string leader = h["leader"], frame = h["frame"];

  const json l = jsonOf("props " + drawing + " --handle " + leader + " --json");
  EXPECT_EQ(rowOf(l, "Arrow size")["value"]["value"], 0.5);            // its own
  EXPECT_EQ(rowOf(l, "Text offset")["value"]["value"], 0.1);           // the style's
  EXPECT_EQ(rowOf(l, "Vertex")["value"]["elements"].size(), 4u);
  const json f = jsonOf("props " + drawing + " --handle " + frame + " --json");
  EXPECT_EQ(rowOf(f, "Position X")["value"]["value"], 6.0);

  const std::string edited = file("leader-edited.dxf");
  ASSERT_EQ(run(kdprops("set " + drawing + " --handle " + leader + " --name Type --choice 0 -o " + edited)).status, 0);
  ASSERT_EQ(run(kdprops("set " + edited + " --handle " + leader + " --name \"Text offset\" --value 0.2 --in-place")).status, 0);
  ASSERT_EQ(run(kdprops("set " + edited + " --handle " + leader + " --name \"Vertex y\" --value 1.5 --index 3 --in-place")).status, 0);
  ASSERT_EQ(run(kdprops("set " + edited + " --handle " + frame + " --name \"Text height\" --value 0.35 --in-place")).status, 0);
  ASSERT_EQ(run(kdprops("set " + edited + " --handle " + frame + " --name \"Position X\" --value 8 --in-place")).status, 0);
  Result refused = run(kdprops("set " + edited + " --handle " + leader + " --name \"Arrow size\" --value -1 --in-place"));
  EXPECT_NE(refused.out.find("-5001"), std::string::npos) << refused.out;

  Result r = run(python("ezdxf_leader_check.py", "read " + edited));
  ASSERT_EQ(r.status, 0) << r.out;
  const json back = json::parse(r.out);
  EXPECT_EQ(back[leader]["path_type"], 0);
  EXPECT_EQ(back[leader]["has_arrowhead"], 0);
  EXPECT_EQ(back[leader]["vertices"][3], json::array({5.0, 1.5, 0.0}));
  EXPECT_EQ(back[leader]["overrides"]["41"], 0.5);   // kept
  EXPECT_EQ(back[leader]["overrides"]["147"], 0.2);  // DIMGAP, new
  EXPECT_EQ(back[leader]["overrides"]["176"], 3);
  EXPECT_EQ(back[frame]["insert"], json::array({8.0, 2.0, 0.0}));
  EXPECT_EQ(back[frame]["overrides"]["140"], 0.35);  // DIMTXT
  EXPECT_EQ(back[frame]["content"], "{\\Fgdt;p}0.2^J{\\Fgdt;u}0.1");
  EXPECT_EQ(back[frame]["dimstyle"], "Notes");
}
