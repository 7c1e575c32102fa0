#include "cli/commands.h"

namespace morvask::cli {

std::vector<Opdracht> WijzigOpdrachten() { return {}; }

}  // namespace morvask::cli
