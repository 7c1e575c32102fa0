#pragma once
// Timing and printing for the benchmark: wall time on the steady clock, the peak resident
// memory from getrusage, and one aligned line per measurement with its target and "ok" or
// "MISSED".

#include <chrono>
#include <optional>
#include <string>
#include <utility>

namespace morvask::bench {

// Wall time since construction.
class Stopwatch {
 public:
  Stopwatch() : begin_(std::chrono::steady_clock::now()) {}
  double Seconden() const { return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin_).count(); }

 private:
  std::chrono::steady_clock::time_point begin_;
};

// The seconds one call of the work takes.
template <typename Werk>
double Tijd(Werk&& werk) {
  const Stopwatch klok;
  std::forward<Werk>(werk)();
  return klok.Seconden();
}

// The peak resident memory of this process so far, in kilobytes.
long PiekgeheugenKb();

struct Meting {
  std::string naam;
  std::string grootte;  // "1M regs", "50k regs, 100 posts"
  double seconden = 0;
  std::optional<double> doel;          // seconds; none: printed without a verdict on time
  std::optional<long> geheugenKb;      // peak memory of the measured work, when known
  std::optional<long> geheugenDoelKb;  // its target
  bool mislukt = false;                // the work failed: the targets count as missed
};

// The column heading of the measurement lines.
void KolomkopAfdrukken();
// A section's title line.
void SectieAfdrukken(const std::string& titel);
// One measurement line. True when every target it has was met; a missed target is counted.
bool MetingAfdrukken(const Meting& meting);
// A line of its own below the measurements (a remark, a count).
void OpmerkingAfdrukken(const std::string& tekst);
// The process's peak memory so far, as a remark.
void PiekgeheugenAfdrukken();

// The number of missed targets so far.
int AantalGemist();

// A count as the size column shows it, rounded: 1000002 as "1M", 50001 as "50k".
std::string Aantal(long long n);

}  // namespace morvask::bench
