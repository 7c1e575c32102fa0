#include "core/folders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "core/files.h"
#include "core/project.h"
#include "core/settings.h"
#include "support/fake_ui.h"

namespace morvask {
namespace {

namespace fs = std::filesystem;

TEST(MetSlotBackslash, AddsOneSeparator) {
  EXPECT_EQ(MetSlotBackslash("/home/u"), "/home/u/");
  EXPECT_EQ(MetSlotBackslash("/home/u/"), "/home/u/");
  EXPECT_EQ(MetSlotBackslash("/"), "/");
  EXPECT_EQ(MetSlotBackslash(""), "/");
  EXPECT_EQ(MetSlotBackslash("map"), "map/");
}

TEST(OpdrachtregelBestand, Table) {
  struct Rij {
    std::vector<std::string> argumenten;
    const char* uit;
  };
  const std::vector<Rij> rijen = {
      {{}, ""},
      {{"/home/u/survey.mpr"}, "/home/u/survey.mpr"},
      {{"\"/home/u/my survey.mpr\""}, "/home/u/my survey.mpr"},
      {{"/home/u/my", "survey.mpr"}, "/home/u/my survey.mpr"},  // split by the shell, joined again
      {{"  \"  /a.mpr  \"  "}, "/a.mpr"},
      {{"\"\""}, ""},
      {{"a\"b\"c"}, "abc"},
      {{""}, ""},
  };
  for (const auto& r : rijen) EXPECT_EQ(OpdrachtregelBestand(r.argumenten), r.uit) << r.uit;
}

// Sets environment variables for one test and puts the old values back afterwards.
class Omgeving {
 public:
  void Zet(const char* naam, const char* waarde) {
    Bewaar(naam);
    if (waarde)
      setenv(naam, waarde, 1);
    else
      unsetenv(naam);
  }
  ~Omgeving() {
    for (const auto& [naam, waarde] : oud_)
      if (waarde)
        setenv(naam.c_str(), waarde->c_str(), 1);
      else
        unsetenv(naam.c_str());
  }

 private:
  void Bewaar(const char* naam) {
    for (const auto& o : oud_)
      if (o.first == naam) return;
    const char* w = std::getenv(naam);
    oud_.emplace_back(naam, w ? std::optional<std::string>(w) : std::nullopt);
  }
  std::vector<std::pair<std::string, std::optional<std::string>>> oud_;
};

TEST(SpeciaalMapPad, UserFolderFromXdgConfigHome) {
  Omgeving omgeving;
  omgeving.Zet("XDG_CONFIG_HOME", "/tmp/instellingen");
  omgeving.Zet("HOME", "/home/u");
  EXPECT_EQ(SpeciaalMapPad(0, "/opt/morvask/"), "/tmp/instellingen/");
  omgeving.Zet("XDG_CONFIG_HOME", "/tmp/instellingen/");
  EXPECT_EQ(SpeciaalMapPad(0, "/opt/morvask/"), "/tmp/instellingen/");
  // The variable holds UTF-8; the folder is a Windows-1252 text like every other.
  omgeving.Zet("XDG_CONFIG_HOME", "/tmp/caf\xC3\xA9");
  EXPECT_EQ(SpeciaalMapPad(0, "/opt/morvask/"), "/tmp/caf\xE9/");
}

TEST(SpeciaalMapPad, UserFolderFallsBackToHomeThenProgramFolder) {
  Omgeving omgeving;
  omgeving.Zet("XDG_CONFIG_HOME", nullptr);
  omgeving.Zet("HOME", "/home/u");
  EXPECT_EQ(SpeciaalMapPad(0, "/opt/morvask/"), "/home/u/.config/");
  omgeving.Zet("XDG_CONFIG_HOME", "");
  EXPECT_EQ(SpeciaalMapPad(0, "/opt/morvask/"), "/home/u/.config/");
  // A relative folder would depend on the working folder; it does not count.
  omgeving.Zet("XDG_CONFIG_HOME", "instellingen");
  EXPECT_EQ(SpeciaalMapPad(0, "/opt/morvask/"), "/home/u/.config/");
  omgeving.Zet("HOME", nullptr);
  omgeving.Zet("XDG_CONFIG_HOME", nullptr);
  EXPECT_EQ(SpeciaalMapPad(0, "/opt/morvask"), "/opt/morvask/");
}

TEST(SpeciaalMapPad, AllUsersFolder) {
  Omgeving omgeving;
  omgeving.Zet("XDG_CONFIG_DIRS", "/etc/een:/etc/twee");
  EXPECT_EQ(SpeciaalMapPad(1, "/opt/morvask/"), "/etc/een/");
  omgeving.Zet("XDG_CONFIG_DIRS", "relatief::/etc/drie");
  EXPECT_EQ(SpeciaalMapPad(1, "/opt/morvask/"), "/etc/drie/");
  omgeving.Zet("XDG_CONFIG_DIRS", nullptr);
  EXPECT_EQ(SpeciaalMapPad(1, "/opt/morvask/"), "/etc/xdg/");
  // Another value has no folder of its own.
  EXPECT_EQ(SpeciaalMapPad(7, "/opt/morvask/"), "/opt/morvask/");
}

class BestandKopierenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    map_ = fs::temp_directory_path() / ("morvask_kopieren_" + std::to_string(::getpid()));
    fs::remove_all(map_);
    fs::create_directories(map_ / "bron");
    fs::create_directories(map_ / "doel");
    bron_ = (map_ / "bron").string();
    doel_ = (map_ / "doel").string();
  }
  void TearDown() override { fs::remove_all(map_); }
  fs::path map_;
  std::string bron_, doel_;
};

