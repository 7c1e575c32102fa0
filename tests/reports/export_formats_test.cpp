#include "reports/export_formats.h"

#include <gtest/gtest.h>

#include "base/catalogue.h"
#include "core/files.h"
#include "reports/report_export.h"
#include "support/csv_reader.h"
#include "support/fake_ui.h"
#include "support/temp_folder.h"

using namespace morvask;
using namespace morvask::test;

namespace {

// A routes report: values for data tools, but no table.
Rapport Routes() {
  Rapport r;
  r.Titel = "Routes";
  r.Regels = {"Morvask 4.4", "Caf\xe9 \"x\""};
  r.Gegevens.Kolommen = {"route", "aantal"};
  r.Gegevens.Rijen = {{std::string("001-ki \xe9 002-ku"), 12LL}, {std::string("a,b"), 3LL}};
  return r;
}

}  // namespace

TEST(Exportsoorten, WhatEachReportOffersAndTheChoiceTheDialogStartsWith) {
  Rapport tekst;
  Rapport matrix;
  matrix.BevatTabelData = true;
  matrix.Gegevens.Kolommen = {"van"};
  const Rapport routes = Routes();
  struct Geval {
    const Rapport* rapport;
    Exportsoort vorige;
    Exportsoort begin;
  };
  const std::vector<Geval> gevallen = {
      {&tekst, Exportsoort::Csv, Exportsoort::Tekst},
      {&tekst, Exportsoort::Gegevens, Exportsoort::Tekst},
      {&tekst, Exportsoort::Pdf, Exportsoort::Pdf},
      {&matrix, Exportsoort::Csv, Exportsoort::Csv},
      {&matrix, Exportsoort::Gegevens, Exportsoort::Gegevens},
      {&routes, Exportsoort::Csv, Exportsoort::Tekst},
      {&routes, Exportsoort::Gegevens, Exportsoort::Gegevens},
  };
  for (const Geval& g : gevallen)
    EXPECT_EQ(BeginExportsoort(*g.rapport, g.vorige), g.begin) << static_cast<int>(g.vorige);
}

TEST(Exportsoorten, NamesAndExtensions) {
  EXPECT_EQ(VoorgesteldeNaam("Rapport 3: Routes", Exportsoort::Pdf), "Rapport 3.pdf");
  EXPECT_EQ(VoorgesteldeNaam("Rapport 3: Routes", Exportsoort::Gegevens), "Rapport 3.csv");
  EXPECT_EQ(VoorgesteldeNaam("Rapport", Exportsoort::Tekst), ".txt");
  EXPECT_EQ(NaamMetExtensie("a", Exportsoort::Pdf), "a.pdf");
  EXPECT_EQ(NaamMetExtensie("a.pdf", Exportsoort::Pdf), "a.pdf");
  EXPECT_EQ(NaamMetExtensie("a.PDF", Exportsoort::Pdf), "a.PDF.pdf");
  EXPECT_EQ(NaamMetExtensie("a.csv", Exportsoort::Gegevens), "a.csv");
}

TEST(Exportsoorten, DataIsUtf8CsvOfTheValues) {
  const auto records = CsvLezen(RapportAlsGegevens(Routes()));
  ASSERT_TRUE(records);
  EXPECT_EQ(*records, (CsvRecords{{"route", "aantal"}, {"001-ki \xc3\xa9 002-ku", "12"}, {"a,b", "3"}}));
  EXPECT_EQ(RapportAlsGegevens(Rapport{}), "");
}

TEST(Exportsoorten, WritesEachFormatWithItsExtension) {
  TijdelijkeMap map;
  NepUi ui;
  const Catalogus cat;
  Rapport matrix = Routes();
  matrix.Tabel = RapportTabel(2, 1);
  matrix.Tabel.Zet(0, 0, "x");
  matrix.BevatTabelData = true;
  int pdfs = 0;
  const auto pdf = [&]() -> std::optional<std::string> {
    ++pdfs;
    return std::string("%PDF-1.4 ...");
  };
  EXPECT_EQ(ExporterenNaarGekozenBestand(matrix, map / "t", Exportsoort::Tekst, ui, cat, pdf), map / "t.txt");
  EXPECT_EQ(map.Lees("t.txt"), RapportAlsTekst(matrix));
  EXPECT_EQ(ExporterenNaarGekozenBestand(matrix, map / "c", Exportsoort::Csv, ui, cat, pdf), map / "c.csv");
  EXPECT_EQ(map.Lees("c.csv"), RapportAlsCsv(matrix));
  EXPECT_EQ(ExporterenNaarGekozenBestand(matrix, map / "g", Exportsoort::Gegevens, ui, cat, pdf), map / "g.csv");
  EXPECT_EQ(map.Lees("g.csv"), RapportAlsGegevens(matrix));
  EXPECT_EQ(ExporterenNaarGekozenBestand(matrix, map / "p", Exportsoort::Pdf, ui, cat, pdf), map / "p.pdf");
  EXPECT_EQ(map.Lees("p.pdf"), "%PDF-1.4 ...");
  EXPECT_EQ(pdfs, 1);
  EXPECT_TRUE(ui.berichten.empty());

  // CSV of a report without table data is its text, in a ".txt" file.
  EXPECT_EQ(ExporterenNaarGekozenBestand(Routes(), map / "r", Exportsoort::Csv, ui, cat), map / "r.txt");
  EXPECT_EQ(map.Lees("r.txt"), RapportAlsTekst(Routes()));
}

TEST(Exportsoorten, ThePdfIsMadeOnlyOnceTheNameIsSettledAndNothingIsWrittenWithout) {
  TijdelijkeMap map;
  const Catalogus cat;
  map.Schrijf("p.pdf", "oud");
  int pdfs = 0;
  const auto pdf = [&]() -> std::optional<std::string> {
    ++pdfs;
    return std::string("nieuw");
  };
  {
    NepUi ui;
    ui.antwoorden = {mrNee};
    EXPECT_FALSE(ExporterenNaarGekozenBestand(Routes(), map / "p", Exportsoort::Pdf, ui, cat, pdf));
    EXPECT_EQ(pdfs, 0);
    ASSERT_EQ(ui.berichten.size(), 1u);
    EXPECT_EQ(ui.berichten[0].titel, "Bestand overschrijven?");
    EXPECT_EQ(map.Lees("p.pdf"), "oud");
  }
  {
    NepUi ui;
    const auto mislukt = []() -> std::optional<std::string> { return std::nullopt; };
    EXPECT_FALSE(ExporterenNaarGekozenBestand(Routes(), map / "q", Exportsoort::Pdf, ui, cat, mislukt));
    EXPECT_FALSE(BestandBestaat(map / "q.pdf"));
  }
  {
    NepUi ui;
    const std::string naam = map / "ontbreekt/p.pdf";
    EXPECT_FALSE(ExporterenNaarGekozenBestand(Routes(), naam, Exportsoort::Pdf, ui, cat, pdf));
    ASSERT_EQ(ui.berichten.size(), 1u);
    EXPECT_EQ(ui.berichten[0].soort, "fout");
    EXPECT_EQ(ui.berichten[0].tekst, "Kan bestand \"" + naam +
                                         "\" niet opslaan. Mogelijk geen schrijfrechten of schijf is "
                                         "schrijfbeveiligd.");
  }
}
