#pragma once
// The commands of morvask-cli. Each command names its own options; the options every
// command takes are added by the dispatcher.

#include <string>
#include <vector>

#include "cli/arguments.h"

namespace morvask::cli {

// Exit statuses.
inline constexpr int kKlaar = 0;
inline constexpr int kMislukt = 1;
inline constexpr int kGebruik = 2;

struct Opdracht {
  std::string naam;
  std::string gebruik;       // "info PROJECT"
  std::string omschrijving;  // one line for --help
  std::size_t posities = 0;  // number of positional arguments
  bool rapport = false;      // takes -o/--output and --format
  std::vector<OptieDefinitie> opties;
  int (*uitvoeren)(const Argumenten&) = nullptr;
};

// Every command, in the order --help lists them: the groups below, one file each.
const std::vector<Opdracht>& Opdrachten();

std::vector<Opdracht> ProjectOpdrachten();  // info (project_commands.cpp)
std::vector<Opdracht> RapportOpdrachten();  // the reports of a project and of a match file (report_commands.cpp)
std::vector<Opdracht> VergelijkingsrapportOpdrachten();  // report (comparison_report_command.cpp)
std::vector<Opdracht> MatchOpdrachten();                 // match (match_command.cpp)
std::vector<Opdracht> WijzigOpdrachten();                // the commands that change a project (change_commands.cpp)

// Prints "morvask-cli: REASON" and the usage line to standard error; returns kGebruik.
int GebruikFout(const std::string& reden);

}  // namespace morvask::cli
