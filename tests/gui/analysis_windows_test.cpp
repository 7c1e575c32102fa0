// The analysis windows as a user meets them: the plate comparison from its window, with the
// overwrite question and a cancel through the progress window; the calculation time; the
// intensities window; the comparison report window with its five reports. What the windows
// produce is compared with what morvask-cli produces with the same settings.

#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <iostream>
#include <set>

#include "analysis/match_file_description.h"
#include "app/calculation_time.h"
#include "core/files.h"
#include "core/project_file.h"
#include "core/win1252.h"
#include "gui/analysis/calculation_time_window.h"
#include "gui/analysis/comparison_report_window.h"
#include "gui/analysis/intensities_window.h"
#include "gui/analysis/match_window.h"
#include "gui/app/progress_window.h"
#include "gui/app/qt_text.h"
#include "gui/gui_support.h"
#include "gui/language/qt_translation.h"
#include "gui/reports/report_view.h"
#include "gui/reports/report_window.h"
#include "language/language_file.h"
#include "support/cli_run.h"
#include "survey/survey_generator.h"

namespace morvask::gui::test {
namespace {

void Klikken(QWidget* venster, const char* knop) { Onderdeel<QAbstractButton>(venster, knop)->click(); }

// The option of a radio group by its place.
QRadioButton* Keuze(QWidget* venster, const char* groep, int i) {
  const auto keuzes =
      Onderdeel<QGroupBox>(venster, groep)->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
  EXPECT_LT(i, keuzes.size());
  return keuzes.value(i);
}

// The next message box is answered with the button; its text is kept.
void Antwoorden(const char* knop, QString* tekst = nullptr) {
  Beantwoord(QString::fromLatin1(knop), [tekst](QWidget* w) {
    auto* m = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(m, nullptr) << "a message box, not " << w->objectName().toStdString();
    if (tekst) *tekst = m->text() + QLatin1Char('\n') + m->informativeText();
  });
}

// The lines of the active report window as morvask-cli prints them (UTF-8, LF).
std::string Rapportuitvoer(const Programmaomgeving& o) {
  TKindForm* k = o.hoofd->ActiefRapport();
  if (!k) return "(no report window)";
  std::string uit;
  for (const std::string& r : k->Tekst()->Regels()) uit += Win1252NaarUtf8(r) + "\n";
  return uit;
}

// A copy of the example project in a folder of the test's own, opened in the program with
// the program's settings file, which morvask-cli reads too.
struct Voorbeeldomgeving {
  explicit Voorbeeldomgeving(const std::string& inhoud = BestandLezen(Programmaomgeving::Voorbeeld()).value())
      : o({(Bron().Schrijf("voorbeeld.mpr", inhoud), Bron() / "voorbeeld.mpr")}) {
    o.Starten();
  }
  morvask::test::TijdelijkeMap& Bron() { return bron; }
  std::string Pad() const { return bron / "voorbeeld.mpr"; }
  std::string Map(const std::string& naam) const { return bron / naam; }
  std::string Instellingen() const { return o.map / "config/Morvask.ini"; }
  morvask::test::CliUitkomst Cli(std::vector<std::string> argumenten) const {
    argumenten.push_back("--settings");
    argumenten.push_back(Instellingen());
    return morvask::test::CliUitvoeren(argumenten);
  }

