#pragma once
// The settings file "Morvask.ini": read once at start-up, written once at exit. Despite its
// extension it is not read as an ini file: its lines are matched by their key prefix.

#include <string>
#include <string_view>
#include <vector>

#include "core/form_positions.h"
#include "core/settings.h"

namespace morvask {

class Catalogus;
class Gebruikersinterface;

// The user's settings file: the roaming application-data folder (SpeciaalMapPad 0) +
// "Morvask/Morvask.ini".
std::string InstellingenBestandPad(const std::string& programmaMap);

// Sets every default (backup folder = the given one), then reads the settings file
// when it exists. A missing or unreadable file is silent. A value that is not a whole number
// for a numeric key ends the reading with the general error message; what was read before
// it stays. True when the file was read to its end.
bool InstellingenLezen(RProgrammaInstellingen& instellingen, const std::string& bestandsnaam,
                       const std::string& reservemap, Gebruikersinterface& ui, const Catalogus& cat);

// The reading of a settings file's content over settings already set (no defaults): the
// general variables first, then the form positions.
bool InstellingenOntleden(RProgrammaInstellingen& instellingen, std::string_view inhoud, Gebruikersinterface& ui,
                          const Catalogus& cat);

// The lines of the settings file, in the order they are written.
std::vector<std::string> InstellingenRegels(const RProgrammaInstellingen& instellingen);

// Records the positions of the given windows, makes sure the file's folder exists and writes
// the file. On failure shows "Kan instellingenbestand \"%s\" niet opslaan. ..." with the full
// path and returns false.
bool InstellingenSchrijven(RProgrammaInstellingen& instellingen, const std::string& bestandsnaam,
                           Gebruikersinterface& ui, const Catalogus& cat, const std::vector<RVenster>& vensters = {});

}  // namespace morvask
