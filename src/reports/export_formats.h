#pragma once
// The formats of the export dialog: the text and CSV export of the report window, the report's
// values as data for spreadsheets and data tools (RFC 4180 CSV in UTF-8, as morvask-cli's
// --format data writes them), and PDF, the printed pages. What each format needs of the
// report, the extension of its files, and the whole of "&Exporteren..." once the save dialog
// has given a name.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "reports/report.h"

namespace morvask {

class Catalogus;
class Gebruikersinterface;

enum class Exportsoort { Tekst, Csv, Gegevens, Pdf };

// Whether the report can be exported in the format: text and PDF always, CSV when its table
// holds data, data when it has data values.
bool ExportsoortMogelijk(const Rapport& rapport, Exportsoort soort);

// The format the dialog shows checked for a report: the previous choice when the report offers
// it, else text.
Exportsoort BeginExportsoort(const Rapport& rapport, Exportsoort vorige);

// ".txt", ".csv" (CSV and data) or ".pdf".
std::string_view Exportsoortextensie(Exportsoort soort);

// The name the save dialog proposes: the caption up to, not including, its first ":", with
// the extension ("Rapport 3: Routes" gives "Rapport 3.pdf").
std::string VoorgesteldeNaam(std::string_view caption, Exportsoort soort);

// The chosen name with the extension appended unless it ends in exactly that extension.
std::string NaamMetExtensie(std::string_view naam, Exportsoort soort);

// The bytes of the data export: the report's values as CSV in UTF-8 (empty without values).
std::string RapportAlsGegevens(const Rapport& rapport);

// What "&Exporteren..." does with the name from the save dialog: completes the extension of
// the format that is written, asks "Bestand overschrijven?" (AA00195) when the file exists
// (only "&Overschrijven" goes on) and writes the file whole. Text and CSV are the report
// window's export (a report without table data is written as text); the PDF's bytes come
// from maakPdf, called only once the name is settled (no value: nothing is written, the maker
// has said why). When the file cannot be written: "Kan bestand "%s" niet opslaan. ..."
// (AA00006). The name of the file written, or nothing when nothing was written.
std::optional<std::string> ExporterenNaarGekozenBestand(
    const Rapport& rapport, std::string_view gekozenNaam, Exportsoort soort, Gebruikersinterface& ui,
    const Catalogus& catalogus, const std::function<std::optional<std::string>()>& maakPdf = {});

}  // namespace morvask
