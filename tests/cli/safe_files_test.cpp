// morvask-cli keeps the data whatever happens around it: a match run killed or meeting a full
// disk, damaged or foreign files, two commands at once, symbolic links, names in any script,
// hostile files.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "core/files.h"
#include "core/project_file.h"
#include "core/project_lock.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"
#include "survey/survey_generator.h"

namespace morvask::test {
namespace {

namespace fs = std::filesystem;

const std::string GeenInstellingen = "/nonexistent/morvask-test.ini";

// Starts morvask-cli in a child process with HOME and the XDG folders below the folder; the
// limit (RLIMIT_FSIZE or RLIMIT_AS, bytes) when one is given. Returns the child.
pid_t CliStarten(const TijdelijkeMap& map, std::vector<std::string> args, int grens = -1, rlim_t waarde = 0) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int niets = ::open("/dev/null", O_RDWR);
    ::dup2(niets, 0);
    ::dup2(niets, 1);
    ::dup2(niets, 2);
    for (const char* naam : {"HOME", "XDG_STATE_HOME", "XDG_RUNTIME_DIR", "TMPDIR", "XDG_CONFIG_HOME"})
      ::setenv(naam, (map / "omgeving").c_str(), 1);
    if (grens >= 0) {
      std::signal(SIGXFSZ, SIG_IGN);
      const rlimit r{waarde, waarde};
      ::setrlimit(grens, &r);
    }
    std::string programma = MORVASK_CLI;
    args.insert(args.begin(), programma);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv(programma.c_str(), argv.data());
    ::_exit(127);
  }
  return pid;
}

int Wachten(pid_t pid) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string GrootProject(int registraties) {
  bench::OnderzoekInstellingen instellingen;
  instellingen.registraties = registraties;
  return ProjectTekst(bench::OnderzoekMaken(instellingen).project);
}

TEST(CliVeilig, AKilledOrFailingMatchRunLeavesThePreviousFile) {
  TijdelijkeMap map;
  map.Schrijf("groot.mpr", GrootProject(20000));
  map.Schrijf("groot.mma", "de vorige vergelijking");
  const std::vector<std::string> args = {"match", map / "groot.mpr", "--force", "--settings", GeenInstellingen};

  // Killed while it runs, as soon as it has made its file.
  const pid_t pid = CliStarten(map, args);
  const auto grens = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!fs::exists(map / ".groot.mma.morvask-tmp") && std::chrono::steady_clock::now() < grens)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  ::kill(pid, SIGKILL);
  EXPECT_EQ(Wachten(pid), 128 + SIGKILL);
  EXPECT_EQ(map.Lees("groot.mma"), "de vorige vergelijking");

  // A disk that fills up (a file-size limit of 4 KiB): the message, and the old file.
  EXPECT_EQ(Wachten(CliStarten(map, args, RLIMIT_FSIZE, 4096)), 1);
  EXPECT_EQ(map.Lees("groot.mma"), "de vorige vergelijking");

  // A complete run replaces it, and leaves no temporary file.
  EXPECT_EQ(Wachten(CliStarten(map, args)), 0);
  EXPECT_TRUE(map.Lees("groot.mma").ends_with("[**End**]\r\n"));
  EXPECT_FALSE(fs::exists(map / ".groot.mma.morvask-tmp"));

  // A match file that ends before "[**End**]" is no comparison with "Totaal 0".
  const std::string heel = map.Lees("groot.mma");
  map.Schrijf("kort.mma", heel.substr(0, heel.find("[**Routes**]")));
  const auto u =
      CliUitvoeren({"report", map / "kort.mma", "--project", map / "groot.mpr", "--settings", GeenInstellingen});
  EXPECT_EQ(u.status, 1);
  EXPECT_EQ(u.uit, "");
  EXPECT_EQ(u.fout,
            "Vergelijkingsbestand \"" + (map / "kort.mma") +
                "\" is onvolledig: het eindigt voor \"[**End**]\". Voer de kentekenvergelijking opnieuw uit.\n");
}

std::string Project(const std::string& kentekenkop) {
  return "[Morvask datafile]\r\n\r\n[**General variables**]\r\nFileVersion=320\r\n\r\n[**Observation posts**]\r\n"
         "001-ki Oost\r\n002-ku West\r\n\r\n[**Travel times**]\r\n001-ki 002-ku 15   0   \r\n\r\n" +
         kentekenkop +
         "\r\n002-ku 0830 a CD34EF\r\n001-ki 0815 a AB12CD\r\n002-ku 0825 a AB12CD\r\n\r\n[**Notes**]\r\n\r\n";
}

