#pragma once
// What the desktop program owns for the whole run: the one open project, the settings, the
// catalogue, the Qt user interface and the context that passes them to every operation.

#include <string>
#include <vector>

#include "base/context.h"
#include "core/project.h"
#include "core/settings.h"
#include "gui/app/qt_user_interface.h"

namespace morvask::gui {

struct TProgramma {
  // The folders from the program file's path; the settings file of the user unless named.
  explicit TProgramma(const std::string& programmapad, std::string instellingenbestand = {});

  Project project;
  RProgrammaInstellingen instellingen;
  Catalogus catalogus;
  TQtGebruikersinterface ui;
  Context ctx;
  std::string instellingenbestand;
  // The command-line arguments after the program's own name.
  std::vector<std::string> argumenten;
};

}  // namespace morvask::gui
