// The comparison reports: morvask-cli match makes the match file of a generated survey in a
// child process (its wall time and peak memory are a measurement of their own), then the
// routes report with its detail list, the non-routes report with its detail list and the DHB
// matrix are made from that file as the report window makes them.

#include <sys/wait.h>

#include <filesystem>
#include <vector>

#include "analysis/comparison_report.h"
#include "base/context.h"
#include "child_process.h"
#include "core/files.h"
#include "core/project.h"
#include "core/project_file.h"
#include "core/settings.h"
#include "measure.h"
#include "sections.h"

namespace morvask::bench {

void VergelijkingsrapportenSectie(Benchmark& b) {
  SectieAfdrukken("comparison reports from a match file");
  const Onderzoek& onderzoek = b.Dagonderzoek(b.Grootte(1000000), 25, 5);
  const std::string regs = Aantal(static_cast<long long>(onderzoek.project.Registratielijst.size())) + " regs";
  const std::string posten = std::to_string(onderzoek.project.Postlijst.size()) + " posts";
  const std::string projectbestand = b.Werkmap() + "vergelijking.mpr";
  const std::string matchbestand = b.Werkmap() + "vergelijking.mma";

  RProgrammaInstellingen instellingen = b.Instellingen();
  {
    Project project = onderzoek.project;
    Context ctx{project, instellingen, b.catalogus, b.ui, Mappen{}};
    if (!ProjectSchrijven(ctx, projectbestand)) {
      OpmerkingAfdrukken("the project file could not be written: " + projectbestand);
      return;
    }
  }

  const std::string log = b.Werkmap() + "match.log";
  const Kindproces k = Uitvoeren({b.Cli(), "match", projectbestand, "-o", matchbestand, "--swapped", "2", "--different",
                                  "1", "--force", "--settings", b.Werkmap() + "geen-instellingen.ini"},
                                 log);
  const bool gelukt = k.gestart && WIFEXITED(k.status) && WEXITSTATUS(k.status) == 0;
  if (!k.gestart) OpmerkingAfdrukken("cannot run " + b.Cli() + " (give its path with --cli PATH)");
  MetingAfdrukken(
      {"morvask-cli match end to end, " + regs + ", " + posten + ", iterative, wildcards, --swapped 2 --different 1",
       regs + ", " + posten, k.seconden, 10.0, k.geheugenKb, 1024L * 1024L, !gelukt});
  if (!gelukt) {
    if (k.gestart) OpmerkingAfdrukken("morvask-cli match failed (status " + std::to_string(k.status) + "), see " + log);
    return;
  }
  std::error_code ec;
  const auto grootte = std::filesystem::file_size(NaarPad(matchbestand), ec);
  if (!ec) OpmerkingAfdrukken("match file: " + std::to_string(grootte / (1024 * 1024)) + " MB");

  // The open project, as the report window has it: read from its file.
  Project project;
  project.NieuwProject(b.catalogus, "naamloos", "01-01-2026");
  Context ctx{project, instellingen, b.catalogus, b.ui, Mappen{}};
  if (!ProjectLezen(ctx, projectbestand)) return;
  for (RWaarnemingspost& p : project.Postlijst) p.Geselecteerd = true;

  struct Soort {
    const char* naam;
    Vergelijkingsrapporttype type;
  };
  for (const Soort& soort : {Soort{"routes report with its detail list", Vergelijkingsrapporttype::Routes},
                             Soort{"non-routes report with its detail list", Vergelijkingsrapporttype::NietRoutes},
                             Soort{"DHB matrix", Vergelijkingsrapporttype::DHB}}) {
    RVergelijkingsrapportOpties opties;
    opties.Type = soort.type;
    opties.Routes.Detaillijst = true;
    opties.NietRoutesDetaillijst = true;
    RapportBuffer buffer;
    std::optional<Rapport> rapport;
    const double seconden = Tijd([&] { rapport = VergelijkingsrapportMaken(buffer, ctx, matchbestand, opties); });
    MetingAfdrukken({std::string(soort.naam) + ", file read included", regs + ", " + posten, seconden, 2.0,
                     std::nullopt, std::nullopt, !rapport});
    if (rapport) OpmerkingAfdrukken(std::to_string(rapport->Regels.size()) + " report lines");
  }
  PiekgeheugenAfdrukken();
}

}  // namespace morvask::bench
