#pragma once
// The plate comparison: whether two sightings can be the same vehicle, and a short remark
// that tells how the two plates differ ("2w", "1v", "1p", "1t"). The matching run calls it
// for every candidate pair, once per iteration with that iteration's settings.

#include <array>
#include <string>
#include <string_view>

#include "core/short_text.h"

namespace morvask {

struct RProjectgegevens;

// The settings one comparison reads; the matching run fixes them before each iteration.
struct RVergelijkingsInstellingen {
  bool GeenHoofdletterverschil = true;  // both plates upper-cased (ASCII letters) first
  bool MetWildcards = false;            // the wildcard character matches any character
  int MaxVerwisseld = 0;                // swapped neighbouring characters allowed: 0, 2, 4 or 6
  int MaxVerschillend = 0;              // different characters allowed: 0..6
  // Positions 1-6 compared; they go in pairs 1+2, 3+4, 5+6 (see AantalKaraktersTellen).
  std::array<bool, 6> Posities{true, true, true, true, true, true};
  int AantalKarakters = 6;       // the number of selected positions: 0, 2, 4 or 6
  bool PeriodeCorrectie = true;  // one sighting outside the period is enough
  int Vanaf = 0;                 // period start, hhmm as a whole number, inclusive
  int Tot = 2400;                // period end, hhmm as a whole number, exclusive
  // The project's special characters; an empty one matches nothing.
  KorteTekst<1> WildcardKarakter = "#";
  KorteTekst<1> GemistKentekenKarakter = "*";
};

// A plate as compared: per position 1-6 the byte (0..255) after the optional upper-casing, or
// KentekenpositieLeeg beyond the end of the plate.
inline constexpr int KentekenpositieLeeg = -1;
// The code of a special character that is empty: it equals no position at all.
inline constexpr int KentekenpositieGeen = -2;
using Kentekenposities = std::array<int, 6>;
Kentekenposities KentekenPosities(std::string_view kenteken, bool groteLetters);
// The code a special character (wildcard, missed plate) is compared with.
int KarakterCode(const KorteTekst<1>& karakter);

// Settings at their defaults with the special characters of the project.
RVergelijkingsInstellingen VergelijkingsInstellingen(const RProjectgegevens& gegevens);

// Pairs the position flags (2 follows 1, 4 follows 3, 6 follows 5), counts the selected
// positions into AantalKarakters and lowers both maxima to that count where they exceed it.
// Returns the count.
int AantalKaraktersTellen(RVergelijkingsInstellingen& instellingen);

// True when Vanaf <= time < Tot, the time read as a whole number (0815 is 815). A time that
// is not a whole number lies in no period.
bool BinnenPeriode(const RVergelijkingsInstellingen& instellingen, std::string_view eenTijd);
bool BinnenPeriode(const RVergelijkingsInstellingen& instellingen, int eenTijd);

struct RKentekenvergelijking {
  bool Gelijk = false;
  // The remark parts "<n>w" (swapped), "<n>v" (different), "1p" (one sighting outside the
  // period), "1t" (vehicle types differ) in that order, joined by ", "; empty when none
  // applies (the match file then shows "-").
  std::string Opmerking;
};

// Compares the plate at the current end of a route (ken1) with the plate of a candidate
// registration (ken2), with their times and vehicle-type letters. Equal when the plates are
// equal (straight or swapped pairs within MaxVerwisseld, or at most MaxVerschillend selected
// positions different), the period condition holds and neither plate is a missed plate
// (first character GemistKentekenKarakter). The vehicle type only adds to the remark. The
// remark is built in full also when the result is decided early.
RKentekenvergelijking KentekensGelijk(const RVergelijkingsInstellingen& instellingen, std::string_view ken1,
                                      std::string_view ken2, std::string_view tijdKen1, std::string_view tijdKen2,
                                      std::string_view vtgType1, std::string_view vtgType2);

}  // namespace morvask
