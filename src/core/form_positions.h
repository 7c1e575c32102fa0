#pragma once
// The remembered window positions: one text entry per window,
// "HoofdForm=M:0;L:196;T:115;W:725;H:520". A window's position is applied once per run, at
// its first activation; the entries are recorded again from every window at exit.

#include <string>
#include <string_view>
#include <vector>

namespace morvask {

// What the store needs to know of a window.
struct RVenster {
  std::string Naam;  // the window's component name, "HoofdForm"
  int Links = 0;
  int Boven = 0;
  int Breedte = 0;
  int Hoogte = 0;
  bool Gemaximaliseerd = false;
  bool SchaalbareRand = true;  // false for a dialog with a fixed border: it keeps its designed size
};

// The desktop rectangle spanning all monitors; Rechts and Onder lie just outside it.
struct RRechthoek {
  int Links = 0;
  int Boven = 0;
  int Rechts = 0;
  int Onder = 0;
};

// The entry of one window.
std::string FormPositieRegel(const RVenster& venster);

// The text before the first "=" of an entry; empty when it has none.
std::string FormPositieNaam(std::string_view regel);

// Records every window whose left or top is not 0: replaces the first entry of the same
// name, otherwise appends. Windows at (0, 0) are not recorded.
void FormPositieOpslaan(std::vector<std::string>& posities, const std::vector<RVenster>& vensters);
void FormPositieOpslaan(std::vector<std::string>& posities, const RVenster& venster);

// Applies and removes the first entry of the window's name. A maximised entry makes the
// window maximised (result false); otherwise the window becomes normal and gets the stored
// left and top (and, with a sizeable border, width and height) when the point
// (left + 20, top + 20) lies on the desktop and width and height are positive. True when a
// position was applied.
bool FormPositieHerstellen(std::vector<std::string>& posities, RVenster& venster, const RRechthoek& bureaublad);

}  // namespace morvask
