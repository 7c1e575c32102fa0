#include "core/files.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace morvask {
namespace {

namespace fs = std::filesystem;
using Regels = std::vector<std::string>;

TEST(RegelsSplitsen, LineEnds) {
  struct Rij {
    const char* naam;
    std::string tekst;
    Regels regels;
  };
  const std::vector<Rij> rijen = {
      {"LF", "a\nb\n", {"a", "b"}},
      {"CR LF", "a\r\nb\r\n", {"a", "b"}},
      {"mixed", "a\r\nb\nc\r\n", {"a", "b", "c"}},
      {"last line without end", "a\r\nb", {"a", "b"}},
      {"one line without end", "a", {"a"}},
      {"lone CR is a character", "a\rb\r\nc", {"a\rb", "c"}},
      {"CR before CR LF stays", "a\r\r\n", {"a\r"}},
      {"CR at the very end stays", "a\nb\r", {"a", "b\r"}},
      {"empty lines count", "\r\n\na\r\n\r\n", {"", "", "a", ""}},
      {"empty text", "", {}},
      {"only a line end", "\r\n", {""}},
      {"message breaks inside a line", "x=\"a\r\rb\"\r\n", {"x=\"a\r\rb\""}},
      {"NUL and high bytes", std::string("\0\xE9\n", 3), {std::string("\0\xE9", 2)}},
  };
  for (const auto& r : rijen) {
    EXPECT_EQ(RegelsSplitsen(r.tekst), r.regels) << r.naam;
    // The views of RegelsDelen are the same lines, pointing into the text itself.
    const std::vector<std::string_view> delen = RegelsDelen(r.tekst);
    EXPECT_EQ(Regels(delen.begin(), delen.end()), r.regels) << r.naam;
    for (std::string_view d : delen)
      EXPECT_TRUE(d.data() >= r.tekst.data() && d.data() + d.size() <= r.tekst.data() + r.tekst.size()) << r.naam;
  }
}

TEST(RegelsSplitsen, JoinAndSplitAgree) {
  const Regels regels = {"[Morvask datafile]", "", "a\rb", "\xE9\xCD\xDF"};
  const std::string samen = RegelsSamenvoegen(regels);
  EXPECT_EQ(samen, "[Morvask datafile]\r\n\r\na\rb\r\n\xE9\xCD\xDF\r\n");
  EXPECT_EQ(RegelsSplitsen(samen), regels);
  EXPECT_EQ(RegelsSamenvoegen({}), "");
}

TEST(Bestandsnamen, ExtensionAndName) {
  struct Rij {
    const char* naam;
    const char* zonder;
    const char* extensie;
    const char* alleen;
  };
  const std::vector<Rij> rijen = {
      {"/home/u/survey.mpr", "/home/u/survey", ".mpr", "survey.mpr"},
      {"/home/u.v/survey.mpr", "/home/u.v/survey", ".mpr", "survey.mpr"},
      {"/home/u.v/survey", "/home/u.v/survey", "", "survey"},
      {"/home/u.v/", "/home/u.v/", "", ""},
      {"survey.2024.mpr", "survey.2024", ".mpr", "survey.2024.mpr"},
      {"survey.", "survey", ".", "survey."},
      {"survey.MMA", "survey", ".MMA", "survey.MMA"},
      {"survey", "survey", "", "survey"},
      {"", "", "", ""},
  };
  for (const auto& r : rijen) {
    EXPECT_EQ(ZonderExtensie(r.naam), r.zonder) << r.naam;
    EXPECT_EQ(Extensie(r.naam), r.extensie) << r.naam;
    EXPECT_EQ(AlleenNaam(r.naam), r.alleen) << r.naam;
  }
}

// A fresh folder per test, removed afterwards.
class BestandenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    map_ =
        fs::temp_directory_path() / ("morvask_files_" + std::string(info->name()) + "_" + std::to_string(::getpid()));
    fs::remove_all(map_);
    fs::create_directories(map_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(map_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(map_, ec);
  }
  std::string Pad(const std::string& naam) const { return (map_ / naam).string(); }
  // Every name in the folder.
  std::vector<std::string> Inhoud() const {
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(map_)) namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
  }
  fs::path map_;
};

TEST_F(BestandenTest, AtomicWriterWritesTheWholeFileAndNoTemporaryOne) {
  std::string inhoud;
  for (int i = 0; i < 300000; ++i) inhoud += static_cast<char>(i % 256);  // NUL and CR bytes too
  ASSERT_TRUE(BestandAtomischSchrijven(Pad("project.mpr"), inhoud));
  EXPECT_EQ(BestandLezen(Pad("project.mpr")), inhoud);
  EXPECT_EQ(Inhoud(), (std::vector<std::string>{"project.mpr"}));

  // Replacing it leaves only the new content.
  ASSERT_TRUE(RegelsAtomischSchrijven(Pad("project.mpr"), {"[Morvask datafile]", "x"}));
  EXPECT_EQ(BestandLezen(Pad("project.mpr")), "[Morvask datafile]\r\nx\r\n");
  EXPECT_EQ(Inhoud(), (std::vector<std::string>{"project.mpr"}));

  ASSERT_TRUE(BestandAtomischSchrijven(Pad("leeg.txt"), ""));
  EXPECT_EQ(BestandLezen(Pad("leeg.txt")), "");
}

