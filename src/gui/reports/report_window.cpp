#include "gui/reports/report_window.h"

#include <QCloseEvent>
#include <QMenu>
#include <QVBoxLayout>

#include "gui/reports/report_view.h"

namespace morvask::gui {

TKindForm::TKindForm(Rapport rapport, int lettergrootte, QWidget* ouder)
    : QWidget(ouder), tekst_(new TRapportTekst(this)), contextmenu_(new QMenu(this)) {
  setObjectName(QStringLiteral("KindForm"));
  setAttribute(Qt::WA_DeleteOnClose);
  auto* opbouw = new QVBoxLayout(this);
  opbouw->setContentsMargins(0, 0, 0, 0);
  opbouw->addWidget(tekst_);
  tekst_->LettergrootteZetten(lettergrootte);
  tekst_->RegelsZetten(std::move(rapport.Regels));
  rapport.Regels.clear();
  inhoud_ = std::move(rapport);
  setFocusProxy(tekst_);
  connect(tekst_, &TRapportTekst::contextmenuGevraagd, this, [this](const QPoint& p) { contextmenu_->popup(p); });
}

Rapport TKindForm::AlsRapport() const {
  Rapport r = inhoud_;
  r.Regels = tekst_->Regels();
  return r;
}

void TKindForm::closeEvent(QCloseEvent* e) {
  QWidget::closeEvent(e);
  emit gesloten();
}

void TKindForm::ContextmenuZetten(const QList<QAction*>& opdrachten) {
  contextmenu_->clear();
  for (QAction* a : opdrachten) {
    if (a) {
      contextmenu_->addAction(a);
    } else {
      contextmenu_->addSeparator();
    }
  }
}

}  // namespace morvask::gui
