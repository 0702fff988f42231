// The desktop host: kdpalette [DRAWING] [--lang de|en] [--select H]... [--screenshot FILE.png]
// opens the drawing (or the sample), selects the objects and shows the
// palette window; with --screenshot it renders the window at 1280 x 800
// into the file and exits (works on the offscreen platform).
#include <QApplication>
#include <QPixmap>
#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#include "KdLanguage.h"
#include "KdModuleLocator.h"
#include "Rx/RxModule.h"
#include "palette/KdPaletteWindow.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  QString drawing, screenshot, language;
  std::vector<std::string> selection;
  const QStringList args = application.arguments();
  for (int i = 1; i < args.size(); ++i) {
    const QString a = args[i];
    auto next = [&]() -> QString {
      if (i + 1 >= args.size()) {
        std::fprintf(stderr, "kdpalette: %s needs a value\n", a.toUtf8().constData());
        std::exit(2);
      }
      return args[++i];
    };
    if (a == "--select") selection.push_back(next().toStdString());
    else if (a == "--screenshot") screenshot = next();
    else if (a == "--lang") language = next();
    else if (a.startsWith("--")) {
      std::fprintf(stderr, "usage: kdpalette [DRAWING] [--lang de|en] [--select H]... [--screenshot FILE.png]\n");
      return 2;
    } else drawing = a;
  }
  OdRxModule* module = odrxDynamicLinker()->loadModule(kdapp::modulePath());
  if (!module) {
    std::fprintf(stderr, "kdpalette: cannot load %s\n", kdapp::modulePath().toUtf8().c_str());
    return 4;
  }
  QString error;
  if (!kdapp::useLanguage(kdapp::chooseLanguage(language), error))
    std::fprintf(stderr, "kdpalette: %s; showing English\n", error.toUtf8().constData());
  int status = 0;
  {
    kdpalette::PaletteWindow window;
    if (!screenshot.isEmpty())
      window.showMessage = [](const QString& title, const QString& text) {
        std::fprintf(stderr, "kdpalette: %s: %s\n", title.toUtf8().constData(), text.toUtf8().constData());
      };
    if (!window.openDrawing(drawing)) status = 3;
    window.select(selection);
    if (!screenshot.isEmpty()) {
      window.resize(1280, 800);
      window.show();
      application.processEvents();
      if (!window.grab().save(screenshot)) {
        std::fprintf(stderr, "kdpalette: cannot write %s\n", screenshot.toUtf8().constData());
        status = 3;
      }
    } else {
      window.show();
      status = application.exec();
    }
  }
  odrxDynamicLinker()->unloadModule(module);
  return status;
}
