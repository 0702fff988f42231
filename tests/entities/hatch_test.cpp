// Hatches through their extension: pattern or gradient rows for each hatch,
// names as the palette shows them, the pattern service's types and its
// retry, the refused scales, the association note, gradient colours, the
// area of nested loops and the listing.
#include <cmath>
#include <cstdio>
#include <fstream>
#include "CKdHatchPatterns.h"
#include "KdModuleTest.h"
#include "Db/DbHatch.h"
#include "Ge/GeConst.h"

using namespace kdtest;

namespace {
OdDbHatch::Loop square(double x0, double y0, double size, int type = OdDbHatch::kExternal) {
  OdDbHatch::Loop loop;
  loop.type = type | OdDbHatch::kPolyline;
  loop.vertices = {OdGePoint2d(x0, y0), OdGePoint2d(x0 + size, y0), OdGePoint2d(x0 + size, y0 + size),
                   OdGePoint2d(x0, y0 + size)};
  loop.bulges.assign(4, 0.0);
  return loop;
}
OdDbHatch::Loop circle(double cx, double cy, double r) {
  OdDbHatch::Loop loop;
  loop.type = OdDbHatch::kOutermost;
  OdDbHatch::Edge e;
  e.kind = OdDbHatch::Edge::kCirArc;
  e.center = OdGePoint2d(cx, cy);
  e.radius = r;
  e.endAngle = OdaPI * 2;
  loop.edges.push_back(e);
  return loop;
}

struct HatchProperties : ::testing::Test {
  Drawing drawing;
  void SetUp() override {
    GetKdSystemServices()->ClearRecords();
    GetKdHatchPatterns()->SetCustomPatternFile("");
  }
  void TearDown() override { GetKdHatchPatterns()->SetCustomPatternFile(""); }
  OdDbHatchPtr hatch(const wchar_t* name = L"ANSI31", OdDbHatch::HatchPatternType type = OdDbHatch::kPreDefined) {
    OdDbHatchPtr h = drawing.add(OdDbHatch::createObject());
    CKdString full;
    OdHatchPattern lines;
    GetKdHatchPatterns()->GetPattern(CKdHatchPatterns::kPredefined, CKdString(name), 0, full, lines);
    h->setPattern(type, name, 0.0, 1.0, lines, OdGePoint2d());
    h->appendLoop(square(0, 0, 10));
    return h;
  }
  std::vector<std::string> labels(const OdDbObject* o, const char* name) {
    std::vector<std::string> out;
    const CKdVariantCollection c = get(o, name).GetCollection();
    for (int i = 0; i < c.GetCount(); ++i) out.push_back(c.GetAt(i).GetValue().GetString().toUtf8());
    return out;
  }
  std::string shown(const OdDbObject* o, const char* name) {
    const CKdVariantCollection c = get(o, name).GetCollection();
    return c.GetSelectedIndex() < 0 ? "" : c.GetAt(c.GetSelectedIndex()).GetValue().GetString().toUtf8();
  }
  const std::vector<CKdMessageRecord>& messages() const { return GetKdSystemServices()->Messages(); }
};
}  // namespace

