#include "gui/app/project_data_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/project_data.h"
#include "base/context.h"
#include "gui/app/help_topics.h"
#include "gui/app/qt_text.h"
#include "gui/widgets/character_field.h"
#include "gui/widgets/dialog_frame.h"
#include "gui/widgets/named_widgets.h"
#include "gui/widgets/number_field.h"
#include "gui/widgets/theme_icon.h"

namespace morvask::gui {

namespace {

constexpr std::array<const char*, 8> TypenaamLabels = {"Label7",  "Label8",  "Label9",  "Label10",
                                                       "Label11", "Label12", "Label13", "Label14"};
constexpr std::array<const char*, 8> TypeaantalLabels = {"Label15", "Label16", "Label17", "Label18",
                                                         "Label19", "Label20", "Label21", "Label22"};

QLabel* Aantal(const char* naam) {
  auto* l = Benoemd<QLabel>(naam, QStringLiteral("0"));
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  l->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return l;
}

QLineEdit* Tekstveld(const char* naam) {
  auto* e = Benoemd<QLineEdit>(naam);
  e->setMaxLength(static_cast<int>(MaximaleProjecttekstLengte));
  e->setMinimumWidth(380);
  return e;
}

}  // namespace

TProjectgegevensForm1::TProjectgegevensForm1(Context& ctx, QWidget* ouder)
    : QDialog(ouder),
      ctx_(ctx),
      aantalPosten_(Aantal("Label4")),
      aantalRegistraties_(Aantal("Label6")),
      omschrijving_(Tekstveld("Edit2")),
      rapporttekst1_(Tekstveld("Edit3")),
      rapporttekst2_(Tekstveld("Edit4")),
      interval_(Benoemd<TGetalveld>("Edit1", MinimaalWaarnemingsinterval, MaximaalWaarnemingsinterval)),
      wildcard_(Benoemd<TKarakterveld>("Edit5")),
      gemistKenteken_(Benoemd<TKarakterveld>("Edit6")),
      help_(Benoemd<QToolButton>("HelpSpeedButton")),
      ok_(Benoemd<QPushButton>("Button1", QStringLiteral("&OK"))) {
  setObjectName(QString::fromLatin1(ProjectgegevensSchermNaam));
  setWindowTitle(QStringLiteral("Projectgegevens"));

  // " Data: " - the size of the project; the vehicle types in two columns.
  auto* dataGroep = Benoemd<QGroupBox>("DataGroupBox", QStringLiteral(" Data: "));
  auto* dataRooster = new QGridLayout(dataGroep);
  dataRooster->addWidget(Benoemd<QLabel>(AantalPostenLabel, QString::fromLatin1(AantalPostenTekst)), 0, 0, 1, 3);
  dataRooster->addWidget(aantalPosten_, 0, 3);
  dataRooster->addWidget(Benoemd<QLabel>(AantalRegistratiesLabel, QString::fromLatin1(AantalRegistratiesTekst)), 1, 0,
                         1, 3);
  dataRooster->addWidget(aantalRegistraties_, 1, 3);
  for (std::size_t i = 0; i < typenamen_.size(); ++i) {
    typenamen_[i] = Benoemd<QLabel>(TypenaamLabels[i]);
    typenamen_[i]->setIndent(12);
    aantalPerType_[i] = Aantal(TypeaantalLabels[i]);
    const int rij = 2 + static_cast<int>(i % 4);
    const int kolom = i < 4 ? 0 : 2;
    dataRooster->addWidget(typenamen_[i], rij, kolom);
    dataRooster->addWidget(aantalPerType_[i], rij, kolom + 1);
  }
  dataRooster->setColumnStretch(0, 1);
  dataRooster->setColumnStretch(2, 1);
  dataRooster->setColumnMinimumWidth(1, 48);
  dataRooster->setColumnMinimumWidth(3, 48);
  dataRooster->setHorizontalSpacing(16);

  auto* project = Benoemd<QGroupBox>("ProjectGroupBox", QStringLiteral(" Project: "));
  auto* projectVelden = new QFormLayout(project);
  projectVelden->addRow(LabelVoor("OmschrijvingLabel", QStringLiteral("Om&schrijving:"), omschrijving_), omschrijving_);
  projectVelden->addRow(LabelVoor("Rapporttekst1Label", QStringLiteral("Rapporttekst &1:"), rapporttekst1_),
                        rapporttekst1_);
  projectVelden->addRow(LabelVoor("Rapporttekst2Label", QStringLiteral("Rapporttekst &2:"), rapporttekst2_),
                        rapporttekst2_);

  auto* instellingen = Benoemd<QGroupBox>("InstellingenGroupBox", QStringLiteral(" Instellingen: "));
  auto* instellingenRooster = new QGridLayout(instellingen);
  instellingenRooster->addWidget(LabelVoor("IntervalLabel", QStringLiteral("Registratie-&interval:"), interval_), 0, 0);
  instellingenRooster->addWidget(interval_, 0, 1);
  instellingenRooster->addWidget(Benoemd<QLabel>("MinutenLabel", QStringLiteral("minuten")), 0, 2);
  instellingenRooster->addWidget(
      LabelVoor("WildcardLabel", QStringLiteral("Gemist karakter in kenteken (&wildcard):"), wildcard_), 1, 0);
  instellingenRooster->addWidget(wildcard_, 1, 1, Qt::AlignLeft);
  instellingenRooster->addWidget(
      LabelVoor("GemistKentekenLabel", QStringLiteral("Karakter voor ge&mist kenteken:"), gemistKenteken_), 2, 0);
  instellingenRooster->addWidget(gemistKenteken_, 2, 1, Qt::AlignLeft);
  instellingenRooster->setColumnStretch(3, 1);

  help_->setIcon(ThemaIcoon("help-contents"));
  help_->setToolTip(QStringLiteral("Help"));
  help_->setAutoRaise(true);
  const auto helpOpenen = [this] {
    if (helpTonen) helpTonen(HelpProjectgegevens);
  };
  connect(help_, &QToolButton::clicked, this, helpOpenen);
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, helpOpenen);

