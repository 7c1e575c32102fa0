#include "gui/language/qt_translation.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QWidget>
#include <functional>
#include <map>

#include "base/context.h"
#include "base/version.h"
#include "gui/app/qt_text.h"

namespace morvask::gui {

namespace {

bool Gemarkeerd(const QObject* o, const char* eigenschap) { return o->property(eigenschap).toBool(); }

// The radio buttons of a radio group, in their order.
QList<QRadioButton*> Keuzes(QGroupBox* groep) {
  return groep->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
}

// The tab widget and index of a tab page, or none.
std::pair<QTabWidget*, int> Tabblad(QWidget* w) {
  QWidget* stapel = w->parentWidget();
  QTabWidget* tabs = stapel ? qobject_cast<QTabWidget*>(stapel->parentWidget()) : nullptr;
  if (!tabs) return {nullptr, -1};
  return {tabs, tabs->indexOf(w)};
}

// How one kind of component shows its texts: read into the description, and written back.
struct Onderdeelvorm {
  std::function<void(QObject*, ROnderdeel&)> lezen;
  std::function<void(QObject*, const ROnderdeel&)> schrijven;
};

std::vector<std::string> Regels(const QStringList& teksten) {
  std::vector<std::string> uit;
  for (const QString& t : teksten) uit.push_back(VanQt(t));
  return uit;
}

void Beschrijven(QObject* o, ROnderdeel& d) {
  if (auto* a = qobject_cast<QAction*>(o)) {
    d.HeeftCaption = true;
    d.Caption = VanQt(a->text());
    d.HeeftHint = true;
    d.Hint = VanQt(a->property(HintEigenschap).toString());
    return;
  }
  if (auto* m = qobject_cast<QMenu*>(o)) {
    d.HeeftCaption = true;
    d.Caption = VanQt(m->title());
    return;
  }
  auto* w = qobject_cast<QWidget*>(o);
  if (!w) return;
  d.HeeftHint = true;
  d.Hint = VanQt(w->toolTip());
  if (auto* g = qobject_cast<QGroupBox*>(w)) {
    d.HeeftCaption = true;
    d.Caption = VanQt(g->title());
    if (Gemarkeerd(g, KeuzegroepEigenschap)) {
      d.Soort = SoortOnderdeel::Keuzegroep;
      for (QRadioButton* r : Keuzes(g)) d.Regels.push_back(VanQt(r->text()));
    }
  } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    d.HeeftCaption = true;
    d.Caption = VanQt(b->text());
  } else if (auto* l = qobject_cast<QLabel*>(w)) {
    d.HeeftCaption = true;
    d.Caption = VanQt(l->text());
  } else if (auto* c = qobject_cast<QComboBox*>(w); c && Gemarkeerd(c, KeuzelijstEigenschap)) {
    d.Soort = SoortOnderdeel::Keuzelijst;
    for (int i = 0; i < c->count(); ++i) d.Regels.push_back(VanQt(c->itemText(i)));
  } else if (auto* t = qobject_cast<QPlainTextEdit*>(w); t && Gemarkeerd(t, MeerRegeligEigenschap)) {
    d.Soort = SoortOnderdeel::MeerRegelig;
    d.Regels = Regels(t->toPlainText().split(QLatin1Char('\n')));
  } else if (auto [tabs, index] = Tabblad(w); tabs && index >= 0) {
    d.HeeftCaption = true;
    d.Caption = VanQt(tabs->tabText(index));
  }
}

void Toepassen(QObject* o, const ROnderdeel& d) {
  const QString caption = NaarQt(d.Caption);
  if (auto* a = qobject_cast<QAction*>(o)) {
    a->setText(caption);
    HintZetten(a, NaarQt(d.Hint));
    return;
  }
  if (auto* m = qobject_cast<QMenu*>(o)) {
    m->setTitle(caption);
    return;
  }
  auto* w = qobject_cast<QWidget*>(o);
  if (!w) return;
  if (d.HeeftHint) w->setToolTip(NaarQt(d.Hint));
  if (auto* g = qobject_cast<QGroupBox*>(w)) {
    g->setTitle(caption);
    const QList<QRadioButton*> keuzes = Keuzes(g);
    for (int i = 0; d.Soort == SoortOnderdeel::Keuzegroep && i < keuzes.size(); ++i)
      if (static_cast<std::size_t>(i) < d.Regels.size())
        keuzes[i]->setText(NaarQt(d.Regels[static_cast<std::size_t>(i)]));
  } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    b->setText(caption);
  } else if (auto* l = qobject_cast<QLabel*>(w)) {
    l->setText(caption);
  } else if (auto* c = qobject_cast<QComboBox*>(w); c && d.Soort == SoortOnderdeel::Keuzelijst) {
    for (int i = 0; i < c->count() && static_cast<std::size_t>(i) < d.Regels.size(); ++i)
      c->setItemText(i, NaarQt(d.Regels[static_cast<std::size_t>(i)]));
  } else if (auto* t = qobject_cast<QPlainTextEdit*>(w); t && d.Soort == SoortOnderdeel::MeerRegelig) {
    QStringList regels;
    for (const std::string& r : d.Regels) regels << NaarQt(r);
    t->setPlainText(regels.join(QLatin1Char('\n')));
  } else if (auto [tabs, index] = Tabblad(w); tabs && index >= 0) {
    tabs->setTabText(index, caption);
  }
}

