// benchmark: the speed of the file, list, check and report operations on surveys of a million
// registrations, each measured against its target.
//
//   benchmark [--quick] [--only NAME] [--work DIR] [--cli PATH]
//
// --quick     sizes divided by 20, for a smoke run of a few seconds
// --only NAME one section: project-file, sort, check, intensities, matching, comparison-reports
// --work DIR  the folder for the files it writes (default: a fresh folder in the temporary
//             folder, removed at the end)
// --cli PATH  the morvask-cli program (default: <build>/src/cli/morvask-cli beside this one)
//
// Exit status: 0 every target met, 1 a target missed, 2 wrong usage or no work folder.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "child_process.h"
#include "measure.h"
#include "sections.h"

#ifndef MORVASK_BUILD_TYPE
#define MORVASK_BUILD_TYPE "unknown"
#endif

namespace fs = std::filesystem;
using namespace morvask::bench;

namespace {

struct Sectie {
  const char* naam;
  std::function<void(Benchmark&)> uitvoeren;
};

const std::vector<Sectie>& Secties() {
  static const std::vector<Sectie> secties = {
      {"project-file", ProjectbestandSectie},
      {"sort", SorteerSectie},
      {"check", ControleSectie},
      {"intensities", IntensiteitenSectie},
      {"matching", MatchrunSectie},
      {"comparison-reports", VergelijkingsrapportenSectie},
  };
  return secties;
}

int Gebruik() {
  std::fprintf(stderr, "usage: benchmark [--quick] [--only NAME] [--work DIR] [--cli PATH]\n  sections:");
  for (const Sectie& s : Secties()) std::fprintf(stderr, " %s", s.naam);
  std::fprintf(stderr, "\n");
  return 2;
}

// The first line of /proc/cpuinfo or /proc/meminfo that starts with the key, its value.
std::string Systeemfeit(const char* bestand, const std::string& sleutel) {
  std::ifstream in(bestand);
  for (std::string regel; std::getline(in, regel);)
    if (regel.rfind(sleutel, 0) == 0) {
      const std::size_t dubbelepunt = regel.find(':');
      std::string waarde = dubbelepunt == std::string::npos ? regel : regel.substr(dubbelepunt + 1);
      waarde.erase(0, waarde.find_first_not_of(" \t"));
      return waarde;
    }
  return "unknown";
}

void MachineAfdrukken(const Benchmark& b) {
  std::printf("Morvask benchmark%s\n", b.Snel() ? " (quick: sizes divided by 20)" : "");
  std::printf("  processors (nproc): %ld\n", sysconf(_SC_NPROCESSORS_ONLN));
  std::printf("  processor: %s\n", Systeemfeit("/proc/cpuinfo", "model name").c_str());
  std::printf("  memory: %s\n", Systeemfeit("/proc/meminfo", "MemTotal").c_str());
  std::printf("  build type: %s, compiler %s\n", MORVASK_BUILD_TYPE, __VERSION__);
  std::printf("  work folder: %s\n", b.Werkmap().c_str());
  std::printf("  morvask-cli: %s\n", b.Cli().c_str());
}

// The morvask-cli of the same build tree: <build>/bench/benchmark -> <build>/src/cli/morvask-cli.
std::string StandaardCli() {
  std::error_code ec;
  const fs::path zelf = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return "morvask-cli";
  return (zelf.parent_path().parent_path() / "src" / "cli" / "morvask-cli").string();
}

}  // namespace

int main(int argc, char** argv) {
  bool snel = false;
  std::string alleen, werkmap, cli = StandaardCli();
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--quick") {
      snel = true;
    } else if ((a == "--only" || a == "--work" || a == "--cli") && i + 1 < argc) {
      (a == "--only" ? alleen : a == "--work" ? werkmap : cli) = argv[++i];
    } else {
      return Gebruik();
    }
  }
  if (!alleen.empty()) {
    bool bekend = false;
    for (const Sectie& s : Secties()) bekend = bekend || alleen == s.naam;
    if (!bekend) return Gebruik();
  }

  // A fresh work folder is removed at the end; one the user names is kept.
  const bool eigenMap = werkmap.empty();
  std::error_code ec;
  if (eigenMap) {
    std::string sjabloon = (fs::temp_directory_path(ec) / "morvask-benchmark-XXXXXX").string();
    if (!mkdtemp(sjabloon.data())) {
      std::fprintf(stderr, "benchmark: cannot make a work folder in the temporary folder\n");
      return 2;
    }
    werkmap = sjabloon;
  }
  fs::create_directories(fs::path(werkmap) / "backups", ec);
  if (ec) {
    std::fprintf(stderr, "benchmark: cannot use the work folder %s\n", werkmap.c_str());
    return 2;
  }

  KindprocesStarterOpzetten();  // before any section, while this process is small
  Benchmark b(snel, fs::absolute(werkmap, ec).string(), cli);
  MachineAfdrukken(b);
  std::printf("\n");
  KolomkopAfdrukken();
  for (const Sectie& s : Secties())
    if (alleen.empty() || alleen == s.naam) s.uitvoeren(b);

  std::printf("\n%d target(s) missed\n", AantalGemist());
  KindprocesStarterStoppen();
  if (eigenMap) fs::remove_all(werkmap, ec);
  return AantalGemist() == 0 ? 0 : 1;
}