TEST_F(BestandKopierenTest, CopiesAndOverwrites) {
  ASSERT_TRUE(BestandAtomischSchrijven(bron_ + "/survey.mpr", "nieuw\r\n"));
  ASSERT_TRUE(BestandAtomischSchrijven(doel_ + "/survey.mpr", "oud en langer\r\n"));
  EXPECT_TRUE(BestandKopieren(bron_, doel_ + "/", "survey.mpr"));
  EXPECT_EQ(BestandLezen(doel_ + "/survey.mpr"), "nieuw\r\n");
  EXPECT_EQ(BestandLezen(bron_ + "/survey.mpr"), "nieuw\r\n");
  // Without a target it is created.
  EXPECT_TRUE(BestandKopieren(bron_ + "/", doel_, "survey.mpr"));
  ASSERT_TRUE(BestandAtomischSchrijven(bron_ + "/caf\xE9.mpr", "x"));
  EXPECT_TRUE(BestandKopieren(bron_, doel_, "caf\xE9.mpr"));
  EXPECT_EQ(BestandLezen(doel_ + "/caf\xE9.mpr"), "x");
}

TEST_F(BestandKopierenTest, Failures) {
  EXPECT_FALSE(BestandKopieren(bron_, doel_, "ontbreekt.mpr"));
  EXPECT_FALSE(fs::exists(map_ / "doel" / "ontbreekt.mpr"));
  ASSERT_TRUE(BestandAtomischSchrijven(bron_ + "/survey.mpr", "inhoud"));
  EXPECT_FALSE(BestandKopieren(bron_, (map_ / "geen").string(), "survey.mpr"));
  // Onto itself: refused, and the file keeps its content.
  EXPECT_FALSE(BestandKopieren(bron_, bron_ + "/", "survey.mpr"));
  EXPECT_EQ(BestandLezen(bron_ + "/survey.mpr"), "inhoud");
}

// ---------------------------------------------------------------------------------------
// The user's private folders. Every folder is below a fresh folder of the test.

