#pragma once
// The comparison window TMatchTotalForm ("Kentekenvergelijking"): the settings of the plate
// comparison on four tabs, and "&Opslaan", which runs the comparison into the match file.
// The settings live in the window while the program runs; when the project is replaced the
// file and time fields are emptied, so they take their defaults at the next opening.

#include <QDialog>
#include <array>
#include <functional>

#include "analysis/match_settings.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace morvask {
struct Context;
}

namespace morvask::gui {

class TGetalveld;
class TTijdveld;

class TMatchTotalForm : public QDialog {
  Q_OBJECT

 public:
  TMatchTotalForm(Context& ctx, QWidget* ouder = nullptr);

  // MatchTotalFormTonen: prepares the settings for the open project, shows them and waits
  // until the window closes (after a run or "&Annuleren").
  void MatchTotalFormTonen();
  // The project is replaced: the file and time fields are emptied.
  void ProjectVervangen();

  const RMatchInstellingen& Instellingen() const { return in_; }
  // The match file named in the window (the comparison report window takes it over).
  const std::string& Bestandsnaam() const { return in_.Bestandsnaam; }

  // The save dialog of "...": the chosen file, or empty (tests answer it).
  std::function<QString(const QString& voorstel)> opslaanDialoog;
  // The file field changed: the comparison report window empties its own.
  std::function<void()> bestandGewijzigd;
  std::function<void()> rekentijdTonen;
  std::function<void(int topic)> helpTonen;

 private:
  void OnderdelenMaken();
  // The settings into the controls, with their enabled states.
  void VeldenVullen();
  void BestandZetten(const std::string& naam);
  void BestandKiezen();
  void MaximaleTijdenKlik();
  void TijdGetypt(bool vanaf, const QString& tekst);
  void PositieKlik();
  void Opslaan();

  Context& ctx_;
  RMatchInstellingen in_;
  bool vullend_ = false;
  bool gerund_ = false;

  QTabWidget* tabs_;
  QLineEdit* bestand_;       // BestandEdit
  QPushButton* kiezen_;      // BestandButton, "..."
  QLineEdit* omschrijving_;  // OmschrijvingEdit
  TTijdveld* vanaf_;         // VanafMaskEdit
  TTijdveld* tot_;           // TotMaskEdit
  QPushButton* maximaleTijden_;
  QCheckBox* correctie_;
  QCheckBox* tussenposten_;
  QCheckBox* blokkades_;
  QCheckBox* wildcards_;
  TGetalveld* verwisseld_;
  TGetalveld* verschillend_;
  QCheckBox* hoofdletters_;
  QCheckBox* gemist_;
  std::array<QCheckBox*, 6> posities_{};
  QCheckBox* iteratief_;
  QCheckBox* geluid_;
  QCheckBox* rekentijd_;
  QPushButton* opslaan_;
};

}  // namespace morvask::gui
