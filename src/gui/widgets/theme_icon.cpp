#include "gui/widgets/theme_icon.h"

namespace morvask::gui {

QIcon ThemaIcoon(const char* naam) {
  const QString eigen = QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(naam));
  return QIcon::fromTheme(QString::fromLatin1(naam), QIcon(eigen));
}

}  // namespace morvask::gui
