#pragma once
// Editing the whole registration list as text: the temporary file "Morvask.txt" in the
// user's temporary folder, and the operations of the internal editor window (loading the
// file, taking the text into the project, the question on closing, sorting, go to line).
//
// The text comes back into the project cut by column without checks (post 1-6, time 8-11,
// type 13, plate 15-20); the registration file check finds bad lines afterwards. Every
// message goes through the user-interface contract; a failing step leaves the registrations
// as they were.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/context.h"

namespace morvask {

// The text of the internal editor: its lines and the control's modified flag.
struct REditortekst {
  std::vector<std::string> Regels;
  bool Gewijzigd = false;
};

// The temporary registration file: the temporary folder + "Morvask.txt".
std::string TijdelijkRegistratiebestand(const Mappen& mappen);

// Writes every registration of the project, in list order, as one registration line to the
// temporary file (whole or not at all, readable by the user only). The file is UTF-8, what
// an ordinary text editor on this system expects. When it cannot be written: the error
// "Kan bestand niet naar map ..." (AA00090) with the temporary folder, and false.
bool KentekensNaarTempbestandSchrijvenOmTeGaanBewerken(Context& ctx);

// The lines of a registration text file read back: a UTF-8 byte-order mark skipped, UTF-8
// text converted to Windows-1252 (a file that is not valid UTF-8 is taken as Windows-1252),
// lines ended by LF or CR LF.
std::vector<std::string> RegistratietekstDecoderen(std::string_view bytes);

// Loads the temporary file into the editor's text and deletes the file; clears the modified
// flag. When the file is missing or unreadable: the error "Registratiesbestand ... niet
// gevonden." (AA00043) with its path, and the text shows the project's registrations as they
// are, so that saving the editor never removes registrations only because the file went
// missing. Returns whether the file was loaded. The window shows itself afterwards.
bool BestandLaden(Context& ctx, REditortekst& editor);

// Writes the temporary file and loads it into the editor: what the commands that open the
// internal editor do. False (the editor is not to be shown) when the file could not be written.
bool InterneEditorOpenen(Context& ctx, REditortekst& editor);

// Replaces the project's registration list by the editor's lines (empty lines skipped), sets
// the changed flag, clears the modified flag, asks the main window to re-evaluate the codes
// 11 and 31. An empty text leaves the project without registrations.
void BestandOpslaan(Context& ctx, REditortekst& editor);

// The question on closing the editor. Unmodified text closes without a question; modified
// text asks "Bestand opslaan?" / "Registratiesbestand is gewijzigd." with "&Opslaan" (the
// default; takes the text into the project), "&Niet opslaan" (the project keeps its
// registrations) and "&Annuleren". Returns whether the window may close.
bool EditorMagSluiten(Context& ctx, REditortekst& editor);

// Sorts the project's registrations from the editor ("PTK", "KTP", "TPK" or "VPT") and
// reloads the text. Modified text first asks the closing question; only "&Opslaan" goes on
// (the text is taken into the project first), the other answers leave everything as it was.
// Sorting does not set the changed flag. When the file cannot be written or read back the
// text shows the sorted registrations, unmodified. Returns whether the list was sorted.
bool SorterenVanuitInterneEditor(Context& ctx, REditortekst& editor, std::string_view volgorde);

// The caret line of "Ga naar regel...": the typed line number (an integer) limited to the
// lines of the text, 1-based; a text of no lines has line 1. Empty for a text that is not an
// integer: the caret stays where it is.
std::optional<int> GaNaarRegel(std::string_view invoer, std::size_t aantalRegels);

// The status bar: "Ln " + line + ", Col " + column.
std::string EditorStatustekst(int regel, int kolom);

// The two bookmark commands only explain the keys (AA00046, AA00047).
void BoekenleggerPlaatsenUitleggen(Context& ctx);
void NaarBoekenleggerUitleggen(Context& ctx);

}  // namespace morvask
