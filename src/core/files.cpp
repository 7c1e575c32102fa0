#include "core/files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <system_error>

#include "core/win1252.h"

namespace morvask {

namespace fs = std::filesystem;

fs::path NaarPad(std::string_view bestandsnaam) { return fs::path(std::string(bestandsnaam)); }

std::string VanPad(const fs::path& pad) { return pad.native(); }

std::string PadVoorWeergave(std::string_view bestandsnaam) { return Utf8NaarWin1252(bestandsnaam); }

bool BestandBestaat(std::string_view bestandsnaam) {
  std::error_code ec;
  return !bestandsnaam.empty() && fs::is_regular_file(NaarPad(bestandsnaam), ec);
}

bool MapBestaat(std::string_view map) {
  std::error_code ec;
  return !map.empty() && fs::is_directory(NaarPad(map), ec);
}

std::optional<std::string> BestandLezen(std::string_view bestandsnaam) {
  std::error_code ec;
  const fs::path pad = NaarPad(bestandsnaam);
  if (bestandsnaam.empty() || fs::is_directory(pad, ec)) return std::nullopt;
  std::ifstream in(pad, std::ios::binary);
  if (!in) return std::nullopt;
  std::string inhoud;
  in.seekg(0, std::ios::end);
  const auto grootte = in.tellg();
  if (grootte > 0) {
    inhoud.resize(static_cast<std::size_t>(grootte));
    in.seekg(0, std::ios::beg);
    in.read(inhoud.data(), grootte);
    inhoud.resize(static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) return std::nullopt;
  return inhoud;
}

std::vector<std::string_view> RegelsDelen(std::string_view tekst) {
  std::vector<std::string_view> regels;
  if (tekst.empty()) return regels;
  // One line per line feed (plus a last line without one): counted first, so the list is
  // allocated once.
  std::size_t aantal = 1;
  for (const char *p = tekst.data(), *eind = p + tekst.size();
       (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(eind - p)))) != nullptr; ++p)
    ++aantal;
  regels.reserve(aantal);
  std::size_t begin = 0;
  while (begin < tekst.size()) {
    const std::size_t eind = tekst.find('\n', begin);
    if (eind == std::string_view::npos) {
      regels.push_back(tekst.substr(begin));
      break;
    }
    std::size_t len = eind - begin;
    if (len > 0 && tekst[eind - 1] == '\r') --len;
    regels.push_back(tekst.substr(begin, len));
    begin = eind + 1;
  }
  return regels;
}

std::vector<std::string> RegelsSplitsen(std::string_view tekst) {
  const std::vector<std::string_view> delen = RegelsDelen(tekst);
  return {delen.begin(), delen.end()};
}

std::string RegelsSamenvoegen(const std::vector<std::string>& regels) {
  std::size_t totaal = 0;
  for (const auto& r : regels) totaal += r.size() + 2;
  std::string uit;
  uit.reserve(totaal);
  for (const auto& r : regels) {
    uit += r;
    uit += "\r\n";
  }
  return uit;
}

fs::path TijdelijkeNaamBij(const fs::path& doel) {
  return doel.parent_path() / ("." + doel.filename().native() + ".morvask-tmp");
}

fs::path KoppelingVolgen(const fs::path& pad) {
  fs::path p = pad;
  // As many links as the system itself follows; a loop ends at a link.
  for (int stap = 0; stap < 40; ++stap) {
    struct stat st;
    if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
    std::error_code ec;
    const fs::path doel = fs::read_symlink(p, ec);
    if (ec) return p;
    p = doel.is_absolute() ? doel : p.parent_path() / doel;
  }
  return p;
}

