#include "analysis/match_summary.h"

#include <gtest/gtest.h>

#include "analysis/match_file_reader.h"
#include "match_file_fixture.h"

using namespace morvask;
using namespace morvask::test;

namespace {

std::string R(const std::vector<std::string>& posten) {
  std::vector<std::string> w(posten.size(), Waarneming("0800", 'a', "AB12CD"));
  return Route(posten, w);
}

std::vector<std::pair<std::optional<Iteratiesoort>, int>> Telling(const RMatchSamenvatting& s) {
  std::vector<std::pair<std::optional<Iteratiesoort>, int>> uit;
  for (const RIteratieRoutes& it : s.Iteraties) uit.emplace_back(it.Soort, it.Routes);
  return uit;
}

}  // namespace

TEST(MatchbestandSamenvatten, RoutesUseUpThePairLinesOfTheirIteration) {
  MatchInhoud m;
  const std::string p = Paar("001-ki", "0800", 'a', "002-ku", "0810", 'a', 10);
  // Iteration 1: a route of three posts (two pairs) and one of two; iteration 2 none;
  // iteration 3 ("ChangedCharacters") one route of two.
  m.routes = {R({"001-ki", "003-t1", "002-ku"}), R({"002-ki", "001-ku"}), R({"001-ki", "002-ku"})};
  m.controle = {"Iteration 1: TheSameLicenseNumbers", "", p, p, p, "", "Iteration 2: WithWildcards)", "", "",
                "Iteration 3: ChangedCharacters",     "", p};
  m.nietRoutes = {"001-ki 0700 a X", "", "002-ku 0701 a Y"};
  RMatchSamenvatting s = MatchbestandSamenvatten(MatchbestandUitTekst(m.Tekst()));
  using S = Iteratiesoort;
  EXPECT_EQ(Telling(s),
            (std::vector<std::pair<std::optional<S>, int>>{{S::Exact, 2}, {S::Wildcards, 0}, {S::Verwisseld, 1}}));
  EXPECT_EQ(s.Routes, 3);
  EXPECT_EQ(s.NietRoutes, 2);
  EXPECT_FALSE(s.Onderbroken);

  // One pass without headings; an interrupted run.
  m.algemeen[5] = "MiIterative=0";
  m.algemeen[12] = "MiInterruptByUser=1";
  m.controle = {"", p, p, p};
  s = MatchbestandSamenvatten(MatchbestandUitTekst(m.Tekst()));
  EXPECT_EQ(Telling(s), (std::vector<std::pair<std::optional<S>, int>>{{std::nullopt, 3}}));
  EXPECT_TRUE(s.Onderbroken);
  // A pass that found nothing still is one.
  m.routes.clear();
  m.controle = {""};
  EXPECT_EQ(Telling(MatchbestandSamenvatten(MatchbestandUitTekst(m.Tekst()))),
            (std::vector<std::pair<std::optional<S>, int>>{{std::nullopt, 0}}));
}
