#include "reports/report_layout.h"

#include <algorithm>

#include "base/context.h"
#include "base/version.h"
#include "core/project.h"
#include "core/settings.h"

namespace morvask {

std::string RapportTitelregel() { return std::string(Programmanaam) + " " + Hoofdversie(); }

void BovensteGedeelteRapport(RapportBuffer& buffer, const Context& ctx) {
  const RProjectgegevens& g = ctx.project.Gegevens;
  buffer.LeegMaken();
  const std::string titel = RapportTitelregel();
  const std::size_t breedte = std::max(
      {titel.size(), g.ProjectRapporttekst1.size(), g.ProjectRapporttekst2.size(), g.Projectomschrijving.size()});
  const std::string lijn = Lijn(ctx.instellingen, static_cast<int>(breedte));
  buffer.RegelToevoegen(lijn);
  buffer.RegelToevoegen(titel);
  for (const std::string* tekst : {&g.ProjectRapporttekst1, &g.ProjectRapporttekst2, &g.Projectomschrijving})
    if (!tekst->empty()) buffer.RegelToevoegen(*tekst);
  buffer.RegelToevoegen(lijn);
  buffer.RegelToevoegen("");
}

std::vector<std::string> WaarnemingspostenRegels(const Context& ctx) {
  std::vector<std::string> posten;
  posten.reserve(ctx.project.Postlijst.size());
  std::size_t langste = 28;
  for (const RWaarnemingspost& p : ctx.project.Postlijst) {
    posten.push_back(p.Postcode.str() + "  " + p.Omschrijving.str());
    langste = std::max(langste, posten.back().size());
  }
  const std::string lijn = Lijn(ctx.instellingen, static_cast<int>(langste));
  std::vector<std::string> regels = {ctx.catalogus["AA00096"], lijn, ctx.catalogus["AA00097"], lijn};
  regels.insert(regels.end(), posten.begin(), posten.end());
  regels.push_back(lijn);
  return regels;
}

void OndersteGedeelteRapport(RapportBuffer& buffer, const Context& ctx, Rapportsoort soort) {
  const RProgrammaInstellingen& s = ctx.instellingen;
  const Catalogus& cat = ctx.catalogus;
  if (soort != Rapportsoort::Waarnemingsposten && s.RapportOmschrijvingWaarnemingsposten) {
    buffer.RegelToevoegen("");
    buffer.RegelsToevoegen(WaarnemingspostenRegels(ctx));
  }
  buffer.RegelToevoegen("");
  if (!s.RapportAfkortingOmschrijvingWeergeven) return;
  if (soort != Rapportsoort::Aantekeningen && soort != Rapportsoort::Voertuigtypenlijst) {
    buffer.RegelToevoegen("xxx-ki\t" + cat["AA00036"]);
    buffer.RegelToevoegen("xxx-ku\t" + cat["AA00037"]);
    buffer.RegelToevoegen("xxx-t1\t" + cat["AA00038"]);
    buffer.RegelToevoegen("xxx-t2\t" + cat["AA00039"]);
  }
  if (soort == Rapportsoort::Doorrijtijden) buffer.RegelToevoegen("-\t" + cat["AA00040"]);
  if (soort == Rapportsoort::GemiddeldeDoorrijtijden) buffer.RegelToevoegen("-\t" + cat["AA00041"]);
}

void HoofdStringGridNaarHoofdRichEdit(RapportBuffer& buffer) {
  buffer.RegelsToevoegen(buffer.HoofdStringGrid.Weergave());
}

bool HoofdStringGridIsEmpty(const RapportBuffer& buffer) { return buffer.HoofdStringGrid.IsLeeg(); }

Rapport RichEdit1NaarKindForm(const RapportBuffer& buffer, std::string_view titel) {
  Rapport rapport;
  rapport.Titel = titel;
  rapport.Regels = RegelsVoorVenster(buffer.Regels());
  return rapport;
}

void HoofdStringGridNaarKindFormStringGrid(RapportBuffer& buffer, Rapport& rapport) {
  rapport.Tabel = buffer.HoofdStringGrid;
  if (!HoofdStringGridIsEmpty(buffer)) rapport.BevatTabelData = true;
  buffer.HoofdStringGrid.LeegMaken();
}

Rapport RapportOpleveren(RapportBuffer& buffer, std::string_view titel, MetTabel tabel) {
  Rapport rapport = RichEdit1NaarKindForm(buffer, titel);
  if (tabel == MetTabel::Ja) HoofdStringGridNaarKindFormStringGrid(buffer, rapport);
  return rapport;
}

Rapport RapportAfsluiten(RapportBuffer& buffer, const Context& ctx, Rapportsoort soort, std::string_view titel,
                         MetTabel tabel) {
  OndersteGedeelteRapport(buffer, ctx, soort);
  return RapportOpleveren(buffer, titel, tabel);
}

}  // namespace morvask
