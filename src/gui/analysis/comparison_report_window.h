#pragma once
// The comparison report window TMatchReportForm ("Kentekenvergelijkingsrapport"): the match
// file, the report type, the vehicle types and the options of each report on its own tab;
// "&Rapport" makes the report from the match file. The options keep their values while the
// program runs; the file field is emptied when the project is replaced and whenever the
// comparison window names another match file.

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "analysis/comparison_report.h"
#include "reports/report.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace morvask {
struct Context;
}

namespace morvask::gui {

class TPostenLijst;

class TMatchReportForm : public QDialog {
  Q_OBJECT

 public:
  TMatchReportForm(Context& ctx, QWidget* ouder = nullptr);

  // Opens the window modally and, when "&Rapport" made a report, hands it to rapportTonen.
  void MatchReportFormTonen();
  // Empties the file field (the project is replaced, or the comparison window names another
  // match file).
  void BestandLegen();

  const RVergelijkingsrapportOpties& Opties() const { return opties_; }
  QString Bestand() const;

  // The file-open dialog of "...": the chosen file, or empty (tests answer it).
  std::function<QString()> openDialoog;
  // The match file named in the comparison window, taken when the file field is empty.
  std::function<std::string()> matchbestand;
  std::function<void(Rapport)> rapportTonen;
  std::function<void(int topic)> helpTonen;

 private:
  void OnderdelenMaken();
  void VeldenVullen();
  void TabbladenTonen();
  void BestandGewijzigd();
  void Rapporteren();

  Context& ctx_;
  RVergelijkingsrapportOpties opties_;
  std::optional<Rapport> rapport_;
  bool vullend_ = false;

  QTabWidget* tabs_;
  QLineEdit* bestand_;
  QLineEdit* omschrijving_;
  QGroupBox* typen_;
  std::array<QRadioButton*, 5> rapporttypen_{};
  std::array<QCheckBox*, 8> voertuigtypen_{};
  QRadioButton* minimaalEen_;
  QRadioButton* meerderheid_;
  QCheckBox* routematrix_;
  QCheckBox* doorrijtijdenDetail_;
  std::array<QRadioButton*, 4> weergaven_{};
  TPostenLijst* posten_;
  QPushButton* alles_;
  QPushButton* niets_;
  QRadioButton* opPost_;
  QRadioButton* opAantal_;
  QCheckBox* aflopend_;
  QCheckBox* routesDetail_;
  QCheckBox* nietRoutesDetail_;
  QPushButton* rapport_knop_;
};

}  // namespace morvask::gui
