#include "gui/widgets/page_keys.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTabWidget>

namespace morvask::gui {

namespace {

void Bladeren(QTabWidget* paginas, int stap) {
  const int aantal = paginas->count();
  int i = paginas->currentIndex();
  for (int n = 0; n < aantal; ++n) {
    i = (i + stap + aantal) % aantal;
    if (paginas->isTabVisible(i) && paginas->isTabEnabled(i)) {
      paginas->setCurrentIndex(i);
      return;
    }
  }
}

void Toets(QTabWidget* paginas, const QKeySequence& toets, int stap) {
  auto* s = new QShortcut(toets, paginas);
  s->setContext(Qt::WindowShortcut);
  QObject::connect(s, &QShortcut::activated, paginas, [paginas, stap] { Bladeren(paginas, stap); });
}

}  // namespace

void PaginatoetsenZetten(QTabWidget* paginas) {
  Toets(paginas, QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
  Toets(paginas, QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
  Toets(paginas, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
  Toets(paginas, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1);
  Toets(paginas, QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);
}

}  // namespace morvask::gui
