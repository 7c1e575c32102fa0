#pragma once
// The main window THoofdForm: the multiple-document frame with the menu and tool bar of the
// command table, the report windows, and the project commands. It applies what app/ computes
// - the menu states, the title, the project commands and the first activation - and carries
// out what only a window can do (the Schil interface).

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>

#include "app/project_commands.h"
#include "reports/report.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace morvask::gui {

struct TProgramma;
class TAantekeningenForm;
class TAfdrukkenForm1;
class TExportForm;
class THelpForm;
class TInstellingenForm1;
class TLanguageForm;
class TKindForm;
class TOpInternetForm;
class TOpstartInfoForm;
class TProjectgegevensForm1;
class TRapportOpmaakForm;
class TVehTypesForm;
class TGaugeForm1;
class TVensterposities;
class TRekentijdForm;
class TKentekensNaarIntervalInstellenForm1;
class TMatchTotalForm;
class TMatchReportForm;

class THoofdForm : public QMainWindow, public Schil {
  Q_OBJECT

 public:
  explicit THoofdForm(TProgramma& programma, QWidget* ouder = nullptr);
  ~THoofdForm() override;

  // ---- Published to the other windows ----

  // Opens a report window with the report: "Rapport %s: %s" with the next number and the
  // report's title; maximised when the setting says so; the report font size of the settings.
  TKindForm* RapportTonen(Rapport rapport);
  // The active report window, or nullptr.
  TKindForm* ActiefRapport() const;
  int AantalRapportvensters() const;
  QList<TKindForm*> Rapportvensters() const;
  // Re-evaluates one group of commands (InMenuChecken).
  void MenuChecken(MenuCode code);
  // Shows a help topic of the help file of the current help language.
  void HelpTonen(int topic);
  QString Helpbestand() const { return helpbestand_; }
  void HelpbestandZetten(const QString& bestand) { helpbestand_ = bestand; }
  // A command by its component name ("Projectopslaan1"), or nullptr.
  QAction* Opdracht(const char* naam) const;
  // The windows of the program that are translated (VertaalSchermen, the template), the main
  // window first, then in the order the program creates them.
  QList<QWidget*> Vensters() const;
  // SchrijfTaalsjabloon: the template language file from the texts the windows show now.
  bool TaalsjabloonSchrijven(const std::string& bestandsnaam);
  // The first activation, once (also run by the first show).
  void EersteActiveringUitvoeren();
  Rapportnummering& Nummering() { return nummering_; }
  TProgramma& Programma() { return programma_; }
  TOpstartInfoForm* OpstartInfo() const { return opstartInfo_; }
  TLanguageForm* Taalkeuze() const { return taalkeuze_; }
  // The language window once at the first start (the language-chosen setting is 0).
  void EersteStartTaalkeuze();

  // The file dialogs, replaceable (tests answer them so): the chosen file, or empty.
  std::function<QString(const QString& beginmap)> openDialoog;
  std::function<QString(const QString& beginmap)> opslaanDialoog;

  // ---- Schil ----
  std::optional<std::string> OpenDialoog(const std::string& beginmap) override;
  std::optional<std::string> OpslaanDialoog(const std::string& beginmap) override;
  void TitelZetten(const std::string& titel) override;
  void ProjectgegevensTonen() override;
  void RapportvenstersSluiten() override;
  void VensterveldenLegen() override;
  bool PrintersAanwezig() override;
  void HoofdvensterpositieHerstellen() override;
  std::vector<RVenster> Vensterposities() override;

 signals:
  // The project is replaced: windows empty what they keep of it.
  void veldenLegen();

 protected:
  void closeEvent(QCloseEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  void OpdrachtenMaken();
  QAction* NieuweOpdracht(QMenu* menu, const char* naam, const QString& caption, const QKeySequence& toets,
                          const QString& hint, const char* icoon, std::function<void()> uitvoeren);
  QMenu* NieuwMenu(const char* naam, const QString& titel);
  void VenstermenuBijwerken();
  void AlleVenstersSluiten();
  void LeesMijTonen();
  void ConfiguratieTonen();
  void Opmaak();
  void Exporteren();
  void Afdrukken();
  void TitelMetVoorvoegsel(const QString& extraBegin);

  TProgramma& programma_;
  Rapportnummering nummering_;
  QMdiArea* mdi_;
  QToolBar* werkbalk_;
  QMenu* venstermenu_ = nullptr;
  QList<QAction*> vensterlijst_;
  QTimer kindVenstersTimer_;
  bool eersteActivering_ = true;
  QString helpbestand_;

  TVensterposities* posities_;
  TGaugeForm1* voortgang_;
  TOpstartInfoForm* opstartInfo_;
  TOpInternetForm* opInternet_;
  TProjectgegevensForm1* projectgegevens_;
  TInstellingenForm1* instellingen_;
  TVehTypesForm* voertuigtypen_;
  TAantekeningenForm* aantekeningen_;
  TRapportOpmaakForm* rapportOpmaak_;
  TExportForm* export_ = nullptr;
  TAfdrukkenForm1* afdrukken_;
  TLanguageForm* taalkeuze_;
  QPointer<THelpForm> help_;
  // The analysis windows.
  TRekentijdForm* rekentijd_ = nullptr;
  TKentekensNaarIntervalInstellenForm1* intensiteiten_ = nullptr;
  TMatchTotalForm* matchTotal_ = nullptr;
  TMatchReportForm* matchReport_ = nullptr;
  void AnalysevenstersMaken();
};

}  // namespace morvask::gui
