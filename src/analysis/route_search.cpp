#include "analysis/route_search.h"

#include <algorithm>
#include <cmath>

#include "base/user_interface.h"
#include "core/project.h"

namespace morvask {

void StartProberen(RIteratieOpdracht& o, RRegistratie& start, int geprobeerd) {
  start.Geprobeerd = true;
  o.ui.VoortgangPositie(static_cast<int>(std::lround(100.0 * geprobeerd / std::max(o.noemer, 1))));
  o.ui.BerichtenVerwerken();
}

}  // namespace morvask
