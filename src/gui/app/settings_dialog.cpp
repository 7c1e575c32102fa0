#include "gui/app/settings_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/context.h"
#include "base/messages.h"
#include "core/settings.h"
#include "gui/app/help_topics.h"
#include "gui/app/qt_text.h"
#include "gui/widgets/character_field.h"
#include "gui/widgets/dialog_frame.h"
#include "gui/widgets/named_widgets.h"
#include "gui/widgets/number_field.h"

namespace morvask::gui {

namespace {

// The font size of the report windows is one byte in the settings: the field stops at its
// largest value instead of letting a larger number wrap round.
constexpr int MaximaleLettergrootte = 255;
constexpr int MaximaalGetal = 30000;

QWidget* Pagina(const char* naam, QLayout* inhoud) {
  auto* p = Benoemd<QWidget>(naam);
  p->setLayout(inhoud);
  return p;
}

// A page of controls one below the other, from the top.
QWidget* Pagina(const char* naam, std::initializer_list<QWidget*> inhoud) {
  auto* opbouw = new QVBoxLayout;
  for (QWidget* w : inhoud) opbouw->addWidget(w);
  opbouw->addStretch();
  return Pagina(naam, opbouw);
}

}  // namespace

TInstellingenForm1::TInstellingenForm1(Context& ctx, QWidget* ouder)
    : QDialog(ouder), ctx_(ctx), paginas_(Benoemd<QTabWidget>("PageControl1")) {
  setObjectName(QStringLiteral("InstellingenForm1"));
  setWindowTitle(QStringLiteral("Programma-instellingen"));

  paginas_->addTab(MappenPagina(), QStringLiteral("Mappen"));
  paginas_->addTab(BeeldPagina(), QStringLiteral("Beeld"));
  paginas_->addTab(OptiesPagina(), QStringLiteral("Opties"));
  paginas_->addTab(RapportPagina(), QStringLiteral("Rapport"));

  ok_ = Benoemd<QPushButton>("Button1", QStringLiteral("&OK"));
  QDialogButtonBox* knoppen = OKAnnulerenKnoppen(this, ok_, [this] { accept(); });
  HelpKnopToevoegen(this, knoppen, [this] {
    if (helpTonen) helpTonen(HelpInstellingen);
  });

  PaginavensterOpbouwen(this, paginas_, knoppen);
}

QWidget* TInstellingenForm1::MappenPagina() {
  // A folder group: the field and its "..." button.
  const auto mapGroep = [this](const char* groepnaam, const QString& titel, const char* veldnaam, const char* knopnaam,
                               QLineEdit*& veld, QPushButton*& knop) {
    auto* groep = Benoemd<QGroupBox>(groepnaam, titel);
    veld = Benoemd<QLineEdit>(veldnaam);
    veld->setMinimumWidth(360);
    knop = Benoemd<QPushButton>(knopnaam, QStringLiteral("..."));
    knop->setToolTip(QStringLiteral("Map kiezen"));
    knop->setMaximumWidth(knop->fontMetrics().horizontalAdvance(QStringLiteral("......")) + 16);
    auto* rooster = new QGridLayout(groep);
    rooster->addWidget(veld, 0, 0);
    rooster->addWidget(knop, 0, 1);
    connect(knop, &QPushButton::clicked, this, [this, v = veld, groep] { MapBladeren(v, groep); });
    return groep;
  };
  projectmapGroep_ = mapGroep("ProjectmapGroupBox", QStringLiteral(" Projectmap: "), "Edit1", "ProjectmapButton",
                              projectmap_, projectmapKnop_);
  reservemapGroep_ = mapGroep("ReservebestandenGroupBox", QStringLiteral(" Reservebestanden: "), "Edit7",
                              "ReservebestandenButton", reservemap_, reservemapKnop_);
  reservebestanden_ = Benoemd<QCheckBox>("CheckBox3", QStringLiteral("&Reservebestanden maken"));
  static_cast<QGridLayout*>(reservemapGroep_->layout())->addWidget(reservebestanden_, 1, 0, 1, 2);

  return Pagina("TabSheet1", {projectmapGroep_, reservemapGroep_});
}

QWidget* TInstellingenForm1::BeeldPagina() {
  projectgegevens_ = Benoemd<QCheckBox>("CheckBox4", QStringLiteral("&Projectgegevens weergeven na project openen"));
  schermbeveiliging_ = Benoemd<QCheckBox>(
      "CheckBox2", QStringLiteral("&Schermbeveiliging (screensaver) tegenhouden als Morvask op voorgrond actief is"));
  // The setting takes effect at the next start.
  connect(schermbeveiliging_, &QCheckBox::clicked, this,
          [this] { ToonInformatie(ctx_.ui, ctx_.catalogus, ctx_.catalogus.Vul("AA00042", {Programmanaam})); });
  return Pagina("TabSheet2", {projectgegevens_, schermbeveiliging_});
}

QWidget* TInstellingenForm1::OptiesPagina() {
  interval_ = Benoemd<TGetalveld>("UpDown1", 1, MaximaalGetal);
  geheugen_ = Benoemd<TGetalveld>("UpDown2", 0, MaximaalGetal);
  auto* rooster = new QGridLayout;
  rooster->addWidget(LabelVoor("Label1", QStringLiteral("Standaard &interval bij intensiteitenlijst:"), interval_), 0,
                     0);
  rooster->addWidget(interval_, 0, 1);
  rooster->addWidget(Benoemd<QLabel>("Label2", QStringLiteral("minuten")), 0, 2);
  rooster->addWidget(LabelVoor("Label3", QStringLiteral("Geheugen a&ctualiseren na"), geheugen_), 1, 0);
  rooster->addWidget(geheugen_, 1, 1);
  rooster->addWidget(Benoemd<QLabel>("Label4", QStringLiteral("vergelijkingen")), 1, 2);
  rooster->setColumnStretch(3, 1);
  rooster->setRowStretch(2, 1);
  return Pagina("TabSheet3", rooster);
}

QWidget* TInstellingenForm1::RapportPagina() {
  lettergrootte_ = Benoemd<TGetalveld>("UpDown3", 0, MaximaleLettergrootte);
  lijnteken_ = Benoemd<TKarakterveld>("Edit2");
  auto* rooster = new QGridLayout;
  rooster->addWidget(LabelVoor("Label5", QStringLiteral("L&ettergrootte:"), lettergrootte_), 0, 0);
  rooster->addWidget(lettergrootte_, 0, 1);
  rooster->addWidget(Benoemd<QLabel>("Label6", QStringLiteral("pixels")), 0, 2);
  rooster->addWidget(LabelVoor("Label7", QStringLiteral("Karakte&r tabel:"), lijnteken_), 1, 0);
  rooster->addWidget(lijnteken_, 1, 1);
  rooster->setColumnStretch(3, 1);

  maximaliseren_ = Benoemd<QCheckBox>("CheckBox8", QStringLiteral("Rapport automatisch ma&ximaliseren"));
  auto* weergeven = Benoemd<QGroupBox>("WeergevenGroupBox", QStringLiteral(" Weergeven in rapport: "));
  inhoud_ = Benoemd<QCheckBox>("CheckBox6", QStringLiteral("Informatie over &inhoud"));
  afkortingen_ = Benoemd<QCheckBox>("CheckBox7", QStringLiteral("Omschrijving a&fkortingen"));
  posten_ = Benoemd<QCheckBox>("CheckBox9", QStringLiteral("Omschrijving &waarnemingsposten"));
  auto* groep = new QVBoxLayout(weergeven);
  for (QCheckBox* c : {inhoud_, afkortingen_, posten_}) groep->addWidget(c);

  auto* opbouw = new QVBoxLayout;
  opbouw->addLayout(rooster);
  opbouw->addWidget(maximaliseren_);
  opbouw->addWidget(weergeven);
  opbouw->addStretch();
  return Pagina("TabSheet4", opbouw);
}

void TInstellingenForm1::MapBladeren(QLineEdit* veld, const QGroupBox* groep) {
  const QString huidig = veld->text().trimmed();
  const QString begin = !huidig.isEmpty() && QFileInfo(huidig).isDir() ? huidig : QString();
  QString gekozen =
      mapKiezen ? mapKiezen(begin)
                : QFileDialog::getExistingDirectory(this, KaleTekst(groep->title()), begin, QFileDialog::ShowDirsOnly);
  if (gekozen.isEmpty()) return;
  gekozen = QDir::toNativeSeparators(gekozen);
  if (!gekozen.endsWith(QDir::separator())) gekozen += QDir::separator();
  veld->setText(gekozen);
}

void TInstellingenForm1::Vullen(const RProgrammaInstellingen& s) {
  projectmap_->setText(PadNaarQt(s.Projectdirectory));
  reservemap_->setText(PadNaarQt(s.Reservebestandendirectory));
  reservebestanden_->setChecked(s.ReservebestandMaken);
  projectgegevens_->setChecked(s.ProjectgegevensWeergevenNaOpenen);
  schermbeveiliging_->setChecked(s.ScreensaverUitschakelenTijdensMorvask);
  interval_->setValue(s.IntensiteitenInterval);
  geheugen_->setValue(s.MatchOpschoonWaarde);
  lettergrootte_->setValue(s.RapportTabelLettertypeGrootte);
  lijnteken_->setText(NaarQt(s.EenHorzTeken));
  maximaliseren_->setChecked(s.RapportAutomMaximaliseren);
  inhoud_->setChecked(s.RapportInformatieOverInhoudWeergeven);
  afkortingen_->setChecked(s.RapportAfkortingOmschrijvingWeergeven);
  posten_->setChecked(s.RapportOmschrijvingWaarnemingsposten);

  // The folder fields are named by their group, in the language the dialog shows.
  projectmap_->setAccessibleName(KaleTekst(projectmapGroep_->title()));
  reservemap_->setAccessibleName(KaleTekst(reservemapGroep_->title()));
  projectmapKnop_->setAccessibleName(KaleTekst(projectmapKnop_->toolTip()));
  reservemapKnop_->setAccessibleName(KaleTekst(reservemapKnop_->toolTip()));
}

void TInstellingenForm1::Opslaan(RProgrammaInstellingen& s) {
  s.Projectdirectory = PadVanQt(projectmap_->text());
  s.Reservebestandendirectory = PadVanQt(reservemap_->text());
  s.ReservebestandMaken = reservebestanden_->isChecked();
  s.ProjectgegevensWeergevenNaOpenen = projectgegevens_->isChecked();
  s.ScreensaverUitschakelenTijdensMorvask = schermbeveiliging_->isChecked();
  s.IntensiteitenInterval = static_cast<std::uint16_t>(interval_->Waarde());
  s.MatchOpschoonWaarde = geheugen_->Waarde();
  s.RapportTabelLettertypeGrootte = static_cast<std::uint8_t>(lettergrootte_->Waarde());
  s.EenHorzTeken = VanQt(lijnteken_->text()).substr(0, 1);
  s.RapportAutomMaximaliseren = maximaliseren_->isChecked();
  s.RapportInformatieOverInhoudWeergeven = inhoud_->isChecked();
  s.RapportAfkortingOmschrijvingWeergeven = afkortingen_->isChecked();
  s.RapportOmschrijvingWaarnemingsposten = posten_->isChecked();
}

bool TInstellingenForm1::InstellingenScherm() {
  Vullen(ctx_.instellingen);
  ok_->setFocus();
  if (exec() != Accepted) return false;
  Opslaan(ctx_.instellingen);
  return true;
}

}  // namespace morvask::gui
