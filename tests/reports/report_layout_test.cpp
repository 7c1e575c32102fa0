#include <gtest/gtest.h>

#include "core/project_test_support.h"
#include "reports/report_layout.h"

using namespace morvask;
using namespace morvask::test;

namespace {

const std::string L(int n) { return std::string(static_cast<std::size_t>(n), '\x97'); }

struct RapportOmgeving : ProjectOmgeving {
  RapportOmgeving() {
    project.Gegevens.ProjectRapporttekst1.clear();
    project.Gegevens.ProjectRapporttekst2.clear();
    project.Gegevens.Projectomschrijving.clear();
  }
};

}  // namespace

TEST(RapportKop, EmptyProjectTextsGiveRuleTitleRuleAndAnEmptyLine) {
  RapportOmgeving o;
  RapportBuffer b;
  b.RegelToevoegen("left over from the last report");
  BovensteGedeelteRapport(b, o.ctx);
  EXPECT_EQ(b.Regels(), (std::vector<std::string>{L(11), "Morvask 4.4", L(11), ""}));
  EXPECT_EQ(RapportTitelregel(), "Morvask 4.4");
}

TEST(RapportKop, TheLongestProjectTextSetsTheRuleAndEmptyTextsAreLeftOut) {
  RapportOmgeving o;
  o.project.Gegevens.ProjectRapporttekst1 = "Gemeente Voorbeeld";
  o.project.Gegevens.Projectomschrijving = "Kentekenonderzoek 2024 centrum";
  o.instellingen.EenHorzTeken = "=";
  RapportBuffer b;
  BovensteGedeelteRapport(b, o.ctx);
  const std::string lijn(30, '=');
  EXPECT_EQ(b.Regels(), (std::vector<std::string>{lijn, "Morvask 4.4", "Gemeente Voorbeeld",
                                                  "Kentekenonderzoek 2024 centrum", lijn, ""}));
}

TEST(RapportVoet, FollowsTheKindAndTheSettings) {
  const std::vector<std::string> posten = {"",
                                           "Omschrijving waarnemingsposten in project",
                                           L(28),
                                           "Post    Omschrijving",
                                           L(28),
                                           "001-ki  Oost",
                                           "002-ku  West",
                                           L(28)};
  const std::vector<std::string> legenda = {"xxx-ki\t: Kordon ingaand", "xxx-ku\t: Kordon uitgaand",
                                            "xxx-t1\t: Tussenpost rijrichting 1", "xxx-t2\t: Tussenpost rijrichting 2"};
  const std::string doorrij = "-\t: Doorrijtijd niet van toepassing";
  const std::string gemiddeld = "-\t: Relatie niet gevonden";
  auto samen = [](std::initializer_list<std::vector<std::string>> delen) {
    std::vector<std::string> uit;
    for (const auto& d : delen) uit.insert(uit.end(), d.begin(), d.end());
    return uit;
  };
  struct Geval {
    Rapportsoort soort;
    bool posten, legenda;
    std::vector<std::string> verwacht;
  };
  const std::vector<Geval> gevallen = {
      {Rapportsoort::Geen, false, false, {""}},
      {Rapportsoort::Doorrijtijden, false, false, {""}},
      {Rapportsoort::Geen, true, false, samen({posten, {""}})},
      {Rapportsoort::Geen, false, true, samen({{""}, legenda})},
      {Rapportsoort::Doorrijtijden, false, true, samen({{""}, legenda, {doorrij}})},
      {Rapportsoort::GemiddeldeDoorrijtijden, true, true, samen({posten, {""}, legenda, {gemiddeld}})},
      // The posts report never repeats its own list; notes and vehicle types get no post legend.
      {Rapportsoort::Waarnemingsposten, true, true, samen({{""}, legenda})},
      {Rapportsoort::Aantekeningen, true, true, samen({posten, {""}})},
      {Rapportsoort::Voertuigtypenlijst, false, true, {""}},
  };
  for (const Geval& g : gevallen) {
    ProjectOmgeving o;
    o.project.PostToevoegen("001-ki", "Oost");
    o.project.PostToevoegen("002-ku", "West");
    o.project.Postlijst[1].Geselecteerd = false;
    o.instellingen.RapportOmschrijvingWaarnemingsposten = g.posten;
    o.instellingen.RapportAfkortingOmschrijvingWeergeven = g.legenda;
    RapportBuffer b;
    OndersteGedeelteRapport(b, o.ctx, g.soort);
    EXPECT_EQ(b.Regels(), g.verwacht) << static_cast<int>(g.soort) << g.posten << g.legenda;
    // Writing the list of posts leaves the marks of the posts alone.
    EXPECT_FALSE(o.project.Postlijst[1].Geselecteerd);
  }
}

TEST(RapportVoet, ThePostsRuleFollowsTheLongestPostLine) {
  ProjectOmgeving o;
  o.project.PostToevoegen("001-ki", "Rotonde Noordelijke Randweg richting A12");
  const auto regels = WaarnemingspostenRegels(o.ctx);
  ASSERT_EQ(regels.size(), 6u);
  EXPECT_EQ(regels[1], L(48));
  EXPECT_EQ(regels[4], "001-ki  Rotonde Noordelijke Randweg richting A12");
  EXPECT_EQ(regels[5], L(48));
}

