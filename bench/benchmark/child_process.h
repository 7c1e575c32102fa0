#pragma once
// Running a program as a child process and measuring it: its wall time and its own peak
// memory.
//
// On Linux a spawned child's ru_maxrss starts from the peak of the process that spawned it
// (the spawner's memory counts until the exec), so a child of the benchmark, grown large by
// its own sections, would report the benchmark's peak. Children are therefore spawned by a
// small helper process that is forked before the benchmark does anything.

#include <string>
#include <vector>

namespace morvask::bench {

struct Kindproces {
  bool gestart = false;    // false: the program could not be started
  int status = 0;          // as wait4 gives it
  double seconden = 0;     // wall time from the spawn to the end
  double cpuSeconden = 0;  // the child's user and system time
  long geheugenKb = 0;     // the child's peak resident memory (ru_maxrss)
};

// Forks the helper that spawns the children. Called first in main, while the benchmark is
// still small; without it the children are spawned directly.
void KindprocesStarterOpzetten();
// Ends the helper.
void KindprocesStarterStoppen();

// Runs the program (the first argument, a path) with its arguments, standard input from
// /dev/null, its output and errors into the log file, and waits for it.
Kindproces Uitvoeren(const std::vector<std::string>& argumenten, const std::string& logbestand);

}  // namespace morvask::bench
