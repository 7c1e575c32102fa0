#include "gui/reports/print_dialog.h"

namespace morvask::gui {

TAfdrukkenForm1::TAfdrukkenForm1(Context& ctx, TRapportOpmaakForm& opmaak, QWidget* ouder)
    : QDialog(ouder), ctx_(ctx), opmaak_(opmaak) {
  setObjectName(QStringLiteral("AfdrukkenForm1"));
  setWindowTitle(QStringLiteral("Afdrukken"));
}

void TAfdrukkenForm1::AfdrukScherm(TKindForm&, const QString&) { exec(); }

}  // namespace morvask::gui