unsigned Modus(const fs::path& pad) {
  struct stat st;
  return ::lstat(pad.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

class PriveMapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char sjabloon[] = "/tmp/morvask-prive-XXXXXX";
    ASSERT_NE(::mkdtemp(sjabloon), nullptr);
    map_ = sjabloon;
    for (const char* naam : {"XDG_RUNTIME_DIR", "TMPDIR", "XDG_STATE_HOME", "HOME"})
      omgeving_.Zet(naam, (map_ / "niet-gezet").c_str());
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(map_, ec);
    // The folders above the test's own are as they were.
    EXPECT_EQ(Modus("/"), 0755u);
    EXPECT_EQ(Modus("/tmp"), 01777u);
  }
  fs::path map_;
  Omgeving omgeving_;
};

TEST_F(PriveMapTest, TheFoldersComeFromTheEnvironment) {
  const std::string m = map_.string();
  const std::string uid = std::to_string(::geteuid());
  fs::create_directories(map_ / "run");
  struct Geval {
    const char *runtime, *tmpdir, *staat, *thuis;
    std::string tijdelijk, reserve;
  };
  const std::vector<Geval> gevallen = {
      {"run", "tmp", "staat", "thuis", m + "/run/morvask/", m + "/staat/Morvask/Backups/"},
      // A runtime folder that does not exist, or a relative one, is passed over.
      {"geen", "tmp", nullptr, "thuis", m + "/tmp/morvask-" + uid + "/", m + "/thuis/.local/state/Morvask/Backups/"},
      {nullptr, nullptr, "", "thuis", "/tmp/morvask-" + uid + "/", m + "/thuis/.local/state/Morvask/Backups/"},
  };
  for (const Geval& g : gevallen) {
    const auto zet = [&](const char* naam, const char* waarde) {
      omgeving_.Zet(naam, waarde == nullptr ? nullptr : (waarde[0] ? (m + "/" + waarde).c_str() : ""));
    };
    zet("XDG_RUNTIME_DIR", g.runtime);
    zet("TMPDIR", g.tmpdir);
    zet("XDG_STATE_HOME", g.staat);
    zet("HOME", g.thuis);
    EXPECT_EQ(TijdelijkeMapBepalen(), g.tijdelijk);
    EXPECT_EQ(StandaardReservemapBepalen(), g.reserve);
    const Mappen mappen = MappenBepalen(m + "/bin/morvask");
    EXPECT_EQ(mappen.Tijdelijk, g.tijdelijk);
    EXPECT_EQ(mappen.Reservebestanden, g.reserve);
  }
  omgeving_.Zet("XDG_RUNTIME_DIR", "relatief");
  omgeving_.Zet("TMPDIR", "ook-relatief");
  EXPECT_EQ(TijdelijkeMapBepalen(), "/tmp/morvask-" + uid + "/");
  // Determining the folders creates nothing.
  EXPECT_FALSE(fs::exists(map_ / "run/morvask"));
  EXPECT_FALSE(fs::exists(map_ / "thuis"));
}

TEST_F(PriveMapTest, AMissingFolderIsMadeForTheUserAlone) {
  fs::create_directories(map_ / "ouder");
  fs::permissions(map_ / "ouder", fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                      fs::perms::others_read | fs::perms::others_exec);
  EXPECT_EQ(PriveMapGereedMaken((map_ / "ouder/morvask/").string()), PriveMap::Gereed);
  EXPECT_EQ(Modus(map_ / "ouder/morvask"), 0700u);
  EXPECT_EQ(Modus(map_ / "ouder"), 0755u);  // the folder above is not touched
  // Missing folders above it get the usual permissions, never 0700 forced on them.
  EXPECT_EQ(PriveMapGereedMaken((map_ / "a/b/Backups").string()), PriveMap::Gereed);
  EXPECT_EQ(Modus(map_ / "a/b/Backups"), 0700u);
  EXPECT_NE(Modus(map_ / "a/b") & 0055u, 0u);
  // An existing folder of the user's own is closed to others; done twice it stays so.
  fs::create_directories(map_ / "open");
  fs::permissions(map_ / "open", fs::perms::all);
  EXPECT_EQ(PriveMapGereedMaken((map_ / "open").string()), PriveMap::Gereed);
  EXPECT_EQ(Modus(map_ / "open"), 0700u);
  EXPECT_EQ(PriveMapGereedMaken((map_ / "open").string()), PriveMap::Gereed);
  EXPECT_EQ(Modus(map_ / "open"), 0700u);
}

