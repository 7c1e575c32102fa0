#pragma once
// Operations over the open project's lists: counts, the earliest and latest time, lookups in
// the travel-time table, the six sort orders of the registration list, its conversion to
// text lines and back and the purge of the matching run.
//
// Plain functions over one project; none keeps state, prints or throws. Code comparisons are
// exact and case-sensitive. Every operation is linear in the size of its list, the sort is
// n log n, so a survey of a million registrations stays quick.
//
// Unreadable numbers. The time conversion and the travel-time lookups need whole numbers: the
// two halves of an hhmm time, and the maximum and minimum of a travel-time line. When a value
// a lookup needs is not a whole number, the lookup returns an empty std::optional and shows
// nothing; the calling command reports the failure (the program's general error message) and
// ends. A command that must not stop half-way checks beforehand: DoorrijtijdenVanRegel for
// every line of the table and TijdNaarMinuten(...).has_value() for each time it will compare.
// When both hold, no lookup below returns empty.
// Note on std::optional<bool>: test the answer with `== true` (or value_or(false)); a plain
// `if (antwoord)` only asks whether there is an answer.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/project.h"

namespace morvask {

// ---- Counts -------------------------------------------------------------------------------

// Every registration of the project.
int AantalRegistraties(const Project& project);
// Registrations whose vehicle type equals the letter (exactly: "A" is not "a").
int AantalRegistraties(const Project& project, std::string_view voertuigtype);
// Registrations whose post equals the code.
int AantalRegistratiesVanPost(const Project& project, std::string_view postcode);
// The kinds of post the counts tell apart, by positions 5-6 of the code.
enum class Postsoort {
  Alle,                 // every post
  Ingaand,              // the "ki" posts
  Uitgaand,             // the "ku" posts
  Tussen,               // the "t1" and "t2" posts
  IngaandMaalUitgaand,  // the number of "ki" posts times the number of "ku" posts
};
int AantalPosten(const Project& project, Postsoort soort = Postsoort::Alle);
// The smallest and the largest whole-number value of the registration times (0815 is 815),
// over the registrations whose time is a whole number; 0 when there is none.
int VroegsteTijd(const Project& project);
int LaatsteTijd(const Project& project);

// ---- Travel-time table ----------------------------------------------------------------------
// A line holds the origin in positions 1-6, the destination in 8-13, the maximum in 15-18 and
// the minimum in 20-23, the numbers trimmed of spaces. A minimum that is missing (a line
// shorter than 20) or blank counts as 0. A maximum of 0 blocks the pair. Of several lines for
// one pair the first counts.

struct RDoorrijtijden {
  int Maximum = 0;
  int Minimum = 0;
};

// The maximum and minimum of one line; empty when either is not a whole number.
std::optional<RDoorrijtijden> DoorrijtijdenVanRegel(std::string_view regel);
// The maximum of one line alone; empty when it is not a whole number.
std::optional<int> MaximumVanRegel(std::string_view regel);
// The pair of one line: the origin and destination post codes as they stand in it.
std::string_view HerkomstVanRegel(std::string_view regel);
std::string_view BestemmingVanRegel(std::string_view regel);

// The largest maximum among the lines whose origin equals the code, or among all lines for
// "*"; 0 when no line qualifies. Empty when one of those maxima is unreadable.
std::optional<int> GrootsteMaximaleDoorrijtijd(const Project& project, std::string_view van);

// The sum of every maximum and every minimum of the table, in decimal: the fingerprint by
// which a match file notices that the travel times changed. Empty when a number is unreadable.
std::optional<std::string> SomDoorrijtijden(const Project& project);

// ---- Sorting --------------------------------------------------------------------------------
// Order codes:
//   "KTP"        plate, time, post type, post, vehicle type
//   "PTK"        post, time, plate, vehicle type
//   "TPK"        time, post, plate, vehicle type
//   "TPtPnrKV"   time, post type ("-ki" < "-ku" < "-t1" < "-t2"), post number, plate, type
//   "TPt2PnrKV"  time, post type in route order (ki, t1, t2, ku; any other type last), post
//                number, plate, vehicle type - the order of the matching run
//   "VPT"        vehicle type, post, time, plate
// Each registration gets a key line with every field padded with spaces to its width (post 6,
// time 4, type 1, plate 6), so the fields keep their columns whatever their length; the keys
// are compared byte by byte with the letters a-z taken as A-Z. The sort is stable: equal keys
// keep their list order.

// The key line of one registration for an order code (letter case as in the registration);
// empty for an unknown code.
std::optional<std::string> Sorteersleutel(const RRegistratie& registratie, std::string_view volgorde);

// Re-orders the registration list. Every registration comes back with its plate without
// spaces ("AB 12" becomes "AB12") and both status flags cleared; the other fields come back as
// they were (a field shorter than its width loses trailing spaces, the padding of its key).
// An empty list is left alone. Returns false, leaving the list untouched, for an unknown code.
bool RegistratiesSorteren(Project& project, std::string_view volgorde);

// ---- Text form ------------------------------------------------------------------------------

// Replaces the caller's text list with one registration line per registration, in list order.
void RegistratiesNaarTekst(const Project& project, std::vector<std::string>& tekst);
// Clears the registration list and rebuilds it from the text list: every non-empty line gives
// a registration cut at positions 1-6, 8-11, 13 and 15-20, letter case unchanged, flags cleared.
void RegistratiesUitTekst(Project& project, const std::vector<std::string>& tekst);

// ---- Purges of the matching run -------------------------------------------------------------

// Removes every registration marked used; the others keep their order and end up with both
// status flags cleared.
void GebruikteVerwijderen(Project& project);

}  // namespace morvask
