#pragma once
// The remembered window positions applied to real windows: every window gets its stored
// position when it is first shown in a run, and at exit every window's position is recorded.
// On a display server that refuses positions (Wayland), the sizes still apply.

#include <QObject>
#include <vector>

#include "core/form_positions.h"

class QWidget;

namespace morvask::gui {

// A window as the position store sees it.
RVenster VensterVan(const QWidget* venster);
// The rectangle spanning every screen.
RRechthoek Bureaublad();
// Applies the window's stored entry (and removes it); true when a position was applied.
bool PositieHerstellen(std::vector<std::string>& posities, QWidget* venster);
// Every named top-level window of the program (report windows excluded).
std::vector<RVenster> AlleVensterposities();

// Applies the stored position of every named top-level window when it is shown (the main
// window excepted: its first activation applies its own).
class TVensterposities : public QObject {
 public:
  explicit TVensterposities(std::vector<std::string>& posities, QObject* ouder = nullptr);
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  std::vector<std::string>& posities_;
};

}  // namespace morvask::gui
