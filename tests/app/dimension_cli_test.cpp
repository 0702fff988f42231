// Dimensions as ezdxf writes them: measurements and text positions in a
// turned UCS against values ezdxf computes, settings of the dimension over
// its style, and edits that ezdxf reads back as the dimension's own.
#include <cmath>
#include "CliTest.h"

namespace {
double number(const json& palette, const char* name) { return rowOf(palette, name)["value"]["value"].get<double>(); }
}  // namespace

TEST_F(Cli, DimensionsOfEzdxfMeasureAndTakeEditsAsTheirOwnSettings) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string drawing = file("dims.dxf");
  Result made = run(python("ezdxf_dimension_check.py", "make " + drawing) + " 2>/dev/null");
  ASSERT_EQ(made.status, 0) << made.out;
  const json dims = json::parse(made.out);
  const std::string turned = " --ucs-origin 5,5,0 --ucs-x 0,1,0 --ucs-y -1,0,0";

  for (const char* name : {"rotated", "aligned"}) {
    SCOPED_TRACE(name);
    const json& d = dims[name];
    json palette = jsonOf("props " + drawing + " --handle " + d["handle"].get<std::string>() + turned + " --json");
    EXPECT_EQ(palette["properties"].size(), 8u + 27u + 25u + 25u);
    EXPECT_NEAR(number(palette, "Measurement"), d["measurement"].get<double>(), 1e-12);
    EXPECT_NEAR(number(palette, "Position x"), d["textX"].get<double>(), 1e-12);
    EXPECT_NEAR(number(palette, "Position y"), d["textY"].get<double>(), 1e-12);
    EXPECT_EQ(number(palette, "Arrow size"), 0.3);  // the style's
  }
  const std::string rotated = dims["rotated"]["handle"];
  json palette = jsonOf("props " + drawing + " --handle " + rotated + " --json");
  EXPECT_EQ(number(palette, "Text height"), 0.4);  // its own over the style's 0.25
  EXPECT_EQ(rowOf(palette, "Tolerance display")["value"]["selected"], 1);  // symmetrical
  EXPECT_EQ(rowOf(palette, "ExtLine 2")["value"]["selected"], 0);         // "Off"
  EXPECT_EQ(rowOf(palette, "Precision")["value"]["selected"], 3);

  // An arrow size of its own, then a symmetrical limit that moves both.
  const std::string once = file("once.dxf"), twice = file("twice.dxf");
  ASSERT_EQ(run(kdprops("set " + drawing + " --handle " + rotated + " --name \"Arrow size\" --value 0.5 -o " + once)).status, 0);
  ASSERT_EQ(run(kdprops("set " + once + " --handle " + rotated + " --name \"Tolerance limit upper\" --value 0.2 -o " + twice)).status,
            0);
  const json before = json::parse(run(python("ezdxf_dimension_check.py", "read " + drawing + " " + rotated)).out);
  const json after = json::parse(run(python("ezdxf_dimension_check.py", "read " + twice + " " + rotated)).out);
  json expected = before;
  expected["own"]["dimasz"] = 0.5;
  expected["own"]["dimtp"] = 0.2;
  expected["own"]["dimtm"] = 0.2;
  EXPECT_EQ(after, expected);
  EXPECT_EQ(after["styleArrow"], 0.3);

  // A refused value saves nothing and changes nothing.
  const std::string refused = file("refused.dxf");
  Result r = run(kdprops("set " + twice + " --handle " + rotated + " --name \"Text height\" --value 0 -o " + refused));
  EXPECT_NE(r.status, 0);
  EXPECT_NE(r.out.find("Value must be positive"), std::string::npos) << r.out;

  // The aligned one lists its points as ezdxf wrote them; the other dimension is untouched by the edits.
  const std::string aligned = dims["aligned"]["handle"];
  EXPECT_EQ(run(python("ezdxf_dimension_check.py", "read " + twice + " " + aligned)).out,
            run(python("ezdxf_dimension_check.py", "read " + drawing + " " + aligned)).out);
  json listing = jsonOf("list " + drawing + " --handle " + aligned + " --json");
  json lines = linesOf(listing);
  EXPECT_EQ(lines["type"], "aligned");
  EXPECT_EQ(lines["1st extension  defining point"], json({2.0, 2.0, 0.0}));
  EXPECT_EQ(lines["2nd extension  defining point"], json({8.0, 10.0, 0.0}));
  EXPECT_EQ(lines["DimensionStyle"], "EZ");

  // Every object written from its fields, the dimensions and styles among them, reads the same.
  const std::string rewritten = file("rewritten.dxf");
  ASSERT_EQ(run(kdprops("save " + drawing + " -o " + rewritten + " --rewrite")).status, 0);
  Result compare = run(python("ezdxf_compare.py", drawing + " " + rewritten));
  EXPECT_EQ(compare.status, 0) << compare.out;
}
