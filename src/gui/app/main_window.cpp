#include "gui/app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <algorithm>

#include "app/menu_states.h"
#include "app/start_up.h"
#include "base/messages.h"
#include "base/version.h"
#include "core/files.h"
#include "core/project.h"
#include "core/settings.h"
#include "core/win1252.h"
#include "gui/analysis/calculation_time_window.h"
#include "gui/analysis/comparison_report_window.h"
#include "gui/analysis/intensities_window.h"
#include "gui/analysis/match_window.h"
#include "gui/app/configuration_info.h"
#include "gui/app/help_topics.h"
#include "gui/app/help_window.h"
#include "gui/app/info_windows.h"
#include "gui/app/program.h"
#include "gui/app/progress_window.h"
#include "gui/app/project_data_dialog.h"
#include "gui/app/qt_text.h"
#include "gui/app/settings_dialog.h"
#include "gui/app/window_positions.h"
#include "gui/language/language_window.h"
#include "gui/language/qt_translation.h"
#include "gui/network/vehicle_types_dialog.h"
#include "gui/registrations/notes_window.h"
#include "gui/reports/export_dialog.h"
#include "gui/reports/print_dialog.h"
#include "gui/reports/report_layout_dialog.h"
#include "gui/reports/report_view.h"
#include "gui/reports/report_window.h"
#include "language/language_file.h"
#include "language/translation.h"

namespace morvask::gui {

namespace {

// An icon of the desktop's theme, with the program's own as the fallback.
QIcon Icoon(const char* naam) {
  const QString eigen = QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(naam));
  return QIcon::fromTheme(QString::fromLatin1(naam), QIcon(eigen));
}

}  // namespace

THoofdForm::THoofdForm(TProgramma& programma, QWidget* ouder)
    : QMainWindow(ouder), programma_(programma), mdi_(new QMdiArea(this)), werkbalk_(new QToolBar(this)) {
  setObjectName(QStringLiteral("HoofdForm"));
  setProperty(TitelVanProgrammaEigenschap, true);
  Context& ctx = programma_.ctx;
  programma_.ui.BezigCursor(true);

  // The creation steps that are no window's: settings, texts, language, help.
  ProgrammaInstellen(ctx, programma_.instellingenbestand);
  helpbestand_ = PadNaarQt(StartHelpbestand(ctx));

  mdi_->setObjectName(QStringLiteral("ntMdiArea"));
  mdi_->setViewMode(QMdiArea::SubWindowView);
  mdi_->setActivationOrder(QMdiArea::CreationOrder);
  setCentralWidget(mdi_);
  werkbalk_->setObjectName(QStringLiteral("ntWerkbalk"));
  werkbalk_->setWindowTitle(QStringLiteral("Werkbalk"));
  werkbalk_->setMovable(false);
  addToolBar(werkbalk_);
  statusBar()->setObjectName(QStringLiteral("ntStatusbalk"));

  programma_.ui.hoofdvenster = this;
  programma_.ui.menuChecken = [this](MenuCode code) { MenuChecken(code); };

  posities_ = new TVensterposities(ctx.instellingen.FormPosities, this);
  qApp->installEventFilter(posities_);

  OpdrachtenMaken();

  // The other windows, in the order the program creates them.
  voortgang_ = new TGaugeForm1(this, programma_.ui, ctx.catalogus);
  voortgang_->titelZetten = [this](const QString& extra) { TitelMetVoorvoegsel(extra); };
  programma_.ui.voortgang = voortgang_;
  instellingen_ = new TInstellingenForm1(ctx, this);
  afdrukken_ = nullptr;
  projectgegevens_ = new TProjectgegevensForm1(ctx, this);
  export_ = new TExportForm(ctx, this);
  opInternet_ = new TOpInternetForm(this);
  aantekeningen_ = new TAantekeningenForm(ctx, this);
  rapportOpmaak_ = new TRapportOpmaakForm(this);
  afdrukken_ = new TAfdrukkenForm1(ctx, *rapportOpmaak_, this);
  voertuigtypen_ = new TVehTypesForm(ctx, this);
  taalkeuze_ = new TLanguageForm(ctx, this);
  opstartInfo_ = new TOpstartInfoForm(ctx, this);
  help_ = new THelpForm(this);
  AnalysevenstersMaken();
  taalkeuze_->vensters = [this] { return Vensters(); };
  taalkeuze_->helpbestandGekozen = [this](const QString& bestand) { helpbestand_ = bestand; };
  taalkeuze_->sjabloonSchrijven = [this](const std::string& bestand) { TaalsjabloonSchrijven(bestand); };

  const auto rapport = [this](Rapport r) { RapportTonen(std::move(r)); };
  const auto help = [this](int topic) { HelpTonen(topic); };
  instellingen_->helpTonen = help;
  projectgegevens_->helpTonen = help;
  export_->helpTonen = help;
  afdrukken_->helpTonen = help;
  aantekeningen_->helpTonen = help;
  aantekeningen_->rapportTonen = rapport;
  voertuigtypen_->helpTonen = help;
  voertuigtypen_->rapportTonen = rapport;
  programma_.ui.aantekeningenTonen = [this] { aantekeningen_->Tonen(); };

  kindVenstersTimer_.setSingleShot(true);
  kindVenstersTimer_.setInterval(10);
  connect(&kindVenstersTimer_, &QTimer::timeout, this, [this] { MenuChecken(mcRapporten); });
  connect(mdi_, &QMdiArea::subWindowActivated, this, [this] { VenstermenuBijwerken(); });

  // The screen texts in the settings' language, the title of the untitled project.
  VenstersVertalen(ctx, Vensters(), ctx.instellingen.Taal);
  opstartInfo_->TekstenBijwerken();
  TitelZetten(GeefApplicationTitle(ctx.vast.NieuwProjectNaam + Projectextensie));
  // Without a remembered position the window takes most of the screen, centred.
  if (const QScreen* scherm = QGuiApplication::primaryScreen()) {
    const QRect vrij = scherm->availableGeometry();
    resize(vrij.width() * 4 / 5, vrij.height() * 4 / 5);
    move(vrij.center() - QPoint(width() / 2, height() / 2));
  }
  programma_.ui.BezigCursor(false);
}

