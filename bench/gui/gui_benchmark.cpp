// gui_benchmark: the speed of the desktop program where it adds to the library's work.
//
//   gui_benchmark [--quick]
//
// --quick  a survey of 50,000 registrations instead of 1,000,000, for a smoke run
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
// Exit status: 0 every target met, 1 a target missed, 2 wrong usage or no work folder.

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "gui_sections.h"
#include "measure.h"

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
  QTemporaryDir werkmap;
  if (!werkmap.isValid()) {
    std::fprintf(stderr, "gui_benchmark: no work folder\n");
    return 2;
  }
  morvask::bench::KolomkopAfdrukken();
  bool gehaald = morvask::bench::PompSectie(snel ? 50000 : 1000000, werkmap.path().toStdString() + "/");
  return gehaald ? 0 : 1;
}
