#pragma once
// The straightforward route search: for every start, every later registration within the
// travel time is looked at in list order. It is the matching run's algorithm written to read
// as itself, kept as the reference the indexed search is held against (tests and benchmark).

#include <memory>

#include "analysis/route_search.h"

namespace morvask::test {

std::unique_ptr<Routezoeker> EenvoudigeRoutezoeker();

}  // namespace morvask::test
