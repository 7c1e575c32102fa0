#include <gtest/gtest.h>

#include "core/files.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"

using namespace morvask;
using namespace morvask::test;

TEST(CliInfo, PrintsTheFiguresOfTheProjectDataDialog) {
  TijdelijkeMap map;
  map.Schrijf("p.mpr",
              "[Morvask datafile]\r\n\r\n[**General variables**]\r\nFileVersion=320\r\nVehTypea=Auto\r\n\r\n"
              "[**Observation posts**]\r\n001-ki Oost\r\n002-ku West\r\n\r\n[**Travel times**]\r\n\r\n"
              "[**License numbers**]\r\n001-ki 0800 a AB12CD\r\n002-ku 0810 a AB12CD\r\n001-ki 0801 b XY99ZZ\r\n\r\n"
              "[**Notes**]\r\n\r\n");
  const auto u = CliUitvoeren({"info", map / "p.mpr", "--settings", map / "geen.ini"});
  EXPECT_EQ(u.status, 0) << u.fout;
  EXPECT_EQ(u.uit,
            "Aantal waarnemingsposten in project: 2\n"
            "Totaal aantal registraties in project: 3\n"
            "Auto (a): 2\nLichte vrachtauto (l): 0\nMiddelzware vrachtauto (m): 0\nZware vrachtauto (z): 0\n"
            "Bestelbus (b): 1\nMotor (o): 0\nLandbouwvoertuig (u): 0\nOverig voertuig (r): 0\n");
  // -o writes the same lines as the text export does.
  const auto o = CliUitvoeren({"info", map / "p.mpr", "--settings", map / "geen.ini", "-o", map / "info.txt"});
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.uit, "");
  EXPECT_EQ(map.Lees("info.txt").substr(0, 40), "Aantal waarnemingsposten in project: 2\r\n");
}

TEST(CliInfo, FollowsTheLanguage) {
  TijdelijkeMap map;
  const auto u = CliUitvoeren({"info", VoorbeeldProject(), "--settings", map / "geen.ini", "--language", "English"});
  EXPECT_EQ(u.status, 0) << u.fout;
  EXPECT_EQ(u.uit.substr(0, u.uit.find('\n', u.uit.find('\n') + 1) + 1),
            "Number of observation posts in project: 16\nTotal number of registrations in project: 3000\n");
}

TEST(CliInfo, ReportsFailuresAndWrongUsage) {
  TijdelijkeMap map;
  struct Geval {
    std::vector<std::string> args;
    int status;
    std::string fout;
  };
  const std::vector<Geval> gevallen = {
      {{"info", map / "ontbreekt.mpr"}, 1, "Kan bestand " + (map / "ontbreekt.mpr") + " niet openen.\n"},
      {{"info"}, 2, "morvask-cli: missing argument"},
      {{"info", "a.mpr", "b.mpr"}, 2, "morvask-cli: too many arguments"},
      {{"info", "a.mpr", "--bogus"}, 2, "morvask-cli: unknown option '--bogus'"},
      {{"info", "a.mpr", "--settings"}, 2, "morvask-cli: option '--settings' needs a value"},
      {{"frobnicate"}, 2, "morvask-cli: unknown command 'frobnicate'"},
      {{"info", VoorbeeldProject(), "--language", "Klingon"}, 1, "File not found: "},
  };
  for (const auto& g : gevallen) {
    auto args = g.args;
    if (args.back() != "--settings") args.insert(args.end(), {"--settings", map / "geen.ini"});
    const auto u = CliUitvoeren(args);
    EXPECT_EQ(u.status, g.status) << g.args[0] << " " << u.fout;
    EXPECT_EQ(u.fout.substr(0, g.fout.size()), g.fout);
    EXPECT_EQ(u.uit, "");
  }
}

TEST(CliInfo, AnswersVersionAndHelp) {
  EXPECT_EQ(CliUitvoeren({"--version"}).uit, "morvask-cli 4.4.0\n");
  const auto h = CliUitvoeren({"--help"});
  EXPECT_EQ(h.status, 0);
  EXPECT_NE(h.uit.find("info PROJECT"), std::string::npos);
  EXPECT_EQ(CliUitvoeren({}).status, 2);
}