  morvask::test::TijdelijkeMap bron;
  Programmaomgeving o;
};

// The example without its plates that hold the wildcard character.
std::string VoorbeeldZonderWildcards() {
  const std::string voorbeeld = BestandLezen(Programmaomgeving::Voorbeeld()).value();
  std::string uit;
  for (const std::string_view regel : RegelsDelen(voorbeeld))
    if (regel.find('#') == std::string_view::npos || regel.starts_with("WildcardCharacter=")) {
      uit += regel;
      uit += "\r\n";
    }
  return uit;
}

TMatchTotalForm* Vergelijkingsvenster(const Programmaomgeving& o) {
  return o.hoofd->findChild<TMatchTotalForm*>(QStringLiteral("MatchTotalForm"));
}

// ---- The comparison window ---------------------------------------------------------------------

TEST(Kentekenvergelijkingsvenster, OpensWithItsDefaultsAndKeepsItsEnablingRules) {
  Voorbeeldomgeving v(VoorbeeldZonderWildcards());
  Programmaomgeving& o = v.o;
  ASSERT_TRUE(o.hoofd->Opdracht("Kentekenvergelijking1")->isEnabled());
  EXPECT_EQ(o.hoofd->Opdracht("Kentekenvergelijking1")->shortcut(), QKeySequence(Qt::Key_F8));
  Beantwoord(QStringLiteral("Button2"), [&](QWidget* d) {
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Kentekenvergelijking"));
    EXPECT_EQ(d->focusWidget(), Onderdeel<QPushButton>(d, "Button1"));
    EXPECT_EQ(Onderdeel<QLineEdit>(d, "BestandEdit")->text(), PadNaarQt(v.Map("voorbeeld.mma")));
    EXPECT_EQ(Onderdeel<QLineEdit>(d, "VanafMaskEdit")->text(), QStringLiteral("0700"));
    EXPECT_EQ(Onderdeel<QLineEdit>(d, "TotMaskEdit")->text(), QStringLiteral("0900"));
    // After "Maximale tijden" (the opening applies it) the correction is checked but greyed.
    auto* correctie = Onderdeel<QCheckBox>(d, "CorrectieCheckBox");
    EXPECT_TRUE(correctie->isChecked());
    EXPECT_FALSE(correctie->isEnabled());
    // No plate holds "#": the wildcard option is greyed and off, with the project's character.
    auto* wildcard = Onderdeel<QCheckBox>(d, "WildcardCheckBox");
    EXPECT_EQ(wildcard->text(), QStringLiteral("Vergelijken met gemiste karakters (&wildcard = #)"));
    EXPECT_FALSE(wildcard->isEnabled());
    EXPECT_FALSE(wildcard->isChecked());
    EXPECT_FALSE(Onderdeel<QCheckBox>(d, "TussenpostenCheckBox")->isChecked());
    EXPECT_TRUE(Onderdeel<QCheckBox>(d, "BlokkadesCheckBox")->isChecked());
    EXPECT_TRUE(Onderdeel<QCheckBox>(d, "CaseCheckBox")->isChecked());
    EXPECT_TRUE(Onderdeel<QCheckBox>(d, "GemistCheckBox")->isChecked());
    EXPECT_TRUE(Onderdeel<QCheckBox>(d, "IteratiefCheckBox")->isChecked());
    EXPECT_FALSE(Onderdeel<QCheckBox>(d, "GeluidCheckBox")->isChecked());
    EXPECT_FALSE(Onderdeel<QCheckBox>(d, "RekentijdCheckBox")->isChecked());

    // A typed time is normalised and brings the correction back.
    auto* tabs = Onderdeel<QTabWidget>(d, "PageControl1");
    tabs->setCurrentIndex(1);
    auto* vanaf = Onderdeel<QLineEdit>(d, "VanafMaskEdit");
    Typen(vanaf, QStringLiteral("0775"));
    EXPECT_EQ(vanaf->text(), QStringLiteral("0815"));
    EXPECT_TRUE(correctie->isEnabled());
    Typen(Onderdeel<QLineEdit>(d, "TotMaskEdit"), QStringLiteral("2400"));
    EXPECT_EQ(Onderdeel<QLineEdit>(d, "TotMaskEdit")->text(), QStringLiteral("2359"));
    Klikken(d, "MaximaleTijdenButton");
    EXPECT_FALSE(correctie->isEnabled());
    EXPECT_EQ(vanaf->text(), QStringLiteral("0700"));
    Typen(Onderdeel<QLineEdit>(d, "TotMaskEdit"), QStringLiteral("0850"));
    EXPECT_TRUE(correctie->isEnabled());

    // The positions go in pairs and bound the two maxima.
    tabs->setCurrentIndex(2);
    auto* verwisseld = Onderdeel<QSpinBox>(d, "VerwisseldUpDown");
    auto* verschillend = Onderdeel<QSpinBox>(d, "VerschillendUpDown");
    verwisseld->setValue(6);
    verschillend->setValue(5);
    Onderdeel<QCheckBox>(d, "KarakterCheckBox3")->click();
    EXPECT_FALSE(Onderdeel<QCheckBox>(d, "KarakterCheckBox4")->isChecked());
    EXPECT_FALSE(Onderdeel<QCheckBox>(d, "KarakterCheckBox4")->isEnabled());
    EXPECT_EQ(verwisseld->value(), 4);
    EXPECT_EQ(verschillend->value(), 4);
    EXPECT_EQ(verwisseld->maximum(), 4);
    EXPECT_EQ(verwisseld->singleStep(), 2);
  });
  o.hoofd->Opdracht("Kentekenvergelijking1")->trigger();
  const RMatchInstellingen& in = Vergelijkingsvenster(o)->Instellingen();
  EXPECT_EQ(in.Vanaf, "0700");
  EXPECT_EQ(in.Tot, "0850");
  EXPECT_EQ(in.AantalKarakters, 4);
  EXPECT_FALSE(BestandBestaat(v.Map("voorbeeld.mma")));

  // The fields live on: the next opening shows them as they were left ...
  Beantwoord(QStringLiteral("Button2"), [&](QWidget* d) {
    EXPECT_EQ(Onderdeel<QLineEdit>(d, "TotMaskEdit")->text(), QStringLiteral("0850"));
    EXPECT_TRUE(Onderdeel<QCheckBox>(d, "CorrectieCheckBox")->isEnabled());
    EXPECT_FALSE(Onderdeel<QCheckBox>(d, "KarakterCheckBox3")->isChecked());
  });
  o.hoofd->Opdracht("Kentekenvergelijking1")->trigger();
  // ... until the project is replaced: then the file and times take their defaults again.
  Beantwoord(QStringLiteral("Button2"));  // the project data dialog of the new project
  o.hoofd->Opdracht("Nieuwproject1")->trigger();
  EXPECT_TRUE(in.Bestandsnaam.empty());
  EXPECT_TRUE(in.Vanaf.empty());
  EXPECT_FALSE(o.hoofd->Opdracht("Kentekenvergelijking1")->isEnabled());
}

TEST(Kentekenvergelijkingsvenster, ARunFromTheWindowWritesTheMatchFileOfTheCli) {
  Voorbeeldomgeving v;
  Programmaomgeving& o = v.o;
  const std::vector<std::string> voor = [&] {
    std::vector<std::string> r;
    for (const RRegistratie& x : o.programma->project.Registratielijst) r.push_back(x.Regel());
    return r;
  }();
  const std::string venster = v.Map("venster.mma");
  int dialogen = 0;
  Vergelijkingsvenster(o)->opslaanDialoog = [&](const QString& voorstel) {
    ++dialogen;
    EXPECT_EQ(voorstel, PadNaarQt(v.Map("voorbeeld.mma")));
    return PadNaarQt(v.Map("venster"));  // ".mma" is added
  };
  Beantwoord(QStringLiteral("Button1"), [&](QWidget* d) {
    EXPECT_TRUE(Onderdeel<QCheckBox>(d, "WildcardCheckBox")->isEnabled());
    Klikken(d, "BestandButton");
    EXPECT_EQ(Onderdeel<QLineEdit>(d, "BestandEdit")->text(), PadNaarQt(venster));
    Onderdeel<QLineEdit>(d, "OmschrijvingEdit")->setText(QStringLiteral("Proef één"));
    Typen(Onderdeel<QSpinBox>(d, "VerwisseldUpDown"), QStringLiteral("2"));
    Typen(Onderdeel<QSpinBox>(d, "VerschillendUpDown"), QStringLiteral("1"));
    Onderdeel<QCheckBox>(d, "TussenpostenCheckBox")->click();
    Onderdeel<QCheckBox>(d, "KarakterCheckBox5")->click();
  });
  o.hoofd->Opdracht("Kentekenvergelijking1")->trigger();
  EXPECT_EQ(dialogen, 1);
  ASSERT_TRUE(BestandBestaat(venster));

  const auto cli = v.Cli({"match", v.Pad(), "-o", v.Map("cli.mma"), "--description", "Proef één", "--swapped", "2",
                          "--different", "1", "--no-inside-posts", "--positions", "1,2,3,4", "--quiet"});
  ASSERT_EQ(cli.status, 0) << cli.fout;
  EXPECT_EQ(BestandLezen(venster), BestandLezen(v.Map("cli.mma")));
  EXPECT_EQ(MatchbestandOmschrijving(venster), Utf8NaarWin1252("Proef één"));

  // The registrations are as they were, and the project is not changed.
  std::vector<std::string> na;
  for (const RRegistratie& x : o.programma->project.Registratielijst) na.push_back(x.Regel());
  EXPECT_EQ(na, voor);
  EXPECT_FALSE(o.hoofd->Opdracht("Projectopslaan1")->isEnabled());

  // The comparison report window takes the file the comparison wrote.
  Beantwoord(QStringLiteral("Button2"), [&](QWidget* d) {
    EXPECT_EQ(Onderdeel<QLineEdit>(d, "BestandEdit")->text(), PadNaarQt(venster));
    EXPECT_EQ(Onderdeel<QLineEdit>(d, "OmschrijvingEdit")->text(), QStringLiteral("Proef één"));
  });
  o.hoofd->Opdracht("Kentekenvergelijkingsrapport1")->trigger();
}

TEST(Kentekenvergelijkingsvenster, RefusingToOverwriteWritesNothingAndKeepsTheWindowOpen) {
  Voorbeeldomgeving v;
  Programmaomgeving& o = v.o;
  v.bron.Schrijf("voorbeeld.mma", "oud");
  QString vraag;
  bool nogOpen = false;
  // The question comes while the window is open; the answers to what follows a press are
  // given when the press is made.
  Beantwoord(QStringLiteral("Button1"), [&](QWidget*) {
    Antwoorden("NeeKnop", &vraag);
    Beantwoord(QStringLiteral("Button2"), [&](QWidget* d) { nogOpen = d->objectName() == "MatchTotalForm"; });
  });
  o.hoofd->Opdracht("Kentekenvergelijking1")->trigger();
  EXPECT_TRUE(vraag.contains(QStringLiteral("Bestand overschrijven?"))) << vraag.toStdString();
  EXPECT_TRUE(vraag.contains(PadNaarQt(v.Map("voorbeeld.mma"))));
  EXPECT_TRUE(nogOpen);
  EXPECT_EQ(v.bron.Lees("voorbeeld.mma"), "oud");

  // "&Overschrijven" runs, and the calculation time follows when asked for.
  int rekentijdGetoond = 0;
  Vergelijkingsvenster(o)->rekentijdTonen = [&] { ++rekentijdGetoond; };
  Beantwoord(QStringLiteral("Button1"), [&](QWidget* d) {
    Onderdeel<QCheckBox>(d, "RekentijdCheckBox")->click();
    Antwoorden("JaKnop");
  });
  o.hoofd->Opdracht("Kentekenvergelijking1")->trigger();
  EXPECT_TRUE(BestandLezen(v.Map("voorbeeld.mma"))->starts_with("[Morvask matchfile]\r\n"));
  EXPECT_EQ(rekentijdGetoond, 1);
  // The main menu's "&Rekentijd" shows the time the progress window measured.
  const double gemeten = o.hoofd->findChild<TGaugeForm1*>(QStringLiteral("GaugeForm1"))->LaatsteRekentijd();
  QString tijd;
  Beantwoord(QStringLiteral("Button1"), [&](QWidget* d) {
    EXPECT_EQ(d->objectName(), QStringLiteral("RekentijdForm"));
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Rekentijd"));
    tijd = Onderdeel<QLabel>(d, "Label2")->text();
  });
  o.hoofd->Opdracht("Rekentijd1")->trigger();
  EXPECT_EQ(tijd, NaarQt(RekentijdTekst(gemeten, o.programma->catalogus)));
  EXPECT_TRUE(tijd.endsWith(QStringLiteral(" u:m:s"))) << tijd.toStdString();
}

TEST(Kentekenvergelijkingsvenster, CancelThroughTheProgressWindowStopsTheRunAndCompletesTheFile) {
  Programmaomgeving o;
  o.Starten();
  bench::OnderzoekInstellingen s;
  s.registraties = 150000;
  s.kordonpunten = 8;
  o.programma->project = bench::OnderzoekMaken(s).project;
  o.programma->project.Projectbestandsnaam = o.map / "groot";
  o.hoofd->MenuChecken(mcRegistraties);
  auto* voortgang = o.hoofd->findChild<TGaugeForm1*>(QStringLiteral("GaugeForm1"));
  ASSERT_NE(voortgang, nullptr);

  QString tekst;
  int positie = -1;
  bool vergelijkingsvensterZichtbaar = true;
  QTimer kijken;
  kijken.setInterval(1);
  QObject::connect(&kijken, &QTimer::timeout, [&] {
    // Once the progress window shows the first iteration, the user presses "&Annuleren" and
    // confirms.
    if (!voortgang->isVisible() || Onderdeel<QLabel>(voortgang, "Label1")->text().isEmpty()) return;
    kijken.stop();
    vergelijkingsvensterZichtbaar = Vergelijkingsvenster(o)->isVisible();
    tekst = Onderdeel<QLabel>(voortgang, "Label1")->text();
    positie = voortgang->Positie();
    Antwoorden("JaKnop");
    Klikken(voortgang, "Button1");
  });
  Beantwoord(QStringLiteral("Button1"), [&](QWidget*) { kijken.start(); });
  o.hoofd->Opdracht("Kentekenvergelijking1")->trigger();

  EXPECT_FALSE(vergelijkingsvensterZichtbaar);
  EXPECT_TRUE(tekst.startsWith(QStringLiteral("Iteratie 1 van 2: zoeken van exact gelijke kentekens")))
      << tekst.toStdString();
  EXPECT_GE(positie, 0);
  EXPECT_LT(positie, 100);
  EXPECT_FALSE(voortgang->isVisible());
  const std::string bestand = BestandLezen(o.map / "groot.mma").value_or("");
  EXPECT_NE(bestand.find("\r\nMiInterruptByUser=1\r\n"), std::string::npos);
  EXPECT_TRUE(bestand.ends_with("\r\n\r\n[**End**]\r\n"));
  // The iteration after the one that was stopped accepts no pair.
  const std::size_t tweede = bestand.find("Iteration 2");
  ASSERT_NE(tweede, std::string::npos);
  EXPECT_EQ(bestand.substr(tweede, bestand.find("[**Non-routes**]") - tweede).find("->"), std::string::npos);
  EXPECT_EQ(o.programma->project.Registratielijst.size(), bench::OnderzoekMaken(s).project.Registratielijst.size());
}

// ---- Intensities -------------------------------------------------------------------------------

TEST(Intensiteitenvenster, TheReportFromTheWindowIsTheReportOfTheCli) {
  Voorbeeldomgeving v;
  Programmaomgeving& o = v.o;
  EXPECT_EQ(o.hoofd->Opdracht("Intensiteiten1")->shortcut(), QKeySequence(Qt::Key_F7));
  Beantwoord(QStringLiteral("Button1"), [&](QWidget* d) {
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Intensiteiten"));
    EXPECT_EQ(Onderdeel<QLineEdit>(d, "MaskEdit1")->text(), QStringLiteral("0700"));
    Klikken(d, "Button5");  // "Automatisch &15 minuten interval"
    EXPECT_EQ(Onderdeel<QSpinBox>(d, "UpDown1")->value(), 15);
    Typen(Onderdeel<QLineEdit>(d, "MaskEdit2"), QStringLiteral("0850"));
    Onderdeel<QTabWidget>(d, "PageControl1")->setCurrentIndex(1);
    EXPECT_EQ(Onderdeel<QCheckBox>(d, "CheckBox1")->text(), QStringLiteral("Personenauto"));
    Onderdeel<QCheckBox>(d, "CheckBox2")->click();  // l off
    Onderdeel<QCheckBox>(d, "CheckBox9")->click();  // missed plates not counted
    EXPECT_FALSE(Onderdeel<QCheckBox>(d, "CheckBox10")->isEnabled());
    Onderdeel<QTabWidget>(d, "PageControl1")->setCurrentIndex(2);
    Klikken(d, "Button9");  // "Alles &deselecteren"
    auto* posten = Onderdeel<QListWidget>(d, "ListBox1");
    for (int i = 0; i < posten->count(); ++i)
      if (posten->item(i)->text().startsWith(QStringLiteral("001-ki")) ||
          posten->item(i)->text().startsWith(QStringLiteral("003-ku")))
        posten->item(i)->setSelected(true);
  });
  o.hoofd->Opdracht("Intensiteiten1")->trigger();
  const auto cli = v.Cli({"intensities", v.Pad(), "--preset", "15", "--until", "0850", "--types", "amzbour",
                          "--without-missed", "--posts", "001-ki,003-ku"});
  ASSERT_EQ(cli.status, 0) << cli.fout;
  EXPECT_EQ(o.hoofd->ActiefRapport()->windowTitle(), QStringLiteral("Rapport 1: Intensiteiten"));
  EXPECT_EQ(Rapportuitvoer(o), cli.uit);
  EXPECT_TRUE(o.hoofd->ActiefRapport()->BevatTabelData());

  // Selection type 2 with its boxes, the post marks kept from before.
  Beantwoord(QStringLiteral("Button1"), [&](QWidget* d) {
    EXPECT_EQ(Onderdeel<QLineEdit>(d, "MaskEdit2")->text(), QStringLiteral("0850"));
    Onderdeel<QRadioButton>(d, "RadioButton2")->click();
    EXPECT_FALSE(Onderdeel<QCheckBox>(d, "CheckBox1")->isEnabled());
    Onderdeel<QCheckBox>(d, "CheckBox11")->click();
    EXPECT_EQ(Onderdeel<QListWidget>(d, "ListBox1")->selectedItems().size(), 2);
  });
  o.hoofd->Opdracht("Intensiteiten1")->trigger();
  const auto cli2 = v.Cli({"intensities", v.Pad(), "--preset", "15", "--until", "0850", "--selection", "2",
                           "--no-missed-chars", "--posts", "001-ki,003-ku"});
  EXPECT_EQ(Rapportuitvoer(o), cli2.uit);
}

// ---- The comparison reports --------------------------------------------------------------------

struct Rapportgeval {
  const char* naam;
  std::vector<std::string> cli;
  std::function<void(QWidget*)> kiezen;
};

TEST(Vergelijkingsrapportvenster, EachReportFromTheWindowIsTheReportOfTheCli) {
  Voorbeeldomgeving v;
  Programmaomgeving& o = v.o;
  const std::string mma = v.Map("voorbeeld.mma");
  ASSERT_EQ(v.Cli({"match", v.Pad(), "--swapped", "2", "--quiet"}).status, 0);
  auto* venster = o.hoofd->findChild<TMatchReportForm*>(QStringLiteral("MatchReportForm"));
  venster->openDialoog = [&] { return PadNaarQt(mma); };

  const auto tab = [](QWidget* d, const char* naam) {
    auto* tabs = Onderdeel<QTabWidget>(d, "PageControl1");
    const int i = tabs->indexOf(Onderdeel<QWidget>(d, naam));
    EXPECT_TRUE(tabs->isTabVisible(i)) << naam;
    tabs->setCurrentIndex(i);
  };
  const std::vector<Rapportgeval> gevallen = {
      {"overview", {"--type", "overview"}, [](QWidget* d) { Keuze(d, "RadioGroup1", 0)->click(); }},
      {"dhb, two types, majority",
       {"--type", "dhb", "--types", "al", "--majority"},
       [&](QWidget* d) {
         Keuze(d, "RadioGroup1", 1)->click();
         tab(d, "TabSheet2");
         for (const char* c : {"CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6", "CheckBox7", "CheckBox8"})
           Onderdeel<QCheckBox>(d, c)->click();
         Onderdeel<QRadioButton>(d, "RadioButton2")->click();
       }},
      {"dhb routematrix",
       {"--type", "dhb", "--routematrix"},
       [&](QWidget* d) {
         Keuze(d, "RadioGroup1", 1)->click();
         tab(d, "TabSheet2");
         for (const char* c : {"CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6", "CheckBox7", "CheckBox8"})
           Onderdeel<QCheckBox>(d, c)->click();
         Onderdeel<QRadioButton>(d, "RadioButton1")->click();
         tab(d, "TabSheet3");
         Onderdeel<QCheckBox>(d, "RoutematrixCheckBox")->click();
       }},
      {"travel times with detail",
       {"--type", "traveltimes", "--detail"},
       [&](QWidget* d) {
         Keuze(d, "RadioGroup1", 2)->click();
         tab(d, "TabSheet4");
         Onderdeel<QCheckBox>(d, "DoorrijtijdenDetailCheckBox")->click();
       }},
      {"routes, cordon, by count descending, detail",
       {"--type", "routes", "--routes", "cordon", "--sort", "count", "--descending", "--detail"},
       [&](QWidget* d) {
         Keuze(d, "RadioGroup1", 3)->click();
         tab(d, "TabSheet5");
         auto* aflopend = Onderdeel<QCheckBox>(d, "AflopendCheckBox");
         EXPECT_FALSE(aflopend->isEnabled());
         EXPECT_FALSE(Onderdeel<QListWidget>(d, "ListBox1")->isEnabled());
         Keuze(d, "RadioGroup2", 1)->click();
         Keuze(d, "RadioGroup3", 1)->click();
         EXPECT_TRUE(aflopend->isEnabled());
         aflopend->click();
         Onderdeel<QCheckBox>(d, "RoutesDetailCheckBox")->click();
       }},
      {"routes with one of two posts",
       {"--type", "routes", "--routes", "one-selected", "--posts", "001-ki,003-ku", "--sort", "count"},
       [&](QWidget* d) {
         Keuze(d, "RadioGroup1", 3)->click();
         tab(d, "TabSheet5");
         // The detail list and descending order of the previous report stay set: clear them.
         Onderdeel<QCheckBox>(d, "AflopendCheckBox")->click();
         Onderdeel<QCheckBox>(d, "RoutesDetailCheckBox")->click();
         Keuze(d, "RadioGroup2", 3)->click();
         auto* posten = Onderdeel<QListWidget>(d, "ListBox1");
         EXPECT_TRUE(posten->isEnabled());
         Klikken(d, "Button5");
         for (int i = 0; i < posten->count(); ++i)
           if (posten->item(i)->text() == QStringLiteral("001-ki") || posten->item(i)->text() == "003-ku")
             posten->item(i)->setSelected(true);
       }},
      {"non-routes with detail",
       {"--type", "nonroutes", "--detail"},
       [&](QWidget* d) {
         Keuze(d, "RadioGroup1", 4)->click();
         EXPECT_FALSE(Onderdeel<QTabWidget>(d, "PageControl1")->isTabVisible(4));
         tab(d, "TabSheet6");
         Onderdeel<QCheckBox>(d, "NietRoutesDetailCheckBox")->click();
       }},
  };
  int n = 0;
  for (const Rapportgeval& g : gevallen) {
    SCOPED_TRACE(g.naam);
    Beantwoord(QStringLiteral("Button1"), [&](QWidget* d) {
      if (n == 0) {
        // The comparison window named no file yet: the field is empty until "..." names one.
        EXPECT_TRUE(Onderdeel<QLineEdit>(d, "BestandEdit")->text().isEmpty());
        Klikken(d, "BestandButton");
      }
      g.kiezen(d);
    });
    o.hoofd->Opdracht("Kentekenvergelijkingsrapport1")->trigger();
    std::vector<std::string> argumenten = {"report", mma, "--project", v.Pad()};
    argumenten.insert(argumenten.end(), g.cli.begin(), g.cli.end());
    const auto cli = v.Cli(argumenten);
    ASSERT_EQ(cli.status, 0) << cli.fout;
    ++n;
    EXPECT_EQ(o.hoofd->AantalRapportvensters(), n);
    EXPECT_EQ(Rapportuitvoer(o), cli.uit);
    if (g.cli[1] == "dhb") {
      EXPECT_TRUE(o.hoofd->ActiefRapport()->BevatTabelData());
    }
  }
}

TEST(Vergelijkingsrapportvenster, AMatchFileOfAnotherProjectAsksAndNoMakesNoReport) {
  Voorbeeldomgeving v;
  Programmaomgeving& o = v.o;
  const std::string mma = v.Map("ander.mma");
  ASSERT_EQ(v.Cli({"match", v.Pad(), "-o", mma, "--quiet"}).status, 0);
  o.programma->project.Registratielijst.pop_back();
  o.hoofd->findChild<TMatchReportForm*>(QStringLiteral("MatchReportForm"))->openDialoog = [&] {
    return PadNaarQt(mma);
  };
  QString vraag;
  Beantwoord(QStringLiteral("Button1"), [&](QWidget* d) {
    Klikken(d, "BestandButton");
    Antwoorden("NeeKnop", &vraag);
    Beantwoord(QStringLiteral("Button2"));
  });
  o.hoofd->Opdracht("Kentekenvergelijkingsrapport1")->trigger();
  EXPECT_TRUE(vraag.contains(QStringLiteral("Toch doorgaan?"))) << vraag.toStdString();
  EXPECT_EQ(o.hoofd->AantalRapportvensters(), 0);

  // "&Ja" makes the report; a missing file is an error and no report.
  Beantwoord(QStringLiteral("Button1"), [](QWidget*) { Antwoorden("JaKnop"); });
  o.hoofd->Opdracht("Kentekenvergelijkingsrapport1")->trigger();
  EXPECT_EQ(o.hoofd->AantalRapportvensters(), 1);
  QString fout;
  Beantwoord(QStringLiteral("Button1"), [&](QWidget* d) {
    Onderdeel<QLineEdit>(d, "BestandEdit")->setText(PadNaarQt(v.Map("geen.mma")));
    Antwoorden("OKKnop", &fout);
    Beantwoord(QStringLiteral("Button2"));
  });
  o.hoofd->Opdracht("Kentekenvergelijkingsrapport1")->trigger();
  EXPECT_TRUE(fout.contains(QStringLiteral("niet gevonden"))) << fout.toStdString();
  EXPECT_EQ(o.hoofd->AantalRapportvensters(), 1);
}

}  // namespace
}  // namespace morvask::gui::test

