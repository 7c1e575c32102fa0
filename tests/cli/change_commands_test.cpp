// The commands that change a project, run on a copy of the example project. The expected
// file is what the library makes of the same project in-process.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>

#include "core/files.h"
#include "core/project_file.h"
#include "core/project_test_support.h"
#include "core/registration_list.h"
#include "registrations/csv_import.h"
#include "registrations/project_import.h"
#include "registrations/time_correction.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"

using namespace morvask;
using namespace morvask::test;

namespace {

const std::string GeimporteerdUtf8 =
    "Registraties ge\xC3\xAFmporteerd.\n\nTip: Kies nu de functie \"registratiesbestand controleren\".\n";

// A project file of a later program version.
std::string Bestand330() {
  return "[Morvask datafile]\r\n\r\n[**General variables**]\r\nFileVersion=330\r\n\r\n[**License numbers**]\r\n"
         "002-ku 0815 b AB12CD\r\n\r\n[**Notes**]\r\n\r\n";
}

}  // namespace

class CliWijzigen : public ::testing::Test {
 protected:
  TijdelijkeMap map;
  std::string origineel;
  std::string project;

  void SetUp() override {
    origineel = BestandLezen(VoorbeeldProject()).value();
    project = map / "p.mpr";
    map.Schrijf("p.mpr", origineel);
    // Backups on, into a folder of this test, so the real temporary folder is never touched.
    map.Schrijf("s.ini", "[Morvask settings]\r\n\r\n[**General variables**]\r\nMakeBackUps=1\r\nBackUpFolder=" +
                             (map / "backup/") + "\r\n\r\n[**Form positions**]\r\n\r\n");
    std::filesystem::create_directories(map / "backup");
  }

  CliUitkomst Cli(std::vector<std::string> args) const {
    args.insert(args.end(), {"--settings", map / "s.ini"});
    return CliUitvoeren(args);
  }

  // The example project after the change, as the library writes it.
  static std::string Verwacht(const std::function<void(Context&)>& wijziging) {
    ProjectOmgeving o;
    EXPECT_TRUE(ProjectLezen(o.ctx, VoorbeeldProject()));
    wijziging(o.ctx);
    return ProjectTekst(o.project);
  }

  // The summary's last part: where the previous version went; or, when the file was as the
  // newest backup already, that backup's name.
  std::string ReserveAl() const {
    return "; the previous version is already the newest backup, " + (map / "backup/MorvaskBackUp1.mpr") + "\n";
  }
  std::string Reserve() const {
    return "; the previous version backed up as " + (map / "backup/MorvaskBackUp1.mpr") + "\n";
  }

  // Every file below the test folder.
  std::set<std::string> Bestanden() const {
    std::set<std::string> namen;
    for (const auto& e : std::filesystem::recursive_directory_iterator(map.Pad())) namen.insert(e.path().string());
    return namen;
  }
};

TEST_F(CliWijzigen, SortSavesInPlaceWithABackup) {
  const auto u = Cli({"sort", project, "--order", "KTP"});
  EXPECT_EQ(u.status, 0) << u.fout;
  EXPECT_EQ(u.uit, "");
  EXPECT_EQ(ZonderDuur(u.fout), "morvask-cli: 3000 registrations sorted in the order KTP; project written to " +
                                    project + " in T" + Reserve());
  EXPECT_EQ(map.Lees("p.mpr"), Verwacht([](Context& c) { RegistratiesSorteren(c.project, "KTP"); }));
  EXPECT_EQ(map.Lees("backup/MorvaskBackUp1.mpr"), origineel);
  // --quiet leaves the summary out, and only that.
  const auto stil = Cli({"sort", project, "--order", "PTK", "--quiet"});
  EXPECT_EQ(stil.status, 0);
  EXPECT_EQ(stil.uit + stil.fout, "");
  EXPECT_EQ(map.Lees("p.mpr"), Verwacht([](Context& c) { RegistratiesSorteren(c.project, "PTK"); }));
}

