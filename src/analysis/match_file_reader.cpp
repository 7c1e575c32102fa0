#include "analysis/match_file_reader.h"

#include <algorithm>

#include "core/files.h"
#include "core/text_utils.h"

namespace morvask {

namespace {

bool BegintMetSectie(std::string_view regel) { return regel.substr(0, 3) == "[**"; }

// The index after the first line equal to the header, or the number of lines without one.
std::size_t NaKop(const std::vector<std::string_view>& regels, std::string_view kop) {
  for (std::size_t i = 0; i < regels.size(); ++i)
    if (IsKop(regels[i], kop)) return i + 1;
  return regels.size();
}

// The lines from index begin up to (not including) the first line for which isEinde holds.
template <typename EindTest>
std::vector<std::string_view> SectieLezen(const std::vector<std::string_view>& regels, std::size_t begin,
                                          EindTest isEinde) {
  std::size_t eind = begin;
  while (eind < regels.size() && !isEinde(regels[eind])) ++eind;
  return {regels.begin() + static_cast<std::ptrdiff_t>(std::min(begin, eind)),
          regels.begin() + static_cast<std::ptrdiff_t>(eind)};
}

void JaNee(std::string_view regel, std::string_view sleutel, bool& waarde) {
  std::string tekst;
  if (SleutelWaarde(regel, sleutel, tekst)) waarde = tekst == "1";
}

void AlgemeneRegelLezen(std::string_view regel, RMatchbestand& m) {
  SleutelGetal(regel, "ProjectNumberOfRegistrations", m.ProjectNumberOfRegistrations);
  SleutelGetal(regel, "ProjectNumberOfPosts", m.ProjectNumberOfPosts);
  SleutelWaarde(regel, "ProjectTravelTimesSum", m.ProjectTravelTimesSum);
  RMatchbestandInstellingen& s = m.Instellingen;
  SleutelGetal(regel, "MiTimeFrom", s.MiTimeFrom);
  SleutelGetal(regel, "MiTimeUntil", s.MiTimeUntil);
  JaNee(regel, "MiCorrectionPreAftPeriod", s.MiCorrectionPreAftPeriod);
  SleutelGetal(regel, "MiNumberChar", s.MiNumberChar);
  JaNee(regel, "MiNoCaseDifference", s.MiNoCaseDifference);
  JaNee(regel, "MiIterative", s.MiIterative);
  JaNee(regel, "MiWithWildcards", s.MiWithWildcards);
  SleutelGetal(regel, "MiNumberChangedChar", s.MiNumberChangedChar);
  SleutelGetal(regel, "MiNumberDifferentChar", s.MiNumberDifferentChar);
  JaNee(regel, "MiWithMissedLicenses", s.MiWithMissedLicenses);
  JaNee(regel, "MiNoInsidePosts", s.MiNoInsidePosts);
  JaNee(regel, "MiCheckBlockFirstPost", s.MiCheckBlockFirstPost);
  JaNee(regel, "MiInterruptByUser", s.MiInterruptByUser);
}

}  // namespace

RMatchbestand MatchbestandUitTekst(std::string tekst) {
  RMatchbestand m;
  m.Inhoud = std::make_shared<const std::string>(std::move(tekst));
  const std::vector<std::string_view> regels = RegelsDelen(*m.Inhoud);

  // The description field reads every line up to the route section.
  for (std::string_view regel : regels) {
    if (IsKop(regel, SectieRoutes)) break;
    SleutelWaarde(regel, "FileDescription", m.Omschrijving);
  }

  for (std::size_t i = NaKop(regels, SectieAlgemeen); i < regels.size() && !BegintMetSectie(regels[i]); ++i)
    if (!regels[i].empty()) AlgemeneRegelLezen(regels[i], m);

  m.Routes = SectieLezen(regels, NaKop(regels, SectieRoutes),
                         [](std::string_view r) { return IsKop(r, SectieVergelijkingscontrole); });
  m.Vergelijkingscontrole = SectieLezen(regels, NaKop(regels, SectieVergelijkingscontrole), BegintMetSectie);
  m.NietRoutes =
      SectieLezen(regels, NaKop(regels, SectieNietRoutes), [](std::string_view r) { return IsKop(r, SectieEinde); });
  m.Volledig = std::any_of(regels.begin(), regels.end(), [](std::string_view r) { return IsKop(r, SectieEinde); });
  return m;
}

std::optional<RMatchbestand> MatchbestandLezen(std::string_view bestandsnaam) {
  std::optional<std::string> tekst = BestandLezen(bestandsnaam);
  if (!tekst) return std::nullopt;
  return MatchbestandUitTekst(std::move(*tekst));
}

}  // namespace morvask
