#pragma once
// Writing a report to a file: as text (every window line followed by CR LF) or, for a report
// whose table holds data, as CSV (every row of the table, each cell in double quotes, the
// cells joined by commas). Files are Windows-1252 and are written whole or not at all.

#include <string>
#include <string_view>

#include "reports/report.h"

namespace morvask {

class Catalogus;
class Gebruikersinterface;

enum class Exportformaat { Tekst, Csv };

// The format the report is written in: CSV only when it was chosen and the report's table
// holds data; a text-only report is always written as text.
Exportformaat GeldigExportformaat(const Rapport& rapport, Exportformaat gekozen);

// ".txt" or ".csv".
std::string_view Exportextensie(Exportformaat formaat);

// The file name the save dialog proposes: the window caption up to, not including, its first
// ":", followed by the extension ("Rapport 3: Routes" gives "Rapport 3.txt"; a caption
// without ":" gives the bare ".txt").
std::string VoorgesteldeExportnaam(std::string_view caption, Exportformaat formaat);

// The chosen name with the extension appended unless it already ends in exactly that
// extension (the comparison is case-sensitive: "a.TXT" becomes "a.TXT.txt").
std::string ExportnaamMetExtensie(std::string_view naam, Exportformaat formaat);

// The bytes of the text export: every line of the report followed by CR LF.
std::string RapportAlsTekst(const Rapport& rapport);
// The bytes of the CSV export: for each row of the table, every cell enclosed in double
// quotes, joined by commas, followed by CR LF. Cells are written as stored; quotes inside
// them are not doubled.
std::string RapportAlsCsv(const Rapport& rapport);

// Writes the report to the file in the format (see GeldigExportformaat), the name used as it
// is. When the file cannot be written: the error "Kan bestand "%s" niet opslaan. ..."
// (AA00006) and false.
bool RapportExporteren(const Rapport& rapport, std::string_view bestandsnaam, Exportformaat formaat,
                       Gebruikersinterface& ui, const Catalogus& catalogus);

// What "&Exporteren..." does with the name chosen in the save dialog: completes the
// extension, asks "Bestand overschrijven?" (AA00195) when the file exists (only
// "&Overschrijven" goes on) and exports. False when nothing was written.
bool RapportExporterenNaarGekozenBestand(const Rapport& rapport, std::string_view gekozenNaam, Exportformaat formaat,
                                         Gebruikersinterface& ui, const Catalogus& catalogus);

}  // namespace morvask
