// The settings dialog, the project data dialog, the vehicle types dialog and the notes window
// as a user meets them: opened from the main window's commands, filled with the keyboard and
// the mouse, closed with their buttons.

#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <map>

#include "core/files.h"
#include "core/settings_file.h"
#include "gui/app/project_data_dialog.h"
#include "gui/app/qt_text.h"
#include "gui/app/settings_dialog.h"
#include "gui/gui_support.h"
#include "gui/language/qt_translation.h"
#include "gui/network/vehicle_types_dialog.h"
#include "gui/registrations/notes_window.h"
#include "gui/reports/report_view.h"
#include "gui/reports/report_window.h"
#include "network/vehicle_types_report.h"
#include "registrations/notes_report.h"

namespace morvask::gui::test {
namespace {

void Leegmaken(QWidget* veld) {
  if (auto* e = qobject_cast<QLineEdit*>(veld)) e->selectAll();
  QTest::keyClick(veld, Qt::Key_Backspace);
}

// A click on the check box's box, where a user aims.
void Aanklikken(QCheckBox* c) { QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(8, c->height() / 2)); }

void Klikken(QWidget* venster, const char* knop) { Onderdeel<QPushButton>(venster, knop)->click(); }

// The next message box is answered with "&OK"; its text is kept.
void MeldingBevestigen(QString* tekst) {
  Beantwoord(QStringLiteral("OKKnop"), [tekst](QWidget* w) {
    if (auto* m = qobject_cast<QMessageBox*>(w)) *tekst = m->text();
  });
}

QString Tekst(QWidget* venster, const char* naam) { return Onderdeel<QLabel>(venster, naam)->text(); }

bool Gewijzigd(const Programmaomgeving& o) { return o.programma->project.Gegevens.ProjectgegevensbestandGewijzigd; }

// A copy of the example project in a folder of the test's own, which the test may save
// (and lock) without touching the shipped one.
struct Voorbeeldkopie {
  Voorbeeldkopie() { bron.Schrijf("voorbeeld.mpr", BestandLezen(Programmaomgeving::Voorbeeld()).value()); }
  std::string Pad() const { return bron / "voorbeeld.mpr"; }
  std::string Inhoud() const { return bron.Lees("voorbeeld.mpr"); }
  morvask::test::TijdelijkeMap bron;
};

// ---- Settings ---------------------------------------------------------------------------------

TEST(Instellingenscherm, EveryControlGoesIntoTheSettingsOnOKAndSurvivesTheSettingsFile) {
  Programmaomgeving o;
  o.Starten();
  RProgrammaInstellingen& s = o.programma->instellingen;
  s.Projectdirectory.clear();
  auto* dialoog = o.hoofd->findChild<TInstellingenForm1*>(QStringLiteral("InstellingenForm1"));
  ASSERT_NE(dialoog, nullptr);
  std::vector<QString> beginmappen;
  dialoog->mapKiezen = [&](const QString& begin) {
    beginmappen.push_back(begin);
    return beginmappen.size() == 1 ? PadNaarQt(o.map / "projecten") : PadNaarQt(o.map / "reserve/");
  };

  QString informatie;
  Beantwoord(QStringLiteral("Button1"), [&](QWidget* d) {
    EXPECT_EQ(d->focusWidget(), Onderdeel<QPushButton>(d, "Button1"));
    auto* paginas = Onderdeel<QTabWidget>(d, "PageControl1");
    ASSERT_EQ(paginas->count(), 4);
    EXPECT_EQ(paginas->tabText(0), QStringLiteral("Mappen"));
    EXPECT_EQ(paginas->tabText(3), QStringLiteral("Rapport"));

    paginas->setCurrentIndex(0);
    Klikken(d, "ProjectmapButton");
    Klikken(d, "ReservebestandenButton");
    Aanklikken(Onderdeel<QCheckBox>(d, "CheckBox3"));
    paginas->setCurrentIndex(1);
    Aanklikken(Onderdeel<QCheckBox>(d, "CheckBox4"));
    MeldingBevestigen(&informatie);
    Aanklikken(Onderdeel<QCheckBox>(d, "CheckBox2"));
    paginas->setCurrentIndex(2);
    Typen(Onderdeel<QWidget>(d, "UpDown1"), QStringLiteral("45"));
    Typen(Onderdeel<QWidget>(d, "UpDown2"), QStringLiteral("40000"));  // more than the field holds
    paginas->setCurrentIndex(3);
    Typen(Onderdeel<QWidget>(d, "UpDown3"), QStringLiteral("300"));  // more than a font size holds
    QTest::keyClicks(Onderdeel<QLineEdit>(d, "Edit2"), QStringLiteral("="));
    for (const char* naam : {"CheckBox8", "CheckBox6", "CheckBox7", "CheckBox9"})
      Aanklikken(Onderdeel<QCheckBox>(d, naam));
  });
  o.hoofd->Opdracht("Programmainstellingen1")->trigger();

  EXPECT_EQ(informatie, QStringLiteral("Start Morvask opnieuw op om deze instelling te activeren."));
  // The browser starts in the field's folder when it exists, and a chosen folder ends in "/".
  ASSERT_EQ(beginmappen.size(), 2u);
  EXPECT_EQ(beginmappen[0], QString());
  EXPECT_EQ(beginmappen[1], PadNaarQt(o.map / "backup/"));
  EXPECT_EQ(s.Projectdirectory, o.map / "projecten/");
  EXPECT_EQ(s.Reservebestandendirectory, o.map / "reserve/");
  EXPECT_FALSE(s.ReservebestandMaken);
  EXPECT_TRUE(s.ProjectgegevensWeergevenNaOpenen);  // the test's settings had it off
  EXPECT_TRUE(s.ScreensaverUitschakelenTijdensMorvask);
  EXPECT_EQ(s.IntensiteitenInterval, 45);
  EXPECT_EQ(s.MatchOpschoonWaarde, 30000);
  EXPECT_EQ(s.RapportTabelLettertypeGrootte, 255);
  EXPECT_EQ(s.EenHorzTeken, "=");
  EXPECT_EQ(s.RapportLijnEenheid(), "=======");
  EXPECT_FALSE(s.RapportAutomMaximaliseren);
  EXPECT_FALSE(s.RapportInformatieOverInhoudWeergeven);
  EXPECT_FALSE(s.RapportAfkortingOmschrijvingWeergeven);
  EXPECT_TRUE(s.RapportOmschrijvingWaarnemingsposten);
  EXPECT_EQ(s.ExterneEditor, "xdg-open");

  // Written by the settings writer and read back, the settings are the same.
  const std::string bestand = o.map / "terug/Morvask.ini";
  ASSERT_TRUE(InstellingenSchrijven(s, bestand, o.programma->ui, o.programma->catalogus));
  RProgrammaInstellingen terug;
  ASSERT_TRUE(InstellingenLezen(terug, bestand, o.map / "tmp/", o.programma->ui, o.programma->catalogus));
  EXPECT_EQ(InstellingenRegels(terug), InstellingenRegels(s));

  // "&Annuleren" after changing everything changes nothing.
  const std::vector<std::string> voor = InstellingenRegels(s);
  Beantwoord(QStringLiteral("Button2"), [&](QWidget* d) {
    Klikken(d, "ProjectmapButton");
    Typen(Onderdeel<QWidget>(d, "UpDown1"), QStringLiteral("60"));
    QTest::keyClicks(Onderdeel<QLineEdit>(d, "Edit2"), QStringLiteral("-"));
    Onderdeel<QTabWidget>(d, "PageControl1")->setCurrentIndex(3);
    Aanklikken(Onderdeel<QCheckBox>(d, "CheckBox9"));
  });
  o.hoofd->Opdracht("Programmainstellingen1")->trigger();
  EXPECT_EQ(InstellingenRegels(s), voor);
}

TEST(Instellingenscherm, ThePagesTurnFromTheKeyboardWithTheFocusOnItsButtons) {
  Programmaomgeving o;
  o.Starten();
  std::vector<int> paginas;
  Beantwoord(QStringLiteral("Button2"), [&](QWidget* d) {
    auto* p = Onderdeel<QTabWidget>(d, "PageControl1");
    QWidget* ok = Onderdeel<QPushButton>(d, "Button1");
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    ok->setFocus();
    const std::pair<Qt::Key, Qt::KeyboardModifiers> toetsen[] = {
        {Qt::Key_Tab, Qt::ControlModifier},
        {Qt::Key_PageDown, Qt::ControlModifier},
        {Qt::Key_PageUp, Qt::ControlModifier},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier}};
    for (const auto& [toets, met] : toetsen) {
      QTest::keyClick(ok, toets, met);
      paginas.push_back(p->currentIndex());
    }
  });
  o.hoofd->Opdracht("Programmainstellingen1")->trigger();
  EXPECT_EQ(paginas, (std::vector<int>{1, 2, 1, 0}));
}

