#pragma once
// The program's version: major.minor for titles and report headers ("4.4"), the full
// major.minor.release ("4.4.0") and the build number for the information window.

#include <string>

namespace morvask {

// The maker named in the web-link texts ("%s @ internet...") and the project's home page.
inline constexpr const char* Organisatie = "Morvask";
inline constexpr const char* Webadres = "https://morvask.example/";

// "4.4"
std::string Hoofdversie();
// "4.4.0"
std::string VolledigeVersie();
// The build number: the number of the build the packages were made from (0 in a developer's
// build).
int Buildnummer();

}  // namespace morvask