THoofdForm::~THoofdForm() {
  qApp->removeEventFilter(posities_);
  programma_.ui.hoofdvenster = nullptr;
  programma_.ui.menuChecken = nullptr;
  programma_.ui.aantekeningenTonen = nullptr;
}

QMenu* THoofdForm::NieuwMenu(const char* naam, const QString& titel) {
  QMenu* menu = menuBar()->addMenu(titel);
  menu->setObjectName(QString::fromLatin1(naam));
  return menu;
}

QAction* THoofdForm::NieuweOpdracht(QMenu* menu, const char* naam, const QString& caption, const QKeySequence& toets,
                                    const QString& hint, const char* icoon, std::function<void()> uitvoeren) {
  auto* a = new QAction(caption, this);
  a->setObjectName(QString::fromLatin1(naam));
  if (!toets.isEmpty()) a->setShortcut(toets);
  HintZetten(a, hint);
  if (icoon) a->setIcon(Icoon(icoon));
  connect(a, &QAction::triggered, this, [uitvoeren = std::move(uitvoeren)] { uitvoeren(); });
  menu->addAction(a);
  // A command with a hint has a tool button, which shares the action.
  if (!hint.isEmpty()) werkbalk_->addAction(a);
  return a;
}

void THoofdForm::OpdrachtenMaken() {
  Context& ctx = programma_.ctx;
  const QString geen;

  QMenu* bestand = NieuwMenu("Bestand1", QStringLiteral("&Bestand"));
  NieuweOpdracht(bestand, "Nieuwproject1", QStringLiteral("&Nieuw project..."), QKeySequence(Qt::CTRL | Qt::Key_N),
                 QStringLiteral("Nieuw project... (Ctrl+N)"), "document-new",
                 [this, &ctx] { NieuwProjectOpdracht(ctx, *this, nummering_); });
  NieuweOpdracht(bestand, "Projectopenen1", QStringLiteral("Project &openen..."), QKeySequence(Qt::CTRL | Qt::Key_O),
                 QStringLiteral("Project openen... (Ctrl+O)"), "document-open",
                 [this, &ctx] { ProjectOpenenOpdracht(ctx, *this, nummering_); });
  NieuweOpdracht(bestand, "Projectopslaan1", QStringLiteral("Project op&slaan"), QKeySequence(Qt::CTRL | Qt::Key_S),
                 QStringLiteral("Project opslaan (Ctrl+S)"), "document-save",
                 [this, &ctx] { ProjectOpslaanOpdracht(ctx, *this); });
  NieuweOpdracht(bestand, "Projectopslaanals1", QStringLiteral("Project o&pslaan als..."), {}, geen, "document-save-as",
                 [this, &ctx] { ProjectOpslaanAlsOpdracht(ctx, *this); });
  bestand->addSeparator();
  NieuweOpdracht(bestand, "Afsluiten1", QStringLiteral("&Afsluiten..."), QKeySequence(Qt::ALT | Qt::Key_F4), geen,
                 "application-exit", [this] { close(); });
  werkbalk_->addSeparator();

  QMenu* rapport = NieuwMenu("Rapport1", QStringLiteral("&Rapport"));
  NieuweOpdracht(rapport, "Opmaak1", QStringLiteral("&Opmaak"), {}, geen, "format-text-bold", [this] { Opmaak(); });
  rapport->addSeparator();
  NieuweOpdracht(rapport, "Allesselecteren1", QStringLiteral("&Alles selecteren"), QKeySequence(Qt::CTRL | Qt::Key_A),
                 geen, "edit-select-all", [this] {
                   if (TKindForm* k = ActiefRapport()) k->Tekst()->AllesSelecteren();
                 });
  NieuweOpdracht(rapport, "Kopiren1", QStringLiteral("&Kopi\u00EBren"), QKeySequence(Qt::CTRL | Qt::Key_C), geen,
                 "edit-copy", [this] {
                   if (TKindForm* k = ActiefRapport()) k->Tekst()->Kopieren();
                 });
  rapport->addSeparator();
  NieuweOpdracht(rapport, "Exporteren1", QStringLiteral("&Exporteren..."), QKeySequence(Qt::CTRL | Qt::Key_E),
                 QStringLiteral("Exporteren... (Ctrl+E)"), "document-export", [this] { Exporteren(); });
  NieuweOpdracht(rapport, "Afdrukken1", QStringLiteral("Af&drukken..."), QKeySequence(Qt::CTRL | Qt::Key_P),
                 QStringLiteral("Afdrukken... (Ctrl+P)"), "document-print", [this] { Afdrukken(); });
  werkbalk_->addSeparator();

  QMenu* gegevens = NieuwMenu("Gegevens1", QStringLiteral("&Gegevens"));
  NieuweOpdracht(gegevens, "Projectgegevens1", QStringLiteral("Pr&oject"), QKeySequence(Qt::Key_F2),
                 QStringLiteral("Projectgegevens (F2)"), "document-properties", [this] { ProjectgegevensTonen(); });
  NieuweOpdracht(gegevens, "Opmerkingenvan1", QStringLiteral("Aan&tekeningen"), {}, geen, "accessories-text-editor",
                 [this] { aantekeningen_->Tonen(); });
  NieuweOpdracht(gegevens, "Voertuigtypen1", QStringLiteral("&Voertuigtypen"), {}, QStringLiteral("Voertuigtypen"),
                 "vehicle-types", [this] { voertuigtypen_->VehTypesFormTonen(); });
  werkbalk_->addSeparator();

  QMenu* analyse = NieuwMenu("Analyse1", QStringLiteral("&Analyse"));
  NieuweOpdracht(analyse, "Intensiteiten1", QStringLiteral("&Intensiteiten..."), QKeySequence(Qt::Key_F7),
                 QStringLiteral("Intensiteiten... (F7)"), "office-chart-bar",
                 [this] { intensiteiten_->KentekensNaarIntervalInstellen(); });
  NieuweOpdracht(analyse, "Kentekenvergelijking1", QStringLiteral("&Kentekenvergelijking..."), QKeySequence(Qt::Key_F8),
                 QStringLiteral("Kentekenvergelijking... (F8)"), "system-search",
                 [this] { matchTotal_->MatchTotalFormTonen(); });
  NieuweOpdracht(analyse, "Kentekenvergelijkingsrapport1", QStringLiteral("Kentekenvergelijkings&rapport..."),
                 QKeySequence(Qt::Key_F9), QStringLiteral("Kentekenvergelijkingsrapport... (F9)"),
                 "x-office-spreadsheet", [this] { matchReport_->MatchReportFormTonen(); });
  werkbalk_->addSeparator();

  venstermenu_ = NieuwMenu("Venster1", QStringLiteral("&Venster"));
  NieuweOpdracht(venstermenu_, "Trapsgewijs1", QStringLiteral("Trap&sgewijs"), {},
                 QStringLiteral("Vensters trapsgewijs"), "window-cascade", [this] { mdi_->cascadeSubWindows(); });
  NieuweOpdracht(venstermenu_, "Onderelkaar1", QStringLiteral("&Onder elkaar"), {},
                 QStringLiteral("Vensters onder elkaar"), "window-tile", [this] { mdi_->tileSubWindows(); });
  NieuweOpdracht(venstermenu_, "Vorige1", QStringLiteral("&Vorige"), QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F6),
                 QStringLiteral("Vorig venster (Shift+Ctrl+F6)"), "go-previous",
                 [this] { mdi_->activatePreviousSubWindow(); });
  NieuweOpdracht(venstermenu_, "Volgende1", QStringLiteral("Volgen&de"), QKeySequence(Qt::CTRL | Qt::Key_F6),
                 QStringLiteral("Volgend venster (Ctrl+F6)"), "go-next", [this] { mdi_->activateNextSubWindow(); });
  NieuweOpdracht(venstermenu_, "Sluiten1", QStringLiteral("&Sluiten"), {}, QStringLiteral("Venster sluiten"),
                 "window-close", [this] { mdi_->closeActiveSubWindow(); });
  NieuweOpdracht(venstermenu_, "Allevensterssluiten1", QStringLiteral("&Alle vensters sluiten"), {},
                 QStringLiteral("Alle vensters sluiten"), "window-close-all", [this] { AlleVenstersSluiten(); });
  venstermenu_->addSeparator();
  connect(venstermenu_, &QMenu::aboutToShow, this, [this] { VenstermenuBijwerken(); });
  werkbalk_->addSeparator();

  QMenu* extra = NieuwMenu("Extra1", QStringLiteral("E&xtra"));
  NieuweOpdracht(extra, "Language1", QStringLiteral("&Language"), {}, geen, "preferences-desktop-locale", [this] {
    if (!taalkeuze_->Kiezen()) return;
    opstartInfo_->TekstenBijwerken();
    TitelBijwerken(programma_.ctx, *this);
  });
  NieuweOpdracht(extra, "Programmainstellingen1", QStringLiteral("Programma-&instellingen"), {}, geen,
                 "preferences-system", [this] { instellingen_->InstellingenScherm(); });
  NieuweOpdracht(extra, "Rekentijd1", QStringLiteral("&Rekentijd"), {}, geen, "chronometer",
                 [this] { rekentijd_->Tonen(); });
  NieuweOpdracht(extra, "Configurationinfo1", QStringLiteral("&Configuration info"), {}, geen, "dialog-information",
                 [this] { ConfiguratieTonen(); });

  QMenu* helpmenu = NieuwMenu("Help1", QStringLiteral("&Help"));
  NieuweOpdracht(helpmenu, "Index1", QStringLiteral("In&houd"), QKeySequence(Qt::Key_F1), QStringLiteral("Help (F1)"),
                 "help-contents", [this] { HelpTonen(HelpInhoud); });
  NieuweOpdracht(helpmenu, "Voorbeeldproject1", QStringLiteral("&Voorbeeldproject"), {}, geen, "help-about",
                 [this] { HelpTonen(HelpVoorbeeldproject); });
  NieuweOpdracht(helpmenu, "Veelgesteldevragen1", QStringLiteral("V&eel gestelde vragen"), {}, geen, "help-faq",
                 [this] { HelpTonen(HelpVeelGesteldeVragen); });
  helpmenu->addSeparator();
  NieuweOpdracht(helpmenu, LeesMijMenuNaam, QStringLiteral("&LeesMij.txt"), {}, geen, "text-x-generic",
                 [this] { LeesMijTonen(); });
  QAction* internet = NieuweOpdracht(helpmenu, OpInternetMenuNaam, QStringLiteral("Morvask @ internet..."), {}, geen,
                                     "web-browser", [this] { opInternet_->exec(); });
  werkbalk_->addAction(internet);
  helpmenu->addSeparator();
  NieuweOpdracht(helpmenu, "Info1", QStringLiteral("&Info"), {}, geen, "help-about",
                 [this] { opstartInfo_->InfoTonen(); });
}

