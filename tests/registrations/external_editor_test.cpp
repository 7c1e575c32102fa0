#include "registrations/external_editor.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include <gtest/gtest.h>

#include "registration_test_support.h"

namespace morvask::test {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kDrie = {"002-ku 0900 a CC33", "001-ki 0800 b AB12", "001-ki 0700 l ZZ99"};

// An editor standing in for the user's: a shell script that does its work on the file named
// by its argument and then leaves the mark the scripted user waits for before "&OK".
std::string EditorScript(Registratieomgeving& o, const std::string& werk, const std::string& naam = "editor.sh") {
  const std::string markering = o.map / "klaar";
  o.map.Schrijf(naam, "#!/bin/sh\n" + werk + "\ntouch '" + markering + "'\n");
  fs::permissions(NaarPad(o.map / naam), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                             fs::perms::others_read | fs::perms::others_exec);
  o.ui.klaarMarkering = markering;
  return o.map / naam;
}

RBewerkenKeuze Extern(const std::string& editor, const std::string& volgorde = "") {
  RBewerkenKeuze k;
  k.Editor = editor;
  k.Sorteervolgorde = volgorde;
  return k;
}

TEST(ExternBewerken, TheEditedFileReplacesTheRegistrations) {
  Registratieomgeving o;
  o.Registraties(kDrie);
  const std::string editor = EditorScript(
      o, "sed -i -e 's/AB12/XY12/' -e '/CC33/d' \"$1\"\nprintf '\\r\\n003-ki 1000 u new1\\r\\n' >> \"$1\"");
  REditortekst intern;
  const RBewerkresultaat r = KeuzeUitvoeren(o.ctx, Extern(editor), intern);
  EXPECT_EQ(r.uitkomst, Bewerkuitkomst::Ingelezen);
  // The blank line is dropped; the added line comes as typed, without checks.
  EXPECT_EQ(o.Regels(), (std::vector<std::string>{"001-ki 0800 b XY12", "001-ki 0700 l ZZ99", "003-ki 1000 u new1"}));
  EXPECT_TRUE(o.Gewijzigd());
  EXPECT_EQ(o.ui.menuCodes, (std::vector<MenuCode>{mcOpslaan, mcRegistraties}));
  EXPECT_FALSE(BestandBestaat(o.Tempbestand()));
  ASSERT_EQ(o.ui.berichten.size(), 1u);
  EXPECT_EQ(o.ui.berichten[0].soort, "informatie");
  EXPECT_EQ(o.ui.berichten[0].tekst, o.catalogus.Vul("AA00092", {"Morvask"}));
  EXPECT_EQ(o.instellingen.ExterneEditor, editor);
  EXPECT_FALSE(o.ui.bezig);
  EXPECT_TRUE(intern.Regels.empty());
}

TEST(ExternBewerken, TheEditorSeesUtf8AndAnUneditedFileComesBackTheSame) {
  Registratieomgeving o;
  o.Registraties(kDrie);
  o.project.Registratielijst.emplace_back("001-ki", "1200", "o",
                                          "\xC4"
                                          "B\xEB"
                                          "1");  // Ä and ë
  const std::vector<std::string> voor = o.Regels();
  // A folder with a space in its name: the path needs no quoting.
  const std::string editor = EditorScript(o, "cp \"$1\" '" + (o.map / "gezien.txt") + "'", "mijn editor/ed.sh");
  REditortekst intern;
  EXPECT_EQ(KeuzeUitvoeren(o.ctx, Extern(editor), intern).uitkomst, Bewerkuitkomst::Ingelezen);
  EXPECT_EQ(o.map.Lees("gezien.txt"),
            "002-ku 0900 a CC33\r\n001-ki 0800 b AB12\r\n001-ki 0700 l ZZ99\r\n001-ki 1200 o \xC3\x84"
            "B\xC3\xAB"
            "1\r\n");
  EXPECT_EQ(o.Regels(), voor);
}

TEST(ExternBewerken, AnEditorThatCannotBeStartedChangesNothing) {
  Registratieomgeving o;
  o.map.Schrijf("not-executable.sh", "#!/bin/sh\n");
  fs::permissions(NaarPad(o.map / "not-executable.sh"), fs::perms::owner_read | fs::perms::owner_write);
  for (const std::string& editor :
       {o.map / "missing-editor", o.map / "not-executable.sh", std::string("morvask-no-such-editor"), o.map.Pad()}) {
    SCOPED_TRACE(editor);
    o.ui.berichten.clear();
    o.Registraties(kDrie);
    o.project.Gegevens.ProjectgegevensbestandGewijzigd = false;
    REditortekst intern;
    EXPECT_EQ(KeuzeUitvoeren(o.ctx, Extern(editor), intern).uitkomst, Bewerkuitkomst::Gestopt);
    ASSERT_EQ(o.ui.berichten.size(), 1u);  // no "when you are done" message
    EXPECT_EQ(o.ui.berichten[0].soort, "fout");
    EXPECT_EQ(o.ui.berichten[0].tekst, "Kan programma (editor) \"" + editor + "\" niet starten.");
    EXPECT_EQ(o.Regels(), kDrie);
    EXPECT_FALSE(o.Gewijzigd());
  }
}

TEST(ExternBewerken, AFileThatDisappearedKeepsTheRegistrations) {
  Registratieomgeving o;
  o.Registraties(kDrie);
  const std::string editor = EditorScript(o, "rm \"$1\"");
  REditortekst intern;
  EXPECT_EQ(KeuzeUitvoeren(o.ctx, Extern(editor), intern).uitkomst, Bewerkuitkomst::Gestopt);
  ASSERT_EQ(o.ui.berichten.size(), 2u);
  EXPECT_EQ(o.ui.berichten[1].soort, "fout");
  EXPECT_EQ(o.ui.berichten[1].tekst,
            "Kentekensbestand \"" + o.Tempbestand() + "\" niet gevonden. Huidige kentekensbestand wordt gehandhaafd.");
  EXPECT_EQ(o.Regels(), kDrie);
  EXPECT_FALSE(o.Gewijzigd());
  EXPECT_TRUE(o.ui.menuCodes.empty());
}

TEST(ExternBewerken, AFileEmptiedInTheEditorRemovesEveryRegistration) {
  Registratieomgeving o;
  o.Registraties(kDrie);
  const std::string editor = EditorScript(o, ": > \"$1\"");
  REditortekst intern;
  EXPECT_EQ(KeuzeUitvoeren(o.ctx, Extern(editor), intern).uitkomst, Bewerkuitkomst::Ingelezen);
  EXPECT_TRUE(o.project.Registratielijst.empty());
  EXPECT_TRUE(o.Gewijzigd());
}

// The round trip of a user who cannot read the file the editor left (it made it unreadable).
// Run in a child process as an ordinary user: the superuser reads any file.
int OnleesbaarBestand(Registratieomgeving& o, const std::string& editor) {
  if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) return 10;
  REditortekst intern;
  if (KeuzeUitvoeren(o.ctx, Extern(editor), intern).uitkomst != Bewerkuitkomst::Gestopt) return 11;
  if (o.ui.berichten.size() != 2 || o.ui.berichten[1].soort != "waarschuwing") return 12;
  if (o.ui.berichten[1].tekst !=
      "Kan kentekensbestand \"" + o.Tempbestand() + "\" niet openen. Sluit eerst de externe editor af.")
    return 13;
  if (o.Regels() != kDrie || o.Gewijzigd()) return 14;
  if (!BestandBestaat(o.Tempbestand())) return 15;  // the file is not deleted
  return 0;
}

