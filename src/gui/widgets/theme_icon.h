#pragma once
// An icon of the desktop's icon theme, with the program's own (":/icons/<name>.svg") as the
// fallback, so that a button is never blank.

#include <QIcon>

namespace morvask::gui {

QIcon ThemaIcoon(const char* naam);

}  // namespace morvask::gui
