#include "reports/vehicle_type_line.h"

#include <algorithm>

#include "base/catalogue.h"
#include "core/project.h"

namespace morvask {

bool VoertuigtypekeuzeUitLetters(std::string_view letters, Voertuigtypekeuze& keuze) {
  Voertuigtypekeuze nieuw{};
  for (const char c : letters) {
    const std::size_t i = Voertuigtypen.find(c);
    if (i == std::string_view::npos) return false;
    nieuw[i] = true;
  }
  keuze = nieuw;
  return true;
}

std::vector<std::string> VoertuigtypeRegels(const RProjectgegevens& gegevens, const Catalogus& catalogus,
                                            const Voertuigtypekeuze& keuze) {
  std::string regel = catalogus["AA00053"];
  if (std::all_of(keuze.begin(), keuze.end(), [](bool b) { return b; })) return {regel + catalogus["AA00054"]};

  bool iets = false;
  for (std::size_t i = 0; i < Voertuigtypen.size(); ++i) {
    if (!keuze[i]) continue;
    iets = true;
    regel += *gegevens.VoertuigtypeNaam(Voertuigtypen[i]);
    regel += " (";
    regel += Voertuigtypen[i];
    regel += "), ";
  }
  if (!iets) return {regel};

  std::vector<std::string> regels;
  constexpr std::size_t kBreedte = 80;
  const std::size_t komma = regel.size() > kBreedte ? regel.find(", ", kBreedte) : std::string::npos;
  if (komma != std::string::npos && komma + 2 < regel.size()) {
    regels.push_back(regel.substr(0, komma + 2));
    regels.push_back("  " + regel.substr(komma + 2));
  } else {
    regels.push_back(regel);
  }
  std::string& laatste = regels.back();
  laatste.replace(laatste.size() - 2, 2, ".");
  return regels;
}

}  // namespace morvask
