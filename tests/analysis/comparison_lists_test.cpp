#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "analysis/comparison_lists.h"
#include "base/catalogue.h"
#include "match_file_fixture.h"

using namespace morvask;
using namespace morvask::test;

namespace {

RVoertuigtypeKeuze Keuze(const std::string& letters, bool meerderheid) {
  RVoertuigtypeKeuze k;
  for (std::size_t i = 0; i < 8; ++i) k.Aan[i] = letters.find(std::string_view("almzbour")[i]) != std::string::npos;
  k.Meerderheid = meerderheid;
  return k;
}

std::string RouteVanTypen(const std::string& typen) {
  std::vector<std::string> posten, waarnemingen;
  const char* codes[] = {"001-ki", "003-t1", "004-t2", "005-t1", "002-ku"};
  for (std::size_t i = 0; i < typen.size(); ++i) {
    posten.push_back(codes[i]);
    waarnemingen.push_back(Waarneming("08" + std::to_string(10 + i), typen[i], "AB12CD"));
  }
  return Route(posten, waarnemingen);
}

}  // namespace

TEST(Voertuigtypefilter, RoutesByAtLeastOneOrTheMajority) {
  struct Geval {
    std::string typen;  // the types of the route's registrations
    bool eenOfMeer, meerderheid;
  };
  // Selected: a and l.
  const std::vector<Geval> gevallen = {
      {"aa", true, true},     {"ab", true, false},   {"bb", false, false},   // a route of 2 needs both
      {"aab", true, true},    {"abb", true, false},  {"bbb", false, false},  // of 3, at least 2
      {"aabb", true, false},  {"aaab", true, true},                          // of 4, at least 3
      {"aabbb", true, false}, {"aaabb", true, true},                         // of 5, at least 3
      {"AL", true, true},                                                    // capitals count as their letter
  };
  for (const Geval& g : gevallen) {
    const std::string r = RouteVanTypen(g.typen);
    EXPECT_EQ(RegelVoldoetAanVoertuigtype(RegeltypeRoute, r, Keuze("al", false)), g.eenOfMeer) << g.typen;
    EXPECT_EQ(RegelVoldoetAanVoertuigtype(RegeltypeRoute, r, Keuze("al", true)), g.meerderheid) << g.typen;
  }
}

TEST(Voertuigtypefilter, PairAndNonRouteLines) {
  const std::string ab = Paar("001-ki", "0815", 'a', "002-ku", "0825", 'b', 10);
  const std::string bb = Paar("001-ki", "0815", 'b', "002-ku", "0825", 'b', 10);
  const std::string aa = Paar("001-ki", "0815", 'a', "002-ku", "0825", 'A', 10);
  struct Geval {
    std::string regel;
    int soort;
    std::string typen;
    bool meerderheid, verwacht;
  };
  const std::vector<Geval> gevallen = {
      {ab, 1, "a", false, true},
      {ab, 1, "a", true, false},
      {aa, 1, "a", true, true},
      {bb, 1, "a", false, false},
      {bb, 1, "almzbour", true, true},
      // Headings and empty lines always pass, even with every type off.
      {"", 1, "", false, true},
      {"Iteration 3: WithWildcards)", 1, "", true, true},
      {"iTeRaTiOn", 1, "", false, true},
      // A line too short for the second type has only its first.
      {"001-ki 0815 a", 1, "a", false, true},
      {"001-ki 0815 a", 1, "a", true, false},
      {"001-ki 0815 a 12ABC3", 2, "a", false, true},
      {"001-ki 0815 a 12ABC3", 2, "a", true, true},
      {"001-ki 0815 x 12ABC3", 2, "almzbour", false, false},
      {"001-ki 0815", 2, "almzbour", false, false},
      // All types off: nothing but headings passes.
      {ab, 1, "", false, false},
      {"001-ki 0815 a 12ABC3", 2, "", false, false},
      {RouteVanTypen("aa"), 3, "", false, false},
      // A line without any "ß" has no registrations.
      {"001-ki 002-ku ", 3, "almzbour", false, false},
      {"", 4, "almzbour", false, false},
  };
  for (const Geval& g : gevallen)
    EXPECT_EQ(RegelVoldoetAanVoertuigtype(g.soort, g.regel, Keuze(g.typen, g.meerderheid)), g.verwacht)
        << g.soort << " '" << g.regel << "' " << g.typen;
}

TEST(Vergelijkingslijsten, HeadingsAreRewrittenAndListsFiltered) {
  MatchInhoud m;
  m.routes = {RouteVanTypen("ab"), RouteVanTypen("bb")};
  m.controle = {"Iteration 1: TheSameLicenseNumbers",
                "",
                Paar("001-ki", "0815", 'b', "002-ku", "0825", 'b', 10),
                Paar("001-ki", "0815", 'a', "002-ku", "0825", 'b', 10),
                "",
                "Iteration 2: WithWildcards)",
                "",
                "Iteration 9: ChangedCharacters",
                "Iteration 12: DifferentCharacters",
                "ITERATION 13: differentcharacters and more"};
  m.nietRoutes = {"001-ki 0800 a X", "001-ki 0800 b Y", "002-ku 0801 a Z"};
  Catalogus cat;
  const RVergelijkingslijsten l = VergelijkingslijstenVullen(MatchbestandUitTekst(m.Tekst()), Keuze("a", false), cat);
  EXPECT_EQ(l.Vergelijkingscontrole,
            (std::vector<std::string>{"Iteration 1: zoeken van exact gelijke kentekens", "",
                                      Paar("001-ki", "0815", 'a', "002-ku", "0825", 'b', 10), "",
                                      "Iteration 2: vergelijking met ontbrekende karakters (wildcards)", "",
                                      "Iteration 9: vergelijking met verwisselde karakters",
                                      "Iteration 12:vergelijking met verschillende karakters",
                                      "ITERATION 13:vergelijking met verschillende karakters", ""}));
  EXPECT_EQ(l.Routes, (std::vector<std::string>{RouteVanTypen("ab")}));
  EXPECT_EQ(l.NietRoutes, (std::vector<std::string>{"001-ki 0800 a X", "002-ku 0801 a Z"}));
  // The descriptions follow the catalogue.
  cat.Zet("AA00140", "exact");
  EXPECT_EQ(IteratiekopHerschrijven("Iteration 1: TheSameLicenseNumbers", cat), "Iteration 1: exact");
}