TEST(Vensterposities, AStoredPositionIsAppliedOnceAndOneOffTheScreenIsIgnored) {
  Programmaomgeving o;
  o.Starten();
  std::vector<std::string>& posities = o.programma->instellingen.FormPosities;
  posities = {"InstellingenForm1=M:0;L:120;T:90;W:999;H:999", "ProjectgegevensForm1=M:0;L:-4000;T:5000;W:400;H:300",
              "AantekeningenForm=M:0;L:60;T:50;W:500;H:350"};

  // A fixed dialog gets its place and keeps its designed size.
  QPoint plaats;
  QSize maat;
  QSize vast;
  Beantwoord(QStringLiteral("Button2"), [&](QWidget* d) {
    plaats = d->pos();
    maat = d->size();
    vast = d->minimumSize();
  });
  o.hoofd->Opdracht("Programmainstellingen1")->trigger();
  EXPECT_EQ(plaats, QPoint(120, 90));
  EXPECT_EQ(maat, vast);
  EXPECT_EQ(vast, o.hoofd->findChild<QWidget*>(QStringLiteral("InstellingenForm1"))->maximumSize());

  // Off every screen: the dialog opens where it is designed to, and the entry is used up.
  Beantwoord(QStringLiteral("Button2"), [&](QWidget* d) { plaats = d->pos(); });
  o.hoofd->Opdracht("Projectgegevens1")->trigger();
  EXPECT_NE(plaats, QPoint(-4000, 5000));
  EXPECT_GE(plaats.x(), -20);
  EXPECT_GE(plaats.y(), -20);

  // A window with a sizeable border gets its size too.
  Beantwoord(QStringLiteral("Button2"), [&](QWidget* d) {
    plaats = d->pos();
    maat = d->size();
  });
  o.hoofd->Opdracht("Opmerkingenvan1")->trigger();
  EXPECT_EQ(plaats, QPoint(60, 50));
  EXPECT_EQ(maat, QSize(500, 350));
  EXPECT_TRUE(posities.empty());
}

