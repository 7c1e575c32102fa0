#include "gui/analysis/match_window.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "analysis/matching_run.h"
#include "base/context.h"
#include "core/project.h"
#include "gui/app/help_topics.h"
#include "gui/app/qt_text.h"
#include "gui/widgets/dialog_frame.h"
#include "gui/widgets/named_widgets.h"
#include "gui/widgets/number_field.h"
#include "gui/widgets/time_field.h"

namespace morvask::gui {

namespace {

constexpr std::array<const char*, 6> Positienamen = {"KarakterCheckBox1", "KarakterCheckBox2", "KarakterCheckBox3",
                                                     "KarakterCheckBox4", "KarakterCheckBox5", "KarakterCheckBox6"};

// Hides the comparison window as soon as the progress window shows: the run has then begun,
// and the window closes, as it does once a run starts.
class VerbergenBijVoortgang : public QObject {
 public:
  VerbergenBijVoortgang(QWidget* venster, QObject* ouder) : QObject(ouder), venster_(venster) {}

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Show && venster_ && o->objectName() == QLatin1String("GaugeForm1")) venster_->hide();
    return false;
  }

 private:
  QPointer<QWidget> venster_;
};

// A page of the tabs with its controls from top to bottom.
QWidget* Tabblad(QTabWidget* tabs, const char* naam, const QString& titel, QLayout* inhoud) {
  auto* blad = Benoemd<QWidget>(naam);
  auto* opbouw = new QVBoxLayout(blad);
  opbouw->addLayout(inhoud);
  opbouw->addStretch(1);
  tabs->addTab(blad, titel);
  return blad;
}

}  // namespace

TMatchTotalForm::TMatchTotalForm(Context& ctx, QWidget* ouder)
    : QDialog(ouder),
      ctx_(ctx),
      tabs_(Benoemd<QTabWidget>("PageControl1")),
      bestand_(Benoemd<QLineEdit>("BestandEdit")),
      kiezen_(Benoemd<QPushButton>("BestandButton", QStringLiteral("..."))),
      omschrijving_(Benoemd<QLineEdit>("OmschrijvingEdit")),
      vanaf_(Benoemd<TTijdveld>("VanafMaskEdit")),
      tot_(Benoemd<TTijdveld>("TotMaskEdit")),
      maximaleTijden_(Benoemd<QPushButton>("MaximaleTijdenButton", QStringLiteral("&Maximale tijden"))),
      correctie_(Benoemd<QCheckBox>(
          "CorrectieCheckBox",
          QStringLiteral("Correctie onderwaardering &doorgaand verkeer bij voor- en/of naloopperiode."))),
      tussenposten_(
          Benoemd<QCheckBox>("TussenpostenCheckBox", QStringLiteral("&Tussenposten buiten beschouwing laten"))),
      blokkades_(Benoemd<QCheckBox>("BlokkadesCheckBox",
                                    QStringLiteral("Controleren op &blokkades met eerste waarnemingspost in route"))),
      wildcards_(Benoemd<QCheckBox>("WildcardCheckBox")),
      verwisseld_(Benoemd<TGetalveld>("VerwisseldUpDown", 0, 6)),
      verschillend_(Benoemd<TGetalveld>("VerschillendUpDown", 0, 6)),
      hoofdletters_(Benoemd<QCheckBox>(
          "CaseCheckBox", QStringLiteral("Geen verschil tussen grote en kleine karakters (&case) in kenteken."))),
      gemist_(Benoemd<QCheckBox>("GemistCheckBox",
                                 QStringLiteral("Ge&miste kentekens toevoegen bij herkomst- en bestemmingsverkeer."))),
      iteratief_(Benoemd<QCheckBox>("IteratiefCheckBox", QStringLiteral("Iteratie&f"))),
      geluid_(Benoemd<QCheckBox>("GeluidCheckBox", QStringLiteral("&Geluidsignaal na vergelijking"))),
      rekentijd_(Benoemd<QCheckBox>("RekentijdCheckBox", QStringLiteral("R&ekentijd tonen na vergelijking"))),
      opslaan_(Benoemd<QPushButton>("Button1", QStringLiteral("&Opslaan"))) {
  setObjectName(QStringLiteral("MatchTotalForm"));
  setWindowTitle(QStringLiteral("Kentekenvergelijking"));
  for (std::size_t i = 0; i < posities_.size(); ++i)
    posities_[i] = Benoemd<QCheckBox>(Positienamen[i], QString::number(i + 1));
  // Every tab shows its whole caption, in every language.
  tabs_->setUsesScrollButtons(false);
  OnderdelenMaken();
}

