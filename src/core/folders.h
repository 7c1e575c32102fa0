#pragma once
// How the program finds its folders when it starts, and the folder and file helpers.

#include <string>
#include <string_view>
#include <vector>

#include "base/context.h"
#include "base/program_folders.h"

namespace morvask {

// Determines the folders from the program file's path: the program folder is the
// executable's folder when Lng/ is beside it (a build tree), else <prefix>/share/morvask/;
// the temporary and the default backup folder from the environment (below). Nothing is
// created here.
Mappen MappenBepalen(const std::string& programmapad);

// The user's temporary folder, a folder of the user's own: $XDG_RUNTIME_DIR/morvask/ when
// that folder exists, else $TMPDIR (or /tmp) + /morvask-<uid>/. With a trailing separator.
std::string TijdelijkeMapBepalen();

// The default backup folder, persistent and private: $XDG_STATE_HOME/Morvask/Backups/, else
// ~/.local/state/Morvask/Backups/. With a trailing separator.
std::string StandaardReservemapBepalen();

enum class PriveMap {
  Gereed,     // a folder of the user's own that only the user can enter
  Geweigerd,  // exists but is no folder, is a symbolic link, or belongs to another user
  Mislukt,    // could not be created
};

// Makes the folder ready to hold the user's private files. A missing folder is created with
// mode 0700 (missing folders above it with the usual permissions, never changed afterwards);
// an existing one is taken only when it is a folder of the user's own and no symbolic link,
// and is then closed to other users (0700). Nothing else is ever changed.
PriveMap PriveMapGereedMaken(std::string_view map);

// The same, with the message when the folder cannot be used: AB00007 for a refused folder,
// AA00006 for one that could not be created. True when ready.
bool PriveMapGereed(Context& ctx, std::string_view map);

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
