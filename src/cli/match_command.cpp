#include "cli/commands.h"

namespace morvask::cli {

std::vector<Opdracht> MatchOpdrachten() { return {}; }

}  // namespace morvask::cli
