#include "network/vehicle_types.h"

#include <algorithm>

#include "core/field_text.h"
#include "core/text_utils.h"

namespace morvask {

RVoertuigtypeVelden VoertuigtypeVeldenVullen(const Project& project) {
  RVoertuigtypeVelden v;
  for (std::size_t i = 0; i < Voertuigtypen.size(); ++i)
    v.Omschrijving[i] = *project.Gegevens.VoertuigtypeNaam(Voertuigtypen[i]);
  return v;
}

bool VoertuigtypenToepassen(Context& ctx, const RVoertuigtypeVelden& v) {
  if (std::none_of(v.Gewijzigd.begin(), v.Gewijzigd.end(), [](bool b) { return b; })) return false;
  for (std::size_t i = 0; i < Voertuigtypen.size(); ++i) {
    const char letter = Voertuigtypen[i];
    const std::string tekst = VeldTekst(v.Omschrijving[i]);
    *ctx.project.Gegevens.VoertuigtypeNaam(letter) = Bijsnijden(tekst).empty() ? std::string(1, letter) : tekst;
  }
  ctx.project.MarkeerGewijzigd(ctx.ui);
  return true;
}

}  // namespace morvask
