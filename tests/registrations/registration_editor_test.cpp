#include "registrations/registration_editor.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "registration_test_support.h"

namespace morvask::test {
namespace {

const std::vector<std::string> kDrie = {"002-ku 0900 a CC33", "001-ki 0800 b AB12", "001-ki 0700 l ZZ99"};

TEST(TijdelijkRegistratiebestand, IsMorvaskTxtInTheTemporaryFolder) {
  Mappen m;
  m.Tijdelijk = "/var/tmp/";
  EXPECT_EQ(TijdelijkRegistratiebestand(m), "/var/tmp/Morvask.txt");
}

TEST(Tempbestand, HoldsOneRegistrationLinePerRegistrationWithCrLf) {
  Registratieomgeving o;
  o.Registraties(kDrie);
  o.project.Registratielijst.emplace_back("01", "800", "",
                                          "\xC4"
                                          "B1");  // short fields, a non-ASCII plate
  ASSERT_TRUE(KentekensNaarTempbestandSchrijvenOmTeGaanBewerken(o.ctx));
  EXPECT_EQ(o.map.Lees("tmp/Morvask.txt"),
            "002-ku 0900 a CC33\r\n001-ki 0800 b AB12\r\n001-ki 0700 l ZZ99\r\n"
            "01     800    \xC3\x84"
            "B1\r\n");  // padded to the columns, UTF-8 for the editor
  struct stat st {};
  ASSERT_EQ(::stat(o.Tempbestand().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_TRUE(o.ui.berichten.empty());

  o.project.Registratielijst.clear();
  ASSERT_TRUE(KentekensNaarTempbestandSchrijvenOmTeGaanBewerken(o.ctx));
  EXPECT_EQ(o.map.Lees("tmp/Morvask.txt"), "");
}

TEST(Tempbestand, AFolderThatCannotBeWrittenIsReported) {
  Registratieomgeving o;
  o.map.Schrijf("bestand", "");  // a folder below a file can never be made
  o.ctx.mappen.Tijdelijk = o.map / "bestand/missing/";
  EXPECT_FALSE(KentekensNaarTempbestandSchrijvenOmTeGaanBewerken(o.ctx));
  ASSERT_EQ(o.ui.berichten.size(), 1u);
  EXPECT_EQ(o.ui.berichten[0].soort, "fout");
  EXPECT_EQ(o.ui.berichten[0].tekst, "Kan bestand niet naar map \"" + (o.map / "bestand/missing/") +
                                         "\" schrijven. Mogelijk geen schrijfrechten of schijf schrijfbeveiligd.");
}

TEST(RegistratietekstDecoderen, ReadsWhatEditorsWrite) {
  const struct {
    std::string bytes;
    std::vector<std::string> regels;
  } gevallen[] = {
      {"001-ki 0800 a AB12\r\n002-ku 0900 a CC33\r\n", {"001-ki 0800 a AB12", "002-ku 0900 a CC33"}},
      {"001-ki 0800 a AB12\n002-ku 0900 a CC33", {"001-ki 0800 a AB12", "002-ku 0900 a CC33"}},
      {"\xEF\xBB\xBF"
       "001-ki 0800 a AB12\r\n",
       {"001-ki 0800 a AB12"}},
      {"001-ki 0800 a \xC3\x84"
       "B1\n",
       {"001-ki 0800 a \xC4"
        "B1"}},  // UTF-8
      {"001-ki 0800 a \xC4"
       "B1\n",
       {"001-ki 0800 a \xC4"
        "B1"}},  // saved as Windows-1252
      {"a\n\nb\n", {"a", "", "b"}},
      {"", {}},
  };
  for (const auto& g : gevallen) EXPECT_EQ(RegistratietekstDecoderen(g.bytes), g.regels) << g.bytes;
}

TEST(BestandLaden, LoadsTheFileAndDeletesIt) {
  Registratieomgeving o;
  o.map.Schrijf("tmp/Morvask.txt", "001-ki 0800 a AB12\r\n\r\n002-ku 0900 a CC33\r\n");
  REditortekst editor{{"old"}, true};
  EXPECT_TRUE(BestandLaden(o.ctx, editor));
  EXPECT_EQ(editor.Regels, (std::vector<std::string>{"001-ki 0800 a AB12", "", "002-ku 0900 a CC33"}));
  EXPECT_FALSE(editor.Gewijzigd);
  EXPECT_FALSE(BestandBestaat(o.Tempbestand()));
  EXPECT_TRUE(o.ui.berichten.empty());
  EXPECT_FALSE(o.ui.bezig);
}

TEST(BestandLaden, AMissingFileIsReportedAndTheTextShowsTheRegistrations) {
  Registratieomgeving o;
  o.Registraties(kDrie);
  REditortekst editor{{"old"}, true};
  EXPECT_FALSE(BestandLaden(o.ctx, editor));
  ASSERT_EQ(o.ui.Teksten("fout").size(), 1u);
  EXPECT_EQ(o.ui.Teksten("fout")[0], "Registratiesbestand \"" + o.Tempbestand() + "\" niet gevonden.");
  // Saving this text must not empty the project: it holds the registrations as they are.
  EXPECT_EQ(editor.Regels, kDrie);
  EXPECT_FALSE(editor.Gewijzigd);
  BestandOpslaan(o.ctx, editor);
  EXPECT_EQ(o.Regels(), kDrie);
}

TEST(BestandOpslaan, ReplacesTheRegistrationsByTheText) {
  Registratieomgeving o;
  o.Registraties(kDrie);
  REditortekst editor{{"001-ki 0800 a AB12", "", "001-ki 0800 a", "001-ki 0800 a AB12345", "002-ku 0801 m xy#1"}, true};
  BestandOpslaan(o.ctx, editor);
  EXPECT_FALSE(editor.Gewijzigd);
  ASSERT_EQ(o.project.Registratielijst.size(), 4u);  // the blank line is dropped
  EXPECT_EQ(o.project.Registratielijst[0].Kenteken, "AB12");
  EXPECT_EQ(o.project.Registratielijst[1].Kenteken, "");
  EXPECT_EQ(o.project.Registratielijst[2].Kenteken, "AB1234");
  EXPECT_EQ(o.project.Registratielijst[3].Kenteken, "xy#1");
  EXPECT_TRUE(o.Gewijzigd());
  EXPECT_EQ(o.ui.menuCodes, (std::vector<MenuCode>{mcOpslaan, mcRegistraties}));
  EXPECT_FALSE(o.ui.bezig);
}

TEST(BestandOpslaan, AnEmptyTextRemovesEveryRegistrationAndUnmodifiedTextStillSaves) {
  Registratieomgeving o;
  o.Registraties(kDrie);
  REditortekst leeg;
  BestandOpslaan(o.ctx, leeg);
  EXPECT_TRUE(o.project.Registratielijst.empty());
  EXPECT_TRUE(o.Gewijzigd());

  Registratieomgeving p;
  p.Registraties(kDrie);
  REditortekst editor;
  ASSERT_TRUE(InterneEditorOpenen(p.ctx, editor));
  EXPECT_EQ(editor.Regels, kDrie);
  BestandOpslaan(p.ctx, editor);  // "Op&slaan en afsluiten" on unmodified text
  EXPECT_EQ(p.Regels(), kDrie);
  EXPECT_TRUE(p.Gewijzigd());
}

TEST(EditorMagSluiten, TheQuestionOnClosing) {
  const struct {
    bool gewijzigd;
    ModaalResultaat antwoord;
    bool sluiten;
    bool opgeslagen;
  } gevallen[] = {
      {false, mrOK, true, false},  // no question is asked,
      {true, mrJa, true, true},
      {true, mrNee, true, false},
      {true, mrAnnuleren, false, false},
  };
  for (const auto& g : gevallen) {
    SCOPED_TRACE(std::to_string(g.gewijzigd) + " " + std::to_string(g.antwoord));
    Registratieomgeving o;
    o.Registraties(kDrie);
    if (g.gewijzigd) o.ui.antwoorden.push_back(g.antwoord);
    REditortekst editor{{"001-ki 1000 a NEW1"}, g.gewijzigd};
    EXPECT_EQ(EditorMagSluiten(o.ctx, editor), g.sluiten);
    EXPECT_EQ(o.Regels(), g.opgeslagen ? std::vector<std::string>{"001-ki 1000 a NEW1"} : kDrie);
    EXPECT_EQ(o.Gewijzigd(), g.opgeslagen);
    EXPECT_EQ(editor.Regels, std::vector<std::string>{"001-ki 1000 a NEW1"});
    if (!g.gewijzigd) {
      EXPECT_TRUE(o.ui.berichten.empty());
      continue;
    }
    ASSERT_EQ(o.ui.berichten.size(), 1u);
    const Bericht& v = o.ui.berichten[0];
    EXPECT_EQ(v.soort, "vraag");
    EXPECT_EQ(v.caption, "Morvask");
    EXPECT_EQ(v.titel, "Bestand opslaan?");
    EXPECT_EQ(v.tekst, "Registratiesbestand is gewijzigd.");
    EXPECT_EQ(v.knoppen, (std::vector<std::string>{"&Opslaan", "&Niet opslaan", "&Annuleren"}));
    EXPECT_EQ(v.standaardKnop, skJa);
  }
}

TEST(SorterenVanuitInterneEditor, SortsTheProjectAndReloadsTheText) {
  Registratieomgeving o;
  o.Registraties(kDrie);
  REditortekst editor;
  ASSERT_TRUE(InterneEditorOpenen(o.ctx, editor));
  ASSERT_TRUE(SorterenVanuitInterneEditor(o.ctx, editor, "TPK"));
  const std::vector<std::string> opTijd = {"001-ki 0700 l ZZ99", "001-ki 0800 b AB12", "002-ku 0900 a CC33"};
  EXPECT_EQ(editor.Regels, opTijd);
  EXPECT_EQ(o.Regels(), opTijd);
  EXPECT_FALSE(editor.Gewijzigd);
  EXPECT_FALSE(o.Gewijzigd());  // the order changed, not the registrations
  EXPECT_FALSE(BestandBestaat(o.Tempbestand()));
  EXPECT_TRUE(o.ui.berichten.empty());

  ASSERT_TRUE(SorterenVanuitInterneEditor(o.ctx, editor, "KTP"));
  EXPECT_EQ(editor.Regels,
            (std::vector<std::string>{"001-ki 0800 b AB12", "002-ku 0900 a CC33", "001-ki 0700 l ZZ99"}));
  EXPECT_FALSE(SorterenVanuitInterneEditor(o.ctx, editor, "XYZ"));
}

TEST(SorterenVanuitInterneEditor, ModifiedTextIsSavedFirstOrNothingHappens) {
  const struct {
    ModaalResultaat antwoord;
    bool gesorteerd;
  } gevallen[] = {{mrJa, true}, {mrNee, false}, {mrAnnuleren, false}};
  for (const auto& g : gevallen) {
    SCOPED_TRACE(g.antwoord);
    Registratieomgeving o;
    o.Registraties(kDrie);
    o.ui.antwoorden.push_back(g.antwoord);
    const std::vector<std::string> bewerkt = {"002-ku 0900 a CC33", "001-ki 0600 a NEW1"};
    REditortekst editor{bewerkt, true};
    EXPECT_EQ(SorterenVanuitInterneEditor(o.ctx, editor, "TPK"), g.gesorteerd);
    ASSERT_EQ(o.ui.Teksten("vraag").size(), 1u);
    if (g.gesorteerd) {
      const std::vector<std::string> verwacht = {"001-ki 0600 a NEW1", "002-ku 0900 a CC33"};
      EXPECT_EQ(o.Regels(), verwacht);
      EXPECT_EQ(editor.Regels, verwacht);
      EXPECT_FALSE(editor.Gewijzigd);
      EXPECT_TRUE(o.Gewijzigd());
    } else {
      EXPECT_EQ(o.Regels(), kDrie);
      EXPECT_EQ(editor.Regels, bewerkt);
      EXPECT_TRUE(editor.Gewijzigd);
      EXPECT_FALSE(o.Gewijzigd());
    }
  }
}

TEST(SorterenVanuitInterneEditor, AFileThatCannotBeWrittenLeavesTheTextOnTheRegistrations) {
  Registratieomgeving o;
  o.Registraties(kDrie);
  REditortekst editor{kDrie, false};
  o.map.Schrijf("bestand", "");  // a folder below a file can never be made
  o.ctx.mappen.Tijdelijk = o.map / "bestand/missing/";
  ASSERT_TRUE(SorterenVanuitInterneEditor(o.ctx, editor, "TPK"));
  EXPECT_EQ(o.ui.Teksten("fout").size(), 1u);
  EXPECT_EQ(editor.Regels, o.Regels());
  EXPECT_EQ(editor.Regels.front(), "001-ki 0700 l ZZ99");
  EXPECT_FALSE(editor.Gewijzigd);
}

TEST(GaNaarRegel, TheLineIsLimitedToTheText) {
  const struct {
    const char* invoer;
    std::size_t regels;
    std::optional<int> regel;
  } gevallen[] = {
      {"1", 10, 1},
      {"5", 10, 5},
      {"10", 10, 10},
      {"11", 10, 10},
      {"99999", 10, 10},
      {"0", 10, 1},
      {"-3", 10, 1},
      {"3", 0, 1},
      {"+2", 10, 2},
      {"abc", 10, std::nullopt},
      {"", 10, std::nullopt},
      {"2.5", 10, std::nullopt},
      {" 3", 10, std::nullopt},
      {"99999999999", 10, std::nullopt},
  };
  for (const auto& g : gevallen) EXPECT_EQ(GaNaarRegel(g.invoer, g.regels), g.regel) << g.invoer << " " << g.regels;
}

TEST(Editor, StatusBarAndBookmarkExplanations) {
  EXPECT_EQ(EditorStatustekst(3, 7), "Ln 3, Col 7");
  Registratieomgeving o;
  BoekenleggerPlaatsenUitleggen(o.ctx);
  NaarBoekenleggerUitleggen(o.ctx);
  EXPECT_EQ(o.ui.Teksten("informatie"), (std::vector<std::string>{o.catalogus["AA00046"], o.catalogus["AA00047"]}));
}

}  // namespace
}  // namespace morvask::test
