#include "KdLanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTranslator>
#include <cstdlib>
#include <map>
#include <memory>

#include "KdModuleLocator.h"

namespace kdapp {
namespace {
// Every text shown so far in any language, with its source: texts built
// once (static names) keep their first language after a switch.
std::map<std::pair<QString, QString>, QString>& sources() {
  static std::map<std::pair<QString, QString>, QString> known;
  return known;
}

// A translation that remembers, for each text it translated, the source.
class CatalogueTranslator : public QTranslator {
public:
  QString translate(const char* context, const char* source, const char* disambiguation, int n) const override {
    const QString shown = m_file.translate(context, source, disambiguation, n);
    if (!shown.isEmpty() && context && source) sources()[{QString::fromUtf8(context), shown}] = QString::fromUtf8(source);
    return shown;
  }
  bool isEmpty() const override { return m_file.isEmpty(); }
  bool load(const QString& path) { return m_file.load(path); }

private:
  QTranslator m_file;
};

std::unique_ptr<CatalogueTranslator>& installed() {
  static std::unique_ptr<CatalogueTranslator> translator;
  return translator;
}
QString& current() {
  static QString language = "en";
  return language;
}

QString translationFile(const QString& language) {
  const QString module = QString::fromStdString(modulePath().toUtf8());
  return QFileInfo(module).absolutePath() + "/kdproperties_" + language + ".qm";
}
}  // namespace

QString chooseLanguage(const QString& requested) {
  QString wanted = requested;
  if (wanted.isEmpty())
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
      const char* value = std::getenv(variable);
      if (value && *value) {
        wanted = QString::fromUtf8(value);
        break;
      }
    }
  wanted = wanted.section('.', 0, 0).section('_', 0, 0).section('@', 0, 0).toLower();
  return wanted == "de" ? wanted : QString("en");
}

bool useLanguage(const QString& language, QString& error) {
  if (installed()) {
    QCoreApplication::removeTranslator(installed().get());
    installed().reset();
  }
  current() = "en";
  if (language == "en") return true;
  const QString path = translationFile(language);
  auto translator = std::make_unique<CatalogueTranslator>();
  if (!QFile::exists(path)) {
    error = "no translation " + path;
    return false;
  }
  if (!translator->load(path) || translator->isEmpty()) {
    error = "damaged translation " + path;
    return false;
  }
  if (!QCoreApplication::installTranslator(translator.get())) {
    error = "no application to install the translation in";
    return false;
  }
  installed() = std::move(translator);
  current() = language;
  return true;
}

QString currentLanguage() { return current(); }

QString sourceText(const char* context, const QString& shown) {
  const auto found = sources().find({QString::fromUtf8(context), shown});
  return found == sources().end() ? shown : found->second;
}
}  // namespace kdapp
