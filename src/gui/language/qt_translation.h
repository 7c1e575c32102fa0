#pragma once
// The library's window translation over Qt windows: a window's named widgets, actions and
// menus as the plain description the translation and the template writer work on, and the
// translated texts put back. Components are found by objectName.
//
// What counts: the window's title; the captions of labels, buttons, check and radio buttons,
// group boxes, tab pages, menus and actions; hints (tool tips); the items of combo boxes and
// radio groups marked translatable (property "keuzelijst", "keuzegroep"); the lines of text
// boxes marked translatable (property "meerRegelig"). A radio group's buttons carry no name
// of their own: they are its items.

#include <QList>
#include <string_view>
#include <vector>

#include "language/translation.h"

class QAction;
class QString;
class QWidget;

namespace morvask {
struct Context;
}

namespace morvask::gui {

inline constexpr const char* KeuzelijstEigenschap = "keuzelijst";
inline constexpr const char* KeuzegroepEigenschap = "keuzegroep";
inline constexpr const char* MeerRegeligEigenschap = "meerRegelig";
// A window whose title the program composes itself (the main window).
inline constexpr const char* TitelVanProgrammaEigenschap = "titelVanProgramma";
// An action's hint as the command table gives it (a tool tip Qt makes itself is no hint).
inline constexpr const char* HintEigenschap = "hint";

RScherm SchermVan(QWidget* venster);
void SchermToepassen(QWidget* venster, const RScherm& scherm);

// Translates the windows into the language (VertaalSchermen): first the texts the program
// composes itself, then, when the language has a file, every window of the list. True when a
// language file was applied.
bool VenstersVertalen(Context& ctx, const QList<QWidget*>& vensters, std::string_view taal);

// Sets an action's hint (its tool tip and the hint the translation sees).
void HintZetten(QAction* actie, const QString& hint);

}  // namespace morvask::gui
