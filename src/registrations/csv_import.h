#pragma once
// The CSV import of registrations ("Registraties importeren"): a delimited text file with
// four fields per line - post code, time, vehicle type, plate - appended to the end of the
// registration list without checks. The registration file check finds what is wrong.

#include <cstddef>
#include <string>
#include <string_view>

namespace morvask {

struct Context;
struct RRegistratie;

// The filter of the window's file dialog.
inline constexpr const char* CsvBestandsfilter = "CSV-files (*.csv)|*.csv|All files (*.*)|*.*";

// A line whose trimmed length is this or less is skipped (short and empty lines, a short
// header line).
inline constexpr std::size_t CsvKortsteRegel = 11;

// The fields of the window.
struct RCsvImportVelden {
  std::string Bestand;                // "CSV-import van &bestand:"; empty: nothing to import
  std::string Scheidingsteken = ";";  // "Scheidingsteken &velden:"; empty: no line is split
  std::string Veldmarkering = "\"";   // "Teken veldmar&kering:"; empty: fields have no quotes
};

// Field n (1..4) of a line: the text after the (n-1)th separator up to the next one, trimmed
// of spaces and control characters, then one quote removed at its start and one at its end.
// A line with fewer fields yields its last field again. Separators inside quotes split.
std::string CsvVeld(std::string_view regel, int n, std::string_view scheidingsteken, std::string_view veldmarkering);

// The registration of one line, as the import appends it: the post in lower case, the time
// normalised when it is a whole number of zero or more (875 becomes 0915), otherwise as it
// stands, the vehicle type in lower case and the plate as it stands, each cut to its width.
// False for a line that is skipped.
bool CsvRegelNaarRegistratie(std::string_view regel, const RCsvImportVelden& velden, RRegistratie& registratie);

// "I&mporteren". With an empty file field nothing happens (false). The file is read as
// Windows-1252; a file that begins with the UTF-8 byte-order mark is UTF-8 and converted.
// Lines end at LF, CR LF or a lone CR. When the file cannot be read: the error "Kan bestand
// %s niet openen." and nothing changes (false). Otherwise every line longer than 11
// characters (trimmed) becomes a registration at the end of the list, the project is marked
// changed, the menu codes 11 and 31 are re-evaluated and "Registraties geimporteerd. ..." is
// shown (true).
bool CsvImporteren(Context& ctx, const RCsvImportVelden& velden);

}  // namespace morvask
