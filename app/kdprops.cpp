// The command-line host: opens drawings, loads the module the way a CAD
// host does, and shows the palette and the listing of any object or
// selection, edits properties and saves; "batch" serves many requests.
#include <QCoreApplication>
#include <clocale>
#include <cstdio>
#include <functional>
#include <stdexcept>

#include "Dxf/DxfFile.h"
#include "KdLanguage.h"
#include "KdModuleLocator.h"
#include "Rx/OdError.h"
#include "Rx/RxModule.h"
#include "cli/KdCli.h"

using namespace kdcli;

namespace {

// The module, loaded for the life of the program.
class Module {
public:
  Module() {
    m_module = odrxDynamicLinker()->loadModule(kdapp::modulePath());
    if (!m_module) {
      const auto& e = odrxDynamicLinker()->lastError();
      throw std::runtime_error("cannot load " + e.path.toUtf8() + ": " + e.reason.toUtf8());
    }
  }
  ~Module() { odrxDynamicLinker()->unloadModule(m_module); }

private:
  OdRxModule* m_module;
};

const struct {
  const char* name;
  int (*run)(const Options&);
  bool needsModule;
} kCommands[] = {{"demo", cmdDemo, true},   {"sample", cmdSample, true}, {"list", cmdList, true},
                 {"props", cmdProps, true}, {"set", cmdSet, true},       {"classes", cmdClasses, true},
                 {"save", cmdSave, true},   {"recover", cmdRecover, true}, {"batch", cmdBatch, true},   {"--classes", cmdClassTree, false}};

// Every error becomes an exit status here, while the module is still loaded:
// an exception the module raised must be finished before the module goes.
int reported(const std::function<int()>& run) {
  try {
    return run();
  } catch (const UsageError& e) {
    std::fprintf(stderr, "kdprops: %s\n%s", e.what(), kUsageText);
    return kUsage;
  } catch (const OdDxfFileError& e) {
    std::fprintf(stderr, "kdprops: %s\n", e.what());
    return kFileError;
  } catch (const OdError& e) {
    std::fprintf(stderr, "kdprops: drawing error: %s\n", e.description().toUtf8().c_str());
    return kFileError;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kdprops: %s\n", e.what());
    return kModuleError;
  }
}

}  // namespace

// The translation of the options' language; a missing or damaged one is
// said once, and the texts stay English.
void chooseLanguage(const Options& o) {
  const QString requested = QString::fromStdString(o.language);
  const QString language = kdapp::chooseLanguage(requested);
  if (!requested.isEmpty() && language != requested.toLower())
    std::fprintf(stderr, "kdprops: no translation for \"%s\"; showing English\n", o.language.c_str());
  QString error;
  if (!kdapp::useLanguage(language, error))
    std::fprintf(stderr, "kdprops: %s; showing English\n", error.toUtf8().constData());
}

int main(int argc, char** argv) {
  // Translations need an application object; numbers stay in the C locale.
  int qtArgc = 1;
  QCoreApplication application(qtArgc, argv);
  std::setlocale(LC_NUMERIC, "C");
  return reported([&] {
    const Options o = parse(argc, argv);
    chooseLanguage(o);
    if (o.command == "--help" || o.command == "help") {
      std::fputs(kUsageText, stdout);
      return int(kOk);
    }
    for (const auto& c : kCommands) {
      if (o.command != c.name) continue;
      if (!c.needsModule) return c.run(o);
      Module module;
      return reported([&] { return c.run(o); });
    }
    throw UsageError("unknown command " + o.command);
  });
}
