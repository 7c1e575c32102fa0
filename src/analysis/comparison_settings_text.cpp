#include "analysis/comparison_settings_text.h"

#include "base/catalogue.h"
#include "base/context.h"
#include "core/project.h"
#include "core/settings.h"
#include "core/times.h"
#include "reports/report_layout.h"

namespace morvask {

std::vector<std::string> VergelijkingsinstellingenTekst(const RMatchbestandInstellingen& s,
                                                        const RVoertuigtypeKeuze& keuze,
                                                        const RProjectgegevens& gegevens, const Catalogus& cat) {
  const auto kies = [&cat](bool ja, const char* jaSleutel, const char* neeSleutel) {
    return cat[ja ? jaSleutel : neeSleutel];
  };
  std::vector<std::string> r;
  r.push_back(cat.Vul("AA00117", {TijdOpmaken(s.MiTimeFrom), TijdOpmaken(s.MiTimeUntil)}));
  r.push_back(kies(s.MiCorrectionPreAftPeriod, "AA00118", "AA00119"));
  r.push_back(cat.Vul("AA00120", {std::to_string(s.MiNumberChar)}));
  r.push_back(kies(s.MiNoCaseDifference, "AA00121", "AA00122"));
  r.push_back(kies(s.MiIterative, "AA00123", "AA00124"));
  r.push_back(kies(s.MiWithWildcards, "AA00125", "AA00126"));
  r.push_back(cat.Vul("AA00127", {std::to_string(s.MiNumberChangedChar)}));
  r.push_back(cat.Vul("AA00128", {std::to_string(s.MiNumberDifferentChar)}));
  r.push_back(kies(s.MiWithMissedLicenses, "AA00129", "AA00130"));
  for (std::string& v : VoertuigtypeRegels(gegevens, cat, keuze.Aan)) r.push_back(std::move(v));
  r.push_back(cat["AA00131"]);
  if (keuze.Meerderheid) {
    r.push_back(cat["AA00133"]);
    r.push_back(cat["AA00134"]);
  } else {
    r.push_back(cat["AA00132"]);
  }
  r.push_back(kies(s.MiNoInsidePosts, "AA00135", "AA00136"));
  r.push_back(kies(s.MiCheckBlockFirstPost, "AA00137", "AA00138"));
  if (s.MiInterruptByUser) {
    r.emplace_back();
    r.push_back(cat["AA00139"]);
  }
  r.emplace_back();
  return r;
}

void VergelijkingsrapportKop(RapportBuffer& buffer, const Context& ctx, const std::string& titelregel,
                             const RVergelijkingsgegevens& gegevens) {
  BovensteGedeelteRapport(buffer, ctx);
  buffer.RegelToevoegen(titelregel);
  buffer.RegelToevoegen("");
  buffer.RegelsToevoegen(
      VergelijkingsinstellingenTekst(gegevens.Instellingen, gegevens.Keuze, ctx.project.Gegevens, ctx.catalogus));
}

std::vector<std::string> VerklaringVergelijking(const Catalogus& cat) {
  return {"",
          cat["AA00111"],
          "-\t" + cat["AA00112"],
          "Xv\t" + cat["AA00113"],
          "Xw\t" + cat["AA00114"],
          "1p\t" + cat["AA00115"],
          "1t\t" + cat["AA00116"]};
}

}  // namespace morvask
