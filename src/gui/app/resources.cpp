#include "gui/app/resources.h"

#include <QtGlobal>

static void IconenLaden() { Q_INIT_RESOURCE(icons); }

namespace morvask::gui {

void HulpbronnenLaden() { IconenLaden(); }

}  // namespace morvask::gui
