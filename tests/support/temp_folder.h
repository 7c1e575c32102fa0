#pragma once
// A fresh, empty folder below the system's temporary folder for one test, removed afterwards.
// Its path (with a trailing separator) is a Windows-1252 text like every file name of the library.

#include <filesystem>
#include <string>

namespace morvask::test {

class TijdelijkeMap {
 public:
  TijdelijkeMap();
  ~TijdelijkeMap();
  TijdelijkeMap(const TijdelijkeMap&) = delete;
  TijdelijkeMap& operator=(const TijdelijkeMap&) = delete;

  // The folder with a trailing separator.
  const std::string& Pad() const { return pad_; }
  // Folder + name.
  std::string operator/(const std::string& naam) const { return pad_ + naam; }

  // Writes the bytes to folder + name, creating the folders in between.
  void Schrijf(const std::string& naam, const std::string& bytes) const;
  // The bytes of folder + name (empty when it cannot be read).
  std::string Lees(const std::string& naam) const;

 private:
  std::filesystem::path map_;
  std::string pad_;
};

}  // namespace morvask::test
