#pragma once
// A field of one character: a character typed into the full field replaces the one it holds,
// so the user need not delete it first.

#include <QLineEdit>

namespace morvask::gui {

class TKarakterveld : public QLineEdit {
  Q_OBJECT

 public:
  explicit TKarakterveld(QWidget* ouder = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* e) override;
};

}  // namespace morvask::gui
