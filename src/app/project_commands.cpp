#include "app/project_commands.h"

#include "app/menu_states.h"
#include "base/messages.h"
#include "base/version.h"
#include "core/files.h"
#include "core/folders.h"
#include "core/project.h"
#include "core/project_file.h"
#include "core/project_lock.h"
#include "core/settings.h"
#include "core/settings_file.h"
#include "core/win1252.h"
#include "reports/report.h"

namespace morvask {

std::string GeefApplicationTitle(std::string_view bestandsnaam, std::string_view extraBegin) {
  std::string titel;
  if (!extraBegin.empty()) {
    titel = std::string(extraBegin);
    titel += ' ';
  }
  titel += Programmanaam;
  titel += ' ';
  titel += Hoofdversie();
  titel += " - ";
  titel += bestandsnaam;
  return titel;
}

std::string TitelBestandsnaam(const Project& project) {
  return PadVoorWeergave(AlleenNaam(project.Projectbestandsnaam) + Projectextensie);
}

void TitelBijwerken(const Context& ctx, Schil& schil, std::string_view extraBegin) {
  std::string titel = GeefApplicationTitle(TitelBestandsnaam(ctx.project), extraBegin);
  if (schil.alleenLezen) titel += " [" + ctx.catalogus["AB00012"] + "]";
  schil.TitelZetten(titel);
}

bool IsNaamloos(const Context& ctx) { return AlleenNaam(ctx.project.Projectbestandsnaam) == ctx.vast.NieuwProjectNaam; }

void NieuwProjectInstellen(Context& ctx, Schil& schil, Rapportnummering& nummering) {
  schil.slot.Vrijgeven();
  schil.alleenLezen = false;
  schil.VensterveldenLegen();
  ctx.project.NieuwProject(ctx.catalogus, ctx.vast.NieuwProjectNaam, VandaagTekst());
  schil.RapportvenstersSluiten();
  nummering.Terugzetten();
  for (MenuCode code : AlleMenuCodes) ctx.ui.InMenuChecken(code);
}

bool WijzigingenOpslaanVraag(Context& ctx, Schil& schil) {
  if (!ctx.project.Gegevens.ProjectgegevensbestandGewijzigd) return true;
  const Catalogus& cat = ctx.catalogus;
  const ModaalResultaat antwoord = ctx.ui.VraagJaNeeAnnuleren(
      Programmanaam, cat["AA00193"],
      cat.Vul("AA00003", {PadVoorWeergave(ctx.project.Projectbestandsnaam + Projectextensie)}), skJa, cat["ZB00013"],
      cat["ZB00012"], cat["ZB00011"]);
  if (antwoord == mrNee) return true;
  if (antwoord != mrJa) return false;
  ProjectOpslaanOpdracht(ctx, schil);
  return !ctx.project.Gegevens.ProjectgegevensbestandGewijzigd;
}

bool NieuwProjectOpdracht(Context& ctx, Schil& schil, Rapportnummering& nummering) {
  if (!WijzigingenOpslaanVraag(ctx, schil)) return false;
  NieuwProjectInstellen(ctx, schil, nummering);
  TitelBijwerken(ctx, schil);
  schil.ProjectgegevensTonen();
  return true;
}

namespace {

// Takes the lock of a project about to be opened. When another program holds it, asks whether
// to open it read-only; false when the user does not want that. A folder where no lock file
// can be made (read-only, say) opens the project without one: its saving meets its own error.
bool OpenenVergrendelen(Context& ctx, Schil& schil, const std::string& projectbestand) {
  if (schil.slot.Vergrendelen(projectbestand) != Slotuitkomst::Bezet) return true;
  const RSlothouder& h = schil.slot.Houder();
  const auto ofVraagteken = [](const std::string& t) { return t.empty() ? std::string("?") : Utf8NaarWin1252(t); };
  const Catalogus& cat = ctx.catalogus;
  const std::string tekst =
      cat.Vul("AB00011", {PadVoorWeergave(projectbestand), ofVraagteken(h.Gebruiker), ofVraagteken(h.Computer),
                          h.Proces > 0 ? std::to_string(h.Proces) : "?"});
  if (ctx.ui.VraagJaNeeAnnuleren(Programmanaam, cat["AB00010"], tekst, skJa, cat["ZB00013"], cat["ZB00024"],
                                 cat["ZB00023"]) != mrJa)
    return false;
  schil.alleenLezen = true;
  return true;
}

}  // namespace

bool ProjectInlezen(Context& ctx, Schil& schil, Rapportnummering& nummering, const std::string& bestandsnaam) {
  NieuwProjectInstellen(ctx, schil, nummering);
  // The file the reading opens: any extension replaced by ".mpr".
  if (!OpenenVergrendelen(ctx, schil, ZonderExtensie(bestandsnaam) + Projectextensie)) {
    TitelBijwerken(ctx, schil);
    return false;
  }
  const bool gelezen = ProjectLezen(ctx, bestandsnaam);
  if (!gelezen) {
    schil.slot.Vrijgeven();
    schil.alleenLezen = false;
  }
  TitelBijwerken(ctx, schil);
  for (MenuCode code : {mcOpslaan, mcPosten, mcRegistraties}) ctx.ui.InMenuChecken(code);
  if (gelezen && ctx.instellingen.ProjectgegevensWeergevenNaOpenen) schil.ProjectgegevensTonen();
  return gelezen;
}

bool ProjectOpenenOpdracht(Context& ctx, Schil& schil, Rapportnummering& nummering) {
  if (!WijzigingenOpslaanVraag(ctx, schil)) return false;
  const auto bestand = schil.OpenDialoog(ctx.instellingen.Projectdirectory);
  if (!bestand) return false;
  return ProjectInlezen(ctx, schil, nummering, *bestand);
}

bool ProjectOpslaanOpdracht(Context& ctx, Schil& schil) {
  if (IsNaamloos(ctx) || schil.alleenLezen) return ProjectOpslaanAlsOpdracht(ctx, schil);
  return ProjectSchrijven(ctx, ctx.project.Projectbestandsnaam + Projectextensie);
}

std::string ProjectnaamMetExtensie(std::string_view naam) {
  std::string uit(naam);
  if (Extensie(uit) != Projectextensie) uit += Projectextensie;
  return uit;
}

bool ProjectOpslaanAlsOpdracht(Context& ctx, Schil& schil) {
  const auto gekozen = schil.OpslaanDialoog(ctx.instellingen.Projectdirectory);
  if (!gekozen) return false;
  const std::string bestand = ProjectnaamMetExtensie(*gekozen);
  // The chosen file's lock, unless it is the file whose lock is held already.
  Projectslot nieuw;
  const bool eigen = schil.slot.Vergrendeld() && SlotbestandVan(bestand) == schil.slot.Slotbestand();
  if (!eigen && !ProjectVergrendelen(ctx, nieuw, bestand, std::chrono::milliseconds(0))) return false;
  if (!ProjectOpslaanMetBevestiging(ctx, bestand)) return false;
  if (!eigen) schil.slot = std::move(nieuw);
  schil.alleenLezen = false;
  TitelBijwerken(ctx, schil);
  return true;
}

bool AfsluitenOpdracht(Context& ctx, Schil& schil, Rapportnummering& nummering,
                       const std::string& instellingenbestand) {
  if (!WijzigingenOpslaanVraag(ctx, schil)) return false;
  NieuwProjectInstellen(ctx, schil, nummering);
  InstellingenSchrijven(ctx.instellingen, instellingenbestand, ctx.ui, ctx.catalogus, schil.Vensterposities());
  return true;
}

void EersteActivering(Context& ctx, Schil& schil, Rapportnummering& nummering,
                      const std::vector<std::string>& argumenten) {
  NieuwProjectInstellen(ctx, schil, nummering);
  schil.HoofdvensterpositieHerstellen();
  if (!schil.PrintersAanwezig()) ToonWaarschuwing(ctx.ui, ctx.catalogus, ctx.catalogus.Vul("AA00005", {Programmanaam}));
  const std::string bestand = OpdrachtregelBestand(argumenten);
  if (!bestand.empty()) ProjectInlezen(ctx, schil, nummering, bestand);
}

}  // namespace morvask
