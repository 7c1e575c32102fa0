#include <gtest/gtest.h>

#include "analysis/routes_report.h"
#include "comparison_report_fixture.h"

using namespace morvask;
using namespace morvask::test;

namespace {

using Regels = std::vector<std::string>;

std::string R(const std::vector<std::string>& posten, const std::string& kenteken = "AB12CD") {
  std::vector<std::string> w;
  for (std::size_t i = 0; i < posten.size(); ++i) w.push_back(Waarneming("08" + std::to_string(10 + i), 'a', kenteken));
  return Route(posten, w);
}

// Four kinds of route: 001-ki > 002-ku three times, 002-ki > 003-t1 twice, once each
// 002-ki > 001-ku and 001-ki > 003-t1 > 002-ku.
MatchInhoud VierSoorten() {
  MatchInhoud m;
  m.routes = {R({"002-ki", "003-t1"}, "P1"), R({"001-ki", "002-ku"}, "P2"),
              R({"002-ki", "001-ku"}, "P3"), R({"001-ki", "003-t1", "002-ku"}, "P4"),
              R({"001-ki", "002-ku"}, "P5"), R({"002-ki", "003-t1"}, "P6"),
              R({"001-ki", "002-ku"}, "P7")};
  return m;
}

RVergelijkingsrapportOpties Routes(RouteWeergave weergave = RouteWeergave::Alle, bool opAantal = false,
                                   bool aflopend = false, bool detail = false) {
  RVergelijkingsrapportOpties o;
  o.Type = Vergelijkingsrapporttype::Routes;
  o.Routes = {weergave, opAantal, aflopend, detail};
  return o;
}

// The table rows of a routes report with the minimum route column of 35.
std::string Rij35(const std::string& postdeel, int aantal) {
  std::string a = std::to_string(aantal);
  return postdeel + std::string(35 - postdeel.size(), ' ') + std::string(7 - a.size(), ' ') + a;
}

}  // namespace

TEST(RapportRoutes, GroupsByPostsInPostOrderWithTheMinimumColumn) {
  RapportOmgeving o;
  const Rapport r = o.Maak(VierSoorten(), Routes());
  EXPECT_EQ(r.Titel, "Routes");
  EXPECT_FALSE(r.BevatTabelData);
  EXPECT_EQ(r.Regels,
            Verwacht("Routes tussen waarnemingsposten.",
                     {Sep(42), "Van - via - naar waarnemingspost    Aantal", Sep(42), Rij35("001-ki 002-ku ", 3),
                      Rij35("001-ki 003-t1 002-ku ", 1), Rij35("002-ki 001-ku ", 1), Rij35("002-ki 003-t1 ", 2),
                      Sep(42), Rij35("Totaal", 7), Sep(42), ""}));
}

TEST(RapportRoutes, SortsByCountAscendingAndDescending) {
  struct Geval {
    bool opAantal, aflopend;
    Regels volgorde;
  };
  const std::vector<Geval> gevallen = {
      // Equal counts stay in post order; descending reverses everything, so among equal
      // counts the route that sorts last by text comes first.
      {true, false, {"001-ki 003-t1 002-ku ", "002-ki 001-ku ", "002-ki 003-t1 ", "001-ki 002-ku "}},
      {true, true, {"001-ki 002-ku ", "002-ki 003-t1 ", "002-ki 001-ku ", "001-ki 003-t1 002-ku "}},
      // Descending is ignored with the post order.
      {false, true, {"001-ki 002-ku ", "001-ki 003-t1 002-ku ", "002-ki 001-ku ", "002-ki 003-t1 "}},
  };
  for (const Geval& g : gevallen) {
    RRoutesOpties opties{RouteWeergave::Alle, g.opAantal, g.aflopend, false};
    Regels delen;
    for (const RRoutegroep& groep : RoutesGroeperen(VierSoorten().routes, opties)) delen.push_back(groep.Postdeel);
    EXPECT_EQ(delen, g.volgorde) << g.opAantal << g.aflopend;
  }
  RapportOmgeving o;
  const Rapport r = o.Maak(VierSoorten(), Routes(RouteWeergave::Alle, true, true));
  const Regels tabel(r.Regels.begin() + 24, r.Regels.begin() + 28);
  EXPECT_EQ(tabel, (Regels{Rij35("001-ki 002-ku ", 3), Rij35("002-ki 003-t1 ", 2), Rij35("002-ki 001-ku ", 1),
                           Rij35("001-ki 003-t1 002-ku ", 1)}));
}

