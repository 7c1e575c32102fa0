#include "analysis/od_matrix_report.h"

#include <unordered_map>

#include "analysis/comparison_lists.h"
#include "core/text_utils.h"

namespace morvask {

namespace {

// Post code (trailing blanks removed) -> the first row or column that holds it.
using Postindex = std::unordered_map<std::string_view, std::size_t>;

std::size_t Zoek(const Postindex& index, std::string_view veld) {
  const auto it = index.find(ZonderSlotspaties(veld));
  return it == index.end() ? SIZE_MAX : it->second;
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

}  // namespace morvask
