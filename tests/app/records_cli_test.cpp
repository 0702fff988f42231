// Records through kdprops on a drawing ezdxf writes, each compared row by
// row with the values set through ezdxf, and the current settings edited
// through the viewport record, read back by ezdxf.
#include <filesystem>
#include <fstream>
#include "CliTest.h"

TEST_F(Cli, RecordsOfAnEzdxfDrawingShowWhatEzdxfSet) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string drawing = file("records.dxf");
  const std::string make =
      "/usr/bin/python3 -c \"import ezdxf, json\n"
      "doc = ezdxf.new('R2018', setup=['linetypes'])\n"
      "l = doc.layers.add('Survey', color=3, linetype='DASHED', lineweight=35)\n"
      "l.description = 'Benchmarks'\n"
      "l.lock()\n"
      "l.off()\n"
      "t = doc.styles.add('Labels', font='isocp.shx')\n"
      "t.dxf.width = 0.8\n"
      "t.dxf.oblique = 15\n"
      "d = doc.dimstyles.add('Site', dxfattribs={'dimasz': 0.3, 'dimtxt': 0.35, 'dimdec': 3})\n"
      "v = doc.views.new('Gate', dxfattribs={'center': (5, 6), 'width': 8, 'height': 3})\n"
      "m = doc.mline_styles.new('Kerb')\n"
      "m.elements.append(0.5, 1)\n"
      "m.elements.append(-0.5, 3)\n"
      "m.dxf.flags = 2 | 16\n"
      "doc.saveas('" + drawing + "')\n"
      "print(json.dumps({h: o.dxf.handle for h, o in [('layer', l), ('style', t), ('dim', d), ('view', v), ('kerb', m),"
      " ('vport', doc.viewports.get('*Active')[0]), ('dashed', doc.linetypes.get('DASHED'))]}))\"";
  Result made = run(make);
  ASSERT_EQ(made.status, 0) << made.out;
  const json h = json::parse(made.out);
  auto palette = [&](const char* key) { return jsonOf("props " + drawing + " --handle " + h[key].get<std::string>() + " --json"); };

  json layer = palette("layer");
  EXPECT_EQ(layer["displayName"], "Layer");
  EXPECT_EQ(rowOf(layer, "Name")["value"]["value"], "Survey");
  EXPECT_EQ(rowOf(layer, "Description")["value"]["value"], "Benchmarks");
  EXPECT_EQ(rowOf(layer, "Locked")["value"]["selected"], 0);  // "Yes"
  EXPECT_EQ(rowOf(layer, "Show")["value"]["selected"], 0);    // off: "Yes"
  EXPECT_EQ(rowOf(layer, "LineWeight")["value"]["value"], 35);
  EXPECT_TRUE(rowOf(layer, "Color")["readOnly"].get<bool>());
  json dashed = palette("dashed");
  EXPECT_EQ(rowOf(dashed, "Name")["value"]["value"], "DASHED");
  json style = palette("style");
  EXPECT_EQ(rowOf(style, "Font")["value"]["value"], "isocp.shx");
  EXPECT_NEAR(rowOf(style, "Spacing")["value"]["value"].get<double>(), 0.8, 1e-12);
  EXPECT_NEAR(rowOf(style, "Angle")["value"]["value"].get<double>(), 15 * M_PI / 180, 1e-12);
  json dim = palette("dim");
  EXPECT_EQ(rowOf(dim, "Arrow Size")["value"]["value"], 0.3);
  EXPECT_EQ(rowOf(dim, "TextDimensionTextHeight")["value"]["value"], 0.35);
  EXPECT_EQ(rowOf(dim, "LinearDimensionsPrecision")["value"]["value"], 3);
  EXPECT_EQ(rowOf(dim, "DimensionStyleName")["value"]["value"], "Site");
  json view = palette("view");
  EXPECT_EQ(rowOf(view, "Name")["value"]["value"], "Gate");
  EXPECT_EQ(palette("vport")["displayName"], "ViewportTableRecord");
  json kerb = palette("kerb");
  EXPECT_EQ(rowOf(kerb, "Show junctions")["value"]["value"], "Yes");
  EXPECT_EQ(rowOf(kerb, "Start line")["value"]["value"], "Yes");
  EXPECT_EQ(rowOf(kerb, "End line")["value"]["value"], "No");
  const json offsets = rowOf(kerb, "LineOffset")["value"]["elements"];
  ASSERT_EQ(offsets.size(), 2u);
  EXPECT_EQ(offsets[0]["value"]["value"], -0.5);
  EXPECT_EQ(offsets[0]["tag"]["value"], 1);
}

TEST_F(Cli, CurrentSettingsEditedThroughTheViewportRecordReachTheHeader) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string drawing = file("settings.dxf"), folder = file("plot styles");
  std::filesystem::create_directories(folder);
  for (const char* name : {"Black ink.ctb", "Grey shades.ctb"}) std::ofstream(folder + "/" + name) << "x";
  Result made = run("/usr/bin/python3 -c \"import ezdxf\n"
                    "doc = ezdxf.new('R2018')\n"
                    "doc.layers.add('Survey', color=3)\n"
                    "doc.saveas('" + drawing + "')\n"
                    "print(doc.viewports.get('*Active')[0].dxf.handle)\"");
  ASSERT_EQ(made.status, 0) << made.out;
  const std::string vport = made.out.substr(0, made.out.find('\n'));
  const std::string styles = " --plot-styles '" + folder + "'";
  EXPECT_EQ(rowOf(jsonOf("props " + drawing + " --handle " + vport + styles + " --json"), "Table")["value"]["selected"], 0);

  std::string current = drawing;
  const std::vector<std::string> edits = {"--name Layer --value Survey", "--name Table --choice 2", "--name LineColor --value 5",
                                          "--name LineScale --value 0.5", "--name LineWeight --type 4 --value 50",
                                          "--name Transparency --type 11 --value 77"};
  for (size_t i = 0; i < edits.size(); ++i) {
    const std::string next = file(("settings" + std::to_string(i) + ".dxf").c_str());
    ASSERT_EQ(run(kdprops("set '" + current + "' --handle " + vport + styles + " " + edits[i] + " -o '" + next + "'")).status, 0)
        << edits[i];
    current = next;
  }
  Result back = run("/usr/bin/python3 -c \"import ezdxf\n"
                    "doc = ezdxf.readfile('" + current + "')\n"
                    "h = doc.header\n"
                    "print(h['\\$CLAYER'], h['\\$CECOLOR'], h['\\$CELTSCALE'], h['\\$CELWEIGHT'], h.get('\\$CETRANSPARENCY'),"
                    " doc.modelspace().dxf_layout.dxf.current_style_sheet, sep='|')\"");
  ASSERT_EQ(back.status, 0) << back.out;
  EXPECT_EQ(back.out, "Survey|5|0.5|50|33554509|Grey shades.ctb\n");
}
