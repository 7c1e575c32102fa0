#pragma once
// The matching run of the comparison window: follows every vehicle from post to post through
// the survey network and writes the routes, the match check and the non-routes to the match
// file.
//
// The registrations are taken in time order; a route starts at a sighting at a post where
// traffic can enter ("-ki", "-t1", "-t2") and is extended greedily by the first later
// sighting of the same plate (by the plate comparison of that iteration) at a post that can
// follow ("-t1", "-t2", or a final "-ku") within the pair's travel times, until the vehicle
// leaves or no later sighting qualifies. Up to four iterations with ever looser comparison:
// exact plates, wildcards, swapped characters, different characters. A registration used in
// a route is gone for later routes and iterations.
//
// The search for the routes within an iteration is the indexed one (analysis/route_search.h);
// it finds exactly what a scan of every registration within the travel time finds.

#include <cstddef>
#include <optional>

#include "analysis/match_settings.h"
#include "analysis/route_search.h"
#include "base/context.h"
#include "core/settings.h"

namespace morvask {

// Runs the comparison with the window's settings on the open project and writes the match
// file named in the settings. In order:
//  - an existing file is overwritten only after the question "Bestand overschrijven?" is
//    answered with "&Overschrijven";
//  - the positions are paired and counted, the maxima lowered to the selected count;
//  - the data are checked: no registration may hold "Í" or "ß" (AA00163), and every
//    registration time (whole and both halves), every travel-time maximum and minimum and
//    the from and until fields must be whole numbers (the general error, naming the first
//    offending registration, after its line number as the registration file check gives
//    it, or the first offending line). On failure nothing is written and an existing match
//    file stays as it was;
//  - the file is created as a temporary sibling of the target (AA00006 when it cannot be);
//    the target is not touched yet;
//  - the run itself, with the progress window and its cancel button (the cancel flag is
//    cleared first; the pending messages are let through after every start search);
//  - the whole file is written into the sibling, also after an interruption (then
//    MiInterruptByUser=1), and renamed over the target only when complete. A run that is
//    killed or meets a full disk leaves the previous file as it was.
// The registration list is sorted and shrunk during the run and restored afterwards, order
// and fields included; the project is not marked changed. The memory clearing follows the
// program settings' MatchOpschoonWaarde. Returns true when the match file was written.
bool MatchUitvoeren(Context& ctx, RMatchInstellingen instellingen);

// The place in the list of the first registration whose time the run cannot read (not a
// whole number, or a half that is none), which stops the run; nothing when every time reads.
std::optional<std::size_t> OnleesbareRegistratietijd(const Project& project);
// The same with a given route search.
bool MatchUitvoeren(Context& ctx, RMatchInstellingen instellingen, Routezoeker& zoeker);

}  // namespace morvask