// ---- Project data -----------------------------------------------------------------------------

TEST(Projectgegevensscherm, OKWithoutAChangeLeavesTheChangedFlagAsItWas) {
  for (const bool gewijzigd : {false, true}) {
    Voorbeeldkopie kopie;
    Programmaomgeving o({kopie.Pad()});
    o.Starten();
    o.programma->project.Gegevens.ProjectgegevensbestandGewijzigd = gewijzigd;
    const RProjectgegevens voor = o.programma->project.Gegevens;
    Beantwoord(QStringLiteral("Button1"),
               [](QWidget* d) { EXPECT_EQ(d->focusWidget(), Onderdeel<QPushButton>(d, "Button1")); });
    o.hoofd->Opdracht("Projectgegevens1")->trigger();
    const RProjectgegevens& na = o.programma->project.Gegevens;
    EXPECT_EQ(na.ProjectgegevensbestandGewijzigd, gewijzigd);
    EXPECT_EQ(na.Projectomschrijving, voor.Projectomschrijving);
    EXPECT_EQ(na.Waarnemingsinterval, voor.Waarnemingsinterval);
  }
}

TEST(Projectgegevensscherm, TheCountsOfANewAndOfTheExampleProject) {
  {
    Programmaomgeving o;
    o.Starten();
    Beantwoord(QStringLiteral("Button2"), [](QWidget* d) {
      EXPECT_EQ(Tekst(d, "Label3"), QStringLiteral("Aantal waarnemingsposten in project:"));
      EXPECT_EQ(Tekst(d, "Label5"), QStringLiteral("Totaal aantal registraties in project:"));
      for (const char* naam :
           {"Label4", "Label6", "Label15", "Label16", "Label17", "Label18", "Label19", "Label20", "Label21", "Label22"})
        EXPECT_EQ(Tekst(d, naam), QStringLiteral("0")) << naam;
      EXPECT_EQ(Tekst(d, "Label7"), QStringLiteral("Personenauto"));
      EXPECT_EQ(Tekst(d, "Label14"), QStringLiteral("Overig voertuig"));
    });
    o.hoofd->Opdracht("Projectgegevens1")->trigger();
  }
  Voorbeeldkopie kopie;
  Programmaomgeving o({kopie.Pad()});
  o.Starten();
  o.programma->project.Gegevens.VehTypeb = "Busje";
  Beantwoord(QStringLiteral("Button2"), [](QWidget* d) {
    EXPECT_EQ(Tekst(d, "Label4"), QStringLiteral("16"));
    EXPECT_EQ(Tekst(d, "Label6"), QStringLiteral("3000"));
    EXPECT_EQ(Tekst(d, "Label11"), QStringLiteral("Busje"));
    const std::vector<std::pair<const char*, const char*>> perType = {
        {"Label15", "2265"}, {"Label16", "123"}, {"Label17", "119"}, {"Label18", "94"},
        {"Label19", "307"},  {"Label20", "42"},  {"Label21", "15"},  {"Label22", "35"}};
    for (const auto& [naam, aantal] : perType) EXPECT_EQ(Tekst(d, naam), QString::fromLatin1(aantal)) << naam;
  });
  o.hoofd->Opdracht("Projectgegevens1")->trigger();
}