  QDialogButtonBox* knoppen = OKAnnulerenKnoppen(this, ok_, [this] { Toepassen(); });
  auto* knoppenRegel = new QHBoxLayout;
  knoppenRegel->addWidget(help_);
  knoppenRegel->addWidget(knoppen, 1);

  auto* opbouw = new QVBoxLayout(this);
  opbouw->addWidget(dataGroep);
  opbouw->addWidget(project);
  opbouw->addWidget(instellingen);
  opbouw->addLayout(knoppenRegel);
  VasteRandZetten(this, opbouw);

  // The tab order: the fields as they stand, then the buttons.
  setTabOrder(omschrijving_, rapporttekst1_);
  setTabOrder(rapporttekst1_, rapporttekst2_);
  setTabOrder(rapporttekst2_, interval_);
  setTabOrder(interval_, wildcard_);
  setTabOrder(wildcard_, gemistKenteken_);
  setTabOrder(gemistKenteken_, ok_);
  auto* annuleren = findChild<QPushButton*>(QStringLiteral("Button2"));
  setTabOrder(ok_, annuleren);
  setTabOrder(annuleren, help_);

  connect(interval_, &QSpinBox::valueChanged, this, [this] { intervalGewijzigd_ = true; });
  connect(interval_, &TGetalveld::getypt, this, [this] {
    intervalGewijzigd_ = true;
    intervalGetypt_ = true;
  });
  connect(wildcard_, &QLineEdit::textEdited, this, [this] { SpeciaalKarakterGewijzigd(true); });
  connect(gemistKenteken_, &QLineEdit::textEdited, this, [this] { SpeciaalKarakterGewijzigd(false); });
}

