#pragma once
// The sections of the desktop program's benchmark, and their timing and printing.

#include <chrono>
#include <cstdio>
#include <utility>

namespace morvask::gui {
class THoofdForm;
}

namespace morvask::bench {

// The seconds one call of the work takes, on the steady clock.
template <typename Werk>
double Tijd(Werk&& werk) {
  const auto begin = std::chrono::steady_clock::now();
  std::forward<Werk>(werk)();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

// One line per measurement: what, the time, the target and "ok" or "MISSED".
inline void Uitslag(const char* wat, double seconden, double doel) {
  std::printf("   %-45s %9.3f s   target < %.1f s   %s\n", wat, seconden, doel, seconden < doel ? "ok" : "MISSED");
  std::fflush(stdout);
}

void RapportvensterSectie(gui::THoofdForm& hoofd);
void AfdrukkenSectie();

}  // namespace morvask::bench
