#pragma once
// A report as a value: the lines its window shows, its title and, for the matrix reports,
// its table of cells with the flag that says the table holds data, and for the matrix,
// routes and non-routes reports their values as data. The report buffer in
// which a producer writes it, the table buffer of the matrix reports, and the running
// number of the report windows.
//
// Every text is Windows-1252. The GUI's report window and morvask-cli show the same value.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "reports/report_data.h"

namespace morvask {

class Catalogus;
struct RProgrammaInstellingen;

// Every table column is exactly this many characters wide.
inline constexpr int RapportKolombreedte = 7;

// The rule character of the reports: the first byte of EenHorzTeken (a blank when the
// setting is empty).
char Lijnteken(const RProgrammaInstellingen& instellingen);
// The rule character repeated the given number of times.
std::string Lijn(const RProgrammaInstellingen& instellingen, int lengte);
// The line unit: the rule character repeated one column wide.
std::string Lijneenheid(const RProgrammaInstellingen& instellingen);

// A grid of text cells addressed by column and row, both from 0, inside a column count and a
// row count. A write outside the counts is dropped (a producer may write heading pieces into
// columns a small table does not have); a read outside them gives the empty text.
class RapportTabel {
 public:
  RapportTabel() = default;
  RapportTabel(int kolommen, int rijen);

  int KolomAantal() const { return kolommen_; }
  int RijAantal() const { return rijen_; }
  // Sets the counts (negative counts are 0). Cells inside both the old and the new counts
  // keep their text; new cells are empty.
  void AantallenZetten(int kolommen, int rijen);

  void Zet(int kolom, int rij, std::string_view tekst);
  const std::string& Cel(int kolom, int rij) const;

  // Every cell of a row inside the counts gets the text (a rule row of the table).
  void RijVullen(int rij, const std::string& tekst);
  // Every cell to the empty text; the counts stay (HoofdStringGridLeegMaken).
  void LeegMaken();
  // True when every cell, trimmed of blanks, is empty (HoofdStringGridIsEmpty).
  bool IsLeeg() const;

  // The rows as report lines: each cell right-aligned in seven characters, a longer cell cut
  // to its first seven.
  std::vector<std::string> Weergave() const;

 private:
  int kolommen_ = 0;
  int rijen_ = 0;
  std::vector<std::string> cellen_;  // row after row
};

// The finished report, as its window holds it.
struct Rapport {
  std::string Titel;
  // The window's lines: every carriage return of the buffer's lines has become a line break.
  std::vector<std::string> Regels;
  // The window's copy of the table (TabelStringGrid): 4 x 4 empty cells until a matrix
  // report hands its table over.
  RapportTabel Tabel{4, 4};
  // BevatTabelDataCheckBox: the table holds data, so it can be exported as CSV.
  bool BevatTabelData = false;
  // The values for data tools (matrix reports, routes, non-routes); no columns otherwise.
  RapportGegevens Gegevens;
};

// The report buffer a producer writes into, with the table buffer of the matrix reports
// (HoofdStringGrid). Lines may hold tabs and carriage returns.
class RapportBuffer {
 public:
  void LeegMaken() { regels_.clear(); }
  // Appends one line; an empty text appends an empty line.
  void RegelToevoegen(std::string_view regel) { regels_.emplace_back(regel); }
  void RegelsToevoegen(const std::vector<std::string>& regels);
  // The same for lines the producer no longer needs: they are moved in, not copied (the long
  // lists of the check and of the detail lists).
  void RegelOvernemen(std::string&& regel) { regels_.push_back(std::move(regel)); }
  void RegelsOvernemen(std::vector<std::string>&& regels);
  const std::vector<std::string>& Regels() const { return regels_; }

  RapportTabel HoofdStringGrid;

 private:
  std::vector<std::string> regels_;
};

// The lines of a text as the report window shows them: every carriage return ends a line
// (with a line feed after it, as a language file's texts have, or a lone line feed: one
// break), so a text ending in a line break adds an empty line.
std::vector<std::string> RegelsVoorVenster(const std::vector<std::string>& regels);

// The running number of the report windows, owned by the front end: the first window after
// a reset is number 1. Set back by "&Alle vensters sluiten" and when the project is reset to
// empty; closing windows one by one keeps counting.
class Rapportnummering {
 public:
  // Raises the number and gives the caption of the window that opens: "Rapport %s: %s"
  // (AA00002) with the number and the report's title.
  std::string VolgendeCaption(const Catalogus& catalogus, std::string_view titel);
  // The number of the last window opened, 0 before the first.
  int Nummer() const { return nummer_; }
  void Terugzetten() { nummer_ = 0; }

 private:
  int nummer_ = 0;
};

}  // namespace morvask