TEST(Projectgegevensscherm, TheTwoSpecialCharactersNeverBecomeEqual) {
  struct Geval {
    const char* veld;
    QString eerst;  // typed before, when not empty
    QString getypt;
    bool waarschuwing;
    QString blijft;
  };
  const std::vector<Geval> gevallen = {
      {"Edit5", {}, QStringLiteral("*"), true, QStringLiteral("#")},
      {"Edit6", {}, QStringLiteral("#"), true, QStringLiteral("*")},
      {"Edit5", QStringLiteral("x"), QStringLiteral(" "), false, QStringLiteral("#")},
      {"Edit6", QStringLiteral("x"), QStringLiteral(" "), false, QStringLiteral("*")},
      {"Edit5", {}, QStringLiteral("?"), false, QStringLiteral("?")},
  };
  for (const Geval& g : gevallen) {
    Programmaomgeving o;
    o.Starten();
    QString melding;
    QString getoond;
    Beantwoord(QStringLiteral("Button1"), [&](QWidget* d) {
      auto* veld = Onderdeel<QLineEdit>(d, g.veld);
      if (!g.eerst.isEmpty()) QTest::keyClicks(veld, g.eerst);
      if (g.waarschuwing) MeldingBevestigen(&melding);
      QTest::keyClicks(veld, g.getypt);  // the full one-character field takes the new character
      getoond = veld->text();
    });
    o.hoofd->Opdracht("Projectgegevens1")->trigger();
    SCOPED_TRACE(std::string(g.veld) + " " + g.getypt.toStdString());
    EXPECT_EQ(getoond, g.blijft);
    EXPECT_EQ(melding, g.waarschuwing ? QStringLiteral("Beide karakters mogen niet hetzelfde zijn.") : QString());
    const RProjectgegevens& p = o.programma->project.Gegevens;
    EXPECT_EQ(NaarQt(std::string(g.veld) == "Edit5" ? p.WildcardKarakter.str() : p.GemistKentekenKarakter.str()),
              g.blijft);
  }
}

