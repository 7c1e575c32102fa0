#pragma once
// The sections of the desktop program's benchmark, and their printing.

#include <cstdio>
#include <string>

#include "measure.h"

namespace morvask::gui {
class THoofdForm;
}

namespace morvask::bench {

// One line per measurement: what, the time, the target and "ok" or "MISSED".
inline void Uitslag(const char* wat, double seconden, double doel) {
  std::printf("   %-45s %9.3f s   target < %.1f s   %s\n", wat, seconden, doel, seconden < doel ? "ok" : "MISSED");
  std::fflush(stdout);
}

void RapportvensterSectie(gui::THoofdForm& hoofd);
void AfdrukkenSectie();
// The matching run with and without the program's user interface; true when the pump's
// overhead stays within its target.
bool PompSectie(int registraties, const std::string& werkmap);

}  // namespace morvask::bench
