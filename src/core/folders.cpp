#include "core/folders.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

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
  m.Tijdelijk = MetSlotBackslash(VanPad(fs::temp_directory_path(ec)));
  if (ec) m.Tijdelijk = "/tmp/";
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
