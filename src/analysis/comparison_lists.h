#pragma once
// The three line lists of the comparison reports, filled from a read match file through the
// vehicle-type filter, and the small pieces every comparison report cuts its lines with.
//
// Line layouts (positions from 1):
//   route line      "001-ki 002-ku ß0815 a 12ABC3ß0820 a 12ABC3ßÍ": 7 characters per post
//                   before the first "ß", then per registration "ß" + time, type, plate
//                   (13 characters), a final "ß" and the end mark "Í";
//   match-check     first post 1-6, time 8-11, type 13, second post 27-32, time 34-37,
//                   type 39, travel time 53-56; iteration headings and empty lines between;
//   non-route line  post 1-6, time 8-11, type 13, plate from 15.
// Every cut is bounds-checked: a line shorter than a position simply has nothing there.

#include <string>
#include <string_view>
#include <vector>

#include "analysis/match_file_reader.h"
#include "reports/vehicle_type_line.h"

namespace morvask {

class Catalogus;

inline constexpr char Routescheidingsteken = '\xDF';  // "ß" between the parts of a route line
inline constexpr char Routeeindteken = '\xCD';        // "Í" at the end of a route line

// The vehicle types of the report window and its rule for lines of several registrations.
struct RVoertuigtypeKeuze {
  // The boxes of a, l, m, z, b, o, u, r, in that order.
  Voertuigtypekeuze Aan = AlleVoertuigtypen;
  // false: at least one registration of a selected type; true: both (or the majority).
  bool Meerderheid = false;

  // Whether the character, made lower case, is one of the eight letters with its box on.
  bool Geselecteerd(char c) const;
};

// The line kinds of the vehicle-type filter.
inline constexpr int RegeltypeVergelijking = 1;
inline constexpr int RegeltypeNietRoute = 2;
inline constexpr int RegeltypeRoute = 3;

// Whether a line of the given kind passes the vehicle-type selection.
bool RegelVoldoetAanVoertuigtype(int regeltype, std::string_view regel, const RVoertuigtypeKeuze& keuze);

// The lists a report is made from.
struct RVergelijkingslijsten {
  std::vector<std::string> Vergelijkingscontrole;  // pair lines, rewritten headings, empty lines
  std::vector<std::string> Routes;                 // non-empty route lines that pass
  std::vector<std::string> NietRoutes;             // non-empty non-route lines that pass
};

// Fills the match-check list: iteration headings rewritten to the catalogue's descriptions,
// then the lines that pass the filter of kind 1.
std::vector<std::string> VergelijkingscontroleStringListVullen(const RMatchbestand& bestand,
                                                               const RVoertuigtypeKeuze& keuze,
                                                               const Catalogus& catalogus);
std::vector<std::string> RoutesStringListVullen(const RMatchbestand& bestand, const RVoertuigtypeKeuze& keuze);
std::vector<std::string> NonRoutesStringListVullen(const RMatchbestand& bestand, const RVoertuigtypeKeuze& keuze);
// All three, in this order.
RVergelijkingslijsten VergelijkingslijstenVullen(const RMatchbestand& bestand, const RVoertuigtypeKeuze& keuze,
                                                 const Catalogus& catalogus);

// Whether the line is empty or holds the word "Iteration" in any letter case.
bool IsIteratiekopOfLeeg(std::string_view regel);

// An iteration heading with its description: the first 13 characters and the catalogue text
// of the word it holds; any other line unchanged.
std::string IteratiekopHerschrijven(std::string_view regel, const Catalogus& catalogus);

// ---- Cutting route lines ----------------------------------------------------------------

// Everything before the first "ß" (the whole line without one), final blank included.
std::string_view RoutePostdeel(std::string_view regel);
// The number of posts: the length of the post part divided by 7, rounded.
std::size_t AantalRoutePosten(std::string_view regel);
// The first post code (characters 1-6) and the last (the 6 characters that start 7 before
// the first "ß"); empty when the line is too short.
std::string_view RouteEerstePost(std::string_view regel);
std::string_view RouteLaatstePost(std::string_view regel);
// The time of the first registration (the 4 characters after the first "ß") and of the last
// (the 4 characters that start 14 before the end mark); empty when absent.
std::string_view RouteEersteTijd(std::string_view regel);
std::string_view RouteLaatsteTijd(std::string_view regel);

// The character at a position from 1, or 0 past the end.
char TekenOp(std::string_view regel, std::size_t positie);

// Whether a post field cut from a line names the post code: equal once trailing blanks are
// removed from both, so a short code matches its padded field.
bool PostveldIs(std::string_view veld, std::string_view postcode);
// The field without trailing blanks.
std::string_view ZonderSlotspaties(std::string_view veld);

// ---- Order -----------------------------------------------------------------------------

// The case-insensitive text order of the reports: byte by byte (unsigned) after upper-casing
// the ASCII letters a-z.
bool KleinerZonderHoofdletters(std::string_view a, std::string_view b);
// The text as it is compared in that order (ASCII a-z upper-cased).
std::string Sorteertekst(std::string_view tekst);
// The indices of the texts in that order, stable (equal texts keep their order).
std::vector<std::size_t> VolgordeZonderHoofdletters(const std::vector<std::string_view>& teksten);
// Sorts stably in that order.
void SorterenZonderHoofdletters(std::vector<std::string>& regels);

// value / divisor rounded to the nearest whole number, halves to the even one; 0 for a
// divisor of 0.
long long AfrondenNaarEven(long long waarde, long long deler);

}  // namespace morvask
