#include "gui/app/qt_user_interface.h"

#include <time.h>

#include <algorithm>
#include <chrono>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "gui/app/progress_window.h"
#include "gui/app/qt_text.h"

namespace morvask::gui {

namespace {

// The text of the message: the title above the text when there is one.
void TekstenZetten(QMessageBox& box, const std::string& titel, const std::string& tekst) {
  if (titel.empty()) {
    box.setText(MeldingNaarQt(tekst));
    return;
  }
  box.setText(QStringLiteral("<b>%1</b>").arg(MeldingNaarQt(titel).toHtmlEscaped()));
  box.setInformativeText(MeldingNaarQt(tekst));
}

// A button with the caller's caption, or the platform's own text when the caption is empty.
QPushButton* Knop(QMessageBox& box, const std::string& caption, QMessageBox::StandardButton standaard,
                  QMessageBox::ButtonRole rol, const char* naam) {
  QPushButton* knop = caption.empty() ? box.addButton(standaard) : box.addButton(NaarQt(caption), rol);
  knop->setObjectName(QString::fromLatin1(naam));
  return knop;
}

}  // namespace

QWidget* TQtGebruikersinterface::Ouder() const {
  if (QWidget* actief = QApplication::activeModalWidget()) return actief;
  if (QWidget* actief = QApplication::activeWindow()) return actief;
  return hoofdvenster.data();
}

ModaalResultaat TQtGebruikersinterface::Melding(int icoon, const std::string& caption, const std::string& titel,
                                                const std::string& tekst, const std::string& okKnop) {
  QMessageBox box(static_cast<QMessageBox::Icon>(icoon), NaarQt(caption), QString(), QMessageBox::NoButton, Ouder());
  box.setObjectName(QString::fromLatin1(MeldingNaam));
  TekstenZetten(box, titel, tekst);
  QPushButton* ok = Knop(box, okKnop, QMessageBox::Ok, QMessageBox::AcceptRole, OKKnopNaam);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  const bool wasBezig = bezig_;
  if (wasBezig) BezigCursor(false);
  box.exec();
  if (wasBezig) BezigCursor(true);
  return mrOK;
}

ModaalResultaat TQtGebruikersinterface::MeldingInformatie(const std::string& caption, const std::string& titel,
                                                          const std::string& tekst, const std::string& okKnop) {
  return Melding(QMessageBox::Information, caption, titel, tekst, okKnop);
}

ModaalResultaat TQtGebruikersinterface::MeldingWaarschuwing(const std::string& caption, const std::string& titel,
                                                            const std::string& tekst, const std::string& okKnop) {
  return Melding(QMessageBox::Warning, caption, titel, tekst, okKnop);
}

ModaalResultaat TQtGebruikersinterface::MeldingFout(const std::string& caption, const std::string& titel,
                                                    const std::string& tekst, const std::string& okKnop) {
  return Melding(QMessageBox::Critical, caption, titel, tekst, okKnop);
}

ModaalResultaat TQtGebruikersinterface::VraagJaNeeAnnuleren(const std::string& caption, const std::string& titel,
                                                            const std::string& tekst, StandaardKnop standaardKnop,
                                                            const std::string& annulerenKnop,
                                                            const std::string& neeKnop, const std::string& jaKnop) {
  QMessageBox box(QMessageBox::Question, NaarQt(caption), QString(), QMessageBox::NoButton, Ouder());
  box.setObjectName(QString::fromLatin1(MeldingNaam));
  TekstenZetten(box, titel, tekst);
  QPushButton* ja = Knop(box, jaKnop, QMessageBox::Yes, QMessageBox::YesRole, JaKnopNaam);
  QPushButton* nee = Knop(box, neeKnop, QMessageBox::No, QMessageBox::NoRole, NeeKnopNaam);
  QPushButton* annuleren = Knop(box, annulerenKnop, QMessageBox::Cancel, QMessageBox::RejectRole, AnnulerenKnopNaam);
  switch (standaardKnop) {
    case skJa:
      box.setDefaultButton(ja);
      break;
    case skNee:
      box.setDefaultButton(nee);
      break;
    case skOK:
    case skAnnuleren:
      box.setDefaultButton(annuleren);
      break;
  }
  box.setEscapeButton(annuleren);
  const bool wasBezig = bezig_;
  if (wasBezig) BezigCursor(false);
  box.exec();
  if (wasBezig) BezigCursor(true);
  if (box.clickedButton() == ja) return mrJa;
  if (box.clickedButton() == nee) return mrNee;
  return mrAnnuleren;
}

void TQtGebruikersinterface::Piep() { QApplication::beep(); }

void TQtGebruikersinterface::BezigCursor(bool aan) {
  if (aan == bezig_) return;
  bezig_ = aan;
  if (aan) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void TQtGebruikersinterface::VoortgangTonen(const std::string& tekst, bool annulerenKnop) {
  if (!voortgang) return;
  voortgang->Tonen(NaarQt(tekst), annulerenKnop);
  laatstePomp_ = -1;
  vorigeAanroep_ = -1;
  langstePauze = 0;
  BerichtenVerwerken();
}

void TQtGebruikersinterface::VoortgangTekst(const std::string& tekst) {
  if (voortgang) voortgang->TekstZetten(NaarQt(tekst));
}

void TQtGebruikersinterface::VoortgangPositie(int procent) {
  if (voortgang) voortgang->PositieZetten(procent);
}

void TQtGebruikersinterface::VoortgangSluiten() {
  if (vorigeAanroep_ >= 0) langstePauze = std::max(langstePauze, Milliseconden() - vorigeAanroep_);
  vorigeAanroep_ = -1;
  if (voortgang) voortgang->Sluiten();
}

// A clock read at every pass of a long run: the coarse monotonic clock, a few milliseconds
// exact and several times cheaper than the precise one, is precise enough for a pump that runs
// every few tens of milliseconds.
qint64 TQtGebruikersinterface::Milliseconden() {
#ifdef CLOCK_MONOTONIC_COARSE
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC_COARSE, &t);
  return static_cast<qint64>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
#else
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
#endif
}

void TQtGebruikersinterface::BerichtenVerwerken() {
  ++pompen;
  const qint64 nu = Milliseconden();
  if (vorigeAanroep_ >= 0) langstePauze = std::max(langstePauze, nu - vorigeAanroep_);
  vorigeAanroep_ = nu;
  if (pompInterval > 0 && laatstePomp_ >= 0 && nu - laatstePomp_ < pompInterval) return;
  ++verwerkt;
  QApplication::processEvents();
  laatstePomp_ = Milliseconden();
}

void TQtGebruikersinterface::InMenuChecken(MenuCode code) {
  if (menuChecken) menuChecken(code);
}

void TQtGebruikersinterface::AantekeningenschermTonen() {
  if (aantekeningenTonen) aantekeningenTonen();
}

}  // namespace morvask::gui