void THoofdForm::AnalysevenstersMaken() {
  Context& ctx = programma_.ctx;
  const auto rapport = [this](Rapport r) { RapportTonen(std::move(r)); };
  const auto help = [this](int topic) { HelpTonen(topic); };
  rekentijd_ = new TRekentijdForm(ctx.catalogus, this);
  rekentijd_->rekentijd = [this] { return voortgang_->LaatsteRekentijd(); };
  intensiteiten_ = new TKentekensNaarIntervalInstellenForm1(ctx, this);
  intensiteiten_->rapportTonen = rapport;
  intensiteiten_->helpTonen = help;
  matchTotal_ = new TMatchTotalForm(ctx, this);
  matchTotal_->helpTonen = help;
  matchTotal_->rekentijdTonen = [this] { rekentijd_->Tonen(); };
  matchReport_ = new TMatchReportForm(ctx, this);
  matchReport_->rapportTonen = rapport;
  matchReport_->helpTonen = help;
  matchReport_->matchbestand = [this] { return matchTotal_->Bestandsnaam(); };
  matchTotal_->bestandGewijzigd = [this] { matchReport_->BestandLegen(); };
  connect(this, &THoofdForm::veldenLegen, this, [this] {
    intensiteiten_->ProjectVervangen();
    matchTotal_->ProjectVervangen();
    matchReport_->BestandLegen();
  });
}

