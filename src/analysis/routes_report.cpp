#include "analysis/routes_report.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <utility>

#include "analysis/comparison_lists.h"
#include "analysis/comparison_settings_text.h"
#include "base/context.h"
#include "core/project.h"
#include "core/settings.h"
#include "core/text_utils.h"
#include "reports/report_layout.h"

namespace morvask {

namespace {

bool IsKordonroute(std::string_view route) {
  std::string_view posten = RoutePostdeel(route);
  if (!posten.empty() && posten.back() == ' ') posten.remove_suffix(1);
  return Deel(route, 5, 2) == "ki" && posten.size() >= 2 && posten.substr(posten.size() - 2) == "ku";
}

// Hashing and equality of texts as the case-insensitive order sees them (ASCII a-z as A-Z).
struct GevouwenHash {
  std::size_t operator()(std::string_view t) const {
    std::uint64_t h = 14695981039346656037ULL;  // FNV-1a
    for (const char c : t) {
      h ^= static_cast<unsigned char>(GroteLetter(c));
      h *= 1099511628211ULL;
    }
    return static_cast<std::size_t>(h);
  }
};
struct GevouwenGelijk {
  bool operator()(std::string_view a, std::string_view b) const { return GelijkZonderHoofdletters(a, b); }
};

// Groups texts that are equal but for ASCII letter case, in ascending case-insensitive order;
// each group is shown by its first text in list order (where a stable sort puts it) and
// counts its texts. Linear hashing (on the texts themselves, which outlive the index) plus a
// sort of the distinct texts only.
template <typename Groep>
std::vector<Groep> Groeperen(const std::vector<std::string_view>& teksten) {
  std::unordered_map<std::string_view, std::size_t, GevouwenHash, GevouwenGelijk> index;
  std::vector<Groep> groepen;
  std::vector<std::string_view> eerste;
  for (std::string_view t : teksten) {
    const auto [it, nieuw] = index.try_emplace(t, groepen.size());
    if (nieuw) {
      groepen.push_back({std::string(t), 0});
      eerste.push_back(t);
    }
    ++groepen[it->second].Aantal;
  }
  std::vector<Groep> geordend;
  geordend.reserve(groepen.size());
  for (std::size_t i : VolgordeZonderHoofdletters(eerste)) geordend.push_back(std::move(groepen[i]));
  return geordend;
}

std::string Getal(long long n) { return std::to_string(n); }

// The route lines that the display choice keeps, as views into the list.
std::vector<std::string_view> RoutesKiezen(const std::vector<std::string>& routes, RouteWeergave weergave,
                                           const std::vector<RWaarnemingspost>& posten) {
  std::vector<std::string_view> gemarkeerd;
  for (const RWaarnemingspost& p : posten)
    if (p.Geselecteerd) gemarkeerd.push_back(p.Postcode.view());
  const auto bevat = [](std::string_view route, std::string_view code) {
    return route.find(code) != std::string_view::npos;
  };

  std::vector<std::string_view> uit;
  uit.reserve(routes.size());
  for (const std::string& route : routes) {
    bool houden = true;
    switch (weergave) {
      case RouteWeergave::Alle:
        break;
      case RouteWeergave::Kordon:
        houden = IsKordonroute(route);
        break;
      case RouteWeergave::AlleGeselecteerd:
        houden = std::all_of(gemarkeerd.begin(), gemarkeerd.end(), [&](std::string_view c) { return bevat(route, c); });
        break;
      case RouteWeergave::MinimaalEenGeselecteerd:
        houden = std::any_of(gemarkeerd.begin(), gemarkeerd.end(), [&](std::string_view c) { return bevat(route, c); });
        break;
    }
    if (houden) uit.push_back(route);
  }
  return uit;
}

std::vector<RRoutegroep> RoutegroepenMaken(const std::vector<std::string_view>& routes, const RRoutesOpties& opties) {
  std::vector<std::string_view> delen;
  delen.reserve(routes.size());
  for (std::string_view r : routes) delen.push_back(RoutePostdeel(r));
  std::vector<RRoutegroep> groepen = Groeperen<RRoutegroep>(delen);

  if (opties.OpAantal) {
    // Ordered by the count padded to ten digits followed by the entry, so equal counts stay
    // in post-part order.
    std::vector<std::string> sleutels;
    sleutels.reserve(groepen.size());
    for (const RRoutegroep& g : groepen) {
      const std::string aantal = std::to_string(g.Aantal);
      sleutels.push_back(std::string(aantal.size() < 10 ? 10 - aantal.size() : 0, '0') + aantal + "^" + g.Postdeel +
                         Routescheidingsteken + aantal);
    }
    std::vector<RRoutegroep> geordend;
    geordend.reserve(groepen.size());
    for (std::size_t i : VolgordeZonderHoofdletters({sleutels.begin(), sleutels.end()}))
      geordend.push_back(std::move(groepen[i]));
    groepen = std::move(geordend);
    if (opties.Aflopend) std::reverse(groepen.begin(), groepen.end());
  }
  return groepen;
}

// The route groups as data: the first post, the posts in between (joined by blanks) and the
// last post of each group's post part, in the report's order, with its count.
RapportGegevens RoutegroepenGegevens(const std::vector<RRoutegroep>& groepen) {
  RapportGegevens g;
  g.Kolommen = {"from", "via", "to", "count"};
  for (const RRoutegroep& groep : groepen) {
    std::vector<std::string> posten;
    for (std::size_t i = 0; i < AantalRoutePosten(groep.Postdeel); ++i)
      posten.emplace_back(ZonderSlotspaties(Deel(groep.Postdeel, 7 * i + 1, 6)));
    std::string via;
    for (std::size_t i = 1; i + 1 < posten.size(); ++i) via += (via.empty() ? "" : " ") + posten[i];
    g.Rijen.push_back({posten.empty() ? std::string() : posten.front(), via,
                       posten.size() < 2 ? std::string() : posten.back(), groep.Aantal});
  }
  return g;
}

}  // namespace

std::vector<std::string> RoutesSelecteren(const std::vector<std::string>& routes, RouteWeergave weergave,
                                          const std::vector<RWaarnemingspost>& posten) {
  const std::vector<std::string_view> gekozen = RoutesKiezen(routes, weergave, posten);
  return {gekozen.begin(), gekozen.end()};
}

std::vector<RRoutegroep> RoutesGroeperen(const std::vector<std::string>& routes, const RRoutesOpties& opties) {
  return RoutegroepenMaken(std::vector<std::string_view>(routes.begin(), routes.end()), opties);
}

std::string RouteDetailregel(std::string_view route) {
  // A complete line ends in "ßÍ"; a damaged one loses only the marks it has.
  if (!route.empty() && route.back() == Routeeindteken) route.remove_suffix(1);
  if (!route.empty() && route.back() == Routescheidingsteken) route.remove_suffix(1);
  std::string uit;
  uit.reserve(route.size() + 32);
  for (const char c : route) {
    if (c == Routescheidingsteken)
      uit += " ; ";
    else
      uit += c;
  }
  return uit;
}

std::vector<RNietRoutegroep> NietRoutesGroeperen(const std::vector<std::string>& nietRoutes) {
  std::vector<std::string_view> codes;
  codes.reserve(nietRoutes.size());
  for (const std::string& r : nietRoutes) codes.push_back(std::string_view(r).substr(0, 6));
  return Groeperen<RNietRoutegroep>(codes);
}

Rapport RapportRoutes(RapportBuffer& buffer, const Context& ctx, const RVergelijkingsgegevens& gegevens,
                      const RRoutesOpties& opties) {
  const Catalogus& cat = ctx.catalogus;
  VergelijkingsrapportKop(buffer, ctx, cat["AA00152"], gegevens);
  if (ctx.instellingen.RapportInformatieOverInhoudWeergeven) buffer.RegelToevoegen(cat["AA00153"]);

  const std::vector<std::string_view> routes =
      RoutesKiezen(gegevens.Lijsten.Routes, opties.Weergave, ctx.project.Postlijst);
  const std::vector<RRoutegroep> groepen = RoutegroepenMaken(routes, opties);

  // The route column holds the longest entry (post part, "ß" and count), at least 5 columns.
  std::size_t breedte = 35;
  long long totaal = 0;
  for (const RRoutegroep& g : groepen) {
    breedte = std::max(breedte, g.Postdeel.size() + 1 + Getal(g.Aantal).size());
    totaal += g.Aantal;
  }
  const int w = static_cast<int>(breedte);
  const std::string lijn = Lijn(ctx.instellingen, w) + Lijneenheid(ctx.instellingen);
  const auto tabelregel = [w](std::string_view links, std::string_view rechts) {
    return TekstUitlijnen("L", links, " ", w) + TekstUitlijnen("R", rechts, " ", RapportKolombreedte);
  };
  buffer.RegelToevoegen(lijn);
  buffer.RegelToevoegen(tabelregel(cat["AA00154"], cat["AA00155"]));
  buffer.RegelToevoegen(lijn);
  for (const RRoutegroep& g : groepen) buffer.RegelToevoegen(tabelregel(g.Postdeel, Getal(g.Aantal)));
  buffer.RegelToevoegen(lijn);
  buffer.RegelToevoegen(tabelregel(cat["AA00067"], Getal(totaal)));
  buffer.RegelToevoegen(lijn);

  if (opties.Detaillijst) {
    for (int i = 0; i < 3; ++i) buffer.RegelToevoegen("");
    buffer.RegelToevoegen(cat["AA00156"]);
    std::vector<std::string> details;
    details.reserve(routes.size());
    std::size_t langste = 0;
    long long registraties = 0;
    for (const std::string_view r : routes) {
      details.push_back(RouteDetailregel(r));
      langste = std::max(langste, details.back().size());
      registraties += static_cast<long long>(AantalRoutePosten(r));
    }
    SorterenZonderHoofdletters(details);
    const std::string detaillijn = Lijn(ctx.instellingen, static_cast<int>(langste));
    const std::size_t aantalRoutes = details.size();
    buffer.RegelToevoegen(detaillijn);
    buffer.RegelsOvernemen(std::move(details));
    buffer.RegelToevoegen(detaillijn);
    buffer.RegelToevoegen(cat.Vul("AA00157", {Getal(static_cast<long long>(aantalRoutes))}));
    buffer.RegelToevoegen(cat.Vul("AA00158", {Getal(registraties)}));
    buffer.RegelToevoegen(detaillijn);
  }

  Rapport rapport = RapportAfsluiten(buffer, ctx, Rapportsoort::Geen, "Routes");
  rapport.Gegevens = RoutegroepenGegevens(groepen);
  return rapport;
}

Rapport RapportNietRoutes(RapportBuffer& buffer, const Context& ctx, const RVergelijkingsgegevens& gegevens,
                          bool detaillijst) {
  const Catalogus& cat = ctx.catalogus;
  const std::vector<std::string>& lijst = gegevens.Lijsten.NietRoutes;
  VergelijkingsrapportKop(buffer, ctx, cat["AA00159"], gegevens);

  const std::string s1 = Lijn(ctx.instellingen, 2 * RapportKolombreedte);
  const auto regel = [](std::string_view links, long long aantal) {
    return TekstUitlijnen("L", links, " ", RapportKolombreedte) +
           TekstUitlijnen("R", Getal(aantal), " ", RapportKolombreedte);
  };
  buffer.RegelToevoegen(s1);
  RapportGegevens perPost;
  perPost.Kolommen = {"post", "count"};
  for (const RNietRoutegroep& g : NietRoutesGroeperen(lijst)) {
    buffer.RegelToevoegen(regel(g.Postcode, g.Aantal));
    perPost.Rijen.push_back({std::string(ZonderSlotspaties(g.Postcode)), g.Aantal});
  }
  buffer.RegelToevoegen(s1);
  buffer.RegelToevoegen(regel(cat["AA00067"], static_cast<long long>(lijst.size())));
  buffer.RegelToevoegen(s1);

  if (detaillijst) {
    for (int i = 0; i < 3; ++i) buffer.RegelToevoegen("");
    buffer.RegelToevoegen(cat["AA00109"]);
    const std::string s2 = Lijn(ctx.instellingen, 20);
    buffer.RegelToevoegen(s2);
    std::vector<std::string> gesorteerd = lijst;
    SorterenZonderHoofdletters(gesorteerd);
    buffer.RegelsOvernemen(std::move(gesorteerd));
    buffer.RegelToevoegen(s2);
    buffer.RegelToevoegen(cat["AA00160"] + " " + Getal(static_cast<long long>(lijst.size())));
    buffer.RegelToevoegen(s2);
  }

  Rapport rapport = RapportAfsluiten(buffer, ctx, Rapportsoort::Geen, cat["AA00161"]);
  rapport.Gegevens = std::move(perPost);
  return rapport;
}

}  // namespace morvask
