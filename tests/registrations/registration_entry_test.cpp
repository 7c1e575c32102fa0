#include "registrations/registration_entry.h"

#include <gtest/gtest.h>

#include "base/catalogue.h"
#include "registration_test_support.h"

namespace morvask::test {
namespace {

TEST(TijdveldNormaliseren, TypedTimesBecomeFourDigitTimesOfTheDay) {
  const struct {
    const char* getypt;
    const char* verwacht;
  } gevallen[] = {
      {"745", "0745"},
      {"1275", "1315"},
      {"2400", "2359"},
      {"75", "0115"},
      {"0", "0000"},
      {"5", "0005"},
      {"860", "0900"},
      {"2370", "2359"},
      {"+745", "0745"},
      {"0800", "0800"},
      // Not an integer, or no time of day: left as typed.
      {"abc", "abc"},
      {"8:15", "8:15"},
      {"", ""},
      {"-5", "-5"},
      {" 745", " 745"},
  };
  for (const auto& g : gevallen) EXPECT_EQ(TijdveldNormaliseren(g.getypt), g.verwacht) << g.getypt;
}

TEST(Tijdsuggesties, StepThroughTheDayByTheInterval) {
  const auto kwartier = Tijdsuggesties(15);
  ASSERT_EQ(kwartier.size(), 96u);
  EXPECT_EQ(std::vector<std::string>(kwartier.begin(), kwartier.begin() + 5),
            (std::vector<std::string>{"0000", "0015", "0030", "0045", "0100"}));
  EXPECT_EQ(kwartier.back(), "2345");

  const auto uur = Tijdsuggesties(60);
  ASSERT_EQ(uur.size(), 24u);
  EXPECT_EQ(uur.front(), "0000");
  EXPECT_EQ(uur[1], "0100");
  EXPECT_EQ(uur.back(), "2300");

  // Above an hour the hhmm addition no longer gives whole steps of the interval.
  const auto anderhalfUur = Tijdsuggesties(90);
  EXPECT_EQ(std::vector<std::string>(anderhalfUur.begin(), anderhalfUur.begin() + 3),
            (std::vector<std::string>{"0000", "0130", "0220"}));

  EXPECT_EQ(Tijdsuggesties(1).size(), 1440u);
  EXPECT_EQ(Tijdsuggesties(1).back(), "2359");
  EXPECT_EQ(Tijdsuggesties(30000), (std::vector<std::string>{"0000"}));
  // An interval that would never reach the end of the day.
  EXPECT_EQ(Tijdsuggesties(0), (std::vector<std::string>{"0000"}));
  EXPECT_EQ(Tijdsuggesties(-15), (std::vector<std::string>{"0000"}));
}

TEST(Tijdsuggesties, EverySuggestionIsAValidTime) {
  for (int interval : {1, 7, 15, 45, 59, 61, 99, 100, 150, 999}) {
    for (const std::string& t : Tijdsuggesties(interval)) {
      ASSERT_EQ(t.size(), 4u) << interval;
      EXPECT_LT(std::stoi(t) % 100, 60) << interval << " " << t;
      EXPECT_LE(std::stoi(t), 2359) << interval << " " << t;
    }
  }
}

TEST(KentekensInvoeren, FirstOpeningFillsTheTimeFieldLaterOpeningsKeepIt) {
  Registratieomgeving o;
  o.project.Gegevens.Waarnemingsinterval = 30;
  RInvoerToestand t = KentekensInvoeren(o.project, {});
  EXPECT_EQ(t.Tijd, "0000");
  EXPECT_EQ(t.Tijdsuggesties.size(), 48u);
  EXPECT_EQ(t.Voertuigtype, "a");

  t.Tijd = "0815";
  t.Voertuigtype = "b";
  t.Invoerteller = 42;
  o.project.Gegevens.Waarnemingsinterval = 60;
  t = KentekensInvoeren(o.project, t);
  EXPECT_EQ(t.Invoerteller, 0);
  EXPECT_EQ(t.Tijd, "0815");
  EXPECT_EQ(t.Tijdsuggesties.size(), 48u);
  EXPECT_EQ(t.Voertuigtype, "b");
}

TEST(KentekensInvoeren, TheWindowShowsPostsCharactersAndTypeNames) {
  Registratieomgeving o;
  o.project.Gegevens.WildcardKarakter = "?";
  o.project.Gegevens.VehTyper = "Rest";
  const RInvoerscherm s = InvoerschermVullen(o.project);
  EXPECT_EQ(s.Postcodes, (std::vector<std::string>{"001-ki", "002-ku"}));
  EXPECT_EQ(s.Wildcard, "?");
  EXPECT_EQ(s.GemistKenteken, "*");
  EXPECT_EQ(s.Voertuigtypeknoppen[0], "&a : " + o.project.Gegevens.VehTypea);
  EXPECT_EQ(s.Voertuigtypeknoppen[7], "&r : Rest");
  EXPECT_EQ(PostOmschrijving(o.project, "002-ku"), "Zuid uit");
  EXPECT_EQ(PostOmschrijving(o.project, "003-ki"), "");
}

TEST(RegistratieToevoegen, ChecksAndMessages) {
  const Catalogus cat;
  const struct {
    const char *post, *tijd, *kenteken;
    Invoeruitkomst uitkomst;
    const char* regel;       // the line added, or "" when nothing is added
    const char* kentekenNa;  // the plate field afterwards
    const char* soort;       // the one message's kind, or "" for none
    const char* sleutel;     // its catalogue key
    int piepjes;
  } gevallen[] = {
      {"", "0800", "AB12", Invoeruitkomst::GeenPost, "", "AB12", "informatie", "AA00050", 0},
      {"", "", "", Invoeruitkomst::GeenPost, "", "", "informatie", "AA00050", 0},
      {"001-ki", "", "AB12", Invoeruitkomst::Onvolledig, "", "AB12", "", "", 1},
      {"001-ki", "0800", "", Invoeruitkomst::Onvolledig, "", "", "", "", 1},
      {"001-ki", "8:00", "AB12", Invoeruitkomst::OngeldigeTijd, "", "AB12", "fout", "AA00048", 1},
      {"001-ki", "-5", "AB12", Invoeruitkomst::OngeldigeTijd, "", "AB12", "fout", "AA00048", 1},
      // Only the first failing check speaks.
      {"001-ki", "a12", "AB 12", Invoeruitkomst::OngeldigeTijd, "", "AB 12", "fout", "AA00048", 1},
      {"001-ki", "0800", "AB 12", Invoeruitkomst::SpatieInKenteken, "", "AB 12", "fout", "AA00049", 1},
      {"001-ki", "0800", "AB12", Invoeruitkomst::Toegevoegd, "001-ki 0800 a AB12", "", "", "", 0},
      {"001-ki", "745", "AB12", Invoeruitkomst::Toegevoegd, "001-ki 0745 a AB12", "", "", "", 0},
      {"002-ku", "1275", "AB12", Invoeruitkomst::Toegevoegd, "002-ku 1315 a AB12", "", "", "", 0},
      {"001-ki", "2400", "AB12", Invoeruitkomst::Toegevoegd, "001-ki 2359 a AB12", "", "", "", 0},
      // The missed-plate character stands for the whole plate; elsewhere it is typed as is.
      {"001-ki", "0800", "*", Invoeruitkomst::Toegevoegd, "001-ki 0800 a ******", "", "", "", 0},
      {"001-ki", "0800", "*AB", Invoeruitkomst::Toegevoegd, "001-ki 0800 a ******", "", "", "", 0},
      {"001-ki", "0800", "A*", Invoeruitkomst::Toegevoegd, "001-ki 0800 a A*", "", "", "", 0},
      {"001-ki", "0800", "ab#123", Invoeruitkomst::Toegevoegd, "001-ki 0800 a ab#123", "", "", "", 0},
  };
  for (const auto& g : gevallen) {
    SCOPED_TRACE(std::string(g.post) + "|" + g.tijd + "|" + g.kenteken);
    Registratieomgeving o;
    const RInvoerresultaat r =
        RegistratieToevoegen(o.ctx, KentekensInvoeren(o.project, {}), g.post, g.tijd, g.kenteken);
    EXPECT_EQ(r.uitkomst, g.uitkomst);
    EXPECT_EQ(r.regel, g.regel);
    EXPECT_EQ(r.kenteken, g.kentekenNa);
    const bool toegevoegd = *g.regel != '\0';
    EXPECT_EQ(r.toestand.Invoerteller, toegevoegd ? 1 : 0);
    EXPECT_EQ(o.Gewijzigd(), toegevoegd);
    EXPECT_EQ(o.ui.piepjes, g.piepjes);
    EXPECT_TRUE(o.project.Registratielijst.empty());  // the line only goes to the window's list
    if (*g.soort) {
      ASSERT_EQ(o.ui.berichten.size(), 1u);
      EXPECT_EQ(o.ui.berichten[0].soort, g.soort);
      EXPECT_EQ(o.ui.berichten[0].tekst, cat[g.sleutel]);
      EXPECT_EQ(o.ui.berichten[0].caption, "Morvask");
      EXPECT_EQ(o.ui.berichten[0].titel, "");
      EXPECT_EQ(o.ui.berichten[0].knoppen, std::vector<std::string>{"&OK"});
    } else {
      EXPECT_TRUE(o.ui.berichten.empty());
    }
  }
}

TEST(RegistratieToevoegen, UsesTheChosenTypeAndTheProjectsMissedPlateCharacter) {
  Registratieomgeving o;
  o.project.Gegevens.GemistKentekenKarakter = "-";
  RInvoerToestand t = KentekensInvoeren(o.project, {});
  t.Voertuigtype = "z";
  EXPECT_EQ(RegistratieToevoegen(o.ctx, t, "001-ki", "0900", "-").regel, "001-ki 0900 z ------");
  EXPECT_EQ(RegistratieToevoegen(o.ctx, t, "001-ki", "0900", "*").regel, "001-ki 0900 z *");
}

// Counts the reminders AA00051 shown so far.
int Herinneringen(const NepUi& ui) {
  int n = 0;
  for (const auto& b : ui.berichten)
    if (b.tekst.find("registraties ingevoerd") != std::string::npos) ++n;
  return n;
}

TEST(RegistratieToevoegen, RemindsToSaveExactlyAt500And750) {
  Registratieomgeving o;
  RInvoerToestand t = KentekensInvoeren(o.project, {});
  auto toevoegen = [&](const char* kenteken) {
    const RInvoerresultaat r = RegistratieToevoegen(o.ctx, t, "001-ki", "0800", kenteken);
    t = r.toestand;
  };
  for (int i = 1; i <= 499; ++i) toevoegen("AB12");
  EXPECT_EQ(Herinneringen(o.ui), 0);
  toevoegen("AB12");  // the 500th
  ASSERT_EQ(Herinneringen(o.ui), 1);
  EXPECT_EQ(o.ui.berichten.back().soort, "informatie");
  EXPECT_EQ(o.ui.berichten.back().tekst,
            "U hebt tijdens deze sessie 500 registraties ingevoerd. Sla het bestand regelmatig op.");
  toevoegen("");     // adds nothing: the counter is still 500
  toevoegen("A B");  // refused: still 500
  EXPECT_EQ(Herinneringen(o.ui), 3);
  toevoegen("AB12");  // the 501st
  EXPECT_EQ(Herinneringen(o.ui), 3);
  while (t.Invoerteller < 749) toevoegen("AB12");
  EXPECT_EQ(Herinneringen(o.ui), 3);
  toevoegen("AB12");
  EXPECT_EQ(Herinneringen(o.ui), 4);
  EXPECT_NE(o.ui.berichten.back().tekst.find(" 750 "), std::string::npos);
  while (t.Invoerteller < 1500) toevoegen("AB12");
  EXPECT_EQ(Herinneringen(o.ui), 4);

  // A new opening starts counting again.
  t = KentekensInvoeren(o.project, t);
  for (int i = 0; i < 500; ++i) toevoegen("AB12");
  EXPECT_EQ(Herinneringen(o.ui), 5);
}

TEST(KentekensInRichEdit1NaarGeheugen, CutsEveryNonEmptyLineByColumnWithoutChecks) {
  Registratieomgeving o;
  o.Registraties({"002-ku 0700 l XY99"});
  std::vector<std::string> regels = {
      "001-ki 0800 a AB12",    "", "001-ki 0800 a",  // shortened by hand: no plate
      "001-ki 0801 b AB12345",                       // the plate keeps six characters
      "hand edited line",                            // taken as it is
      "001-ki 0802 m ab#1",
  };
  EXPECT_EQ(KentekensInRichEdit1NaarGeheugen(o.ctx, regels), 5);
  EXPECT_TRUE(regels.empty());
  ASSERT_EQ(o.project.Registratielijst.size(), 6u);
  const auto& l = o.project.Registratielijst;
  EXPECT_EQ(l[0].Kenteken, "XY99");
  EXPECT_EQ(l[1].Kenteken, "AB12");
  EXPECT_EQ(l[2].Post, "001-ki");
  EXPECT_EQ(l[2].Voertuigtype, "a");
  EXPECT_EQ(l[2].Kenteken, "");
  EXPECT_EQ(l[3].Kenteken, "AB1234");
  EXPECT_EQ(l[4].Post, "hand e");
  EXPECT_EQ(l[4].Tijd, "ited");
  EXPECT_EQ(l[4].Voertuigtype, "l");
  EXPECT_EQ(l[4].Kenteken, "ne");
  EXPECT_EQ(l[5].Kenteken, "ab#1");
}

TEST(InvoerSluiten, TakesTheLinesInAndAsksForTheMenuCodes) {
  Registratieomgeving o;
  o.Registraties({"002-ku 0700 l XY99"});
  std::vector<std::string> leeg;
  InvoerSluiten(o.ctx, leeg);
  EXPECT_EQ(o.Regels(), (std::vector<std::string>{"002-ku 0700 l XY99"}));
  EXPECT_FALSE(o.Gewijzigd());
  EXPECT_EQ(o.ui.menuCodes, (std::vector<MenuCode>{mcOpslaan, mcRegistraties}));
  EXPECT_FALSE(o.ui.bezig);

  // Typed lines, from adding to closing.
  RInvoerToestand t = KentekensInvoeren(o.project, {});
  std::vector<std::string> regels;
  for (const char* k : {"AA11", "BB22"}) {
    const RInvoerresultaat r = RegistratieToevoegen(o.ctx, t, "001-ki", "930", k);
    t = r.toestand;
    regels.push_back(r.regel);
  }
  EXPECT_TRUE(o.Gewijzigd());
  InvoerSluiten(o.ctx, regels);
  EXPECT_EQ(o.Regels(), (std::vector<std::string>{"002-ku 0700 l XY99", "001-ki 0930 a AA11", "001-ki 0930 a BB22"}));
}

TEST(GeheleRegistratiesbestandWijzigen, OpensTheInternalEditorOnAllRegistrations) {
  Registratieomgeving o;
  o.Registraties({"002-ku 0700 l XY99"});
  std::vector<std::string> regels = {"001-ki 0800 a AB12"};
  REditortekst editor;
  editor.Gewijzigd = true;
  ASSERT_TRUE(GeheleRegistratiesbestandWijzigen(o.ctx, regels, editor));
  EXPECT_TRUE(regels.empty());
  EXPECT_EQ(editor.Regels, (std::vector<std::string>{"002-ku 0700 l XY99", "001-ki 0800 a AB12"}));
  EXPECT_FALSE(editor.Gewijzigd);
  EXPECT_FALSE(BestandBestaat(o.Tempbestand()));
  EXPECT_TRUE(o.ui.berichten.empty());
  EXPECT_FALSE(o.ui.bezig);
}

TEST(GeheleRegistratiesbestandWijzigen, AnUnwritableTemporaryFolderKeepsTheEditorClosed) {
  Registratieomgeving o;
  o.map.Schrijf("bestand", "");  // a folder below a file can never be made
  o.ctx.mappen.Tijdelijk = o.map / "bestand/missing/";
  std::vector<std::string> regels = {"001-ki 0800 a AB12"};
  REditortekst editor;
  EXPECT_FALSE(GeheleRegistratiesbestandWijzigen(o.ctx, regels, editor));
  // The typed lines are in the project all the same: nothing typed is lost.
  EXPECT_EQ(o.Regels(), (std::vector<std::string>{"001-ki 0800 a AB12"}));
  ASSERT_EQ(o.ui.Teksten("fout").size(), 1u);
  EXPECT_EQ(o.ui.Teksten("fout")[0], o.catalogus.Vul("AA00090", {o.map / "bestand/missing/"}));
  EXPECT_FALSE(o.ui.bezig);
}

}  // namespace
}  // namespace morvask::test
