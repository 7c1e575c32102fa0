#include "core/folders.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "base/messages.h"
#include "core/files.h"
#include "core/text_utils.h"
#include "core/win1252.h"

namespace morvask {

namespace fs = std::filesystem;

std::string MetSlotBackslash(std::string_view pad) {
  std::string uit(pad);
  if (uit.empty() || uit.back() != Scheidingsteken) uit += Scheidingsteken;
  return uit;
}

Mappen MappenBepalen(const std::string& programmapad) {
  Mappen m;
  m.Programmapad = programmapad;
  std::error_code ec;
  m.Tijdelijk = TijdelijkeMapBepalen();
  m.Reservebestanden = StandaardReservemapBepalen();
  const fs::path map = NaarPad(programmapad).parent_path();
  if (fs::is_directory(map / "Lng", ec)) {
    m.Programma = MetSlotBackslash(VanPad(map));
  } else {
    m.Programma = MetSlotBackslash(VanPad(map.parent_path() / "share" / "morvask"));
  }
  return m;
}

bool BestandKopieren(std::string_view bronMap, std::string_view doelMap, std::string_view naam) {
  std::error_code ec;
  const fs::path bron = NaarPad(MetSlotBackslash(bronMap) + std::string(naam));
  const fs::path doel = NaarPad(MetSlotBackslash(doelMap) + std::string(naam));
  if (!fs::is_regular_file(bron, ec)) return false;
  return fs::copy_file(bron, doel, fs::copy_options::overwrite_existing, ec) && !ec;
}

namespace {

std::string Omgeving(const char* naam) {
  const char* w = std::getenv(naam);
  return w ? std::string(w) : std::string();
}

// A folder of an environment variable; a relative one is invalid and ignored.
std::string AbsoluteMap(const char* naam) {
  std::string m = Omgeving(naam);
  return !m.empty() && m[0] == '/' ? m : std::string();
}

std::string Thuismap() {
  std::string thuis = AbsoluteMap("HOME");
  if (thuis.empty())
    if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_dir && pw->pw_dir[0] == '/') thuis = pw->pw_dir;
  return thuis;
}

}  // namespace

std::string TijdelijkeMapBepalen() {
  std::error_code ec;
  if (const std::string runtime = AbsoluteMap("XDG_RUNTIME_DIR"); !runtime.empty() && fs::is_directory(runtime, ec))
    return MetSlotBackslash(runtime) + "morvask/";
  std::string tmp = AbsoluteMap("TMPDIR");
  if (tmp.empty()) tmp = "/tmp";
  return MetSlotBackslash(tmp) + "morvask-" + std::to_string(::geteuid()) + "/";
}

std::string StandaardReservemapBepalen() {
  std::string staat = AbsoluteMap("XDG_STATE_HOME");
  if (staat.empty()) {
    const std::string thuis = Thuismap();
    if (thuis.empty()) return TijdelijkeMapBepalen() + "Backups/";
    staat = MetSlotBackslash(thuis) + ".local/state";
  }
  return MetSlotBackslash(staat) + "Morvask/Backups/";
}

PriveMap PriveMapGereedMaken(std::string_view map) {
  std::string naam(map);
  while (naam.size() > 1 && naam.back() == '/') naam.pop_back();
  if (naam.empty()) return PriveMap::Mislukt;
  // The root is nobody's private folder.
  if (naam == "/") return PriveMap::Geweigerd;
  const fs::path pad = NaarPad(naam);
  struct stat st;
  if (::lstat(pad.c_str(), &st) != 0) {
    if (errno != ENOENT) return PriveMap::Mislukt;
    // The folders above it get the usual permissions and are not touched again; only the
    // folder itself is made private, by the mode it is created with.
    std::error_code ec;
    if (pad.has_parent_path()) fs::create_directories(pad.parent_path(), ec);
    if (::mkdir(pad.c_str(), 0700) != 0 && errno != EEXIST) return PriveMap::Mislukt;
  }
  // Whatever stands there now (made here or before, or planted in between) is opened without
  // following a link and checked before anything is changed.
  const int fd = ::open(pad.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) {
    if (::lstat(pad.c_str(), &st) == 0) return PriveMap::Geweigerd;
    return PriveMap::Mislukt;
  }
  PriveMap uitkomst = PriveMap::Gereed;
  if (::fstat(fd, &st) != 0)
    uitkomst = PriveMap::Mislukt;
  else if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid() || (st.st_mode & S_ISVTX) != 0)
    uitkomst = PriveMap::Geweigerd;  // a sticky folder is a shared one, such as /tmp itself
  else if ((st.st_mode & 077) != 0 && ::fchmod(fd, st.st_mode & 0700) != 0)
    uitkomst = PriveMap::Mislukt;
  ::close(fd);
  return uitkomst;
}

bool PriveMapGereed(Context& ctx, std::string_view map) {
  switch (PriveMapGereedMaken(map)) {
    case PriveMap::Gereed:
      return true;
    case PriveMap::Geweigerd:
      ToonFout(ctx.ui, ctx.catalogus, ctx.catalogus.Vul("AB00007", {PadVoorWeergave(map)}));
      return false;
    case PriveMap::Mislukt:
      break;
  }
  ToonFout(ctx.ui, ctx.catalogus, ctx.catalogus.Vul("AA00006", {PadVoorWeergave(map)}));
  return false;
}

std::string SpeciaalMapPad(int welke, const std::string& programmaMap) {
  auto omgeving = [](const char* naam) -> std::string {
    const char* w = std::getenv(naam);
    return w ? std::string(w) : std::string();
  };
  // A relative folder in an XDG variable is invalid and ignored: it would make the settings
  // depend on the working folder.
  auto absoluut = [](std::string m) { return !m.empty() && m[0] == '/' ? m : std::string(); };
  std::string map;
  if (welke == 0) {
    map = absoluut(omgeving("XDG_CONFIG_HOME"));
    if (map.empty()) {
      const std::string thuis = omgeving("HOME");
      if (!thuis.empty()) map = MetSlotBackslash(thuis) + ".config";
    }
  } else if (welke == 1) {
    const std::string mappen = omgeving("XDG_CONFIG_DIRS");
    for (std::size_t begin = 0; begin <= mappen.size() && map.empty();) {
      const std::size_t eind = std::min(mappen.find(':', begin), mappen.size());
      map = absoluut(mappen.substr(begin, eind - begin));
      begin = eind + 1;
    }
    if (map.empty()) map = "/etc/xdg";
  }
  if (map.empty()) return MetSlotBackslash(programmaMap);
  return MetSlotBackslash(Utf8NaarWin1252(map));
}

std::string OpdrachtregelBestand(const std::vector<std::string>& argumenten) {
  std::string samen;
  for (std::size_t i = 0; i < argumenten.size(); ++i) {
    if (i > 0) samen += ' ';
    samen += argumenten[i];
  }
  std::string zonder;
  for (char c : samen)
    if (c != '"') zonder += c;
  return Bijsnijden(zonder);
}

}  // namespace morvask
