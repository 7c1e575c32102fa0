#pragma once
// Which commands of the main window are enabled: the rules of InMenuChecken, as a function of
// the project and the number of open report windows. The main window applies the states to
// its menu items and their tool buttons (which share the item's action), by component name.

#include <string_view>
#include <vector>

#include "base/user_interface.h"

namespace morvask {

struct Project;

// What the rules look at.
struct RMenuGegevens {
  bool Gewijzigd = false;  // the project's changed flag
  int AantalPosten = 0;
  int AantalRegistraties = 0;
  int AantalRapportvensters = 0;
};

RMenuGegevens MenuGegevens(const Project& project, int rapportvensters);

// One command and whether it is enabled.
struct RMenuStand {
  std::string_view Naam;  // the menu item's component name, "Projectopslaan1"
  bool Aan = false;
};

// The commands one code governs, in the order of the command table, with their states.
std::vector<RMenuStand> MenuStanden(MenuCode code, const RMenuGegevens& gegevens);

// Every governed command: the codes 11, 21, 31 and 101 in this order.
std::vector<RMenuStand> AlleMenuStanden(const RMenuGegevens& gegevens);

// The codes in the order a reset evaluates them.
inline constexpr MenuCode AlleMenuCodes[] = {mcOpslaan, mcPosten, mcRegistraties, mcRapporten};

}  // namespace morvask
