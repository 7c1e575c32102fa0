#include "support/cli_run.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "support/temp_folder.h"

namespace morvask::test {

namespace {

std::string Lees(const std::string& pad) {
  std::ifstream in(pad, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace

CliUitkomst CliUitvoeren(const std::vector<std::string>& argumenten, const Omgevingsvariabelen& omgeving) {
  TijdelijkeMap map;
  const std::string uitPad = map / "uit", foutPad = map / "fout";
  CliUitkomst u;
  const pid_t pid = fork();
  if (pid == 0) {
    // The user's folders are folders of this run: no run touches the real home, settings,
    // backups or temporary folder.
    mkdir((map / "run").c_str(), 0700);
    const Omgevingsvariabelen eigen = {{"HOME", map / "thuis"},
                                       {"XDG_CONFIG_HOME", map / "config"},
                                       {"XDG_STATE_HOME", map / "staat"},
                                       {"XDG_RUNTIME_DIR", map / "run"},
                                       {"TMPDIR", map / "tmp"}};
    for (const auto& [naam, waarde] : eigen) setenv(naam.c_str(), waarde.c_str(), 1);
    for (const auto& [naam, waarde] : omgeving) setenv(naam.c_str(), waarde.c_str(), 1);
    const int uit = open(uitPad.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int fout = open(foutPad.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int niets = open("/dev/null", O_RDONLY);
    dup2(uit, 1);
    dup2(fout, 2);
    dup2(niets, 0);
    std::vector<char*> argv;
    std::string programma = MORVASK_CLI;
    argv.push_back(programma.data());
    std::vector<std::string> kopie = argumenten;
    for (auto& a : kopie) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(programma.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  u.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  u.uit = Lees(uitPad);
  u.fout = Lees(foutPad);
  return u;
}

std::string ZonderDuur(const std::string& fout) {
  // " in " digits "." three digits " s"
  const auto cijfer = [&](std::size_t i) { return i < fout.size() && fout[i] >= '0' && fout[i] <= '9'; };
  std::string uit;
  std::size_t i = 0;
  for (std::size_t p = fout.find(" in "); p != std::string::npos; p = fout.find(" in ", p + 1)) {
    std::size_t e = p + 4;
    while (cijfer(e)) ++e;
    if (e == p + 4 || e >= fout.size() || fout[e] != '.' || !cijfer(e + 1) || !cijfer(e + 2) || !cijfer(e + 3) ||
        fout.compare(e + 4, 2, " s") != 0)
      continue;
    uit += fout.substr(i, p - i) + " in T";
    i = e + 6;
  }
  return uit + fout.substr(i);
}

std::string VoorbeeldProject() { return std::string(MORVASK_SOURCE_DIR) + "/data/examples/voorbeeld.mpr"; }

}  // namespace morvask::test
