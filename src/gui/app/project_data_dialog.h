#pragma once
// The project data dialog TProjectgegevensForm1 ("Projectgegevens"): the size of the project
// and its description, report texts, registration interval and special plate characters.

#include <QDialog>
#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace morvask {
struct Context;
}

namespace morvask::gui {

class TGetalveld;
class TKarakterveld;

class TProjectgegevensForm1 : public QDialog {
  Q_OBJECT

 public:
  TProjectgegevensForm1(Context& ctx, QWidget* ouder = nullptr);

  // ProjectgegevensScherm: fills, shows modally and applies the fields on "&OK". True when
  // something was stored.
  bool ProjectgegevensScherm();

  std::function<void(int topic)> helpTonen;

 signals:
  // The interval was typed: the entry window's time field is to be emptied.
  void invoertijdLegen();

 private:
  void Vullen();
  // "&OK": applies the fields; the dialog stays open when the project refused them.
  void Toepassen();
  // The rule of the two special characters after the user changed one of them.
  void SpeciaalKarakterGewijzigd(bool wildcard);

  Context& ctx_;
  QLabel* aantalPosten_;                    // Label4
  QLabel* aantalRegistraties_;              // Label6
  std::array<QLabel*, 8> typenamen_{};      // Label7 .. Label14
  std::array<QLabel*, 8> aantalPerType_{};  // Label15 .. Label22
  QLineEdit* omschrijving_;                 // Edit2
  QLineEdit* rapporttekst1_;                // Edit3
  QLineEdit* rapporttekst2_;                // Edit4
  TGetalveld* interval_;                    // Edit1 with its up-down buttons
  TKarakterveld* wildcard_;                 // Edit5
  TKarakterveld* gemistKenteken_;           // Edit6
  QToolButton* help_;                       // HelpSpeedButton
  QPushButton* ok_;                         // Button1
  QString vorigeWildcard_;
  QString vorigGemistKenteken_;
  bool intervalGewijzigd_ = false;  // IntervalGewijzigd: the up-down control or a key changed it
  bool intervalGetypt_ = false;     // the field itself was edited by typing
  bool opgeslagen_ = false;
};

}  // namespace morvask::gui
