// morvask: the desktop program. Starts in the program's order: the main window is created
// (settings, texts, language), the start-up information window shows for a moment, the other
// windows exist, and the main window appears; its first activation opens a project named on
// the command line.

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <cstdlib>
#include <string>

#include "gui/app/info_windows.h"
#include "gui/app/main_window.h"
#include "gui/app/program.h"
#include "gui/app/qt_text.h"
#include "gui/app/resources.h"

namespace {

// "--write-language-template FILE": the value, or empty when the option is not given.
std::string TaalsjabloonOptie(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::string(argv[i]) == "--write-language-template") return argv[i + 1];
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  // The template for translators needs no display.
  const std::string sjabloon = TaalsjabloonOptie(argc, argv);
  if (!sjabloon.empty() && !std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  morvask::gui::HulpbronnenLaden();
  QApplication::setApplicationName(QStringLiteral("Morvask"));
  QApplication::setDesktopFileName(QStringLiteral("example.morvask.Morvask"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/morvask.svg")));

  using namespace morvask::gui;
  TProgramma programma(PadVanQt(QCoreApplication::applicationFilePath()));
  const QStringList argumenten = QCoreApplication::arguments();
  for (qsizetype i = 1; i < argumenten.size(); ++i) programma.argumenten.push_back(PadVanQt(argumenten[i]));

  THoofdForm hoofdvenster(programma);
  if (!sjabloon.empty()) return hoofdvenster.TaalsjabloonSchrijven(sjabloon) ? 0 : 1;
  hoofdvenster.OpstartInfo()->OpstartTonen();
  QApplication::processEvents();
  hoofdvenster.EersteStartTaalkeuze();
  QTimer::singleShot(1300, &hoofdvenster, [&hoofdvenster] { hoofdvenster.show(); });
  return QApplication::exec();
}
