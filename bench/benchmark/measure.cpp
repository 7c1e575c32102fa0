#include "measure.h"

#include <sys/resource.h>

#include <cstdio>

namespace morvask::bench {

namespace {

int gemist = 0;

// Names longer than the name column get a line of their own, with the numbers below.
constexpr int kNaambreedte = 54;

std::string Geheugen(long kb) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%ld MB", kb / 1024);
  return buf;
}

}  // namespace

long PiekgeheugenKb() {
  rusage gebruik{};
  getrusage(RUSAGE_SELF, &gebruik);
  return gebruik.ru_maxrss;
}

void KolomkopAfdrukken() {
  std::printf("%-*s %-20s %10s %10s %9s %9s  %s\n", kNaambreedte, "measurement", "size", "seconds", "target", "memory",
              "target", "result");
}

void SectieAfdrukken(const std::string& titel) {
  std::printf("\n== %s\n", titel.c_str());
  std::fflush(stdout);
}

bool MetingAfdrukken(const Meting& m) {
  bool goed = !m.mislukt;
  if (m.doel && m.seconden > *m.doel) goed = false;
  if (m.geheugenKb && m.geheugenDoelKb && *m.geheugenKb > *m.geheugenDoelKb) goed = false;
  const bool heeftDoel = m.doel || m.geheugenDoelKb || m.mislukt;
  if (!goed) ++gemist;

  char doel[32] = "-";
  if (m.doel) std::snprintf(doel, sizeof doel, "< %.2f", *m.doel);
  const std::string geheugen = m.geheugenKb ? Geheugen(*m.geheugenKb) : "";
  const std::string geheugenDoel = m.geheugenDoelKb ? "< " + Geheugen(*m.geheugenDoelKb) : "";
  const char* uitslag = !heeftDoel ? "" : goed ? "ok" : "MISSED";

  const bool eigenRegel = static_cast<int>(m.naam.size()) > kNaambreedte;
  if (eigenRegel) std::printf("%s\n", m.naam.c_str());
  std::printf("%-*s %-20s %10.3f %10s %9s %9s  %s\n", kNaambreedte, eigenRegel ? "" : m.naam.c_str(), m.grootte.c_str(),
              m.seconden, doel, geheugen.c_str(), geheugenDoel.c_str(), uitslag);
  std::fflush(stdout);
  return goed;
}

void OpmerkingAfdrukken(const std::string& tekst) {
  std::printf("  %s\n", tekst.c_str());
  std::fflush(stdout);
}

void PiekgeheugenAfdrukken() {
  OpmerkingAfdrukken("peak memory of the benchmark so far: " + Geheugen(PiekgeheugenKb()));
}

int AantalGemist() { return gemist; }

std::string Aantal(long long n) {
  // Rounded, since a generated survey has about the registrations asked for.
  char buf[32];
  if (n >= 1000000) {
    std::snprintf(buf, sizeof buf, "%.1fM", static_cast<double>(n) / 1e6);
    std::string s = buf;
    if (s.size() > 3 && s.compare(s.size() - 3, 3, ".0M") == 0) s.erase(s.size() - 3, 2);
    return s;
  }
  if (n >= 10000) {
    std::snprintf(buf, sizeof buf, "%lldk", (n + 500) / 1000);
    return buf;
  }
  return std::to_string(n);
}

}  // namespace morvask::bench
