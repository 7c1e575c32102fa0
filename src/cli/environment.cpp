#include "cli/environment.h"

#include "cli/commands.h"
#include "cli/report_output.h"

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <new>

#include "app/start_up.h"
#include "base/messages.h"
#include "core/files.h"
#include "core/folders.h"
#include "core/project_file.h"
#include "core/settings_file.h"
#include "core/win1252.h"
#include "language/language_file.h"

namespace morvask::cli {

namespace {

std::string Programmapad() {
  char buf[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return {};
  return std::string(buf, static_cast<std::size_t>(n));
}

}  // namespace

std::string Argument(const std::string& utf8) { return Utf8NaarWin1252(utf8); }

std::string PadArgument(const std::string& argument) { return argument; }

Omgeving::Omgeving(bool forceer)
    : ui(forceer), ctx{project, instellingen, catalogus, ui, MappenBepalen(Programmapad())} {}

bool Omgeving::Voorbereiden(const Argumenten& a) {
  const auto eigen = a.Waarde("settings");
  const std::string bestand = eigen ? PadArgument(*eigen) : InstellingenBestandPad(ctx.mappen.Programma);
  std::optional<std::string> taal;
  if (const auto t = a.Waarde("language")) taal = Argument(*t);
  return ProgrammaInstellen(ctx, bestand, taal) && ui.fouten == 0;
}

bool Omgeving::ProjectOpenen(const std::string& bestandsnaam) {
  project.NieuwProject(catalogus, ctx.vast.NieuwProjectNaam, VandaagTekst());
  return ProjectLezen(ctx, bestandsnaam);
}

int MetProject(const Argumenten& a, const std::string& projectbestand, bool forceer,
               const std::function<int(Omgeving&)>& opdracht, const std::function<bool(Omgeving&)>& voorbereiding) {
  Omgeving o(forceer);
  if (!o.Voorbereiden(a)) return kMislukt;
  if (voorbereiding && !voorbereiding(o)) return kMislukt;
  // Memory exhausted on the way (by a hostile file) ends the command with the program's
  // message; every file it writes is written whole or not at all, so nothing is half done.
  try {
    if (!o.ProjectOpenen(projectbestand)) return kMislukt;
    return opdracht(o);
  } catch (const std::bad_alloc&) {
    ToonFout(o.ui, o.catalogus, o.catalogus["AB00009"]);
  }
  return kMislukt;
}

void RegelsAfdrukken(const std::vector<std::string>& regels) {
  std::string uit;
  for (const std::string& r : regels) {
    uit += VoorTerminal(r);
    uit += '\n';
  }
  std::fwrite(uit.data(), 1, uit.size(), stdout);
}

}  // namespace morvask::cli

namespace morvask::cli {

int RegelsUitvoeren(Omgeving& o, const Argumenten& a, const std::vector<std::string>& regels) {
  FormaatZonderTabel(a);
  const auto uitvoer = a.Waarde("output");
  if (!uitvoer) {
    RegelsAfdrukken(regels);
    return kKlaar;
  }
  const std::string bestand = PadArgument(*uitvoer);
  if (RegelsAtomischSchrijven(bestand, regels)) return kKlaar;
  ToonFout(o.ui, o.catalogus, o.catalogus.Vul("AA00006", {PadVoorWeergave(bestand)}));
  return kMislukt;
}

}  // namespace morvask::cli
