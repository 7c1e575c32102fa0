// report: one report of the comparison report window, made from a match file and checked
// against the project it was made from.

#include <optional>
#include <string>

#include "analysis/comparison_report.h"
#include "cli/commands.h"
#include "cli/environment.h"
#include "cli/report_output.h"
#include "reports/report.h"

namespace morvask::cli {

namespace {

template <typename T>
struct Keuze {
  const char* naam;
  T waarde;
};

// The value of an option among its named choices; the default without the option. Empty
// (with the reason) for a value that is none of them.
template <typename T, std::size_t N>
std::optional<T> Kiezen(const Argumenten& a, const std::string& optie, const Keuze<T> (&keuzes)[N], T standaard,
                        std::string& fout) {
  const auto waarde = a.Waarde(optie);
  if (!waarde) return standaard;
  std::string namen;
  for (const auto& k : keuzes) {
    if (*waarde == k.naam) return k.waarde;
    namen += (namen.empty() ? "" : "|") + std::string(k.naam);
  }
  fout = "--" + optie + " takes " + namen;
  return std::nullopt;
}

constexpr Keuze<Vergelijkingsrapporttype> kTypen[] = {
    {"overview", Vergelijkingsrapporttype::Overzicht},        {"dhb", Vergelijkingsrapporttype::DHB},
    {"traveltimes", Vergelijkingsrapporttype::Doorrijtijden}, {"routes", Vergelijkingsrapporttype::Routes},
    {"nonroutes", Vergelijkingsrapporttype::NietRoutes},
};
constexpr Keuze<RouteWeergave> kWeergaven[] = {
    {"all", RouteWeergave::Alle},
    {"cordon", RouteWeergave::Kordon},
    {"all-selected", RouteWeergave::AlleGeselecteerd},
    {"one-selected", RouteWeergave::MinimaalEenGeselecteerd},
};
constexpr Keuze<bool> kSorteringen[] = {{"post", false}, {"count", true}};

// The window's options from the command line; empty with the reason on wrong usage.
std::optional<RVergelijkingsrapportOpties> OptiesLezen(const Argumenten& a, std::string& fout) {
  RVergelijkingsrapportOpties o;
  const auto type = Kiezen(a, "type", kTypen, Vergelijkingsrapporttype::Overzicht, fout);
  const auto weergave = Kiezen(a, "routes", kWeergaven, RouteWeergave::Alle, fout);
  const auto opAantal = Kiezen(a, "sort", kSorteringen, false, fout);
  const auto typen = VoertuigtypenOptie(a, fout);
  if (!type || !weergave || !opAantal || !typen) return std::nullopt;
  o.Type = *type;
  o.Voertuigtypen.Aan = *typen;
  o.Voertuigtypen.Meerderheid = a.Heeft("majority");
  o.Routematrix = a.Heeft("routematrix");
  // --detail is the detail box of the chosen report's own tab.
  const bool detail = a.Heeft("detail");
  o.DoorrijtijdenDetaillijst = detail && o.Type == Vergelijkingsrapporttype::Doorrijtijden;
  o.Routes.Detaillijst = detail && o.Type == Vergelijkingsrapporttype::Routes;
  o.NietRoutesDetaillijst = detail && o.Type == Vergelijkingsrapporttype::NietRoutes;
  o.Routes.Weergave = *weergave;
  o.Routes.OpAantal = *opAantal;
  o.Routes.Aflopend = a.Heeft("descending");
  return o;
}

int Vergelijkingsrapport(const Argumenten& a) {
  const auto project = a.Waarde("project");
  if (!project) return GebruikFout("report needs --project PROJECT");
  std::string fout;
  const auto opties = OptiesLezen(a, fout);
  if (!opties) return GebruikFout(fout);
  if (a.Waarde("format") == "data" && opties->Type == Vergelijkingsrapporttype::Overzicht)
    return GebruikFout("--format data is for --type dhb, traveltimes, routes or nonroutes, not for the overview");

  return MetProject(a, PadArgument(*project), a.Heeft("force"), [&](Omgeving& o) {
    if (!PostenOptieToepassen(o, a)) return kMislukt;
    RapportBuffer buffer;
    const std::optional<Rapport> rapport =
        VergelijkingsrapportMaken(buffer, o.ctx, PadArgument(a.posities[0]), *opties);
    if (!rapport) return kMislukt;
    return RapportUitvoeren(o, a, *rapport);
  });
}

}  // namespace

std::vector<Opdracht> VergelijkingsrapportOpdrachten() {
  return {{"report",
           "report MATCHFILE --project PROJECT [OPTIONS]",
           "a comparison report from a match file: overview, DHB matrix, travel times, routes, non-routes",
           "One report of the comparison report window, made from a match file. PROJECT is the open project: its "
           "counts are checked against the match file (a difference asks a question that --force answers), its "
           "posts and vehicle type names are used. --format data: for dhb origin,destination,count, one row per "
           "origin and destination, and (without --routematrix) a row with an empty destination for each origin's "
           "destination traffic (\"Bestem\") and one with an empty origin for each destination's origin traffic "
           "(\"Herkom\"); for traveltimes origin,destination,count,average (the number of pairs and their average "
           "travel time in minutes, empty without pairs); for routes from,via,to,count (via: the posts in between, "
           "separated by blanks), in the report's order; for nonroutes post,count. The detail lists are text only.",
           1,
           true,
           true,
           {{"project", 0, "PROJECT", "the project the match file was made from (required)", ""},
            {"type", 0, "overview|dhb|traveltimes|routes|nonroutes",
             "\" Type rapport: \": the comparison overview, the origin-destination (DHB) matrix, the average "
             "travel times, the routes or the non-routes",
             "overview"},
            {"types", 0, "LETTERS", "the vehicle types of the \"Voertuigtypen\" tab, letters of almzbour", "all eight"},
            {"majority", 0, "",
             "\"dienen beide registraties (of de meeste, ...)\": most registrations of a pair or route must be of a "
             "chosen type",
             "\"dient minimaal 1 registratie\": at least one"},
            {"routematrix", 0, "",
             "\"Tussenposten in matrix (routematrix)\": the intermediate posts join the DHB matrix", "off"},
            {"detail", 0, "", "\"Detaillijst toevoegen\" of the chosen report (traveltimes, routes, nonroutes)", "off"},
            {"routes", 0, "all|cordon|all-selected|one-selected",
             "\" Weergave: \" of the routes: all, only from a -ki to a -ku post, those holding every post of --posts, "
             "or those holding at least one",
             "all"},
            {"posts", 0, "LIST", "the posts marked in the \"Routes\" posts list, comma-separated codes", "all posts"},
            {"sort", 0, "post|count", "\" Sorteren: \" of the routes: by first post or by the number found", "post"},
            {"descending", 0, "", "\"Aflopend\": the routes sorted by count in descending order (with --sort count)",
             "ascending"},
            {"force", 0, "", "answers \"Ja\" when the match file's counts differ from the project's",
             "the question is refused"}},
           Vergelijkingsrapport}};
}

}  // namespace morvask::cli
