#include "gui/reports/export_dialog.h"

namespace morvask::gui {

TExportForm::TExportForm(Context& ctx, QWidget* ouder) : QDialog(ouder), ctx_(ctx) {
  setObjectName(QStringLiteral("ExportForm"));
  setWindowTitle(QStringLiteral("Exporteren"));
}

bool TExportForm::ExportScherm(const TKindForm&, const QString&) { return exec() == Accepted; }

}  // namespace morvask::gui
