// A report of a million lines in a report window: from the finished report, as a producer hands
// it to the main window, to the window shown and painted; then paging through it and jumping to
// its end, each step painted.

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <cstdio>
#include <string>
#include <vector>

#include "gui/app/main_window.h"
#include "gui/app/program.h"
#include "gui/reports/report_view.h"
#include "gui/reports/report_window.h"
#include "gui_sections.h"

namespace morvask::bench {

namespace {

// Lines like those of the registration file check, with a tab in every tenth.
Rapport MiljoenRegels() {
  Rapport r;
  r.Titel = "Registratiesbestand controleren";
  r.Regels.reserve(1000000);
  char regel[96];
  for (int i = 0; i < 1000000; ++i) {
    std::snprintf(regel, sizeof regel,
                  i % 10 == 0 ? "%d\t%03d-ki %04d a %06d  ->  Ongeldige tijd"
                              : "%-8d%03d-ki %04d x %06d  ->  Ongeldig voertuigtype",
                  i + 1, i % 100, (i / 60 % 24) * 100 + i % 60, i);
    r.Regels.emplace_back(regel);
  }
  return r;
}

// Lets the window paint what changed.
void Tekenen(gui::TKindForm& venster) {
  venster.Tekst()->viewport()->repaint();
  QApplication::processEvents();
}

}  // namespace

void RapportvensterSectie(gui::THoofdForm& hoofd) {
  std::printf("\n== report window (TKindForm), offscreen\n");
  Rapport rapport = MiljoenRegels();
  gui::TKindForm* venster = nullptr;
  const double openen = Tijd([&] {
    venster = hoofd.RapportTonen(std::move(rapport));
    Tekenen(*venster);
  });
  Uitslag("open a report of 1,000,000 lines", openen, 2.0);

  gui::TRapportTekst& tekst = *venster->Tekst();
  tekst.setFocus();
  const double bladeren = Tijd([&] {
    for (int i = 0; i < 100; ++i) {
      QKeyEvent toets(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
      QApplication::sendEvent(&tekst, &toets);
      Tekenen(*venster);
    }
  });
  Uitslag("100 x Page Down, each painted", bladeren, 0.5);
  const double einde = Tijd([&] {
    QKeyEvent toets(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
    QApplication::sendEvent(&tekst, &toets);
    Tekenen(*venster);
  });
  Uitslag("Ctrl+End to line 1,000,000, painted", einde, 0.1);
  const double alles = Tijd([&] {
    tekst.AllesSelecteren();
    Tekenen(*venster);
  });
  Uitslag("select all, painted", alles, 0.1);
  if (tekst.Caret().regel != 999999)
    std::printf("   !! the caret is on line %d, not the last\n", tekst.Caret().regel + 1);
  const double sluiten = Tijd([&] {
    venster->parentWidget()->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  });
  Uitslag("close the window", sluiten, 1.0);
}

}  // namespace morvask::bench
