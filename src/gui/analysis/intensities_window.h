#pragma once
// The intensities window TKentekensNaarIntervalInstellenForm1 ("Intensiteiten"): the period,
// the interval and its presets, the vehicle types or missed plates to count and the posts to
// report; "&Rapport" makes the intensities report. The fields keep their values while the
// program runs; the time fields are emptied when the project is replaced.

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "analysis/intensities.h"
#include "reports/report.h"

class QCheckBox;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace morvask {
struct Context;
}

namespace morvask::gui {

class TGetalveld;
class TPostenLijst;
class TTijdveld;

class TKentekensNaarIntervalInstellenForm1 : public QDialog {
  Q_OBJECT

 public:
  TKentekensNaarIntervalInstellenForm1(Context& ctx, QWidget* ouder = nullptr);

  // KentekensNaarIntervalInstellen: prepares the fields, shows the window modally and, when
  // "&Rapport" made the report, hands it to rapportTonen.
  void KentekensNaarIntervalInstellen();
  // The project is replaced: the from and until fields are emptied.
  void ProjectVervangen();

  const RIntensiteitenVenster& Velden() const { return v_; }

  std::function<void(Rapport)> rapportTonen;
  std::function<void(int topic)> helpTonen;

 private:
  void OnderdelenMaken();
  void VeldenVullen();
  void SelectietypeBijwerken();
  void Rapporteren();

  Context& ctx_;
  RIntensiteitenVenster v_;
  std::optional<Rapport> rapport_;
  bool vullend_ = false;

  QTabWidget* tabs_;
  TTijdveld* vanaf_;
  TTijdveld* tot_;
  TGetalveld* interval_;
  QRadioButton* type1_;
  QRadioButton* type2_;
  std::array<QCheckBox*, 8> voertuigtypen_{};
  QCheckBox* meetellen_;
  QCheckBox* gemisteKentekens_;
  QCheckBox* gemisteKarakters_;
  TPostenLijst* posten_;
  QPushButton* rapport_knop_;
};

}  // namespace morvask::gui
