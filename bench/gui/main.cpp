// The desktop program's benchmark: the windows' own costs on the offscreen platform, with the
// program's main window over a settings file of its own. Run by hand on a release build:
//   build/bench/gui_benchmark [--quick]
// --quick: the pump's matching run on 50,000 registrations instead of 1,000,000.
// It is not a test.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "gui/app/main_window.h"
#include "gui/app/program.h"
#include "gui/app/resources.h"
#include "gui_sections.h"

int main(int argc, char** argv) {
  bool snel = false;
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--quick") {
      snel = true;
    } else {
      std::fprintf(stderr, "usage: gui_benchmark [--quick]\n");
      return 2;
    }
  }
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  morvask::gui::HulpbronnenLaden();
  QTemporaryDir map;
  const std::string instellingen = QDir(map.path()).filePath(QStringLiteral("Morvask.ini")).toStdString();
  morvask::gui::TProgramma programma(QCoreApplication::applicationFilePath().toStdString(), instellingen);
  morvask::gui::THoofdForm hoofd(programma);
  hoofd.resize(1200, 900);
  hoofd.show();
  QApplication::processEvents();
  std::printf("Morvask desktop benchmark (%s build, platform %s)\n", MORVASK_BUILD_TYPE,
              QGuiApplication::platformName().toLocal8Bit().constData());
  morvask::bench::RapportvensterSectie(hoofd);
  morvask::bench::AfdrukkenSectie();
  morvask::bench::KolomkopAfdrukken();
  const bool gehaald = morvask::bench::PompSectie(snel ? 50000 : 1000000, map.path().toStdString() + "/");
  return gehaald ? 0 : 1;
}
