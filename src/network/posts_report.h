#pragma once
// The posts report: the list of observation posts with their descriptions.

#include "reports/report.h"

namespace morvask {

struct Context;

// Header, the list of posts (code, two blanks, description, between rules as long as the
// longest post line and at least 28 characters), and the footer of the kind
// "Waarnemingsposten"; titled "Waarnemingsposten" (AA00098). The posts window closes (and so
// rebuilds the travel-time table) before it asks for the report.
Rapport RapportWaarnemingsposten(const Context& ctx);

}  // namespace morvask
