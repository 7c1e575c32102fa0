#include "analysis/comparison_lists.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "base/catalogue.h"
#include "core/project.h"
#include "core/text_utils.h"

namespace morvask {

namespace {

// ASCII a-z upper-cased, every other byte as it is, as an unsigned byte.
inline unsigned char Gevouwen(char c) {
  const auto b = static_cast<unsigned char>(c);
  return (b >= 'a' && b <= 'z') ? static_cast<unsigned char>(b - ('a' - 'A')) : b;
}

// Whether the text holds the word (given in capitals), ASCII letter case ignored.
bool BevatZonderHoofdletters(std::string_view tekst, std::string_view woordInHoofdletters) {
  const std::size_t n = woordInHoofdletters.size();
  if (n == 0) return true;
  const char eerste = woordInHoofdletters[0];
  for (std::size_t i = 0; i + n <= tekst.size(); ++i) {
    if (Gevouwen(tekst[i]) != static_cast<unsigned char>(eerste)) continue;
    std::size_t j = 1;
    while (j < n && Gevouwen(tekst[i + j]) == static_cast<unsigned char>(woordInHoofdletters[j])) ++j;
    if (j == n) return true;
  }
  return false;
}

}  // namespace

bool IsIteratiekopOfLeeg(std::string_view regel) {
  return regel.empty() || BevatZonderHoofdletters(regel, "ITERATION");
}

bool RVoertuigtypeKeuze::Geselecteerd(char c) const {
  const std::size_t i = Voertuigtypen.find(KleineLetter(c));
  return c != 0 && i != std::string_view::npos && Aan[i];
}

char TekenOp(std::string_view regel, std::size_t positie) {
  return positie >= 1 && positie <= regel.size() ? regel[positie - 1] : '\0';
}

bool RegelVoldoetAanVoertuigtype(int regeltype, std::string_view regel, const RVoertuigtypeKeuze& keuze) {
  switch (regeltype) {
    case RegeltypeVergelijking: {
      if (IsIteratiekopOfLeeg(regel)) return true;
      const int aantal = int{keuze.Geselecteerd(TekenOp(regel, 13))} + int{keuze.Geselecteerd(TekenOp(regel, 39))};
      return keuze.Meerderheid ? aantal == 2 : aantal >= 1;
    }
    case RegeltypeNietRoute:
      return keuze.Geselecteerd(TekenOp(regel, 13));
    case RegeltypeRoute: {
      const std::size_t n = AantalRoutePosten(regel);
      std::size_t aantal = 0;
      // The type is the 6th character after each "ß"; the end mark's "ß" has none after it.
      for (std::size_t i = regel.find(Routescheidingsteken); i != std::string_view::npos;
           i = regel.find(Routescheidingsteken, i + 1))
        if (i + 6 < regel.size() && keuze.Geselecteerd(regel[i + 6])) ++aantal;
      return keuze.Meerderheid ? 2 * aantal > n : aantal >= 1;
    }
    default:
      return false;
  }
}

std::string IteratiekopHerschrijven(std::string_view regel, const Catalogus& catalogus) {
  static constexpr std::pair<std::string_view, std::string_view> kTeksten[] = {
      {"THESAMELICENSENUMBERS", "AA00140"},
      {"WITHWILDCARDS", "AA00141"},
      {"CHANGEDCHARACTERS", "AA00142"},
      {"DIFFERENTCHARACTERS", "AA00143"},
  };
  for (const auto& [woord, sleutel] : kTeksten)
    if (BevatZonderHoofdletters(regel, woord)) return std::string(regel.substr(0, 13)) + catalogus[sleutel];
  return std::string(regel);
}

std::vector<std::string> VergelijkingscontroleStringListVullen(const RMatchbestand& bestand,
                                                               const RVoertuigtypeKeuze& keuze,
                                                               const Catalogus& catalogus) {
  std::vector<std::string> lijst;
  for (const std::string_view regel : bestand.Vergelijkingscontrole) {
    std::string herschreven = IteratiekopHerschrijven(regel, catalogus);
    if (RegelVoldoetAanVoertuigtype(RegeltypeVergelijking, herschreven, keuze)) lijst.push_back(std::move(herschreven));
  }
  return lijst;
}

std::vector<std::string> RoutesStringListVullen(const RMatchbestand& bestand, const RVoertuigtypeKeuze& keuze) {
  std::vector<std::string> lijst;
  for (const std::string_view regel : bestand.Routes)
    if (!regel.empty() && RegelVoldoetAanVoertuigtype(RegeltypeRoute, regel, keuze)) lijst.emplace_back(regel);
  return lijst;
}

std::vector<std::string> NonRoutesStringListVullen(const RMatchbestand& bestand, const RVoertuigtypeKeuze& keuze) {
  std::vector<std::string> lijst;
  for (const std::string_view regel : bestand.NietRoutes)
    if (!regel.empty() && RegelVoldoetAanVoertuigtype(RegeltypeNietRoute, regel, keuze)) lijst.emplace_back(regel);
  return lijst;
}

RVergelijkingslijsten VergelijkingslijstenVullen(const RMatchbestand& bestand, const RVoertuigtypeKeuze& keuze,
                                                 const Catalogus& catalogus) {
  RVergelijkingslijsten l;
  l.Vergelijkingscontrole = VergelijkingscontroleStringListVullen(bestand, keuze, catalogus);
  l.Routes = RoutesStringListVullen(bestand, keuze);
  l.NietRoutes = NonRoutesStringListVullen(bestand, keuze);
  return l;
}

std::string_view RoutePostdeel(std::string_view regel) {
  return regel.substr(0, std::min(regel.find(Routescheidingsteken), regel.size()));
}

std::size_t AantalRoutePosten(std::string_view regel) { return (RoutePostdeel(regel).size() + 3) / 7; }

std::string_view RouteEerstePost(std::string_view regel) { return Deel(regel, 1, 6); }

std::string_view RouteLaatstePost(std::string_view regel) {
  const std::size_t ss = regel.find(Routescheidingsteken);
  if (ss == std::string_view::npos || ss < 7) return {};
  return regel.substr(ss - 7, 6);
}

std::string_view RouteEersteTijd(std::string_view regel) {
  const std::size_t ss = regel.find(Routescheidingsteken);
  if (ss == std::string_view::npos) return {};
  return regel.substr(ss + 1, 4);
}

std::string_view RouteLaatsteTijd(std::string_view regel) {
  const std::size_t eind = regel.rfind(Routeeindteken);
  if (eind == std::string_view::npos || eind < 14) return {};
  return regel.substr(eind - 14, 4);
}

std::string_view ZonderSlotspaties(std::string_view veld) {
  while (!veld.empty() && veld.back() == ' ') veld.remove_suffix(1);
  return veld;
}

bool PostveldIs(std::string_view veld, std::string_view postcode) {
  return ZonderSlotspaties(veld) == ZonderSlotspaties(postcode);
}

bool KleinerZonderHoofdletters(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char x = Gevouwen(a[i]);
    const unsigned char y = Gevouwen(b[i]);
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

std::string Sorteertekst(std::string_view tekst) {
  std::string uit(tekst);
  for (char& c : uit) c = static_cast<char>(Gevouwen(c));
  return uit;
}

std::vector<std::size_t> VolgordeZonderHoofdletters(const std::vector<std::string_view>& teksten) {
  // Every text is folded once into one shared buffer (no text of its own per line). Each
  // entry carries its first eight folded bytes as one number, most significant first, so
  // most comparisons never look into the buffer; equal texts are ordered by their index,
  // which makes the order the stable one.
  struct Item {
    std::uint64_t begin;  // the first eight folded bytes; 0 past the end of a short text
    std::size_t positie;  // of the folded text in the buffer
    std::size_t lengte;
    std::size_t index;
  };
  std::size_t totaal = 0;
  for (std::string_view t : teksten) totaal += t.size();
  std::string gevouwen;
  gevouwen.reserve(totaal);
  std::vector<Item> items(teksten.size());
  for (std::size_t i = 0; i < teksten.size(); ++i) {
    const std::string_view t = teksten[i];
    Item& item = items[i];
    item = {0, gevouwen.size(), t.size(), i};
    for (std::size_t j = 0; j < t.size(); ++j) {
      const unsigned char c = Gevouwen(t[j]);
      gevouwen += static_cast<char>(c);
      if (j < 8) item.begin |= std::uint64_t{c} << (8 * (7 - j));
    }
  }
  const char* buffer = gevouwen.data();
  std::sort(items.begin(), items.end(), [buffer](const Item& a, const Item& b) {
    if (a.begin != b.begin) return a.begin < b.begin;
    // A text shorter than eight bytes may end in a zero byte its padding hides: compare whole.
    const int v = std::memcmp(buffer + a.positie, buffer + b.positie, std::min(a.lengte, b.lengte));
    if (v != 0) return v < 0;
    if (a.lengte != b.lengte) return a.lengte < b.lengte;
    return a.index < b.index;
  });
  std::vector<std::size_t> volgorde;
  volgorde.reserve(items.size());
  for (const Item& item : items) volgorde.push_back(item.index);
  return volgorde;
}

void SorterenZonderHoofdletters(std::vector<std::string>& regels) {
  const std::vector<std::size_t> volgorde = VolgordeZonderHoofdletters({regels.begin(), regels.end()});
  std::vector<std::string> gesorteerd;
  gesorteerd.reserve(regels.size());
  for (std::size_t i : volgorde) gesorteerd.push_back(std::move(regels[i]));
  regels = std::move(gesorteerd);
}

long long AfrondenNaarEven(long long waarde, long long deler) {
  if (deler == 0) return 0;
  if (deler < 0) {
    waarde = -waarde;
    deler = -deler;
  }
  long long q = waarde / deler;
  long long r = waarde % deler;  // same sign as waarde
  if (r < 0) {
    --q;
    r += deler;
  }
  // Now waarde = q * deler + r with 0 <= r < deler.
  if (2 * r > deler || (2 * r == deler && q % 2 != 0)) ++q;
  return q;
}

}  // namespace morvask