TEST(Projectgegevensscherm, AnEmptiedWildcardIsStoredEmptyAndTheTextsAsTyped) {
  Programmaomgeving o;
  o.Starten();
  Beantwoord(QStringLiteral("Button1"), [](QWidget* d) {
    Leegmaken(Onderdeel<QLineEdit>(d, "Edit5"));
    Typen(Onderdeel<QLineEdit>(d, "Edit2"), QStringLiteral("Kentekenonderzoek Zuid"));
    Typen(Onderdeel<QLineEdit>(d, "Edit4"), QStringLiteral("mei 2026"));
  });
  o.hoofd->Opdracht("Projectgegevens1")->trigger();
  const RProjectgegevens& p = o.programma->project.Gegevens;
  EXPECT_EQ(p.WildcardKarakter.str(), "");
  EXPECT_EQ(p.GemistKentekenKarakter.str(), "*");
  EXPECT_EQ(p.Projectomschrijving, "Kentekenonderzoek Zuid");
  EXPECT_EQ(p.ProjectRapporttekst2, "mei 2026");
  EXPECT_TRUE(p.ProjectgegevensbestandGewijzigd);
  EXPECT_TRUE(o.hoofd->Opdracht("Projectopslaan1")->isEnabled());

  // "&Annuleren" after typing changes nothing.
  Programmaomgeving n;
  n.Starten();
  Beantwoord(QStringLiteral("Button2"), [](QWidget* d) {
    Typen(Onderdeel<QLineEdit>(d, "Edit2"), QStringLiteral("anders"));
    Typen(Onderdeel<QWidget>(d, "Edit1"), QStringLiteral("15"));
  });
  n.hoofd->Opdracht("Projectgegevens1")->trigger();
  EXPECT_FALSE(Gewijzigd(n));
  EXPECT_EQ(n.programma->project.Gegevens.Waarnemingsinterval, 1);
  EXPECT_NE(n.programma->project.Gegevens.Projectomschrijving, "anders");
}

TEST(Projectgegevensscherm, TheIntervalTypedOrSteppedIsStoredAndOnlyTypingEmptiesTheEntryTime) {
  struct Geval {
    const char* naam;
    std::function<void(QWidget*)> doen;
    int interval;
    bool invoertijdLegen;
  };
  const std::vector<Geval> gevallen = {
      {"typed", [](QWidget* v) { Typen(v, QStringLiteral("15")); }, 15, true},
      {"typed above the range", [](QWidget* v) { Typen(v, QStringLiteral("45000")); }, 30000, true},
      {"typed below the range", [](QWidget* v) { Typen(v, QStringLiteral("0")); }, 1, true},
      {"stepped", [](QWidget* v) { QTest::keyClick(v, Qt::Key_Up); }, 2, false},
  };
  for (const Geval& g : gevallen) {
    SCOPED_TRACE(g.naam);
    Programmaomgeving o;
    o.Starten();
    auto* dialoog = o.hoofd->findChild<TProjectgegevensForm1*>(QStringLiteral("ProjectgegevensForm1"));
    int geleegd = 0;
    QObject::connect(dialoog, &TProjectgegevensForm1::invoertijdLegen, [&] { ++geleegd; });
    Beantwoord(QStringLiteral("Button1"), [&](QWidget* d) { g.doen(Onderdeel<QWidget>(d, "Edit1")); });
    o.hoofd->Opdracht("Projectgegevens1")->trigger();
    EXPECT_EQ(o.programma->project.Gegevens.Waarnemingsinterval, g.interval);
    EXPECT_TRUE(Gewijzigd(o));
    EXPECT_EQ(geleegd, g.invoertijdLegen ? 1 : 0);
  }
}

// ---- Vehicle types -----------------------------------------------------------------------------

TEST(Voertuigtypenscherm, AnEmptyFieldStoresItsLetterAndSpacesAreKept) {
  Programmaomgeving o;
  o.Starten();
  Beantwoord(QStringLiteral("Button1"), [](QWidget* d) {
    EXPECT_EQ(d->focusWidget(), Onderdeel<QPushButton>(d, "Button1"));
    EXPECT_EQ(Onderdeel<QLabel>(d, "Label3")->text(), QStringLiteral("&m :"));
    EXPECT_EQ(Onderdeel<QLabel>(d, "Label3")->buddy(), Onderdeel<QLineEdit>(d, "Edit3"));
    Typen(Onderdeel<QLineEdit>(d, "Edit3"), QStringLiteral("   "));
    Typen(Onderdeel<QLineEdit>(d, "Edit5"), QStringLiteral("  Bus  "));
  });
  o.hoofd->Opdracht("Voertuigtypen1")->trigger();
  const RProjectgegevens& p = o.programma->project.Gegevens;
  EXPECT_EQ(p.VehTypem, "m");
  EXPECT_EQ(p.VehTypeb, "  Bus  ");
  EXPECT_EQ(p.VehTypea, "Personenauto");
  EXPECT_TRUE(p.ProjectgegevensbestandGewijzigd);
  EXPECT_TRUE(o.hoofd->Opdracht("Projectopslaan1")->isEnabled());
}

