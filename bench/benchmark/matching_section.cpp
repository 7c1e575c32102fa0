// The matching run at the survey shapes that make it slow or fast: a dense morning peak with
// and without wildcard plates, a whole day, many wildcard plates, many differing characters.
//  - morvask-cli match end to end on surveys of a million registrations (reading, the run,
//    writing the match file), wall time, CPU time and peak memory of the child process;
//  - a scaling table over the size in the same three hours;
//  - the straightforward search beside the indexed one (200,000 registrations over a whole
//    day, 50,000 in a peak), in a child that is stopped after a minute of CPU time, with the
//    two match files compared byte for byte.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "analysis/match_settings.h"
#include "analysis/matching_run.h"
#include "analysis/route_search.h"
#include "base/context.h"
#include "child_process.h"
#include "core/files.h"
#include "core/project.h"
#include "core/project_file.h"
#include "core/settings.h"
#include "measure.h"
#include "oracle/straightforward_route_search.h"
#include "sections.h"

namespace morvask::bench {
namespace {

// A survey shape: the period, the share of wildcard plates and the comparison's options.
struct Vorm {
  const char* naam;
  int van;
  int tot;
  double wildcards;
  int verwisseld;
  int verschillend;
};

constexpr Vorm Piek5{"morning peak 0630-0930, 5 % wildcards", 630, 930, 0.05, 2, 1};
constexpr Vorm Piek0{"morning peak 0630-0930, no wildcards", 630, 930, 0.0, 2, 1};
constexpr Vorm Dag5{"whole day 0000-2359, 5 % wildcards", 0, 2359, 0.05, 2, 1};
constexpr Vorm Piek20{"morning peak 0630-0930, 20 % wildcards", 630, 930, 0.20, 2, 1};
constexpr Vorm Piek5V3{"morning peak, 5 % wildcards, --different 3", 630, 930, 0.05, 2, 3};
constexpr Vorm Piek5W4V3{"morning peak, 5 % wildcards, --swapped 4 --different 3", 630, 930, 0.05, 4, 3};
constexpr Vorm Piek5W6V3{"morning peak, 5 % wildcards, --swapped 6 --different 3", 630, 930, 0.05, 6, 3};
constexpr Vorm Piek0V3{"morning peak, no wildcards, --different 3", 630, 930, 0.0, 2, 3};

// 20 cordon points and 10 intermediate points (60 posts), the observers' errors of a
// manual survey.
Onderzoek Maken(const Vorm& v, int registraties) {
  OnderzoekInstellingen s;
  s.zaad = 2026;
  s.registraties = registraties;
  s.kordonpunten = 20;
  s.tussenpunten = 10;
  s.vanTijd = v.van;
  s.totTijd = v.tot;
  s.overgeslagen = 0.02;
  s.gemist = 0.03;
  s.verwisseld = 0.02;
  s.verkeerd = 0.03;
  s.onleesbaar = v.wildcards;
  return OnderzoekMaken(s);
}

std::string Grootte(const Project& p) {
  return Aantal(static_cast<long long>(p.Registratielijst.size())) + " regs, " + std::to_string(p.Postlijst.size()) +
         " posts";
}

struct Cliuitkomst {
  Kindproces k;
  bool gelukt = false;
};

// The project file of the survey and morvask-cli match over it.
Cliuitkomst CliDraaien(Benchmark& b, const Onderzoek& o, const Vorm& v, const std::string& naam) {
  const std::string projectbestand = b.Werkmap() + naam + ".mpr";
  RProgrammaInstellingen instellingen = b.Instellingen();
  {
    Project project = o.project;
    Context ctx{project, instellingen, b.catalogus, b.ui, Mappen{}};
    if (!ProjectSchrijven(ctx, projectbestand)) return {};
  }
  Cliuitkomst u;
  u.k = Uitvoeren(
      {b.Cli(), "match", projectbestand, "-o", b.Werkmap() + naam + ".mma", "--swapped", std::to_string(v.verwisseld),
       "--different", std::to_string(v.verschillend), "--force", "--settings", b.Werkmap() + "geen-instellingen.ini"},
      b.Werkmap() + naam + ".log");
  u.gelukt = u.k.gestart && WIFEXITED(u.k.status) && WEXITSTATUS(u.k.status) == 0;
  std::remove(projectbestand.c_str());
  return u;
}

void CpuAfdrukken(const Kindproces& k) {
  char tekst[96];
  std::snprintf(tekst, sizeof tekst, "CPU time (user + sys) %.3f s, wall %.3f s", k.cpuSeconden, k.seconden);
  OpmerkingAfdrukken(tekst);
}

// One shape at a million registrations; the result for the ratios.
std::optional<Kindproces> VormMeten(Benchmark& b, const Vorm& v, double doel) {
  const Onderzoek o = Maken(v, b.Grootte(1000000));
  const Cliuitkomst u = CliDraaien(b, o, v, "vorm");
  if (!u.k.gestart) OpmerkingAfdrukken("cannot run " + b.Cli() + " (give its path with --cli PATH)");
  MetingAfdrukken({std::string("morvask-cli match, ") + v.naam, Grootte(o.project), u.k.seconden,
                   b.Snel() ? std::nullopt : std::optional<double>(doel), u.k.geheugenKb, 500L * 1024L, !u.gelukt});
  CpuAfdrukken(u.k);
  if (!u.gelukt) return std::nullopt;
  return u.k;
}

// The run in a forked child with the given search, stopped after `grens` seconds of CPU
// time; its wall and CPU time, and whether it finished.
struct Kindrun {
  bool klaar = false;
  double seconden = 0;
  double cpuSeconden = 0;
};

Kindrun InKindDraaien(Context& ctx, const RMatchInstellingen& in, Routezoeker& zoeker, unsigned grens) {
  std::fflush(stdout);
  const Stopwatch klok;
  const pid_t pid = fork();
  if (pid == 0) {
    // A limit on CPU time, not on wall time: the machine may be busy with other work.
    const rlimit limiet{grens, grens + 1};
    setrlimit(RLIMIT_CPU, &limiet);
    _exit(MatchUitvoeren(ctx, in, zoeker) ? 0 : 1);
  }
  Kindrun r;
  if (pid < 0) return r;
  int status = 0;
  rusage gebruik{};
  while (wait4(pid, &status, 0, &gebruik) < 0 && errno == EINTR) {
  }
  r.seconden = klok.Seconden();
  r.cpuSeconden = static_cast<double>(gebruik.ru_utime.tv_sec + gebruik.ru_stime.tv_sec) +
                  static_cast<double>(gebruik.ru_utime.tv_usec + gebruik.ru_stime.tv_usec) / 1e6;
  r.klaar = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return r;
}

void NaastElkaar(Benchmark& b, const Vorm& v, int registraties) {
  Onderzoek o = Maken(v, b.Grootte(registraties));
  const std::string grootte = Grootte(o.project);
  RProgrammaInstellingen instellingen = b.Instellingen();
  Context ctx{o.project, instellingen, b.catalogus, b.ui, Mappen{}};
  ctx.project.Projectbestandsnaam = b.Werkmap() + "naast-elkaar.mpr";
  RMatchInstellingen in;
  MatchInstellingenVoorbereiden(in, ctx.project);
  in.AantalVerwisseld = v.verwisseld;
  in.AantalVerschillend = v.verschillend;
  AantalKaraktersTellen(in);
  RMatchInstellingen inEenvoudig = in, inSnel = in;
  inEenvoudig.Bestandsnaam = b.Werkmap() + "eenvoudig.mma";
  inSnel.Bestandsnaam = b.Werkmap() + "geindexeerd.mma";
  std::remove(inEenvoudig.Bestandsnaam.c_str());

  const auto eenvoudig = test::EenvoudigeRoutezoeker();
  const auto snel = SnelleRoutezoeker();
  const Kindrun s = InKindDraaien(ctx, inSnel, *snel, 600);
  const Kindrun e = InKindDraaien(ctx, inEenvoudig, *eenvoudig, 60);
  char tekst[160];
  std::snprintf(tekst, sizeof tekst, "%s: indexed %.3f s (CPU %.3f s); straightforward %s", v.naam, s.seconden,
                s.cpuSeconden, e.klaar ? "" : "stopped after a minute of CPU time");
  if (e.klaar) {
    char rest[80];
    std::snprintf(rest, sizeof rest, "%.3f s (CPU %.3f s), ratio %.1f", e.seconden, e.cpuSeconden,
                  e.seconden / std::max(s.seconden, 1e-6));
    std::snprintf(tekst + std::strlen(tekst), sizeof tekst - std::strlen(tekst), "%s", rest);
  }
  MetingAfdrukken({std::string("indexed search, ") + v.naam, grootte, s.seconden, std::nullopt, std::nullopt,
                   std::nullopt, !s.klaar});
  OpmerkingAfdrukken(tekst);
  if (e.klaar) {
    const bool gelijk = BestandLezen(inEenvoudig.Bestandsnaam) == BestandLezen(inSnel.Bestandsnaam);
    OpmerkingAfdrukken(gelijk ? "match files identical" : "match files DIFFERENT");
    // A difference is a fault of the indexed search: it counts as a missed target.
    if (!gelijk)
      MetingAfdrukken({"match files of both searches", grootte, 0.0, std::nullopt, std::nullopt, std::nullopt, true});
  }
}

}  // namespace

void MatchrunSectie(Benchmark& b) {
  SectieAfdrukken("matching run by survey shape: morvask-cli match end to end (target wall time, memory < 500 MB)");
  const std::optional<Kindproces> piek = VormMeten(b, Piek5, 3.0);
  const std::optional<Kindproces> piekEen = VormMeten(b, Piek0, 2.0);
  VormMeten(b, Dag5, 2.0);
  VormMeten(b, Piek20, 2.0);
  const std::optional<Kindproces> piekDrie = VormMeten(b, Piek0V3, 2.0);
  std::vector<std::optional<Kindproces>> drie;
  for (const Vorm* v : {&Piek5V3, &Piek5W4V3, &Piek5W6V3}) drie.push_back(VormMeten(b, *v, 2.0));
  // Many differing characters against one, on the same survey.
  auto verhouding = [&](const char* naam, const std::optional<Kindproces>& een, const std::optional<Kindproces>& meer) {
    if (!een || !meer) return;
    // The CPU times: the wall times of a busy machine say little about a ratio.
    const double cpu = meer->cpuSeconden / std::max(een->cpuSeconden, 1e-6);
    MetingAfdrukken({std::string("CPU ratio to --different 1, ") + naam, "ratio", cpu,
                     b.Snel() ? std::nullopt : std::optional<double>(1.5), std::nullopt, std::nullopt});
    char tekst[120];
    std::snprintf(tekst, sizeof tekst, "wall time ratio %.2f", meer->seconden / std::max(een->seconden, 1e-6));
    OpmerkingAfdrukken(tekst);
  };
  verhouding("no wildcards, --different 3", piekEen, piekDrie);
  verhouding("5 % wildcards, --different 3", piek, drie[0]);
  verhouding("5 % wildcards, --swapped 4 --different 3", piek, drie[1]);
  verhouding("5 % wildcards, --swapped 6 --different 3", piek, drie[2]);

  SectieAfdrukken("matching run, scaling: morning peak 0630-0930, 5 % wildcards, --swapped 2 --different 1");
  struct Punt {
    int registraties;
    double seconden, cpu;
  };
  std::vector<Punt> punten;
  for (int n : {250000, 500000, 1000000, 2000000}) {
    const Onderzoek o = Maken(Piek5, b.Grootte(n));
    const Cliuitkomst u = CliDraaien(b, o, Piek5, "schaal");
    MetingAfdrukken({"morvask-cli match, " + Aantal(n) + " in three hours", Grootte(o.project), u.k.seconden,
                     std::nullopt, u.k.geheugenKb, std::nullopt, !u.gelukt});
    CpuAfdrukken(u.k);
    if (u.gelukt)
      punten.push_back({static_cast<int>(o.project.Registratielijst.size()), u.k.seconden, u.k.cpuSeconden});
  }
  if (!punten.empty()) {
    // Per million registrations against the 1M line; linear growth keeps every ratio near 1.
    const Punt& ref = punten.size() > 2 ? punten[2] : punten.back();
    const double refCpu = ref.cpu / ref.registraties;
    for (const Punt& p : punten) {
      const double perMiljoen = p.cpu / p.registraties * 1e6;
      char tekst[160];
      std::snprintf(tekst, sizeof tekst, "%9d regs: %.3f s CPU per million registrations, %.2f times the 1M line",
                    p.registraties, perMiljoen, (p.cpu / p.registraties) / refCpu);
      OpmerkingAfdrukken(tekst);
    }
  }

  // The straightforward search grows with the square of the registrations per hour: over a
  // whole day it manages 200,000 within the minute, in the three hours of a peak 50,000.
  SectieAfdrukken(
      "matching run, straightforward and indexed search side by side (the straightforward one stopped after a "
      "minute of CPU time)");
  NaastElkaar(b, Dag5, 200000);
  for (const Vorm* v : {&Piek5, &Piek0, &Piek20, &Piek5V3, &Piek5W6V3}) NaastElkaar(b, *v, 50000);
  PiekgeheugenAfdrukken();
}

}  // namespace morvask::bench
