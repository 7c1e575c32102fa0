// The project file: writing a survey to a new file and over the existing one (with the backup
// rotation), and reading it back.

#include <filesystem>

#include "base/context.h"
#include "core/files.h"
#include "core/project.h"
#include "core/project_file.h"
#include "core/settings.h"
#include "measure.h"
#include "sections.h"

namespace morvask::bench {

void ProjectbestandSectie(Benchmark& b) {
  SectieAfdrukken("project file");
  const Onderzoek& onderzoek = Onderzoek100Posten(b);
  const std::string grootte = Aantal(static_cast<long long>(onderzoek.project.Registratielijst.size())) + " regs";
  const std::string bestand = b.Werkmap() + "projectbestand.mpr";
  std::filesystem::remove(NaarPad(bestand));

  Project project = onderzoek.project;
  RProgrammaInstellingen instellingen = b.Instellingen();
  Context ctx{project, instellingen, b.catalogus, b.ui, Mappen{}};
  bool nieuw = false, over = false;
  const double tNieuw = Tijd([&] { nieuw = ProjectSchrijven(ctx, bestand); });
  MetingAfdrukken({"ProjectSchrijven, a new file", grootte, tNieuw, 1.0, std::nullopt, std::nullopt, !nieuw});
  const double tOver = Tijd([&] { over = ProjectSchrijven(ctx, bestand); });
  MetingAfdrukken(
      {"ProjectSchrijven over it, with the backup rotation", grootte, tOver, 1.0, std::nullopt, std::nullopt, !over});
  if (!nieuw || !over) {
    OpmerkingAfdrukken("the project file could not be written: " + bestand);
    return;
  }

  Project gelezen;
  gelezen.NieuwProject(b.catalogus, "naamloos", "01-01-2026");
  Context lezen{gelezen, instellingen, b.catalogus, b.ui, Mappen{}};
  bool goed = false;
  const double tLezen = Tijd([&] { goed = ProjectLezen(lezen, bestand); });
  // What was read must be what was written; a difference is a failure, however fast.
  const bool gelijk = goed && ProjectTekst(gelezen) == ProjectTekst(project);
  MetingAfdrukken({"ProjectLezen", grootte, tLezen, 1.0, std::nullopt, std::nullopt, !gelijk});
  OpmerkingAfdrukken(std::string("read back: ") + (gelijk ? "the same project" : "DIFFERENT from what was written"));
  PiekgeheugenAfdrukken();
}

}  // namespace morvask::bench
