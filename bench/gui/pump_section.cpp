// The cost of keeping the desktop program responsive: the same matching run on the same
// generated survey, once with a user interface that does nothing (as morvask-cli runs it)
// and once through the program's own user interface, with its progress window shown and
// its pending-message pump letting Qt process events. The difference is the pump's cost.

#include <QApplication>
#include <QMainWindow>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

#include "analysis/comparison_report.h"
#include "analysis/match_settings.h"
#include "analysis/matching_run.h"
#include "base/catalogue.h"
#include "base/context.h"
#include "core/project.h"
#include "core/settings.h"
#include "gui/app/progress_window.h"
#include "gui/app/qt_user_interface.h"
#include "gui/reports/report_window.h"
#include "gui_sections.h"
#include "measure.h"
#include "reports/report.h"
#include "survey/silent_ui.h"
#include "survey/survey_generator.h"

namespace morvask::bench {

bool PompSectie(int registraties, const std::string& werkmap) {
  SectieAfdrukken("the comparison window's run against the same run without windows, and its routes report");
  OnderzoekInstellingen s;
  s.zaad = 2026;
  s.registraties = registraties;
  s.kordonpunten = 16;
  s.tussenpunten = 4;
  s.vanTijd = 600;
  s.totTijd = 1900;
  Onderzoek onderzoek = OnderzoekMaken(s);
  const std::string grootte = Aantal(static_cast<long long>(onderzoek.project.Registratielijst.size())) + " regs";

  RProgrammaInstellingen instellingen;
  Catalogus catalogus;
  StilleUi stil;
  gui::TQtGebruikersinterface qt;
  QMainWindow hoofdvenster;
  hoofdvenster.show();
  gui::TGaugeForm1 voortgang(&hoofdvenster, qt, catalogus);
  qt.hoofdvenster = &hoofdvenster;
  qt.voortgang = &voortgang;

  Context stilCtx{onderzoek.project, instellingen, catalogus, stil, Mappen{}};
  Context qtCtx{onderzoek.project, instellingen, catalogus, qt, Mappen{}};
  RMatchInstellingen in;
  MatchInstellingenVoorbereiden(in, onderzoek.project);
  in.Iteratief = true;
  in.AantalVerwisseld = 2;
  in.AantalVerschillend = 1;
  in.Bestandsnaam = werkmap + "pomp.mma";

  // Alternating runs, the best of three of each, so that a disturbance of the machine does
  // not count against one side. The verdict is on processor time: on a busy machine the wall
  // time of either side varies more than the difference measured.
  double zonder = 1e9, met = 1e9, zonderCpu = 1e9, metCpu = 1e9;
  auto meten = [&](Context& ctx, double& wand, double& cpu) {
    // The match file goes first, so that no overwrite question waits for an answer.
    std::filesystem::remove(in.Bestandsnaam);
    const std::clock_t begin = std::clock();
    wand = std::min(wand, Tijd([&] { MatchUitvoeren(ctx, in); }));
    cpu = std::min(cpu, static_cast<double>(std::clock() - begin) / CLOCKS_PER_SEC);
  };
  for (int ronde = 0; ronde < 3; ++ronde) {
    meten(stilCtx, zonder, zonderCpu);
    meten(qtCtx, met, metCpu);
  }
  MetingAfdrukken({"matching run without windows", grootte, zonder, std::nullopt, std::nullopt, std::nullopt});
  MetingAfdrukken(
      {"run with the progress window and pump (the window)", grootte, met, std::nullopt, std::nullopt, std::nullopt});
  MetingAfdrukken({"  processor time without windows", grootte, zonderCpu, std::nullopt, std::nullopt, std::nullopt});
  const bool binnen = MetingAfdrukken({"  processor time with progress window and pump", grootte, metCpu,
                                       zonderCpu * 1.05, std::nullopt, std::nullopt});
  char regel[200];
  std::snprintf(regel, sizeof regel,
                "overhead: %+.1f %% processor time, %+.1f %% wall time (target: at most 5 %%); per run %d pump calls, "
                "%d of them processed events",
                100.0 * (metCpu - zonderCpu) / zonderCpu, 100.0 * (met - zonder) / zonder, qt.pompen / 3,
                qt.verwerkt / 3);
  OpmerkingAfdrukken(regel);
  std::snprintf(regel, sizeof regel, "longest time without a pass of the pump in the last run: %lld ms",
                static_cast<long long>(qt.langstePauze));
  OpmerkingAfdrukken(regel);

  // The routes report with its detail list from the match file the comparison window wrote,
  // made and opened in its report window, as "Kentekenvergelijkings&rapport..." does.
  RVergelijkingsrapportOpties opties;
  opties.Type = Vergelijkingsrapporttype::Routes;
  opties.Routes.Detaillijst = true;
  std::size_t regels = 0;
  const double rapporttijd = Tijd([&] {
    RapportBuffer buffer;
    std::optional<Rapport> rapport = VergelijkingsrapportMaken(buffer, qtCtx, in.Bestandsnaam, opties);
    if (!rapport) return;
    regels = rapport->Regels.size();
    gui::TKindForm venster(std::move(*rapport), 8);
    venster.show();
    QApplication::processEvents();
  });
  const bool rapportBinnen = MetingAfdrukken({"routes report with detail list, made and shown",
                                              Aantal(static_cast<long long>(regels)) + " lines", rapporttijd, 3.0,
                                              std::nullopt, std::nullopt});
  return binnen && rapportBinnen;
}

}  // namespace morvask::bench
