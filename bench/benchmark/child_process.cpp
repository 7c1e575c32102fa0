#include "child_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>

#include "measure.h"

extern char** environ;

namespace morvask::bench {

namespace {

// The pipes to and from the helper; -1 without one.
int naarStarter = -1;
int vanStarter = -1;
pid_t starter = -1;

bool AllesSchrijven(int fd, const void* data, std::size_t n) {
  const char* p = static_cast<const char*>(data);
  while (n > 0) {
    const ssize_t w = ::write(fd, p, n);
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) return false;
    p += w;
    n -= static_cast<std::size_t>(w);
  }
  return true;
}

bool AllesLezen(int fd, void* data, std::size_t n) {
  char* p = static_cast<char*>(data);
  while (n > 0) {
    const ssize_t r = ::read(fd, p, n);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) return false;
    p += r;
    n -= static_cast<std::size_t>(r);
  }
  return true;
}

bool TekstSchrijven(int fd, const std::string& t) {
  const auto n = static_cast<std::uint32_t>(t.size());
  return AllesSchrijven(fd, &n, sizeof n) && AllesSchrijven(fd, t.data(), t.size());
}

bool TekstLezen(int fd, std::string& t) {
  std::uint32_t n = 0;
  if (!AllesLezen(fd, &n, sizeof n)) return false;
  t.resize(n);
  return AllesLezen(fd, t.data(), n);
}

// The spawn itself, in whichever process runs it.
Kindproces Starten(const std::vector<std::string>& argumenten, const std::string& logbestand) {
  Kindproces k;
  if (argumenten.empty()) return k;
  std::vector<char*> argv;
  for (const std::string& a : argumenten) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  posix_spawn_file_actions_t acties;
  posix_spawn_file_actions_init(&acties);
  posix_spawn_file_actions_addopen(&acties, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&acties, STDOUT_FILENO, logbestand.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_adddup2(&acties, STDOUT_FILENO, STDERR_FILENO);

  const Stopwatch klok;
  pid_t pid = 0;
  const int fout = posix_spawn(&pid, argv[0], &acties, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&acties);
  if (fout != 0) return k;
  rusage gebruik{};
  pid_t klaar = -1;
  do {
    klaar = wait4(pid, &k.status, 0, &gebruik);
  } while (klaar < 0 && errno == EINTR);
  k.seconden = klok.Seconden();
  k.gestart = klaar == pid;
  k.geheugenKb = gebruik.ru_maxrss;
  k.cpuSeconden = static_cast<double>(gebruik.ru_utime.tv_sec + gebruik.ru_stime.tv_sec) +
                  static_cast<double>(gebruik.ru_utime.tv_usec + gebruik.ru_stime.tv_usec) / 1e6;
  return k;
}

// The helper: one request after the other (the arguments, then the log file) until the
// benchmark closes its pipe.
[[noreturn]] void Starter(int in, int uit) {
  for (;;) {
    std::uint32_t aantal = 0;
    if (!AllesLezen(in, &aantal, sizeof aantal)) _exit(0);
    std::vector<std::string> argumenten(aantal);
    std::string log;
    for (std::string& a : argumenten)
      if (!TekstLezen(in, a)) _exit(0);
    if (!TekstLezen(in, log)) _exit(0);
    const Kindproces k = Starten(argumenten, log);
    if (!AllesSchrijven(uit, &k, sizeof k)) _exit(0);
  }
}

}  // namespace

void KindprocesStarterOpzetten() {
  std::signal(SIGPIPE, SIG_IGN);  // a helper that died shows as a failed write, not as an end
  int heen[2], terug[2];
  if (pipe2(heen, O_CLOEXEC) != 0) return;
  if (pipe2(terug, O_CLOEXEC) != 0) {
    ::close(heen[0]);
    ::close(heen[1]);
    return;
  }
  const pid_t pid = fork();
  if (pid == 0) {
    ::close(heen[1]);
    ::close(terug[0]);
    Starter(heen[0], terug[1]);
  }
  ::close(heen[0]);
  ::close(terug[1]);
  if (pid < 0) {
    ::close(heen[1]);
    ::close(terug[0]);
    return;
  }
  starter = pid;
  naarStarter = heen[1];
  vanStarter = terug[0];
}

void KindprocesStarterStoppen() {
  if (starter < 0) return;
  ::close(naarStarter);
  ::close(vanStarter);
  naarStarter = vanStarter = -1;
  int status = 0;
  while (waitpid(starter, &status, 0) < 0 && errno == EINTR) {
  }
  starter = -1;
}

Kindproces Uitvoeren(const std::vector<std::string>& argumenten, const std::string& logbestand) {
  if (starter < 0) return Starten(argumenten, logbestand);
  const auto aantal = static_cast<std::uint32_t>(argumenten.size());
  bool goed = AllesSchrijven(naarStarter, &aantal, sizeof aantal);
  for (const std::string& a : argumenten) goed = goed && TekstSchrijven(naarStarter, a);
  goed = goed && TekstSchrijven(naarStarter, logbestand);
  Kindproces k;
  if (!goed || !AllesLezen(vanStarter, &k, sizeof k)) return Kindproces{};
  return k;
}

}  // namespace morvask::bench
