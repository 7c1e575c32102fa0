#pragma once
// How every report command of morvask-cli hands its report over: to standard output as UTF-8
// lines ended by LF; with -o FILE byte for byte what the text export writes; with
// --format csv (a report whose table holds data) the CSV export, to FILE or standard output;
// with --format data the report's values as RFC 4180 CSV in UTF-8. And the options several
// report commands share.

#include <optional>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/environment.h"
#include "reports/report.h"
#include "reports/vehicle_type_line.h"

namespace morvask::cli {

// Shows or writes the report as the options say; returns the exit status (1 when the file
// could not be written, with the export's message on standard error).
int RapportUitvoeren(Omgeving& o, const Argumenten& a, const Rapport& rapport);

// With --format csv, the note that a report without table data is written as text, and true.
bool FormaatZonderTabel(const Argumenten& a);

// The parts of a comma-separated LIST (empty parts left out).
std::vector<std::string> LijstSplitsen(const std::string& lijst);

// --types LETTERS: the boxes of the letters; all eight without the option. Empty with the
// reason set when LETTERS holds a character that is no vehicle type.
std::optional<Voertuigtypekeuze> VoertuigtypenOptie(const Argumenten& a, std::string& fout);

// --posts LIST: marks exactly the named posts of the open project (Geselecteerd), all posts
// without the option. False, with the message "Waarnemingspost niet bekend in project"
// and the code on standard error, when a code names no post; the marks are then unchanged.
bool PostenOptieToepassen(Omgeving& o, const Argumenten& a);

}  // namespace morvask::cli
