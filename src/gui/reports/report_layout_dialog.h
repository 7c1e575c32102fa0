#pragma once
// "Opmaak rapport": the font size of the active report window, from 0 to 9999.

#include <QDialog>
#include <optional>

class QSpinBox;

namespace morvask::gui {

class TRapportOpmaakForm : public QDialog {
  Q_OBJECT

 public:
  explicit TRapportOpmaakForm(QWidget* ouder = nullptr);

  // Preset to the current size; the new size on "&OK", nothing on "&Annuleren".
  std::optional<int> LettergrootteKiezen(int huidig);

  QSpinBox* Grootte() const { return grootte_; }

 private:
  QSpinBox* grootte_;
};

}  // namespace morvask::gui