TEST_F(CliWijzigen, SortsInEachOrderOfTheEditorUnderANewName) {
  for (const std::string volgorde : {"PTK", "KTP", "TPK", "VPT"}) {
    const auto u = Cli({"sort", project, "--order", volgorde, "--save-as", map / ("uit-" + volgorde)});
    EXPECT_EQ(u.status, 0) << volgorde << u.fout;
    EXPECT_EQ(map.Lees("uit-" + volgorde + ".mpr"),
              Verwacht([&](Context& c) { RegistratiesSorteren(c.project, volgorde); }))
        << volgorde;
  }
  EXPECT_EQ(map.Lees("p.mpr"), origineel);
  // ".mpr" is appended unless the name ends in exactly ".mpr".
  EXPECT_EQ(Cli({"sort", project, "--order", "PTK", "--save-as", map / "x.MPR"}).status, 0);
  EXPECT_TRUE(BestandBestaat(map / "x.MPR.mpr"));
  EXPECT_EQ(Cli({"sort", project, "--order", "PTK", "--save-as", map / "y.mpr"}).status, 0);
  EXPECT_TRUE(BestandBestaat(map / "y.mpr"));
}

TEST_F(CliWijzigen, ShiftTimesLaterAndEarlier) {
  ProjectOmgeving o;
  ASSERT_TRUE(ProjectLezen(o.ctx, VoorbeeldProject()));
  const auto bijPost = std::count_if(o.project.Registratielijst.begin(), o.project.Registratielijst.end(),
                                     [](const RRegistratie& r) { return r.Post == "001-ki"; });
  ASSERT_GT(bijPost, 100);
  for (const int n : {20, -20, 30000, -1}) {
    map.Schrijf("p.mpr", origineel);
    const auto u = Cli({"shift-times", project, "--post", "001-ki", "--minutes", std::to_string(n)});
    EXPECT_EQ(u.status, 0) << n << u.fout;
    EXPECT_EQ(ZonderDuur(u.fout), "morvask-cli: the times of " + std::to_string(bijPost) +
                                      " registrations at 001-ki shifted " + std::to_string(n > 0 ? n : -n) +
                                      (n == 1 || n == -1 ? " minute" : " minutes") + (n > 0 ? " later" : " earlier") +
                                      "; project written to " + project + " in T" +
                                      (n == 20 ? Reserve() : ReserveAl()));
    EXPECT_EQ(map.Lees("p.mpr"), Verwacht([&](Context& c) {
                ASSERT_TRUE(TijdenRegistratiesWijzigen(c, {"001-ki", n > 0, n > 0 ? n : -n}));
              }))
        << n;
  }
  EXPECT_NE(map.Lees("p.mpr"), origineel);
}

TEST_F(CliWijzigen, ImportCsvWithItsSeparatorAndQuote) {
  map.Schrijf("a.csv", "\"002-ku\";\"1750\";\"a\";\"hf12td\"\r\n1;815;a;ab1\r\n");
  map.Schrijf("b.csv", "'005-KI'|875|B|XY12ZZ\n");
  auto u = Cli({"import-csv", project, map / "a.csv"});
  EXPECT_EQ(u.status, 0) << u.fout;
  EXPECT_EQ(ZonderDuur(u.fout), GeimporteerdUtf8 + "morvask-cli: 1 registration imported from " + (map / "a.csv") +
                                    "; project written to " + project + " in T" + Reserve());
  u = Cli({"import-csv", project, map / "b.csv", "--separator", "|", "--quote", ""});
  EXPECT_EQ(u.status, 0) << u.fout;
  EXPECT_EQ(map.Lees("p.mpr"), Verwacht([&](Context& c) {
              c.project.RegistratieToevoegen("002-ku", "1750", "a", "hf12td");
              c.project.RegistratieToevoegen("'005-k", "0915", "b", "XY12ZZ");
            }));
  EXPECT_EQ(map.Lees("backup/MorvaskBackUp2.mpr"), origineel);
}