TEST(ExternBewerkenDeathTest, AFileThatCannotBeReadIsReportedAndKept) {
  Registratieomgeving o;
  o.Registraties(kDrie);
  const std::string editor = EditorScript(o, "chmod 000 \"$1\"");
  for (const std::string& map : {o.map.Pad(), o.map / "tmp"}) fs::permissions(NaarPad(map), fs::perms::all);
  // The temporary folder is the user's own: the ordinary user's, when the test runs it as one.
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown((o.map / "tmp").c_str(), 65534, 65534), 0);
  }
  EXPECT_EXIT(std::_Exit(OnleesbaarBestand(o, editor)), ::testing::ExitedWithCode(0), "");
}

TEST(KeuzeUitvoeren, AnEmptyEditorFieldIsReportedAndTheFileStays) {
  for (const std::string veld : {"", "   "}) {
    Registratieomgeving o;
    o.Registraties(kDrie);
    REditortekst intern;
    EXPECT_EQ(KeuzeUitvoeren(o.ctx, Extern(veld), intern).uitkomst, Bewerkuitkomst::Gestopt);
    EXPECT_EQ(o.ui.Teksten("waarschuwing"), std::vector<std::string>{"Geef eerst een externe editor op."});
    EXPECT_EQ(o.ui.berichten.size(), 1u);
    EXPECT_TRUE(BestandBestaat(o.Tempbestand()));
    EXPECT_EQ(o.Regels(), kDrie);
    EXPECT_FALSE(o.Gewijzigd());
    EXPECT_EQ(o.instellingen.ExterneEditor, veld);
  }
}

