#pragma once
// The configuration information report: the program's version and folders, its language and
// help, the settings, temporary and backup folders, the operating system, processor, memory
// and screens - what a support question needs to know about this installation.

#include <QString>

#include "reports/report.h"

namespace morvask {
struct Context;
}

namespace morvask::gui {

// "Configuration info", titled so in every language (the window is not translated).
inline constexpr const char* ConfiguratieTitel = "Configuration info";

Rapport ConfiguratieRapport(const Context& ctx, const QString& helpbestand, const QString& instellingenbestand);

}  // namespace morvask::gui
