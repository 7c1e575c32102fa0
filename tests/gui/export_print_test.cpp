// Export, printing and the print preview as a user meets them: the commands of the report
// menu on a report window, the export dialog's formats with the save dialog answered by the
// test, the print dialog printing to a PDF file, and the preview's pages, zoom and keys.

#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QAction>
#include <QGraphicsView>
#include <QLabel>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <cstdio>
#include <map>

#include "core/files.h"
#include "core/project.h"
#include "gui/app/qt_text.h"
#include "gui/gui_support.h"
#include "gui/language/qt_translation.h"
#include "gui/reports/export_dialog.h"
#include "gui/reports/print_dialog.h"
#include "gui/reports/print_preview.h"
#include "gui/reports/report_view.h"
#include "gui/reports/report_window.h"
#include "network/travel_time_report.h"
#include "network/vehicle_types_report.h"
#include "reports/print_layout.h"
#include "reports/report_export.h"
#include "support/cli_run.h"
#include "support/csv_reader.h"
#include "support/temp_folder.h"

namespace morvask::gui::test {
namespace {

// A copy of the example project in a folder of the test's own: the project open in the
// program is locked, and tests run side by side.
struct Voorbeeldbron {
  morvask::test::TijdelijkeMap bron;
  std::string pad =
      (bron.Schrijf("voorbeeld.mpr", BestandLezen(Programmaomgeving::Voorbeeld()).value()), bron / "voorbeeld.mpr");
};

// The program with the example project open.
struct MetVoorbeeld : Voorbeeldbron, Programmaomgeving {
  MetVoorbeeld() : Programmaomgeving({pad}) {
    Starten();
    exportvenster = hoofd->findChild<TExportForm*>(QStringLiteral("ExportForm"));
    afdrukvenster = hoofd->findChild<TAfdrukkenForm1*>(QStringLiteral("AfdrukkenForm1"));
    voorbeeldvenster = hoofd->findChild<TPrintPreviewForm*>(QStringLiteral("PrintPreviewForm"));
    exportvenster->opslaanDialoog = [this](const QString& voorstel, const QString&, QString* filter) {
      voorstellen.push_back(voorstel);
      filters.push_back(*filter);
      return antwoord;
    };
    // No system printer in a test: printing goes to a PDF file.
    afdrukvenster->Printer().setOutputFormat(QPrinter::PdfFormat);
  }
  std::string Instellingen() const { return map / "config/Morvask.ini"; }

  // The export command on the active report window with a format chosen; the save dialog
  // answers with the name.
  void Exporteren(const char* keuze, const std::string& naam, std::function<void(QWidget*)> verder = {}) {
    antwoord = naam.empty() ? QString() : PadNaarQt(naam);
    Beantwoord(QStringLiteral("Button1"), [&](QWidget* d) {
      EXPECT_EQ(d->objectName(), QStringLiteral("ExportForm"));
      if (keuze) QTest::mouseClick(Onderdeel<QRadioButton>(d, keuze), Qt::LeftButton, {}, QPoint(8, 8));
      if (verder) verder(d);
    });
    hoofd->Opdracht("Exporteren1")->trigger();
  }

