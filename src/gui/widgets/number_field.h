#pragma once
// A whole-number field with up and down buttons (the up-down control of the dialogs). The user
// may type any number: a number outside the range stays in the field while typing and is
// brought within the range when the field is left or read, as the up-down control reports
// it. Only digits can be typed.

#include <QSpinBox>

namespace morvask::gui {

class TGetalveld : public QSpinBox {
  Q_OBJECT

 public:
  TGetalveld(int minimum, int maximum, QWidget* ouder = nullptr);

  // The value after taking in what was typed (as leaving the field does).
  int Waarde();

  QValidator::State validate(QString& tekst, int& positie) const override;
  void fixup(QString& tekst) const override;

 signals:
  // The user typed into the field (not the buttons, not the program).
  void getypt();
};

}  // namespace morvask::gui
