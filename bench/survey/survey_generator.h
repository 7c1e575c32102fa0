#pragma once
// A synthetic licence-plate survey: cordon points (an inbound "-ki" and an outbound "-ku"
// post each) on a circle, intermediate points ("-t1"/"-t2" posts) inside it, travel times
// from the distances, and vehicles of through, origin, destination and local traffic with
// Dutch-style plates, realistic vehicle types and observation errors at chosen rates.
// The same seed gives the same survey.

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "core/project.h"

namespace morvask::bench {

struct OnderzoekInstellingen {
  std::uint32_t zaad = 1;
  int kordonpunten = 6;     // each gives NNN-ki and NNN-ku
  int tussenpunten = 2;     // each gives NNN-t1 and NNN-t2
  int registraties = 3000;  // about this many registrations
  int vanTijd = 700;        // period of the survey, hhmm
  int totTijd = 900;
  int waarnemingsinterval = 1;  // minutes
  double straal = 4.0;          // km, the cordon's radius
  double snelheid = 40.0;       // km/h, average speed in the area
  // Shares of the kinds of traffic (need not add up to 1; they are weights).
  double doorgaand = 0.45, herkomst = 0.2, bestemming = 0.2, lokaal = 0.15;
  double viaTussenpunt = 0.5;  // chance that a trip passes an intermediate point
  // Chance that a vehicle drives back later the same day (2 to 10 hours after it set out),
  // as commuters do: the same plate then appears on two trips. 0 keeps one trip per vehicle.
  double terugrit = 0.0;
  // Observation errors, per sighting.
  double gemist = 0.02;        // plate missed entirely: the missed-plate character
  double onleesbaar = 0.03;    // one character unreadable: the wildcard character
  double verwisseld = 0.02;    // two neighbouring characters swapped
  double verkeerd = 0.02;      // one character misread
  double overgeslagen = 0.03;  // sighting not noted at all
};

// Numbers of trips: through traffic per (inbound post, outbound post), origin traffic per
// outbound post ("" as inbound), destination traffic per inbound post ("" as outbound).
// Local traffic passes intermediate points only and is not counted here.
using HerkomstBestemming = std::map<std::tuple<std::string, std::string>, int>;

struct Onderzoek {
  Project project;
  // The true trips, by where they entered and left the cordon, whether observed or not.
  HerkomstBestemming ritten;
  // The trips the survey could observe: every sighting that lies in the period noted (none
  // skipped) and the plate at least partly read at each (none missed entirely); each counted
  // as its noted sightings show it, from its first post when that is inbound to its last
  // when that is outbound. A trip that the period cuts is thus counted by its part inside it
  // (a through trip that entered before the period is origin traffic of its outbound post).
  // A comparison that links every such trip and nothing else gives exactly these counts as
  // its origin-destination matrix.
  HerkomstBestemming waarneembaar;
};

// Builds the survey into a project: data record with the interval and description, posts,
// travel-time table (a sensible minimum and maximum for every pair, the U-turn at the
// first cordon point blocked), registrations in post order and, within a post, time order.
Onderzoek OnderzoekMaken(const OnderzoekInstellingen& instellingen);

// Both counts as text lines "kind;from;to;true;observable" under the header
// "soort;van;naar;werkelijk;waarneembaar", one line per pair that either count holds.
std::vector<std::string> RittenAlsTekst(const HerkomstBestemming& ritten, const HerkomstBestemming& waarneembaar);

}  // namespace morvask::bench
