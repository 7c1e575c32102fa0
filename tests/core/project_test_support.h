#pragma once
// A temporary folder and a context over a fresh project for the project file tests.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "app/context.h"
#include "core/files.h"
#include "support/fake_ui.h"

namespace morvask::test {

// A new empty folder below the system's temporary folder, removed with everything in it.
class TijdelijkeMap {
 public:
  TijdelijkeMap() {
    std::string sjabloon = (std::filesystem::temp_directory_path() / "morvask-test-XXXXXX").string();
    if (!mkdtemp(sjabloon.data())) std::abort();
    pad_ = sjabloon;
  }
  ~TijdelijkeMap() {
    std::error_code ec;
    std::filesystem::remove_all(pad_, ec);
  }
  TijdelijkeMap(const TijdelijkeMap&) = delete;
  TijdelijkeMap& operator=(const TijdelijkeMap&) = delete;

  // The folder with a trailing separator.
  std::string Map() const { return pad_.string() + "/"; }
  std::string Pad(const std::string& naam) const { return Map() + naam; }

 private:
  std::filesystem::path pad_;
};

// The open project, the settings, the catalogue and the scripted user of one test. Backups
// go to their own folder below the test folder unless a test changes the settings.
struct ProjectOmgeving {
  TijdelijkeMap map;
  Project project;
  RProgrammaInstellingen instellingen;
  Catalogus catalogus;
  NepUi ui;
  Context ctx{project, instellingen, catalogus, ui, Mappen{}};

  ProjectOmgeving() {
    ctx.mappen.Tijdelijk = map.Pad("tmp/");
    std::filesystem::create_directories(map.Pad("tmp"));
    std::filesystem::create_directories(map.Pad("backup"));
    instellingen.Reservebestandendirectory = map.Pad("backup/");
    Nieuw();
  }

  // Resets the project as the main window does before it opens a file.
  void Nieuw() { project.NieuwProject(catalogus, "Naamloos", "01-02-2024"); }

  std::string Lees(const std::string& naam) const { return BestandLezen(map.Pad(naam)).value_or("<missing>"); }
  void Schrijf(const std::string& naam, const std::string& inhoud) const {
    ASSERT_TRUE(BestandAtomischSchrijven(map.Pad(naam), inhoud));
  }
};

}  // namespace morvask::test
