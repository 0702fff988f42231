// The catalogue in German: names, categories and listing labels translated
// with the module's own text beside each, values and tags the same in both
// languages, English names still good for scripts, the locale as default,
// and a missing or damaged translation said once and shown in English.
#include "CliTest.h"

namespace {
std::string lineOfSample(Cli& cli) { return cli.handleOf("", "OdDbLine"); }
json values(const json& palette) {
  json out = json::array();
  for (const json& r : palette["properties"]) out.push_back(r["value"]);
  return out;
}
}  // namespace

TEST_F(Cli, GermanNamesWithTheirSourcesBesideAndTheSameValues) {
  const std::string line = lineOfSample(*this);
  ASSERT_FALSE(line.empty());
  const json en = jsonOf("props --handle " + line + " --json");
  const json de = jsonOf("props --handle " + line + " --json --lang de");
  EXPECT_EQ(de["displayName"], "Linie");
  EXPECT_EQ(rowOf(de, "Farbe")["nameSource"], "LineColor");
  EXPECT_EQ(rowOf(de, "Farbe")["category"], "Allgemein");
  EXPECT_EQ(rowOf(de, "Farbe")["categorySource"], "General");
  EXPECT_EQ(rowOf(de, "Startpunkt X")["nameSource"], "Start X");
  EXPECT_EQ(rowOf(de, "Linientypfaktor")["nameSource"], "LineScale");
  EXPECT_EQ(rowOf(en, "Start X")["nameSource"], "Start X");
  ASSERT_EQ(de["properties"].size(), en["properties"].size());
  for (size_t i = 0; i < en["properties"].size(); ++i) {
    EXPECT_EQ(de["properties"][i]["nameSource"], en["properties"][i]["name"]);
    EXPECT_EQ(de["properties"][i]["type"], en["properties"][i]["type"]);
  }
  EXPECT_EQ(values(de), values(en));

  // The text form shows the same; the listing's labels too.
  const Result text = run(kdprops("--lang de props --handle " + line));
  EXPECT_NE(text.out.find("Allgemein / Farbe"), std::string::npos) << text.out;
  const json listing = jsonOf("list --handle " + line + " --json --lang de");
  bool length = false;
  for (const json& l : listing["objects"][0]["lines"])
    if (l["label"] == "Länge") {
      length = true;
      EXPECT_EQ(l["labelSource"], "Length");
    }
  EXPECT_TRUE(length);

  // A light's type list: the labels change, the tags do not.
  const std::string light = handleOf("", "OdDbLight");
  const json enLight = jsonOf("props --handle " + light + " --json");
  const json deLight = jsonOf("props --handle " + light + " --json --lang de");
  EXPECT_EQ(rowOf(deLight, "Typ")["value"]["selected"], rowOf(enLight, "Type")["value"]["selected"]);
  EXPECT_EQ(rowOf(deLight, "Typ")["value"]["elements"][0]["value"]["value"], "Spotlicht");
  EXPECT_EQ(rowOf(deLight, "Typ")["value"]["elements"][0]["tag"], rowOf(enLight, "Type")["value"]["elements"][0]["tag"]);
}

TEST_F(Cli, ScriptsNameRowsInEnglishWhateverTheLanguageAndTheLocaleChoosesTheDefault) {
  const std::string line = lineOfSample(*this);
  const std::string sample = file("sample.dxf"), out = file("edited.dxf");
  ASSERT_EQ(run(kdprops("sample -o " + sample)).status, 0);
  Result english = run(kdprops("set " + sample + " --lang de --handle " + line + " --name \"Start X\" --category Geometry --value 2 -o " + out));
  EXPECT_EQ(english.status, 0) << english.out;
  Result german = run(kdprops("set " + out + " --lang de --handle " + line + " --name \"Startpunkt X\" --value 3 --in-place"));
  EXPECT_EQ(german.status, 0) << german.out;
  EXPECT_EQ(rowOf(jsonOf("props " + out + " --handle " + line + " --json"), "Start X")["value"]["value"], 3.0);

  const std::string bin(KD_KDPROPS);
  const Result byLocale = run("LC_ALL= LC_MESSAGES= LANG=de_DE.UTF-8 " + bin + " props --handle " + line);
  EXPECT_NE(byLocale.out.find("Farbe"), std::string::npos) << byLocale.out;
  const Result forced = run("LC_ALL=de_DE.UTF-8 " + bin + " props --handle " + line + " --lang en");
  EXPECT_NE(forced.out.find("LineColor"), std::string::npos) << forced.out;
  // Numbers keep their points in a German locale.
  EXPECT_NE(run("LC_ALL=de_DE.UTF-8 " + bin + " list --handle " + line).out.find("6.7082"), std::string::npos);
}

TEST_F(Cli, AMissingOrDamagedTranslationIsSaidOnceAndTheCatalogueStaysEnglish) {
  // The module copied where no translation lies beside it.
  ASSERT_EQ(run("cp " + std::string(KD_MODULE_DIR) + "/KdProperties.so " + dir + "/").status, 0);
  const std::string moved = "KD_MODULE_PATH=" + dir + "/KdProperties.so " + kdprops("--lang de props --handle 1A");
  Result missing = run(moved);
  EXPECT_EQ(missing.status, 0) << missing.out;
  EXPECT_NE(missing.out.find("no translation"), std::string::npos) << missing.out;
  EXPECT_NE(missing.out.find("General / LineColor"), std::string::npos);
  ASSERT_EQ(run("echo broken > " + dir + "/kdproperties_de.qm").status, 0);
  Result damaged = run(moved);
  EXPECT_EQ(damaged.status, 0);
  size_t said = 0;
  for (size_t at = damaged.out.find("damaged translation"); at != std::string::npos;
       at = damaged.out.find("damaged translation", at + 1))
    ++said;
  EXPECT_EQ(said, 1u) << damaged.out;
  EXPECT_NE(damaged.out.find("General / LineColor"), std::string::npos);
}
