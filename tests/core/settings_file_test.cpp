#include "core/settings_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "base/catalogue.h"
#include "core/files.h"
#include "support/fake_ui.h"
#include "support/temp_folder.h"

namespace morvask {
namespace {

using test::NepUi;
using test::TijdelijkeMap;

class InstellingenBestand : public ::testing::Test {
 protected:
  // Reads a settings file with the given lines (CR LF ends) over the defaults.
  RProgrammaInstellingen Lees(const std::vector<std::string>& regels) {
    map.Schrijf("Morvask.ini", RegelsSamenvoegen(regels));
    RProgrammaInstellingen s;
    InstellingenLezen(s, map / "Morvask.ini", "/tmp/", ui, cat);
    return s;
  }

  TijdelijkeMap map;
  NepUi ui;
  Catalogus cat;
};

TEST_F(InstellingenBestand, WritesEveryLineInItsOrder) {
  RProgrammaInstellingen s = StandaardInstellingen("/tmp/");
  s.Taal = "English";
  s.TaalGekozen = 1;
  s.HelpTaal = "Morvask_English";
  s.RapportTabelLettertypeGrootte = 10;
  s.RapportInformatieOverInhoudWeergeven = false;
  s.RapportOmschrijvingWaarnemingsposten = true;
  s.Projectdirectory = "/home/a/surveys/";
  s.IntensiteitenInterval = 60;
  s.ScreensaverUitschakelenTijdensMorvask = true;
  s.ReservebestandMaken = false;
  s.MatchOpschoonWaarde = 0;
  s.FormPosities = {"HoofdForm=M:0;L:196;T:115;W:725;H:520", "", "WnpForm=M:1;L:5;T:5;W:300;H:200"};

  ASSERT_TRUE(InstellingenSchrijven(s, map / "Morvask.ini", ui, cat));
  const std::string verwacht =
      "[Morvask settings]\r\n"
      "\r\n"
      "[**General variables**]\r\n"
      "Language=English\r\n"
      "LanguageSet=1\r\n"
      "LanguageHelp=Morvask_English\r\n"
      "ReportTableFontSize=10\r\n"
      "ReportLineCharacter=\x97\r\n"
      "ReportShowContextInfo=0\r\n"
      "ReportShowLegend=1\r\n"
      "ReportMaximize=1\r\n"
      "ReportShowPosts=1\r\n"
      "ProjectFolder=/home/a/surveys/\r\n"
      "ShowProjectSettingsAfterOpen=1\r\n"
      "VolumesInterval=60\r\n"
      "DisableScreensaver=1\r\n"
      "BackUpFolder=/tmp/\r\n"
      "MakeBackUps=0\r\n"
      "MatchClearMemory=0\r\n"
      "ExternalEditor=xdg-open\r\n"
      "\r\n"
      "[**Form positions**]\r\n"
      "HoofdForm=M:0;L:196;T:115;W:725;H:520\r\n"
      "WnpForm=M:1;L:5;T:5;W:300;H:200\r\n"
      "\r\n";
  EXPECT_EQ(map.Lees("Morvask.ini"), verwacht);
  EXPECT_TRUE(ui.berichten.empty());
}

TEST_F(InstellingenBestand, WrittenSettingsReadBackAsTheyWere) {
  RProgrammaInstellingen s = StandaardInstellingen("/var/tmp/");
  s.Taal = "Deutsch";
  s.EenHorzTeken = "=";
  s.ExterneEditor = "gedit --new-window";
  s.RapportAutomMaximaliseren = false;
  s.RapportAfkortingOmschrijvingWeergeven = false;
  s.ProjectgegevensWeergevenNaOpenen = false;
  s.IntensiteitenInterval = 5;
  s.MatchOpschoonWaarde = 12345;
  s.RapportTabelLettertypeGrootte = 255;
  const std::vector<RVenster> vensters = {{"HoofdForm", 196, 115, 725, 520, false, true},
                                          {"WnpForm", 0, 0, 300, 200, false, true},
                                          {"GoToForm", 40, 0, 200, 100, true, false}};
  ASSERT_TRUE(InstellingenSchrijven(s, map / "Morvask.ini", ui, cat, vensters));

  RProgrammaInstellingen terug;
  EXPECT_TRUE(InstellingenLezen(terug, map / "Morvask.ini", "/tmp/", ui, cat));
  EXPECT_EQ(InstellingenRegels(terug), InstellingenRegels(s));
  // The window at (0, 0) has no entry; the empty line before the end is read as an entry
  // and never written.
  EXPECT_EQ(terug.FormPosities, (std::vector<std::string>{"HoofdForm=M:0;L:196;T:115;W:725;H:520",
                                                          "GoToForm=M:1;L:40;T:0;W:200;H:100", ""}));
  EXPECT_EQ(terug.Reservebestandendirectory, "/var/tmp/");
  EXPECT_TRUE(ui.berichten.empty());
}

TEST_F(InstellingenBestand, ValuesAndKeys) {
  struct Geval {
    const char* regel;
    std::function<bool(const RProgrammaInstellingen&)> klopt;
  };
  const std::vector<Geval> gevallen = {
      // Only "1" switches an option on.
      {"reportmaximize=true", [](auto& s) { return !s.RapportAutomMaximaliseren; }},
      {"ReportMaximize= 1", [](auto& s) { return !s.RapportAutomMaximaliseren; }},
      {"ReportShowContextInfo=", [](auto& s) { return !s.RapportInformatieOverInhoudWeergeven; }},
      {"makebackups=1", [](auto& s) { return s.ReservebestandMaken; }},
      // Keys in any letter case.
      {"REPORTSHOWPOSTS=1", [](auto& s) { return s.RapportOmschrijvingWaarnemingsposten; }},
      {"rEpOrTsHoWpOsTs=1", [](auto& s) { return s.RapportOmschrijvingWaarnemingsposten; }},
      {"DISABLESCREENSAVER=1", [](auto& s) { return s.ScreensaverUitschakelenTijdensMorvask; }},
      // The value is everything after the first "=", blanks and further "=" included.
      {"ExternalEditor=env A=1 kate ", [](auto& s) { return s.ExterneEditor == "env A=1 kate "; }},
      {"Language=", [](auto& s) { return s.Taal.empty(); }},
      {"ProjectFolder=/data/my surveys/", [](auto& s) { return s.Projectdirectory == "/data/my surveys/"; }},
      // The rule character is the first character of the value.
      {"ReportLineCharacter=-+", [](auto& s) { return s.EenHorzTeken == "-"; }},
      {"ReportLineCharacter=", [](auto& s) { return s.EenHorzTeken.empty(); }},
      // A key needs its "=": the bare word is no key.
      {"reportmaximize", [](auto& s) { return s.RapportAutomMaximaliseren; }},
      {"reportmaximize =0", [](auto& s) { return s.RapportAutomMaximaliseren; }},
      // Numbers, blanks around them allowed, kept inside what their field holds.
      {"VolumesInterval= 30 ", [](auto& s) { return s.IntensiteitenInterval == 30; }},
      {"VolumesInterval=0", [](auto& s) { return s.IntensiteitenInterval == 1; }},
      {"VolumesInterval=65536", [](auto& s) { return s.IntensiteitenInterval == 30000; }},
      {"ReportTableFontSize=300", [](auto& s) { return s.RapportTabelLettertypeGrootte == 255; }},
      {"ReportTableFontSize=-4", [](auto& s) { return s.RapportTabelLettertypeGrootte == 0; }},
      {"LanguageSet=256", [](auto& s) { return s.TaalGekozen == 255; }},
      {"MatchClearMemory=-1", [](auto& s) { return s.MatchOpschoonWaarde == 0; }},
      {"MatchClearMemory=2147483647", [](auto& s) { return s.MatchOpschoonWaarde == 2147483647; }},
      {"matchclearmemory=+70", [](auto& s) { return s.MatchOpschoonWaarde == 70; }},
  };
  for (const auto& g : gevallen) {
    const auto s = Lees({"[Morvask settings]", "", "[**General variables**]", g.regel});
    EXPECT_TRUE(g.klopt(s)) << g.regel;
  }
  EXPECT_TRUE(ui.berichten.empty());
}

TEST_F(InstellingenBestand, OnlyLinesAfterTheGeneralHeaderCount) {
  auto s = Lees(
      {"Language=Voor", "[**general variables**]", "MakeBackUps=0", "[**General variables**] ", "ReportShowPosts=1"});
  // Neither header is exactly "[**General variables**]": nothing is read.
  EXPECT_EQ(s.Taal, "Nederlands");
  EXPECT_TRUE(s.ReservebestandMaken);
  EXPECT_FALSE(s.RapportOmschrijvingWaarnemingsposten);

  // Lines ended by LF alone are lines too; the general pass also meets the form positions
  // and any later section.
  map.Schrijf("Morvask.ini",
              "[**General variables**]\nLanguage=English\n[**Form positions**]\nHoofdForm=M:0;L:1;T:1;W:2;H:2\n"
              "[**Other**]\nMakeBackUps=0\n");
  RProgrammaInstellingen t;
  EXPECT_TRUE(InstellingenLezen(t, map / "Morvask.ini", "/tmp/", ui, cat));
  EXPECT_EQ(t.Taal, "English");
  EXPECT_FALSE(t.ReservebestandMaken);
  EXPECT_EQ(t.FormPosities, std::vector<std::string>{"HoofdForm=M:0;L:1;T:1;W:2;H:2"});
}

TEST_F(InstellingenBestand, FormPositionsRunToTheNextHeaderEmptyLinesIncluded) {
  auto s = Lees({"[**Form positions**]", "HoofdForm=M:0;L:1;T:2;W:3;H:4", "", "WnpForm=M:1;L:0;T:9;W:3;H:4",
                 "[**Next**]", "GoToForm=M:0;L:1;T:2;W:3;H:4"});
  EXPECT_EQ(s.FormPosities,
            (std::vector<std::string>{"HoofdForm=M:0;L:1;T:2;W:3;H:4", "", "WnpForm=M:1;L:0;T:9;W:3;H:4"}));
}

TEST_F(InstellingenBestand, NonNumericValueEndsTheReadingKeepingWhatWasRead) {
  auto s = Lees({"[Morvask settings]", "[**General variables**]", "Language=English", "ReportShowPosts=1",
                 "VolumesInterval=15x", "MakeBackUps=0", "ExternalEditor=kate", "[**Form positions**]",
                 "HoofdForm=M:0;L:1;T:2;W:3;H:4"});
  EXPECT_EQ(s.Taal, "English");
  EXPECT_TRUE(s.RapportOmschrijvingWaarnemingsposten);
  EXPECT_EQ(s.IntensiteitenInterval, 15);
  EXPECT_TRUE(s.ReservebestandMaken);
  EXPECT_EQ(s.ExterneEditor, "xdg-open");
  EXPECT_TRUE(s.FormPosities.empty());
  ASSERT_EQ(ui.berichten.size(), 1u);
  EXPECT_EQ(ui.berichten[0].soort, "fout");
  EXPECT_EQ(ui.berichten[0].caption, "Morvask");
  EXPECT_EQ(ui.berichten[0].tekst, "\"15x\" is geen geldig geheel getal.");

  // A number too large for 32 bits is no whole number either.
  ui.berichten.clear();
  Lees({"[**General variables**]", "MatchClearMemory=99999999999"});
  EXPECT_EQ(ui.Teksten("fout").size(), 1u);
}

TEST_F(InstellingenBestand, MissingFileGivesTheDefaultsSilently) {
  RProgrammaInstellingen s;
  s.Taal = "Klingon";
  s.FormPosities = {"HoofdForm=M:0;L:1;T:2;W:3;H:4"};
  EXPECT_FALSE(InstellingenLezen(s, map / "niet-er.ini", "/scratch/", ui, cat));
  RProgrammaInstellingen standaard = StandaardInstellingen("/scratch/");
  EXPECT_EQ(InstellingenRegels(s), InstellingenRegels(standaard));
  EXPECT_TRUE(s.FormPosities.empty());
  EXPECT_EQ(s.ExterneEditor, "xdg-open");
  EXPECT_EQ(s.EenHorzTeken, "\x97");
  EXPECT_TRUE(ui.berichten.empty());

  // A folder in the file's place is unreadable: silent too.
  map.Schrijf("map/x", "");
  EXPECT_FALSE(InstellingenLezen(s, map / "map", "/scratch/", ui, cat));
  EXPECT_TRUE(ui.berichten.empty());
}

TEST_F(InstellingenBestand, WritingCreatesTheFolderAndReportsAFailure) {
  RProgrammaInstellingen s = StandaardInstellingen("/tmp/");
  EXPECT_TRUE(InstellingenSchrijven(s, map / "config/Morvask/Morvask.ini", ui, cat));
  EXPECT_FALSE(map.Lees("config/Morvask/Morvask.ini").empty());

  // A file where the folder should be.
  map.Schrijf("blok", "x");
  const std::string pad = map / "blok/Morvask.ini";
  EXPECT_FALSE(InstellingenSchrijven(s, pad, ui, cat));
  ASSERT_EQ(ui.berichten.size(), 1u);
  EXPECT_EQ(ui.berichten[0].soort, "fout");
  EXPECT_EQ(ui.berichten[0].tekst, "Kan instellingenbestand \"" + pad +
                                       "\" niet opslaan. Mogelijk geen schrijfrechten of schijf is schrijfbeveiligd.");
  EXPECT_EQ(map.Lees("blok"), "x");
}

TEST(InstellingenBestandPad, LiesInTheConfigurationFolder) {
  const char* oud = std::getenv("XDG_CONFIG_HOME");
  const std::string bewaard = oud ? oud : "";
  setenv("XDG_CONFIG_HOME", "/home/u/.cfg", 1);
  EXPECT_EQ(InstellingenBestandPad("/opt/morvask/"), "/home/u/.cfg/Morvask/Morvask.ini");
  if (oud)
    setenv("XDG_CONFIG_HOME", bewaard.c_str(), 1);
  else
    unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace morvask
