// kdprops recover on the damaged sample drawings: each repair a line with
// file and line, the result read by ezdxf with every entity the damaged file
// holds (counted from its tags), and read again without repair; damaged files
// still refused without --recover; recover never writes over its input.
#include <map>
#include <set>

#include "CliTest.h"

namespace {
const std::string kEdge = std::string(KD_SAMPLES_DIR) + "/edge-cases/";
bool haveSamples() { return run("test -f " + kEdge + "recover01.dxf").status == 0; }
}  // namespace

TEST_F(Cli, TheDamagedSamplesComeBackWithEveryEntity) {
  if (!haveSamples()) GTEST_SKIP() << "no sample drawings here";
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  struct Sample {
    const char* name;
    const char* repair;  // one of the repairs it needs
  };
  for (const Sample& s : {Sample{"recover01.dxf", ":1142: header variable $EXTMIN outside the HEADER section; moved into it"},
                          Sample{"recover02.dxf", ":1920: records of table BLOCK_RECORD without their TABLE head; head added"}}) {
    SCOPED_TRACE(s.name);
    const std::string damaged = kEdge + s.name, out = file("recovered.dxf");
    // Refused as before without recovery.
    Result plain = run(kdprops("list " + damaged));
    EXPECT_EQ(plain.status, 3);
    EXPECT_NE(plain.out.find(damaged + ":"), std::string::npos) << plain.out;

    Result r = run(kdprops("recover " + damaged + " -o " + out));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find(damaged + s.repair), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("saved " + out), std::string::npos) << r.out;

    const json expected = json::parse(run(python("ezdxf_recover_check.py", "count " + damaged)).out);
    const json got = json::parse(run(python("ezdxf_recover_check.py", "read " + out) + " 2>/dev/null").out);
    EXPECT_EQ(got["entities"], expected["model"]);
    EXPECT_EQ(got["errors"], 0);
    EXPECT_EQ(got["recovered"], false);  // ezdxf reads the result without repairs of its own
    // The result reads without repair, and recovering it finds nothing to do.
    EXPECT_EQ(run(kdprops("list " + out + " > /dev/null")).status, 0);
    Result again = run(kdprops("recover " + out + " -o " + file("again.dxf")));
    EXPECT_NE(again.out.find("0 repairs"), std::string::npos) << again.out;
    // --recover on the other commands: the listing on standard output, the repairs beside it.
    Result listed = run("(" + kdprops("list " + damaged + " --recover --json 2>" + file("repairs.txt")) + ")");
    ASSERT_EQ(listed.status, 0);
    EXPECT_EQ(json::parse(listed.out), jsonOf("list " + out + " --json"));
    EXPECT_NE(run("cat " + file("repairs.txt")).out.find("kdprops: repaired " + damaged + s.repair), std::string::npos);
  }
}

TEST_F(Cli, RecoverSaysItsRepairsAsJsonAndNeverWritesOverItsInput) {
  if (!haveSamples()) GTEST_SKIP() << "no sample drawings here";
  const std::string damaged = file("damaged.dxf");
  ASSERT_EQ(run("cp " + kEdge + "recover02.dxf " + damaged).status, 0);
  const std::string before = run("md5sum < " + damaged).out;
  EXPECT_EQ(run(kdprops("recover " + damaged + " -o " + damaged)).status, 2);
  ASSERT_EQ(run("ln -s " + damaged + " " + file("link.dxf")).status, 0);
  EXPECT_EQ(run(kdprops("recover " + damaged + " -o " + file("link.dxf"))).status, 2);
  EXPECT_EQ(run("md5sum < " + damaged).out, before);

  const json j = jsonOf("recover " + damaged + " -o " + file("out.dxf") + " --json");
  ASSERT_GE(j["repairs"].size(), 1u);
  bool head = false;
  for (const json& r : j["repairs"]) head = head || (r["line"] == 1920 && r["what"] == "records of table BLOCK_RECORD without their TABLE head; head added");
  EXPECT_TRUE(head) << j.dump();
  EXPECT_EQ(j["saved"], file("out.dxf"));
  // A cut binary file recovers what precedes the cut, its place a byte offset.
  const std::string cut = file("cut.dxf");
  ASSERT_EQ(run("head -c 9000 " + kEdge + "bin_dxf_r2000.dxf > " + cut).status, 0);
  Result r = run(kdprops("recover " + cut + " -o " + file("cut-out.dxf")));
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find(cut + ": byte "), std::string::npos) << r.out;
  EXPECT_EQ(run(kdprops("list " + file("cut-out.dxf") + " > /dev/null")).status, 0);
}

TEST_F(Cli, OldAndOddDrawingsReadWithEveryEntityAndWithoutRepair) {
  if (!haveSamples()) GTEST_SKIP() << "no sample drawings here";
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string samples = std::string(KD_SAMPLES_DIR) + "/";
  // Releases before R12, trash after the end, handles empty or given twice: read as they are, no --recover.
  for (const char* name : {"edge-cases/AC1003_LINE_Example.dxf", "examples/Minimal_DXF_AC1006.dxf",
                           "edge-cases/R12_with_trash_beyond_EOF.dxf", "edge-cases/empty_handles.dxf",
                           "edge-cases/duplicate_handles.dxf"}) {
    SCOPED_TRACE(name);
    const std::string path = samples + name;
    const json expected = json::parse(run(python("ezdxf_recover_check.py", "count " + path)).out)["model"];
    const json listing = jsonOf("list " + path + " --json");
    json byType = json::object();
    std::set<std::string> handles;
    // Classes by the type names files give them.
    const std::map<std::string, std::string> kDxfName = {{"OdDbLine", "LINE"},   {"OdDbArc", "ARC"},
                                                         {"OdDbText", "TEXT"},   {"OdDbFace", "3DFACE"},
                                                         {"OdDbCircle", "CIRCLE"}, {"OdDbEllipse", "ELLIPSE"}};
    for (const json& o : listing["objects"]) {
      const std::string cls = o["class"];
      const auto known = kDxfName.find(cls);
      const std::string type = known != kDxfName.end() ? known->second
                               : cls.find("Dimension") != std::string::npos ? "DIMENSION" : cls;
      byType[type] = byType.value(type, 0) + 1;
      handles.insert(o["handle"].get<std::string>());
    }
    EXPECT_EQ(byType, expected);
    // Every entity answers to a handle of its own, also where the file gave one twice or none.
    EXPECT_EQ(handles.size(), listing["objects"].size());
    // Saved as read, ezdxf finds every entity.
    const std::string saved = file("saved.dxf");
    ASSERT_EQ(run(kdprops("save " + path + " -o " + saved)).status, 0);
    EXPECT_EQ(json::parse(run(python("ezdxf_recover_check.py", "read " + saved) + " 2>/dev/null").out)["entities"], expected);
  }
}