void TMatchTotalForm::OnderdelenMaken() {
  // ---- "Vergelijkingsbestand" ----
  auto* bestandRij = new QHBoxLayout;
  bestand_->setMinimumWidth(420);
  bestandRij->addWidget(bestand_, 1);
  kiezen_->setToolTip(QStringLiteral("Bestand kiezen"));
  kiezen_->setAccessibleName(QStringLiteral("Bestand kiezen"));
  bestandRij->addWidget(kiezen_);
  auto* blad1 = new QVBoxLayout;
  blad1->addWidget(LabelVoor("BestandLabel", QStringLiteral("Kentekenvergelijking opslaan in &bestand:"), bestand_));
  blad1->addLayout(bestandRij);
  blad1->addSpacing(8);
  blad1->addWidget(LabelVoor("OmschrijvingLabel", QStringLiteral("Om&schrijving:"), omschrijving_));
  blad1->addWidget(omschrijving_);
  Tabblad(tabs_, "TabSheet1", QStringLiteral("Vergelijkingsbestand"), blad1);

  // ---- "Tijden en posten" ----
  auto* tijden = new QGridLayout;
  tijden->addWidget(LabelVoor("VanafLabel", QStringLiteral("&Vanaf:"), vanaf_), 0, 0);
  tijden->addWidget(vanaf_, 0, 1);
  tijden->addWidget(LabelVoor("TotLabel", QStringLiteral("&Tot:"), tot_), 1, 0);
  tijden->addWidget(tot_, 1, 1);
  tijden->addWidget(maximaleTijden_, 0, 3, 2, 1, Qt::AlignVCenter);
  tijden->setColumnMinimumWidth(2, 16);
  tijden->setColumnStretch(4, 1);
  auto* blad2 = new QVBoxLayout;
  blad2->addLayout(tijden);
  blad2->addSpacing(8);
  blad2->addWidget(correctie_);
  blad2->addWidget(tussenposten_);
  blad2->addWidget(blokkades_);
  Tabblad(tabs_, "TabSheet2", QStringLiteral("Tijden en posten"), blad2);

  // ---- "Kentekens en karakters" ----
  verwisseld_->setSingleStep(2);
  const auto getalrij = [](QGridLayout* rooster, int rij, const char* naam1, const QString& voor, QSpinBox* veld,
                           const char* naam2, const QString& na, const char* naam3, const QString& slot) {
    rooster->addWidget(Benoemd<QLabel>(naam1, voor), rij, 0);
    rooster->addWidget(veld, rij, 1);
    rooster->addWidget(LabelVoor(naam2, na, veld), rij, 2);
    rooster->addWidget(Benoemd<QLabel>(naam3, slot), rij + 1, 0, 1, 3);
    veld->setAccessibleName(KaleTekst(voor + QLatin1Char(' ') + na + QLatin1Char(' ') + slot));
  };
  auto* getallen = new QGridLayout;
  getalrij(getallen, 0, "VerwisseldLabel1", QStringLiteral("Kentekens zijn aan elkaar gelijk indien ten hoogste"),
           verwisseld_, "VerwisseldLabel2", QStringLiteral("naast &elkaar"), "VerwisseldLabel3",
           QStringLiteral("staande karakters verwisseld zijn (12-34-56)."));
  getallen->setRowMinimumHeight(2, 8);
  getalrij(getallen, 3, "VerschillendLabel1", QStringLiteral("Kentekens zijn aan elkaar gelijk indien ten hoogste"),
           verschillend_, "VerschillendLabel2", QStringLiteral("karakters"), "VerschillendLabel3",
           QStringLiteral("ver&schillend zijn."));
  // The mnemonic of the second row is in its last piece.
  if (auto* slot = getallen->itemAtPosition(4, 0)) qobject_cast<QLabel*>(slot->widget())->setBuddy(verschillend_);
  getallen->setColumnStretch(3, 1);
  auto* karakters = new QHBoxLayout;
  auto* karakterLabel = Benoemd<QLabel>("KarakterLabel", QStringLiteral("Kentekens vergelijken op de &karakters:"));
  karakterLabel->setBuddy(posities_[0]);
  karakters->addWidget(karakterLabel);
  for (QCheckBox* c : posities_) {
    c->setAccessibleName(KaleTekst(karakterLabel->text()) + QLatin1Char(' ') + c->text());
    karakters->addWidget(c);
  }
  karakters->addStretch(1);
  auto* blad3 = new QVBoxLayout;
  blad3->addWidget(wildcards_);
  blad3->addSpacing(6);
  blad3->addLayout(getallen);
  blad3->addSpacing(6);
  blad3->addWidget(hoofdletters_);
  blad3->addWidget(gemist_);
  blad3->addSpacing(6);
  blad3->addLayout(karakters);
  Tabblad(tabs_, "TabSheet3", QStringLiteral("Kentekens en karakters"), blad3);

  // ---- "Overigen" ----
  auto* blad4 = new QVBoxLayout;
  blad4->addWidget(iteratief_);
  blad4->addWidget(geluid_);
  blad4->addWidget(rekentijd_);
  Tabblad(tabs_, "TabSheet4", QStringLiteral("Overigen"), blad4);

  // ---- Buttons ----
  QDialogButtonBox* knoppen = OKAnnulerenKnoppen(this, opslaan_, [this] { Opslaan(); });
  HelpKnopToevoegen(this, knoppen, [this] {
    if (helpTonen) helpTonen(HelpKentekenvergelijking);
  });

  PaginavensterOpbouwen(this, tabs_, knoppen);

  // ---- What the controls do ----
  connect(bestand_, &QLineEdit::textChanged, this, [this](const QString& t) {
    if (!vullend_) BestandZetten(PadVanQt(t));
  });
  connect(kiezen_, &QPushButton::clicked, this, [this] { BestandKiezen(); });
  connect(omschrijving_, &QLineEdit::textChanged, this, [this](const QString& t) { in_.Omschrijving = VanQt(t); });
  connect(vanaf_, &TTijdveld::getypt, this, [this](const QString& t) { TijdGetypt(true, t); });
  connect(tot_, &TTijdveld::getypt, this, [this](const QString& t) { TijdGetypt(false, t); });
  connect(vanaf_, &TTijdveld::verlaten, this, [this] { vanaf_->TekstZetten(NaarQt(in_.Vanaf)); });
  connect(tot_, &TTijdveld::verlaten, this, [this] { tot_->TekstZetten(NaarQt(in_.Tot)); });
  connect(maximaleTijden_, &QPushButton::clicked, this, [this] { MaximaleTijdenKlik(); });
  const auto vinkje = [this](QCheckBox* c, bool RMatchInstellingen::*veld) {
    connect(c, &QCheckBox::toggled, this, [this, veld](bool aan) {
      if (!vullend_) in_.*veld = aan;
    });
  };
  vinkje(correctie_, &RMatchInstellingen::PeriodeCorrectie);
  vinkje(tussenposten_, &RMatchInstellingen::TussenpostenNegeren);
  vinkje(blokkades_, &RMatchInstellingen::BlokkadesControleren);
  vinkje(wildcards_, &RMatchInstellingen::MetWildcards);
  vinkje(hoofdletters_, &RMatchInstellingen::GeenHoofdletterverschil);
  vinkje(gemist_, &RMatchInstellingen::GemisteKentekensToevoegen);
  vinkje(iteratief_, &RMatchInstellingen::Iteratief);
  vinkje(geluid_, &RMatchInstellingen::Geluidsignaal);
  vinkje(rekentijd_, &RMatchInstellingen::RekentijdTonen);
  // The changed-characters field goes in steps of two: a typed odd number counts as the even
  // number below it.
  connect(verwisseld_, &QSpinBox::valueChanged, this, [this](int n) {
    if (!vullend_) in_.AantalVerwisseld = n - n % 2;
  });
  connect(verwisseld_, &QSpinBox::editingFinished, this, [this] { VeldenVullen(); });
  connect(verschillend_, &QSpinBox::valueChanged, this, [this](int n) {
    if (!vullend_) in_.AantalVerschillend = n;
  });
  for (std::size_t i = 0; i < posities_.size(); ++i)
    connect(posities_[i], &QCheckBox::toggled, this, [this, i](bool aan) {
      if (vullend_) return;
      in_.Posities[i] = aan;
      PositieKlik();
    });
}