TEST_F(HatchProperties, PatternAndGradientRows) {
  OdDbHatchPtr h = hatch();
  EXPECT_EQ(names(*describe(h)),
            (std::vector<std::string>{"General/LineColor", "General/Layer", "General/LineStyle", "General/LineScale",
                                      "General/PrintStyle", "General/LineWeight", "General/Hyperlink",
                                      "General/Transparency", "Pattern/Origin X", "Pattern/Origin Y",
                                      "Pattern/Associative", "Pattern/Internal region detection",
                                      "Geometry/Elevation", "Geometry/Area", "Pattern/Type", "Pattern/Pattern name",
                                      "Pattern/Angle", "Pattern/Scale", "Pattern/Spacing"}));
  EXPECT_EQ(propertiesOf(h)->GetDisplayName(h), L"Hatch");
  EXPECT_TRUE(isReadOnly(h, "Area"));
  EXPECT_TRUE(isReadOnly(h, "Spacing"));
  EXPECT_FALSE(isReadOnly(h, "Scale"));
  auto c = describe(h);
  EXPECT_TRUE(property(*c, "Type").IsDynamic());
  EXPECT_FALSE(property(*c, "Area").IsDynamic());

  OdDbHatchPtr user = hatch(L"_U", OdDbHatch::kUserDefined);
  EXPECT_TRUE(isReadOnly(user, "Pattern name"));
  EXPECT_TRUE(isReadOnly(user, "Scale"));
  EXPECT_FALSE(isReadOnly(user, "Spacing"));
  EXPECT_EQ(get(user, "Pattern name").GetString(), L"_U");

  OdDbHatchPtr fill = hatch();
  fill->setGradient(L"LINEAR");
  const std::vector<std::string> rows = names(*describe(fill));
  EXPECT_EQ(std::vector<std::string>(rows.end() - 4, rows.end()),
            (std::vector<std::string>{"Pattern/Color 1", "Pattern/Color 2", "Pattern/Gradient Angle", "Pattern/Centered"}));
  EXPECT_EQ(rows.size(), 8u + 6u + 4u);
  EXPECT_EQ(propertiesOf(fill)->GetDisplayName(fill), L"Gradient");
  // Something that is not a hatch is named as a hatch.
  EXPECT_EQ(propertiesOf(h)->GetDisplayName(nullptr), L"Hatch");
}

TEST_F(HatchProperties, NamesAsThePaletteShowsThem) {
  OdDbHatchPtr iso = hatch(L"ACAD_ISO03W100");
  EXPECT_EQ(shown(iso, "Pattern name"), "ISO03W100");
  EXPECT_EQ(item(*list(iso), "Hatch pattern").text, L"ISO03W100");
  // A name the service does not know comes last, selected.
  iso->setPattern(OdDbHatch::kPreDefined, L"ACAD_TILES_iso", 0.0, 1.0, iso->patternLines(), OdGePoint2d());
  const std::vector<std::string> all = labels(iso, "Pattern name");
  EXPECT_EQ(all.back(), "TILES");
  EXPECT_EQ(shown(iso, "Pattern name"), "TILES");
  EXPECT_EQ(all.size(), 38u);
  EXPECT_EQ(item(*list(iso), "Hatch pattern").text, L"TILES_iso");
  EXPECT_EQ(CKdHatchPatterns::DisplayName(CKdString(L"ACAD_X_eng_iso")), L"X");
  EXPECT_EQ(CKdHatchPatterns::DisplayName(CKdString(L"X_iso_B")), L"X_iso_B");

  OdDbHatchPtr h = hatch();
  h->setPatternAngle(-OdaPI / 2);
  EXPECT_DOUBLE_EQ(get(h, "Angle").GetDouble(), 3 * OdaPI / 2);
}

