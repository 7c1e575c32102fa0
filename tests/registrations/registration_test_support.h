#pragma once
// A project context for the registration tests: a temporary folder of its own, a scripted
// user who, when asked to confirm that the external editor is done, first waits until the
// editor script has left its "done" mark, and helpers to fill the project.

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "base/context.h"
#include "core/files.h"
#include "core/project.h"
#include "core/settings.h"
#include "support/fake_ui.h"
#include "support/temp_folder.h"

namespace morvask::test {

// The user who presses "&OK" of the "when you are done" message only once the editor has
// finished its work (the script writes the mark as its last step), as a real user would.
class WachtendeUi : public NepUi {
 public:
  std::string klaarMarkering;  // empty: answer at once

  ModaalResultaat MeldingInformatie(const std::string& c, const std::string& t, const std::string& x,
                                    const std::string& ok) override {
    const ModaalResultaat r = NepUi::MeldingInformatie(c, t, x, ok);
    if (!klaarMarkering.empty()) {
      const auto eind = std::chrono::steady_clock::now() + std::chrono::seconds(20);
      while (!BestandBestaat(klaarMarkering) && std::chrono::steady_clock::now() < eind)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return r;
  }
};

struct Registratieomgeving {
  TijdelijkeMap map;
  Project project;
  RProgrammaInstellingen instellingen;
  Catalogus catalogus;
  WachtendeUi ui;
  Context ctx{project, instellingen, catalogus, ui, Mappen{}};

  Registratieomgeving() {
    ctx.mappen.Tijdelijk = map / "tmp/";
    std::filesystem::create_directories(NaarPad(map / "tmp"));
    project.NieuwProject(catalogus, "Naamloos", "01-02-2024");
    project.PostToevoegen("001-ki", "Noord in");
    project.PostToevoegen("002-ku", "Zuid uit");
  }

  std::string Tempbestand() const { return ctx.mappen.Tijdelijk + "Morvask.txt"; }

  void Registraties(const std::vector<std::string>& regels) {
    project.Registratielijst.clear();
    for (const auto& r : regels) project.Registratielijst.push_back(RRegistratie::UitRegel(r));
  }
  std::vector<std::string> Regels() const {
    std::vector<std::string> uit;
    for (const auto& r : project.Registratielijst) uit.push_back(r.Regel());
    return uit;
  }
  bool Gewijzigd() const { return project.Gegevens.ProjectgegevensbestandGewijzigd; }
};

}  // namespace morvask::test
