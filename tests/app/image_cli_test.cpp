// Images, wipeouts, PDF underlays and sheet viewports as ezdxf writes them:
// the palette's sizes, angles and scales against values computed from
// ezdxf's own fields; edits through kdprops read back by ezdxf; a named
// scale chosen for a viewport becomes its view height.
#include <cmath>

#include "CliTest.h"

namespace {
double number(const json& palette, const char* name) { return rowOf(palette, name)["value"]["value"].get<double>(); }
}  // namespace

TEST_F(Cli, ImagesUnderlaysAndViewportsOfEzdxfMeasureAsComputed) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string drawing = file("images.dxf");
  Result made = run(python("ezdxf_image_check.py", "make " + drawing) + " 2>/dev/null");
  ASSERT_EQ(made.status, 0) << made.out;
  const json x = json::parse(made.out);
  const std::string image = x["image"], wipeout = x["wipeout"], underlay = x["underlay"], wide = x["wide"],
                    small = x["small"];

  json i = jsonOf("props " + drawing + " --handle " + image + " --json");
  EXPECT_EQ(i["displayName"], "Image");
  EXPECT_NEAR(number(i, "Width"), x["image_width"].get<double>(), 1e-9);
  EXPECT_NEAR(number(i, "Height"), x["image_height"].get<double>(), 1e-9);
  EXPECT_NEAR(number(i, "Rotation") * 180 / M_PI, x["image_rotation"].get<double>(), 1e-9);
  EXPECT_NEAR(number(i, "Scale"), x["image_scale"].get<double>(), 1e-12);
  EXPECT_EQ(rowOf(i, "Brightness")["value"]["value"], 65);
  EXPECT_EQ(rowOf(i, "Name")["value"]["value"], "site");
  EXPECT_EQ(rowOf(i, "Path")["value"]["value"], "photos/site.png");

  json w = jsonOf("props " + drawing + " --handle " + wipeout + " --json");
  EXPECT_NEAR(number(w, "Width"), x["wipeout_width"].get<double>(), 1e-12);
  EXPECT_EQ(w.dump().find("\"Path\""), std::string::npos);

  // The PDF beside the drawing gives the page.
  json u = jsonOf("props " + drawing + " --handle " + underlay + " --json");
  EXPECT_EQ(u["displayName"], "PDF Underlay");
  EXPECT_NEAR(number(u, "Width"), x["underlay_width"].get<double>(), 1e-12);
  EXPECT_NEAR(number(u, "Height"), x["underlay_height"].get<double>(), 1e-12);
  EXPECT_NEAR(number(u, "Rotation"), 15 * M_PI / 180, 1e-12);
  EXPECT_EQ(rowOf(u, "Page Number")["value"]["value"], "1");

  json v = jsonOf("props " + drawing + " --handle " + wide + " --json");
  EXPECT_NEAR(number(v, "Custom scale"), x["wide_scale"].get<double>(), 1e-12);
  EXPECT_EQ(number(v, "Width"), 200.0);
  json s = jsonOf("props " + drawing + " --handle " + small + " --json");
  EXPECT_NEAR(number(s, "Custom scale"), x["small_scale"].get<double>(), 1e-12);

  const std::string edited = file("images-edited.dxf");
  auto edit = [&](const std::string& handle, const char* name, const std::string& how, const std::string& out) {
    return run(kdprops("set " + drawing + " --handle " + handle + " --name \"" + name + "\" " + how + " " + out));
  };
  ASSERT_EQ(edit(image, "Width", "--value 32", "-o " + edited).status, 0);
  const std::string again = "--in-place";
  auto editAgain = [&](const std::string& handle, const char* name, const std::string& how) {
    return run(kdprops("set " + edited + " --handle " + handle + " --name \"" + name + "\" " + how + " " + again));
  };
  ASSERT_EQ(editAgain(image, "Brightness", "--value 80 --type 4").status, 0);
  ASSERT_EQ(editAgain(underlay, "Width", "--value 25.5").status, 0);
  ASSERT_EQ(editAgain(small, "Custom scale", "--value 0.5").status, 0);
  ASSERT_EQ(editAgain(wide, "On", "--choice 0").status, 0);
  Result refused = editAgain(underlay, "Scale", "--value 100000000");
  EXPECT_NE(refused.out.find("Invalid argument scaleFactor in ScaleFactor property?"), std::string::npos) << refused.out;

  Result r = run(python("ezdxf_image_check.py", "read " + edited));
  ASSERT_EQ(r.status, 0) << r.out;
  const json back = json::parse(r.out);
  EXPECT_NEAR(back[image]["width"].get<double>(), 32.0, 1e-9);
  EXPECT_NEAR(back[image]["height"].get<double>(), 24.0, 1e-9);
  EXPECT_EQ(back[image]["brightness"], 80);
  // 25.5 across an 8.5 inch page: three times, on every axis.
  for (int k = 0; k < 3; ++k) EXPECT_NEAR(back[underlay]["scale"][k].get<double>(), 3.0, 1e-12);
  EXPECT_NEAR(back[small]["custom_scale"].get<double>(), 0.5, 1e-12);
  EXPECT_EQ(back[small]["view_height"].get<double>(), 200.0);
  EXPECT_NE(back[wide]["flags"].get<long>() & 0x20000, 0);
}

TEST_F(Cli, ANamedScaleChosenForAViewportIsTheViewHeightEzdxfReads) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string sheet = file("sheet.dxf");
  ASSERT_EQ(run(kdprops("sample -o " + sheet)).status, 0);
  Result s = run(python("ezdxf_image_check.py", "scales " + sheet));
  ASSERT_EQ(s.status, 0) << s.out;
  const json scales = json::parse(s.out);
  ASSERT_TRUE(scales.contains("1:100"));
  // The sample's viewport on the plan (number 2) is the second of the sheet.
  Result r = run(python("ezdxf_image_check.py", "read " + sheet));
  const json before = json::parse(r.out);
  std::string plan;
  for (auto it = before.begin(); it != before.end(); ++it)
    if (it.value().contains("custom_scale") && std::fabs(it.value()["custom_scale"].get<double>() - 0.02) < 1e-12)
      plan = it.key();
  ASSERT_FALSE(plan.empty()) << r.out;
  json p = jsonOf("props " + sheet + " --handle " + plan + " --json");
  const json list = rowOf(p, "Standard scale")["value"];
  EXPECT_EQ(list["elements"][list["selected"].get<int>()]["value"]["value"], "1:50");

  ASSERT_EQ(run(kdprops("set " + sheet + " --handle " + plan + " --name \"Standard scale\" --choice-handle " +
                        scales["1:100"][0].get<std::string>() + " --in-place"))
                .status,
            0);
  const json after = json::parse(run(python("ezdxf_image_check.py", "read " + sheet)).out);
  EXPECT_NEAR(after[plan]["custom_scale"].get<double>(), 0.01, 1e-15);
  EXPECT_NEAR(after[plan]["view_height"].get<double>(), 200 / 0.01, 1e-9);
  EXPECT_EQ(after[plan]["view_center"], before[plan]["view_center"]);
}
