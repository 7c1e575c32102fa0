#include "analysis/od_matrix_report.h"

#include <unordered_map>

#include "analysis/comparison_lists.h"
#include "analysis/comparison_settings_text.h"
#include "base/context.h"
#include "core/project.h"
#include "core/settings.h"
#include "core/text_utils.h"
#include "reports/report_layout.h"

namespace morvask {

namespace {

// Post code (trailing blanks removed) -> the first row or column that holds it.
using Postindex = std::unordered_map<std::string_view, std::size_t>;

std::size_t Zoek(const Postindex& index, std::string_view veld) {
  const auto it = index.find(ZonderSlotspaties(veld));
  return it == index.end() ? SIZE_MAX : it->second;
}

// The counts as data: the through traffic of every origin and destination; without the
// routematrix option also each origin's destination traffic (no destination) and each
// destination's origin traffic (no origin).
RapportGegevens DHBGegevens(const RDHBTelling& t, bool routematrix) {
  RapportGegevens g;
  g.Kolommen = {"origin", "destination", "count"};
  const auto code = [](const std::string& post) { return std::string(ZonderSlotspaties(post)); };
  for (std::size_t r = 0; r < t.Herkomstposten.size(); ++r) {
    for (std::size_t k = 0; k < t.Bestemmingsposten.size(); ++k)
      g.Rijen.push_back({code(t.Herkomstposten[r]), code(t.Bestemmingsposten[k]), t.Doorgaand[r][k]});
    if (!routematrix) g.Rijen.push_back({code(t.Herkomstposten[r]), std::string(), t.Bestemming[r]});
  }
  if (!routematrix)
    for (std::size_t k = 0; k < t.Bestemmingsposten.size(); ++k)
      g.Rijen.push_back({std::string(), code(t.Bestemmingsposten[k]), t.Herkomst[k]});
  return g;
}

}  // namespace

bool TijdBinnenPeriode(std::string_view tijd, int vanaf, int tot) {
  int t = 0;
  return ProbeerGetal(tijd, t) && vanaf <= t && t < tot;
}

char Posttype(std::string_view postcode) { return TekenOp(postcode, 6); }

RDHBTelling DHBTellen(const std::vector<std::string>& routes, const std::vector<std::string>& nietRoutes,
                      const std::vector<RWaarnemingspost>& posten, bool routematrix, int vanaf, int tot) {
  RDHBTelling t;
  for (const RWaarnemingspost& p : posten) {
    const char type = Posttype(p.Postcode.view());
    const bool tussen = routematrix && (type == '1' || type == '2');
    if (type == 'i' || tussen) t.Herkomstposten.push_back(p.Postcode.str());
    if (type == 'u' || tussen) t.Bestemmingsposten.push_back(p.Postcode.str());
  }
  t.Doorgaand.assign(t.Herkomstposten.size(), std::vector<int>(t.Bestemmingsposten.size(), 0));
  t.Bestemming.assign(t.Herkomstposten.size(), 0);
  t.Herkomst.assign(t.Bestemmingsposten.size(), 0);

  Postindex rij, kolom;
  for (std::size_t i = 0; i < t.Herkomstposten.size(); ++i) rij.emplace(ZonderSlotspaties(t.Herkomstposten[i]), i);
  for (std::size_t i = 0; i < t.Bestemmingsposten.size(); ++i)
    kolom.emplace(ZonderSlotspaties(t.Bestemmingsposten[i]), i);

  for (const std::string& route : routes) {
    const std::size_t r = Zoek(rij, RouteEerstePost(route));
    const std::size_t k = Zoek(kolom, RouteLaatstePost(route));
    if (r != SIZE_MAX && k != SIZE_MAX)
      ++t.Doorgaand[r][k];
    else if (r != SIZE_MAX && TijdBinnenPeriode(RouteEersteTijd(route), vanaf, tot))
      ++t.Bestemming[r];
    else if (k != SIZE_MAX && TijdBinnenPeriode(RouteLaatsteTijd(route), vanaf, tot))
      ++t.Herkomst[k];
  }
  for (const std::string& regel : nietRoutes) {
    if (!TijdBinnenPeriode(Deel(regel, 8, 4), vanaf, tot)) continue;
    const std::string_view post = Deel(regel, 1, 6);
    if (const std::size_t r = Zoek(rij, post); r != SIZE_MAX)
      ++t.Bestemming[r];
    else if (const std::size_t k = Zoek(kolom, post); k != SIZE_MAX)
      ++t.Herkomst[k];
  }
  return t;
}

std::string Percentage(long long waarde, long long totaal) {
  return std::to_string(AfrondenNaarEven(waarde * 100, totaal));
}

Rapport RapportDHBmatrix(RapportBuffer& buffer, const Context& ctx, const RVergelijkingsgegevens& gegevens,
                         bool routematrix) {
  const Catalogus& cat = ctx.catalogus;
  const RMatchbestandInstellingen& periode = gegevens.Instellingen;
  VergelijkingsrapportKop(buffer, ctx, cat[routematrix ? "AA00192" : "AA00144"], gegevens);
  if (ctx.instellingen.RapportInformatieOverInhoudWeergeven) {
    buffer.RegelToevoegen(cat["AA00145"]);
    buffer.RegelToevoegen("");
  }

  const RDHBTelling t = DHBTellen(gegevens.Lijsten.Routes, gegevens.Lijsten.NietRoutes, ctx.project.Postlijst,
                                  routematrix, periode.MiTimeFrom, periode.MiTimeUntil);
  const int I = static_cast<int>(t.Herkomstposten.size());
  const int U = static_cast<int>(t.Bestemmingsposten.size());
  const int kDoorg = U + 2, kBestem = U + 3, kTotaal = U + 4, kZonderKop = U + 1;
  const int rTotalen = I + 5, rDoorg = I + 6, rHerkom = I + 7, rTotaal = I + 8;

  RapportTabel& tabel = buffer.HoofdStringGrid;
  tabel.AantallenZetten(U + 5, I + 10);
  tabel.LeegMaken();
  const std::string eenheid = Lijneenheid(ctx.instellingen);
  const auto scheiding = [&](int rij) { tabel.RijVullen(rij, eenheid); };
  const auto getal = [&](int k, int r, long long n) { tabel.Zet(k, r, std::to_string(n)); };

  scheiding(0);
  tabel.Zet(0, 1, cat["AA00020"]);
  tabel.Zet(1, 1, cat["AA00021"]);
  tabel.Zet(2, 1, cat["AA00022"]);
  tabel.Zet(0, 2, cat["AA00023"]);
  for (int k = 0; k < U; ++k) tabel.Zet(k + 1, 2, t.Bestemmingsposten[k]);
  tabel.Zet(kDoorg, 2, cat["AA00146"]);
  tabel.Zet(kBestem, 2, cat["AA00147"]);
  tabel.Zet(kTotaal, 2, cat["AA00067"]);
  scheiding(3);
  for (int r = 0; r < I; ++r) tabel.Zet(0, r + 4, TekstUitlijnen("L", t.Herkomstposten[r], " ", RapportKolombreedte));
  scheiding(I + 4);
  tabel.Zet(0, rDoorg, cat["AA00148"]);
  tabel.Zet(0, rHerkom, cat["AA00149"]);
  tabel.Zet(0, rTotaal, cat["AA00068"]);
  scheiding(I + 9);

  // Rows: the through traffic, its sum, the destination traffic and the row total.
  long long D = 0, B = 0, H = 0, RT = 0, CT = 0;
  for (int r = 0; r < I; ++r) {
    long long doorg = 0;
    for (int k = 0; k < U; ++k) {
      getal(k + 1, r + 4, t.Doorgaand[r][k]);
      doorg += t.Doorgaand[r][k];
    }
    getal(kDoorg, r + 4, doorg);
    getal(kBestem, r + 4, t.Bestemming[r]);
    getal(kTotaal, r + 4, t.Bestemming[r] + doorg);
    D += doorg;
    B += t.Bestemming[r];
    RT += t.Bestemming[r] + doorg;
  }
  getal(kBestem, rTotalen, B);
  getal(kTotaal, rTotalen, RT);
  // Columns: the through traffic's sum, the origin traffic and the column total.
  for (int k = 0; k < U; ++k) {
    long long doorg = 0;
    for (int r = 0; r < I; ++r) doorg += t.Doorgaand[r][k];
    getal(k + 1, rDoorg, doorg);
    getal(k + 1, rHerkom, t.Herkomst[k]);
    getal(k + 1, rTotaal, t.Herkomst[k] + doorg);
    H += t.Herkomst[k];
    if (!routematrix) CT += t.Herkomst[k] + doorg;
  }
  getal(kZonderKop, rHerkom, H);
  getal(kZonderKop, rTotaal, CT);
  getal(kTotaal, rTotaal, RT + CT);
  getal(kBestem, rHerkom, H + B + D);
  getal(kDoorg, rDoorg, D);

  if (routematrix) {
    tabel.Zet(kDoorg, 2, cat["AA00067"]);
    tabel.Zet(0, rDoorg, cat["AA00068"]);
    tabel.AantallenZetten(U + 3, I + 8);
    scheiding(rHerkom);
  } else if (const long long alle = H + B + D; alle > 0) {
    buffer.RegelToevoegen(
        cat.Vul("AA00150", {std::to_string(alle), std::to_string(D), Percentage(D, alle), std::to_string(H),
                            Percentage(H, alle), std::to_string(B), Percentage(B, alle)}));
    buffer.RegelToevoegen("");
  }

  HoofdStringGridNaarHoofdRichEdit(buffer);
  Rapport rapport = RapportAfsluiten(buffer, ctx, Rapportsoort::Geen, cat["AA00151"], MetTabel::Ja);
  rapport.Gegevens = DHBGegevens(t, routematrix);
  return rapport;
}

}  // namespace morvask
