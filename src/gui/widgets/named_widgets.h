#pragma once
// Making the named components of a window: every component that a language file or a test
// addresses carries its component name as objectName.

#include <QLabel>
#include <QString>
#include <utility>

namespace morvask::gui {

// A new widget with its component name.
template <class W, class... Argumenten>
W* Benoemd(const char* naam, Argumenten&&... argumenten) {
  auto* w = new W(std::forward<Argumenten>(argumenten)...);
  w->setObjectName(QString::fromLatin1(naam));
  return w;
}

// A label that names its field for the keyboard (its mnemonic) and for assistive technology.
inline QLabel* LabelVoor(const char* naam, const QString& tekst, QWidget* veld) {
  auto* l = Benoemd<QLabel>(naam, tekst);
  l->setBuddy(veld);
  return l;
}

// A caption as plain words: without its mnemonic, the surrounding spaces and a final colon
// (" Projectmap: " becomes "Projectmap"), for accessible names and dialog titles.
QString KaleTekst(QString tekst);

}  // namespace morvask::gui
