#include "gui/widgets/named_widgets.h"

namespace morvask::gui {

QString KaleTekst(QString tekst) {
  tekst.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  tekst.remove(QLatin1Char('&'));
  tekst.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  tekst = tekst.trimmed();
  if (tekst.endsWith(QLatin1Char(':'))) tekst.chop(1);
  return tekst.trimmed();
}

}  // namespace morvask::gui