TEST(RapportRoutes, DataHoldsEachGroupsPostsAndCountInTheReportsOrder) {
  using Rij = std::vector<Gegevensveld>;
  RapportOmgeving o;
  const Rapport r = o.Maak(VierSoorten(), Routes(RouteWeergave::Alle, true, true));
  EXPECT_EQ(r.Gegevens.Kolommen, (Regels{"from", "via", "to", "count"}));
  EXPECT_EQ(r.Gegevens.Rijen, (std::vector<Rij>{{"001-ki", "", "002-ku", 3LL},
                                                {"002-ki", "", "003-t1", 2LL},
                                                {"002-ki", "", "001-ku", 1LL},
                                                {"001-ki", "003-t1", "002-ku", 1LL}}));
  // A route over six posts has four in between; the selection leaves its data as it leaves
  // its table.
  MatchInhoud m;
  m.routes = {R({"001-ki", "003-t1", "004-t2", "005-t1", "006-t2", "002-ku"}), R({"002-ki", "003-t1"})};
  const Rapport lang = o.Maak(m, Routes(RouteWeergave::Kordon));
  EXPECT_EQ(lang.Gegevens.Rijen, (std::vector<Rij>{{"001-ki", "003-t1 004-t2 005-t1 006-t2", "002-ku", 1LL}}));
}

TEST(RapportRoutes, CountsOverTenDoNotBreakTheKeyOrder) {
  // 10 sorts after 9 by count, not before it as the text "10" would.
  MatchInhoud m;
  for (int i = 0; i < 10; ++i) m.routes.push_back(R({"002-ki", "001-ku"}));
  for (int i = 0; i < 9; ++i) m.routes.push_back(R({"001-ki", "002-ku"}));
  const auto g = RoutesGroeperen(m.routes, {RouteWeergave::Alle, true, false, false});
  ASSERT_EQ(g.size(), 2u);
  EXPECT_EQ(g[0].Aantal, 9);
  EXPECT_EQ(g[1].Aantal, 10);
}

TEST(RapportRoutes, SelectsByCordonAndByMarkedPosts) {
  RapportOmgeving o;
  const auto& posten = o.project.Postlijst;
  const Regels alle = VierSoorten().routes;
  const auto aantal = [&](RouteWeergave w) { return RoutesSelecteren(alle, w, posten).size(); };
  // Every post is marked at first.
  EXPECT_EQ(aantal(RouteWeergave::Alle), 7u);
  EXPECT_EQ(aantal(RouteWeergave::Kordon), 5u);  // not the two ending at 003-t1
  EXPECT_EQ(aantal(RouteWeergave::AlleGeselecteerd), 0u);
  EXPECT_EQ(aantal(RouteWeergave::MinimaalEenGeselecteerd), 7u);
  for (auto& p : o.project.Postlijst) p.Geselecteerd = p.Postcode == "003-t1";
  EXPECT_EQ(aantal(RouteWeergave::AlleGeselecteerd), 3u);
  EXPECT_EQ(aantal(RouteWeergave::MinimaalEenGeselecteerd), 3u);
  for (auto& p : o.project.Postlijst) p.Geselecteerd = p.Postcode == "003-t1" || p.Postcode == "002-ku";
  EXPECT_EQ(aantal(RouteWeergave::AlleGeselecteerd), 1u);
  EXPECT_EQ(aantal(RouteWeergave::MinimaalEenGeselecteerd), 6u);
  // No post marked: every route holds all of none, none holds at least one.
  for (auto& p : o.project.Postlijst) p.Geselecteerd = false;
  EXPECT_EQ(aantal(RouteWeergave::AlleGeselecteerd), 7u);
  EXPECT_EQ(aantal(RouteWeergave::MinimaalEenGeselecteerd), 0u);
}

