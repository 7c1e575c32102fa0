#pragma once
// The commands of morvask-cli. Each command names its own options, with what its help says
// of them; the options every command takes are added by the dispatcher.

#include <chrono>
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
  std::string omschrijving;  // one line for the list of commands
  std::string uitleg;        // the paragraph of its own --help and of the manual page
  std::size_t posities = 0;  // number of positional arguments
  bool rapport = false;      // takes -o/--output and --format
  bool gegevens = false;     // its report has data values: takes --format data
  std::vector<OptieDefinitie> opties;
  int (*uitvoeren)(const Argumenten&) = nullptr;
};

// Every command, in the order --help lists them: the groups below, one file each.
const std::vector<Opdracht>& Opdrachten();

std::vector<Opdracht> ProjectOpdrachten();               // info (project_commands.cpp)
std::vector<Opdracht> RapportOpdrachten();               // the reports of a project (report_commands.cpp)
std::vector<Opdracht> VergelijkingsrapportOpdrachten();  // report (comparison_report_command.cpp)
std::vector<Opdracht> MatchOpdrachten();                 // match (match_command.cpp)
std::vector<Opdracht> WijzigOpdrachten();                // the commands that change a project (change_commands.cpp)

// The options every command takes, and those every report command adds (-o, --format).
const std::vector<OptieDefinitie>& AlgemeneOpties();
const std::vector<OptieDefinitie>& RapportOpties();

// Prints "morvask-cli: REASON" and the usage line to standard error (the chosen command's,
// once there is one); returns kGebruik.
int GebruikFout(const std::string& reden);
void OpdrachtGekozen(const Opdracht& opdracht);

// A line of the command's own on standard error: "morvask-cli: TEXT" (TEXT in UTF-8).
void Opmerking(const std::string& tekst);
// The same for a word on success, left out with --quiet.
void Samenvatting(const Argumenten& a, const std::string& tekst);
// A count with its noun: "1 registration", "3 registrations".
std::string Aantal(long long n, const std::string& woord);
// A time taken as the word on success names it: "0.412 s".
std::string Duur(std::chrono::steady_clock::duration duur);

}  // namespace morvask::cli