  TExportForm* exportvenster = nullptr;
  TAfdrukkenForm1* afdrukvenster = nullptr;
  TPrintPreviewForm* voorbeeldvenster = nullptr;
  QString antwoord;
  QStringList voorstellen, filters;
};

// What morvask-cli writes for the report with -o, in the format.
std::string VanCli(const MetVoorbeeld& o, const std::string& opdracht, const std::string& formaat) {
  const std::string uit = o.map / ("cli-" + opdracht + "." + formaat);
  const auto u = morvask::test::CliUitvoeren(
      {opdracht, Programmaomgeving::Voorbeeld(), "--settings", o.Instellingen(), "--format", formaat, "-o", uit});
  EXPECT_EQ(u.status, 0) << u.fout;
  return BestandLezen(uit).value_or("(none)");
}

// The text of a PDF file as pdftotext reads it, its lines kept in place.
std::string PdfTekst(const std::string& pdf) {
  const std::string uit = pdf + ".txt";
  const std::string opdracht = "pdftotext -layout '" + pdf + "' '" + uit + "'";
  EXPECT_EQ(std::system(opdracht.c_str()), 0) << opdracht;
  return BestandLezen(uit).value_or("");
}

// Runs of blanks as one blank, blanks at the end of a line left out.
std::string EnkeleSpaties(const std::string& tekst) {
  std::string uit;
  for (const char c : tekst) {
    if (c == ' ' && (uit.empty() || uit.back() == ' ' || uit.back() == '\n')) continue;
    if (c == '\n' && !uit.empty() && uit.back() == ' ') uit.pop_back();
    uit += c;
  }
  return uit;
}

int PdfPaginas(const std::string& pdf) {
  // Every page of pdftotext's text ends in a form feed.
  const std::string tekst = PdfTekst(pdf);
  return static_cast<int>(std::count(tekst.begin(), tekst.end(), '\f'));
}

// A long report with a line wider than the page and a tab.
Rapport LangRapport(int regels) {
  Rapport r;
  r.Titel = "Lang";
  for (int i = 1; i <= regels; ++i)
    r.Regels.push_back("regel " + std::to_string(i) + "\twaarde " + std::to_string(i * 7));
  r.Regels.push_back(std::string(60, 'a') + std::string(60, 'b'));
  return r;
}

// ---- Export --------------------------------------------------------------------------------

TEST(Exporteren, TextAndCsvAreByteForByteWhatMorvaskCliWrites) {
  MetVoorbeeld o;
  o.hoofd->RapportTonen(*RapportDoorrijtijden(o.programma->ctx));
  o.Exporteren(nullptr, o.map / "tekst");
  // In the project's folder, named after the window.
  EXPECT_EQ(o.voorstellen.back(), PadNaarQt(o.bron / "Rapport 1.txt"));
  EXPECT_EQ(o.filters.back(), QStringLiteral("TXT-files (*.txt)"));
  EXPECT_EQ(o.exportvenster->GeschrevenBestand(), PadNaarQt(o.map / "tekst.txt"));
  EXPECT_EQ(o.map.Lees("tekst.txt"), VanCli(o, "travel-times", "txt"));

  o.Exporteren("RadioButton2", o.map / "tabel.csv");
  EXPECT_EQ(o.filters.back(), QStringLiteral("CSV-files (*.csv)"));
  EXPECT_EQ(o.map.Lees("tabel.csv"), VanCli(o, "travel-times", "csv"));

  // The choice stays for the next matrix report; a report without table data is text.
  o.Exporteren(nullptr, o.map / "nogmaals");
  EXPECT_TRUE(BestandBestaat(o.map / "nogmaals.csv"));
  o.hoofd->RapportTonen(RapportVoertuigtypen(o.programma->ctx));
  o.Exporteren(nullptr, o.map / "typen", [](QWidget* d) {
    EXPECT_TRUE(Onderdeel<QRadioButton>(d, "RadioButton1")->isChecked());
    EXPECT_FALSE(Onderdeel<QRadioButton>(d, "RadioButton2")->isEnabled());
    EXPECT_FALSE(Onderdeel<QRadioButton>(d, "RadioButton3")->isEnabled());
    EXPECT_TRUE(Onderdeel<QLabel>(d, "GeenTabelLabel")->isVisibleTo(d));
    EXPECT_EQ(Onderdeel<QLabel>(d, "ntRapportLabel")->text(), QStringLiteral("Rapport 2: Voertuigtypen"));
  });
  EXPECT_EQ(o.map.Lees("typen.txt"), VanCli(o, "vehicle-types", "txt"));
}

TEST(Exporteren, DataIsTheCliDataCsvAndReadsBack) {
  MetVoorbeeld o;
  o.hoofd->RapportTonen(*RapportDoorrijtijden(o.programma->ctx));
  o.Exporteren("RadioButton3", o.map / "gegevens");
  const std::string csv = o.map.Lees("gegevens.csv");
  EXPECT_EQ(csv, VanCli(o, "travel-times", "data"));
  const auto records = morvask::test::CsvLezen(csv);
  ASSERT_TRUE(records);
  EXPECT_EQ(records->front(), (std::vector<std::string>{"origin", "destination", "minimum", "maximum"}));
  EXPECT_EQ((*records)[2], (std::vector<std::string>{"001-ki", "002-ku", "4", "16"}));
}

TEST(Exporteren, PdfHoldsTheReportLinesAndPageNumbers) {
  MetVoorbeeld o;
  o.hoofd->RapportTonen(LangRapport(150));
  o.Exporteren("RadioButton4", o.map / "lang");
  EXPECT_EQ(o.filters.back(), QStringLiteral("PDF-files (*.pdf)"));
  const std::string tekst = PdfTekst(o.map / "lang.pdf");
  EXPECT_NE(tekst.find("regel 150"), std::string::npos);
  const int paginas = PdfPaginas(o.map / "lang.pdf");
  EXPECT_GE(paginas, 2);
  EXPECT_NE(tekst.find("Pagina 1 van " + std::to_string(paginas)), std::string::npos);
}

TEST(Exporteren, AnUnwritableTargetGivesItsMessageAndWritesNothing) {
  MetVoorbeeld o;
  o.hoofd->RapportTonen(*RapportDoorrijtijden(o.programma->ctx));
  QString melding;
  const std::string naam = o.map / "ontbreekt/r.txt";
  o.Exporteren(nullptr, naam, [&](QWidget*) {
    Beantwoord(QStringLiteral("OKKnop"), [&](QWidget* w) { melding = qobject_cast<QMessageBox*>(w)->text(); });
    Beantwoord(QStringLiteral("Button2"));  // the dialog stays open for another name
  });
  EXPECT_EQ(melding, QStringLiteral("Kan bestand \"%1\" niet opslaan. Mogelijk geen schrijfrechten of schijf is "
                                    "schrijfbeveiligd.")
                         .arg(PadNaarQt(naam)));
  EXPECT_FALSE(BestandBestaat(naam));
  EXPECT_TRUE(o.exportvenster->GeschrevenBestand().isEmpty());
}

TEST(Exporteren, ACancelledSaveDialogOrAKeptFileChangesNothing) {
  MetVoorbeeld o;
  o.hoofd->RapportTonen(*RapportDoorrijtijden(o.programma->ctx));
  // The tip, the help button and F1 open the topic on export; the dialog stays.
  std::vector<int> topics;
  o.exportvenster->helpTonen = [&](int topic) { topics.push_back(topic); };
  Beantwoord(QStringLiteral("Button2"), [](QWidget* d) {
    Onderdeel<QPushButton>(d, "TipButton")->click();
    Onderdeel<QPushButton>(d, "HelpButton")->click();
    QTest::keyClick(d, Qt::Key_F1);
  });
  o.hoofd->Opdracht("Exporteren1")->trigger();
  EXPECT_EQ(topics, (std::vector<int>{640, 640, 640}));
  o.Exporteren(nullptr, "");
  EXPECT_FALSE(o.exportvenster->isVisible());
  EXPECT_TRUE(o.exportvenster->GeschrevenBestand().isEmpty());
  EXPECT_FALSE(o.programma->project.Gegevens.ProjectgegevensbestandGewijzigd);

  o.map.Schrijf("oud.txt", "oud");
  o.Exporteren(nullptr, o.map / "oud.txt", [](QWidget*) {
    Beantwoord(QStringLiteral("NeeKnop"), [](QWidget* w) {
      auto* m = qobject_cast<QMessageBox*>(w);
      EXPECT_TRUE((m->text() + m->informativeText()).contains(QStringLiteral("bestaat al.")));
    });
    Beantwoord(QStringLiteral("Button2"));
  });
  EXPECT_EQ(o.map.Lees("oud.txt"), "oud");
}

// ---- Printing and preview ------------------------------------------------------------------

TEST(Afdrukken, ToAPdfFileWithThePageHeaderAndFooter) {
  MetVoorbeeld o;
  const Rapport rapport = LangRapport(200);
  o.hoofd->RapportTonen(rapport);
  QString voorstel;
  o.afdrukvenster->pdfDialoog = [&](const QString& v) {
    voorstel = v;
    return PadNaarQt(o.map / "afdruk");
  };
  Beantwoord(QStringLiteral("Button1"), [](QWidget* d) {
    EXPECT_EQ(d->objectName(), QStringLiteral("AfdrukkenForm1"));
    EXPECT_EQ(Onderdeel<QLabel>(d, "ntPrinterLabel")->text(), QStringLiteral("Printer: PDF"));
    EXPECT_EQ(Onderdeel<QLabel>(d, "ntRapportLabel")->text(), QStringLiteral("Rapport 1: Lang"));
  });
  o.hoofd->Opdracht("Afdrukken1")->trigger();
  EXPECT_TRUE(voorstel.endsWith(QStringLiteral("/Rapport 1.pdf"))) << voorstel.toStdString();
  ASSERT_EQ(o.afdrukvenster->GeschrevenBestand(), PadNaarQt(o.map / "afdruk.pdf"));

  const std::string tekst = PdfTekst(o.map / "afdruk.pdf");
  const int paginas = PdfPaginas(o.map / "afdruk.pdf");
  EXPECT_GE(paginas, 3);
  for (int n = 1; n <= paginas; ++n)
    EXPECT_NE(tekst.find("Pagina " + std::to_string(n) + " van " + std::to_string(paginas)), std::string::npos) << n;
  EXPECT_NE(tekst.find("Morvask 4.4"), std::string::npos);
  // Every report line on its own printed line (pdftotext sets the columns only roughly).
  const std::string regels = "\n" + EnkeleSpaties(tekst);
  for (const std::string& regel : rapport.Regels) {
    if (regel.size() >= 100) continue;
    EXPECT_NE(regels.find("\n" + EnkeleSpaties(TabsUitgevouwen(regel)) + "\n"), std::string::npos) << regel;
  }
  // The line wider than the page continues on the next line: nothing of it is lost.
  EXPECT_NE(tekst.find(std::string(60, 'a') + "bbbb"), std::string::npos);
  EXPECT_EQ(std::count(tekst.begin(), tekst.end(), 'b'), 60);

  // A cancelled file name prints nothing and leaves the dialog open.
  o.afdrukvenster->pdfDialoog = [](const QString&) { return QString(); };
  Beantwoord(QStringLiteral("Button2"), [](QWidget* d) { Onderdeel<QPushButton>(d, "Button1")->click(); });
  o.hoofd->Opdracht("Afdrukken1")->trigger();
  EXPECT_TRUE(o.afdrukvenster->GeschrevenBestand().isEmpty());
}

TEST(Afdrukken, TheReportLayoutButtonChangesTheWindowsFontSize) {
  MetVoorbeeld o;
  TKindForm* k = o.hoofd->RapportTonen(LangRapport(10));
  Beantwoord(QStringLiteral("Button2"), [](QWidget* d) {
    Beantwoord(QStringLiteral("Button1"), [](QWidget* opmaak) {
      EXPECT_EQ(opmaak->objectName(), QStringLiteral("RapportOpmaakForm"));
      auto* veld = opmaak->findChild<QAbstractSpinBox*>(QStringLiteral("Edit1"));
      veld->selectAll();
      QTest::keyClicks(veld, QStringLiteral("14"));
    });
    Onderdeel<QPushButton>(d, "Button4")->click();
    EXPECT_TRUE(d->isVisible());
  });
  o.hoofd->Opdracht("Afdrukken1")->trigger();
  EXPECT_EQ(k->Tekst()->Lettergrootte(), 14);
}

TEST(Afdrukvoorbeeld, PagesKeysAndMouseZoom) {
  MetVoorbeeld o;
  o.hoofd->RapportTonen(LangRapport(300));
  Beantwoord(QStringLiteral("Button2"), [&](QWidget* d) {
    Beantwoord(QStringLiteral("SluitenKnop"), [&](QWidget* v) {
      auto* venster = qobject_cast<TPrintPreviewForm*>(v);
      ASSERT_NE(venster, nullptr);
      QPrintPreviewWidget* w = venster->Paginaweergave();
      const int n = w->pageCount();
      EXPECT_GE(n, 4);
      EXPECT_EQ(w->zoomMode(), QPrintPreviewWidget::FitInView);
      const QString van = QStringLiteral(" van %1").arg(n);
      EXPECT_EQ(venster->Paginatekst(), QStringLiteral(" Pagina 1") + van);
      QTest::keyClick(v, Qt::Key_End);
      EXPECT_EQ(venster->Paginatekst(), QStringLiteral(" Pagina %1").arg(n) + van);
      QTest::keyClick(v, Qt::Key_PageUp);
      EXPECT_EQ(venster->Paginatekst(), QStringLiteral(" Pagina %1").arg(n - 1) + van);
      QTest::keyClick(v, Qt::Key_Home);
      QTest::keyClick(v, Qt::Key_PageUp);  // stays on the first page
      EXPECT_EQ(venster->Paginatekst(), QStringLiteral(" Pagina 1") + van);
      QTest::keyClick(v, Qt::Key_PageDown);
      EXPECT_EQ(w->currentPage(), 2);

      // Mouse zoom: whole page, then 100 %, doubled up to 400 %; other buttons halve to 25 %.
      QWidget* pagina = w->findChild<QGraphicsView*>()->viewport();
      const QPoint midden = pagina->rect().center();
      const std::vector<std::pair<Qt::MouseButton, double>> klikken = {
          {Qt::LeftButton, 1.0},   {Qt::LeftButton, 2.0},   {Qt::LeftButton, 4.0},
          {Qt::LeftButton, 4.0},   {Qt::RightButton, 2.0},  {Qt::RightButton, 1.0},
          {Qt::MiddleButton, 0.5}, {Qt::RightButton, 0.25}, {Qt::RightButton, 0.25},
      };
      for (const auto& [knop, zoom] : klikken) {
        QTest::mouseClick(pagina, knop, {}, midden);
        EXPECT_DOUBLE_EQ(w->zoomFactor(), zoom);
      }
      // The zoom menu's steps.
      v->findChild<QAction*>(QStringLiteral("Paginabreedte1"))->trigger();
      EXPECT_EQ(w->zoomMode(), QPrintPreviewWidget::FitToWidth);
      v->findChild<QAction*>(QStringLiteral("Zoom200"))->trigger();
      EXPECT_DOUBLE_EQ(w->zoomFactor(), 2.0);
      v->findChild<QAction*>(QStringLiteral("Zoom1"))->trigger();
      EXPECT_EQ(w->zoomMode(), QPrintPreviewWidget::FitInView);

      // The hint of a tool button in the left panel.
      QStatusTipEvent tip(QStringLiteral("Laatste pagina (End)"));
      QApplication::sendEvent(v, &tip);
      EXPECT_EQ(venster->Hinttekst(), QStringLiteral("  Laatste pagina (End)"));

      for (auto* b : v->findChildren<QToolButton*>())
        if (b->defaultAction() && b->defaultAction()->objectName() == QStringLiteral("Sluiten1"))
          b->setObjectName(QStringLiteral("SluitenKnop"));
    });
    Onderdeel<QPushButton>(d, "Button5")->click();
  });
  o.hoofd->Opdracht("Afdrukken1")->trigger();
}

// ---- Languages -----------------------------------------------------------------------------

std::map<std::string, std::string> SchermTeksten(QWidget* venster) {
  std::map<std::string, std::string> uit;
  const RScherm s = SchermVan(venster);
  uit["Caption"] = s.Caption;
  for (const ROnderdeel& d : s.Onderdelen) {
    if (d.HeeftCaption) uit[d.Naam + ".Caption"] = d.Caption;
    if (d.HeeftHint) uit[d.Naam + ".Hint"] = d.Hint;
  }
  return uit;
}

TEST(Exporteren, TheWindowsShowNoDutchInEnglish) {
  morvask::test::TijdelijkeMap map;
  map.Schrijf("Morvask.ini", "[Morvask settings]\r\n\r\n[**General variables**]\r\nLanguage=English\r\n\r\n");
  TProgramma engels(std::string(MORVASK_GUI_TEST_PROGRAM), map / "Morvask.ini");
  THoofdForm engelsHoofd(engels);
  Programmaomgeving nederlands;
  const std::vector<std::string> gelijk = {"T&XT", "Zoom", "25%", "50%", "100%", "200%", "400%", "&Help", "&OK"};
  for (const char* naam : {"ExportForm", "AfdrukkenForm1", "PrintPreviewForm", "RapportOpmaakForm"}) {
    const auto nl = SchermTeksten(nederlands.hoofd->findChild<QWidget*>(QString::fromLatin1(naam)));
    const auto en = SchermTeksten(engelsHoofd.findChild<QWidget*>(QString::fromLatin1(naam)));
    ASSERT_EQ(nl.size(), en.size()) << naam;
    int teksten = 0;
    for (const auto& [sleutel, tekst] : nl) {
      const bool woorden = std::any_of(tekst.begin(), tekst.end(), [](char c) { return std::isalpha(c); });
      if (!woorden || std::find(gelijk.begin(), gelijk.end(), tekst) != gelijk.end()) continue;
      ++teksten;
      EXPECT_NE(en.at(sleutel), tekst) << naam << "." << sleutel;
    }
    EXPECT_GE(teksten, 3) << naam;
  }
}

}  // namespace
}  // namespace morvask::gui::test
