#include "analysis/plate_comparison.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "core/project.h"

// Counts heap allocations, to show that a comparison does none (its remark fits the
// string's own small buffer).
namespace {
std::atomic<long> toewijzingen{0};
}
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t n) {
  ++toewijzingen;
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
// The nothrow form too (std::stable_sort takes its buffer with it), so that every pointer
// the replaced operator delete frees came from malloc.
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
  ++toewijzingen;
  return std::malloc(n ? n : 1);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace morvask {
namespace {

// The settings of the iterations of a matching run, over the period 0700-0900.
RVergelijkingsInstellingen Basis() {
  RVergelijkingsInstellingen in;
  in.Vanaf = 700;
  in.Tot = 900;
  in.PeriodeCorrectie = false;
  return in;
}
RVergelijkingsInstellingen Exact() { return Basis(); }
RVergelijkingsInstellingen Wildcards() {
  auto in = Basis();
  in.MetWildcards = true;
  return in;
}
RVergelijkingsInstellingen Verwisseld(int max, bool wildcards = false) {
  auto in = Basis();
  in.MetWildcards = wildcards;
  in.MaxVerwisseld = max;
  return in;
}
RVergelijkingsInstellingen Verschillend(int maxVerwisseld, int maxVerschillend, bool wildcards = false) {
  auto in = Verwisseld(maxVerwisseld, wildcards);
  in.MaxVerschillend = maxVerschillend;
  return in;
}
RVergelijkingsInstellingen ZonderHoofdletters(RVergelijkingsInstellingen in, bool zonder) {
  in.GeenHoofdletterverschil = zonder;
  return in;
}
RVergelijkingsInstellingen MetPosities(RVergelijkingsInstellingen in, std::array<bool, 6> posities) {
  in.Posities = posities;
  AantalKaraktersTellen(in);
  return in;
}
RVergelijkingsInstellingen MetWildcard(RVergelijkingsInstellingen in, const char* w) {
  in.WildcardKarakter = w;
  return in;
}
RVergelijkingsInstellingen MetGemist(RVergelijkingsInstellingen in, const char* g) {
  in.GemistKentekenKarakter = g;
  return in;
}
RVergelijkingsInstellingen MetCorrectie(RVergelijkingsInstellingen in) {
  in.PeriodeCorrectie = true;
  return in;
}

struct Geval {
  const char* naam;
  RVergelijkingsInstellingen in;
  const char* ken1;
  const char* ken2;
  bool gelijk;
  const char* opmerking;
  const char* tijd1 = "0800";
  const char* tijd2 = "0805";
  const char* type1 = "a";
  const char* type2 = "a";
};

void Controleer(const std::vector<Geval>& gevallen) {
  for (const auto& g : gevallen) {
    SCOPED_TRACE(g.naam);
    const auto r = KentekensGelijk(g.in, g.ken1, g.ken2, g.tijd1, g.tijd2, g.type1, g.type2);
    EXPECT_EQ(r.Gelijk, g.gelijk) << g.ken1 << " / " << g.ken2;
    EXPECT_EQ(r.Opmerking, g.opmerking) << g.ken1 << " / " << g.ken2;
  }
}

constexpr std::array<bool, 6> kAlle{true, true, true, true, true, true};
constexpr std::array<bool, 6> kGeen{false, false, false, false, false, false};

TEST(KentekensGelijk, LetterCase) {
  Controleer({
      {"case-insensitive", Exact(), "12ABC3", "12abc3", true, ""},
      {"case-sensitive", ZonderHoofdletters(Exact(), false), "12ABC3", "12abc3", false, "3v"},
      // Only ASCII letters change: e-acute (0xE9) and E-acute (0xC9) stay different.
      {"non-ASCII letters keep their case", Exact(),
       "12AB\xE9"
       "3",
       "12AB\xC9"
       "3",
       false, "1v"},
  });
}

TEST(KentekensGelijk, Iterations) {
  Controleer({
      // exact: every selected position equal, no wildcard in them
      {"exact, same", Exact(), "12ABC3", "12ABC3", true, ""},
      {"exact, wildcard on one side", Exact(), "12AB#3", "12ABC3", false, "1v"},
      {"exact, wildcard on both sides", Exact(), "12AB#3", "12AB#3", false, "1v"},
      {"exact, two different", Exact(), "12XYC3", "12ABC3", false, "2v"},
      // wildcards: equal or a wildcard on either side
      {"wildcards, one side", Wildcards(), "12AB#3", "12ABC3", true, ""},
      {"wildcards, both plates", Wildcards(), "#2AB#3", "12ABC#", true, ""},
      {"wildcards, a real difference stays", Wildcards(), "#2AB#3", "12XBC3", false, "1v"},
      // changed characters: pairs straight or swapped within the maximum
      {"swapped pair", Verwisseld(2), "21ABC3", "12ABC3", true, "2w"},
      {"swapped pair without the changed iteration", Exact(), "21ABC3", "12ABC3", false, "2v"},
      {"two swapped pairs within 4", Verwisseld(4), "21BAC3", "12ABC3", true, "4w"},
      {"two swapped pairs over 2, step 3 refuses", Verwisseld(2), "21BAC3", "12ABC3", false, "4w, 4v"},
      {"two swapped pairs over 2, 4 different allowed", Verschillend(2, 4), "21BAC3", "12ABC3", true, "4w, 4v"},
      {"three swapped pairs", Verwisseld(6), "21BA43", "12AB34", true, "6w"},
      {"three swapped pairs over 4", Verwisseld(4), "21BA43", "12AB34", false, "6w, 6v"},
      {"a swap across a pair boundary is no swap", Verwisseld(6), "1A2BC3", "12ABC3", false, "2v"},
      {"swapped pair plus a different one", Verschillend(2, 1), "21ABX3", "12ABC3", false, "2w, 3v"},
      {"swapped pair plus a different one, 3 allowed", Verschillend(2, 3), "21ABX3", "12ABC3", true, "2w, 3v"},
      {"swapped pair with a wildcard straight beside", Verwisseld(2, true), "21AB#3", "12ABC3", true, "2w"},
      {"swap test with equal plates", Verwisseld(2), "12ABC3", "12ABC3", true, ""},
      {"swap test, same wildcard on both sides", Verwisseld(2), "12AB#3", "12AB#3", false, "1v"},
      {"swap test, wildcards swapped without wildcard mode", Verwisseld(2), "#1ABC3", "1#ABC3", false, "2v"},
      // swapped with wildcards: the four forms, each needs wildcard mode
      {"W in P2, P1 = Q2", Verwisseld(2, true), "2#ABC3", "12ABC3", true, "2w"},
      {"W in Q1, P1 = Q2", Verwisseld(2, true), "21ABC3", "#2ABC3", true, "2w"},
      // (#1) against (12): straight fails on 1 against 2; swapped, # stands for 2 and 1 meets 1
      {"W in P1, P2 = Q1", Verwisseld(2, true), "#1ABC3", "12ABC3", true, "2w"},
      {"W in Q2, P2 = Q1", Verwisseld(2, true), "21ABC3", "1#ABC3", true, "2w"},
      {"W in P2 without wildcard mode", Verwisseld(2), "2#ABC3", "12ABC3", false, "2v"},
      {"W in P1 with a real swap", Verwisseld(2, true), "#1ABC3", "21ABC3", true, ""},
      {"W in P1, straight fits, no swap", Verwisseld(2, true), "#2ABC3", "12ABC3", true, ""},
      {"W in P1, P2 = Q1 crosswise", Verwisseld(2, true), "#2ABC3", "21ABC3", true, "2w"},
      {"W in P1, nothing fits", Verwisseld(2, true), "#2ABC3", "31ABC3", false, "1v"},
      // different characters
      {"two different, two allowed", Verschillend(0, 2), "12XYC3", "12ABC3", true, "2v"},
      {"three different, two allowed", Verschillend(0, 2), "1XYZC3", "12ABC3", false, "3v"},
      {"different with wildcards", Verschillend(0, 1, true), "1#AXC3", "12ABC3", true, "1v"},
  });
}

TEST(KentekensGelijk, WildcardCharacterAsStored) {
  Controleer({
      // Upper-casing the plate turns "x" into "X", which is no longer the wildcard "x".
      {"lower-case wildcard, case-insensitive", MetWildcard(Wildcards(), "x"), "12ABx3", "12ABC3", false, "1v"},
      {"lower-case wildcard, case-sensitive", ZonderHoofdletters(MetWildcard(Wildcards(), "x"), false), "12ABx3",
       "12ABC3", true, ""},
      {"upper-case wildcard meets an upper-cased plate", MetWildcard(Wildcards(), "X"), "12abx3", "12ABC3", true, ""},
      {"other wildcard character", MetWildcard(Wildcards(), "?"), "12AB?3", "12ABC3", true, ""},
      {"# is no wildcard when another character is", MetWildcard(Wildcards(), "?"), "12AB#3", "12ABC3", false, "1v"},
  });
}

TEST(KentekensGelijk, EmptyWildcardMatchesNothing) {
  // An empty wildcard character must not make the empty position past the end of a short
  // plate a wildcard.
  Controleer({
      {"different lengths, wildcard mode", MetWildcard(Wildcards(), ""), "12ABC", "12ABC3", false, "1v"},
      {"different lengths, pair test", MetWildcard(Verwisseld(2, true), ""), "12ABC", "12ABC3", false, "1v"},
      {"both short", MetWildcard(Wildcards(), ""), "12ABC", "12ABC", true, ""},
      {"# is an ordinary character", MetWildcard(Wildcards(), ""), "12AB#3", "12ABC3", false, "1v"},
  });
}

TEST(KentekensGelijk, MissedPlates) {
  Controleer({
      {"both missed", Exact(), "******", "******", false, ""},
      {"first missed", Exact(), "*", "12ABC3", false, "6v"},
      {"second missed", Wildcards(), "12ABC3", "*2ABC3", false, "1v"},
      {"missed, remark still built", MetCorrectie(Exact()), "*2ABC3", "12ABC3", false, "1v, 1p, 1t", "0655", "0800",
       "a", "l"},
      {"a missed character later in the plate is ordinary", Exact(), "12*BC3", "12*BC3", true, ""},
      {"no position selected, still missed", MetPosities(Exact(), kGeen), "*", "12ABC3", false, ""},
      {"other missed-plate character", MetGemist(Exact(), "-"), "-12345", "-12345", false, ""},
      {"* is ordinary when another character marks missed plates", MetGemist(Exact(), "-"), "*12345", "*12345", true,
       ""},
      {"empty missed-plate character", MetGemist(Exact(), ""), "*12345", "*12345", true, ""},
      {"empty plates are no missed plates", Exact(), "", "", true, ""},
      // The missed-plate test looks at the plates as compared, after the upper-casing.
      {"letter x upper-cased is no missed plate", MetGemist(Exact(), "x"), "xAB123", "xAB123", true, ""},
      {"letter x kept is a missed plate", ZonderHoofdletters(MetGemist(Exact(), "x"), false), "xAB123", "xAB123", false,
       ""},
      {"letter X matches the upper-cased x", MetGemist(Exact(), "X"), "xab123", "XAB123", false, ""},
  });
}

TEST(KentekensGelijk, PlatesOfDifferentLengths) {
  Controleer({
      {"5 against 6", Exact(), "12ABC", "12ABC3", false, "1v"},
      {"6 against 5", Exact(), "12ABC3", "12ABC", false, "1v"},
      {"5 against 6, one different allowed", Verschillend(0, 1), "12ABC", "12ABC3", true, "1v"},
      {"5 against 5", Exact(), "12ABC", "12ABC", true, ""},
      {"5 against 6, wildcard mode", Wildcards(), "12ABC", "12ABC3", false, "1v"},
      {"5 against 6, pair test", Verwisseld(2), "12ABC", "12ABC3", false, "1v"},
      {"6 against 5, pair test", Verwisseld(2), "12ABC3", "12ABC", false, "1v"},
      {"4 against 4, empty last pair", Verwisseld(2), "12AB", "12AB", true, ""},
      {"4 against 6, first of a pair empty", Verwisseld(2), "12AB", "12ABC3", false, "2v"},
      {"4 against 6 swapped, first of a pair empty", Verwisseld(2), "21AB", "12ABC3", false, "2w, 4v"},
      {"empty against a plate", Exact(), "", "12ABC3", false, "6v"},
  });
}

TEST(KentekensGelijk, PositionsNotSelected) {
  Controleer({
      {"no position selected", MetPosities(Exact(), kGeen), "AAAAAA", "ZZ", true, ""},
      {"no position selected, types differ", MetPosities(Exact(), kGeen), "AAAAAA", "ZZ", true, "1t", "0800", "0805",
       "a", "b"},
      {"last pair not compared", MetPosities(Exact(), {true, true, true, true, false, false}), "12ABXY", "12ABC3", true,
       ""},
      {"wildcard outside the compared positions", MetPosities(Exact(), {true, true, true, true, false, false}),
       "12AB#3", "12ABC3", true, ""},
      {"first pair not compared", MetPosities(Exact(), {false, false, true, true, true, true}), "XYABC3", "12ABC3",
       true, ""},
      {"pair test skips the unselected pair", MetPosities(Verwisseld(2), {false, false, true, true, true, true}),
       "XYBAC3", "12ABC3", true, "2w"},
      {"middle pair only", MetPosities(Exact(), {false, false, true, true, false, false}), "1XAB", "12ABC3", true, ""},
      {"middle pair only, short plate", MetPosities(Exact(), {false, false, true, true, false, false}), "12A", "12ABC3",
       false, "1v"},
  });
}

TEST(KentekensGelijk, Period) {
  const auto correctie = MetCorrectie(Exact());
  Controleer({
      {"both inside", Exact(), "12ABC3", "12ABC3", true, "", "0700", "0859"},
      {"first before, without correction", Exact(), "12ABC3", "12ABC3", false, "", "0655", "0705"},
      {"first before, with correction", correctie, "12ABC3", "12ABC3", true, "1p", "0655", "0705"},
      {"second at the until time, with correction", correctie, "12ABC3", "12ABC3", true, "1p", "0855", "0900"},
      {"second at the until time, without correction", Exact(), "12ABC3", "12ABC3", false, "", "0855", "0900"},
      {"both outside, with correction", correctie, "12ABC3", "12ABC3", false, "", "0655", "0900"},
      {"both inside, with correction", correctie, "12ABC3", "12ABC3", true, "", "0700", "0800"},
      {"a time that is no number is outside", correctie, "12ABC3", "12ABC3", true, "1p", "08:0", "0800"},
      {"plates differ, period remark still built", correctie, "12ABC3", "12XBC3", false, "1v, 1p", "0655", "0800"},
  });
}

TEST(KentekensGelijk, VehicleTypes) {
  Controleer({
      {"a against L", Exact(), "12ABC3", "12ABC3", true, "1t", "0800", "0805", "a", "L"},
      {"l against L", Exact(), "12ABC3", "12ABC3", true, "", "0800", "0805", "l", "L"},
      {"type against no type", Exact(), "12ABC3", "12ABC3", true, "1t", "0800", "0805", "a", ""},
      {"type differs, plates differ", Exact(), "12ABC3", "12ABC4", false, "1v, 1t", "0800", "0805", "a", "b"},
  });
}

TEST(KentekensGelijk, RemarkWithEveryPart) {
  // The longest remark: six swapped, six different, one period, one type.
  const auto in = MetCorrectie(Verwisseld(2));
  const auto r = KentekensGelijk(in, "214365", "123456", "0655", "0800", "a", "b");
  EXPECT_FALSE(r.Gelijk);
  EXPECT_EQ(r.Opmerking, "6w, 6v, 1p, 1t");
  const auto s = KentekensGelijk(MetCorrectie(Verschillend(2, 4)), "21BAC3", "12ABC3", "0800", "0901", "m", "z");
  EXPECT_TRUE(s.Gelijk);
  EXPECT_EQ(s.Opmerking, "4w, 4v, 1p, 1t");
}

TEST(KentekensGelijk, DoesNoHeapWork) {
  const auto in = MetCorrectie(Verwisseld(2));
  const long voor = toewijzingen.load();
  for (int i = 0; i < 100; ++i) {
    const auto r = KentekensGelijk(in, "214365", "123456", "0655", "0800", "a", "b");
    EXPECT_EQ(r.Opmerking.size(), 14u);
  }
  EXPECT_EQ(toewijzingen.load(), voor);
}

TEST(KentekensGelijk, TakesTheProjectCharacters) {
  RProjectgegevens gegevens;
  gegevens.WildcardKarakter = "?";
  gegevens.GemistKentekenKarakter = "!";
  auto in = VergelijkingsInstellingen(gegevens);
  EXPECT_EQ(in.WildcardKarakter.view(), "?");
  EXPECT_EQ(in.GemistKentekenKarakter.view(), "!");
  in.MetWildcards = true;
  EXPECT_TRUE(KentekensGelijk(in, "12?BC3", "12ABC3", "0800", "0800", "a", "a").Gelijk);
  EXPECT_FALSE(KentekensGelijk(in, "!2ABC3", "!2ABC3", "0800", "0800", "a", "a").Gelijk);
}

TEST(AantalKaraktersTellen, PairsCountsAndLowersTheMaxima) {
  struct Rij {
    std::array<bool, 6> in, uit;
    int maxVerwisseld, maxVerschillend;
    int aantal, verwisseldNa, verschillendNa;
  };
  const std::vector<Rij> rijen = {
      {kAlle, kAlle, 6, 6, 6, 6, 6},
      {kGeen, kGeen, 2, 3, 0, 0, 0},
      // the first of each pair decides
      {{true, false, false, true, true, false}, {true, true, false, false, true, true}, 6, 5, 4, 4, 4},
      {{false, true, false, true, false, true}, kGeen, 0, 0, 0, 0, 0},
      {{false, false, true, true, false, false}, {false, false, true, true, false, false}, 4, 1, 2, 2, 1},
      {{true, true, true, true, false, false}, {true, true, true, true, false, false}, 2, 3, 4, 2, 3},
  };
  for (const auto& r : rijen) {
    RVergelijkingsInstellingen in;
    in.Posities = r.in;
    in.MaxVerwisseld = r.maxVerwisseld;
    in.MaxVerschillend = r.maxVerschillend;
    EXPECT_EQ(AantalKaraktersTellen(in), r.aantal);
    EXPECT_EQ(in.AantalKarakters, r.aantal);
    EXPECT_EQ(in.Posities, r.uit);
    EXPECT_EQ(in.MaxVerwisseld, r.verwisseldNa);
    EXPECT_EQ(in.MaxVerschillend, r.verschillendNa);
  }
}

TEST(BinnenPeriode, FromInclusiveUntilExclusive) {
  RVergelijkingsInstellingen in;
  in.Vanaf = 700;
  in.Tot = 900;
  const std::vector<std::pair<const char*, bool>> gevallen = {
      {"0700", true},  {"0659", false}, {"0859", true},   {"0900", false}, {"700", true},   {"", false},
      {"08:0", false}, {" 800", false}, {"0800 ", false}, {"abcd", false}, {"-800", false},
  };
  for (const auto& [tijd, binnen] : gevallen) EXPECT_EQ(BinnenPeriode(in, tijd), binnen) << '"' << tijd << '"';
  EXPECT_TRUE(BinnenPeriode(in, 815));
  EXPECT_FALSE(BinnenPeriode(in, 900));

  // The default period holds every time of the day.
  const RVergelijkingsInstellingen standaard;
  EXPECT_TRUE(BinnenPeriode(standaard, "0000"));
  EXPECT_TRUE(BinnenPeriode(standaard, "2359"));
}

}  // namespace
}  // namespace morvask
