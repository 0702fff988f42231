// Records through kdprops on a drawing ezdxf writes: a layer's and a style's
// palette by handle, and the current settings edited through the viewport
// record, read back by ezdxf.
#include "CliTest.h"

TEST_F(Cli, CurrentSettingsOfAnEzdxfDrawingThroughItsViewportRecord) {
  if (!haveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string drawing = file("records.dxf");
  const std::string make = "/usr/bin/python3 -c \"import ezdxf, json\n"
                           "doc = ezdxf.new('R2018')\n"
                           "doc.layers.add('Survey', color=3)\n"
                           "doc.saveas('" + drawing + "')\n"
                           "print(json.dumps({'vport': doc.viewports.get('*Active')[0].dxf.handle,"
                           " 'layer': doc.layers.get('Survey').dxf.handle}))\"";
  Result made = run(make);
  ASSERT_EQ(made.status, 0) << made.out;
  const json h = json::parse(made.out);
  const std::string vport = h["vport"], layer = h["layer"];

  json palette = jsonOf("props " + drawing + " --handle " + layer + " --json");
  EXPECT_EQ(palette["displayName"], "Layer");
  EXPECT_EQ(rowOf(palette, "Name")["value"]["value"], "Survey");
  EXPECT_TRUE(rowOf(palette, "Color")["readOnly"].get<bool>());

  palette = jsonOf("props " + drawing + " --handle " + vport + " --json");
  EXPECT_EQ(palette["displayName"], "ViewportTableRecord");
  EXPECT_EQ(rowOf(palette, "Table")["value"]["selected"], 0);

  const std::string layered = file("layered.dxf"), tabled = file("tabled.dxf");
  ASSERT_EQ(run(kdprops("set " + drawing + " --handle " + vport + " --name Layer --value Survey -o " +
                        layered)).status, 0);
  ASSERT_EQ(run(kdprops("set " + layered + " --handle " + vport + " --name Table --choice 2 -o " + tabled)).status, 0);
  Result back = run("/usr/bin/python3 -c \"import ezdxf\n"
                    "doc = ezdxf.readfile('" + tabled + "')\n"
                    "print(doc.header['\\$CLAYER'], '|', doc.modelspace().dxf_layout.dxf.current_style_sheet)\"");
  ASSERT_EQ(back.status, 0) << back.out;
  EXPECT_EQ(back.out, "Survey | Grey shades.ctb\n");
}
