#pragma once
// The keys that turn the pages of a tabbed window wherever the focus is in that window:
// Ctrl+Tab and Ctrl+PgDown to the next page, Ctrl+Shift+Tab and Ctrl+PgUp to the previous one,
// passing over pages that are hidden or disabled. Qt itself turns them only while the focus is
// inside the page control, and a window opens with the focus on its buttons.

class QTabWidget;

namespace morvask::gui {

void PaginatoetsenZetten(QTabWidget* paginas);

}  // namespace morvask::gui
