#include "cli/commands.h"

namespace morvask::cli {

std::vector<Opdracht> RapportOpdrachten() { return {}; }

}  // namespace morvask::cli
