#include "gui/widgets/fixed_dialog.h"

#include <QDialog>
#include <QLayout>

namespace morvask::gui {

void VasteRandZetten(QDialog* dialoog, QLayout* opbouw) {
  opbouw->setSizeConstraint(QLayout::SetFixedSize);
  dialoog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

}  // namespace morvask::gui
