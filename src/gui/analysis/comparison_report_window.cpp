#include "gui/analysis/comparison_report_window.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "analysis/match_file_description.h"
#include "base/context.h"
#include "base/user_interface.h"
#include "core/project.h"
#include "gui/analysis/post_selection_list.h"
#include "gui/app/help_topics.h"
#include "gui/app/qt_text.h"
#include "gui/language/qt_translation.h"
#include "gui/widgets/dialog_frame.h"
#include "gui/widgets/named_widgets.h"

namespace morvask::gui {

namespace {

constexpr std::array<const char*, 8> Typenamen = {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4",
                                                  "CheckBox5", "CheckBox6", "CheckBox7", "CheckBox8"};

// The tabs, in their order; the four report tabs show only while their report is chosen.
enum Tab { tabBestand, tabVoertuigtypen, tabDHB, tabDoorrijtijden, tabRoutes, tabNietRoutes };

QWidget* Tabblad(QTabWidget* tabs, const char* naam, const QString& titel, QLayout* inhoud, bool rekken = true) {
  auto* blad = Benoemd<QWidget>(naam);
  auto* opbouw = new QVBoxLayout(blad);
  opbouw->addLayout(inhoud, rekken ? 0 : 1);
  if (rekken) opbouw->addStretch(1);
  tabs->addTab(blad, titel);
  return blad;
}

// A radio group whose options are its items (a language file translates them as a list).
QGroupBox* Keuzegroep(const char* naam, const QString& titel) {
  auto* groep = Benoemd<QGroupBox>(naam, titel);
  groep->setProperty(KeuzegroepEigenschap, true);
  return groep;
}

QString Ampersand(QString tekst) { return tekst.replace(QLatin1Char('&'), QStringLiteral("&&")); }

}  // namespace

TMatchReportForm::TMatchReportForm(Context& ctx, QWidget* ouder)
    : QDialog(ouder),
      ctx_(ctx),
      tabs_(Benoemd<QTabWidget>("PageControl1")),
      bestand_(Benoemd<QLineEdit>("BestandEdit")),
      omschrijving_(Benoemd<QLineEdit>("OmschrijvingEdit")),
      typen_(Keuzegroep("RadioGroup1", QStringLiteral(" Type rapport: "))),
      minimaalEen_(Benoemd<QRadioButton>("RadioButton1", QStringLiteral("dient minimaal &1 registratie"))),
      meerderheid_(Benoemd<QRadioButton>(
          "RadioButton2",
          QStringLiteral(
              "dienen &beide registraties (of de meeste, als de route uit meer dan 2 registraties bestaat)"))),
      routematrix_(Benoemd<QCheckBox>("RoutematrixCheckBox", QStringLiteral("&Tussenposten in matrix (routematrix)"))),
      doorrijtijdenDetail_(Benoemd<QCheckBox>("DoorrijtijdenDetailCheckBox", QStringLiteral("&Detaillijst toevoegen"))),
      posten_(Benoemd<TPostenLijst>("ListBox1", ctx.project, false)),
      alles_(Benoemd<QPushButton>("Button4", QStringLiteral("Alles &selecteren"))),
      niets_(Benoemd<QPushButton>("Button5", QStringLiteral("Alles &deselecteren"))),
      opPost_(new QRadioButton(QStringLiteral("Op eerste post&nummer"))),
      opAantal_(new QRadioButton(QStringLiteral("Op aantal ge&vonden routes"))),
      aflopend_(Benoemd<QCheckBox>("AflopendCheckBox", QStringLiteral("Aflopend"))),
      routesDetail_(Benoemd<QCheckBox>("RoutesDetailCheckBox", QStringLiteral("D&etaillijst toevoegen"))),
      nietRoutesDetail_(Benoemd<QCheckBox>("NietRoutesDetailCheckBox", QStringLiteral("&Detaillijst toevoegen"))),
      rapport_knop_(Benoemd<QPushButton>("Button1", QStringLiteral("&Rapport"))) {
  setObjectName(QStringLiteral("MatchReportForm"));
  setWindowTitle(QStringLiteral("Kentekenvergelijkingsrapport"));
  const std::array<QString, 5> typeteksten = {QStringLiteral("Vergelijkingsover&zicht"),
                                              QStringLiteral("Matrix &doorgaand, herkomst en bestemmingsverkeer (DHB)"),
                                              QStringLiteral("Matrix ge&middelde doorrijtijden"),
                                              QStringLiteral("Lijst van rou&tes"),
                                              QStringLiteral("Lijst van &niet-routes")};
  for (std::size_t i = 0; i < rapporttypen_.size(); ++i) rapporttypen_[i] = new QRadioButton(typeteksten[i]);
  const std::array<QString, 4> weergaveteksten = {
      QStringLiteral("Alle r&outes weergeven"), QStringLiteral("Alleen routes van -> naar &kordonposten weergeven"),
      QStringLiteral("Alleen routes weergeven waarin alle geselecteerde &waarnemingsposten zijn opgenomen"),
      QStringLiteral("Alleen routes weergeven waarin minimaal &1 geselecteerde waarnemingspost is opgenomen")};
  for (std::size_t i = 0; i < weergaven_.size(); ++i) weergaven_[i] = new QRadioButton(weergaveteksten[i]);
  for (std::size_t i = 0; i < voertuigtypen_.size(); ++i) voertuigtypen_[i] = Benoemd<QCheckBox>(Typenamen[i]);
  // Every tab shows its whole caption, in every language.
  tabs_->setUsesScrollButtons(false);
  OnderdelenMaken();
}

void TMatchReportForm::OnderdelenMaken() {
  // ---- "Vergelijkingsbestand" ----
  auto* kiezen = Benoemd<QPushButton>("BestandButton", QStringLiteral("..."));
  kiezen->setToolTip(QStringLiteral("Bestand kiezen"));
  kiezen->setAccessibleName(QStringLiteral("Bestand kiezen"));
  bestand_->setMinimumWidth(420);
  auto* bestandRij = new QHBoxLayout;
  bestandRij->addWidget(bestand_, 1);
  bestandRij->addWidget(kiezen);
  omschrijving_->setReadOnly(true);
  auto* typenOpbouw = new QVBoxLayout(typen_);
  for (QRadioButton* r : rapporttypen_) typenOpbouw->addWidget(r);
  auto* blad1 = new QVBoxLayout;
  blad1->addWidget(LabelVoor("BestandLabel", QStringLiteral("Kentekenvergelijking halen uit &bestand:"), bestand_));
  blad1->addLayout(bestandRij);
  blad1->addSpacing(6);
  blad1->addWidget(LabelVoor("OmschrijvingLabel", QStringLiteral("Omschrijving:"), omschrijving_));
  blad1->addWidget(omschrijving_);
  blad1->addSpacing(6);
  blad1->addWidget(typen_);
  Tabblad(tabs_, "TabSheet1", QStringLiteral("Vergelijkingsbestand"), blad1);

  // ---- "Voertuigtypen" ----
  auto* soorten = new QGridLayout;
  for (std::size_t i = 0; i < voertuigtypen_.size(); ++i)
    soorten->addWidget(voertuigtypen_[i], static_cast<int>(i % 4), static_cast<int>(i / 4));
  soorten->setColumnMinimumWidth(0, 220);
  soorten->setColumnStretch(2, 1);
  auto* blad2 = new QVBoxLayout;
  blad2->addLayout(soorten);
  blad2->addSpacing(10);
  blad2->addWidget(Benoemd<QLabel>(
      "Label3",
      QStringLiteral("Bij de vergelijking van 2 registraties (of meer, als de route uit meer dan 2 registraties "
                     "bestaat)")));
  for (QRadioButton* r : {minimaalEen_, meerderheid_}) {
    auto* rij = new QHBoxLayout;
    rij->addSpacing(20);
    rij->addWidget(r);
    blad2->addLayout(rij);
  }
  blad2->addWidget(Benoemd<QLabel>("Label4", QStringLiteral("van het (de) geselecteerde voertuigtype(n) te zijn.")));
  Tabblad(tabs_, "TabSheet2", QStringLiteral("Voertuigtypen"), blad2);

  // ---- "DHB-matrix", "Doorrijtijden" ----
  auto* blad3 = new QVBoxLayout;
  blad3->addWidget(routematrix_);
  Tabblad(tabs_, "TabSheet3", QStringLiteral("DHB-matrix"), blad3);
  auto* blad4 = new QVBoxLayout;
  blad4->addWidget(doorrijtijdenDetail_);
  Tabblad(tabs_, "TabSheet4", QStringLiteral("Doorrijtijden"), blad4);

  // ---- "Routes" ----
  QGroupBox* weergave = Keuzegroep("RadioGroup2", QStringLiteral(" Weergave: "));
  auto* weergaveOpbouw = new QVBoxLayout(weergave);
  for (QRadioButton* r : weergaven_) weergaveOpbouw->addWidget(r);
  posten_->setAccessibleName(QStringLiteral("Geselecteerde waarnemingsposten"));
  posten_->setMinimumHeight(150);
  auto* postknoppen = new QVBoxLayout;
  postknoppen->addWidget(alles_);
  postknoppen->addWidget(niets_);
  postknoppen->addStretch(1);
  auto* postrij = new QHBoxLayout;
  postrij->addWidget(posten_, 1);
  postrij->addLayout(postknoppen);
  QGroupBox* sorteren = Keuzegroep("RadioGroup3", QStringLiteral(" Sorteren: "));
  auto* sorteerOpbouw = new QVBoxLayout(sorteren);
  sorteerOpbouw->addWidget(opPost_);
  sorteerOpbouw->addWidget(opAantal_);
  auto* aflopendRij = new QHBoxLayout;
  aflopendRij->addSpacing(20);
  aflopendRij->addWidget(aflopend_);
  sorteerOpbouw->addLayout(aflopendRij);
  auto* blad5 = new QVBoxLayout;
  blad5->addWidget(weergave);
  blad5->addLayout(postrij, 1);
  blad5->addWidget(sorteren);
  blad5->addWidget(routesDetail_);
  Tabblad(tabs_, "TabSheet5", QStringLiteral("Routes"), blad5, false);

  // ---- "Niet-routes" ----
  auto* blad6 = new QVBoxLayout;
  blad6->addWidget(nietRoutesDetail_);
  Tabblad(tabs_, "TabSheet6", QStringLiteral("Niet-routes"), blad6);

  // ---- Buttons ----
  QDialogButtonBox* knoppen = OKAnnulerenKnoppen(this, rapport_knop_, [this] { Rapporteren(); });
  HelpKnopToevoegen(this, knoppen, [this] {
    if (helpTonen) helpTonen(HelpVergelijkingsrapport);
  });
  PaginavensterOpbouwen(this, tabs_, knoppen);

  // ---- What the controls do ----
  connect(bestand_, &QLineEdit::textChanged, this, [this] { BestandGewijzigd(); });
  connect(kiezen, &QPushButton::clicked, this, [this] {
    const QString gekozen = openDialoog ? openDialoog()
                                        : QFileDialog::getOpenFileName(this, QString(), QString(),
                                                                       QStringLiteral("Morvask Match Files (*.mma)"));
    if (!gekozen.isEmpty()) bestand_->setText(gekozen);
  });
  for (std::size_t i = 0; i < rapporttypen_.size(); ++i)
    connect(rapporttypen_[i], &QRadioButton::toggled, this, [this, i](bool aan) {
      if (!aan || vullend_) return;
      opties_.Type = static_cast<Vergelijkingsrapporttype>(i);
      TabbladenTonen();
    });
  for (std::size_t i = 0; i < voertuigtypen_.size(); ++i)
    connect(voertuigtypen_[i], &QCheckBox::toggled, this, [this, i](bool aan) {
      if (!vullend_) opties_.Voertuigtypen.Aan[i] = aan;
    });
  connect(meerderheid_, &QRadioButton::toggled, this, [this](bool aan) {
    if (!vullend_) opties_.Voertuigtypen.Meerderheid = aan;
  });
  const auto vinkje = [this](QCheckBox* c, bool& veld) {
    connect(c, &QCheckBox::toggled, this, [this, &veld](bool aan) {
      if (!vullend_) veld = aan;
    });
  };
  vinkje(routematrix_, opties_.Routematrix);
  vinkje(doorrijtijdenDetail_, opties_.DoorrijtijdenDetaillijst);
  vinkje(aflopend_, opties_.Routes.Aflopend);
  vinkje(routesDetail_, opties_.Routes.Detaillijst);
  vinkje(nietRoutesDetail_, opties_.NietRoutesDetaillijst);
  for (std::size_t i = 0; i < weergaven_.size(); ++i)
    connect(weergaven_[i], &QRadioButton::toggled, this, [this, i](bool aan) {
      if (!aan || vullend_) return;
      opties_.Routes.Weergave = static_cast<RouteWeergave>(i);
      VeldenVullen();
    });
  connect(opAantal_, &QRadioButton::toggled, this, [this](bool aan) {
    if (vullend_) return;
    opties_.Routes.OpAantal = aan;
    VeldenVullen();
  });
  connect(alles_, &QPushButton::clicked, this, [this] { posten_->AllesSelecteren(true); });
  connect(niets_, &QPushButton::clicked, this, [this] { posten_->AllesSelecteren(false); });
}

void TMatchReportForm::VeldenVullen() {
  vullend_ = true;
  rapporttypen_[static_cast<std::size_t>(opties_.Type)]->setChecked(true);
  for (std::size_t i = 0; i < voertuigtypen_.size(); ++i) voertuigtypen_[i]->setChecked(opties_.Voertuigtypen.Aan[i]);
  minimaalEen_->setChecked(!opties_.Voertuigtypen.Meerderheid);
  meerderheid_->setChecked(opties_.Voertuigtypen.Meerderheid);
  routematrix_->setChecked(opties_.Routematrix);
  doorrijtijdenDetail_->setChecked(opties_.DoorrijtijdenDetaillijst);
  weergaven_[static_cast<std::size_t>(opties_.Routes.Weergave)]->setChecked(true);
  const bool opPosten = opties_.Routes.Weergave == RouteWeergave::AlleGeselecteerd ||
                        opties_.Routes.Weergave == RouteWeergave::MinimaalEenGeselecteerd;
  for (QWidget* w : std::initializer_list<QWidget*>{posten_, alles_, niets_}) w->setEnabled(opPosten);
  opPost_->setChecked(!opties_.Routes.OpAantal);
  opAantal_->setChecked(opties_.Routes.OpAantal);
  aflopend_->setChecked(opties_.Routes.Aflopend);
  aflopend_->setEnabled(opties_.Routes.OpAantal);
  routesDetail_->setChecked(opties_.Routes.Detaillijst);
  nietRoutesDetail_->setChecked(opties_.NietRoutesDetaillijst);
  vullend_ = false;
}

void TMatchReportForm::TabbladenTonen() {
  const Vergelijkingsrapporttype t = opties_.Type;
  tabs_->setTabVisible(tabDHB, t == Vergelijkingsrapporttype::DHB);
  tabs_->setTabVisible(tabDoorrijtijden, t == Vergelijkingsrapporttype::Doorrijtijden);
  tabs_->setTabVisible(tabRoutes, t == Vergelijkingsrapporttype::Routes);
  tabs_->setTabVisible(tabNietRoutes, t == Vergelijkingsrapporttype::NietRoutes);
}

QString TMatchReportForm::Bestand() const { return bestand_->text(); }

void TMatchReportForm::BestandLegen() { bestand_->clear(); }

void TMatchReportForm::BestandGewijzigd() {
  omschrijving_->clear();
  const QString naam = bestand_->text();
  if (!naam.isEmpty()) omschrijving_->setText(NaarQt(MatchbestandOmschrijving(PadVanQt(naam))));
}

void TMatchReportForm::Rapporteren() {
  RapportBuffer buffer;
  {
    const BezigeCursor bezig(ctx_.ui);
    rapport_ = VergelijkingsrapportMaken(buffer, ctx_, PadVanQt(bestand_->text()), opties_);
  }
  // Without a report (no such file, or the question answered otherwise than "&Ja") the window
  // stays open, to name another file.
  if (rapport_) accept();
}

void TMatchReportForm::MatchReportFormTonen() {
  for (std::size_t i = 0; i < voertuigtypen_.size(); ++i) {
    const std::string* naam = ctx_.project.Gegevens.VoertuigtypeNaam(Voertuigtypen[i]);
    voertuigtypen_[i]->setText(naam ? Ampersand(NaarQt(*naam)) : QString(QLatin1Char(Voertuigtypen[i])));
  }
  VeldenVullen();
  TabbladenTonen();
  tabs_->setCurrentIndex(tabBestand);
  posten_->Vullen();
  if (bestand_->text().isEmpty() && matchbestand) bestand_->setText(PadNaarQt(matchbestand()));
  rapport_knop_->setFocus();
  rapport_.reset();
  exec();
  if (rapport_ && rapportTonen) rapportTonen(std::move(*rapport_));
  rapport_.reset();
}

}  // namespace morvask::gui
