#include "registrations/registration_editor.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "base/messages.h"
#include "core/files.h"
#include "core/folders.h"
#include "core/registration_list.h"
#include "core/text_utils.h"
#include "core/win1252.h"

namespace morvask {

namespace fs = std::filesystem;

namespace {

// Structurally valid UTF-8: every lead byte followed by its continuation bytes.
bool IsGeldigeUtf8(std::string_view tekst) {
  std::size_t i = 0;
  while (i < tekst.size()) {
    const auto b = static_cast<unsigned char>(tekst[i]);
    std::size_t volg = 0;
    if (b < 0x80)
      volg = 0;
    else if (b >= 0xC2 && b <= 0xDF)
      volg = 1;
    else if ((b & 0xF0) == 0xE0)
      volg = 2;
    else if (b >= 0xF0 && b <= 0xF4)
      volg = 3;
    else
      return false;
    if (tekst.size() - i <= volg) return false;
    for (std::size_t k = 1; k <= volg; ++k)
      if ((static_cast<unsigned char>(tekst[i + k]) & 0xC0) != 0x80) return false;
    i += volg + 1;
  }
  return true;
}

void BestandVerwijderen(const std::string& bestand) {
  std::error_code ec;
  fs::remove(NaarPad(bestand), ec);
}

}  // namespace

std::string TijdelijkRegistratiebestand(const Mappen& mappen) { return mappen.Tijdelijk + Programmanaam + ".txt"; }

bool KentekensNaarTempbestandSchrijvenOmTeGaanBewerken(Context& ctx) {
  const std::string bestand = TijdelijkRegistratiebestand(ctx.mappen);
  std::vector<std::string> regels;
  RegistratiesNaarTekst(ctx.project, regels);
  // The registrations are a survey's plates: the file is the user's alone (0600), in the
  // user's own temporary folder.
  if (PriveMapGereedMaken(ctx.mappen.Tijdelijk) == PriveMap::Geweigerd) {
    ToonFout(ctx.ui, ctx.catalogus, ctx.catalogus.Vul("AB00007", {PadVoorWeergave(ctx.mappen.Tijdelijk)}));
    return false;
  }
  if (!BestandAtomischSchrijven(bestand, Win1252NaarUtf8(RegelsSamenvoegen(regels)),
                                {.KoppelingVolgen = false, .Prive = true})) {
    ToonFout(ctx.ui, ctx.catalogus, ctx.catalogus.Vul("AA00090", {PadVoorWeergave(ctx.mappen.Tijdelijk)}));
    return false;
  }
  return true;
}

std::vector<std::string> RegistratietekstDecoderen(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (IsGeldigeUtf8(bytes)) return RegelsSplitsen(Utf8NaarWin1252(bytes));
  return RegelsSplitsen(bytes);
}

bool BestandLaden(Context& ctx, REditortekst& editor) {
  BezigeCursor bezig(ctx.ui);
  editor.Regels.clear();
  const std::string bestand = TijdelijkRegistratiebestand(ctx.mappen);
  const std::optional<std::string> inhoud = BestandBestaat(bestand) ? BestandLezen(bestand) : std::nullopt;
  if (inhoud) {
    editor.Regels = RegistratietekstDecoderen(*inhoud);
    BestandVerwijderen(bestand);
  } else {
    ToonFout(ctx.ui, ctx.catalogus, ctx.catalogus.Vul("AA00043", {PadVoorWeergave(bestand)}));
    RegistratiesNaarTekst(ctx.project, editor.Regels);
  }
  editor.Gewijzigd = false;
  return inhoud.has_value();
}

bool InterneEditorOpenen(Context& ctx, REditortekst& editor) {
  if (!KentekensNaarTempbestandSchrijvenOmTeGaanBewerken(ctx)) return false;
  BestandLaden(ctx, editor);
  return true;
}

void BestandOpslaan(Context& ctx, REditortekst& editor) {
  editor.Gewijzigd = false;
  BezigeCursor bezig(ctx.ui);
  RegistratiesUitTekst(ctx.project, editor.Regels);
  ctx.project.Gegevens.ProjectgegevensbestandGewijzigd = true;
  ctx.ui.InMenuChecken(mcOpslaan);
  ctx.ui.InMenuChecken(mcRegistraties);
}

namespace {

// "Bestand opslaan?": mrJa to save, mrNee not to save, anything else to cancel.
int OpslaanVragen(Context& ctx) {
  const Catalogus& cat = ctx.catalogus;
  return ctx.ui.VraagJaNeeAnnuleren(Programmanaam, cat["AA00194"], cat["AA00045"], skJa, cat["ZB00013"], cat["ZB00012"],
                                    cat["ZB00011"]);
}

}  // namespace

bool EditorMagSluiten(Context& ctx, REditortekst& editor) {
  if (!editor.Gewijzigd) return true;
  switch (OpslaanVragen(ctx)) {
    case mrJa:
      BestandOpslaan(ctx, editor);
      return true;
    case mrNee:
      return true;
    default:
      return false;
  }
}

bool SorterenVanuitInterneEditor(Context& ctx, REditortekst& editor, std::string_view volgorde) {
  if (!Sorteersleutel(RRegistratie(), volgorde)) return false;
  if (editor.Gewijzigd) {
    if (OpslaanVragen(ctx) != mrJa) return false;
    BestandOpslaan(ctx, editor);
  }
  editor.Regels.clear();
  ctx.ui.BerichtenVerwerken();
  RegistratiesSorteren(ctx.project, volgorde);
  if (KentekensNaarTempbestandSchrijvenOmTeGaanBewerken(ctx)) {
    BestandLaden(ctx, editor);
  } else {
    // The text must go on showing the registrations, or saving it would remove them.
    RegistratiesNaarTekst(ctx.project, editor.Regels);
    editor.Gewijzigd = false;
  }
  return true;
}

std::optional<int> GaNaarRegel(std::string_view invoer, std::size_t aantalRegels) {
  int regel = 0;
  if (!ProbeerGetal(invoer, regel)) return std::nullopt;
  const int laatste = aantalRegels == 0 ? 1 : static_cast<int>(std::min<std::size_t>(aantalRegels, INT32_MAX));
  return std::clamp(regel, 1, laatste);
}

std::string EditorStatustekst(int regel, int kolom) {
  return "Ln " + std::to_string(regel) + ", Col " + std::to_string(kolom);
}

void BoekenleggerPlaatsenUitleggen(Context& ctx) { ToonInformatie(ctx.ui, ctx.catalogus, ctx.catalogus["AA00046"]); }

void NaarBoekenleggerUitleggen(Context& ctx) { ToonInformatie(ctx.ui, ctx.catalogus, ctx.catalogus["AA00047"]); }

}  // namespace morvask
