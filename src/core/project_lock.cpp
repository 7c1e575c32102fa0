#include "core/project_lock.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <thread>

#include "base/messages.h"
#include "core/files.h"
#include "core/text_utils.h"
#include "core/win1252.h"

namespace morvask {

namespace fs = std::filesystem;

namespace {

// True when the name still refers to the open file: a holder removes its lock file when it
// releases, so a lock taken on a file that has just lost its name is no lock.
bool NaamIsVan(const std::string& naam, int fd) {
  struct stat a, b;
  return ::fstat(fd, &a) == 0 && ::lstat(naam.c_str(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The holder line: "user,host,process".
std::string HouderRegel(const RSlothouder& h) {
  return h.Gebruiker + "," + h.Computer + "," + std::to_string(h.Proces) + "\n";
}

RSlothouder HouderLezen(int fd) {
  RSlothouder h;
  char buf[512];
  const ssize_t n = ::pread(fd, buf, sizeof buf, 0);
  if (n <= 0) return h;
  std::string_view tekst(buf, static_cast<std::size_t>(n));
  tekst = tekst.substr(0, tekst.find('\n'));
  const std::size_t a = tekst.find(',');
  const std::size_t b = a == std::string_view::npos ? a : tekst.find(',', a + 1);
  if (b == std::string_view::npos) return h;
  h.Gebruiker = tekst.substr(0, a);
  h.Computer = tekst.substr(a + 1, b - a - 1);
  int proces = 0;
  if (ProbeerGetal(tekst.substr(b + 1), proces)) h.Proces = proces;
  return h;
}

}  // namespace

std::string SlotbestandVan(std::string_view projectbestand) {
  const fs::path doel = KoppelingVolgen(NaarPad(projectbestand));
  return VanPad(doel.parent_path() / (".~lock." + doel.filename().native() + "#"));
}

RSlothouder DezeHouder() {
  RSlothouder h;
  if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_name)
    h.Gebruiker = pw->pw_name;
  else
    h.Gebruiker = std::to_string(::geteuid());
  char host[HOST_NAME_MAX + 1] = {};
  if (::gethostname(host, sizeof host - 1) == 0) h.Computer = host;
  h.Proces = static_cast<long>(::getpid());
  return h;
}

Projectslot::~Projectslot() { Vrijgeven(); }

Projectslot::Projectslot(Projectslot&& ander) noexcept
    : fd_(ander.fd_), slotbestand_(std::move(ander.slotbestand_)), houder_(std::move(ander.houder_)) {
  ander.fd_ = -1;
}

Projectslot& Projectslot::operator=(Projectslot&& ander) noexcept {
  if (this != &ander) {
    Vrijgeven();
    fd_ = ander.fd_;
    slotbestand_ = std::move(ander.slotbestand_);
    houder_ = std::move(ander.houder_);
    ander.fd_ = -1;
  }
  return *this;
}

void Projectslot::Vrijgeven() {
  if (fd_ < 0) return;
  if (NaamIsVan(slotbestand_, fd_)) ::unlink(slotbestand_.c_str());
  ::close(fd_);
  fd_ = -1;
}

Slotuitkomst Projectslot::Vergrendelen(std::string_view projectbestand, std::chrono::milliseconds wachttijd) {
  Vrijgeven();
  houder_ = {};
  slotbestand_ = SlotbestandVan(projectbestand);
  const auto einde = std::chrono::steady_clock::now() + wachttijd;
  for (int links = 0;;) {
    const int fd = ::open(slotbestand_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
      // A symbolic link at the lock file's name is removed, never followed.
      if (errno == ELOOP && links++ < 3 && ::unlink(slotbestand_.c_str()) == 0) continue;
      return Slotuitkomst::Mislukt;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      if (!NaamIsVan(slotbestand_, fd)) {
        ::close(fd);
        continue;
      }
      // Taken, also over the file of a holder that died: it names this process now.
      const std::string regel = HouderRegel(DezeHouder());
      if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, regel.data(), regel.size(), 0) < 0) {
        // The lock holds without its line; the line only informs.
      }
      fd_ = fd;
      return Slotuitkomst::Vergrendeld;
    }
    const int fout = errno;
    if (fout != EWOULDBLOCK && fout != EINTR) {
      ::close(fd);
      return Slotuitkomst::Mislukt;
    }
    houder_ = HouderLezen(fd);
    ::close(fd);
    if (std::chrono::steady_clock::now() >= einde) return Slotuitkomst::Bezet;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

bool ProjectVergrendelen(Context& ctx, Projectslot& slot, std::string_view projectbestand,
                         std::chrono::milliseconds wachttijd) {
  switch (slot.Vergrendelen(projectbestand, wachttijd)) {
    case Slotuitkomst::Vergrendeld:
    case Slotuitkomst::Mislukt:
      return true;
    case Slotuitkomst::Bezet:
      break;
  }
  const RSlothouder& h = slot.Houder();
  const auto ofVraagteken = [](const std::string& s) { return s.empty() ? std::string("?") : Utf8NaarWin1252(s); };
  ToonFout(ctx.ui, ctx.catalogus,
           ctx.catalogus.Vul("AB00004", {PadVoorWeergave(projectbestand), ofVraagteken(h.Gebruiker),
                                         ofVraagteken(h.Computer), h.Proces > 0 ? std::to_string(h.Proces) : "?"}));
  return false;
}

}  // namespace morvask
