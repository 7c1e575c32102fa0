#include <gtest/gtest.h>

#include <functional>

#include "analysis/intensities.h"
#include "core/files.h"
#include "core/project_file.h"
#include "core/project_test_support.h"
#include "core/win1252.h"
#include "network/posts_report.h"
#include "network/travel_time_report.h"
#include "network/vehicle_types_report.h"
#include "registrations/notes_report.h"
#include "registrations/registration_check.h"
#include "reports/report_export.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"

using namespace morvask;
using namespace morvask::test;

namespace {

// Standard output back in the bytes of the text export: Windows-1252 and CR LF.
std::string AlsExport(const std::string& uit) {
  std::string s;
  for (const char c : Utf8NaarWin1252(uit)) {
    if (c == '\n') s += '\r';
    s += c;
  }
  return s;
}

CliUitkomst Cli(const TijdelijkeMap& map, std::vector<std::string> args) {
  args.insert(args.end(), {"--settings", map / "geen.ini"});
  return CliUitvoeren(args);
}

std::string EersteRegel(const std::string& s) { return s.substr(0, s.find_first_of("\r\n")); }

}  // namespace

TEST(CliRapporten, EachReportOfTheExampleProjectIsTheLibrarysReportAndItsTextExport) {
  // The example project read by the library, with the defaults a missing settings file gives.
  ProjectOmgeving o;
  ASSERT_TRUE(ProjectLezen(o.ctx, VoorbeeldProject()));
  RIntensiteitenVenster venster;
  IntensiteitenVensterOpenen(venster, o.project, o.instellingen);
  struct Geval {
    std::vector<std::string> args;
    std::function<Rapport()> rapport;
  };
  const std::vector<Geval> gevallen = {
      {{"posts"}, [&] { return RapportWaarnemingsposten(o.ctx); }},
      {{"vehicle-types"}, [&] { return RapportVoertuigtypen(o.ctx); }},
      {{"travel-times"}, [&] { return *RapportDoorrijtijden(o.ctx); }},
      {{"notes"}, [&] { return RapportAantekeningen(o.ctx); }},
      {{"check"}, [&] { return RegistratiesbestandControleren(o.ctx, {}); }},
      {{"check", "--less-than", "6"},
       [&] {
         return RegistratiesbestandControleren(o.ctx, {false, 6});
       }},
      {{"intensities"}, [&] { return *RapportIntensiteiten(o.ctx, venster); }},
  };
  TijdelijkeMap map;
  for (const Geval& g : gevallen) {
    const Rapport verwacht = g.rapport();
    std::vector<std::string> args = g.args;
    args.insert(args.begin() + 1, VoorbeeldProject());
    const auto uit = Cli(map, args);
    EXPECT_EQ(uit.status, 0) << g.args[0] << uit.fout;
    EXPECT_EQ(uit.fout, "");
    EXPECT_EQ(AlsExport(uit.uit), RapportAlsTekst(verwacht)) << g.args[0];
    // -o FILE: byte for byte the text export, nothing on standard output.
    args.insert(args.end(), {"-o", map / "rapport"});
    const auto bestand = Cli(map, args);
    EXPECT_EQ(bestand.status, 0) << g.args[0] << bestand.fout;
    EXPECT_EQ(bestand.uit, "");
    ASSERT_TRUE(RapportExporteren(verwacht, map / "export.txt", Exportformaat::Tekst, o.ui, o.catalogus));
    EXPECT_EQ(map.Lees("rapport"), map.Lees("export.txt")) << g.args[0];
    EXPECT_FALSE(BestandBestaat(map / "rapport.txt"));  // the name is used as given
  }
}