TEST(CliVeilig, DamagedHeadersAreReadOrKeepTheCommandFromWriting) {
  // Headers as an editor leaves them are the headers.
  for (const std::string kop : {"[**License numbers**] ", "[**license numbers**]", "[**LICENSE NUMBERS**]\t"}) {
    TijdelijkeMap map;
    map.Schrijf("p.mpr", Project(kop));
    const auto info = CliUitvoeren({"info", map / "p.mpr", "--settings", GeenInstellingen});
    EXPECT_NE(info.uit.find("Totaal aantal registraties in project: 3\n"), std::string::npos) << kop;
    const auto sort =
        CliUitvoeren({"sort", map / "p.mpr", "--order", "TPK", "--quiet", "--settings", GeenInstellingen});
    EXPECT_EQ(sort.status, 0) << kop << sort.fout;
    EXPECT_NE(map.Lees("p.mpr").find("[**License numbers**]\r\n001-ki 0815 a AB12CD\r\n002-ku 0825 a AB12CD\r\n"
                                     "002-ku 0830 a CD34EF\r\n"),
              std::string::npos)
        << kop;
  }
  // A header that is not recognised: the project is not written back without --force.
  TijdelijkeMap map;
  const std::string kop("[**License\0numbers**]", 21);
  const std::string bestand = Project(kop);
  map.Schrijf("p.mpr", bestand);
  const auto u = CliUitvoeren({"sort", map / "p.mpr", "--order", "TPK", "--settings", GeenInstellingen});
  EXPECT_EQ(u.status, 1);
  EXPECT_NE(u.fout.find("Project \"" + (map / "p.mpr") + "\" bevat op regel 13 een kop die niet herkend wordt"),
            std::string::npos)
      << u.fout;
  EXPECT_NE(u.fout.find("--force"), std::string::npos) << u.fout;
  EXPECT_EQ(map.Lees("p.mpr"), bestand);
  const auto f = CliUitvoeren({"sort", map / "p.mpr", "--order", "TPK", "--force", "--settings", GeenInstellingen});
  EXPECT_EQ(f.status, 0) << f.fout;
  EXPECT_NE(map.Lees("p.mpr"), bestand);
}

TEST(CliVeilig, AFileWithoutAnySectionIsNoProjectAndIsNotOverwritten) {
  struct Geval {
    const char* wat;
    std::string inhoud;
  };
  const std::vector<Geval> gevallen = {
      {"ten megabytes of NULs", std::string(10 << 20, '\0')},
      {"a plain text", "Boodschappen:\r\nbrood\r\nkaas\r\n"},
      {"an empty file", ""},
      {"a match file", "[Morvask matchfile]\r\n\r\n[**General information**]\r\n[**Routes**]\r\n[**End**]\r\n"},
  };
  for (const Geval& g : gevallen) {
    TijdelijkeMap map;
    map.Schrijf("p.mpr", g.inhoud);
    for (const std::vector<std::string>& opdracht :
         {std::vector<std::string>{"info", map / "p.mpr"}, {"sort", map / "p.mpr", "--order", "PTK", "--force"}}) {
      std::vector<std::string> args = opdracht;
      args.insert(args.end(), {"--settings", GeenInstellingen});
      const auto u = CliUitvoeren(args);
      EXPECT_EQ(u.status, 1) << g.wat;
      EXPECT_EQ(u.uit, "") << g.wat;
      EXPECT_EQ(u.fout, "Bestand \"" + (map / "p.mpr") + "\" is geen Morvask-project.\n") << g.wat;
    }
    EXPECT_EQ(map.Lees("p.mpr"), g.inhoud) << g.wat;
  }
}

