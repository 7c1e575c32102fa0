// The main window as a user meets it: the title, the project commands, the menu states and
// the report windows.

#include <gtest/gtest.h>

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include "core/files.h"
#include "gui/app/qt_text.h"
#include "gui/gui_support.h"
#include "gui/reports/report_view.h"
#include "gui/reports/report_window.h"

namespace morvask::gui::test {
namespace {

bool Aan(const Programmaomgeving& o, const char* naam) { return o.hoofd->Opdracht(naam)->isEnabled(); }

Rapport EenRapport(const std::string& titel, int regels = 3) {
  Rapport r;
  r.Titel = titel;
  for (int i = 0; i < regels; ++i) r.Regels.push_back("regel " + std::to_string(i));
  return r;
}

TEST(Hoofdvenster, AProjectNamedOnTheCommandLineWithSpacesOpensWithItsTitle) {
  morvask::test::TijdelijkeMap bron;
  bron.Schrijf("Mijn Onderzoeken/a b.mpr", BestandLezen(Programmaomgeving::Voorbeeld()).value());
  // Unquoted, the path arrives as several arguments.
  Programmaomgeving o({bron / "Mijn", "Onderzoeken/a", "b.mpr"});
  EXPECT_EQ(o.hoofd->windowTitle(), QStringLiteral("Morvask 4.4 - Nieuw.mpr"));
  o.Starten();
  EXPECT_EQ(o.hoofd->windowTitle(), QStringLiteral("Morvask 4.4 - a b.mpr"));
  EXPECT_EQ(o.programma->project.Registratielijst.size(), 3000u);
  EXPECT_FALSE(Aan(o, "Projectopslaan1"));
}

TEST(Hoofdvenster, SaveOnTheUntitledProjectGoesToSaveAsAndTheExtensionRuleHolds) {
  Programmaomgeving o;
  o.Starten();
  o.programma->project.PostToevoegen("001-ki", "Oost");
  o.programma->project.MarkeerGewijzigd(o.programma->ui);
  EXPECT_TRUE(Aan(o, "Projectopslaan1"));
  int dialogen = 0;
  o.hoofd->opslaanDialoog = [&](const QString&) {
    ++dialogen;
    return PadNaarQt(o.map / "survey.MPR");
  };
  o.hoofd->Opdracht("Projectopslaan1")->trigger();
  EXPECT_EQ(dialogen, 1);
  EXPECT_TRUE(BestandBestaat(o.map / "survey.MPR.mpr"));
  EXPECT_EQ(o.hoofd->windowTitle(), QStringLiteral("Morvask 4.4 - survey.MPR.mpr"));
  EXPECT_FALSE(Aan(o, "Projectopslaan1"));

  // An opened project is saved without a dialog.
  o.programma->project.MarkeerGewijzigd(o.programma->ui);
  o.hoofd->Opdracht("Projectopslaan1")->trigger();
  EXPECT_EQ(dialogen, 1);
  EXPECT_FALSE(o.programma->project.Gegevens.ProjectgegevensbestandGewijzigd);
}

TEST(Hoofdvenster, OpslaanOnTheQuestionThenACancelledSaveDialogKeepsTheProjectOpenAndChanged) {
  Programmaomgeving o;
  o.Starten();
  o.programma->project.PostToevoegen("001-ki", "Oost");
  o.programma->project.MarkeerGewijzigd(o.programma->ui);
  Beantwoord(QStringLiteral("JaKnop"));  // "&Opslaan"; the save dialog answers empty
  o.hoofd->Opdracht("Nieuwproject1")->trigger();
  EXPECT_EQ(o.programma->project.Postlijst.size(), 1u);
  EXPECT_TRUE(o.programma->project.Gegevens.ProjectgegevensbestandGewijzigd);

  // And closing the window asks the same; "&Annuleren" keeps it open.
  Beantwoord(QStringLiteral("AnnulerenKnop"));
  EXPECT_FALSE(o.hoofd->close());
  EXPECT_EQ(o.programma->project.Postlijst.size(), 1u);
}

TEST(Hoofdvenster, MenuStatesFollowPostsAndReportWindows) {
  Programmaomgeving o;
  o.Starten();
  for (const char* naam : {"Vorige1", "Volgende1", "Sluiten1", "Exporteren1", "Afdrukken1", "Allevensterssluiten1"})
    EXPECT_FALSE(Aan(o, naam)) << naam;

  o.hoofd->RapportTonen(EenRapport("Een"));
  EXPECT_TRUE(Aan(o, "Sluiten1"));
  EXPECT_TRUE(Aan(o, "Exporteren1"));
  EXPECT_FALSE(Aan(o, "Vorige1"));
  EXPECT_FALSE(Aan(o, "Volgende1"));
  o.hoofd->RapportTonen(EenRapport("Twee"));
  EXPECT_TRUE(Aan(o, "Vorige1"));
  EXPECT_TRUE(Aan(o, "Volgende1"));

  o.hoofd->Opdracht("Sluiten1")->trigger();
  EvenWachten(60);  // the menu follows 10 ms after a window has closed
  EXPECT_EQ(o.hoofd->AantalRapportvensters(), 1);
  EXPECT_FALSE(Aan(o, "Vorige1"));
  EXPECT_TRUE(Aan(o, "Sluiten1"));
  o.hoofd->Opdracht("Sluiten1")->trigger();
  EvenWachten(60);
  for (const char* naam : {"Vorige1", "Sluiten1", "Exporteren1", "Trapsgewijs1", "Allevensterssluiten1"})
    EXPECT_FALSE(Aan(o, naam)) << naam;

  // Posts: one post enables entry (when that command exists), not travel times.
  o.programma->project.PostToevoegen("001-ki", "");
  o.hoofd->MenuChecken(mcPosten);
  if (QAction* a = o.hoofd->Opdracht("Kentekensinvoeren1")) {
    EXPECT_TRUE(a->isEnabled());
  }
  if (QAction* a = o.hoofd->Opdracht("Doorrijtijden2")) {
    EXPECT_FALSE(a->isEnabled());
  }
}

TEST(Hoofdvenster, ReportNumberingStartsAgainAfterClosingAllWindows) {
  Programmaomgeving o;
  o.Starten();
  for (const char* titel : {"Routes", "DHB-matrix", "Aantekeningen"}) o.hoofd->RapportTonen(EenRapport(titel));
  EXPECT_EQ(o.hoofd->ActiefRapport()->windowTitle(), QStringLiteral("Rapport 3: Aantekeningen"));
  o.hoofd->Opdracht("Allevensterssluiten1")->trigger();
  EvenWachten(60);
  EXPECT_EQ(o.hoofd->AantalRapportvensters(), 0);
  TKindForm* k = o.hoofd->RapportTonen(EenRapport("Routes"));
  EXPECT_EQ(k->windowTitle(), QStringLiteral("Rapport 1: Routes"));

  // Closing one by one keeps counting.
  o.hoofd->Opdracht("Sluiten1")->trigger();
  EvenWachten(60);
  EXPECT_EQ(o.hoofd->RapportTonen(EenRapport("Routes"))->windowTitle(), QStringLiteral("Rapport 2: Routes"));
}

TEST(Rapportvenster, AMillionLinesOpenAndTheKeyboardSelectsAndCopies) {
  Programmaomgeving o;
  o.Starten();
  TKindForm* k = o.hoofd->RapportTonen(EenRapport("Routes", 1'000'000));
  TRapportTekst* t = k->Tekst();
  EXPECT_EQ(t->Regels().size(), 1'000'000u);
  EXPECT_EQ(t->objectName(), QStringLiteral("KindSynEdit"));
  t->setFocus();
  QTest::keyClick(t, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(t->Caret().regel, 999'999);
  QTest::keyClick(t, Qt::Key_Home, Qt::ControlModifier);
  QTest::keyClick(t, Qt::Key_Down, Qt::ShiftModifier);
  QTest::keyClick(t, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(t->Selectie(), QStringLiteral("regel 0\nr"));
  o.hoofd->Opdracht("Allesselecteren1")->trigger();
  EXPECT_TRUE(t->HeeftSelectie());
}

}  // namespace
}  // namespace morvask::gui::test