TEST_F(CliWijzigen, ImportProjectAppendsItsRegistrations) {
  const auto u = Cli({"import-project", project, VoorbeeldProject()});
  EXPECT_EQ(u.status, 0) << u.fout;
  EXPECT_EQ(ZonderDuur(u.fout),
            "Met deze functie worden registraties van een ander Morvask-project ge\xC3\xAFmporteerd.\n" +
                GeimporteerdUtf8 + "morvask-cli: 3000 registrations imported from " + VoorbeeldProject() +
                "; project written to " + project + " in T" + Reserve());
  const std::string verwacht =
      Verwacht([](Context& c) { ASSERT_TRUE(RegistratiesUitAnderProjectImporteren(c, VoorbeeldProject())); });
  EXPECT_EQ(map.Lees("p.mpr"), verwacht);
  ProjectOmgeving o;
  ASSERT_TRUE(ProjectLezen(o.ctx, project));
  EXPECT_EQ(o.project.Registratielijst.size(), 6000u);
}

TEST_F(CliWijzigen, SaveAsAsksBeforeOverwritingAfterTheCommandsOwnMessage) {
  map.Schrijf("a.csv", "\"002-ku\";\"1750\";\"a\";\"hf12td\"\r\n");
  map.Schrijf("bestaat.mpr", "oud");
  const auto u = Cli({"import-csv", project, map / "a.csv", "--save-as", map / "bestaat"});
  EXPECT_EQ(u.status, 1);
  EXPECT_EQ(u.fout, GeimporteerdUtf8 + "Bestand overschrijven?\n\nBestand \"" + (map / "bestaat.mpr") +
                        "\" bestaat al.\nmorvask-cli: answered \"Niet overschrijven\"; --force answers "
                        "\"Overschrijven\"\n");
  EXPECT_EQ(map.Lees("bestaat.mpr"), "oud");
  EXPECT_EQ(map.Lees("p.mpr"), origineel);

  const auto f = Cli({"import-csv", project, map / "a.csv", "--save-as", map / "bestaat", "--force"});
  EXPECT_EQ(f.status, 0) << f.fout;
  EXPECT_EQ(ZonderDuur(f.fout), GeimporteerdUtf8 + "morvask-cli: 1 registration imported from " + (map / "a.csv") +
                                    "; project written to " + (map / "bestaat.mpr") + " in T" + Reserve());
  EXPECT_EQ(map.Lees("bestaat.mpr"),
            Verwacht([](Context& c) { c.project.RegistratieToevoegen("002-ku", "1750", "a", "hf12td"); }));
  EXPECT_EQ(map.Lees("p.mpr"), origineel);
}