TEST(RapportTabel, RendersCellsRightAlignedInSevenCharactersAndCutsLongerOnes) {
  RapportBuffer b;
  b.HoofdStringGrid.AantallenZetten(3, 2);
  b.HoofdStringGrid.LeegMaken();
  b.HoofdStringGrid.Zet(0, 0, "001-ki ");
  b.HoofdStringGrid.Zet(1, 0, "12345678");  // eight characters: the last one is cut
  b.HoofdStringGrid.Zet(2, 0, "7");
  b.HoofdStringGrid.Zet(3, 0, " Waarne");  // beyond the column count: dropped
  b.HoofdStringGrid.Zet(0, 2, "x");        // beyond the row count: dropped
  b.HoofdStringGrid.Zet(1, 1, L(7));
  HoofdStringGridNaarHoofdRichEdit(b);
  EXPECT_EQ(b.Regels(), (std::vector<std::string>{"001-ki 1234567      7", "       " + L(7) + "       "}));
  EXPECT_EQ(b.HoofdStringGrid.Cel(3, 0), "");
  EXPECT_EQ(b.HoofdStringGrid.Cel(-1, 0), "");
}

TEST(RapportTabel, CountsKeepTheCellsTheyStillHoldAndClearingKeepsTheCounts) {
  RapportTabel t(2, 2);
  t.Zet(1, 1, "a");
  t.Zet(0, 1, "b");
  t.AantallenZetten(3, 3);
  EXPECT_EQ(t.Cel(1, 1), "a");
  EXPECT_EQ(t.Cel(0, 1), "b");
  EXPECT_EQ(t.Cel(2, 2), "");
  t.AantallenZetten(1, 2);
  EXPECT_EQ(t.Cel(0, 1), "b");
  EXPECT_EQ(t.Cel(1, 1), "");
  t.LeegMaken();
  EXPECT_EQ(t.KolomAantal(), 1);
  EXPECT_EQ(t.RijAantal(), 2);
  EXPECT_TRUE(t.IsLeeg());
}

TEST(RapportTabel, HandOverSetsTheFlagOnlyForATableWithDataAndClearsTheBuffer) {
  struct Geval {
    std::string cel;
    bool data;
  };
  for (const Geval& g : {Geval{"", false}, Geval{"   ", false}, Geval{" \t ", false}, Geval{" 0 ", true}}) {
    RapportBuffer b;
    b.HoofdStringGrid.AantallenZetten(2, 3);
    b.HoofdStringGrid.Zet(1, 2, g.cel);
    EXPECT_EQ(HoofdStringGridIsEmpty(b), !g.data);
    Rapport r = RichEdit1NaarKindForm(b, "T");
    EXPECT_EQ(r.Tabel.KolomAantal(), 4);  // the window's own empty table until the hand-over
    EXPECT_FALSE(r.BevatTabelData);
    HoofdStringGridNaarKindFormStringGrid(b, r);
    EXPECT_EQ(r.BevatTabelData, g.data) << "[" << g.cel << "]";
    EXPECT_EQ(r.Tabel.KolomAantal(), 2);
    EXPECT_EQ(r.Tabel.RijAantal(), 3);
    EXPECT_EQ(r.Tabel.Cel(1, 2), g.cel);
    EXPECT_TRUE(HoofdStringGridIsEmpty(b));
    EXPECT_EQ(b.HoofdStringGrid.RijAantal(), 3);
  }
}

TEST(RapportVenster, EveryCarriageReturnEndsALine) {
  RapportBuffer b;
  b.RegelToevoegen("een");
  b.RegelToevoegen("twee\rdrie\r\r");
  b.RegelToevoegen("");
  b.RegelToevoegen("\tvier");
  const Rapport r = RichEdit1NaarKindForm(b, "Doorrijtijden");
  EXPECT_EQ(r.Titel, "Doorrijtijden");
  EXPECT_EQ(r.Regels, (std::vector<std::string>{"een", "twee", "drie", "", "", "", "\tvier"}));
  EXPECT_EQ(b.Regels().size(), 4u);  // the buffer keeps its lines
}

TEST(RapportVenster, ALanguageFilesLineBreakEndsOneLine) {
  // A "\n" of a language file becomes CR LF: one break, no stray LF on the next line.
  RapportBuffer b;
  b.RegelToevoegen("Regel 1\r\nRegel 2\r\n\r\nRegel 3\nRegel 4");
  EXPECT_EQ(RichEdit1NaarKindForm(b, "x").Regels,
            (std::vector<std::string>{"Regel 1", "Regel 2", "", "Regel 3", "Regel 4"}));
}

TEST(Rapportnummering, CountsFromOneAndStartsAgainAfterAReset) {
  Catalogus cat;
  Rapportnummering n;
  EXPECT_EQ(n.Nummer(), 0);
  EXPECT_EQ(n.VolgendeCaption(cat, "Waarnemingsposten"), "Rapport 1: Waarnemingsposten");
  EXPECT_EQ(n.VolgendeCaption(cat, "Intensiteiten"), "Rapport 2: Intensiteiten");
  EXPECT_EQ(n.VolgendeCaption(cat, "Routes"), "Rapport 3: Routes");
  n.Terugzetten();  // "&Alle vensters sluiten"
  EXPECT_EQ(n.VolgendeCaption(cat, "Routes"), "Rapport 1: Routes");
  EXPECT_EQ(n.Nummer(), 1);
}

TEST(RapportBuffer, LinesTakenOverFollowTheLinesWrittenBefore) {
  RapportBuffer leeg;
  leeg.RegelsOvernemen({"a", "b"});
  EXPECT_EQ(leeg.Regels(), (std::vector<std::string>{"a", "b"}));

  RapportBuffer b;
  b.RegelToevoegen("kop");
  b.RegelOvernemen(std::string("x"));
  std::vector<std::string> details = {"1", "2"};
  b.RegelsOvernemen(std::move(details));
  b.RegelToevoegen("staart");
  EXPECT_EQ(b.Regels(), (std::vector<std::string>{"kop", "x", "1", "2", "staart"}));
}
