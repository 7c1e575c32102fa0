#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "survey/survey_generator.h"

using namespace morvask;
using namespace morvask::bench;

namespace {

std::vector<std::string> Regels(const Project& p) {
  std::vector<std::string> r;
  for (const auto& reg : p.Registratielijst) r.push_back(reg.Regel());
  return r;
}

}  // namespace

TEST(SurveyGenerator, TheSameSeedGivesTheSameSurvey) {
  OnderzoekInstellingen s;
  s.registraties = 500;
  const Onderzoek a = OnderzoekMaken(s), b = OnderzoekMaken(s);
  EXPECT_EQ(Regels(a.project), Regels(b.project));
  EXPECT_EQ(a.project.Doorrijtijdentabel, b.project.Doorrijtijdentabel);
  EXPECT_EQ(a.ritten, b.ritten);
  s.zaad = 2;
  EXPECT_NE(Regels(OnderzoekMaken(s).project), Regels(a.project));
}

TEST(SurveyGenerator, BuildsThePostsTheTableAndAboutTheAskedRegistrations) {
  OnderzoekInstellingen s;
  s.kordonpunten = 4;
  s.tussenpunten = 1;
  s.registraties = 1000;
  const Onderzoek o = OnderzoekMaken(s);
  ASSERT_EQ(o.project.Postlijst.size(), 10u);
  EXPECT_EQ(o.project.Postlijst.front().Postcode, "001-ki");
  EXPECT_EQ(o.project.Postlijst.back().Postcode, "005-t2");
  EXPECT_GE(o.project.Registratielijst.size(), 1000u);
  EXPECT_LT(o.project.Registratielijst.size(), 1010u);
  // 5 origins (4 ki, t1, t2) x their destinations, never a post with itself: 6 x 6 - 2.
  EXPECT_EQ(o.project.Doorrijtijdentabel.size(), 34u);
  for (const std::string& regel : o.project.Doorrijtijdentabel) {
    const bool zelfdePunt = regel.substr(0, 3) == regel.substr(7, 3);
    EXPECT_EQ(zelfdePunt, regel.substr(14, 5) == "0    ") << regel;
  }
  std::set<std::string> posten;
  for (const auto& p : o.project.Postlijst) posten.insert(p.Postcode.str());
  for (const auto& r : o.project.Registratielijst) {
    EXPECT_TRUE(posten.count(r.Post.str())) << r.Regel();
    EXPECT_GE(r.Tijd.view(), "0700");
    EXPECT_LT(r.Tijd.view(), "0900");
  }
}

TEST(SurveyGenerator, MakesEveryKindOfObservationError) {
  OnderzoekInstellingen s;
  s.registraties = 2000;
  s.gemist = s.onleesbaar = s.verwisseld = s.verkeerd = 0.1;
  const Onderzoek o = OnderzoekMaken(s);
  int gemist = 0, wildcard = 0;
  for (const auto& r : o.project.Registratielijst) {
    if (r.Kenteken == "*") ++gemist;
    if (r.Kenteken.view().find('#') != std::string_view::npos) ++wildcard;
  }
  EXPECT_GT(gemist, 100);
  EXPECT_GT(wildcard, 100);
  int doorgaand = 0;
  for (const auto& [sleutel, aantal] : o.ritten)
    if (!std::get<0>(sleutel).empty() && !std::get<1>(sleutel).empty()) doorgaand += aantal;
  EXPECT_GT(doorgaand, 0);
}

TEST(SurveyGenerator, AReturnTripBringsTheVehicleBackTheOtherWay) {
  OnderzoekInstellingen s;
  s.registraties = 3000;
  s.vanTijd = 0;
  s.totTijd = 2359;
  s.doorgaand = 1;
  s.herkomst = s.bestemming = s.lokaal = 0;
  s.viaTussenpunt = 0;
  s.gemist = s.onleesbaar = s.verwisseld = s.verkeerd = s.overgeslagen = 0;
  auto perKenteken = [](const Project& p) {
    std::map<std::string, std::vector<const RRegistratie*>> m;
    for (const auto& r : p.Registratielijst) m[r.Kenteken.str()].push_back(&r);
    for (auto& [kenteken, regs] : m)
      std::sort(regs.begin(), regs.end(), [](auto* a, auto* b) { return a->Tijd.view() < b->Tijd.view(); });
    return m;
  };

  const Onderzoek enkel = OnderzoekMaken(s);
  for (const auto& [kenteken, regs] : perKenteken(enkel.project)) EXPECT_LE(regs.size(), 2u) << kenteken;

  s.terugrit = 1;
  int terug = 0;
  const Onderzoek heenEnTerug = OnderzoekMaken(s);
  for (const auto& [kenteken, regs] : perKenteken(heenEnTerug.project)) {
    ASSERT_LE(regs.size(), 4u) << kenteken;
    if (regs.size() != 4) continue;
    ++terug;
    // In at A, out at B; later in at B, out at A.
    EXPECT_EQ(regs[0]->Post.view().substr(3), "-ki");
    EXPECT_EQ(regs[1]->Post.view().substr(3), "-ku");
    EXPECT_EQ(regs[2]->Post.view().substr(3), "-ki");
    EXPECT_EQ(regs[3]->Post.view().substr(3), "-ku");
    EXPECT_EQ(regs[0]->Post.view().substr(0, 3), regs[3]->Post.view().substr(0, 3)) << kenteken;
    EXPECT_EQ(regs[1]->Post.view().substr(0, 3), regs[2]->Post.view().substr(0, 3)) << kenteken;
    EXPECT_GE(regs[2]->Tijd.view(), regs[1]->Tijd.view()) << kenteken;
  }
  EXPECT_GT(terug, 300);
}

TEST(SurveyGenerator, ObservableTripsAreTheTripsTheSurveySawWhole) {
  OnderzoekInstellingen s;
  s.registraties = 2000;
  s.gemist = s.onleesbaar = s.verwisseld = s.verkeerd = s.overgeslagen = 0;
  const auto som = [](const HerkomstBestemming& m) {
    int n = 0;
    for (const auto& [sleutel, aantal] : m) n += aantal;
    return n;
  };
  // Without observation errors only the period hides a part of a trip: a trip it cuts counts
  // by its part inside, one it hides wholly not at all.
  const Onderzoek heel = OnderzoekMaken(s);
  EXPECT_NE(heel.waarneembaar, heel.ritten);
  EXPECT_LE(som(heel.waarneembaar), som(heel.ritten));
  EXPECT_GT(som(heel.waarneembaar), som(heel.ritten) * 9 / 10);
  // Every plate missed: no trip can be seen, and the survey itself is the same draw.
  s.gemist = 1;
  const Onderzoek gemist = OnderzoekMaken(s);
  EXPECT_TRUE(gemist.waarneembaar.empty());
  EXPECT_EQ(gemist.ritten, heel.ritten);

  const HerkomstBestemming ritten = {{{"001-ki", "002-ku"}, 3}};
  const HerkomstBestemming waarneembaar = {{{"001-ki", ""}, 1}, {{"001-ki", "002-ku"}, 2}};
  EXPECT_EQ(RittenAlsTekst(ritten, waarneembaar),
            (std::vector<std::string>{"soort;van;naar;werkelijk;waarneembaar", "bestemming;001-ki;;0;1",
                                      "doorgaand;001-ki;002-ku;3;2"}));
}
