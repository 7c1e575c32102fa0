// The reports of a project: posts, vehicle-types, travel-times, notes, check, intensities.

#include <functional>
#include <optional>
#include <string>

#include "analysis/intensities.h"
#include "cli/commands.h"
#include "cli/environment.h"
#include "cli/report_output.h"
#include "core/text_utils.h"
#include "core/times.h"
#include "network/posts_report.h"
#include "network/travel_time_report.h"
#include "network/vehicle_types_report.h"
#include "registrations/notes_report.h"
#include "registrations/registration_check.h"

namespace morvask::cli {

namespace {

// Reads the settings and the project named first, then makes the report.
int MetProject(const Argumenten& a, const std::function<int(Omgeving&)>& rapport) {
  return cli::MetProject(a, PadArgument(a.posities[0]), false, rapport);
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

bool AlleenCijfers(const std::string& tekst, std::size_t hoogstens) {
  return !tekst.empty() && tekst.size() <= hoogstens && tekst.find_first_not_of("0123456789") == std::string::npos;
}

// A time option as the window's field would show it: four digits, normalised.
std::string Genormaliseerd(const std::string& tijd) { return TijdOpmaken(NaarGetal(tijd)); }

// The note for a time the window's field changed (minutes above 59, past 2359); a time only
// written with four digits is the same time.
void NormalisatieMelden(const Argumenten& a, const char* optie, const std::optional<std::string>& tijd) {
  if (tijd && NaarGetal(Genormaliseerd(*tijd)) != NaarGetal(*tijd))
    Samenvatting(a, std::string("--") + optie + " " + *tijd + " read as " + Genormaliseerd(*tijd));
}

int Intensiteiten(const Argumenten& a) {
  // The options are checked before anything is read.
  const auto interval = a.Waarde("interval");
  if (interval && !(AlleenCijfers(*interval, 4) && NaarGetal(*interval) >= 1 && NaarGetal(*interval) <= 2359))
    return GebruikFout("--interval takes a whole number of minutes from 1 to 2359");
  const auto preset = a.Waarde("preset");
  if (preset && *preset != "15" && *preset != "30" && *preset != "60" && *preset != "max")
    return GebruikFout("--preset takes 15, 30, 60 or max");
  if (preset && *preset != "max" && interval)
    return GebruikFout("--preset " + *preset + " sets the interval itself: give --preset or --interval, not both");
  const auto vanaf = a.Waarde("from");
  const auto tot = a.Waarde("until");
  if ((vanaf && !AlleenCijfers(*vanaf, 4)) || (tot && !AlleenCijfers(*tot, 4)))
    return GebruikFout("--from and --until take a time HHMM");
  if (vanaf && tot && NaarGetal(Genormaliseerd(*vanaf)) >= NaarGetal(Genormaliseerd(*tot)))
    return GebruikFout("--from " + Genormaliseerd(*vanaf) + " is not before --until " + Genormaliseerd(*tot));
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
    // One time given: the other is the window's, from the registrations or the preset.
    if ((vanaf || tot) && NaarGetal(v.Vanaf) >= NaarGetal(v.Tot))
      return GebruikFout(
          vanaf ? "--from " + v.Vanaf + " is not before the until time " + v.Tot + " the window sets; give --until too"
                : "--until " + v.Tot + " is not after the from time " + v.Vanaf + " the window sets; give --from too");
    v.Selectietype = selectie == "2" ? 2 : 1;
    v.Voertuigtypen = *typen;
    v.GemisteKentekensMeetellen = !a.Heeft("without-missed");
    v.GemisteKentekens = !a.Heeft("no-missed-plates");
    v.GemisteKarakters = !a.Heeft("no-missed-chars");
    const auto rapport = RapportIntensiteiten(o.ctx, v);
    if (!rapport) return kMislukt;
    const int status = RapportUitvoeren(o, a, *rapport);
    if (status == kKlaar) {
      NormalisatieMelden(a, "from", vanaf);
      NormalisatieMelden(a, "until", tot);
    }
    return status;
  });
}

}  // namespace

