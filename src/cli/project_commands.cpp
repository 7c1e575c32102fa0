#include "cli/commands.h"

namespace morvask::cli {

std::vector<Opdracht> ProjectOpdrachten() { return {}; }

}  // namespace morvask::cli
