#include "gui/app/window_positions.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include "gui/app/qt_text.h"

namespace morvask::gui {

namespace {

// A dialog with a fixed border keeps its designed size.
bool SchaalbaarVenster(const QWidget* w) {
  if (w->layout() && w->layout()->sizeConstraint() == QLayout::SetFixedSize) return false;
  return w->minimumSize() != w->maximumSize();
}

}  // namespace

RVenster VensterVan(const QWidget* w) {
  RVenster v;
  v.Naam = VanQt(w->objectName());
  const QRect normaal = w->isMaximized() ? w->normalGeometry() : w->geometry();
  const QPoint hoek = w->isMaximized() ? normaal.topLeft() : w->pos();
  v.Links = hoek.x();
  v.Boven = hoek.y();
  v.Breedte = normaal.width();
  v.Hoogte = normaal.height();
  v.Gemaximaliseerd = w->isMaximized();
  v.SchaalbareRand = SchaalbaarVenster(w);
  return v;
}

RRechthoek Bureaublad() {
  QRect samen;
  for (const QScreen* s : QGuiApplication::screens()) samen = samen.united(s->geometry());
  return {samen.left(), samen.top(), samen.left() + samen.width(), samen.top() + samen.height()};
}

bool PositieHerstellen(std::vector<std::string>& posities, QWidget* w) {
  RVenster v = VensterVan(w);
  const std::size_t voor = posities.size();
  const bool toegepast = FormPositieHerstellen(posities, v, Bureaublad());
  if (posities.size() == voor) return false;  // no entry: the window stays as designed
  if (v.Gemaximaliseerd) {
    w->setWindowState(w->windowState() | Qt::WindowMaximized);
    return false;
  }
  w->setWindowState(w->windowState() & ~Qt::WindowMaximized);
  if (!toegepast) return false;
  w->move(v.Links, v.Boven);
  if (v.SchaalbareRand) w->resize(v.Breedte, v.Hoogte);
  return true;
}

std::vector<RVenster> AlleVensterposities() {
  std::vector<RVenster> uit;
  for (const QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName().isEmpty() || w->objectName() == QLatin1String("KindForm")) continue;
    if (w->objectName().startsWith(QLatin1String("qt_"))) continue;
    uit.push_back(VensterVan(w));
  }
  return uit;
}

TVensterposities::TVensterposities(std::vector<std::string>& posities, QObject* ouder)
    : QObject(ouder), posities_(posities) {}

bool TVensterposities::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::Show) {
    auto* w = qobject_cast<QWidget*>(o);
    if (w && w->isWindow() && !w->objectName().isEmpty() && w->objectName() != QLatin1String("HoofdForm"))
      PositieHerstellen(posities_, w);
  }
  return QObject::eventFilter(o, e);
}

}  // namespace morvask::gui
