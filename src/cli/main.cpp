// morvask-cli: the survey analyses and reports of Morvask without windows.

#include <cstdio>
#include <string>
#include <vector>

#include "base/version.h"
#include "cli/commands.h"

using namespace morvask::cli;

namespace {

const std::vector<OptieDefinitie>& AlgemeneOpties() {
  static const std::vector<OptieDefinitie> opties = {
      {"settings", 0, true}, {"language", 0, true}, {"help", 'h', false}, {"version", 0, false}};
  return opties;
}

const std::vector<OptieDefinitie>& RapportOpties() {
  static const std::vector<OptieDefinitie> opties = {{"output", 'o', true}, {"format", 0, true}};
  return opties;
}

int Versietekst() {
  std::printf("morvask-cli %s\n", morvask::VolledigeVersie().c_str());
  return kKlaar;
}

int Hulptekst() {
  std::printf(
      "usage: morvask-cli COMMAND [OPTIONS] ARGUMENTS\n"
      "\n"
      "Runs the analyses and reports of Morvask %s on project files.\n"
      "\n"
      "Commands:\n",
      morvask::VolledigeVersie().c_str());
  for (const auto& o : Opdrachten()) std::printf("  %s\n      %s\n", o.gebruik.c_str(), o.omschrijving.c_str());
  std::printf(
      "\n"
      "Options of every command:\n"
      "  --settings FILE      read the program settings from FILE\n"
      "  --language NAME      use the language file NAME.lng for the program's texts\n"
      "  -o, --output FILE    write the report to FILE (Windows-1252, CR LF)\n"
      "  --format txt|csv     text report, or the CSV of its table (matrix reports)\n"
      "  -h, --help           show this help\n"
      "  --version            show the program version\n"
      "\n"
      "Exit status: 0 done, 1 failure reported to the user, 2 wrong usage.\n");
  return kKlaar;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return GebruikFout("no command given");
  const std::string eerste = args[0];
  if (eerste == "--help" || eerste == "-h") return Hulptekst();
  if (eerste == "--version") return Versietekst();
  if (!eerste.empty() && eerste[0] == '-') return GebruikFout("unknown option '" + eerste + "'");

  const Opdracht* opdracht = nullptr;
  for (const auto& o : Opdrachten())
    if (o.naam == eerste) opdracht = &o;
  if (!opdracht) return GebruikFout("unknown command '" + eerste + "'");

  std::vector<OptieDefinitie> definities = AlgemeneOpties();
  if (opdracht->rapport) definities.insert(definities.end(), RapportOpties().begin(), RapportOpties().end());
  definities.insert(definities.end(), opdracht->opties.begin(), opdracht->opties.end());

  std::string fout;
  const auto a = ArgumentenLezen(eerste, {args.begin() + 1, args.end()}, definities, fout);
  if (!a) return GebruikFout(fout);
  if (a->Heeft("help")) {
    std::printf("usage: morvask-cli %s\n%s\n", opdracht->gebruik.c_str(), opdracht->omschrijving.c_str());
    return kKlaar;
  }
  if (a->Heeft("version")) return Versietekst();
  if (a->posities.size() != opdracht->posities)
    return GebruikFout(a->posities.size() < opdracht->posities ? "missing argument" : "too many arguments");
  if (const auto f = a->Waarde("format"); f && *f != "txt" && *f != "csv")
    return GebruikFout("--format takes txt or csv");
  return opdracht->uitvoeren(*a);
}
