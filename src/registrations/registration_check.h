#pragma once
// The registration file check: every registration of the project examined for an invalid
// vehicle type, time, post number, post type, unknown post, unknown plate characters and a
// plate length, each finding one line of a report. It changes nothing.

#include <cstddef>
#include <string>

#include "reports/report.h"

namespace morvask {

struct Context;

// The window's plate-length option: list the plates of "m&eer dan" (more than) or
// "m&inder dan" (less than) n characters, n from 0 to 6.
struct RControleInstellingen {
  bool MeerDan = true;
  int Aantal = 6;
};

// The report "Registratiesbestand controleren" (AA00088), footer of no kind. Shows the
// progress window (without cancel button) while it examines the registrations and closes it.
//
// Checks, in this order, each failing one adding a finding:
//   1. the vehicle type in lower case is one of "almzbour";
//   2. the time is at least three characters of digits, its first two at most 23 and its
//      third at most 5 (so "2400" and "0860" fail; a signed time such as "-100" fails too);
//   3. post code positions 1-3 are a whole number;
//   4. positions 4-6 are "-ki", "-t1", "-t2" or "-ku" (letter case counts);
//   5. a post with exactly this code exists;
//   6. each plate character in lower case is a-z, a digit, the missed-plate or the wildcard
//      character - one finding per offending character, and one for an empty plate;
//   7. the plate is not longer (more than) or shorter (less than) than n, unless it starts
//      with the missed-plate character.
Rapport RegistratiesbestandControleren(Context& ctx, const RControleInstellingen& instellingen);

// The line number that begins a finding line: the registration's place in the list (the
// index plus 1), left-aligned in eight characters and never cut. Other messages that name a
// registration begin with it too, so that it can be found in the report.
std::string Regelnummerveld(std::size_t index);

}  // namespace morvask