TEST_F(HatchProperties, PatternTypesAndNamesComeFromTheService) {
  OdDbHatchPtr h = hatch();
  h->setPatternScale(2.0);
  // No pattern file: the service answers with no custom patterns, and choosing them changes nothing.
  EXPECT_EQ(labels(h, "Type"), (std::vector<std::string>{"User-defined", "Predefined", "Custom"}));
  EXPECT_EQ(set(h, "Type", choice(2)), 5100);
  EXPECT_EQ(h->patternName(), L"ANSI31");
  EXPECT_EQ(h->patternType(), OdDbHatch::kPreDefined);

  EXPECT_EQ(set(h, "Pattern name", choice(8, L"ANSI37")), 5100);
  EXPECT_EQ(h->patternName(), L"ANSI37");
  ASSERT_EQ(h->patternLines().size(), 2u);
  EXPECT_NEAR(h->patternLines()[1].m_dLineAngle, 3 * OdaPI / 4, 1e-12);
  // Scale 2 kept: lines 0.125 apart become 0.25 apart.
  EXPECT_NEAR(h->patternLines()[0].m_patternOffset.length(), 0.25, 1e-12);
  EXPECT_EQ(h->patternScale(), 2.0);

  EXPECT_EQ(set(h, "Type", choice(0)), 5100);
  EXPECT_EQ(h->patternName(), L"_U");
  EXPECT_EQ(set(h, "Spacing", CKdVariant(0.5, true)), 5100);
  EXPECT_NEAR(h->patternLines()[0].m_patternOffset.length(), 0.5, 1e-12);
  EXPECT_EQ(set(h, "Type", choice(1)), 5100);
  EXPECT_EQ(h->patternName(), L"SOLID");

  // A pattern file named: its patterns are the custom ones, read at the retry.
  const std::string path = testing::TempDir() + "/kd_custom.pat";
  std::ofstream(path) << "; office patterns\n*TILE300, Floor tiles\n0, 0,0, 0,300\n90, 0,0, 0,300\n";
  GetKdHatchPatterns()->SetCustomPatternFile(path);
  EXPECT_EQ(set(h, "Type", choice(2)), 5100);
  EXPECT_EQ(h->patternName(), L"TILE300");
  EXPECT_EQ(h->patternType(), OdDbHatch::kCustomDefined);
  EXPECT_EQ(labels(h, "Pattern name"), (std::vector<std::string>{"TILE300"}));
  // A file that cannot be read takes "Custom" off the list.
  GetKdHatchPatterns()->SetCustomPatternFile(path + ".missing");
  EXPECT_EQ(labels(h, "Type").size(), 2u);
  std::remove(path.c_str());
}

TEST_F(HatchProperties, RefusedScalesAndTheAssociationNote) {
  OdDbHatchPtr h = hatch();
  EXPECT_EQ(set(h, "Scale", CKdVariant(0.0, false)), -5001);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].text, L"Invalid input");
  EXPECT_EQ(messages()[0].title, L"Error");
  EXPECT_EQ(h->patternScale(), 1.0);
  OdDbHatchPtr user = hatch(L"_U", OdDbHatch::kUserDefined);
  EXPECT_EQ(set(user, "Spacing", CKdVariant(-1.0, true)), -5001);
  EXPECT_EQ(user->patternSpace(), 1.0);
  EXPECT_EQ(set(h, "Scale", CKdVariant(CKdString(L"2"))), -5001);

  GetKdSystemServices()->ClearRecords();
  EXPECT_EQ(set(h, "Associative", choice(0, L"No")), 5100);
  const std::vector<CKdMessageRecord>& printed = GetKdSystemServices()->Prints();
  ASSERT_EQ(printed.size(), 2u);
  EXPECT_EQ(printed[0].text, L"Hatch boundary relation removed.");
  EXPECT_EQ(printed[1].text, L"\n");
  EXPECT_EQ(set(h, "Associative", choice(1, L"Yes")), 5100);
  EXPECT_TRUE(h->associative());
  EXPECT_EQ(printed.size(), 2u);
  EXPECT_EQ(set(h, "Associative", choice(5, L"no")), 5100);
  EXPECT_TRUE(h->associative());
  EXPECT_EQ(printed.size(), 4u);
}

TEST_F(HatchProperties, GradientColoursShiftAndAngle) {
  OdDbHatchPtr fill = hatch();
  fill->setGradient(L"LINEAR");
  fill->setGradientOneColorMode(true);
  EXPECT_EQ(set(fill, "Color 2", CKdVariant(OdCmColor::fromRGB(10, 20, 30))), 5100);
  unsigned count = 0;
  std::vector<OdCmColor> colors;
  std::vector<double> values;
  fill->getGradientColors(count, colors, values);
  ASSERT_EQ(count, 2u);
  EXPECT_EQ(colors[1].rgb(), 0x0A141Eu);
  EXPECT_EQ(colors[0].colorIndex(), 5);
  EXPECT_FALSE(fill->gradientOneColorMode());
  EXPECT_EQ(selected(fill, "Centered"), 1);
  EXPECT_EQ(set(fill, "Centered", choice(7)), 5100);
  EXPECT_EQ(fill->gradientShift(), 1.0);
  EXPECT_EQ(selected(fill, "Centered"), 0);
  EXPECT_EQ(set(fill, "Gradient Angle", CKdVariant(1.0, true)), 5100);
  EXPECT_EQ(fill->gradientAngle(), 1.0);
  EXPECT_FALSE(isReadOnly(fill, "Color 1"));
  EXPECT_EQ(set(fill, "Color 1", CKdVariant(2.0, true)), -5001);
}

