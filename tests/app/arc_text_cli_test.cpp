// Text along arcs as files hold them: centres in object coordinates shown at
// the world points ezdxf's OCS gives, edits that ezdxf reads back with every
// other tag of the text as written.
#include <cmath>
#include "CliTest.h"

namespace {
double value(const json& palette, const char* name) {
  for (const json& row : palette["properties"])
    if (row["name"] == name) return row["value"]["value"].get<double>();
  ADD_FAILURE() << "no row " << name;
  return NAN;
}
}  // namespace

TEST_F(Cli, TextAlongArcsReadAtTheirWorldCentreAndEditedWithoutLoss) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string drawing = file("arctext.dxf");
  Result made = run(python("ezdxf_arctext_check.py", "make " + drawing) + " 2>/dev/null");
  ASSERT_EQ(made.status, 0) << made.out;
  const json texts = json::parse(made.out);

  for (const char* name : {"mirrored", "tilted"}) {
    SCOPED_TRACE(name);
    const json& t = texts[name];
    const std::string handle = t["handle"];
    json palette = jsonOf("props " + drawing + " --handle " + handle + " --json");
    ASSERT_EQ(palette["displayName"], "ArcAlignedText");
    EXPECT_NEAR(value(palette, "Center x"), t["world"][0].get<double>(), 1e-12);
    EXPECT_NEAR(value(palette, "Center y"), t["world"][1].get<double>(), 1e-12);
    EXPECT_NEAR(value(palette, "Center z"), t["world"][2].get<double>(), 1e-12);
    EXPECT_NEAR(value(palette, "Start angle"), t["start"].get<double>(), 1e-12);
    EXPECT_NEAR(value(palette, "End angle"), t["end"].get<double>(), 1e-12);
    EXPECT_EQ(value(palette, "Char spacing"), 0.125);
    EXPECT_EQ(value(palette, "Left offset"), 0.75);
  }

  // A saved file without edits is the file read, but for the handle seed
  // ezdxf left below the texts' handles.
  const std::string same = file("same.dxf");
  ASSERT_EQ(run(kdprops("save " + drawing + " -o " + same)).status, 0);
  Result before = run(python("ezdxf_arctext_check.py", "read " + drawing + " " + texts["tilted"]["handle"].get<std::string>()));
  Result after = run(python("ezdxf_arctext_check.py", "read " + same + " " + texts["tilted"]["handle"].get<std::string>()));
  ASSERT_EQ(before.status, 0) << before.out;
  EXPECT_EQ(before.out, after.out);

  // The tilted text moved to world x = 7 and given a new radius and offset.
  const std::string handle = texts["tilted"]["handle"];
  std::string edited = drawing;
  const char* edits[] = {"--name \"Center x\" --value 7", "--name Radius --value 5.5", "--name \"Arc offset\" --value -0.5",
                         "--name Contents --value \"Round table\""};
  for (int i = 0; i < 4; ++i) {
    const std::string out = file(("edited" + std::to_string(i) + ".dxf").c_str());
    ASSERT_EQ(run(kdprops("set " + edited + " --handle " + handle + " " + edits[i] + " -o " + out)).status, 0) << edits[i];
    edited = out;
  }
  Result read = run(python("ezdxf_arctext_check.py", "read " + edited + " " + handle));
  ASSERT_EQ(read.status, 0) << read.out;
  const json got = json::parse(read.out), was = json::parse(before.out);
  EXPECT_NEAR(got["world"][0].get<double>(), 7.0, 1e-12);
  EXPECT_NEAR(got["world"][1].get<double>(), was["world"][1].get<double>(), 1e-12);
  EXPECT_NEAR(got["world"][2].get<double>(), was["world"][2].get<double>(), 1e-12);
  json changed = json::object(), expected = {{"1", "Round table"}, {"10", got["tags"]["10"]}, {"40", 5.5}, {"44", -0.5}};
  for (auto& [code, v] : got["tags"].items())
    if (was["tags"][code] != v) changed[code] = v;
  EXPECT_EQ(changed, expected);
  EXPECT_EQ(got["tags"].size(), was["tags"].size());
  // The other text is untouched.
  EXPECT_EQ(run(python("ezdxf_arctext_check.py", "read " + edited + " " + texts["mirrored"]["handle"].get<std::string>())).out,
            run(python("ezdxf_arctext_check.py", "read " + drawing + " " + texts["mirrored"]["handle"].get<std::string>())).out);
}
