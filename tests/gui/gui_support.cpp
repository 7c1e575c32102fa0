#include "gui/gui_support.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <deque>

#include "core/files.h"

namespace morvask::gui::test {

namespace {

struct Antwoord {
  QString knop;
  std::function<void(QWidget*)> vullen;
};

std::deque<Antwoord>& Wachtrij() {
  static std::deque<Antwoord> rij;
  return rij;
}

QPointer<QWidget>& LaatstBeantwoord() {
  static QPointer<QWidget> w;
  return w;
}

// Polls for a modal dialog that has not been answered yet and answers it.
void Peilen() {
  auto& rij = Wachtrij();
  if (rij.empty()) return;
  QWidget* modaal = QApplication::activeModalWidget();
  if (modaal && modaal != LaatstBeantwoord() && modaal->isVisible()) {
    Antwoord a = std::move(rij.front());
    rij.pop_front();
    LaatstBeantwoord() = modaal;
    if (a.vullen) a.vullen(modaal);
    auto* knop = modaal->findChild<QAbstractButton*>(a.knop);
    if (knop) {
      knop->click();
    } else {
      ADD_FAILURE() << "no button " << a.knop.toStdString() << " in " << modaal->objectName().toStdString();
      modaal->close();
    }
    // A modal widget that stays open after the answer (a dialog that shows a question of its
    // own) may be answered again.
    QTimer::singleShot(0, [] { LaatstBeantwoord() = nullptr; });
  }
  if (!rij.empty()) QTimer::singleShot(10, Peilen);
}

}  // namespace

void Beantwoord(const QString& knop, std::function<void(QWidget*)> vullen) {
  const bool leeg = Wachtrij().empty();
  Wachtrij().push_back({knop, std::move(vullen)});
  if (leeg) QTimer::singleShot(10, Peilen);
}

int OnbeantwoordeDialogen() {
  const int n = static_cast<int>(Wachtrij().size());
  Wachtrij().clear();
  return n;
}

void EvenWachten(int milliseconden) {
  QElapsedTimer klok;
  klok.start();
  while (klok.elapsed() < milliseconden) {
    QApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

Programmaomgeving::Programmaomgeving(const std::vector<std::string>& argumenten) {
  // Backups go to the test folder, and the project data dialog does not open by itself.
  map.Schrijf("config/Morvask.ini", "[Morvask settings]\r\n\r\n[**General variables**]\r\nBackUpFolder=" +
                                        (map / "backup/") + "\r\nShowProjectSettingsAfterOpen=0\r\n\r\n");
  map.Schrijf("backup/.keep", "");
  map.Schrijf("tmp/.keep", "");
  programma = std::make_unique<TProgramma>(std::string(MORVASK_GUI_TEST_PROGRAM), map / "config/Morvask.ini");
  programma->ctx.mappen.Tijdelijk = map / "tmp/";
  programma->argumenten = argumenten;
  hoofd = std::make_unique<THoofdForm>(*programma);
  hoofd->openDialoog = [](const QString&) { return QString(); };
  hoofd->opslaanDialoog = [](const QString&) { return QString(); };
}

Programmaomgeving::~Programmaomgeving() {
  EXPECT_EQ(OnbeantwoordeDialogen(), 0);
  // Nothing may ask a question while the test tears down.
  if (hoofd) {
    programma->project.Gegevens.ProjectgegevensbestandGewijzigd = false;
    hoofd->hide();
  }
}

void Programmaomgeving::Starten() {
  hoofd->show();
  hoofd->EersteActiveringUitvoeren();
  EvenWachten();
}

std::string Programmaomgeving::Voorbeeld() { return std::string(MORVASK_SOURCE_DIR) + "/data/examples/voorbeeld.mpr"; }

void Typen(QWidget* veld, const QString& tekst) {
  if (auto* e = qobject_cast<QLineEdit*>(veld)) e->selectAll();
  if (auto* s = qobject_cast<QAbstractSpinBox*>(veld)) s->selectAll();
  QTest::keyClicks(veld, tekst);
}

}  // namespace morvask::gui::test
