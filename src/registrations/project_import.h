#pragma once
// The import from another project ("Uit ander &Morvask-project..."): the registrations of
// another project file are appended to the open project's list. Posts, travel times, project
// data and notes of that file are ignored.

#include <string>

namespace morvask {

struct Context;

// The filter of the file dialog.
inline constexpr const char* ProjectImportBestandsfilter = "Morvask-projects (*.mpr)|*.mpr|All files (*.*)|*.*";

// The notice shown before the file dialog: "Met deze functie worden registraties van een
// ander Morvask-project geimporteerd."
void AnderProjectImportAankondigen(Context& ctx);

// Imports the registrations of the chosen file (the command goes on here after its file
// dialog). Only a file whose "FileVersion=" in "[**General variables**]" is 320 is read;
// otherwise (another version, none, or no such section) the warning that the file was made
// with another version, and nothing changes. A version that is not a whole number ends the
// import with the general error message. A file that cannot be read: the warning "Kan
// bestand niet openen!". On success every line of "[**License numbers**]" up to the next
// section header that is not blank, the file's last line included, is cut by columns (letter
// case as it stands) and appended in file order, the project is marked changed, the menu
// codes 11 and 31 are re-evaluated and "Registraties geimporteerd. ..." is shown; a file
// without that section adds nothing but takes the same steps. Returns whether it ran.
bool RegistratiesUitAnderProjectImporteren(Context& ctx, const std::string& bestandsnaam);

}  // namespace morvask
