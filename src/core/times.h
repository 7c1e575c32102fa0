#pragma once
// The hhmm times of registrations and their conversions to and from minutes since 00:00.
//
// A registration time is a four-character text "hhmm". Period bounds and typed times are
// handled as the whole number of that text (0815 is 815), travel-time arithmetic in minutes
// since midnight without wrapping at midnight.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morvask {

// The minutes since 00:00 of an hhmm text: the integer of positions 1-2 times 60 plus the
// integer of positions 3-4 ("0815" gives 495). No range check: "0899" gives 99.
//
// When either half is not a whole number (for example "8:15", "08", an empty text) there are
// no minutes and the result is empty. Nothing is shown to the user: the calling command
// decides how to report it, or checks the times beforehand (the registration file check does).
std::optional<int> TijdNaarMinuten(std::string_view hhmm);

// The hhmm text of a number of minutes, first brought into 0..1439 (a day earlier or later
// wraps around midnight): -30 gives "2330", 1440 gives "0000", 75 gives "0115".
std::string MinutenNaarTijd(std::int32_t minuten);

// Normalises a typed hhmm value: when its last two digits exceed 59, 40 is added once (so the
// overflow carries into the hour: 860 becomes 900, 875 becomes 915); then the value is capped
// at 2359. A negative value, which no time can have, becomes 0.
int TijdNormaliseren(int hhmm);

// TijdNormaliseren, written with four digits and leading zeros: 5 gives "0005".
std::string TijdOpmaken(int hhmm);

// A typed time as a time field shows it when it loses the focus: a whole number is
// normalised and written with four digits ("745" gives "0745", "1275" gives "1315", "2400"
// gives "2359"); any other text, a negative number among them, is left as it is.
std::string TijdveldNormaliseren(std::string_view tekst);

}  // namespace morvask
