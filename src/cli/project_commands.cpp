// info: the project data dialog's figures of a project.

#include "app/project_data.h"
#include "cli/commands.h"
#include "cli/environment.h"

namespace morvask::cli {

namespace {

int Info(const Argumenten& a) {
  return MetProject(a, Argument(a.posities[0]), false,
                    [&](Omgeving& o) { return RegelsUitvoeren(o, a, ProjectOverzichtRegels(o.ctx)); });
}

}  // namespace

std::vector<Opdracht> ProjectOpdrachten() {
  return {{"info",
           "info PROJECT",
           "the project data dialog's figures: posts, registrations per vehicle type",
           1,
           true,
           {},
           Info}};
}

}  // namespace morvask::cli
