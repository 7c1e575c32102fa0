#include <gtest/gtest.h>

#include "analysis/travel_time_overview_report.h"
#include "comparison_report_fixture.h"

using namespace morvask;
using namespace morvask::test;

namespace {

using Regels = std::vector<std::string>;

const std::string p12 = Paar("001-ki", "0800", 'a', "002-ku", "0812", 'a', 12);
const std::string p13 = Paar("001-ki", "0801", 'a', "002-ku", "0814", 'a', 13, "1v");
const std::string q13 = Paar("001-ki", "0800", 'a', "003-t1", "0813", 'b', 13, "1t");
const std::string q14 = Paar("001-ki", "0801", 'a', "003-t1", "0815", 'a', 14);
const std::string t5 = Paar("003-t1", "0800", 'a', "002-ku", "0805", 'a', 5);
const std::string t10 = Paar("003-t1", "0800", 'a', "001-ku", "0810", 'a', 10);
// A travel time that is not a whole number counts as 0.
const std::string tx = "003-t1 0800 a 12ABC3  ->  001-ku 0810 a 12ABC3   :    x min   -";

MatchInhoud Paren() {
  MatchInhoud m;
  m.controle = {"Iteration 1: TheSameLicenseNumbers", "", p12, q13, t5, t10, "",
                "Iteration 2: DifferentCharacters",   "", p13, q14, tx};
  return m;
}

RVergelijkingsrapportOpties Soort(Vergelijkingsrapporttype t, bool detail = false) {
  RVergelijkingsrapportOpties o;
  o.Type = t;
  o.DoorrijtijdenDetaillijst = detail;
  return o;
}

}  // namespace

TEST(RapportVergelijkingsoverzicht, ListsThePairsBetweenRulesWithTheLegend) {
  RapportOmgeving o;
  const Rapport r = o.Maak(Paren(), Soort(Vergelijkingsrapporttype::Overzicht));
  EXPECT_EQ(r.Titel, "Vergelijkingscontrole");
  const std::string s = Sep(90);
  EXPECT_EQ(r.Regels, Verwacht("Vergelijkingsoverzicht.",
                               {s,
                                "Van                       Naar                   Doorrijtijd   Vergelijking",
                                s,
                                "Iteration 1: zoeken van exact gelijke kentekens",
                                "",
                                p12,
                                q13,
                                t5,
                                t10,
                                "",
                                "Iteration 2: vergelijking met verschillende karakters",
                                "",
                                p13,
                                q14,
                                tx,
                                "",
                                s,
                                "",
                                "Verklaring vergelijking:",
                                "-\t: Geen opmerkingen",
                                "Xv\t: Aantal verschillende karakters",
                                "Xw\t: Aantal verwisselde karakters",
                                "1p\t: 1 Registratie buiten periode",
                                "1t\t: Verschillend voertuigtype",
                                ""}));
}

TEST(RapportDoorrijtijdenMatrix, AveragesRoundHalvesToEvenWithTheDetailListAfterTheFooter) {
  RapportOmgeving o({"001-ki", "001-ku", "002-ku", "003-t1"});
  o.instellingen.RapportAfkortingOmschrijvingWeergeven = true;
  const Rapport r = o.Maak(Paren(), Soort(Vergelijkingsrapporttype::Doorrijtijden, true));
  EXPECT_EQ(r.Titel, "Gemiddelde doorrijtijden");
  EXPECT_TRUE(r.BevatTabelData);
  const std::string s = Sep(28);
  const auto aantal = [](const std::string& n, const std::string& gem) {
    return "  Aantal: " + std::string(7 - n.size(), ' ') + n + std::string(25, ' ') +
           "Gemiddeld:  " + std::string(4 - gem.size(), ' ') + gem + " min";
  };
  EXPECT_EQ(r.Regels,
            Verwacht("Gemiddelde doorrijtijden (minuten) bij gespecificeerde minimum en maximum doorrijtijden.",
                     {s,
                      "Van     Naar post           ",
                      "post    001-ku 002-ku 003-t1",
                      s,
                      "001-ki       -     12     14",  // 12.5 gives 12, 13.5 gives 14
                      "003-t1       5      5      -",  // with itself "-": no pair line leads to itself
                      s,
                      "",
                      "xxx-ki\t: Kordon ingaand",
                      "xxx-ku\t: Kordon uitgaand",
                      "xxx-t1\t: Tussenpost rijrichting 1",
                      "xxx-t2\t: Tussenpost rijrichting 2",
                      "-\t: Relatie niet gevonden",
                      "",
                      "",
                      "Detaillijst",
                      Sep(75),
                      "001-ki -> 001-ku",
                      "001-ki -> 002-ku",
                      "  " + p12,
                      "  " + p13,
                      aantal("2", "12"),
                      "",
                      "001-ki -> 003-t1",
                      "  " + q13,
                      "  " + q14,
                      aantal("2", "14"),
                      "",
                      "003-t1 -> 001-ku",
                      "  " + t10,
                      "  " + tx,
                      aantal("2", "5"),
                      "",
                      "003-t1 -> 002-ku",
                      "  " + t5,
                      aantal("1", "5"),
                      "",
                      "003-t1 -> 003-t1",
                      Sep(75),
                      "",
                      "Verklaring vergelijking:",
                      "-\t: Geen opmerkingen",
                      "Xv\t: Aantal verschillende karakters",
                      "Xw\t: Aantal verwisselde karakters",
                      "1p\t: 1 Registratie buiten periode",
                      "1t\t: Verschillend voertuigtype"}));
}

