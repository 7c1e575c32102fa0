#include "analysis/matching_run.h"

#include <optional>
#include <string>
#include <vector>

#include "analysis/match_file_writer.h"
#include "analysis/plate_comparison.h"
#include "analysis/route_search.h"
#include "base/messages.h"
#include "core/files.h"
#include "core/registration_list.h"
#include "core/text_utils.h"
#include "core/times.h"
#include "core/travel_time_table.h"
#include "registrations/registration_check.h"

namespace morvask {

namespace {

// ---- Posts and times ------------------------------------------------------------------------

bool IsTussenpost(std::string_view post) { return Deel(post, 5, 1) == "t"; }

// The minutes since midnight of a period bound typed as hhmm (0815 is 8 * 60 + 15).
int PeriodegrensInMinuten(int hhmm) { return hhmm / 100 * 60 + hhmm % 100; }

int Minuten(const RRegistratie& r) { return RegistratieMinuten(r.Tijd); }

// ---- The checks before anything is written --------------------------------------------------

bool HeeftGereserveerdTeken(std::string_view veld) {
  return veld.find(RouteScheiding) != std::string_view::npos || veld.find(RouteEinde) != std::string_view::npos;
}

bool TijdLeesbaar(std::string_view tijd) { return IsGeheelGetal(tijd) && TijdNaarMinuten(tijd).has_value(); }

// The number field of a travel-time line that is not a whole number ("" when both are).
std::string OnleesbaarDoorrijtijdveld(std::string_view regel) {
  const std::string maximum = Bijsnijden(Deel(regel, 15, 4));
  if (!IsGeheelGetal(maximum)) return maximum;
  const std::string minimum = Bijsnijden(Deel(regel, 20, 4));
  if (!minimum.empty() && !IsGeheelGetal(minimum)) return minimum;
  return {};
}

// True when the run can go through to its end without meeting a value it cannot use;
// otherwise shows why (the first offending registration or line) and returns false.
bool GegevensBruikbaar(Context& ctx, const RMatchInstellingen& in) {
  const Project& project = ctx.project;
  for (const RRegistratie& r : project.Registratielijst) {
    if (HeeftGereserveerdTeken(r.Post) || HeeftGereserveerdTeken(r.Tijd) || HeeftGereserveerdTeken(r.Voertuigtype) ||
        HeeftGereserveerdTeken(r.Kenteken)) {
      ToonFout(ctx.ui, ctx.catalogus, ctx.catalogus["AA00163"]);
      return false;
    }
  }
  // The registration is named as the registration file check lists it, with its line number.
  if (const auto i = OnleesbareRegistratietijd(project)) {
    const RRegistratie& r = project.Registratielijst[*i];
    ToonFout(ctx.ui, ctx.catalogus, AlgemeneFoutGeenGetal(r.Tijd) + "\r" + Regelnummerveld(*i) + r.Regel());
    return false;
  }
  for (const std::string& regel : project.Doorrijtijdentabel) {
    if (!DoorrijtijdenVanRegel(regel)) {
      ToonFout(ctx.ui, ctx.catalogus, AlgemeneFoutGeenGetal(OnleesbaarDoorrijtijdveld(regel)) + "\r" + regel);
      return false;
    }
  }
  for (const std::string* veld : {&in.Vanaf, &in.Tot}) {
    if (!IsGeheelGetal(*veld)) {
      ToonFout(ctx.ui, ctx.catalogus, AlgemeneFoutGeenGetal(*veld));
      return false;
    }
  }
  return true;
}

// ---- The snapshot ---------------------------------------------------------------------------

// Takes a copy of the registration list and puts it back, in its order with all marks
// cleared, however the run ends.
class Registratiesnapshot {
 public:
  explicit Registratiesnapshot(Project& project) : project_(project), kopie_(project.Registratielijst) {}
  ~Registratiesnapshot() {
    project_.Registratielijst = std::move(kopie_);
    for (RRegistratie& r : project_.Registratielijst) r.Gebruikt = r.Geprobeerd = false;
  }
  Registratiesnapshot(const Registratiesnapshot&) = delete;
  Registratiesnapshot& operator=(const Registratiesnapshot&) = delete;

