// match: the plate comparison of a project, written to a match file. Each option is a field
// of the comparison window; the defaults are the window's at its first opening.

#include <array>
#include <optional>
#include <string>

#include "analysis/match_settings.h"
#include "analysis/matching_run.h"
#include "cli/commands.h"
#include "cli/environment.h"

namespace morvask::cli {

namespace {

bool AlleenCijfers(const std::string& tekst) {
  return !tekst.empty() && tekst.find_first_not_of("0123456789") == std::string::npos;
}

// A number option within its bounds (and, for the swapped characters, even).
std::optional<int> AantalOptie(const std::string& tekst, int hoogste, bool even) {
  if (!AlleenCijfers(tekst) || tekst.size() > 1) return std::nullopt;
  const int n = tekst[0] - '0';
  if (n > hoogste || (even && n % 2 != 0)) return std::nullopt;
  return n;
}

// "1,2,5,6": the position boxes that are ticked; an empty list ticks none.
std::optional<std::array<bool, 6>> PositiesOptie(const std::string& lijst) {
  std::array<bool, 6> posities{};
  if (lijst.empty()) return posities;
  std::size_t begin = 0;
  while (true) {
    const std::size_t komma = lijst.find(',', begin);
    const std::string deel = lijst.substr(begin, komma == std::string::npos ? std::string::npos : komma - begin);
    if (deel.size() != 1 || deel[0] < '1' || deel[0] > '6') return std::nullopt;
    posities[static_cast<std::size_t>(deel[0] - '1')] = true;
    if (komma == std::string::npos) return posities;
    begin = komma + 1;
  }
}

// A time as the window's field takes it: four digits.
bool TijdOptie(const std::string& tekst) { return tekst.size() == 4 && AlleenCijfers(tekst); }

int Match(const Argumenten& a) {
  // Wrong option values are wrong usage, found before anything is read.
  std::optional<int> verwisseld, verschillend;
  std::optional<std::array<bool, 6>> posities;
  if (const auto w = a.Waarde("swapped"); w && !(verwisseld = AantalOptie(*w, 6, true)))
    return GebruikFout("--swapped takes 0, 2, 4 or 6");
  if (const auto w = a.Waarde("different"); w && !(verschillend = AantalOptie(*w, 6, false)))
    return GebruikFout("--different takes a number from 0 to 6");
  if (const auto w = a.Waarde("positions"); w && !(posities = PositiesOptie(*w)))
    return GebruikFout("--positions takes a comma-separated list of the positions 1 to 6");
  for (const char* tijd : {"from", "until"})
    if (const auto w = a.Waarde(tijd); w && !TijdOptie(*w))
      return GebruikFout(std::string("--") + tijd + " takes a time HHMM");

  return MetProject(a, Argument(a.posities[0]), a.Heeft("force"), [&](Omgeving& o) {
    // The window as it opens, then the options as the user would set its fields.
    RMatchInstellingen in;
    MatchInstellingenVoorbereiden(in, o.project);
    if (const auto w = a.Waarde("output")) in.Bestandsnaam = MatchbestandsnaamUitDialoog(Argument(*w));
    if (const auto w = a.Waarde("description")) in.Omschrijving = Argument(*w);
    if (const auto w = a.Waarde("from")) VanafBewerkt(in, *w);
    if (const auto w = a.Waarde("until")) TotBewerkt(in, *w);
    if (a.Heeft("no-correction")) in.PeriodeCorrectie = false;
    if (a.Heeft("no-inside-posts")) in.TussenpostenNegeren = true;
    if (a.Heeft("no-block-check")) in.BlokkadesControleren = false;
    if (a.Heeft("no-wildcards")) in.MetWildcards = false;
    if (a.Heeft("case-sensitive")) in.GeenHoofdletterverschil = false;
    if (a.Heeft("no-missed")) in.GemisteKentekensToevoegen = false;
    if (a.Heeft("not-iterative")) in.Iteratief = false;
    if (posities) in.Posities = *posities;
    if (verwisseld) in.AantalVerwisseld = *verwisseld;
    if (verschillend) in.AantalVerschillend = *verschillend;
    AantalKaraktersTellen(in);

    OnderbrekingOpvangen();
    return MatchUitvoeren(o.ctx, in) ? kKlaar : kMislukt;
  });
}

}  // namespace

std::vector<Opdracht> MatchOpdrachten() {
  return {{"match",
           "match PROJECT [options]",
           "the plate comparison, written to a match file (-o FILE, default the project's name with .mma); "
           "options --description TEXT, --from HHMM, --until HHMM, --no-correction, --no-inside-posts, "
           "--no-block-check, --no-wildcards, --swapped 0|2|4|6, --different 0..6, --case-sensitive, --no-missed, "
           "--positions LIST (2, 4, 6 follow 1, 3, 5), --not-iterative, --force",
           1,
           false,
           {{"output", 'o', true},
            {"description", 0, true},
            {"from", 0, true},
            {"until", 0, true},
            {"no-correction", 0, false},
            {"no-inside-posts", 0, false},
            {"no-block-check", 0, false},
            {"no-wildcards", 0, false},
            {"swapped", 0, true},
            {"different", 0, true},
            {"case-sensitive", 0, false},
            {"no-missed", 0, false},
            {"positions", 0, true},
            {"not-iterative", 0, false},
            {"force", 0, false}},
           Match}};
}

}  // namespace morvask::cli
