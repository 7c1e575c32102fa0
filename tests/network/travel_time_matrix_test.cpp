#include "network/travel_time_matrix.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/travel_time_table.h"
#include "network/network_test_support.h"

namespace morvask {
namespace {

using test::NetwerkOmgeving;
using Rijen = Doorrijtijdmatrix;

// Posts 001-ki, 001-ku, 002-t1, 003-t1: rows 001-ki, 002-t1, 003-t1; columns 001-ku, 002-t1,
// 003-t1.
struct MatrixOmgeving : NetwerkOmgeving {
  MatrixOmgeving() {
    Posten({"001-ki", "001-ku", "002-t1", "003-t1"});
    project.Doorrijtijdentabel = {
        DoorrijtijdRegel("001-ki", "001-ku", "0", "0"),     DoorrijtijdRegel("001-ki", "002-t1", "20", "3"),
        DoorrijtijdRegel("001-ki", "003-t1", "30", "4"),    DoorrijtijdRegel("002-t1", "001-ku", "21", "5"),
        DoorrijtijdRegel("002-t1", "003-t1", "7", "2"),     DoorrijtijdRegel("003-t1", "001-ku", "40", "6"),
        DoorrijtijdRegel("003-t1", "002-t1", "1500", "10"),
    };
  }
  RDoorrijtijdenMatrices Vul(bool maximum = false) { return DoorrijtijdenMatricesVullen(project, maximum); }
};

TEST(MatricesVullen, RowsAreOriginsColumnsDestinationsAndTheSamePostIsADash) {
  MatrixOmgeving o;
  o.project.Doorrijtijdentabel.erase(o.project.Doorrijtijdentabel.begin() + 4);              // 002-t1 -> 003-t1
  o.project.Doorrijtijdentabel.push_back(DoorrijtijdRegel("001-ki", "002-t1", "99", "99"));  // not the first
  const RDoorrijtijdenMatrices m = o.Vul();
  EXPECT_EQ(m.Herkomsten, (std::vector<std::string>{"001-ki", "002-t1", "003-t1"}));
  EXPECT_EQ(m.Bestemmingen, (std::vector<std::string>{"001-ku", "002-t1", "003-t1"}));
  EXPECT_EQ(m.Maximum, (Rijen{{"0", "20", "30"}, {"21", "-", ""}, {"40", "1500", "-"}}));
  EXPECT_EQ(m.Minimum, (Rijen{{"0", "3", "4"}, {"5", "-", ""}, {"6", "10", "-"}}));
  EXPECT_FALSE(m.Gewijzigd);
  EXPECT_FALSE(m.MaximumWeergeven);
  EXPECT_TRUE(o.Vul(true).MaximumWeergeven);
}

TEST(MatricesVullen, AShortLineHasAnEmptyMinimum) {
  NetwerkOmgeving o;
  o.Posten({"001-ki", "002-ku"});
  o.project.Doorrijtijdentabel = {"001-ki 002-ku 15"};
  const RDoorrijtijdenMatrices m = DoorrijtijdenMatricesVullen(o.project);
  EXPECT_EQ(m.Maximum, (Rijen{{"15"}}));
  EXPECT_EQ(m.Minimum, (Rijen{{""}}));
}

TEST(MatricesVullen, FewerThanTwoPostsOrNoPairLeaveThemEmpty) {
  for (const std::vector<std::string>& posten :
       {std::vector<std::string>{}, {"001-t1"}, {"001-ki", "002-ki"}, {"001-ku", "002-ku"}}) {
    NetwerkOmgeving o;
    o.Posten(posten);
    const RDoorrijtijdenMatrices m = DoorrijtijdenMatricesVullen(o.project);
    EXPECT_TRUE(m.Leeg()) << ::testing::PrintToString(posten);
  }
}

TEST(MatrixCellen, TypedTextsFollowTheCellRules) {
  struct Geval {
    const char* getypt;
    const char* blijft;
  };
  const Geval gevallen[] = {
      {"abc", "0"},     {"-5", "0"},  {"", "0"},        {"  ", "0"},       {"12a", "0"},
      {"1.5", "0"},     {"12", "12"}, {" 12 ", "12"},   {"+7", "7"},       {"007", "7"},
      {"0", "0"},       {"-0", "0"},  {"9999", "9999"}, {"12345", "9999"}, {"99999999999", "9999"},
      {"000015", "15"},
  };
  for (const Geval& g : gevallen) {
    MatrixOmgeving o;
    RDoorrijtijdenMatrices m = o.Vul();
    EXPECT_EQ(CelInvoeren(m, 0, 1, g.getypt), g.blijft) << g.getypt;
    EXPECT_EQ(m.Minimum[0][1], g.blijft);
    EXPECT_EQ(m.Maximum[0][1], "20") << "the hidden matrix is not touched";
    EXPECT_TRUE(m.Gewijzigd);
  }
}

TEST(MatrixCellen, ADashCellStaysADashButTheKeyCountsAsAnEdit) {
  MatrixOmgeving o;
  RDoorrijtijdenMatrices m = o.Vul(true);
  EXPECT_EQ(CelInvoeren(m, 1, 1, "5"), "-");
  EXPECT_EQ(m.Maximum[1][1], "-");
  EXPECT_TRUE(m.Gewijzigd);
  // Outside the matrix nothing happens.
  RDoorrijtijdenMatrices n = o.Vul();
  EXPECT_EQ(CelInvoeren(n, 3, 0, "5"), "");
  EXPECT_EQ(CelInvoeren(n, 0, 3, "5"), "");
  EXPECT_FALSE(n.Gewijzigd);
}

TEST(MatricesTerugschrijven, NothingIsWrittenWithoutAnEdit) {
  MatrixOmgeving o;
  const std::vector<std::string> tabel = o.project.Doorrijtijdentabel;
  RDoorrijtijdenMatrices m = o.Vul();
  Spiegelen(m);
  VolgendeKolom(m);
  EXPECT_FALSE(MatricesTerugschrijven(o.ctx, m));
  EXPECT_EQ(o.project.Doorrijtijdentabel, tabel);
  EXPECT_FALSE(o.project.Gegevens.ProjectgegevensbestandGewijzigd);
  EXPECT_TRUE(o.ui.menuCodes.empty());

  // Empty matrices are never written, not even after a question was answered.
  NetwerkOmgeving een;
  een.Posten({"001-t1"});
  een.project.Doorrijtijdentabel = {"kept"};
  RDoorrijtijdenMatrices leeg = DoorrijtijdenMatricesVullen(een.project);
  een.ui.antwoorden = {mrJa};
  Kopieren(een.ctx, leeg);
  EXPECT_FALSE(MatricesTerugschrijven(een.ctx, leeg));
  EXPECT_EQ(een.project.Doorrijtijdentabel, std::vector<std::string>{"kept"});
  EXPECT_FALSE(een.project.Gegevens.ProjectgegevensbestandGewijzigd);
}

TEST(MatricesTerugschrijven, AnEditRewritesTheTableInMatrixOrder) {
  MatrixOmgeving o;
  o.project.Doorrijtijdentabel.erase(o.project.Doorrijtijdentabel.begin() + 4);  // 002-t1 -> 003-t1 missing
  RDoorrijtijdenMatrices m = o.Vul(true);
  CelInvoeren(m, 0, 2, "45");
  EXPECT_TRUE(MatricesTerugschrijven(o.ctx, m));
  EXPECT_EQ(o.project.Doorrijtijdentabel, (std::vector<std::string>{
                                              "001-ki 001-ku 0    0   ",
                                              "001-ki 002-t1 20   3   ",
                                              "001-ki 003-t1 45   4   ",
                                              "002-t1 001-ku 21   5   ",
                                              "003-t1 001-ku 40   6   ",
                                              "003-t1 002-t1 1500 10  ",
                                          }));
  EXPECT_TRUE(o.project.Gegevens.ProjectgegevensbestandGewijzigd);
  EXPECT_EQ(o.ui.menuCodes, std::vector<MenuCode>{mcOpslaan});
}

// The yes/no/cancel question of the matrix window, "&Ja" the default.
void VerwachtJaVraag(const test::NepUi& ui, const std::string& tekst) {
  ASSERT_EQ(ui.berichten.size(), 1u);
  const test::Bericht& b = ui.berichten[0];
  EXPECT_EQ(b.soort, "vraag");
  EXPECT_EQ(b.caption, "Morvask");
  EXPECT_EQ(b.tekst, tekst);
  EXPECT_EQ(b.knoppen, (std::vector<std::string>{"&Ja", "&Nee", "&Annuleren"}));
  EXPECT_EQ(b.standaardKnop, skJa);
}

TEST(Blokkeren, SetsTheShownMatrixToZeroWithinOnePostNumber) {
  MatrixOmgeving o;
  o.Posten({"002-ku"});
  DoorrijtijdentabelBijwerken(o.project);  // pairs with 002-ku at their defaults
  RDoorrijtijdenMatrices m = o.Vul();
  const Rijen maxima = m.Maximum;
  ASSERT_EQ(m.Bestemmingen, (std::vector<std::string>{"001-ku", "002-ku", "002-t1", "003-t1"}));
  m.Minimum[0][0] = "9";
  m.Minimum[0][1] = "8";
  m.Minimum[1][1] = "8";
  EXPECT_TRUE(Blokkeren(o.ctx, m));  // the default answer is "&Ja"
  VerwachtJaVraag(o.ui,
                  "Voor alle relaties met hetzelfde waarnemingspostnummer (bijvoorbeeld van 001-ki naar 001-ku) de "
                  "doorrijtijd op 0 zetten (MAXIMALE doorrijtijd van 0 = blokkeren)?");
  // 001-ki->001-ku and 002-t1->002-ku share their numbers; 002-t1->002-t1 is the post itself.
  EXPECT_EQ(m.Minimum, (Rijen{{"0", "8", "3", "4"}, {"5", "0", "-", "2"}, {"6", "0", "10", "-"}}));
  EXPECT_EQ(m.Maximum, maxima);
  EXPECT_TRUE(m.Gewijzigd);
}

TEST(Blokkeren, OnlyTheYesButtonBlocks) {
  for (const ModaalResultaat antwoord : {mrNee, mrAnnuleren}) {
    MatrixOmgeving o;
    RDoorrijtijdenMatrices m = o.Vul(true);
    m.Maximum[0][0] = "9";
    const RDoorrijtijdenMatrices voor = m;
    o.ui.antwoorden = {antwoord};
    EXPECT_FALSE(Blokkeren(o.ctx, m));
    EXPECT_EQ(m.Maximum, voor.Maximum);
    EXPECT_FALSE(m.Gewijzigd);
  }
}

TEST(Kopieren, CopiesTheShownMatrixIntoTheOther) {
  {
    MatrixOmgeving o;
    RDoorrijtijdenMatrices m = o.Vul();
    EXPECT_TRUE(Kopieren(o.ctx, m));
    VerwachtJaVraag(o.ui,
                    "De matrix met minimale doorrijtijden kopi\xEBren naar de matrix met maximale doorrijtijden?");
    EXPECT_EQ(m.Maximum, (Rijen{{"0", "3", "4"}, {"5", "-", "2"}, {"6", "10", "-"}}));
    EXPECT_EQ(m.Minimum, m.Maximum);
    EXPECT_TRUE(m.Gewijzigd);
  }
  {
    MatrixOmgeving o;
    RDoorrijtijdenMatrices m = o.Vul(true);
    EXPECT_TRUE(Kopieren(o.ctx, m));
    VerwachtJaVraag(o.ui,
                    "De matrix met maximale doorrijtijden kopi\xEBren naar de matrix met minimale doorrijtijden?");
    EXPECT_EQ(m.Minimum, (Rijen{{"0", "20", "30"}, {"21", "-", "7"}, {"40", "1500", "-"}}));
  }
  {
    MatrixOmgeving o;
    RDoorrijtijdenMatrices m = o.Vul();
    const RDoorrijtijdenMatrices voor = m;
    o.ui.antwoorden = {mrNee};
    EXPECT_FALSE(Kopieren(o.ctx, m));
    EXPECT_EQ(m.Maximum, voor.Maximum);
    EXPECT_FALSE(m.Gewijzigd);
  }
}

TEST(Spiegelen, MovesToTheMirroredCellWhereItExists) {
  // Rows 001-ki, 002-t1, 003-t1; columns 001-ku, 002-t1, 003-t1, 004-ku.
  MatrixOmgeving o;
  o.Posten({"004-ku"});
  RDoorrijtijdenMatrices m = o.Vul();
  struct Geval {
    std::size_t rij, kolom, naarRij, naarKolom;
  };
  const Geval gevallen[] = {
      {1, 2, 2, 1},  // 002-t1 -> 003-t1 becomes 003-t1 -> 002-t1
      {0, 0, 0, 0},
      {2, 0, 0, 2},
      {1, 3, 1, 1},  // there is no fourth row: only the column moves
  };
  for (const Geval& g : gevallen) {
    m.Rij = g.rij;
    m.Kolom = g.kolom;
    Spiegelen(m);
    EXPECT_EQ(m.Rij, g.naarRij) << g.rij << "," << g.kolom;
    EXPECT_EQ(m.Kolom, g.naarKolom) << g.rij << "," << g.kolom;
  }
  // With more rows than columns only the row moves.
  NetwerkOmgeving n;
  n.Posten({"001-ki", "002-ki", "003-ki", "004-ku"});
  RDoorrijtijdenMatrices smal = DoorrijtijdenMatricesVullen(n.project);
  smal.Rij = 2;
  Spiegelen(smal);
  EXPECT_EQ(smal.Rij, 0u);
  EXPECT_EQ(smal.Kolom, 0u);

  m.Rij = 0;
  m.Kolom = 2;
  VolgendeKolom(m);
  EXPECT_EQ(m.Kolom, 3u);
  VolgendeKolom(m);
  EXPECT_EQ(m.Kolom, 3u);
}

TEST(AfrondenHalfEven, HalvesGoToTheEvenNeighbour) {
  struct Geval {
    long long teller, noemer, uit;
  };
  const Geval gevallen[] = {{3500, 1000, 4},   {2500, 1000, 2},   {2501, 1000, 3},   {2499, 1000, 2},  {0, 1000, 0},
                            {-2500, 1000, -2}, {-3500, 1000, -4}, {-2600, 1000, -3}, {15000, 1000, 15}};
  for (const Geval& g : gevallen) EXPECT_EQ(AfrondenHalfEven(g.teller, g.noemer), g.uit) << g.teller;
}

TEST(AlleDoorrijtijdenWijzigen, AddsOrMultipliesTheShownMatrixOnly) {
  struct Geval {
    bool vermenigvuldigen;
    int getal;
    bool nullenOngemoeid;
    const char* voor;
    const char* na;
  };
  const Geval gevallen[] = {
      {true, 500, false, "7", "4"},       {true, 500, false, "5", "2"},        {true, 1500, false, "10", "15"},
      {true, 1000, false, "9", "9"},      {true, 0, false, "9", "0"},          {true, -500, false, "9", "0"},
      {false, 5, false, "10", "15"},      {false, -20, false, "10", "0"},      {false, 3, false, "0", "3"},
      {false, 3, true, "0", "0"},         {true, 2000, true, "0", "0"},        {false, 3, true, " 0 ", " 0 "},
      {false, 3, false, "abc", "3"},      {false, 30000, false, "9", "9999"},  {true, 30000, false, "9999", "9999"},
      {false, 99999, false, "1", "9999"}, {false, -99999, false, "9999", "0"}, {false, 3, false, "", ""},
  };
  for (const Geval& g : gevallen) {
    MatrixOmgeving o;
    RDoorrijtijdenMatrices m = o.Vul(true);
    m.Maximum[0][1] = g.voor;
    const Rijen minima = m.Minimum;
    AlleDoorrijtijdenWijzigen(m, {g.vermenigvuldigen, g.getal, g.nullenOngemoeid});
    EXPECT_EQ(m.Maximum[0][1], g.na) << g.voor << (g.vermenigvuldigen ? " x " : " + ") << g.getal;
    EXPECT_EQ(m.Maximum[1][1], "-");
    EXPECT_EQ(m.Minimum, minima);
    EXPECT_TRUE(m.Gewijzigd);
  }
}

TEST(AlleDoorrijtijdenWijzigen, EveryCellOfTheMatrixChanges) {
  MatrixOmgeving o;
  RDoorrijtijdenMatrices m = o.Vul();
  AlleDoorrijtijdenWijzigen(m, {false, -3, false});
  EXPECT_EQ(m.Minimum, (Rijen{{"0", "0", "1"}, {"2", "-", "0"}, {"3", "7", "-"}}));
}

}  // namespace
}  // namespace morvask
