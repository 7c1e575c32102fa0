#include <gtest/gtest.h>

#include <filesystem>

#include "base/catalogue.h"
#include "core/files.h"
#include "reports/report_export.h"
#include "support/fake_ui.h"
#include "support/temp_folder.h"

using namespace morvask;
using namespace morvask::test;

namespace {

Rapport Matrix() {
  Rapport r;
  r.Titel = "Intensiteiten";
  r.Regels = {"Morvask 4.4", "", "\x97\x97 tabel \"x\""};
  r.Tabel = RapportTabel(3, 2);
  r.Tabel.Zet(0, 0, "\x97\x97\x97\x97\x97\x97\x97");
  r.Tabel.Zet(1, 0, "Tijd   ");
  r.Tabel.Zet(2, 0, "12");
  r.Tabel.Zet(0, 1, "a\"b");
  r.BevatTabelData = true;
  return r;
}

}  // namespace

TEST(RapportExport, ProposesTheCaptionUpToItsColonWithTheExtension) {
  EXPECT_EQ(VoorgesteldeExportnaam("Rapport 3: Routes", Exportformaat::Tekst), "Rapport 3.txt");
  EXPECT_EQ(VoorgesteldeExportnaam("Rapport 12: DHB-matrix: x", Exportformaat::Csv), "Rapport 12.csv");
  EXPECT_EQ(VoorgesteldeExportnaam("Rapport", Exportformaat::Tekst), ".txt");
}

TEST(RapportExport, AppendsTheExtensionUnlessTheNameEndsInExactlyIt) {
  struct Geval {
    std::string naam;
    Exportformaat formaat;
    std::string verwacht;
  };
  const std::vector<Geval> gevallen = {
      {"rapport", Exportformaat::Tekst, "rapport.txt"},
      {"rapport.txt", Exportformaat::Tekst, "rapport.txt"},
      {"rapport.TXT", Exportformaat::Tekst, "rapport.TXT.txt"},
      {"rapport.txt", Exportformaat::Csv, "rapport.txt.csv"},
      {"rapport.csv", Exportformaat::Csv, "rapport.csv"},
      {"map.d/rapport", Exportformaat::Csv, "map.d/rapport.csv"},
  };
  for (const Geval& g : gevallen) EXPECT_EQ(ExportnaamMetExtensie(g.naam, g.formaat), g.verwacht) << g.naam;
}

TEST(RapportExport, TextHasEveryWindowLineWithCrLf) {
  const Rapport r = Matrix();
  EXPECT_EQ(RapportAlsTekst(r), "Morvask 4.4\r\n\r\n\x97\x97 tabel \"x\"\r\n");
}

TEST(RapportExport, CsvQuotesEveryCellAsStoredWithoutDoublingQuotes) {
  EXPECT_EQ(RapportAlsCsv(Matrix()),
            "\"\x97\x97\x97\x97\x97\x97\x97\",\"Tijd   \",\"12\"\r\n"
            "\"a\"b\",\"\",\"\"\r\n");
}

TEST(RapportExport, WritesTheChosenFormatButATextOnlyReportAlwaysAsText) {
  TijdelijkeMap map;
  NepUi ui;
  const Catalogus cat;
  Rapport r = Matrix();
  ASSERT_TRUE(RapportExporteren(r, map / "a.csv", Exportformaat::Csv, ui, cat));
  EXPECT_EQ(map.Lees("a.csv"), RapportAlsCsv(r));
  ASSERT_TRUE(RapportExporteren(r, map / "a.txt", Exportformaat::Tekst, ui, cat));
  EXPECT_EQ(map.Lees("a.txt"), RapportAlsTekst(r));
  r.BevatTabelData = false;  // a matrix whose cells were all blank
  ASSERT_TRUE(RapportExporteren(r, map / "b.csv", Exportformaat::Csv, ui, cat));
  EXPECT_EQ(map.Lees("b.csv"), RapportAlsTekst(r));
  EXPECT_TRUE(ui.berichten.empty());
}

TEST(RapportExport, AFileThatCannotBeWrittenGivesTheErrorMessage) {
  TijdelijkeMap map;
  NepUi ui;
  const Catalogus cat;
  const std::string naam = map / "ontbreekt/r.txt";
  EXPECT_FALSE(RapportExporteren(Matrix(), naam, Exportformaat::Tekst, ui, cat));
  ASSERT_EQ(ui.berichten.size(), 1u);
  EXPECT_EQ(ui.berichten[0].soort, "fout");
  EXPECT_EQ(ui.berichten[0].caption, "Morvask");
  EXPECT_EQ(ui.berichten[0].tekst,
            "Kan bestand \"" + naam + "\" niet opslaan. Mogelijk geen schrijfrechten of schijf is schrijfbeveiligd.");
}

TEST(RapportExport, AnExistingFileIsReplacedOnlyAfterOverschrijven) {
  TijdelijkeMap map;
  const Catalogus cat;
  const Rapport r = Matrix();
  map.Schrijf("r.txt", "oud");
  struct Geval {
    ModaalResultaat antwoord;
    std::string inhoud;
  };
  for (const Geval& g : {Geval{mrNee, "oud"}, Geval{mrAnnuleren, "oud"}, Geval{mrJa, RapportAlsTekst(r)}}) {
    NepUi ui;
    ui.antwoorden = {g.antwoord};
    EXPECT_EQ(RapportExporterenNaarGekozenBestand(r, map / "r", Exportformaat::Tekst, ui, cat), g.antwoord == mrJa);
    ASSERT_EQ(ui.berichten.size(), 1u);
    const Bericht& b = ui.berichten[0];
    EXPECT_EQ(b.titel, "Bestand overschrijven?");
    EXPECT_EQ(b.tekst, "Bestand \"" + (map / "r.txt") + "\" bestaat al.");
    EXPECT_EQ(b.knoppen, (std::vector<std::string>{"&Overschrijven", "&Niet overschrijven", "&Annuleren"}));
    EXPECT_EQ(b.standaardKnop, skNee);
    EXPECT_EQ(map.Lees("r.txt"), g.inhoud);
  }
  // A new file is written without a question; CSV of a text-only report gets ".txt".
  NepUi ui;
  Rapport tekst = r;
  tekst.BevatTabelData = false;
  EXPECT_TRUE(RapportExporterenNaarGekozenBestand(tekst, map / "nieuw", Exportformaat::Csv, ui, cat));
  EXPECT_TRUE(ui.berichten.empty());
  EXPECT_EQ(map.Lees("nieuw.txt"), RapportAlsTekst(tekst));
}
