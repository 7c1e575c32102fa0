#include "analysis/match_settings.h"

#include <algorithm>

#include "analysis/plate_comparison.h"
#include "core/project.h"
#include "core/registration_list.h"
#include "core/text_utils.h"
#include "core/times.h"

namespace morvask {

std::string StandaardMatchbestandsnaam(const Project& project) { return project.Projectbestandsnaam + Matchextensie; }

std::string MatchbestandsnaamUitDialoog(std::string_view gekozen) {
  const std::string_view extensie = Matchextensie;
  const bool heeftExtensie = gekozen.size() >= extensie.size() &&
                             GelijkZonderHoofdletters(gekozen.substr(gekozen.size() - extensie.size()), extensie);
  std::string naam(gekozen);
  if (!heeftExtensie) naam += extensie;
  return naam;
}

void MaximaleTijden(RMatchInstellingen& in, const Project& project) {
  // The earliest time as it stands, with four digits; the until time is a sum and is
  // normalised (0859 plus 1 minute is 0900).
  in.Vanaf = TekstUitlijnen("R", std::to_string(std::max(VroegsteTijd(project), 0)), "0", 4);
  in.Tot = TijdOpmaken(LaatsteTijd(project) + project.Gegevens.Waarnemingsinterval);
  in.PeriodeCorrectieIngeschakeld = false;
}

void VanafBewerkt(RMatchInstellingen& in, std::string_view tekst) {
  in.Vanaf = TijdveldNormaliseren(tekst);
  in.PeriodeCorrectieIngeschakeld = true;
}

void TotBewerkt(RMatchInstellingen& in, std::string_view tekst) {
  in.Tot = TijdveldNormaliseren(tekst);
  in.PeriodeCorrectieIngeschakeld = true;
}

int AantalKaraktersTellen(RMatchInstellingen& in) {
  // The same rule as the comparison's own settings.
  RVergelijkingsInstellingen v;
  v.Posities = in.Posities;
  v.MaxVerwisseld = in.AantalVerwisseld;
  v.MaxVerschillend = in.AantalVerschillend;
  const int aantal = AantalKaraktersTellen(v);
  in.Posities = v.Posities;
  in.AantalKarakters = v.AantalKarakters;
  in.AantalVerwisseld = v.MaxVerwisseld;
  in.AantalVerschillend = v.MaxVerschillend;
  return aantal;
}

bool WildcardInKentekens(const Project& project) {
  const std::string_view w = project.Gegevens.WildcardKarakter.view();
  if (w.empty()) return false;
  return std::any_of(project.Registratielijst.begin(), project.Registratielijst.end(),
                     [&](const RRegistratie& r) { return r.Kenteken.view().find(w[0]) != std::string_view::npos; });
}

void MatchInstellingenVoorbereiden(RMatchInstellingen& in, const Project& project) {
  if (in.Bestandsnaam.empty()) in.Bestandsnaam = StandaardMatchbestandsnaam(project);
  if (in.Vanaf.empty()) MaximaleTijden(in, project);
  AantalKaraktersTellen(in);
  in.WildcardsIngeschakeld = WildcardInKentekens(project);
  if (!in.WildcardsIngeschakeld) in.MetWildcards = false;
}

void MatchInstellingenProjectVervangen(RMatchInstellingen& in) {
  in.Bestandsnaam.clear();
  in.Vanaf.clear();
  in.Tot.clear();
}

}  // namespace morvask
