#include "analysis/matching_run.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "analysis/match_file_writer.h"
#include "analysis/plate_comparison.h"
#include "app/messages.h"
#include "core/files.h"
#include "core/registration_list.h"
#include "core/text_utils.h"
#include "core/times.h"
#include "network/travel_time_table.h"

namespace morvask {

namespace {

// ---- Posts and times ------------------------------------------------------------------------

bool EindigtOp(std::string_view post, std::string_view eind) { return post.ends_with(eind); }

// A route starts at a post where traffic enters or passes: "-ki", "-t1", "-t2".
bool IsStartpost(std::string_view post) {
  return EindigtOp(post, "ki") || EindigtOp(post, "t1") || EindigtOp(post, "t2");
}

// A route continues at a post that traffic passes or leaves by: "-t1", "-t2", "-ku".
bool IsVervolgpost(std::string_view post) {
  return EindigtOp(post, "t1") || EindigtOp(post, "t2") || EindigtOp(post, "ku");
}

bool IsTussenpost(std::string_view post) { return Deel(post, 5, 1) == "t"; }

// The minutes since midnight of a period bound typed as hhmm (0815 is 8 * 60 + 15).
int PeriodegrensInMinuten(int hhmm) { return hhmm / 100 * 60 + hhmm % 100; }

// The checks before the run make every registration time and every travel time readable, so
// the lookups below always answer; should one not, the pair simply does not qualify.
int Minuten(const RRegistratie& r) { return TijdNaarMinuten(r.Tijd).value_or(0); }
int Verschil(const RRegistratie& eerder, const RRegistratie& later) { return Minuten(later) - Minuten(eerder); }

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
  for (const RRegistratie& r : project.Registratielijst) {
    if (!TijdLeesbaar(r.Tijd)) {
      ToonFout(ctx.ui, ctx.catalogus, AlgemeneFoutGeenGetal(r.Tijd) + "\r" + r.Regel());
      return false;
    }
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
  Matchrun(Context& ctx, const RMatchInstellingen& in)
      : ctx_(ctx), project_(ctx.project), ui_(ctx.ui), in_(in), opschoonwaarde_(ctx.instellingen.MatchOpschoonWaarde) {
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
      iteraties.push_back({Iteratiesoort::Verschillend, in_.MetWildcards, in_.AantalVerwisseld,
                           in_.AantalVerschillend, "AA00143"});

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
    int geprobeerd = 0;
    std::size_t vanaf = 0;
    while (!ui_.BerekeningAfbreken) {
      const std::optional<std::size_t> start = VolgendeStart(vanaf);
      if (!start) break;
      project_.Registratielijst[*start].Geprobeerd = true;
      ++geprobeerd;
      ui_.VoortgangPositie(static_cast<int>(std::lround(100.0 * geprobeerd / std::max(noemer, 1))));
      ui_.BerichtenVerwerken();

      if (RouteBouwen(*start)) ++routesSindsOpschonen_;
      if (opschoonwaarde_ > 0 && routesSindsOpschonen_ > opschoonwaarde_) {
        // Memory clearing: the scans no longer wade through consumed registrations; the tried
        // marks survive, so starting again at the head tries no start twice.
        GebruikteVerwijderenMetGeprobeerd(project_);
        routesSindsOpschonen_ = 0;
        vanaf = 0;
      } else {
        vanaf = *start + 1;
      }
    }
  }

  // The next registration from index vanaf that is neither used nor tried, at a start post.
  std::optional<std::size_t> VolgendeStart(std::size_t vanaf) const {
    const auto& lijst = project_.Registratielijst;
    for (std::size_t i = vanaf; i < lijst.size(); ++i)
      if (!lijst[i].Gebruikt && !lijst[i].Geprobeerd && IsStartpost(lijst[i].Post)) return i;
    return std::nullopt;
  }

  // Builds the route that starts at the registration at index start: the later sightings in
  // list order are taken greedily. True when at least one was accepted.
  bool RouteBouwen(std::size_t start) {
    auto& lijst = project_.Registratielijst;
    std::vector<RRegistratie> punten = {lijst[start]};
    const KorteTekst<6> eerstePost = lijst[start].Post;
    RRegistratie eind = lijst[start];  // the current end of the route
    int maxVanEind = GrootsteMaximaleDoorrijtijd(project_, eind.Post).value_or(0);

    for (std::size_t i = start + 1; i < lijst.size() && !ui_.BerekeningAfbreken; ++i) {
      RRegistratie& x = lijst[i];
      if (!x.Gebruikt && IsVervolgpost(x.Post)) {
        const RKentekenvergelijking vergelijk =
            KentekensGelijk(vergelijking_, eind.Kenteken, x.Kenteken, eind.Tijd, x.Tijd, eind.Voertuigtype,
                            x.Voertuigtype);
        if (vergelijk.Gelijk && BinnenDoorrijtijden(project_, eind.Post, x.Post, eind.Tijd, x.Tijd) == true &&
            RelatieGeblokkeerd(project_, in_.BlokkadesControleren, eerstePost, x.Post) == false) {
          x.Gebruikt = true;
          punten.push_back(x);
          resultaat_.Matchcontrole.push_back(
              MatchcontroleRegel(eind, x, Verschil(eind, x), ctx_.catalogus["AA00166"], vergelijk.Opmerking));
          if (EindigtOp(x.Post, "ku")) break;  // the vehicle left the area
          eind = x;
          maxVanEind = GrootsteMaximaleDoorrijtijd(project_, eind.Post).value_or(0);
        }
      }
      // No later sighting can follow within the travel times from the end's post.
      if (Verschil(eind, x) > maxVanEind) break;
    }

    if (punten.size() < 2) return false;  // the start stays available, only tried
    resultaat_.Routes.push_back(RouteRegel(punten));
    lijst[start].Gebruikt = true;
    lijst[start].Geprobeerd = false;
    return true;
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
  const int opschoonwaarde_;
  RVergelijkingsInstellingen vergelijking_;
  RMatchResultaat resultaat_;
  int routesSindsOpschonen_ = 0;  // carries over from one iteration to the next
};

}  // namespace

bool MatchUitvoeren(Context& ctx, RMatchInstellingen in) {
  Project& project = ctx.project;
  Gebruikersinterface& ui = ctx.ui;
  const Catalogus& cat = ctx.catalogus;
  ui.BerekeningAfbreken = false;

  if (BestandBestaat(in.Bestandsnaam) &&
      !VraagBevestiging(ui, cat, cat["AA00195"], cat.Vul("AA00032", {in.Bestandsnaam}), "ZB00016", "ZB00017"))
    return false;
  AantalKaraktersTellen(in);  // the file shows the lowered maxima
  if (!GegevensBruikbaar(ctx, in)) return false;

  const RMatchProjectgegevens gegevens{static_cast<int>(project.Registratielijst.size()),
                                       static_cast<int>(project.Postlijst.size()),
                                       SomDoorrijtijden(project).value_or("0")};
  if (!MatchbestandSchrijven(in.Bestandsnaam, MatchbestandKopregels(in.Omschrijving, gegevens))) {
    ToonWaarschuwing(ui, cat, cat.Vul("AA00006", {in.Bestandsnaam}));
    return false;
  }

  ui.BezigCursor(true);
  PostlijstSorteren(project);
  ui.VoortgangTonen("", true);
  bool geschreven = false;
  {
    const Registratiesnapshot snapshot(project);
    const RMatchResultaat resultaat = Matchrun(ctx, in).Uitvoeren();
    geschreven = MatchbestandSchrijven(in.Bestandsnaam, MatchbestandRegels(in, gegevens, resultaat));
  }
  ui.VoortgangSluiten();
  ui.BezigCursor(false);
  if (!geschreven) {
    ToonWaarschuwing(ui, cat, cat.Vul("AA00006", {in.Bestandsnaam}));
    return false;
  }
  if (in.Geluidsignaal) ui.Piep();
  return true;
}

}  // namespace morvask
