// Binary drawings through kdprops: ezdxf's text and binary twins give the
// same listings and palettes; conversions both ways and edits of a binary
// file read back by ezdxf with every value in place.
#include "CliTest.h"

namespace {
json ezdxfRead(const std::string& path) {
  Result r = run(python("ezdxf_binary_check.py", "read " + path) + " 2>/dev/null");
  EXPECT_EQ(r.status, 0) << r.out;
  return r.status == 0 ? json::parse(r.out) : json();
}
}  // namespace

TEST_F(Cli, BinaryDrawingsOfEzdxfReadConvertAndEdit) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  for (const char* version : {"R12", "R2000", "R2018"}) {
    SCOPED_TRACE(version);
    Result made = run(python("ezdxf_binary_check.py", "make " + dir + " " + version) + " 2>/dev/null");
    ASSERT_EQ(made.status, 0) << made.out;
    const json h = json::parse(made.out);
    const std::string text = file("text.dxf"), binary = file("binary.dxf");
    const json original = ezdxfRead(text);
    ASSERT_TRUE(ezdxfRead(binary)["binary"]);

    // The twins: the same listing and palettes, object by object.
    EXPECT_EQ(jsonOf("list " + binary + " --json"), jsonOf("list " + text + " --json"));
    EXPECT_EQ(jsonOf("props " + binary + " --all --json"), jsonOf("props " + text + " --all --json"));

    // Text to binary and binary to text: ezdxf reads what it wrote.
    const std::string toBinary = file("to-binary.dxf"), toText = file("to-text.dxf");
    ASSERT_EQ(run(kdprops("save " + text + " -o " + toBinary + " --binary")).status, 0);
    ASSERT_EQ(run(kdprops("save " + binary + " -o " + toText + " --ascii")).status, 0);
    const json a = ezdxfRead(toBinary), b = ezdxfRead(toText);
    EXPECT_TRUE(a["binary"]);
    EXPECT_FALSE(b["binary"]);
    EXPECT_EQ(a["entities"], original["entities"]);
    EXPECT_EQ(b["entities"], original["entities"]);
    // Every object written from its fields, in binary.
    const std::string rewritten = file("rewritten.dxf");
    ASSERT_EQ(run(kdprops("save " + binary + " -o " + rewritten + " --rewrite")).status, 0);
    const json c = ezdxfRead(rewritten);
    EXPECT_TRUE(c["binary"]);
    EXPECT_EQ(c["entities"], original["entities"]);

    // An edit of a binary file keeps it binary, and the rest as it was.
    const std::string line = h["line"];
    Result set = run(kdprops("set " + binary + " --handle " + line + " --name \"Start X\" --value 7.25 --in-place"));
    ASSERT_EQ(set.status, 0) << set.out;
    const json edited = ezdxfRead(binary);
    EXPECT_TRUE(edited["binary"]);
    json expected = original["entities"];
    expected[line]["attrs"]["start"][0] = 7.25;
    EXPECT_EQ(edited["entities"], expected);
  }
}

TEST_F(Cli, ACutBinaryFileIsRefusedWithItsByteOffset) {
  const std::string sample = std::string(KD_SAMPLES_DIR) + "/edge-cases/bin_dxf_r2000.dxf";
  if (run("test -f " + sample).status != 0) GTEST_SKIP() << "no sample drawings here";
  const std::string cut = file("cut.dxf");
  ASSERT_EQ(run("head -c 5000 " + sample + " > " + cut).status, 0);
  Result r = run(kdprops("list " + cut));
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.out.find(cut + ": byte "), std::string::npos) << r.out;
  EXPECT_EQ(run(kdprops("save " + cut + " -o " + file("out.dxf"))).status, 3);
  EXPECT_NE(run("test -e " + file("out.dxf")).status, 0);  // nothing written
  // --binary and --ascii exclude each other.
  EXPECT_EQ(run(kdprops("save " + sample + " -o " + file("x.dxf") + " --binary --ascii")).status, 2);
}
