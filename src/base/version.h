#pragma once
// The program's version: major.minor for titles and report headers ("4.4"), the full
// major.minor.release ("4.4.0") and the build number for the information window.

#include <string>

namespace morvask {

// "4.4"
std::string Hoofdversie();
// "4.4.0"
std::string VolledigeVersie();
// The build number: the number of the build the packages were made from (0 in a developer's
// build).
int Buildnummer();

}  // namespace morvask
