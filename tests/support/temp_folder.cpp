#include "support/temp_folder.h"

#include <atomic>
#include <fstream>
#include <random>
#include <system_error>

#include "core/files.h"

namespace morvask::test {

namespace fs = std::filesystem;

TijdelijkeMap::TijdelijkeMap() {
  static std::atomic<int> teller{0};
  std::random_device rd;
  for (;;) {
    map_ = fs::temp_directory_path() /
           ("morvask-test-" + std::to_string(rd() % 100000000) + "-" + std::to_string(teller++));
    std::error_code ec;
    if (fs::create_directory(map_, ec)) break;
  }
  pad_ = VanPad(map_) + "/";
}

TijdelijkeMap::~TijdelijkeMap() {
  std::error_code ec;
  fs::remove_all(map_, ec);
}

void TijdelijkeMap::Schrijf(const std::string& naam, const std::string& bytes) const {
  const fs::path pad = NaarPad(pad_ + naam);
  std::error_code ec;
  fs::create_directories(pad.parent_path(), ec);
  std::ofstream uit(pad, std::ios::binary | std::ios::trunc);
  uit.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TijdelijkeMap::Lees(const std::string& naam) const { return BestandLezen(pad_ + naam).value_or(""); }

}  // namespace morvask::test
