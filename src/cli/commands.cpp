#include "cli/commands.h"

#include <cstdio>

namespace morvask::cli {

const std::vector<Opdracht>& Opdrachten() {
  static const std::vector<Opdracht> opdrachten = [] {
    std::vector<Opdracht> alle;
    for (auto groep :
         {RapportOpdrachten, VergelijkingsrapportOpdrachten, ProjectOpdrachten, MatchOpdrachten, WijzigOpdrachten})
      for (auto& o : groep()) alle.push_back(std::move(o));
    return alle;
  }();
  return opdrachten;
}

int GebruikFout(const std::string& reden) {
  std::fprintf(stderr, "morvask-cli: %s\nusage: morvask-cli COMMAND [OPTIONS] ARGUMENTS (see morvask-cli --help)\n",
               reden.c_str());
  return kGebruik;
}

}  // namespace morvask::cli