TEST(RapportDoorrijtijdenMatrix, DataHoldsEveryCombinationWithItsPairsAndAverage) {
  using Rij = std::vector<Gegevensveld>;
  RapportOmgeving o({"001-ki", "001-ku", "002-ku", "003-t1"});
  const Rapport r = o.Maak(Paren(), Soort(Vergelijkingsrapporttype::Doorrijtijden));
  EXPECT_EQ(r.Gegevens.Kolommen, (Regels{"origin", "destination", "count", "average"}));
  // A "-" cell has no pairs and no average.
  EXPECT_EQ(r.Gegevens.Rijen, (std::vector<Rij>{{"001-ki", "001-ku", 0LL, ""},
                                                {"001-ki", "002-ku", 2LL, 12LL},
                                                {"001-ki", "003-t1", 2LL, 14LL},
                                                {"003-t1", "001-ku", 2LL, 5LL},
                                                {"003-t1", "002-ku", 1LL, 5LL},
                                                {"003-t1", "003-t1", 0LL, ""}}));
  // Each average is its cell of the table.
  for (std::size_t i = 0; i < r.Gegevens.Rijen.size(); ++i) {
    const Rij& rij = r.Gegevens.Rijen[i];
    const std::string cel = r.Tabel.Cel(static_cast<int>(i % 3) + 1, static_cast<int>(i / 3) + 4);
    EXPECT_EQ(cel, std::get<long long>(rij[2]) == 0 ? "-" : std::to_string(std::get<long long>(rij[3])));
  }
}

TEST(RapportDoorrijtijdenMatrix, WithoutDetailListEndsWithTheFooter) {
  RapportOmgeving o({"001-ki", "002-ku"});
  const Rapport r = o.Maak(Paren(), Soort(Vergelijkingsrapporttype::Doorrijtijden));
  EXPECT_EQ(Regels(r.Regels.end() - 6, r.Regels.end()),
            (Regels{"Van     Naar p", "post    002-ku", Sep(14), "001-ki      12", Sep(14), ""}));
  // A pair line leading from an intermediate post to itself fills that post's own cell.
  RapportOmgeving t({"003-t1"});
  MatchInhoud m;
  m.controle = {Paar("003-t1", "0800", 'a', "003-t1", "0807", 'a', 7)};
  const Rapport z = t.Maak(m, Soort(Vergelijkingsrapporttype::Doorrijtijden));
  EXPECT_EQ(Regels(z.Regels.end() - 4, z.Regels.end()), (Regels{Sep(14), "003-t1       7", Sep(14), ""}));
}

TEST(GemiddeldeDoorrijtijden, UsesEachPairLineOnceAndIgnoresHeadings) {
  RapportOmgeving o({"001-ki", "002-ku"});
  const auto g = GemiddeldeDoorrijtijdenBepalen({"Iteration 1: x", "", p12, p13, "kort", tx}, o.project.Postlijst);
  ASSERT_EQ(g.Relaties.size(), 1u);
  ASSERT_EQ(g.Relaties[0].size(), 1u);
  EXPECT_EQ(g.Relaties[0][0].Aantal(), 2);
  EXPECT_EQ(g.Relaties[0][0].Som, 25);
  EXPECT_EQ(g.Relaties[0][0].Gemiddelde(), 12);
  EXPECT_EQ(PaarDoorrijtijd(tx), 0);
  EXPECT_EQ(PaarDoorrijtijd("kort"), 0);
  EXPECT_EQ(PaarDoorrijtijd(p13), 13);
}
