#pragma once
// Keys over plates for the indexed route search. Two plates that can compare equal in an
// iteration (by KentekensGelijk with that iteration's settings) always share at least one
// key of that iteration, so the candidates of a route end are found by looking its keys up
// instead of comparing it with every registration within the travel time. The keys only
// narrow the candidates: every candidate is still compared by KentekensGelijk itself.
//
// Why the keys hold, for plates without a wildcard in a compared position (without wildcards
// a wildcard is a character that equals nothing, not even itself, and a key over it is never
// made):
//  - equal by the swapped-pair test: every compared pair is straight or swapped, so each
//    pair holds the same two characters in either order: one key over the unordered pairs;
//  - equal by the different-characters test with at most d differences among k compared
//    pairs: when d < k, at least k - d pairs are wholly equal: a key over each choice of
//    k - d pairs; otherwise at least 2k - d positions are equal: a key over each choice of
//    that many positions (none when 2k - d is 0: every plate is a candidate).
// A cheaper test before the full comparison: both tests allow at most max(swapped, different)
// positions that differ (a swapped pair differs in at most its two positions).
//
// When wildcards count, a plate with one wildcard among the compared positions takes part
// through its fillings: the plate with the wildcard replaced by a character (or by the empty
// position) that some plate holds in that pair. If two plates compare equal, filling the
// wildcard of each with the character the other holds there (in a swapped pair: the one that
// makes the pair a plain swap) gives two plates without wildcards that differ in the same
// positions, or hold the same pairs, so they share a key as above. A plate with one wildcard
// is therefore found under the keys of all its fillings, and looks up those keys itself.
// Plates with more wildcards are few; they are compared with every candidate.
//
// With many differing characters (keys over choices of single positions) a plate has many
// fillings. There a plate with one wildcard that compares equal by the different-characters
// test is found otherwise: against a plate without wildcards at most `different` of the
// other compared positions differ, so they agree on at least (compared - 1 - different) of
// them; a key over each choice of that many positions without the wildcard finds it
// (WildcardKeuze). Equal by swapped pairs, it is still found through the fillings of the key
// over the unordered pairs.

#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "analysis/plate_comparison.h"

namespace morvask {

// The positions a key covers (bit i for position i + 1) and whether each pair is taken in
// either order.
struct RSleutelvorm {
  std::uint8_t posities = 0;
  bool ongeordend = false;
};

// The keys and the quick test of one iteration.
struct RSleutelplan {
  std::vector<RSleutelvorm> vormen;  // every candidate shares one of these keys ...
  bool zonderSleutels = false;       // ... unless no key narrows them: every plate a candidate
  bool positievormen = false;        // the keys are choices of single positions, not of pairs
  std::uint8_t vergeleken = 0;       // the compared positions
  int toegestaneAfwijking = 6;       // the quick test: at most this many positions differ
  int verschillend = 0;              // the different-characters test's maximum
  bool metWildcards = false;
  int wildcard = KentekenpositieGeen;
  int gemist = KentekenpositieGeen;
  bool groteLetters = true;
};

RSleutelplan SleutelplanVoor(const RVergelijkingsInstellingen& vergelijking);

// The number of positions that a plate with one wildcard and a plate without agree on at
// least, among the compared positions without the wildcard, when they compare equal by the
// different-characters test.
inline int WildcardKeuze(const RSleutelplan& plan) {
  return std::popcount(unsigned{plan.vergeleken}) - 1 - plan.verschillend;
}

// Every choice of `aantal` of the positions of `uit` (bit i for position i + 1).
std::vector<std::uint8_t> Positiekeuzes(std::uint8_t uit, int aantal);

// A plate as the keys and the quick test see it.
struct RKentekenkenmerk {
  std::uint64_t tekens = 0;    // byte i: the character at position i + 1 as compared (0 when empty)
  std::uint8_t leeg = 0;       // positions beyond the end of the plate
  std::uint8_t wildcards = 0;  // positions holding the wildcard character
  bool gemist = false;         // a missed plate: equal to nothing
};

RKentekenkenmerk KentekenkenmerkVan(const RSleutelplan& plan, std::string_view kenteken);

// The compared positions that hold a wildcard while wildcards count (bit i for position
// i + 1); none without wildcards, where the wildcard is a character like any other.
inline unsigned Wildcardposities(const RSleutelplan& plan, const RKentekenkenmerk& k) {
  return plan.metWildcards ? (k.wildcards & plan.vergeleken) : 0u;
}

// A plate with more than one wildcard among the compared positions while wildcards count: it
// is compared with every candidate rather than found by key.
inline bool IsMeervoudigWildcardkenteken(const RSleutelplan& plan, const RKentekenkenmerk& k) {
  return std::popcount(Wildcardposities(plan, k)) > 1;
}

// The plate with the character at `positie` (0..5) replaced by `code`, a byte or
// KentekenpositieLeeg for the empty position; the position no longer holds a wildcard.
RKentekenkenmerk Ingevuld(const RKentekenkenmerk& kenmerk, int positie, int code);

// The key of a plate in one form; empty when the form covers a wildcard (such a key would
// never be shared by an equal plate).
std::optional<std::uint64_t> Sleutel(const RKentekenkenmerk& kenmerk, RSleutelvorm vorm);

// The positions (bit i for position i + 1) whose characters differ; it runs for every
// candidate, so the six bytes are compared at once: a byte's high bit is set when the byte is
// not zero, and the six high bits are gathered into the top byte by one multiplication.
inline unsigned VerschillendePosities(const RKentekenkenmerk& a, const RKentekenkenmerk& b) {
  constexpr std::uint64_t Laag7 = 0x7F7F7F7F7F7Full;
  constexpr std::uint64_t Hoog = 0x808080808080ull;
  constexpr std::uint64_t Verzamelen =
      (1ull << 56) | (1ull << 49) | (1ull << 42) | (1ull << 35) | (1ull << 28) | (1ull << 21);
  const std::uint64_t x = a.tekens ^ b.tekens;
  const std::uint64_t nietNul = (((x & Laag7) + Laag7) | x) & Hoog;
  return static_cast<unsigned>(((nietNul >> 7) * Verzamelen) >> 56) | static_cast<unsigned>(a.leeg ^ b.leeg);
}

// The number of set bits of a six-bit mask, without a library call per candidate.
inline constexpr std::array<std::uint8_t, 64> AantalBits6 = [] {
  std::array<std::uint8_t, 64> aantal{};
  for (unsigned m = 0; m < 64; ++m) aantal[m] = static_cast<std::uint8_t>(std::popcount(m));
  return aantal;
}();

// False when the two plates cannot compare equal whatever their times: a missed plate, or
// more differing positions than the iteration allows.
inline bool KanGelijkZijn(const RSleutelplan& plan, const RKentekenkenmerk& a, const RKentekenkenmerk& b) {
  if (a.gemist || b.gemist) return false;
  const unsigned verschil = VerschillendePosities(a, b);
  const unsigned wild = a.wildcards | b.wildcards;
  // With wildcards a wildcard position counts as equal; without, it equals nothing.
  const unsigned afwijkend = (plan.metWildcards ? (verschil & ~wild) : (verschil | wild)) & plan.vergeleken;
  return AantalBits6[afwijkend] <= plan.toegestaneAfwijking;
}

}  // namespace morvask
