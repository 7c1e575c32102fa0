#include "oracle/straightforward_route_search.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "base/user_interface.h"
#include "core/project.h"
#include "core/registration_list.h"
#include "oracle/reference_lookups.h"

namespace morvask::test {
namespace {

int Verschil(const RRegistratie& eerder, const RRegistratie& later) {
  return RegistratieMinuten(later.Tijd) - RegistratieMinuten(eerder.Tijd);
}

class Iteratiescan {
 public:
  explicit Iteratiescan(RIteratieOpdracht& o) : o_(o), project_(o.project), ui_(o.ui) {}

  void Uitvoeren() {
    int geprobeerd = 0;
    std::size_t vanaf = 0;
    while (!ui_.BerekeningAfbreken) {
      const std::optional<std::size_t> start = VolgendeStart(vanaf);
      if (!start) break;
      StartProberen(o_, project_.Registratielijst[*start], ++geprobeerd);

      if (RouteBouwen(*start)) ++o_.routesSindsOpschonen;
      if (o_.opschoonwaarde > 0 && o_.routesSindsOpschonen > o_.opschoonwaarde) {
        // Memory clearing: the scans no longer wade through consumed registrations; the tried
        // marks survive, so starting again at the head tries no start twice.
        GebruikteVerwijderenMetGeprobeerd(project_);
        o_.routesSindsOpschonen = 0;
        vanaf = 0;
      } else {
        vanaf = *start + 1;
      }
    }
  }

 private:
  // The next registration from index vanaf that is neither used nor tried, at a start post.
  std::optional<std::size_t> VolgendeStart(std::size_t vanaf) const {
    const auto& lijst = project_.Registratielijst;
    for (std::size_t i = vanaf; i < lijst.size(); ++i)
      if (!lijst[i].Gebruikt && !lijst[i].Geprobeerd && IsStartpost(lijst[i].Post)) return i;
    return std::nullopt;
  }

  // Builds the route that starts at the registration at index start: the later sightings in
  // list order are taken greedily. True when at least one was accepted.
  bool RouteBouwen(std::size_t start) {
    auto& lijst = project_.Registratielijst;
    std::vector<RRegistratie> punten = {lijst[start]};
    const KorteTekst<6> eerstePost = lijst[start].Post;
    RRegistratie eind = lijst[start];  // the current end of the route
    int maxVanEind = GrootsteMaximaleDoorrijtijd(project_, eind.Post).value_or(0);

    for (std::size_t i = start + 1; i < lijst.size() && !ui_.BerekeningAfbreken; ++i) {
      RRegistratie& x = lijst[i];
      if (!x.Gebruikt && IsVervolgpost(x.Post)) {
        const RKentekenvergelijking vergelijk = KentekensGelijk(o_.vergelijking, eind.Kenteken, x.Kenteken, eind.Tijd,
                                                                x.Tijd, eind.Voertuigtype, x.Voertuigtype);
        if (vergelijk.Gelijk && BinnenDoorrijtijden(project_, eind.Post, x.Post, eind.Tijd, x.Tijd) == true &&
            RelatieGeblokkeerd(project_, o_.blokkadesControleren, eerstePost, x.Post) == false) {
          x.Gebruikt = true;
          punten.push_back(x);
          o_.resultaat.Matchcontrole.push_back(
              MatchcontroleRegel(eind, x, Verschil(eind, x), o_.eenheid, vergelijk.Opmerking));
          if (x.Post.view().ends_with("ku")) break;  // the vehicle left the area
          eind = x;
          maxVanEind = GrootsteMaximaleDoorrijtijd(project_, eind.Post).value_or(0);
        }
      }
      // No later sighting can follow within the travel times from the end's post.
      if (Verschil(eind, x) > maxVanEind) break;
    }

    if (punten.size() < 2) return false;  // the start stays available, only tried
    o_.resultaat.Routes.push_back(RouteRegel(punten));
    lijst[start].Gebruikt = true;
    lijst[start].Geprobeerd = false;
    return true;
  }

  RIteratieOpdracht& o_;
  Project& project_;
  Gebruikersinterface& ui_;
};

class EenvoudigeZoeker : public Routezoeker {
 public:
  void IteratieUitvoeren(RIteratieOpdracht& opdracht) override { Iteratiescan(opdracht).Uitvoeren(); }
};

}  // namespace

std::unique_ptr<Routezoeker> EenvoudigeRoutezoeker() { return std::make_unique<EenvoudigeZoeker>(); }

}  // namespace morvask::test
