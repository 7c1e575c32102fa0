#pragma once
// The routes report (routes between posts, grouped by the posts they pass, with an optional
// detail list) and the non-routes report (registrations that belong to no route, counted
// per post, with an optional detail list).

#include <string>
#include <string_view>
#include <vector>

#include "core/project.h"
#include "reports/report.h"

namespace morvask {

struct Context;
struct RVergelijkingsgegevens;

// The " Weergave: " choice of the "Routes" tab.
enum class RouteWeergave {
  Alle,                     // "Alle r&outes weergeven"
  Kordon,                   // only routes from a "ki" post to a "ku" post
  AlleGeselecteerd,         // routes that hold every post marked Geselecteerd
  MinimaalEenGeselecteerd,  // routes that hold at least one marked post
};

struct RRoutesOpties {
  RouteWeergave Weergave = RouteWeergave::Alle;
  bool OpAantal = false;  // " Sorteren: " by number of routes instead of by first post
  bool Aflopend = false;  // reverse the order; only with OpAantal
  bool Detaillijst = false;
};

// The route lines that the display choice keeps, in their order. The selection by posts
// looks for each marked post's code anywhere in the line.
std::vector<std::string> RoutesSelecteren(const std::vector<std::string>& routes, RouteWeergave weergave,
                                          const std::vector<RWaarnemingspost>& posten);

// One group of routes over the same posts.
struct RRoutegroep {
  std::string Postdeel;  // the post part, final blank included
  int Aantal = 0;
};

// Groups the routes by post part (case-insensitively equal post parts form one group, shown
// by the first of them), in ascending case-insensitive order of the post part; with
// OpAantal then ordered by count (ties by post part), reversed with Aflopend.
std::vector<RRoutegroep> RoutesGroeperen(const std::vector<std::string>& routes, const RRoutesOpties& opties);

// The detail line of a route: the final "ß" and "Í" dropped, every other "ß" shown as " ; ".
std::string RouteDetailregel(std::string_view route);

// One group of non-routes at the same post.
struct RNietRoutegroep {
  std::string Postcode;  // the first 6 characters of the line
  int Aantal = 0;
};

// Groups the non-route lines by their post code (characters 1-6), in ascending
// case-insensitive order.
std::vector<RNietRoutegroep> NietRoutesGroeperen(const std::vector<std::string>& nietRoutes);

// The routes report (RapportRoutes): header, "Routes tussen waarnemingsposten.", the settings
// block, the explanation when the settings ask for it, the table of route groups with their
// total and, with Detaillijst, every selected route as a detail line in case-insensitive
// order with the numbers of routes and registrations; the footer. Titled "Routes". The route
// selection by posts uses the marks (Geselecteerd) of the project's posts. Its data: from,
// via (the posts in between, joined by blanks), to and count of every group, in the table's
// order.
Rapport RapportRoutes(RapportBuffer& buffer, const Context& ctx, const RVergelijkingsgegevens& gegevens,
                      const RRoutesOpties& opties);

// The non-routes report (RapportNietRoutes): the counts per post with their total and, with
// detaillijst, every non-route line in case-insensitive order with their number. Titled
// "Niet-Routes" (AA00161). Its data: post and count of every group.
Rapport RapportNietRoutes(RapportBuffer& buffer, const Context& ctx, const RVergelijkingsgegevens& gegevens,
                          bool detaillijst);

}  // namespace morvask
