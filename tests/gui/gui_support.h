#pragma once
// Support for the window tests: a QApplication on the offscreen platform, the program with its
// settings in a test folder, and a scripted user who answers the next modal dialog by
// pressing one of its buttons (found by objectName) - optionally after filling it in.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "gui/app/main_window.h"
#include "gui/app/program.h"
#include "support/temp_folder.h"

namespace morvask::gui::test {

// The program and its main window over a fresh test folder: the settings file lives there,
// the file dialogs are answered from the test, and the start waits for nothing.
struct Programmaomgeving {
  explicit Programmaomgeving(const std::vector<std::string>& argumenten = {});
  ~Programmaomgeving();

  morvask::test::TijdelijkeMap map;
  std::unique_ptr<TProgramma> programma;
  std::unique_ptr<THoofdForm> hoofd;

  // Shows the main window and runs its first activation.
  void Starten();
  // The path of the example project.
  static std::string Voorbeeld();
};

// Answers the next modal dialog that opens: runs vullen on it (when given), then clicks the
// button named knop (a QAbstractButton by objectName). Fails the test when no modal dialog
// opened within the time.
void Beantwoord(const QString& knop, std::function<void(QWidget*)> vullen = {});

// The dialogs answered so far by Beantwoord that were never seen (left in the queue).
int OnbeantwoordeDialogen();

// The component of a window by its name; fails the test when there is none.
template <class T>
T* Onderdeel(QWidget* venster, const char* naam) {
  T* o = venster->findChild<T*>(QString::fromLatin1(naam));
  EXPECT_NE(o, nullptr) << naam << " in " << venster->objectName().toStdString();
  return o;
}

// Types into a field as a user does who first selects what it holds (as Tab does).
void Typen(QWidget* veld, const QString& tekst);

// Lets events run for a while (timers, deferred deletes).
void EvenWachten(int milliseconden = 30);

}  // namespace morvask::gui::test
