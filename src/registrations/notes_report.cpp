#include "registrations/notes_report.h"

#include "base/context.h"
#include "core/project.h"
#include "reports/report_layout.h"

namespace morvask {

Rapport RapportAantekeningen(const Context& ctx) {
  RapportBuffer buffer;
  BovensteGedeelteRapport(buffer, ctx);
  buffer.RegelToevoegen(ctx.catalogus["AA00011"]);
  buffer.RegelToevoegen("");
  buffer.RegelsToevoegen(ctx.project.Aantekeningen);
  return RapportAfsluiten(buffer, ctx, Rapportsoort::Aantekeningen, ctx.catalogus["AA00012"]);
}

}  // namespace morvask
