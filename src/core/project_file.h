#pragma once
// The project file ".mpr": reading (current and legacy format), writing with the rotating
// backups, and saving under a name with the overwrite question.

#include <string>

#include "base/context.h"
#include "core/project.h"

namespace morvask {

// Stores the open project under the full file name (with extension); true when written.
// Only a successful write sets the project's file name and clears its changed flag. A
// project whose file held a header the reader did not recognise is written only after the
// user confirms that what belongs to it is lost. A symbolic link is followed: its target is
// written and the link stays.
bool ProjectSchrijven(Context& ctx, const std::string& bestandsnaam);

// Asks before overwriting an existing file; true when written.
bool ProjectOpslaanMetBevestiging(Context& ctx, const std::string& bestandsnaam);

// Fills the open project (reset by the caller) from the file; any extension of the name is
// replaced by ".mpr". False when the file could not be opened or its reading ended early.
bool ProjectLezen(Context& ctx, const std::string& bestandsnaam);

// Reads a file of the legacy format (plain section headers, no key lines; the second line
// holds the legacy version). ProjectLezen hands such files over by itself.
bool OudProjectLezen(Context& ctx, const std::string& bestandsnaam);

// The backup before a write: the file as it is on disk is copied straight into slot 1 (mode
// 0600, through the atomic writer) after the older slots have moved up one place, the oldest
// dropping out. Nothing moves when there is no file yet or it equals slot 1. The default
// folder is made private (0700) when needed. False, after a warning, when the backup could
// not be made; the slots are then as they were.
bool ReservebestandenMaken(Context& ctx, const std::string& bestandsnaam);

// The folder the backups go to: the settings' folder, else the default backup folder, with a
// closing separator.
std::string Reservemap(const Context& ctx);

// The whole project file as it is written: the lines of the current format, each ended by
// CR LF.
std::string ProjectTekst(const Project& project);

// The name of the backup slot (1 newest .. 5 oldest) in the given folder.
std::string Reservebestandsnaam(const std::string& map, int slot);

}  // namespace morvask