void TMatchTotalForm::VeldenVullen() {
  vullend_ = true;
  bestand_->setText(PadNaarQt(in_.Bestandsnaam));
  omschrijving_->setText(NaarQt(in_.Omschrijving));
  vanaf_->TekstZetten(NaarQt(in_.Vanaf));
  tot_->TekstZetten(NaarQt(in_.Tot));
  correctie_->setChecked(in_.PeriodeCorrectie);
  correctie_->setEnabled(in_.PeriodeCorrectieIngeschakeld);
  tussenposten_->setChecked(in_.TussenpostenNegeren);
  blokkades_->setChecked(in_.BlokkadesControleren);
  wildcards_->setChecked(in_.MetWildcards);
  wildcards_->setEnabled(in_.WildcardsIngeschakeld);
  // The maxima go up to the number of positions compared.
  verwisseld_->setMaximum(in_.AantalKarakters);
  verschillend_->setMaximum(in_.AantalKarakters);
  verwisseld_->setValue(in_.AantalVerwisseld);
  verschillend_->setValue(in_.AantalVerschillend);
  hoofdletters_->setChecked(in_.GeenHoofdletterverschil);
  gemist_->setChecked(in_.GemisteKentekensToevoegen);
  for (std::size_t i = 0; i < posities_.size(); ++i) {
    posities_[i]->setChecked(in_.Posities[i]);
    // Positions 2, 4 and 6 follow 1, 3 and 5: they show the pair's state and are not clicked.
    posities_[i]->setEnabled(i % 2 == 0);
  }
  iteratief_->setChecked(in_.Iteratief);
  geluid_->setChecked(in_.Geluidsignaal);
  rekentijd_->setChecked(in_.RekentijdTonen);
  vullend_ = false;
}

