// Writing the project file, the backup rotation before it, and saving under a new name.

#include "core/project_file.h"

#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "base/messages.h"
#include "core/files.h"
#include "core/folders.h"
#include "core/settings.h"
#include "core/text_utils.h"

namespace morvask {

namespace fs = std::filesystem;

namespace {

// A field padded with spaces to its width, so that every field of a line stays at the
// position readers cut it from.
std::string Vast(std::string_view tekst, std::size_t breedte) {
  std::string uit(tekst);
  if (uit.size() < breedte) uit.resize(breedte, ' ');
  return uit;
}

std::string Booleaans(bool b) { return b ? "1" : "0"; }

void Verwijderen(const fs::path& pad) {
  std::error_code ec;
  fs::remove(pad, ec);
}

bool Bestaat(const fs::path& pad) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(pad, ec));
}

void Hernoemen(const fs::path& van, const fs::path& naar) {
  std::error_code ec;
  fs::rename(van, naar, ec);
}

}  // namespace

std::string Reservebestandsnaam(const std::string& map, int slot) {
  return MetSlotBackslash(map) + "MorvaskBackUp" + std::to_string(slot) + Projectextensie;
}

std::string ProjectTekst(const Project& project) {
  const RProjectgegevens& g = project.Gegevens;
  // Written straight into one text, sized beforehand: a registration line is at most 20
  // characters and its line end 2.
  std::size_t grootte = 1024 + g.Projectomschrijving.size() + g.ProjectRapporttekst1.size() +
                        g.ProjectRapporttekst2.size() + 22 * project.Registratielijst.size() +
                        109 * project.Postlijst.size();
  for (const char letter : Voertuigtypen) grootte += g.VoertuigtypeNaam(letter)->size();
  for (const std::string& regel : project.Doorrijtijdentabel) grootte += regel.size() + 2;
  for (const std::string& regel : project.Aantekeningen) grootte += regel.size() + 2;
  std::string uit;
  uit.reserve(grootte);
  const auto regel = [&uit](std::string_view a, std::string_view b = {}) {
    uit += a;
    uit += b;
    uit += "\r\n";
  };

  regel("[Morvask datafile]");
  regel("");
  regel("[**General variables**]");
  regel("FileVersion=", Bestandsversie);
  regel("ProjectDescription=", g.Projectomschrijving);
  regel("ReportText1=", g.ProjectRapporttekst1);
  regel("ReportText2=", g.ProjectRapporttekst2);
  regel("ObservationInterval=", std::to_string(g.Waarnemingsinterval));
  regel("ShowNotesDialog=", Booleaans(g.AantekeningenschermTonen));
  regel("WildcardCharacter=", g.WildcardKarakter.view());
  regel("MissedLicenseCharacter=", g.GemistKentekenKarakter.view());
  for (const char letter : Voertuigtypen) regel(std::string("VehType") + letter + "=", *g.VoertuigtypeNaam(letter));
  regel("");

  regel("[**Observation posts**]");
  for (const RWaarnemingspost& p : project.Postlijst) regel(Vast(p.Postcode.view(), 6) + " ", p.Omschrijving.view());
  regel("");

  regel("[**Travel times**]");
  for (const std::string& r : project.Doorrijtijdentabel) regel(r);
  regel("");

  regel("[**License numbers**]");
  for (const RRegistratie& reg : project.Registratielijst) {
    reg.RegelToevoegenAan(uit);
    uit += "\r\n";
  }
  regel("");

  regel("[**Notes**]");
  for (const std::string& r : project.Aantekeningen) regel(r);
  regel("");
  return uit;
}

std::string Reservemap(const Context& ctx) {
  std::string map = ctx.instellingen.Reservebestandendirectory;
  if (map.empty()) map = ctx.mappen.Reservebestanden;
  if (map.empty()) map = ctx.mappen.Tijdelijk;
  return MetSlotBackslash(map);
}