TEST(KeuzeUitvoeren, TheSortChosenStaysWhenTheInternalEditIsAbandoned) {
  Registratieomgeving o;
  o.Registraties(kDrie);
  RBewerkenKeuze k = Extern("my-editor", "KTP");
  k.InterneEditor = true;
  REditortekst intern;
  const RBewerkresultaat r = KeuzeUitvoeren(o.ctx, k, intern);
  EXPECT_EQ(r.uitkomst, Bewerkuitkomst::InterneEditorOpenen);
  EXPECT_EQ(o.instellingen.ExterneEditor, "my-editor");  // stored whichever editor is chosen
  const std::vector<std::string> opKenteken = {"001-ki 0800 b AB12", "002-ku 0900 a CC33", "001-ki 0700 l ZZ99"};
  EXPECT_EQ(intern.Regels, opKenteken);
  EXPECT_FALSE(BestandBestaat(o.Tempbestand()));

  intern.Regels.push_back("001-ki 1000 a NEW1");
  intern.Gewijzigd = true;
  o.ui.antwoorden.push_back(mrNee);  // "&Niet opslaan"
  EXPECT_TRUE(EditorMagSluiten(o.ctx, intern));
  EXPECT_EQ(o.Regels(), opKenteken);
  EXPECT_FALSE(o.Gewijzigd());
}

TEST(KeuzeUitvoeren, AnUnwritableTemporaryFolderStopsBeforeAnyEditor) {
  Registratieomgeving o;
  o.Registraties(kDrie);
  o.map.Schrijf("bestand", "");  // a folder below a file can never be made
  o.ctx.mappen.Tijdelijk = o.map / "bestand/missing/";
  RBewerkenKeuze k = Extern("");
  REditortekst intern;
  EXPECT_EQ(KeuzeUitvoeren(o.ctx, k, intern).uitkomst, Bewerkuitkomst::Gestopt);
  EXPECT_EQ(o.ui.Teksten("fout").size(), 1u);
  EXPECT_EQ(o.ui.berichten.size(), 1u);
}

TEST(KentekensBewerken, TheDialogShowsTheSettingAndTheTemporaryFile) {
  Registratieomgeving o;
  o.instellingen.ExterneEditor = "gedit";
  RBewerkenKeuze k;
  k.InterneEditor = true;
  k.Sorteervolgorde = "VPT";
  k = KentekensBewerken(o.ctx, k);
  EXPECT_EQ(k.Editor, "gedit");
  EXPECT_TRUE(k.InterneEditor);
  EXPECT_EQ(k.Sorteervolgorde, "VPT");
  EXPECT_FALSE(RBewerkenKeuze{}.InterneEditor);  // the external editor is chosen at first
  EXPECT_EQ(BewerkenUitleg(o.ctx), "Kentekensbestand wordt tijdelijk weggeschreven naar\r\"" + o.Tempbestand() +
                                       "\"\ren automatisch geopend met de opgegeven editor.");
}

TEST(ProgrammaStarten, StartedEditorsAreCollectedOnceTheyEnd) {
  std::vector<int> lopend;
  const auto pid = ProgrammaStarten("sleep", "0.2");
  ASSERT_TRUE(pid.has_value());
  lopend.push_back(*pid);
  const auto eind = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!lopend.empty() && std::chrono::steady_clock::now() < eind) {
    BeeindigdeEditorsOpruimen(lopend);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_TRUE(lopend.empty());
  EXPECT_FALSE(ProgrammaStarten("", "x").has_value());
}

}  // namespace
}  // namespace morvask::test
