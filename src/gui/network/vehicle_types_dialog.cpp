#include "gui/network/vehicle_types_dialog.h"

namespace morvask::gui {

TVehTypesForm::TVehTypesForm(Context& ctx, QWidget* ouder) : QDialog(ouder), ctx_(ctx) {
  setObjectName(QStringLiteral("VehTypesForm"));
  setWindowTitle(QStringLiteral("Voertuigtypen"));
}

void TVehTypesForm::VehTypesFormTonen() { exec(); }

}  // namespace morvask::gui
