#pragma once
// The comparison overview (every accepted pair of registrations per iteration) and the
// matrix of average travel times between posts, with its detail list.

#include <string>
#include <string_view>
#include <vector>

#include "core/project.h"
#include "reports/report.h"

namespace morvask {

struct Context;
struct RVergelijkingsgegevens;

// The travel time of a pair line (positions 53-56, blanks trimmed); 0 when it is not a whole
// number.
int PaarDoorrijtijd(std::string_view paarregel);

// The pairs of one origin-destination combination.
struct RDoorrijtijdRelatie {
  std::vector<std::string> Regels;  // the pair lines, in list order
  long long Som = 0;                // sum of their travel times
  int Aantal() const { return static_cast<int>(Regels.size()); }
  // The average in whole minutes, halves to even; only with at least one pair.
  long long Gemiddelde() const;
};

struct RGemiddeldeDoorrijtijden {
  std::vector<std::string> Herkomstposten;                 // rows: "i", "1" and "2" posts in list order
  std::vector<std::string> Bestemmingsposten;              // columns: "u", "1" and "2" posts in list order
  std::vector<std::vector<RDoorrijtijdRelatie>> Relaties;  // [row][column]
};

// Distributes the pair lines of the match-check list over the combinations: a line belongs
// to the first row whose post is its first post (1-6) and the first column whose post is its
// second post (27-32); iteration headings and empty lines are left out. Linear in the number
// of lines.
RGemiddeldeDoorrijtijden GemiddeldeDoorrijtijdenBepalen(const std::vector<std::string>& vergelijkingscontrole,
                                                        const std::vector<RWaarnemingspost>& posten);

// The comparison overview (RapportVergelijkingsoverzicht): header, "Vergelijkingsoverzicht.",
// the settings block, the match-check list between rules of 90 characters with its column
// heading, the legend and the footer. Titled "Vergelijkingscontrole" (AA00104).
Rapport RapportVergelijkingsoverzicht(RapportBuffer& buffer, const Context& ctx,
                                      const RVergelijkingsgegevens& gegevens);

// The average travel-time matrix (RapportDoorrijtijdenMatrix): header, title line, settings
// block, the table (a cell "-" where no pair was found), the footer explaining "-" and, with
// detaillijst, after the footer every combination with its pair lines, count and average,
// and the legend. Titled "Gemiddelde doorrijtijden" (AA00110), the table handed over. Its
// data: origin, destination, count (the pairs) and average for every cell, the average empty
// where the cell shows "-".
Rapport RapportDoorrijtijdenMatrix(RapportBuffer& buffer, const Context& ctx, const RVergelijkingsgegevens& gegevens,
                                   bool detaillijst);

}  // namespace morvask
