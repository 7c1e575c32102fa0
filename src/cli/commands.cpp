#include "cli/commands.h"

#include <cstdio>

namespace morvask::cli {

const std::vector<Opdracht>& Opdrachten() {
  static const std::vector<Opdracht> opdrachten = [] {
    std::vector<Opdracht> alle;
    for (auto groep :
         {RapportOpdrachten, VergelijkingsrapportOpdrachten, ProjectOpdrachten, MatchOpdrachten, WijzigOpdrachten})
      for (auto& o : groep()) alle.push_back(std::move(o));
    return alle;
  }();
  return opdrachten;
}

const std::vector<OptieDefinitie>& AlgemeneOpties() {
  static const std::vector<OptieDefinitie> opties = {
      {"settings", 0, "FILE",
       "read the program settings from FILE (the settings file format) instead of the user's settings file; a "
       "missing FILE means the defaults",
       "the user's settings file"},
      {"language", 0, "NAME", "use the language file NAME.lng of the language folder for the program's texts",
       "the language of the settings (Dutch without settings)"},
      {"quiet", 0, "", "no summary of what was written (and no note of a normalised time) on standard error",
       "the summary is shown"},
      {"help", 'h', "", "show the usage, the options and their defaults", ""},
      {"version", 0, "", "show morvask-cli and the program version", ""},
  };
  return opties;
}

const std::vector<OptieDefinitie>& RapportOpties() {
  static const std::vector<OptieDefinitie> opties = {
      {"output", 'o', "FILE",
       "write the report to FILE instead, byte for byte what the program's text export writes (Windows-1252, lines "
       "ended by CR LF); FILE is used as named and replaced when it exists",
       "standard output, in UTF-8 with lines ended by LF"},
      {"format", 0, "txt|csv|data",
       "txt: the text report. csv: the program's CSV export of the report's table, exactly as it writes it (matrix "
       "reports; a report without table data is written as text, with a note on standard error). data: RFC 4180 "
       "CSV in UTF-8 for spreadsheets and data tools, a header row and one row per value, numbers as numbers, no "
       "rule or total rows (intensities, travel-times, and report with --type dhb, traveltimes, routes or "
       "nonroutes; the same bytes to FILE and to standard output)",
       "txt"},
  };
  return opties;
}

namespace {

const Opdracht* gekozen = nullptr;  // the command of this run, once it is known

}  // namespace

void OpdrachtGekozen(const Opdracht& opdracht) { gekozen = &opdracht; }

int GebruikFout(const std::string& reden) {
  if (gekozen)
    std::fprintf(stderr, "morvask-cli: %s\nusage: morvask-cli %s (see morvask-cli %s --help)\n", reden.c_str(),
                 gekozen->gebruik.c_str(), gekozen->naam.c_str());
  else
    std::fprintf(stderr, "morvask-cli: %s\nusage: morvask-cli COMMAND [OPTIONS] ARGUMENTS (see morvask-cli --help)\n",
                 reden.c_str());
  return kGebruik;
}

void Opmerking(const std::string& tekst) {
  std::fprintf(stderr, "morvask-cli: %s\n", tekst.c_str());
  std::fflush(stderr);
}

void Samenvatting(const Argumenten& a, const std::string& tekst) {
  if (!a.Heeft("quiet")) Opmerking(tekst);
}

std::string Aantal(long long n, const std::string& woord) {
  return std::to_string(n) + " " + woord + (n == 1 ? "" : "s");
}

std::string Duur(std::chrono::steady_clock::duration duur) {
  char tekst[32];
  std::snprintf(tekst, sizeof tekst, "%.3f s", std::chrono::duration<double>(duur).count());
  return tekst;
}

}  // namespace morvask::cli
