// The registration file check on the generated survey, with its default option (plates of
// more than 6 characters) and with "less than 6", which also lists every short plate; then on
// a copy in which every registration is faulty.

#include "base/context.h"
#include "core/project.h"
#include "core/settings.h"
#include "measure.h"
#include "registrations/registration_check.h"
#include "sections.h"

namespace morvask::bench {

void ControleSectie(Benchmark& b) {
  SectieAfdrukken("registration file check (RegistratiesbestandControleren)");
  const Onderzoek& onderzoek = Onderzoek100Posten(b);
  const std::string grootte = Aantal(static_cast<long long>(onderzoek.project.Registratielijst.size())) + " regs";
  Project project = onderzoek.project;
  RProgrammaInstellingen instellingen = b.Instellingen();
  Context ctx{project, instellingen, b.catalogus, b.ui, Mappen{}};
  for (const RControleInstellingen& keuze : {RControleInstellingen{true, 6}, RControleInstellingen{false, 6}}) {
    Rapport rapport;
    const double seconden = Tijd([&] { rapport = RegistratiesbestandControleren(ctx, keuze); });
    MetingAfdrukken({std::string("check, plates of ") + (keuze.MeerDan ? "more" : "less") + " than 6 characters",
                     grootte, seconden, 1.0, std::nullopt, std::nullopt});
    OpmerkingAfdrukken(std::to_string(rapport.Regels.size()) + " report lines");
  }

  // The worst case: every registration has two findings (a bad vehicle type and a bad time),
  // so the report holds two lines per registration.
  for (RRegistratie& r : project.Registratielijst) {
    r.Voertuigtype = "x";
    r.Tijd = "2460";
  }
  Rapport rapport;
  const double seconden = Tijd([&] { rapport = RegistratiesbestandControleren(ctx, RControleInstellingen{}); });
  MetingAfdrukken({"check, two findings for every registration", grootte, seconden, 2.0, std::nullopt, std::nullopt});
  OpmerkingAfdrukken(std::to_string(rapport.Regels.size()) + " report lines");
  PiekgeheugenAfdrukken();
}

}  // namespace morvask::bench
