#include "gui/app/program.h"

#include "core/folders.h"
#include "core/settings_file.h"

namespace morvask::gui {

TProgramma::TProgramma(const std::string& programmapad, std::string bestand)
    : ctx{project, instellingen, catalogus, ui, MappenBepalen(programmapad)},
      instellingenbestand(bestand.empty() ? InstellingenBestandPad(ctx.mappen.Programma) : std::move(bestand)) {}

}  // namespace morvask::gui
