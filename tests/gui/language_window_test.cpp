// The language window: the first start, a language applied at once on top of what is shown,
// the restart notice for the built-in language, and a language whose file has gone.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QMenuBar>
#include <filesystem>

#include "core/files.h"
#include "gui/app/qt_text.h"
#include "gui/gui_support.h"
#include "gui/language/language_window.h"

namespace morvask::gui::test {
namespace {

// Chooses an entry of a list of the language window.
std::function<void(QWidget*)> Kies(const char* lijst, const QString& tekst) {
  return [lijst, tekst](QWidget* venster) {
    auto* c = venster->findChild<QComboBox*>(QString::fromLatin1(lijst));
    ASSERT_NE(c, nullptr);
    c->setCurrentIndex(c->findText(tekst));
  };
}

QString Menutitel(const Programmaomgeving& o, const char* naam) {
  return o.hoofd->findChild<QMenu*>(QString::fromLatin1(naam))->title();
}

TEST(Taalvenster, ShownOnceAtTheFirstStartAndAppliesEnglishAtOnce) {
  Programmaomgeving o;
  EXPECT_EQ(o.programma->instellingen.TaalGekozen, 0);
  Beantwoord(QStringLiteral("ntBitBtn1"), Kies("ntComboBox1", QStringLiteral("English")));
  o.hoofd->EersteStartTaalkeuze();
  EXPECT_EQ(o.programma->instellingen.TaalGekozen, 1);
  EXPECT_EQ(o.programma->instellingen.Taal, "English");
  EXPECT_EQ(Menutitel(o, "Bestand1"), QStringLiteral("&File"));
  EXPECT_EQ(o.hoofd->Opdracht("Nieuwproject1")->toolTip(), QStringLiteral("New project... (Ctrl+N)"));
  EXPECT_EQ(o.programma->catalogus["ZB00013"], "&Cancel");
  EXPECT_EQ(o.programma->ctx.vast.NieuwProjectNaam, "New");
  // Once chosen, the next start asks no more.
  o.hoofd->EersteStartTaalkeuze();
  EXPECT_EQ(OnbeantwoordeDialogen(), 0);
}

TEST(Taalvenster, CancelKeepsTheTextsAndTheBuiltInLanguageAsksForARestart) {
  Programmaomgeving o;
  o.Starten();
  Beantwoord(QStringLiteral("ntBitBtn2"), Kies("ntComboBox1", QStringLiteral("English")));
  o.hoofd->Opdracht("Language1")->trigger();
  EXPECT_EQ(o.programma->instellingen.TaalGekozen, 1);  // also when cancelled
  EXPECT_EQ(Menutitel(o, "Bestand1"), QStringLiteral("&Bestand"));

  Beantwoord(QStringLiteral("ntBitBtn1"), Kies("ntComboBox1", QStringLiteral("English")));
  o.hoofd->Opdracht("Language1")->trigger();
  EXPECT_EQ(Menutitel(o, "Bestand1"), QStringLiteral("&File"));
  // "Nederlands" takes effect only after a restart: the texts stay, a notice says so.
  Beantwoord(QStringLiteral("ntBitBtn1"), Kies("ntComboBox1", QStringLiteral("Nederlands")));
  Beantwoord(QStringLiteral("OKKnop"));
  o.hoofd->Opdracht("Language1")->trigger();
  EXPECT_EQ(o.programma->instellingen.Taal, "Nederlands");
  EXPECT_EQ(Menutitel(o, "Bestand1"), QStringLiteral("&File"));
}

TEST(Taalvenster, TheHelpFileChosenIsTheHelpWindowsAndAGoneLanguageFileChangesNothing) {
  Programmaomgeving o;
  o.Starten();
  Beantwoord(QStringLiteral("ntBitBtn1"), Kies("ntComboBox2", QStringLiteral("Morvask_English")));
  o.hoofd->Opdracht("Language1")->trigger();
  EXPECT_TRUE(o.hoofd->Helpbestand().endsWith(QStringLiteral("Hlp/Morvask_English.html")));
  EXPECT_EQ(o.programma->instellingen.HelpTaal, "Morvask_English");

  // A language file copied in, listed, then deleted before "&OK".
  const std::string lng = o.programma->ctx.mappen.Programma + "Lng/Weg.lng";
  ASSERT_TRUE(BestandAtomischSchrijven(lng, "[HoofdForm]\r\nHoofdForm.Bestand1.Caption=\"&Weg\"\r\n"));
  Beantwoord(QStringLiteral("ntBitBtn1"), [lng](QWidget* venster) {
    Kies("ntComboBox1", QStringLiteral("Weg"))(venster);
    std::filesystem::remove(lng);
  });
  o.hoofd->Opdracht("Language1")->trigger();
  EXPECT_EQ(Menutitel(o, "Bestand1"), QStringLiteral("&Bestand"));
  EXPECT_EQ(o.programma->instellingen.Taal, "Nederlands");
}

}  // namespace
}  // namespace morvask::gui::test