std::vector<Opdracht> RapportOpdrachten() {
  return {
      {"posts",
       "posts PROJECT",
       "post list report",
       "The post list report: every observation post with its description.",
       1,
       true,
       false,
       {},
       Posten},
      {"vehicle-types",
       "vehicle-types PROJECT",
       "vehicle types report",
       "The vehicle types report: the eight vehicle types with the project's names.",
       1,
       true,
       false,
       {},
       VoertuigtypenRapport},
      {"travel-times",
       "travel-times PROJECT",
       "travel-time matrices report (nothing with fewer than two posts)",
       "The travel-time matrices report: the minimum and the maximum travel time in minutes of every origin post "
       "(-ki, -t1, -t2) to every destination post (-ku, -t1, -t2). With fewer than two posts there is no report "
       "(nothing is written, exit 0). --format data: origin,destination,minimum,maximum, one row per pair of posts "
       "that the travel-time table holds.",
       1,
       true,
       true,
       {},
       Doorrijtijden},
      {"notes",
       "notes PROJECT",
       "notes report",
       "The notes report: the project's notes.",
       1,
       true,
       false,
       {},
       Aantekeningen},
      {"check",
       "check PROJECT [--more-than N | --less-than N]",
       "registration file check report",
       "The registration file check report: every registration with an invalid vehicle type, time, post number, "
       "post type or unknown post, an unknown plate character, or a plate longer (or shorter) than N characters, "
       "with its line number (its place in the registration list). It changes nothing.",
       1,
       true,
       false,
       {{"more-than", 0, "N", "list the plates of more than N characters, N from 0 to 6", "more than 6"},
        {"less-than", 0, "N", "list the plates of fewer than N characters instead, N from 0 to 6", ""}},
       Controleren},
      {"intensities",
       "intensities PROJECT [OPTIONS]",
       "intensities report",
       "The intensities report: per marked post and per time interval the number of registered vehicles of the "
       "chosen types (selection type 1), or of the missed plates and plates with missed characters (selection type "
       "2). Each option is a field of the intensities window, with the window's defaults at its first opening; they "
       "are applied as a user would type them, in this order: --interval, --preset, --from and --until. A time is "
       "normalised as the window's time fields do (minutes above 59 carried once by adding 40, capped at 2359), "
       "and the normalised time is named on standard error. --format data: post,from,until,count, one row per post "
       "and interval (times as hh:mm), without the total row.",
       1,
       true,
       true,
       {{"from", 0, "HHMM", "\"Vanaf:\", the start of the first interval",
         "the earliest registration time (\"Maximale tijden\")"},
        {"until", 0, "HHMM",
         "\"Tot:\", the end of the period; must lie after the start (the last interval may run past it)",
         "the latest registration time plus the interval (\"Maximale tijden\")"},
        {"interval", 0, "N", "\"Interval:\", the interval in minutes, from 1 to 2359",
         "the settings' IntensiteitenInterval (15 without settings)"},
        {"preset", 0, "15|30|60|max",
         "the buttons \"Automatisch 15 (30, 60) minuten interval\" (that interval, the times rounded to it) or "
         "\"Maximale tijden\"; applied after --interval, before --from and --until; 15, 30 and 60 set the interval "
         "and cannot be given with --interval",
         ""},
        {"types", 0, "LETTERS", "the vehicle types counted under selection type 1, letters of almzbour", "all eight"},
        {"without-missed", 0, "", "\"Gemiste kentekens meetellen\" off: missed plates are not counted (type 1)",
         "counted"},
        {"selection", 0, "1|2",
         "\"Selectietype 1\" (registered vehicles) or \"Selectietype 2\" (missed plates and plates with missed "
         "characters)",
         "1"},
        {"no-missed-plates", 0, "", "selection type 2 without \"Gemiste kentekens\"", "counted"},
        {"no-missed-chars", 0, "", "selection type 2 without \"Kentekens met gemiste karakters\"", "counted"},
        {"posts", 0, "LIST", "the posts to report, comma-separated codes (letter case counts)", "all posts"}},
       Intensiteiten},
  };
}

}  // namespace morvask::cli