void TProjectgegevensForm1::Vullen() {
  const RProjectgegevensVelden v = ProjectgegevensVeldenVullen(ctx_.project);
  omschrijving_->setText(NaarQt(v.Omschrijving));
  rapporttekst1_->setText(NaarQt(v.Rapporttekst1));
  rapporttekst2_->setText(NaarQt(v.Rapporttekst2));
  interval_->setValue(QString::fromStdString(v.Interval).toInt());
  wildcard_->setText(NaarQt(v.Wildcard));
  gemistKenteken_->setText(NaarQt(v.GemistKenteken));
  for (QLineEdit* e : {omschrijving_, rapporttekst1_, rapporttekst2_, static_cast<QLineEdit*>(wildcard_),
                       static_cast<QLineEdit*>(gemistKenteken_)})
    e->setModified(false);
  vorigeWildcard_ = wildcard_->text();
  vorigGemistKenteken_ = gemistKenteken_->text();
  intervalGewijzigd_ = false;
  intervalGetypt_ = false;

  const RProjectOverzicht o = ProjectOverzicht(ctx_.project);
  aantalPosten_->setNum(o.AantalPosten);
  aantalRegistraties_->setNum(o.AantalRegistraties);
  for (std::size_t i = 0; i < typenamen_.size(); ++i) {
    typenamen_[i]->setText(NaarQt(o.Voertuigtypenamen[i]));
    aantalPerType_[i]->setNum(o.AantalPerVoertuigtype[i]);
  }
  help_->setAccessibleName(help_->toolTip());
}

void TProjectgegevensForm1::SpeciaalKarakterGewijzigd(bool wildcard) {
  TKarakterveld* veld = wildcard ? wildcard_ : gemistKenteken_;
  TKarakterveld* ander = wildcard ? gemistKenteken_ : wildcard_;
  QString& vorige = wildcard ? vorigeWildcard_ : vorigGemistKenteken_;
  const std::string uit = SpeciaalKarakterControleren(
      ctx_, wildcard ? SpeciaalKarakterVeld::Wildcard : SpeciaalKarakterVeld::GemistKenteken, VanQt(veld->text()),
      VanQt(ander->text()), VanQt(vorige));
  const QString tekst = NaarQt(uit);
  if (tekst != veld->text()) {
    veld->setText(tekst);
    veld->selectAll();
    veld->setModified(true);
  }
  vorige = tekst;
}

void TProjectgegevensForm1::Toepassen() {
  RProjectgegevensVelden v;
  v.Omschrijving = VanQt(omschrijving_->text());
  v.Rapporttekst1 = VanQt(rapporttekst1_->text());
  v.Rapporttekst2 = VanQt(rapporttekst2_->text());
  v.Interval = std::to_string(interval_->Waarde());
  v.Wildcard = VanQt(wildcard_->text());
  v.GemistKenteken = VanQt(gemistKenteken_->text());
  v.OmschrijvingGewijzigd = omschrijving_->isModified();
  v.Rapporttekst1Gewijzigd = rapporttekst1_->isModified();
  v.Rapporttekst2Gewijzigd = rapporttekst2_->isModified();
  v.WildcardGewijzigd = wildcard_->isModified();
  v.GemistKentekenGewijzigd = gemistKenteken_->isModified();
  v.IntervalGewijzigd = intervalGewijzigd_;
  v.IntervalGetypt = intervalGetypt_;
  const bool iets = v.OmschrijvingGewijzigd || v.Rapporttekst1Gewijzigd || v.Rapporttekst2Gewijzigd ||
                    v.WildcardGewijzigd || v.GemistKentekenGewijzigd || v.IntervalGewijzigd;
  const RProjectgegevensUitkomst uitkomst = ProjectgegevensToepassen(ctx_, v);
  // Refused fields (the message has been shown): the user corrects them or cancels.
  if (iets && !uitkomst.Opgeslagen) return;
  opgeslagen_ = uitkomst.Opgeslagen;
  if (uitkomst.InvoertijdLegen) emit invoertijdLegen();
  accept();
}

bool TProjectgegevensForm1::ProjectgegevensScherm() {
  Vullen();
  opgeslagen_ = false;
  ok_->setFocus();
  exec();
  return opgeslagen_;
}

}  // namespace morvask::gui
