#pragma once
// A time field of four digits hhmm with the input mask of the analysis windows: the digits are
// typed over the blanks ("_"), nothing else can be typed. getypt is emitted for every change
// the user makes, verlaten when the field loses the focus, so that the window can hand the
// text to the library's rule and show what comes back.

#include <QLineEdit>

namespace morvask::gui {

class TTijdveld : public QLineEdit {
  Q_OBJECT

 public:
  explicit TTijdveld(QWidget* ouder = nullptr);

  // Whether all four digits are there.
  bool Volledig() const { return hasAcceptableInput(); }
  // Shows a text the program set (an empty text empties the field), without getypt.
  void TekstZetten(const QString& tekst);

 signals:
  void getypt(const QString& tekst);
  void verlaten();

 protected:
  void focusOutEvent(QFocusEvent* e) override;
};

}  // namespace morvask::gui