QAction* THoofdForm::Opdracht(const char* naam) const { return findChild<QAction*>(QString::fromLatin1(naam)); }

QList<QWidget*> THoofdForm::Vensters() const {
  std::vector<std::string> volgorde = {"HoofdForm", "OpstartInfoForm"};
  for (const std::string& naam : VensterAanmaakvolgorde()) volgorde.push_back(naam);
  volgorde.push_back("HelpForm");
  QList<QWidget*> kinderen;
  for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    if (w->isWindow() && !w->objectName().isEmpty()) kinderen.push_back(w);
  QList<QWidget*> vensters = {const_cast<THoofdForm*>(this)};
  for (const std::string& naam : volgorde)
    for (QWidget* w : kinderen)
      if (VanQt(w->objectName()) == naam) vensters.push_back(w);
  return vensters;
}

bool THoofdForm::TaalsjabloonSchrijven(const std::string& bestandsnaam) {
  const auto& lijst = TeVertalenSchermen();
  std::vector<RScherm> schermen;
  for (QWidget* w : Vensters())
    if (std::find(lijst.begin(), lijst.end(), VanQt(w->objectName())) != lijst.end()) schermen.push_back(SchermVan(w));
  return SchrijfTaalsjabloon(schermen, bestandsnaam, programma_.ui, programma_.ctx.catalogus);
}

