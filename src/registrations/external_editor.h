#pragma once
// The editing-choice dialog "Registratiesbestand wijzigen" and the round trip through an
// external text editor: the registrations are written to the temporary file, the editor is
// started on it, the user confirms with "&OK" when he has saved it, and the file is read
// back in place of the registration list.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/context.h"
#include "registrations/registration_editor.h"

namespace morvask {

// The dialog's choices, kept for the whole run.
struct RBewerkenKeuze {
  bool InterneEditor = false;  // "&Interne editor"; otherwise "&Externe editor:" (checked initially)
  std::string Editor;          // the editor program field, loaded from and saved to ExterneEditor
  // "" writes in the present order ("Gesorteerd als &laatste keer"); "PTK", "KTP", "TPK" or
  // "VPT" sorts the registrations first.
  std::string Sorteervolgorde;
  // Editors started earlier that had not ended when their round trip finished; they are
  // collected when they end, at a later round trip.
  std::vector<int> LopendeEditors;
};

// Preparing the dialog: the editor field takes the ExterneEditor setting.
RBewerkenKeuze KentekensBewerken(const Context& ctx, RBewerkenKeuze keuze);
// The explanation below the editor field (AA00089 with the temporary file's path); the
// window enables it only while the external editor is chosen.
std::string BewerkenUitleg(const Context& ctx);

// Starts the program with the file as its one argument, without waiting for it: the whole
// editor field names the program (a path with spaces needs no quotes), found on PATH when it
// holds no "/". The child's process id, or empty when the program cannot be started.
std::optional<int> ProgrammaStarten(std::string_view programma, std::string_view bestand);

// Collects the started editors that have ended; the others stay in the list.
void BeeindigdeEditorsOpruimen(std::vector<int>& processen);

// The round trip after the temporary file has been written: starts the editor (the error
// AA00095 when it cannot be started), shows the information AA00092 while the user edits,
// then reads the file back. A file that is gone gives the error AA00094, one that cannot be
// read the warning AA00093 (the file stays); both keep the registrations. Otherwise the
// registration list is replaced by the file's non-empty lines, the changed flag set, the
// codes 11 and 31 asked for and the file deleted. Returns whether the list was replaced.
bool ExternBewerken(Context& ctx, std::string_view editor, std::vector<int>& lopendeEditors);

enum class Bewerkuitkomst {
  Gestopt,              // a failure was reported, or the external editor brought nothing back
  InterneEditorOpenen,  // the text is loaded: the window shows the internal editor
  Ingelezen,            // the external editor's file replaced the registrations
};

struct RBewerkresultaat {
  RBewerkenKeuze keuze;
  Bewerkuitkomst uitkomst = Bewerkuitkomst::Gestopt;
};

// "&OK" of the dialog: stores the editor field into ExterneEditor, sorts when asked (the new
// order stays even when the edit is abandoned; sorting does not set the changed flag), writes
// the temporary file and hands it to the chosen editor. With the external editor chosen and
// its field empty: the warning AA00091, the file stays and the registrations are unchanged.
RBewerkresultaat KeuzeUitvoeren(Context& ctx, RBewerkenKeuze keuze, REditortekst& interneEditor);

}  // namespace morvask
