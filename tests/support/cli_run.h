#pragma once
// Runs the built morvask-cli with arguments and collects what it printed and its status.

#include <string>
#include <vector>

namespace morvask::test {

struct CliUitkomst {
  int status = -1;
  std::string uit;   // standard output
  std::string fout;  // standard error
};

CliUitkomst CliUitvoeren(const std::vector<std::string>& argumenten);

// The source tree's example project.
std::string VoorbeeldProject();

}  // namespace morvask::test
