#pragma once
// The notes window TAantekeningenForm ("Aantekeningen"): the project's notes, whether the
// window shows itself when the project is opened, and the notes report.

#include <QDialog>
#include <functional>

#include "reports/report.h"

class QCheckBox;
class QPlainTextEdit;

namespace morvask {
struct Context;
}

namespace morvask::gui {

class TAantekeningenForm : public QDialog {
  Q_OBJECT

 public:
  TAantekeningenForm(Context& ctx, QWidget* ouder = nullptr);

  // Shows the notes modally; closing stores text and check box in the project.
  void Tonen();

  std::function<void(Rapport)> rapportTonen;
  std::function<void(int topic)> helpTonen;

  // Every way of closing the window (buttons, Esc, the window's close button) stores the
  // notes and the check box (FormClose).
  void done(int resultaat) override;

 private:
  Context& ctx_;
  QPlainTextEdit* tekst_;  // AantekeningenRichEdit
  QCheckBox* tonen_;       // CheckBox1
  bool rapport_ = false;
};

}  // namespace morvask::gui
