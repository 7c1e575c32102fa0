#include "analysis/travel_time_overview_report.h"

#include <unordered_map>

#include "analysis/comparison_lists.h"
#include "analysis/comparison_settings_text.h"
#include "analysis/od_matrix_report.h"
#include "base/context.h"
#include "core/project.h"
#include "core/settings.h"
#include "core/text_utils.h"
#include "reports/report_layout.h"

namespace morvask {

namespace {

// Every combination of the matrix as data: its number of pairs and their average travel
// time, the average empty where no pair was found (the "-" cell).
RapportGegevens GemiddeldeDoorrijtijdenGegevens(const RGemiddeldeDoorrijtijden& g) {
  RapportGegevens d;
  d.Kolommen = {"origin", "destination", "count", "average"};
  for (std::size_t r = 0; r < g.Herkomstposten.size(); ++r)
    for (std::size_t k = 0; k < g.Bestemmingsposten.size(); ++k) {
      const RDoorrijtijdRelatie& rel = g.Relaties[r][k];
      const Gegevensveld gemiddeld = rel.Aantal() > 0 ? Gegevensveld(rel.Gemiddelde()) : Gegevensveld(std::string());
      d.Rijen.push_back({std::string(ZonderSlotspaties(g.Herkomstposten[r])),
                         std::string(ZonderSlotspaties(g.Bestemmingsposten[k])), rel.Aantal(), gemiddeld});
    }
  return d;
}

}  // namespace

int PaarDoorrijtijd(std::string_view paarregel) { return NaarGetal(Bijsnijden(Deel(paarregel, 53, 4)), 0); }

long long RDoorrijtijdRelatie::Gemiddelde() const { return AfrondenNaarEven(Som, Aantal()); }

RGemiddeldeDoorrijtijden GemiddeldeDoorrijtijdenBepalen(const std::vector<std::string>& vergelijkingscontrole,
                                                        const std::vector<RWaarnemingspost>& posten) {
  RGemiddeldeDoorrijtijden g;
  for (const RWaarnemingspost& p : posten) {
    const char type = Posttype(p.Postcode.view());
    if (type == 'i' || type == '1' || type == '2') g.Herkomstposten.push_back(p.Postcode.str());
    if (type == 'u' || type == '1' || type == '2') g.Bestemmingsposten.push_back(p.Postcode.str());
  }
  g.Relaties.assign(g.Herkomstposten.size(), std::vector<RDoorrijtijdRelatie>(g.Bestemmingsposten.size()));

  std::unordered_map<std::string_view, std::size_t> rij, kolom;
  for (std::size_t i = 0; i < g.Herkomstposten.size(); ++i) rij.emplace(ZonderSlotspaties(g.Herkomstposten[i]), i);
  for (std::size_t i = 0; i < g.Bestemmingsposten.size(); ++i)
    kolom.emplace(ZonderSlotspaties(g.Bestemmingsposten[i]), i);

  for (const std::string& regel : vergelijkingscontrole) {
    if (IsIteratiekopOfLeeg(regel)) continue;
    const auto r = rij.find(ZonderSlotspaties(Deel(regel, 1, 6)));
    const auto k = kolom.find(ZonderSlotspaties(Deel(regel, 27, 6)));
    if (r == rij.end() || k == kolom.end()) continue;
    RDoorrijtijdRelatie& rel = g.Relaties[r->second][k->second];
    rel.Regels.push_back(regel);
    rel.Som += PaarDoorrijtijd(regel);
  }
  return g;
}

Rapport RapportVergelijkingsoverzicht(RapportBuffer& buffer, const Context& ctx,
                                      const RVergelijkingsgegevens& gegevens) {
  const Catalogus& cat = ctx.catalogus;
  VergelijkingsrapportKop(buffer, ctx, cat["AA00102"], gegevens);
  const std::string s = Lijn(ctx.instellingen, 90);
  buffer.RegelToevoegen(s);
  buffer.RegelToevoegen(cat["AA00103"]);
  buffer.RegelToevoegen(s);
  buffer.RegelsToevoegen(gegevens.Lijsten.Vergelijkingscontrole);
  buffer.RegelToevoegen(s);
  buffer.RegelsToevoegen(VerklaringVergelijking(cat));
  return RapportAfsluiten(buffer, ctx, Rapportsoort::Geen, cat["AA00104"]);
}

Rapport RapportDoorrijtijdenMatrix(RapportBuffer& buffer, const Context& ctx, const RVergelijkingsgegevens& gegevens,
                                   bool detaillijst) {
  const Catalogus& cat = ctx.catalogus;
  VergelijkingsrapportKop(buffer, ctx, cat["AA00105"], gegevens);
  const RGemiddeldeDoorrijtijden g =
      GemiddeldeDoorrijtijdenBepalen(gegevens.Lijsten.Vergelijkingscontrole, ctx.project.Postlijst);
  const int rijen = static_cast<int>(g.Herkomstposten.size());
  const int kolommen = static_cast<int>(g.Bestemmingsposten.size());

  RapportTabel& tabel = buffer.HoofdStringGrid;
  tabel.AantallenZetten(kolommen + 1, rijen + 5);
  tabel.LeegMaken();
  const std::string eenheid = Lijneenheid(ctx.instellingen);
  const auto scheiding = [&](int rij) { tabel.RijVullen(rij, eenheid); };
  scheiding(0);
  tabel.Zet(0, 1, cat["AA00020"]);
  tabel.Zet(1, 1, cat["AA00021"]);
  tabel.Zet(2, 1, cat["AA00022"]);
  tabel.Zet(0, 2, cat["AA00023"]);
  for (int k = 0; k < kolommen; ++k) tabel.Zet(k + 1, 2, g.Bestemmingsposten[k]);
  scheiding(3);
  scheiding(rijen + 4);

  std::vector<std::string> details;
  for (int r = 0; r < rijen; ++r) {
    tabel.Zet(0, r + 4, TekstUitlijnen("L", g.Herkomstposten[r], " ", RapportKolombreedte));
    for (int k = 0; k < kolommen; ++k) {
      const RDoorrijtijdRelatie& rel = g.Relaties[r][k];
      details.push_back(g.Herkomstposten[r] + " -> " + g.Bestemmingsposten[k]);
      for (const std::string& paar : rel.Regels) details.push_back("  " + paar);
      if (rel.Aantal() == 0) {
        tabel.Zet(k + 1, r + 4, "-");
        continue;
      }
      const std::string gemiddeld = std::to_string(rel.Gemiddelde());
      tabel.Zet(k + 1, r + 4, gemiddeld);
      details.push_back(cat["AA00106"] + TekstUitlijnen("R", std::to_string(rel.Aantal()), " ", 7) +
                        std::string(25, ' ') + cat["AA00107"] + TekstUitlijnen("R", gemiddeld, " ", 4) + " " +
                        cat["AA00108"]);
      details.emplace_back();
    }
  }

  HoofdStringGridNaarHoofdRichEdit(buffer);
  OndersteGedeelteRapport(buffer, ctx, Rapportsoort::GemiddeldeDoorrijtijden);
  if (detaillijst) {
    buffer.RegelToevoegen("");
    buffer.RegelToevoegen("");
    buffer.RegelToevoegen(cat["AA00109"]);
    const std::string s = Lijn(ctx.instellingen, 75);
    buffer.RegelToevoegen(s);
    buffer.RegelsToevoegen(details);
    buffer.RegelToevoegen(s);
    buffer.RegelsToevoegen(VerklaringVergelijking(cat));
  }
  Rapport rapport = RapportOpleveren(buffer, cat["AA00110"], MetTabel::Ja);
  rapport.Gegevens = GemiddeldeDoorrijtijdenGegevens(g);
  return rapport;
}

}  // namespace morvask
