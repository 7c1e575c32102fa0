#include <gtest/gtest.h>

#include "network/posts_report.h"
#include "network/travel_time_report.h"
#include "network/vehicle_types_report.h"
#include "support/report_fixture.h"

using namespace morvask;
using namespace morvask::test;

TEST(Postenrapport, ListsThePostsWithoutRepeatingThemInTheFooter) {
  RapportProject o;
  o.project.PostToevoegen("001-ki", "Oost");
  o.project.PostToevoegen("001-ku", "Oost uit");
  o.instellingen.RapportOmschrijvingWaarnemingsposten = true;
  const Rapport r = RapportWaarnemingsposten(o.ctx);
  EXPECT_EQ(r.Titel, "Waarnemingsposten");
  const auto lijn = RapportProject::Lijn(28);
  EXPECT_EQ(r.Regels, Samen({RapportProject::Kop(),
                             {"Omschrijving waarnemingsposten in project", lijn, "Post    Omschrijving", lijn,
                              "001-ki  Oost", "001-ku  Oost uit", lijn, ""},
                             RapportProject::Legenda()}));
  EXPECT_FALSE(r.BevatTabelData);
}

TEST(Voertuigtypenrapport, ListsTheEightLettersWithTheProjectsNames) {
  RapportProject o;
  o.project.Gegevens.VehTypem = "m";
  o.project.Gegevens.VehTypeb = "  Busje ";
  const Rapport r = RapportVoertuigtypen(o.ctx);
  EXPECT_EQ(r.Titel, "Voertuigtypen");
  const auto lijn = RapportProject::Lijn(35);
  EXPECT_EQ(r.Regels,
            Samen({RapportProject::Kop(),
                   {"Voertuigtypen", lijn, "a : Personenauto", "l : Lichte vrachtauto", "m : m", "z : Zware vrachtauto",
                    "b :   Busje ", "o : Motor", "u : Landbouwvoertuig", "r : Overig voertuig", lijn, ""}}));
}

TEST(Doorrijtijdenrapport, ShowsBothMatricesWithOriginRowsAndDestinationColumns) {
  RapportProject o;
  for (const char* code : {"001-ki", "001-ku", "002-t1"}) o.project.PostToevoegen(code, "");
  o.project.Doorrijtijdentabel = {"001-ki 001-ku 5    1   ", "002-t1 001-ku 12   3   ",
                                  "001-ki 001-ku 99   98  "};  // a second line of a pair does not count
  o.instellingen.RapportInformatieOverInhoudWeergeven = false;
  const auto r = RapportDoorrijtijden(o.ctx);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->Titel, "Doorrijtijden");
  const std::string lijn = RapportProject::Lijn(21);
  // Three columns: the heading pieces beyond them are dropped; 001-ki -> 002-t1 has no line.
  EXPECT_EQ(r->Regels,
            Samen({RapportProject::Kop(),
                   {"Matrices doorrijtijden (minuten).", "Minimale doorrijtijde", lijn, "Van     Naar post    ",
                    "post    001-ku 002-t1", lijn, "001-ki       1       ", "002-t1       3      -", lijn,
                    std::string(21, ' '), "Maximale doorrijtijde", lijn, "Van     Naar post    ",
                    "post    001-ku 002-t1", lijn, "001-ki       5       ", "002-t1      12      -", lijn, ""},
                   RapportProject::Legenda(),
                   {"-\t: Doorrijtijd niet van toepassing"}}));
  ASSERT_TRUE(r->BevatTabelData);
  EXPECT_EQ(r->Tabel.KolomAantal(), 3);
  EXPECT_EQ(r->Tabel.RijAantal(), 17);
  EXPECT_EQ(r->Tabel.Cel(0, 5), "001-ki ");
  EXPECT_EQ(r->Tabel.Cel(1, 3), "001-ku");
  EXPECT_EQ(r->Tabel.Cel(1, 6), "3");
  EXPECT_EQ(r->Tabel.Cel(0, 1), "=======");
  // The data: the pairs with a line, their numbers as numbers; not the post with itself, not
  // 001-ki -> 002-t1 without a line.
  using Rij = std::vector<Gegevensveld>;
  EXPECT_EQ(r->Gegevens.Kolommen, (std::vector<std::string>{"origin", "destination", "minimum", "maximum"}));
  EXPECT_EQ(r->Gegevens.Rijen, (std::vector<Rij>{{"001-ki", "001-ku", 1LL, 5LL}, {"002-t1", "001-ku", 3LL, 12LL}}));
  // A field the table holds as no whole number stays text.
  o.project.Doorrijtijdentabel = {"001-ki 001-ku 1x   2   "};
  EXPECT_EQ(RapportDoorrijtijden(o.ctx)->Gegevens.Rijen, (std::vector<Rij>{{"001-ki", "001-ku", 2LL, "1x"}}));
}

TEST(Doorrijtijdenrapport, ExplainsTheMatricesWhenTheSettingAsks) {
  RapportProject o;
  o.project.PostToevoegen("001-ki", "");
  o.project.PostToevoegen("002-ku", "");
  o.project.Doorrijtijdentabel = {"001-ki 002-ku 8    2   "};
  const auto r = RapportDoorrijtijden(o.ctx);
  ASSERT_TRUE(r);
  const std::vector<std::string> begin(r->Regels.begin() + 4, r->Regels.begin() + 14);
  EXPECT_EQ(begin,
            (std::vector<std::string>{"Matrices doorrijtijden (minuten).", "",
                                      "De doorrijtijd is de tijd die nodig is om de route af te leggen tussen de",
                                      "waarnemingsposten A en B. Voertuigen die zich verplaatsen van waarnemingspost",
                                      "A naar B, binnen de periode gevormd door de minimale en maximale doorrijtijd,",
                                      "worden beschouwd als doorgaand verkeer. Op een relatie met een maximale",
                                      "doorrijtijd van 0 minuten is geen doorgaand verkeer mogelijk (blokkade).", "",
                                      "", "Minimale doorr"}));
}

TEST(Doorrijtijdenrapport, NeedsTwoPosts) {
  RapportProject o;
  EXPECT_FALSE(RapportDoorrijtijden(o.ctx));
  o.project.PostToevoegen("001-t1", "");
  EXPECT_FALSE(RapportDoorrijtijden(o.ctx));
  // Two cordon-inbound posts: rows but no destination column.
  o.project.Postlijst.clear();
  o.project.PostToevoegen("001-ki", "");
  o.project.PostToevoegen("002-ki", "");
  const auto r = RapportDoorrijtijden(o.ctx);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->Tabel.KolomAantal(), 1);
  EXPECT_EQ(r->Tabel.RijAantal(), 17);
  EXPECT_EQ(r->Tabel.Cel(0, 5), "001-ki ");
}