TEST(Voertuigtypenscherm, OKWithoutTypingAndCancelAfterTypingChangeNothing) {
  for (const char* knop : {"Button1", "Button2"}) {
    Programmaomgeving o;
    o.Starten();
    Beantwoord(QString::fromLatin1(knop), [knop](QWidget* d) {
      if (std::string(knop) == "Button2") Typen(Onderdeel<QLineEdit>(d, "Edit1"), QStringLiteral("Auto"));
    });
    o.hoofd->Opdracht("Voertuigtypen1")->trigger();
    EXPECT_FALSE(Gewijzigd(o)) << knop;
    EXPECT_EQ(o.programma->project.Gegevens.VehTypea, "Personenauto") << knop;
    EXPECT_EQ(o.hoofd->AantalRapportvensters(), 0);
  }
}

TEST(Voertuigtypenscherm, OKAndReportAppliesThenShowsTheReportWithTheNewNames) {
  Programmaomgeving o;
  o.Starten();
  Beantwoord(QStringLiteral("Button3"),
             [](QWidget* d) { Typen(Onderdeel<QLineEdit>(d, "Edit6"), QStringLiteral("Motorfiets")); });
  o.hoofd->Opdracht("Voertuigtypen1")->trigger();
  EXPECT_EQ(o.programma->project.Gegevens.VehTypeo, "Motorfiets");
  ASSERT_EQ(o.hoofd->AantalRapportvensters(), 1);
  TKindForm* k = o.hoofd->ActiefRapport();
  EXPECT_EQ(k->windowTitle(), QStringLiteral("Rapport 1: Voertuigtypen"));
  const auto& regels = k->Tekst()->Regels();
  EXPECT_NE(std::find(regels.begin(), regels.end(), "o : Motorfiets"), regels.end());
  EXPECT_EQ(regels, RapportVoertuigtypen(o.programma->ctx).Regels);
}

// ---- Notes -------------------------------------------------------------------------------------

TEST(Aantekeningenscherm, OnlyAChangeMarksTheProjectChangedWhenTheWindowCloses) {
  Voorbeeldkopie kopie;
  Programmaomgeving o({kopie.Pad()});
  o.Starten();
  Project& p = o.programma->project;
  const std::vector<std::string> voor = p.Aantekeningen;

  // Opened and closed: nothing changes.
  Beantwoord(QStringLiteral("Button2"),
             [](QWidget* d) { EXPECT_EQ(d->focusWidget(), Onderdeel<QPlainTextEdit>(d, "AantekeningenRichEdit")); });
  o.hoofd->Opdracht("Opmerkingenvan1")->trigger();
  EXPECT_FALSE(Gewijzigd(o));
  EXPECT_EQ(p.Aantekeningen, voor);

  // Two lines typed, closed with Esc: changed, and the notes hold them.
  bool tijdensTypen = true;
  Beantwoord(QStringLiteral("Button2"), [&](QWidget* d) {
    auto* tekst = Onderdeel<QPlainTextEdit>(d, "AantekeningenRichEdit");
    QTest::keyClicks(tekst, QStringLiteral("Regen"));
    QTest::keyClick(tekst, Qt::Key_Return);
    QTest::keyClicks(tekst, QStringLiteral("post 3 kwartier later"));
    tijdensTypen = Gewijzigd(o);  // editing alone does not mark the project changed
    QTest::keyClick(d, Qt::Key_Escape);
  });
  o.hoofd->Opdracht("Opmerkingenvan1")->trigger();
  EXPECT_FALSE(tijdensTypen);
  EXPECT_TRUE(Gewijzigd(o));
  EXPECT_EQ(p.Aantekeningen, (std::vector<std::string>{"Regen", "post 3 kwartier later"}));
  EXPECT_TRUE(o.hoofd->Opdracht("Projectopslaan1")->isEnabled());

  // After saving, opening and closing again changes nothing more.
  o.hoofd->Opdracht("Projectopslaan1")->trigger();
  ASSERT_FALSE(Gewijzigd(o));
  Beantwoord(QStringLiteral("Button2"));
  o.hoofd->Opdracht("Opmerkingenvan1")->trigger();
  EXPECT_FALSE(Gewijzigd(o));
}

