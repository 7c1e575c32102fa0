#include "gui/widgets/character_field.h"

#include <QFontMetrics>
#include <QKeyEvent>

namespace morvask::gui {

TKarakterveld::TKarakterveld(QWidget* ouder) : QLineEdit(ouder) {
  setMaxLength(1);
  setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("MMMM")) + 12);
}

void TKarakterveld::keyPressEvent(QKeyEvent* e) {
  const QString tekst = e->text();
  const bool teken = !tekst.isEmpty() && tekst.at(0).isPrint() &&
                     !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  if (teken && !hasSelectedText() && text().size() >= maxLength()) selectAll();
  QLineEdit::keyPressEvent(e);
}

}  // namespace morvask::gui
