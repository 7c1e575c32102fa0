#pragma once
// The frame of the program's dialogs: a fixed border, and the row of "&OK" and "&Annuleren".

#include <functional>

class QDialog;
class QDialogButtonBox;
class QLayout;
class QPushButton;
class QTabWidget;

namespace morvask::gui {

// A dialog with a fixed border: its layout keeps it at its designed size (so a stored window
// position moves it but does not resize it), and its title bar offers no maximise button.
void VasteRandZetten(QDialog* dialoog, QLayout* opbouw);

// The dialog's buttons: the given "&OK" button (the default), running okActie when pressed,
// and "&Annuleren" (Button2, also Esc), which closes the dialog without change. Further buttons
// may be added to the row.
QDialogButtonBox* OKAnnulerenKnoppen(QDialog* dialoog, QPushButton* ok, std::function<void()> okActie);

// "&Help" (HelpButton) in the row, and F1 anywhere in the dialog: both run tonen, which opens
// the dialog's help topic.
void HelpKnopToevoegen(QDialog* dialoog, QDialogButtonBox* knoppen, std::function<void()> tonen);

// A tabbed dialog's layout: its pages, turned by the page keys from anywhere in the dialog,
// above its button row, within a fixed border.
void PaginavensterOpbouwen(QDialog* dialoog, QTabWidget* paginas, QDialogButtonBox* knoppen);

}  // namespace morvask::gui
