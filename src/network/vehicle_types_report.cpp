#include "network/vehicle_types_report.h"

#include "base/context.h"
#include "core/project.h"
#include "core/settings.h"
#include "reports/report_layout.h"

namespace morvask {

Rapport RapportVoertuigtypen(const Context& ctx) {
  RapportBuffer buffer;
  BovensteGedeelteRapport(buffer, ctx);
  buffer.RegelToevoegen(ctx.catalogus["AA00191"]);
  const std::string lijn = Lijn(ctx.instellingen, 35);
  buffer.RegelToevoegen(lijn);
  for (const char letter : Voertuigtypen)
    buffer.RegelToevoegen(std::string(1, letter) + " : " + *ctx.project.Gegevens.VoertuigtypeNaam(letter));
  buffer.RegelToevoegen(lijn);
  return RapportAfsluiten(buffer, ctx, Rapportsoort::Voertuigtypenlijst, ctx.catalogus["AA00191"]);
}

}  // namespace morvask