void THoofdForm::MenuChecken(MenuCode code) {
  const RMenuGegevens gegevens = MenuGegevens(programma_.project, AantalRapportvensters());
  for (const RMenuStand& stand : MenuStanden(code, gegevens)) {
    if (QAction* a = findChild<QAction*>(QString::fromLatin1(stand.Naam.data(), static_cast<int>(stand.Naam.size()))))
      a->setEnabled(stand.Aan);
    // The export dialog offers the active report only while the export command is enabled.
    if (export_ && stand.Naam == "Exporteren1") export_->ActiefRapportBeschikbaar(stand.Aan);
  }
}

// ---- Report windows ---------------------------------------------------------------------------

TKindForm* THoofdForm::RapportTonen(Rapport rapport) {
  const Context& ctx = programma_.ctx;
  const QString caption = NaarQt(nummering_.VolgendeCaption(ctx.catalogus, rapport.Titel));
  auto* kind = new TKindForm(std::move(rapport), ctx.instellingen.RapportTabelLettertypeGrootte);
  kind->setWindowTitle(caption);
  kind->ContextmenuZetten(
      {Opdracht("Allesselecteren1"), Opdracht("Kopiren1"), nullptr, Opdracht("Exporteren1"), Opdracht("Afdrukken1")});
  QMdiSubWindow* sub = mdi_->addSubWindow(kind);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->setWindowIcon(windowIcon());
  connect(kind, &TKindForm::gesloten, this, [this] { kindVenstersTimer_.start(); });
  sub->resize(std::max(400, mdi_->width() * 3 / 4), std::max(300, mdi_->height() * 3 / 4));
  if (ctx.instellingen.RapportAutomMaximaliseren) {
    sub->showMaximized();
  } else {
    sub->show();
  }
  mdi_->setActiveSubWindow(sub);
  kind->setFocus();
  MenuChecken(mcRapporten);
  return kind;
}

