#include "gui/app/project_data_dialog.h"

namespace morvask::gui {

TProjectgegevensForm1::TProjectgegevensForm1(Context& ctx, QWidget* ouder) : QDialog(ouder), ctx_(ctx) {
  setObjectName(QStringLiteral("ProjectgegevensForm1"));
  setWindowTitle(QStringLiteral("Projectgegevens"));
}

bool TProjectgegevensForm1::ProjectgegevensScherm() { return exec() == Accepted; }

}  // namespace morvask::gui
