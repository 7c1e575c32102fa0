#pragma once
// A temporary folder and a context over a fresh project for the project file tests.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "base/context.h"
#include "core/files.h"
#include "core/project.h"
#include "core/settings.h"
#include "support/fake_ui.h"
#include "support/temp_folder.h"

namespace morvask::test {

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
    ctx.mappen.Tijdelijk = (map / "tmp/");
    std::filesystem::create_directories((map / "tmp"));
    std::filesystem::create_directories((map / "backup"));
    instellingen.Reservebestandendirectory = (map / "backup/");
    Nieuw();
  }

  // Resets the project as the main window does before it opens a file.
  void Nieuw() { project.NieuwProject(catalogus, "Naamloos", "01-02-2024"); }

  std::string Lees(const std::string& naam) const { return BestandLezen((map / naam)).value_or("<missing>"); }
  void Schrijf(const std::string& naam, const std::string& inhoud) const {
    ASSERT_TRUE(BestandAtomischSchrijven((map / naam), inhoud));
  }
};

}  // namespace morvask::test
