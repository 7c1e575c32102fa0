#include "app/calculation_time.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/catalogue.h"

namespace morvask {

std::string RekentijdTekst(double seconden, const Catalogus& catalogus) {
  const long long geheel = std::max(0LL, static_cast<long long>(std::floor(seconden)));
  const long long uren = geheel / 3600;
  const long long minuten = geheel / 60 % 60;
  const double rest = std::max(0.0, seconden - static_cast<double>(uren * 3600 + minuten * 60));
  const long long sec = std::min(59LL, std::llround(rest));
  char tekst[64];
  std::snprintf(tekst, sizeof tekst, "%02lld:%02lld:%02lld ", uren, minuten, sec);
  return tekst + catalogus["AA00033"];
}

}  // namespace morvask
