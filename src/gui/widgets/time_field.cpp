#include "gui/widgets/time_field.h"

#include <QFontMetrics>
#include <QSignalBlocker>

namespace morvask::gui {

TTijdveld::TTijdveld(QWidget* ouder) : QLineEdit(ouder) {
  setInputMask(QStringLiteral("9999;_"));
  setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
  connect(this, &QLineEdit::textEdited, this, [this] { emit getypt(text()); });
}

void TTijdveld::TekstZetten(const QString& tekst) {
  if (tekst == text()) return;
  const QSignalBlocker stil(this);
  setText(tekst);
}

void TTijdveld::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  emit verlaten();
}

}  // namespace morvask::gui
