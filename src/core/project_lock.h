#pragma once
// One writer at a time: the lock of a project that is open for changing. It is an advisory
// lock (flock) on a lock file beside the project, ".~lock.NAME.mpr#", as office programs
// keep one, holding the holder's user, host and process. The system releases the lock when
// its process ends, however it ends, so the lock of a process that died is taken over by the
// next one. A symbolic link to the project is followed: every name of one file shares one
// lock.
//
// A changing command of morvask-cli holds it from reading the project to writing it; the
// desktop program holds it while a project is open.

#include <chrono>
#include <string>
#include <string_view>

#include "base/context.h"

namespace morvask {

// Who holds a lock, as its lock file says (empty fields when it says nothing readable).
struct RSlothouder {
  std::string Gebruiker;
  std::string Computer;
  long Proces = 0;
};

enum class Slotuitkomst {
  Vergrendeld,  // the lock is held by this value
  Bezet,        // another holder had it for the whole waiting time (see Houder)
  Mislukt,      // no lock file can be made there (a missing or read-only folder)
};

class Projectslot {
 public:
  Projectslot() = default;
  ~Projectslot();  // releases the lock
  Projectslot(Projectslot&& ander) noexcept;
  Projectslot& operator=(Projectslot&& ander) noexcept;
  Projectslot(const Projectslot&) = delete;
  Projectslot& operator=(const Projectslot&) = delete;

  // Takes the lock of the project file, waiting at most the given time while another holds
  // it. A value that holds a lock releases it first.
  Slotuitkomst Vergrendelen(std::string_view projectbestand,
                            std::chrono::milliseconds wachttijd = std::chrono::milliseconds(0));
  // Releases the lock and removes its lock file; nothing when none is held.
  void Vrijgeven();

  bool Vergrendeld() const { return fd_ >= 0; }
  // After Bezet: the holder as the lock file names it.
  const RSlothouder& Houder() const { return houder_; }
  // The lock file of the last Vergrendelen.
  const std::string& Slotbestand() const { return slotbestand_; }

 private:
  int fd_ = -1;
  std::string slotbestand_;
  RSlothouder houder_;
};

// The lock file of a project file: ".~lock.NAME#" in the folder of the file (a symbolic link
// followed).
std::string SlotbestandVan(std::string_view projectbestand);

// This process as a lock file names it.
RSlothouder DezeHouder();

// How long a changing command waits for a lock that another holds.
inline constexpr std::chrono::milliseconds StandaardSlotWachttijd{2000};

// Takes the lock for a project that is about to be read and written back. True when it is
// held, and also when no lock file can be made there (the write itself will then meet its own
// error); false, after the message naming the holder (AB00004), when another holds it.
bool ProjectVergrendelen(Context& ctx, Projectslot& slot, std::string_view projectbestand,
                         std::chrono::milliseconds wachttijd = StandaardSlotWachttijd);

}  // namespace morvask
