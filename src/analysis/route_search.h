#pragma once
// The route building of one iteration of the matching run. The run itself (the checks, the
// preparation of the list, the iterations and their headers, the non-routes and the file) is
// one piece of code; the search for the routes within an iteration sits behind this
// interface. The program uses the indexed search; the tests hold it against the
// straightforward scan, which must give the very same routes and match check.

#include <memory>
#include <string_view>

#include "core/times.h"

#include "analysis/match_file_writer.h"
#include "analysis/plate_comparison.h"

namespace morvask {

class Gebruikersinterface;
struct Project;

// A route starts at a post where traffic enters or passes: "-ki", "-t1", "-t2".
inline bool IsStartpost(std::string_view post) {
  return post.ends_with("ki") || post.ends_with("t1") || post.ends_with("t2");
}

// A route continues at a post that traffic passes or leaves by: "-t1", "-t2", "-ku".
inline bool IsVervolgpost(std::string_view post) {
  return post.ends_with("t1") || post.ends_with("t2") || post.ends_with("ku");
}

// The minutes since midnight of a registration time. The checks before the run make every
// registration time readable; should one not be, it counts as midnight.
inline int RegistratieMinuten(std::string_view tijd) { return TijdNaarMinuten(tijd).value_or(0); }

// What one iteration works on and adds to.
struct RIteratieOpdracht {
  // The registration list, in the run's time order, without the registrations of routes of
  // earlier iterations; every tried mark cleared. The search marks, and may remove, used ones.
  Project& project;
  Gebruikersinterface& ui;                         // progress, messages, the cancel flag
  const RVergelijkingsInstellingen& vergelijking;  // this iteration's plate comparison
  bool blokkadesControleren;                       // the block check with the route's first post
  int opschoonwaarde;                              // MatchOpschoonWaarde, the memory clearing
  int& routesSindsOpschonen;                       // carries over from one iteration to the next
  int noemer;                                      // the progress bar's 100 %
  std::string_view eenheid;                        // " min   " (AA00166) for the match check
  RMatchResultaat& resultaat;                      // the routes and match-check lines are appended
};

// What every search does with a start it tries: the tried mark, the progress bar (the starts
// tried so far out of `noemer`) and the pending messages, through which the cancel button
// reaches the run.
void StartProberen(RIteratieOpdracht& opdracht, RRegistratie& start, int geprobeerd);

// Searches the routes of one iteration. In list order every registration at a start post
// ("-ki", "-t1", "-t2") that is neither used nor tried is tried once as a start: it is marked
// tried, counted on the progress bar and the pending messages are let through; the route is
// extended greedily by the first later registration, in list order, that is not used, lies at
// a post that can follow ("-t1", "-t2", "-ku"), has an equal plate and fits the pair's travel
// times and the block check; a "-ku" ends it. The scan for a route end stops after the first
// registration further away in time than the largest maximum travel time from the end's post.
// A route of two or more points is added with its match-check lines and its start marked
// used. After more than `opschoonwaarde` routes the used registrations are removed from the
// list, the tried marks kept. The search stops at the end of the list or when the cancel flag
// is raised.
class Routezoeker {
 public:
  virtual ~Routezoeker() = default;
  virtual void IteratieUitvoeren(RIteratieOpdracht& opdracht) = 0;
};

// The search the program uses: the candidates of a route end come from an index of the plates
// instead of a scan of every registration within the travel time.
std::unique_ptr<Routezoeker> SnelleRoutezoeker();

}  // namespace morvask
