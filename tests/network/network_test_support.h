#pragma once
// A context over a fresh project (interval 1) with the scripted user, for the network tests.

#include <string>
#include <vector>

#include "base/context.h"
#include "core/project.h"
#include "core/settings.h"
#include "support/fake_ui.h"

namespace morvask::test {

struct NetwerkOmgeving {
  Project project;
  RProgrammaInstellingen instellingen;
  Catalogus catalogus;
  NepUi ui;
  Context ctx{project, instellingen, catalogus, ui, Mappen{}};

  NetwerkOmgeving() { project.NieuwProject(catalogus, "Naamloos", "01-02-2024"); }

  void Posten(const std::vector<std::string>& codes) {
    for (const std::string& c : codes) project.PostToevoegen(c, "post " + c);
  }
  std::vector<std::string> Codes() const {
    std::vector<std::string> uit;
    for (const RWaarnemingspost& p : project.Postlijst) uit.push_back(p.Postcode.str());
    return uit;
  }
  std::vector<std::string> RegistratiePosten() const {
    std::vector<std::string> uit;
    for (const RRegistratie& r : project.Registratielijst) uit.push_back(r.Post.str());
    return uit;
  }
};

}  // namespace morvask::test
