// The project file: writing a survey to a new file and over the existing one (with the backup
// rotation), and reading it back.

#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "base/context.h"
#include "core/files.h"
#include "core/project.h"
#include "core/project_file.h"
#include "core/settings.h"
#include "core/travel_time_table.h"
#include "measure.h"
#include "sections.h"

namespace morvask::bench {

namespace {

// The largest project a file can hold: every post code (a thousand numbers times the four
// types) and a million registrations, with its whole travel-time table as the program writes
// it. Its reading must stay well within seconds.
void GrootsteProjectMeten(Benchmark& b) {
  const int registraties = b.Grootte(1000000);
  Project project;
  project.NieuwProject(b.catalogus, "grootste", "01-01-2026");
  const char* soorten[] = {"-ki", "-ku", "-t1", "-t2"};
  for (int n = 0; n < 1000; ++n)
    for (const char* soort : soorten) {
      char code[8];
      std::snprintf(code, sizeof code, "%03d%s", n, soort);
      project.PostToevoegen(code, "Post");
    }
  std::uint32_t x = 12345;
  const auto volgende = [&x] { return x = x * 1664525u + 1013904223u; };
  project.Registratielijst.reserve(static_cast<std::size_t>(registraties));
  for (int i = 0; i < registraties; ++i) {
    const RWaarnemingspost& post = project.Postlijst[volgende() % project.Postlijst.size()];
    char tijd[8], kenteken[8];
    const unsigned minuut = volgende() % 1440;
    std::snprintf(tijd, sizeof tijd, "%02u%02u", minuut / 60, minuut % 60);
    std::snprintf(kenteken, sizeof kenteken, "%06u", volgende() % 1000000);
    project.RegistratieToevoegen(post.Postcode.view(), tijd, "a", kenteken);
  }
  const double tTabel = Tijd([&] { DoorrijtijdentabelBijwerken(project); });
  const std::string grootte = "4000 posts, " + Aantal(registraties) + " regs";
  MetingAfdrukken(
      {"DoorrijtijdentabelBijwerken, " + Aantal(static_cast<long long>(project.Doorrijtijdentabel.size())) + " pairs",
       grootte, tTabel, 5.0, std::nullopt, std::nullopt, false});

  const std::string bestand = b.Werkmap() + "grootste.mpr";
  const std::string tekst = ProjectTekst(project);
  const bool geschreven = BestandAtomischSchrijven(bestand, tekst);
  Project gelezen;
  gelezen.NieuwProject(b.catalogus, "naamloos", "01-01-2026");
  RProgrammaInstellingen instellingen = b.Instellingen();
  Context lezen{gelezen, instellingen, b.catalogus, b.ui, Mappen{}};
  bool goed = false;
  const double tLezen = Tijd([&] { goed = geschreven && ProjectLezen(lezen, bestand); });
  const bool gelijk = goed && ProjectTekst(gelezen) == tekst;
  MetingAfdrukken({"ProjectLezen, the largest project (" + Aantal(static_cast<long long>(tekst.size() >> 20)) + " MB)",
                   grootte, tLezen, 5.0, std::nullopt, std::nullopt, !gelijk});
  std::filesystem::remove(NaarPad(bestand));
  PiekgeheugenAfdrukken();
}

}  // namespace

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

  GrootsteProjectMeten(b);
}

}  // namespace morvask::bench
