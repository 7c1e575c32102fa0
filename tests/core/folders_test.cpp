#include "core/folders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/files.h"
#include "core/settings.h"

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

}  // namespace
}  // namespace morvask
