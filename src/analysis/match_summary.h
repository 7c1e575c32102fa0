#pragma once
// A match file in numbers, for a word after the run: the routes found in each iteration, the
// non-routes, and whether the run was interrupted.

#include <optional>
#include <vector>

#include "analysis/match_file_reader.h"
#include "analysis/match_file_writer.h"

namespace morvask {

struct RIteratieRoutes {
  // The iteration by the word of its heading; nothing for the one pass of a run that is not
  // iterative (its match check has no heading).
  std::optional<Iteratiesoort> Soort;
  int Routes = 0;
};

struct RMatchSamenvatting {
  std::vector<RIteratieRoutes> Iteraties;  // in the order they ran, those without routes too
  int Routes = 0;
  int NietRoutes = 0;
  bool Onderbroken = false;  // MiInterruptByUser
};

// Counts the file's routes per iteration: a route of n posts was built in one iteration and
// left its n - 1 pair lines together in that iteration's part of the match check, so the
// routes, taken in their order, use up the pair lines of the iterations in theirs.
RMatchSamenvatting MatchbestandSamenvatten(const RMatchbestand& bestand);

}  // namespace morvask
