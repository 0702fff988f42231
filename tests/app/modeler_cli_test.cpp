// Solids, regions, bodies and surfaces as ezdxf writes them (modeller data
// in the text form of R2010 and the binary form of R2018): measured by
// kdprops against what the script computed from the corners it gave, the
// surfaces' parameters edited through kdprops and read back by ezdxf with
// the modeller data untouched.
#include "CliTest.h"

namespace {
const json& at(const json& all, const json& handle) { return all[handle.get<std::string>()]; }
}  // namespace

TEST_F(Cli, ModelledShapesOfEzdxfAreMeasuredAndTheirSurfacesEdited) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  for (const char* version : {"R2010", "R2018"}) {
    SCOPED_TRACE(version);
    const std::string drawing = file("shapes.dxf");
    Result made = run(python("ezdxf_modeler_check.py", "make " + drawing + " " + version) + " 2>/dev/null");
    ASSERT_EQ(made.status, 0) << made.out;
    const json h = json::parse(made.out);
    const json before = json::parse(run(python("ezdxf_modeler_check.py", "read " + drawing)).out);

    // The solid's listed position is its box's centre; the region's area,
    // perimeter and box those of the L the script drew.
    const json solid = linesOf(jsonOf("list " + drawing + " --handle " + h["solid"]["handle"].get<std::string>() + " --json"));
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(solid["Position"][i].get<double>(), h["solid"]["centre"][i].get<double>(), 1e-9);
    const json region = linesOf(jsonOf("list " + drawing + " --handle " + h["region"]["handle"].get<std::string>() + " --json"));
    EXPECT_NEAR(region["Area"].get<double>(), h["region"]["area"].get<double>(), 1e-9);
    EXPECT_NEAR(region["Perimeter"].get<double>(), h["region"]["perimeter"].get<double>(), 1e-9);
    for (int i = 0; i < 3; ++i) {
      EXPECT_NEAR(region["Bounding Box Lower Bound"][i].get<double>(), h["region"]["min"][i].get<double>(), 1e-9);
      EXPECT_NEAR(region["Upper Bound"][i].get<double>(), h["region"]["max"][i].get<double>(), 1e-9);
    }
    const json regionRows = jsonOf("props " + drawing + " --handle " + h["region"]["handle"].get<std::string>() + " --json");
    EXPECT_NEAR(rowOf(regionRows, "Area")["value"]["value"].get<double>(), h["region"]["area"].get<double>(), 1e-9);

    const std::string extruded = h["extruded"]["handle"], lofted = h["lofted"]["handle"];
    const std::string revolved = h["revolved"]["handle"], swept = h["swept"]["handle"];
    const json e = jsonOf("props " + drawing + " --handle " + extruded + " --json");
    EXPECT_EQ(e["displayName"], "Surface (Extrusion)");
    EXPECT_EQ(rowOf(e, "U isolines")["value"]["value"], 5);
    EXPECT_EQ(rowOf(e, "Height")["value"]["value"], 4.0);
    EXPECT_EQ(rowOf(e, "Taper angle")["value"]["value"], 0.25);
    EXPECT_EQ(rowOf(e, "Direction z")["value"]["value"], 4.0);
    const json l = jsonOf("props " + drawing + " --handle " + lofted + " --json");
    EXPECT_EQ(rowOf(l, "Surface normals")["value"]["selected"], 4);  // ends normal (3), one up
    const json r = jsonOf("props " + drawing + " --handle " + revolved + " --json");
    EXPECT_NEAR(rowOf(r, "Angle of revolution")["value"]["value"].get<double>(), M_PI / 3, 1e-15);
    EXPECT_EQ(rowOf(r, "Axis direction Y")["value"]["value"], 1.0);
    const json s = jsonOf("props " + drawing + " --handle " + swept + " --json");
    EXPECT_EQ(rowOf(s, "Scale along path")["value"]["value"], 2.0);
    EXPECT_EQ(rowOf(s, "Scale along path")["value"]["distance"], false);
    EXPECT_EQ(rowOf(s, "Bank")["value"]["value"], "Yes");

    const std::string edited = file("shapes-edited.dxf");
    auto set = [&](const std::string& handle, const char* name, const std::string& how) {
      return run(kdprops("set " + (edited) + " --handle " + handle + " --name \"" + name + "\" " + how + " --in-place"));
    };
    ASSERT_EQ(run("cp " + drawing + " " + edited).status, 0);
    EXPECT_EQ(set(extruded, "Height", "--value 6").status, 0);
    EXPECT_EQ(set(extruded, "Taper angle", "--value 0.5").status, 0);
    EXPECT_EQ(set(extruded, "V isolines", "--value 9 --type 4").status, 0);
    EXPECT_EQ(set(lofted, "Surface normals", "--choice 0").status, 0);
    EXPECT_EQ(set(revolved, "Angle of revolution", "--value 1").status, 0);
    EXPECT_EQ(set(revolved, "Axis position X", "--value 25").status, 0);
    EXPECT_EQ(set(swept, "Twist along path", "--value 1.25").status, 0);
    Result zero = set(swept, "Scale along path", "--value 0");
    EXPECT_NE(zero.out.find("-5001"), std::string::npos) << zero.out;

    const json after = json::parse(run(python("ezdxf_modeler_check.py", "read " + edited)).out);
    json expect = before;
    expect[extruded]["sweep"] = json::array({0.0, 0.0, 6.0});
    expect[extruded]["draft"] = 0.5;
    expect[extruded]["v"] = 9;
    expect[lofted]["ruled"] = 1;
    expect[revolved]["angle"] = 1.0;
    expect[revolved]["point"] = json::array({25.0, 0.0, 0.0});
    expect[swept]["twist"] = 1.25;
    EXPECT_EQ(after, expect);  // modeller data sizes included: the shapes stay as ezdxf wrote them
    EXPECT_EQ(at(after, h["solid"]["handle"]), at(before, h["solid"]["handle"]));
  }
}
