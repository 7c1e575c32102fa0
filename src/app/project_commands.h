#pragma once
// The main window's project commands - new, open, save, save as and exit - with the
// question about unsaved changes, the reset to a new project, the window title, the project
// named on the command line and the first activation. The rules live here; the main window
// carries out what only a window can do through the Schil interface, and applies the menu
// states and the title these ask for.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/context.h"
#include "core/project_lock.h"

namespace morvask {

class Rapportnummering;
struct RVenster;

// What the main window does for the project commands.
class Schil {
 public:
  virtual ~Schil() = default;

  // The open and save dialogs with the filter "Morvask projects (*.mpr)|*.mpr", starting in
  // the folder (none when empty); the chosen file, or nothing when the dialog was cancelled.
  virtual std::optional<std::string> OpenDialoog(const std::string& beginmap) = 0;
  virtual std::optional<std::string> OpslaanDialoog(const std::string& beginmap) = 0;

  // The application title and the main window's caption.
  virtual void TitelZetten(const std::string& titel) = 0;

  // The project data dialog, modal.
  virtual void ProjectgegevensTonen() = 0;

  // Closes every report window, last opened first, letting messages run after each.
  virtual void RapportvenstersSluiten() = 0;

  // Empties what the windows keep of the project: the notes window's text, the "from" and
  // "to" fields of the intensities and comparison windows, the comparison window's and the
  // comparison report window's file name fields.
  virtual void VensterveldenLegen() = 0;

  // Whether a printer is installed.
  virtual bool PrintersAanwezig() = 0;

  // Applies the main window's remembered position (first activation).
  virtual void HoofdvensterpositieHerstellen() = 0;

  // The position of every window of the program, for the settings file at exit.
  virtual std::vector<RVenster> Vensterposities() = 0;

  // The lock of the open project's file, held from reading it until the project is replaced,
  // so that no other program writes it meanwhile; and whether the project was opened
  // read-only because another program held that lock (saving then goes to save as).
  Projectslot slot;
  bool alleenLezen = false;
};

// "Morvask 4.4 - survey.mpr", with extraBegin and a space in front when it is not empty
// ("40% Morvask 4.4 - survey.mpr").
std::string GeefApplicationTitle(std::string_view bestandsnaam, std::string_view extraBegin = "");

// The file name the title shows: the project's file name without its folder, plus ".mpr".
std::string TitelBestandsnaam(const Project& project);

// Sets the title for the open project.
void TitelBijwerken(const Context& ctx, Schil& schil, std::string_view extraBegin = "");

// Whether the project still has its untitled name ("Nieuw"), so that save goes to save as.
bool IsNaamloos(const Context& ctx);

// Reset to a new project: lists, table and notes emptied, the windows' fields emptied, the
// untitled name and every field at its new-project value (changed flag cleared), every
// report window closed and the report number back to 0, then the menu codes 11, 21, 31, 101.
void NieuwProjectInstellen(Context& ctx, Schil& schil, Rapportnummering& nummering);

// The question before new, open and exit when the project is changed: "Project opslaan?"
// (AA00193) with "&Opslaan" (the default), "&Niet opslaan" and "&Annuleren". True when the
// command may go on: not changed, "&Niet opslaan", or "&Opslaan" and the project is saved.
bool WijzigingenOpslaanVraag(Context& ctx, Schil& schil);

// "&Nieuw project...": after the question, the reset, the untitled title and the project
// data dialog. False when the question stopped it.
bool NieuwProjectOpdracht(Context& ctx, Schil& schil, Rapportnummering& nummering);

// Reads a project file into the reset project: first its lock, and when another program holds
// it the question "Project in gebruik" (AB00010) whether to open it read-only; then the title
// (also when the reading failed), the codes 11, 21 and 31, and the project data dialog when
// the setting asks for it. True when the file was read.
bool ProjectInlezen(Context& ctx, Schil& schil, Rapportnummering& nummering, const std::string& bestandsnaam);

// "Project &openen...": after the question, the open dialog; a chosen file is read as
// ProjectInlezen does. Cancelling leaves the project as it was. True when a file was read.
bool ProjectOpenenOpdracht(Context& ctx, Schil& schil, Rapportnummering& nummering);

// "Project op&slaan": writes to the project's own file without asking, or, for the untitled
// project and one opened read-only, runs save as. True when written.
bool ProjectOpslaanOpdracht(Context& ctx, Schil& schil);

// The save dialog's name as it is stored: ".mpr" appended unless the name ends in exactly
// ".mpr" (survey.MPR becomes survey.MPR.mpr).
std::string ProjectnaamMetExtensie(std::string_view naam);

// "Project o&pslaan als...": the save dialog, the ".mpr" rule, the lock of the chosen file
// (refused with its message when another program holds it), the overwrite question; the
// title when written, and from then on the new file's lock is the one held. True when written.
bool ProjectOpslaanAlsOpdracht(Context& ctx, Schil& schil);

// Closing the main window: the question; when the window may close, the reset and the
// settings file written with every window's position. True when the window may close.
bool AfsluitenOpdracht(Context& ctx, Schil& schil, Rapportnummering& nummering, const std::string& instellingenbestand);

// The first activation of the main window, once: the reset, the main window's position, the
// warning when no printer is installed, and the project named on the command line (the
// arguments after the program's own name; a path with spaces needs no quotes).
void EersteActivering(Context& ctx, Schil& schil, Rapportnummering& nummering,
                      const std::vector<std::string>& argumenten);

}  // namespace morvask