TEST_F(PriveMapTest, AFolderThatIsNotTheUsersOwnIsRefusedAndLeftAlone) {
  // A symbolic link planted at the folder's name, to a folder and to nothing.
  fs::create_directories(map_ / "doel");
  fs::permissions(map_ / "doel", fs::perms::all);
  fs::create_directory_symlink(map_ / "doel", map_ / "koppeling");
  fs::create_symlink(map_ / "nergens", map_ / "los");
  EXPECT_EQ(PriveMapGereedMaken((map_ / "koppeling/").string()), PriveMap::Geweigerd);
  EXPECT_EQ(PriveMapGereedMaken((map_ / "los").string()), PriveMap::Geweigerd);
  EXPECT_EQ(Modus(map_ / "doel"), 0777u);
  EXPECT_FALSE(fs::exists(map_ / "nergens"));
  // A file, a shared (sticky) folder, the root.
  std::ofstream(map_ / "bestand") << "x";
  EXPECT_EQ(PriveMapGereedMaken((map_ / "bestand").string()), PriveMap::Geweigerd);
  fs::create_directories(map_ / "gedeeld");
  fs::permissions(map_ / "gedeeld", fs::perms::all | fs::perms::sticky_bit);
  EXPECT_EQ(PriveMapGereedMaken((map_ / "gedeeld").string()), PriveMap::Geweigerd);
  EXPECT_EQ(Modus(map_ / "gedeeld"), 01777u);
  EXPECT_EQ(PriveMapGereedMaken("/"), PriveMap::Geweigerd);
  EXPECT_EQ(PriveMapGereedMaken("/tmp/"), PriveMap::Geweigerd);
  // A folder below a file cannot be made.
  EXPECT_EQ(PriveMapGereedMaken((map_ / "bestand/map").string()), PriveMap::Mislukt);
  // A folder of another user (only the superuser can make one to try).
  if (::geteuid() == 0) {
    fs::create_directories(map_ / "ander");
    fs::permissions(map_ / "ander", fs::perms::all);
    ASSERT_EQ(::chown((map_ / "ander").c_str(), 65534, 65534), 0);
    EXPECT_EQ(PriveMapGereedMaken((map_ / "ander").string()), PriveMap::Geweigerd);
    EXPECT_EQ(Modus(map_ / "ander"), 0777u);
  }
}

TEST_F(PriveMapTest, ARefusedTemporaryFolderIsTheUsersMessage) {
  fs::create_directories(map_ / "doel");
  fs::create_directory_symlink(map_ / "doel", map_ / "koppeling");
  Project project;
  RProgrammaInstellingen instellingen;
  Catalogus catalogus;
  test::NepUi ui;
  Context ctx{project, instellingen, catalogus, ui, Mappen{}};
  EXPECT_FALSE(PriveMapGereed(ctx, (map_ / "koppeling/").string()));
  ASSERT_EQ(ui.berichten.size(), 1u);
  EXPECT_EQ(ui.berichten[0].soort, "fout");
  EXPECT_EQ(ui.berichten[0].tekst, "Map \"" + (map_ / "koppeling/").string() +
                                       "\" wordt niet gebruikt: het is geen map van uzelf, of het is een symbolische "
                                       "koppeling.");
  EXPECT_TRUE(PriveMapGereed(ctx, (map_ / "eigen/").string()));
  EXPECT_EQ(ui.berichten.size(), 1u);
}

}  // namespace
}  // namespace morvask
