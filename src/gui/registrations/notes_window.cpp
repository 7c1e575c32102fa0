#include "gui/registrations/notes_window.h"

namespace morvask::gui {

TAantekeningenForm::TAantekeningenForm(Context& ctx, QWidget* ouder) : QDialog(ouder), ctx_(ctx) {
  setObjectName(QStringLiteral("AantekeningenForm"));
  setWindowTitle(QStringLiteral("Aantekeningen"));
}

void TAantekeningenForm::Tonen() { exec(); }

}  // namespace morvask::gui
