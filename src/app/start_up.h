#pragma once
// How the program starts: what the main window's creation sets up before any window is shown,
// the order of the start-up steps, and the order in which the windows are created.

#include <optional>
#include <string>
#include <vector>

#include "base/context.h"

namespace morvask {

// The main window's creation as far as it is not a window's: the settings read (a missing
// file gives the defaults), the catalogue and the fixed texts at their Dutch defaults, then
// the texts of the language - the one given, else the settings' own - and the help file of
// the settings' help language. A language given by name must have its file: otherwise "File
// not found" is shown and the result is false. The settings' own language falls back to
// Dutch silently when its file is gone. A settings file that cannot be read to its end shows
// its message and leaves what was read before it.
bool ProgrammaInstellen(Context& ctx, const std::string& instellingenbestand,
                        const std::optional<std::string>& taal = std::nullopt);

// The help file chosen at start-up: Hlp/<help language>.html below the program folder.
std::string StartHelpbestand(const Context& ctx);

// The steps of the program's start, in order.
enum class Opstartstap {
  HoofdvensterMaken,   // created invisible; its creation runs ProgrammaInstellen
  OpstartinfoTonen,    // shown without blocking; after 1800 ms it hides itself
  BerichtenVerwerken,  // pending messages run
  VenstersMaken,       // every other window, in VensterAanmaakvolgorde
  BerichtenEnWachten,  // pending messages run, then 1300 ms pass
  HoofdvensterTonen,   // shown; its first activation follows (EersteActivering)
};
const std::vector<Opstartstap>& Opstartvolgorde();

// The windows the program creates after the main window, in this order (their component names).
const std::vector<std::string>& VensterAanmaakvolgorde();

}  // namespace morvask
