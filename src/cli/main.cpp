// morvask-cli: the survey analyses and reports of Morvask without windows.

#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "base/version.h"
#include "cli/commands.h"
#include "cli/help.h"

using namespace morvask::cli;

namespace {

int Afdrukken(const std::string& tekst) {
  std::fwrite(tekst.data(), 1, tekst.size(), stdout);
  return kKlaar;
}

int Versietekst() { return Afdrukken("morvask-cli " + morvask::VolledigeVersie() + "\n"); }

}  // namespace

int Uitvoeren(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return GebruikFout("no command given");
  const std::string eerste = args[0];
  if (eerste == "--help" || eerste == "-h") return Afdrukken(AlgemeneHulp(morvask::VolledigeVersie()));
  if (eerste == "--version") return Versietekst();
  if (eerste == "--man") return Afdrukken(Handleiding());
  if (!eerste.empty() && eerste[0] == '-') return GebruikFout("unknown option '" + eerste + "'");

  const Opdracht* opdracht = nullptr;
  for (const auto& o : Opdrachten())
    if (o.naam == eerste) opdracht = &o;
  if (!opdracht) return GebruikFout("unknown command '" + eerste + "'");
  OpdrachtGekozen(*opdracht);

  std::vector<OptieDefinitie> definities = AlgemeneOpties();
  if (opdracht->rapport) definities.insert(definities.end(), RapportOpties().begin(), RapportOpties().end());
  definities.insert(definities.end(), opdracht->opties.begin(), opdracht->opties.end());

  std::string fout;
  const auto a = ArgumentenLezen(eerste, {args.begin() + 1, args.end()}, definities, fout);
  if (!a) return GebruikFout(fout);
  if (a->Heeft("help")) return Afdrukken(OpdrachtHulp(*opdracht));
  if (a->Heeft("version")) return Versietekst();
  if (a->posities.size() != opdracht->posities)
    return GebruikFout(a->posities.size() < opdracht->posities ? "missing argument" : "too many arguments");
  if (const auto f = a->Waarde("format")) {
    if (*f != "txt" && *f != "csv" && *f != "data") return GebruikFout("--format takes txt, csv or data");
    if (*f == "data" && !opdracht->gegevens)
      return GebruikFout("--format data is for intensities, travel-times and report, not for " + opdracht->naam);
  }
  return opdracht->uitvoeren(*a);
}

int main(int argc, char** argv) {
  // A failure that no command reported itself still ends with a message and status 1, never
  // with a signal.
  try {
    return Uitvoeren(argc, argv);
  } catch (const std::bad_alloc&) {
    std::fputs("morvask-cli: not enough memory\n", stderr);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "morvask-cli: %s\n", e.what());
  }
  return kMislukt;
}
