#include "gui/network/vehicle_types_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/context.h"
#include "core/project.h"
#include "gui/app/qt_text.h"
#include "gui/widgets/dialog_frame.h"
#include "gui/widgets/named_widgets.h"
#include "network/vehicle_types.h"
#include "network/vehicle_types_report.h"

namespace morvask::gui {

namespace {

constexpr std::array<const char*, 8> Veldnamen = {"Edit1", "Edit2", "Edit3", "Edit4",
                                                  "Edit5", "Edit6", "Edit7", "Edit8"};
constexpr std::array<const char*, 8> Labelnamen = {"Label1", "Label2", "Label3", "Label4",
                                                   "Label5", "Label6", "Label7", "Label8"};

}  // namespace

TVehTypesForm::TVehTypesForm(Context& ctx, QWidget* ouder)
    : QDialog(ouder), ctx_(ctx), ok_(Benoemd<QPushButton>("Button1", QStringLiteral("&OK"))) {
  setObjectName(QStringLiteral("VehTypesForm"));
  setWindowTitle(QStringLiteral("Voertuigtypen"));

  auto* velden = new QFormLayout;
  for (std::size_t i = 0; i < velden_.size(); ++i) {
    velden_[i] = Benoemd<QLineEdit>(Veldnamen[i]);
    velden_[i]->setMinimumWidth(300);
    const QString caption = QStringLiteral("&%1 :").arg(QLatin1Char(Voertuigtypen[i]));
    velden->addRow(LabelVoor(Labelnamen[i], caption, velden_[i]), velden_[i]);
  }

  QDialogButtonBox* knoppen = OKAnnulerenKnoppen(this, ok_, [this] { Toepassen(false); });
  auto* okRapport = Benoemd<QPushButton>("Button3", QStringLiteral("OK && Rappor&t"));
  knoppen->addButton(okRapport, QDialogButtonBox::ActionRole);
  connect(okRapport, &QPushButton::clicked, this, [this] { Toepassen(true); });

  auto* opbouw = new QVBoxLayout(this);
  opbouw->addLayout(velden);
  opbouw->addSpacing(6);
  opbouw->addWidget(knoppen);
  VasteRandZetten(this, opbouw);
}

void TVehTypesForm::Toepassen(bool metRapport) {
  RVoertuigtypeVelden v;
  for (std::size_t i = 0; i < velden_.size(); ++i) {
    v.Omschrijving[i] = VanQt(velden_[i]->text());
    v.Gewijzigd[i] = velden_[i]->isModified();
  }
  VoertuigtypenToepassen(ctx_, v);
  rapport_ = metRapport;
  accept();
}

void TVehTypesForm::VehTypesFormTonen() {
  const RVoertuigtypeVelden v = VoertuigtypeVeldenVullen(ctx_.project);
  for (std::size_t i = 0; i < velden_.size(); ++i) {
    velden_[i]->setText(NaarQt(v.Omschrijving[i]));
    velden_[i]->setModified(false);
  }
  rapport_ = false;
  ok_->setFocus();
  // The report opens once the dialog has closed, in front of the main window.
  if (exec() == Accepted && rapport_ && rapportTonen) rapportTonen(RapportVoertuigtypen(ctx_));
}

}  // namespace morvask::gui
