#pragma once
// The help topics the windows open: the anchor "#topic-N" of the help file. Every number here
// has its topic in both help files.

namespace morvask::gui {

inline constexpr int HelpVoorbeeldproject = 20;  // "&Voorbeeldproject": a walk through the example
inline constexpr int HelpVeelGesteldeVragen = 40;
inline constexpr int HelpInhoud = 80;            // "In&houd" (F1)
inline constexpr int HelpProjectgegevens = 240;  // the project data dialog
inline constexpr int HelpInstellingen = 280;     // the settings dialog
inline constexpr int HelpExporteren = 640;       // export, and exporting to a spreadsheet
inline constexpr int HelpAfdrukken = 650;        // printing and the print preview

}  // namespace morvask::gui
