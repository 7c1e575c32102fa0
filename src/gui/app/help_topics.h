#pragma once
// The help topics the windows open: the anchor "#topic-N" of the help file. Every number here
// has its topic in both help files (a window test holds them together).

#include <array>

namespace morvask::gui {

inline constexpr int HelpVoorbeeldproject = 20;  // "&Voorbeeldproject", and the numbering of posts
inline constexpr int HelpVeelGesteldeVragen = 40;
inline constexpr int HelpInhoud = 80;            // "In&houd" (F1): the contents and the main window
inline constexpr int HelpProjectgegevens = 240;  // the project data dialog
inline constexpr int HelpInstellingen = 280;     // the settings dialog
inline constexpr int HelpRegistratiesInvoeren = 440;
inline constexpr int HelpRegistratiesBewerken = 480;  // the internal editor and the external round trip
inline constexpr int HelpDoorrijtijden = 520;         // both travel-time windows
inline constexpr int HelpWaarnemingsposten = 580;     // the post list and the post dialog
inline constexpr int HelpVoertuigtypen = 600;
inline constexpr int HelpRapportvensters = 620;  // report windows and "Opmaak rapport"
inline constexpr int HelpExporteren = 640;       // export, and exporting to a spreadsheet
inline constexpr int HelpAfdrukken = 660;        // printing and the print preview
inline constexpr int HelpTaal = 700;             // the language window
inline constexpr int HelpCsvImport = 760;
inline constexpr int HelpControleren = 780;    // the registration file check
inline constexpr int HelpImportProject = 800;  // import from another project
inline constexpr int HelpAantekeningen = 820;
inline constexpr int HelpIntensiteiten = 860;
inline constexpr int HelpKentekenvergelijking = 900;
inline constexpr int HelpVergelijkingsrapport = 940;
inline constexpr int HelpTijdenWijzigen = 990;  // time correction of one post

inline constexpr std::array HelpTopics = {HelpVoorbeeldproject,
                                          HelpVeelGesteldeVragen,
                                          HelpInhoud,
                                          HelpProjectgegevens,
                                          HelpInstellingen,
                                          HelpRegistratiesInvoeren,
                                          HelpRegistratiesBewerken,
                                          HelpDoorrijtijden,
                                          HelpWaarnemingsposten,
                                          HelpVoertuigtypen,
                                          HelpRapportvensters,
                                          HelpExporteren,
                                          HelpAfdrukken,
                                          HelpTaal,
                                          HelpCsvImport,
                                          HelpControleren,
                                          HelpImportProject,
                                          HelpAantekeningen,
                                          HelpIntensiteiten,
                                          HelpKentekenvergelijking,
                                          HelpVergelijkingsrapport,
                                          HelpTijdenWijzigen};

}  // namespace morvask::gui