void TMatchTotalForm::BestandZetten(const std::string& naam) {
  if (naam == in_.Bestandsnaam) return;
  in_.Bestandsnaam = naam;
  if (bestandGewijzigd) bestandGewijzigd();
}

void TMatchTotalForm::BestandKiezen() {
  const QString voorstel = PadNaarQt(StandaardMatchbestandsnaam(ctx_.project));
  QString gekozen;
  if (opslaanDialoog) {
    gekozen = opslaanDialoog(voorstel);
  } else {
    QFileDialog d(this, QString(), voorstel, QStringLiteral("Morvask Match Files (*.mma)"));
    d.setAcceptMode(QFileDialog::AcceptSave);
    // The run itself asks before it overwrites a match file.
    d.setOption(QFileDialog::DontConfirmOverwrite);
    d.selectFile(QFileInfo(voorstel).fileName());
    if (d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty()) gekozen = d.selectedFiles().front();
  }
  if (gekozen.isEmpty()) return;
  bestand_->setText(PadNaarQt(MatchbestandsnaamUitDialoog(PadVanQt(gekozen))));
}

void TMatchTotalForm::MaximaleTijdenKlik() {
  MaximaleTijden(in_, ctx_.project);
  VeldenVullen();
}

void TMatchTotalForm::TijdGetypt(bool vanaf, const QString& tekst) {
  if (vanaf) {
    VanafBewerkt(in_, VanQt(tekst));
  } else {
    TotBewerkt(in_, VanQt(tekst));
  }
  correctie_->setEnabled(in_.PeriodeCorrectieIngeschakeld);
  // A whole time is shown as the rule made it (0775 becomes 0815); while the user is still
  // typing the field keeps what was typed.
  TTijdveld* veld = vanaf ? vanaf_ : tot_;
  if (veld->Volledig()) {
    const int positie = veld->cursorPosition();
    veld->TekstZetten(NaarQt(vanaf ? in_.Vanaf : in_.Tot));
    veld->setCursorPosition(positie);
  }
}

void TMatchTotalForm::PositieKlik() {
  AantalKaraktersTellen(in_);
  VeldenVullen();
}

void TMatchTotalForm::Opslaan() {
  // What is typed in the number fields counts, also before the field is left.
  in_.AantalVerwisseld = verwisseld_->Waarde();
  in_.AantalVerwisseld -= in_.AantalVerwisseld % 2;
  in_.AantalVerschillend = verschillend_->Waarde();
  AantalKaraktersTellen(in_);
  VeldenVullen();

  // The window closes once the run begins (the progress window shows); a run refused before
  // that (the overwrite question, a file that cannot be made, data the run cannot use)
  // leaves it open.
  QPointer<QWidget> voortgang =
      parentWidget() ? parentWidget()->findChild<QWidget*>(QStringLiteral("GaugeForm1")) : nullptr;
  auto* verbergen = new VerbergenBijVoortgang(this, this);
  if (voortgang) voortgang->installEventFilter(verbergen);
  const bool geschreven = MatchUitvoeren(ctx_, in_);
  if (voortgang) voortgang->removeEventFilter(verbergen);
  delete verbergen;
  gerund_ = geschreven;
  if (geschreven || !isVisible()) accept();
}

void TMatchTotalForm::MatchTotalFormTonen() {
  const std::string vorige = in_.Bestandsnaam;
  MatchInstellingenVoorbereiden(in_, ctx_.project);
  wildcards_->setText(NaarQt(ctx_.catalogus.Vul("AA00162", {ctx_.project.Gegevens.WildcardKarakter.view()})));
  VeldenVullen();
  if (in_.Bestandsnaam != vorige && bestandGewijzigd) bestandGewijzigd();
  tabs_->setCurrentIndex(0);
  opslaan_->setFocus();
  gerund_ = false;
  exec();
  if (gerund_ && in_.RekentijdTonen && rekentijdTonen) rekentijdTonen();
}

void TMatchTotalForm::ProjectVervangen() {
  MatchInstellingenProjectVervangen(in_);
  VeldenVullen();
}

}  // namespace morvask::gui
