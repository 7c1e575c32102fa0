#pragma once
// The project data dialog TProjectgegevensForm1 ("Projectgegevens"): the size of the project
// and its description, report texts, registration interval and special plate characters.

#include <QDialog>
#include <functional>

namespace morvask {
struct Context;
}

namespace morvask::gui {

class TProjectgegevensForm1 : public QDialog {
  Q_OBJECT

 public:
  TProjectgegevensForm1(Context& ctx, QWidget* ouder = nullptr);

  // ProjectgegevensScherm: fills, shows modally and applies the fields on "&OK". True when
  // something was stored.
  bool ProjectgegevensScherm();

  std::function<void(int topic)> helpTonen;

 signals:
  // The interval was typed: the entry window's time field is to be emptied.
  void invoertijdLegen();

 private:
  Context& ctx_;
};

}  // namespace morvask::gui