namespace {

// The permissions a new file gets from open(): 0666 less the umask. Read from the process
// status, so the process-wide umask is never changed, not even for a moment.
unsigned Standaardrechten() {
  std::ifstream status("/proc/self/status");
  std::string regel;
  while (std::getline(status, regel))
    if (regel.rfind("Umask:", 0) == 0)
      return 0666u & ~static_cast<unsigned>(std::strtoul(regel.c_str() + 6, nullptr, 8));
  return 0644;
}

bool ZelfdeBestand(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// True when the name still refers to the open file.
bool NaamIsVan(const fs::path& naam, int fd) {
  struct stat a, b;
  return ::fstat(fd, &a) == 0 && ::lstat(naam.c_str(), &b) == 0 && ZelfdeBestand(a, b);
}

}  // namespace

AtomischBestand::~AtomischBestand() { Afbreken(); }

void AtomischBestand::Afbreken() {
  if (fd_ < 0) return;
  // Removed only while it is still the sibling this writer made and holds.
  if (NaamIsVan(tijdelijk_, fd_)) ::unlink(tijdelijk_.c_str());
  ::close(fd_);
  fd_ = -1;
  goed_ = false;
}

bool AtomischBestand::Openen(std::string_view bestandsnaam, RSchrijfwijze wijze) {
  Afbreken();
  if (bestandsnaam.empty()) return false;
  doel_ = NaarPad(bestandsnaam);
  if (wijze.KoppelingVolgen) doel_ = KoppelingVolgen(doel_);
  struct stat st;
  bestond_ = false;
  if (::lstat(doel_.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return false;
    // A link that could not be followed to its end (a loop) is not replaced by a file.
    if (S_ISLNK(st.st_mode) && wijze.KoppelingVolgen) return false;
    if (!S_ISLNK(st.st_mode)) {
      // A file the user made read-only is not replaced behind his back.
      if ((st.st_mode & 0222) == 0) return false;
      bestond_ = true;
      rechten_ = st.st_mode & 0777;
    }
  } else if (errno != ENOENT) {
    return false;
  }
  if (wijze.Prive)
    rechten_ = 0600;
  else if (!bestond_)
    rechten_ = Standaardrechten();

  // The sibling has a fixed name, so a killed run's leftover is found and reused. Its lock
  // tells a leftover (nobody holds it) from the sibling of a writer at work this moment; a
  // symbolic link planted at its name is removed, never followed.
  tijdelijk_ = TijdelijkeNaamBij(doel_);
  for (int poging = 0; poging < 10; ++poging) {
    const int fd = ::open(tijdelijk_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
      if (errno == ELOOP && ::unlink(tijdelijk_.c_str()) == 0) continue;
      return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      ::close(fd);
      return false;
    }
    struct stat eigen;
    // The writer before may have renamed or removed the sibling after this open.
    if (!NaamIsVan(tijdelijk_, fd) || ::fstat(fd, &eigen) != 0) {
      ::close(fd);
      continue;
    }
    // A leftover of another user is not written into.
    if (!S_ISREG(eigen.st_mode) || eigen.st_uid != ::geteuid()) {
      ::close(fd);
      if (::unlink(tijdelijk_.c_str()) == 0) continue;
      return false;
    }
    if (::ftruncate(fd, 0) != 0 || ::fchmod(fd, rechten_) != 0) {
      ::unlink(tijdelijk_.c_str());
      ::close(fd);
      return false;
    }
    fd_ = fd;
    goed_ = true;
    return true;
  }
  return false;
}

bool AtomischBestand::Schrijven(std::string_view inhoud) {
  if (fd_ < 0 || !goed_) return false;
  for (std::size_t geschreven = 0; geschreven < inhoud.size();) {
    const ssize_t n = ::write(fd_, inhoud.data() + geschreven, inhoud.size() - geschreven);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      goed_ = false;
      return false;
    }
    geschreven += static_cast<std::size_t>(n);
  }
  return true;
}

bool AtomischBestand::Voltooien() {
  if (fd_ < 0) return false;
  // Forced to disk before it replaces the target, so a crash leaves the old file or the new.
  if (!goed_ || ::fsync(fd_) != 0 || !NaamIsVan(tijdelijk_, fd_) || ::rename(tijdelijk_.c_str(), doel_.c_str()) != 0) {
    Afbreken();
    return false;
  }
  // The rename itself made durable.
  const fs::path map = doel_.parent_path().empty() ? fs::path(".") : doel_.parent_path();
  const int mapFd = ::open(map.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (mapFd >= 0) {
    ::fsync(mapFd);
    ::close(mapFd);
  }
  ::close(fd_);
  fd_ = -1;
  goed_ = false;
  return true;
}

bool BestandAtomischSchrijven(std::string_view bestandsnaam, std::string_view inhoud, RSchrijfwijze wijze) {
  AtomischBestand bestand;
  return bestand.Openen(bestandsnaam, wijze) && bestand.Schrijven(inhoud) && bestand.Voltooien();
}

bool RegelsAtomischSchrijven(std::string_view bestandsnaam, const std::vector<std::string>& regels,
                             RSchrijfwijze wijze) {
  return BestandAtomischSchrijven(bestandsnaam, RegelsSamenvoegen(regels), wijze);
}

namespace {
std::size_t NaamBegin(std::string_view n) {
  const std::size_t p = n.find_last_of('/');
  return p == std::string_view::npos ? 0 : p + 1;
}
}  // namespace

std::string ZonderExtensie(std::string_view bestandsnaam) {
  const std::size_t begin = NaamBegin(bestandsnaam);
  const std::size_t punt = bestandsnaam.rfind('.');
  if (punt == std::string_view::npos || punt < begin) return std::string(bestandsnaam);
  return std::string(bestandsnaam.substr(0, punt));
}

std::string Extensie(std::string_view bestandsnaam) {
  const std::size_t begin = NaamBegin(bestandsnaam);
  const std::size_t punt = bestandsnaam.rfind('.');
  if (punt == std::string_view::npos || punt < begin) return {};
  return std::string(bestandsnaam.substr(punt));
}

std::string AlleenNaam(std::string_view bestandsnaam) {
  return std::string(bestandsnaam.substr(NaamBegin(bestandsnaam)));
}

}  // namespace morvask
