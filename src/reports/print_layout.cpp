#include "reports/print_layout.h"

#include <algorithm>
#include <cmath>

#include "base/catalogue.h"
#include "reports/report_layout.h"

namespace morvask {

namespace {

// How many whole units fit into a length; at least one.
int Passend(double lengte, double eenheid) {
  if (eenheid <= 0.0) return 1;
  return std::max(1, static_cast<int>(std::floor(lengte / eenheid + 1e-9)));
}

// The printed lines of one report line: cut into pieces of the text width.
void Afbreken(const std::string& regel, std::size_t breedte, std::vector<std::string>& uit) {
  if (regel.size() <= breedte) {
    uit.push_back(regel);
    return;
  }
  for (std::size_t begin = 0; begin < regel.size(); begin += breedte) uit.push_back(regel.substr(begin, breedte));
}

}  // namespace

std::string TabsUitgevouwen(std::string_view regel) {
  std::string uit;
  uit.reserve(regel.size());
  for (const char c : regel) {
    if (c == '\t') {
      uit.append(Tabbreedte - uit.size() % Tabbreedte, ' ');
    } else {
      uit += c;
    }
  }
  return uit;
}

RAfdrukindeling Afdrukindeling(const std::vector<std::string>& regels, const RPapier& p, const RLettermaat& letter,
                               const Catalogus& catalogus) {
  RAfdrukindeling d;
  const double breedte = std::max(0.0, p.Breedte - p.MargeLinks - p.MargeRechts);
  const double tekstBoven = p.MargeBoven + p.KopHoogte + p.Tussenruimte;
  const double tekstOnder = p.Hoogte - p.MargeOnder - p.VoetHoogte - p.Tussenruimte;
  d.Tekstvlak = {p.MargeLinks, tekstBoven, breedte, std::max(0.0, tekstOnder - tekstBoven)};
  const double inspringing = std::min(p.KopInspringing, breedte / 2);
  d.Kopvlak = {p.MargeLinks + inspringing, p.MargeBoven, breedte - 2 * inspringing, p.KopHoogte};
  d.Voetvlak = {p.MargeLinks + inspringing, p.Hoogte - p.MargeOnder - p.VoetHoogte, breedte - 2 * inspringing,
                p.VoetHoogte};
  d.RegelsPerPagina = Passend(d.Tekstvlak.Hoogte, letter.Regelhoogte);
  d.TekensPerRegel = Passend(d.Tekstvlak.Breedte, letter.Tekenbreedte);

  std::vector<std::string> gedrukt;
  gedrukt.reserve(regels.size());
  for (const std::string& regel : regels)
    Afbreken(TabsUitgevouwen(regel), static_cast<std::size_t>(d.TekensPerRegel), gedrukt);

  const std::size_t perPagina = static_cast<std::size_t>(d.RegelsPerPagina);
  const std::size_t aantal = std::max<std::size_t>(1, (gedrukt.size() + perPagina - 1) / perPagina);
  const std::string kop = RapportTitelregel();
  const std::string totaal = std::to_string(aantal);
  d.Paginas.resize(aantal);
  for (std::size_t n = 0; n < aantal; ++n) {
    RAfdrukpagina& pagina = d.Paginas[n];
    const std::size_t begin = n * perPagina;
    const std::size_t eind = std::min(gedrukt.size(), begin + perPagina);
    pagina.Regels.assign(std::make_move_iterator(gedrukt.begin() + static_cast<std::ptrdiff_t>(std::min(begin, eind))),
                         std::make_move_iterator(gedrukt.begin() + static_cast<std::ptrdiff_t>(eind)));
    pagina.Kop = kop;
    pagina.Voet = catalogus.Vul("AA00004", {std::to_string(n + 1), totaal});
  }
  return d;
}

}  // namespace morvask
