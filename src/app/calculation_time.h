#pragma once
// The calculation time the progress window measures for the last long calculation, as the
// calculation-time window shows it.

#include <string>

namespace morvask {

class Catalogus;

// "00:01:05 u:m:s": hours, minutes and seconds with two digits each, joined by ":", the seconds
// rounded (at most 59), then a blank and "u:m:s" (AA00033). Hours beyond 99 keep all digits.
std::string RekentijdTekst(double seconden, const Catalogus& catalogus);

}  // namespace morvask