QList<TKindForm*> THoofdForm::Rapportvensters() const {
  QList<TKindForm*> uit;
  for (QMdiSubWindow* s : mdi_->subWindowList(QMdiArea::CreationOrder))
    if (auto* k = qobject_cast<TKindForm*>(s->widget())) uit.push_back(k);
  return uit;
}

int THoofdForm::AantalRapportvensters() const { return static_cast<int>(Rapportvensters().size()); }

TKindForm* THoofdForm::ActiefRapport() const {
  QMdiSubWindow* s = mdi_->activeSubWindow();
  if (!s) s = mdi_->currentSubWindow();
  return s ? qobject_cast<TKindForm*>(s->widget()) : nullptr;
}

void THoofdForm::AlleVenstersSluiten() {
  RapportvenstersSluiten();
  nummering_.Terugzetten();
  MenuChecken(mcRapporten);
}

void THoofdForm::VenstermenuBijwerken() {
  for (QAction* a : vensterlijst_) {
    venstermenu_->removeAction(a);
    a->deleteLater();
  }
  vensterlijst_.clear();
  const QMdiSubWindow* actief = mdi_->activeSubWindow();
  int n = 0;
  for (QMdiSubWindow* s : mdi_->subWindowList(QMdiArea::CreationOrder)) {
    ++n;
    const QString tekst = n <= 9 ? QStringLiteral("&%1 %2").arg(n).arg(s->windowTitle()) : s->windowTitle();
    QAction* a = venstermenu_->addAction(tekst);
    a->setCheckable(true);
    a->setChecked(s == actief);
    connect(a, &QAction::triggered, this, [this, s] { mdi_->setActiveSubWindow(s); });
    vensterlijst_.push_back(a);
  }
}

void THoofdForm::Opmaak() {
  TKindForm* k = ActiefRapport();
  if (!k) return;
  if (const auto grootte = rapportOpmaak_->LettergrootteKiezen(k->Tekst()->Lettergrootte()))
    k->Tekst()->LettergrootteZetten(*grootte);
}

void THoofdForm::Exporteren() {
  TKindForm* k = ActiefRapport();
  if (!k) return;
  export_->ExportScherm(*k, k->windowTitle());
}

void THoofdForm::Afdrukken() {
  TKindForm* k = ActiefRapport();
  if (!k) return;
  afdrukken_->AfdrukScherm(*k, k->windowTitle());
}

// ---- Help, read-me, configuration ---------------------------------------------------------------

void THoofdForm::HelpTonen(int topic) {
  if (!help_->TopicTonen(helpbestand_, topic)) {
    const Context& ctx = programma_.ctx;
    ToonFout(programma_.ui, ctx.catalogus, TekstVullen(ctx.vast.BestandNietGevonden, {VanQt(helpbestand_)}));
  }
}