// The window an object belongs to: a widget's window, an action's or a menu's owner's window
// (a menu pops up as a window of its own, but belongs to the window of its menu bar).
const QWidget* VensterVan(const QObject* o) {
  for (; o; o = o->parent())
    if (const auto* w = qobject_cast<const QWidget*>(o); w && !qobject_cast<const QMenu*>(w)) return w->window();
  return nullptr;
}

// The named components of a window, in creation order: widgets, actions and menus whose
// objectName is set, of this window and not of a dialog it owns (Qt's own internal objects,
// named "qt_...", are left out).
QList<QObject*> Onderdelen(QWidget* venster) {
  QList<QObject*> uit;
  for (QObject* o : venster->findChildren<QObject*>()) {
    const QString naam = o->objectName();
    if (naam.isEmpty() || naam.startsWith(QLatin1String("qt_"))) continue;
    if (!qobject_cast<QWidget*>(o) && !qobject_cast<QAction*>(o)) continue;
    if (VensterVan(o) == venster) uit.push_back(o);
  }
  return uit;
}

}  // namespace

void HintZetten(QAction* actie, const QString& hint) {
  actie->setProperty(HintEigenschap, hint);
  actie->setToolTip(hint.isEmpty() ? QString(actie->text()).remove(QLatin1Char('&')) : hint);
  actie->setStatusTip(hint);
}

RScherm SchermVan(QWidget* venster) {
  RScherm s;
  s.Naam = VanQt(venster->objectName());
  // A title the program composes itself (the main window's) stands as the window's name, which
  // neither the translation nor the template touches.
  s.Caption = Gemarkeerd(venster, TitelVanProgrammaEigenschap) ? s.Naam : VanQt(venster->windowTitle());
  for (QObject* o : Onderdelen(venster)) {
    ROnderdeel d;
    d.Naam = VanQt(o->objectName());
    Beschrijven(o, d);
    if (d.HeeftCaption || d.HeeftHint || !d.Regels.empty()) s.Onderdelen.push_back(std::move(d));
  }
  return s;
}

void SchermToepassen(QWidget* venster, const RScherm& scherm) {
  if (scherm.Caption != scherm.Naam) venster->setWindowTitle(NaarQt(scherm.Caption));
  std::map<std::string, const ROnderdeel*> opNaam;
  for (const ROnderdeel& d : scherm.Onderdelen) opNaam.emplace(d.Naam, &d);
  for (QObject* o : Onderdelen(venster)) {
    const auto it = opNaam.find(VanQt(o->objectName()));
    if (it != opNaam.end()) Toepassen(o, *it->second);
  }
}

bool VenstersVertalen(Context& ctx, const QList<QWidget*>& vensters, std::string_view taal) {
  std::vector<RScherm> schermen;
  for (QWidget* v : vensters) schermen.push_back(SchermVan(v));
  const bool vertaald = VertaalSchermen(ctx, schermen, taal, Organisatie);
  for (int i = 0; i < vensters.size(); ++i) SchermToepassen(vensters[i], schermen[static_cast<std::size_t>(i)]);
  return vertaald;
}

}  // namespace morvask::gui
