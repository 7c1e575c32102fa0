// The project file: writing a survey to a new file and over the existing one (with the backup
// rotation), and reading it back.

#include <filesystem>

#include "app/context.h"
#include "core/files.h"
#include "core/project_file.h"
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
  bool geschreven = false;
  MetingAfdrukken({"ProjectSchrijven, a new file", grootte, Tijd([&] { geschreven = ProjectSchrijven(ctx, bestand); }),
                   1.0, std::nullopt, std::nullopt});
  MetingAfdrukken({"ProjectSchrijven over it, with the backup rotation", grootte,
                   Tijd([&] { geschreven = ProjectSchrijven(ctx, bestand) && geschreven; }), 1.0, std::nullopt,
                   std::nullopt});
  if (!geschreven) {
    OpmerkingAfdrukken("the project file could not be written: " + bestand);
    return;
  }

  Project gelezen;
  gelezen.NieuwProject(b.catalogus, "naamloos", "01-01-2026");
  Context lezen{gelezen, instellingen, b.catalogus, b.ui, Mappen{}};
  bool goed = false;
  MetingAfdrukken({"ProjectLezen", grootte, Tijd([&] { goed = ProjectLezen(lezen, bestand); }), 1.0, std::nullopt,
                   std::nullopt});
  const bool gelijk = goed && ProjectTekst(gelezen) == ProjectTekst(project);
  OpmerkingAfdrukken(std::string("read back: ") + (gelijk ? "the same project" : "DIFFERENT from what was written"));
  PiekgeheugenAfdrukken();
}

}  // namespace morvask::bench
