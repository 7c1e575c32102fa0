#pragma once
// The start-up information window (also "&Info") and the web link window.

#include <QDialog>
#include <QTimer>

class QLabel;
class QPushButton;

namespace morvask {
struct Context;
}

namespace morvask::gui {

// The program's name, "Versie 4.4.0 build N", the notices and the licence. At start it is shown
// without blocking and hides itself after 1800 ms, making its "&Sluiten" button visible for
// later use; any key closes it.
class TOpstartInfoForm : public QDialog {
  Q_OBJECT

 public:
  explicit TOpstartInfoForm(const Context& ctx, QWidget* ouder = nullptr);

  // At start: shown for a moment, without its close button.
  void OpstartTonen();
  // "&Info": modal, with the close button.
  void InfoTonen();
  // The version line as the fixed texts of the current language give it.
  void TekstenBijwerken();

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  const Context& ctx_;
  QLabel* versie_;
  QPushButton* sluiten_;
  QTimer timer_;
};

// The maker's home page as a link, opened with the desktop's browser.
class TOpInternetForm : public QDialog {
  Q_OBJECT

 public:
  explicit TOpInternetForm(QWidget* ouder = nullptr);
};

}  // namespace morvask::gui
