#pragma once
// What every command of morvask-cli works on: the program's folders, the settings (from
// --settings FILE or the user's settings file), the catalogue in the chosen language
// (--language NAME or the settings' language), the terminal as the user, and the project.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/context.h"
#include "cli/arguments.h"
#include "cli/terminal_ui.h"
#include "core/project.h"
#include "core/settings.h"

namespace morvask::cli {

class Omgeving {
 public:
  // The negative answer to every question unless forceer.
  explicit Omgeving(bool forceer);

  Project project;
  RProgrammaInstellingen instellingen;
  Catalogus catalogus;
  TerminalUi ui;
  Context ctx;

  // Reads the settings and sets up the language from the options every command takes.
  // False (with the message on standard error) when the settings file could not be read
  // to its end or the named language has no file.
  bool Voorbereiden(const Argumenten& a);

  // Resets the project and reads the file into it; false when it could not be read.
  bool ProjectOpenen(const std::string& bestandsnaam);
};

// Runs a command on a project: reads the settings and the language of the options, then the
// project file, and hands the environment to the command. kMislukt (the message shown) when
// any of them could not be read. forceer answers every question affirmatively.
// voorbereiding runs after the settings and before the project is read (a changing command
// takes the project's lock there); false from it ends the command with kMislukt.
int MetProject(const Argumenten& a, const std::string& projectbestand, bool forceer,
               const std::function<int(Omgeving&)>& opdracht, const std::function<bool(Omgeving&)>& voorbereiding = {});

// A command-line argument (UTF-8) as a Windows-1252 text of the library.
std::string Argument(const std::string& utf8);
// A command-line argument that names a file: the system's bytes, unchanged.
std::string PadArgument(const std::string& argument);

// Writes lines of Windows-1252 text to standard output as UTF-8, one line each ended by LF;
// a CR inside a line ends a line too.
void RegelsAfdrukken(const std::vector<std::string>& regels);

// Lines of a text without a table: to standard output, or with -o FILE to FILE as the text
// export writes them (Windows-1252, CR LF). Returns the exit status.
int RegelsUitvoeren(Omgeving& o, const Argumenten& a, const std::vector<std::string>& regels);

}  // namespace morvask::cli
