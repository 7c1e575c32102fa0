#include "cli/help.h"

#include <sstream>
#include <vector>

namespace morvask::cli {

namespace {

constexpr std::size_t kBreedte = 79;        // the width of the help's lines
constexpr std::size_t kOptiekolom = 24;     // where an option's meaning begins
constexpr const char* kInspringing = "  ";  // before an option

const char* const kOmschrijving =
    "Runs the analyses and reports of Morvask on project files, for batch work, scripts and tests, with the same "
    "library as the windowed program: a report made here is, line for line, the report the program shows for the "
    "same project, settings and options.";

// How every command behaves, one paragraph each.
const std::vector<std::string>& Afspraken() {
  static const std::vector<std::string> afspraken = {
      "A report goes to standard output in UTF-8, one report line per output line, lines ended by LF; -o FILE "
      "writes it as the program's text export does (Windows-1252, CR LF).",
      "Every message the program would show in a dialog is printed to standard error in UTF-8.",
      "A question the program would ask is answered by --force; without it the negative answer is given, the "
      "question is printed to standard error with a line naming --force, and the command ends with status 1, "
      "having changed nothing.",
      "On success, match and the commands that change a project name on standard error what they wrote where "
      "and the time taken; --quiet leaves that out. Standard output carries only report data.",
      "Options are checked before anything is read or written: a value out of range or options that exclude each "
      "other end with status 2 and a line naming the option.",
      "Times are four-digit hhmm texts; a time option is normalised as the program's time fields normalise a typed "
      "time (minutes above 59 carried once by adding 40, capped at 2359), and the time used is named on standard "
      "error.",
      "A LIST is comma-separated: --posts 001-ki,002-ku. LETTERS is a run of vehicle-type letters of almzbour: "
      "--types alm.",
  };
  return afspraken;
}

const char* const kAfloop =
    "0 done; 1 the command met a failure that the program reports to the user (a missing or unreadable file, a "
    "refused question, invalid data), its message on standard error; 2 wrong usage (an unknown command or "
    "option, a missing argument, a value out of range), with a usage line on standard error.";

// The words of a text in lines of at most the width, each after the indentation.
std::string Afbreken(const std::string& tekst, std::size_t inspringing, std::size_t eerste = 0) {
  std::istringstream woorden(tekst);
  std::string uit, regel, woord;
  std::size_t begin = eerste;  // the characters already on the first line
  while (woorden >> woord) {
    if (!regel.empty() && begin + regel.size() + 1 + woord.size() > kBreedte) {
      uit += regel + "\n" + std::string(inspringing, ' ');
      regel.clear();
      begin = inspringing;
    }
    regel += (regel.empty() ? "" : " ") + woord;
  }
  return uit + regel + "\n";
}

// "-o FILE, --output FILE" / "--from HHMM" / "--quiet".
std::string OptieNaam(const OptieDefinitie& d) {
  const std::string waarde = d.MetWaarde() ? " " + d.waarde : "";
  std::string naam = "--" + d.naam + waarde;
  if (d.kort != 0) naam = std::string("-") + d.kort + waarde + ", " + naam;
  return naam;
}

std::string OptiesTekst(const std::vector<OptieDefinitie>& opties) {
  std::string uit;
  for (const OptieDefinitie& d : opties) {
    std::string regel = kInspringing + OptieNaam(d);
    if (regel.size() + 2 > kOptiekolom)
      regel += "\n" + std::string(kOptiekolom, ' ');
    else
      regel += std::string(kOptiekolom - regel.size(), ' ');
    uit += regel + Afbreken(d.betekenis, kOptiekolom, kOptiekolom);
    if (!d.standaard.empty())
      uit += std::string(kOptiekolom, ' ') + Afbreken("default: " + d.standaard, kOptiekolom, kOptiekolom);
  }
  return uit;
}

// The general options as the command takes them: the report options only for a report.
std::string AlgemeneOptiesTekst(const Opdracht* opdracht) {
  std::string uit;
  if (!opdracht || opdracht->rapport) uit += "\nOptions of every report command:\n" + OptiesTekst(RapportOpties());
  return uit + "\nOptions of every command:\n" + OptiesTekst(AlgemeneOpties());
}

// ---- troff --------------------------------------------------------------------------------

// A text for troff: backslashes and minus signs escaped, a line that would start with a
// control character protected.
std::string Roff(const std::string& tekst) {
  std::string uit;
  for (const char c : tekst) {
    if (c == '\\')
      uit += "\\e";
    else if (c == '-')
      uit += "\\-";
    else
      uit += c;
  }
  if (!uit.empty() && (uit[0] == '.' || uit[0] == '\'')) uit = "\\&" + uit;
  return uit;
}

std::string RoffOpties(const std::vector<OptieDefinitie>& opties) {
  std::string uit;
  for (const OptieDefinitie& d : opties) {
    const std::string waarde = d.MetWaarde() ? " \\fI" + Roff(d.waarde) + "\\fR" : "";
    std::string naam = "\\fB" + Roff("--" + d.naam) + "\\fR" + waarde;
    if (d.kort != 0) naam = "\\fB" + Roff(std::string("-") + d.kort) + "\\fR" + waarde + ", " + naam;
    uit += ".TP\n" + naam + "\n" + Roff(d.betekenis) + "\n";
    if (!d.standaard.empty()) uit += ".br\nDefault: " + Roff(d.standaard) + "\n";
  }
  return uit;
}

}  // namespace

std::string AlgemeneHulp(const std::string& versie) {
  std::string uit = "usage: morvask-cli COMMAND [OPTIONS] ARGUMENTS\n\n";
  uit += Afbreken(std::string(kOmschrijving) + " (Morvask " + versie + ")", 0);
  uit += "\n" + Afbreken("Commands (morvask-cli COMMAND --help shows a command's options and their defaults):", 0);
  for (const Opdracht& o : Opdrachten()) uit += kInspringing + o.gebruik + "\n      " + Afbreken(o.omschrijving, 6, 6);
  uit += AlgemeneOptiesTekst(nullptr);
  uit += "\nConventions:\n";
  for (const std::string& afspraak : Afspraken()) uit += "  - " + Afbreken(afspraak, 4, 4);
  uit += "\nExit status: " + Afbreken(kAfloop, 2, 13);
  uit += "\n" +
         Afbreken("morvask-cli --man prints all of this, every command's help included, as a manual page (troff).", 0);
  return uit;
}

std::string OpdrachtHulp(const Opdracht& opdracht) {
  std::string uit = "usage: morvask-cli " + opdracht.gebruik + "\n\n" + Afbreken(opdracht.uitleg, 0);
  if (!opdracht.opties.empty()) uit += "\nOptions:\n" + OptiesTekst(opdracht.opties);
  return uit + AlgemeneOptiesTekst(&opdracht);
}

std::string Handleiding() {
  std::string uit = ".TH MORVASK-CLI 1 \"\" \"Morvask\" \"User Commands\"\n";
  uit += ".SH NAME\nmorvask\\-cli \\- the survey analyses and reports of Morvask without windows\n";
  uit += ".SH SYNOPSIS\n.B morvask\\-cli\n\\fICOMMAND\\fR [\\fIOPTIONS\\fR] \\fIARGUMENTS\\fR\n";
  uit += ".br\n.B morvask\\-cli\n\\fICOMMAND\\fR \\fB\\-\\-help\\fR\n";
  uit += ".SH DESCRIPTION\n" + Roff(kOmschrijving) + "\n";
  for (const std::string& afspraak : Afspraken()) uit += ".PP\n" + Roff(afspraak) + "\n";
  uit += ".SH COMMANDS\n";
  for (const Opdracht& o : Opdrachten()) {
    uit += ".SS " + Roff(o.gebruik) + "\n" + Roff(o.uitleg) + "\n";
    uit += RoffOpties(o.opties);
  }
  uit += ".SH \"OPTIONS OF EVERY REPORT COMMAND\"\n";
  std::string rapporten;
  for (const Opdracht& o : Opdrachten())
    if (o.rapport) rapporten += (rapporten.empty() ? "" : ", ") + o.naam;
  uit += Roff("The commands " + rapporten + ".") + "\n";
  uit += RoffOpties(RapportOpties());
  uit += ".SH \"OPTIONS OF EVERY COMMAND\"\n" + RoffOpties(AlgemeneOpties());
  uit += ".SH \"EXIT STATUS\"\n" + Roff(kAfloop) + "\n";
  return uit;
}

}  // namespace morvask::cli
