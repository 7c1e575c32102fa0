#pragma once
// A program folder of its own with a Context over it, for the language tests.

#include <string>

#include "base/catalogue.h"
#include "base/context.h"
#include "core/project.h"
#include "core/settings.h"
#include "support/fake_ui.h"
#include "support/temp_folder.h"

namespace morvask::test {

class TaalOmgeving {
 public:
  TaalOmgeving() : ctx{project, instellingen, catalogus, ui, Mappen{}} { ctx.mappen.Programma = map.Pad(); }

  // Writes Lng/<taal>.lng with the given bytes.
  void Taal(const std::string& taal, const std::string& bytes) { map.Schrijf("Lng/" + taal + ".lng", bytes); }

  TijdelijkeMap map;
  Project project;
  RProgrammaInstellingen instellingen;
  Catalogus catalogus;
  NepUi ui;
  Context ctx;
};

}  // namespace morvask::test
