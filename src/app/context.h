#pragma once
// What an operation works on: the open project, the program settings, the catalogue, the
// program's folders and the way to the user. Owned by the front end, passed explicitly.

#include "app/folders.h"
#include "app/user_interface.h"
#include "core/project.h"
#include "core/settings.h"
#include "language/catalogue.h"

namespace morvask {

struct Context {
  Project& project;
  RProgrammaInstellingen& instellingen;
  Catalogus& catalogus;
  Gebruikersinterface& ui;
  Mappen mappen;
  VasteTeksten vast = VasteTekstenInstellen(IngebouwdeTaal);
};

}  // namespace morvask