TEST_F(HatchProperties, AreaOfNestedLoops) {
  OdDbHatchPtr h = hatch();
  h->appendLoop(square(2, 2, 2, OdDbHatch::kOutermost));  // a hole of 4
  h->appendLoop(circle(7, 7, 1.5));                       // a round hole
  h->appendLoop(square(6.5, 6.5, 1, OdDbHatch::kDefault));  // an island inside it
  const double expected = 100 - 4 - OdaPI * 2.25 + 1;
  EXPECT_NEAR(get(h, "Area").GetDouble(), expected, 1e-12);
  EXPECT_NEAR(item(*list(h), "Area").number, expected, 1e-12);

  // A bulged side: a half circle of radius 5 outside a 10 x 10 square.
  OdDbHatchPtr bay = drawing.add(OdDbHatch::createObject());
  OdDbHatch::Loop loop = square(0, 0, 10);
  loop.bulges[1] = 1.0;
  bay->appendLoop(loop);
  EXPECT_NEAR(get(bay, "Area").GetDouble(), 100 + OdaPI * 12.5, 1e-12);

  // An open chain of edges and a loop that crosses itself have no area.
  OdDbHatchPtr open = drawing.add(OdDbHatch::createObject());
  OdDbHatch::Loop chain;
  OdDbHatch::Edge line;
  line.start = OdGePoint2d(0, 0);
  line.end = OdGePoint2d(5, 0);
  chain.edges.push_back(line);
  line.start = OdGePoint2d(5, 0);
  line.end = OdGePoint2d(5, 5);
  chain.edges.push_back(line);
  open->appendLoop(chain);
  EXPECT_EQ(get(open, "Area").GetType(), CKdVariant::kEmpty);
  EXPECT_FALSE(hasItem(*list(open), "Area"));
  OdDbHatchPtr bow = drawing.add(OdDbHatch::createObject());
  OdDbHatch::Loop tie = square(0, 0, 4);
  std::swap(tie.vertices[2], tie.vertices[3]);
  bow->appendLoop(tie);
  EXPECT_EQ(get(bow, "Area").GetType(), CKdVariant::kEmpty);
  // A loop without edges adds nothing.
  OdDbHatchPtr empty = hatch();
  empty->appendLoop(OdDbHatch::Loop());
  EXPECT_NEAR(get(empty, "Area").GetDouble(), 100.0, 1e-12);
}

TEST_F(HatchProperties, OriginAndListing) {
  OdDbHatchPtr h = hatch(L"ACAD_ISO02W100");
  h->setElevation(2.0);
  EXPECT_EQ(set(h, "Origin X", CKdVariant(3.0, true)), 5100);
  EXPECT_TRUE(h->originPoint().isEqualTo(OdGePoint2d(3, 0)));
  EXPECT_DOUBLE_EQ(get(h, "Origin X").GetDouble(), 3.0);
  auto listing = list(h);
  EXPECT_EQ(item(*listing, "Hatch pattern").text, L"ISO02W100");
  EXPECT_TRUE(item(*listing, "Origin").point.isEqualTo(OdGePoint3d(3, 0, 2)));
  EXPECT_TRUE(hasItem(*listing, "UnRelated"));
  EXPECT_DOUBLE_EQ(item(*listing, "Hatch scale").number, 1.0);
  EXPECT_EQ(set(h, "Internal region detection", choice(2)), 5100);
  EXPECT_EQ(h->hatchStyle(), OdDbHatch::kIgnore);
  EXPECT_EQ(set(h, "Internal region detection", choice(3)), -5001);
}