TEST_F(BestandenTest, NamesAreTheSystemsBytes) {
  // A name is written, found and read as the bytes it is, never through Windows-1252: two
  // names that Windows-1252 cannot hold stay two files.
  const std::vector<std::string> namen = {"a\xC5\x82.mpr", "\xE6\x97\xA5\xE6\x9C\xAC.mma",
                                          "\xE4\xB8\xAD\xE5\x9B\xBD.mma", "\xF0\x9F\x9A\x97.mpr",
                                          "caf\xE9.mpr"};  // the last one no UTF-8 at all
  for (const std::string& n : namen) ASSERT_TRUE(BestandAtomischSchrijven(Pad(n), n)) << n;
  std::vector<std::string> verwacht = namen;
  std::sort(verwacht.begin(), verwacht.end());
  EXPECT_EQ(Inhoud(), verwacht);
  for (const std::string& n : namen) {
    EXPECT_TRUE(BestandBestaat(Pad(n))) << n;
    EXPECT_EQ(BestandLezen(Pad(n)), n) << n;
  }
  EXPECT_FALSE(BestandBestaat(Pad("a?.mpr")));
  // Shown, a name is Windows-1252 text.
  EXPECT_EQ(PadVoorWeergave("/m/a\xC5\x82\xC3\xA9.mpr"), "/m/a?\xE9.mpr");
  EXPECT_EQ(PadVoorWeergave("/m/\xF0\x9F\x9A\x97.mpr"), "/m/?.mpr");
}

TEST_F(BestandenTest, AtomicWriterFailsCleanlyIntoAMissingFolder) {
  EXPECT_FALSE(BestandAtomischSchrijven(Pad("ontbreekt/project.mpr"), "x"));
  EXPECT_FALSE(fs::exists(map_ / "ontbreekt"));
  EXPECT_TRUE(Inhoud().empty());
  EXPECT_FALSE(BestandAtomischSchrijven("", "x"));
}

TEST_F(BestandenTest, AtomicWriterRefusesAFolderAsTarget) {
  fs::create_directory(map_ / "map.mpr");
  EXPECT_FALSE(BestandAtomischSchrijven(Pad("map.mpr"), "x"));
  EXPECT_TRUE(fs::is_directory(map_ / "map.mpr"));
  EXPECT_EQ(Inhoud(), (std::vector<std::string>{"map.mpr"}));
}

// Writes with a file-size limit of 4 KiB, as on a disk that is full; exits 0 when the write
// reported its failure.
[[noreturn]] void SchrijvenMetVolleSchijf(const std::string& doel, const std::string& inhoud) {
  std::signal(SIGXFSZ, SIG_IGN);
  const rlimit grens{4096, 4096};
  setrlimit(RLIMIT_FSIZE, &grens);
  std::_Exit(BestandAtomischSchrijven(doel, inhoud) ? 1 : 0);
}

TEST_F(BestandenTest, AFailedWriteLeavesTheTargetUntouched) {
  ASSERT_TRUE(BestandAtomischSchrijven(Pad("project.mpr"), "oud"));
  // The write runs in a child process.
  const std::string groot(1 << 20, 'n');
  const std::string doel = Pad("project.mpr");
  EXPECT_EXIT(SchrijvenMetVolleSchijf(doel, groot), ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(BestandLezen(doel), "oud");
  EXPECT_EQ(Inhoud(), (std::vector<std::string>{"project.mpr"}));
}

TEST_F(BestandenTest, AReadOnlyTargetIsNotReplaced) {
  ASSERT_TRUE(BestandAtomischSchrijven(Pad("project.mpr"), "oud"));
  fs::permissions(map_ / "project.mpr", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_FALSE(BestandAtomischSchrijven(Pad("project.mpr"), "nieuw"));
  EXPECT_EQ(BestandLezen(Pad("project.mpr")), "oud");
  EXPECT_EQ(Inhoud(), (std::vector<std::string>{"project.mpr"}));
}

TEST_F(BestandenTest, ReplacingKeepsTheTargetsPermissions) {
  ASSERT_TRUE(BestandAtomischSchrijven(Pad("project.mpr"), "oud"));
  const auto eigen = fs::perms::owner_read | fs::perms::owner_write;
  fs::permissions(map_ / "project.mpr", eigen);
  ASSERT_TRUE(BestandAtomischSchrijven(Pad("project.mpr"), "nieuw"));
  EXPECT_EQ(BestandLezen(Pad("project.mpr")), "nieuw");
  EXPECT_EQ(fs::status(map_ / "project.mpr").permissions() & fs::perms::all, eigen);
}

TEST_F(BestandenTest, Reading) {
  EXPECT_FALSE(BestandLezen(Pad("ontbreekt.mpr")).has_value());
  EXPECT_FALSE(BestandLezen(map_.string()).has_value());
  EXPECT_FALSE(BestandLezen("").has_value());
  EXPECT_FALSE(BestandBestaat(map_.string()));
  EXPECT_TRUE(MapBestaat(map_.string()));
  EXPECT_FALSE(MapBestaat(Pad("ontbreekt")));
  EXPECT_FALSE(BestandBestaat(""));
}

}  // namespace
}  // namespace morvask