TEST(CliRapporten, CsvIsTheTableOfAMatrixReportAndTextOtherwise) {
  TijdelijkeMap map;
  const std::string p = VoorbeeldProject();
  const auto csv = Cli(map, {"intensities", p, "--format", "csv", "-o", map / "i.csv"});
  ASSERT_EQ(csv.status, 0) << csv.fout;
  const std::string inhoud = map.Lees("i.csv");
  std::string scheiding;
  for (int k = 0; k < 19; ++k) scheiding += std::string(k ? "," : "") + "\"" + std::string(7, '\x97') + "\"";
  EXPECT_EQ(inhoud.substr(0, scheiding.size() + 2), scheiding + "\r\n");
  // On standard output the same rows, in UTF-8 with LF.
  const auto uit = Cli(map, {"intensities", p, "--format=csv"});
  EXPECT_EQ(AlsExport(uit.uit), inhoud);
  const auto doorrij = Cli(map, {"travel-times", p, "--format", "csv"});
  EXPECT_EQ(EersteRegel(doorrij.uit),
            "\"Minimal\",\"e doorr\",\"ijtijde\",\"n      \",\"\",\"\",\"\",\"\",\"\",\"\",\"\"");
  // A report without table data is text whatever the format, and standard error says so.
  for (const char* zonderTabel : {"posts", "info"}) {
    const auto tekst = Cli(map, {zonderTabel, p, "--format", "csv"});
    EXPECT_EQ(tekst.status, 0);
    EXPECT_EQ(tekst.uit, Cli(map, {zonderTabel, p}).uit) << zonderTabel;
    EXPECT_EQ(tekst.fout,
              "morvask-cli: this report has no table data; it is written as text, as the program's "
              "export does\n")
        << zonderTabel;
  }
}

TEST(CliRapporten, IntensityOptionsAreAppliedInTheWindowsOrder) {
  TijdelijkeMap map;
  const std::string p = VoorbeeldProject();
  struct Geval {
    std::vector<std::string> opties;
    std::vector<std::string> rijen;  // the first cells of the interval rows
  };
  const std::vector<Geval> gevallen = {
      {{"--preset", "60"}, {"0700 - 0800", "0800 - 0900"}},
      {{"--interval", "30", "--preset", "max", "--until", "0800"}, {"0700 - 0730", "0730 - 0800"}},
      {{"--interval", "30"}, {"0700 - 0730", "0730 - 0800", "0800 - 0830", "0830 - 0900", "0900 - 0930"}},
      {{"--from", "0830", "--preset", "30"}, {"0830 - 0900"}},
      {{"--preset", "15", "--from", "0815", "--until", "850"}, {"0815 - 0830", "0830 - 0845", "0845 - 0900"}},
      {{"--interval", "2359", "--from", "0700", "--until", "0730"}, {"0700 - 2359"}},
      {{"--from", "0775", "--until", "0845"}, {"0815 - 0830", "0830 - 0845"}},
  };
  for (const Geval& g : gevallen) {
    std::vector<std::string> args = {"intensities", p, "--format", "csv"};
    args.insert(args.end(), g.opties.begin(), g.opties.end());
    const auto u = Cli(map, args);
    ASSERT_EQ(u.status, 0) << u.fout;
    std::vector<std::string> rijen;
    for (const std::string& regel : RegelsSplitsen(u.uit))
      if (regel.size() > 12 && regel[0] == '"' && regel[1] >= '0' && regel[1] <= '9')
        rijen.push_back(regel.substr(1, 7) + regel.substr(11, 4));
    EXPECT_EQ(rijen, g.rijen) << g.opties[0] << " " << g.opties[1];
  }
}

