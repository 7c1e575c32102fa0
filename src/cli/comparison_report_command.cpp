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

  return MetProject(a, Argument(*project), a.Heeft("force"), [&](Omgeving& o) {
    if (!PostenOptieToepassen(o, a)) return kMislukt;
    RapportBuffer buffer;
    const std::optional<Rapport> rapport = VergelijkingsrapportMaken(buffer, o.ctx, Argument(a.posities[0]), *opties);
    if (!rapport) return kMislukt;
    return RapportUitvoeren(o, a, *rapport);
  });
}

}  // namespace

std::vector<Opdracht> VergelijkingsrapportOpdrachten() {
  return {{"report",
           "report MATCHFILE --project PROJECT",
           "a comparison report from a match file: overview, DHB matrix, travel times, routes, non-routes",
           1,
           true,
           {{"project", 0, true},
            {"type", 0, true},
            {"types", 0, true},
            {"majority", 0, false},
            {"routematrix", 0, false},
            {"detail", 0, false},
            {"routes", 0, true},
            {"posts", 0, true},
            {"sort", 0, true},
            {"descending", 0, false},
            {"force", 0, false}},
           Vergelijkingsrapport}};
}

}  // namespace morvask::cli
