#pragma once
// The notes report: the project's notes as they stand.

#include "reports/report.h"

namespace morvask {

struct Context;

// Header, "Aantekeningen bij project:" (AA00011), an empty line, every line of the notes in
// order, and the footer of the kind "Aantekeningen"; titled "Aantekeningen" (AA00012). The
// notes window closes (storing its text and check box) before it asks for the report.
Rapport RapportAantekeningen(const Context& ctx);

}  // namespace morvask