TEST(RapportRoutes, DetailListAndAWideRouteColumn) {
  RapportOmgeving o;
  MatchInhoud m;
  const std::string lang = R({"001-ki", "003-t1", "004-t2", "005-t1", "006-t2", "002-ku"}, "LANG");
  m.routes = {R({"002-ki", "001-ku"}, "ZZ"), lang, R({"001-ki", "002-ku"}, "AB")};
  const Rapport r = o.Maak(m, Routes(RouteWeergave::Alle, false, false, true));
  // The longest entry is the 42-character post part, "ß" and "1": 44 characters.
  const std::string rule(51, '=');
  const auto rij = [](const std::string& deel, const std::string& n) {
    return deel + std::string(44 - deel.size(), ' ') + std::string(7 - n.size(), ' ') + n;
  };
  const std::string d1 = "001-ki 002-ku  ; 0810 a AB     ; 0811 a AB    ";
  const std::string d2 =
      "001-ki 003-t1 004-t2 005-t1 006-t2 002-ku  ; 0810 a LANG   ; 0811 a LANG   ; 0812 a LANG   ; 0813 a LANG   ; "
      "0814 a LANG   ; 0815 a LANG  ";
  const std::string d3 = "002-ki 001-ku  ; 0810 a ZZ     ; 0811 a ZZ    ";
  EXPECT_EQ(r.Regels,
            Verwacht("Routes tussen waarnemingsposten.", {rule,
                                                          rij("Van - via - naar waarnemingspost", "Aantal"),
                                                          rule,
                                                          rij("001-ki 002-ku ", "1"),
                                                          rij("001-ki 003-t1 004-t2 005-t1 006-t2 002-ku ", "1"),
                                                          rij("002-ki 001-ku ", "1"),
                                                          rule,
                                                          rij("Totaal", "3"),
                                                          rule,
                                                          "",
                                                          "",
                                                          "",
                                                          "Detaillijst (gesorteerd op waarnemingspost)",
                                                          Sep(d2.size()),
                                                          d1,
                                                          d2,
                                                          d3,
                                                          Sep(d2.size()),
                                                          "Totaal aantal routes: 3",
                                                          "Totaal aantal registraties voor routes: 10",
                                                          Sep(d2.size()),
                                                          ""}));
}

TEST(RapportRoutes, ExplanationAndTheRuleCharacterFromTheSettings) {
  RapportOmgeving o;
  o.instellingen.RapportInformatieOverInhoudWeergeven = true;
  o.instellingen.EenHorzTeken = "\x97";
  const Rapport r = o.Maak(MatchInhoud{}, Routes());
  const Regels verwacht = {"In onderstaande lijst zijn de aantallen voertuigen weergegeven die zich",
                           "binnen de doorrijtijd van waarnemingspost A, via B, C, D, enzovoorts",
                           "naar Z hebben verplaatst.",
                           "",
                           std::string(42, '\x97'),
                           "Van - via - naar waarnemingspost    Aantal",
                           std::string(42, '\x97'),
                           std::string(42, '\x97'),
                           Rij35("Totaal", 0),
                           std::string(42, '\x97'),
                           ""};
  EXPECT_EQ(Regels(r.Regels.begin() + 21, r.Regels.end()), verwacht);
}

