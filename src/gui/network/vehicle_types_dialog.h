#pragma once
// The vehicle types dialog TVehTypesForm ("Voertuigtypen"): the descriptions of the eight
// vehicle-type letters, with "OK && Rappor&t" for the vehicle types report.

#include <QDialog>
#include <array>
#include <functional>

#include "reports/report.h"

class QLineEdit;
class QPushButton;

namespace morvask {
struct Context;
}

namespace morvask::gui {

class TVehTypesForm : public QDialog {
  Q_OBJECT

 public:
  TVehTypesForm(Context& ctx, QWidget* ouder = nullptr);

  // VehTypesFormTonen: fills the eight fields, shows modally, applies on "&OK" (and on
  // "OK && Rappor&t", which then opens the report).
  void VehTypesFormTonen();

  std::function<void(Rapport)> rapportTonen;
  std::function<void(int topic)> helpTonen;

 private:
  // "&OK" and "OK && Rappor&t": the fields into the project, then closed.
  void Toepassen(bool metRapport);

  Context& ctx_;
  std::array<QLineEdit*, 8> velden_{};  // Edit1 .. Edit8, in the order a, l, m, z, b, o, u, r
  QPushButton* ok_;                     // Button1
  bool rapport_ = false;
};

}  // namespace morvask::gui
