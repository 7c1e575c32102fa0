#include "gui/app/progress_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/catalogue.h"
#include "base/user_interface.h"
#include "gui/app/qt_text.h"

namespace morvask::gui {

TGaugeForm1::TGaugeForm1(QWidget* hoofdvenster, Gebruikersinterface& ui, const Catalogus& catalogus)
    : QDialog(hoofdvenster, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ui_(ui),
      catalogus_(catalogus),
      balk_(new QProgressBar(this)),
      tekst_(new QLabel(this)),
      annuleren_(new QPushButton(QStringLiteral("&Annuleren"), this)) {
  setObjectName(QStringLiteral("GaugeForm1"));
  setWindowTitle(QString::fromLatin1(Programmanaam));
  balk_->setObjectName(QStringLiteral("ProgressBar1"));
  balk_->setRange(0, 100);
  balk_->setAccessibleName(QStringLiteral("Voortgang"));
  tekst_->setObjectName(QStringLiteral("Label1"));
  tekst_->setAlignment(Qt::AlignCenter);
  annuleren_->setObjectName(QStringLiteral("Button1"));
  connect(annuleren_, &QPushButton::clicked, this, &TGaugeForm1::Annuleren);

  auto* opbouw = new QVBoxLayout(this);
  opbouw->addWidget(tekst_);
  opbouw->addWidget(balk_);
  opbouw->addWidget(annuleren_, 0, Qt::AlignHCenter);
  setMinimumWidth(360);

  timer_.setInterval(2000);
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (isVisible() && titelZetten) titelZetten(QString::number(balk_->value()) + QLatin1Char('%'));
  });
}

void TGaugeForm1::Tonen(const QString& tekst, bool annulerenKnop) {
  sluitend_ = false;
  balk_->setValue(0);
  setWindowTitle(QString::fromLatin1(Programmanaam));
  TekstZetten(tekst);
  annuleren_->setVisible(annulerenKnop);
  setWindowModality(Qt::ApplicationModal);
  if (parentWidget()) {
    adjustSize();
    move(parentWidget()->frameGeometry().center() - rect().center());
  }
  show();
  klok_.start();
  timer_.start();
}

void TGaugeForm1::TekstZetten(const QString& tekst) {
  tekst_->setText(tekst);
  tekst_->setVisible(!tekst.isEmpty());
}

void TGaugeForm1::PositieZetten(int procent) {
  const int waarde = std::clamp(procent, 0, 100);
  if (waarde == balk_->value()) return;
  // A long run sets the bar at every step: it paints at the next pass of the event loop, not
  // at once, so that a run pays for no more paints than the pump allows.
  balk_->setUpdatesEnabled(false);
  balk_->setValue(waarde);
  balk_->setUpdatesEnabled(true);
}

int TGaugeForm1::Positie() const { return balk_->value(); }

void TGaugeForm1::Sluiten() {
  sluitend_ = true;
  RekentijdVastleggen();
  timer_.stop();
  hide();
  if (titelZetten) titelZetten(QString());
}

void TGaugeForm1::RekentijdVastleggen() {
  if (klok_.isValid()) rekentijd_ = static_cast<double>(klok_.elapsed()) / 1000.0;
}

void TGaugeForm1::Annuleren() {
  if (!annuleren_->isVisible()) return;
  ui_.AfbrekenAangevraagd(catalogus_);
}

void TGaugeForm1::reject() { Annuleren(); }

void TGaugeForm1::closeEvent(QCloseEvent* e) {
  // Only the calculation closes the window; the window manager's close button asks to cancel.
  if (!sluitend_) {
    e->ignore();
    Annuleren();
    return;
  }
  QDialog::closeEvent(e);
}

void TGaugeForm1::changeEvent(QEvent* e) {
  if (e->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible()) RekentijdVastleggen();
  QDialog::changeEvent(e);
}

}  // namespace morvask::gui