// The registrations of a post in a project file: their number, and the sum of their times in
// minutes since midnight.
template <typename Doe>
void Registraties(const std::string& bestand, const std::string& post, Doe doe) {
  const std::size_t begin = bestand.find("[**License numbers**]"), eind = bestand.find("[**Notes**]");
  for (std::size_t p = bestand.find("\n" + post + " ", begin); p < eind; p = bestand.find("\n" + post + " ", p + 1))
    doe(bestand.substr(p + 1, 20));
}
long Aantal(const std::string& bestand, const std::string& post) {
  long n = 0;
  Registraties(bestand, post, [&](const std::string&) { ++n; });
  return n;
}
long Minuten(const std::string& bestand, const std::string& post) {
  long som = 0;
  Registraties(bestand, post,
               [&](const std::string& r) { som += std::stol(r.substr(7, 2)) * 60 + std::stol(r.substr(9, 2)); });
  return som;
}

TEST(CliVeilig, TwoChangingCommandsAtOnceLoseNothing) {
  TijdelijkeMap map;
  map.Schrijf("p.csv", "001-ki;0900;a;ZZ99ZZ\r\n");
  for (int ronde = 0; ronde < 5; ++ronde) {
    map.Schrijf("p.mpr", GrootProject(20000));
    const pid_t verschuiven = CliStarten(
        map, {"shift-times", map / "p.mpr", "--post", "001-ku", "--minutes", "7", "--settings", GeenInstellingen});
    const pid_t importeren =
        CliStarten(map, {"import-csv", map / "p.mpr", map / "p.csv", "--settings", GeenInstellingen});
    EXPECT_EQ(Wachten(verschuiven), 0) << ronde;
    EXPECT_EQ(Wachten(importeren), 0) << ronde;
    const std::string na = map.Lees("p.mpr");
    EXPECT_NE(na.find("001-ki 0900 a ZZ99ZZ\r\n"), std::string::npos) << ronde;  // the import is there
    // and the shift: every registration of 001-ku is 7 minutes later.
    EXPECT_EQ(Minuten(na, "001-ku"), Minuten(GrootProject(20000), "001-ku") + 7 * Aantal(na, "001-ku")) << ronde;
    EXPECT_EQ(Aantal(na, "001-ku"), Aantal(GrootProject(20000), "001-ku")) << ronde;
    EXPECT_FALSE(fs::exists(map / ".~lock.p.mpr#"));
  }

  // A command that finds the project locked by another program waits a moment, then ends
  // with the holder's name and changes nothing.
  map.Schrijf("p.mpr", GrootProject(300));
  const std::string voor = map.Lees("p.mpr");
  Projectslot slot;
  ASSERT_EQ(slot.Vergrendelen(map / "p.mpr"), Slotuitkomst::Vergrendeld);
  const auto u = CliUitvoeren({"sort", map / "p.mpr", "--order", "KTP", "--settings", GeenInstellingen});
  EXPECT_EQ(u.status, 1);
  const RSlothouder ik = DezeHouder();
  EXPECT_EQ(u.fout, "Project \"" + (map / "p.mpr") + "\" is in gebruik door " + ik.Gebruiker + " op " + ik.Computer +
                        " (proces " + std::to_string(ik.Proces) + "). Probeer het later opnieuw.\n");
  EXPECT_EQ(map.Lees("p.mpr"), voor);
  // Reading commands do not wait for it.
  EXPECT_EQ(CliUitvoeren({"info", map / "p.mpr", "--settings", GeenInstellingen}).status, 0);
}

TEST(CliVeilig, ASymlinkedProjectIsSavedThroughItsLink) {
  TijdelijkeMap map;
  map.Schrijf("echt/doel.mpr", Project("[**License numbers**]"));
  fs::create_directories(map / "sl");
  fs::create_symlink(map / "echt/doel.mpr", map / "sl/p.mpr");
  const auto u = CliUitvoeren({"sort", map / "sl/p.mpr", "--order", "TPK", "--quiet", "--settings", GeenInstellingen});
  EXPECT_EQ(u.status, 0) << u.fout;
  EXPECT_TRUE(fs::is_symlink(map / "sl/p.mpr"));
  EXPECT_NE(map.Lees("echt/doel.mpr").find("[**License numbers**]\r\n001-ki 0815"), std::string::npos);
  EXPECT_EQ(map.Lees("sl/p.mpr"), map.Lees("echt/doel.mpr"));
}

