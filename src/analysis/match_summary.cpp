#include "analysis/match_summary.h"

#include <string_view>

#include "analysis/comparison_lists.h"

namespace morvask {

namespace {

// The iteration of a heading line of the match check, by the word in it.
std::optional<Iteratiesoort> SoortVanKop(std::string_view kop) {
  if (kop.find("TheSameLicenseNumbers") != std::string_view::npos) return Iteratiesoort::Exact;
  if (kop.find("WithWildcards") != std::string_view::npos) return Iteratiesoort::Wildcards;
  if (kop.find("ChangedCharacters") != std::string_view::npos) return Iteratiesoort::Verwisseld;
  if (kop.find("DifferentCharacters") != std::string_view::npos) return Iteratiesoort::Verschillend;
  return std::nullopt;
}

}  // namespace

RMatchSamenvatting MatchbestandSamenvatten(const RMatchbestand& bestand) {
  RMatchSamenvatting s;
  s.Onderbroken = bestand.Instellingen.MiInterruptByUser;
  std::vector<int> paren;  // the pair lines of each iteration
  for (std::string_view regel : bestand.Vergelijkingscontrole) {
    if (regel.empty()) continue;
    if (IsIteratiekopOfLeeg(regel)) {
      s.Iteraties.push_back({SoortVanKop(regel), 0});
      paren.push_back(0);
      continue;
    }
    if (s.Iteraties.empty()) {  // the one pass of a run that is not iterative
      s.Iteraties.push_back({std::nullopt, 0});
      paren.push_back(0);
    }
    ++paren.back();
  }
  if (s.Iteraties.empty() && !bestand.Instellingen.MiIterative) {  // one pass that found no pair
    s.Iteraties.push_back({std::nullopt, 0});
    paren.push_back(0);
  }
  std::size_t i = 0;
  for (std::string_view route : bestand.Routes) {
    if (route.empty()) continue;
    ++s.Routes;
    while (i + 1 < paren.size() && paren[i] <= 0) ++i;
    if (i >= s.Iteraties.size()) continue;  // routes without pair lines: a damaged file
    ++s.Iteraties[i].Routes;
    paren[i] -= static_cast<int>(AantalRoutePosten(route)) - 1;
  }
  for (std::string_view regel : bestand.NietRoutes)
    if (!regel.empty()) ++s.NietRoutes;
  return s;
}

}  // namespace morvask
