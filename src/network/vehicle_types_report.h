#pragma once
// The vehicle types report: the eight letters with the project's names for them.

#include "reports/report.h"

namespace morvask {

struct Context;

// Header, "Voertuigtypen" (AA00191), a rule of 35 characters, one line per letter in the
// order a, l, m, z, b, o, u, r ("a : Personenauto"), the rule again, and the footer of the
// kind "Voertuigtypen"; titled "Voertuigtypen" (AA00191).
Rapport RapportVoertuigtypen(const Context& ctx);

}  // namespace morvask
