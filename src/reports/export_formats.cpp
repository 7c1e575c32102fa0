#include "reports/export_formats.h"

#include "base/catalogue.h"
#include "base/messages.h"
#include "core/files.h"
#include "core/win1252.h"
#include "reports/report_export.h"

namespace morvask {

bool ExportsoortMogelijk(const Rapport& rapport, Exportsoort soort) {
  switch (soort) {
    case Exportsoort::Csv:
      return rapport.BevatTabelData;
    case Exportsoort::Gegevens:
      return rapport.Gegevens.Aanwezig();
    case Exportsoort::Tekst:
    case Exportsoort::Pdf:
      break;
  }
  return true;
}

Exportsoort BeginExportsoort(const Rapport& rapport, Exportsoort vorige) {
  return ExportsoortMogelijk(rapport, vorige) ? vorige : Exportsoort::Tekst;
}

std::string_view Exportsoortextensie(Exportsoort soort) {
  switch (soort) {
    case Exportsoort::Csv:
    case Exportsoort::Gegevens:
      return ".csv";
    case Exportsoort::Pdf:
      return ".pdf";
    case Exportsoort::Tekst:
      break;
  }
  return ".txt";
}

std::string VoorgesteldeNaam(std::string_view caption, Exportsoort soort) {
  const std::size_t dubbelepunt = caption.find(':');
  const std::string_view naam =
      dubbelepunt == std::string_view::npos ? std::string_view() : caption.substr(0, dubbelepunt);
  return std::string(naam) + std::string(Exportsoortextensie(soort));
}

std::string NaamMetExtensie(std::string_view naam, Exportsoort soort) {
  const std::string_view extensie = Exportsoortextensie(soort);
  std::string uit(naam);
  if (Extensie(naam) != extensie) uit += extensie;
  return uit;
}

std::string RapportAlsGegevens(const Rapport& rapport) {
  if (!rapport.Gegevens.Aanwezig()) return {};
  return Win1252NaarUtf8(GegevensAlsCsv(rapport.Gegevens));
}

std::optional<std::string> ExporterenNaarGekozenBestand(const Rapport& rapport, std::string_view gekozenNaam,
                                                        Exportsoort soort, Gebruikersinterface& ui,
                                                        const Catalogus& catalogus,
                                                        const std::function<std::optional<std::string>()>& maakPdf) {
  // A format the report cannot give is written as text, as the window's export does.
  if (!ExportsoortMogelijk(rapport, soort)) soort = Exportsoort::Tekst;
  const std::string naam = NaamMetExtensie(gekozenNaam, soort);
  if (BestandBestaat(naam) &&
      !VraagBevestiging(ui, catalogus, catalogus["AA00195"], catalogus.Vul("AA00032", {PadVoorWeergave(naam)}), "ZB00016", "ZB00017"))
    return std::nullopt;

  if (soort == Exportsoort::Tekst || soort == Exportsoort::Csv) {
    const Exportformaat formaat = soort == Exportsoort::Csv ? Exportformaat::Csv : Exportformaat::Tekst;
    if (!RapportExporteren(rapport, naam, formaat, ui, catalogus)) return std::nullopt;
    return naam;
  }
  std::optional<std::string> inhoud;
  if (soort == Exportsoort::Gegevens) {
    inhoud = RapportAlsGegevens(rapport);
  } else if (maakPdf) {
    inhoud = maakPdf();
  }
  if (!inhoud) return std::nullopt;
  if (!BestandAtomischSchrijven(naam, *inhoud)) {
    ToonFout(ui, catalogus, catalogus.Vul("AA00006", {PadVoorWeergave(naam)}));
    return std::nullopt;
  }
  return naam;
}

}  // namespace morvask
