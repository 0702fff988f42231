// The shipped German translation covers every text the module shows: a
// translator that records each (context, text) asked for is installed
// before the module builds anything; every object of the sample drawing is
// then described, read, listed and fed values its setters refuse, and each
// recorded text must have a German translation in the .ts file with the
// same place markers.
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <cmath>
#include <fstream>
#include <map>
#include <set>

#include "KdModuleTest.h"
#include "KdSampleDrawing.h"

using namespace kdtest;

namespace {
typedef std::pair<std::string, std::string> Key;  // context, source

class Recorder : public QTranslator {
public:
  QString translate(const char* context, const char* source, const char*, int) const override {
    if (context && source) asked.insert(Key(context, source));
    return QString();
  }
  bool isEmpty() const override { return false; }
  mutable std::set<Key> asked;
};
Recorder* recorder = nullptr;

struct Entry {
  std::string translation;
  bool unfinished = false;
};

std::map<Key, Entry> readTs(const char* path) {
  std::map<Key, Entry> out;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return out;
  QXmlStreamReader xml(&file);
  std::string context, source;
  Entry entry;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("name")) context = xml.readElementText().toStdString();
    else if (xml.name() == QLatin1String("source")) source = xml.readElementText().toStdString();
    else if (xml.name() == QLatin1String("translation")) {
      entry.unfinished = xml.attributes().value("type") == QLatin1String("unfinished");
      entry.translation = xml.readElementText().toStdString();
      out[Key(context, source)] = entry;
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return out;
}

std::multiset<std::string> markers(const std::string& text) {
  std::multiset<std::string> out;
  QRegularExpressionMatchIterator it = QRegularExpression("%[0-9]").globalMatch(QString::fromStdString(text));
  while (it.hasNext()) out.insert(it.next().captured().toStdString());
  return out;
}

// What a host does with every object: its palette, values, rules and
// listing, and for every row that can be written, values it may refuse.
void walk(OdDbDatabase* db) {
  const std::vector<CKdVariant> values = {
      CKdVariant(), CKdVariant(0.0, true), CKdVariant(-1.0, true), CKdVariant(1e8, true), CKdVariant(1e-12, true),
      CKdVariant(std::nan(""), true), CKdVariant(-1L), CKdVariant(0L), CKdVariant(100000L), CKdVariant(CKdString(L"")),
      CKdVariant(CKdString(L"<bad|name>")), CKdVariant(CKdVariantCollectionElement(CKdVariant(CKdString(L"x")), CKdVariant(-7L))),
      CKdVariant(CKdVariantCollection())};
  for (OdUInt64 h = 1; h < OdUInt64(db->handseed()); ++h) {
    OdDbObjectPtr object = db->getOdDbObjectId(OdDbHandle(h)).openObject(OdDb::kForWrite);
    if (object.isNull()) continue;
    if (CKdPrintObjectInfoPEPtr info = listingOf(object)) {
      list(object);
      list(object, true);
    }
    if (propertiesOf(object).isNull()) continue;
    propertiesOf(object)->GetDisplayName(object);
    auto container = describe(object);
    for (int i = 0; container && i < container->GetCount(); ++i) {
      const CKdPropertyDescription* d = container->GetAt(i);
      for (const CKdVariant& context : {CKdVariant(), CKdVariant(1L)}) {
        d->GetValue(object, context);
        d->IsReadOnly(object);
        if (d->IsReadOnly(object)) continue;
        for (const CKdVariant& v : values) {
          try {
            d->SetValue(object, v, context);
          } catch (const OdError&) {
          }
        }
      }
    }
  }
}
}  // namespace

TEST(Translation, EveryTextTheModuleShowsHasAGermanTranslationWithItsPlaceMarkers) {
  walk(kdapp::makeSampleDrawing());
  // KD_DUMP_TEXTS=FILE writes every text asked for, to start a translation from.
  if (const char* dump = std::getenv("KD_DUMP_TEXTS")) {
    std::ofstream out(dump);
    for (const Key& k : recorder->asked) out << k.first << "\t" << k.second << "\n";
  }
  const std::map<Key, Entry> ts = readTs(KD_TS_FILE);
  ASSERT_FALSE(ts.empty()) << KD_TS_FILE;
  ASSERT_GT(recorder->asked.size(), 300u);
  int missing = 0;
  for (const Key& k : recorder->asked) {
    auto found = ts.find(k);
    if (found == ts.end() || found->second.unfinished || found->second.translation.empty()) {
      ADD_FAILURE() << "no German for " << k.first << " / \"" << k.second << "\"";
      if (++missing > 40) break;
      continue;
    }
    EXPECT_EQ(markers(found->second.translation), markers(k.second)) << k.first << " / " << k.second;
  }
}

// Hosts find a shown name's source text by its translation: within a
// context no two texts may share one.
TEST(Translation, NoTwoTextsOfAContextShareATranslation) {
  std::map<std::pair<std::string, std::string>, std::string> seen;
  for (const auto& e : readTs(KD_TS_FILE)) {
    const auto key = std::make_pair(e.first.first, e.second.translation);
    auto found = seen.find(key);
    EXPECT_TRUE(found == seen.end()) << e.first.first << ": \"" << e.first.second << "\" and \"" << found->second
                                     << "\" are both \"" << e.second.translation << "\"";
    seen[key] = e.first.second;
  }
}

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  recorder = new Recorder;
  QCoreApplication::installTranslator(recorder);
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new kdtest::ModuleEnvironment);
  const int result = RUN_ALL_TESTS();
  QCoreApplication::removeTranslator(recorder);
  delete recorder;
  return result;
}