namespace morvask::gui::test {
namespace {

// ---- English ---------------------------------------------------------------------------------

TEST(Analysevensters, ShowNoDutchInEnglish) {
  Voorbeeldomgeving v;
  Programmaomgeving& o = v.o;
  QList<QWidget*> vensters;
  for (const char* naam : {"MatchTotalForm", "RekentijdForm", "KentekensNaarIntervalInstellenForm1", "MatchReportForm"})
    vensters.push_back(o.hoofd->findChild<QWidget*>(QString::fromLatin1(naam)));
  std::vector<RScherm> nederlands;
  for (QWidget* w : vensters) nederlands.push_back(SchermVan(w));
  ASSERT_TRUE(VenstersVertalen(o.programma->ctx, vensters, "English"));
  // Texts the windows fill in themselves, or that read the same in both languages.
  const std::set<std::string> eigen = {"WildcardCheckBox",  "Label2",
                                       "BestandButton",     "KarakterCheckBox1",
                                       "KarakterCheckBox2", "KarakterCheckBox3",
                                       "KarakterCheckBox4", "KarakterCheckBox5",
                                       "KarakterCheckBox6", "CheckBox1",
                                       "CheckBox2",         "CheckBox3",
                                       "CheckBox4",         "CheckBox5",
                                       "CheckBox6",         "CheckBox7",
                                       "CheckBox8"};
  const std::set<std::string> gelijk = {"&Help", "&Interval:", "Routes"};
  for (int i = 0; i < vensters.size(); ++i) {
    const RScherm engels = SchermVan(vensters[i]);
    const RScherm& nl = nederlands[static_cast<std::size_t>(i)];
    SCOPED_TRACE(nl.Naam);
    EXPECT_NE(engels.Caption, nl.Caption);
    ASSERT_EQ(engels.Onderdelen.size(), nl.Onderdelen.size());
    for (std::size_t j = 0; j < nl.Onderdelen.size(); ++j) {
      const ROnderdeel& a = nl.Onderdelen[j];
      const ROnderdeel& b = engels.Onderdelen[j];
      if (eigen.count(a.Naam) || gelijk.count(a.Caption)) continue;
      if (!a.Caption.empty()) {
        EXPECT_NE(a.Caption, b.Caption) << a.Naam;
      }
      if (!a.Hint.empty()) {
        EXPECT_NE(a.Hint, b.Hint) << a.Naam;
      }
      for (std::size_t k = 0; k < a.Regels.size(); ++k) EXPECT_NE(a.Regels[k], b.Regels.at(k)) << a.Naam << k;
    }
  }
  for (const char* naam :
       {"Analyse1", "Intensiteiten1", "Kentekenvergelijking1", "Kentekenvergelijkingsrapport1", "Rekentijd1"}) {
    VenstersVertalen(o.programma->ctx, {o.hoofd.get()}, "English");
    const QObject* opdracht = o.hoofd->findChild<QObject*>(QString::fromLatin1(naam));
    ASSERT_NE(opdracht, nullptr) << naam;
  }
  EXPECT_EQ(o.hoofd->Opdracht("Kentekenvergelijking1")->text(), QStringLiteral("Licence plate &comparison..."));
  EXPECT_EQ(o.hoofd->Opdracht("Intensiteiten1")->toolTip(), QStringLiteral("Volumes... (F7)"));
}

// ---- Screenshots (run by hand: --gtest_also_run_disabled_tests) --------------------------------

void Opslaan(QWidget* w, const QString& naam) {
  const QString map = QStringLiteral("/tmp/shots-analysis/");
  QDir().mkpath(map);
  w->grab().save(map + naam + QStringLiteral(".png"));
}

void AlleTabbladen(QWidget* d, const QString& naam) {
  auto* tabs = d->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
  for (int i = 0; i < tabs->count(); ++i) {
    if (!tabs->isTabVisible(i)) continue;
    tabs->setCurrentIndex(i);
    EvenWachten(20);
    Opslaan(d, QStringLiteral("%1-tab%2").arg(naam).arg(i + 1));
  }
}

TEST(Analysevensters, DISABLED_Schermafdrukken) {
  for (const char* taal : {"nl", "en"}) {
    Voorbeeldomgeving v;
    Programmaomgeving& o = v.o;
    const QString t = QString::fromLatin1(taal);
    if (t == QLatin1String("en")) {
      StelTaalInScreentext(o.programma->ctx, "English");
      VenstersVertalen(o.programma->ctx, o.hoofd->Vensters(), "English");
    }
    o.hoofd->resize(1100, 750);
    Beantwoord(QStringLiteral("Button2"), [&](QWidget* d) { AlleTabbladen(d, t + QStringLiteral("-vergelijking")); });
    o.hoofd->Opdracht("Kentekenvergelijking1")->trigger();
    Beantwoord(QStringLiteral("Button2"), [&](QWidget* d) { AlleTabbladen(d, t + QStringLiteral("-intensiteiten")); });
    o.hoofd->Opdracht("Intensiteiten1")->trigger();
    Beantwoord(QStringLiteral("Button1"), [&](QWidget* d) { Klikken(d, "Button5"); });
    o.hoofd->Opdracht("Intensiteiten1")->trigger();
    Opslaan(o.hoofd.get(), t + QStringLiteral("-intensiteitenrapport"));
    Beantwoord(QStringLiteral("Button1"), [&](QWidget* d) { Typen(Onderdeel<QSpinBox>(d, "VerwisseldUpDown"), "2"); });
    o.hoofd->Opdracht("Kentekenvergelijking1")->trigger();
    for (int type = 0; type < 5; ++type) {
      Beantwoord(QStringLiteral("Button1"), [&](QWidget* d) {
        Keuze(d, "RadioGroup1", type)->click();
        AlleTabbladen(d, t + QStringLiteral("-rapportvenster-type%1").arg(type + 1));
      });
      o.hoofd->Opdracht("Kentekenvergelijkingsrapport1")->trigger();
      o.hoofd->ActiefRapport()->parentWidget()->showMaximized();
      EvenWachten(50);
      Opslaan(o.hoofd.get(), t + QStringLiteral("-rapport%1").arg(type + 1));
    }
    Beantwoord(QStringLiteral("Button1"), [&](QWidget* d) { Opslaan(d, t + QStringLiteral("-rekentijd")); });
    o.hoofd->Opdracht("Rekentijd1")->trigger();

    // The progress window in the middle of a long run.
    bench::OnderzoekInstellingen s;
    s.registraties = 150000;
    o.programma->project = bench::OnderzoekMaken(s).project;
    o.programma->project.Projectbestandsnaam = o.map / "groot";
    o.hoofd->VensterveldenLegen();
    auto* voortgang = o.hoofd->findChild<TGaugeForm1*>(QStringLiteral("GaugeForm1"));
    QTimer kijken;
    kijken.setInterval(1);
    QObject::connect(&kijken, &QTimer::timeout, [&] {
      if (!voortgang->isVisible() || voortgang->Positie() < 30) return;
      kijken.stop();
      Opslaan(voortgang, t + QStringLiteral("-voortgang"));
      Antwoorden("JaKnop");
      Klikken(voortgang, "Button1");
    });
    Beantwoord(QStringLiteral("Button1"), [&](QWidget*) { kijken.start(); });
    o.hoofd->Opdracht("Kentekenvergelijking1")->trigger();
  }
}

}  // namespace
}  // namespace morvask::gui::test

