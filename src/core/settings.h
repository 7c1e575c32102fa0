#pragma once
// The user's program settings: folders, report options, the external editor, backups, the
// memory clearing of the matching run, the language choice and the window positions.

#include <cstdint>
#include <string>
#include <vector>

namespace morvask {

struct RProgrammaInstellingen {
  std::string Projectdirectory;  // empty = no preference
  bool ProjectgegevensWeergevenNaOpenen = true;
  std::uint16_t IntensiteitenInterval = 15;
  std::uint8_t RapportTabelLettertypeGrootte = 8;
  std::string EenHorzTeken = "\x97";  // one byte: the em dash of Windows-1252
  bool RapportInformatieOverInhoudWeergeven = true;
  bool RapportAfkortingOmschrijvingWeergeven = true;
  std::string ExterneEditor = "xdg-open";
  bool RapportAutomMaximaliseren = true;
  bool RapportOmschrijvingWaarnemingsposten = false;
  bool ScreensaverUitschakelenTijdensMorvask = false;  // kept; has no effect on Linux
  std::string Reservebestandendirectory;               // empty = the default backup folder
  bool ReservebestandMaken = true;
  std::int32_t MatchOpschoonWaarde = 2000;

  // Language values stored with the settings.
  std::string Taal = "Nederlands";
  std::uint8_t TaalGekozen = 0;
  std::string HelpTaal = "Morvask_Nederlands";

  // The remembered window positions, "HoofdForm=M:0;L:196;T:115;W:725;H:520".
  std::vector<std::string> FormPosities;

  // The report line unit: EenHorzTeken repeated 7 times.
  std::string RapportLijnEenheid() const { return std::string(7, EenHorzTeken.empty() ? ' ' : EenHorzTeken[0]); }
};

// The defaults, with the backup folder set to the given folder (the default backup folder).
RProgrammaInstellingen StandaardInstellingen(const std::string& reservemap);

}  // namespace morvask
