#include "reports/report_export.h"

#include "base/catalogue.h"
#include "base/messages.h"
#include "core/files.h"

namespace morvask {

Exportformaat GeldigExportformaat(const Rapport& rapport, Exportformaat gekozen) {
  return gekozen == Exportformaat::Csv && rapport.BevatTabelData ? Exportformaat::Csv : Exportformaat::Tekst;
}

std::string_view Exportextensie(Exportformaat formaat) { return formaat == Exportformaat::Csv ? ".csv" : ".txt"; }

std::string VoorgesteldeExportnaam(std::string_view caption, Exportformaat formaat) {
  const std::size_t dubbelepunt = caption.find(':');
  const std::string_view naam =
      dubbelepunt == std::string_view::npos ? std::string_view() : caption.substr(0, dubbelepunt);
  return std::string(naam) + std::string(Exportextensie(formaat));
}

std::string ExportnaamMetExtensie(std::string_view naam, Exportformaat formaat) {
  const std::string_view extensie = Exportextensie(formaat);
  std::string uit(naam);
  if (Extensie(naam) != extensie) uit += extensie;
  return uit;
}

std::string RapportAlsTekst(const Rapport& rapport) { return RegelsSamenvoegen(rapport.Regels); }

std::string RapportAlsCsv(const Rapport& rapport) {
  const RapportTabel& t = rapport.Tabel;
  std::string uit;
  for (int rij = 0; rij < t.RijAantal(); ++rij) {
    for (int kolom = 0; kolom < t.KolomAantal(); ++kolom) {
      if (kolom > 0) uit += ',';
      uit += '"';
      uit += t.Cel(kolom, rij);
      uit += '"';
    }
    uit += "\r\n";
  }
  return uit;
}

bool RapportExporteren(const Rapport& rapport, std::string_view bestandsnaam, Exportformaat formaat,
                       Gebruikersinterface& ui, const Catalogus& catalogus) {
  const std::string inhoud =
      GeldigExportformaat(rapport, formaat) == Exportformaat::Csv ? RapportAlsCsv(rapport) : RapportAlsTekst(rapport);
  if (BestandAtomischSchrijven(bestandsnaam, inhoud)) return true;
  ToonFout(ui, catalogus, catalogus.Vul("AA00006", {PadVoorWeergave(bestandsnaam)}));
  return false;
}

bool RapportExporterenNaarGekozenBestand(const Rapport& rapport, std::string_view gekozenNaam, Exportformaat formaat,
                                         Gebruikersinterface& ui, const Catalogus& catalogus) {
  const Exportformaat geldig = GeldigExportformaat(rapport, formaat);
  const std::string naam = ExportnaamMetExtensie(gekozenNaam, geldig);
  if (BestandBestaat(naam) &&
      !VraagBevestiging(ui, catalogus, catalogus["AA00195"], catalogus.Vul("AA00032", {PadVoorWeergave(naam)}),
                        "ZB00016", "ZB00017"))
    return false;
  return RapportExporteren(rapport, naam, geldig, ui, catalogus);
}

}  // namespace morvask