TEST(CliRapporten, IntensityOptionsThatTheWindowWouldChangeOrIgnoreAreRefused) {
  TijdelijkeMap map;
  const std::string p = VoorbeeldProject();
  // The example's registrations run from 0700 to 0859: the window's until time is 0914.
  struct Geval {
    std::vector<std::string> opties;
    std::string fout;  // the first line of standard error
  };
  const std::vector<Geval> gevallen = {
      {{"--interval", "0"}, "morvask-cli: --interval takes a whole number of minutes from 1 to 2359"},
      {{"--interval=-5"}, "morvask-cli: --interval takes a whole number of minutes from 1 to 2359"},
      {{"--interval", "2360"}, "morvask-cli: --interval takes a whole number of minutes from 1 to 2359"},
      {{"--interval", "30001"}, "morvask-cli: --interval takes a whole number of minutes from 1 to 2359"},
      {{"--preset", "60", "--interval", "15"},
       "morvask-cli: --preset 60 sets the interval itself: give --preset or --interval, not both"},
      {{"--from", "0900", "--until", "0700"}, "morvask-cli: --from 0900 is not before --until 0700"},
      {{"--from", "0800", "--until", "0760"}, "morvask-cli: --from 0800 is not before --until 0800"},
      {{"--from=-100"}, "morvask-cli: --from and --until take a time HHMM"},
      {{"--until", "12345"}, "morvask-cli: --from and --until take a time HHMM"},
      {{"--from", "0915"},
       "morvask-cli: --from 0915 is not before the until time 0914 the window sets; give --until too"},
      {{"--until", "0650"},
       "morvask-cli: --until 0650 is not after the from time 0700 the window sets; give --from too"},
      {{"--preset", "60", "--from", "0900"},
       "morvask-cli: --from 0900 is not before the until time 0900 the window sets; give --until too"},
  };
  for (const Geval& g : gevallen) {
    std::vector<std::string> args = {"intensities", p, "-o", map / "i.txt"};
    args.insert(args.end(), g.opties.begin(), g.opties.end());
    const auto u = Cli(map, args);
    EXPECT_EQ(u.status, 2) << g.opties[0];
    EXPECT_EQ(u.fout.substr(0, u.fout.find('\n')), g.fout);
    EXPECT_EQ(u.fout.substr(u.fout.find('\n') + 1),
              "usage: morvask-cli intensities PROJECT [OPTIONS] (see morvask-cli intensities --help)\n");
    EXPECT_EQ(u.uit, "");
    EXPECT_FALSE(BestandBestaat(map / "i.txt")) << g.opties[0];
  }
}

TEST(CliRapporten, ANormalisedTimeIsNamedUnlessQuiet) {
  TijdelijkeMap map;
  const std::string p = VoorbeeldProject();
  const auto u = Cli(map, {"intensities", p, "--from", "0775", "--until", "2400", "-o", map / "i.txt"});
  EXPECT_EQ(u.status, 0) << u.fout;
  EXPECT_EQ(u.fout, "morvask-cli: --from 0775 read as 0815\nmorvask-cli: --until 2400 read as 2359\n");
  // Four digits are only the form of the same time.
  EXPECT_EQ(Cli(map, {"intensities", p, "--from", "815", "--until", "0900"}).fout, "");
  const auto stil = Cli(map, {"intensities", p, "--from", "0775", "--quiet", "-o", map / "j.txt"});
  EXPECT_EQ(stil.status, 0);
  EXPECT_EQ(stil.fout, "");
  ASSERT_EQ(Cli(map, {"intensities", p, "--from", "0775", "-o", map / "k.txt"}).status, 0);
  EXPECT_EQ(map.Lees("j.txt"), map.Lees("k.txt"));
}