TEST(RouteDetailregel, DropsTheEndMarksOnlyWhereTheyAre) {
  EXPECT_EQ(RouteDetailregel("001-ki 002-ku " + ss + "0815 a AB    " + ss + "0820 a AB    " + ss + ei),
            "001-ki 002-ku  ; 0815 a AB     ; 0820 a AB    ");
  // A line cut short keeps what it has.
  EXPECT_EQ(RouteDetailregel("001-ki 002-ku " + ss + "0815 a AB"), "001-ki 002-ku  ; 0815 a AB");
  EXPECT_EQ(RouteDetailregel(ss + ei), "");
  EXPECT_EQ(RouteDetailregel(""), "");
}

TEST(RapportNietRoutes, CountsPerPostWithTotalAndDetailList) {
  RapportOmgeving o;
  MatchInhoud m;
  m.nietRoutes = {"002-ku 0850 a X", "001-ki 0800 b Y", "001-ki 0700 a Z", "003-t1 0801 a W"};
  RVergelijkingsrapportOpties opties;
  opties.Type = Vergelijkingsrapporttype::NietRoutes;
  opties.NietRoutesDetaillijst = true;
  const Rapport r = o.Maak(m, opties);
  EXPECT_EQ(r.Titel, "Niet-Routes");
  EXPECT_EQ(r.Regels, Verwacht("Lijst van registraties die niet tot een route behoren.", {Sep(14),
                                                                                          "001-ki       2",
                                                                                          "002-ku       1",
                                                                                          "003-t1       1",
                                                                                          Sep(14),
                                                                                          "Totaal       4",
                                                                                          Sep(14),
                                                                                          "",
                                                                                          "",
                                                                                          "",
                                                                                          "Detaillijst",
                                                                                          Sep(20),
                                                                                          "001-ki 0700 a Z",
                                                                                          "001-ki 0800 b Y",
                                                                                          "002-ku 0850 a X",
                                                                                          "003-t1 0801 a W",
                                                                                          Sep(20),
                                                                                          "Aantal: 4",
                                                                                          Sep(20),
                                                                                          ""}));
}

TEST(RapportNietRoutes, DataHoldsTheCountOfEachPost) {
  using Rij = std::vector<Gegevensveld>;
  RapportOmgeving o;
  MatchInhoud m;
  m.nietRoutes = {"002-ku 0850 a X", "001-ki 0800 b Y", "001-ki 0700 a Z"};
  RVergelijkingsrapportOpties opties;
  opties.Type = Vergelijkingsrapporttype::NietRoutes;
  const Rapport r = o.Maak(m, opties);
  EXPECT_EQ(r.Gegevens.Kolommen, (Regels{"post", "count"}));
  EXPECT_EQ(r.Gegevens.Rijen, (std::vector<Rij>{{"001-ki", 2LL}, {"002-ku", 1LL}}));
}

TEST(RapportNietRoutes, AnEmptySectionShowsTheRulesAndTotalZero) {
  RapportOmgeving o;
  RVergelijkingsrapportOpties opties;
  opties.Type = Vergelijkingsrapporttype::NietRoutes;
  const Rapport r = o.Maak(MatchInhoud{}, opties);
  EXPECT_EQ(r.Regels, Verwacht("Lijst van registraties die niet tot een route behoren.",
                               {Sep(14), Sep(14), "Totaal       0", Sep(14), ""}));
  // Its data: the header and no rows.
  EXPECT_TRUE(r.Gegevens.Aanwezig());
  EXPECT_TRUE(r.Gegevens.Rijen.empty());
}

TEST(RapportNietRoutes, GroupsCodesThatDifferOnlyInLetterCase) {
  const auto g = NietRoutesGroeperen({"001-KI 0800 a X", "002-ku 0800 a X", "001-ki 0801 a Y", "01"});
  ASSERT_EQ(g.size(), 3u);
  EXPECT_EQ(g[0].Postcode, "001-KI");  // shown as the first of its group
  EXPECT_EQ(g[0].Aantal, 2);
  EXPECT_EQ(g[1].Postcode, "002-ku");
  EXPECT_EQ(g[2].Postcode, "01");  // a short line is its own code
}
