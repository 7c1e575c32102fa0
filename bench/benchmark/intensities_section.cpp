// The intensities report: every post selected, 15-minute intervals over the whole day.

#include "analysis/intensities.h"
#include "base/context.h"
#include "core/project.h"
#include "core/settings.h"
#include "measure.h"
#include "sections.h"

namespace morvask::bench {

void IntensiteitenSectie(Benchmark& b) {
  SectieAfdrukken("intensities (RapportIntensiteiten)");
  const Onderzoek& onderzoek = Onderzoek100Posten(b);
  const std::string grootte = Aantal(static_cast<long long>(onderzoek.project.Registratielijst.size())) + " regs, " +
                              std::to_string(onderzoek.project.Postlijst.size()) + " posts";
  Project project = onderzoek.project;
  for (RWaarnemingspost& p : project.Postlijst) p.Geselecteerd = true;
  RProgrammaInstellingen instellingen = b.Instellingen();
  Context ctx{project, instellingen, b.catalogus, b.ui, Mappen{}};

  RIntensiteitenVenster venster;
  venster.Vanaf = "0000";
  venster.Tot = "2359";
  venster.Interval = "15";
  for (int selectietype : {1, 2}) {
    venster.Selectietype = selectietype;
    std::optional<Rapport> rapport;
    const double seconden = Tijd([&] { rapport = RapportIntensiteiten(ctx, venster); });
    MetingAfdrukken({"intensities, 15 min 0000-2359, selection type " + std::to_string(selectietype), grootte, seconden,
                     1.0, std::nullopt, std::nullopt, !rapport});
    if (rapport) OpmerkingAfdrukken(std::to_string(rapport->Regels.size()) + " report lines");
  }
  PiekgeheugenAfdrukken();
}

}  // namespace morvask::bench
