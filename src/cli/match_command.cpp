// match: the plate comparison of a project, written to a match file. Each option is a field
// of the comparison window; the defaults are the window's at its first opening.

#include <array>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/match_file_reader.h"
#include "analysis/match_settings.h"
#include "analysis/match_summary.h"
#include "analysis/matching_run.h"
#include "cli/commands.h"
#include "cli/environment.h"
#include "core/files.h"
#include "core/project_file.h"
#include "core/text_utils.h"
#include "core/times.h"

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

// The line of the project file that holds the registration at this place of the list: the
// registrations are the lines after their section heading, empty lines not counted. Nothing
// when the file does not show it.
std::optional<std::size_t> Bestandsregel(const std::string& projectbestand, std::size_t index) {
  const std::optional<std::string> inhoud = BestandLezen(projectbestand);
  if (!inhoud) return std::nullopt;
  const std::vector<std::string_view> regels = RegelsDelen(*inhoud);
  std::size_t i = 0;
  while (i < regels.size() && regels[i] != "[**License numbers**]" && regels[i] != "[Kentekens]") ++i;
  for (std::size_t n = 0; ++i < regels.size();)
    if (!regels[i].empty() && n++ == index) return i + 1;
  return std::nullopt;
}

// After a run that did not start: when a registration's time stopped it, where to find it
// and how to list every such registration.
void OnleesbareTijdAanwijzen(const Omgeving& o, const std::string& projectArgument) {
  const auto i = OnleesbareRegistratietijd(o.project);
  if (!i) return;
  std::string waar = "registration " + std::to_string(*i + 1) + " of the list";
  if (const auto regel = Bestandsregel(o.project.Projectbestandsnaam + Projectextensie, *i))
    waar += " (line " + std::to_string(*regel) + " of " + projectArgument + ")";
  Opmerking(waar + " has a time the comparison cannot read; 'morvask-cli check " + projectArgument +
            "' lists every registration with an invalid time under its number");
}

const char* IteratieNaam(const std::optional<Iteratiesoort>& soort) {
  if (!soort) return "in one pass";
  switch (*soort) {
    case Iteratiesoort::Exact:
      return "with exact plates";
    case Iteratiesoort::Wildcards:
      return "with missed characters (wildcards)";
    case Iteratiesoort::Verwisseld:
      return "with swapped characters";
    case Iteratiesoort::Verschillend:
      return "with different characters";
  }
  return "";
}

// The word on success: the file, the time taken and the period, then the routes of each
// iteration and the non-routes, read back from the file that was written.
void MatchSamenvatten(const Argumenten& a, const RMatchInstellingen& in, std::chrono::steady_clock::duration duur) {
  if (a.Heeft("quiet")) return;
  std::string periode = "period " + in.Vanaf + " to " + in.Tot;
  for (const char* optie : {"from", "until"})
    if (const auto w = a.Waarde(optie)) {
      const std::string gebruikt = std::string(optie) == "from" ? in.Vanaf : in.Tot;
      if (*w != gebruikt) periode += "; --" + std::string(optie) + " " + *w + " read as " + gebruikt;
    }
  Samenvatting(a, in.Bestandsnaam + " written in " + Duur(duur) + " (" + periode + ")");
  const std::optional<RMatchbestand> bestand = MatchbestandLezen(in.Bestandsnaam);
  if (!bestand) return;
  const RMatchSamenvatting s = MatchbestandSamenvatten(*bestand);
  std::string routes;
  for (const RIteratieRoutes& it : s.Iteraties)
    routes += (routes.empty() ? "" : ", ") + std::to_string(it.Routes) + " " + IteratieNaam(it.Soort);
  Samenvatting(a, "routes found: " + (routes.empty() ? std::string("none") : routes) + "; " +
                      Aantal(s.Routes, "route") + ", " + Aantal(s.NietRoutes, "non-route") +
                      (s.Onderbroken ? "; interrupted, the file holds what was found until then" : ""));
}

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
  const auto vanaf = a.Waarde("from");
  const auto tot = a.Waarde("until");
  if (vanaf && tot && NaarGetal(TijdveldNormaliseren(*vanaf)) >= NaarGetal(TijdveldNormaliseren(*tot)))
    return GebruikFout("--from " + TijdveldNormaliseren(*vanaf) + " is not before --until " +
                       TijdveldNormaliseren(*tot));

  const std::string projectArgument = a.posities[0];
  return MetProject(a, PadArgument(projectArgument), a.Heeft("force"), [&](Omgeving& o) {
    // The window as it opens, then the options as the user would set its fields.
    RMatchInstellingen in;
    MatchInstellingenVoorbereiden(in, o.project);
    if (const auto w = a.Waarde("output")) in.Bestandsnaam = MatchbestandsnaamUitDialoog(PadArgument(*w));
    if (const auto w = a.Waarde("description")) in.Omschrijving = Argument(*w);
    if (vanaf) VanafBewerkt(in, *vanaf);
    if (tot) TotBewerkt(in, *tot);
    // One time given: the other is the "Maximale tijden" rule's.
    if ((vanaf || tot) && NaarGetal(in.Vanaf) >= NaarGetal(in.Tot))
      return GebruikFout(vanaf ? "--from " + in.Vanaf + " is not before " + in.Tot +
                                     ", the latest registration plus the observation interval; give --until too"
                               : "--until " + in.Tot + " is not after " + in.Vanaf +
                                     ", the earliest registration; give --from too");
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
    const auto begin = std::chrono::steady_clock::now();
    if (!MatchUitvoeren(o.ctx, in)) {
      if (!o.ui.vraagGeweigerd) OnleesbareTijdAanwijzen(o, projectArgument);
      return kMislukt;
    }
    MatchSamenvatten(a, in, std::chrono::steady_clock::now() - begin);
    return kKlaar;
  });
}

}  // namespace

