#pragma once
// How the program finds its folders when it starts, and the folder and file helpers.

#include <string>
#include <string_view>
#include <vector>

#include "base/program_folders.h"

namespace morvask {

// Determines the folders from the program file's path: the program folder is the
// executable's folder when Lng/ is beside it (a build tree), else <prefix>/share/morvask/.
Mappen MappenBepalen(const std::string& programmapad);

// Appends the separator when the path does not end with one.
std::string MetSlotBackslash(std::string_view pad);

// Copies source folder + name to target folder + name, overwriting the target.
bool BestandKopieren(std::string_view bronMap, std::string_view doelMap, std::string_view naam);

// 0: the user's roaming application-data folder ($XDG_CONFIG_HOME, else ~/.config);
// 1: the all-users one (the first of $XDG_CONFIG_DIRS, else /etc/xdg); with a trailing
// separator; the program folder when the system gives none. Relative XDG folders are ignored.
std::string SpeciaalMapPad(int welke, const std::string& programmaMap);

// The text of the command line after the program's own name: the arguments joined by spaces,
// double quotes removed, trimmed; empty without arguments.
std::string OpdrachtregelBestand(const std::vector<std::string>& argumenten);

}  // namespace morvask
