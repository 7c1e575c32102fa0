#pragma once
// The travel-time matrix window's rules. The window edits its own copy of the travel-time
// table as two matrices - minimum and maximum travel times, one row per origin post and one
// column per destination post, in post-list order - and writes them back into the table only
// on "&OK" after an edit. Cells hold texts: a whole number of minutes, "-" where row and
// column name the same post, or nothing for a pair the table has no line for.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/context.h"
#include "core/project.h"

namespace morvask {

inline constexpr std::string_view GeenRelatie = "-";
// A table line holds four characters per value.
inline constexpr int MaximaleDoorrijtijd = 9999;

using Doorrijtijdmatrix = std::vector<std::vector<std::string>>;  // [row][column]

struct RDoorrijtijdenMatrices {
  std::vector<std::string> Herkomsten;    // row posts: code ends in "i", "1" or "2"
  std::vector<std::string> Bestemmingen;  // column posts: code ends in "u", "1" or "2"
  Doorrijtijdmatrix Minimum;
  Doorrijtijdmatrix Maximum;
  bool MaximumWeergeven = false;  // the view: " Weergave: " minimum (default) or maximum
  bool Gewijzigd = false;         // the matrices-changed mark
  // The current cell, shared by both matrices: a row and a destination column, from 0 (the
  // grid's column 0 holds the origin codes, so grid column = Kolom + 1).
  std::size_t Rij = 0;
  std::size_t Kolom = 0;

  bool Leeg() const { return Herkomsten.empty() || Bestemmingen.empty(); }
  Doorrijtijdmatrix& Getoond() { return MaximumWeergeven ? Maximum : Minimum; }
  const Doorrijtijdmatrix& Getoond() const { return MaximumWeergeven ? Maximum : Minimum; }
  Doorrijtijdmatrix& Verborgen() { return MaximumWeergeven ? Minimum : Maximum; }
};

// Fills both matrices from the project's table: "-" where origin and destination are the
// same post, otherwise the trimmed maximum (positions 15-18) and minimum (20-23) of the
// pair's first line, an empty cell when there is none. With fewer than two posts both stay
// empty. The mark is cleared.
RDoorrijtijdenMatrices DoorrijtijdenMatricesVullen(const Project& project, bool maximumWeergeven = false);

// The value a typed cell text leaves: a whole number (trimmed) in plain decimal; anything
// else, and a negative number, gives "0"; a number beyond four digits gives "9999".
std::string CelWaarde(std::string_view tekst);

// Typing into a cell of the shown matrix: sets the mark; a "-" cell stays "-", any other
// takes CelWaarde. Returns the text the cell holds (empty for a cell outside the matrix).
std::string CelInvoeren(RDoorrijtijdenMatrices& m, std::size_t rij, std::size_t kolom, std::string_view tekst);

// Enter: the next column of the same row, not beyond the last.
void VolgendeKolom(RDoorrijtijdenMatrices& m);

// "&Spiegelen ": the current cell moves to the mirrored position, column = row and row =
// column, each part only when that column or row exists. The mirror is positional.
void Spiegelen(RDoorrijtijdenMatrices& m);

// "&Blokkeren...": asks whether all relations within one post number are to be set to 0; on
// "&Ja" every cell of the shown matrix whose row and column posts share the post number
// (code positions 1-3), "-" cells excepted, becomes "0" and the mark is set.
bool Blokkeren(Context& ctx, RDoorrijtijdenMatrices& m);

// "&Kopiëren...": asks whether the shown matrix is to be copied to the other one; on "&Ja"
// every cell is copied and the mark is set.
bool Kopieren(Context& ctx, RDoorrijtijdenMatrices& m);

// The bulk-change dialog's fields.
struct RAlleDoorrijtijdenWijzigen {
  bool Vermenigvuldigen = false;  // "vermenig&vuldigen", else "ver&hogen/verlagen"
  int Getal = 0;                  // "&met", -30000..30000; when multiplying it counts in thousandths
  bool NullenOngemoeid = false;   // "Tijden die al op &0 staan niet wijzigen"
};

inline constexpr int MaximaalBulkgetal = 30000;

// The bulk change on the shown matrix: every cell except "-" and empty ones is increased by
// the number, or multiplied by number / 1000 and rounded half to even; a cell at 0 is left
// alone when asked; a value that is not a number counts as 0. Results are kept within
// 0..9999. The number is kept within -30000..30000. The mark is set; the other matrix is not
// touched.
void AlleDoorrijtijdenWijzigen(RDoorrijtijdenMatrices& m, const RAlleDoorrijtijdenWijzigen& wijziging);

// teller / noemer rounded to the nearest whole number, halves to the even neighbour
// (noemer > 0).
long long AfrondenHalfEven(long long teller, long long noemer);

// "&OK": only when the mark is set and the matrices are not empty, replaces the table by one
// line per row and destination column whose maximum cell is neither "-" nor empty, in matrix
// order, marks the project changed and asks for menu code 11. Returns true when written.
bool MatricesTerugschrijven(Context& ctx, const RDoorrijtijdenMatrices& m);

}  // namespace morvask
