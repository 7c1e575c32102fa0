#include "network/posts_report.h"

#include "base/context.h"
#include "reports/report_layout.h"

namespace morvask {

Rapport RapportWaarnemingsposten(const Context& ctx) {
  RapportBuffer buffer;
  BovensteGedeelteRapport(buffer, ctx);
  buffer.RegelsToevoegen(WaarnemingspostenRegels(ctx));
  return RapportAfsluiten(buffer, ctx, Rapportsoort::Waarnemingsposten, ctx.catalogus["AA00098"]);
}

}  // namespace morvask
