#pragma once
// Runs the built morvask-cli with arguments and collects what it printed and its status.

#include <string>
#include <utility>
#include <vector>

namespace morvask::test {

struct CliUitkomst {
  int status = -1;
  std::string uit;   // standard output
  std::string fout;  // standard error
};

using Omgevingsvariabelen = std::vector<std::pair<std::string, std::string>>;

// Runs morvask-cli with HOME, XDG_CONFIG_HOME, XDG_STATE_HOME, XDG_RUNTIME_DIR and TMPDIR
// pointing into a fresh folder of the run, then the given variables set.
CliUitkomst CliUitvoeren(const std::vector<std::string>& argumenten, const Omgevingsvariabelen& omgeving = {});

// The source tree's example project.
std::string VoorbeeldProject();

// Standard error with every time taken of the success summaries ("in 0.412 s") written as
// "in T", so that a test can compare the whole text.
std::string ZonderDuur(const std::string& fout);

}  // namespace morvask::test