bool ReservebestandenMaken(Context& ctx, const std::string& bestandsnaam) {
  if (!ctx.instellingen.ReservebestandMaken) return true;
  BezigeCursor bezig(ctx.ui);
  // The default folder (an empty setting or the default itself) is the user's private one,
  // made when missing. A folder of the user's own choice is taken as it is; a link planted
  // at a slot's name there is replaced, never written through.
  const std::string& gekozen = ctx.instellingen.Reservebestandendirectory;
  const bool standaard = gekozen.empty() || MetSlotBackslash(gekozen) == MetSlotBackslash(ctx.mappen.Reservebestanden);
  const std::string map = Reservemap(ctx);
  const auto mislukt = [&] {
    ToonWaarschuwing(ctx.ui, ctx.catalogus, ctx.catalogus.Vul("AB00006", {PadVoorWeergave(map)}));
    return false;
  };

  // Nothing to back up (the first save of a new file): the slots stay as they are.
  const fs::path bron = KoppelingVolgen(NaarPad(bestandsnaam));
  std::error_code ec;
  if (!fs::is_regular_file(bron, ec)) return true;
  const std::optional<std::string> inhoud = BestandLezen(VanPad(bron));
  if (!inhoud) return mislukt();
  if (standaard && PriveMapGereedMaken(map) != PriveMap::Gereed) return mislukt();

  // The same content as the newest backup (a save without changes, or after a save that
  // failed) pushes nothing out.
  auto slot = [&](int n) { return Reservebestandsnaam(map, n); };
  const RSchrijfwijze wijze{.KoppelingVolgen = false, .Prive = true};
  struct stat st;
  if (::lstat(NaarPad(slot(1)).c_str(), &st) == 0 && S_ISREG(st.st_mode) && BestandLezen(slot(1)) == inhoud)
    return true;

  // The copy is made whole beside slot 1 before any slot moves, so a backup that cannot be
  // made leaves the history as it was.
  AtomischBestand kopie;
  if (!kopie.Openen(slot(1), wijze) || !kopie.Schrijven(*inhoud)) return mislukt();
  if (Bestaat(NaarPad(slot(5)))) Verwijderen(NaarPad(slot(5)));
  for (int n = 4; n >= 1; --n)
    if (Bestaat(NaarPad(slot(n)))) Hernoemen(NaarPad(slot(n)), NaarPad(slot(n + 1)));
  if (!kopie.Voltooien()) return mislukt();
  return true;
}

bool ProjectSchrijven(Context& ctx, const std::string& bestandsnaam) {
  const std::string getoond = PadVoorWeergave(bestandsnaam);
  // What the reader did not recognise is not in the project: writing would lose it.
  const Project::ROnherkendeKop& onherkend = ctx.project.OnherkendeKop;
  if (onherkend.Regelnummer != 0 &&
      !VraagBevestiging(
          ctx.ui, ctx.catalogus, ctx.catalogus["AA00193"],
          ctx.catalogus.Vul("AB00002", {PadVoorWeergave(ctx.project.Projectbestandsnaam + Projectextensie),
                                        std::to_string(onherkend.Regelnummer), onherkend.Regel}),
          "ZB00021", "ZB00022")) {
    ctx.ui.InMenuChecken(mcOpslaan);
    return false;
  }
  // A backup that cannot be made is a warning; the save goes on.
  ReservebestandenMaken(ctx, bestandsnaam);
  bool geschreven = false;
  {
    BezigeCursor bezig(ctx.ui);
    geschreven = BestandAtomischSchrijven(bestandsnaam, ProjectTekst(ctx.project));
  }
  if (geschreven) {
    ctx.project.Projectbestandsnaam = ZonderExtensie(bestandsnaam);
    ctx.project.Gegevens.ProjectgegevensbestandGewijzigd = false;
    ctx.project.OnherkendeKop = {};
  } else {
    ToonWaarschuwing(ctx.ui, ctx.catalogus, ctx.catalogus.Vul("AA00006", {getoond}));
  }
  ctx.ui.InMenuChecken(mcOpslaan);
  return geschreven;
}

bool ProjectOpslaanMetBevestiging(Context& ctx, const std::string& bestandsnaam) {
  if (BestandBestaat(bestandsnaam) &&
      !VraagBevestiging(ctx.ui, ctx.catalogus, ctx.catalogus["AA00195"],
                        ctx.catalogus.Vul("AA00032", {PadVoorWeergave(bestandsnaam)}), "ZB00016", "ZB00017"))
    return false;
  return ProjectSchrijven(ctx, bestandsnaam);
}

}  // namespace morvask