namespace morvask::gui::test {
namespace {

// ---- Times on a large survey (run by hand on a release build) -----------------------------------

TEST(Analysevensters, DISABLED_Tijdmeting) {
  Programmaomgeving o;
  o.Starten();
  bench::OnderzoekInstellingen s;
  s.registraties = 1000000;
  s.kordonpunten = 12;
  s.tussenpunten = 4;
  s.vanTijd = 600;
  s.totTijd = 1900;
  o.programma->project = bench::OnderzoekMaken(s).project;
  o.programma->project.Projectbestandsnaam = o.map / "groot";
  ASSERT_TRUE(ProjectSchrijven(o.programma->ctx, o.map / "groot.mpr"));
  o.hoofd->VensterveldenLegen();
  o.hoofd->MenuChecken(mcRegistraties);

  QElapsedTimer klok;
  klok.start();
  const auto cli = morvask::test::CliUitvoeren({"match", o.map / "groot.mpr", "-o", o.map / "cli.mma", "--swapped", "2",
                                                "--quiet", "--settings", o.map / "config/Morvask.ini"});
  const qint64 cliTijd = klok.elapsed();
  ASSERT_EQ(cli.status, 0) << cli.fout;

  // The window's run, with the progress window's bar and title watched.
  auto* voortgang = o.hoofd->findChild<TGaugeForm1*>(QStringLiteral("GaugeForm1"));
  int verversingen = 0, vorige = -1;
  QElapsedTimer langste;
  qint64 grootsteGat = 0;
  QTimer kijken;
  kijken.setInterval(5);
  QObject::connect(&kijken, &QTimer::timeout, [&] {
    if (!voortgang->isVisible()) return;
    if (langste.isValid()) grootsteGat = std::max(grootsteGat, langste.elapsed());
    langste.start();
    if (voortgang->Positie() != vorige) ++verversingen, vorige = voortgang->Positie();
  });
  Beantwoord(QStringLiteral("Button1"), [&](QWidget* d) {
    Typen(Onderdeel<QSpinBox>(d, "VerwisseldUpDown"), QStringLiteral("2"));
    kijken.start();
    klok.restart();
  });
  o.hoofd->Opdracht("Kentekenvergelijking1")->trigger();
  const qint64 vensterTijd = klok.elapsed();
  EXPECT_EQ(BestandLezen(o.map / "groot.mma"), BestandLezen(o.map / "cli.mma"));

  // The routes report with its detail list from the large match file.
  Beantwoord(QStringLiteral("Button1"), [&](QWidget* d) {
    Keuze(d, "RadioGroup1", 3)->click();
    Onderdeel<QCheckBox>(d, "RoutesDetailCheckBox")->click();
    klok.restart();
  });
  o.hoofd->Opdracht("Kentekenvergelijkingsrapport1")->trigger();
  const qint64 rapportTijd = klok.elapsed();
  std::cout << "match 1,000,000 registrations: morvask-cli " << cliTijd << " ms, window " << vensterTijd
            << " ms; events every " << grootsteGat << " ms at most, " << verversingen
            << " bar changes seen; routes report with detail list " << rapportTijd << " ms, "
            << o.hoofd->ActiefRapport()->Tekst()->Regels().size() << " lines\n";
}

}  // namespace
}  // namespace morvask::gui::test