TEST(Aantekeningenscherm, TheCheckBoxChangedByMouseOrKeyboardMarksTheProjectChangedAndIsSaved) {
  struct Geval {
    const char* naam;
    std::function<void(QCheckBox*)> doen;
  };
  const std::vector<Geval> gevallen = {
      {"mouse", [](QCheckBox* c) { Aanklikken(c); }},
      {"keyboard", [](QCheckBox* c) { QTest::keyClick(c, Qt::Key_Space); }},
  };
  for (const Geval& g : gevallen) {
    SCOPED_TRACE(g.naam);
    Voorbeeldkopie kopie;
    Programmaomgeving o({kopie.Pad()});
    o.Starten();
    Beantwoord(QStringLiteral("Button2"), [&](QWidget* d) {
      auto* c = Onderdeel<QCheckBox>(d, "CheckBox1");
      EXPECT_FALSE(c->isChecked());
      g.doen(c);
    });
    o.hoofd->Opdracht("Opmerkingenvan1")->trigger();
    EXPECT_TRUE(o.programma->project.Gegevens.AantekeningenschermTonen);
    EXPECT_TRUE(Gewijzigd(o));
    o.hoofd->Opdracht("Projectopslaan1")->trigger();
    EXPECT_NE(kopie.Inhoud().find("\r\nShowNotesDialog=1\r\n"), std::string::npos);
  }
}

TEST(Aantekeningenscherm, AProjectThatAsksForItsNotesShowsThemWhenOpened) {
  morvask::test::TijdelijkeMap bron;
  std::string inhoud = BestandLezen(Programmaomgeving::Voorbeeld()).value();
  const std::string uit = "ShowNotesDialog=0";
  inhoud.replace(inhoud.find(uit), uit.size(), "ShowNotesDialog=1");
  // The notes are the last section: the file's final empty line closes them.
  inhoud += "Telling bij post 5 \xE9\xE9n uur later begonnen.\r\n\r\n";
  bron.Schrijf("met notities.mpr", inhoud);

  Programmaomgeving o({bron / "met notities.mpr"});
  QString getoond;
  bool aangevinkt = false;
  Beantwoord(QStringLiteral("Button2"), [&](QWidget* d) {
    getoond = Onderdeel<QPlainTextEdit>(d, "AantekeningenRichEdit")->toPlainText();
    aangevinkt = Onderdeel<QCheckBox>(d, "CheckBox1")->isChecked();
  });
  o.Starten();
  EvenWachten(100);
  EXPECT_EQ(getoond, QStringLiteral("\nTelling bij post 5 \u00E9\u00E9n uur later begonnen."));
  EXPECT_TRUE(aangevinkt);
  EXPECT_FALSE(Gewijzigd(o));
}

TEST(Aantekeningenscherm, TheReportHoldsTheNotesAsTheWindowLeftThem) {
  struct Geval {
    const char* naam;
    QString getypt;
    std::vector<std::string> notities;
  };
  const std::vector<Geval> gevallen = {
      {"empty notes", {}, {}},
      {"a typed line", QStringLiteral("Eerste regel"), {"Eerste regel"}},
  };
  for (const Geval& g : gevallen) {
    SCOPED_TRACE(g.naam);
    Programmaomgeving o;
    o.Starten();
    Beantwoord(QStringLiteral("Button1"), [&](QWidget* d) {
      if (!g.getypt.isEmpty()) QTest::keyClicks(Onderdeel<QPlainTextEdit>(d, "AantekeningenRichEdit"), g.getypt);
    });
    o.hoofd->Opdracht("Opmerkingenvan1")->trigger();
    EXPECT_EQ(o.programma->project.Aantekeningen, g.notities);
    ASSERT_EQ(o.hoofd->AantalRapportvensters(), 1);
    TKindForm* k = o.hoofd->ActiefRapport();
    EXPECT_EQ(k->windowTitle(), QStringLiteral("Rapport 1: Aantekeningen"));
    const auto& regels = k->Tekst()->Regels();
    const auto kop = std::find(regels.begin(), regels.end(), "Aantekeningen bij project:");
    ASSERT_NE(kop, regels.end());
    ASSERT_GT(regels.end() - kop, static_cast<long>(1 + g.notities.size()));
    EXPECT_EQ(*(kop + 1), "");
    EXPECT_TRUE(std::equal(g.notities.begin(), g.notities.end(), kop + 2));
    EXPECT_EQ(regels, RapportAantekeningen(o.programma->ctx).Regels);
  }
}

