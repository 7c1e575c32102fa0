#pragma once
// The common parts of every report: the header with the program name and the project's
// report texts, the footer with the list of posts and the legend of abbreviations, the
// rendering of the table buffer in seven-character columns, and the move of the buffer into
// a report value (the window) with the hand-over of its table.
//
// A producer calls them in this order: BovensteGedeelteRapport, its own lines (for a matrix:
// the table's counts, LeegMaken, the cells, HoofdStringGridNaarHoofdRichEdit),
// OndersteGedeelteRapport, RichEdit1NaarKindForm and, for a matrix,
// HoofdStringGridNaarKindFormStringGrid.

#include <string>
#include <string_view>
#include <vector>

#include "reports/report.h"

namespace morvask {

struct Context;
struct Project;

// The kind of footer a report asks for.
enum class Rapportsoort {
  Geen,
  Waarnemingsposten,
  Aantekeningen,
  Doorrijtijden,
  GemiddeldeDoorrijtijden,
  Voertuigtypenlijst,  // the vehicle types report
};

// "Morvask 4.4": the program name and the major and minor version.
std::string RapportTitelregel();

// Clears the buffer and writes the header: a rule, the title line, the three project texts
// that are not empty (report text 1, report text 2, description), the rule again and an
// empty line. The rule is as long as the longest of the title line and the three texts.
void BovensteGedeelteRapport(RapportBuffer& buffer, const Context& ctx);

// The list of posts as the posts report writes it: "Omschrijving waarnemingsposten in
// project" (AA00096), a rule, "Post    Omschrijving" (AA00097), a rule, one line per post
// (code, two blanks, description) in post-list order, a rule. The rule is as long as the
// longest post line, but at least 28 characters.
std::vector<std::string> WaarnemingspostenRegels(const Context& ctx);

// Appends the footer: the list of posts (after an empty line) when the setting asks for it,
// except in the posts report itself; an empty line; and when the legend setting is on, the
// four post types (not for the notes and vehicle types reports) and the "-" line of the
// travel-time reports. Changes nothing in the project.
void OndersteGedeelteRapport(RapportBuffer& buffer, const Context& ctx, Rapportsoort soort);

// Appends every row of the table buffer, each cell right-aligned in seven characters.
void HoofdStringGridNaarHoofdRichEdit(RapportBuffer& buffer);

// True when every cell of the table buffer, trimmed of blanks, is empty.
bool HoofdStringGridIsEmpty(const RapportBuffer& buffer);

// The report as its window holds it: the buffer's lines, each carriage return a line break,
// with the title. The buffer keeps its lines until the next report starts.
Rapport RichEdit1NaarKindForm(const RapportBuffer& buffer, std::string_view titel);

// Hands the table buffer to the report: its counts and cells, and the table flag when the
// table is not empty; then the table buffer is cleared.
void HoofdStringGridNaarKindFormStringGrid(RapportBuffer& buffer, Rapport& rapport);

// Whether a finished report takes the table buffer along (the matrix reports do).
enum class MetTabel { Nee, Ja };

// The report of the buffer's lines with its title, with the table handed over when asked
// (RichEdit1NaarKindForm, then HoofdStringGridNaarKindFormStringGrid).
Rapport RapportOpleveren(RapportBuffer& buffer, std::string_view titel, MetTabel tabel);

// How every report ends: the footer of its kind, then the report as RapportOpleveren gives it.
Rapport RapportAfsluiten(RapportBuffer& buffer, const Context& ctx, Rapportsoort soort, std::string_view titel,
                         MetTabel tabel = MetTabel::Nee);

}  // namespace morvask
