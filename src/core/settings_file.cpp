#include "core/settings_file.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/catalogue.h"
#include "base/messages.h"
#include "core/files.h"
#include "core/folders.h"
#include "core/settings.h"
#include "core/text_utils.h"

namespace morvask {

namespace {

constexpr const char* TitelRegel = "[Morvask settings]";
constexpr const char* AlgemeenKop = "[**General variables**]";
constexpr const char* PositiesKop = "[**Form positions**]";

std::string Booleaans(bool b) { return b ? "1" : "0"; }

// A whole number of the file; blanks around it are allowed.
bool Getal(std::string_view waarde, long long& uit) {
  int w = 0;
  if (!ProbeerGetal(Bijsnijden(waarde), w)) return false;
  uit = w;
  return true;
}

// The numbers are kept inside what their field holds, and inside what the settings dialog
// offers where that is narrower: a font size of at most 255, an interval of 1 to 30000
// minutes (0 would make an endless intensities list) and a memory refresh of 0 (never) or
// more.
template <typename T>
T Begrensd(long long w, long long laag, long long hoog) {
  return static_cast<T>(std::clamp(w, laag, hoog));
}

}  // namespace

std::string InstellingenBestandPad(const std::string& programmaMap) {
  return SpeciaalMapPad(0, programmaMap) + "Morvask" + Scheidingsteken + "Morvask.ini";
}

bool InstellingenOntleden(RProgrammaInstellingen& s, std::string_view inhoud, Gebruikersinterface& ui,
                          const Catalogus& cat) {
  const std::vector<std::string> regels = RegelsSplitsen(inhoud);

  // The general variables: every line after their header, to the end of the file.
  std::size_t i = 0;
  while (i < regels.size() && regels[i] != AlgemeenKop) ++i;
  for (++i; i < regels.size(); ++i) {
    const std::string& regel = regels[i];
    const std::size_t is = regel.find('=');
    if (is == std::string::npos) continue;
    const std::string sleutel = InKleineLetters(std::string_view(regel).substr(0, is + 1));
    const std::string waarde = regel.substr(is + 1);

    auto getal = [&](long long& uit) {
      if (Getal(waarde, uit)) return true;
      ToonFout(ui, cat, AlgemeneFoutGeenGetal(waarde));
      return false;
    };
    long long n = 0;
    if (sleutel == "language=") {
      s.Taal = waarde;
    } else if (sleutel == "languageset=") {
      if (!getal(n)) return false;
      s.TaalGekozen = Begrensd<std::uint8_t>(n, 0, 255);
    } else if (sleutel == "languagehelp=") {
      s.HelpTaal = waarde;
    } else if (sleutel == "reporttablefontsize=") {
      if (!getal(n)) return false;
      s.RapportTabelLettertypeGrootte = Begrensd<std::uint8_t>(n, 0, 255);
    } else if (sleutel == "reportlinecharacter=") {
      s.EenHorzTeken = waarde.substr(0, 1);
    } else if (sleutel == "reportshowcontextinfo=") {
      s.RapportInformatieOverInhoudWeergeven = waarde == "1";
    } else if (sleutel == "reportshowlegend=") {
      s.RapportAfkortingOmschrijvingWeergeven = waarde == "1";
    } else if (sleutel == "reportmaximize=") {
      s.RapportAutomMaximaliseren = waarde == "1";
    } else if (sleutel == "reportshowposts=") {
      s.RapportOmschrijvingWaarnemingsposten = waarde == "1";
    } else if (sleutel == "projectfolder=") {
      s.Projectdirectory = waarde;
    } else if (sleutel == "showprojectsettingsafteropen=") {
      s.ProjectgegevensWeergevenNaOpenen = waarde == "1";
    } else if (sleutel == "volumesinterval=") {
      if (!getal(n)) return false;
      s.IntensiteitenInterval = Begrensd<std::uint16_t>(n, 1, 30000);
    } else if (sleutel == "disablescreensaver=") {
      s.ScreensaverUitschakelenTijdensMorvask = waarde == "1";
    } else if (sleutel == "backupfolder=") {
      s.Reservebestandendirectory = waarde;
    } else if (sleutel == "makebackups=") {
      s.ReservebestandMaken = waarde == "1";
    } else if (sleutel == "matchclearmemory=") {
      if (!getal(n)) return false;
      s.MatchOpschoonWaarde = Begrensd<std::int32_t>(n, 0, 2147483647LL);
    } else if (sleutel == "externaleditor=") {
      s.ExterneEditor = waarde;
    }
  }

  // The form positions: every line after their header, empty ones included, up to the next
  // header.
  s.FormPosities.clear();
  i = 0;
  while (i < regels.size() && regels[i] != PositiesKop) ++i;
  for (++i; i < regels.size(); ++i) {
    if (regels[i].rfind("[**", 0) == 0) break;
    s.FormPosities.push_back(regels[i]);
  }
  return true;
}

bool InstellingenLezen(RProgrammaInstellingen& s, const std::string& bestandsnaam, const std::string& reservemap,
                       Gebruikersinterface& ui, const Catalogus& cat) {
  s = StandaardInstellingen(reservemap);
  if (!BestandBestaat(bestandsnaam)) return false;
  const auto inhoud = BestandLezen(bestandsnaam);
  if (!inhoud) return false;
  return InstellingenOntleden(s, *inhoud, ui, cat);
}

std::vector<std::string> InstellingenRegels(const RProgrammaInstellingen& s) {
  std::vector<std::string> r = {
      TitelRegel,
      "",
      AlgemeenKop,
      "Language=" + s.Taal,
      "LanguageSet=" + std::to_string(s.TaalGekozen),
      "LanguageHelp=" + s.HelpTaal,
      "ReportTableFontSize=" + std::to_string(s.RapportTabelLettertypeGrootte),
      "ReportLineCharacter=" + s.EenHorzTeken.substr(0, 1),
      "ReportShowContextInfo=" + Booleaans(s.RapportInformatieOverInhoudWeergeven),
      "ReportShowLegend=" + Booleaans(s.RapportAfkortingOmschrijvingWeergeven),
      "ReportMaximize=" + Booleaans(s.RapportAutomMaximaliseren),
      "ReportShowPosts=" + Booleaans(s.RapportOmschrijvingWaarnemingsposten),
      "ProjectFolder=" + s.Projectdirectory,
      "ShowProjectSettingsAfterOpen=" + Booleaans(s.ProjectgegevensWeergevenNaOpenen),
      "VolumesInterval=" + std::to_string(s.IntensiteitenInterval),
      "DisableScreensaver=" + Booleaans(s.ScreensaverUitschakelenTijdensMorvask),
      "BackUpFolder=" + s.Reservebestandendirectory,
      "MakeBackUps=" + Booleaans(s.ReservebestandMaken),
      "MatchClearMemory=" + std::to_string(s.MatchOpschoonWaarde),
      "ExternalEditor=" + s.ExterneEditor,
      "",
      PositiesKop,
  };
  for (const auto& p : s.FormPosities)
    if (!p.empty()) r.push_back(p);
  r.emplace_back();
  return r;
}

bool InstellingenSchrijven(RProgrammaInstellingen& s, const std::string& bestandsnaam, Gebruikersinterface& ui,
                           const Catalogus& cat, const std::vector<RVenster>& vensters) {
  FormPositieOpslaan(s.FormPosities, vensters);
  std::error_code ec;
  const auto map = NaarPad(bestandsnaam).parent_path();
  if (!map.empty()) std::filesystem::create_directories(map, ec);
  if (!RegelsAtomischSchrijven(bestandsnaam, InstellingenRegels(s))) {
    ToonFout(ui, cat, cat.Vul("AA00167", {PadVoorWeergave(bestandsnaam)}));
    return false;
  }
  return true;
}

}  // namespace morvask
