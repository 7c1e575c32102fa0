#include "app/project_data.h"

#include <algorithm>

#include "base/messages.h"
#include "core/field_text.h"
#include "core/project.h"
#include "core/registration_list.h"
#include "core/settings.h"
#include "core/text_utils.h"
#include "language/language_file.h"
#include "language/translation.h"

namespace morvask {

namespace {

const char* Standaard(SpeciaalKarakterVeld veld) {
  return veld == SpeciaalKarakterVeld::Wildcard ? StandaardWildcardKarakter : StandaardGemistKentekenKarakter;
}

// A single space, or a control byte that cannot stand in a plate, means the default.
std::string MetStandaard(std::string_view tekst, SpeciaalKarakterVeld veld) {
  if (tekst.size() == 1 && static_cast<unsigned char>(tekst[0]) <= 0x20) return Standaard(veld);
  return std::string(tekst);
}

// What is stored of a special field: its first character, after the rule above.
std::string OpgeslagenKarakter(std::string_view tekst, SpeciaalKarakterVeld veld) {
  return MetStandaard(tekst.substr(0, 1), veld);
}

}  // namespace

RProjectOverzicht ProjectOverzicht(const Project& project) {
  RProjectOverzicht o;
  o.AantalPosten = AantalPosten(project);
  o.AantalRegistraties = AantalRegistraties(project);
  for (std::size_t i = 0; i < Voertuigtypen.size(); ++i) {
    const char letter = Voertuigtypen[i];
    o.Voertuigtypenamen[i] = *project.Gegevens.VoertuigtypeNaam(letter);
    o.AantalPerVoertuigtype[i] = AantalRegistraties(project, std::string_view(&letter, 1));
  }
  return o;
}

std::vector<std::string> ProjectOverzichtRegels(const Context& ctx) {
  std::string posten = AantalPostenTekst;
  std::string registraties = AantalRegistratiesTekst;
  if (ctx.instellingen.Taal != IngebouwdeTaal)
    if (const auto bestand = OpenTaalbestand(ctx.mappen.Programma, ctx.instellingen.Taal)) {
      RScherm scherm{ProjectgegevensSchermNaam, "", {}};
      scherm.Onderdelen.push_back({AantalPostenLabel, SoortOnderdeel::Gewoon, true, posten, false, "", {}});
      scherm.Onderdelen.push_back({AantalRegistratiesLabel, SoortOnderdeel::Gewoon, true, registraties, false, "", {}});
      VertaalScherm(scherm, *bestand);
      posten = scherm.Onderdelen[0].Caption;
      registraties = scherm.Onderdelen[1].Caption;
    }
  const RProjectOverzicht o = ProjectOverzicht(ctx.project);
  std::vector<std::string> regels = {posten + " " + std::to_string(o.AantalPosten),
                                     registraties + " " + std::to_string(o.AantalRegistraties)};
  for (std::size_t i = 0; i < Voertuigtypen.size(); ++i)
    regels.push_back(o.Voertuigtypenamen[i] + " (" + Voertuigtypen[i] +
                     "): " + std::to_string(o.AantalPerVoertuigtype[i]));
  return regels;
}

RProjectgegevensVelden ProjectgegevensVeldenVullen(const Project& project) {
  const RProjectgegevens& g = project.Gegevens;
  RProjectgegevensVelden v;
  v.Omschrijving = g.Projectomschrijving;
  v.Rapporttekst1 = g.ProjectRapporttekst1;
  v.Rapporttekst2 = g.ProjectRapporttekst2;
  v.Interval = std::to_string(g.Waarnemingsinterval);
  v.Wildcard = g.WildcardKarakter.str();
  v.GemistKenteken = g.GemistKentekenKarakter.str();
  return v;
}

std::string SpeciaalKarakterControleren(Context& ctx, SpeciaalKarakterVeld veld, std::string_view nieuw,
                                        std::string_view ander, std::string_view vorige) {
  const SpeciaalKarakterVeld anderVeld =
      veld == SpeciaalKarakterVeld::Wildcard ? SpeciaalKarakterVeld::GemistKenteken : SpeciaalKarakterVeld::Wildcard;
  std::string tekst = MetStandaard(nieuw, veld);
  const std::string anderTekst = MetStandaard(ander, anderVeld);
  if (tekst != anderTekst) return tekst;
  ToonWaarschuwing(ctx.ui, ctx.catalogus, ctx.catalogus["AA00179"]);
  std::string standaard(Standaard(veld));
  if (standaard != anderTekst) return standaard;
  return std::string(vorige);
}

RProjectgegevensUitkomst ProjectgegevensToepassen(Context& ctx, const RProjectgegevensVelden& v) {
  RProjectgegevensUitkomst uit;
  const bool iets = v.OmschrijvingGewijzigd || v.Rapporttekst1Gewijzigd || v.Rapporttekst2Gewijzigd ||
                    v.WildcardGewijzigd || v.GemistKentekenGewijzigd || v.IntervalGewijzigd || v.IntervalGetypt;
  if (!iets) return uit;

  int interval = 0;
  if (!ProbeerGetal(Bijsnijden(v.Interval), interval)) {
    ToonFout(ctx.ui, ctx.catalogus, AlgemeneFoutGeenGetal(v.Interval));
    return uit;
  }
  interval = std::clamp(interval, MinimaalWaarnemingsinterval, MaximaalWaarnemingsinterval);

  const std::string wildcard = OpgeslagenKarakter(v.Wildcard, SpeciaalKarakterVeld::Wildcard);
  const std::string gemist = OpgeslagenKarakter(v.GemistKenteken, SpeciaalKarakterVeld::GemistKenteken);
  if (wildcard == gemist) {
    ToonWaarschuwing(ctx.ui, ctx.catalogus, ctx.catalogus["AA00179"]);
    return uit;
  }

  RProjectgegevens& g = ctx.project.Gegevens;
  g.Projectomschrijving = VeldTekst(v.Omschrijving, MaximaleProjecttekstLengte);
  g.ProjectRapporttekst1 = VeldTekst(v.Rapporttekst1, MaximaleProjecttekstLengte);
  g.ProjectRapporttekst2 = VeldTekst(v.Rapporttekst2, MaximaleProjecttekstLengte);
  g.Waarnemingsinterval = interval;
  g.WildcardKarakter = wildcard;
  g.GemistKentekenKarakter = gemist;
  ctx.project.MarkeerGewijzigd(ctx.ui);
  uit.Opgeslagen = true;
  uit.InvoertijdLegen = v.IntervalGetypt;
  return uit;
}

}  // namespace morvask
