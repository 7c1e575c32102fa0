// The reports of a project: posts, vehicle-types, travel-times, notes, check, intensities.

#include <functional>

#include "analysis/intensities.h"
#include "cli/commands.h"
#include "cli/environment.h"
#include "cli/report_output.h"
#include "core/text_utils.h"
#include "network/posts_report.h"
#include "network/travel_time_report.h"
#include "network/vehicle_types_report.h"
#include "registrations/notes_report.h"
#include "registrations/registration_check.h"

namespace morvask::cli {

namespace {

// Reads the settings and the project named first, then makes the report.
int MetProject(const Argumenten& a, const std::function<int(Omgeving&)>& rapport) {
  return cli::MetProject(a, Argument(a.posities[0]), false, rapport);
}

int Posten(const Argumenten& a) {
  return MetProject(a, [&](Omgeving& o) { return RapportUitvoeren(o, a, RapportWaarnemingsposten(o.ctx)); });
}

int VoertuigtypenRapport(const Argumenten& a) {
  return MetProject(a, [&](Omgeving& o) { return RapportUitvoeren(o, a, RapportVoertuigtypen(o.ctx)); });
}

int Doorrijtijden(const Argumenten& a) {
  return MetProject(a, [&](Omgeving& o) {
    const auto rapport = RapportDoorrijtijden(o.ctx);
    return rapport ? RapportUitvoeren(o, a, *rapport) : kKlaar;  // fewer than two posts: no report
  });
}

int Aantekeningen(const Argumenten& a) {
  return MetProject(a, [&](Omgeving& o) { return RapportUitvoeren(o, a, RapportAantekeningen(o.ctx)); });
}

// N of --more-than / --less-than: 0..6.
bool Karakteraantal(const std::string& tekst, int& n) { return ProbeerGetal(tekst, n) && n >= 0 && n <= 6; }

int Controleren(const Argumenten& a) {
  RControleInstellingen instellingen;
  const auto meer = a.Waarde("more-than");
  const auto minder = a.Waarde("less-than");
  if (meer && minder) return GebruikFout("--more-than and --less-than exclude each other");
  if (meer && !Karakteraantal(*meer, instellingen.Aantal)) return GebruikFout("--more-than takes a number 0..6");
  if (minder) {
    instellingen.MeerDan = false;
    if (!Karakteraantal(*minder, instellingen.Aantal)) return GebruikFout("--less-than takes a number 0..6");
  }
  return MetProject(
      a, [&](Omgeving& o) { return RapportUitvoeren(o, a, RegistratiesbestandControleren(o.ctx, instellingen)); });
}

int Intensiteiten(const Argumenten& a) {
  // The options are checked before anything is read.
  const auto interval = a.Waarde("interval");
  if (interval && !IsGeheelGetal(*interval)) return GebruikFout("--interval takes a whole number of minutes");
  const auto preset = a.Waarde("preset");
  if (preset && *preset != "15" && *preset != "30" && *preset != "60" && *preset != "max")
    return GebruikFout("--preset takes 15, 30, 60 or max");
  const auto vanaf = a.Waarde("from");
  const auto tot = a.Waarde("until");
  if ((vanaf && !IsGeheelGetal(*vanaf)) || (tot && !IsGeheelGetal(*tot)))
    return GebruikFout("--from and --until take a time HHMM");
  const auto selectie = a.Waarde("selection");
  if (selectie && *selectie != "1" && *selectie != "2") return GebruikFout("--selection takes 1 or 2");
  std::string fout;
  const auto typen = VoertuigtypenOptie(a, fout);
  if (!typen) return GebruikFout(fout);

  return MetProject(a, [&](Omgeving& o) {
    if (!PostenOptieToepassen(o, a)) return kMislukt;
    // The window at its first opening, then the fields as a user types them.
    RIntensiteitenVenster v;
    IntensiteitenVensterOpenen(v, o.project, o.instellingen);
    if (interval) IntervalInvoeren(v, *interval, o.instellingen);
    if (preset) {
      if (*preset == "max")
        MaximaleTijden(v, o.project, o.instellingen);
      else
        AutomatischInterval(v, o.project, NaarGetal(*preset));
    }
    if (vanaf) VanafInvoeren(v, *vanaf);
    if (tot) TotInvoeren(v, *tot);
    v.Selectietype = selectie == "2" ? 2 : 1;
    v.Voertuigtypen = *typen;
    v.GemisteKentekensMeetellen = !a.Heeft("without-missed");
    v.GemisteKentekens = !a.Heeft("no-missed-plates");
    v.GemisteKarakters = !a.Heeft("no-missed-chars");
    const auto rapport = RapportIntensiteiten(o.ctx, v);
    return rapport ? RapportUitvoeren(o, a, *rapport) : kMislukt;
  });
}

}  // namespace

std::vector<Opdracht> RapportOpdrachten() {
  return {
      {"posts", "posts PROJECT", "post list report", 1, true, {}, Posten},
      {"vehicle-types", "vehicle-types PROJECT", "vehicle types report", 1, true, {}, VoertuigtypenRapport},
      {"travel-times",
       "travel-times PROJECT",
       "travel-time matrices report (nothing with fewer than two posts)",
       1,
       true,
       {},
       Doorrijtijden},
      {"notes", "notes PROJECT", "notes report", 1, true, {}, Aantekeningen},
      {"check",
       "check PROJECT [--more-than N | --less-than N]",
       "registration file check report",
       1,
       true,
       {{"more-than", 0, true}, {"less-than", 0, true}},
       Controleren},
      {"intensities",
       "intensities PROJECT [options]",
       "intensities report",
       1,
       true,
       {{"from", 0, true},
        {"until", 0, true},
        {"interval", 0, true},
        {"preset", 0, true},
        {"types", 0, true},
        {"without-missed", 0, false},
        {"selection", 0, true},
        {"no-missed-plates", 0, false},
        {"no-missed-chars", 0, false},
        {"posts", 0, true}},
       Intensiteiten},
  };
}

}  // namespace morvask::cli
