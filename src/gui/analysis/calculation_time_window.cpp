#include "gui/analysis/calculation_time_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/calculation_time.h"
#include "gui/app/qt_text.h"
#include "gui/widgets/dialog_frame.h"
#include "gui/widgets/named_widgets.h"

namespace morvask::gui {

TRekentijdForm::TRekentijdForm(const Catalogus& catalogus, QWidget* ouder)
    : QDialog(ouder), catalogus_(catalogus), tijd_(Benoemd<QLabel>("Label2")) {
  setObjectName(QStringLiteral("RekentijdForm"));
  setWindowTitle(QStringLiteral("Rekentijd"));
  auto* uitleg = Benoemd<QLabel>("Label1", QStringLiteral("Rekentijd laatst gemaakte berekening:"));
  QFont vet = tijd_->font();
  vet.setBold(true);
  tijd_->setFont(vet);
  tijd_->setAlignment(Qt::AlignCenter);
  tijd_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* sluiten = Benoemd<QPushButton>("Button1", QStringLiteral("&Sluiten"));
  sluiten->setDefault(true);
  connect(sluiten, &QPushButton::clicked, this, &QDialog::accept);
  auto* knoppen = new QDialogButtonBox;
  knoppen->addButton(sluiten, QDialogButtonBox::AcceptRole);

  auto* opbouw = new QVBoxLayout(this);
  opbouw->addWidget(uitleg);
  opbouw->addWidget(tijd_);
  opbouw->addSpacing(6);
  opbouw->addWidget(knoppen);
  tijd_->setMinimumWidth(300);
  VasteRandZetten(this, opbouw);
  Bijwerken();
}

void TRekentijdForm::Bijwerken() { tijd_->setText(NaarQt(RekentijdTekst(rekentijd ? rekentijd() : 0.0, catalogus_))); }

QString TRekentijdForm::Tijdtekst() const { return tijd_->text(); }

void TRekentijdForm::Tonen() {
  Bijwerken();
  exec();
}

}  // namespace morvask::gui