 private:
  Project& project_;
  std::vector<RRegistratie> kopie_;
};

// ---- The run --------------------------------------------------------------------------------

// The comparison settings of one iteration.
struct Iteratie {
  Iteratiesoort soort;
  bool metWildcards;
  int maxVerwisseld;
  int maxVerschillend;
  const char* tekstSleutel;  // the progress text after "Iteratie %s van %s: "
};

class Matchrun {
 public:
  Matchrun(Context& ctx, const RMatchInstellingen& in, Routezoeker& zoeker)
      : ctx_(ctx),
        project_(ctx.project),
        ui_(ctx.ui),
        in_(in),
        zoeker_(zoeker),
        opschoonwaarde_(ctx.instellingen.MatchOpschoonWaarde) {
    vergelijking_ = VergelijkingsInstellingen(project_.Gegevens);
    vergelijking_.GeenHoofdletterverschil = in.GeenHoofdletterverschil;
    vergelijking_.Posities = in.Posities;
    vergelijking_.AantalKarakters = in.AantalKarakters;
    vergelijking_.PeriodeCorrectie = in.PeriodeCorrectie;
    vergelijking_.Vanaf = NaarGetal(in.Vanaf);
    vergelijking_.Tot = NaarGetal(in.Tot);
  }

  RMatchResultaat Uitvoeren() {
    Voorbereiden();
    if (in_.Iteratief) {
      IteratiefVergelijken();
    } else {
      // One pass with every window setting at once.
      resultaat_.Matchcontrole.emplace_back();
      ui_.VoortgangTekst(ctx_.catalogus["AA00165"]);
      Vergelijken({Iteratiesoort::Exact, in_.MetWildcards, in_.AantalVerwisseld, in_.AantalVerschillend, ""});
    }
    Afronden();
    return resultaat_;
  }

 private:
  // The registrations in time order, inbound posts first within a minute; the excluded ones
  // removed.
  void Voorbereiden() {
    RegistratiesSorteren(project_, "TPt2PnrKV");  // also clears every mark
    auto& lijst = project_.Registratielijst;
    if (in_.TussenpostenNegeren) {
      for (RRegistratie& r : lijst)
        if (IsTussenpost(r.Post)) r.Gebruikt = true;
      GebruikteVerwijderen(project_);
    }
    // A greyed period-correction option (after "&Maximale tijden") keeps every registration.
    if (in_.PeriodeCorrectieIngeschakeld) {
      // With the correction the period is widened on both sides by the largest maximum travel
      // time, so that a vehicle seen just outside it can still join a route that lies inside.
      const int marge = in_.PeriodeCorrectie ? GrootsteMaximaleDoorrijtijd(project_, "*").value_or(0) : 0;
      const int van = PeriodegrensInMinuten(vergelijking_.Vanaf) - marge;
      const int tot = PeriodegrensInMinuten(vergelijking_.Tot) + marge;
      for (RRegistratie& r : lijst)
        if (Minuten(r) < van || Minuten(r) > tot) r.Gebruikt = true;
      GebruikteVerwijderen(project_);
    }
  }

  void IteratiefVergelijken() {
    std::vector<Iteratie> iteraties = {{Iteratiesoort::Exact, false, 0, 0, "AA00140"}};
    if (in_.MetWildcards) iteraties.push_back({Iteratiesoort::Wildcards, true, 0, 0, "AA00141"});
    if (in_.AantalVerwisseld > 0)
      iteraties.push_back({Iteratiesoort::Verwisseld, in_.MetWildcards, in_.AantalVerwisseld, 0, "AA00142"});
    if (in_.AantalVerschillend > 0)
      iteraties.push_back(
          {Iteratiesoort::Verschillend, in_.MetWildcards, in_.AantalVerwisseld, in_.AantalVerschillend, "AA00143"});

    const int aantal = static_cast<int>(iteraties.size());
    for (int n = 1; n <= aantal; ++n) {
      const Iteratie& it = iteraties[n - 1];
      auto& controle = resultaat_.Matchcontrole;
      if (n > 1) controle.emplace_back();
      controle.push_back(IteratieKop(n, it.soort));
      controle.emplace_back();
      ui_.VoortgangTekst(ctx_.catalogus.Vul("AA00164", {std::to_string(n), std::to_string(aantal)}) +
                         ctx_.catalogus[it.tekstSleutel]);
      Vergelijken(it);
    }
  }

