#include "registrations/csv_import.h"

#include <optional>

#include "base/context.h"
#include "base/messages.h"
#include "core/files.h"
#include "core/project.h"
#include "core/text_utils.h"
#include "core/times.h"
#include "core/win1252.h"

namespace morvask {

namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

bool IsWit(char c) { return static_cast<unsigned char>(c) <= 0x20; }

// The length of a line without its leading and trailing spaces and control characters.
std::size_t BijgesnedenLengte(std::string_view regel) {
  std::size_t b = 0, e = regel.size();
  while (b < e && IsWit(regel[b])) ++b;
  while (e > b && IsWit(regel[e - 1])) --e;
  return e - b;
}

// Calls doe for every line of the text. A line ends at LF, CR LF or a lone CR, so files of
// any origin split into their lines and no CR is left inside a field. A final line without
// line end counts.
template <typename Doe>
void VoorElkeRegel(std::string_view tekst, Doe doe) {
  std::size_t begin = 0;
  while (begin < tekst.size()) {
    const std::size_t eind = tekst.find_first_of("\r\n", begin);
    if (eind == std::string_view::npos) {
      doe(tekst.substr(begin));
      return;
    }
    doe(tekst.substr(begin, eind - begin));
    begin = eind + 1;
    if (tekst[eind] == '\r' && begin < tekst.size() && tekst[begin] == '\n') ++begin;
  }
}

// The file's text in Windows-1252: as it stands, or converted when it is UTF-8 with its mark.
std::optional<std::string> CsvTekstLezen(const std::string& bestand) {
  std::optional<std::string> inhoud = BestandLezen(bestand);
  if (inhoud && std::string_view(*inhoud).starts_with(Utf8Bom))
    inhoud = Utf8NaarWin1252(std::string_view(*inhoud).substr(Utf8Bom.size()));
  return inhoud;
}

// The time field: a whole number of zero or more is normalised and written with four digits;
// anything else (17:50, a negative number) stays as it is, for the file check to report.
std::string CsvTijd(const std::string& veld) {
  int getal = 0;
  if (ProbeerGetal(veld, getal) && getal >= 0) return TijdOpmaken(getal);
  return veld;
}

}  // namespace

std::string CsvVeld(std::string_view regel, int n, std::string_view scheidingsteken, std::string_view veldmarkering) {
  std::string_view rest = regel;
  const bool splitsen = !scheidingsteken.empty();
  for (int i = 1; splitsen && i < n; ++i) {
    const std::size_t p = rest.find(scheidingsteken);
    if (p == std::string_view::npos) break;
    rest.remove_prefix(p + scheidingsteken.size());
  }
  const std::size_t p = splitsen ? rest.find(scheidingsteken) : std::string_view::npos;
  std::string veld = Bijsnijden(rest.substr(0, p));
  if (!veldmarkering.empty() && std::string_view(veld).starts_with(veldmarkering)) veld.erase(0, veldmarkering.size());
  if (!veldmarkering.empty() && std::string_view(veld).ends_with(veldmarkering))
    veld.erase(veld.size() - veldmarkering.size());
  return veld;
}

bool CsvRegelNaarRegistratie(std::string_view regel, const RCsvImportVelden& velden, RRegistratie& registratie) {
  if (BijgesnedenLengte(regel) <= CsvKortsteRegel) return false;
  auto veld = [&](int n) { return CsvVeld(regel, n, velden.Scheidingsteken, velden.Veldmarkering); };
  registratie = RRegistratie(InKleineLetters(veld(1)), CsvTijd(veld(2)), InKleineLetters(veld(3)), veld(4));
  return true;
}

bool CsvImporteren(Context& ctx, const RCsvImportVelden& velden) {
  if (velden.Bestand.empty()) return false;
  const std::optional<std::string> tekst = CsvTekstLezen(velden.Bestand);
  if (!tekst) {
    ToonFout(ctx.ui, ctx.catalogus, ctx.catalogus.Vul("AA00035", {PadVoorWeergave(velden.Bestand)}));
    return false;
  }

  BezigeCursor bezig(ctx.ui);
  std::size_t aantal = 0;
  VoorElkeRegel(*tekst, [&](std::string_view regel) { aantal += BijgesnedenLengte(regel) > CsvKortsteRegel; });
  std::vector<RRegistratie>& lijst = ctx.project.Registratielijst;
  lijst.reserve(lijst.size() + aantal);
  RRegistratie registratie;
  VoorElkeRegel(*tekst, [&](std::string_view regel) {
    if (CsvRegelNaarRegistratie(regel, velden, registratie)) lijst.push_back(registratie);
  });
  bezig.Klaar();

  ctx.project.MarkeerGewijzigd(ctx.ui);
  ctx.ui.InMenuChecken(mcRegistraties);
  ToonInformatie(ctx.ui, ctx.catalogus, ctx.catalogus["AA00009"]);
  return true;
}

}  // namespace morvask
