#pragma once
// The values of a report for spreadsheets and data tools: named columns and one row per
// value, each field a number or a text, with no rule, heading or total rows. The matrix
// reports and the routes and non-routes reports fill it beside their lines and their table;
// the other reports leave it without columns.
//
// Texts are Windows-1252 like every library text; the front end converts the CSV to UTF-8.

#include <string>
#include <variant>
#include <vector>

namespace morvask {

// One field: a whole number, or a text (an empty text is an empty field).
using Gegevensveld = std::variant<long long, std::string>;

struct RapportGegevens {
  std::vector<std::string> Kolommen;             // the header row
  std::vector<std::vector<Gegevensveld>> Rijen;  // as many fields as there are columns

  // True when the report has data values (it may have no rows: an empty matrix).
  bool Aanwezig() const { return !Kolommen.empty(); }
};

// A text as a field: a whole number ("12", "-3", "007") becomes the number, anything else
// stays text. For cells that hold numbers written as text (the travel-time table).
Gegevensveld GetalOfTekst(const std::string& tekst);

// The data as CSV (RFC 4180): the header row, then one line per row, fields separated by
// commas, every line ended by CR LF. A number is written as its digits; a text is written as
// it is unless it holds a comma, a double quote, CR or LF, or begins or ends with a blank
// (which a reader might trim), then it is enclosed in double quotes with each inner quote
// doubled.
std::string GegevensAlsCsv(const RapportGegevens& gegevens);

}  // namespace morvask
