#include "gui/analysis/intensities_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/context.h"
#include "core/project.h"
#include "core/settings.h"
#include "gui/analysis/post_selection_list.h"
#include "gui/app/help_topics.h"
#include "gui/app/qt_text.h"
#include "gui/widgets/dialog_frame.h"
#include "gui/widgets/named_widgets.h"
#include "gui/widgets/number_field.h"
#include "gui/widgets/time_field.h"

namespace morvask::gui {

namespace {

constexpr std::array<const char*, 8> Typenamen = {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4",
                                                  "CheckBox5", "CheckBox6", "CheckBox7", "CheckBox8"};

QWidget* Tabblad(QTabWidget* tabs, const char* naam, const QString& titel, QLayout* inhoud, bool rekken = true) {
  auto* blad = Benoemd<QWidget>(naam);
  auto* opbouw = new QVBoxLayout(blad);
  opbouw->addLayout(inhoud, rekken ? 0 : 1);
  if (rekken) opbouw->addStretch(1);
  tabs->addTab(blad, titel);
  return blad;
}

}  // namespace

TKentekensNaarIntervalInstellenForm1::TKentekensNaarIntervalInstellenForm1(Context& ctx, QWidget* ouder)
    : QDialog(ouder),
      ctx_(ctx),
      tabs_(Benoemd<QTabWidget>("PageControl1")),
      vanaf_(Benoemd<TTijdveld>("MaskEdit1")),
      tot_(Benoemd<TTijdveld>("MaskEdit2")),
      interval_(Benoemd<TGetalveld>("UpDown1", 0, 9999)),
      type1_(Benoemd<QRadioButton>("RadioButton1", QStringLiteral("Selectietype &1"))),
      type2_(Benoemd<QRadioButton>("RadioButton2", QStringLiteral("Selectietype &2"))),
      meetellen_(Benoemd<QCheckBox>("CheckBox9", QStringLiteral("&Gemiste kentekens meetellen"))),
      gemisteKentekens_(Benoemd<QCheckBox>("CheckBox10", QStringLiteral("&Gemiste kentekens"))),
      gemisteKarakters_(Benoemd<QCheckBox>("CheckBox11", QStringLiteral("Kentekens met gemiste &karakters"))),
      posten_(Benoemd<TPostenLijst>("ListBox1", ctx.project, true)),
      rapport_knop_(Benoemd<QPushButton>("Button1", QStringLiteral("&Rapport"))) {
  setObjectName(QStringLiteral("KentekensNaarIntervalInstellenForm1"));
  setWindowTitle(QStringLiteral("Intensiteiten"));
  for (std::size_t i = 0; i < voertuigtypen_.size(); ++i) voertuigtypen_[i] = Benoemd<QCheckBox>(Typenamen[i]);
  // Every tab shows its whole caption, in every language.
  tabs_->setUsesScrollButtons(false);
  OnderdelenMaken();
}

void TKentekensNaarIntervalInstellenForm1::OnderdelenMaken() {
  // ---- "Tijden" ----
  interval_->setMaximumWidth(90);
  auto* tijden = new QGridLayout;
  tijden->addWidget(LabelVoor("Label1", QStringLiteral("&Vanaf:"), vanaf_), 0, 0);
  tijden->addWidget(vanaf_, 0, 1);
  tijden->addWidget(Benoemd<QLabel>("Label2", QStringLiteral("uur")), 0, 2);
  tijden->addWidget(LabelVoor("Label3", QStringLiteral("&Tot:"), tot_), 1, 0);
  tijden->addWidget(tot_, 1, 1);
  tijden->addWidget(Benoemd<QLabel>("Label4", QStringLiteral("uur")), 1, 2);
  tijden->addWidget(LabelVoor("Label5", QStringLiteral("&Interval:"), interval_), 2, 0);
  tijden->addWidget(interval_, 2, 1);
  tijden->addWidget(Benoemd<QLabel>("Label6", QStringLiteral("minuten")), 2, 2);
  tijden->setColumnMinimumWidth(3, 24);
  auto* maximaal = Benoemd<QPushButton>("Button4", QStringLiteral("&Maximale tijden"));
  auto* auto15 = Benoemd<QPushButton>("Button5", QStringLiteral("Automatisch &15 minuten interval"));
  auto* auto30 = Benoemd<QPushButton>("Button6", QStringLiteral("Automatisch &30 minuten interval"));
  auto* auto60 = Benoemd<QPushButton>("Button7", QStringLiteral("Automatisch &60 minuten interval "));
  auto* voorkeuzes = new QVBoxLayout;
  for (QPushButton* k : {maximaal, auto15, auto30, auto60}) voorkeuzes->addWidget(k);
  tijden->addLayout(voorkeuzes, 0, 4, 4, 1, Qt::AlignTop);
  tijden->setColumnStretch(5, 1);
  Tabblad(tabs_, "TabSheet1", QStringLiteral("Tijden"), tijden);

  // ---- "Voertuigtypen en kentekens" ----
  auto* keuze = new QButtonGroup(this);
  keuze->addButton(type1_, 1);
  keuze->addButton(type2_, 2);
  // The boxes stand indented under their selection type.
  auto* soorten = new QGridLayout;
  soorten->setColumnMinimumWidth(0, 20);
  soorten->addWidget(type1_, 0, 0, 1, 3);
  for (std::size_t i = 0; i < voertuigtypen_.size(); ++i)
    soorten->addWidget(voertuigtypen_[i], 1 + static_cast<int>(i % 4), 1 + static_cast<int>(i / 4));
  soorten->addWidget(meetellen_, 5, 1, 1, 2);
  soorten->setRowMinimumHeight(6, 10);
  soorten->addWidget(type2_, 7, 0, 1, 3);
  soorten->addWidget(gemisteKentekens_, 8, 1, 1, 2);
  soorten->addWidget(gemisteKarakters_, 9, 1, 1, 2);
  soorten->setColumnMinimumWidth(1, 200);
  soorten->setColumnStretch(3, 1);
  Tabblad(tabs_, "TabSheet2", QStringLiteral("Voertuigtypen en kentekens"), soorten);

  // ---- "Waarnemingsposten" ----
  posten_->setAccessibleName(QStringLiteral("Waarnemingsposten"));
  posten_->setMinimumHeight(200);
  auto* alles = Benoemd<QPushButton>("Button8", QStringLiteral("Alles &selecteren"));
  auto* niets = Benoemd<QPushButton>("Button9", QStringLiteral("Alles &deselecteren"));
  auto* postknoppen = new QHBoxLayout;
  postknoppen->addWidget(alles);
  postknoppen->addWidget(niets);
  postknoppen->addStretch(1);
  auto* postblad = new QVBoxLayout;
  postblad->addWidget(posten_, 1);
  postblad->addLayout(postknoppen);
  Tabblad(tabs_, "TabSheet3", QStringLiteral("Waarnemingsposten"), postblad, false);

  // ---- Buttons ----
  QDialogButtonBox* knoppen = OKAnnulerenKnoppen(this, rapport_knop_, [this] { Rapporteren(); });
  HelpKnopToevoegen(this, knoppen, [this] {
    if (helpTonen) helpTonen(HelpIntensiteiten);
  });
  PaginavensterOpbouwen(this, tabs_, knoppen);

  // ---- What the controls do ----
  const RProgrammaInstellingen& instellingen = ctx_.instellingen;
  connect(vanaf_, &TTijdveld::getypt, this, [this](const QString& t) {
    VanafInvoeren(v_, VanQt(t));
    if (vanaf_->Volledig()) vanaf_->TekstZetten(NaarQt(v_.Vanaf));
  });
  connect(tot_, &TTijdveld::getypt, this, [this](const QString& t) {
    TotInvoeren(v_, VanQt(t));
    if (tot_->Volledig()) tot_->TekstZetten(NaarQt(v_.Tot));
  });
  connect(vanaf_, &TTijdveld::verlaten, this, [this] { vanaf_->TekstZetten(NaarQt(v_.Vanaf)); });
  connect(tot_, &TTijdveld::verlaten, this, [this] { tot_->TekstZetten(NaarQt(v_.Tot)); });
  // The interval rule applies to what is typed, and to an emptied field once it is left.
  connect(interval_, &TGetalveld::getypt, this, [this, &instellingen] {
    const QString tekst = interval_->text();
    if (tekst.isEmpty()) return;
    IntervalInvoeren(v_, VanQt(tekst), instellingen);
    if (NaarQt(v_.Interval) != tekst) VeldenVullen();
  });
  connect(interval_, &QSpinBox::valueChanged, this, [this, &instellingen](int n) {
    if (vullend_) return;
    IntervalInvoeren(v_, std::to_string(n), instellingen);
  });
  connect(interval_, &QSpinBox::editingFinished, this, [this, &instellingen] {
    IntervalInvoeren(v_, VanQt(interval_->text()), instellingen);
    VeldenVullen();
  });
  connect(maximaal, &QPushButton::clicked, this, [this, &instellingen] {
    MaximaleTijden(v_, ctx_.project, instellingen);
    VeldenVullen();
  });
  for (auto [knop, minuten] : {std::pair{auto15, 15}, std::pair{auto30, 30}, std::pair{auto60, 60}})
    connect(knop, &QPushButton::clicked, this, [this, minuten = minuten] {
      AutomatischInterval(v_, ctx_.project, minuten);
      VeldenVullen();
    });
  connect(keuze, &QButtonGroup::idClicked, this, [this](int id) {
    v_.Selectietype = id;
    SelectietypeBijwerken();
  });
  for (std::size_t i = 0; i < voertuigtypen_.size(); ++i)
    connect(voertuigtypen_[i], &QCheckBox::toggled, this, [this, i](bool aan) {
      if (!vullend_) v_.Voertuigtypen[i] = aan;
    });
  connect(meetellen_, &QCheckBox::toggled, this, [this](bool aan) {
    if (!vullend_) v_.GemisteKentekensMeetellen = aan;
  });
  connect(gemisteKentekens_, &QCheckBox::toggled, this, [this](bool aan) {
    if (!vullend_) v_.GemisteKentekens = aan;
  });
  connect(gemisteKarakters_, &QCheckBox::toggled, this, [this](bool aan) {
    if (!vullend_) v_.GemisteKarakters = aan;
  });
  connect(alles, &QPushButton::clicked, this, [this] { posten_->AllesSelecteren(true); });
  connect(niets, &QPushButton::clicked, this, [this] { posten_->AllesSelecteren(false); });
}

void TKentekensNaarIntervalInstellenForm1::VeldenVullen() {
  vullend_ = true;
  vanaf_->TekstZetten(NaarQt(v_.Vanaf));
  tot_->TekstZetten(NaarQt(v_.Tot));
  if (interval_->text() != NaarQt(v_.Interval)) interval_->setValue(NaarQt(v_.Interval).toInt());
  type1_->setChecked(v_.Selectietype != 2);
  type2_->setChecked(v_.Selectietype == 2);
  for (std::size_t i = 0; i < voertuigtypen_.size(); ++i) voertuigtypen_[i]->setChecked(v_.Voertuigtypen[i]);
  meetellen_->setChecked(v_.GemisteKentekensMeetellen);
  gemisteKentekens_->setChecked(v_.GemisteKentekens);
  gemisteKarakters_->setChecked(v_.GemisteKarakters);
  vullend_ = false;
  SelectietypeBijwerken();
}

void TKentekensNaarIntervalInstellenForm1::SelectietypeBijwerken() {
  const bool een = v_.Selectietype != 2;
  for (QCheckBox* c : voertuigtypen_) c->setEnabled(een);
  meetellen_->setEnabled(een);
  gemisteKentekens_->setEnabled(!een);
  gemisteKarakters_->setEnabled(!een);
}

void TKentekensNaarIntervalInstellenForm1::Rapporteren() {
  // A number typed in the interval field counts, also before the field is left.
  IntervalInvoeren(v_, VanQt(interval_->text()), ctx_.instellingen);
  rapport_ = RapportIntensiteiten(ctx_, v_);
  // Without a report (a time field that holds no time) the window stays open to mend it.
  if (rapport_) accept();
}

void TKentekensNaarIntervalInstellenForm1::KentekensNaarIntervalInstellen() {
  IntensiteitenVensterOpenen(v_, ctx_.project, ctx_.instellingen);
  posten_->Vullen();
  interval_->setSingleStep(std::max<int>(ctx_.instellingen.IntensiteitenInterval, 1));
  for (std::size_t i = 0; i < voertuigtypen_.size(); ++i) {
    const std::string* naam = ctx_.project.Gegevens.VoertuigtypeNaam(Voertuigtypen[i]);
    voertuigtypen_[i]->setText(naam ? NaarQt(*naam).replace(QLatin1Char('&'), QStringLiteral("&&"))
                                    : QString(QLatin1Char(Voertuigtypen[i])));
  }
  VeldenVullen();
  tabs_->setCurrentIndex(0);
  rapport_knop_->setFocus();
  rapport_.reset();
  exec();
  if (rapport_ && rapportTonen) rapportTonen(std::move(*rapport_));
  rapport_.reset();
}

void TKentekensNaarIntervalInstellenForm1::ProjectVervangen() {
  v_.Vanaf.clear();
  v_.Tot.clear();
  VeldenVullen();
}

}  // namespace morvask::gui
