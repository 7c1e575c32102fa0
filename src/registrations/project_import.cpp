#include "registrations/project_import.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "base/context.h"
#include "base/messages.h"
#include "core/files.h"
#include "core/project.h"
#include "core/text_utils.h"

namespace morvask {

namespace {

constexpr std::string_view KopAlgemeen = "[**General variables**]";
constexpr std::string_view KopKentekens = "[**License numbers**]";

bool BegintMetKop(std::string_view regel) { return regel.starts_with("[**"); }

// Empty, or only spaces and control characters.
bool Blanco(std::string_view regel) {
  return std::all_of(regel.begin(), regel.end(), [](char c) { return static_cast<unsigned char>(c) <= 0x20; });
}

std::size_t KopZoeken(const std::vector<std::string>& regels, std::string_view kop) {
  std::size_t i = 0;
  while (i < regels.size() && regels[i] != kop) ++i;
  return i;
}

// The file version of the general variables: 0 without a "FileVersion=" line (the last
// one counts when there are several). Empty, after the general error message, when the
// value is not a whole number.
std::optional<int> VersieVanBestand(Context& ctx, const std::vector<std::string>& regels) {
  int versie = 0;
  for (std::size_t i = KopZoeken(regels, KopAlgemeen) + 1; i < regels.size(); ++i) {
    const std::string_view regel = regels[i];
    if (BegintMetKop(regel)) break;
    const std::size_t is = regel.find('=');
    if (is == std::string_view::npos || !GelijkZonderHoofdletters(regel.substr(0, is + 1), "fileversion=")) continue;
    if (!ProbeerGetal(regel.substr(is + 1), versie)) {
      ToonFout(ctx.ui, ctx.catalogus, AlgemeneFoutGeenGetal(regel.substr(is + 1)));
      return std::nullopt;
    }
  }
  return versie;
}

}  // namespace

void AnderProjectImportAankondigen(Context& ctx) {
  ToonInformatie(ctx.ui, ctx.catalogus, ctx.catalogus.Vul("AA00007", {Programmanaam}));
}

bool RegistratiesUitAnderProjectImporteren(Context& ctx, const std::string& bestandsnaam) {
  const std::optional<std::string> inhoud = BestandLezen(bestandsnaam);
  if (!inhoud) {
    ToonWaarschuwing(ctx.ui, ctx.catalogus, ctx.catalogus["AA00010"]);
    return false;
  }
  BezigeCursor bezig(ctx.ui);
  const std::vector<std::string> regels = RegelsSplitsen(*inhoud);

  const std::optional<int> versie = VersieVanBestand(ctx, regels);
  if (!versie) return false;
  if (*versie != BestandsversieGetal) {
    ToonWaarschuwing(ctx.ui, ctx.catalogus, ctx.catalogus.Vul("AA00008", {Programmanaam, Programmanaam}));
    return false;
  }

  // Every line of the section that is not blank is a registration, also a last line of the
  // file without the closing empty line a written project has: a hand-made or cut-off file
  // loses no registration.
  const std::size_t begin = KopZoeken(regels, KopKentekens) + 1;
  std::size_t eind = begin;
  while (eind < regels.size() && !BegintMetKop(regels[eind])) ++eind;
  std::vector<RRegistratie>& lijst = ctx.project.Registratielijst;
  if (eind > begin) lijst.reserve(lijst.size() + (eind - begin));
  for (std::size_t i = begin; i < eind; ++i)
    if (!Blanco(regels[i])) lijst.push_back(RRegistratie::UitRegel(regels[i]));

  ctx.project.MarkeerGewijzigd(ctx.ui);
  ctx.ui.InMenuChecken(mcRegistraties);
  ToonInformatie(ctx.ui, ctx.catalogus, ctx.catalogus["AA00009"]);
  return true;
}

}  // namespace morvask
