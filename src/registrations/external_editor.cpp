#include "registrations/external_editor.h"

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/messages.h"
#include "core/files.h"
#include "core/registration_list.h"
#include "core/settings.h"
#include "core/text_utils.h"
#include "core/win1252.h"

extern char** environ;

namespace morvask {

RBewerkenKeuze KentekensBewerken(const Context& ctx, RBewerkenKeuze keuze) {
  keuze.Editor = ctx.instellingen.ExterneEditor;
  return keuze;
}

std::string BewerkenUitleg(const Context& ctx) {
  return ctx.catalogus.Vul("AA00089", {PadVoorWeergave(TijdelijkRegistratiebestand(ctx.mappen))});
}

std::optional<int> ProgrammaStarten(std::string_view programma, std::string_view bestand) {
  if (programma.empty()) return std::nullopt;
  std::string naam = Win1252NaarUtf8(programma);
  std::string argument = NaarPad(bestand).string();
  char* argv[] = {naam.data(), argument.data(), nullptr};
  pid_t pid = 0;
  // posix_spawnp reports a program that cannot be run (not found, not executable) as its
  // result, so the message can name the editor.
  if (posix_spawnp(&pid, naam.c_str(), nullptr, nullptr, argv, environ) != 0) return std::nullopt;
  return static_cast<int>(pid);
}

void BeeindigdeEditorsOpruimen(std::vector<int>& processen) {
  std::erase_if(processen, [](int pid) { return waitpid(static_cast<pid_t>(pid), nullptr, WNOHANG) != 0; });
}

bool ExternBewerken(Context& ctx, std::string_view editor, std::vector<int>& lopendeEditors) {
  const Catalogus& cat = ctx.catalogus;
  BeeindigdeEditorsOpruimen(lopendeEditors);
  const std::string bestand = TijdelijkRegistratiebestand(ctx.mappen);
  const std::optional<int> proces = ProgrammaStarten(editor, bestand);
  if (!proces) {
    ToonFout(ctx.ui, cat, cat.Vul("AA00095", {editor}));
    return false;
  }
  // The user edits in the other program while this message waits; its "&OK" says he is done.
  ToonInformatie(ctx.ui, cat, cat.Vul("AA00092", {Programmanaam}));
  lopendeEditors.push_back(*proces);
  BeeindigdeEditorsOpruimen(lopendeEditors);

  if (!BestandBestaat(bestand)) {
    ToonFout(ctx.ui, cat, cat.Vul("AA00094", {PadVoorWeergave(bestand)}));
    return false;
  }
  const std::optional<std::string> inhoud = BestandLezen(bestand);
  if (!inhoud) {
    ToonWaarschuwing(ctx.ui, cat, cat.Vul("AA00093", {PadVoorWeergave(bestand)}));
    return false;
  }
  BezigeCursor bezig(ctx.ui);
  ctx.project.Gegevens.ProjectgegevensbestandGewijzigd = true;
  RegistratiesUitTekst(ctx.project, RegistratietekstDecoderen(*inhoud));
  ctx.ui.InMenuChecken(mcOpslaan);
  ctx.ui.InMenuChecken(mcRegistraties);
  std::error_code ec;
  std::filesystem::remove(NaarPad(bestand), ec);
  return true;
}

RBewerkresultaat KeuzeUitvoeren(Context& ctx, RBewerkenKeuze keuze, REditortekst& interneEditor) {
  ctx.instellingen.ExterneEditor = keuze.Editor;
  if (!keuze.Sorteervolgorde.empty()) RegistratiesSorteren(ctx.project, keuze.Sorteervolgorde);
  if (!KentekensNaarTempbestandSchrijvenOmTeGaanBewerken(ctx)) return {std::move(keuze), Bewerkuitkomst::Gestopt};

  if (keuze.InterneEditor) {
    BestandLaden(ctx, interneEditor);
    return {std::move(keuze), Bewerkuitkomst::InterneEditorOpenen};
  }
  const std::string editor = Bijsnijden(keuze.Editor);
  if (editor.empty()) {
    ToonWaarschuwing(ctx.ui, ctx.catalogus, ctx.catalogus["AA00091"]);
    return {std::move(keuze), Bewerkuitkomst::Gestopt};
  }
  const bool ingelezen = ExternBewerken(ctx, editor, keuze.LopendeEditors);
  return {std::move(keuze), ingelezen ? Bewerkuitkomst::Ingelezen : Bewerkuitkomst::Gestopt};
}

}  // namespace morvask
