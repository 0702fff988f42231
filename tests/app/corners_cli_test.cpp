// Traces, solids, 3D faces and shapes as ezdxf writes them, in mirrored and
// tilted planes: corners shown at ezdxf's world points, an edited corner and
// edge read back by ezdxf, and every object rewritten from its fields.
#include "CliTest.h"

TEST_F(Cli, CornersAndShapesOfEzdxfInTheirPlanes) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string drawing = file("corners.dxf");
  Result made = run(python("ezdxf_corners_check.py", "make " + drawing) + " 2>/dev/null");
  ASSERT_EQ(made.status, 0) << made.out;
  const json made_ = json::parse(made.out);
  for (const char* name : {"trace", "solid", "face"}) {
    SCOPED_TRACE(name);
    const json& e = made_[name];
    for (int i = 0; i < 4; ++i) {
      json palette = jsonOf("props " + drawing + " --handle " + e["handle"].get<std::string>() + " --index " + std::to_string(i) +
                            " --json");
      for (int axis = 0; axis < 3; ++axis) {
        const char* row = axis == 0 ? "Vertex X" : axis == 1 ? "Vertex Y" : "Vertex Z";
        EXPECT_NEAR(rowOf(palette, row)["value"]["value"].get<double>(), e["world"][i][axis].get<double>(), 1e-12) << i << row;
      }
    }
  }
  const json shape = jsonOf("props " + drawing + " --handle " + made_["shape"]["handle"].get<std::string>() + " --json");
  EXPECT_NEAR(rowOf(shape, "Position X")["value"]["value"].get<double>(), made_["shape"]["world"][0][0].get<double>(), 1e-12);
  EXPECT_NEAR(rowOf(shape, "Position Z")["value"]["value"].get<double>(), made_["shape"]["world"][0][2].get<double>(), 1e-12);
  EXPECT_NEAR(rowOf(shape, "Rotation")["value"]["value"].get<double>(), 2 * 3.141592653589793 - 3.141592653589793 / 6, 1e-12);
  EXPECT_EQ(rowOf(shape, "Name")["value"]["value"], "NORTH");

  // The tilted solid's third corner moved to world x = 1; the face's second edge hidden.
  const std::string solid = made_["solid"]["handle"], face = made_["face"]["handle"];
  const std::string once = file("once.dxf"), twice = file("twice.dxf");
  ASSERT_EQ(run(kdprops("set " + drawing + " --handle " + solid + " --name \"Vertex X\" --index 2 --value 1 -o " + once)).status, 0);
  ASSERT_EQ(run(kdprops("set " + once + " --handle " + face + " --name \"Edge 2\" --choice 0 -o " + twice)).status, 0);
  const json before = json::parse(run(python("ezdxf_corners_check.py", "read " + drawing + " " + solid)).out);
  const json after = json::parse(run(python("ezdxf_corners_check.py", "read " + twice + " " + solid)).out);
  EXPECT_NEAR(after["world"][2][0].get<double>(), 1.0, 1e-12);
  for (int axis = 1; axis < 3; ++axis) EXPECT_NEAR(after["world"][2][axis].get<double>(), before["world"][2][axis].get<double>(), 1e-12);
  for (int i : {0, 1, 3}) EXPECT_EQ(after["world"][i], before["world"][i]);
  EXPECT_EQ(after["fields"]["extrusion"], before["fields"]["extrusion"]);
  const json faceAfter = json::parse(run(python("ezdxf_corners_check.py", "read " + twice + " " + face)).out);
  EXPECT_EQ(faceAfter["fields"]["invisible"], 1 | 2 | 4);

  // The listing of the face, and every object rewritten from its fields.
  json listing = jsonOf("list " + drawing + " --handle " + face + " --json");
  json lines = linesOf(listing);
  EXPECT_EQ(lines["third point"], json({3.0, 2.0, 2.0}));
  const std::string rewritten = file("rewritten.dxf");
  ASSERT_EQ(run(kdprops("save " + drawing + " -o " + rewritten + " --rewrite")).status, 0);
  Result compare = run(python("ezdxf_compare.py", drawing + " " + rewritten));
  EXPECT_EQ(compare.status, 0) << compare.out;
}