// ---- All four windows ------------------------------------------------------------------------

const std::vector<const char*> Vensternamen = {"InstellingenForm1", "ProjectgegevensForm1", "VehTypesForm",
                                               "AantekeningenForm"};

// Every text a window shows, by its key in the language file, as the translation sees it.
std::map<std::string, std::string> SchermTeksten(QWidget* venster) {
  const RScherm s = SchermVan(venster);
  std::map<std::string, std::string> uit = {{s.Naam + ".Caption", s.Caption}};
  for (const ROnderdeel& d : s.Onderdelen) {
    const std::string basis = s.Naam + "." + d.Naam;
    if (d.HeeftCaption) uit[basis + ".Caption"] = d.Caption;
    if (d.HeeftHint) uit[basis + ".Hint"] = d.Hint;
    for (std::size_t i = 0; i < d.Regels.size(); ++i) uit[basis + ".Items[" + std::to_string(i) + "]"] = d.Regels[i];
  }
  return uit;
}

TEST(Dialoogvensters, InEnglishTheyShowNoDutchText) {
  morvask::test::TijdelijkeMap map;
  map.Schrijf("Morvask.ini", "[Morvask settings]\r\n\r\n[**General variables**]\r\nLanguage=English\r\n\r\n");
  TProgramma engels(std::string(MORVASK_GUI_TEST_PROGRAM), map / "Morvask.ini");
  THoofdForm engelsHoofd(engels);
  Programmaomgeving nederlands;
  // Texts that read the same in both languages.
  const std::vector<std::string> gelijk = {" Data: ", " Project: ", "&OK",  "...",  "Help", "&Help", "pixels", "&a :",
                                           "&l :",    "&m :",       "&z :", "&b :", "&o :", "&u :",  "&r :"};
  for (const char* naam : Vensternamen) {
    const auto nl = SchermTeksten(nederlands.hoofd->findChild<QWidget*>(QString::fromLatin1(naam)));
    const auto en = SchermTeksten(engelsHoofd.findChild<QWidget*>(QString::fromLatin1(naam)));
    ASSERT_EQ(nl.size(), en.size()) << naam;
    for (const auto& [sleutel, tekst] : nl) {
      const bool woorden = std::any_of(tekst.begin(), tekst.end(), [](char c) { return std::isalpha(c); });
      if (!woorden || std::find(gelijk.begin(), gelijk.end(), tekst) != gelijk.end()) continue;
      EXPECT_NE(en.at(sleutel), tekst) << sleutel;
    }
  }
}

TEST(Dialoogvensters, EveryInputIsNamedForAssistiveTechnology) {
  Programmaomgeving o;
  o.Starten();
  const std::vector<const char*> opdrachten = {"Programmainstellingen1", "Projectgegevens1", "Voertuigtypen1",
                                               "Opmerkingenvan1"};
  for (std::size_t i = 0; i < opdrachten.size(); ++i) {
    Beantwoord(QStringLiteral("Button2"), [&](QWidget* d) {
      EXPECT_EQ(d->objectName(), QString::fromLatin1(Vensternamen[i]));
      for (QWidget* w : d->findChildren<QWidget*>()) {
        const bool invoer = (qobject_cast<QLineEdit*>(w) && !qobject_cast<QAbstractSpinBox*>(w->parentWidget())) ||
                            qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                            qobject_cast<QAbstractButton*>(w);
        if (!invoer) continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(a, nullptr);
        EXPECT_FALSE(a->text(QAccessible::Name).trimmed().isEmpty())
            << d->objectName().toStdString() << "." << w->objectName().toStdString();
      }
    });
    o.hoofd->Opdracht(opdrachten[i])->trigger();
  }
}

}  // namespace
}  // namespace morvask::gui::test