TEST(CliRapporten, IntensitySelectionOptions) {
  TijdelijkeMap map;
  const std::string p = VoorbeeldProject();
  const auto posten = Cli(map, {"intensities", p, "--posts", "002-ku,001-ki", "--types", "ab", "--without-missed"});
  ASSERT_EQ(posten.status, 0) << posten.fout;
  const auto regels = RegelsSplitsen(posten.uit);
  EXPECT_EQ(regels[7], "Aantal geregistreerde voertuigen per waarnemingspost.");
  EXPECT_EQ(regels[8], "- Voertuigtype(n): Personenauto (a), Bestelbus (b).");
  EXPECT_EQ(regels[9], "- Intensiteiten exclusief gemiste kentekens.");
  EXPECT_EQ(regels[13], "Van  - tot     001-ki 002-ku Totaal");
  const auto type2 = Cli(map, {"intensities", p, "--selection", "2", "--no-missed-chars"});
  ASSERT_EQ(type2.status, 0);
  EXPECT_EQ(RegelsSplitsen(type2.uit)[7], "Aantal gemiste kentekens per waarnemingspost.");
  const auto geen = Cli(map, {"intensities", p, "--selection", "2", "--no-missed-chars", "--no-missed-plates"});
  EXPECT_EQ(RegelsSplitsen(geen.uit)[7], "");
}

TEST(CliRapporten, WrongUsageAndFailures) {
  TijdelijkeMap map;
  const std::string p = VoorbeeldProject();
  struct Geval {
    std::vector<std::string> args;
    int status;
    std::string fout;
  };
  const std::vector<Geval> gevallen = {
      {{"check", p, "--more-than", "7"}, 2, "morvask-cli: --more-than takes a number 0..6"},
      {{"check", p, "--less-than", "x"}, 2, "morvask-cli: --less-than takes a number 0..6"},
      {{"check", p, "--less-than", "3", "--more-than", "3"}, 2, "morvask-cli: --more-than and --less-than"},
      {{"intensities", p, "--types", "ax"}, 2, "morvask-cli: --types"},
      {{"intensities", p, "--selection", "3"}, 2, "morvask-cli: --selection"},
      {{"intensities", p, "--preset", "45"}, 2, "morvask-cli: --preset"},
      {{"intensities", p, "--from", "7:00"}, 2, "morvask-cli: --from"},
      {{"intensities", p, "--interval", "kwartier"}, 2, "morvask-cli: --interval"},
      {{"intensities", p, "--posts", "001-ki,999-xx"}, 1, "Waarnemingspost niet bekend in project: 999-xx\n"},
      {{"posts", p, "--format", "pdf"}, 2, "morvask-cli: --format"},
      {{"notes"}, 2, "morvask-cli: missing argument"},
      {{"notes", map / "ontbreekt.mpr"}, 1, "Kan bestand "},
      {{"posts", p, "-o", map / "geen/map/r.txt"},
       1,
       "Kan bestand \"" + (map / "geen/map/r.txt") + "\" niet opslaan. Mogelijk geen schrijfrechten"},
  };
  for (const Geval& g : gevallen) {
    const auto u = Cli(map, g.args);
    EXPECT_EQ(u.status, g.status) << g.args[0] << " " << u.fout;
    EXPECT_EQ(u.fout.substr(0, g.fout.size()), g.fout);
    EXPECT_EQ(u.uit, "");
  }
}

TEST(CliRapporten, TravelTimesOfAProjectWithOnePostGiveNothing) {
  TijdelijkeMap map;
  map.Schrijf("p.mpr",
              "[Morvask datafile]\r\n\r\n[**General variables**]\r\nFileVersion=320\r\n\r\n"
              "[**Observation posts**]\r\n001-t1 Midden\r\n\r\n[**Travel times**]\r\n\r\n"
              "[**License numbers**]\r\n\r\n[**Notes**]\r\nEerste regel\r\n\r\n");
  const auto u = Cli(map, {"travel-times", map / "p.mpr", "-o", map / "uit.txt"});
  EXPECT_EQ(u.status, 0) << u.fout;
  EXPECT_EQ(u.uit + u.fout, "");
  EXPECT_FALSE(BestandBestaat(map / "uit.txt"));
  const auto notes = Cli(map, {"notes", map / "p.mpr"});
  const auto regels = RegelsSplitsen(notes.uit);
  ASSERT_GE(regels.size(), 7u);
  EXPECT_EQ(regels[regels.size() - 2], "Eerste regel");
}
