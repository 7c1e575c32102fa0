// info: the project data dialog's figures of a project.

#include "app/project_data.h"
#include "cli/commands.h"
#include "cli/environment.h"

namespace morvask::cli {

namespace {

int Info(const Argumenten& a) {
  return MetProject(a, PadArgument(a.posities[0]), false,
                    [&](Omgeving& o) { return RegelsUitvoeren(o, a, ProjectOverzichtRegels(o.ctx)); });
}

}  // namespace

std::vector<Opdracht> ProjectOpdrachten() {
  return {{"info",
           "info PROJECT",
           "the project data dialog's figures: posts, registrations per vehicle type",
           "The figures of the project data dialog, one per line: the number of observation posts, the number of "
           "registrations, and the registrations of each vehicle type in the order a, l, m, z, b, o, u, r.",
           1,
           true,
           false,
           {},
           Info}};
}

}  // namespace morvask::cli
