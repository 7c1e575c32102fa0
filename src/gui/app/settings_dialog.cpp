#include "gui/app/settings_dialog.h"

namespace morvask::gui {

TInstellingenForm1::TInstellingenForm1(Context& ctx, QWidget* ouder) : QDialog(ouder), ctx_(ctx) {
  setObjectName(QStringLiteral("InstellingenForm1"));
  setWindowTitle(QStringLiteral("Programma-instellingen"));
}

bool TInstellingenForm1::InstellingenScherm() { return exec() == Accepted; }

}  // namespace morvask::gui
