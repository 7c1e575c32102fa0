#pragma once
// What an operation works on: the open project, the program settings, the catalogue, the
// program's folders and the way to the user. Owned by the front end, passed explicitly.

#include "base/catalogue.h"
#include "base/program_folders.h"
#include "base/user_interface.h"

namespace morvask {

struct Project;
struct RProgrammaInstellingen;

struct Context {
  Project& project;
  RProgrammaInstellingen& instellingen;
  Catalogus& catalogus;
  Gebruikersinterface& ui;
  Mappen mappen;
  VasteTeksten vast = VasteTekstenInstellen(IngebouwdeTaal);
};

}  // namespace morvask
