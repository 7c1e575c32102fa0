#include "network/travel_time_report.h"

#include <unordered_map>

#include "base/context.h"
#include "core/project.h"
#include "core/settings.h"
#include "core/text_utils.h"
#include "core/travel_time_table.h"
#include "reports/report_layout.h"

namespace morvask {

namespace {

// Both matrices as the report shows them, cells by origin row and destination column.
struct Matrices {
  std::vector<std::string> herkomsten;
  std::vector<std::string> bestemmingen;
  std::vector<std::vector<std::string>> minimum;
  std::vector<std::vector<std::string>> maximum;
};

// The pair key of positions 1-6 and 8-13 of a table line; no line holds a line end, so it
// separates the two codes.
std::string Paar(std::string_view van, std::string_view naar) {
  std::string s(van);
  s += '\n';
  s += naar;
  return s;
}

Matrices MatricesVullen(const Project& project) {
  Matrices m;
  for (const RWaarnemingspost& p : project.Postlijst) {
    if (IsHerkomstpost(p.Postcode.view())) m.herkomsten.push_back(p.Postcode.str());
    if (IsBestemmingspost(p.Postcode.view())) m.bestemmingen.push_back(p.Postcode.str());
  }
  // The first line of each pair.
  std::unordered_map<std::string, const std::string*> regels;
  for (const std::string& regel : project.Doorrijtijdentabel)
    regels.emplace(Paar(Deel(regel, 1, 6), Deel(regel, 8, 6)), &regel);

  for (const std::string& van : m.herkomsten) {
    std::vector<std::string> minimum, maximum;
    for (const std::string& naar : m.bestemmingen) {
      if (van == naar) {
        minimum.emplace_back("-");
        maximum.emplace_back("-");
        continue;
      }
      const auto gevonden = regels.find(Paar(van, naar));
      if (gevonden == regels.end()) {
        minimum.emplace_back();
        maximum.emplace_back();
        continue;
      }
      maximum.push_back(Bijsnijden(Deel(*gevonden->second, 15, 4)));
      minimum.push_back(Bijsnijden(Deel(*gevonden->second, 20, 4)));
    }
    m.minimum.push_back(std::move(minimum));
    m.maximum.push_back(std::move(maximum));
  }
  return m;
}

// One matrix with its heading, from the given row on; returns the row after its closing rule.
int MatrixSchrijven(RapportTabel& t, int rij, const Context& ctx, const Matrices& m,
                    const std::vector<std::vector<std::string>>& cellen, const char* const (&kop)[4]) {
  const Catalogus& cat = ctx.catalogus;
  const std::string eenheid = Lijneenheid(ctx.instellingen);
  auto lijn = [&](int r) {
    for (int k = 0; k < t.KolomAantal(); ++k) t.Zet(k, r, eenheid);
  };
  for (int k = 0; k < 4; ++k) t.Zet(k, rij, cat[kop[k]]);
  lijn(rij + 1);
  t.Zet(0, rij + 2, cat["AA00020"]);
  t.Zet(1, rij + 2, cat["AA00021"]);
  t.Zet(2, rij + 2, cat["AA00022"]);
  t.Zet(0, rij + 3, cat["AA00023"]);
  for (std::size_t k = 0; k < m.bestemmingen.size(); ++k) t.Zet(static_cast<int>(k) + 1, rij + 3, m.bestemmingen[k]);
  lijn(rij + 4);
  rij += 5;
  for (std::size_t r = 0; r < m.herkomsten.size(); ++r, ++rij) {
    t.Zet(0, rij, m.herkomsten[r] + " ");
    for (std::size_t k = 0; k < m.bestemmingen.size(); ++k) t.Zet(static_cast<int>(k) + 1, rij, cellen[r][k]);
  }
  lijn(rij);
  return rij + 1;
}

// The pairs of the travel-time table as data: one row per origin and destination with a
// line, its minimum and maximum (numbers as numbers; a field that is no whole number stays
// text). The post with itself and pairs without a line hold no values.
RapportGegevens DoorrijtijdenGegevens(const Matrices& m) {
  RapportGegevens g;
  g.Kolommen = {"origin", "destination", "minimum", "maximum"};
  for (std::size_t r = 0; r < m.herkomsten.size(); ++r)
    for (std::size_t k = 0; k < m.bestemmingen.size(); ++k) {
      const std::string& maximum = m.maximum[r][k];
      if (m.herkomsten[r] == m.bestemmingen[k] || (maximum.empty() && m.minimum[r][k].empty())) continue;
      g.Rijen.push_back({m.herkomsten[r], m.bestemmingen[k], GetalOfTekst(m.minimum[r][k]), GetalOfTekst(maximum)});
    }
  return g;
}

}  // namespace

std::optional<Rapport> RapportDoorrijtijden(const Context& ctx) {
  if (ctx.project.Postlijst.size() < 2) return std::nullopt;
  const Catalogus& cat = ctx.catalogus;
  RapportBuffer buffer;
  BovensteGedeelteRapport(buffer, ctx);
  buffer.RegelToevoegen(cat["AA00014"]);
  if (ctx.instellingen.RapportInformatieOverInhoudWeergeven) {
    buffer.RegelToevoegen("");
    buffer.RegelToevoegen(cat["AA00015"]);
  }

  const Matrices m = MatricesVullen(ctx.project);
  const int r = static_cast<int>(m.herkomsten.size());
  RapportTabel& t = buffer.HoofdStringGrid;
  t.AantallenZetten(static_cast<int>(m.bestemmingen.size()) + 1, 2 * r + 13);
  t.LeegMaken();
  static const char* const minimaal[4] = {"AA00016", "AA00017", "AA00018", "AA00019"};
  static const char* const maximaal[4] = {"AA00024", "AA00025", "AA00026", "AA00027"};
  const int leeg = MatrixSchrijven(t, 0, ctx, m, m.minimum, minimaal);
  MatrixSchrijven(t, leeg + 1, ctx, m, m.maximum, maximaal);
  HoofdStringGridNaarHoofdRichEdit(buffer);

  Rapport rapport = RapportAfsluiten(buffer, ctx, Rapportsoort::Doorrijtijden, cat["AA00028"], MetTabel::Ja);
  rapport.Gegevens = DoorrijtijdenGegevens(m);
  return rapport;
}

}  // namespace morvask
