#pragma once
// The settings dialog TInstellingenForm1 ("Programma-instellingen"): folders, view, options
// and report settings on four pages.

#include <QDialog>
#include <functional>

namespace morvask {
struct Context;
}

namespace morvask::gui {

class TInstellingenForm1 : public QDialog {
  Q_OBJECT

 public:
  TInstellingenForm1(Context& ctx, QWidget* ouder = nullptr);

  // InstellingenScherm: fills the controls from the settings, shows the dialog modally with
  // "&OK" focused and on "&OK" stores every control. True on "&OK".
  bool InstellingenScherm();

  // The folder browser of the "..." buttons, replaceable (tests answer it): the chosen
  // folder, or empty.
  std::function<QString(const QString& begin)> mapKiezen;

  // Opens a help topic (the main window's help).
  std::function<void(int topic)> helpTonen;

 private:
  Context& ctx_;
};

}  // namespace morvask::gui