std::vector<Opdracht> MatchOpdrachten() {
  return {{"match",
           "match PROJECT [OPTIONS]",
           "the plate comparison, written to a match file",
           "The plate comparison of the project, written to a match file. Each option is a field of the comparison "
           "window; the defaults are the window's at its first opening. On success the file, the time taken, the "
           "period and the routes found in each iteration are named on standard error. On a terminal the progress "
           "is shown on standard error; Ctrl+C stops the run at its next poll and completes the file with what was "
           "found (exit 0).",
           1,
           false,
           false,
           {{"output", 'o', "FILE",
             "\"Kentekenvergelijking opslaan in bestand:\", the match file (.mma appended when missing)",
             "the project's file name with .mma"},
            {"description", 0, "TEXT", "\"Omschrijving:\", the description stored in the match file", "empty"},
            {"from", 0, "HHMM",
             "\"Vanaf:\", the start of the period, normalised as the window does (minutes above 59 carried once by "
             "adding 40, capped at 2359); giving --from or --until counts as editing the time fields, which enables "
             "the period correction; the start must lie before the end",
             "neither given: \"Maximale tijden\", from the earliest registration, without period correction"},
            {"until", 0, "HHMM", "\"Tot:\", the end of the period (exclusive), normalised as --from",
             "the latest registration plus the observation interval"},
            {"no-correction", 0, "",
             "\"Correctie onderwaardering doorgaand verkeer ...\" off: no widening of the period by the largest "
             "maximum travel time",
             "on (in effect when --from or --until is given)"},
            {"no-inside-posts", 0, "",
             "\"Tussenposten buiten beschouwing laten\" on: the intermediate posts are left out", "off"},
            {"no-block-check", 0, "", "\"Controleren op blokkades met eerste waarnemingspost in route\" off", "on"},
            {"no-wildcards", 0, "", "\"Vergelijken met gemiste karakters (wildcard = ...)\" off",
             "on (off when no plate holds the wildcard character)"},
            {"swapped", 0, "N", "the changed-characters maximum: 0, 2, 4 or 6", "0"},
            {"different", 0, "N", "the different-characters maximum: 0 to 6", "0"},
            {"case-sensitive", 0, "",
             "\"Geen verschil tussen grote en kleine karakters (case) in kenteken.\" off: letter case counts", "off"},
            {"no-missed", 0, "", "\"Gemiste kentekens toevoegen bij herkomst- en bestemmingsverkeer.\" off", "on"},
            {"positions", 0, "LIST",
             "\"Kentekens vergelijken op de karakters:\", the positions 1 to 6 compared, comma-separated; 2, 4 and 6 "
             "follow 1, 3 and 5 as the window pairs them",
             "1,2,3,4,5,6"},
            {"not-iterative", 0, "", "\"Iteratief\" off: one pass with every setting at once", "iterative"},
            {"force", 0, "", "answers \"Overschrijven\" when the match file exists", "the question is refused"}},
           Match}};
}

}  // namespace morvask::cli
