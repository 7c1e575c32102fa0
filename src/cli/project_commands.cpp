// info: the project data dialog's figures of a project.

#include "cli/commands.h"
#include "cli/environment.h"
#include "core/registration_list.h"

namespace morvask::cli {

namespace {

int Info(const Argumenten& a) {
  Omgeving o(false);
  if (!o.Voorbereiden(a)) return kMislukt;
  if (!o.ProjectOpenen(Argument(a.posities[0]))) return kMislukt;
  const Project& p = o.project;
  std::vector<std::string> regels = {"Aantal waarnemingsposten in project: " + std::to_string(AantalPosten(p)),
                                     "Totaal aantal registraties in project: " + std::to_string(AantalRegistraties(p))};
  for (const char letter : Voertuigtypen)
    regels.push_back(*p.Gegevens.VoertuigtypeNaam(letter) + " (" + letter +
                     "): " + std::to_string(AantalRegistraties(p, std::string(1, letter))));
  return RegelsUitvoeren(o, a, regels);
}

}  // namespace

std::vector<Opdracht> ProjectOpdrachten() {
  return {{"info",
           "info PROJECT",
           "the project data dialog's figures: posts, registrations per vehicle type",
           1,
           true,
           {},
           Info}};
}

}  // namespace morvask::cli
