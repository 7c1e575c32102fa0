#pragma once
// The sections of the desktop program's benchmark.

#include <string>

namespace morvask::bench {

// The matching run with and without the program's user interface; true when the pump's
// overhead stays within its target.
bool PompSectie(int registraties, const std::string& werkmap);

}  // namespace morvask::bench
