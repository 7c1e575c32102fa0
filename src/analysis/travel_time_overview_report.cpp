#include "analysis/travel_time_overview_report.h"

#include <unordered_map>

#include "analysis/comparison_lists.h"
#include "analysis/od_matrix_report.h"
#include "core/text_utils.h"

namespace morvask {

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

}  // namespace morvask
