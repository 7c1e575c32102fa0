#pragma once
// The program's own icons, compiled into the program.

namespace morvask::gui {

// Makes the icons available; called once before the first window is made.
void HulpbronnenLaden();

}  // namespace morvask::gui
