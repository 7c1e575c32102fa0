#include "core/times.h"

#include <cstdio>

#include "core/text_utils.h"

namespace morvask {

std::optional<int> TijdNaarMinuten(std::string_view hhmm) {
  int uren = 0;
  int minuten = 0;
  if (!ProbeerGetal(Deel(hhmm, 1, 2), uren) || !ProbeerGetal(Deel(hhmm, 3, 2), minuten)) return std::nullopt;
  return uren * 60 + minuten;
}

std::string MinutenNaarTijd(std::int32_t minuten) {
  // The remainder gives the same value as subtracting or adding whole days one at a time.
  int m = minuten % 1440;
  if (m < 0) m += 1440;
  char tekst[16];
  std::snprintf(tekst, sizeof tekst, "%02d%02d", m / 60, m % 60);
  return tekst;
}

int TijdNormaliseren(int hhmm) {
  if (hhmm < 0) return 0;
  if (hhmm % 100 > 59) hhmm += 40;
  return hhmm > 2359 ? 2359 : hhmm;
}

std::string TijdOpmaken(int hhmm) {
  char tekst[16];
  std::snprintf(tekst, sizeof tekst, "%04d", TijdNormaliseren(hhmm));
  return tekst;
}

std::string TijdveldNormaliseren(std::string_view tekst) {
  int waarde = 0;
  if (!ProbeerGetal(tekst, waarde) || waarde < 0) return std::string(tekst);
  return TijdOpmaken(waarde);
}

}  // namespace morvask
