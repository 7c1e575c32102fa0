#pragma once
// The project file ".mpr": reading (current and legacy format), writing with the rotating
// backups, and saving under a name with the overwrite question.

#include <string>

#include "app/context.h"

namespace morvask {

// Stores the open project under the full file name (with extension); true when written.
bool ProjectSchrijven(Context& ctx, const std::string& bestandsnaam);

// Asks before overwriting an existing file; true when written.
bool ProjectOpslaanMetBevestiging(Context& ctx, const std::string& bestandsnaam);

// Fills the open project (reset by the caller) from the file; any extension of the name is
// replaced by ".mpr". False when the file could not be opened or its reading ended early.
bool ProjectLezen(Context& ctx, const std::string& bestandsnaam);

// The backup rotation before a write.
void ReservebestandenMaken(Context& ctx, const std::string& bestandsnaam);

}  // namespace morvask
