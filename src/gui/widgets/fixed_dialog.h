#pragma once
// A dialog with a fixed border: its layout keeps it at its designed size (so a stored window
// position moves it but does not resize it), and its title bar offers no maximise button.

class QDialog;
class QLayout;

namespace morvask::gui {

void VasteRandZetten(QDialog* dialoog, QLayout* opbouw);

}  // namespace morvask::gui
