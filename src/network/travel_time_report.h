#pragma once
// The travel-time report: the minimum and the maximum travel-time matrix of the project, one
// row per origin post and one column per destination post.

#include <optional>

#include "reports/report.h"

namespace morvask {

struct Context;

// With fewer than two posts there is no report. Otherwise: header, "Matrices doorrijtijden
// (minuten)." (AA00014), the explanation (AA00015, after an empty line) when the setting
// asks for explanations, both matrices in the table, and the footer of the kind
// "Doorrijtijden"; titled "Doorrijtijden" (AA00028), with the table handed over.
//
// Rows are the origin posts (code ending in "i", "1" or "2"), columns the destination posts
// (ending in "u", "1" or "2"), both in post-list order. A cell is "-" where row and column
// name the same post; otherwise the first line of the pair in the travel-time table gives the
// maximum (positions 15-18) and the minimum (20-23), trimmed; without a line the cell is empty.
// Its data: origin, destination, minimum, maximum for every pair with a line (not a post with
// itself), a field that is no whole number kept as text.
std::optional<Rapport> RapportDoorrijtijden(const Context& ctx);

}  // namespace morvask
