// Writing the project file, the backup rotation before it, and saving under a new name.

#include "core/project_file.h"

#include <filesystem>
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

void ReservebestandenMaken(Context& ctx, const std::string& bestandsnaam) {
  if (!ctx.instellingen.ReservebestandMaken) return;
  BezigeCursor bezig(ctx.ui);
  std::string map = ctx.instellingen.Reservebestandendirectory;
  if (map.empty()) map = ctx.mappen.Tijdelijk;
  map = MetSlotBackslash(map);

  auto slot = [&](int n) { return NaarPad(Reservebestandsnaam(map, n)); };

  // Every slot moves up one place; the oldest drops out.
  if (Bestaat(slot(5))) Verwijderen(slot(5));
  for (int n = 4; n >= 1; --n) {
    if (Bestaat(slot(n))) Hernoemen(slot(n), slot(n + 1));
    if (n >= 2 && Bestaat(slot(n))) Verwijderen(slot(n));
  }

  // The present file becomes the newest slot: copied into the backup folder under its own
  // name, then renamed. A file that already lies in the backup folder is copied into the
  // slot directly; copying it onto itself would fail and leave the slot empty.
  std::error_code ec;
  const fs::path bron = NaarPad(bestandsnaam);
  if (!fs::is_regular_file(bron, ec)) return;
  const fs::path kopie = NaarPad(map + AlleenNaam(bestandsnaam));
  if (Bestaat(kopie) && fs::equivalent(bron, kopie, ec)) {
    if (Bestaat(slot(1))) Verwijderen(slot(1));
    fs::copy_file(bron, slot(1), fs::copy_options::overwrite_existing, ec);
    return;
  }
  if (!fs::copy_file(bron, kopie, fs::copy_options::overwrite_existing, ec) || ec) return;
  if (Bestaat(slot(1))) Verwijderen(slot(1));
  Hernoemen(kopie, slot(1));
}

bool ProjectSchrijven(Context& ctx, const std::string& bestandsnaam) {
  ReservebestandenMaken(ctx, bestandsnaam);
  bool geschreven = false;
  {
    BezigeCursor bezig(ctx.ui);
    geschreven = BestandAtomischSchrijven(bestandsnaam, ProjectTekst(ctx.project));
  }
  if (geschreven) {
    ctx.project.Projectbestandsnaam = ZonderExtensie(bestandsnaam);
    ctx.project.Gegevens.ProjectgegevensbestandGewijzigd = false;
  } else {
    ToonWaarschuwing(ctx.ui, ctx.catalogus, ctx.catalogus.Vul("AA00006", {bestandsnaam}));
  }
  ctx.ui.InMenuChecken(mcOpslaan);
  return geschreven;
}

bool ProjectOpslaanMetBevestiging(Context& ctx, const std::string& bestandsnaam) {
  if (BestandBestaat(bestandsnaam) &&
      !VraagBevestiging(ctx.ui, ctx.catalogus, ctx.catalogus["AA00195"], ctx.catalogus.Vul("AA00032", {bestandsnaam}),
                        "ZB00016", "ZB00017"))
    return false;
  return ProjectSchrijven(ctx, bestandsnaam);
}

}  // namespace morvask
