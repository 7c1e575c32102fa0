#include "core/files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

#include "core/win1252.h"

namespace morvask {

namespace fs = std::filesystem;

fs::path NaarPad(std::string_view bestandsnaam) {
  const std::string utf8 = Win1252NaarUtf8(bestandsnaam);
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string VanPad(const fs::path& pad) {
  const std::u8string u = pad.u8string();
  return Utf8NaarWin1252(std::string_view(reinterpret_cast<const char*>(u.data()), u.size()));
}

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

bool BestandAtomischSchrijven(std::string_view bestandsnaam, std::string_view inhoud) {
  if (bestandsnaam.empty()) return false;
  const fs::path doel = NaarPad(bestandsnaam);
  std::error_code ec;
  const fs::file_status status = fs::status(doel, ec);
  if (fs::is_directory(status)) return false;
  const bool bestaat = fs::exists(status);
  // A file the user made read-only is not replaced behind his back.
  constexpr fs::perms schrijven = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  if (bestaat && (status.permissions() & schrijven) == fs::perms::none) return false;

  // A temporary file beside the target that no file had yet (O_EXCL), written whole and
  // forced to disk before it replaces the target, so a crash leaves the old file or the new.
  fs::path tijdelijk;
  int fd = -1;
  std::random_device rd;
  for (int poging = 0; poging < 100 && fd < 0; ++poging) {
    tijdelijk = doel;
    tijdelijk += ".tmp" + std::to_string(rd() % 1000000);
    fd = ::open(tijdelijk.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;
  bool goed = true;
  for (std::size_t geschreven = 0; goed && geschreven < inhoud.size();) {
    const ssize_t n = ::write(fd, inhoud.data() + geschreven, inhoud.size() - geschreven);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0)
      goed = false;
    else
      geschreven += static_cast<std::size_t>(n);
  }
  if (goed && ::fsync(fd) != 0) goed = false;
  if (::close(fd) != 0) goed = false;
  if (!goed) {
    fs::remove(tijdelijk, ec);
    return false;
  }
  // The replaced file keeps its permissions (a private project stays private).
  if (bestaat) fs::permissions(tijdelijk, status.permissions() & fs::perms::mask, ec);
  fs::rename(tijdelijk, doel, ec);
  if (ec) {
    fs::remove(tijdelijk, ec);
    return false;
  }
  return true;
}

bool RegelsAtomischSchrijven(std::string_view bestandsnaam, const std::vector<std::string>& regels) {
  return BestandAtomischSchrijven(bestandsnaam, RegelsSamenvoegen(regels));
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
