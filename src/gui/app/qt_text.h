#pragma once
// The edge between the library's Windows-1252 texts and Qt's QString, and between path names
// and QString.

#include <QString>
#include <string>
#include <string_view>

namespace morvask::gui {

// A library text as Qt shows it.
QString NaarQt(std::string_view win1252);
// A text the user typed or Qt holds, as a library text; what Windows-1252 cannot hold
// becomes "?".
std::string VanQt(const QString& tekst);
// A message text: every CR LF and lone CR a line break.
QString MeldingNaarQt(std::string_view win1252);

// A path name as the library holds it (the system's bytes, as morvask-cli takes it from the
// command line) as Qt shows it, and back: "/home/jan/België/a.mpr" from a file dialog is the
// file the library opens. A path shown inside a message goes through the library's
// PadVoorWeergave, as every other text of a message is Windows-1252.
QString PadNaarQt(const std::string& pad);
std::string PadVanQt(const QString& pad);

}  // namespace morvask::gui
