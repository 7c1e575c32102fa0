// generate_survey: writes a synthetic survey as a project file, and beside it the true and
// the observable origin-destination counts (FILE without extension + ".ritten.txt").
//
//   generate_survey FILE [--seed N] [--cordon N] [--inside N] [--registrations N]
//                        [--from HHMM] [--until HHMM] [--interval N]
//                        [--missed R] [--unreadable R] [--swapped R] [--misread R] [--skipped R]
//                        [--return R]

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/context.h"
#include "core/files.h"
#include "core/project.h"
#include "core/project_file.h"
#include "core/settings.h"
#include "survey/silent_ui.h"
#include "survey/survey_generator.h"

using namespace morvask;

namespace {

int Gebruik() {
  std::fprintf(stderr,
               "usage: generate_survey FILE [--seed N] [--cordon N] [--inside N] [--registrations N]\n"
               "         [--from HHMM] [--until HHMM] [--interval N] [--missed R] [--unreadable R]\n"
               "         [--swapped R] [--misread R] [--skipped R] [--return R]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bench::OnderzoekInstellingen s;
  std::string bestand;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a.rfind("--", 0) != 0) {
      if (!bestand.empty()) return Gebruik();
      bestand = a;
      continue;
    }
    if (i + 1 >= argc) return Gebruik();
    const char* w = argv[++i];
    if (a == "--seed")
      s.zaad = static_cast<std::uint32_t>(std::strtoul(w, nullptr, 10));
    else if (a == "--cordon")
      s.kordonpunten = std::atoi(w);
    else if (a == "--inside")
      s.tussenpunten = std::atoi(w);
    else if (a == "--registrations")
      s.registraties = std::atoi(w);
    else if (a == "--from")
      s.vanTijd = std::atoi(w);
    else if (a == "--until")
      s.totTijd = std::atoi(w);
    else if (a == "--interval")
      s.waarnemingsinterval = std::atoi(w);
    else if (a == "--missed")
      s.gemist = std::atof(w);
    else if (a == "--unreadable")
      s.onleesbaar = std::atof(w);
    else if (a == "--swapped")
      s.verwisseld = std::atof(w);
    else if (a == "--misread")
      s.verkeerd = std::atof(w);
    else if (a == "--skipped")
      s.overgeslagen = std::atof(w);
    else if (a == "--return")
      s.terugrit = std::atof(w);
    else
      return Gebruik();
  }
  if (bestand.empty() || s.kordonpunten < 2 || s.kordonpunten > 499 || s.tussenpunten < 0 ||
      s.kordonpunten + s.tussenpunten > 999)
    return Gebruik();

  bench::Onderzoek o = bench::OnderzoekMaken(s);
  RProgrammaInstellingen instellingen;
  instellingen.ReservebestandMaken = false;
  Catalogus cat;
  bench::StilleUi ui;
  Context ctx{o.project, instellingen, cat, ui, {}};
  if (!ProjectSchrijven(ctx, bestand)) return 1;
  if (!RegelsAtomischSchrijven(ZonderExtensie(bestand) + ".ritten.txt",
                               bench::RittenAlsTekst(o.ritten, o.waarneembaar))) {
    std::fprintf(stderr, "cannot write the trip counts beside %s\n", bestand.c_str());
    return 1;
  }
  std::printf("%zu posts, %zu registrations, %zu travel-time lines\n", o.project.Postlijst.size(),
              o.project.Registratielijst.size(), o.project.Doorrijtijdentabel.size());
  return 0;
}
