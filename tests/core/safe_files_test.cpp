// Nothing lost: the atomic writer's temporary sibling, symbolic links, writers that are
// killed, and the project lock that keeps two writers apart.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "core/files.h"
#include "core/project.h"
#include "core/project_lock.h"
#include "core/settings.h"
#include "support/fake_ui.h"
#include "support/temp_folder.h"

namespace morvask {
namespace {

namespace fs = std::filesystem;
using test::TijdelijkeMap;

unsigned Modus(const std::string& pad) {
  struct stat st;
  return ::lstat(pad.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

std::vector<std::string> Namen(const std::string& map) {
  std::vector<std::string> namen;
  for (const auto& e : fs::directory_iterator(map)) namen.push_back(e.path().filename().string());
  std::sort(namen.begin(), namen.end());
  return namen;
}

TEST(AtomischBestand, TheTargetChangesOnlyWhenTheFileIsComplete) {
  TijdelijkeMap map;
  const std::string doel = map / "p.mpr";
  ASSERT_TRUE(BestandAtomischSchrijven(doel, "oud"));
  ::chmod(doel.c_str(), 0640);
  {
    AtomischBestand b;
    ASSERT_TRUE(b.Openen(doel));
    // The sibling has a fixed name and the target's permissions from the start.
    EXPECT_EQ(Namen(map.Pad()), (std::vector<std::string>{".p.mpr.morvask-tmp", "p.mpr"}));
    EXPECT_EQ(Modus(map / ".p.mpr.morvask-tmp"), 0640u);
    ASSERT_TRUE(b.Schrijven("nieuw, "));
    ASSERT_TRUE(b.Schrijven("heel"));
    EXPECT_EQ(map.Lees("p.mpr"), "oud");
    // A second writer of the same file at this moment is refused and changes nothing.
    EXPECT_FALSE(BestandAtomischSchrijven(doel, "tussendoor"));
    ASSERT_TRUE(b.Voltooien());
  }
  EXPECT_EQ(map.Lees("p.mpr"), "nieuw, heel");
  EXPECT_EQ(Modus(doel), 0640u);
  EXPECT_EQ(Namen(map.Pad()), std::vector<std::string>{"p.mpr"});

  // Abandoned (destroyed before completion, or broken off): the target as it was, no sibling.
  {
    AtomischBestand b;
    ASSERT_TRUE(b.Openen(doel));
    ASSERT_TRUE(b.Schrijven("half"));
  }
  AtomischBestand b;
  ASSERT_TRUE(b.Openen(doel));
  b.Afbreken();
  EXPECT_FALSE(b.Voltooien());
  EXPECT_EQ(map.Lees("p.mpr"), "nieuw, heel");
  EXPECT_EQ(Namen(map.Pad()), std::vector<std::string>{"p.mpr"});

  // Private files are the owner's alone, new or replaced.
  ASSERT_TRUE(BestandAtomischSchrijven(map / "prive.txt", "x", {.Prive = true}));
  EXPECT_EQ(Modus(map / "prive.txt"), 0600u);
  ASSERT_TRUE(BestandAtomischSchrijven(doel, "y", {.Prive = true}));
  EXPECT_EQ(Modus(doel), 0600u);
}

// A writer killed at a scripted point: the child opens the file, writes part of it, tells the
// parent, and waits to be killed.
TEST(AtomischBestand, AKilledWriterLeavesTheOldFileAndTheNextWriteRemovesItsSibling) {
  TijdelijkeMap map;
  const std::string doel = map / "p.mpr";
  ASSERT_TRUE(BestandAtomischSchrijven(doel, "oud"));
  for (int stap = 0; stap < 3; ++stap) {
    int pijp[2];
    ASSERT_EQ(::pipe(pijp), 0);
    const pid_t kind = ::fork();
    if (kind == 0) {
      AtomischBestand b;
      bool goed = b.Openen(doel);
      if (goed && stap >= 1) goed = b.Schrijven(std::string(1 << 20, 'n'));
      if (goed && stap >= 2) goed = b.Schrijven("nog meer");
      const char teken = goed ? 'k' : 'x';
      if (::write(pijp[1], &teken, 1) != 1) ::_exit(2);
      for (;;) ::pause();
    }
    char teken = 0;
    ASSERT_EQ(::read(pijp[0], &teken, 1), 1);
    ::close(pijp[0]);
    ::close(pijp[1]);
    EXPECT_EQ(teken, 'k');
    ::kill(kind, SIGKILL);
    ::waitpid(kind, nullptr, 0);
    EXPECT_EQ(map.Lees("p.mpr"), "oud") << stap;
    EXPECT_TRUE(fs::exists(map / ".p.mpr.morvask-tmp")) << stap;
  }
  // The next write finds the leftover (nobody holds it any more) and uses it.
  ASSERT_TRUE(BestandAtomischSchrijven(doel, "nieuw"));
  EXPECT_EQ(map.Lees("p.mpr"), "nieuw");
  EXPECT_EQ(Namen(map.Pad()), std::vector<std::string>{"p.mpr"});
}

TEST(AtomischBestand, ASymbolicLinkIsWrittenThroughToItsTarget) {
  TijdelijkeMap map;
  map.Schrijf("echt/doel.mpr", "oud");
  fs::create_directories(map / "sl");
  fs::create_symlink(map / "echt/doel.mpr", map / "sl/p.mpr");          // absolute
  fs::create_symlink("../echt/doel.mpr", map / "sl/relatief.mpr");      // relative to its folder
  fs::create_symlink("p.mpr", map / "sl/keten.mpr");                    // a link to a link
  fs::create_symlink(map / "echt/nieuw.mpr", map / "sl/nog-niet.mpr");  // to a file yet to come
  for (const char* link : {"p.mpr", "relatief.mpr", "keten.mpr"}) {
    ASSERT_TRUE(BestandAtomischSchrijven(map / "sl/" + link, link)) << link;
    EXPECT_EQ(map.Lees("echt/doel.mpr"), link);
    EXPECT_TRUE(fs::is_symlink(map / "sl/" + link));
  }
  ASSERT_TRUE(BestandAtomischSchrijven(map / "sl/nog-niet.mpr", "nieuw"));
  EXPECT_EQ(map.Lees("echt/nieuw.mpr"), "nieuw");
  // The sibling was beside the target, never in the link's folder.
  EXPECT_EQ(Namen(map / "sl"), (std::vector<std::string>{"keten.mpr", "nog-niet.mpr", "p.mpr", "relatief.mpr"}));
  EXPECT_EQ(Namen(map / "echt"), (std::vector<std::string>{"doel.mpr", "nieuw.mpr"}));
  // A loop of links is no file to write.
  fs::create_symlink("lus2", map / "lus1");
  fs::create_symlink("lus1", map / "lus2");
  EXPECT_FALSE(BestandAtomischSchrijven(map / "lus1", "x"));
  EXPECT_TRUE(fs::is_symlink(map / "lus1"));
  // Not followed when asked not to: the link is replaced by the file.
  ASSERT_TRUE(BestandAtomischSchrijven(map / "sl/p.mpr", "eigen", {.KoppelingVolgen = false}));
  EXPECT_FALSE(fs::is_symlink(map / "sl/p.mpr"));
  EXPECT_EQ(map.Lees("echt/doel.mpr"), "keten.mpr");
}

TEST(AtomischBestand, ALinkPlantedAtTheSiblingsNameIsNeverFollowed) {
  TijdelijkeMap map;
  map.Schrijf("ander.txt", "van een ander");
  fs::create_symlink(map / "ander.txt", map / ".p.mpr.morvask-tmp");
  ASSERT_TRUE(BestandAtomischSchrijven(map / "p.mpr", "eigen"));
  EXPECT_EQ(map.Lees("ander.txt"), "van een ander");
  EXPECT_EQ(map.Lees("p.mpr"), "eigen");
  EXPECT_FALSE(fs::exists(fs::symlink_status(map / ".p.mpr.morvask-tmp")));
}

// ---------------------------------------------------------------------------------------
// The project lock.

TEST(Projectslot, OneHolderAtATimeAndTheSecondLearnsWho) {
  TijdelijkeMap map;
  const std::string project = map / "p.mpr";
  Projectslot eerste;
  ASSERT_EQ(eerste.Vergrendelen(project), Slotuitkomst::Vergrendeld);
  EXPECT_TRUE(eerste.Vergrendeld());
  EXPECT_EQ(eerste.Slotbestand(), map / ".~lock.p.mpr#");
  EXPECT_EQ(Modus(map / ".~lock.p.mpr#"), 0600u);
  const RSlothouder ik = DezeHouder();
  EXPECT_EQ(map.Lees(".~lock.p.mpr#"), ik.Gebruiker + "," + ik.Computer + "," + std::to_string(ik.Proces) + "\n");

  // A second holder (another open file, as another program would have) waits and gives up.
  Projectslot tweede;
  const auto begin = std::chrono::steady_clock::now();
  EXPECT_EQ(tweede.Vergrendelen(project, std::chrono::milliseconds(300)), Slotuitkomst::Bezet);
  EXPECT_GE(std::chrono::steady_clock::now() - begin, std::chrono::milliseconds(300));
  EXPECT_FALSE(tweede.Vergrendeld());
  EXPECT_EQ(tweede.Houder().Gebruiker, ik.Gebruiker);
  EXPECT_EQ(tweede.Houder().Computer, ik.Computer);
  EXPECT_EQ(tweede.Houder().Proces, ik.Proces);

  // Released within the waiting time: the waiting one gets it.
  std::thread later([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    eerste.Vrijgeven();
  });
  EXPECT_EQ(tweede.Vergrendelen(project, std::chrono::seconds(5)), Slotuitkomst::Vergrendeld);
  later.join();
  EXPECT_FALSE(eerste.Vergrendeld());

  // Released by destruction; the lock file goes with it. A value that is moved keeps holding.
  {
    Projectslot verplaatst = std::move(tweede);
    EXPECT_TRUE(verplaatst.Vergrendeld());
    EXPECT_EQ(eerste.Vergrendelen(project), Slotuitkomst::Bezet);
  }
  EXPECT_FALSE(fs::exists(map / ".~lock.p.mpr#"));
  EXPECT_EQ(eerste.Vergrendelen(project), Slotuitkomst::Vergrendeld);

  // Every name of one file shares its lock.
  fs::create_symlink(project, map / "koppeling.mpr");
  Projectslot via;
  EXPECT_EQ(via.Vergrendelen(map / "koppeling.mpr"), Slotuitkomst::Bezet);
  EXPECT_EQ(SlotbestandVan(map / "koppeling.mpr"), map / ".~lock.p.mpr#");
  // No lock file can be made in a missing folder.
  EXPECT_EQ(via.Vergrendelen(map / "geen/p.mpr"), Slotuitkomst::Mislukt);
}

TEST(Projectslot, TheLockOfAProcessThatDiedIsTakenOver) {
  TijdelijkeMap map;
  const std::string project = map / "p.mpr";
  int pijp[2];
  ASSERT_EQ(::pipe(pijp), 0);
  const pid_t kind = ::fork();
  if (kind == 0) {
    Projectslot slot;
    const char teken = slot.Vergrendelen(project) == Slotuitkomst::Vergrendeld ? 'k' : 'x';
    if (::write(pijp[1], &teken, 1) != 1) ::_exit(2);
    for (;;) ::pause();
  }
  char teken = 0;
  ASSERT_EQ(::read(pijp[0], &teken, 1), 1);
  ::close(pijp[0]);
  ::close(pijp[1]);
  ASSERT_EQ(teken, 'k');
  Projectslot slot;
  EXPECT_EQ(slot.Vergrendelen(project), Slotuitkomst::Bezet);
  EXPECT_EQ(slot.Houder().Proces, kind);
  ::kill(kind, SIGKILL);
  ::waitpid(kind, nullptr, 0);
  // The dead holder's lock file is still there, naming it; the lock itself died with it.
  EXPECT_NE(map.Lees(".~lock.p.mpr#").find("," + std::to_string(kind) + "\n"), std::string::npos);
  EXPECT_EQ(slot.Vergrendelen(project), Slotuitkomst::Vergrendeld);
  EXPECT_NE(map.Lees(".~lock.p.mpr#").find("," + std::to_string(::getpid()) + "\n"), std::string::npos);
}

TEST(Projectslot, ALockHeldByAnotherIsTheUsersMessage) {
  TijdelijkeMap map;
  Project project;
  RProgrammaInstellingen instellingen;
  Catalogus catalogus;
  test::NepUi ui;
  Context ctx{project, instellingen, catalogus, ui, Mappen{}};
  Projectslot houder, ander;
  ASSERT_TRUE(ProjectVergrendelen(ctx, houder, map / "p.mpr"));
  EXPECT_FALSE(ProjectVergrendelen(ctx, ander, map / "p.mpr", std::chrono::milliseconds(0)));
  ASSERT_EQ(ui.berichten.size(), 1u);
  const RSlothouder ik = DezeHouder();
  EXPECT_EQ(ui.berichten[0].soort, "fout");
  EXPECT_EQ(ui.berichten[0].tekst, "Project \"" + (map / "p.mpr") + "\" is in gebruik door " + ik.Gebruiker + " op " +
                                       ik.Computer + " (proces " + std::to_string(ik.Proces) +
                                       "). Probeer het later opnieuw.");
  // Where no lock file can be made, the command goes on (its write meets its own error).
  EXPECT_TRUE(ProjectVergrendelen(ctx, ander, map / "geen/p.mpr"));
  EXPECT_EQ(ui.berichten.size(), 1u);
}

}  // namespace
}  // namespace morvask
