#include "app/menu_states.h"

#include "core/project.h"
#include "core/registration_list.h"

namespace morvask {

namespace {

// The commands that need at least one registration.
constexpr std::string_view MetRegistraties[] = {"Kentekensbestandwijzigen1",
                                                "Kentekensbestandexternwijzigen",
                                                "Kentekensbestandcontroleren1",
                                                "Tijdenkentekenswijzigen1",
                                                "Intensiteiten1",
                                                "Kentekenvergelijking1",
                                                "Kentekenvergelijkingsrapport1"};

// The commands that act on a report window.
constexpr std::string_view MetRapportvenster[] = {"Opmaak1",      "Allesselecteren1", "Kopiren1",
                                                  "Exporteren1",  "Afdrukken1",       "Trapsgewijs1",
                                                  "Onderelkaar1", "Sluiten1",         "Allevensterssluiten1"};

}  // namespace

RMenuGegevens MenuGegevens(const Project& project, int rapportvensters) {
  return {project.Gegevens.ProjectgegevensbestandGewijzigd, AantalPosten(project), AantalRegistraties(project),
          rapportvensters};
}

std::vector<RMenuStand> MenuStanden(MenuCode code, const RMenuGegevens& g) {
  std::vector<RMenuStand> standen;
  switch (code) {
    case mcOpslaan:
      standen.push_back({"Projectopslaan1", g.Gewijzigd});
      break;
    case mcPosten:
      standen.push_back({"Kentekensinvoeren1", g.AantalPosten >= 1});
      standen.push_back({"Doorrijtijden2", g.AantalPosten >= 2});
      break;
    case mcRegistraties:
      for (std::string_view naam : MetRegistraties) standen.push_back({naam, g.AantalRegistraties >= 1});
      break;
    case mcRapporten:
      standen.push_back({"Vorige1", g.AantalRapportvensters >= 2});
      standen.push_back({"Volgende1", g.AantalRapportvensters >= 2});
      for (std::string_view naam : MetRapportvenster) standen.push_back({naam, g.AantalRapportvensters >= 1});
      break;
  }
  return standen;
}

std::vector<RMenuStand> AlleMenuStanden(const RMenuGegevens& gegevens) {
  std::vector<RMenuStand> alle;
  for (MenuCode code : AlleMenuCodes) {
    const auto standen = MenuStanden(code, gegevens);
    alle.insert(alle.end(), standen.begin(), standen.end());
  }
  return alle;
}

}  // namespace morvask