TEST(Routeregels, CutAtTheirPositions) {
  const std::string r =
      Route({"001-ki", "003-t1", "002-ku"},
            {Waarneming("0815", 'a', "AB"), Waarneming("0820", 'a', "AB"), Waarneming("0831", 'a', "AB")});
  EXPECT_EQ(RoutePostdeel(r), "001-ki 003-t1 002-ku ");
  EXPECT_EQ(AantalRoutePosten(r), 3u);
  EXPECT_EQ(RouteEerstePost(r), "001-ki");
  EXPECT_EQ(RouteLaatstePost(r), "002-ku");
  EXPECT_EQ(RouteEersteTijd(r), "0815");
  EXPECT_EQ(RouteLaatsteTijd(r), "0831");
  // Damaged lines give empty fields rather than reading outside the line.
  for (const std::string& kapot :
       {std::string(), ss, "001" + ss, "001-ki" + ss + "08", ss + ei, std::string("x") + ei}) {
    EXPECT_LE(RouteLaatstePost(kapot).size(), 6u);
    EXPECT_LE(RouteEersteTijd(kapot).size(), 4u);
    EXPECT_TRUE(RouteLaatsteTijd(kapot).empty());
  }
  EXPECT_TRUE(RouteLaatstePost("001" + ss).empty());
  EXPECT_EQ(TekenOp("abc", 3), 'c');
  EXPECT_EQ(TekenOp("abc", 4), '\0');
  EXPECT_EQ(TekenOp("abc", 0), '\0');
}

TEST(Tekstvolgorde, CaseInsensitiveBytewiseAndStable) {
  std::vector<std::string> v = {"b", "A", "a", "B", "1", " ", "\xE9", "a1", "Z", "[", "_"};
  SorterenZonderHoofdletters(v);
  // Blanks before digits before letters; equal texts in any case keep their order; "[" and
  // "_" lie between the capitals and the lower-case letters in bytes and so after "Z".
  EXPECT_EQ(v, (std::vector<std::string>{" ", "1", "A", "a", "a1", "b", "B", "Z", "[", "_", "\xE9"}));
  EXPECT_FALSE(KleinerZonderHoofdletters("abc", "ABC"));
  EXPECT_FALSE(KleinerZonderHoofdletters("ABC", "abc"));
  EXPECT_TRUE(KleinerZonderHoofdletters("ab", "ABC"));
}

TEST(Afronden, HalvesGoToTheEvenNumber) {
  struct Geval {
    long long waarde, deler, verwacht;
  };
  for (const Geval& g : std::vector<Geval>{{25, 2, 12},
                                           {27, 2, 14},
                                           {100, 8, 12},
                                           {300, 8, 38},
                                           {500, 8, 62},
                                           {1, 3, 0},
                                           {2, 3, 1},
                                           {5, 1, 5},
                                           {0, 7, 0},
                                           {7, 0, 0},
                                           {-25, 2, -12},
                                           {-27, 2, -14},
                                           {-1, 3, 0},
                                           {-2, 3, -1},
                                           {25, -2, -12}})
    EXPECT_EQ(AfrondenNaarEven(g.waarde, g.deler), g.verwacht) << g.waarde << "/" << g.deler;
}

TEST(Tekstvolgorde, TheFastOrderIsTheStableSortByTheCaseInsensitiveComparison) {
  // Texts around the eight bytes the fast order compares first: shared long beginnings,
  // prefixes of each other, zero and high bytes, both letter cases.
  std::mt19937 rng(7);
  const std::string tekens = std::string("aAbB \x00\xDF\xCD", 8) + "zZ-9";
  std::vector<std::string> teksten;
  for (int i = 0; i < 3000; ++i) {
    std::string t = i % 3 == 0 ? "001-ki 002-ku " : i % 3 == 1 ? "001-KI" : "";
    for (std::size_t n = rng() % 12; n > 0; --n) t += tekens[rng() % tekens.size()];
    teksten.push_back(t);
  }
  std::vector<std::size_t> verwacht(teksten.size());
  for (std::size_t i = 0; i < verwacht.size(); ++i) verwacht[i] = i;
  std::stable_sort(verwacht.begin(), verwacht.end(),
                   [&](std::size_t a, std::size_t b) { return KleinerZonderHoofdletters(teksten[a], teksten[b]); });
  EXPECT_EQ(VolgordeZonderHoofdletters({teksten.begin(), teksten.end()}), verwacht);
}
