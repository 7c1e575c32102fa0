#include "gui/reports/report_layout_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace morvask::gui {

TRapportOpmaakForm::TRapportOpmaakForm(QWidget* ouder) : QDialog(ouder), grootte_(new QSpinBox(this)) {
  setObjectName(QStringLiteral("RapportOpmaakForm"));
  setWindowTitle(QStringLiteral("Opmaak rapport"));
  grootte_->setObjectName(QStringLiteral("Edit1"));
  grootte_->setRange(0, 9999);
  auto* label = new QLabel(QStringLiteral("&Lettegrootte:"), this);
  label->setObjectName(QStringLiteral("Label1"));
  label->setBuddy(grootte_);

  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("Button1"));
  ok->setDefault(true);
  auto* annuleren = new QPushButton(QStringLiteral("&Annuleren"), this);
  annuleren->setObjectName(QStringLiteral("Button2"));
  auto* knoppen = new QDialogButtonBox(this);
  knoppen->addButton(ok, QDialogButtonBox::AcceptRole);
  knoppen->addButton(annuleren, QDialogButtonBox::RejectRole);
  connect(knoppen, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(knoppen, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* velden = new QFormLayout;
  velden->addRow(label, grootte_);
  auto* opbouw = new QVBoxLayout(this);
  opbouw->addLayout(velden);
  opbouw->addWidget(knoppen);
  opbouw->setSizeConstraint(QLayout::SetFixedSize);
}

std::optional<int> TRapportOpmaakForm::LettergrootteKiezen(int huidig) {
  grootte_->setValue(huidig);
  grootte_->selectAll();
  grootte_->setFocus();
  if (exec() != QDialog::Accepted) return std::nullopt;
  return grootte_->value();
}

}  // namespace morvask::gui
