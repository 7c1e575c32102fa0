#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>
#include <algorithm>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "core/files.h"
#include "core/project_file.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"
#include "survey/survey_generator.h"

namespace morvask::test {
namespace {

using Regels = std::vector<std::string>;

// A project of two posts; the registrations given as lines.
std::string Projectbestand(const Regels& registraties) {
  std::string t =
      "[Morvask datafile]\r\n\r\n[**General variables**]\r\nFileVersion=320\r\nObservationInterval=1\r\n\r\n"
      "[**Observation posts**]\r\n001-ki Oost\r\n002-ku West\r\n\r\n[**Travel times**]\r\n001-ki 002-ku 15   0   "
      "\r\n\r\n"
      "[**License numbers**]\r\n";
  for (const auto& r : registraties) t += r + "\r\n";
  return t + "\r\n[**Notes**]\r\n\r\n";
}

const Regels kRegistraties = {"001-ki 0800 a AB12CD", "002-ku 0810 a AB12CD", "001-ki 0801 b XY#9ZZ",
                              "002-ku 0805 b XY99ZZ"};

CliUitkomst Match(TijdelijkeMap& map, std::vector<std::string> args) {
  args.insert(args.begin(), "match");
  args.insert(args.end(), {"--settings", map / "geen.ini"});
  return CliUitvoeren(args);
}

// The general-information lines of a match file after the project counts.
Regels Instellingen(const std::string& bestand) {
  const Regels regels = RegelsSplitsen(bestand);
  if (regels.size() < 21) return {};
  return Regels(regels.begin() + 8, regels.begin() + 21);
}

TEST(CliMatch, ExampleProjectWritesAMatchFile) {
  TijdelijkeMap map;
  map.Schrijf("voorbeeld.mpr", BestandLezen(VoorbeeldProject()).value_or(""));
  const auto u = Match(map, {map / "voorbeeld.mpr"});
  ASSERT_EQ(u.status, 0) << u.fout;
  EXPECT_EQ(u.uit, "");
  const std::string bestand = map.Lees("voorbeeld.mma");
  const Regels regels = RegelsSplitsen(bestand);
  // No progress when standard error is no terminal; the summary: the file, the period and the
  // routes of each iteration, which add up to the file's route lines.
  EXPECT_EQ(ZonderDuur(u.fout), "morvask-cli: " + (map / "voorbeeld.mma") +
                                    " written in T (period 0700 to 0900)\n"
                                    "morvask-cli: routes found: 917 with exact plates, 37 with missed characters "
                                    "(wildcards); 954 routes, 853 non-routes\n");
  EXPECT_EQ(std::count_if(regels.begin(), regels.end(), [](const std::string& r) { return r.ends_with('\xCD'); }),
            917 + 37);
  ASSERT_GT(regels.size(), 100u);
  EXPECT_EQ(Regels(regels.begin(), regels.begin() + 8),
            (Regels{"[Morvask matchfile]", "", "[**General information**]", "FileVersion=330", "FileDescription=",
                    "ProjectNumberOfRegistrations=3000", "ProjectNumberOfPosts=16", "ProjectTravelTimesSum=1870"}));
  EXPECT_EQ(regels[22], "[**Routes**]");
  EXPECT_NE(regels[23].find("\xDF"), std::string::npos);
  EXPECT_EQ(bestand.substr(bestand.size() - 15), "\r\n\r\n[**End**]\r\n");

  // An existing file: the question is refused without --force, nothing is written.
  map.Schrijf("voorbeeld.mma", "oud\r\n");
  const auto geweigerd = Match(map, {map / "voorbeeld.mpr"});
  EXPECT_EQ(geweigerd.status, 1);
  EXPECT_EQ(geweigerd.fout, "Bestand overschrijven?\n\nBestand \"" + (map / "voorbeeld.mma") +
                                "\" bestaat al.\nmorvask-cli: answered \"Niet overschrijven\"; --force answers "
                                "\"Overschrijven\"\n");
  EXPECT_EQ(map.Lees("voorbeeld.mma"), "oud\r\n");
  const auto geforceerd = Match(map, {map / "voorbeeld.mpr", "--force", "--quiet"});
  EXPECT_EQ(geforceerd.status, 0) << geforceerd.fout;
  EXPECT_EQ(geforceerd.fout, "");  // --quiet: no summary
  EXPECT_EQ(map.Lees("voorbeeld.mma"), bestand);
}

TEST(CliMatch, TheSummaryNamesTheNormalisedPeriodAndTheOnePass) {
  TijdelijkeMap map;
  map.Schrijf("p.mpr", Projectbestand(kRegistraties));
  const auto u = Match(map, {map / "p.mpr", "--from", "0775", "--until", "2400", "--not-iterative"});
  ASSERT_EQ(u.status, 0) << u.fout;
  EXPECT_EQ(ZonderDuur(u.fout), "morvask-cli: " + (map / "p.mma") +
                                    " written in T (period 0815 to 2359; --from 0775 read as 0815; --until 2400 read "
                                    "as 2359)\nmorvask-cli: routes found: 0 in one pass; 0 routes, 0 non-routes\n");
  const auto v = Match(map, {map / "p.mpr", "--force", "--swapped", "2", "--different", "1"});
  ASSERT_EQ(v.status, 0) << v.fout;
  EXPECT_EQ(ZonderDuur(v.fout), "morvask-cli: " + (map / "p.mma") +
                                    " written in T (period 0800 to 0811)\nmorvask-cli: routes found: 1 with exact "
                                    "plates, 1 with missed characters (wildcards), 0 with swapped characters, 0 with "
                                    "different characters; 2 routes, 0 non-routes\n");
}

TEST(CliMatch, OptionsSetTheWindowFields) {
  TijdelijkeMap map;
  map.Schrijf("p.mpr", Projectbestand(kRegistraties));
  const auto standaard = Match(map, {map / "p.mpr"});
  ASSERT_EQ(standaard.status, 0) << standaard.fout;
  EXPECT_EQ(Instellingen(map.Lees("p.mma")),
            (Regels{"MiTimeFrom=0800", "MiTimeUntil=0811", "MiCorrectionPreAftPeriod=1", "MiNumberChar=6",
                    "MiNoCaseDifference=1", "MiIterative=1", "MiWithWildcards=1", "MiNumberChangedChar=0",
                    "MiNumberDifferentChar=0", "MiWithMissedLicenses=1", "MiNoInsidePosts=0", "MiCheckBlockFirstPost=1",
                    "MiInterruptByUser=0"}));

  const auto gezet = Match(map, {map / "p.mpr",
                                 "-o",
                                 map / "ander",
                                 "--description",
                                 "Spits \xC3\xA9\xC3\xA9n",
                                 "--from",
                                 "0775",
                                 "--until",
                                 "0900",
                                 "--no-correction",
                                 "--no-inside-posts",
                                 "--no-block-check",
                                 "--no-wildcards",
                                 "--swapped",
                                 "6",
                                 "--different",
                                 "5",
                                 "--case-sensitive",
                                 "--no-missed",
                                 "--positions",
                                 "1,3",
                                 "--not-iterative"});
  ASSERT_EQ(gezet.status, 0) << gezet.fout;
  const std::string bestand = map.Lees("ander.mma");
  EXPECT_EQ(RegelsSplitsen(bestand)[4], "FileDescription=Spits \xE9\xE9n");
  EXPECT_EQ(Instellingen(bestand),
            (Regels{"MiTimeFrom=0815", "MiTimeUntil=0900", "MiCorrectionPreAftPeriod=0", "MiNumberChar=4",
                    "MiNoCaseDifference=0", "MiIterative=0", "MiWithWildcards=0", "MiNumberChangedChar=4",
                    "MiNumberDifferentChar=4", "MiWithMissedLicenses=0", "MiNoInsidePosts=1", "MiCheckBlockFirstPost=0",
                    "MiInterruptByUser=0"}));

  // The name keeps an extension ".mma" it already has.
  EXPECT_EQ(Match(map, {map / "p.mpr", "--output=" + (map / "derde.mma")}).status, 0);
  EXPECT_TRUE(BestandBestaat(map / "derde.mma"));
  EXPECT_FALSE(BestandBestaat(map / "derde.mma.mma"));
}

TEST(CliMatch, ProjectWithoutRegistrationsGivesAnEmptyFile) {
  TijdelijkeMap map;
  map.Schrijf("leeg.mpr", Projectbestand({}));
  const auto u = Match(map, {map / "leeg.mpr"});
  ASSERT_EQ(u.status, 0) << u.fout;
  const Regels regels = RegelsSplitsen(map.Lees("leeg.mma"));
  ASSERT_EQ(regels.size(), 32u);
  EXPECT_EQ(Regels(regels.begin() + 21, regels.end()),
            (Regels{"", "[**Routes**]", "", "[**Match check**]", "Iteration 1: TheSameLicenseNumbers", "", "",
                    "[**Non-routes**]", "", "", "[**End**]"}));
}

TEST(CliMatch, FailuresAndWrongUsage) {
  TijdelijkeMap map;
  map.Schrijf("p.mpr", Projectbestand(kRegistraties));
  map.Schrijf("gereserveerd.mpr", Projectbestand({"001-ki 0800 a AB\xDF"
                                                  "2CD",
                                                  "002-ku 0810 a AB12CD"}));
  // The registration that stops the run is the second of the list, on line 17 of the file.
  map.Schrijf("tijd.mpr", Projectbestand({"001-ki 0800 a AB12CD", "", "002-ku 08.0 a AB12CD"}));
  struct Geval {
    std::vector<std::string> args;
    int status;
    std::string fout;
  };
  const std::vector<Geval> gevallen = {
      {{"--swapped", "3"}, 2, "morvask-cli: --swapped takes 0, 2, 4 or 6\n"},
      {{"--swapped", "8"}, 2, "morvask-cli: --swapped takes 0, 2, 4 or 6\n"},
      {{"--different", "7"}, 2, "morvask-cli: --different takes a number from 0 to 6\n"},
      {{"--different", "-1"}, 2, "morvask-cli: --different takes a number from 0 to 6\n"},
      {{"--positions", "7"}, 2, "morvask-cli: --positions takes"},
      {{"--positions", "1,,2"}, 2, "morvask-cli: --positions takes"},
      {{"--from", "7x00"}, 2, "morvask-cli: --from takes a time HHMM\n"},
      {{"--until", "900"}, 2, "morvask-cli: --until takes a time HHMM\n"},
      {{"--format", "csv"}, 2, "morvask-cli: unknown option '--format'"},
      // The period: its start before its end, after the normalisation of the fields.
      {{"--from", "0900", "--until", "0800"}, 2, "morvask-cli: --from 0900 is not before --until 0800\n"},
      {{"--from", "0800", "--until", "0800"}, 2, "morvask-cli: --from 0800 is not before --until 0800\n"},
      {{"--from", "0775", "--until", "0815"}, 2, "morvask-cli: --from 0815 is not before --until 0815\n"},
      {{"--from", "0811"},
       2,
       "morvask-cli: --from 0811 is not before 0811, the latest registration plus the observation interval; give "
       "--until too\nusage: morvask-cli match PROJECT [OPTIONS] (see morvask-cli match --help)\n"},
      {{"--until", "0800"}, 2, "morvask-cli: --until 0800 is not after 0800, the earliest registration; give --from"},
  };
  for (const auto& g : gevallen) {
    std::vector<std::string> args = {map / "p.mpr", "-o", map / "uit.mma"};
    args.insert(args.end(), g.args.begin(), g.args.end());
    const auto u = Match(map, args);
    EXPECT_EQ(u.status, g.status) << g.args[0];
    EXPECT_EQ(u.fout.substr(0, g.fout.size()), g.fout) << g.args[0];
    EXPECT_FALSE(BestandBestaat(map / "uit.mma")) << g.args[0];
  }

  const auto ontbreekt = Match(map, {map / "ontbreekt.mpr", "-o", map / "uit.mma"});
  EXPECT_EQ(ontbreekt.status, 1);
  EXPECT_EQ(ontbreekt.fout, "Kan bestand " + (map / "ontbreekt.mpr") + " niet openen.\n");

  const auto gereserveerd = Match(map, {map / "gereserveerd.mpr", "-o", map / "uit.mma"});
  EXPECT_EQ(gereserveerd.status, 1);
  EXPECT_EQ(gereserveerd.fout,
            "Het registratiesbestand bevat \xC3\xA9\xC3\xA9n of meerdere malen het karakter \"\xC3\x8D\" of "
            "\"\xC3\x9F\". Dit is niet toegestaan.\n");
  const auto tijd = Match(map, {map / "tijd.mpr", "-o", map / "uit.mma"});
  EXPECT_EQ(tijd.status, 1);
  EXPECT_EQ(tijd.fout,
            "\"08.0\" is geen geldig geheel getal.\n2       002-ku 08.0 a AB12CD\n"
            "morvask-cli: registration 2 of the list (line 17 of " +
                (map / "tijd.mpr") + ") has a time the comparison cannot read; 'morvask-cli check " +
                (map / "tijd.mpr") + "' lists every registration with an invalid time under its number\n");
  // The registration file check names it by the same number.
  const auto controle = CliUitvoeren({"check", map / "tijd.mpr", "--settings", map / "geen.ini"});
  EXPECT_NE(controle.uit.find("\n2       002-ku 08.0 a AB12CD  ->  Ongeldige tijd\n"), std::string::npos)
      << controle.uit;
  EXPECT_FALSE(BestandBestaat(map / "uit.mma"));

  const auto geenMap = Match(map, {map / "p.mpr", "-o", map / "geen/uit.mma"});
  EXPECT_EQ(geenMap.status, 1);
  EXPECT_EQ(geenMap.fout, "Kan bestand \"" + (map / "geen/uit.mma") +
                              "\" niet opslaan. Mogelijk geen schrijfrechten of schijf is schrijfbeveiligd.\n");
}

TEST(CliMatch, InterruptCompletesTheFile) {
  // A survey large enough that the run lasts seconds; Ctrl+C as soon as the run has created
  // its (temporary) file.
  TijdelijkeMap map;
  bench::OnderzoekInstellingen instellingen;
  instellingen.registraties = 20000;
  ASSERT_TRUE(BestandAtomischSchrijven(map / "groot.mpr", ProjectTekst(bench::OnderzoekMaken(instellingen).project)));
  const std::string matchbestand = map / "groot.mma";

  const pid_t pid = fork();
  if (pid == 0) {
    const int niets = open("/dev/null", O_RDWR);
    dup2(niets, 0);
    dup2(niets, 1);
    dup2(niets, 2);
    std::string programma = MORVASK_CLI;
    std::vector<std::string> args = {programma,    "match",      map / "groot.mpr", "-o",
                                     matchbestand, "--settings", map / "geen.ini"};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(programma.c_str(), argv.data());
    _exit(127);
  }
  // The run builds the file beside its target and replaces the target only when complete.
  const std::string tijdelijk = map / ".groot.mma.morvask-tmp";
  const auto grens = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!BestandBestaat(tijdelijk) && std::chrono::steady_clock::now() < grens)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  kill(pid, SIGINT);
  int status = 0;
  waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  const std::string bestand = map.Lees("groot.mma");
  const Regels instellingenregels = Instellingen(bestand);
  ASSERT_EQ(instellingenregels.size(), 13u);
  EXPECT_EQ(instellingenregels.back(), "MiInterruptByUser=1");
  EXPECT_EQ(bestand.substr(bestand.size() - 15), "\r\n\r\n[**End**]\r\n");
  EXPECT_FALSE(BestandBestaat(tijdelijk));
}

}  // namespace
}  // namespace morvask::test
