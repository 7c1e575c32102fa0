#pragma once
// The posts list of the intensities window and of the comparison report window: every post of
// the project in its order, selected where its selection mark (Geselecteerd) is set. The mark
// lives in the project, so both windows show the same selection; a click copies the list's
// selection into the marks.

#include <QListWidget>

namespace morvask {
struct Project;
}

namespace morvask::gui {

class TPostenLijst : public QListWidget {
  Q_OBJECT

 public:
  // metOmschrijving: each post shown by its code and description, otherwise by its code.
  TPostenLijst(Project& project, bool metOmschrijving, QWidget* ouder = nullptr);

  // Fills the list from the project's posts and their marks.
  void Vullen();
  // "Alles &selecteren" / "Alles &deselecteren": every mark set or cleared, the list refilled.
  void AllesSelecteren(bool geselecteerd);

 private:
  void MarkeringenOvernemen();

  Project& project_;
  bool metOmschrijving_;
  bool vullend_ = false;
};

}  // namespace morvask::gui
