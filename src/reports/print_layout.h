#pragma once
// The printed form of a report: its lines laid out on pages within the margins, each page with
// its header ("Morvask 4.4", left) and footer ("Pagina %s van %s", right). A pure function of
// the lines, the size of the paper and the metrics of the fixed-pitch font, all in millimetres;
// the desktop program's printing, preview and PDF draw the pages it returns.

#include <string>
#include <string_view>
#include <vector>

namespace morvask {

class Catalogus;

// The paper and the areas on it, in millimetres. The text lies inside the margins, below the
// header area and above the footer area, separated from them by the gap; header and footer
// texts are indented from the sides of the text area.
struct RPapier {
  double Breedte = 210.0;
  double Hoogte = 297.0;
  double MargeLinks = 15.0;
  double MargeRechts = 15.0;
  double MargeBoven = 15.0;
  double MargeOnder = 15.0;
  double KopHoogte = 10.0;
  double VoetHoogte = 10.0;
  double KopInspringing = 2.0;
  double Tussenruimte = 0.5;
};

// The report font as printed: the height of a line and the width of one character.
struct RLettermaat {
  double Regelhoogte = 0.0;
  double Tekenbreedte = 0.0;
};

// A rectangle on the paper, in millimetres from its top left corner.
struct RVlak {
  double Links = 0.0;
  double Boven = 0.0;
  double Breedte = 0.0;
  double Hoogte = 0.0;
};

struct RAfdrukpagina {
  std::vector<std::string> Regels;  // tabs expanded, each at most TekensPerRegel characters
  std::string Kop;                  // left in the header area
  std::string Voet;                 // right in the footer area
};

struct RAfdrukindeling {
  RVlak Tekstvlak;
  RVlak Kopvlak;   // where the header text stands (indented)
  RVlak Voetvlak;  // where the footer text stands (indented)
  int RegelsPerPagina = 0;
  int TekensPerRegel = 0;
  std::vector<RAfdrukpagina> Paginas;  // at least one, also for an empty report
};

// The tab stops of the report window: every 8 columns.
inline constexpr int Tabbreedte = 8;

// A line with each tab replaced by the blanks up to the next tab stop.
std::string TabsUitgevouwen(std::string_view regel);

// "Morvask 4.4" and "Pagina %s van %s" (AA00004) on every page. A line wider than the text area
// continues on the next printed line, so nothing of it is lost. Paper too small for one line
// of one character still gives pages: one line of one character each.
RAfdrukindeling Afdrukindeling(const std::vector<std::string>& regels, const RPapier& papier,
                               const RLettermaat& letter, const Catalogus& catalogus);

}  // namespace morvask
