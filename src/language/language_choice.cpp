#include "language/language_choice.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/context.h"
#include "base/messages.h"
#include "core/files.h"
#include "core/settings.h"
#include "core/text_utils.h"
#include "language/language_file.h"

namespace morvask {

namespace fs = std::filesystem;

std::optional<std::vector<std::string>> BestandenMetExtensie(const std::string& map, const std::string& extensie) {
  std::error_code ec;
  fs::directory_iterator it(NaarPad(map), ec);
  if (ec) return std::nullopt;
  std::vector<std::string> namen;
  for (const fs::directory_iterator eind; it != eind; it.increment(ec)) {
    if (ec) break;
    std::error_code ec2;
    if (!it->is_regular_file(ec2)) continue;
    const std::string naam = VanPad(it->path().filename());
    // The name without its extension; a name that is only the extension is no language.
    if (naam.size() <= extensie.size()) continue;
    if (!GelijkZonderHoofdletters(std::string_view(naam).substr(naam.size() - extensie.size()), extensie)) continue;
    namen.push_back(naam.substr(0, naam.size() - extensie.size()));
  }
  return namen;
}

namespace {

void Sorteren(std::vector<std::string>& namen) {
  std::sort(namen.begin(), namen.end(), [](const std::string& a, const std::string& b) {
    const std::string ka = InKleineLetters(a), kb = InKleineLetters(b);
    return ka != kb ? ka < kb : a < b;
  });
  namen.erase(std::unique(namen.begin(), namen.end(),
                          [](const std::string& a, const std::string& b) { return GelijkZonderHoofdletters(a, b); }),
              namen.end());
}

std::vector<std::string> Lijst(Context& ctx, const std::string& map, const std::string& extensie,
                               std::vector<std::string> namen) {
  if (auto gevonden = BestandenMetExtensie(map, extensie)) {
    namen.insert(namen.end(), gevonden->begin(), gevonden->end());
  } else {
    ToonFout(ctx.ui, ctx.catalogus, TekstVullen(ctx.vast.MapNietGevonden, {map}));
  }
  Sorteren(namen);
  return namen;
}

}  // namespace

std::vector<std::string> BeschikbareTalen(Context& ctx) {
  return Lijst(ctx, TaalMap(ctx.mappen.Programma), TaalbestandExtensie, {IngebouwdeTaal});
}

std::vector<std::string> BeschikbareHelpbestanden(Context& ctx) {
  return Lijst(ctx, HelpMap(ctx.mappen.Programma), HelpbestandExtensie, {});
}

std::optional<std::string> TaalKeuzeToepassen(Context& ctx, std::vector<RScherm>& schermen,
                                              const std::optional<std::string>& taal,
                                              const std::optional<std::string>& help, std::string_view organisatie) {
  if (taal) {
    StelTaalInScreentext(ctx, *taal);
    ctx.vast = VasteTekstenInstellen(ctx.instellingen.Taal);
    VertaalSchermen(ctx, schermen, *taal, organisatie);
    if (*taal == IngebouwdeTaal)
      ToonInformatie(ctx.ui, ctx.catalogus, TekstVullen(ctx.vast.HerstartVoorTaal, {Programmanaam, Programmanaam}));
  }
  if (help) return StelTaalInHelp(ctx, *help);
  return std::nullopt;
}

}  // namespace morvask
