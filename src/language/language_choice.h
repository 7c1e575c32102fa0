#pragma once
// What the language window does: the lists of languages and help files it offers, and the
// applying of the choice on "&OK".

#include <optional>
#include <string>
#include <vector>

#include "language/translation.h"

namespace morvask {

struct Context;

// The names of the files in the folder with the extension (letter case ignored), the
// extension removed; nothing when the folder cannot be listed.
std::optional<std::vector<std::string>> BestandenMetExtensie(const std::string& map, const std::string& extensie);

// The language list: "Nederlands" and every language file of Lng/, sorted alphabetically
// (letter case ignored). When Lng/ cannot be listed shows "Folder not found: \"%s\"" and
// the list holds only "Nederlands".
std::vector<std::string> BeschikbareTalen(Context& ctx);
// The help list: every help file of Hlp/, sorted; the same message when Hlp/ cannot be listed.
std::vector<std::string> BeschikbareHelpbestanden(Context& ctx);

// "&OK" of the language window. With a language: the texts switch to it, the fixed texts
// follow, the windows are translated; choosing "Nederlands" shows the notice that a restart
// brings back the built-in texts. With a help file: it becomes the help language. Returns
// the new help file when one was chosen.
std::optional<std::string> TaalKeuzeToepassen(Context& ctx, std::vector<RScherm>& schermen,
                                              const std::optional<std::string>& taal,
                                              const std::optional<std::string>& help, std::string_view organisatie);

}  // namespace morvask