void THoofdForm::LeesMijTonen() {
  const Context& ctx = programma_.ctx;
  const QString bestand = PadNaarQt(ctx.mappen.Programma + ctx.vast.LeesMijBestand);
  if (!QFileInfo::exists(bestand)) {
    ToonFout(programma_.ui, ctx.catalogus, TekstVullen(ctx.vast.BestandNietGevonden, {VanQt(bestand)}));
    return;
  }
  if (QDesktopServices::openUrl(QUrl::fromLocalFile(bestand))) return;
  // No default handler: the file in a read-only text window.
  const auto inhoud = BestandLezen(PadVanQt(bestand));
  Rapport r;
  r.Titel = ctx.vast.LeesMijBestand;
  r.Regels = RegelsSplitsen(Utf8NaarWin1252(inhoud.value_or("")));
  RapportTonen(std::move(r));
}

void THoofdForm::ConfiguratieTonen() {
  RapportTonen(ConfiguratieRapport(programma_.ctx, helpbestand_, PadNaarQt(programma_.instellingenbestand)));
}

// ---- Schil ----------------------------------------------------------------------------------------

std::optional<std::string> THoofdForm::OpenDialoog(const std::string& beginmap) {
  const QString map = PadNaarQt(beginmap);
  const QString gekozen =
      openDialoog ? openDialoog(map)
                  : QFileDialog::getOpenFileName(this, QString(), map, QStringLiteral("Morvask projects (*.mpr)"));
  if (gekozen.isEmpty()) return std::nullopt;
  return PadVanQt(gekozen);
}

std::optional<std::string> THoofdForm::OpslaanDialoog(const std::string& beginmap) {
  const QString map = PadNaarQt(beginmap);
  QString gekozen;
  if (opslaanDialoog) {
    gekozen = opslaanDialoog(map);
  } else {
    QFileDialog d(this, QString(), map, QStringLiteral("Morvask projects (*.mpr)"));
    d.setAcceptMode(QFileDialog::AcceptSave);
    // The ".mpr" rule and the overwrite question are the program's own.
    d.setOption(QFileDialog::DontConfirmOverwrite);
    if (d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty()) gekozen = d.selectedFiles().front();
  }
  if (gekozen.isEmpty()) return std::nullopt;
  return PadVanQt(gekozen);
}

void THoofdForm::TitelZetten(const std::string& titel) { setWindowTitle(NaarQt(titel)); }

void THoofdForm::TitelMetVoorvoegsel(const QString& extraBegin) {
  TitelBijwerken(programma_.ctx, *this, VanQt(extraBegin));
}

void THoofdForm::ProjectgegevensTonen() { projectgegevens_->ProjectgegevensScherm(); }

void THoofdForm::RapportvenstersSluiten() {
  // Last opened first, letting messages run after each.
  QList<QMdiSubWindow*> vensters = mdi_->subWindowList(QMdiArea::CreationOrder);
  for (auto it = vensters.rbegin(); it != vensters.rend(); ++it) {
    (*it)->close();
    QApplication::processEvents();
  }
}

void THoofdForm::VensterveldenLegen() { emit veldenLegen(); }

// Printing to a PDF file is always possible, so there is always a printer.
bool THoofdForm::PrintersAanwezig() { return true; }

void THoofdForm::HoofdvensterpositieHerstellen() { PositieHerstellen(programma_.ctx.instellingen.FormPosities, this); }

std::vector<RVenster> THoofdForm::Vensterposities() { return AlleVensterposities(); }

// ---- Lifecycle ------------------------------------------------------------------------------------

void THoofdForm::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (eersteActivering_) QTimer::singleShot(0, this, [this] { EersteActiveringUitvoeren(); });
}

void THoofdForm::EersteStartTaalkeuze() {
  if (programma_.instellingen.TaalGekozen != 0) return;
  if (taalkeuze_->Kiezen()) opstartInfo_->TekstenBijwerken();
}

void THoofdForm::EersteActiveringUitvoeren() {
  if (!eersteActivering_) return;
  eersteActivering_ = false;
  EersteActivering(programma_.ctx, *this, nummering_, programma_.argumenten);
}

void THoofdForm::closeEvent(QCloseEvent* e) {
  if (AfsluitenOpdracht(programma_.ctx, *this, nummering_, programma_.instellingenbestand)) {
    e->accept();
  } else {
    e->ignore();
  }
}

}  // namespace morvask::gui