TEST(CliVeilig, NamesInAnyScriptAreTheNamesOnDisk) {
  TijdelijkeMap map;
  const std::string project = Project("[**License numbers**]");
  map.Schrijf("p.mpr", project);
  fs::create_directories(map / "qm");
  // --save-as "qm/ał.mpr"
  const std::string al = map / "qm/a\xC5\x82.mpr";
  auto u = CliUitvoeren({"sort", map / "p.mpr", "--order", "TPK", "--save-as", al, "--settings", GeenInstellingen});
  EXPECT_EQ(u.status, 0) << u.fout;
  EXPECT_TRUE(BestandBestaat(al));
  EXPECT_FALSE(BestandBestaat(map / "qm/a?.mpr"));
  EXPECT_EQ(u.fout.find("?"), std::string::npos) << u.fout;  // named as it is
  // match -o "日本.mma", then -o "中国.mma" --force: two files.
  const std::string nihon = map / "\xE6\x97\xA5\xE6\x9C\xAC.mma", zhongguo = map / "\xE4\xB8\xAD\xE5\x9B\xBD.mma";
  EXPECT_EQ(CliUitvoeren({"match", map / "p.mpr", "-o", nihon, "--settings", GeenInstellingen}).status, 0);
  u = CliUitvoeren({"match", map / "p.mpr", "-o", zhongguo, "--settings", GeenInstellingen});
  EXPECT_EQ(u.status, 0) << u.fout;
  EXPECT_TRUE(BestandBestaat(nihon));
  EXPECT_TRUE(BestandBestaat(zhongguo));
  // info "bł.mpr" reads that file, not another that Windows-1252 would make of its name.
  map.Schrijf("b\xC5\x82.mpr", project);
  map.Schrijf("b?.mpr", Project("[**License numbers**]\r\n001-ki 0815 a XX11XX"));
  u = CliUitvoeren({"info", map / "b\xC5\x82.mpr", "--settings", GeenInstellingen});
  EXPECT_NE(u.uit.find("Totaal aantal registraties in project: 3\n"), std::string::npos) << u.uit;
  // An emoji in a folder's name, and a message that shows the name.
  const std::string emoji = map / "\xF0\x9F\x9A\x97/p.mpr";
  map.Schrijf("\xF0\x9F\x9A\x97/p.mpr", project);
  EXPECT_EQ(CliUitvoeren({"sort", emoji, "--order", "KTP", "--quiet", "--settings", GeenInstellingen}).status, 0);
  u = CliUitvoeren({"info", map / "\xF0\x9F\x9A\x97/weg.mpr", "--settings", GeenInstellingen});
  EXPECT_EQ(u.status, 1);
  EXPECT_EQ(u.fout, "Kan bestand " + map.Pad() + "?/weg.mpr niet openen.\n");
}

TEST(CliVeilig, AHostileFileEndsWithAMessageNeverASignal) {
  TijdelijkeMap map;
  // A million post lines: refused before any table is built.
  std::string posten = "[Morvask datafile]\r\n\r\n[**General variables**]\r\n\r\n[**Observation posts**]\r\n";
  for (int i = 0; i < 1000000; ++i) posten += "001-ki x\r\n";
  posten += "\r\n[**Notes**]\r\n\r\n";
  map.Schrijf("posten.mpr", posten);
  const auto begin = std::chrono::steady_clock::now();
  const auto u = CliUitvoeren({"sort", map / "posten.mpr", "--order", "PTK", "--settings", GeenInstellingen});
  EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(30));
  EXPECT_EQ(u.status, 1);
  EXPECT_EQ(u.fout, "Bestand \"" + (map / "posten.mpr") +
                        "\" bevat 1000000 waarnemingsposten; een project kan er ten hoogste 4000 hebben.\n");
  EXPECT_EQ(map.Lees("posten.mpr"), posten);

#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer reserves more address space than the limit allows";
#else
  // Memory exhausted (an address-space limit far below what the file needs): the message and
  // status 1.
  std::string veel = "[Morvask datafile]\r\n\r\n[**General variables**]\r\n\r\n[**License numbers**]\r\n";
  for (int i = 0; i < 4000000; ++i) veel += "001-ki 0815 a AB12CD\r\n";
  map.Schrijf("veel.mpr", veel);
  EXPECT_EQ(Wachten(CliStarten(map, {"info", map / "veel.mpr", "--settings", GeenInstellingen}, RLIMIT_AS,
                               rlim_t{160} << 20)),
            1);
#endif
}

}  // namespace
}  // namespace morvask::test
