#pragma once
// The origin-destination matrix ("DHB": doorgaand, herkomst, bestemming): through traffic
// between cordon posts, with the destination traffic of each inbound post and the origin
// traffic of each outbound post; with the routematrix option the intermediate posts join
// rows and columns and only the through traffic is shown.

#include <string>
#include <string_view>
#include <vector>

#include "core/project.h"
#include "reports/report.h"

namespace morvask {

struct Context;
struct RVergelijkingsgegevens;

// Whether an hhmm time lies in the period: from <= t < until, t read as a whole number; a
// time that is not a whole number lies in no period.
bool TijdBinnenPeriode(std::string_view tijd, int vanaf, int tot);

// The post type by the 6th character of the code ("i", "u", "1", "2"), 0 without one.
char Posttype(std::string_view postcode);

// The counts of the matrix, before totals.
struct RDHBTelling {
  std::vector<std::string> Herkomstposten;     // rows: "i" posts (routematrix: also "1", "2")
  std::vector<std::string> Bestemmingsposten;  // columns: "u" posts (routematrix: also "1", "2")
  std::vector<std::vector<int>> Doorgaand;     // [row][column]
  std::vector<int> Bestemming;                 // per row ("Bestem")
  std::vector<int> Herkomst;                   // per column ("Herkom")
};

// Counts the routes and non-routes in the order that decides where each is counted: a route
// that starts at a row post and ends at a column post is through traffic whatever its
// times; otherwise destination traffic of its first post when that is a row post and its
// first time lies in the period; otherwise origin traffic of its last post when that is a
// column post and its last time lies in the period; otherwise nowhere. A non-route counts at
// the row of its post, else at its column, when its time lies in the period. Linear in the
// number of lines.
RDHBTelling DHBTellen(const std::vector<std::string>& routes, const std::vector<std::string>& nietRoutes,
                      const std::vector<RWaarnemingspost>& posten, bool routematrix, int vanaf, int tot);

// The share of a value in a total in whole percent, halves to even ("12" for 1 of 8).
std::string Percentage(long long waarde, long long totaal);

// The DHB matrix report (RapportDHBmatrix) over the route and non-route lists, with the
// period of the match file's settings: header, title line ("Routematrix." with the option),
// settings block, explanation, the percentage line (not with the option, and only with trips),
// the table and the footer. Titled "DHB-matrix" (AA00151), the table handed over for CSV.
// Its data: origin, destination, count for every cell of the matrix; without the option also
// one row per origin with an empty destination (its "Bestem") and one per destination with an
// empty origin (its "Herkom"), so that the counts add up to all trips.
Rapport RapportDHBmatrix(RapportBuffer& buffer, const Context& ctx, const RVergelijkingsgegevens& gegevens,
                         bool routematrix);

}  // namespace morvask