  // One iteration: every registration not yet in a route is tried once as a start.
  void Vergelijken(const Iteratie& it) {
    vergelijking_.MetWildcards = it.metWildcards;
    vergelijking_.MaxVerwisseld = it.maxVerwisseld;
    vergelijking_.MaxVerschillend = it.maxVerschillend;
    int noemer = 0;
    for (const RRegistratie& r : project_.Registratielijst)
      if (IsStartpost(r.Post)) ++noemer;
    GebruikteVerwijderen(project_);  // registrations of routes are gone; every start is tried again
    ui_.VoortgangPositie(0);
    // After an interruption the later iterations only write their headers.
    if (ui_.BerekeningAfbreken) return;
    RIteratieOpdracht opdracht{project_,        ui_,
                               vergelijking_,   in_.BlokkadesControleren,
                               opschoonwaarde_, routesSindsOpschonen_,
                               noemer,          ctx_.catalogus["AA00166"],
                               resultaat_};
    zoeker_.IteratieUitvoeren(opdracht);
  }

  // The registrations of no route that lie in the period are the non-routes; a missed plate
  // only when asked for.
  void Afronden() {
    GebruikteVerwijderen(project_);
    const std::string_view gemist = project_.Gegevens.GemistKentekenKarakter.view();
    for (const RRegistratie& r : project_.Registratielijst) {
      if (!BinnenPeriode(vergelijking_, r.Tijd.view())) continue;
      const bool gemistKenteken = !gemist.empty() && r.Kenteken.view().starts_with(gemist);
      if (gemistKenteken && !in_.GemisteKentekensToevoegen) continue;
      resultaat_.NietRoutes.push_back(NietRouteRegel(r));
    }
    resultaat_.Onderbroken = ui_.BerekeningAfbreken;
  }

  Context& ctx_;
  Project& project_;
  Gebruikersinterface& ui_;
  const RMatchInstellingen& in_;
  Routezoeker& zoeker_;
  const int opschoonwaarde_;
  RVergelijkingsInstellingen vergelijking_;
  RMatchResultaat resultaat_;
  int routesSindsOpschonen_ = 0;  // carries over from one iteration to the next
};

}  // namespace

std::optional<std::size_t> OnleesbareRegistratietijd(const Project& project) {
  const auto& lijst = project.Registratielijst;
  for (std::size_t i = 0; i < lijst.size(); ++i)
    if (!TijdLeesbaar(lijst[i].Tijd)) return i;
  return std::nullopt;
}

bool MatchUitvoeren(Context& ctx, RMatchInstellingen in, Routezoeker& zoeker) {
  Project& project = ctx.project;
  Gebruikersinterface& ui = ctx.ui;
  const Catalogus& cat = ctx.catalogus;
  ui.BerekeningAfbreken = false;

  const std::string getoond = PadVoorWeergave(in.Bestandsnaam);
  if (BestandBestaat(in.Bestandsnaam) &&
      !VraagBevestiging(ui, cat, cat["AA00195"], cat.Vul("AA00032", {getoond}), "ZB00016", "ZB00017"))
    return false;
  AantalKaraktersTellen(in);  // the file shows the lowered maxima
  if (!GegevensBruikbaar(ctx, in)) return false;

  const RMatchProjectgegevens gegevens{static_cast<int>(project.Registratielijst.size()),
                                       static_cast<int>(project.Postlijst.size()),
                                       SomDoorrijtijden(project).value_or("0")};
  // The file is created before the run, beside its target, so that a folder that cannot take
  // it is known before any work is done; the target itself is replaced only by the complete
  // file. A run that is killed or fails leaves the previous file as it was.
  AtomischBestand bestand;
  if (!bestand.Openen(in.Bestandsnaam)) {
    ToonWaarschuwing(ui, cat, cat.Vul("AA00006", {getoond}));
    return false;
  }

  ui.BezigCursor(true);
  PostlijstSorteren(project);
  ui.VoortgangTonen("", true);
  bool geschreven = false;
  {
    const Registratiesnapshot snapshot(project);
    geschreven =
        bestand.Schrijven(RegelsSamenvoegen(MatchbestandRegels(in, gegevens, Matchrun(ctx, in, zoeker).Uitvoeren()))) &&
        bestand.Voltooien();
  }
  ui.VoortgangSluiten();
  ui.BezigCursor(false);
  if (!geschreven) {
    ToonWaarschuwing(ui, cat, cat.Vul("AA00006", {getoond}));
    return false;
  }
  if (in.Geluidsignaal) ui.Piep();
  return true;
}

bool MatchUitvoeren(Context& ctx, RMatchInstellingen in) {
  const std::unique_ptr<Routezoeker> zoeker = SnelleRoutezoeker();
  return MatchUitvoeren(ctx, std::move(in), *zoeker);
}

}  // namespace morvask
