#include "cli/report_output.h"

#include <cstdio>

#include "base/messages.h"
#include "cli/commands.h"
#include "cli/terminal_ui.h"
#include "core/files.h"
#include "core/win1252.h"
#include "reports/report_export.h"

namespace morvask::cli {

namespace {

// --format data: the report's values as RFC 4180 CSV in UTF-8, the same bytes to FILE and
// to standard output (lines ended by CR LF, as the format has them).
int GegevensUitvoeren(Omgeving& o, const Argumenten& a, const Rapport& rapport) {
  if (!rapport.Gegevens.Aanwezig()) return GebruikFout("--format data is not for this report");
  const std::string csv = Win1252NaarUtf8(GegevensAlsCsv(rapport.Gegevens));
  if (const auto uitvoer = a.Waarde("output")) {
    const std::string bestand = PadArgument(*uitvoer);
    if (BestandAtomischSchrijven(bestand, csv)) return kKlaar;
    ToonFout(o.ui, o.catalogus, o.catalogus.Vul("AA00006", {PadVoorWeergave(bestand)}));
    return kMislukt;
  }
  std::fwrite(csv.data(), 1, csv.size(), stdout);
  return kKlaar;
}

}  // namespace

bool FormaatZonderTabel(const Argumenten& a) {
  if (a.Waarde("format") != "csv") return false;
  Opmerking("this report has no table data; it is written as text, as the program's export does");
  return true;
}

int RapportUitvoeren(Omgeving& o, const Argumenten& a, const Rapport& rapport) {
  if (a.Waarde("format") == "data") return GegevensUitvoeren(o, a, rapport);
  const Exportformaat gekozen = a.Waarde("format") == "csv" ? Exportformaat::Csv : Exportformaat::Tekst;
  const Exportformaat formaat = GeldigExportformaat(rapport, gekozen);
  if (formaat != gekozen) FormaatZonderTabel(a);
  if (const auto uitvoer = a.Waarde("output"))
    return RapportExporteren(rapport, PadArgument(*uitvoer), formaat, o.ui, o.catalogus) ? kKlaar : kMislukt;

  if (formaat == Exportformaat::Tekst) {
    RegelsAfdrukken(rapport.Regels);
    return kKlaar;
  }
  // The CSV export on a terminal: UTF-8, lines ended by LF like every other output.
  const std::string uit = VoorTerminal(RapportAlsCsv(rapport));
  std::fwrite(uit.data(), 1, uit.size(), stdout);
  return kKlaar;
}

std::vector<std::string> LijstSplitsen(const std::string& lijst) {
  std::vector<std::string> delen;
  std::size_t begin = 0;
  while (begin <= lijst.size()) {
    std::size_t komma = lijst.find(',', begin);
    if (komma == std::string::npos) komma = lijst.size();
    if (komma > begin) delen.push_back(lijst.substr(begin, komma - begin));
    begin = komma + 1;
  }
  return delen;
}

std::optional<Voertuigtypekeuze> VoertuigtypenOptie(const Argumenten& a, std::string& fout) {
  const auto letters = a.Waarde("types");
  if (!letters) return AlleVoertuigtypen;
  Voertuigtypekeuze keuze{};
  if (!VoertuigtypekeuzeUitLetters(*letters, keuze)) {
    fout = "--types takes vehicle-type letters of \"almzbour\"";
    return std::nullopt;
  }
  return keuze;
}

bool PostenOptieToepassen(Omgeving& o, const Argumenten& a) {
  std::vector<RWaarnemingspost>& posten = o.project.Postlijst;
  const auto lijst = a.Waarde("posts");
  if (!lijst) {
    for (RWaarnemingspost& p : posten) p.Geselecteerd = true;
    return true;
  }
  const std::vector<std::string> codes = LijstSplitsen(Argument(*lijst));
  std::vector<bool> gekozen(posten.size(), false);
  for (const std::string& code : codes) {
    bool bekend = false;
    for (std::size_t i = 0; i < posten.size(); ++i)
      if (posten[i].Postcode.view() == code) gekozen[i] = bekend = true;
    if (!bekend) {
      ToonFout(o.ui, o.catalogus, o.catalogus["AA00083"] + ": " + code);
      return false;
    }
  }
  for (std::size_t i = 0; i < posten.size(); ++i) posten[i].Geselecteerd = gekozen[i];
  return true;
}

}  // namespace morvask::cli