TEST_F(CliWijzigen, EveryFailureLeavesTheFilesAsTheyWere) {
  map.Schrijf("a.csv", "\"002-ku\";\"1750\";\"a\";\"hf12td\"\r\n");
  map.Schrijf("nieuw.mpr", Bestand330());
  const std::string csv = map / "a.csv";
  struct Geval {
    std::vector<std::string> args;
    int status;
    std::string fout;  // the start of standard error
  };
  const std::vector<Geval> gevallen = {
      {{"sort", project, "--order", "XYZ"}, 2, "morvask-cli: sort needs --order"},
      {{"sort", project, "--order", "TPtPnrKV"}, 2, "morvask-cli: sort needs --order"},
      {{"sort", project, "--order", "ptk"}, 2, "morvask-cli: sort needs --order"},
      {{"sort", project}, 2, "morvask-cli: sort needs --order"},
      {{"sort", project, "--order", "PTK", "-o", map / "r.txt"}, 2, "morvask-cli: unknown option '-o'"},
      {{"sort", project, "--order", "PTK", "--output", map / "r.txt"}, 2, "morvask-cli: unknown option '--output'"},
      {{"sort", project, "--order", "PTK", "--format", "txt"}, 2, "morvask-cli: unknown option '--format'"},
      {{"sort", project, "extra", "--order", "PTK"}, 2, "morvask-cli: too many arguments"},
      {{"shift-times", project, "--post", "001-ki", "--minutes", "0"}, 2, "morvask-cli: --minutes takes"},
      {{"shift-times", project, "--post", "001-ki", "--minutes", "30001"}, 2, "morvask-cli: --minutes takes"},
      {{"shift-times", project, "--post", "001-ki", "--minutes", "-30001"}, 2, "morvask-cli: --minutes takes"},
      {{"shift-times", project, "--post", "001-ki", "--minutes", "abc"}, 2, "morvask-cli: --minutes takes"},
      {{"shift-times", project, "--post", "001-ki", "--minutes", "2.5"}, 2, "morvask-cli: --minutes takes"},
      {{"shift-times", project, "--post", "001-ki"}, 2, "morvask-cli: shift-times needs"},
      {{"shift-times", project, "--minutes", "5"}, 2, "morvask-cli: shift-times needs"},
      {{"shift-times", project, "--post", "009-ki", "--minutes", "5"},
       1,
       "morvask-cli: the project has no post '009-ki'"},
      {{"shift-times", project, "--post", "001-KI", "--minutes", "5"}, 1, "morvask-cli: the project has no post"},
      {{"shift-times", project, "--post", "", "--minutes", "5"}, 1, "morvask-cli: the project has no post"},
      {{"import-csv", project, csv, "--separator", ""}, 2, "morvask-cli: --separator takes"},
      {{"import-csv", project, csv, "--separator", ";;"}, 2, "morvask-cli: --separator takes"},
      {{"import-csv", project, csv, "--separator", "\xE4\xB8\xAD"}, 2, "morvask-cli: --separator takes"},
      {{"import-csv", project, csv, "--quote", "''"}, 2, "morvask-cli: --quote takes"},
      {{"import-csv", project}, 2, "morvask-cli: missing argument"},
      {{"import-csv", project, map / "geen.csv"}, 1, "Kan bestand " + (map / "geen.csv") + " niet openen.\n"},
      {{"import-csv", map / "geen.mpr", csv}, 1, "Kan bestand " + (map / "geen.mpr") + " niet openen.\n"},
      {{"import-project", project, map / "geen.mpr"},
       1,
       "Met deze functie worden registraties van een ander Morvask-project ge\xC3\xAFmporteerd.\n"
       "Kan bestand niet openen!\n"},
      {{"import-project", project, map / "nieuw.mpr"},
       1,
       "Met deze functie worden registraties van een ander Morvask-project ge\xC3\xAFmporteerd.\n"
       "Dit bestand is met een andere versie van Morvask gemaakt."},
      {{"import-project", project}, 2, "morvask-cli: missing argument"},
      {{"sort", project, "--order", "PTK", "--save-as", map / "geen-map/uit"},
       1,
       "Kan bestand \"" + (map / "geen-map/uit.mpr") + "\" niet opslaan."},
      {{"sort", project, "--order", "PTK", "--save-as", map / "a.csv"}, 1, "Bestand overschrijven?"},
  };
  map.Schrijf("a.csv.mpr", "oud");
  const std::set<std::string> voor = Bestanden();
  for (const auto& g : gevallen) {
    const auto u = Cli(g.args);
    EXPECT_EQ(u.status, g.status) << g.args[0] << " " << g.args.back() << ": " << u.fout;
    EXPECT_EQ(u.fout.substr(0, g.fout.size()), g.fout) << g.args[0] << " " << g.args.back();
    EXPECT_EQ(u.uit, "");
    EXPECT_EQ(map.Lees("p.mpr"), origineel) << g.args[0] << " " << g.args.back();
    EXPECT_EQ(Bestanden(), voor) << g.args[0] << " " << g.args.back();
  }
  EXPECT_EQ(map.Lees("a.csv.mpr"), "oud");
}
